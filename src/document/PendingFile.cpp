#include "PendingFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace mz58 {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

fs::path resolvedTarget(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        const fs::path real = fs::weakly_canonical(path, ec);
        if (!ec)
            return real;
    }
    return path;
}

bool flushToDisk(std::FILE* f) {
    if (std::fflush(f) != 0)
        return false;
#if defined(__unix__) || defined(__APPLE__)
    if (::fsync(::fileno(f)) != 0)
        return false;
#endif
    return true;
}

} // namespace

PendingFile::PendingFile(fs::path target) : m_target(resolvedTarget(target)) {
    std::random_device rd;
    std::mt19937_64 gen((static_cast<std::uint64_t>(rd()) << 32) ^ rd());
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".mz58-%016llx.tmp",
                      static_cast<unsigned long long>(gen()));
        fs::path candidate = m_target;
        candidate += suffix;
        // "x": never take over a file that is already there.
        if (FileHandle f{std::fopen(candidate.string().c_str(), "wbx")}) {
            m_temporary = candidate;
            return;
        }
        if (errno != EEXIST)
            return;
    }
}

PendingFile::~PendingFile() {
    if (!m_committed && ok()) {
        std::error_code ec;
        fs::remove(m_temporary, ec);
    }
}

bool PendingFile::write(std::string_view bytes) {
    if (!ok())
        return false;
    FileHandle f{std::fopen(m_temporary.string().c_str(), "wb")};
    if (!f)
        return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
        return false;
    return flushToDisk(f.get());
}

bool PendingFile::sync() {
    if (!ok())
        return false;
    FileHandle f{std::fopen(m_temporary.string().c_str(), "ab")};
    return f && flushToDisk(f.get());
}

bool PendingFile::commit() {
    if (!ok() || m_committed)
        return false;
    std::error_code ec;
    const auto old = fs::status(m_target, ec);
    if (!ec && fs::exists(old))
        fs::permissions(m_temporary, old.permissions(), ec);
    ec.clear();
    fs::rename(m_temporary, m_target, ec);
    if (ec)
        return false;
    m_committed = true;
    return true;
}

} // namespace mz58
