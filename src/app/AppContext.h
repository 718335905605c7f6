// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppConfig.h"
#include "CloneProtocol.h"

#include <QString>

#include <filesystem>
#include <string>

namespace mz58 {

// The program-wide state of the window application that is not the document's.
struct AppContext {
    AppConfig config;
    QString configPath;
    bool maintenance = false;
    // The device name of the printer last used (the default printer at start).
    QString printerName;
    // Set while a print job or the print preview runs: closing is refused meanwhile.
    bool printingInProgress = false;
    // COM1 leads to the built-in radio simulator, at this device.
    bool simulated = false;
    std::string simulatorPort;
    // Where a download keeps the radio's previous memory; empty: the user's data folder.
    std::filesystem::path backupDirectory;

    // Opens the configured COM port for one transfer.
    PortOpener portOpener() const;
    DownloadOptions downloadOptions() const;
};

} // namespace mz58
