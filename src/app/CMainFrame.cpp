// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMainFrame.h"

#include "AppTranslations.h"
#include "CAboutDlg.h"
#include "CFileDataDlg.h"
#include "CHelpTextDlg.h"
#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "DeviceOptions.h"
#include "HelpRequest.h"
#include "HelpWindow.h"
#include "ReportPrinting.h"
#include "ShellRules.h"
#include "UiText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace mz58 {
namespace {

constexpr int kClockIntervalMs = 1000;
constexpr int kClockPaneWidth = 30;
constexpr int kRecentFileCount = 4;
// How often a file handed over by a later start looks again for the modal window to close.
constexpr int kHandedFileRetryMs = 250;
const QString kRecentSection = QStringLiteral("Recent File List");

// The help contexts for which the help contents are shown instead of a topic.
constexpr int kContentsContexts[] = {0x5E81B, 0x5E81C, 0x5E81D, 0x5E81E, 0x1E143, 0x1804A};

} // namespace

CMainFrame::CMainFrame(CMZ58Doc& doc, AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_context(context) {
    setObjectName(QStringLiteral("CMainFrame"));
    m_view = new CMZ58View(m_doc, this);
    setCentralWidget(m_view);
    m_view->setFocus(); // the keys go to the grid from the start
    m_printing = new ReportPrinting(m_doc, m_context, this);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    setAcceptDrops(true);

    connect(m_view, &CMZ58View::hexViewRequested, this, &CMainFrame::showHexView);
    connect(m_view, &CMZ58View::helpRequested, this, &CMainFrame::onHelpContext);
    connect(m_view, &CMZ58View::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text, 5000); });
    connect(m_printing, &ReportPrinting::printerChanged, this, &CMainFrame::updateHeaderInfo);
    connect(m_printing, &ReportPrinting::previewClosed, m_view, &CMZ58View::relayout);
    if (m_context.printerName.isEmpty())
        QTimer::singleShot(kIdleWorkDelayMs, m_printing, &ReportPrinting::queryDefaultPrinter);

    for (int g = 0; g < kColumnGroupCount; ++g)
        m_view->setColumnGroupShown(g, m_context.config.columnGroups[static_cast<std::size_t>(g)] !=
                                           0);
    m_view->setUserColumnWidths(m_context.config.columnWidths);
    connect(m_view, &CMZ58View::columnWidthsChanged, this,
            [this] { m_context.config.columnWidths = m_view->userColumnWidths(); });
    const int language = static_cast<int>(languageFromKey(m_context.config.language));
    m_actions.value(cmd::kLanguageSystem + language)->setChecked(true);

    setMinimumSize(kMinWindowWidth, kMinWindowHeight);
    resize(m_context.config.cx, m_context.config.cy);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    QSettings settings(m_context.configPath, QSettings::IniFormat);
    settings.beginGroup(kRecentSection);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty())
            m_recentFiles.append(file);
    }
    settings.endGroup();
    rebuildRecentMenu();

    m_handedFileTimer = new QTimer(this);
    m_handedFileTimer->setSingleShot(true);
    m_handedFileTimer->setInterval(kHandedFileRetryMs);
    connect(m_handedFileTimer, &QTimer::timeout, this, &CMainFrame::openHandedFiles);

    // The window shows the document: every change of it refreshes the window.
    m_doc.onUpdateViews = [this](int hint) { refresh(hint); };
    m_doc.onTitleChanged = [this] { updateTitle(); };
    m_doc.onHistoryChanged = [this] { updateUndoActions(); };
    m_doc.onShowPlace = [this](const EditPlace& place) { m_view->showPlace(place); };

    updateHeaderInfo();
    updateTitle();
    updateActions();
    updateUndoActions();
}

CMainFrame::~CMainFrame() {
    m_doc.onUpdateViews = nullptr;
    m_doc.onTitleChanged = nullptr;
    m_doc.onHistoryChanged = nullptr;
    m_doc.onShowPlace = nullptr;
}

