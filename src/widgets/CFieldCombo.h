// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace mz58 {

// A drop-down list in which Enter opens and closes the list instead of reaching the dialog.
class CFieldCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CFieldCombo(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace mz58
