#include "ProtocolFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stop_token>

namespace mz58::test {
namespace {

using namespace mz58::clone;

enum class Direction { Upload, Download };

// Where the user cancels: the test sets up the radio and arranges the stop request.
struct CancelCase {
    const char* name;
    Direction direction;
    std::function<void(FakeSerialLink&, ScriptedRadio&, RecordingObserver&, std::stop_source&)>
        arrange;
    std::string transcriptStart; // the transcript begins so
    std::size_t bytesSent;       // bytes the PC sent before it stopped
    std::size_t tokens;          // transcript tokens in all
    std::string lastCall;        // what the observer saw last
};

void PrintTo(const CancelCase& c, std::ostream* os) {
    *os << c.name;
}

auto stopOnCall(std::string call) {
    return [call](FakeSerialLink&, ScriptedRadio&, RecordingObserver& o, std::stop_source& s) {
        o.onCall = [call, &s](const std::string& c) {
            if (c == call)
                s.request_stop();
        };
    };
}

// Requests a cancel at the n-th transcript token equal to `token`.
auto stopOnToken(std::string token, int n) {
    return [token, n](FakeSerialLink& l, ScriptedRadio&, RecordingObserver&, std::stop_source& s) {
        auto seen = std::make_shared<int>(0);
        l.onToken = [token, n, seen, &s](const std::string& t) {
            if (t == token && ++*seen == n)
                s.request_stop();
        };
    };
}

template <typename... Steps> auto both(Steps... steps) {
    return [=](FakeSerialLink& l, ScriptedRadio& r, RecordingObserver& o, std::stop_source& s) {
        (steps(l, r, o, s), ...);
    };
}

auto radioOff(int timeoutsBeforePowerOn, bool sendsBlock) {
    return [=](FakeSerialLink&, ScriptedRadio& r, RecordingObserver&, std::stop_source&) {
        r.startsOff = true;
        r.timeoutsBeforePowerOn = timeoutsBeforePowerOn;
        if (!sendsBlock)
            r.block.clear();
    };
}

auto radioAnswersNoise() {
    return [](FakeSerialLink&, ScriptedRadio& r, RecordingObserver&, std::stop_source&) {
        r.block.assign(50, 0x13);
    };
}

auto stopAfterBytesSent(std::size_t count) {
    return [count](FakeSerialLink& l, ScriptedRadio&, RecordingObserver&, std::stop_source& s) {
        l.onToken = [count, &l, &s](const std::string& t) {
            if (t[0] == 'R' && l.sentCount == count)
                s.request_stop();
        };
    };
}

auto silentAfterBlock() {
    return [](FakeSerialLink& l, ScriptedRadio& r, RecordingObserver&, std::stop_source& s) {
        r.ackAnswer.reset();
        l.onToken = [&l, &s](const std::string& t) {
            if (t == "to" && l.sentCount == 6 + kBlockLength)
                s.request_stop();
        };
    };
}

std::size_t tokenCount(const std::string& transcript) {
    return transcript.empty() ? 0 : 1 + std::count(transcript.begin(), transcript.end(), ' ');
}

class CancelTest : public ::testing::TestWithParam<CancelCase> {};

TEST_P(CancelTest, StopsSilentlyAtTheNextCheck) {
    const CancelCase& c = GetParam();
    FakeSerialLink link;
    ScriptedRadio radio(link);
    RecordingObserver observer;
    std::stop_source stop;
    const RadioImage radioImage = radioImageWithAlignment();
    radio.block = radioBlock(radioImage);
    radio.install();
    c.arrange(link, radio, observer, stop);

    RadioImage image{};
    ImageState file;
    ImageCodec::makeNewImage(file, kVhf);
    const TransferResult result =
        c.direction == Direction::Upload
            ? UploadThreadProc(stop.get_token(), openerFor(link), image, observer)
            : DownloadThreadProc(stop.get_token(), openerFor(link), file, {}, observer);

    EXPECT_EQ(result.outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(result.message, 0);
    EXPECT_EQ(observer.doneCount, 0);
    EXPECT_TRUE(std::none_of(observer.calls.begin(), observer.calls.end(),
                             [](const auto& call) { return call.rfind("message", 0) == 0; }));
    EXPECT_EQ(observer.calls.empty() ? "" : observer.calls.back(), c.lastCall);
    EXPECT_FALSE(link.open) << "the port is closed on the way out";
    EXPECT_EQ(image, RadioImage{});
    EXPECT_EQ(link.transcript.substr(0, c.transcriptStart.size()), c.transcriptStart);
    EXPECT_EQ(link.sentCount, c.bytesSent);
    EXPECT_EQ(tokenCount(link.transcript), c.tokens) << link.transcript;
}

const std::string kWoken = "T70 R70";
const std::string kPowerCycled = "T70 R70 to R50 T20 R20 W550 T70 R70";

INSTANTIATE_TEST_SUITE_P(
    Waits, CancelTest,
    ::testing::Values(
        CancelCase{"UploadBeforeOpen", Direction::Upload, stopOnCall("caption 90"), "", 0, 0,
                   "caption 90"},
        CancelCase{"UploadAfterOpen", Direction::Upload, stopOnCall("range 512"), "", 0, 0,
                   "range 512"},
        CancelCase{"UploadFirstWait", Direction::Upload,
                   both(radioAnswersNoise(), stopOnToken("R13", 1)), kWoken + " R13", 1, 3,
                   "range 512"},
        CancelCase{"UploadPowerCycleText", Direction::Upload,
                   both(radioOff(100, true), stopOnCall("text 94")), kWoken + " to", 1, 3,
                   "text 94"},
        CancelCase{"UploadWaitingForReady", Direction::Upload,
                   both(radioOff(100, true), stopOnToken("to", 3)), kWoken + " to to to", 1, 5,
                   "text 94"},
        CancelCase{"UploadWaitingForBlock", Direction::Upload,
                   both(radioOff(1, false), stopOnToken("to", 2)), kPowerCycled + " to", 3, 10,
                   "text 94"},
        CancelCase{"UploadDataPhase", Direction::Upload, stopOnCall("pos 124"),
                   kWoken + " R21 R02 R01", 1, 5 + 124, "pos 124"},
        CancelCase{"DownloadBeforeStart", Direction::Download,
                   [](FakeSerialLink&, ScriptedRadio&, RecordingObserver&, std::stop_source& s) {
                       s.request_stop();
                   },
                   "", 0, 0, ""},
        CancelCase{"DownloadAfterOpen", Direction::Download, stopOnCall("caption 91"), "", 0, 0,
                   "caption 91"},
        CancelCase{"DownloadFirstWait", Direction::Download,
                   both(radioAnswersNoise(), stopOnToken("R13", 2)), kWoken + " R13 R13", 1, 4,
                   "range 512"},
        CancelCase{"DownloadWaitingForReady", Direction::Download,
                   both(radioOff(100, true), stopOnToken("to", 2)), kWoken + " to to", 1, 4,
                   "text 94"},
        CancelCase{"DownloadWaitingForBlock", Direction::Download,
                   both(radioOff(1, false), stopOnToken("to", 2)), kPowerCycled + " to", 3, 10,
                   "text 94"},
        // While sending, every byte is a cancel point, and so is every progress report.
        CancelCase{"DownloadAtProgress", Direction::Download, stopOnCall("pos 62"),
                   kWoken + " R21 R02 R01", 6 + 62, 2 + 516 + 1 + 2 + 2 + 2 + 6 + 2 * 62, "pos 62"},
        CancelCase{"DownloadBetweenBytes", Direction::Download, stopAfterBytesSent(6 + 7),
                   kWoken + " R21 R02 R01", 6 + 7, 2 + 516 + 1 + 2 + 2 + 2 + 6 + 2 * 7, "pos 5"},
        CancelCase{"DownloadAckWait", Direction::Download, silentAfterBlock(),
                   kWoken + " R21 R02 R01", 6 + 513, 2 + 516 + 1 + 2 + 2 + 2 + 6 + 2 * 513 + 2,
                   "pos 496"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace mz58::test
