// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildProcess.h"
#include "CloneProtocol.h"
#include "ImageCodec.h"
#include "LinkMessages.h"
#include "ProgrammingFile.h"
#include "ProtocolFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <thread>

#include <unistd.h>

namespace mz58::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Generous: the machine running the tests may be busy. Nothing is timed.
constexpr auto kRunTimeout = 90s;
constexpr auto kPortTimeout = 20s;
// A silent radio is switched on this long after the first wake-up byte: well after the PC's
// first read has timed out, so the PC is waiting for 0x50 by then.
const std::string kPowerOnAfterMs = "1500";

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

class RadioSimTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "mz58-sim-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        // Backups written without --backup-dir land here.
        ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
        radioFile = dir / "radio.q7m";
        writeImage(radioFile, radioImage, 0.0);

        ImageState file = freshState();
        for (std::size_t i = 6; i < 26; ++i)
            file.image[i] = static_cast<std::uint8_t>(0xB0 + i);
        file.image[351] = 0x99;
        ImageCodec::decodeAll(file);
        ImageCodec::encodeAll(file);
        fileImage = file.image;
        programmingFile = dir / "file.q7m";
        writeImage(programmingFile, fileImage, 0.0);
    }

    void TearDown() override {
        sims.clear();
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    void writeImage(const fs::path& path, const RadioImage& image, LocalOffset offset) {
        ASSERT_TRUE(WriteProgrammingFile(path, image, offset).ok());
    }

    RadioImage imageOf(const fs::path& path) {
        RadioImage image{};
        LocalOffset offset = 0;
        EXPECT_TRUE(ReadProgrammingFile(path, image, offset).ok()) << path;
        return image;
    }

    // Starts the simulator on the radio's file with extra arguments; returns its port.
    std::string startSim(std::vector<std::string> args) {
        args.insert(args.begin(), {MZ58_RADIOSIM_EXE, "--image", radioFile.string()});
        ChildProcess::Options options;
        options.stderrFile = dir / ("sim" + std::to_string(sims.size()) + ".err");
        sims.push_back(std::make_unique<ChildProcess>(args, options));
        const auto line = sims.back()->readLine(kPortTimeout);
        if (!line || !line->starts_with("PORT ")) {
            ADD_FAILURE() << "simulator did not report its port: " << readFile(options.stderrFile);
            return "/nonexistent";
        }
        return line->substr(5);
    }

    // Starts a program with its stdout and stderr in files named after `name`.
    std::unique_ptr<ChildProcess> start(const std::vector<std::string>& argv,
                                        const std::string& name = "run") {
        ChildProcess::Options options;
        options.stdoutFile = dir / (name + ".out");
        options.stderrFile = dir / (name + ".err");
        return std::make_unique<ChildProcess>(argv, options);
    }

    RunResult finish(ChildProcess& process, const std::string& name = "run") {
        const auto status = process.waitFor(kRunTimeout);
        EXPECT_TRUE(status.has_value()) << "the program did not end";
        return {status.value_or(-1), readFile(dir / (name + ".out")),
                readFile(dir / (name + ".err"))};
    }

    RunResult run(const std::vector<std::string>& argv) { return finish(*start(argv)); }

    RunResult mz58(std::vector<std::string> args) {
        args.insert(args.begin(), MZ58_EXE);
        return run(args);
    }

    // The image a write of `programmingFile` sends to the simulated radio `radio`.
    RadioImage expectedWritten(bool maintenance = false, const RadioImage* radio = nullptr) {
        ImageState state;
        state.image = fileImage;
        takeRadioData(state, radio ? *radio : radioImage, maintenance);
        return state.image;
    }

    // The message's own words, up to its first line break or argument.
    static bool mentions(const RunResult& run, StringId id) {
        const std::string_view text = stringText(id);
        const std::string words(text.substr(0, text.find_first_of("\r%")));
        return !words.empty() && run.err.find(words) != std::string::npos;
    }

    fs::path dir;
    fs::path radioFile;
    fs::path programmingFile;
    RadioImage radioImage = radioImageWithAlignment();
    RadioImage fileImage{};
    std::vector<std::unique_ptr<ChildProcess>> sims;
};

std::vector<std::string> stateArgs(const std::string& state) {
    if (state == "off")
        return {"--pace", "fast", "--state", "off", "--power-on-after", kPowerOnAfterMs};
    return {"--pace", "fast", "--state", state};
}

struct GoodCase {
    const char* name;
    const char* state;
    bool maintenance; // the write sends the maintenance header
};

