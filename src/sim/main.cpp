// SPDX-License-Identifier: GPL-3.0-or-later
#include "PtyServer.h"
#include "SimOptions.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << mz58::sim::simUsage();
        return 0;
    }
    std::string error;
    const auto options = mz58::sim::parseSimOptions(args, error);
    if (!options) {
        std::cerr << "mz58-radiosim: " << error << '\n' << mz58::sim::simUsage();
        return 2;
    }
    return mz58::sim::runSimulator(*options, std::cout, std::cerr);
}
