// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SimOptions.h"

#include <iosfwd>

namespace mz58::sim {

// Runs the simulator behind a new pseudo-terminal: prints "PORT <device>" on `out`, then
// serves until killed, until the line is hung up, or after one transfer with --once.
// Returns the process exit status.
int runSimulator(const SimOptions& options, std::ostream& out, std::ostream& err);

} // namespace mz58::sim
