#include "MessageBoxPrompter.h"

#include "UiText.h"

#include <QApplication>
#include <QMessageBox>

namespace mz58 {
namespace {

QMessageBox::StandardButtons buttonsOf(Buttons buttons) {
    switch (buttons) {
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

QMessageBox::Icon MessageBoxPrompter::boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Error:
        break;
    }
    return QMessageBox::Critical;
}

namespace {

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

} // namespace

QString MessageBoxPrompter::messageText(StringId id, std::span<const std::string> args) {
    return uiMessage(id, args).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

Answer MessageBoxPrompter::show(const QString& text, const QString& detail, Buttons buttons,
                                Icon icon) {
    QMessageBox box(boxIcon(icon), QApplication::applicationDisplayName(), text, buttonsOf(buttons),
                    m_parent);
    if (!detail.isEmpty())
        box.setDetailedText(detail);
    return answerOf(box.exec());
}

Answer MessageBoxPrompter::ask(StringId id, std::span<const std::string> args, Buttons buttons,
                               Icon icon) {
    return show(messageText(id, args), {}, buttons, icon);
}

void MessageBoxPrompter::tell(const UserMessage& message) {
    (void)show(messageText(message.id, message.args), QString::fromStdString(message.detail),
               Buttons::Ok, message.icon);
}

} // namespace mz58
