// SPDX-License-Identifier: GPL-3.0-or-later
#include "GroupHeaderView.h"

#include <QEvent>
#include <QPainter>

namespace mz58 {

GroupHeaderView::GroupHeaderView(int groupCaptionRole, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), m_groupCaptionRole(groupCaptionRole) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setDefaultAlignment(Qt::AlignCenter);
    // A span reaches over many sections: a change to one of them repaints the span.
    connect(this, &QHeaderView::sectionResized, this, [this] { viewport()->update(); });
}

// Two rows of one caption's height. That height depends on the font and the style, not on which
// columns are shown, so it is measured once rather than again after every column change.
QSize GroupHeaderView::sizeHint() const {
    if (m_rowHeight <= 0)
        m_rowHeight = QHeaderView::sizeHint().height();
    return {length(), 2 * m_rowHeight};
}

bool GroupHeaderView::event(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_rowHeight = 0;
    return QHeaderView::event(event);
}

QString GroupHeaderView::groupCaption(int section) const {
    return model() ? model()->headerData(section, orientation(), m_groupCaptionRole).toString()
                   : QString();
}

std::pair<int, int> GroupHeaderView::groupSpan(int section) const {
    const QString caption = groupCaption(section);
    int first = visualIndex(section);
    int last = first;
    if (first < 0)
        return {section, section};
    while (first > 0 && groupCaption(logicalIndex(first - 1)) == caption)
        --first;
    while (last + 1 < count() && groupCaption(logicalIndex(last + 1)) == caption)
        ++last;
    return {logicalIndex(first), logicalIndex(last)};
}

void GroupHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const int upperHeight = rect.height() / 2;
    const QRect lower(rect.left(), rect.top() + upperHeight, rect.width(),
                      rect.height() - upperHeight);
    QHeaderView::paintSection(painter, lower, logicalIndex);

    const auto [first, last] = groupSpan(logicalIndex);
    int left = rect.left();
    int right = rect.right();
    for (int v = visualIndex(first); v <= visualIndex(last); ++v) {
        const int section = this->logicalIndex(v);
        if (isSectionHidden(section) || sectionSize(section) == 0)
            continue;
        const int position = sectionViewportPosition(section);
        left = std::min(left, position);
        right = std::max(right, position + sectionSize(section) - 1);
    }

    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(left, rect.top()), QPoint(right, rect.top() + upperHeight - 1));
    option.section = logicalIndex;
    option.text = groupCaption(logicalIndex);
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::Middle;
    if (isEnabled())
        option.state |= QStyle::State_Enabled;
    painter->save();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->restore();
}

} // namespace mz58
