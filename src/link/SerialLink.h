#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

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
    // Pauses the caller for `ms` milliseconds.
    virtual void WaitMs(unsigned ms) = 0;
    // True once the line has gone away (device unplugged, other end hung up): every read will
    // time out from now on, so waits without a bound must give up.
    [[nodiscard]] virtual bool lineLost() const { return false; }

    // Writes `buffer` and then reads back as many bytes into it: the cable echoes every byte
    // sent. Only the arrival of the echo counts, not its value.
    [[nodiscard]] bool WriteEcho(std::span<std::uint8_t> buffer);
    [[nodiscard]] bool WriteEchoByte(std::uint8_t byte);
};

} // namespace mz58
