#include "CMZ58View.h"
#include "ChannelGridModel.h"
#include "ChannelRowDelegate.h"
#include "GroupHeaderView.h"
#include "TestImages.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <set>

using namespace mz58;

namespace {

constexpr int col(Column c) {
    return static_cast<int>(c);
}

// Exposes the delegate's style option, which carries the row colour.
struct DelegateProbe : ChannelRowDelegate {
    QColor textColour(const QModelIndex& index) const {
        QStyleOptionViewItem option;
        initStyleOption(&option, index);
        return option.palette.color(QPalette::Text);
    }
};

// The view in a main window that binds the view's keys to actions of its own, shown and active.
struct ShownView {
    explicit ShownView(ImageState& state) : view(new CMZ58View(state, &window)) {
        window.setCentralWidget(view);
        for (const QKeySequence& key : {QKeySequence(Qt::Key_F1), QKeySequence(Qt::Key_F2),
                                        QKeySequence(Qt::SHIFT | Qt::Key_F9)}) {
            auto* action = new QAction(&window);
            action->setShortcut(key);
            window.addAction(action);
            QObject::connect(action, &QAction::triggered, [this] { ++windowShortcuts; });
        }
        window.show();
        if (QTest::qWaitForWindowActive(&window))
            grid()->setFocus();
    }
    QTableView* grid() const { return view->findChild<QTableView*>(); }
    QStringList shownTexts() const {
        QStringList texts;
        for (QLabel* label : view->findChildren<QLabel*>())
            texts << label->text().trimmed();
        for (QLineEdit* field : view->findChildren<QLineEdit*>())
            texts << field->text().trimmed();
        return texts;
    }

    QMainWindow window;
    CMZ58View* view;
    int windowShortcuts = 0;
};

using CellSet = std::set<std::pair<int, int>>;

} // namespace

Q_DECLARE_METATYPE(CellSet)

class ChannelViewTest : public QObject {
    Q_OBJECT

    ImageState state;

private slots:
    void init() { state = test::freshState(); }

    void modelPassesTheTester() {
        ChannelGridModel model(state);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setBank(kBankB);
        QCOMPARE(model.channelIndex(0), kChannelsPerBank);
        state.channels.entries[10].inUse = 0;
        state.optionUnit.type = OptionUnit::kSubsig;
        model.refreshChangedCells();
        QCOMPARE(model.headerData(col(Column::CallCode), Qt::Horizontal).toString(), "SIG");
        state.channels.bankCounts[kBankB] = 5;
        model.refreshChangedCells();
        QCOMPARE(model.rowCount(), 5);
    }

    void refreshReportsExactlyTheChangedCells_data() {
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("change"); // 0 none, 1 narrow, 2 receive, 3 out of use
        QTest::addColumn<CellSet>("cells");
        CellSet wholeRow;
        for (int c = 0; c < kColumnCount; ++c)
            wholeRow.insert({2, c});
        QTest::newRow("nothing changed") << 2 << 0 << CellSet{};
        QTest::newRow("narrow") << 2 << 1 << CellSet{{2, col(Column::Width)}};
        QTest::newRow("receive") << 2 << 2 << CellSet{{2, col(Column::Receive)}};
        QTest::newRow("out of use recolours the row") << 2 << 3 << wholeRow;
        QTest::newRow("channel of the other bank") << 10 << 1 << CellSet{};
    }

    void refreshReportsExactlyTheChangedCells() {
        QFETCH(int, channel);
        QFETCH(int, change);
        QFETCH(CellSet, cells);
        ChannelGridModel model(state);
        QSignalSpy spy(&model, &QAbstractItemModel::dataChanged);
        ChannelEntry& entry = state.channels.entries[static_cast<std::size_t>(channel)];
        if (change == 1)
            entry.narrow = 1;
        if (change == 2)
            entry.rxFrequency = 14552500;
        if (change == 3)
            entry.inUse = 0;
        model.refreshChangedCells();
        CellSet reported;
        for (const auto& args : spy)
            for (int r = args[0].toModelIndex().row(); r <= args[1].toModelIndex().row(); ++r)
                for (int c = args[0].toModelIndex().column(); c <= args[1].toModelIndex().column();
                     ++c)
                    reported.insert({r, c});
        QCOMPARE(reported, cells);
    }

    void rowsNotInUseUseTheInactiveColour() {
        state.channels.entries[3].inUse = 0;
        ChannelGridModel model(state);
        DelegateProbe delegate;
        QCOMPARE(delegate.textColour(model.index(3, col(Column::Receive))),
                 QPalette().color(QPalette::Disabled, QPalette::Text));
        QVERIFY(delegate.textColour(model.index(2, 0)) != delegate.textColour(model.index(3, 0)));
        QCOMPARE(model.index(3, col(Column::Width)).data().toString(), "W");
    }

