// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"
#include "FileSizeLimit.h"
#include "Golden.h"
#include "ProgrammingFile.h"
#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <regex>

#include <sys/wait.h>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

class ReportVerb : public test::TempDirTest {
protected:
    void SetUp() override {
        test::TempDirTest::SetUp();
        ASSERT_TRUE(WriteProgrammingFile(file("radio.q7m"), test::freshState().image, 0.0).ok());
    }

    static test::CliResult run(const std::vector<std::string>& args) { return test::runCli(args); }

    // Runs the real program with no display and no Qt platform named in its environment.
    int runHeadless(const std::string& args) {
        const std::string command = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY '" +
                                    std::string(MZ58_BINARY) + "' " + args + " 2>/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Names in the test folder other than the ones given: leftovers of a failed write.
    std::vector<std::string> otherFiles(std::initializer_list<std::string> known) const {
        std::vector<std::string> others;
        for (const auto& entry : fs::directory_iterator(m_dir)) {
            const std::string name = entry.path().filename().string();
            if (std::find(known.begin(), known.end(), name) == known.end())
                others.push_back(name);
        }
        return others;
    }
};

// The report of a fresh image, every channel listed, in tests/data/report/FreshFile.txt.
TEST_F(ReportVerb, TextGoesToStdoutOrToTheFileNamed) {
    const test::CliResult shown = run({"report", file("radio.q7m").string()});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.err, "");
    test::expectGolden("report/FreshFile.txt", shown.out);
    const test::CliResult written =
        run({"report", file("radio.q7m").string(), "-o", file("report.txt").string()});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(contents(file("report.txt")), shown.out);
    EXPECT_EQ(otherFiles({"radio.q7m", "report.txt"}), std::vector<std::string>{});
}

TEST_F(ReportVerb, PdfWithoutADisplay) {
    for (const std::string output : {"report.pdf", "REPORT.PDF"}) {
        SCOPED_TRACE(output);
        ASSERT_EQ(runHeadless("report '" + file("radio.q7m").string() + "' -o '" +
                              file(output).string() + "'"),
                  0);
        const std::string pdf = contents(file(output));
        ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
        const std::regex page(R"(/Type\s*/Page(?![a-z]))");
        EXPECT_EQ(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page),
                                std::sregex_iterator()),
                  3);
        EXPECT_EQ(otherFiles({"radio.q7m", output}), std::vector<std::string>{});
        fs::remove(file(output));
    }
}

// A failed report writes nothing: no output, no partial file, an existing file kept.
TEST_F(ReportVerb, FailuresLeaveNoReport) {
    std::ofstream(file("short.q7m"), std::ios::binary) << std::string(519, 'x');
    std::ofstream(file("long.q7m"), std::ios::binary) << std::string(521, 'x');
    std::ofstream(file("old.txt"), std::ios::binary) << "old report";
    const std::string formatError = "文件格式错误或不支持";
    const struct {
        const char* input;
        const char* output; // none when empty
        std::string message;
    } cases[] = {
        {"short.q7m", "", formatError},        {"long.q7m", "", formatError},
        {"short.q7m", "old.txt", formatError}, {"short.q7m", "new.pdf", formatError},
        {"none.q7m", "", "文件打开错误"},      {"radio.q7m", "missing/r.txt", "文件打开错误"},
        {"radio.q7m", ".", "文件打开错误"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.input) + " -o " + c.output);
        std::vector<std::string> args = {"report", file(c.input).string()};
        if (*c.output)
            args.insert(args.end(), {"-o", file(c.output).string()});
        const test::CliResult r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(contents(file("old.txt")), "old report");
        EXPECT_EQ(otherFiles({"short.q7m", "long.q7m", "old.txt", "radio.q7m"}),
                  std::vector<std::string>{});
    }
}

TEST_F(ReportVerb, AFullDiskFailsAndKeepsTheOldReport) {
    for (const char* output : {"old.pdf", "old.txt"}) {
        SCOPED_TRACE(output);
        std::ofstream(file(output), std::ios::binary) << "old report";
        test::CliResult r;
        {
            const test::FileSizeLimit limit(200);
            r = run({"report", file("radio.q7m").string(), "-o", file(output).string()});
        }
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("文件写入错误"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
        EXPECT_EQ(contents(file(output)), "old report");
    }
    EXPECT_EQ(otherFiles({"radio.q7m", "old.pdf", "old.txt"}), std::vector<std::string>{});
}

TEST_F(ReportVerb, UsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"report"},
        {"report", "a.q7m", "b.q7m"},
        {"report", "a.q7m", "-o"},
        {"report", "a.q7m", "--paper", "a4"},
    };
    for (const auto& args : cases) {
        const test::CliResult r = run(args);
        EXPECT_EQ(r.status, 2) << args.size();
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(ReportVerb, NeverWritesOverItsOwnProgrammingFile) {
    const auto input = file("radio.q7m");
    const std::string before = contents(input);
    fs::create_symlink(input, file("link.q7m"));
    for (const auto& output : {input, file("link.q7m"), m_dir / "." / "radio.q7m"}) {
        const test::CliResult r = run({"report", input.string(), "-o", output.string()});
        EXPECT_EQ(r.status, 2) << output;
        EXPECT_EQ(contents(input), before);
    }
}

} // namespace
} // namespace mz58
