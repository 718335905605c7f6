// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace mz58::cli {

// Runs the mz58 command line on `args` (without the program name); returns the exit status.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err,
        bool errIsTerminal = false);

} // namespace mz58::cli
