// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"
#include "Golden.h"
#include "ProgrammingFile.h"
#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include <sys/wait.h>

namespace mz58 {
namespace {

class CsvImportTest : public test::TempDirTest {
protected:
    // Runs the mz58 binary itself, as a user's shell does.
    test::CliResult runBinary(const std::vector<std::string>& args) {
        std::string command = std::string("'") + MZ58_BINARY + "'";
        for (const std::string& a : args)
            command += " '" + a + "'";
        command += " >'" + file("out.txt").string() + "' 2>'" + file("err.txt").string() + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, contents(file("out.txt")),
                contents(file("err.txt"))};
    }
    std::string fresh(const std::string& name) {
        EXPECT_TRUE(writeFreshImageFile(file(name), kVhf));
        return file(name).string();
    }
    // Column `column` of each `mz58 channels` line.
    std::vector<std::string> column(const std::string& channels, std::size_t column) {
        std::vector<std::string> cells;
        std::istringstream lines(channels);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream fields(line);
            std::string cell;
            for (std::size_t i = 0; i <= column; ++i)
                std::getline(fields, cell, '\t');
            cells.push_back(cell);
        }
        return cells;
    }
};

// A club's 40-row sheet numbered 25..64: --at 1 fills channels 1..16 with the first 16 rows
// the radio can hold, lists the rows it cannot hold and names the rest in one warning.
TEST_F(CsvImportTest, AtOneFillsTheChannelsWithTheFirstRowsThatFit) {
    const std::string list = test::testData("interchange/club-repeaters-40.csv");
    std::ofstream(file("club.csv"), std::ios::binary) << list;
    const std::string target = fresh("radio.q7m");
    const std::string before = contents(target);

    const auto refused = runBinary({"import-csv", target, file("club.csv").string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("line 2: Location 25 is not a channel of the radio (1..16)"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(contents(target), before);

    const auto r = runBinary({"import-csv", target, file("club.csv").string(), "--at", "1",
                              "--skip-invalid", "-o", file("out.q7m").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto channels = runBinary({"channels", file("out.q7m").string()});
    EXPECT_EQ(column(channels.out, 2),
              (std::vector<std::string>{"145.11000", "145.14000", "145.17000", "145.20000",
                                        "145.26000", "145.29000", "145.32000", "145.38000",
                                        "145.41000", "145.44000", "145.47000", "145.53000",
                                        "145.56000", "145.59000", "145.62000", "145.65000"}));
    const std::string prefix = "mz58: " + file("club.csv").string() + ": ";
    for (const char* skipped :
         {"line 6: RX 224.940000 MHz is outside the VHF band (134..174 MHz) (row skipped)",
          "line 10: the mode DV cannot be held: the radio has FM and NFM only (row skipped)",
          "line 31: the CTCSS tone 69.4 Hz is not in the radio's list (row skipped)",
          "line 14: power 0.5W taken as Low: below 2 W",
          "rows 20\u201321, 23\u201329, 31\u201340 did not fit: 16 channels"})
        EXPECT_NE(r.err.find(prefix + skipped + "\n"), std::string::npos) << skipped << r.err;
    EXPECT_EQ(r.err.find("line 22: power"), std::string::npos)
        << "rows that did not fit say nothing more";
    EXPECT_EQ(contents(target), before) << "-o leaves the input as it was";
}

TEST_F(CsvImportTest, AtTakesAChannelOneToSixteen) {
    const std::string target = fresh("radio.q7m");
    std::ofstream(file("l.csv")) << "Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                                    "DtcsPolarity,Mode\n146.52,,0,,,,,NN,FM\n";
    for (const char* bad : {"0", "17", "x", "", "3.5"}) {
        const auto r = test::runCli({"import-csv", target, file("l.csv").string(), "--at", bad});
        EXPECT_EQ(r.status, 2) << bad;
    }
    // Without a Location column a list goes in from a start channel.
    const auto r = test::runCli({"import-csv", target, file("l.csv").string(), "--at", "16"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(column(test::runCli({"channels", target}).out, 2).at(15), "146.52000");
}

} // namespace
} // namespace mz58
