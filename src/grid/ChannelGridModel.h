// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CellText.h"
#include "ImageCodec.h"

#include <QAbstractTableModel>

#include <array>
#include <string>
#include <vector>

namespace mz58 {

// The channels of one bank as a table: one row a channel, one column a grid column. It keeps
// the texts it last showed, so that a refresh reports exactly the cells whose text changed.
class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        // Header: the caption of the upper header row, shared by the columns of a group.
        GroupCaptionRole = Qt::UserRole + 1,
        // Cell: whether the row's channel is in use.
        InUseRole,
    };

    explicit ChannelGridModel(const ImageState& state, QObject* parent = nullptr);

    int bank() const { return m_bank; }
    // Shows another bank (0 = A, 1 = B); rebuilds.
    void setBank(int bank);
    // Reads every channel of the bank afresh (the table may hold other channels now).
    void rebuild();
    // Rereads the channels and reports the cells whose text or colour changed.
    void refreshChangedCells();

    // The ChannelTable index of a row's channel.
    int channelIndex(int row) const;

    // Accessibility: what a screen reader says of a column ("Frequency Receive") and of a cell
    // ("Frequency Receive, Ch 3: 150.00000"), as Qt::AccessibleTextRole gives them.
    QString columnAccessibleName(int column) const;
    // After a change of language: every caption and spoken text anew.
    void retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row {
        std::array<std::string, kColumnCount> texts;
        bool inUse = false;
    };
    std::vector<Row> readRows() const;

    const ImageState& m_state;
    int m_bank = 0;
    int m_optionUnitType = 0;
    std::vector<Row> m_rows;
};

} // namespace mz58