    void toggledGroupHidesAndRestoresItsColumns() {
        const int group = 2; // "SUB AUDIO": Type, Dec, Enc
        const QList<int> columns{4, 5, 6};
        CMZ58View view(state);
        auto* grid = view.findChild<QTableView*>();
        const int rnga = col(Column::OutOfRangeAlert);
        QList<int> widths;
        for (int c = 0; c < kColumnCount; ++c) {
            QCOMPARE(grid->isColumnHidden(c), c == rnga); // a fresh view hides only "RNGA"
            widths << grid->columnWidth(c);
        }
        view.setColumnGroupShown(group, false);
        for (int pass = 0; pass < 2; ++pass) { // at once, and after a rebuild (which keeps it)
            QVERIFY(!view.isColumnGroupShown(group));
            for (int c = 0; c < kColumnCount; ++c)
                QCOMPARE(grid->isColumnHidden(c), columns.contains(c) || c == rnga);
            view.onUpdate(1);
        }
        view.setColumnGroupShown(group, true);
        for (int c = 0; c < kColumnCount; ++c)
            QCOMPARE(grid->columnWidth(c), widths[c]);
    }

    void headerSpansFollowTheColumns() {
        CMZ58View view(state);
        auto* header = view.findChild<GroupHeaderView*>();
        QCOMPARE(header->groupSpan(col(Column::Transmit)), std::make_pair(2, 3));
        QCOMPARE(header->groupSpan(col(Column::DecodeTone)), std::make_pair(4, 6));
        QCOMPARE(header->groupSpan(col(Column::BusyLockout)), std::make_pair(17, 17));
        QVERIFY(header->sizeHint().height() >= 2 * header->fontMetrics().height());
    }

    void headerShowsTheRadio() {
        state.image[0] = 0x01;
        state.image[1] = 0x06;
        state.serialNumber.digits = "123456";
        state.hardware.band = kUhf;
        ShownView shown(state);
        shown.view->setHeaderInfo({3, "PDF Printer", true});
        const QStringList texts = shown.shownTexts();
        for (const char* expected : {"123456", "UHF", "QM-610", "1.06", "PDF Printer", "BANK  A"})
            QVERIFY2(texts.contains(expected), expected);
        QCOMPARE(texts.filter("COM3").filter("模拟电台").size(), 1);
    }

    void hintsRefreshWhatTheySay() {
        const struct {
            int hint;
            bool gridRebuilt, headerRefreshed;
        } rows[] = {{0, false, false}, {1, true, true}, {2, false, true}, {4, false, true}};
        for (const auto& r : rows) {
            state = test::freshState();
            ShownView shown(state);
            shown.view->setBank(kBankB);
            state.channels.entries[8].narrow = 1;
            state.serialNumber.digits = "654321";
            shown.view->onUpdate(r.hint);
            const QByteArray row = "hint " + QByteArray::number(r.hint);
            QVERIFY2((shown.grid()->model()->index(0, col(Column::Width)).data() == "N") ==
                         r.gridRebuilt,
                     row);
            QVERIFY2(shown.view->bank() == (r.hint == 4 ? int(kBankA) : int(kBankB)), row);
            QVERIFY2(shown.shownTexts().contains("654321") == r.headerRefreshed, row);
        }
    }

    // The main window binds the same keys; in the grid the view's meaning wins.
    void f2SwitchesBanksOnlyWithTheBankKey() {
        for (const bool bankKey : {true, false}) {
            state = test::freshState();
            state.image[64] = bankKey ? 0x8C : 0x10; // else the scan key
            ShownView shown(state);
            for (int expected : bankKey ? QList<int>{1, 0} : QList<int>{0, 0}) {
                QTest::keyClick(shown.grid(), Qt::Key_F2);
                QCOMPARE(shown.view->bank(), expected);
                QVERIFY(shown.shownTexts().contains(expected == 1 ? "BANK  B" : "BANK  A"));
                QCOMPARE(shown.grid()->currentIndex(), shown.grid()->model()->index(0, 0));
            }
            QCOMPARE(shown.windowShortcuts, 0);
        }
    }

    void f1AndShiftF9AskTheWindow() {
        state.optionUnit.type = OptionUnit::k2Tone;
        ShownView shown(state);
        shown.grid()->setCurrentIndex(shown.grid()->model()->index(1, col(Column::CallCode)));
        const int context = 319; // the 2-tone topic of the call-code column
        QSignalSpy help(shown.view, &CMZ58View::helpRequested);
        QSignalSpy hex(shown.view, &CMZ58View::hexViewRequested);
        QTest::keyClick(shown.grid(), Qt::Key_F1);
        QTest::keyClick(shown.grid(), Qt::Key_F9, Qt::ShiftModifier);
        QCOMPARE(help.size(), 1);
        QCOMPARE(help[0][0].toInt(), context);
        QCOMPARE(shown.view->currentHelpContext(), context);
        QCOMPARE(hex.size(), 1);
        QCOMPARE(shown.windowShortcuts, 0);
    }
};

QTEST_MAIN(ChannelViewTest)
#include "ChannelViewTest.moc"
