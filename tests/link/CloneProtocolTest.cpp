#include "ProtocolFixtures.h"

#include "LinkMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <stop_token>

namespace mz58::test {
namespace {

using namespace mz58::clone;

std::vector<std::string> progressFrom(int first) {
    std::vector<std::string> calls;
    for (int p = first; p < kProgressRange; p += kProgressStep)
        calls.push_back("pos " + std::to_string(p));
    return calls;
}

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::string lastOf(const std::vector<std::string>& calls) {
    return calls.empty() ? "" : calls.back();
}

class CloneProtocolTest : public ::testing::Test {
protected:
    void SetUp() override {
        radioImage = radioImageWithAlignment();
        radio.block = radioBlock(radioImage);
        radio.install();
        ImageCodec::makeNewImage(file, kVhf);
        // The file differs from the radio in bytes the editor never touches.
        for (std::size_t i = 6; i < 26; ++i)
            file.image[i] = static_cast<std::uint8_t>(0xA0 + i);
    }

    TransferResult upload(RadioImage& image) {
        return UploadThreadProc(stop.get_token(), openerFor(link), image, observer);
    }
    TransferResult download(bool maintenance = false) {
        DownloadOptions options;
        options.maintenance = maintenance;
        return DownloadThreadProc(stop.get_token(), openerFor(link), file, options, observer);
    }
    // The image a write to `radioImage` sends for `file`.
    RadioImage expectedSentImage() const {
        ImageState expected = file;
        takeRadioAlignment(expected, radioImage);
        return expected.image;
    }

