#include "CliRun.h"
#include "SignallingTables.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace mz58 {
namespace {

class SetVerbTest : public test::TempDirTest {
protected:
    static test::CliResult run(const std::vector<std::string>& args) { return test::runCli(args); }
};

std::string mhz(double value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%9.5f", value);
    return buffer;
}

// A plan of all 16 channels, every grid column but "Chn" set from the command line, reads back
// as the same cell texts.
TEST_F(SetVerbTest, SixteenChannelPlanRoundTrip) {
    const std::string path = file("plan.q7m").string();
    ASSERT_EQ(run({"new", "-o", path}).status, 0);
    const std::vector<std::string> types{"-----", "CTCSS", "DCS"};
    std::string expected;
    for (int i = 0; i < 16; ++i) {
        const int type = i % 3;
        const std::string dec = type == 1   ? ctcssText(static_cast<unsigned>(i + 1))
                                : type == 2 ? dcsText(static_cast<unsigned>(3 * i))
                                            : "-----";
        const std::string enc = type == 1   ? ctcssText(static_cast<unsigned>(50 - i))
                                : type == 2 ? dcsText(static_cast<unsigned>(100 - i))
                                            : "-----";
        const std::vector<std::string> cells{
            i % 2 ? "N" : "W",
            mhz(146.0 + 0.025 * i),
            i % 5 == 4 ? "---.-----" : mhz(146.6 + 0.025 * i),
            types[static_cast<std::size_t>(type)],
            dec,
            enc,
            i % 2 ? "v" : "-",
            i % 3 ? "v" : "-",
            i % 4 ? "H" : "L",
            std::to_string(1 + i % 3),
            i % 2 ? "-" : "v",
            i % 3 ? "-" : "v",
            i % 5 ? "v" : "-",
            std::to_string(i % 13),
            i % 2 ? "v" : "-",
            "-",
            std::vector<std::string>{"--", "BC", "BT"}[static_cast<std::size_t>(i % 3)],
            "-",
            i % 4 ? "-" : "v",
            type == 2 && i % 2 ? "v" : "-"};
        std::vector<std::string> args{"set", path, std::to_string(i + 1)};
        expected += "  " + std::to_string(i % 8 + 1);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            expected += "\t" + cells[c];
            if ((type == 0 && (c == 4 || c == 5)) || (type != 2 && c == 19))
                continue; // tones need a tone type, the alert needs DCS
            args.push_back(std::to_string(c + 1));
            args.push_back(cells[c]);
        }
        expected += "\n";
        const auto r = run(args);
        ASSERT_EQ(r.status, 0) << "channel " << i + 1 << ": " << r.err;
    }
    EXPECT_EQ(run({"channels", path}).out, expected);
}

TEST_F(SetVerbTest, RefusalsAndUsage) {
    const std::string path = file("f.q7m").string();
    ASSERT_EQ(run({"new", "-o", path}).status, 0);
    const std::string before = contents(file("f.q7m"));
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err; // part of stderr
    };
    const Case cases[] = {
        {{"set", path, "3", "Receive", "145.5", "RNGA", "v"}, 1, "Ch 3 RNGA"},
        {{"set", path, "3", "SQ", "abc"}, 1, "refused"},
        {{"set", path, "3", "Receive"}, 2, "without its TEXT"},
        {{"set", path, "3", "0", "  1"}, 2, "COLUMN"},
        {{"set", path, "3", "Page", "4"}, 0, "warning"},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        if (c.status != 0) {
            EXPECT_EQ(contents(file("f.q7m")), before) << "nothing written on failure";
        }
    }
    // Texts beginning with "-" are texts, and several pastes go in one call.
    const auto r = run({"set", path, "9", "Type", "DCS", "Dec", "023", "RNGA", "v", "Transmit",
                        "---.-----", "-o", file("g.q7m").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(run({"channels", file("g.q7m").string()}).out);
    std::string line;
    for (int i = 0; i < 9; ++i)
        std::getline(lines, line);
    EXPECT_EQ(line,
              "  1\tW\t150.00000\t---.-----\tDCS\t023\t023\t-\t-\tH\t2\t-\t-\tv\t0\t-\t-\t--\t-"
              "\t-\tv");
}

} // namespace
} // namespace mz58
