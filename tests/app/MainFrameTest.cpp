// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppContext.h"
#include "CFileDataDlg.h"
#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "CMainFrame.h"
#include "ChannelGridLayout.h"
#include "ChirpImportDialog.h"
#include "Commands.h"
#include "ControlId.h"
#include "DeviceOptions.h"
#include "MessageBoxPrompter.h"
#include "ModalScript.h"
#include "OptionUnit.h"
#include "ProgrammingFile.h"
#include "QtFileChooser.h"
#include "ShellRules.h"
#include "ShownFrame.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace mz58;

class MainFrameTest : public QObject {
    Q_OBJECT

private:
    void makeFrame() {
        m_frame.reset();
        m_doc.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        m_context = AppContext{};
        m_context.configPath = m_dir->filePath(QStringLiteral("MZ58Win.ini"));
        QVERIFY(
            test::showNewFrame(m_prompter, m_chooser, m_context, m_dir->path(), m_doc, m_frame));
    }
    QString writeBytes(const QString& name, int size) {
        QFile file(m_dir->filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(QByteArray(size, '\x11'));
        return file.fileName();
    }

    // An upload of the current image with another option unit and DTMF board.
    void uploadUnit(int unit, bool dtmfAbsent) {
        ImageState state = m_doc->state();
        state.optionUnit.type = unit;
        state.optionUnit.encode(state.image);
        DeviceOptions devices;
        devices.decode(state.image);
        devices.dtmfAbsent = dtmfAbsent ? 1 : 0;
        devices.encode(state.image);
        m_doc->applyUpload(state.image, {});
    }

    // A change of channel 6 through the document, as a grid edit makes it.
    void changeChannel6() {
        m_doc->edit({msg::kStepChange, {}}, {}, kHintNothing,
                    [](ImageState& s) { s.channels.entries[5].inUse = 0; });
    }

    MessageBoxPrompter m_prompter;
    QtFileChooser m_chooser;
    AppContext m_context;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CMZ58Doc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;

private slots:
    void init() { makeFrame(); }
    void cleanup() {
        m_frame.reset();
        m_doc.reset();
    }

    void columnMenuTogglesItsGroup() {
        for (int group : {1, 9, 14}) {
            QAction* entry = m_frame->action(cmd::kColumnGroupFirst + group);
            QVERIFY(entry && entry->isCheckable() && entry->isEnabled());
            const bool before = columnGroupShownByDefault(group);
            QCOMPARE(entry->isChecked(), before);
            entry->trigger();
            QCOMPARE(m_frame->view()->isColumnGroupShown(group), !before);
            QCOMPARE(entry->isChecked(), !before);
            entry->trigger();
            QCOMPARE(m_frame->view()->isColumnGroupShown(group), before);
        }
    }

    void signallingFollowsTheOptionUnit() {
        const struct {
            int unit;
            bool dtmfAbsent;
            QList<int> enabled;
        } rows[] = {
            {OptionUnit::kNone, false, {cmd::kAni, cmd::kDtmf, cmd::kPagingCode}},
            {OptionUnit::k2Tone, false, {cmd::kAni, cmd::kDtmf, cmd::kTwoTone, cmd::kTwoToneTable}},
            {OptionUnit::kSubsig, false, {cmd::kAni, cmd::kDtmf}},
            {OptionUnit::kNone, true, {cmd::kAni, cmd::kDtmf}}, // no DTMF device
        };
        for (const auto& r : rows) {
            uploadUnit(r.unit, r.dtmfAbsent);
            for (int id = cmd::kAni; id <= cmd::kTwoToneTable; ++id)
                QVERIFY2(m_frame->action(id)->isEnabled() == r.enabled.contains(id),
                         qPrintable(QString::number(r.unit) + m_frame->action(id)->text()));
            // What an unavailable command shows on the status line when pointed at.
            const QString why = m_frame->action(cmd::kTwoTone)->statusTip();
            QVERIFY2(r.unit == OptionUnit::k2Tone || why.contains("not available with this option"),
                     qPrintable(why));
            QCOMPARE(m_frame->action(cmd::kPagingCode)->statusTip().contains("DTMF board"),
                     r.dtmfAbsent);
            QVERIFY(m_frame->action(cmd::kUpload)->isEnabled());
            QVERIFY(m_frame->action(cmd::kToolbarDownload)->isEnabled());
        }
    }

    // Each Settings and Signalling command opens its dialog (for every unit that offers it):
    // Cancel leaves the image and the flag alone, OK with a new ANI method marks the document.
    void menuEntriesOpenTheirDialogs() {
        const struct {
            int id, unit;
            const char* caption;
        } rows[] = {
            {cmd::kAni, OptionUnit::kNone, "ANI设置"},
            {cmd::kAni, OptionUnit::kSubsig, "ANI设置"},
            {cmd::kDtmf, OptionUnit::k2Tone, "DTMF设置"},
            {cmd::kPagingCode, OptionUnit::kNone, "呼叫码"},
            {cmd::kTwoTone, OptionUnit::k2Tone, "双重2音码参数"},
            {cmd::kTwoToneTable, OptionUnit::k2Tone, "2音码编辑"},
            {cmd::kHardware, OptionUnit::kNone, "硬件参数"},
            {cmd::kOptions, OptionUnit::kNone, "选项"},
            {cmd::kScan, OptionUnit::kNone, "扫描参数"},
            {cmd::kPowerSave, OptionUnit::kNone, "省电功能"},
            {cmd::kKeyFunction, OptionUnit::kNone, "功能键"},
            {cmd::kMarketNumber, OptionUnit::kNone, "市场编号"},
            {cmd::kOtherFunctions, OptionUnit::kNone, "其它功能"},
            {cmd::kChannelType, OptionUnit::kNone, "信道类型"},
            {cmd::kComPort, OptionUnit::kNone, "串口设置"},
            {cmd::kColumnDisplay, OptionUnit::kNone, "显示设置"},
        };
        for (const auto& r : rows) {
            makeFrame();
            uploadUnit(r.unit, false);
            QVERIFY2(m_frame->action(r.id)->isEnabled(), r.caption);
            for (bool ok : {false, true}) {
                const std::size_t steps = m_doc->history().stepCount();
                const RadioImage before = m_doc->state().image;
                QString shown;
                test::ModalScript script;
                script.on<QDialog>([&](QDialog* d) {
                    shown = d->windowTitle();
                    if (r.id == cmd::kAni && ok) {
                        auto* method = findControl<QComboBox>(d, 3001);
                        method->setFocus();
                        QTest::keyClick(method, Qt::Key_Down);
                    }
                    QTest::mouseClick(findControl<QPushButton>(d, ok ? 1 : 2), Qt::LeftButton);
                });
                m_frame->action(r.id)->trigger();
                QTRY_VERIFY(script.done());
                QCOMPARE(shown, QString::fromUtf8(r.caption));
                // Only a change of some byte is an undo step.
                QCOMPARE(m_doc->history().stepCount(), steps + (r.id == cmd::kAni && ok ? 1 : 0));
                QVERIFY(ok || m_doc->state().image == before);
            }
        }
    }

    // The answers themselves are the document's (CMZ58DocTest); here: closing asks and obeys.
    void closingWithChangesAsks() {
        const struct {
            QMessageBox::StandardButton answer;
            const char* saveAs; // empty: the Save As dialog is cancelled
            bool closes;
        } rows[] = {{QMessageBox::Cancel, "", false}, {QMessageBox::Yes, "kept.q7m", true}};
        for (const auto& r : rows) {
            makeFrame();
            const QString saveAs = QString::fromLatin1(r.saveAs);
            changeChannel6();
            test::ModalScript script;
            script.answer(r.answer);
            const QString target = m_dir->filePath(saveAs);
            script.on<QFileDialog>([&](QFileDialog* dialog) {
                if (saveAs.isEmpty()) {
                    dialog->reject();
                    return;
                }
                test::chooseFile(dialog, target);
            });
            m_frame->close();
            QCOMPARE(script.texts.value(0), QStringLiteral("是否保存对 <none> 的更改?"));
            QCOMPARE(m_frame->isVisible(), !r.closes);
            QCOMPARE(m_doc->IsModified(), !r.closes);
            QCOMPARE(m_doc->state().channels.entries[5].inUse, 0);
            if (!saveAs.isEmpty())
                QCOMPARE(QFileInfo(target).size(), 520);
        }
    }

    // The smallest window shows the eight channels of a bank without a vertical scroll bar and
    // the header's values whole; dragged column widths come back from the ini.
    void defaultSizeShowsAWholeBank() {
        m_context.simulated = true;
        m_frame->refresh(kHintRebuild);
        m_frame->resize(kMinWindowWidth, kMinWindowHeight);
        QCoreApplication::processEvents();
        auto* grid = m_frame->view()->findChild<QTableView*>();
        QVERIFY(!grid->verticalScrollBar()->isVisible());
        const int lastRow = grid->model()->rowCount() - 1;
        QCOMPARE(lastRow, 7);
        QVERIFY(grid->visualRect(grid->model()->index(lastRow, 0)).bottom() <
                grid->viewport()->height());
        for (QLineEdit* field : m_frame->view()->findChildren<QLineEdit*>()) {
            if (field->text().isEmpty() || !field->isReadOnly())
                continue;
            QCOMPARE(field->cursorPosition(), 0);
            QVERIFY2(field->width() >= field->fontMetrics().horizontalAdvance(field->text()),
                     qPrintable(field->text()));
        }
        grid->horizontalHeader()->resizeSection(int(Column::Receive), 150);
        m_frame->action(cmd::kAppExit)->trigger();
        QCOMPARE(QSettings(m_context.configPath, QSettings::IniFormat).value("ITEM/WIDTH2").toInt(),
                 150);
        m_context.config = AppConfig::read(m_context.configPath);
        CMainFrame again(*m_doc, m_context);
        QCOMPARE(again.view()->findChild<QTableView*>()->columnWidth(int(Column::Receive)), 150);
    }

    // The channel operations sit in the Edit menu; Open from bank B shows bank A's first cell.
    void editMenuAndOpenFromBankB() {
        QMenu* edit = m_frame->menuBar()->actions().at(1)->menu();
        emit edit->aboutToShow(); // the menus are filled when first shown
        for (QAction* action : m_frame->view()->channelActions())
            QVERIFY(edit->actions().contains(action));
        const QString path = m_dir->filePath(QStringLiteral("plan.q7m"));
        QVERIFY(writeFreshImageFile(path.toStdString(), kVhf));
        m_frame->view()->setBank(kBankB);
        m_frame->view()->setCurrentCell(4, Column::Receive);
        QVERIFY(m_frame->view()->findChild<QTableView*>()->hasFocus()); // from the start
        test::ModalScript script;
        script.on<QFileDialog>([&](QFileDialog* dialog) { test::chooseFile(dialog, path); });
        QTest::keyClick(m_frame.get(), Qt::Key_O, Qt::ControlModifier);
        QTRY_VERIFY(script.done());
        QTRY_COMPARE(m_doc->fileName(), path.toStdString());
        QCOMPARE(m_frame->view()->bank(), int(kBankA));
        QCOMPARE(m_frame->view()->currentChannel(), 0);
        QCOMPARE(m_frame->view()->currentColumn(), Column::Channel);
        // The window's focus stays on the grid (offscreen, activation need not come back).
        QCOMPARE(m_frame->focusWidget(), m_frame->view()->findChild<QTableView*>());
    }

    void openOfAWrongFileShowsItsMessage() {
        const QString path = writeBytes(QStringLiteral("wrong.q7m"), 519);
        test::ModalScript script;
        script.on<QFileDialog>([&](QFileDialog* dialog) { test::chooseFile(dialog, path); });
        script.answer(QMessageBox::Ok);
        QTest::keyClick(m_frame.get(), Qt::Key_O, Qt::ControlModifier);
        QTRY_VERIFY(script.done());
        QCOMPARE(script.texts.value(0), QStringLiteral("文件无法打开.\n文件格式错误或不支持"));
        QCOMPARE(m_doc->fileName(), std::string("<none>"));
    }

    void exitWritesTheConfiguration() {
        m_frame->resize(700, 500);
        m_frame->action(cmd::kColumnGroupFirst + 14)->trigger();
        m_frame->action(cmd::kColumnGroupFirst + 1)->trigger();
        m_frame->action(cmd::kAppExit)->trigger();
        QVERIFY(!m_frame->isVisible());
        QSettings ini(m_context.configPath, QSettings::IniFormat);
        QCOMPARE(ini.value("Initialize/CX").toInt(), 700);
        QCOMPARE(ini.value("Initialize/CY").toInt(), 500);
        QCOMPARE(ini.value("ITEM/ITEM14").toInt(), 1);
        QCOMPARE(ini.value("ITEM/ITEM1").toInt(), 0);
        QCOMPARE(ini.value("ITEM/ITEM0").toInt(), 1);
    }

    void printToPdfNeedsNoPrinter() {
        const QString pdf = m_dir->filePath(QStringLiteral("report.pdf"));
        test::ModalScript script;
        script.on<QFileDialog>([&](QFileDialog* dialog) { test::chooseFile(dialog, pdf); });
        m_frame->action(cmd::kFilePrintPdf)->trigger();
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QVERIFY(!m_context.printingInProgress);
    }

    // A channel plan exported and imported back through the File menu changes nothing: the
    // preview puts every row back into its own channel, and OK records no undo step.
    void chirpCsvRoundTripsThroughTheFileMenu() {
        const QString csv = m_dir->filePath(QStringLiteral("plan.csv"));
        const RadioImage before = m_doc->state().image;
        {
            test::ModalScript script;
            script.on<QFileDialog>([&](QFileDialog* dialog) { test::chooseFile(dialog, csv); });
            m_frame->action(cmd::kFileExportCsv)->trigger();
        }
        QVERIFY(QFile::exists(csv));
        test::ModalScript script;
        int startChannel = -1;
        int imported = 0;
        script.on<QFileDialog>([&](QFileDialog* dialog) { test::chooseFile(dialog, csv); });
        script.on<ChirpImportDialog>([&](ChirpImportDialog* preview) {
            startChannel = preview->startChannel();
            imported = preview->model()->plan().count(RowOutcome::Imported);
            QTest::mouseClick(preview->okButton(), Qt::LeftButton);
        });
        m_frame->action(cmd::kFileImportCsv)->trigger();
        QTRY_VERIFY(script.done());
        QCOMPARE(startChannel, 0); // by Location
        QCOMPARE(imported, 16);
        QVERIFY(!m_doc->canUndo());
        QVERIFY(m_doc->state().image == before);
    }

    // A dropped .csv opens the import preview (Cancel imports nothing); a dropped file that is
    // no programming file is refused with the Open's message and never loaded.
    void droppedFilesArePreviewedOrRefused() {
        const QString csv = m_dir->filePath(QStringLiteral("list.CSV"));
        QFile list(csv);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QByteArray(kChirpCsvHeader.data(), kChirpCsvHeader.size()) +
                   "\n1,,146.52,,0,,88.5,88.5,023,NN,023,,FM,5.00,,Low,,,,,\n");
        list.close();
        const QString text = writeBytes(QStringLiteral("notes.txt"), 300);
        const auto drop = [this](const QString& path) {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(m_frame.get(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                               Qt::NoModifier);
            QApplication::sendEvent(m_frame.get(), &dropped);
        };
        const std::string nameBefore = m_doc->fileName();
        test::ModalScript script;
        bool previewed = false;
        script.on<ChirpImportDialog>([&](ChirpImportDialog* preview) {
            previewed = preview->model()->rowCount() == 1;
            QTest::mouseClick(preview->cancelButton(), Qt::LeftButton);
        });
        script.answer(QMessageBox::Ok);
        drop(csv);
        QTRY_VERIFY(previewed);
        drop(text);
        QTRY_VERIFY(script.done());
        QVERIFY(!m_doc->canUndo());
        QCOMPARE(m_doc->fileName(), nameBefore);
        QVERIFY(script.texts.value(0).contains(QStringLiteral("文件无法打开")));

        // OK imports the row as one undo step named after the file.
        const RadioImage before = m_doc->state().image;
        test::ModalScript accept;
        accept.on<ChirpImportDialog>([](ChirpImportDialog* preview) {
            QTest::mouseClick(preview->okButton(), Qt::LeftButton);
        });
        drop(csv);
        QTRY_VERIFY(m_doc->canUndo());
        QCOMPARE(m_doc->history().stepCount(), std::size_t{1});
        QVERIFY(
            m_frame->action(cmd::kEditUndo)->text().contains(QStringLiteral("import of list.CSV")));
        QCOMPARE(m_doc->state().channels.entries[0].lowPower, 1);
        m_doc->undo();
        QVERIFY(m_doc->state().image == before);
    }

    // A close request while the preview is open is refused without a question (the document
    // has changes); afterwards closing works.
    void closeIsRefusedDuringThePreview() {
        changeChannel6();
        test::ModalScript script;
        bool refused = false;
        script.on<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
            m_frame->close();
            refused = m_frame->isVisible() && m_context.printingInProgress;
            preview->reject();
        });
        m_frame->action(cmd::kFilePrintPreview)->trigger();
        QVERIFY(refused);
        QVERIFY(!m_context.printingInProgress);
        m_doc->undo();
        QVERIFY(m_frame->close());
    }

    void shiftF9ShowsTheImageData() {
        test::ModalScript script;
        bool shown = false;
        script.on<CFileDataDlg>([&](CFileDataDlg* dialog) {
            shown = true;
            dialog->reject();
        });
        QTest::keyClick(m_frame->view(), Qt::Key_F9, Qt::ShiftModifier);
        QTRY_VERIFY(script.done());
        QVERIFY(shown);
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
