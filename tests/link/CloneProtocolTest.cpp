// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProtocolFixtures.h"

#include "Golden.h"
#include "LinkMessages.h"

#include <gtest/gtest.h>

#include <algorithm>

// Each case's line, reports and message are pinned in tests/data/link/clone-protocol.txt
// (MZ58_UPDATE_GOLDEN=1 rewrites it; read the diff); the tables here check the images.
namespace mz58::test {
namespace {

using namespace mz58::clone;

// The file differs from the radio in bytes the editor never touches.
struct CloneRun : ProtocolRun {
    CloneRun() {
        for (std::size_t i = 6; i < 26; ++i)
            file.image[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    // The image a write to `radioImage` sends for `file`.
    RadioImage expectedSentImage(bool maintenance = false) const {
        ImageState expected = file;
        takeRadioData(expected, radioImage, maintenance);
        return expected.image;
    }
};

std::vector<std::uint8_t> zeroImageBlock(std::uint8_t header, std::uint8_t checksum) {
    std::vector<std::uint8_t> block{header, 0x02, 0x01};
    block.resize(3 + kImageSize, 0);
    block.push_back(checksum);
    return block;
}

std::string uploads() {
    const struct {
        const char* name;
        std::vector<std::uint8_t> block; // empty: radioImageWithAlignment()
        int timeoutsBeforePowerOn;       // 0: the radio is in clone mode already
        LineBytes beforeReady;
    } cases[] = {
        // The radio's data holds 0x50, 0x70 and header-like bytes: inside a block they are data.
        {"upload in clone mode", {}, 0, {}},
        {"upload zero image, checksum 24", zeroImageBlock(0x21, 0x24), 0, {}},
        {"upload zero image, maintenance header, checksum 28", zeroImageBlock(0x25, 0x28), 0, {}},
        {"upload silent until power cycled", {}, 1, {}},
        // Before 0x50 even a header byte is no block: the radio has not been woken yet.
        {"upload noise and line errors before ready", {}, 2, {0x13, std::nullopt, 0x21, 0x70}},
    };
    std::string out;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CloneRun t;
        if (!c.block.empty())
            t.radio.block = c.block;
        t.radio.startsOff = c.timeoutsBeforePowerOn > 0;
        t.radio.timeoutsBeforePowerOn = c.timeoutsBeforePowerOn;
        t.radio.beforeReady = c.beforeReady;
        t.image.fill(0xEE);
        t.observer.onCall = [&](const std::string& call) {
            // The message comes while the port is still held; done after it is closed.
            if (call.starts_with("message") || call == "done") {
                EXPECT_EQ(t.link.open, call != "done") << call;
            }
        };
        const TransferResult result = t.upload();
        EXPECT_EQ(result.outcome, TransferOutcome::Succeeded);
        EXPECT_EQ(t.image, c.block.empty() ? t.radioImage : RadioImage{});
        out += t.record(c.name, result);
    }
    return out;
}

// A radio block that must not be taken: wrong length, missing bytes or a wrong checksum.
std::string rejectedBlocks() {
    const struct {
        const char* name;
        unsigned length = kBlockLength;
        std::size_t cutTo = 0; // the radio sends only this many bytes of its block
        bool badChecksum = false;
    } cases[] = {{.name = "length zero", .length = 0x0000},
                 {.name = "length only checksum", .length = 0x0001},
                 {.name = "length half image", .length = 0x0101},
                 {.name = "length one short", .length = 0x0200},
                 {.name = "length one long", .length = 0x0202},
                 {.name = "length largest", .length = 0xFFFF},
                 {.name = "missing bytes", .cutTo = 300},
                 {.name = "missing checksum", .cutTo = 3 + 512},
                 {.name = "wrong checksum", .badChecksum = true}};
    std::string out;
    for (const Direction direction : {Direction::Upload, Direction::Download}) {
        for (const auto& c : cases) {
            const std::string name =
                (direction == Direction::Upload ? "upload, " : "download, ") + std::string(c.name);
            SCOPED_TRACE(name);
            CloneRun t;
            t.radio.block = radioBlock(t.radioImage, kHeaderNormal, c.length);
            if (c.cutTo)
                t.radio.block.resize(c.cutTo);
            if (c.badChecksum)
                t.radio.block.back() ^= 0x40;
            const RadioImage fileBefore = t.file.image;
            const TransferResult result = t.transfer(direction);
            EXPECT_EQ(result.outcome, TransferOutcome::Failed);
            EXPECT_EQ(t.image, RadioImage{});
            EXPECT_EQ(t.file.image, fileBefore);
            out += t.record(name, result);
        }
    }
    return out;
}

// The radio answers the PC's block with `answer`; only an acknowledgement means it took it.
std::string downloads() {
    LineBytes lastReadGarbage(29); // 29 line errors and a stray byte on the 30th read
    lastReadGarbage.push_back(0x42);
    const struct {
        const char* name;
        bool maintenance;
        LineBytes answer;
    } cases[] = {{"download", false, {0x06}},
                 {"download in maintenance mode", true, {0x06}},
                 {"download, noise then ack", false, {0x55, std::nullopt, 0x06}},
                 {"download, NAK ends at once", false, {0x15}},
                 {"download, silent radio", false, {}},
                 {"download, garbage is no ack", false, {0x55}},
                 {"download, last read garbage", false, lastReadGarbage}};
    std::string out;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CloneRun t;
        t.radio.ackAnswer = c.answer;
        t.file.image[351] = 0x99; // the file's serial number differs from the radio's
        ImageCodec::decodeAll(t.file);
        const RadioImage fileBefore = t.file.image;
        const RadioImage sent = t.expectedSentImage(c.maintenance);
        const TransferResult result =
            t.download({.maintenance = c.maintenance, .backupDirectory = {}});
        // The radio's alignment is now the image's, and the channels were re-encoded with it.
        EXPECT_EQ(t.file.image, sent);
        EXPECT_TRUE(std::equal(sent.begin() + 294, sent.begin() + 342, t.radioImage.begin() + 294));
        // A normal write keeps the radio's serial number; maintenance mode writes the file's.
        const RadioImage& serialFrom = c.maintenance ? fileBefore : t.radioImage;
        EXPECT_TRUE(std::equal(sent.begin() + 349, sent.begin() + 352, serialFrom.begin() + 349));
        EXPECT_EQ(result.radio, t.radioImage);
        EXPECT_EQ(result.sent, sent);
        const RadioImage plain = freshState().image;
        EXPECT_FALSE(std::equal(sent.begin() + 74, sent.begin() + 266, plain.begin() + 74))
            << "channel records should carry this radio's alignment values";
        out += t.record(c.name, result);
    }
    return out;
}

// A radio of other hardware (bytes 43..48): nothing is sent after the acknowledgement.
std::string hardwareMismatches() {
    std::string out;
    for (std::size_t offset = 43; offset <= 48; ++offset) {
        CloneRun t;
        t.radioImage[offset] ^= 0x01;
        t.radio.block = radioBlock(t.radioImage);
        const RadioImage before = t.file.image;
        const TransferResult result = t.download();
        EXPECT_EQ(t.file.image, before) << offset;
        EXPECT_TRUE(t.radio.pcBlock.empty()) << offset;
        out += t.record("download, radio byte " + std::to_string(offset) + " differs", result);
    }
    return out;
}

// A sent byte without its echo ends the transfer. Sent bytes: 70 20 70 after a power cycle;
// 70 06 60 21 02 01 and the data in a download.
std::string missingEchoes() {
    const struct {
        const char* name;
        Direction direction;
        bool radioStartsOff, radioSendsBlock;
        std::size_t noEchoFor; // the sent byte without an echo, counted from 0
    } cases[] = {{"no echo of the ready answer", Direction::Upload, true, true, 1},
                 {"no echo of the second wake-up", Direction::Upload, true, false, 2},
                 {"no echo of the announcement", Direction::Download, false, true, 2},
                 {"no echo of the block header", Direction::Download, false, true, 3},
                 {"no echo of a data byte", Direction::Download, false, true, 6 + 100}};
    std::string out;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CloneRun t;
        t.radio.startsOff = c.radioStartsOff;
        if (!c.radioSendsBlock)
            t.radio.block.clear();
        t.link.noEchoFor = c.noEchoFor;
        const TransferResult result = t.transfer(c.direction);
        EXPECT_EQ(t.image, RadioImage{});
        EXPECT_TRUE(result.message != msg::kCheckConnection || t.radio.pcBlock.empty());
        out += t.record(c.name, result);
    }
    return out;
}

// The next radio of a batch gets no wake-up byte: the radio still on the cable would answer it.
// A write after the preview refuses any radio other than the one shown.
std::string benchWrites() {
    const struct {
        const char* name;
        bool awaitPowerOn;
        int previewedDiffersAt; // -1: no preview; 0: the previewed radio; else that byte differs
    } cases[] = {{"next radio of a batch, switched on", true, -1},
                 {"write of the previewed radio", false, 0},
                 {"write meets another radio than previewed", false, 350},
                 {"write meets the previewed radio's changed channel", false, 80}};
    std::string out;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CloneRun t;
        t.radio.startsOff = c.awaitPowerOn;
        DownloadOptions options;
        options.awaitPowerOn = c.awaitPowerOn;
        if (c.previewedDiffersAt >= 0) {
            options.expectedRadio = t.radioImage;
            if (c.previewedDiffersAt > 0)
                (*options.expectedRadio)[static_cast<std::size_t>(c.previewedDiffersAt)] ^= 0x10;
        }
        const RadioImage fileBefore = t.file.image;
        const TransferResult result = t.download(options);
        const bool refused = c.previewedDiffersAt > 0;
        EXPECT_EQ(result.succeeded(), !refused);
        EXPECT_EQ(t.radio.pcBlock.empty(), refused) << "nothing is sent to another radio";
        if (refused) {
            EXPECT_EQ(t.file.image, fileBefore);
        }
        out += t.record(c.name, result);
    }
    return out;
}

