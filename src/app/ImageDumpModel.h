// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageDump.h"

#include <QAbstractTableModel>

namespace mz58 {

// The hexadecimal view of an image as a read-only table: 32 rows of 16 bytes. The dump's
// column numbers become the horizontal header and its address labels the vertical header.
class ImageDumpModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ImageDumpModel(const RadioImage& image, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    RadioImage m_image;
    ImageDumpCells m_cells;
};

} // namespace mz58
