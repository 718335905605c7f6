// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace mz58 {

// Results of the two read operations of a serial link.
enum ReadResult : int {
    kReadOk = 0,        // the requested bytes were read
    kReadLineError = 1, // a line error was pending (now cleared); nothing was read
    kReadTimeout = 2,   // the read failed or timed out before delivering every byte
};

// Line timing shared by every implementation: a read gives up after 500 ms plus 5 ms per
// requested byte, or after a 100 ms gap once bytes have begun to arrive.
inline constexpr int kReadIntervalTimeoutMs = 100;
inline constexpr int kReadTotalTimeoutConstantMs = 500;
inline constexpr int kReadTotalTimeoutPerByteMs = 5;
inline constexpr int kWriteTotalTimeoutConstantMs = 5000;
inline constexpr int kWriteTotalTimeoutPerByteMs = 100;
// The largest write accepted in one call (the size of the driver's queues).
inline constexpr std::size_t kMaxWriteSize = 4096;

using LinkClock = std::chrono::steady_clock;
// One byte on the wire at 4800 baud with a start bit, 8 data bits and two stop bits.
inline constexpr auto kByteTime = std::chrono::nanoseconds(11'000'000'000LL / 4800);

// How a block sent ahead of its echoes ended.
enum class EchoResult { Ok, Missing, Garbled, Stopped };

// The byte-level link the clone protocol talks through. The serial port implements it on
// the real line; tests implement it in memory. Only the transfer's worker thread uses it.
class SerialLink {
public:
    virtual ~SerialLink() = default;

    // Writes all of `bytes`; refuses (false, nothing written) more than kMaxWriteSize bytes.
    [[nodiscard]] virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    // Reads one byte: kReadOk, kReadLineError (at once, nothing read) or kReadTimeout.
    [[nodiscard]] virtual int ReadByte(std::uint8_t& byte) = 0;
    // Reads exactly `buffer.size()` bytes; same results as ReadByte.
    [[nodiscard]] virtual int Read(std::span<std::uint8_t> buffer) = 0;
    // True once the line has gone away (device unplugged, other end hung up): every read will
    // time out from now on, so waits without a bound must give up.
    [[nodiscard]] virtual bool lineLost() const { return false; }
    // The device the link talks through, as messages name it.
    [[nodiscard]] virtual std::string deviceName() const { return {}; }

    // The link's clock (tests run it virtually).
    [[nodiscard]] virtual LinkClock::time_point Now() const { return LinkClock::now(); }
    // Waits until every byte written so far has been handed to the wire.
    virtual void Drain() {}
    // Pauses the caller until `until`.
    virtual void WaitUntil(LinkClock::time_point until);
    // Pauses the caller for `ms` milliseconds.
    void WaitMs(unsigned ms);

    // Writes `buffer` and then reads back as many bytes into it: the cable echoes every byte
    // sent. Only the arrival of the echo counts, not its value.
    [[nodiscard]] bool WriteEcho(std::span<std::uint8_t> buffer);
    [[nodiscard]] bool WriteEchoByte(std::uint8_t byte);
    // Sends `bytes` while reading their echoes, keeping at most `window` bytes sent ahead of
    // the echoes that have arrived, so that the wire never idles while a USB adapter holds
    // back received bytes. Every echo must arrive and equal its byte, in order (a lost echo
    // shows as the next byte's in its place); `echoed` is told the count after each one and
    // stops the block by returning false.
    [[nodiscard]] EchoResult WriteEchoAhead(std::span<const std::uint8_t> bytes, std::size_t window,
                                            const std::function<bool(std::size_t)>& echoed);
    // Pauses `ms` counted from the moment the last byte sent by WriteEcho or WriteEchoAhead
    // left the wire, not from the arrival of its echo, which an adapter may deliver late.
    void WaitAfterSent(unsigned ms);

private:
    // Keeps the wire's byte clock: when the bytes written at `at` will have left.
    void noteWritten(std::size_t count, LinkClock::time_point at);
    // The last sent byte has been drained and its echo has arrived.
    void noteSentAndEchoed(LinkClock::time_point drained);

    LinkClock::time_point m_wireFree{};
    LinkClock::time_point m_lastSentLeft{};
};

} // namespace mz58
