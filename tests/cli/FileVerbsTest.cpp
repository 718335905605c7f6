// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"
#include "Golden.h"
#include "ProgrammingFile.h"
#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

class FileVerbsTest : public test::TempDirTest {
protected:
    static test::CliResult run(const std::vector<std::string>& args) { return test::runCli(args); }
};

// What info, channels and dump print for fresh files of both bands, in
// tests/data/cli/fresh-files.txt: the dump is the fresh image byte by byte. The UHF file's
// trailer holds the offset 5.0.
TEST_F(FileVerbsTest, FreshFilesAsTheVerbsShowThem) {
    std::string shown;
    for (const std::string band : {"vhf", "uhf"}) {
        const std::string path = file(band + ".q7m").string();
        const auto made = run({"new", "--band", band, "-o", path});
        ASSERT_EQ(made.status, 0) << made.err;
        const std::string bytes = contents(path);
        ASSERT_EQ(bytes.size(), 520u);
        for (const std::string verb : {"info", "channels", "dump"}) {
            const auto r = run({verb, path});
            ASSERT_EQ(r.status, 0) << r.err;
            shown += "== " + band + " " + verb + "\n" + r.out;
        }
        if (band == "uhf") {
            EXPECT_EQ(bytes.substr(512), std::string("\0\0\0\0\0\0\x14\x40", 8));
        }
    }
    test::expectGolden("cli/fresh-files.txt", shown);
}

TEST_F(FileVerbsTest, ConvertEncodesAll) {
    // A file whose reserved record bits are set comes out with them clear, the rest kept.
    ImageState state = test::freshState();
    state.image[kFirstRecord] |= 0x40;
    state.image[400] = 0x77;
    ASSERT_TRUE(WriteProgrammingFile(file("in.q7m"), state.image, -0.6).ok());
    const auto r = run({"convert", file("in.q7m").string(), "-o", file("out.q7m").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string out = contents(file("out.q7m"));
    EXPECT_EQ(static_cast<std::uint8_t>(out[kFirstRecord]) & 0x40, 0);
    EXPECT_EQ(out[400], 0x77);
    EXPECT_EQ(out.substr(512), contents(file("in.q7m")).substr(512));
}

// A file with values the radio cannot use opens: the verbs that show values name each one on
// stderr and still succeed; convert keeps the bytes.
TEST_F(FileVerbsTest, UnusableValuesAreNamedOnStderr) {
    ImageState state = test::freshState(kUhf);
    const std::size_t record = kFirstRecord + kChannelRecordSize * 11;
    state.image[record + 1] |= 0x80; // 12.5 kHz step
    state.image[record + 6] = 0xFE;  // 1269.2 MHz
    state.image[record + 7] = 0xE4;
    ASSERT_TRUE(WriteProgrammingFile(file("odd.q7m"), state.image, 5.0).ok());
    const std::string line = "mz58: Ch 12 Receive: 1269.20000 MHz is outside 400\u2013512 MHz\n";
    for (const std::string verb : {"info", "channels", "report", "convert", "dump"}) {
        SCOPED_TRACE(verb);
        std::vector<std::string> args{verb, file("odd.q7m").string()};
        if (verb == "convert")
            args.insert(args.end(), {"-o", file("out.q7m").string()});
        const auto r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err.find(line) != std::string::npos, verb != "dump") << r.err;
    }
    EXPECT_EQ(contents(file("out.q7m")).substr(record, 12),
              contents(file("odd.q7m")).substr(record, 12));
}

TEST_F(FileVerbsTest, BadInputGetsAMessageAndStatusOne) {
    std::ofstream(file("short.q7m"), std::ios::binary) << std::string(519, 'x');
    std::ofstream(file("empty.q7m"), std::ios::binary);
    fs::create_directory(file("dir.q7m"));
    ASSERT_EQ(::mkfifo(file("fifo.q7m").c_str(), 0600), 0);
    ASSERT_EQ(run({"new", "-o", file("in.q7m").string()}).status, 0);
    std::ofstream(file("ro.q7m"), std::ios::binary) << std::string(520, 'r');
    fs::permissions(file("ro.q7m"), fs::perms::owner_read);
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {"wrong size", {"info", file("short.q7m").string()}, 1, "文件格式错误或不支持"},
        {"empty file", {"channels", file("empty.q7m").string()}, 1, "文件读取错误"},
        {"missing file", {"dump", file("none.q7m").string()}, 1, "文件打开错误"},
        {"directory", {"info", file("dir.q7m").string()}, 1, "Is a directory"},
        {"FIFO is refused, never opened",
         {"info", file("fifo.q7m").string()},
         1,
         "not a regular file"},
        {"save into a directory", {"new", "-o", file("dir.q7m").string()}, 1, "文件打开错误"},
        {"read-only target",
         {"convert", file("in.q7m").string(), "-o", file("ro.q7m").string()},
         1,
         "文件属性为只读"},
        {"unknown verb", {"frobnicate"}, 2, "unknown command"},
        {"missing output", {"new"}, 2, "usage"},
        {"bad band", {"new", "--band", "hf", "-o", "x"}, 2, "--band"},
        {"option without value", {"new", "-o"}, 2, "needs a value"},
        {"extra argument", {"info", "a", "b"}, 2, "usage"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = run(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(contents(file("ro.q7m")), std::string(520, 'r'));
}

} // namespace
} // namespace mz58
