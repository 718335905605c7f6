// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mz58 {

// A file written under a temporary name beside its target and renamed over the target only
// when it is complete; the temporary is removed when the file is dropped without a commit.
//
// The temporary's name does not grow with the target's (".mz58-<target hash>-<pid>-<random>.tmp"),
// so a target whose name is near the file-name limit can still be saved. Temporaries of the
// same target left by a process that no longer runs (killed during a save) are removed when a
// new one is made.
class PendingFile {
public:
    // Reserves a new, uniquely named temporary file beside `target` (through a symbolic link
    // the file it points to is replaced). `ok()` tells whether that worked.
    explicit PendingFile(std::filesystem::path target);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    [[nodiscard]] bool ok() const { return !m_temporary.empty(); }

    // Writes all of `bytes` into the temporary file and flushes them to the disk.
    [[nodiscard]] bool write(std::string_view bytes);
    // Flushes a temporary that someone else wrote to the disk.
    [[nodiscard]] bool sync();
    // Renames the temporary over the target, giving it the permissions of the file it replaces.
    [[nodiscard]] bool commit();

    // Why the last step failed: the file and the operating system's reason.
    [[nodiscard]] const std::string& error() const { return m_error; }

    // Makes SIGINT and SIGTERM remove the temporaries of pending files before the process ends
    // (for the command-line tool, whose user may press Ctrl-C during a save).
    static void removeTemporariesOnSignals();

private:
    bool fail(const std::filesystem::path& path, int error);

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::string m_error;
    int m_slot = -1;
    bool m_committed = false;
};

} // namespace mz58
