#include "Verbs.h"

#include <ostream>

namespace mz58::cli {

int verbReport(std::span<const std::string>, Io& io) {
    io.err << "mz58: report is not available in this build\n";
    return kExitFailure;
}

} // namespace mz58::cli
