// SPDX-License-Identifier: GPL-3.0-or-later
// The command table of the main window and the menus, toolbar and shortcuts built from it.
#include "CMainFrame.h"

#include "CMZ58View.h"
#include "ChannelGridLayout.h"
#include "ShellRules.h"
#include "ToolbarPixels.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include <array>
#include <vector>

namespace mz58 {
namespace {

using F = CMainFrame;

// The column-group entries of the View menu, by group: the group names of the grid's layout,
// each with a mnemonic of its own.
const std::array<const char*, kColumnGroupCount>& columnGroupMenuTexts() {
    static const std::array<const char*, kColumnGroupCount> texts{
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&W宽/窄"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&F频率"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&B副载波"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&S省电"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&P功率"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&C扫描"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&QGS集群"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&T发射超时"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&U静噪"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&ANI双音多频"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&E加密功能"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&K繁忙信道锁定"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "Pa&ge/Sig双音多频呼叫"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&H钟频偏移"),
        QT_TRANSLATE_NOOP("mz58::CMainFrame", "&O通讯圈外提示"),
    };
    return texts;
}

std::vector<CommandEntry> buildTable() {
    std::vector<CommandEntry> t{
        {cmd::kFileNew, Menu::File, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&N新建\tCtrl+N"),
         "Ctrl+N", &F::onFileNew},
        {cmd::kFileOpen, Menu::File, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&O打开...\tCtrl+O"),
         "Ctrl+O", &F::onFileOpen},
        {cmd::kFileSave, Menu::File, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&S保存\tCtrl+S"),
         "Ctrl+S", &F::onFileSave},
        {cmd::kFileSaveAs, Menu::File, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&A另存为..."), "",
         &F::onFileSaveAs},
        {cmd::kFilePrint, Menu::File, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&P打印...\tCtrl+P"),
         "Ctrl+P", &F::onPrint, true},
        {cmd::kFilePrintPreview, Menu::File, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&V打印预览"),
         "", &F::onPrintPreview},
        {cmd::kFilePrintSetup, Menu::File, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&R打印设置..."),
         "", &F::onPrintSetup},
        {cmd::kFilePrintPdf, Menu::File,
         QT_TRANSLATE_NOOP("mz58::CMainFrame", "&D打印到PDF文件... (Print to PDF)"), "",
         &F::onPrintPdf},
        {cmd::kFileImportCsv, Menu::File,
         QT_TRANSLATE_NOOP("mz58::CMainFrame", "&Import CHIRP CSV..."), "", &F::onImportCsv, true},
        {cmd::kFileExportCsv, Menu::File,
         QT_TRANSLATE_NOOP("mz58::CMainFrame", "&Export CHIRP CSV..."), "", &F::onExportCsv},
        {cmd::kComPort, Menu::File, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&C串口设置"), "",
         &F::onComPort, true},
        {cmd::kAppExit, Menu::File, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&X退出"), "Ctrl+Q",
         &F::onExit, true},
        {cmd::kEditUndo, Menu::Edit, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&U撤消"),
         "Ctrl+Z;Alt+Backspace", &F::onUndo},
        {cmd::kEditRedo, Menu::Edit, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&R重做"),
         "Ctrl+Y;Ctrl+Shift+Z", &F::onRedo},
        {cmd::kEditCopy, Menu::Edit, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&C复制\tCtrl+C"),
         "Ctrl+C;Ctrl+Ins", &F::onCopy, true},
        {cmd::kEditPaste, Menu::Edit, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&P粘贴\tCtrl+V"),
         "Ctrl+V;Shift+Ins", &F::onPaste},
        {cmd::kEditCut, Menu::None, "", "Ctrl+X;Shift+Del", &F::onNotAvailable},
        {cmd::kViewToolbar, Menu::View, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&T工具栏"), "",
         &F::onToggleToolbar},
        {cmd::kViewStatusBar, Menu::View, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&S状态栏"), "",
         &F::onToggleStatusBar},
        {cmd::kColumnDisplay, Menu::Columns, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&V选择显示"),
         "", &F::onColumnDisplay},
        // The languages: the system's, or one chosen here (a language's own name is never
        // translated).
        {cmd::kLanguageSystem, Menu::Language, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&System"), "",
         &F::onLanguage},
        {cmd::kLanguageChinese, Menu::Language, "中文 (&C)", "", &F::onLanguage},
        {cmd::kLanguageEnglish, Menu::Language, "&English", "", &F::onLanguage},
        // F10 opens the menu bar, as the status line says.
        {cmd::kMenuBar, Menu::None, "", "F10", &F::onMenuBar},
    };
    // The column groups in their menu order, each with its mnemonic (the group names come from
    // the grid's layout, which has none).
    bool first = true;
    for (const int group : columnGroupMenuOrder()) {
        t.push_back({cmd::kColumnGroupFirst + group, Menu::Columns,
                     columnGroupMenuTexts()[static_cast<std::size_t>(group)], "", &F::onColumnGroup,
                     first});
        first = false;
    }
    const CommandEntry rest[] = {
        {cmd::kHardware, Menu::Settings, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&H硬件"), "",
         &F::onSettingsDialog},
        {cmd::kOptions, Menu::Settings, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&O选项"), "",
         &F::onSettingsDialog},
        {cmd::kScan, Menu::Settings, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&S扫描"), "",
         &F::onSettingsDialog},
        {cmd::kPowerSave, Menu::Settings, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&P省电"), "",
         &F::onSettingsDialog},
        {cmd::kKeyFunction, Menu::Settings, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&K按键功能"), "",
         &F::onSettingsDialog},
        {cmd::kMarketNumber, Menu::Settings, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&M市场编号"),
         "", &F::onSettingsDialog},
        {cmd::kOtherFunctions, Menu::Settings, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&I特殊功能"),
         "", &F::onSettingsDialog},
        {cmd::kAni, Menu::Signalling, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&ANI"), "",
         &F::onSettingsDialog},
        {cmd::kDtmf, Menu::Signalling, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&DTMF"), "",
         &F::onSettingsDialog},
        {cmd::kPagingCode, Menu::Signalling, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&Paging Code"),
         "", &F::onSettingsDialog},
        {cmd::kTwoTone, Menu::Signalling, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&2Tone"), "",
         &F::onSettingsDialog},
        {cmd::kTwoToneTable, Menu::Signalling,
         QT_TRANSLATE_NOOP("mz58::CMainFrame", "2&Tone Table"), "", &F::onSettingsDialog},
        {cmd::kUpload, Menu::Radio, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&U读取"), "",
         &F::onUpload},
        {cmd::kDownload, Menu::Radio, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&D写入"), "",
         &F::onDownload},
        {cmd::kCompareWithRadio, Menu::Radio,
         QT_TRANSLATE_NOOP("mz58::CMainFrame", "&Compare with radio..."), "",
         &F::onCompareWithRadio, true},
        {cmd::kWriteSeveralRadios, Menu::Radio,
         QT_TRANSLATE_NOOP("mz58::CMainFrame", "Write to &several radios..."), "",
         &F::onWriteSeveralRadios},
        {cmd::kShowWritePreview, Menu::Radio,
         QT_TRANSLATE_NOOP("mz58::CMainFrame", "Show changes &before writing"), "",
         &F::onShowWritePreview, true},
        {cmd::kChannelType, Menu::ChannelType, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&C信道类型"),
         "", &F::onSettingsDialog},
        {cmd::kHelpFinder, Menu::Help, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&H帮助主题"), "",
         &F::onHelpFinder},
        {cmd::kHelpGettingStarted, Menu::Help, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&G开始"), "",
         &F::onHelpText, true},
        {cmd::kHelpProblems, Menu::Help, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&C一般问题"), "",
         &F::onHelpText},
        {cmd::kHelpAbout, Menu::Help, QT_TRANSLATE_NOOP("mz58::CMainFrame", "&A关于MZ58.."), "",
         &F::onAbout, true},
        // Toolbar buttons with their own ids.
        {cmd::kToolbarUpload, Menu::None, QT_TRANSLATE_NOOP("mz58::CMainFrame", "读取"), "",
         &F::onUpload, false, QT_TRANSLATE_NOOP("mz58::CMainFrame", "读取")},
        {cmd::kToolbarDownload, Menu::None, QT_TRANSLATE_NOOP("mz58::CMainFrame", "写入"), "",
         &F::onDownload, false, QT_TRANSLATE_NOOP("mz58::CMainFrame", "写入")},
        {cmd::kAppAbout, Menu::None, QT_TRANSLATE_NOOP("mz58::CMainFrame", "关于MZ58"), "",
         &F::onAbout},
    };
    t.insert(t.end(), std::begin(rest), std::end(rest));
    return t;
}

constexpr std::array<int, 13> kToolbar{cmd::kFileNew,
                                       cmd::kFileOpen,
                                       0,
                                       cmd::kFileSave,
                                       0,
                                       cmd::kEditCopy,
                                       cmd::kEditPaste,
                                       0,
                                       cmd::kFilePrint,
                                       0,
                                       cmd::kToolbarUpload,
                                       cmd::kToolbarDownload,
                                       cmd::kAppAbout};

// The toolbar's pictures in the order of the strip, 16 px each (and a strip of double size for
// screens of double density); then the pictures of reading and of writing the radio.
constexpr std::array<int, 9> kIconStrip{cmd::kFileNew,       cmd::kFileOpen,        cmd::kFileSave,
                                        cmd::kEditCopy,      cmd::kEditPaste,       cmd::kFilePrint,
                                        cmd::kToolbarUpload, cmd::kToolbarDownload, cmd::kAppAbout};
constexpr int kReadPicture = static_cast<int>(kIconStrip.size());
constexpr int kWritePicture = kReadPicture + 1;

// The strip draws reading and writing as the glyphs 读 and 写, which only a Chinese reader
// takes in at a glance; in any other language these two buttons show pictures instead.
QHash<int, QIcon> toolbarIcons(bool chineseGlyphs) {
    const bool dense = qApp->devicePixelRatio() > 1.0;
    const PixelStrip& pixels = kToolbarPixels[dense ? 1 : 0];
    const QImage strip(reinterpret_cast<const uchar*>(pixels.argb), pixels.width, pixels.height,
                       pixels.width * static_cast<int>(sizeof(std::uint32_t)),
                       QImage::Format_ARGB32_Premultiplied);
    const int size = strip.height();
    QHash<int, QIcon> icons;
    for (std::size_t i = 0; i < kIconStrip.size(); ++i) {
        int place = static_cast<int>(i);
        if (!chineseGlyphs && kIconStrip[i] == cmd::kToolbarUpload)
            place = kReadPicture;
        if (!chineseGlyphs && kIconStrip[i] == cmd::kToolbarDownload)
            place = kWritePicture;
        QPixmap icon = QPixmap::fromImage(strip.copy(place * size, 0, size, size));
        icon.setDevicePixelRatio(dense ? 2.0 : 1.0);
        icons.insert(kIconStrip[i], QIcon(icon));
    }
    return icons;
}

} // namespace

std::span<const CommandEntry> commandTable() {
    static const std::vector<CommandEntry> table = buildTable();
    return table;
}

const char* menuTitle(Menu menu) {
    switch (menu) {
    case Menu::File:
        return QT_TRANSLATE_NOOP("mz58::CMainFrame", "&File");
    case Menu::Edit:
        return QT_TRANSLATE_NOOP("mz58::CMainFrame", "&Edit");
    case Menu::View:
        return QT_TRANSLATE_NOOP("mz58::CMainFrame", "&View");
    case Menu::Columns:
        return QT_TRANSLATE_NOOP("mz58::CMainFrame", "&Columns");
    case Menu::Settings:
        return QT_TRANSLATE_NOOP("mz58::CMainFrame", "&Settings");
    case Menu::Signalling:
        return QT_TRANSLATE_NOOP("mz58::CMainFrame", "Si&gnalling");
    case Menu::Radio:
        return QT_TRANSLATE_NOOP("mz58::CMainFrame", "&Radio");
    case Menu::ChannelType:
        return QT_TRANSLATE_NOOP("mz58::CMainFrame", "&Channel type");
    case Menu::Language:
        return QT_TRANSLATE_NOOP("mz58::CMainFrame", "&Language");
    case Menu::Help:
        return QT_TRANSLATE_NOOP("mz58::CMainFrame", "&Help");
    default:
        return "";
    }
}

std::span<const int> toolbarCommands() {
    return kToolbar;
}

void CMainFrame::createActions() {
    auto* languages = new QActionGroup(this);
    for (const CommandEntry& entry : commandTable()) {
        auto* action = new QAction(this);
        action->setData(entry.id);
        QList<QKeySequence> keys;
        for (const QString& key :
             QString::fromLatin1(entry.shortcuts).split(u';', Qt::SkipEmptyParts))
            keys.append(QKeySequence(key, QKeySequence::PortableText));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const auto handler = entry.handler;
        const int id = entry.id;
        connect(action, &QAction::triggered, this, [this, handler, id] { (this->*handler)(id); });
        if (entry.id >= cmd::kColumnGroupFirst &&
            entry.id < cmd::kColumnGroupFirst + kColumnGroupCount)
            action->setCheckable(true);
        if (entry.id == cmd::kViewToolbar || entry.id == cmd::kViewStatusBar) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        if (entry.id == cmd::kShowWritePreview) {
            action->setCheckable(true);
            action->setChecked(m_context.config.showWritePreview);
        }
        if (entry.menu == Menu::Language) {
            action->setCheckable(true);
            languages->addAction(action);
        }
        addAction(action); // shortcuts work even for commands without a menu entry
        m_actions.insert(entry.id, action);
    }
    retranslateActions();
}

void CMainFrame::retranslateActions() {
    for (const CommandEntry& entry : commandTable()) {
        QAction* action = m_actions.value(entry.id);
        if (!action || entry.text[0] == '\0')
            continue;
        action->setText(tr(entry.text));
        // The status line shows what a command does while the pointer rests on it.
        action->setStatusTip(action->text().section(u'\t', 0, 0).remove(u'&'));
        action->setToolTip(entry.toolTip ? tr(entry.toolTip) : action->statusTip());
    }
    const QHash<int, QIcon> icons = toolbarIcons(tr("读取") == QStringLiteral("读取"));
    for (auto icon = icons.cbegin(); icon != icons.cend(); ++icon)
        m_actions.value(icon.key())->setIcon(icon.value());
    for (auto menu = m_menus.cbegin(); menu != m_menus.cend(); ++menu)
        menu.value()->setTitle(tr(menuTitle(menu.key())));
    if (m_recentMenu)
        m_recentMenu->setTitle(tr("Recent &File"));
    if (m_toolBar)
        m_toolBar->setWindowTitle(tr("工具栏"));
}

// The menu bar shows its titles at once; the entries are added once, shortly after the window is
// up or when a menu is about to open, whichever comes first, so that they cost nothing before the
// first paint. Shortcuts work from the start: every action belongs
// to the window.
void CMainFrame::createMenus() {
    const Menu order[] = {Menu::File,       Menu::Edit,  Menu::View,        Menu::Settings,
                          Menu::Signalling, Menu::Radio, Menu::ChannelType, Menu::Help};
    for (Menu menu : order) {
        QMenu* shown = menuBar()->addMenu(tr(menuTitle(menu)));
        connect(shown, &QMenu::aboutToShow, this, &CMainFrame::fillMenus);
        m_menus.insert(menu, shown);
    }
    QTimer::singleShot(kIdleWorkDelayMs, this, &CMainFrame::fillMenus);
}

void CMainFrame::fillMenus() {
    if (m_menusFilled)
        return;
    m_menusFilled = true;
    // The column groups and the languages are submenus of View.
    QMenu* view = m_menus.value(Menu::View);
    for (Menu sub : {Menu::Columns, Menu::Language})
        m_menus.insert(sub, view->addMenu(tr(menuTitle(sub))));

    for (const CommandEntry& entry : commandTable()) {
        QMenu* menu = m_menus.value(entry.menu);
        if (!menu)
            continue;
        if (entry.separatorBefore)
            menu->addSeparator();
        menu->addAction(m_actions.value(entry.id));
        if (entry.id == cmd::kComPort) {
            menu->addSeparator();
            m_recentMenu = menu->addMenu(tr("Recent &File"));
        }
    }
    view->insertSeparator(m_menus.value(Menu::Columns)->menuAction());
    rebuildRecentMenu();
    // The view's channel operations (its context menu offers them too) close the Edit menu.
    m_menus.value(Menu::Edit)->addSeparator();
    m_menus.value(Menu::Edit)->addActions(m_view->channelActions());
}

void CMainFrame::createToolBar() {
    m_toolBar = addToolBar(tr("工具栏"));
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setMovable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : toolbarCommands()) {
        if (id == 0)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(m_actions.value(id));
    }
    connect(m_toolBar, &QToolBar::visibilityChanged, m_actions.value(cmd::kViewToolbar),
            &QAction::setChecked);
}

} // namespace mz58
