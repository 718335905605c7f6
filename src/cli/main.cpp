// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"
#include "PendingFile.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define STDERR_FILENO 2
#else
#include <unistd.h>
#endif

int main(int argc, char** argv) {
    // Ctrl-C during a save must not leave the save's temporary file behind.
    mz58::PendingFile::removeTemporariesOnSignals();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return mz58::cli::run(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
}
