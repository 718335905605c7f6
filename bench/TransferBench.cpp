// SPDX-License-Identifier: GPL-3.0-or-later
// Measures read and write against mz58-radiosim at real pace next to their wire-time limit
// (also behind USB adapters that deliver received bytes every 1, 4 or 16 ms), a write into
// several radios on one cable, and the CPU the program uses while it waits for a silent radio.

#include "CSerialPort.h"
#include "ChildProcess.h"
#include "CloneProtocol.h"
#include "ImageCodec.h"
#include "LinkMessages.h"
#include "ProgrammingFile.h"
#include "RadioBatch.h"
#include "TransferWorker.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <thread>
#include <vector>

#include <stdlib.h>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;
using namespace mz58;
using Clock = std::chrono::steady_clock;

constexpr double kByteSeconds = 11.0 / 4800.0;
constexpr int kRuns = 3;

class WatchingObserver final : public BatchObserver {
public:
    std::atomic<bool> waitingForPowerCycle{false};
    void setCaption(StringId) override {}
    void setRange(int) override {}
    void setPosition(int) override {}
    void setStatusText(StringId id) override {
        if (id == msg::kStatusPowerCycle)
            waitingForPowerCycle = true;
    }
    void showMessage(StringId, std::span<const std::string>, Icon) override {}
    void done(const TransferResult&) override {}
    void radioStarting(int, int) override {}
    void radioFinished(const BatchRadioReport& report) override {
        if (!report.result.succeeded())
            ++failed;
    }
    int failed = 0;
};

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

std::unique_ptr<test::ChildProcess> startSim(const fs::path& dir, const fs::path& image,
                                             const std::vector<std::string>& extra,
                                             std::string& port) {
    std::vector<std::string> argv{MZ58_RADIOSIM_EXE, "--image", image.string()};
    argv.insert(argv.end(), extra.begin(), extra.end());
    test::ChildProcess::Options options;
    options.stderrFile = dir / "sim.err";
    auto sim = std::make_unique<test::ChildProcess>(argv, options);
    const auto line = sim->readLine(std::chrono::seconds(10));
    if (!line || line->rfind("PORT ", 0) != 0)
        return nullptr;
    port = line->substr(5);
    return sim;
}

void report(const char* what, const std::vector<double>& measured, double limit) {
    std::vector<double> sorted = measured;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    std::printf("%-34s", what);
    for (const double m : measured)
        std::printf(" %7.3f s", m);
    std::printf("   limit %6.3f s   median ratio %.3f\n", limit, median / limit);
}

} // namespace

