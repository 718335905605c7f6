// SPDX-License-Identifier: GPL-3.0-or-later
// Grabs the documentation's screenshots of the window application: the main window on the
// VHF default image, the image data view, the transfer dialog against the simulated radio, the
// print preview, the in-cell editor and the DCS list, the window under a large font, the help and
// about windows, and every settings and signalling dialog (into OUTPUT_DIR/dialogs), the CSV import
// preview, and the dealer's windows: the write preview, a several-radio write with one radio
// failing, the COM port dialog after a cable test. Usage: mz58_screenshots OUTPUT_DIR (run under
// xvfb-run or offscreen). Started in a translated language (LANGUAGE=en) it grabs the main window
// with its Settings menu open, as main-window-LANG.png, and the dialogs, help and dealer's windows
// into OUTPUT_DIR/LANG.
#include "AppContext.h"
#include "AppTranslations.h"
#include "ApplicationStyle.h"
#include "CAboutDlg.h"
#include "CFileDataDlg.h"
#include "CHelpTextDlg.h"
#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "CMainFrame.h"
#include "CMultiWriteDlg.h"
#include "CSelectionListDlg.h"
#include "CSerialPort.h"
#include "CWritePreviewDlg.h"
#include "ChirpImportDialog.h"
#include "Commands.h"
#include "ControlId.h"
#include "Golden.h"
#include "HelpTopics.h"
#include "HelpWindow.h"
#include "MessageBoxPrompter.h"
#include "OtherDialogs.h"
#include "ProgrammingFile.h"
#include "QtFileChooser.h"
#include "RadioComparison.h"
#include "ScanSettings.h"
#include "SettingsDialogs.h"
#include "SignallingDialogs.h"
#include "SimulatorProcess.h"
#include "TestImages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
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

// The main window with one of its menus open (the Settings menu by default), drawn into one
// picture.
bool saveWithMenu(QMainWindow& frame, const QString& path, int menuIndex = 3) {
    QAction* settings = frame.menuBar()->actions().at(menuIndex);
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

// The Edit menu after a paste into channel 3's Receive cell: Undo names the step.
bool saveEditMenu(CMainFrame& frame, CMZ58Doc& doc, const QString& path) {
    doc.edit({msg::kStepPaste, {"3", "Receive"}}, {kBankA, 2, 2}, kHintNothing,
             [](ImageState& s) { s.channels.entries[2].rxFrequency = 14652000; });
    const bool ok = saveWithMenu(frame, path, 1);
    doc.undo();
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

void show(QWidget* window, const QString& path, bool& ok) {
    window->show();
    ok &= QTest::qWaitForWindowExposed(window);
    QTest::qWait(100);
    ok &= save(window, path);
}

// Grabs the dialog that `run` opens modally, with the control `focusId` focused (0: the first
// enabled control that takes focus), then cancels it.
void showModal(const QString& path, int focusId, const std::function<void()>& run, bool& ok) {
    QTimer::singleShot(0, [&, path, focusId] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) {
            ok = false;
            return;
        }
        for (QWidget* w : d->findChildren<QWidget*>()) {
            const int id = w->property("controlId").toInt();
            if (focusId ? id == focusId
                        : id > 1000 && w->isEnabled() && w->focusPolicy() != Qt::NoFocus) {
                w->setFocus();
                break;
            }
        }
        QApplication::processEvents();
        ok &= save(d, path);
        d->reject();
    });
    run();
}

