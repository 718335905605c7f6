// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHeaderView>

namespace mz58 {

// A horizontal header of two rows: the lower row holds each column's caption, the upper row the
// caption that neighbouring columns share (a model role), drawn once across all of them. The
// span is measured from the live section positions on every paint, so hidden, resized or
// scrolled columns never leave it stale.
class GroupHeaderView : public QHeaderView {
    Q_OBJECT
public:
    GroupHeaderView(int groupCaptionRole, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The first and last logical section sharing `section`'s upper caption.
    std::pair<int, int> groupSpan(int section) const;

protected:
    bool event(QEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QString groupCaption(int section) const;

    int m_groupCaptionRole;
    mutable int m_rowHeight = 0; // measured on first use, again after a font or style change
};

} // namespace mz58
