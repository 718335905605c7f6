#include "CliRun.h"
#include "ProgrammingFile.h"
#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, sep))
        parts.push_back(part);
    return parts;
}

class FileVerbsTest : public test::TempDirTest {
protected:
    static test::CliResult run(const std::vector<std::string>& args) { return test::runCli(args); }
};

TEST_F(FileVerbsTest, NewUhfImage) {
    const auto r = run({"new", "--band", "uhf", "-o", file("u.q7m").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = contents(file("u.q7m"));
    ASSERT_EQ(bytes.size(), 520u);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[46]), 0x11);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[47]), 0x2B);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[49]), 0xBC);
    EXPECT_EQ(bytes.substr(512), std::string("\0\0\0\0\0\0\x14\x40", 8)) << "offset 5.0";

    const auto info = run({"info", file("u.q7m").string()});
    ASSERT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("Band:\tUHF\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Local offset:\t5.0000 MHz\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Serial number:\t000000\n"), std::string::npos);
    EXPECT_NE(info.out.find("Option unit:\tNo\n"), std::string::npos);

    const auto channels = run({"channels", file("u.q7m").string()});
    const auto last = split(split(channels.out, '\n')[15], '\t');
    EXPECT_EQ(std::vector<std::string>(last.begin(), last.begin() + 4),
              (std::vector<std::string>{"  8", "W", "450.00000", "450.00000"}));
}

TEST_F(FileVerbsTest, ChannelsOfAFreshVhfImage) {
    ASSERT_EQ(run({"new", "-o", file("v.q7m").string()}).status, 0);
    const auto r = run({"channels", file("v.q7m").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = split(r.out, '\n');
    ASSERT_EQ(lines.size(), 16u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto cells = split(lines[i], '\t');
        ASSERT_EQ(cells.size(), 21u) << lines[i];
        EXPECT_EQ(cells[0], "  " + std::to_string(i % 8 + 1));
    }
    const auto first = split(lines[0], '\t');
    EXPECT_EQ(std::vector<std::string>(first.begin(), first.begin() + 5),
              (std::vector<std::string>{"  1", "W", "150.00000", "150.00000", "-----"}));
}

TEST_F(FileVerbsTest, DumpIsTheImageDataView) {
    ImageState state = test::freshState();
    state.image[0x1F] = 0xAB;
    ASSERT_TRUE(WriteProgrammingFile(file("d.q7m"), state.image, 0.0).ok());
    const auto r = run({"dump", file("d.q7m").string()});
    ASSERT_EQ(r.status, 0);
    const auto lines = split(r.out, '\n');
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(lines[0].substr(0, 9), "\t00\t01\t02");
    EXPECT_EQ(split(lines[0], '\t').back(), "0f");
    EXPECT_EQ(split(lines[2], '\t')[0], "");
    EXPECT_EQ(split(lines[2], '\t')[16], "ab");
    EXPECT_EQ(split(lines[31], '\t')[0], "001e0h");
    EXPECT_EQ(split(lines[32], '\t')[0], "");
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

TEST_F(FileVerbsTest, BadInputGetsAMessageAndStatusOne) {
    std::ofstream(file("short.q7m"), std::ios::binary) << std::string(519, 'x');
    std::ofstream(file("empty.q7m"), std::ios::binary);
    fs::create_directory(file("dir.q7m"));
    ASSERT_EQ(::mkfifo(file("fifo.q7m").c_str(), 0600), 0);
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
}

TEST_F(FileVerbsTest, ReadOnlyTargetIsRefusedAndKept) {
    ASSERT_EQ(run({"new", "-o", file("in.q7m").string()}).status, 0);
    std::ofstream(file("ro.q7m"), std::ios::binary) << std::string(520, 'r');
    fs::permissions(file("ro.q7m"), fs::perms::owner_read);
    const auto r = run({"convert", file("in.q7m").string(), "-o", file("ro.q7m").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("文件属性为只读"), std::string::npos) << r.err;
    EXPECT_EQ(contents(file("ro.q7m")), std::string(520, 'r'));
}

// The real binary, with the file size limit at zero so that no write can complete: the old
// file must come through byte for byte and the status must say failure.
TEST_F(FileVerbsTest, SaveThatCannotCompleteKeepsThePreviousFile) {
    ASSERT_EQ(run({"new", "-o", file("in.q7m").string()}).status, 0);
    std::ofstream(file("old.q7m"), std::ios::binary) << std::string(520, 'o');
    // stderr goes to a pipe: with the size limit at zero no file could take it.
    const std::string command = "trap '' XFSZ; ulimit -f 0; exec '" + std::string(MZ58_BINARY) +
                                "' convert '" + file("in.q7m").string() + "' -o '" +
                                file("old.q7m").string() + "' 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    const int status = ::pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(output.find("文件写入错误"), std::string::npos) << output;
    EXPECT_EQ(contents(file("old.q7m")), std::string(520, 'o'));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator{}), 2)
        << "no temporary file left behind";
}

} // namespace
} // namespace mz58
