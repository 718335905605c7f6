// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SerialLink.h"
#include "TransferObserver.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace mz58::test {

// "T70": the PC sent 0x70; "R21": the PC read 0x21.
inline std::string byteToken(char kind, std::uint8_t b) {
    char text[8];
    std::snprintf(text, sizeof text, "%c%02X", kind, b);
    return text;
}

// The line in memory: every byte the PC writes comes back as the cable's echo, then a radio
// script answers it. Reads never wait; an empty line is a time-out. Everything that happens
// on the line is written to `transcript` as tokens: "T70" the PC sent 0x70, "R21" the PC read
// 0x21, "to" a read timed out, "err" a read found a line error, "W55" the PC paused 55 ms.
class FakeSerialLink final : public SerialLink {
public:
    // The radio: called for every byte the PC sends, after its echo.
    std::function<void(std::uint8_t)> onSend;
    // Called when a read finds the line empty, before it times out.
    std::function<void()> onIdle;
    // Called after every transcript token (for example to request a cancel at a given point).
    std::function<void(const std::string&)> onToken;
    // The byte of the PC, counted from 0 among all it sends, whose echo the cable swallows.
    std::optional<std::size_t> noEchoFor;
    std::string transcript;
    std::size_t sentCount = 0;
    int timeouts = 0;
    bool lost = false;
    // A script that never lets the protocol finish is a broken test: stop it.
    int maxTimeouts = 500;

    void radioSends(std::uint8_t byte) { m_line.push_back(byte); }
    void radioSends(const std::vector<std::uint8_t>& bytes) {
        for (const auto b : bytes)
            m_line.push_back(b);
    }
    void lineError() { m_line.push_back(std::nullopt); }

    bool Write(std::span<const std::uint8_t> bytes) override {
        if (bytes.size() > kMaxWriteSize)
            return false;
        for (const std::uint8_t b : bytes) {
            const std::size_t index = sentCount++;
            record(byteToken('T', b));
            if (index != noEchoFor)
                m_line.push_back(b);
            if (onSend)
                onSend(b);
        }
        return !lost;
    }

    int ReadByte(std::uint8_t& byte) override {
        if (!m_line.empty() && !m_line.front()) {
            m_line.pop_front();
            record("err");
            return kReadLineError;
        }
        if (m_line.empty() && onIdle && !lost)
            onIdle();
        if (m_line.empty() || !m_line.front()) {
            ++timeouts;
            if (timeouts >= maxTimeouts)
                lost = true;
            record("to");
            return kReadTimeout;
        }
        byte = *m_line.front();
        m_line.pop_front();
        record(byteToken('R', byte));
        return kReadOk;
    }

    int Read(std::span<std::uint8_t> buffer) override {
        for (auto& b : buffer) {
            const int result = ReadByte(b);
            if (result != kReadOk)
                return result;
        }
        return kReadOk;
    }

    // Time passes only in pauses; "W55" records a pause of 55 ms.
    LinkClock::time_point Now() const override { return m_now; }
    void WaitUntil(LinkClock::time_point until) override {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(until - m_now);
        record("W" + std::to_string(std::max<long long>(ms.count(), 0)));
        m_now = std::max(m_now, until);
    }
    bool lineLost() const override { return lost; }
    std::string deviceName() const override { return "/dev/fake"; }

    // True while the protocol holds the port.
    bool open = false;
    bool refuseOpen = false;

private:
    void record(const std::string& t) {
        if (!transcript.empty())
            transcript += ' ';
        transcript += t;
        if (onToken)
            onToken(t);
    }

    std::deque<std::optional<std::uint8_t>> m_line;
    LinkClock::time_point m_now{};
};

// The protocol's handle on a FakeSerialLink that the test keeps: closing it marks the fake closed.
class BorrowedLink final : public SerialLink {
public:
    explicit BorrowedLink(FakeSerialLink& link) : m_link(link) { m_link.open = true; }
    ~BorrowedLink() override { m_link.open = false; }
    bool Write(std::span<const std::uint8_t> bytes) override { return m_link.Write(bytes); }
    int ReadByte(std::uint8_t& byte) override { return m_link.ReadByte(byte); }
    int Read(std::span<std::uint8_t> buffer) override { return m_link.Read(buffer); }
    LinkClock::time_point Now() const override { return m_link.Now(); }
    void Drain() override { m_link.Drain(); }
    void WaitUntil(LinkClock::time_point until) override { m_link.WaitUntil(until); }
    bool lineLost() const override { return m_link.lineLost(); }
    std::string deviceName() const override { return m_link.deviceName(); }

private:
    FakeSerialLink& m_link;
};

inline PortOpener openerFor(FakeSerialLink& link) {
    return [&link]() -> PortOpenResult {
        if (link.refuseOpen)
            return nullptr;
        return std::make_unique<BorrowedLink>(link);
    };
}

// The transcript with every long run of byte tokens cut to its first eight and last four and a
// hash of the rest: golden files stay readable and still pin every byte.
inline std::string shortened(const std::string& transcript) {
    std::vector<std::string> tokens;
    for (std::size_t at = 0; at < transcript.size();) {
        const std::size_t end = std::min(transcript.find(' ', at), transcript.size());
        tokens.push_back(transcript.substr(at, end - at));
        at = end + 1;
    }
    const auto isByte = [](const std::string& t) {
        return t.size() == 3 && (t[0] == 'T' || t[0] == 'R');
    };
    std::string out;
    for (std::size_t i = 0; i < tokens.size();) {
        std::size_t run = i;
        while (run < tokens.size() && isByte(tokens[run]))
            ++run;
        if (run - i <= 16)
            run = i + 1;
        else {
            std::uint32_t hash = 2166136261u;
            for (std::size_t k = i + 8; k < run - 4; ++k)
                for (const char c : tokens[k] + ' ')
                    hash = (hash ^ static_cast<std::uint8_t>(c)) * 16777619u;
            char middle[64];
            std::snprintf(middle, sizeof middle, " ..%zu more, hash %08X..", run - i - 12, hash);
            for (std::size_t k = i; k < i + 8; ++k)
                out += (out.empty() ? "" : " ") + tokens[k];
            out += middle;
            i = run - 4;
        }
        for (; i < run; ++i)
            out += (out.empty() ? "" : " ") + tokens[i];
    }
    return out;
}

// Records what a transfer reports, one line a call.
class RecordingObserver final : public TransferObserver {
public:
    std::vector<std::string> calls;
    std::function<void(const std::string&)> onCall;
    int doneCount = 0;

    void setCaption(StringId id) override { add("caption " + std::to_string(id)); }
    void setRange(int upper) override { add("range " + std::to_string(upper)); }
    void setPosition(int position) override { add("pos " + std::to_string(position)); }
    void setStatusText(StringId id) override { add("text " + std::to_string(id)); }
    // "message 84 error", followed by the message's arguments if it has any.
    void showMessage(StringId id, std::span<const std::string> args, Icon icon) override {
        std::string call =
            "message " + std::to_string(id) + (icon == Icon::Information ? " info" : " error");
        for (const auto& arg : args)
            call += " " + arg;
        add(call);
    }
    void done(const TransferResult&) override {
        ++doneCount;
        add("done");
    }

private:
    void add(std::string call) {
        calls.push_back(call);
        if (onCall)
            onCall(call);
    }
};

} // namespace mz58::test