class GoodTransferTest : public RadioSimTest, public ::testing::WithParamInterface<GoodCase> {};

TEST_P(GoodTransferTest, ReadSavesExactlyWhatTheRadioHolds) {
    const std::string port = startSim(stateArgs(GetParam().state));
    const fs::path out = dir / "read.q7m";

    const RunResult run = mz58({"read", "--port", port, "-o", out.string()});

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(mentions(run, msg::kReadComplete)) << run.err;
    EXPECT_EQ(readFile(out), readFile(radioFile));
}

TEST_P(GoodTransferTest, WriteStoresTheFileAlignedForTheRadioAndKeepsABackup) {
    const fs::path saved = dir / "saved.q7m";
    const fs::path backups = dir / "backups";
    auto args = stateArgs(GetParam().state);
    args.insert(args.end(), {"--save-to", saved.string(), "--once"});
    const std::string port = startSim(args);
    std::vector<std::string> write{"write",        "--port",        port, programmingFile.string(),
                                   "--backup-dir", backups.string()};
    if (GetParam().maintenance)
        write.push_back("--maintenance");
    const std::string fileBefore = readFile(programmingFile);

    const RunResult run = mz58(write);

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(mentions(run, msg::kWriteComplete)) << run.err;
    const RadioImage expected = expectedWritten(GetParam().maintenance);
    ASSERT_NE(expected, fileImage) << "the radio's alignment must change the image";
    // Maintenance mode writes the file's serial number, a normal write keeps the radio's.
    const RadioImage& serialFrom = GetParam().maintenance ? fileImage : radioImage;
    EXPECT_TRUE(
        std::equal(expected.begin() + 349, expected.begin() + 352, serialFrom.begin() + 349));
    EXPECT_EQ(imageOf(saved), expected);
    EXPECT_EQ(readFile(programmingFile), fileBefore) << "write never changes its file";
    EXPECT_EQ(sims.back()->waitFor(kRunTimeout), 0) << "--once ends after the transfer";

    // The backup holds the radio's memory from before the write.
    const auto at = run.out.find("backup: ");
    ASSERT_NE(at, std::string::npos) << run.out;
    const fs::path backup = run.out.substr(at + 8, run.out.find('\n', at) - at - 8);
    EXPECT_EQ(backup.parent_path(), backups);
    EXPECT_EQ(imageOf(backup), radioImage);
}

