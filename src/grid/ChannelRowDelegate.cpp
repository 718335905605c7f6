// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRowDelegate.h"

#include "ChannelGridModel.h"

namespace mz58 {

void ChannelRowDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(ChannelGridModel::InUseRole).toBool())
        return;
    const QColor inactive = option->palette.color(QPalette::Disabled, QPalette::Text);
    option->palette.setColor(QPalette::Text, inactive);
    option->palette.setColor(QPalette::WindowText, inactive);
}

} // namespace mz58
