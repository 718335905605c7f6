// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Bitfield.h"
#include "CloneProtocol.h"
#include "FakeSerialLink.h"
#include "ImageCodec.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <memory>
#include <stop_token>
#include <vector>

namespace mz58::test {

// A VHF radio with factory alignment data, a serial number and data bytes that look like
// handshake bytes (0x50, 0x70) and block headers (0x20..0x2F).
inline RadioImage radioImageWithAlignment() {
    RadioImage image = freshState().image;
    writeBigEndian16(image, 294, 1540); // RX tuning base 154.0 MHz
    image[297] = 0x40;
    image[298] = 0x30;
    image[299] = 0x28;
    for (unsigned k = 0; k <= 10; ++k) {
        writeBigEndian16(image, 300 + 4 * k, 134 + 4 * k);
        if (k < 10) {
            image[302 + 4 * k] = static_cast<std::uint8_t>(1 + k % 7);
            image[303 + 4 * k] = static_cast<std::uint8_t>(0x49 + 0x13 * k);
        }
    }
    image[2] = 0x50;
    image[3] = 0x70;
    image[4] = 0x20;
    image[5] = 0x2F;
    image[349] = 0x12;
    image[350] = 0x34;
    image[351] = 0x56;
    return image;
}

// The radio's clone block for `image`, as the radio frames it.
inline std::vector<std::uint8_t> radioBlock(const RadioImage& image, std::uint8_t header = 0x21,
                                            unsigned length = clone::kBlockLength) {
    std::vector<std::uint8_t> data(length == 0 ? 0 : length - 1, 0);
    std::copy_n(image.begin(), std::min<std::size_t>(data.size(), image.size()), data.begin());
    std::vector<std::uint8_t> block;
    block.reserve(data.size() + 4);
    block.push_back(header);
    block.push_back(static_cast<std::uint8_t>(length >> 8));
    block.push_back(static_cast<std::uint8_t>(length & 0xFF));
    block.insert(block.end(), data.begin(), data.end());
    block.push_back(clone::blockChecksum(header, length, data));
    return block;
}

// Bytes a radio puts on the line; nullopt stands for a line error.
using LineBytes = std::vector<std::optional<std::uint8_t>>;

// A radio driven by what the PC sends: it answers the wake-up byte with `block` (at once, or
// after being switched on when it starts off) and answers a complete PC block with `ackAnswer`.
struct ScriptedRadio {
    explicit ScriptedRadio(FakeSerialLink& l) : link(l) {}

    FakeSerialLink& link;
    std::vector<std::uint8_t> block;
    bool startsOff = false;
    // Time-outs the PC sees before the radio, switched off and on, sends 0x50.
    int timeoutsBeforePowerOn = 1;
    // What the radio puts on the line before 0x50 while the PC waits for it.
    LineBytes beforeReady;
    LineBytes ackAnswer{clone::kAck};
    std::vector<std::uint8_t> pcBlock;

    void install() {
        link.onSend = [this](std::uint8_t b) { pcSent(b); };
        link.onIdle = [this] { idle(); };
    }

private:
    void send(const LineBytes& bytes) {
        for (const auto& b : bytes) {
            if (b)
                link.radioSends(*b);
            else
                link.lineError();
        }
    }

    void pcSent(std::uint8_t b) {
        if (m_receiving) {
            pcBlock.push_back(b);
            if (pcBlock.size() == clone::kBlockLength + 3) {
                m_receiving = false;
                send(ackAnswer);
            }
            return;
        }
        if (b == clone::kWakeUp) {
            if (!startsOff || m_poweredOn)
                link.radioSends(block);
        } else if (b == clone::kAnnounceBlock) {
            m_expectHeader = true;
        } else if (m_expectHeader) {
            m_expectHeader = false;
            m_receiving = true;
            pcBlock.assign(1, b);
        }
    }

    void idle() {
        if (!startsOff || m_poweredOn || m_timeouts++ < timeoutsBeforePowerOn)
            return;
        m_poweredOn = true;
        send(beforeReady);
        link.radioSends(clone::kRadioReady);
    }

    bool m_poweredOn = false;
    bool m_receiving = false;
    bool m_expectHeader = false;
    int m_timeouts = 0;
};

enum class Direction { Upload, Download };

inline void PrintTo(Direction d, std::ostream* os) {
    *os << (d == Direction::Upload ? "Upload" : "Download");
}

// One transfer against a scripted radio in clone mode that holds radioImageWithAlignment().
struct ProtocolRun {
    ProtocolRun() {
        radio.block = radioBlock(radioImage);
        radio.install();
    }
    ProtocolRun(const ProtocolRun&) = delete;

    TransferResult upload() {
        return UploadThreadProc(stop.get_token(), openerFor(link), image, observer);
    }
    TransferResult download(DownloadOptions options = {}) {
        return DownloadThreadProc(stop.get_token(), openerFor(link), file, options, observer);
    }
    TransferResult transfer(Direction direction) {
        return direction == Direction::Upload ? upload() : download();
    }
    // A golden file's record of the run: its message, the line (shortened) and the reports.
    std::string record(const std::string& name, const TransferResult& result) const {
        std::string calls;
        for (const auto& call : observer.calls)
            calls += (calls.empty() ? "" : ", ") + call;
        const std::string reason =
            result.problem.empty() ? "" : ", reason " + std::to_string(result.problem.reason);
        return name + ": message " + std::to_string(result.message) + reason +
               "\n  line: " + shortened(link.transcript) + "\n  calls: " + calls + "\n";
    }

    FakeSerialLink link;
    ScriptedRadio radio{link};
    RecordingObserver observer;
    std::stop_source stop;
    RadioImage radioImage = radioImageWithAlignment();
    RadioImage image{};             // what an upload fills
    ImageState file = freshState(); // what a download sends
};

class ProtocolTest : public ::testing::Test, public ProtocolRun {};

} // namespace mz58::test
