// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppContext.h"

#include "CSerialPort.h"
#include "RadioBackup.h"

namespace mz58 {

PortOpener AppContext::portOpener() const {
    const std::string device =
        simulated && config.comPort == 1 ? simulatorPort : config.ports.devicePath(config.comPort);
    return [device] { return OpenRadioPort(device); };
}

DownloadOptions AppContext::downloadOptions() const {
    DownloadOptions options;
    options.maintenance = maintenance;
    options.backupDirectory = backupDirectory.empty() ? defaultBackupDirectory() : backupDirectory;
    return options;
}

} // namespace mz58
