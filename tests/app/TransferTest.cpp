// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppContext.h"
#include "CMZ58Doc.h"
#include "CMainFrame.h"
#include "CWritePreviewDlg.h"
#include "Commands.h"
#include "MessageBoxPrompter.h"
#include "ModalScript.h"
#include "ProgrammingFile.h"
#include "QtFileChooser.h"
#include "SimulatorProcess.h"
#include "UiText.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTreeWidget>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace mz58;

// Upload and download from the menu against the simulated radio on a pseudo-terminal.
class TransferTest : public QObject {
    Q_OBJECT

private:
    void makeFrame(const QStringList& simulatorArguments, int band = kVhf) {
        m_dir = std::make_unique<QTemporaryDir>();
        m_radio = std::make_unique<SimulatorProcess>();
        QVERIFY2(m_radio->start(band, QStringList{"--pace", "fast"} + simulatorArguments),
                 qPrintable(m_radio->errorString()));
        m_context = AppContext{};
        m_context.configPath = m_dir->filePath(QStringLiteral("MZ58Win.ini"));
        m_context.simulated = true;
        m_context.simulatorPort = m_radio->portPath().toStdString();
        m_context.backupDirectory = m_dir->filePath(QStringLiteral("backups")).toStdString();
        m_doc = std::make_unique<CMZ58Doc>(m_prompter, m_chooser, m_dir->path().toStdString());
        m_doc->OnNewDocument();
        m_frame = std::make_unique<CMainFrame>(*m_doc, m_context);
        m_prompter.setParent(m_frame.get());
        m_frame->show();
    }

    // A named document with an unsaved edit.
    void openNamedDocumentWithAnEdit() {
        const QString named = m_dir->filePath(QStringLiteral("named.q7m"));
        QVERIFY(writeFreshImageFile(named.toStdString(), kVhf));
        QVERIFY(m_doc->OpenDocumentFile(named.toStdString()));
        m_doc->edit({msg::kStepChange, {}}, {}, kHintNothing,
                    [](ImageState& s) { s.channels.entries[2].inUse = 0; });
    }

    static RadioImage fileImage(const QString& path) {
        QFile file(path);
        RadioImage image{};
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.read(kImageSize);
            std::copy(bytes.begin(), bytes.end(), image.begin());
        }
        return image;
    }

    MessageBoxPrompter m_prompter;
    QtFileChooser m_chooser;
    AppContext m_context;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SimulatorProcess> m_radio;
    std::unique_ptr<CMZ58Doc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;