    FakeSerialLink link;
    ScriptedRadio radio{link};
    RecordingObserver observer;
    std::stop_source stop;
    RadioImage radioImage{};
    ImageState file;
};

TEST_F(CloneProtocolTest, UploadFromRadioInCloneModeCopiesEveryByte) {
    RadioImage image{};
    image.fill(0xEE);
    observer.onCall = [&](const std::string& call) {
        // The message comes while the port is still held; done after it is closed.
        if (call.rfind("message", 0) == 0) {
            EXPECT_TRUE(link.open);
        }
        if (call == "done") {
            EXPECT_FALSE(link.open);
        }
    };

    const TransferResult result = upload(image);

    EXPECT_EQ(result.outcome, TransferOutcome::Succeeded);
    EXPECT_EQ(result.message, msg::kReadComplete);
    EXPECT_EQ(image, radioImage);
    EXPECT_EQ(link.transcript,
              Transcript().echoed(kWakeUp).read(radio.block).wait(55).echoed(kAck).str());
    EXPECT_EQ(observer.calls, concat({{"caption 90", "range 512", "pos 5", "text 95"},
                                      progressFrom(62),
                                      {"message 83 info", "done"}}));
}

struct PowerCycleCase {
    const char* name;
    int timeoutsBeforePowerOn;
    std::vector<std::optional<std::uint8_t>> beforeReady; // nullopt: a line error
    std::string beforeReadyTokens;
};

void PrintTo(const PowerCycleCase& c, std::ostream* os) {
    *os << c.name;
}

class PowerCycleTest : public CloneProtocolTest,
                       public ::testing::WithParamInterface<PowerCycleCase> {};

TEST_P(PowerCycleTest, SilentRadioIsAskedToPowerCycleAndThenRead) {
    const PowerCycleCase& c = GetParam();
    radio.startsOff = true;
    radio.timeoutsBeforePowerOn = c.timeoutsBeforePowerOn;
    radio.beforeReady = c.beforeReady;
    RadioImage image{};

    const TransferResult result = upload(image);

    EXPECT_EQ(result.outcome, TransferOutcome::Succeeded);
    EXPECT_EQ(image, radioImage);
    Transcript expected;
    expected.echoed(kWakeUp);
    for (int i = 0; i < c.timeoutsBeforePowerOn; ++i)
        expected.timeout();
    if (!c.beforeReadyTokens.empty())
        expected.raw(c.beforeReadyTokens);
    expected.read(kRadioReady).echoed(kReadyAnswer).wait(550).echoed(kWakeUp);
    expected.read(radio.block).wait(55).echoed(kAck);
    EXPECT_EQ(link.transcript, expected.str());
    EXPECT_EQ(observer.calls, concat({{"caption 90", "range 512", "text 94", "pos 5", "text 95"},
                                      progressFrom(62),
                                      {"message 83 info", "done"}}));
}

INSTANTIATE_TEST_SUITE_P(Upload, PowerCycleTest,
                         ::testing::Values(PowerCycleCase{"ReadyAfterFirstTimeout", 1, {}, ""},
                                           PowerCycleCase{"ReadyAfterSeveralTimeouts", 4, {}, ""},
                                           // Before 0x50 even a header byte is no block: the radio
                                           // has not been woken yet.
                                           PowerCycleCase{"NoiseAndLineErrorsBeforeReady",
                                                          2,
                                                          {0x13, std::nullopt, 0x21, 0x70},
                                                          "R13 err R21 R70"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CloneProtocolTest, HandshakeBytesInsideTheBlockAreData) {
    ASSERT_EQ(radioImage[2], kRadioReady);
    ASSERT_EQ(radioImage[3], kWakeUp);
    ASSERT_TRUE(isHeaderByte(radioImage[4]));
    RadioImage image{};
    EXPECT_TRUE(upload(image).succeeded());
    EXPECT_EQ(image, radioImage);
}

TEST(BlockChecksum, IsTheByteSumOfHeaderLengthAndData) {
    const std::vector<std::uint8_t> zeros(kImageSize, 0);
    const struct {
        std::uint8_t header;
        std::vector<std::uint8_t> data;
        std::uint8_t expected;
    } cases[] = {
        {kHeaderNormal, zeros, 0x24},
        {kHeaderMaintenance, zeros, 0x28},
        // A sum, not an exclusive-or: 0xFF + 0x01 carries out of the byte.
        {kHeaderNormal, {0xFF, 0x01}, 0x24},
        {kHeaderNormal, {0x80, 0x80, 0x10}, 0x34},
    };
    for (const auto& c : cases)
        EXPECT_EQ(blockChecksum(c.header, kBlockLength, c.data), c.expected);
}

TEST_F(CloneProtocolTest, UploadAcceptsTheLiteralChecksumOfAZeroImage) {
    for (const std::uint8_t header : {std::uint8_t{0x21}, std::uint8_t{0x25}}) {
        FakeSerialLink line;
        ScriptedRadio zeroRadio(line);
        zeroRadio.block = {header, 0x02, 0x01};
        zeroRadio.block.resize(3 + kImageSize, 0);
        zeroRadio.block.push_back(header == 0x21 ? 0x24 : 0x28);
        zeroRadio.install();
        RadioImage image{};
        image.fill(0x77);
        RecordingObserver quiet;
        const auto result = UploadThreadProc({}, openerFor(line), image, quiet);
        EXPECT_TRUE(result.succeeded()) << int(header);
        EXPECT_EQ(image, RadioImage{});
    }
}

TEST_F(CloneProtocolTest, UploadWithWrongChecksumAnswersNakAndKeepsTheImage) {
    radio.block.back() = static_cast<std::uint8_t>(radio.block.back() + 1);
    RadioImage image{};
    image.fill(0x5A);
    const RadioImage before = image;

    const TransferResult result = upload(image);

    EXPECT_EQ(result.outcome, TransferOutcome::Failed);
    EXPECT_EQ(image, before);
    EXPECT_EQ(link.transcript,
              Transcript().echoed(kWakeUp).read(radio.block).wait(55).echoed(kNak).str());
    EXPECT_EQ(lastOf(observer.calls), "done");
    EXPECT_EQ(observer.calls[observer.calls.size() - 2], "message 82 error");
}

struct LengthCase {
    const char* name;
    unsigned length;
};

void PrintTo(const LengthCase& c, std::ostream* os) {
    *os << c.name;
}

class BlockLengthTest : public CloneProtocolTest,
                        public ::testing::WithParamInterface<LengthCase> {};

TEST_P(BlockLengthTest, AnyLengthButOneImageIsAFailedRead) {
    const unsigned length = GetParam().length;
    radio.block = radioBlock(radioImage, 0x21, length);
    const std::string expected = Transcript()
                                     .echoed(kWakeUp)
                                     .read(0x21)
                                     .read(static_cast<std::uint8_t>(length >> 8))
                                     .read(static_cast<std::uint8_t>(length & 0xFF))
                                     .str();
    {
        RadioImage image{};
        const TransferResult result = upload(image);
        EXPECT_EQ(result.message, msg::kReadError);
        EXPECT_EQ(image, RadioImage{});
        EXPECT_EQ(link.transcript, expected);
    }
    {
        FakeSerialLink line;
        ScriptedRadio r(line);
        r.block = radio.block;
        r.install();
        const RadioImage before = file.image;
        RecordingObserver calls;
        const auto result = DownloadThreadProc({}, openerFor(line), file, {}, calls);
        EXPECT_EQ(result.message, msg::kWriteError);
        EXPECT_EQ(line.transcript, expected);
        EXPECT_EQ(file.image, before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, BlockLengthTest,
    ::testing::Values(LengthCase{"Zero", 0x0000}, LengthCase{"OnlyChecksum", 0x0001},
                      LengthCase{"HalfImage", 0x0101}, LengthCase{"OneByteShort", 0x0200},
                      LengthCase{"OneByteLong", 0x0202}, LengthCase{"PastTheBuffer", 0x020A},
                      LengthCase{"Largest", 0xFFFF}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CloneProtocolTest, MissingByteInTheRadioBlockFailsEachDirection) {
    radio.block.resize(300);
    RadioImage image{};
    const TransferResult up = upload(image);
    EXPECT_EQ(up.message, msg::kReadError);
    EXPECT_EQ(image, RadioImage{});
    EXPECT_EQ(link.transcript, Transcript().echoed(kWakeUp).read(radio.block).timeout().str());

    FakeSerialLink line;
    ScriptedRadio r(line);
    r.block = radio.block;
    r.install();
    RecordingObserver calls;
    EXPECT_EQ(DownloadThreadProc({}, openerFor(line), file, {}, calls).message, msg::kWriteError);
}

struct DownloadModeCase {
    const char* name;
    bool maintenance;
    std::uint8_t header;
};

void PrintTo(const DownloadModeCase& c, std::ostream* os) {
    *os << c.name;
}

class DownloadTest : public CloneProtocolTest,
                     public ::testing::WithParamInterface<DownloadModeCase> {};

TEST_P(DownloadTest, SendsTheImageAlignedForThisRadio) {
    const DownloadModeCase& c = GetParam();
    const RadioImage sent = expectedSentImage();

    const TransferResult result = download(c.maintenance);

    EXPECT_EQ(result.outcome, TransferOutcome::Succeeded);
    EXPECT_EQ(result.message, msg::kWriteComplete);
    const std::uint8_t checksum = static_cast<std::uint8_t>(
        std::accumulate(sent.begin(), sent.end(), unsigned{c.header} + 0x02 + 0x01) & 0xFF);
    const std::uint8_t frame[] = {c.header, 0x02, 0x01};
    EXPECT_EQ(link.transcript, Transcript()
                                   .echoed(kWakeUp)
                                   .read(radio.block)
                                   .wait(55)
                                   .echoed(kAck)
                                   .echoed(kAnnounceBlock)
                                   .wait(220)
                                   .wait(110)
                                   .echoed(frame)
                                   .echoed(sent)
                                   .wait(55)
                                   .echoed(checksum)
                                   .read(kAck)
                                   .str());
    EXPECT_EQ(observer.calls, concat({{"caption 91", "range 512", "text 95", "pos 5"},
                                      progressFrom(62),
                                      {"message 89 info", "done"}}));
    // The radio's alignment is now the image's, and the channels were re-encoded with it.
    EXPECT_EQ(file.image, sent);
    EXPECT_TRUE(std::equal(sent.begin() + kAlignmentFirst, sent.begin() + kAlignmentLast + 1,
                           radioImage.begin() + kAlignmentFirst));
    ImageState plain;
    ImageCodec::makeNewImage(plain, kVhf);
    EXPECT_FALSE(std::equal(sent.begin() + 74, sent.begin() + 266, plain.image.begin() + 74))
        << "channel records should carry this radio's alignment values";
}

INSTANTIATE_TEST_SUITE_P(Modes, DownloadTest,
                         ::testing::Values(DownloadModeCase{"Normal", false, 0x21},
                                           DownloadModeCase{"Maintenance", true, 0x25}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CloneProtocolTest, DownloadWithWrongRadioChecksumSendsNothingMore) {
    radio.block.back() = static_cast<std::uint8_t>(radio.block.back() ^ 0x40);
    const RadioImage before = file.image;
    const TransferResult result = download();
    EXPECT_EQ(result.message, msg::kRadioChecksumError);
    EXPECT_EQ(file.image, before);
    EXPECT_EQ(link.transcript,
              Transcript().echoed(kWakeUp).read(radio.block).wait(55).echoed(kNak).str());
}

TEST_F(CloneProtocolTest, DownloadRefusesARadioWithOtherHardwareBytes) {
    for (std::size_t offset = 43; offset <= 48; ++offset) {
        SCOPED_TRACE(offset);
        FakeSerialLink line;
        ScriptedRadio other(line);
        RadioImage otherImage = radioImage;
        otherImage[offset] ^= 0x01;
        other.block = radioBlock(otherImage);
        other.install();
        const RadioImage before = file.image;
        RecordingObserver calls;

        const auto result = DownloadThreadProc({}, openerFor(line), file, {}, calls);

        EXPECT_EQ(result.message, msg::kHardwareMismatch);
        EXPECT_EQ(line.transcript,
                  Transcript().echoed(kWakeUp).read(other.block).wait(55).echoed(kAck).str());
        EXPECT_EQ(file.image, before);
        EXPECT_TRUE(other.pcBlock.empty());
    }
}

struct AckCase {
    const char* name;
    std::vector<std::optional<std::uint8_t>> answer; // nullopt: a line error
    StringId message;
    std::string tail; // transcript after the checksum
};

void PrintTo(const AckCase& c, std::ostream* os) {
    *os << c.name;
}

class AckTest : public CloneProtocolTest, public ::testing::WithParamInterface<AckCase> {};

std::string timeouts(int n) {
    Transcript t;
    for (int i = 0; i < n; ++i)
        t.timeout();
    return t.str();
}

TEST_P(AckTest, OnlyAnAcknowledgementMeansTheRadioTookTheBlock) {
    const AckCase& c = GetParam();
    radio.ackAnswer.reset();
    link.onSend = [this, &c, inner = link.onSend](std::uint8_t b) {
        inner(b);
        if (radio.pcBlock.size() == kBlockLength + 3 && link.sentCount == 6 + kBlockLength) {
            for (const auto& a : c.answer) {
                if (a)
                    link.radioSends(*a);
                else
                    link.lineError();
            }
        }
    };
    const RadioImage sent = expectedSentImage();
    const std::uint8_t frame[] = {kHeaderNormal, 0x02, 0x01};

    const TransferResult result = download();

    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(link.transcript, Transcript()
                                   .echoed(kWakeUp)
                                   .read(radio.block)
                                   .wait(55)
                                   .echoed(kAck)
                                   .echoed(kAnnounceBlock)
                                   .wait(220)
                                   .wait(110)
                                   .echoed(frame)
                                   .echoed(sent)
                                   .wait(55)
                                   .echoed(blockChecksum(kHeaderNormal, kBlockLength, sent))
                                   .raw(c.tail)
                                   .str());
}

std::vector<std::optional<std::uint8_t>> lineErrorsThen(int errors, std::uint8_t last) {
    std::vector<std::optional<std::uint8_t>> answer(static_cast<std::size_t>(errors));
    answer.push_back(last);
    return answer;
}

std::string lineErrorTokensThen(int errors, const std::string& last) {
    Transcript t;
    for (int i = 0; i < errors; ++i)
        t.lineError();
    return t.raw(last).str();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AckTest,
    ::testing::Values(
        AckCase{"Ack", {0x06}, msg::kWriteComplete, "R06"},
        AckCase{"NoiseThenAck", {0x55, std::nullopt, 0x06}, msg::kWriteComplete, "R55 err R06"},
        AckCase{"NakEndsAtOnce", {0x15}, msg::kWriteError, "R15"},
        AckCase{"SilentRadio", {}, msg::kWriteError, timeouts(kAckReads)},
        AckCase{"GarbageIsNoAck", {0x55}, msg::kWriteError, "R55 " + timeouts(kAckReads - 1)},
        // 29 line errors and a stray byte on the 30th read: still no acknowledgement.
        AckCase{"LastReadGarbage", lineErrorsThen(kAckReads - 1, 0x42), msg::kWriteError,
                lineErrorTokensThen(kAckReads - 1, "R42")}),
    [](const auto& info) { return std::string(info.param.name); });

struct EchoCase {
    const char* name;
    bool radioStartsOff;
    bool radioSendsBlockAfterPowerCycle;
    bool isDownload;
    std::function<bool(std::size_t, std::uint8_t)> drop;
    StringId message;
    std::string tail;
};

void PrintTo(const EchoCase& c, std::ostream* os) {
    *os << c.name;
}

class EchoTest : public CloneProtocolTest, public ::testing::WithParamInterface<EchoCase> {};

TEST_P(EchoTest, MissingEchoEndsTheTransfer) {
    const EchoCase& c = GetParam();
    radio.startsOff = c.radioStartsOff;
    if (!c.radioSendsBlockAfterPowerCycle)
        radio.block.clear();
    link.dropEcho = c.drop;
    RadioImage image{};

    const TransferResult result = c.isDownload ? download() : upload(image);

    EXPECT_EQ(result.message, c.message);
    const std::string& t = link.transcript;
    ASSERT_GE(t.size(), c.tail.size());
    EXPECT_EQ(t.substr(t.size() - c.tail.size()), c.tail);
    EXPECT_EQ(image, RadioImage{});
    if (c.isDownload && c.message == msg::kCheckConnection) {
        EXPECT_EQ(radio.pcBlock.size(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Echo, EchoTest,
    ::testing::Values(EchoCase{"ReadyAnswer", true, true, false,
                               [](std::size_t, std::uint8_t b) { return b == kReadyAnswer; },
                               msg::kCheckConnection, "T20 to"},
                      EchoCase{"SecondWakeUp", true, false, false,
                               [](std::size_t i, std::uint8_t b) { return i == 2 && b == kWakeUp; },
                               msg::kCheckConnection, "W550 T70 to"},
                      EchoCase{"Announce", false, true, true,
                               [](std::size_t, std::uint8_t b) { return b == kAnnounceBlock; },
                               msg::kCheckConnection, "T60 to"},
                      EchoCase{"BlockHeader", false, true, true,
                               [](std::size_t i, std::uint8_t) { return i == 3; }, msg::kWriteError,
                               "W110 T21 to"},
                      EchoCase{"DataByte", false, true, true,
                               [](std::size_t i, std::uint8_t) { return i == 6 + 100; },
                               msg::kWriteError, " to"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CloneProtocolTest, PortThatCannotBeOpenedReportsSerialPortError) {
    link.refuseOpen = true;
    RadioImage image{};
    EXPECT_EQ(upload(image).message, msg::kSerialPortError);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"caption 90", "message 80 error", "done"}));
    observer.calls.clear();
    EXPECT_EQ(download().message, msg::kSerialPortError);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"caption 91", "message 80 error", "done"}));
    EXPECT_TRUE(link.transcript.empty());
}

TEST_F(CloneProtocolTest, LineLostWhileWaitingForTheRadioEndsTheWait) {
    radio.startsOff = true;
    radio.timeoutsBeforePowerOn = 1000;
    int seen = 0;
    link.onToken = [&](const std::string& t) {
        if (t == "to" && ++seen == 3)
            link.lost = true;
    };
    RadioImage image{};
    const TransferResult result = upload(image);
    EXPECT_EQ(result.message, msg::kSerialPortError);
    EXPECT_EQ(link.transcript, Transcript().echoed(kWakeUp).timeout().timeout().timeout().str());
    EXPECT_EQ(lastOf(observer.calls), "done");
}

} // namespace
} // namespace mz58::test
