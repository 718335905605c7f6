// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

namespace mz58 {

// The channel grid's table: its first column ("Chn") stays in view while the other columns
// scroll sideways. A second view of the same model and selection shows just that column over
// the left edge of the table; it never takes the focus, so keys always reach the table. It is
// made when the table first scrolls sideways and shows only while it is scrolled; in place, the
// table's own column is in view.
class ChannelTableView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelTableView(QWidget* parent = nullptr);

    // The view that holds the fixed first column (over the table's own first column); null until
    // the table first scrolls sideways.
    QTableView* fixedColumnView() const { return m_fixed; }
    // Fits the fixed column to the table's first column, its header and the rows; called after
    // a model, header or geometry change.
    void updateFixedColumn();

    void setModel(QAbstractItemModel* model) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    // The fixed column's view was just made, before it shows the model: the place to give it
    // its header and to watch its events.
    void fixedColumnCreated(QTableView* view);

protected:
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void updateGeometries() override;

private:
    void createFixedColumn();
    void showModelInFixedColumn();

    QTableView* m_fixed = nullptr;
};

} // namespace mz58