void CMainFrame::createStatusBar() {
    m_idleLabel = new QLabel(idleText(), statusBar());
    statusBar()->addWidget(m_idleLabel, 1);
    m_clockLabel = new QLabel(QStringLiteral("00:00"), statusBar());
    m_clockLabel->setObjectName(QStringLiteral("clockPane"));
    m_clockLabel->setMinimumWidth(kClockPaneWidth);
    m_clockLabel->setAlignment(Qt::AlignCenter);
    statusBar()->addPermanentWidget(m_clockLabel);
    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(kClockIntervalMs);
    connect(m_clockTimer, &QTimer::timeout, this, &CMainFrame::updateClock);
    m_clockTimer->start();
    updateClock();
}

QString CMainFrame::idleText() const {
    return tr("F1帮助   F2下一群组   F3 DCS列表   F10菜单");
}

QString CMainFrame::clockPaneText() const {
    return m_clockLabel->text();
}

void CMainFrame::updateClock() {
    const QTime now = QTime::currentTime();
    m_clockLabel->setText(QString::fromStdString(clockText(now.hour(), now.minute())));
}

void CMainFrame::refresh(int hint) {
    switch (hint) {
    case kHintRebuild:
        updateHeaderInfo();
        m_view->onUpdate(kHintRebuild);
        updateActions();
        break;
    case kHintHeader:
        updateHeaderInfo();
        m_view->onUpdate(kHintHeader);
        break;
    case kHintBandChange:
        m_view->setBank(kBankA);
        updateHeaderInfo();
        m_view->onUpdate(kHintBandChange);
        updateTitle();
        updateActions();
        break;
    default:
        m_view->onUpdate(hint);
        break;
    }
}

void CMainFrame::updateHeaderInfo() {
    CMZ58View::HeaderInfo info;
    info.comPort = m_context.config.comPort;
    info.printerName = m_context.printerName;
    info.simulated = m_context.simulated;
    m_view->setHeaderInfo(info);
}

void CMainFrame::updateActions() {
    DeviceOptions devices;
    devices.decode(m_doc.state().image);
    const int unit = m_doc.state().optionUnit.type;
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const int id = it.key();
        if (id >= cmd::kColumnGroupFirst && id < cmd::kColumnGroupFirst + kColumnGroupCount) {
            it.value()->setChecked(m_view->isColumnGroupShown(id - cmd::kColumnGroupFirst));
            continue;
        }
        if (id == cmd::kEditUndo || id == cmd::kEditRedo)
            continue; // the history decides these
        const bool enabled = isCommandEnabled(id, unit, devices.dtmfAbsent != 0);
        it.value()->setEnabled(enabled);
        // Pointing at an unavailable command says why on the status line.
        const QString name = it.value()->text().section(u'\t', 0, 0).remove(u'&');
        if (enabled)
            it.value()->setStatusTip(name);
        else if (id == cmd::kPagingCode && devices.dtmfAbsent != 0)
            it.value()->setStatusTip(tr("%1: needs the DTMF board").arg(name));
        else
            it.value()->setStatusTip(tr("%1: not available with this option unit").arg(name));
    }
}

