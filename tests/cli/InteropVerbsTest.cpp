// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChirpCsv.h"
#include "CliRun.h"
#include "FrequencyRules.h"
#include "Golden.h"
#include "ProgrammingFile.h"
#include "ScanSettings.h"
#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

namespace mz58 {
namespace {

class InteropVerbsTest : public test::TempDirTest {
protected:
    std::string save(const std::string& name, ImageState state) {
        EXPECT_TRUE(SaveProgrammingFile(file(name), state).ok());
        return file(name).string();
    }
};

// A channel plan with every tone mode, duplex and width imported into a file, exported and
// imported again into a fresh file of the same band gives the same channels.
TEST_F(InteropVerbsTest, ExportThenImportIntoAFreshFileGivesTheSameChannels) {
    for (const auto& [band, plan] :
         {std::pair{kVhf, "cli/vhf-plan.csv"}, {kUhf, "cli/uhf-plan.csv"}}) {
        SCOPED_TRACE(plan);
        const std::string planned = save("planned.q7m", test::freshState(band));
        const std::string fresh = save("fresh.q7m", test::freshState(band));
        std::ofstream(file("plan.csv"), std::ios::binary) << test::testData(plan);
        ASSERT_EQ(test::runCli({"import-csv", planned, file("plan.csv").string()}).status, 0);
        const auto exported = test::runCli({"export-csv", planned, "-o", file("out.csv").string()});
        ASSERT_EQ(exported.status, 0) << exported.err;
        const auto imported = test::runCli({"import-csv", fresh, file("out.csv").string()});
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(imported.err, "");
        const auto channels = test::runCli({"channels", fresh}).out;
        EXPECT_EQ(channels, test::runCli({"channels", planned}).out);
        EXPECT_NE(channels, test::runCli({"channels", save("x.q7m", test::freshState(band))}).out);
        if (band == kUhf) {
            EXPECT_NE(channels.find("  3\tW\t460.00000\t465.00000\tDCS\t047\t023"),
                      std::string::npos)
                << channels;
        }
    }
}

TEST_F(InteropVerbsTest, ImportRefusedLeavesTheFileAndExitsOne) {
    const std::string target = save("t.q7m", test::freshState());
    const std::string before = contents(target);
    std::ofstream(file("bad.csv")) << "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                                      "DtcsCode,DtcsPolarity,Mode\n17,146.52,,0,,,,,NN,FM\n";
    const auto r = test::runCli({"import-csv", target, file("bad.csv").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("line 2: Location 17"), std::string::npos) << r.err;
    EXPECT_EQ(contents(target), before);
}

TEST_F(InteropVerbsTest, DiffListsOneLineForEachThingAUserCanSee) {
    const ImageState a = test::freshState();
    ImageState b = a;
    b.image[0x129] = 0x12; // the tuning line: changes the derived tuning byte of every record
    ImageCodec::decodeAll(b);
    // A channel cell: Receive only (Transmit kept by the matching offset).
    ASSERT_FALSE(setRxFromText(b.channels.entries[2], "145.525", b.hardware, 4.475));
    ScanSettings scan;
    scan.decode(b.image);
    scan.resumeTime1 = 6;
    scan.encode(b.image);
    const std::string fileA = save("a.q7m", a);
    const std::string fileB = save("b.q7m", b);

    const auto r = test::runCli({"diff", fileA, fileB});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Ch 3 Receive: 150.00000 -> 145.52500\n"
                     "Scan Resume Time 1: 2 secs -> 5 secs\n"
                     "byte 0x129: 00 -> 12\n");

    const auto same = test::runCli({"diff", fileA, fileA});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");
    EXPECT_EQ(test::runCli({"diff", fileA, file("missing.q7m").string()}).status, 2);
}

TEST_F(InteropVerbsTest, HelpListsEveryVerb) {
    const auto r = test::runCli({"--help"});
    ASSERT_EQ(r.status, 0);
    for (const char* verb : {"new", "info", "dump", "channels", "convert", "report", "read",
                             "write", "verify", "diff", "export-csv", "import-csv"})
        EXPECT_NE(r.out.find(std::string("\n  ") + verb + " "), std::string::npos) << verb;
}

} // namespace
} // namespace mz58
