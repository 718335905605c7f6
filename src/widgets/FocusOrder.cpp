// SPDX-License-Identifier: GPL-3.0-or-later
#include "FocusOrder.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLayout>
#include <QPushButton>
#include <QSet>
#include <QWidget>

namespace mz58 {
namespace {

void collectLayout(QLayout* layout, QList<QWidget*>& out);

void collectItem(QLayoutItem* item, QList<QWidget*>& out) {
    if (QWidget* w = item->widget()) {
        if (w->isHidden())
            return;
        if (w->focusPolicy() & Qt::TabFocus)
            out.append(w);
        else if (w->layout())
            collectLayout(w->layout(), out);
    } else if (QLayout* inner = item->layout()) {
        collectLayout(inner, out);
    }
}

void collectLayout(QLayout* layout, QList<QWidget*>& out) {
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        QSet<QLayoutItem*> seen; // an item spanning cells is met once for each
        for (int r = 0; r < grid->rowCount(); ++r) {
            for (int c = 0; c < grid->columnCount(); ++c) {
                QLayoutItem* item = grid->itemAtPosition(r, c);
                if (item && !seen.contains(item)) {
                    seen.insert(item);
                    collectItem(item, out);
                }
            }
        }
        return;
    }
    for (int i = 0; i < layout->count(); ++i)
        collectItem(layout->itemAt(i), out);
}

bool isButton(const QWidget* w) {
    return qobject_cast<const QPushButton*>(w) != nullptr;
}

} // namespace

QList<QWidget*> layoutFocusOrder(QWidget* root) {
    QList<QWidget*> order;
    if (root && root->layout())
        collectLayout(root->layout(), order);
    return order;
}

void applyLayoutFocus(QWidget* root) {
    const QList<QWidget*> order = layoutFocusOrder(root);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    const QWidget* focused = root->focusWidget();
    if (focused && focused != root && !isButton(focused) && focused->isEnabled())
        return;
    QWidget* first = nullptr;
    for (QWidget* w : order) {
        if (!w->isEnabled())
            continue;
        if (!isButton(w)) {
            first = w;
            break;
        }
        if (!first)
            first = w;
    }
    if (first)
        first->setFocus(Qt::TabFocusReason);
}

void centreOnParent(QWidget* window, const QWidget* parent) {
    if (!parent)
        return;
    const QRect host = parent->window()->frameGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(host.center());
    window->move(frame.topLeft());
}

} // namespace mz58
