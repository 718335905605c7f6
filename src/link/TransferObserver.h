// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Messages.h"
#include "RadioImage.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace mz58 {

enum class TransferOutcome { Succeeded, Failed, Cancelled };

// Why a transfer or a port failed, in words a user can act on: the device, the reason (a
// string-table id whose "%1" is the device and "%2" the operating system's words) and one
// hint (a string-table id). Empty (reason 0) when the message says it all.
struct LinkProblem {
    StringId reason = 0;
    std::string device;
    std::string system;
    StringId hint = 0;

    [[nodiscard]] bool empty() const { return reason == 0; }
};

// The problem in the words of the string table, for the command line: "DEVICE: reason. Hint".
[[nodiscard]] std::string describeProblem(const LinkProblem& problem);

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::Failed;
    // The message the transfer ended with; 0 after a cancel, which ends silently.
    StringId message = 0;
    // A download's copy of the radio's previous memory; empty when none was written.
    std::filesystem::path backupFile;
    // The cause in the operating system's words (for example the port and why it would not
    // open); empty when the message says it all.
    std::string detail;
    // The same cause with the device, the reason and a hint apart.
    LinkProblem problem;
    // The radio's memory as its block brought it (a read, or the start of a write); empty
    // when its block did not arrive whole.
    std::optional<RadioImage> radio;
    // What a write sent (the file with the radio's own data taken in); empty when nothing was.
    std::optional<RadioImage> sent;

    bool succeeded() const { return outcome == TransferOutcome::Succeeded; }
};

// What a transfer reports while it runs, in this order: caption, range, status texts and
// positions, then at most one message and `done`. A cancelled transfer reports neither a
// message nor `done`. Every call comes from the worker thread: a GUI forwards them to its own
// thread as queued calls and must never block the worker except, if it wishes, in
// `showMessage` (the worker then waits for the user to dismiss the message before `done`).
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    virtual void setCaption(StringId id) = 0;
    // The progress range is 0..upper; it is reported once, before any position.
    virtual void setRange(int upper) = 0;
    virtual void setPosition(int position) = 0;
    virtual void setStatusText(StringId id) = 0;
    virtual void showMessage(StringId id, std::span<const std::string> args, Icon icon) = 0;
    // The same with the cause; an observer that shows no details shows the message alone.
    virtual void showMessage(const UserMessage& message) {
        showMessage(message.id, message.args, message.icon);
    }
    // The transfer has ended and released the port.
    virtual void done(const TransferResult& result) = 0;
};

} // namespace mz58
