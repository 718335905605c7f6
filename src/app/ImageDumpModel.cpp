// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageDumpModel.h"

namespace mz58 {

ImageDumpModel::ImageDumpModel(const RadioImage& image, QObject* parent)
    : QAbstractTableModel(parent), m_image(image), m_cells(imageDumpCells(image)) {}

int ImageDumpModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kDumpRows - 1;
}

int ImageDumpModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kDumpColumns - 1;
}

QVariant ImageDumpModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(m_cells[index.row() + 1][index.column() + 1]);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role == Qt::ToolTipRole) {
        // The byte's address and its value in decimal.
        const int offset = index.row() * columnCount() + index.column();
        return tr("地址 %1h = %2")
            .arg(offset, 3, 16, QLatin1Char('0'))
            .arg(int(m_image[static_cast<std::size_t>(offset)]));
    }
    return {};
}

QVariant ImageDumpModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool horizontal = orientation == Qt::Horizontal;
    if (section < 0 || section >= (horizontal ? columnCount() : rowCount()))
        return {};
    if (role == Qt::DisplayRole) {
        const auto& text = horizontal ? m_cells[0][section + 1] : m_cells[section + 1][0];
        return QString::fromStdString(text);
    }
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags ImageDumpModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace mz58
