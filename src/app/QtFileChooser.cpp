// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtFileChooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace mz58 {
namespace {

QFileDialog* programmingFileDialog(QWidget* parent, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialog->setNameFilter(QCoreApplication::translate("mz58::QtFileChooser", "MZ58 Files(*.q7m)"));
    dialog->setDefaultSuffix(QStringLiteral("q7m"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ReadOnly, false);
    // The folder last visited may be gone; the working folder always exists.
    if (!QFileInfo(dialog->directory().absolutePath()).isDir())
        dialog->setDirectory(QDir::currentPath());
    return dialog;
}

std::optional<std::filesystem::path> runFileDialog(QWidget* parent, QFileDialog::AcceptMode mode) {
    std::unique_ptr<QFileDialog> dialog(programmingFileDialog(parent, mode));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog->selectedFiles().constFirst().toStdString());
}

} // namespace

std::optional<std::filesystem::path> QtFileChooser::chooseFileToOpen() {
    return runFileDialog(m_parent, QFileDialog::AcceptOpen);
}

std::optional<std::filesystem::path> QtFileChooser::chooseFileToSave() {
    return runFileDialog(m_parent, QFileDialog::AcceptSave);
}

} // namespace mz58
