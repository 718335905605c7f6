// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxPrompter.h"

#include "UiText.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>

namespace mz58 {
namespace {

QMessageBox::StandardButtons buttonsOf(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
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
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        // Cancel, and a box that ended without a button (the program is ending): nothing that
        // a question would allow goes ahead.
        return Answer::Cancel;
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

namespace {
// Lines shown in the box itself; a longer list goes whole into the details.
constexpr qsizetype kShownLines = 15;
} // namespace

void MessageBoxPrompter::tell(const UserMessage& message) {
    QString text = messageText(message.id, message.args);
    QString detail = QString::fromStdString(message.detail);
    QStringList lines;
    for (const auto& line : message.lines)
        lines << messageText(line.id, line.args);
    if (!lines.isEmpty())
        text += QStringLiteral("\n\n") + lines.mid(0, kShownLines).join(QLatin1Char('\n'));
    if (lines.size() > kShownLines) {
        const std::string more = std::to_string(lines.size() - kShownLines);
        text += QLatin1Char('\n') +
                messageText(msg::kMoreLinesInDetails, std::span<const std::string>(&more, 1));
        detail +=
            (detail.isEmpty() ? QString() : QStringLiteral("\n\n")) + lines.join(QLatin1Char('\n'));
    }
    (void)show(text, detail, Buttons::Ok, message.icon);
}

} // namespace mz58
