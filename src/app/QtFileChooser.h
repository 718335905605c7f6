// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileChooser.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace mz58 {

// The file dialogs of File > Open and Save As (programming files, "*.q7m").
class QtFileChooser final : public FileChooser {
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    std::optional<std::filesystem::path> chooseFileToOpen() override;
    std::optional<std::filesystem::path> chooseFileToSave() override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace mz58
