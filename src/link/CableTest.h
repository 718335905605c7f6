// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CloneProtocol.h"

#include <string>

namespace mz58 {

// The result of a cable test: what to tell the user (a string-table id whose "%1" is the
// device) and the cause in the operating system's words, when there is one.
struct CableTestResult {
    bool ok = false;
    StringId message = 0;
    std::string device;
    std::string detail;
};

// Checks the programming cable without a radio: sends a few bytes that no radio acts upon
// and expects their echo, as the single-wire cable returns what it sends.
[[nodiscard]] CableTestResult testCable(const PortOpener& openPort);
[[nodiscard]] CableTestResult testCable(const std::string& device);

} // namespace mz58
