// Grabs the documentation's screenshots of the window application: the main window on the
// VHF default image, the image data view, the transfer dialog against the simulated radio and
// the print preview. Usage: mz58_screenshots OUTPUT_DIR (run under xvfb-run or offscreen).
#include "AppContext.h"
#include "CFileDataDlg.h"
#include "CMZ58Doc.h"
#include "CMainFrame.h"
#include "Commands.h"
#include "MessageBoxPrompter.h"
#include "QtFileChooser.h"
#include "SimulatedRadio.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace mz58;

namespace {

bool save(QWidget* widget, const QString& path) {
    const bool ok = widget->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// Calls `act` on the first modal widget of type W, once.
template <typename W> void whenModal(std::function<void(W*)> act) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start(20);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MZ58Win"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: mz58_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir dir;
    SimulatedRadio radio;
    if (!radio.start(kVhf, {"--state", "off", "--power-on-after", "600000"}))
        return 1;

    MessageBoxPrompter prompter;
    QtFileChooser chooser;
    AppContext context;
    context.configPath = dir.filePath(QStringLiteral("MZ58Win.ini"));
    context.simulated = true;
    context.simulatorPort = radio.portPath().toStdString();
    context.printerName = QStringLiteral("PDF");
    context.backupDirectory = dir.filePath(QStringLiteral("backups")).toStdString();
    CMZ58Doc doc(prompter, chooser, dir.path().toStdString());
    (void)writeFreshImageFile(dir.filePath(QStringLiteral("Vhfdef.q7m")).toStdString(), kVhf);
    doc.OnNewDocument();
    CMainFrame frame(doc, context);
    prompter.setParent(&frame);
    doc.onUpdateViews = [&](int hint) { frame.refresh(hint); };
    doc.onTitleChanged = [&] { frame.updateTitle(); };
    frame.refresh(kHintRebuild);
    frame.resize(1000, 560);
    frame.show();

    bool ok = true;
    QTimer::singleShot(300, [&] {
        ok &= save(&frame, out.filePath(QStringLiteral("main-window.png")));

        whenModal<QDialog>([&](QDialog* gauge) {
            // The dialog waits for the radio to be switched off and on.
            QTimer::singleShot(1500, gauge, [&, gauge] {
                ok &= save(gauge, out.filePath(QStringLiteral("transfer-dialog.png")));
                gauge->reject();
            });
        });
        frame.action(cmd::kUpload)->trigger();

        whenModal<CFileDataDlg>([&](CFileDataDlg* hex) {
            QTimer::singleShot(300, hex, [&, hex] {
                ok &= save(hex, out.filePath(QStringLiteral("hex-view.png")));
                hex->reject();
            });
        });
        CFileDataDlg hexView(doc.state().image, &frame);
        hexView.exec();

        whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
            QTimer::singleShot(800, preview, [&, preview] {
                ok &= save(preview, out.filePath(QStringLiteral("print-preview.png")));
                preview->reject();
            });
        });
        frame.action(cmd::kFilePrintPreview)->trigger();
        doc.SetModifiedFlag(false);
        frame.close();
        app.quit();
    });
    app.exec();
    return ok ? 0 : 1;
}
