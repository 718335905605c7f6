// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProtocolFixtures.h"

#include "Golden.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mz58::test {
namespace {

enum class Radio { InCloneMode, Noise, Off, OffWithoutBlock, NoAck };

// The user cancels at the `nth` event (observer call or transcript token) that starts with
// `stopAt` (nth 0: before the transfer starts). The transfer stops silently at its next check:
// where that is, is pinned in tests/data/link/cancel.txt.
TEST(Cancel, StopsSilentlyAtTheNextCheck) {
    const struct {
        const char* name;
        Direction direction;
        Radio radio;
        std::string stopAt;
        int nth;
    } cases[] = {
        // The handshake is shared by both directions: its waits are cancelled once, in an upload.
        {"upload before open", Direction::Upload, Radio::InCloneMode, "caption 90", 1},
        {"upload after open", Direction::Upload, Radio::InCloneMode, "range", 1},
        {"upload first wait", Direction::Upload, Radio::Noise, "R13", 1},
        {"upload power cycle text", Direction::Upload, Radio::Off, "text 94", 1},
        {"upload waiting for ready", Direction::Upload, Radio::Off, "to", 3},
        {"upload waiting for block", Direction::Upload, Radio::OffWithoutBlock, "to", 2},
        {"upload data phase", Direction::Upload, Radio::InCloneMode, "pos 124", 1},
        {"download before start", Direction::Download, Radio::InCloneMode, "", 0},
        {"download after open", Direction::Download, Radio::InCloneMode, "caption 91", 1},
        // While sending, every byte is a cancel point, and so is every progress report.
        {"download at progress", Direction::Download, Radio::InCloneMode, "pos 62", 1},
        {"download between bytes", Direction::Download, Radio::InCloneMode, "T", 6 + 7},
        {"download ack wait", Direction::Download, Radio::NoAck, "to", 1},
    };
    std::string out;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProtocolRun t;
        t.radio.startsOff = c.radio == Radio::Off || c.radio == Radio::OffWithoutBlock;
        t.radio.timeoutsBeforePowerOn = c.radio == Radio::Off ? 100 : 1;
        if (c.radio == Radio::OffWithoutBlock)
            t.radio.block.clear();
        if (c.radio == Radio::Noise)
            t.radio.block.assign(50, 0x13);
        if (c.radio == Radio::NoAck)
            t.radio.ackAnswer.clear();
        int seen = 0;
        const auto onEvent = [&](const std::string& event) {
            if (event.starts_with(c.stopAt) && ++seen == c.nth)
                t.stop.request_stop();
        };
        t.link.onToken = onEvent;
        t.observer.onCall = onEvent;
        if (c.nth == 0)
            t.stop.request_stop();

        const TransferResult result = t.transfer(c.direction);

        EXPECT_EQ(result.outcome, TransferOutcome::Cancelled);
        EXPECT_EQ(t.observer.doneCount, 0);
        EXPECT_TRUE(std::none_of(t.observer.calls.begin(), t.observer.calls.end(),
                                 [](const auto& call) { return call.starts_with("message"); }));
        EXPECT_FALSE(t.link.open) << "the port is closed on the way out";
        EXPECT_EQ(t.image, RadioImage{});
        out +=
            t.record(c.name, result) + "  bytes sent: " + std::to_string(t.link.sentCount) + "\n";
    }
    expectGolden("link/cancel.txt", out);
}

} // namespace
} // namespace mz58::test
