// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"
#include "Golden.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mz58 {
namespace {

class SetVerbTest : public test::TempDirTest {
protected:
    static test::CliResult run(const std::vector<std::string>& args) { return test::runCli(args); }
};

// A plan of all 16 channels (tests/data/cli/set-plan.txt, as `mz58 channels` prints it), every
// grid column but "Chn" set from the command line, reads back as the same cell texts.
TEST_F(SetVerbTest, SixteenChannelPlanRoundTrip) {
    const std::string path = file("plan.q7m").string();
    ASSERT_EQ(run({"new", "-o", path}).status, 0);
    const std::string plan = test::testData("cli/set-plan.txt");
    std::istringstream lines(plan);
    std::string line;
    for (int channel = 1; std::getline(lines, line); ++channel) {
        std::vector<std::string> cells; // after the "Chn" cell
        for (std::size_t at = line.find('\t'); at != std::string::npos;) {
            const std::size_t end = line.find('\t', at + 1);
            cells.push_back(line.substr(at + 1, end == std::string::npos ? end : end - at - 1));
            at = end;
        }
        std::vector<std::string> args{"set", path, std::to_string(channel)};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if ((cells[3] == "-----" && (c == 4 || c == 5)) || (cells[3] != "DCS" && c == 19))
                continue; // tones need a tone type, the alert needs DCS
            args.insert(args.end(), {std::to_string(c + 1), cells[c]});
        }
        const auto r = run(args);
        ASSERT_EQ(r.status, 0) << "channel " << channel << ": " << r.err;
    }
    EXPECT_EQ(run({"channels", path}).out, plan);
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
// The clamp into the band and the step grid are never silent: one warning line names what was
// typed, the band and what was stored; the file keeps the clamped value.
TEST_F(SetVerbTest, ClampAndStepGridAreAnnounced) {
    const std::string path = file("vhf.q7m").string();
    ASSERT_EQ(run({"new", "-o", path}).status, 0);
    const std::string out = file("out.q7m").string();
    struct Case {
        const char* typed;
        const char* stored;
        const char* err; // the whole of stderr
    };
    const Case cases[] = {
        {"0", "134.00000", "Ch 1 Receive: warning: 0 is outside 134–174 MHz: stored 134.00000\n"},
        {"100", "134.00000",
         "Ch 1 Receive: warning: 100 is outside 134–174 MHz: stored 134.00000\n"},
        {"14652", "174.00000",
         "Ch 1 Receive: warning: 14652 is outside 134–174 MHz: stored 174.00000\n"},
        {"9999", "174.00000",
         "Ch 1 Receive: warning: 9999 is outside 134–174 MHz: stored 174.00000\n"},
        {"146.943", "146.94375",
         "Ch 1 Receive: warning: Receive stored as 146.94375 MHz: nearest 6.25 kHz step\n"},
        {"146.52", "146.52000", ""},
    };
    for (const auto& c : cases) {
        const auto r = run({"set", path, "1", "Receive", c.typed, "-o", out});
        EXPECT_EQ(r.status, 0) << c.typed;
        EXPECT_EQ(r.err, c.err) << c.typed;
        const std::string channels = run({"channels", out}).out;
        EXPECT_EQ(channels.substr(0, channels.find('\n')).substr(6, 9), c.stored) << c.typed;
    }
}

} // namespace mz58
