#pragma once

#include "Messages.h"

class QWidget;

namespace mz58 {

// Asks string-table questions with a message box over `parent`.
class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent) : m_parent(parent) {}
    Answer ask(StringId id, std::span<const std::string> args, Buttons buttons, Icon icon) override;

private:
    QWidget* m_parent;
};

} // namespace mz58
