// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CloneProtocol.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <stop_token>
#include <string>

namespace mz58 {

// One radio of a batch, once its write has ended.
struct BatchRadioReport {
    int index = 0; // 1..count
    int count = 0;
    TransferResult result;
    // The radio's serial number as it holds it after the write (its own in normal mode);
    // empty when its block never arrived.
    std::string serial;
};

// What a batch reports: the reports of each radio's transfer (TransferObserver), framed by
// radioStarting and radioFinished. Every call comes from the batch's thread.
class BatchObserver : public TransferObserver {
public:
    virtual void radioStarting(int index, int count) = 0;
    virtual void radioFinished(const BatchRadioReport& report) = 0;
};

struct BatchOptions {
    int count = 1;
    DownloadOptions download;
    // One CSV line a radio is appended here: time,radio,serial,result,backup,file.
    std::optional<std::filesystem::path> log;
    // The programming file written, as the log names it.
    std::string fileName;
};

struct BatchSummary {
    int written = 0;
    int failed = 0;
    // The user stopped the run, or the port failed (the cable, not a radio): the radios after
    // it were not written.
    bool cancelled = false;
    bool portFailed = false;
    // Why the log could not be written; a log that cannot be opened stops the run before the
    // first radio.
    std::string logError;
};

// Writes `file` into `options.count` radios one after another on the same cable. Each radio
// is written as a single write does (backup first, its own alignment data and serial number
// kept); the first is woken as usual, every later one is taken when it is switched on. A
// radio that fails does not end the run.
[[nodiscard]] BatchSummary writeRadioBatch(std::stop_token stop, const PortOpener& openPort,
                                           const ImageState& file, const BatchOptions& options,
                                           BatchObserver& observer);

// Why a transfer failed, in English words for the log and the command line.
[[nodiscard]] std::string failureReason(const TransferResult& result);

// "radio 2 of 5: written, serial 123456, backup PATH" or "radio 2 of 5: failed: REASON".
[[nodiscard]] std::string batchLine(const BatchRadioReport& report);

// The log's line of one radio (without the line feed), fields quoted where CSV needs it.
[[nodiscard]] std::string batchLogLine(const BatchRadioReport& report, const std::string& file,
                                       std::chrono::system_clock::time_point when);

} // namespace mz58