// The settings and signalling dialogs, in menu order.
void dialogs(const QDir& out, bool& ok) {
    using Runner = DialogOutcome (*)(QWidget*, const ImageState&, const DialogContext&);
    const struct {
        const char* file;
        Runner run;
    } settings[] = {{"hardware", runHardwareDialog},
                    {"scan", runScanDialog},
                    {"power-save", runPowerSaveDialog},
                    {"options", runOptionsDialog},
                    {"key-function", runKeyFunctionDialog},
                    {"market-number", runMarketNumberDialog},
                    {"other-functions", runOtherFunctionsDialog},
                    {"channel-type", runChannelTypeDialog}};
    DialogContext maintenance;
    maintenance.maintenanceMode = true;
    for (const auto& d : settings) {
        ImageState state;
        ImageCodec::resetAll(state);
        showModal(
            out.filePath(QString(d.file) + ".png"), 0, [&] { d.run(nullptr, state, maintenance); },
            ok);
    }
    ComPortMap ports;
    int port = 1;
    showModal(
        out.filePath("com-port.png"), 0, [&] { runComPortDialog(nullptr, port, ports); }, ok);
    std::array<int, kColumnGroupCount> flags{};
    flags.fill(1);
    showModal(
        out.filePath("column-display.png"), 0, [&] { runColumnDisplayDialog(nullptr, flags); }, ok);

    const struct {
        const char* file;
        Runner run;
        int focused;
        bool twoTone;
    } signalling[] = {{"ani", runAniDialog, 3004, false},
                      {"dtmf", runDtmfDialog, 3101, false},
                      {"paging-code", runPagingCodeDialog, 3301, false},
                      {"two-tone", runTwoToneParamDialog, 3404, true},
                      {"two-tone-table", runTwoToneTableDialog, 3501, true}};
    for (const auto& d : signalling) {
        ImageState state = test::stateWithCallCodes(d.twoTone ? OptionUnit::k2Tone : 0);
        state.image[268] = 0x00;
        state.image[269] = d.twoTone ? 0x09 : 0x12;
        showModal(
            out.filePath(QString(d.file) + ".png"), d.focused, [&] { d.run(nullptr, state, {}); },
            ok);
    }
}

// The in-cell editor open on a Receive cell, and the DCS list.
void editing(const QDir& out, bool& ok) {
    MessageBoxPrompter prompter;
    QtFileChooser chooser;
    // The document outlives the window, which commits the open editor when it closes.
    CMZ58Doc doc(prompter, chooser, QDir::tempPath().toStdString());
    QMainWindow window;
    auto* view = new CMZ58View(doc, &window);
    window.setCentralWidget(view);
    window.resize(880, 430);
    view->setPrompter(&prompter);
    window.show();
    window.activateWindow(); // without a window manager nothing else makes it active
    ok &= QTest::qWaitForWindowActive(&window);
    auto* grid = view->findChild<QTableView*>();
    grid->setFocus();
    view->setCurrentCell(2, Column::Receive);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClicks(view->findChild<QLineEdit*>(), "145.52");
    ok &= save(&window, out.filePath("editor.png"));
    ChannelEntry dcs;
    dcs.toneType = kToneDcs;
    dcs.rxDcs = 12;
    show(new CSelectionListDlg(selectionList(dcs, Column::DecodeTone, {}), &window),
         out.filePath("dcs-list.png"), ok);
}

// The main window at its smallest (and default) size, the grid's context menu, and a block
// paste that was refused as a whole.
void channelGrid(CMainFrame& frame, const QDir& out, bool& ok) {
    frame.resize(kMinWindowWidth, kMinWindowHeight);
    frame.activateWindow();
    ok &= QTest::qWaitForWindowActive(&frame);
    auto* view = frame.findChild<CMZ58View*>();
    auto* grid = view->findChild<QTableView*>();
    QCoreApplication::processEvents();
    grid->setFocus();
    view->setCurrentCell(2, Column::Receive);
    ok &= save(&frame, out.filePath(QStringLiteral("grid-default-size.png")));

    // The menu reaches below the window: the picture holds both.
    auto* menu = view->findChild<QMenu*>();
    view->setCurrentCell(0, Column::Channel);
    emit grid->customContextMenuRequested(grid->visualRect(grid->currentIndex()).center());
    QCoreApplication::processEvents();
    const QPoint menuAt = frame.mapFromGlobal(menu->pos());
    const QRect both = frame.rect().united(QRect(menuAt, menu->size()));
    QPixmap shot(both.size());
    shot.fill(Qt::white);
    QPainter painter(&shot);
    painter.drawPixmap(-both.topLeft(), frame.grab());
    painter.drawPixmap(menuAt - both.topLeft(), menu->grab());
    painter.end();
    ok &= shot.save(out.filePath(QStringLiteral("grid-context-menu.png")));
    menu->hide();
    frame.activateWindow();
    ok &= QTest::qWaitForWindowActive(&frame);
    grid->setFocus();

    QGuiApplication::clipboard()->setText(QStringLiteral("145.500\t145.500\r146.9x\t146.900"));
    view->setCurrentCell(1, Column::Receive);
    view->paste();
    QCoreApplication::processEvents();
    ok &= save(&frame, out.filePath(QStringLiteral("grid-refused-paste.png")));

    // A large font at the smallest window size: the grid follows it, the menu bar shows its
    // overflow button.
    const QFont font = frame.font();
    QFont large = font;
    large.setPointSizeF(font.pointSizeF() * 1.8);
    frame.setFont(large);
    QCoreApplication::processEvents();
    ok &= save(&frame, out.filePath(QStringLiteral("menu-bar-overflow.png")));
    frame.setFont(font);
    QCoreApplication::processEvents();
}

