// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "ChannelGridModel.h"
#include "ChannelRowDelegate.h"
#include "GroupHeaderView.h"
#include "RecordingPrompter.h"
#include "TestImages.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

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
    // The cell as the style draws it, without the delegate's laid-out texts.
    void styleDraws(QPainter* painter, const QStyleOptionViewItem& option,
                    const QModelIndex& index) const {
        QStyledItemDelegate::paint(painter, option, index);
    }
};

struct NoFiles final : FileChooser {
    std::optional<std::filesystem::path> chooseFileToOpen() override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseFileToSave() override { return std::nullopt; }
};

// The view of a document holding `state`, shown and active in a main window that binds the
// view's keys to actions of its own, its questions answered by a recording prompter and its
// lists by a preset choice.
struct ShownView {
    explicit ShownView(const ImageState& state)
        : doc(prompter, files, std::filesystem::temp_directory_path()) {
        doc.commitEdit(state, {}, {}, kHintRebuild);
        baseSteps = doc.history().stepCount();
        doc.onUpdateViews = [this](int hint) { view->onUpdate(hint); };
        view = new CMZ58View(doc, &window);
        window.setCentralWidget(view);
        window.resize(880, 430);
        view->setPrompter(&prompter);
        view->setListChooser([this](const SelectionList& list) {
            lists.push_back(list);
            return choice;
        });
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
        tester = std::make_unique<QAbstractItemModelTester>(
            grid()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    // The window goes after the document: an open editor must not commit into it then.
    ~ShownView() { view->discardEditor(); }
    const ImageState& state() const { return doc.state(); }
    // The changes the view made to the document.
    std::size_t steps() const { return doc.history().stepCount() - baseSteps; }
    QTableView* grid() const { return view->findChild<QTableView*>(); }
    QLineEdit* editor() const { return grid()->viewport()->findChild<QLineEdit*>(); }
    QPoint cellCentre(int row, Column column) const {
        return grid()->visualRect(grid()->model()->index(row, static_cast<int>(column))).center();
    }
    QStringList shownTexts() const {
        QStringList texts;
        for (QLabel* label : view->findChildren<QLabel*>())
            texts << label->text().trimmed();
        for (QLineEdit* field : view->findChildren<QLineEdit*>())
            texts << field->text().trimmed();
        return texts;
    }
    // The cells the model reported as changed.
    std::set<std::pair<int, int>> changedCells(const QSignalSpy& spy) const {
        std::set<std::pair<int, int>> cells;
        for (const auto& args : spy) {
            const auto index = args[0].toModelIndex();
            cells.insert({index.row(), index.column()});
        }
        return cells;
    }

    test::RecordingPrompter prompter;
    NoFiles files;
    CMZ58Doc doc; // outlives the window: closing it commits an open editor
    QMainWindow window;
    CMZ58View* view = nullptr;
    std::size_t baseSteps = 0;
    std::vector<SelectionList> lists;
    std::optional<int> choice;
    std::unique_ptr<QAbstractItemModelTester> tester;
    int windowShortcuts = 0;
};

using CellSet = std::set<std::pair<int, int>>;

// Channels that differ from each other (receive frequency, squelch), so that a move shows.
ImageState distinctChannels() {
    ImageState state = test::freshState();
    for (int k = 0; k < kChannelCount; ++k) {
        ChannelEntry& e = state.channels.entries[static_cast<std::size_t>(k)];
        e.rxFrequency = e.txFrequency = 14500000 + static_cast<Frequency>(k) * 2500;
        e.squelchLevel = k % 13;
    }
    ImageCodec::encodeAll(state);
    return state;
}

// `state` with channel `to` holding what `from` held in `before`; the position keeps its type.
void putChannel(ImageState& state, const ImageState& before, int to, int from) {
    auto& target = state.channels.entries[static_cast<std::size_t>(to)];
    const int type = target.channelType;
    target = from < 0 ? ChannelEntry{} : before.channels.entries[static_cast<std::size_t>(from)];
    if (from < 0)
        target.inUse = 0;
    target.channelType = type;
}

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

    // The delegate draws a cell from its laid-out text exactly as the style would draw it.
    void cellsLookAsTheStyleDrawsThem_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("inUse");
        QTest::addColumn<bool>("current");
        QTest::addColumn<Column>("column");
        QTest::newRow("plain") << 80 << true << false << Column::Receive;
        QTest::newRow("current and selected") << 80 << true << true << Column::Receive;
        QTest::newRow("channel not in use") << 80 << false << false << Column::Transmit;
        QTest::newRow("too narrow: elided") << 40 << true << true << Column::Receive;
        QTest::newRow("one letter") << 30 << false << true << Column::Width;
    }
    void cellsLookAsTheStyleDrawsThem() {
        QFETCH(int, width);
        QFETCH(bool, inUse);
        QFETCH(bool, current);
        QFETCH(Column, column);
        state.channels.entries[0].inUse = inUse ? 1 : 0;
        ChannelGridModel model(state);
        QTableView view;
        view.setModel(&model);
        DelegateProbe delegate;
        QStyleOptionViewItem option;
        option.initFrom(view.viewport());
        option.widget = &view;
        option.font = view.font();
        option.rect = QRect(3, 2, width, view.fontMetrics().height() + 12);
        option.state |= QStyle::State_Enabled | QStyle::State_Active;
        if (current)
            option.state |= QStyle::State_Selected | QStyle::State_HasFocus;
        const QModelIndex index = model.index(0, col(column));
        auto draw = [&](bool fast) {
            QImage image(width + 6, option.rect.height() + 4, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            if (fast)
                delegate.paint(&painter, option, index);
            else
                delegate.styleDraws(&painter, option, index);
            return image;
        };
        (void)draw(true); // the first paint lays the text out; the second draws it from there
        QCOMPARE(draw(true), draw(false));
    }

    void toggledGroupHidesAndRestoresItsColumns() {
        const int group = 2; // "SUB AUDIO": Type, Dec, Enc
        const QList<int> columns{4, 5, 6};
        ShownView shown(state);
        CMZ58View& view = *shown.view;
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
        ShownView shown(state);
        CMZ58View& view = *shown.view;
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
        } rows[] = {{0, true, false}, {1, true, true}, {2, true, true}, {4, false, true}};
        for (const auto& r : rows) {
            state = test::freshState();
            ShownView shown(state);
            shown.view->setBank(kBankB);
            shown.doc.onUpdateViews = nullptr; // the hint is given below
            shown.doc.edit({}, {}, 0, [](ImageState& s) {
                s.channels.entries[8].narrow = 1;
                s.serialNumber.digits = "654321";
            });
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
        state.optionUnit.encode(state.image);
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

    void typedFrequencyOpensTheEditorAndEnterCommits() {
        ShownView shown(state);
        QSignalSpy changed(shown.grid()->model(), &QAbstractItemModel::dataChanged);
        shown.view->setCurrentCell(1, Column::Receive);
        QTest::keyClick(shown.grid(), '1');
        QVERIFY(shown.view->isEditorOpen());
        QCOMPARE(shown.editor()->text(), QString("1"));
        QTest::keyClicks(shown.editor(), "45.525x"); // the letter is dropped
        QCOMPARE(shown.editor()->text(), QString("145.525"));
        QCOMPARE(shown.state().channels.entries[1].rxFrequency, 15000000u);
        QTest::keyClick(shown.editor(), Qt::Key_Return);
        QVERIFY(!shown.view->isEditorOpen());
        QCOMPARE(shown.state().channels.entries[1].rxFrequency, 14552500u);
        QCOMPARE(shown.state().channels.entries[1].txFrequency, 14552500u);
        QCOMPARE(shown.steps(), std::size_t{1});
        const std::set<std::pair<int, int>> expected{{1, col(Column::Receive)},
                                                     {1, col(Column::Transmit)}};
        QCOMPARE(shown.changedCells(changed), expected);
    }

    void escapeLeavesTheChannelUntouched() {
        ShownView shown(state);
        const ChannelEntry before = shown.state().channels.entries[0];
        shown.view->setCurrentCell(0, Column::Receive);
        QTest::keyClick(shown.grid(), Qt::Key_Return);
        QCOMPARE(shown.editor()->text(), QString("150.00000"));
        QTest::keyClicks(shown.editor(), "146");
        QTest::keyClick(shown.editor(), Qt::Key_Escape);
        QVERIFY(!shown.view->isEditorOpen());
        QCOMPARE(shown.state().channels.entries[0].rxFrequency, before.rxFrequency);
        QCOMPARE(shown.steps(), std::size_t{0});
    }

    // The editor commits to the cell it was opened on, wherever the click goes.
    void clickElsewhereCommitsToTheEditedChannel() {
        ShownView shown(state);
        shown.view->setCurrentCell(0, Column::Transmit);
        QTest::keyClick(shown.grid(), '1');
        QTest::keyClicks(shown.editor(), "46.5");
        shown.view->setCurrentCell(4, Column::Transmit);
        QTest::mouseClick(shown.grid()->viewport(), Qt::LeftButton, {},
                          shown.cellCentre(4, Column::Width));
        QVERIFY(!shown.view->isEditorOpen());
        QCOMPARE(shown.state().channels.entries[0].txFrequency, 14650000u);
        QCOMPARE(shown.state().channels.entries[4].txFrequency, 15000000u);
    }

    void refusedFrequencyBeepsAndSaysWhy() {
        state.hardware.stepPair = 3; // 6.25/7.5 kHz: 146.94 lies on no step the receiver holds
        ShownView shown(state);
        QSignalSpy refused(shown.view, &CMZ58View::refused);
        QSignalSpy status(shown.view, &CMZ58View::statusMessage);
        shown.view->setCurrentCell(0, Column::Receive);
        QTest::keyClick(shown.grid(), '1');
        QTest::keyClicks(shown.editor(), "46.94");
        QTest::keyClick(shown.editor(), Qt::Key_Return);
        QCOMPARE(refused.size(), 1);
        QVERIFY(status.size() == 1 && status[0][0].toString().contains("146.94"));
        QCOMPARE(shown.state().channels.entries[0].rxFrequency, 15000000u);
    }

    void mouseAndKeys() {
        const struct {
            const char* name;
            bool doubleClick;
            Column column;
            int refusals;
            const char* cellAfter;
        } rows[] = {
            {"double click toggles W/N", true, Column::Width, 0, "N"},
            {"space on Dec without tone beeps", false, Column::DecodeTone, 1, "-----"},
            {"space on Receive opens the editor with a blank", false, Column::Receive, 0,
             "150.00000"},
            {"double click on Receive opens the editor", true, Column::Receive, 0, "150.00000"},
        };
        for (const auto& r : rows) {
            state = test::freshState();
            ShownView shown(state);
            QSignalSpy refused(shown.view, &CMZ58View::refused);
            shown.view->setCurrentCell(3, r.column);
            if (r.doubleClick)
                QTest::mouseDClick(shown.grid()->viewport(), Qt::LeftButton, {},
                                   shown.cellCentre(3, r.column));
            else
                QTest::keyClick(shown.grid(), Qt::Key_Space);
            QVERIFY2(refused.size() == r.refusals, r.name);
            QVERIFY2(shown.grid()->model()->index(3, col(r.column)).data().toString() ==
                         r.cellAfter,
                     r.name);
            QVERIFY2(shown.view->isEditorOpen() == (r.column == Column::Receive), r.name);
            if (!r.doubleClick && r.column == Column::Receive)
                QCOMPARE(shown.editor()->text(), QString(" "));
        }
    }

    void doubleClickOnTheHeaderDoesNothing() {
        ShownView shown(state);
        QHeaderView* header = shown.grid()->horizontalHeader();
        const int x = header->sectionViewportPosition(col(Column::Width)) + 5;
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        QCOMPARE(shown.steps(), std::size_t{0});
        QCOMPARE(shown.state().channels.entries[0].narrow, 0);
    }

    void decodeToneFromTheList() {
        state.channels.entries[1].toneType = kToneDcs;
        ShownView shown(state);
        shown.choice = 7;
        shown.view->setCurrentCell(1, Column::DecodeTone);
        QTest::keyClick(shown.grid(), Qt::Key_Space);
        QCOMPARE(shown.lists.size(), std::size_t{1});
        QCOMPARE(shown.state().channels.entries[1].rxDcs, 7);
        QCOMPARE(shown.state().channels.entries[1].txDcs, 7);
    }

    void channelCopyAsksAndCopiesTheShownGroups() {
        ChannelEntry& source = state.channels.entries[2];
        source.narrow = 1;
        source.rxFrequency = source.txFrequency = 14552500;
        source.squelchLevel = 9;
        ShownView shown(state);
        shown.view->setColumnGroupShown(columnGroup(Column::Width), false);
        shown.prompter.answer = Answer::Yes;
        shown.view->setCurrentCell(2, Column::Channel);
        QTest::keyClick(shown.grid(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("  3"));
        shown.view->setCurrentCell(4, Column::Channel);
        QTest::keyClick(shown.grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(shown.prompter.calls.size(), std::size_t{1});
        QCOMPARE(shown.prompter.calls[0].id, 53);
        QCOMPARE(shown.prompter.calls[0].args, (std::vector<std::string>{" A3", "A5"}));
        const ChannelEntry& target = shown.state().channels.entries[4];
        QCOMPARE(target.rxFrequency, 14552500u);
        QCOMPARE(target.squelchLevel, 9);
        QCOMPARE(target.narrow, 0); // its column is hidden
        // The copied cell still on the clipboard names A3 while bank B is on show.
        shown.view->setBank(kBankB);
        shown.view->setCurrentCell(2, Column::Channel);
        QTest::keyClick(shown.grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(shown.prompter.calls.back().args, (std::vector<std::string>{" A3", "B3"}));
        QCOMPARE(shown.state().channels.entries[10].squelchLevel, 9);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("  3"));
        QVERIFY(shown.grid()->hasFocus());
    }

    void copyAndPasteCells() {
        ShownView shown(state);
        QTableView* grid = shown.grid();
        grid->selectionModel()->select(
            QItemSelection(grid->model()->index(0, col(Column::Width)),
                           grid->model()->index(1, col(Column::Transmit))),
            QItemSelectionModel::ClearAndSelect);
        shown.view->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString("W\t150.00000\t150.00000\rW\t150.00000\t150.00000"));
        QGuiApplication::clipboard()->setText("12");
        shown.view->setCurrentCell(6, Column::Squelch);
        shown.view->findChild<QMenu*>()->actions().at(1)->trigger(); // the context menu's Paste
        QCOMPARE(shown.state().channels.entries[6].squelchLevel, 12);
    }

    // Each channel operation from its key (or its menu entry) moves whole channels, keeps every
    // other byte, is one undo step, and undo gives the image back byte for byte.
    void channelOperations() {
        const struct {
            const char* name;
            QKeySequence key; // empty: the context menu's entry `menuEntry`
            int menuEntry;
            Column column;
            std::vector<std::pair<int, int>> moves; // channel <- channel before (-1: cleared)
            int rowAfter;
        } cases[] = {
            {"Delete on Chn clears",
             QKeySequence(Qt::Key_Delete),
             0,
             Column::Channel,
             {{2, -1}},
             2},
            {"Insert shifts down",
             QKeySequence(Qt::Key_Insert),
             0,
             Column::Receive,
             {{2, -1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 6}},
             2},
            {"Ctrl+Del shifts up",
             QKeySequence(Qt::CTRL | Qt::Key_Delete),
             0,
             Column::Squelch,
             {{2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, -1}},
             2},
            {"Ctrl+Up",
             QKeySequence(Qt::CTRL | Qt::Key_Up),
             0,
             Column::Receive,
             {{1, 2}, {2, 1}},
             1},
            {"Ctrl+Down",
             QKeySequence(Qt::CTRL | Qt::Key_Down),
             0,
             Column::Receive,
             {{3, 2}, {2, 3}},
             3},
            {"swap with bank B",
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B),
             0,
             Column::Receive,
             {{10, 2}, {2, 10}},
             2},
            {"copy to bank B from the menu", {}, 6, Column::Receive, {{10, 2}}, 2},
        };
        for (const auto& c : cases) {
            const ImageState before = distinctChannels();
            ShownView shown(before);
            shown.prompter.answer = Answer::Yes; // the last channel may fall off
            shown.view->setCurrentCell(2, c.column);
            if (c.key.isEmpty())
                shown.view->channelActions().at(c.menuEntry)->trigger();
            else
                QTest::keySequence(shown.grid(), c.key);
            ImageState expected = before;
            for (const auto& [to, from] : c.moves)
                putChannel(expected, before, to, from);
            ImageCodec::encodeAll(expected);
            QVERIFY2(shown.state().image == expected.image, c.name);
            QVERIFY2(shown.steps() == 1, c.name);
            QVERIFY2(shown.view->currentChannel() == c.rowAfter, c.name);
            QVERIFY2(shown.view->currentColumn() == c.column, c.name);
            QVERIFY2(shown.grid()->hasFocus(), c.name);
            shown.doc.undo();
            QVERIFY2(shown.state().image == before.image, c.name);
            shown.doc.redo();
            QVERIFY2(shown.state().image == expected.image, c.name);
        }
    }

    void channelOperationsThatDoNothingSayWhy() {
        ImageState plan = distinctChannels();
        plan.channels.entries[1].inUse = 0;
        ImageCodec::encodeAll(plan);
        const struct {
            const char* name;
            int row;
            QKeySequence key;
            const char* said;
        } cases[] = {
            {"first of the bank", 0, QKeySequence(Qt::CTRL | Qt::Key_Up), "first channel"},
            {"last of the bank", 7, QKeySequence(Qt::CTRL | Qt::Key_Down), "last channel"},
            {"A1 must stay in use", 0, QKeySequence(Qt::CTRL | Qt::Key_Delete), "stay in use"},
            {"insert answered No", 3, QKeySequence(Qt::Key_Insert), ""},
        };
        for (const auto& c : cases) {
            ShownView shown(plan);
            shown.prompter.answer = Answer::No;
            QSignalSpy status(shown.view, &CMZ58View::statusMessage);
            shown.view->setCurrentCell(c.row, Column::Receive);
            QTest::keySequence(shown.grid(), c.key);
            QVERIFY2(shown.steps() == 0 && shown.state().image == plan.image, c.name);
            QVERIFY2(shown.view->currentChannel() == c.row && shown.grid()->hasFocus(), c.name);
            if (*c.said)
                QVERIFY2(status.size() == 1 && status[0][0].toString().contains(c.said), c.name);
            else
                QVERIFY2(shown.prompter.calls.size() == 1 &&
                             shown.prompter.calls[0].args == std::vector<std::string>{"A8"},
                         c.name);
        }
    }

    // A copied block pastes back as a block, one step; a block with one bad cell changes
    // nothing and names that cell.
    void blockPasteIsAllOrNothing() {
        const ImageState before = distinctChannels();
        ShownView shown(before);
        QTableView* grid = shown.grid();
        grid->selectionModel()->select(
            QItemSelection(grid->model()->index(0, col(Column::Receive)),
                           grid->model()->index(1, col(Column::Squelch))),
            QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        shown.view->setCurrentCell(4, Column::Receive);
        QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(shown.steps(), std::size_t{1});
        for (int c = col(Column::Receive); c <= col(Column::Squelch); ++c) {
            QCOMPARE(grid->model()->index(4, c).data(), grid->model()->index(0, c).data());
            QCOMPARE(grid->model()->index(5, c).data(), grid->model()->index(1, c).data());
        }
        QCOMPARE(shown.state().channels.entries[6].squelchLevel, 6);
        shown.doc.undo();
        QVERIFY(shown.state().image == before.image);

        QSignalSpy status(shown.view, &CMZ58View::statusMessage);
        QGuiApplication::clipboard()->setText("145.500\t145.500\r146.9x\t146.900\r");
        shown.view->setCurrentCell(1, Column::Receive);
        QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(shown.state().image == before.image);
        QCOMPARE(shown.doc.history().stepCount(), shown.baseSteps + 1); // the undone step only
        QCOMPARE(status.size(), 1);
        QCOMPARE(status[0][0].toString(), QString("Ch A3 Receive: not a frequency: \"146.9x\""));
    }

    // Every key and paste that changes nothing says why on the status line; the clamp into the
    // band and the step grid say what was stored.
    void everythingSaysWhy() {
        ImageState plan = test::freshState();
        plan.channels.entries[3].inUse = 0;
        ImageCodec::encodeAll(plan);
        const struct {
            const char* name;
            int row;
            Column column;
            const char* keys; // typed, then Enter; empty: `key`
            Qt::Key key;
            const char* clipboard; // pasted when given
            const char* said;
        } cases[] = {
            {"Space on a channel not in use", 3, Column::Width, "", Qt::Key_Space, nullptr,
             "Ch A4 is not in use"},
            {"typing into a channel not in use", 3, Column::Receive, "", Qt::Key_1, nullptr,
             "type a Receive frequency"},
            {"F2 without the bank key", 0, Column::Width, "", Qt::Key_F2, nullptr, "bank key"},
            {"F3 on no DCS", 0, Column::DecodeTone, "", Qt::Key_F3, nullptr, "inverts a DCS"},
            {"Delete off the Chn cell", 0, Column::Width, "", Qt::Key_Delete, nullptr,
             "Chn cell clears"},
            {"Space on the first channel's Chn", 0, Column::Channel, "", Qt::Key_Space, nullptr,
             "first channel"},
            {"an empty clipboard", 0, Column::Width, "", Qt::Key_unknown, "", "holds no text"},
            {"a typed clamp", 0, Column::Receive, "14652", Qt::Key_unknown, nullptr,
             "14652 is outside 134–174 MHz: stored 174.00000"},
            {"a pasted move onto the grid", 0, Column::Transmit, "", Qt::Key_unknown, "146.943",
             "Transmit stored as 146.94375 MHz: nearest 6.25 kHz step"},
        };
        for (const auto& c : cases) {
            ShownView shown(plan);
            QSignalSpy status(shown.view, &CMZ58View::statusMessage);
            shown.view->setCurrentCell(c.row, c.column);
            if (c.clipboard) {
                QGuiApplication::clipboard()->setText(c.clipboard);
                QTest::keyClick(shown.grid(), Qt::Key_V, Qt::ControlModifier);
            } else if (*c.keys) {
                QTest::keyClick(shown.grid(), c.keys[0]);
                QTest::keyClicks(shown.editor(), c.keys + 1);
                QTest::keyClick(shown.editor(), Qt::Key_Return);
            } else {
                QTest::keyClick(shown.grid(), c.key);
            }
            QVERIFY2(status.size() == 1, c.name);
            QVERIFY2(status[0][0].toString().contains(QString::fromUtf8(c.said)),
                     qPrintable(status[0][0].toString()));
            QVERIFY2(shown.grid()->hasFocus(), c.name);
        }
    }

    // The context menu and the insert question (real windows) leave the focus on the cell.
    void focusComesBackAfterTheMenuAndTheQuestion() {
        ShownView shown(state);
        shown.view->setPrompter(nullptr); // message boxes
        shown.view->setCurrentCell(5, Column::Squelch);
        bool asked = false;
        QTimer::singleShot(0, [&asked] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            asked = box && box->text().contains("Ch A8");
            if (box)
                QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });
        QTest::keyClick(shown.grid(), Qt::Key_Insert);
        QVERIFY(asked);
        QCOMPARE(shown.steps(), std::size_t{0});
        QCOMPARE(shown.window.focusWidget(), shown.grid());
        QCOMPARE(shown.view->currentChannel(), 5);
        QCOMPARE(shown.view->currentColumn(), Column::Squelch);

        auto* menu = shown.view->findChild<QMenu*>();
        QTimer::singleShot(0, menu, [menu] { QTest::keyClick(menu, Qt::Key_Escape); });
        emit shown.grid()->customContextMenuRequested(shown.cellCentre(5, Column::Squelch));
        QTRY_VERIFY(!menu->isVisible());
        // Offscreen, the window need not be activated again: its focus widget is what counts.
        QCOMPARE(shown.window.focusWidget(), shown.grid());
        QCOMPARE(shown.view->currentChannel(), 5);
    }

    // Columns fit their captions and values, take dragged widths, explain themselves, and "Chn"
    // stays in view when the grid scrolls sideways.
    void columnsPeopleCanRead() {
        ShownView shown(state);
        QTableView* grid = shown.grid();
        // Every column not dragged fits the grid's font, and every row its text.
        const auto fitTheFont = [&] {
            const QFontMetrics metrics = grid->fontMetrics();
            QVERIFY(grid->rowHeight(0) >= metrics.height());
            for (int c = 0; c < kColumnCount; ++c) {
                if (grid->isColumnHidden(c) || shown.view->userColumnWidths()[c] != 0)
                    continue;
                const QString caption = grid->model()->headerData(c, Qt::Horizontal).toString();
                QVERIFY2(grid->columnWidth(c) > metrics.horizontalAdvance(caption),
                         qPrintable(caption));
                QVERIFY2(grid->columnWidth(c) > metrics.horizontalAdvance(
                                                    grid->model()->index(0, c).data().toString()),
                         qPrintable(caption));
            }
        };
        fitTheFont();
        for (int c = 0; c < kColumnCount; ++c) {
            const QString caption = grid->model()->headerData(c, Qt::Horizontal).toString();
            const QString tip =
                grid->model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
            QVERIFY2(tip.contains(caption) && tip.contains('\n'), qPrintable(tip));
        }
        QSignalSpy dragged(shown.view, &CMZ58View::columnWidthsChanged);
        grid->horizontalHeader()->resizeSection(col(Column::Transmit), 140);
        QCOMPARE(dragged.size(), 1);
        QCOMPARE(shown.view->userColumnWidths()[col(Column::Transmit)], 140);

        shown.window.resize(640, 430);
        QCoreApplication::processEvents();
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
        QVERIFY(grid->horizontalScrollBar()->value() > 0);
        auto* fixed = grid->findChild<QTableView*>();
        QVERIFY(fixed && fixed->isVisible());
        QCOMPARE(fixed->columnWidth(0), grid->columnWidth(0));
        QCOMPARE(fixed->x(), grid->frameWidth());
        const QRect cell = fixed->visualRect(fixed->model()->index(3, 0));
        QTest::mouseClick(fixed->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(shown.view->currentChannel(), 3);
        QCOMPARE(shown.view->currentColumn(), Column::Channel);
        QTest::mouseDClick(fixed->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(shown.state().channels.entries[3].inUse, 0);
        // Scrolled back, the table's own column is in view again.
        grid->horizontalScrollBar()->setValue(0);
        QVERIFY(!fixed->isVisible());

        // A larger font while the window is open (a desktop setting changed).
        QFont large = shown.view->font();
        large.setPointSizeF(large.pointSizeF() * 1.6);
        shown.view->setFont(large);
        QCoreApplication::processEvents();
        fitTheFont();
    }
};

QTEST_MAIN(ChannelViewTest)
#include "ChannelViewTest.moc"
