// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QStyledItemDelegate>

#include <unordered_map>

namespace mz58 {

// Draws the cells of a channel that is not in use in the inactive text colour. The grid shows
// few distinct texts ("150.00000", "-----", "H" ...) over and over: each is laid out once for a
// cell size and then only drawn, where the style would measure and lay out every cell's text
// on every paint.
class ChannelRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    // A text laid out on one line as the style lays it out in a cell of one size: its glyphs,
    // drawn at `origin` from the cell's top left. No glyphs: the style's plain case does not
    // hold (the text is elided or takes more than a line), and the style draws the cell.
    struct LaidOutText {
        QFont font;
        QList<QGlyphRun> glyphs;
        QPointF origin;
    };
    struct Key {
        QString text;
        int width;
        int height;
        unsigned alignment;
        int direction;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    const LaidOutText& laidOut(const QStyleOptionViewItem& option, const QStyle* style) const;

    mutable std::unordered_map<Key, LaidOutText, KeyHash> m_texts;
};

} // namespace mz58
