// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulatedRadio.h"

#include "CloneProtocol.h"

#include <algorithm>

namespace mz58::sim {
namespace {

using namespace mz58::clone;

// Stray bytes of a line that settles: none of them can be taken for a block header.
constexpr std::uint8_t kNoise[] = {0x00, 0xFF, 0x50, 0x70, 0x13, 0x11, 0x06, 0x15, 0x8A, 0x7F};

constexpr unsigned kShortLength = 0x0101;
constexpr unsigned kLongLength = 0x0301;
constexpr std::size_t kHangupAfterDataBytes = 256;

} // namespace

SimulatedRadio::SimulatedRadio(const RadioImage& image, const SimOptions& options, RadioLine& line,
                               int number)
    : m_image(image), m_options(options), m_line(line), m_number(number),
      m_mode(options.state == RadioState::Off || number > 1 ? Mode::Off : Mode::AwaitWakeUp) {}

void SimulatedRadio::switchOn() {
    m_powerOnAt.reset();
    m_mode = Mode::AwaitReadyAnswer;
    m_line.send(kRadioReady);
}

bool SimulatedRadio::losesNextEcho() const {
    return has(Fault::LoseEcho) && m_mode == Mode::ReceivingPcBlock &&
           m_pcBlock.size() == 3 + kLostEchoDataByte;
}

bool SimulatedRadio::inExchange() const {
    return m_mode == Mode::AwaitPcAnswer || m_mode == Mode::AwaitAnnounce ||
           m_mode == Mode::AwaitPcHeader || m_mode == Mode::ReceivingPcBlock;
}

void SimulatedRadio::endTransfer() {
    m_mode = Mode::AwaitWakeUp;
    m_pcBlock.clear();
    m_line.transferEnded();
}

void SimulatedRadio::sendBlock() {
    if (has(Fault::NoiseBeforeHeader)) {
        for (const std::uint8_t b : kNoise)
            m_line.send(b);
    }
    unsigned length = kBlockLength;
    if (has(Fault::ShortBlock))
        length = kShortLength;
    else if (has(Fault::LongLength))
        length = kLongLength;

    std::vector<std::uint8_t> data(length - 1, 0);
    std::copy_n(m_image.begin(), std::min<std::size_t>(data.size(), m_image.size()), data.begin());

    m_line.send(kBlockHeader);
    m_line.send(static_cast<std::uint8_t>(length >> 8));
    m_line.send(static_cast<std::uint8_t>(length & 0xFF));
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (has(Fault::HangupMidBlock) && i == kHangupAfterDataBytes) {
            m_line.hangUp();
            return;
        }
        m_line.send(data[i]);
    }
    std::uint8_t checksum = blockChecksum(kBlockHeader, length, data);
    if (has(Fault::BadChecksum))
        ++checksum;
    m_line.send(checksum);
    m_mode = Mode::AwaitPcAnswer;
}

void SimulatedRadio::receive(std::uint8_t byte, Clock::time_point now) {
    if (inExchange() && now - m_lastByte > kExchangeTimeout)
        endTransfer();
    m_lastByte = now;

    switch (m_mode) {
    case Mode::Off:
        if (!m_powerOnAt)
            m_powerOnAt = now + std::chrono::milliseconds(m_options.powerOnAfterMs);
        break;
    case Mode::AwaitReadyAnswer:
        if (byte == kReadyAnswer)
            m_mode = Mode::AwaitWakeUp;
        break;
    case Mode::AwaitWakeUp:
        if (byte == kWakeUp)
            sendBlock();
        break;
    case Mode::AwaitPcAnswer:
        if (byte == kAck)
            m_mode = Mode::AwaitAnnounce;
        else if (byte == kNak)
            endTransfer();
        else if (byte == kWakeUp)
            sendBlock();
        break;
    case Mode::AwaitAnnounce:
        if (byte == kAnnounceBlock) {
            m_mode = Mode::AwaitPcHeader;
        } else if (byte == kWakeUp) {
            // A new exchange: the previous one was a read.
            m_line.transferEnded();
            sendBlock();
        }
        break;
    case Mode::AwaitPcHeader:
        if (byte == kHeaderNormal || byte == kHeaderMaintenance) {
            m_pcBlock.assign(1, byte);
            m_mode = Mode::ReceivingPcBlock;
        }
        break;
    case Mode::ReceivingPcBlock:
        receivePcBlockByte(byte);
        break;
    }
}

void SimulatedRadio::receivePcBlockByte(std::uint8_t byte) {
    m_pcBlock.push_back(byte);
    if (m_pcBlock.size() < 3)
        return;
    const unsigned length = (static_cast<unsigned>(m_pcBlock[1]) << 8) | m_pcBlock[2];
    if (length != kBlockLength) {
        m_line.send(kNak);
        endTransfer();
        return;
    }
    if (m_pcBlock.size() == 3 + length)
        answerPcBlock();
}

void SimulatedRadio::answerPcBlock() {
    const std::span<const std::uint8_t> data(m_pcBlock.data() + 3, kImageSize);
    const bool good = blockChecksum(m_pcBlock[0], kBlockLength, data) == m_pcBlock[3 + kImageSize];
    if (!good) {
        m_line.send(kNak);
    } else if (has(Fault::Nak)) {
        m_line.send(kNak);
    } else if (has(Fault::GarbageAck)) {
        m_line.send(kGarbageAnswer);
    } else if (!has(Fault::NoAck)) {
        std::copy(data.begin(), data.end(), m_image.begin());
        // Stored before the acknowledgement goes out, so that whoever sees the 0x06 finds it.
        m_line.store(m_image);
        m_line.send(kAck);
    }
    endTransfer();
}

void SimulatedRadio::tick(Clock::time_point now) {
    if (m_mode == Mode::Off && m_powerOnAt && now >= *m_powerOnAt)
        switchOn();
}

std::optional<Clock::time_point> SimulatedRadio::nextTimer() const {
    return m_mode == Mode::Off ? m_powerOnAt : std::nullopt;
}

void SimulatedRadio::portClosed() {
    if (inExchange())
        endTransfer();
}

} // namespace mz58::sim