TEST(CloneProtocol, EveryCaseAsPinned) {
    expectGolden("link/clone-protocol.txt", uploads() + rejectedBlocks() + downloads() +
                                                hardwareMismatches() + missingEchoes() +
                                                benchWrites());
}

TEST_F(ProtocolTest, PortThatCannotBeOpenedReportsSerialPortError) {
    link.refuseOpen = true;
    EXPECT_EQ(upload().message, msg::kSerialPortError);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"caption 90", "message 80 error", "done"}));
    observer.calls.clear();
    EXPECT_EQ(download().message, msg::kSerialPortError);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"caption 91", "message 80 error", "done"}));
    EXPECT_TRUE(link.transcript.empty());
}

TEST_F(ProtocolTest, LineLostWhileWaitingForTheRadioEndsTheWait) {
    radio.startsOff = true;
    radio.timeoutsBeforePowerOn = 1000;
    link.onToken = [&, seen = 0](const std::string& t) mutable {
        if (t == "to" && ++seen == 3)
            link.lost = true;
    };
    EXPECT_EQ(upload().message, msg::kSerialPortError);
    EXPECT_EQ(link.transcript, "T70 R70 to to to");
    EXPECT_EQ(observer.calls.back(), "done");
}

} // namespace
} // namespace mz58::test
