// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRowDelegate.h"

#include "ChannelGridModel.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace mz58 {
namespace {

// Enough for every text a bank can show at several widths; beyond it the cache starts afresh.
constexpr std::size_t kLaidOutLimit = 512;

} // namespace

std::size_t ChannelRowDelegate::KeyHash::operator()(const Key& key) const {
    return qHashMulti(0, key.text, key.width, key.height, key.alignment, key.direction);
}

void ChannelRowDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(ChannelGridModel::InUseRole).toBool())
        return;
    const QColor inactive = option->palette.color(QPalette::Disabled, QPalette::Text);
    option->palette.setColor(QPalette::Text, inactive);
    option->palette.setColor(QPalette::WindowText, inactive);
}

const ChannelRowDelegate::LaidOutText&
ChannelRowDelegate::laidOut(const QStyleOptionViewItem& option, const QStyle* style) const {
    const Key key{option.text, option.rect.width(), option.rect.height(),
                  option.displayAlignment.toInt(), static_cast<int>(option.direction)};
    if (auto found = m_texts.find(key); found != m_texts.end() && found->second.font == option.font)
        return found->second;
    if (m_texts.size() >= kLaidOutLimit)
        m_texts.clear();
    LaidOutText& entry = m_texts[key];
    entry = LaidOutText{option.font, {}, {}};
    // As the style does: the text rectangle less a margin each side, one line as wide as that,
    // the alignment's vertical part applied to the line's rounded size.
    const QRect textRect =
        style->subElementRect(QStyle::SE_ItemViewItemText, &option, option.widget)
            .translated(-option.rect.topLeft());
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const QRect inner = textRect.adjusted(margin, 0, -margin, 0);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(QStyle::visualAlignment(option.direction, option.displayAlignment));
    QTextLayout layout(option.text, option.font);
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(inner.width());
        line.setPosition(QPointF(0, 0));
    }
    const bool oneLine = line.isValid() && !layout.createLine().isValid();
    layout.endLayout();
    if (!oneLine || line.naturalTextWidth() > inner.width())
        return entry; // elided or wrapped: left to the style
    const QRect aligned = QStyle::alignedRect(Qt::LayoutDirectionAuto, option.displayAlignment,
                                              layout.boundingRect().size().toSize(), inner);
    entry.origin = QPointF(inner.x(), aligned.top());
    entry.glyphs = layout.glyphRuns();
    return entry;
}

void ChannelRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget* widget = cell.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const bool plain = !cell.text.isEmpty() && cell.icon.isNull() &&
                       !(cell.features & (QStyleOptionViewItem::WrapText |
                                          QStyleOptionViewItem::HasCheckIndicator)) &&
                       !(cell.state & QStyle::State_Editing);
    const LaidOutText* text = plain ? &laidOut(cell, style) : nullptr;
    if (!text || text->glyphs.isEmpty()) {
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        return;
    }
    // What the style draws for such a cell: its background, the text in the colour the style
    // would choose, and the focus frame over it.
    const QPalette::ColorGroup enabled =
        cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    const QPalette::ColorGroup group =
        enabled == QPalette::Normal && !(cell.state & QStyle::State_Active) ? QPalette::Inactive
                                                                            : enabled;
    const bool selected = cell.state & QStyle::State_Selected;
    painter->save();
    painter->setClipRect(cell.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);
    painter->setPen(
        cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    for (const QGlyphRun& run : text->glyphs)
        painter->drawGlyphRun(cell.rect.topLeft() + text->origin, run);
    if (cell.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(cell);
        frame.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &cell, widget);
        frame.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        frame.backgroundColor =
            cell.palette.color(enabled, selected ? QPalette::Highlight : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, widget);
    }
    painter->restore();
}

} // namespace mz58
