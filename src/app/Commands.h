// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ShellRules.h"

#include <span>

namespace mz58 {

class CMainFrame;

// Command ids of the main window's menus, toolbar and accelerators.
namespace cmd {
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFileMruFirst = 57616;
inline constexpr int kAppExit = 57665;
inline constexpr int kAppAbout = 57664;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kHelpFinder = 57667;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kColumnGroupFirst = 32800;
inline constexpr int kColumnDisplay = 32828;
inline constexpr int kHardware = kSettingsFirst;
inline constexpr int kOptions = 32773;
inline constexpr int kScan = 32774;
inline constexpr int kPowerSave = 32775;
inline constexpr int kKeyFunction = 32776;
inline constexpr int kMarketNumber = 32777;
inline constexpr int kOtherFunctions = 32778;

inline constexpr int kToolbarDownload = 32831;
inline constexpr int kToolbarUpload = 32833;
inline constexpr int kHelpGettingStarted = 32840;
inline constexpr int kHelpProblems = 32841;
inline constexpr int kHelpAbout = 32842;
// Our own: the report written as a PDF file, which needs no printer.
inline constexpr int kFilePrintPdf = 32900;
// Our own: channel plans in the CSV format of CHIRP.
inline constexpr int kFileImportCsv = 32901;
inline constexpr int kFileExportCsv = 32902;
// Our own: the dealer's bench in the Radio menu.
inline constexpr int kCompareWithRadio = 32903;
inline constexpr int kWriteSeveralRadios = 32904;
inline constexpr int kShowWritePreview = 32905;
// Our own: View > Language (the system's, Chinese, English) and F10 for the menu bar.
inline constexpr int kLanguageSystem = 32910;
inline constexpr int kLanguageChinese = 32911;
inline constexpr int kLanguageEnglish = 32912;
inline constexpr int kMenuBar = 32913;
} // namespace cmd

enum class Menu {
    File,
    Edit,
    View,
    Columns,
    Language,
    Settings,
    Signalling,
    Radio,
    ChannelType,
    Help,
    None
};

// One command: its id, where it sits, its text (the translation source), its shortcuts
// (portable key texts separated by ';') and its handler, which receives the id.
struct CommandEntry {
    int id;
    Menu menu;
    const char* text;
    const char* shortcuts;
    void (CMainFrame::*handler)(int id);
    bool separatorBefore = false;
    const char* toolTip = nullptr;
};

// Every command of the main window, in menu order. Column groups come in their menu order.
std::span<const CommandEntry> commandTable();

// The texts of the menu bar's menus.
const char* menuTitle(Menu menu);

// The toolbar's commands in order; 0 stands for a separator.
std::span<const int> toolbarCommands();

} // namespace mz58