private slots:
    void cleanup() {
        m_frame.reset();
        m_doc.reset();
        m_radio.reset();
    }

    // A read replaces the document: unsaved work gets the save-changes question first. Cancel
    // sends nothing to the port; No reads; Yes saves, then reads.
    void readAsksBeforeReplacingUnsavedWork_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("reads");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
        QTest::newRow("no") << int(QMessageBox::No) << true;
        QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    }
    void readAsksBeforeReplacingUnsavedWork() {
        QFETCH(int, answer);
        QFETCH(bool, reads);
        makeFrame({}, kUhf);
        openNamedDocumentWithAnEdit();
        const RadioImage before = m_doc->state().image;
        const QString named = m_dir->filePath(QStringLiteral("named.q7m"));
        const RadioImage original = fileImage(named);
        const std::string askedName[] = {m_doc->fileName()};
        const QString saved = m_dir->filePath(QStringLiteral("saved.q7m"));
        test::ModalScript script;
        script.answer(QMessageBox::StandardButton(answer));
        if (answer == QMessageBox::Yes) // Yes asks where to save
            script.on<QFileDialog>([&](QFileDialog* d) { test::chooseFile(d, saved); });
        bool gaugeOpened = false;
        if (reads)
            script.answer(QMessageBox::Ok);
        else
            script.on<QDialog>([&](QDialog*) { gaugeOpened = true; });
        m_frame->action(cmd::kUpload)->trigger();
        QCOMPARE(script.texts.front(), MessageBoxPrompter::messageText(msg::kAskToSave, askedName));
        if (!reads) {
            QTest::qWait(200);
            QVERIFY2(!gaugeOpened && !QApplication::activeModalWidget(), "no transfer started");
            QCOMPARE(m_doc->state().image, before);
            QVERIFY(m_doc->IsModified());
            return;
        }
        QCOMPARE(script.texts.value(1), uiText(83));
        QCOMPARE(m_doc->fileName(), std::string("<none>"));
        QCOMPARE(m_doc->state().hardware.band, int(kUhf));
        QCOMPARE(m_doc->state().serialNumber.digits, std::string("100001"));
        QVERIFY(m_frame->windowTitle().startsWith(QStringLiteral("<none>[*] - ")));
        // Yes kept the edit in a file before the radio's memory replaced it.
        QCOMPARE(QFile::exists(saved), answer == QMessageBox::Yes);
        QVERIFY(fileImage(saved) != original || answer != QMessageBox::Yes);
        QCOMPARE(fileImage(named), original);
        // The read is one undo step: undo gives back the edited file, never touching the radio.
        m_frame->action(cmd::kEditUndo)->trigger();
        QCOMPARE(m_doc->state().image, before);
        if (answer == QMessageBox::No)
            QCOMPARE(m_doc->fileName(), askedName[0]);
    }

    void failedUploadLeavesTheDocument() {
        makeFrame({"--fault", "bad-checksum"}, kUhf);
        openNamedDocumentWithAnEdit();
        const RadioImage before = m_doc->state().image;
        const std::string name = m_doc->fileName();
        const std::size_t steps = m_doc->history().stepCount();
        test::ModalScript script;
        script.answer(QMessageBox::No);
        script.answer(QMessageBox::Ok);
        m_frame->action(cmd::kToolbarUpload)->trigger();
        QCOMPARE(m_doc->history().stepCount(), steps);
        QCOMPARE(script.texts.size(), 2);
        QCOMPARE(m_doc->fileName(), name);
        QCOMPARE(m_doc->state().image, before);
        QCOMPARE(m_doc->state().channels.entries[2].inUse, 0);
        QVERIFY(m_doc->IsModified());
        QCOMPARE(m_doc->state().hardware.band, int(kVhf));
    }

    // The write shows its preview first; "Do not show again" is remembered in the ini, and the
    // next write goes ahead at once.
    void downloadWritesTheRadioAndKeepsABackup() {
        makeFrame({});
        openNamedDocumentWithAnEdit();
        test::ModalScript script;
        script.on<CWritePreviewDlg>([](CWritePreviewDlg* preview) {
            QVERIFY(preview->differences()->topLevelItemCount() > 0);
            preview->findChild<QCheckBox*>()->setChecked(true);
            QTest::mouseClick(preview->writeButton(), Qt::LeftButton);
        });
        script.answer(QMessageBox::Ok);
        m_frame->action(cmd::kDownload)->trigger();
        QCOMPARE(script.texts.size(), 1);
        QVERIFY(script.texts.front().startsWith(uiText(89)));
        // The radio holds the document's image, the edit included, with its own serial number;
        // the document keeps the file's.
        RadioImage expected = m_doc->state().image;
        const auto serial = expected.begin() + SerialNumber::kFirstByte;
        const RadioImage written = fileImage(m_radio->memoryFile());
        std::copy_n(written.begin() + SerialNumber::kFirstByte, SerialNumber::kByteCount, serial);
        QCOMPARE(written, expected);
        QCOMPARE(m_doc->state().channels.entries[2].inUse, 0);
        SerialNumber radioSerial;
        radioSerial.decode(written);
        QCOMPARE(radioSerial.digits, std::string("100001"));
        QCOMPARE(m_doc->state().serialNumber.digits, std::string("000000"));
        const QStringList backups =
            QDir(m_dir->filePath(QStringLiteral("backups"))).entryList(QDir::Files);
        QCOMPARE(backups.size(), 1);
        QVERIFY(script.texts.front().contains(backups.front()) ||
                m_frame->statusBar()->currentMessage().contains(backups.front()));

        QCOMPARE(AppConfig::read(m_context.configPath).showWritePreview, false);
        QVERIFY(!m_frame->action(cmd::kShowWritePreview)->isChecked());
        test::ModalScript again;
        again.answer(QMessageBox::Ok);
        m_frame->action(cmd::kDownload)->trigger();
        QCOMPARE(again.texts.size(), 1);
        QVERIFY(again.texts.front().startsWith(uiText(89)));
    }
};

QTEST_MAIN(TransferTest)
#include "TransferTest.moc"
