// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace mz58 {

inline constexpr int kComPortCount = 4;

// The device path behind each COM number 1..4, as the "Ports" section of the configuration
// holds it (keys "COM1".."COM4").
struct ComPortMap {
    std::array<std::string, kComPortCount> devices = defaults();

    static std::array<std::string, kComPortCount> defaults();
    // The configuration key of COM number `number` ("COM1".."COM4").
    static std::string key(int number);

    // The device of a configured COM number; any number outside 1..4 selects COM1.
    const std::string& devicePath(int comPort) const;
};

} // namespace mz58
