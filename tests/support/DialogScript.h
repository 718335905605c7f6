// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives a settings or signalling dialog the way a user would, once it is open and modal.

#include "CSettingsDialog.h"
#include "ControlId.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace mz58::test {

// Runs `interact` on the modal dialog once it is open; a dialog still open afterwards is
// cancelled, so a failed interaction never leaves the test hanging.
inline void whenOpen(std::function<void(QDialog*)> interact) {
    QTimer::singleShot(0, [interact] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        interact(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Picks entry `entry` of a combo with the keyboard (each key is a user choice).
inline void chooseWithKeys(QComboBox* combo, int entry) {
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < entry; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

// Types `keys` into an edit (empty: erases it) and ends the edit with Enter.
inline void typeInto(QDialog* d, int id, const QString& keys) {
    auto* edit = findControl<QLineEdit>(d, id);
    edit->setFocus();
    if (keys.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
    QTest::keyClick(edit, Qt::Key_Return);
}

inline void clickOk(QDialog* d) {
    QTest::mouseClick(findControl<QPushButton>(d, CSettingsDialog::kOkId), Qt::LeftButton);
}

} // namespace mz58::test
