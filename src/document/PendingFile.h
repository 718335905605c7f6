#pragma once

#include <filesystem>
#include <string_view>

namespace mz58 {

// A file written under a temporary name beside its target and renamed over the target only
// when it is complete; the temporary is removed when the file is dropped without a commit.
class PendingFile {
public:
    // Reserves a new, uniquely named temporary file beside `target` (through a symbolic link
    // the file it points to is replaced). `ok()` tells whether that worked.
    explicit PendingFile(std::filesystem::path target);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    [[nodiscard]] bool ok() const { return !m_temporary.empty(); }
    const std::filesystem::path& temporaryPath() const { return m_temporary; }

    // Writes all of `bytes` into the temporary file and flushes them to the disk.
    [[nodiscard]] bool write(std::string_view bytes);
    // Flushes a temporary that someone else wrote to the disk.
    [[nodiscard]] bool sync();
    // Renames the temporary over the target, giving it the permissions of the file it replaces.
    [[nodiscard]] bool commit();

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    bool m_committed = false;
};

} // namespace mz58
