// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioBackup.h"

#include "SerialNumber.h"

#include "HardwareSettings.h"
#include "Messages.h"
#include "ProgrammingFile.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <system_error>

namespace mz58 {
namespace {

constexpr int kMaxNameAttempts = 1000;

std::tm localTime(std::time_t t) {
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return tm;
}

std::string withReason(const std::filesystem::path& path, const std::string& reason) {
    return path.string() + (reason.empty() ? std::string{} : ": " + reason);
}

} // namespace

std::filesystem::path defaultBackupDirectory() {
    const std::filesystem::path tail = std::filesystem::path("MZ58Win") / "backups";
#ifdef _WIN32
    if (const char* local = std::getenv("LOCALAPPDATA"); local && *local)
        return std::filesystem::path(local) / tail;
#else
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        return std::filesystem::path(data) / tail;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local" / "share" / tail;
#endif
    return tail;
}

std::string backupFileName(const RadioImage& radio, std::chrono::system_clock::time_point when) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string serial;
    for (std::size_t i = 0; i < SerialNumber::kByteCount; ++i) {
        const std::uint8_t b = radio[SerialNumber::kFirstByte + i];
        serial += kHex[b >> 4];
        serial += kHex[b & 0x0F];
    }
    const std::tm tm = localTime(std::chrono::system_clock::to_time_t(when));
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", tm.tm_year + 1900,
                  tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return "QM610-" + serial + "-" + stamp + ".q7m";
}

BackupResult writeRadioBackup(const std::filesystem::path& directory, const RadioImage& radio,
                              std::chrono::system_clock::time_point when) {
    BackupResult result;
    std::error_code ec;
    std::filesystem::create_directories(directory, ec);
    if (ec) {
        result.error = withReason(directory, ec.message());
        return result;
    }

    const std::filesystem::path base = directory / backupFileName(radio, when);
    std::filesystem::path target = base;
    for (int attempt = 2; std::filesystem::exists(target, ec) || ec; ++attempt) {
        if (ec || attempt > kMaxNameAttempts) {
            result.error = withReason(base, ec ? ec.message() : "too many backups of this second");
            return result;
        }
        target = base.parent_path() /
                 (base.stem().string() + "-" + std::to_string(attempt) + base.extension().string());
    }

    const LocalOffset offset = bandDefaultLocalOffset(HardwareSettings::decodeBand(radio));
    if (const Status written = WriteProgrammingFile(target, radio, offset); !written.ok()) {
        result.error = written.error().detail;
        return result;
    }
    result.ok = true;
    result.file = target;
    return result;
}

} // namespace mz58
