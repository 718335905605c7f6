// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

namespace mz58 {

// How the document asks the user for a file: the GUI shows its file dialogs, tests answer
// from a script. Both filter on programming files ("*.q7m").
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // File > Open: an existing file; nullopt when the user cancelled.
    virtual std::optional<std::filesystem::path> chooseFileToOpen() = 0;
    // File > Save As: the file to write (the chooser has already asked before replacing an
    // existing one); nullopt when the user cancelled.
    virtual std::optional<std::filesystem::path> chooseFileToSave() = 0;
};

} // namespace mz58
