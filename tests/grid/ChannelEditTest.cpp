#include "CMZ58View.h"
#include "RecordingPrompter.h"
#include "TestImages.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <set>

using namespace mz58;

namespace {

// The view shown and active in a main window, its questions answered by a recording prompter
// and its lists by a preset choice.
struct EditedView {
    explicit EditedView(ImageState& state) : view(new CMZ58View(state, &window)) {
        window.setCentralWidget(view);
        window.resize(880, 430);
        view->setPrompter(&prompter);
        view->setListChooser([this](const SelectionList& list) {
            lists.push_back(list);
            return choice;
        });
        window.show();
        if (QTest::qWaitForWindowActive(&window))
            grid()->setFocus();
        tester = std::make_unique<QAbstractItemModelTester>(
            grid()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    }
    QTableView* grid() const { return view->findChild<QTableView*>(); }
    QLineEdit* editor() const { return view->findChild<QLineEdit*>(); }
    QPoint cellCentre(int row, Column column) const {
        return grid()->visualRect(grid()->model()->index(row, static_cast<int>(column))).center();
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

    QMainWindow window;
    CMZ58View* view;
    test::RecordingPrompter prompter;
    std::vector<SelectionList> lists;
    std::optional<int> choice;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

constexpr int col(Column c) {
    return static_cast<int>(c);
}

} // namespace

class ChannelEditTest : public QObject {
    Q_OBJECT

    ImageState state;

private slots:
    void init() { state = test::freshState(); }

    void typedFrequencyOpensTheEditorAndEnterCommits() {
        EditedView shown(state);
        QSignalSpy modified(shown.view, &CMZ58View::modified);
        QSignalSpy changed(shown.grid()->model(), &QAbstractItemModel::dataChanged);
        shown.view->setCurrentCell(1, Column::Receive);
        QTest::keyClick(shown.grid(), '1');
        QVERIFY(shown.view->isEditorOpen());
        QCOMPARE(shown.editor()->text(), QString("1"));
        QTest::keyClicks(shown.editor(), "45.525x"); // the letter is dropped
        QCOMPARE(shown.editor()->text(), QString("145.525"));
        QCOMPARE(state.channels.entries[1].rxFrequency, 15000000u);
        QTest::keyClick(shown.editor(), Qt::Key_Return);
        QVERIFY(!shown.view->isEditorOpen());
        QCOMPARE(state.channels.entries[1].rxFrequency, 14552500u);
        QCOMPARE(state.channels.entries[1].txFrequency, 14552500u);
        QCOMPARE(modified.size(), 1);
        const std::set<std::pair<int, int>> expected{{1, col(Column::Receive)},
                                                     {1, col(Column::Transmit)}};
        QCOMPARE(shown.changedCells(changed), expected);
    }

    void escapeLeavesTheChannelUntouched() {
        EditedView shown(state);
        QSignalSpy modified(shown.view, &CMZ58View::modified);
        const ChannelEntry before = state.channels.entries[0];
        shown.view->setCurrentCell(0, Column::Receive);
        QTest::keyClick(shown.grid(), Qt::Key_Return);
        QCOMPARE(shown.editor()->text(), QString("150.00000"));
        QTest::keyClicks(shown.editor(), "146");
        QTest::keyClick(shown.editor(), Qt::Key_Escape);
        QVERIFY(!shown.view->isEditorOpen());
        QCOMPARE(state.channels.entries[0].rxFrequency, before.rxFrequency);
        QCOMPARE(modified.size(), 0);
    }

    // The editor commits to the cell it was opened on, wherever the click goes.
    void clickElsewhereCommitsToTheEditedChannel() {
        EditedView shown(state);
        shown.view->setCurrentCell(0, Column::Transmit);
        QTest::keyClick(shown.grid(), '1');
        QTest::keyClicks(shown.editor(), "46.5");
        shown.view->setCurrentCell(4, Column::Transmit);
        QTest::mouseClick(shown.grid()->viewport(), Qt::LeftButton, {},
                          shown.cellCentre(4, Column::Width));
        QVERIFY(!shown.view->isEditorOpen());
        QCOMPARE(state.channels.entries[0].txFrequency, 14650000u);
        QCOMPARE(state.channels.entries[4].txFrequency, 15000000u);
    }

    void refusedFrequencyBeepsAndSaysWhy() {
        state.hardware.stepPair = 3; // 6.25/7.5 kHz: 146.94 lies on no step the receiver holds
        EditedView shown(state);
        QSignalSpy refused(shown.view, &CMZ58View::refused);
        QSignalSpy status(shown.view, &CMZ58View::statusMessage);
        shown.view->setCurrentCell(0, Column::Receive);
        QTest::keyClick(shown.grid(), '1');
        QTest::keyClicks(shown.editor(), "46.94");
        QTest::keyClick(shown.editor(), Qt::Key_Return);
        QCOMPARE(refused.size(), 1);
        QVERIFY(status.size() == 1 && status[0][0].toString().contains("146.94"));
        QCOMPARE(state.channels.entries[0].rxFrequency, 15000000u);
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
            EditedView shown(state);
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
        EditedView shown(state);
        QSignalSpy modified(shown.view, &CMZ58View::modified);
        QHeaderView* header = shown.grid()->horizontalHeader();
        const int x = header->sectionViewportPosition(col(Column::Width)) + 5;
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        QCOMPARE(modified.size(), 0);
        QCOMPARE(state.channels.entries[0].narrow, 0);
    }

    void decodeToneFromTheList() {
        state.channels.entries[1].toneType = kToneDcs;
        EditedView shown(state);
        shown.choice = 7;
        shown.view->setCurrentCell(1, Column::DecodeTone);
        QTest::keyClick(shown.grid(), Qt::Key_Space);
        QCOMPARE(shown.lists.size(), std::size_t{1});
        QCOMPARE(state.channels.entries[1].rxDcs, 7);
        QCOMPARE(state.channels.entries[1].txDcs, 7);
    }

    void channelCopyAsksAndCopiesTheShownGroups() {
        ChannelEntry& source = state.channels.entries[2];
        source.narrow = 1;
        source.rxFrequency = source.txFrequency = 14552500;
        source.squelchLevel = 9;
        EditedView shown(state);
        shown.view->setColumnGroupShown(columnGroup(Column::Width), false);
        shown.prompter.answer = Answer::Yes;
        shown.view->setCurrentCell(2, Column::Channel);
        QTest::keyClick(shown.grid(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("  3"));
        shown.view->setCurrentCell(4, Column::Channel);
        QTest::keyClick(shown.grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(shown.prompter.calls.size(), std::size_t{1});
        QCOMPARE(shown.prompter.calls[0].id, 53);
        QCOMPARE(shown.prompter.calls[0].args, (std::vector<std::string>{"  3", "  5"}));
        const ChannelEntry& target = state.channels.entries[4];
        QCOMPARE(target.rxFrequency, 14552500u);
        QCOMPARE(target.squelchLevel, 9);
        QCOMPARE(target.narrow, 0); // its column is hidden
    }

    void copyAndPasteCells() {
        EditedView shown(state);
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
        QCOMPARE(state.channels.entries[6].squelchLevel, 12);
    }
};

QTEST_MAIN(ChannelEditTest)
#include "ChannelEditTest.moc"
