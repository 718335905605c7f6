// SPDX-License-Identifier: GPL-3.0-or-later
#include "Verbs.h"

#include "CSerialPort.h"
#include "CloneProtocol.h"
#include "HardwareSettings.h"
#include "LinkMessages.h"
#include "ProgrammingFile.h"
#include "RadioBackup.h"
#include "RadioBatch.h"
#include "RadioComparison.h"
#include "TransferWorker.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <ostream>
#include <thread>

namespace mz58::cli {
namespace {

constexpr int kProgressBarWidth = 32;

// Shows a transfer's progress on one terminal line and its result through the prompter; in a
// batch, one line on stdout for each radio.
class CliObserver final : public BatchObserver {
public:
    CliObserver(Io& io, Prompter& prompter) : m_io(io), m_prompter(prompter) {}

    void radioStarting(int index, int count) override {
        std::lock_guard lock(m_mutex);
        endLine();
        m_range = 0;
        m_position = 0;
        m_status = 0;
        if (index > 1)
            m_io.err << "mz58: radio " << index << " of " << count << ": "
                     << stringText(msg::kStatusSwitchOnNext) << '\n';
    }
    void radioFinished(const BatchRadioReport& report) override {
        std::lock_guard lock(m_mutex);
        endLine();
        m_io.out << batchLine(report) << std::endl;
    }

    void setCaption(StringId id) override {
        update([&] { m_caption = id; });
    }
    void setRange(int upper) override {
        update([&] { m_range = upper; });
    }
    void setPosition(int position) override {
        update([&] { m_position = position; });
    }
    void setStatusText(StringId id) override {
        update([&] { m_status = id; });
    }
    void showMessage(StringId id, std::span<const std::string> args, Icon icon) override {
        showMessage(UserMessage{id, {args.begin(), args.end()}, {}, icon});
    }
    void showMessage(const UserMessage& message) override {
        std::lock_guard lock(m_mutex);
        endLine();
        m_prompter.tell(message);
    }
    void done(const TransferResult&) override {
        std::lock_guard lock(m_mutex);
        endLine();
    }

private:
    template <typename Change> void update(Change change) {
        std::lock_guard lock(m_mutex);
        change();
        if (!m_io.errIsTerminal)
            return;
        m_io.err << '\r' << stringText(m_caption);
        if (m_range > 0) {
            const int filled = kProgressBarWidth * m_position / m_range;
            std::string bar(static_cast<std::size_t>(std::clamp(filled, 0, kProgressBarWidth)),
                            '#');
            bar.resize(kProgressBarWidth, '.');
            char counts[32];
            std::snprintf(counts, sizeof counts, "%3d/%d", m_position, m_range);
            m_io.err << " [" << bar << "] " << counts;
        }
        if (m_status != 0) {
            m_io.err << "  " << stringText(m_status);
            if (const auto gloss = stringGloss(m_status); !gloss.empty())
                m_io.err << " (" << gloss << ")";
        }
        m_io.err << "\x1b[K" << std::flush;
        m_lineOpen = true;
    }

    void endLine() {
        if (m_lineOpen)
            m_io.err << '\n';
        m_lineOpen = false;
    }

