// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChirpCsv.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace mz58 {

// The rows of an import plan, one table row per CSV row: a check box on each row the radio
// can hold, the line, the name, the destination channel and the grid texts the channel will
// show, and what the user should know (why the radio cannot hold the row, what was changed,
// the step pair that would hold it).
class ChirpImportModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum ColumnId {
        LineColumn,
        NameColumn,
        ChannelColumn,
        WidthColumn,
        ReceiveColumn,
        TransmitColumn,
        ToneTypeColumn,
        DecodeColumn,
        EncodeColumn,
        PowerColumn,
        ScanColumn,
        RemarksColumn,
        ColumnCount
    };
    // The key each column sorts by (numbers for line and channel).
    static constexpr int SortRole = Qt::UserRole;

    explicit ChirpImportModel(QObject* parent = nullptr);

    // Shows a plan; a plan of as many rows keeps the check marks.
    void setPlan(ChirpImportPlan plan);
    [[nodiscard]] const ChirpImportPlan& plan() const { return m_plan; }
    // The rows unchecked by the user, as the placement takes them.
    [[nodiscard]] std::vector<bool> excluded() const;
    [[nodiscard]] bool isChecked(int row) const;
    // Checks or unchecks rows the radio can hold; one checksChanged() for the lot.
    void setChecked(const std::vector<int>& rows, bool checked);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void checksChanged();

private:
    [[nodiscard]] QString remarks(const ChirpRow& row) const;

    ChirpImportPlan m_plan;
    std::vector<char> m_checked;
};

// The import preview: every row of the list with what it becomes, the channel the rows start
// at (or the channels the Location column names) and how many rows fit. OK hands back the
// document's state with the checked rows imported; Cancel changes nothing.
class ChirpImportDialog : public QDialog {
    Q_OBJECT
public:
    // `plan` is the list planned from its proposed start (see runChirpImportDialog).
    ChirpImportDialog(const ImageState& state, std::string csv, ChirpImportPlan plan,
                      const QString& fileName, QWidget* parent = nullptr);

    // 0: by Location; 1..16: from that channel.
    [[nodiscard]] int startChannel() const;
    void setStartChannel(int channel);
    // The state with the plan's imported rows applied, and the channels they replace.
    [[nodiscard]] ImageState importedState(std::vector<int>* channels = nullptr) const;

    [[nodiscard]] ChirpImportModel* model() const { return m_model; }
    [[nodiscard]] QTableView* table() const { return m_table; }
    [[nodiscard]] QComboBox* startCombo() const { return m_start; }
    [[nodiscard]] QLabel* summary() const { return m_summary; }
    [[nodiscard]] QLabel* details() const { return m_details; }
    [[nodiscard]] QPushButton* okButton() const { return m_ok; }
    [[nodiscard]] QPushButton* cancelButton() const { return m_cancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void replan();
    void updateSummary();
    // The whole remarks of the current row, which its cell may show cut.
    void showDetails();
    void toggleSelectedRows();

    ImageState m_state;
    std::string m_csv;
    ChirpImportModel* m_model;
    QSortFilterProxyModel* m_sorted;
    QTableView* m_table;
    QComboBox* m_start;
    QLabel* m_details;
    QLabel* m_summary;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

// What an accepted preview hands back: the new state and the channels it replaced.
struct ChirpImportChoice {
    ImageState state;
    std::vector<int> channels;
};

// Plans the import of `csv` into `state` and shows the preview: by Location when every row
// names a channel of its own, else from channel 1. A text that is no CHIRP CSV is refused
// with a message. Nullopt on Cancel and for such a file.
std::optional<ChirpImportChoice> runChirpImportDialog(QWidget* parent, const ImageState& state,
                                                      const std::string& csv,
                                                      const QString& fileName);

} // namespace mz58
