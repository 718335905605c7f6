// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliCommon.h"
#include "ComPorts.h"

#include <filesystem>

#include <span>
#include <string>

namespace mz58::cli {

// Each verb takes the arguments after its own name.
int verbNew(std::span<const std::string> args, Io& io);
int verbInfo(std::span<const std::string> args, Io& io);
int verbDump(std::span<const std::string> args, Io& io);
int verbChannels(std::span<const std::string> args, Io& io);
int verbSet(std::span<const std::string> args, Io& io);
int verbConvert(std::span<const std::string> args, Io& io);
int verbReport(std::span<const std::string> args, Io& io);
int verbRead(std::span<const std::string> args, Io& io);
int verbWrite(std::span<const std::string> args, Io& io);
int verbVerify(std::span<const std::string> args, Io& io);
int verbExportCsv(std::span<const std::string> args, Io& io);
int verbImportCsv(std::span<const std::string> args, Io& io);
int verbDiff(std::span<const std::string> args, Io& io);
int verbCableTest(std::span<const std::string> args, Io& io);
int verbPorts(std::span<const std::string> args, Io& io);

// The device of each COM number as the window application's configuration file holds it
// (section "Ports"); the defaults where the file or a key is missing.
ComPortMap readComPortMap(const std::filesystem::path& ini);

} // namespace mz58::cli
