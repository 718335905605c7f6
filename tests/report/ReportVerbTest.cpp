#include "Cli.h"
#include "ProgrammingFile.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

class ReportVerb : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() /
                (std::string("mz58-report-") + info->name() + "-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    Result run(std::vector<std::string> args) {
        std::ostringstream out, err;
        const int status = cli::run(args, out, err);
        return {status, out.str(), err.str()};
    }

    // Runs the real program with no display and no Qt platform named in its environment.
    int runHeadless(const std::string& args) {
        const std::string command = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY '" +
                                    std::string(MZ58_BINARY) + "' " + args + " 2>/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path file(const std::string& name) const { return m_dir / name; }

    fs::path programmingFile(const std::string& name, const ImageState& state) {
        test::RecordingPrompter prompter;
        EXPECT_TRUE(
            WriteProgrammingFile(file(name), state.image, state.localOffset, prompter, name));
        return file(name);
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

    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path m_dir;
};

ImageState withoutChannels() {
    ImageState state = test::freshState();
    for (auto& channel : state.channels.entries)
        channel.inUse = 0;
    ImageCodec::encodeAll(state);
    return state;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

int pdfPageObjects(const std::string& pdf) {
    const std::regex page(R"(/Type\s*/Page(?![a-z]))");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST_F(ReportVerb, TextPagesAreSeparatedByAFormFeedLine) {
    const struct {
        const char* name;
        ImageState state;
        std::size_t pages;
    } cases[] = {
        {"channels", test::freshState(), 3},
        {"no channel", withoutChannels(), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto input = programmingFile("radio.q7m", c.state);
        const Result r = run({"report", input.string()});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const auto text = lines(r.out);
        EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), "\f")),
                  c.pages - 1);
        EXPECT_EQ(text.front(), "        **************************************************");
        EXPECT_EQ(text[4],
                  "                                                   File Name: radio.q7m");
        EXPECT_EQ(text.back(), "");
        EXPECT_EQ(r.out.back(), '\n');
        for (const auto& line : text)
            EXPECT_TRUE(line == "\f" || line.find('\f') == std::string::npos) << line;
    }
}

TEST_F(ReportVerb, TextFileHoldsWhatStdoutShows) {
    const auto input = programmingFile("radio.q7m", test::freshState());
    const Result shown = run({"report", input.string()});
    const Result written = run({"report", input.string(), "-o", file("report.txt").string()});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(contents(file("report.txt")), shown.out);
    EXPECT_EQ(otherFiles({"radio.q7m", "report.txt"}), std::vector<std::string>{});
}

TEST_F(ReportVerb, PdfWithoutADisplay) {
    const struct {
        const char* name;
        ImageState state;
        const char* output;
        int pages;
    } cases[] = {
        {"channels", test::freshState(), "report.pdf", 3},
        {"no channel", withoutChannels(), "REPORT.PDF", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto input = programmingFile("radio.q7m", c.state);
        ASSERT_EQ(
            runHeadless("report '" + input.string() + "' -o '" + file(c.output).string() + "'"), 0);
        const std::string pdf = contents(file(c.output));
        ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_EQ(pdfPageObjects(pdf), c.pages);
        EXPECT_EQ(otherFiles({"radio.q7m", c.output}), std::vector<std::string>{});
        fs::remove(file(c.output));
    }
}

// A failed report writes nothing: no output, no partial file, an existing file kept.
TEST_F(ReportVerb, FailuresLeaveNoReport) {
    std::ofstream(file("short.q7m"), std::ios::binary) << std::string(519, 'x');
    std::ofstream(file("long.q7m"), std::ios::binary) << std::string(521, 'x');
    std::ofstream(file("old.txt"), std::ios::binary) << "old report";
    const auto good = programmingFile("good.q7m", test::freshState());
    const std::string formatError = "文件格式错误或不支持";
    const std::string createError = "文件打开错误";
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {"short file to stdout", {"report", file("short.q7m").string()}, formatError},
        {"long file to stdout", {"report", file("long.q7m").string()}, formatError},
        {"short file over a text",
         {"report", file("short.q7m").string(), "-o", file("old.txt").string()},
         formatError},
        {"short file to a pdf",
         {"report", file("short.q7m").string(), "-o", file("new.pdf").string()},
         formatError},
        {"missing file", {"report", file("none.q7m").string()}, "文件打开错误"},
        {"output folder missing",
         {"report", good.string(), "-o", file("missing/r.txt").string()},
         createError},
        {"output is a folder", {"report", good.string(), "-o", m_dir.string()}, "文件写入错误"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Result r = run(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(contents(file("old.txt")), "old report");
        EXPECT_EQ(otherFiles({"short.q7m", "long.q7m", "old.txt", "good.q7m"}),
                  std::vector<std::string>{});
    }
}

TEST_F(ReportVerb, UsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"report"},
        {"report", "a.q7m", "b.q7m"},
        {"report", "a.q7m", "-o"},
        {"report", "a.q7m", "--paper", "a4"},
    };
    for (const auto& args : cases) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 2) << args.size();
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(ReportVerb, NeverWritesOverItsOwnProgrammingFile) {
    const auto input = programmingFile("radio.q7m", test::freshState());
    const std::string before = contents(input);
    fs::create_symlink(input, file("link.q7m"));
    for (const auto& output : {input, file("link.q7m"), m_dir / "." / "radio.q7m"}) {
        const Result r = run({"report", input.string(), "-o", output.string()});
        EXPECT_EQ(r.status, 2) << output;
        EXPECT_EQ(contents(input), before);
    }
}

} // namespace
} // namespace mz58
