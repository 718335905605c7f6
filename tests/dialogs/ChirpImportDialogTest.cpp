// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChirpImportDialog.h"
#include "CellText.h"
#include "DialogScript.h"
#include "Golden.h"
#include "TestImages.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace mz58;

namespace {

// A club's 2 m sheet numbered 25..64: rows 5, 9, 14, 22 and 30 cannot be held.
const std::string kRepeaters = test::testData("interchange/club-repeaters-40.csv");

// The channel each row goes to (0: none), in file order.
std::vector<int> channels(const ChirpImportModel& model) {
    std::vector<int> out;
    for (const ChirpRow& row : model.plan().rows)
        out.push_back(row.channel);
    return out;
}

} // namespace

class ChirpImportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void modelPassesTheTester() {
        ChirpImportModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const ImageState state = test::freshState();
        model.setPlan(planChirpImport(kRepeaters, state, {1, {}}));
        QCOMPARE(model.rowCount(), 40);
        model.setChecked({0, 4, 7}, false); // row 5 cannot be held: it has no check box
        QVERIFY(!model.isChecked(0) && !model.isChecked(7));
        QVERIFY(
            !(model.flags(model.index(4, ChirpImportModel::LineColumn)) & Qt::ItemIsUserCheckable));
        model.setPlan(planChirpImport(kRepeaters, state, {3, model.excluded()}));
        QVERIFY2(!model.isChecked(0), "a plan of as many rows keeps the check marks");
        model.setPlan(planChirpImport(exportChirpCsv(state), state));
        QCOMPARE(model.rowCount(), 16);
    }

    // Space unchecks the selected rows, the later ones move up; the start channel moves them
    // all; OK hands back the state with exactly the rows shown imported.
    void checkBoxesAndStartChannelDecideWhatOkImports() {
        const ImageState state = test::freshState();
        std::vector<int> shown;
        QString summary;
        test::whenOpen([&](QDialog* d) {
            auto* preview = qobject_cast<ChirpImportDialog*>(d);
            QVERIFY(preview);
            QCOMPARE(preview->startChannel(), 1); // 25..64 name no channel
            QVERIFY(preview->summary()->text().startsWith(QStringLiteral("16 of 40 rows fit")));
            QTableView* table = preview->table();
            table->setFocus();
            table->selectRow(0);
            QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier); // rows 1 and 2
            QTest::keyClick(table, Qt::Key_Space);
            QVERIFY(!preview->model()->isChecked(0) && !preview->model()->isChecked(1));
            QCOMPARE(channels(*preview->model())[2], 1);
            test::chooseWithKeys(preview->startCombo(), 9); // from channel 9
            QCOMPARE(preview->startChannel(), 9);
            shown = channels(*preview->model());
            summary = preview->summary()->text();
            QTest::mouseClick(preview->okButton(), Qt::LeftButton);
        });
        const auto choice = runChirpImportDialog(nullptr, state, kRepeaters, "club.csv");
        QVERIFY(choice);
        QCOMPARE(std::vector<int>(shown.begin(), shown.begin() + 13),
                 (std::vector<int>{0, 0, 9, 10, 0, 11, 12, 13, 0, 14, 15, 16, 0}));
        QVERIFY2(summary.contains(QStringLiteral("8 of 40 rows fit")), qPrintable(summary));
        QCOMPARE(choice->channels, (std::vector<int>{9, 10, 11, 12, 13, 14, 15, 16}));
        QCOMPARE(cellText(choice->state.channels.entries[8], 0, Column::Receive), "145.17000");
        QCOMPARE(choice->state.channels.entries[0].rxFrequency,
                 state.channels.entries[0].rxFrequency);
    }

    // Sorting shows the rows in another order; a check mark still belongs to its row.
    void sortingKeepsEachRowsCheckMark() {
        const ImageState state = test::freshState();
        ChirpImportDialog preview(state, kRepeaters, planChirpImport(kRepeaters, state, {1, {}}),
                                  "club.csv");
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QHeaderView* header = preview.table()->horizontalHeader();
        const int receive = header->sectionViewportPosition(ChirpImportModel::ReceiveColumn);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(receive + 5, header->height() / 2));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(receive + 5, header->height() / 2)); // descending
        QTableView* table = preview.table();
        // The highest frequency held, 147.18 (row 40), comes first; refused rows, without a
        // text, last.
        QCOMPARE(table->model()->index(0, ChirpImportModel::ReceiveColumn).data().toString(),
                 QStringLiteral("147.18000"));
        QCOMPARE(table->model()->index(0, ChirpImportModel::LineColumn).data().toInt(), 41);
        table->setFocus();
        const int first = 0;
        table->selectRow(first);
        QTest::keyClick(table, Qt::Key_Space);
        QVERIFY(!preview.model()->isChecked(39));
        QVERIFY(preview.model()->isChecked(0));
    }

    void cancelChangesNothingAndANonListIsRefused() {
        const ImageState state = test::freshState();
        test::whenOpen([](QDialog* d) {
            QTest::mouseClick(qobject_cast<ChirpImportDialog*>(d)->cancelButton(), Qt::LeftButton);
        });
        QVERIFY(!runChirpImportDialog(nullptr, state, kRepeaters, "club.csv"));

        QString message;
        test::whenOpen([&](QDialog* d) {
            auto* box = qobject_cast<QMessageBox*>(d);
            QVERIFY(box);
            message = box->text();
            box->accept();
        });
        QVERIFY(!runChirpImportDialog(nullptr, state, "Location,Frequency\n1,146.52\n", "x.csv"));
        QVERIFY2(message.contains(QStringLiteral("missing column(s) Duplex")), qPrintable(message));
    }
};

QTEST_MAIN(ChirpImportDialogTest)
#include "ChirpImportDialogTest.moc"