INSTANTIATE_TEST_SUITE_P(States, GoodTransferTest,
                         ::testing::Values(GoodCase{"Clone", "clone", false},
                                           GoodCase{"OffMaintenance", "off", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RadioSimTest, WriteKeepsItsBackupInTheDataHomeAndVerifyFindsTheFile) {
    const std::string port = startSim({"--pace", "fast"});
    const RunResult write = mz58({"write", "--port", port, programmingFile.string()});
    ASSERT_EQ(write.status, 0) << write.err;
    const fs::path backups = dir / "data" / "MZ58Win" / "backups";
    ASSERT_TRUE(fs::is_directory(backups));
    EXPECT_EQ(std::distance(fs::directory_iterator(backups), fs::directory_iterator{}), 1);

    const RunResult same = mz58({"verify", "--port", port, programmingFile.string()});
    EXPECT_EQ(same.status, 0) << same.err << same.out;
    EXPECT_EQ(same.out, "radio matches " + programmingFile.string() + "\n");

    // Another serial number matters only to a maintenance-mode write; a channel always.
    ImageState other;
    ImageCodec::resetAll(other);
    other.image = fileImage;
    other.image[349] = 0x42;
    ImageCodec::decodeAll(other);
    const fs::path otherSerial = dir / "other-serial.q7m";
    writeImage(otherSerial, other.image, 0.0);
    other.channels.entries[2].rxFrequency = 14652500;
    ImageCodec::encodeAll(other);
    const fs::path otherChannel = dir / "other-channel.q7m";
    writeImage(otherChannel, other.image, 0.0);
    const struct {
        fs::path file;
        bool maintenance;
        int status;
        std::string firstLine; // radio value first, file value second
    } cases[] = {
        {otherSerial, false, 0, "radio matches " + otherSerial.string()},
        {otherSerial, true, 1, "Serial No: 123456 -> 420099"},
        {otherChannel, false, 1, "Ch 3 Receive: 150.00000 -> 146.52500"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"verify", "--port", port, c.file.string()};
        if (c.maintenance)
            args.push_back("--maintenance");
        const RunResult verify = mz58(args);
        EXPECT_EQ(verify.status, c.status) << verify.err;
        EXPECT_EQ(verify.out.substr(0, verify.out.find('\n')), c.firstLine) << verify.out;
        EXPECT_EQ(c.status == 1, mentions(verify, msg::kRadioDiffers)) << verify.err;
    }
}

// A dealer's bench: one file into three radios on one cable, each taken when switched on.
struct BatchCase {
    const char* name;
    const char* fault; // nullptr: every radio takes the file
    int status;
};

class BatchTest : public RadioSimTest, public ::testing::WithParamInterface<BatchCase> {};

TEST_P(BatchTest, WritesEachRadioKeepingItsSerialNumberAndLogsIt) {
    std::vector<std::string> sim{
        "--pace",           "fast",   "--radios",  "3",
        "--serial-base",    "100001", "--save-to", (dir / "radio-%d.q7m").string(),
        "--power-on-after", "300"};
    if (GetParam().fault)
        sim.insert(sim.end(), {"--fault", GetParam().fault});
    const std::string port = startSim(sim);
    const fs::path log = dir / "bench.csv";
    const fs::path backups = dir / "backups";

    const RunResult run = mz58({"write", "--port", port, programmingFile.string(), "--radios", "3",
                                "--log", log.string(), "--backup-dir", backups.string()});

    EXPECT_EQ(run.status, GetParam().status) << run.err;
    const bool secondFails = GetParam().fault != nullptr;
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < run.out.size();) {
        const auto end = run.out.find('\n', at);
        lines.push_back(run.out.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(lines.size(), 3u) << run.out;
    const std::string logText = readFile(log);
    EXPECT_EQ(logText.rfind("time,radio,serial,result,backup,file\n", 0), 0u) << logText;
    EXPECT_EQ(std::count(logText.begin(), logText.end(), '\n'), 4) << logText;
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        const std::string serial = "10000" + std::to_string(k);
        const std::string& line = lines[static_cast<std::size_t>(k - 1)];
        const fs::path saved = dir / ("radio-" + std::to_string(k) + ".q7m");
        const std::string head = "radio " + std::to_string(k) + " of 3: ";
        if (secondFails && k == 2) {
            EXPECT_EQ(line.rfind(head + "failed: ", 0), 0u) << line;
            EXPECT_FALSE(fs::exists(saved));
            EXPECT_NE(logText.find(",2," + serial + ",write error"), std::string::npos);
            continue;
        }
        EXPECT_EQ(
            line.rfind(head + "written, serial " + serial + ", backup " + backups.string(), 0), 0u)
            << line;
        RadioImage radio = radioImage;
        radio[349] = 0x10;
        radio[350] = 0x00;
        radio[351] = static_cast<std::uint8_t>(k);
        EXPECT_EQ(imageOf(saved), expectedWritten(false, &radio));
        EXPECT_NE(logText.find("," + std::to_string(k) + "," + serial + ",written,"),
                  std::string::npos)
            << logText;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(backups), fs::directory_iterator{}), 3);
}

INSTANTIATE_TEST_SUITE_P(Bench, BatchTest,
                         ::testing::Values(BatchCase{"AllWritten", nullptr, 0},
                                           BatchCase{"SecondRefuses", "nak@2", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RadioSimTest, CableTestNamesWhatFailed) {
    const std::string good = startSim({"--pace", "fast"});
    const std::string silent = startSim({"--pace", "fast", "--fault", "no-echo"});
    const std::string missing = (dir / "ttyNone").string();
    const struct {
        std::string port;
        int status;
        std::string text;
    } cases[] = {{good, 0, "cable OK: echo on " + good},
                 {silent, 1, "no echo: is the cable plugged in? is the radio off?"},
                 {missing, 1, "no such port"}};
    for (const auto& c : cases) {
        const RunResult run = mz58({"cable-test", "--port", c.port});
        EXPECT_EQ(run.status, c.status) << c.port << run.err;
        EXPECT_NE((c.status == 0 ? run.out : run.err).find(c.text), std::string::npos)
            << run.out << run.err;
    }
}

// A USB adapter hands the echoes over in batches; the write still checks each of them.
TEST_F(RadioSimTest, EchoFaultIsFoundUnderAdapterLatency) {
    for (const bool loseEcho : {false, true}) {
        SCOPED_TRACE(loseEcho);
        const fs::path saved = dir / ("latency-" + std::to_string(loseEcho) + ".q7m");
        std::vector<std::string> sim{"--pace",    "fast",         "--latency", "16",
                                     "--save-to", saved.string(), "--once"};
        if (loseEcho)
            sim.insert(sim.end(), {"--fault", "lose-echo"});
        const std::string port = startSim(sim);
        const RunResult run = mz58({"write", "--port", port, programmingFile.string(),
                                    "--backup-dir", (dir / "backups").string()});
        EXPECT_EQ(run.status, loseEcho ? 1 : 0) << run.err;
        EXPECT_EQ(mentions(run, msg::kWriteError), loseEcho) << run.err;
        EXPECT_EQ(fs::exists(saved), !loseEcho) << "a lost echo leaves the radio as it was";
    }
}

struct FaultCase {
    const char* fault;
    const char* verb;
    const char* state;
    StringId message;  // 0: the transfer succeeds
    bool backupKept;   // a write got as far as keeping the radio's memory
    bool outputExists; // the read's file and the radio's --save-to file hold something already
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.verb << ' ' << c.fault;
}

class FaultTest : public RadioSimTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, EndsWithItsMessageAndWritesNoFile) {
    const FaultCase& c = GetParam();
    const bool read = c.verb == std::string("read");
    const fs::path out = dir / "out.q7m";
    const fs::path saved = dir / "saved.q7m";
    const fs::path backups = dir / "backups";
    const std::string previous(kProgrammingFileSize, '\x5A');
    if (c.outputExists) {
        std::ofstream(out, std::ios::binary) << previous;
        std::ofstream(saved, std::ios::binary) << previous;
    }
    auto args = stateArgs(c.state);
    args.insert(args.end(), {"--save-to", saved.string()});
    if (c.fault == std::string("other-band")) // a UHF file for the VHF radio: nothing is sent
        writeImage(programmingFile, freshState(kUhf).image, 5.0);
    else
        args.insert(args.end(), {"--fault", c.fault});
    const std::string port = startSim(args);
    const std::string fileBefore = readFile(programmingFile);

    const RunResult run = read ? mz58({"read", "--port", port, "-o", out.string()})
                               : mz58({"write", "--port", port, programmingFile.string(),
                                       "--backup-dir", backups.string()});

    if (c.message == 0) {
        EXPECT_EQ(run.status, 0) << run.err;
        if (read) {
            EXPECT_EQ(readFile(out), readFile(radioFile));
        } else {
            EXPECT_EQ(imageOf(saved), expectedWritten());
        }
        return;
    }
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(mentions(run, c.message))
        << "expected " << stringText(c.message) << " in: " << run.err;
    EXPECT_EQ(fs::exists(out), c.outputExists);
    EXPECT_EQ(fs::exists(saved), c.outputExists) << "the radio stored nothing";
    if (c.outputExists) {
        EXPECT_EQ(readFile(out), previous);
        EXPECT_EQ(readFile(saved), previous);
    }
    EXPECT_EQ(readFile(programmingFile), fileBefore);
    if (!read) {
        EXPECT_EQ(fs::exists(backups), c.backupKept);
    }
}

// One run for each fault the simulator offers and for a file of the other band, half of them
// over files that exist already; the protocol's handling of every fault is checked on the
// in-memory line (CloneProtocolTest).
// no-ack and garbage-ack each take 30 reads of 0.5 s.
INSTANTIATE_TEST_SUITE_P(
    Faults, FaultTest,
    ::testing::Values(
        FaultCase{"no-echo", "read", "off", msg::kCheckConnection, false, false},
        FaultCase{"bad-checksum", "read", "clone", msg::kReadError, false, true},
        FaultCase{"short-block", "read", "clone", msg::kReadError, false, false},
        FaultCase{"long-length", "read", "clone", msg::kReadError, false, true},
        FaultCase{"hangup-mid-block", "read", "clone", msg::kReadError, false, false},
        FaultCase{"noise-before-header", "read", "clone", 0, false, true},
        FaultCase{"bad-checksum", "write", "clone", msg::kRadioChecksumError, false, false},
        FaultCase{"noise-before-header", "write", "clone", 0, true, true},
        FaultCase{"hangup-mid-block", "write", "clone", msg::kWriteError, false, false},
        FaultCase{"nak", "write", "clone", msg::kWriteError, true, false},
        FaultCase{"no-ack", "write", "clone", msg::kWriteError, true, true},
        FaultCase{"garbage-ack", "write", "clone", msg::kWriteError, true, false},
        FaultCase{"other-band", "write", "clone", msg::kHardwareMismatch, false, false}),
    [](const auto& info) {
        std::string name =
            std::string(info.param.verb) + "_" + info.param.fault + "_" + info.param.state;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// While mz58 waits for a silent radio it holds the port: a second program cannot open it;
// Ctrl-C cancels the wait. (The line settings are checked on the port itself, SerialPortTest.)
TEST_F(RadioSimTest, HeldPortIsExclusiveAndCtrlCCancels) {
    const std::string port =
        startSim({"--pace", "fast", "--state", "off", "--power-on-after", "600000"});
    auto holder =
        start({MZ58_EXE, "read", "--port", port, "-o", (dir / "out.q7m").string()}, "holder");
    // Wait until the holder has the port open: stty then fails on it (busy) or shows the
    // cable's speed.
    const auto deadline = Clock::now() + kPortTimeout;
    for (RunResult stty; Clock::now() < deadline;) {
        std::this_thread::sleep_for(50ms);
        stty = run({"/bin/stty", "-F", port});
        if (stty.err.find("busy") != std::string::npos ||
            stty.out.find("4800") != std::string::npos)
            break;
    }

    const RunResult second = mz58({"read", "--port", port, "-o", (dir / "second.q7m").string()});
    EXPECT_EQ(second.status, 1);
    EXPECT_TRUE(mentions(second, msg::kSerialPortError)) << second.err;

    holder->signal(SIGINT);
    const RunResult cancelled = finish(*holder, "holder");
    EXPECT_EQ(cancelled.status, 1);
    EXPECT_NE(cancelled.err.find("cancelled"), std::string::npos) << cancelled.err;
    EXPECT_FALSE(fs::exists(dir / "out.q7m"));
}

TEST_F(RadioSimTest, BadCommandLinesWriteNothing) {
    const std::string mz = MZ58_EXE;
    const std::string sim = MZ58_RADIOSIM_EXE;
    const std::string out = (dir / "out.q7m").string();
    const struct {
        std::vector<std::string> argv;
        int status;
        StringId message;
    } cases[] = {
        {{mz, "read", "-o", out}, 2, 0},
        {{mz, "read", "--port", "/dev/null"}, 2, 0},
        {{mz, "write", "--port", "/dev/null"}, 2, 0},
        {{mz, "write", "file.q7m"}, 2, 0},
        {{mz, "verify", "--port", "/dev/null"}, 2, 0},
        {{mz, "read", "--port", "/dev/null", "-o", out, "--bogus"}, 2, 0},
        {{mz, "read", "--port", (dir / "ttyNone").string(), "-o", out}, 1, msg::kSerialPortError},
        {{sim}, 2, 0},
        {{sim, "--image", "x.q7m", "--fault", "lightning"}, 2, 0},
        {{sim, "--image", "x.q7m", "--state", "standby"}, 2, 0},
        {{sim, "--image", "x.q7m", "--pace", "slow"}, 2, 0},
        {{sim, "--image", "x.q7m", "--power-on-after", "-5"}, 2, 0},
        {{mz, "write", "--port", "/dev/null", "file.q7m", "--radios", "0"}, 2, 0},
        {{mz, "write", "--port", "/dev/null", "file.q7m", "--radios", "two"}, 2, 0},
        {{mz, "write", "--port", "/dev/null", "file.q7m", "--log", "log.csv"}, 2, 0},
        {{mz, "cable-test"}, 2, 0},
        {{mz, "ports", "extra"}, 2, 0},
        {{sim, "--image", "x.q7m", "--radios", "2", "--save-to", "x.q7m"}, 2, 0},
        {{sim, "--image", "x.q7m", "--radios", "0"}, 2, 0},
        {{sim, "--image", "x.q7m", "--latency", "-1"}, 2, 0},
        {{sim, "--image", "x.q7m", "--fault", "nak@0"}, 2, 0},
        {{sim, "--image", "x.q7m", "--radios", "3", "--serial-base", "999998"}, 2, 0},
    };
    for (const auto& c : cases) {
        const RunResult result = run(c.argv);
        const std::string line = std::accumulate(c.argv.begin(), c.argv.end(), std::string(),
                                                 [](auto a, const auto& b) { return a + ' ' + b; });
        EXPECT_EQ(result.status, c.status) << line << ": " << result.err;
        EXPECT_TRUE(c.message == 0 || mentions(result, c.message)) << line << ": " << result.err;
        EXPECT_FALSE(fs::exists(out)) << line;
    }
}

} // namespace
} // namespace mz58::test
