// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"

#include "Verbs.h"

#include <array>
#include <ostream>
#include <string_view>

namespace mz58::cli {
namespace {

struct Verb {
    std::string_view name;
    int (*run)(std::span<const std::string>, Io&);
    std::string_view usage;
};

constexpr Verb kVerbs[]{
    {"new", verbNew, "new      [--band vhf|uhf] -o FILE       write a fresh image"},
    {"info", verbInfo,
     "info     FILE                           serial number, band, model, firmware, option unit, "
     "offset"},
    {"dump", verbDump, "dump     FILE                           the image bytes as a hex table"},
    {"channels", verbChannels,
     "channels FILE                           the 16 channels as grid cell texts"},
    {"set", verbSet,
     "set      FILE CHANNEL COLUMN TEXT [COLUMN TEXT]... [-o OUT]   paste into cells"},
    {"convert", verbConvert,
     "convert  IN.q7m -o OUT.q7m              open and save under another name"},
    {"report", verbReport, "report   FILE [-o OUT.txt|OUT.pdf]      the printed report"},
    {"read", verbRead,
     "read     --port DEVICE -o FILE          read the radio into a programming file"},
    {"write", verbWrite,
     "write    --port DEVICE FILE [--radios N [--log LOG.csv]] [--maintenance] [--backup-dir "
     "DIR]\n"
     "                                         write FILE into the radio, or into N radios in "
     "turn"},
    {"verify", verbVerify,
     "verify   --port DEVICE FILE [--maintenance]   compare the radio with FILE"},
    {"cable-test", verbCableTest,
     "cable-test --port DEVICE                check the programming cable without a radio"},
    {"ports", verbPorts,
     "ports                                   the serial devices found, and COM1..COM4"},
    {"diff", verbDiff,
     "diff     A.q7m B.q7m                    what differs, as cells and settings"},
    {"export-csv", verbExportCsv,
     "export-csv FILE [-o OUT.csv]            the channels as a CHIRP CSV"},
    {"import-csv", verbImportCsv,
     "import-csv FILE IN.csv [-o OUT] [--skip-invalid] [--at N]   channels from a CHIRP CSV"},
};

void printUsage(std::ostream& os) {
    os << "usage: mz58 COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Verb& v : kVerbs)
        os << "  " << v.usage << '\n';
    os << "\nexit status: 0 success, 1 failure, 2 usage error\n";
}

} // namespace

int run(std::span<const std::string> args, std::ostream& out, std::ostream& err,
        bool errIsTerminal) {
    Io io{out, err, errIsTerminal};
    if (args.empty()) {
        printUsage(err);
        return kExitUsage;
    }
    const std::string_view name = args.front();
    if (name == "help" || name == "--help" || name == "-h") {
        printUsage(out);
        return kExitOk;
    }
    for (const Verb& v : kVerbs) {
        if (v.name == name)
            return v.run(args.subspan(1), io);
    }
    return usageError(io, "unknown command '" + std::string(name) + "'");
}

} // namespace mz58::cli
