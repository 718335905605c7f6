// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"

#include <chrono>
#include <filesystem>
#include <string>

namespace mz58 {

// Before a write changes a radio, the radio's own memory is kept as a programming file, so
// that a bad write can be undone. The GUI and the command line share this policy.

// $XDG_DATA_HOME/MZ58Win/backups, else ~/.local/share/MZ58Win/backups (on Windows under
// %LOCALAPPDATA%); relative "MZ58Win/backups" when neither is known.
std::filesystem::path defaultBackupDirectory();

// "QM610-<serial number>-<local date>-<time>.q7m"; the serial number's six digit codes are
// written as hexadecimal digits so that every code gives a safe file name.
std::string backupFileName(const RadioImage& radio, std::chrono::system_clock::time_point when);

struct BackupResult {
    bool ok = false;
    std::filesystem::path file; // the backup written
    std::string error;          // why it could not be written (path and reason)
};

// Writes `radio` with its band's default local offset into `directory` (created when
// missing), never over an existing file.
[[nodiscard]] BackupResult
writeRadioBackup(const std::filesystem::path& directory, const RadioImage& radio,
                 std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

} // namespace mz58
