// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialLink.h"

#include <gtest/gtest.h>

#include <deque>
#include <numeric>
#include <optional>
#include <vector>

namespace mz58::test {
namespace {

using namespace std::chrono_literals;

// A cable on a USB adapter, in virtual time: each byte takes its wire time in turn, and the
// adapter hands received bytes (the echoes) over only at every tick of its latency timer.
class AdapterLink final : public SerialLink {
public:
    explicit AdapterLink(LinkClock::duration latency) : m_latency(latency) {}

    std::optional<std::size_t> loseEcho; // the sent byte, counted from 0, whose echo is lost

    bool Write(std::span<const std::uint8_t> bytes) override {
        for (const std::uint8_t b : bytes) {
            m_wireFree = std::max(m_wireFree, m_now) + kByteTime;
            if (m_sent++ != loseEcho)
                m_echoes.push_back({delivered(m_wireFree), b});
        }
        return true;
    }
    int ReadByte(std::uint8_t& byte) override {
        if (m_echoes.empty()) {
            m_now += 505ms;
            return kReadTimeout;
        }
        m_now = std::max(m_now, m_echoes.front().at);
        byte = m_echoes.front().byte;
        m_echoes.pop_front();
        return kReadOk;
    }
    int Read(std::span<std::uint8_t> buffer) override {
        for (auto& b : buffer) {
            if (const int result = ReadByte(b); result != kReadOk)
                return result;
        }
        return kReadOk;
    }
    LinkClock::time_point Now() const override { return m_now; }
    void Drain() override { m_now = std::max(m_now, m_wireFree); }
    void WaitUntil(LinkClock::time_point until) override { m_now = std::max(m_now, until); }

    LinkClock::time_point wireFree() const { return m_wireFree; }

private:
    struct Echo {
        LinkClock::time_point at;
        std::uint8_t byte;
    };
    LinkClock::time_point delivered(LinkClock::time_point arrived) const {
        if (m_latency == LinkClock::duration::zero())
            return arrived;
        const auto ticks = (arrived.time_since_epoch() + m_latency - 1ns) / m_latency;
        return LinkClock::time_point(ticks * m_latency);
    }

    LinkClock::duration m_latency;
    LinkClock::time_point m_now{};
    LinkClock::time_point m_wireFree{};
    std::size_t m_sent = 0;
    std::deque<Echo> m_echoes;
};

std::vector<std::uint8_t> block(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0x21});
    return bytes;
}

// A block sent ahead of its echoes keeps the wire busy at every adapter latency; one that waits
// for each echo would take a tick a byte.
TEST(EchoAhead, BlockTakesItsWireTimeAtEveryLatency) {
    for (const auto latency : {0ms, 1ms, 4ms, 16ms}) {
        SCOPED_TRACE(latency.count());
        AdapterLink link(latency);
        const auto bytes = block(515);
        std::size_t reported = 0;
        ASSERT_EQ(
            link.WriteEchoAhead(bytes, 32, [&](std::size_t n) { return (reported = n), true; }),
            EchoResult::Ok);
        EXPECT_EQ(reported, bytes.size());
        const auto wire = kByteTime * static_cast<long>(bytes.size());
        EXPECT_LE(link.Now() - LinkClock::time_point{}, wire + latency);
    }
}

// The pause after a byte counts from when it left the wire, not from its late echo.
TEST(EchoAhead, PauseStartsWhenTheLastByteLeftTheWire) {
    AdapterLink link(16ms);
    ASSERT_TRUE(link.WriteEchoByte(0x60));
    const auto left = link.wireFree();
    EXPECT_EQ(link.Now() - LinkClock::time_point{}, 16ms) << "the echo comes at the tick";
    link.WaitAfterSent(220);
    EXPECT_EQ(link.Now(), left + 220ms);

    ASSERT_EQ(link.WriteEchoAhead(block(100), 32, {}), EchoResult::Ok);
    const auto blockLeft = link.wireFree();
    link.WaitAfterSent(55);
    EXPECT_EQ(link.Now(), blockLeft + 55ms);
}

TEST(EchoAhead, LostEchoOrStopEndsTheBlock) {
    AdapterLink lost(16ms);
    lost.loseEcho = 40;
    std::size_t last = 0;
    EXPECT_EQ(lost.WriteEchoAhead(block(515), 32, [&](std::size_t n) { return (last = n), true; }),
              EchoResult::Garbled);
    EXPECT_EQ(last, 40u) << "the next byte's echo in its place is noticed at once";

    AdapterLink lastLost(4ms);
    lastLost.loseEcho = 514;
    EXPECT_EQ(lastLost.WriteEchoAhead(block(515), 32, {}), EchoResult::Missing);

    AdapterLink stopped(4ms);
    EXPECT_EQ(stopped.WriteEchoAhead(block(515), 32, [](std::size_t n) { return n < 10; }),
              EchoResult::Stopped);
}

} // namespace
} // namespace mz58::test
