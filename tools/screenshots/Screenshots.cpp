// Grabs the documentation's screenshots of the window application: the main window on the
// VHF default image, the image data view, the transfer dialog against the simulated radio and
// the print preview. Usage: mz58_screenshots OUTPUT_DIR (run under xvfb-run or offscreen).
// Started in a translated language (LANGUAGE=en) it grabs only the main window with its Settings
// menu open, as main-window-LANG.png.
#include "AppContext.h"
#include "AppTranslations.h"
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
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
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

// The main window with its Settings menu open, drawn into one picture.
bool saveWithMenu(QMainWindow& frame, const QString& path) {
    QAction* settings = frame.menuBar()->actions().at(3);
    QMenu* menu = settings->menu();
    menu->popup(
        frame.menuBar()->mapToGlobal(frame.menuBar()->actionGeometry(settings).bottomLeft()));
    QPixmap shot = frame.grab();
    QPainter painter(&shot);
    painter.drawPixmap(frame.mapFromGlobal(menu->pos()), menu->grab());
    painter.end();
    menu->hide();
    const bool ok = shot.save(path);
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
    const bool translated = installTranslations(app);
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
    if (translated) {
        const QString language = QLocale(QLocale().uiLanguages().front()).name().left(2);
        QTimer::singleShot(300, [&] {
            ok &= saveWithMenu(frame,
                               out.filePath(QStringLiteral("main-window-%1.png").arg(language)));
            doc.SetModifiedFlag(false);
            frame.close();
            app.quit();
        });
        app.exec();
        return ok ? 0 : 1;
    }
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
