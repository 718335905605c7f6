// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelGridModel.h"

#include "ChannelGridLayout.h"

#include <QCoreApplication>

#include <algorithm>

namespace mz58 {
namespace {

QString gridText(std::string_view text) {
    const std::string source(text);
    return source.empty() ? QString()
                          : QCoreApplication::translate(kChannelGridContext, source.c_str());
}

// Each column's full name and the keys it takes, for the header's tooltip.
struct ColumnTip {
    const char* name;
    const char* keys;
};
constexpr const char* kToggleKeys =
    QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Space or double click: switch");
constexpr const char* kListKeys =
    QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Space or double click: choose from a list");
constexpr const char* kCycleKeys =
    QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Space or double click: next value");
constexpr const char* kFrequencyKeys = QT_TRANSLATE_NOOP(
    "mz58::ChannelGridModel", "Type a frequency in MHz, or Enter or double click to edit it");
constexpr ColumnTip kColumnTips[kColumnCount] = {
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Channel number in the bank"),
     QT_TRANSLATE_NOOP("mz58::ChannelGridModel",
                       "Space: in use or not; Delete: clear the channel; paste a copied Chn "
                       "cell: copy that channel here")},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Wide or narrow channel"), kToggleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Receive frequency (MHz)"), kFrequencyKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Transmit frequency (MHz)"),
     QT_TRANSLATE_NOOP("mz58::ChannelGridModel",
                       "Type a frequency in MHz, Enter to edit it; Space: transmit inhibited "
                       "or not")},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Sub-audio tone type (CTCSS, DCS)"), kCycleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Decode tone (receive)"),
     QT_TRANSLATE_NOOP("mz58::ChannelGridModel",
                       "Space or double click: choose from a list; F3: invert a DCS code")},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Encode tone (transmit)"),
     QT_TRANSLATE_NOOP("mz58::ChannelGridModel",
                       "Space or double click: choose from a list; F3: invert a DCS code")},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Receive power save"), kToggleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Transmit power save"), kToggleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "High or low power"), kToggleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Low power level (3, 2, 1)"), kCycleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Scan member"), kToggleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "QGS group scan member (QM-Trunk unit)"),
     kToggleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Transmit time-out timer"), kToggleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Squelch level (0..12)"), kListKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "ANI (DTMF caller id)"), kToggleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Encryption (needs the encryption device)"),
     kToggleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Busy channel lockout (BC, BT)"), kCycleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Call code (paging, 2-tone or signalling)"),
     kListKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Clock shift"), kToggleKeys},
    {QT_TRANSLATE_NOOP("mz58::ChannelGridModel", "Out-of-range alert (DCS channels)"), kToggleKeys},
};

} // namespace

ChannelGridModel::ChannelGridModel(const ImageState& state, QObject* parent)
    : QAbstractTableModel(parent), m_state(state) {
    rebuild();
}

void ChannelGridModel::setBank(int bank) {
    m_bank = bank == kBankB ? kBankB : kBankA;
    rebuild();
}

void ChannelGridModel::rebuild() {
    beginResetModel();
    m_optionUnitType = m_state.optionUnit.type;
    m_rows = readRows();
    endResetModel();
}

void ChannelGridModel::refreshChangedCells() {
    std::vector<Row> rows = readRows();
    if (rows.size() != m_rows.size()) {
        rebuild();
        return;
    }
    std::swap(m_rows, rows);
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const bool colourChanged = m_rows[r].inUse != rows[r].inUse;
        for (int c = 0; c < kColumnCount; ++c) {
            const auto col = static_cast<std::size_t>(c);
            if (colourChanged || m_rows[r].texts[col] != rows[r].texts[col]) {
                const QModelIndex cell = index(static_cast<int>(r), c);
                emit dataChanged(cell, cell);
            }
        }
    }
    if (m_state.optionUnit.type != m_optionUnitType) {
        m_optionUnitType = m_state.optionUnit.type;
        const int column = static_cast<int>(Column::CallCode);
        emit headerDataChanged(Qt::Horizontal, column, column);
    }
}

int ChannelGridModel::channelIndex(int row) const {
    return m_bank * kChannelsPerBank + row;
}

std::vector<ChannelGridModel::Row> ChannelGridModel::readRows() const {
    const int count = std::clamp(m_state.channels.bankCounts[static_cast<std::size_t>(m_bank)], 0,
                                 kChannelsPerBank);
    std::vector<Row> rows(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r) {
        const ChannelEntry& entry =
            m_state.channels.entries[static_cast<std::size_t>(channelIndex(r))];
        rows[static_cast<std::size_t>(r)] = Row{rowTexts(entry, r), entry.inUse != 0};
    }
    return rows;
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(row.texts[static_cast<std::size_t>(index.column())]);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case InUseRole:
        return row.inUse;
    // Accessibility: the cell spoken with its column and channel, and whether that is in use
    // (which the row's colour shows).
    case Qt::AccessibleTextRole: {
        const QString value =
            QString::fromStdString(row.texts[static_cast<std::size_t>(index.column())]).trimmed();
        return tr("%1, Ch %2: %3")
            .arg(columnAccessibleName(index.column()))
            .arg(index.row() + 1)
            .arg(value.isEmpty() ? tr("blank") : value);
    }
    case Qt::AccessibleDescriptionRole:
        return row.inUse ? tr("channel in use") : tr("channel not in use");
    // (end of accessibility)
    default:
        return {};
    }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    const auto column = static_cast<Column>(section);
    switch (role) {
    case Qt::DisplayRole:
        return gridText(columnCaption(column, m_optionUnitType));
    case GroupCaptionRole:
        return gridText(columnGroupCaption(column));
    // Accessibility: both header rows in the column's name, its group's full name as the
    // description.
    case Qt::AccessibleTextRole:
        return columnAccessibleName(section);
    case Qt::AccessibleDescriptionRole:
        return gridText(columnGroupMenuText(columnGroup(column)));
    // (end of accessibility)
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::ToolTipRole: {
        const ColumnTip& tip = kColumnTips[section];
        return tr("%1 (%2)\n%3")
            .arg(tr(tip.name), gridText(columnCaption(column, m_optionUnitType)), tr(tip.keys));
    }
    default:
        return {};
    }
}

// Accessibility
QString ChannelGridModel::columnAccessibleName(int column) const {
    const auto c = static_cast<Column>(column);
    const QString group = gridText(columnGroupCaption(c));
    const QString caption = gridText(columnCaption(c, m_optionUnitType));
    return group.isEmpty() ? caption : group + QLatin1Char(' ') + caption;
}

void ChannelGridModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}
// (end of accessibility)

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace mz58
