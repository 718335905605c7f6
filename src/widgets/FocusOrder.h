// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QWidget;

namespace mz58 {

// The controls of `root` that take the focus with Tab, in the order its layouts place them:
// box layouts item by item, grid layouts row by row; a container that does not take the focus
// itself (a group box, a plain widget) stands for its own controls. Hidden controls are left out.
QList<QWidget*> layoutFocusOrder(QWidget* root);

// Makes Tab follow the layout (the order above) and, unless a field already has the focus, gives
// it to the first enabled control that is not a push button (or the first enabled button when
// the window has no other control). Called when a window is shown; safe to call again.
void applyLayoutFocus(QWidget* root);

// Centres a top-level window on the window of `parent` (dialogs do this themselves; a window
// with the Qt::Window flag does not).
void centreOnParent(QWidget* window, const QWidget* parent);

} // namespace mz58
