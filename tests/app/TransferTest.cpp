#include "AppContext.h"
#include "CMZ58Doc.h"
#include "CMainFrame.h"
#include "Commands.h"
#include "MessageBoxPrompter.h"
#include "ModalScript.h"
#include "ProgrammingFile.h"
#include "QtFileChooser.h"
#include "SimulatorProcess.h"
#include "UiText.h"

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

    void uploadReplacesTheDocument() {
        makeFrame({}, kUhf);
        openNamedDocumentWithAnEdit();
        const RadioImage edited = m_doc->state().image;
        const std::string name = m_doc->fileName();
        test::ModalScript script;
        script.answer(QMessageBox::Ok);
        m_frame->action(cmd::kUpload)->trigger();
        QCOMPARE(script.texts, QStringList{uiText(83)});
        QCOMPARE(m_doc->fileName(), std::string("<none>"));
        QCOMPARE(m_doc->state().hardware.band, int(kUhf));
        QCOMPARE(m_doc->state().image, fileImage(m_radio->memoryFile()));
        QVERIFY(m_frame->windowTitle().startsWith(QStringLiteral("<none>[*] - ")));
        // The read is one undo step: undo gives back the edited file, never touching the radio.
        m_frame->action(cmd::kEditUndo)->trigger();
        QCOMPARE(m_doc->state().image, edited);
        QCOMPARE(m_doc->fileName(), name);
    }

    void failedUploadLeavesTheDocument() {
        makeFrame({"--fault", "bad-checksum"}, kUhf);
        openNamedDocumentWithAnEdit();
        const RadioImage before = m_doc->state().image;
        const std::string name = m_doc->fileName();
        const std::size_t steps = m_doc->history().stepCount();
        test::ModalScript script;
        script.answer(QMessageBox::Ok);
        m_frame->action(cmd::kToolbarUpload)->trigger();
        QCOMPARE(m_doc->history().stepCount(), steps);
        QCOMPARE(script.texts.size(), 1);
        QCOMPARE(m_doc->fileName(), name);
        QCOMPARE(m_doc->state().image, before);
        QCOMPARE(m_doc->state().channels.entries[2].inUse, 0);
        QVERIFY(m_doc->IsModified());
        QCOMPARE(m_doc->state().hardware.band, int(kVhf));
    }

    void downloadWritesTheRadioAndKeepsABackup() {
        makeFrame({});
        openNamedDocumentWithAnEdit();
        test::ModalScript script;
        script.answer(QMessageBox::Ok);
        m_frame->action(cmd::kDownload)->trigger();
        QCOMPARE(script.texts.size(), 1);
        QVERIFY(script.texts.front().startsWith(uiText(89)));
        // The radio holds the document's image, the edit included.
        QTRY_COMPARE(fileImage(m_radio->memoryFile()), m_doc->state().image);
        QCOMPARE(m_doc->state().channels.entries[2].inUse, 0);
        const QStringList backups =
            QDir(m_dir->filePath(QStringLiteral("backups"))).entryList(QDir::Files);
        QCOMPARE(backups.size(), 1);
        QVERIFY(script.texts.front().contains(backups.front()) ||
                m_frame->statusBar()->currentMessage().contains(backups.front()));
    }
};

QTEST_MAIN(TransferTest)
#include "TransferTest.moc"