void CMainFrame::updateTitle() {
    // "[*]" shows the modified mark where the platform puts it.
    QString title = QString::fromStdString(m_doc.title()) + QStringLiteral("[*] - ");
    title += m_context.maintenance ? tr("MZ58Win for QM-610(M)") : tr("MZ58Win for QM-610");
    if (m_context.simulated)
        title += QStringLiteral(" — ") + tr("模拟电台 (simulated radio)");
    setWindowTitle(title);
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::updateUndoActions() {
    const struct {
        QAction* action;
        bool available;
        const char* text;
        const EditName* name;
    } entries[] = {
        {action(cmd::kEditUndo), m_doc.canUndo(), QT_TR_NOOP("&U撤消 %1"),
         m_doc.canUndo() ? &m_doc.undoName() : nullptr},
        {action(cmd::kEditRedo), m_doc.canRedo(), QT_TR_NOOP("&R重做 %1"),
         m_doc.canRedo() ? &m_doc.redoName() : nullptr},
    };
    for (const auto& e : entries) {
        if (!e.action)
            continue;
        e.action->setEnabled(e.available);
        e.action->setText(e.name ? tr(e.text).arg(uiMessage(e.name->id, e.name->args))
                                 : tr(e.text).arg(QString()).trimmed());
    }
}

// Undo while the in-cell editor is open takes back the typing: the editor closes unapplied.
void CMainFrame::onUndo(int) {
    if (!m_view->discardEditor())
        m_doc.undo();
}

void CMainFrame::onRedo(int) {
    m_view->discardEditor();
    m_doc.redo();
}

void CMainFrame::activate() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void CMainFrame::retranslate() {
    retranslateActions();
    updateUndoActions();
    updateTitle();
    if (m_idleLabel)
        m_idleLabel->setText(idleText());
}

void CMainFrame::onLanguage(int id) {
    const auto language = static_cast<Language>(id - cmd::kLanguageSystem);
    m_actions.value(id)->setChecked(true);
    m_context.config.language = languageKey(language);
    m_context.config.writeLanguage(m_context.configPath);
    // Every open window gets a LanguageChange event and puts up its texts anew; dialogs are
    // made afresh each time they open.
    installTranslations(*qApp, languageLocale(language));
}

void CMainFrame::onMenuBar(int) {
    const QList<QAction*> menus = menuBar()->actions();
    if (menus.isEmpty())
        return;
    menuBar()->setFocus(Qt::MenuBarFocusReason);
    menuBar()->setActiveAction(menus.front());
}

// A dialog's F1 reaches the main window as a help request; the help window opens over the
// window that asked.
bool CMainFrame::event(QEvent* event) {
    if (event->type() == HelpRequestEvent::eventType()) {
        const auto* request = static_cast<HelpRequestEvent*>(event);
        QWidget* origin = request->origin();
        showHelpTopic(origin ? origin->window() : this, request->contextNumber());
        event->accept();
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // A close during printing or the preview waits until it has ended.
    if (m_context.printingInProgress) {
        statusBar()->showMessage(tr("正在打印, 请稍候 (printing in progress)"), 3000);
        event->ignore();
        return;
    }
    if (!m_doc.SaveModified()) {
        event->ignore();
        return;
    }
    writeConfigurationAtExit();
    event->accept();
}

void CMainFrame::writeConfigurationAtExit() {
    m_clockTimer->stop();
    m_context.config.cx = width();
    m_context.config.cy = height();
    for (int g = 0; g < kColumnGroupCount; ++g)
        m_context.config.columnGroups[static_cast<std::size_t>(g)] =
            m_view->isColumnGroupShown(g) ? 1 : 0;
    m_context.config.writeAtExit(m_context.configPath);
}

void CMainFrame::applyRecoveredChanges(ImageState recovered) {
    (void)m_doc.commitEdit(std::move(recovered), {msg::kStepRecovered, {}}, {}, kHintRebuild);
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
    // Shift+F1 does nothing.
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::ShiftModifier) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        onHelpContext(m_view->currentHelpContext());
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    // Local files only: a link from a web page is no file to open.
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() &&
        std::all_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    if (urls.size() > 1) {
        QTimer::singleShot(0, this, [this] {
            QMessageBox::warning(this, QCoreApplication::applicationName(),
                                 tr("Drop one file at a time: a programming file to open it, "
                                    "or a CHIRP CSV channel list to import it."));
        });
        return;
    }
    // Opened after the drop has finished, so that the source is not kept waiting.
    const QString path = urls.front().toLocalFile();
    QTimer::singleShot(0, this, [this, path] { openDroppedFile(path); });
}

void CMainFrame::openDroppedFile(const QString& path) {
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        importCsvFile(path);
    else
        openNamedFile(path);
}

bool CMainFrame::openNamedFile(const QString& path) {
    if (!m_doc.OpenDocumentFile(path.toStdString()))
        return false;
    rememberRecentFile();
    return true;
}

void CMainFrame::openHandedFile(const QString& path) {
    m_handedFiles.append(path);
    openHandedFiles();
}

void CMainFrame::openHandedFiles() {
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget() ||
        m_context.printingInProgress) {
        m_handedFileTimer->start();
        return;
    }
    while (!m_handedFiles.isEmpty())
        (void)openNamedFile(m_handedFiles.takeFirst());
}

