#include "ChirpCsv.h"
#include "CliRun.h"
#include "FrequencyRules.h"
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

TEST_F(InteropVerbsTest, ExportThenImportIntoAFreshFileGivesTheSameChannels) {
    ImageState state = test::freshState();
    auto& ch = state.channels.entries;
    const auto set = [&](int i, const char* rx, double offset) {
        ASSERT_FALSE(setRxFromText(ch[static_cast<std::size_t>(i)], rx, state.hardware, offset));
    };
    set(0, "146.940", -0.6);
    set(1, "145.525", 0.0);
    set(2, "147.000", 0.6);
    set(3, "146.52", 5.0);
    set(4, "144.8125", 0.0);
    ch[1].toneType = kToneCtcss, ch[1].txCtcss = 13;
    ch[2].toneType = kToneCtcss, ch[2].txCtcss = ch[2].rxCtcss = 5;
    ch[3].toneType = kToneCtcss, ch[3].rxCtcss = 40;
    ch[4].toneType = kToneCtcss, ch[4].rxCtcss = 2, ch[4].txCtcss = 50;
    ch[5].toneType = kToneDcs, ch[5].rxDcs = ch[5].txDcs = 104;
    ch[6].toneType = kToneDcs, ch[6].txDcs = 8;
    ch[7].toneType = kToneDcs, ch[7].rxDcs = 3;
    ch[8].toneType = kToneDcs, ch[8].rxDcs = 3, ch[8].txDcs = 9;
    ch[9].txInhibit = 1, ch[9].narrow = 1, ch[9].lowPower = 1;
    for (int i : {0, 2, 5, 9, 12})
        ch[static_cast<std::size_t>(i)].scanMember = 1;
    const std::string original = save("orig.q7m", state);
    const std::string fresh = save("fresh.q7m", test::freshState());

    const auto exported = test::runCli({"export-csv", original, "-o", file("plan.csv").string()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const auto imported = test::runCli({"import-csv", fresh, file("plan.csv").string()});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.err, "");
    EXPECT_EQ(test::runCli({"channels", fresh}).out, test::runCli({"channels", original}).out);
}

TEST_F(InteropVerbsTest, UhfPlanSurvivesExportAndImportIntoAFreshUhfFile) {
    const std::string planned = save("planned.q7m", test::freshState(kUhf));
    const std::string fresh = save("fresh.q7m", test::freshState(kUhf));
    std::ofstream(file("uhf.csv"))
        << kChirpCsvHeader << "\r\n"
        << "1,,446.000000,,0.000000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,Low,,,,,\r\n"
           "2,,442.500000,+,5.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,12.50,,High,,,,,\r\n"
           "11,,460.000000,split,465.000000,DTCS,,,023,NR,,,FM,12.50,S,High,,,,,\r\n"
           "16,,450.010000,-,5.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,S,High,,,,,\r\n";
    ASSERT_EQ(test::runCli({"import-csv", planned, file("uhf.csv").string()}).status, 0);
    ASSERT_EQ(test::runCli({"export-csv", planned, "-o", file("out.csv").string()}).status, 0);
    ASSERT_EQ(test::runCli({"import-csv", fresh, file("out.csv").string()}).status, 0);
    const auto channels = test::runCli({"channels", fresh}).out;
    EXPECT_EQ(channels, test::runCli({"channels", planned}).out);
    EXPECT_NE(channels.find("  3\tW\t460.00000\t465.00000\tDCS\t047\t023"), std::string::npos)
        << channels;
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
