#pragma once

#include "FileChooser.h"
#include "Messages.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace mz58 {

// Shows the core's messages and questions as message boxes over the main window.
class QtPrompter final : public Prompter {
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    Answer ask(StringId id, std::span<const std::string> args, Buttons buttons, Icon icon) override;

    // The text of a message as shown: the string table's, or the save-changes question.
    static QString messageText(StringId id, std::span<const std::string> args);

private:
    QPointer<QWidget> m_parent;
};

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
