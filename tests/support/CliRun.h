// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace mz58::test {

// What one in-process run of the mz58 command line printed and returned.
struct CliResult {
    int status;
    std::string out;
    std::string err;
};

inline CliResult runCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace mz58::test