// The CHIRP CSV import preview: a club's repeater sheet on a VHF document (rows that go in,
// rows the radio cannot hold, rows for which no channel is left), and a UHF list that only
// another step pair would hold.
void importPreviews(const QDir& out, bool& ok) {
    const struct {
        const char* file;
        const char* list;
        int band;
        int currentRow; // the row whose remarks the picture shows in full
    } previews[] = {
        {"import-preview.png", "interchange/club-repeaters-40.csv", kVhf, 4},
        {"import-preview-step-pair.png", "interchange/uhf-12k5-business.csv", kUhf, 0},
    };
    for (const auto& p : previews) {
        ImageState state;
        ImageCodec::makeNewImage(state, p.band);
        const std::string csv = test::testData(p.list);
        const QString name = QFileInfo(QString::fromLatin1(p.list)).fileName();
        const QString path = out.filePath(p.file);
        const int row = p.currentRow;
        QTimer::singleShot(0, [&, path, row] {
            auto* preview = qobject_cast<ChirpImportDialog*>(QApplication::activeModalWidget());
            if (!preview) {
                ok = false;
                return;
            }
            preview->table()->selectRow(row);
            QApplication::processEvents();
            ok &= save(preview, path);
            preview->reject();
        });
        runChirpImportDialog(nullptr, state, csv, name);
    }
}

// The help texts, the about box and the help window on three topics.
void helpWindows(const QDir& out, bool& ok) {
    QMainWindow frame;
    show(new CHelpTextDlg(CHelpTextDlg::GettingStarted, &frame),
         out.filePath("help-getting-started.png"), ok);
    show(new CHelpTextDlg(CHelpTextDlg::ProgrammingProblems, &frame),
         out.filePath("help-programming-problems.png"), ok);
    show(new CAboutDlg(&frame), out.filePath("about.png"), ok);
    const std::pair<int, const char*> topics[] = {
        {help::dialogContext(174), "help-window.png"}, // the serial port dialog's topic
        {0, "help-contents.png"},
        {help::kProgrammingProblems, "help-window-problems.png"}};
    for (const auto& [topic, file] : topics) {
        showHelpTopic(&frame, topic);
        show(HelpWindow::current(), out.filePath(file), ok);
    }
}

