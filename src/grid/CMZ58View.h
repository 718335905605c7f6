#pragma once

#include "ChannelGridLayout.h"
#include "ImageCodec.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QTableView;

namespace mz58 {

class ChannelGridModel;
class GroupHeaderView;

// The main window's view: the information header about the radio, the bank label and the
// channel grid of the bank on show.
class CMZ58View : public QWidget {
    Q_OBJECT
public:
    // Shows `state`, which the document owns; in this issue the view never writes it.
    explicit CMZ58View(ImageState& state, QWidget* parent = nullptr);

    struct HeaderInfo {
        int comPort = 1;
        QString printerName;
        bool simulated = false;
    };
    void setHeaderInfo(const HeaderInfo& info); // refreshes the information header

    // Refresh hints: 0 nothing, 1 rebuild the grid from state.channels (and the header),
    // 2 the information header only, 4 band change.
    void onUpdate(int hint);

    int bank() const; // 0 = bank A, 1 = bank B
    void setBank(int bank);
    static constexpr int kColumnGroupCount = mz58::kColumnGroupCount;
    bool isColumnGroupShown(int group) const;
    void setColumnGroupShown(int group, bool shown);
    // Help context number of the current column (F1).
    int currentHelpContext() const;
    void relayout(); // the resize layout (also after print preview)

signals:
    void hexViewRequested();                 // Shift+F9
    void helpRequested(int contextNumber);   // F1 in the grid
    void statusMessage(const QString& text); // optional

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class KeyAction { None, Help, NextBank, HexView };
    static KeyAction keyAction(const QKeyEvent& event, bool inGrid);
    void runKeyAction(KeyAction action);

    QWidget* createHeader();
    void rebuild();
    void refreshHeader();
    void applyColumnWidths();
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

    ImageState& m_state;
    HeaderInfo m_info;
    std::array<bool, kColumnGroupCount> m_groupShown{};
    std::array<QLabel*, HeaderFieldCount> m_fields{};
    QGroupBox* m_headerBox = nullptr;
    QLabel* m_bankLabel = nullptr;
    QGroupBox* m_gridBox = nullptr;
    ChannelGridModel* m_model = nullptr;
    GroupHeaderView* m_header = nullptr;
    QTableView* m_grid = nullptr;
};

} // namespace mz58
