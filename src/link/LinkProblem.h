// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TransferObserver.h"

#include <string>

namespace mz58 {

// Why a port would not open, from the operating system's error number: permission, busy, no
// such port, not a serial port (`notSerial`), or another cause in the system's words.
[[nodiscard]] LinkProblem portOpenProblem(const std::string& device, int error,
                                          bool notSerial = false);

// A failure on an open line (one of the msg::kReason ids) with the hint that goes with it.
[[nodiscard]] LinkProblem lineProblem(const std::string& device, StringId reason);

} // namespace mz58
