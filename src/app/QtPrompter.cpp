#include "QtPrompter.h"

#include "CMZ58Doc.h"
#include "UiText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace mz58 {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("mz58::QtPrompter", text);
}

QMessageBox::StandardButtons buttonsOf(Buttons buttons) {
    switch (buttons) {
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconOf(Icon icon) {
    switch (icon) {
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::Critical;
    }
}

Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

QFileDialog* programmingFileDialog(QWidget* parent, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialog->setNameFilter(tr("MZ58 Files(*.q7m)"));
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

QString QtPrompter::messageText(StringId id, std::span<const std::string> args) {
    QString text;
    if (id == msg::kAskToSave) {
        text = tr("是否保存对 %1 的更改?");
        if (!args.empty())
            text = text.arg(QString::fromStdString(args.front()));
    } else {
        text = uiMessage(id, args);
    }
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

Answer QtPrompter::ask(StringId id, std::span<const std::string> args, Buttons buttons, Icon icon) {
    QMessageBox box(iconOf(icon), QCoreApplication::applicationName(), messageText(id, args),
                    buttonsOf(buttons), m_parent);
    return answerOf(box.exec());
}

std::optional<std::filesystem::path> QtFileChooser::chooseFileToOpen() {
    return runFileDialog(m_parent, QFileDialog::AcceptOpen);
}

std::optional<std::filesystem::path> QtFileChooser::chooseFileToSave() {
    return runFileDialog(m_parent, QFileDialog::AcceptSave);
}

} // namespace mz58