// The write preview with a channel and a setting changed, a write into three radios of which
// the second refuses the file, and the COM port dialog after a cable test.
void dealersBench(const QDir& out, const QString& tempDir, bool& ok) {
    ImageState radio = test::freshState();
    radio.serialNumber.digits = "100001";
    ImageCodec::encodeAll(radio);
    ImageState plan = radio;
    plan.channels.entries[2].rxFrequency = 14652500;
    plan.channels.entries[2].txFrequency = 14652500;
    ScanSettings scan;
    scan.decode(plan.image);
    scan.resumeTime1 = 5;
    scan.encode(plan.image);
    ImageCodec::decodeAll(plan);
    plan.channels.entries[2].rxFrequency = 14652500;
    plan.channels.entries[2].txFrequency = 14652500;
    ImageCodec::encodeAll(plan);
    QMainWindow frame;
    auto* preview = new CWritePreviewDlg(
        CWritePreviewDlg::Purpose::WritePreview, compareWithRadio(radio.image, plan),
        QStringLiteral("100001"), QStringLiteral("repeaters.q7m"), &frame);
    show(preview, out.filePath(QStringLiteral("write-preview.png")), ok);

    SimulatorProcess bench;
    if (!bench.start(kVhf, {"--pace", "fast", "--power-on-after", "400", "--fault", "nak@2"})) {
        ok = false;
        return;
    }
    const std::string port = bench.portPath().toStdString();
    const PortOpener opener = [port] { return OpenRadioPort(port); };
    DownloadOptions options;
    options.backupDirectory = (tempDir + QStringLiteral("/backups")).toStdString();
    CMultiWriteDlg several(opener, plan, QStringLiteral("repeaters.q7m"), options, 3,
                           tempDir + QStringLiteral("/bench.csv"), &frame);
    several.resize(760, 420);
    several.show();
    ok &= QTest::qWaitForWindowExposed(&several);
    several.start();
    ok &= QTest::qWaitFor([&] { return !several.running(); }, 60000);
    QTest::qWait(100);
    ok &= save(&several, out.filePath(QStringLiteral("several-radios.png")));
    several.hide();

    ComPortMap ports;
    ports.devices[0] = port;
    CComPortDlg comPort(1, ports, &frame);
    comPort.show();
    ok &= QTest::qWaitForWindowExposed(&comPort);
    comPort.testCable();
    ok &= QTest::qWaitFor([&] { return !comPort.cableTestRunning(); }, 10000);
    QTest::qWait(100);
    ok &= save(&comPort, out.filePath(QStringLiteral("dialogs/com-port-cable-test.png")));
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
    if (!QDir().mkpath(out.filePath(QStringLiteral("dialogs"))))
        return 1;
    QTemporaryDir dir;
    SimulatorProcess radio;
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
    ApplicationStyle::install(); // as the program's start does
    CMZ58Doc doc(prompter, chooser, dir.path().toStdString());
    (void)writeFreshImageFile(dir.filePath(QStringLiteral("Vhfdef.q7m")).toStdString(), kVhf);
    doc.OnNewDocument();
    CMainFrame frame(doc, context);
    prompter.setParent(&frame);
    frame.refresh(kHintRebuild);
    frame.resize(1000, 560);
    frame.show();

    bool ok = true;
    if (translated) {
        const QString language = QLocale(QLocale().uiLanguages().front()).name().left(2);
        QTimer::singleShot(300, [&] {
            ok &= saveWithMenu(frame,
                               out.filePath(QStringLiteral("main-window-%1.png").arg(language)));
            ok &= saveEditMenu(frame, doc,
                               out.filePath(QStringLiteral("edit-menu-undo-%1.png").arg(language)));
            frame.resize(kMinWindowWidth, kMinWindowHeight);
            QCoreApplication::processEvents();
            ok &= save(&frame,
                       out.filePath(QStringLiteral("grid-default-size-%1.png").arg(language)));
            // The dialogs, the help and the dealer's windows in the language, in OUTPUT_DIR/LANG.
            const QDir translatedOut(out.filePath(language));
            if (!QDir().mkpath(translatedOut.filePath(QStringLiteral("dialogs"))))
                ok = false;
            dialogs(QDir(translatedOut.filePath(QStringLiteral("dialogs"))), ok);
            helpWindows(translatedOut, ok);
            dealersBench(translatedOut, dir.path(), ok);
            while (doc.canUndo()) // closing asks nothing
                doc.undo();
            frame.close();
            app.quit();
        });
        app.exec();
        return ok ? 0 : 1;
    }
    QTimer::singleShot(300, [&] {
        ok &= save(&frame, out.filePath(QStringLiteral("main-window.png")));
        ok &= saveEditMenu(frame, doc, out.filePath(QStringLiteral("edit-menu-undo.png")));

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

        dialogs(QDir(out.filePath(QStringLiteral("dialogs"))), ok);
        editing(out, ok);
        importPreviews(out, ok);
        channelGrid(frame, out, ok);
        helpWindows(out, ok);
        dealersBench(out, dir.path(), ok);
        while (doc.canUndo())
            doc.undo();
        frame.close();
        app.quit();
    });
    app.exec();
    return ok ? 0 : 1;
}