void CMainFrame::rememberRecentFile() {
    const QString name = QString::fromStdString(m_doc.fileName());
    m_recentFiles.removeAll(name);
    m_recentFiles.prepend(name);
    while (m_recentFiles.size() > kRecentFileCount)
        m_recentFiles.removeLast();
    QSettings settings(m_context.configPath, QSettings::IniFormat);
    settings.beginGroup(kRecentSection);
    for (int i = 0; i < kRecentFileCount; ++i) {
        const QString key = QStringLiteral("File%1").arg(i + 1);
        if (i < m_recentFiles.size())
            settings.setValue(key, m_recentFiles.at(i));
        else
            settings.remove(key);
    }
    settings.endGroup();
    rebuildRecentMenu();
}

void CMainFrame::rebuildRecentMenu() {
    if (!m_recentMenu)
        return;
    m_recentMenu->clear();
    for (int i = 0; i < m_recentFiles.size(); ++i) {
        const QString file = m_recentFiles.at(i);
        QAction* entry = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(file));
        entry->setData(cmd::kFileMruFirst + i);
        connect(entry, &QAction::triggered, this, [this, file] { openNamedFile(file); });
    }
    m_recentMenu->setEnabled(!m_recentFiles.isEmpty());
}

// File commands

void CMainFrame::onFileNew(int) {
    (void)m_doc.OnFileNew();
}

void CMainFrame::onFileOpen(int) {
    if (m_doc.OnFileOpen())
        rememberRecentFile();
}

void CMainFrame::onFileSave(int) {
    (void)m_doc.OnFileSave();
}

void CMainFrame::onFileSaveAs(int) {
    if (m_doc.OnFileSaveAs())
        rememberRecentFile();
}

void CMainFrame::onPrint(int) {
    m_printing->print();
}

void CMainFrame::onPrintPreview(int) {
    m_printing->preview();
}

void CMainFrame::onPrintSetup(int) {
    m_printing->setup();
}

void CMainFrame::onPrintPdf(int) {
    m_printing->printToPdf();
}

void CMainFrame::onExit(int) {
    close();
}

void CMainFrame::onToggleToolbar(int) {
    m_toolBar->setVisible(!m_toolBar->isVisible());
}

void CMainFrame::onToggleStatusBar(int id) {
    statusBar()->setVisible(!statusBar()->isVisible());
    m_actions.value(id)->setChecked(statusBar()->isVisible());
}

void CMainFrame::onColumnGroup(int id) {
    const int group = id - cmd::kColumnGroupFirst;
    m_view->setColumnGroupShown(group, !m_view->isColumnGroupShown(group));
    m_actions.value(id)->setChecked(m_view->isColumnGroupShown(group));
}

// Help

void CMainFrame::onHelpFinder(int) {
    showHelpTopic(this, 0);
}

void CMainFrame::onHelpContext(int contextNumber) {
    for (int contents : kContentsContexts) {
        if (contextNumber == contents)
            contextNumber = 0;
    }
    showHelpTopic(this, contextNumber);
}

void CMainFrame::onHelpText(int id) {
    CHelpTextDlg dialog(id == cmd::kHelpGettingStarted ? CHelpTextDlg::GettingStarted
                                                       : CHelpTextDlg::ProgrammingProblems,
                        this);
    dialog.exec();
}

void CMainFrame::onAbout(int) {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::onNotAvailable(int id) {
    const QAction* action = m_actions.value(id);
    const QString name = action ? action->statusTip() : QString::number(id);
    QMessageBox::information(this, QCoreApplication::applicationName(),
                             tr("“%1”: 此功能尚未提供 (not available yet).").arg(name));
}

void CMainFrame::showHexView() {
    CFileDataDlg dialog(m_doc.state().image, this);
    dialog.exec();
}

} // namespace mz58
