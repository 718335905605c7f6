// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Messages.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace mz58 {

// Shows the core's messages and questions as message boxes over `parent`; the cause of a
// failure (file or device and the system's reason) goes into the box's details.
class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    Answer ask(StringId id, std::span<const std::string> args, Buttons buttons, Icon icon) override;
    using Prompter::tell;
    void tell(const UserMessage& message) override;

    static QMessageBox::Icon boxIcon(Icon icon);
    // The text of a message as shown, with plain line breaks.
    static QString messageText(StringId id, std::span<const std::string> args);

private:
    Answer show(const QString& text, const QString& detail, Buttons buttons, Icon icon);

    QPointer<QWidget> m_parent;
};

} // namespace mz58
