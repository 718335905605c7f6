// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioBatch.h"

#include "LinkMessages.h"
#include "SerialNumber.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <system_error>

namespace mz58 {
namespace {

constexpr const char* kLogHeader = "time,radio,serial,result,backup,file";

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string localIsoTime(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &tm);
    return text;
}

// Opens the log for appending, with the column names when it is new; the reason when it
// cannot be opened.
std::string openLog(const std::filesystem::path& path, std::ofstream& log) {
    std::error_code ec;
    const bool fresh =
        !std::filesystem::exists(path, ec) || std::filesystem::file_size(path, ec) == 0;
    log.open(path, std::ios::app | std::ios::binary);
    if (!log)
        return path.string() + ": " + std::generic_category().message(errno);
    if (fresh)
        log << kLogHeader << '\n';
    log.flush();
    return log ? std::string{} : path.string() + ": cannot be written";
}

} // namespace

std::string failureReason(const TransferResult& result) {
    if (result.outcome == TransferOutcome::Cancelled)
        return "cancelled";
    std::string reason(stringGloss(result.message));
    if (reason.empty())
        reason = formatMessage(stringText(result.message), {});
    if (!result.detail.empty())
        reason += ": " + result.detail;
    return reason;
}

std::string batchLine(const BatchRadioReport& report) {
    std::string line =
        "radio " + std::to_string(report.index) + " of " + std::to_string(report.count) + ": ";
    if (!report.result.succeeded())
        return line + "failed: " + failureReason(report.result);
    line += "written, serial " + report.serial;
    if (!report.result.backupFile.empty())
        line += ", backup " + report.result.backupFile.string();
    return line;
}

std::string batchLogLine(const BatchRadioReport& report, const std::string& file,
                         std::chrono::system_clock::time_point when) {
    const std::string result =
        report.result.succeeded() ? std::string("written") : failureReason(report.result);
    return csvField(localIsoTime(when)) + ',' + std::to_string(report.index) + ',' +
           csvField(report.serial) + ',' + csvField(result) + ',' +
           csvField(report.result.backupFile.string()) + ',' + csvField(file);
}

BatchSummary writeRadioBatch(std::stop_token stop, const PortOpener& openPort,
                             const ImageState& file, const BatchOptions& options,
                             BatchObserver& observer) {
    BatchSummary summary;
    std::ofstream log;
    if (options.log) {
        summary.logError = openLog(*options.log, log);
        if (!summary.logError.empty())
            return summary;
    }
    for (int index = 1; index <= options.count; ++index) {
        if (stop.stop_requested()) {
            summary.cancelled = true;
            break;
        }
        observer.radioStarting(index, options.count);
        ImageState state = file;
        DownloadOptions download = options.download;
        download.awaitPowerOn = index > 1;
        BatchRadioReport report;
        report.index = index;
        report.count = options.count;
        report.result = DownloadThreadProc(stop, openPort, state, download, observer);
        if (report.result.radio) {
            SerialNumber serial;
            serial.decode(report.result.sent ? *report.result.sent : *report.result.radio);
            report.serial = serial.digits;
        }
        if (report.result.outcome == TransferOutcome::Cancelled) {
            summary.cancelled = true;
            observer.radioFinished(report);
            break;
        }
        ++(report.result.succeeded() ? summary.written : summary.failed);
        if (log) {
            log << batchLogLine(report, options.fileName, std::chrono::system_clock::now()) << '\n';
            log.flush();
            if (!log && summary.logError.empty())
                summary.logError = options.log->string() + ": cannot be written";
        }
        observer.radioFinished(report);
        // A port that cannot be opened or has gone away fails every radio after it alike.
        if (report.result.message == msg::kSerialPortError) {
            summary.portFailed = true;
            break;
        }
    }
    return summary;
}

} // namespace mz58