    Io& m_io;
    Prompter& m_prompter;
    std::mutex m_mutex;
    StringId m_caption = 0;
    StringId m_status = 0;
    int m_range = 0;
    int m_position = 0;
    bool m_lineOpen = false;
};

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void onInterrupt(int) {
    g_interrupted = 1;
}

// Ctrl-C cancels the transfer at its next cancel check instead of killing the program with
// the port in an unknown state.
class InterruptCancels {
public:
    InterruptCancels() {
        g_interrupted = 0;
        m_previousInt = std::signal(SIGINT, onInterrupt);
        m_previousTerm = std::signal(SIGTERM, onInterrupt);
    }
    ~InterruptCancels() {
        std::signal(SIGINT, m_previousInt);
        std::signal(SIGTERM, m_previousTerm);
    }
    InterruptCancels(const InterruptCancels&) = delete;
    InterruptCancels& operator=(const InterruptCancels&) = delete;

private:
    void (*m_previousInt)(int);
    void (*m_previousTerm)(int);
};

TransferResult waitForTransfer(TransferWorker& worker) {
    while (!worker.waitFor(std::chrono::milliseconds(50))) {
        if (g_interrupted)
            worker.requestCancel();
    }
    worker.wait();
    return worker.result();
}

PortOpener portAt(const std::string& device) {
    return [device] { return OpenRadioPort(device); };
}

int exitStatusOf(const TransferResult& result, Io& io) {
    if (result.outcome == TransferOutcome::Cancelled)
        io.err << "mz58: cancelled\n";
    return result.succeeded() ? kExitOk : kExitFailure;
}

// Reads the radio's memory; nullopt (after reporting) when the read did not succeed.
std::optional<RadioImage> readRadio(const std::string& device, Io& io, Prompter& prompter) {
    CliObserver observer(io, prompter);
    RadioImage radio{};
    TransferWorker worker;
    InterruptCancels interrupts;
    if (!worker.startUpload(portAt(device), radio, observer))
        return std::nullopt;
    const TransferResult result = waitForTransfer(worker);
    if (!result.succeeded()) {
        (void)exitStatusOf(result, io);
        return std::nullopt;
    }
    return radio;
}

} // namespace

int verbRead(std::span<const std::string> args, Io& io) {
    constexpr std::array<std::string_view, 2> valued{"--port", "-o"};
    const auto parsed = Arguments::parse(args, {}, valued, io);
    if (!parsed)
        return kExitUsage;
    const auto port = parsed->value("--port");
    const auto output = parsed->value("-o");
    if (!port || !output || !parsed->positional().empty())
        return usageError(io, "usage: mz58 read --port DEVICE -o FILE");

    StreamPrompter prompter(io.err);
    const auto radio = readRadio(*port, io, prompter);
    if (!radio)
        return kExitFailure;
    // The file holds exactly what the radio holds, with the band's default local offset.
    const LocalOffset offset = bandDefaultLocalOffset(HardwareSettings::decodeBand(*radio));
    if (showStatus(WriteProgrammingFile(*output, *radio, offset), prompter))
        return kExitOk;
    // The radio's data must not be lost with the output file: keep it where backups go.
    const BackupResult kept = writeRadioBackup(defaultBackupDirectory(), *radio);
    if (kept.ok)
        io.err << "mz58: the radio's image was saved as " << kept.file.string() << " instead\n";
    else
        io.err << "mz58: the radio's image could not be kept either (" << kept.error << ")\n";
    return kExitFailure;
}

namespace {

constexpr int kMaxRadios = 999;

std::optional<int> radioCount(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 1 || value > kMaxRadios)
        return std::nullopt;
    return value;
}

// Writes the file into N radios on the same cable; exit 1 when any radio failed.
int writeSeveralRadios(const std::string& port, const ImageState& state, const BatchOptions& batch,
                       Io& io, Prompter& prompter) {
    CliObserver observer(io, prompter);
    BatchSummary summary;
    {
        InterruptCancels interrupts;
        std::stop_source stop;
        std::atomic<bool> finished{false};
        std::jthread runner([&] {
            summary = writeRadioBatch(stop.get_token(), portAt(port), state, batch, observer);
            finished = true;
        });
        // The batch ends on its own; meanwhile Ctrl-C cancels it at its next cancel check.
        while (!finished) {
            if (g_interrupted)
                stop.request_stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    if (!summary.logError.empty())
        io.err << "mz58: the log could not be written: " << summary.logError << '\n';
    if (summary.cancelled)
        io.err << "mz58: cancelled\n";
    else if (summary.portFailed)
        io.err << "mz58: the port failed: the remaining radios were not written\n";
    io.err << "mz58: " << summary.written << " of " << batch.count << " radios written, "
           << summary.failed << " failed\n";
    const bool allWritten = summary.written == batch.count;
    return allWritten ? kExitOk : kExitFailure;
}

} // namespace

int verbWrite(std::span<const std::string> args, Io& io) {
    constexpr std::array<std::string_view, 1> flags{"--maintenance"};
    constexpr std::array<std::string_view, 4> valued{"--port", "--backup-dir", "--radios", "--log"};
    constexpr std::string_view usage = "usage: mz58 write --port DEVICE FILE [--radios N [--log "
                                       "LOG.csv]] [--maintenance] [--backup-dir DIR]";
    const auto parsed = Arguments::parse(args, flags, valued, io);
    if (!parsed)
        return kExitUsage;
    const auto port = parsed->value("--port");
    if (!port || parsed->positional().size() != 1)
        return usageError(io, usage);
    std::optional<int> radios = 1;
    if (const auto count = parsed->value("--radios"))
        radios = radioCount(*count);
    if (!radios)
        return usageError(io, "--radios needs a number of radios from 1 to 999");
    if (parsed->has("--log") && !parsed->has("--radios"))
        return usageError(io, usage);

    StreamPrompter prompter(io.err);
    const std::string& file = parsed->positional().front();
    ImageState state;
    if (!showStatus(OpenProgrammingFile(file, state), prompter))
        return kExitFailure;
    ImageCodec::encodeAll(state);

    DownloadOptions options;
    options.maintenance = parsed->has("--maintenance");
    options.backupDirectory =
        parsed->value("--backup-dir").value_or(defaultBackupDirectory().string());

    if (parsed->has("--radios")) {
        BatchOptions batch;
        batch.count = *radios;
        batch.download = options;
        batch.fileName = file;
        if (const auto log = parsed->value("--log"))
            batch.log = *log;
        return writeSeveralRadios(*port, state, batch, io, prompter);
    }

    CliObserver observer(io, prompter);
    TransferWorker worker;
    TransferResult result;
    {
        InterruptCancels interrupts;
        if (!worker.startDownload(portAt(*port), state, options, observer))
            return kExitFailure;
        result = waitForTransfer(worker);
    }
    if (!result.backupFile.empty())
        io.out << "backup: " << result.backupFile.string() << '\n';
    return exitStatusOf(result, io);
}

int verbVerify(std::span<const std::string> args, Io& io) {
    constexpr std::array<std::string_view, 1> flags{"--maintenance"};
    constexpr std::array<std::string_view, 1> valued{"--port"};
    const auto parsed = Arguments::parse(args, flags, valued, io);
    if (!parsed)
        return kExitUsage;
    const auto port = parsed->value("--port");
    if (!port || parsed->positional().size() != 1)
        return usageError(io, "usage: mz58 verify --port DEVICE FILE [--maintenance]");

    StreamPrompter prompter(io.err);
    const std::string& file = parsed->positional().front();
    ImageState state;
    if (!showStatus(OpenProgrammingFile(file, state), prompter))
        return kExitFailure;
    ImageCodec::encodeAll(state);

    const auto radio = readRadio(*port, io, prompter);
    if (!radio)
        return kExitFailure;

    // What a write of the file to this radio would have sent, next to what the radio holds.
    takeRadioData(state, *radio, parsed->has("--maintenance"));
    const RadioComparison comparison = compareWithRadio(*radio, state);
    if (comparison.same()) {
        io.out << "radio matches " << file << '\n';
        return kExitOk;
    }
    for (const auto& line : comparison.lines)
        io.out << line << '\n';
    prompter.tell(msg::kRadioDiffers, std::to_string(comparison.lines.size()));
    return kExitFailure;
}

} // namespace mz58::cli