int main() {
    std::string pattern = (fs::temp_directory_path() / "mz58-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::cerr << "cannot create a temporary folder\n";
        return 1;
    }
    const fs::path dir = pattern;

    ImageState radio;
    ImageCodec::makeNewImage(radio, kVhf);
    const fs::path radioFile = dir / "radio.q7m";
    if (!WriteProgrammingFile(radioFile, radio.image, 0.0).ok())
        return 1;

    std::string port;
    auto sim = startSim(dir, radioFile, {"--pace", "real"}, port);
    if (!sim) {
        std::cerr << "the simulator did not start\n";
        return 1;
    }
    const PortOpener opener = [&port]() -> PortOpenResult { return OpenRadioPort(port); };

    // Bytes on the single wire (each echo is the sent byte itself) and the fixed pauses.
    const double readBytes = 1 + (clone::kBlockOverhead + kImageSize) + 1;
    const double readLimit = readBytes * kByteSeconds + clone::kPauseBeforeAnswerMs / 1000.0;
    const double writeBytes = readBytes + 1 + (clone::kBlockOverhead + kImageSize) + 1;
    const double writeLimit =
        writeBytes * kByteSeconds + (2 * clone::kPauseBeforeAnswerMs +
                                     clone::kPauseAfterAnnounceMs + clone::kPauseBeforeHeaderMs) /
                                        1000.0;

    std::printf("mz58 transfer benchmark: simulator at real pace (4800 baud 8N2, %.3f ms a byte)\n",
                kByteSeconds * 1000);
    std::printf("read: %.0f bytes on the wire + 55 ms; write: %.0f bytes + 440 ms\n\n", readBytes,
                writeBytes);

    std::vector<double> reads;
    std::vector<double> writes;
    WatchingObserver observer;
    for (int run = 0; run < kRuns; ++run) {
        RadioImage image{};
        const auto start = Clock::now();
        const TransferResult r = UploadThreadProc({}, opener, image, observer);
        reads.push_back(seconds(Clock::now() - start));
        if (!r.succeeded() || image != radio.image) {
            std::cerr << "read failed\n";
            return 1;
        }
    }
    for (int run = 0; run < kRuns; ++run) {
        ImageState state = radio;
        DownloadOptions options;
        options.backupDirectory = dir / "backups";
        const auto start = Clock::now();
        const TransferResult r = DownloadThreadProc({}, opener, state, options, observer);
        writes.push_back(seconds(Clock::now() - start));
        if (!r.succeeded()) {
            std::cerr << "write failed\n";
            return 1;
        }
    }
    report("read (UploadThreadProc)", reads, readLimit);
    report("write (DownloadThreadProc+backup)", writes, writeLimit);

    // Behind a USB adapter: its latency timer hands the echoes over in batches.
    sim.reset();
    std::printf("\nwrites behind an adapter that delivers received bytes every L ms:\n");
    for (const int latency : {0, 1, 4, 16}) {
        std::string adapterPort;
        auto adapter = startSim(
            dir, radioFile, {"--pace", "real", "--latency", std::to_string(latency)}, adapterPort);
        if (!adapter)
            return 1;
        const PortOpener behind = [&adapterPort]() -> PortOpenResult {
            return OpenRadioPort(adapterPort);
        };
        std::vector<double> times;
        for (int run = 0; run < kRuns; ++run) {
            ImageState state = radio;
            DownloadOptions options;
            options.backupDirectory = dir / "backups";
            const auto start = Clock::now();
            const TransferResult r = DownloadThreadProc({}, behind, state, options, observer);
            times.push_back(seconds(Clock::now() - start));
            if (!r.succeeded()) {
                std::cerr << "write at " << latency << " ms latency failed\n";
                return 1;
            }
        }
        char what[48];
        std::snprintf(what, sizeof what, "write, adapter latency %2d ms", latency);
        report(what, times, writeLimit);
    }

    // A dealer's bench: one file into N radios, each switched on P ms after the last.
    constexpr int kBenchRadios = 3;
    constexpr int kPowerOnMs = 1000;
    std::string benchPort;
    auto bench =
        startSim(dir, radioFile,
                 {"--pace", "real", "--radios", std::to_string(kBenchRadios), "--serial-base",
                  "100001", "--power-on-after", std::to_string(kPowerOnMs)},
                 benchPort);
    if (!bench)
        return 1;
    BatchOptions batch;
    batch.count = kBenchRadios;
    batch.download.backupDirectory = dir / "backups";
    batch.log = dir / "bench.csv";
    batch.fileName = radioFile.string();
    WatchingObserver batchObserver;
    const auto batchStart = Clock::now();
    const BatchSummary summary = writeRadioBatch(
        {}, [&benchPort]() -> PortOpenResult { return OpenRadioPort(benchPort); }, radio, batch,
        batchObserver);
    const double total = seconds(Clock::now() - batchStart);
    if (summary.written != kBenchRadios) {
        std::cerr << "the several-radio write failed\n";
        return 1;
    }
    // Each later radio: its power-on, then 0x50, 0x20 and its echo, 550 ms, 0x70 and its echo.
    const double powerOnWaits =
        (kBenchRadios - 1) *
        (kPowerOnMs / 1000.0 + clone::kPauseBeforeWakeUpMs / 1000.0 + 5 * kByteSeconds);
    std::printf("\n%d radios on one cable, switched on %d ms apart: %.3f s\n", kBenchRadios,
                kPowerOnMs, total);
    std::printf("  %d x one-radio limit %.3f s + power-on waits %.3f s = %.3f s   ratio %.3f\n",
                kBenchRadios, writeLimit, powerOnWaits, kBenchRadios * writeLimit + powerOnWaits,
                (total - powerOnWaits) / (kBenchRadios * writeLimit));
    bench.reset();
    sim = startSim(dir, radioFile, {"--pace", "real"}, port);
    if (!sim)
        return 1;

    // The whole command, process start to exit.
    std::vector<double> cliReads;
    for (int run = 0; run < kRuns; ++run) {
        test::ChildProcess::Options options;
        options.stdoutFile = dir / "mz58.out";
        options.stderrFile = dir / "mz58.err";
        const auto start = Clock::now();
        test::ChildProcess mz({MZ58_EXE, "read", "--port", port, "-o", (dir / "r.q7m").string()},
                              options);
        if (mz.waitFor(std::chrono::seconds(60)) != 0) {
            std::cerr << "mz58 read failed: " << test::readFile(dir / "mz58.err");
            return 1;
        }
        cliReads.push_back(seconds(Clock::now() - start));
    }
    report("mz58 read (whole process)", cliReads, readLimit);
    sim.reset();

    // A radio that stays silent: the program waits for its 0x50.
    auto silent = startSim(
        dir, radioFile, {"--pace", "real", "--state", "off", "--power-on-after", "600000"}, port);
    if (!silent)
        return 1;
    WatchingObserver waiting;
    RadioImage image{};
    TransferWorker worker;
    if (!worker.startUpload(opener, image, waiting))
        return 1;
    while (!waiting.waitingForPowerCycle)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const double cpuBefore = cpuSeconds();
    const auto wallBefore = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(3));
    const double cpu = cpuSeconds() - cpuBefore;
    const double wall = seconds(Clock::now() - wallBefore);
    const auto cancelAt = Clock::now();
    worker.requestCancel();
    worker.wait();
    std::printf("\nwaiting for a silent radio: %.4f s CPU in %.2f s = %.2f %% of one core\n", cpu,
                wall, 100.0 * cpu / wall);
    std::printf("cancel of that wait took %.3f s\n", seconds(Clock::now() - cancelAt));
    silent.reset();

    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
