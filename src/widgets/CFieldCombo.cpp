// SPDX-License-Identifier: GPL-3.0-or-later
#include "CFieldCombo.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace mz58 {

CFieldCombo::CFieldCombo(QWidget* parent) : QComboBox(parent) {
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void CFieldCombo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (view()->isVisible())
            hidePopup();
        else
            showPopup();
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace mz58
