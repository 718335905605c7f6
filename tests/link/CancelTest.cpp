#include "ProtocolFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace mz58::test {
namespace {

using namespace mz58::clone;

enum class Radio { InCloneMode, Noise, Off, OffWithoutBlock, NoAck };

// Where the user cancels: at the `nth` event (observer call or transcript token) that starts
// with `stopAt`; nth 0 cancels before the transfer starts.
struct CancelCase {
    const char* name;
    Direction direction;
    Radio radio;
    std::string stopAt;
    int nth;
    std::string transcriptStart; // the transcript begins so
    std::size_t bytesSent;       // bytes the PC sent before it stopped
    std::size_t tokens;          // transcript tokens in all
    std::string lastCall;        // what the observer saw last
};

void PrintTo(const CancelCase& c, std::ostream* os) {
    *os << c.name;
}

std::size_t tokenCount(const std::string& transcript) {
    return transcript.empty() ? 0 : 1 + std::count(transcript.begin(), transcript.end(), ' ');
}

class CancelTest : public ProtocolTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelTest, StopsSilentlyAtTheNextCheck) {
    const CancelCase& c = GetParam();
    radio.startsOff = c.radio == Radio::Off || c.radio == Radio::OffWithoutBlock;
    radio.timeoutsBeforePowerOn = c.radio == Radio::Off ? 100 : 1;
    if (c.radio == Radio::OffWithoutBlock)
        radio.block.clear();
    if (c.radio == Radio::Noise)
        radio.block.assign(50, 0x13);
    if (c.radio == Radio::NoAck)
        radio.ackAnswer.clear();
    int seen = 0;
    const auto onEvent = [&](const std::string& event) {
        if (event.starts_with(c.stopAt) && ++seen == c.nth)
            stop.request_stop();
    };
    link.onToken = onEvent;
    observer.onCall = onEvent;
    if (c.nth == 0)
        stop.request_stop();

    const TransferResult result = transfer(c.direction);

    EXPECT_EQ(result.outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(result.message, 0);
    EXPECT_EQ(observer.doneCount, 0);
    EXPECT_TRUE(std::none_of(observer.calls.begin(), observer.calls.end(),
                             [](const auto& call) { return call.starts_with("message"); }));
    EXPECT_EQ(observer.calls.empty() ? "" : observer.calls.back(), c.lastCall);
    EXPECT_FALSE(link.open) << "the port is closed on the way out";
    EXPECT_EQ(image, RadioImage{});
    EXPECT_TRUE(link.transcript.starts_with(c.transcriptStart)) << link.transcript;
    EXPECT_EQ(link.sentCount, c.bytesSent);
    EXPECT_EQ(tokenCount(link.transcript), c.tokens) << link.transcript;
}

const std::string kWoken = "T70 R70";
const std::string kPowerCycled = "T70 R70 to R50 T20 R20 W550 T70 R70";
// A download's tokens before its first data byte: wake-up, the radio's block, pause, ack,
// announce, two pauses, the three-byte frame.
constexpr std::size_t kBeforeData = 2 + 516 + 1 + 2 + 2 + 2 + 6;

// The handshake is shared by both directions: its waits are cancelled once, in an upload.
INSTANTIATE_TEST_SUITE_P(
    Waits, CancelTest,
    ::testing::Values(
        CancelCase{"UploadBeforeOpen", Direction::Upload, Radio::InCloneMode, "caption 90", 1, "",
                   0, 0, "caption 90"},
        CancelCase{"UploadAfterOpen", Direction::Upload, Radio::InCloneMode, "range", 1, "", 0, 0,
                   "range 512"},
        CancelCase{"UploadFirstWait", Direction::Upload, Radio::Noise, "R13", 1, kWoken + " R13", 1,
                   3, "range 512"},
        CancelCase{"UploadPowerCycleText", Direction::Upload, Radio::Off, "text 94", 1,
                   kWoken + " to", 1, 3, "text 94"},
        CancelCase{"UploadWaitingForReady", Direction::Upload, Radio::Off, "to", 3,
                   kWoken + " to to to", 1, 5, "text 94"},
        CancelCase{"UploadWaitingForBlock", Direction::Upload, Radio::OffWithoutBlock, "to", 2,
                   kPowerCycled + " to", 3, 10, "text 94"},
        CancelCase{"UploadDataPhase", Direction::Upload, Radio::InCloneMode, "pos 124", 1,
                   kWoken + " R21 R02 R01", 1, 5 + 124, "pos 124"},
        CancelCase{"DownloadBeforeStart", Direction::Download, Radio::InCloneMode, "", 0, "", 0, 0,
                   ""},
        CancelCase{"DownloadAfterOpen", Direction::Download, Radio::InCloneMode, "caption 91", 1,
                   "", 0, 0, "caption 91"},
        // While sending, every byte is a cancel point, and so is every progress report.
        CancelCase{"DownloadAtProgress", Direction::Download, Radio::InCloneMode, "pos 62", 1,
                   kWoken + " R21 R02 R01", 6 + 62, kBeforeData + 2 * 62, "pos 62"},
        CancelCase{"DownloadBetweenBytes", Direction::Download, Radio::InCloneMode, "T", 6 + 7,
                   kWoken + " R21 R02 R01", 6 + 7, kBeforeData + 2 * 7, "pos 5"},
        CancelCase{"DownloadAckWait", Direction::Download, Radio::NoAck, "to", 1,
                   kWoken + " R21 R02 R01", 6 + 513, kBeforeData + 2 * 513 + 2, "pos 496"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace mz58::test
