// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComPorts.h"

namespace mz58 {

std::array<std::string, kComPortCount> ComPortMap::defaults() {
#ifdef _WIN32
    return {"COM1", "COM2", "COM3", "COM4"};
#else
    return {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyS1"};
#endif
}

std::string ComPortMap::key(int number) {
    return "COM" + std::to_string(number);
}

const std::string& ComPortMap::devicePath(int comPort) const {
    const int number = (comPort >= 1 && comPort <= kComPortCount) ? comPort : 1;
    return devices[static_cast<std::size_t>(number - 1)];
}

} // namespace mz58
