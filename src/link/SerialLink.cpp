// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialLink.h"

#include <algorithm>
#include <thread>

namespace mz58 {

void SerialLink::WaitUntil(LinkClock::time_point until) {
    std::this_thread::sleep_until(until);
}

void SerialLink::WaitMs(unsigned ms) {
    WaitUntil(Now() + std::chrono::milliseconds(ms));
}

void SerialLink::noteWritten(std::size_t count, LinkClock::time_point at) {
    m_wireFree = std::max(m_wireFree, at) + kByteTime * static_cast<long>(count);
}

// The byte left no later than its echo arrived, and no earlier than the byte clock says nor
// than the driver's queue emptied. A pseudo-terminal drains at once; an adapter delivers the
// echo late: the bounds together give the moment on both.
void SerialLink::noteSentAndEchoed(LinkClock::time_point drained) {
    m_lastSentLeft = std::min(Now(), std::max(drained, m_wireFree));
}

bool SerialLink::WriteEcho(std::span<std::uint8_t> buffer) {
    const auto at = Now();
    if (!Write(buffer))
        return false;
    noteWritten(buffer.size(), at);
    Drain();
    const auto drained = Now();
    if (Read(buffer) != kReadOk)
        return false;
    noteSentAndEchoed(drained);
    return true;
}

bool SerialLink::WriteEchoByte(std::uint8_t byte) {
    std::uint8_t buffer[1] = {byte};
    return WriteEcho(buffer);
}

EchoResult SerialLink::WriteEchoAhead(std::span<const std::uint8_t> bytes, std::size_t window,
                                      const std::function<bool(std::size_t)>& echoed) {
    window = std::max<std::size_t>(window, 1);
    std::size_t sent = 0;
    std::size_t got = 0;
    LinkClock::time_point drained{};
    while (got < bytes.size()) {
        if (sent < bytes.size() && sent - got < window) {
            const std::size_t upTo = std::min(bytes.size(), got + window);
            const auto at = Now();
            if (!Write(bytes.subspan(sent, upTo - sent)))
                return EchoResult::Missing;
            noteWritten(upTo - sent, at);
            sent = upTo;
            if (sent == bytes.size()) {
                Drain();
                drained = Now();
            }
        }
        std::uint8_t echo = 0;
        if (ReadByte(echo) != kReadOk)
            return EchoResult::Missing;
        if (echo != bytes[got])
            return EchoResult::Garbled;
        ++got;
        if (echoed && !echoed(got))
            return EchoResult::Stopped;
    }
    noteSentAndEchoed(drained);
    return EchoResult::Ok;
}

void SerialLink::WaitAfterSent(unsigned ms) {
    WaitUntil(m_lastSentLeft + std::chrono::milliseconds(ms));
}

} // namespace mz58
