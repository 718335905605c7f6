// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"
#include "SimOptions.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace mz58::sim {

using Clock = std::chrono::steady_clock;

// What the radio does to the line around it.
class RadioLine {
public:
    virtual ~RadioLine() = default;
    // Sends one byte after everything sent before it.
    virtual void send(std::uint8_t byte) = 0;
    // The line goes away after everything sent before.
    virtual void hangUp() = 0;
    // A good block from the PC: the radio's memory is now `image`.
    virtual void store(const RadioImage& image) = 0;
    // One transfer (a read or a write, good or not) is over.
    virtual void transferEnded() = 0;
};

// The radio's side of the clone protocol, without the line: bytes from the PC go in, answers
// come out through a RadioLine. Time is passed in so that the logic can be driven by tests.
class SimulatedRadio {
public:
    static constexpr std::uint8_t kBlockHeader = 0x21;
    static constexpr std::uint8_t kGarbageAnswer = 0x55;
    // The radio forgets a half-finished exchange after this long without a byte.
    static constexpr std::chrono::milliseconds kExchangeTimeout{3000};

    // The lost echo of the lose-echo fault: this data byte of the PC's block.
    static constexpr std::size_t kLostEchoDataByte = 100;

    // Radio `number` (1.. of a bench) holding `image`; the first starts in the options' state,
    // a later one is off until switchOn().
    SimulatedRadio(const RadioImage& image, const SimOptions& options, RadioLine& line,
                   int number = 1);

    // The radio is switched on (in clone mode): it announces itself with 0x50.
    void switchOn();
    // True when the cable loses the echo of the byte that arrives next.
    bool losesNextEcho() const;

    // A byte from the PC has arrived.
    void receive(std::uint8_t byte, Clock::time_point now);
    // Lets timers run (the power-on of a radio that was off).
    void tick(Clock::time_point now);
    // When tick() next has something to do.
    std::optional<Clock::time_point> nextTimer() const;
    // The PC has closed the port.
    void portClosed();

    const RadioImage& image() const { return m_image; }
    int number() const { return m_number; }
    // True when this radio shows `fault`.
    bool has(Fault fault) const { return m_options.has(fault, m_number); }

private:
    enum class Mode {
        Off,              // silent until switched on
        AwaitReadyAnswer, // has sent 0x50, waits for 0x20
        AwaitWakeUp,      // waits for 0x70
        AwaitPcAnswer,    // has sent its block, waits for 0x06 or 0x15
        AwaitAnnounce,    // waits for 0x60 (a write) or the end of the exchange (a read)
        AwaitPcHeader,    // waits for the PC's block
        ReceivingPcBlock,
    };

    void sendBlock();
    void receivePcBlockByte(std::uint8_t byte);
    void answerPcBlock();
    void endTransfer();
    bool inExchange() const;

    RadioImage m_image;
    const SimOptions& m_options;
    RadioLine& m_line;
    int m_number;
    Mode m_mode;
    std::optional<Clock::time_point> m_powerOnAt;
    Clock::time_point m_lastByte{};
    std::vector<std::uint8_t> m_pcBlock; // header, length, data and checksum as they arrive
};

} // namespace mz58::sim
