// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CMZ58Doc.h"
#include "ChannelEditing.h"
#include "ChannelGridLayout.h"
#include "ChannelRows.h"
#include "ImageCodec.h"
#include "Messages.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QTableView;
class QMenu;
class QAction;

namespace mz58 {

class ChannelGridModel;
class ChannelTableView;
class GroupHeaderView;

// The main window's view: the information header about the radio, the bank label and the
// channel grid of the bank on show.
class CMZ58View : public QWidget {
    Q_OBJECT
public:
    // Shows the document's channels; every edit goes to the document as one change.
    explicit CMZ58View(CMZ58Doc& doc, QWidget* parent = nullptr);
    ~CMZ58View() override;

    struct HeaderInfo {
        int comPort = 1;
        QString printerName;
        bool simulated = false;
    };
    void setHeaderInfo(const HeaderInfo& info); // refreshes the information header

    // After every change of the document: the changed cells, and with hint 1 a rebuild of the
    // grid (and the header), 2 the information header, 4 bank A after a band change.
    void onUpdate(int hint);

    int bank() const; // 0 = bank A, 1 = bank B
    void setBank(int bank);
    static constexpr int kColumnGroupCount = mz58::kColumnGroupCount;
    bool isColumnGroupShown(int group) const;
    void setColumnGroupShown(int group, bool shown);
    // Help context number of the current column (F1).
    int currentHelpContext() const;
    void relayout(); // the resize layout (also after print preview)

    // The questions of the channel copy go here (message boxes by default; tests answer them).
    void setPrompter(Prompter* prompter);
    // Runs a selection list and gives the chosen entry, none for Cancel or no selection
    // (the modal CSelectionListDlg by default).
    using ListChooser = std::function<std::optional<int>(const SelectionList&)>;
    void setListChooser(ListChooser chooser);

    // The channel currently edited (its table index) and the grid's current column.
    int currentChannel() const;
    Column currentColumn() const;
    void setCurrentCell(int row, Column column);
    bool isEditorOpen() const;
    // Closes the in-cell editor without applying its text; false when it was not open.
    bool discardEditor();
    // Where the user is: the bank on show and the current cell.
    EditPlace place() const;
    // Shows a place again (after undo and redo): its bank, and its cell current.
    void showPlace(const EditPlace& place);

    // The channel operations (clear, insert, delete, move, the other bank), for the Edit menu;
    // the grid's context menu and keys offer the same actions.
    QList<QAction*> channelActions() const;
    void runRowOperation(RowOperation operation);

    // Column widths in pixels as the user dragged them; 0 = the width that fits the column.
    using ColumnWidths = std::array<int, kColumnCount>;
    ColumnWidths userColumnWidths() const { return m_userWidths; }
    void setUserColumnWidths(const ColumnWidths& widths);
    // The width that fits a column's captions and its widest value in the current font.
    int fittingColumnWidth(Column column) const;
    int measureColumnWidth(Column column) const;

public slots:
    // Edit > Copy and Edit > Paste: the grid's cells, or the in-cell editor's text when it has
    // the focus.
    void copy();
    void paste();

signals:
    void hexViewRequested();                 // Shift+F9
    void helpRequested(int contextNumber);   // F1 in the grid or a selection list
    void statusMessage(const QString& text); // why an edit was refused
    void refused();                          // an edit was refused (after the beep)
    void columnWidthsChanged();              // the user dragged a column's width

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class KeyAction { None, Help, NextBank, HexView };
    bool gridKeyPress(QKeyEvent& event);
    bool gridMouseDoubleClick(QMouseEvent& event, QWidget* viewport);
    void showEditMenu(const QPoint& position);
    void setUpFixedColumn(QTableView* fixed);
    void cycleCurrentCell();
    void invertCurrentDcs();
    void openEditor(const QString& text, bool selectAll);
    void openEditorOrSayWhy(const QString& text, bool selectAll);
    void commitEditor();
    void cancelEditor();
    // Commits `entry` as channel `channel` when `result` is done, and says why when it is not.
    void applyToChannel(int channel, Column column, const ChannelEntry& entry,
                        const EditResult& result, StringId stepName);
    void report(const EditResult& result);
    void refuse(const std::optional<UserMessage>& why = {});
    void say(const QString& text); // the status line, without a beep
    void pasteChannelCopy(const QString& text);
    void pasteBlock(const CellBlock& block);
    void createChannelActions();
    void updateChannelActions();
    QString selectionText() const;
    const ChannelEntry& currentEntry() const;
    static KeyAction keyAction(const QKeyEvent& event, bool inGrid);
    void runKeyAction(KeyAction action);

    QWidget* createHeader();
    // After a change of language: the labels, the grid's captions and spoken names anew.
    void retranslate();
    // The table's accessible name: which bank it shows.
    void updateGridName();
    void rebuild();
    void rebuildView();
    void refreshHeader();
    void applyColumnWidths();
    void applyFontSizes();
    int columnWidthPixels(Column column) const;

    enum HeaderField {
        SerialNumberField,
        BandField,
        ModelField,
        FirmwareField,
        PortField,
        PrinterField,
        HeaderFieldCount
    };
    static std::array<QString, HeaderFieldCount> headerLabels();

    CMZ58Doc& m_doc;
    HeaderInfo m_info;
    std::array<bool, kColumnGroupCount> m_groupShown{};
    std::array<QLineEdit*, HeaderFieldCount> m_fields{};
    std::array<QLabel*, HeaderFieldCount> m_fieldLabels{};
    QGroupBox* m_headerBox = nullptr;
    QLabel* m_bankLabel = nullptr;
    QGroupBox* m_gridBox = nullptr;
    ChannelGridModel* m_model = nullptr;
    GroupHeaderView* m_header = nullptr;
    ChannelTableView* m_grid = nullptr;
    ColumnWidths m_userWidths{};
    // The fitted widths as last measured (0: not yet), kept until the language or font changes.
    mutable ColumnWidths m_fittingWidths{};
    bool m_applyingWidths = false;

    // The in-cell frequency editor, and the channel and column it was opened on.
    QLineEdit* m_editor = nullptr;
    bool m_editing = false;
    int m_editChannel = 0;
    Column m_editColumn = Column::Receive;

    QMenu* m_editMenu = nullptr;
    QAction* m_copyAction = nullptr;
    std::array<QAction*, kRowOperationCount> m_rowActions{};
    // The "Chn" cell that copy last put on the clipboard (the channel copy's source).
    std::optional<CopiedChannel> m_copiedChannel;
    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter* m_prompter = nullptr;
    ListChooser m_chooseFromList;
};

} // namespace mz58
