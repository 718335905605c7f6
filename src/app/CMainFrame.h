// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppContext.h"
#include "Commands.h"
#include "ImageCodec.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

namespace mz58 {

class CMZ58Doc;
class CMZ58View;
class ReportPrinting;

// The main window: menus, toolbar and status bar around the channel view. It routes the
// commands, decides which are enabled, keeps the clock and asks before closing with changes.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CMZ58Doc& doc, AppContext& context, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The one refresh operation: 0 nothing, 1 rebuild, 2 header, 4 band change.
    void refresh(int hint);
    // Applies the availability row of the option unit and the column-group check marks.
    void updateActions();
    void updateTitle();
    // The Edit menu's undo and redo entries: enabled with the name of the step they take.
    void updateUndoActions();
    // Brings the window to the front (a second start asked for it).
    void activate();
    // Work that waits until the window is up: the menus' entries, the default printer's name.
    static constexpr int kIdleWorkDelayMs = 100;
    // Adds the menus' entries; done once, shortly after the window is up or when a menu opens.
    void fillMenus();

    [[nodiscard]] QAction* action(int id) const { return m_actions.value(id); }
    [[nodiscard]] CMZ58View* view() const { return m_view; }
    [[nodiscard]] QString clockPaneText() const;
    [[nodiscard]] QString idleText() const;

    // Command handlers; each receives its command id.
    void onFileNew(int id);
    void onFileOpen(int id);
    void onFileSave(int id);
    void onFileSaveAs(int id);
    void onPrint(int id);
    void onPrintPreview(int id);
    void onPrintSetup(int id);
    void onPrintPdf(int id);
    void onExit(int id);
    void onToggleToolbar(int id);
    void onToggleStatusBar(int id);
    void onColumnGroup(int id);
    void onUpload(int id);
    void onDownload(int id);
    void onCompareWithRadio(int id);
    void onWriteSeveralRadios(int id);
    void onShowWritePreview(int id);
    void onHelpFinder(int id);
    void onHelpContext(int contextNumber);
    void onHelpText(int id);
    void onAbout(int id);
    // The settings, signalling and channel-type dialogs, by command id.
    void onSettingsDialog(int id);
    void onComPort(int id);
    void onColumnDisplay(int id);
    void onUndo(int id);
    void onRedo(int id);
    void onCopy(int id);
    void onPaste(int id);
    void onImportCsv(int id);
    void onExportCsv(int id);
    // View > Language: the choice is kept in the configuration and applies at once.
    void onLanguage(int id);
    // F10: the menu bar takes the keyboard, its first menu open.
    void onMenuBar(int id);
    // Entries whose dialogs come later: a short message.
    void onNotAvailable(int id);

    // Opens a file named outside the Open dialog (command line, recent files, drop).
    bool openNamedFile(const QString& path);
    // Opens a file that a later start handed over, as openNamedFile() does, once no modal
    // window (a dialog, a question, a transfer) and no printing is in the way.
    void openHandedFile(const QString& path);
    // Changes kept by an earlier ending replace the document's state as one edit.
    void applyRecoveredChanges(ImageState recovered);
    // What a close writes to the configuration: the window size and the column groups.
    void writeConfigurationAtExit();
    // Previews the CHIRP CSV `path` and imports what the user accepts as one undo step;
    // true when the preview was accepted.
    bool importCsvFile(const QString& path);
    // A dropped file: a .csv is previewed for import, anything else opened as a programming
    // file, whose size check refuses what is none.
    void openDroppedFile(const QString& path);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    // The texts, tips and icons of every command in the current language.
    void retranslateActions();
    void retranslate();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void updateClock();
    void updateHeaderInfo();
    void rememberRecentFile();
    void rebuildRecentMenu();
    void showHexView();
    void onChannelEdited();
    void openHandedFiles();
    // The document's name as the transfer windows show it.
    QString documentNameForTransfers() const;

    CMZ58Doc& m_doc;
    AppContext& m_context;
    CMZ58View* m_view = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_idleLabel = nullptr;
    QLabel* m_clockLabel = nullptr;
    QTimer* m_clockTimer = nullptr;
    QMenu* m_recentMenu = nullptr;
    bool m_menusFilled = false;
    QHash<int, QAction*> m_actions;
    QHash<Menu, QMenu*> m_menus;
    QStringList m_recentFiles;
    // Files handed over by later starts, waiting for the modal window in the way to close.
    QStringList m_handedFiles;
    QTimer* m_handedFileTimer = nullptr;
    ReportPrinting* m_printing = nullptr;
};

} // namespace mz58
