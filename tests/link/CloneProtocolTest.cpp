#include "ProtocolFixtures.h"

#include "LinkMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace mz58::test {
namespace {

using namespace mz58::clone;

// The progress positions after the first one (5) of a whole block.
const std::vector<std::string> kSteps = {"pos 62",  "pos 124", "pos 186", "pos 248",
                                         "pos 310", "pos 372", "pos 434", "pos 496"};

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Cases are named after what they prove, in test names and in failures.
template <typename Param> std::string nameOf(const ::testing::TestParamInfo<Param>& info) {
    return info.param.name;
}
template <typename Case>
requires requires(Case c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class CloneProtocolTest : public ProtocolTest {
protected:
    CloneProtocolTest() {
        // The file differs from the radio in bytes the editor never touches.
        for (std::size_t i = 6; i < 26; ++i)
            file.image[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    // The image a write to `radioImage` sends for `file`.
    RadioImage expectedSentImage() const {
        ImageState expected = file;
        takeRadioAlignment(expected, radioImage);
        return expected.image;
    }
};

std::vector<std::uint8_t> zeroImageBlock(std::uint8_t header, std::uint8_t checksum) {
    std::vector<std::uint8_t> block{header, 0x02, 0x01};
    block.resize(3 + kImageSize, 0);
    block.push_back(checksum);
    return block;
}

struct UploadCase {
    const char* name;
    std::vector<std::uint8_t> block; // empty: radioImageWithAlignment()
    int timeoutsBeforePowerOn;       // 0: the radio is in clone mode already
    LineBytes beforeReady;
    std::string beforeReadyTokens;
};

class UploadTest : public CloneProtocolTest, public ::testing::WithParamInterface<UploadCase> {};

TEST_P(UploadTest, CopiesEveryByteOfTheRadioBlock) {
    const UploadCase& c = GetParam();
    if (!c.block.empty())
        radio.block = c.block;
    radio.startsOff = c.timeoutsBeforePowerOn > 0;
    radio.timeoutsBeforePowerOn = c.timeoutsBeforePowerOn;
    radio.beforeReady = c.beforeReady;
    image.fill(0xEE);
    observer.onCall = [&](const std::string& call) {
        // The message comes while the port is still held; done after it is closed.
        if (call.starts_with("message")) {
            EXPECT_TRUE(link.open);
        }
        if (call == "done") {
            EXPECT_FALSE(link.open);
        }
    };

    const TransferResult result = upload();

    EXPECT_EQ(result.outcome, TransferOutcome::Succeeded);
    EXPECT_EQ(result.message, msg::kReadComplete);
    EXPECT_EQ(image, c.block.empty() ? radioImage : RadioImage{});
    Transcript expected;
    expected.echoed(kWakeUp);
    if (radio.startsOff) {
        expected.timeout(c.timeoutsBeforePowerOn).raw(c.beforeReadyTokens).read(kRadioReady);
        expected.echoed(kReadyAnswer).wait(550).echoed(kWakeUp);
    }
    EXPECT_EQ(link.transcript, expected.read(radio.block).wait(55).echoed(kAck).str());
    std::vector<std::string> start{"caption 90", "range 512", "pos 5", "text 95"};
    if (radio.startsOff)
        start.insert(start.begin() + 2, "text 94");
    EXPECT_EQ(observer.calls, concat(concat(start, kSteps), {"message 83 info", "done"}));
}

INSTANTIATE_TEST_SUITE_P(
    Radios, UploadTest,
    ::testing::Values(
        // The radio's data holds 0x50, 0x70 and header-like bytes: inside a block they are data.
        UploadCase{"InCloneMode", {}, 0, {}, ""},
        UploadCase{"ZeroImageChecksum24", zeroImageBlock(0x21, 0x24), 0, {}, ""},
        UploadCase{"ZeroImageMaintenanceHeaderChecksum28", zeroImageBlock(0x25, 0x28), 0, {}, ""},
        UploadCase{"SilentUntilPowerCycled", {}, 1, {}, ""},
        // Before 0x50 even a header byte is no block: the radio has not been woken yet.
        UploadCase{"NoiseAndLineErrorsBeforeReady",
                   {},
                   2,
                   {0x13, std::nullopt, 0x21, 0x70},
                   "R13 err R21 R70"}),
    nameOf<UploadCase>);

// A radio block that must not be taken: wrong length, missing bytes or a wrong checksum.
struct RejectedBlockCase {
    const char* name;
    unsigned length = kBlockLength;
    std::size_t cutTo = 0; // the radio sends only this many bytes of its block
    bool badChecksum = false;
};

class RejectedBlockTest
    : public CloneProtocolTest,
      public ::testing::WithParamInterface<std::tuple<Direction, RejectedBlockCase>> {};

std::string rejectedBlockName(const ::testing::TestParamInfo<RejectedBlockTest::ParamType>& info) {
    const auto& [direction, c] = info.param;
    return (direction == Direction::Upload ? "Upload" : "Download") + std::string(c.name);
}

TEST_P(RejectedBlockTest, FailsThatDirectionAndChangesNoImage) {
    const auto& [direction, c] = GetParam();
    radio.block = radioBlock(radioImage, kHeaderNormal, c.length);
    Transcript expected;
    expected.echoed(kWakeUp);
    if (c.length != kBlockLength) {
        expected.read(std::span(radio.block).first(3));
    } else if (c.cutTo) {
        radio.block.resize(c.cutTo);
        expected.read(radio.block).timeout();
    } else {
        radio.block.back() ^= 0x40;
        expected.read(radio.block).wait(55).echoed(kNak);
    }
    const RadioImage fileBefore = file.image;

    const TransferResult result = transfer(direction);

    const StringId message = direction == Direction::Upload ? msg::kReadError
                             : c.badChecksum                ? msg::kRadioChecksumError
                                                            : msg::kWriteError;
    EXPECT_EQ(result.outcome, TransferOutcome::Failed);
    EXPECT_EQ(result.message, message);
    EXPECT_EQ(link.transcript, expected.str());
    EXPECT_EQ(image, RadioImage{});
    EXPECT_EQ(file.image, fileBefore);
    ASSERT_GE(observer.calls.size(), 2u);
    EXPECT_EQ(observer.calls[observer.calls.size() - 2],
              "message " + std::to_string(message) + " error");
    EXPECT_EQ(observer.calls.back(), "done");
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, RejectedBlockTest,
    ::testing::Combine(
        ::testing::Values(Direction::Upload, Direction::Download),
        ::testing::Values(RejectedBlockCase{.name = "LengthZero", .length = 0x0000},
                          RejectedBlockCase{.name = "LengthOnlyChecksum", .length = 0x0001},
                          RejectedBlockCase{.name = "LengthHalfImage", .length = 0x0101},
                          RejectedBlockCase{.name = "LengthOneShort", .length = 0x0200},
                          RejectedBlockCase{.name = "LengthOneLong", .length = 0x0202},
                          RejectedBlockCase{.name = "LengthLargest", .length = 0xFFFF},
                          RejectedBlockCase{.name = "MissingBytes", .cutTo = 300},
                          RejectedBlockCase{.name = "MissingChecksum", .cutTo = 3 + 512},
                          RejectedBlockCase{.name = "WrongChecksum", .badChecksum = true})),
    rejectedBlockName);

// The radio answers the PC's block with `answer`; only an acknowledgement means it took it.
struct DownloadCase {
    const char* name;
    bool maintenance;
    LineBytes answer;
    StringId message;
    std::string tail; // transcript after the checksum
};

class DownloadTest : public CloneProtocolTest,
                     public ::testing::WithParamInterface<DownloadCase> {};

TEST_P(DownloadTest, SendsTheImageAlignedForThisRadio) {
    const DownloadCase& c = GetParam();
    radio.ackAnswer = c.answer;
    const RadioImage sent = expectedSentImage();
    const std::uint8_t header = c.maintenance ? 0x25 : 0x21;
    const std::uint8_t frame[] = {header, 0x02, 0x01};
    const auto checksum = static_cast<std::uint8_t>(
        std::accumulate(sent.begin(), sent.end(), unsigned{header} + 0x02 + 0x01));

    const TransferResult result = download({.maintenance = c.maintenance, .backupDirectory = {}});

    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.succeeded(), c.message == msg::kWriteComplete);
    EXPECT_EQ(link.transcript, blockRead()
                                   .echoed(kAck)
                                   .echoed(kAnnounceBlock)
                                   .wait(220)
                                   .wait(110)
                                   .echoed(frame)
                                   .echoed(sent)
                                   .wait(55)
                                   .echoed(checksum)
                                   .raw(c.tail)
                                   .str());
    const std::string end =
        "message " + std::to_string(c.message) + (result.succeeded() ? " info" : " error");
    EXPECT_EQ(
        observer.calls,
        concat(concat({"caption 91", "range 512", "text 95", "pos 5"}, kSteps), {end, "done"}));
    // The radio's alignment is now the image's, and the channels were re-encoded with it.
    EXPECT_EQ(file.image, sent);
    EXPECT_TRUE(std::equal(sent.begin() + 294, sent.begin() + 342,
                           radioImage.begin() + 294));
    const RadioImage plain = freshState().image;
    EXPECT_FALSE(std::equal(sent.begin() + 74, sent.begin() + 266, plain.begin() + 74))
        << "channel records should carry this radio's alignment values";
}

LineBytes lineErrorsThen(int errors, std::uint8_t last) {
    LineBytes answer(static_cast<std::size_t>(errors));
    answer.push_back(last);
    return answer;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DownloadTest,
    ::testing::Values(
        DownloadCase{"Normal", false, {0x06}, msg::kWriteComplete, "R06"},
        DownloadCase{"Maintenance", true, {0x06}, msg::kWriteComplete, "R06"},
        DownloadCase{
            "NoiseThenAck", false, {0x55, std::nullopt, 0x06}, msg::kWriteComplete, "R55 err R06"},
        DownloadCase{"NakEndsAtOnce", false, {0x15}, msg::kWriteError, "R15"},
        DownloadCase{"SilentRadio", false, {}, msg::kWriteError, Transcript().timeout(30).str()},
        DownloadCase{"GarbageIsNoAck",
                     false,
                     {0x55},
                     msg::kWriteError,
                     Transcript().read(0x55).timeout(29).str()},
        // 29 line errors and a stray byte on the 30th read: still no acknowledgement.
        DownloadCase{"LastReadGarbage", false, lineErrorsThen(29, 0x42), msg::kWriteError,
                     Transcript().lineError(29).read(0x42).str()}),
    nameOf<DownloadCase>);

class HardwareMismatchTest : public CloneProtocolTest,
                             public ::testing::WithParamInterface<std::size_t> {};

TEST_P(HardwareMismatchTest, DownloadSendsNothingAfterTheAck) {
    radioImage[GetParam()] ^= 0x01;
    radio.block = radioBlock(radioImage);
    const RadioImage before = file.image;

    EXPECT_EQ(download().message, msg::kHardwareMismatch);
    EXPECT_EQ(link.transcript, blockRead().echoed(kAck).str());
    EXPECT_EQ(file.image, before);
    EXPECT_TRUE(radio.pcBlock.empty());
}

INSTANTIATE_TEST_SUITE_P(Offsets, HardwareMismatchTest, ::testing::Range<std::size_t>(43, 49));

struct EchoCase {
    const char* name;
    Direction direction;
    bool radioStartsOff;
    bool radioSendsBlock;
    std::size_t noEchoFor; // the sent byte without an echo, counted from 0
    StringId message;
    std::string tail;
};

class EchoTest : public CloneProtocolTest, public ::testing::WithParamInterface<EchoCase> {};

TEST_P(EchoTest, MissingEchoEndsTheTransfer) {
    const EchoCase& c = GetParam();
    radio.startsOff = c.radioStartsOff;
    if (!c.radioSendsBlock)
        radio.block.clear();
    link.noEchoFor = c.noEchoFor;

    EXPECT_EQ(transfer(c.direction).message, c.message);
    EXPECT_TRUE(link.transcript.ends_with(c.tail)) << link.transcript;
    EXPECT_EQ(image, RadioImage{});
    if (c.message == msg::kCheckConnection) {
        EXPECT_TRUE(radio.pcBlock.empty());
    }
}

// Sent bytes: 70 20 70 after a power cycle; 70 06 60 21 02 01 and the data in a download.
INSTANTIATE_TEST_SUITE_P(Echo, EchoTest,
                         ::testing::Values(EchoCase{"ReadyAnswer", Direction::Upload, true, true, 1,
                                                    msg::kCheckConnection, "T20 to"},
                                           EchoCase{"SecondWakeUp", Direction::Upload, true, false,
                                                    2, msg::kCheckConnection, "W550 T70 to"},
                                           EchoCase{"Announce", Direction::Download, false, true, 2,
                                                    msg::kCheckConnection, "T60 to"},
                                           EchoCase{"BlockHeader", Direction::Download, false, true,
                                                    3, msg::kWriteError, "W110 T21 to"},
                                           EchoCase{"DataByte", Direction::Download, false, true,
                                                    6 + 100, msg::kWriteError, " to"}),
                         nameOf<EchoCase>);

TEST_F(CloneProtocolTest, PortThatCannotBeOpenedReportsSerialPortError) {
    link.refuseOpen = true;
    EXPECT_EQ(upload().message, msg::kSerialPortError);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"caption 90", "message 80 error", "done"}));
    observer.calls.clear();
    EXPECT_EQ(download().message, msg::kSerialPortError);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"caption 91", "message 80 error", "done"}));
    EXPECT_TRUE(link.transcript.empty());
}

TEST_F(CloneProtocolTest, LineLostWhileWaitingForTheRadioEndsTheWait) {
    radio.startsOff = true;
    radio.timeoutsBeforePowerOn = 1000;
    link.onToken = [&, seen = 0](const std::string& t) mutable {
        if (t == "to" && ++seen == 3)
            link.lost = true;
    };
    EXPECT_EQ(upload().message, msg::kSerialPortError);
    EXPECT_EQ(link.transcript, Transcript().echoed(kWakeUp).timeout(3).str());
    EXPECT_EQ(observer.calls.back(), "done");
}

} // namespace
} // namespace mz58::test
