// SPDX-License-Identifier: GPL-3.0-or-later
#include "PendingFile.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <signal.h>
#include <unistd.h>
#define MZ58_POSIX 1
#endif

namespace fs = std::filesystem;

namespace mz58 {
namespace {

constexpr std::string_view kPrefix = ".mz58-";
constexpr std::string_view kSuffix = ".tmp";

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

// FNV-1a of the target's name: ties a temporary to its target without repeating the name.
std::uint32_t nameHash(const fs::path& target) {
    std::uint32_t h = 2166136261u;
    for (const unsigned char c : target.filename().string())
        h = (h ^ c) * 16777619u;
    return h;
}

std::string hex8(std::uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

int currentProcess() {
#ifdef MZ58_POSIX
    return static_cast<int>(::getpid());
#else
    return 0;
#endif
}

bool processGone(int pid) {
#ifdef MZ58_POSIX
    return pid > 0 && pid != currentProcess() && ::kill(pid, 0) != 0 && errno == ESRCH;
#else
    (void)pid;
    return false;
#endif
}

// Removes temporaries of `target` whose writer no longer runs: ".mz58-<hash>-<pid>-<r>.tmp".
void removeStaleTemporaries(const fs::path& target, const std::string& ownPrefix) {
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= ownPrefix.size() + kSuffix.size() || !name.starts_with(ownPrefix) ||
            !name.ends_with(kSuffix))
            continue;
        const int pid = std::atoi(name.c_str() + ownPrefix.size());
        if (processGone(pid)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

// Temporaries that a signal handler removes: fixed storage, touched only through atomics and
// async-signal-safe calls.
constexpr int kSlots = 8;
constexpr std::size_t kPathCapacity = 4096;
struct Slot {
    std::atomic<bool> claimed{false}; // owned by a pending file
    std::atomic<bool> armed{false};   // the path is complete: the handler may remove it
    std::array<char, kPathCapacity> path{};
};
std::array<Slot, kSlots> g_slots;

int claimSlot(const fs::path& path) {
    const std::string text = path.string();
    if (text.size() >= kPathCapacity)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = g_slots[static_cast<std::size_t>(i)];
        bool expected = false;
        if (!slot.claimed.compare_exchange_strong(expected, true))
            continue;
        std::memcpy(slot.path.data(), text.c_str(), text.size() + 1);
        slot.armed.store(true);
        return i;
    }
    return -1;
}

void releaseSlot(int index) {
    if (index < 0)
        return;
    Slot& slot = g_slots[static_cast<std::size_t>(index)];
    slot.armed.store(false);
    slot.claimed.store(false);
}

#ifdef MZ58_POSIX
extern "C" void removeTemporariesAndExit(int signal) {
    for (const Slot& slot : g_slots) {
        if (slot.armed.load())
            ::unlink(slot.path.data());
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

} // namespace

PendingFile::PendingFile(fs::path target) : m_target(resolvedTarget(target)) {
    const std::string ownPrefix = std::string(kPrefix) + hex8(nameHash(m_target)) + "-";
    removeStaleTemporaries(m_target, ownPrefix);

    std::random_device rd;
    std::mt19937 gen(rd());
    const fs::path folder = m_target.has_parent_path() ? m_target.parent_path() : fs::path();
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path candidate =
            folder / (ownPrefix + std::to_string(currentProcess()) + "-" +
                      hex8(static_cast<std::uint32_t>(gen())) + std::string(kSuffix));
        // "x": never take over a file that is already there.
        errno = 0;
        if (FileHandle f{std::fopen(candidate.string().c_str(), "wbx")}) {
            m_temporary = candidate;
            m_slot = claimSlot(m_temporary);
            return;
        }
        if (errno != EEXIST) {
            fail(m_target, errno);
            return;
        }
    }
    fail(m_target, EEXIST);
}

PendingFile::~PendingFile() {
    if (!m_committed && ok()) {
        std::error_code ec;
        fs::remove(m_temporary, ec);
    }
    releaseSlot(m_slot);
}

bool PendingFile::fail(const fs::path& path, int error) {
    m_error = path.string() + ": " + std::generic_category().message(error ? error : EIO);
    return false;
}

namespace {
// Flushes and closes `f`, so that every failure the disk can report (a full disk shows up at
// the flush, the sync or the close) is seen; errno tells which.
bool flushAndClose(FileHandle f) {
    bool ok = std::fflush(f.get()) == 0;
#ifdef MZ58_POSIX
    ok = ok && ::fsync(::fileno(f.get())) == 0;
#endif
    const int savedErrno = errno;
    const bool closed = std::fclose(f.release()) == 0;
    if (!ok)
        errno = savedErrno;
    return ok && closed;
}
} // namespace

bool PendingFile::write(std::string_view bytes) {
    if (!ok())
        return false;
    errno = 0;
    FileHandle f{std::fopen(m_temporary.string().c_str(), "wb")};
    if (!f)
        return fail(m_temporary, errno);
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
        return fail(m_target, errno);
    return flushAndClose(std::move(f)) || fail(m_target, errno);
}

bool PendingFile::sync() {
    if (!ok())
        return false;
    errno = 0;
    FileHandle f{std::fopen(m_temporary.string().c_str(), "ab")};
    if (!f)
        return fail(m_temporary, errno);
    return flushAndClose(std::move(f)) || fail(m_target, errno);
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
        return fail(m_target, ec.value());
    m_committed = true;
    releaseSlot(m_slot);
    m_slot = -1;
    return true;
}

void PendingFile::removeTemporariesOnSignals() {
#ifdef MZ58_POSIX
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = removeTemporariesAndExit;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
#endif
}

} // namespace mz58
