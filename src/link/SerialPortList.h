// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace mz58 {

// A serial device of this machine, as the programming cable's port may be one.
struct SerialPortInfo {
    std::string path;          // "/dev/ttyUSB0"
    std::string vendorProduct; // USB "0403:6001"; empty for a built-in port
    std::string description;   // the USB product and maker, when known
    std::string driver;        // "ftdi_sio", "ch341-uart", "serial"…
};

// The serial devices found under `sysRoot` (Linux: /sys/class/tty), USB adapters, modems of
// the CDC class and built-in ports with a UART, sorted by path. Empty where the system offers
// no such listing.
[[nodiscard]] std::vector<SerialPortInfo>
findSerialPorts(const std::filesystem::path& sysRoot = "/sys",
                const std::filesystem::path& devRoot = "/dev");

} // namespace mz58
