// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVariant>
#include <QWidget>

namespace mz58 {

// Dialog controls carry their resource id; this is the one way to find them again.
inline void setControlId(QWidget* control, int id) {
    control->setProperty("controlId", id);
}

template <class T> T* findControl(const QWidget* dialog, int id) {
    const auto children = dialog->findChildren<T*>();
    for (T* child : children) {
        if (child->property("controlId").toInt() == id)
            return child;
    }
    return nullptr;
}

} // namespace mz58
