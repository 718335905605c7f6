// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelTableView.h"

#include <QHeaderView>
#include <QScrollBar>

namespace mz58 {

ChannelTableView::ChannelTableView(QWidget* parent) : QTableView(parent) {
    connect(horizontalScrollBar(), &QAbstractSlider::valueChanged, this, [this](int value) {
        if (value > 0 && !m_fixed)
            createFixedColumn();
        updateFixedColumn();
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section) {
        if (section == 0)
            updateFixedColumn();
    });
}

void ChannelTableView::createFixedColumn() {
    m_fixed = new QTableView(this);
    m_fixed->setFocusPolicy(Qt::NoFocus);
    m_fixed->verticalHeader()->hide();
    m_fixed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixed->setFrameStyle(QFrame::NoFrame);
    m_fixed->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fixed->setWordWrap(false);
    m_fixed->setCornerButtonEnabled(false);
    // Keys are the table's: a click on the fixed column makes the table current and focused.
    connect(m_fixed, &QAbstractItemView::pressed, this, [this] { setFocus(Qt::MouseFocusReason); });
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_fixed->verticalScrollBar(),
            &QAbstractSlider::setValue);
    emit fixedColumnCreated(m_fixed);
    if (model())
        showModelInFixedColumn();
}

void ChannelTableView::showModelInFixedColumn() {
    m_fixed->setModel(model());
    m_fixed->setSelectionModel(selectionModel());
    m_fixed->setSelectionMode(selectionMode());
    m_fixed->setItemDelegate(itemDelegate());
    updateFixedColumn();
}

void ChannelTableView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    if (m_fixed)
        showModelInFixedColumn();
}

void ChannelTableView::updateFixedColumn() {
    QAbstractItemModel* model = this->model();
    if (!model || !m_fixed || !m_fixed->model())
        return;
    for (int c = 1; c < model->columnCount(); ++c)
        m_fixed->setColumnHidden(c, true);
    m_fixed->setColumnWidth(0, columnWidth(0));
    m_fixed->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_fixed->setSelectionMode(selectionMode());
    if (m_fixed->itemDelegate() != itemDelegate())
        m_fixed->setItemDelegate(itemDelegate());
    m_fixed->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    m_fixed->setGeometry(frameWidth(), frameWidth(), columnWidth(0),
                         viewport()->height() + horizontalHeader()->height());
    m_fixed->verticalScrollBar()->setValue(verticalScrollBar()->value());
    // Only while the table is scrolled sideways: in place, the table's own column shows (with
    // the focus of its current cell).
    m_fixed->setVisible(!isColumnHidden(0) && horizontalScrollBar()->value() > 0);
}

void ChannelTableView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    updateFixedColumn();
}

void ChannelTableView::updateGeometries() {
    QTableView::updateGeometries();
    updateFixedColumn();
}

// A cell that would lie under the fixed column scrolls out from under it.
void ChannelTableView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableView::scrollTo(index, hint);
    if (!index.isValid() || index.column() == 0)
        return;
    const QRect cell = visualRect(index);
    const int hidden = columnWidth(0) - cell.left();
    if (hidden > 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
}

QModelIndex ChannelTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = QTableView::moveCursor(action, modifiers);
    if (action == MoveLeft && current.column() > 0)
        scrollTo(current);
    return current;
}

} // namespace mz58
