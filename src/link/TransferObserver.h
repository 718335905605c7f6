#pragma once

#include "Messages.h"

#include <filesystem>
#include <span>
#include <string>

namespace mz58 {

enum class TransferOutcome { Succeeded, Failed, Cancelled };

struct TransferResult {
    TransferOutcome outcome = TransferOutcome::Failed;
    // The message the transfer ended with; 0 after a cancel, which ends silently.
    StringId message = 0;
    // A download's copy of the radio's previous memory; empty when none was written.
    std::filesystem::path backupFile;
    // The cause in the operating system's words (for example the port and why it would not
    // open); empty when the message says it all.
    std::string detail;

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
