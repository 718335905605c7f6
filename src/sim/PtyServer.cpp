// SPDX-License-Identifier: GPL-3.0-or-later
#include "PtyServer.h"

#include "ProgrammingFile.h"
#include "SerialLink.h"
#include "SerialNumber.h"
#include "SimulatedRadio.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <deque>
#include <memory>
#include <ostream>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace mz58::sim {
namespace {

using mz58::kByteTime;
// How often a line without a PC on it is looked at again.
constexpr auto kIdlePoll = std::chrono::milliseconds(10);
// Closing the pseudo-terminal throws away what the PC has not read yet, so the line stays up
// a little after the last byte: long enough for the PC to read it, shorter than its read
// time-out, so that an unplugged line finds the PC waiting inside a block.
constexpr auto kHangupDelay = std::chrono::milliseconds(300);
// After its one transfer the simulator waits this long at most for the PC to close the port.
constexpr auto kOnceLinger = std::chrono::seconds(10);

// The pseudo-terminal and the single wire behind it: every byte, echo or answer, takes its
// wire time in turn when the pace is real.
class PtyLine final : public RadioLine {
public:
    PtyLine(const SimOptions& options, std::vector<RadioImage> radios, LocalOffset offset,
            std::ostream& err)
        : m_options(options), m_images(std::move(radios)), m_offset(offset), m_err(err),
          m_radio(std::make_unique<SimulatedRadio>(m_images.front(), options, *this, 1)) {}
    ~PtyLine() override {
        if (m_master >= 0)
            ::close(m_master);
    }

    bool open(std::string& device) {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            return false;
        const char* name = ::ptsname(m_master);
        if (!name)
            return false;
        device = name;
        // Raw until the PC's program sets its own line settings.
        const int slave = ::open(name, O_RDWR | O_NOCTTY);
        if (slave >= 0) {
            termios tio{};
            if (::tcgetattr(slave, &tio) == 0) {
                ::cfmakeraw(&tio);
                ::tcsetattr(slave, TCSANOW, &tio);
            }
            ::close(slave);
        }
        const int flags = ::fcntl(m_master, F_GETFL);
        ::fcntl(m_master, F_SETFL, flags | O_NONBLOCK);
        return true;
    }

    void send(std::uint8_t byte) override { schedule(Item{byte, false}); }
    void hangUp() override {
        schedule(Item{0, true});
        m_queue.back().due += kHangupDelay;
    }
    void store(const RadioImage& image) override {
        m_images[static_cast<std::size_t>(m_radio->number() - 1)] = image;
        const auto file = m_options.saveFileOf(m_radio->number());
        if (!file)
            return;
        if (const Status saved = WriteProgrammingFile(*file, image, m_offset); saved.ok())
            m_err << "mz58-radiosim: radio " << m_radio->number() << ": received image saved to "
                  << file->string() << '\n';
        else
            m_err << "mz58-radiosim: " << messageExplanation(saved.error()) << '\n';
    }
    // On a bench the radio is then taken off and the next one switched on, once the PC waits
    // for it: power-on-after ms in which the PC holds the port and stays silent. A PC that
    // talks first finds the same radio still on the cable (a read, then the write).
    void transferEnded() override {
        m_transferEnded = true;
        if (m_radio->number() < m_options.radios) {
            m_swapPending = true;
            m_swapAt.reset();
            if (m_portOpen)
                m_swapAt = Clock::now() + std::chrono::milliseconds(m_options.powerOnAfterMs);
        }
    }

    int serve() {
        bool pcSeen = false;
        for (;;) {
            auto now = Clock::now();
            if (!flushDue(now))
                return 0;
            m_radio->tick(now);
            if (m_swapAt && now >= *m_swapAt)
                nextRadio();
            const bool finished = m_options.once && m_transferEnded && m_queue.empty() &&
                                  m_radio->number() == m_options.radios;
            if (finished && !m_lingerUntil)
                m_lingerUntil = now + kOnceLinger;
            if (finished && now >= *m_lingerUntil)
                return 0;

            std::optional<Clock::time_point> wakeAt = m_radio->nextTimer();
            const auto earliest = [&wakeAt](Clock::time_point t) {
                wakeAt = wakeAt ? std::min(*wakeAt, t) : t;
            };
            if (finished)
                earliest(*m_lingerUntil);
            if (!m_queue.empty())
                earliest(deliveryTime(m_queue.front().due));
            if (m_swapAt)
                earliest(*m_swapAt);
            // While nobody holds the port, look again soon: its opening shows no event.
            if (!m_portOpen)
                earliest(Clock::now() + kIdlePoll);

            pollfd p{m_master, POLLIN, 0};
            timespec timeout{};
            timespec* timeoutPtr = nullptr;
            if (wakeAt) {
                const auto left = std::max(Clock::duration::zero(), *wakeAt - Clock::now());
                const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
                timeout.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
                timeout.tv_nsec = static_cast<long>(ns % 1'000'000'000);
                timeoutPtr = &timeout;
            }
            if (::ppoll(&p, 1, timeoutPtr, nullptr) < 0) {
                if (errno == EINTR)
                    continue;
                m_err << "mz58-radiosim: poll failed\n";
                return 1;
            }
            if (!(p.revents & (POLLHUP | POLLERR)) && !m_portOpen)
                portOpened();
            if (p.revents & POLLIN) {
                std::uint8_t buffer[64];
                const ssize_t n = ::read(m_master, buffer, sizeof buffer);
                if (n > 0) {
                    pcSeen = true;
                    now = Clock::now();
                    for (ssize_t i = 0; i < n; ++i)
                        receive(buffer[i], now);
                    continue;
                }
            }
            if (p.revents & (POLLHUP | POLLERR)) {
                m_portOpen = false;
                m_swapAt.reset();
                // No program has the port open: its bytes in flight are gone with it.
                if (pcSeen) {
                    pcSeen = false;
                    m_queue.clear();
                    m_radio->portClosed();
                }
                if (m_options.once && m_transferEnded && m_radio->number() == m_options.radios)
                    return 0;
                auto pause = std::chrono::duration_cast<std::chrono::nanoseconds>(kIdlePoll);
                if (wakeAt)
                    pause = std::min(
                        pause, std::chrono::duration_cast<std::chrono::nanoseconds>(
                                   std::max(Clock::duration::zero(), *wakeAt - Clock::now())));
                const timespec ts{0, static_cast<long>(pause.count())};
                ::nanosleep(&ts, nullptr);
            }
        }
    }

private:
    struct Item {
        std::uint8_t byte;
        bool hangup;
        Clock::time_point due{};
    };

    void receive(std::uint8_t byte, Clock::time_point now) {
        // The PC talks to the radio on the cable: it is not taken off.
        m_swapPending = false;
        m_swapAt.reset();
        if (!m_radio->has(Fault::NoEcho) && !m_radio->losesNextEcho())
            schedule(Item{byte, false});
        m_radio->receive(byte, now);
    }

    void portOpened() {
        m_portOpen = true;
        if (m_swapPending)
            m_swapAt = Clock::now() + std::chrono::milliseconds(m_options.powerOnAfterMs);
    }

    void nextRadio() {
        m_swapPending = false;
        m_swapAt.reset();
        m_transferEnded = false;
        const int number = m_radio->number() + 1;
        m_radio = std::make_unique<SimulatedRadio>(m_images[static_cast<std::size_t>(number - 1)],
                                                   m_options, *this, number);
        m_err << "mz58-radiosim: radio " << number << " of " << m_options.radios
              << " switched on\n";
        m_radio->switchOn();
    }

    // When a byte that has crossed the wire at `due` reaches the PC: at once, or at the next
    // tick of the adapter's latency timer.
    Clock::time_point deliveryTime(Clock::time_point due) const {
        if (m_options.latencyMs <= 0)
            return due;
        const auto tick = std::chrono::duration_cast<Clock::duration>(
            std::chrono::milliseconds(m_options.latencyMs));
        const auto ticks = (due - m_epoch + tick - Clock::duration(1)) / tick;
        return m_epoch + ticks * tick;
    }

    void schedule(Item item) {
        const auto now = Clock::now();
        if (m_options.pace == Pace::Real) {
            m_wireFree = std::max(now, m_wireFree) + kByteTime;
            item.due = m_wireFree;
        } else {
            item.due = now;
        }
        m_queue.push_back(item);
    }

    // Writes every byte whose time has come; false once the line has been hung up.
    bool flushDue(Clock::time_point now) {
        std::uint8_t batch[64];
        std::size_t count = 0;
        while (!m_queue.empty() && deliveryTime(m_queue.front().due) <= now &&
               count < sizeof batch) {
            const Item item = m_queue.front();
            if (item.hangup) {
                writeAll(batch, count);
                m_err << "mz58-radiosim: hanging up the line\n";
                ::close(m_master);
                m_master = -1;
                return false;
            }
            batch[count++] = item.byte;
            m_queue.pop_front();
        }
        writeAll(batch, count);
        return true;
    }

    void writeAll(const std::uint8_t* bytes, std::size_t count) {
        std::size_t done = 0;
        int stalls = 0;
        while (done < count) {
            const ssize_t n = ::write(m_master, bytes + done, count - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            // A full buffer means nobody reads: after a while the bytes are dropped, as a
            // wire would drop them.
            if (n < 0 && errno == EAGAIN && ++stalls < 100) {
                const timespec ts{0, 1'000'000};
                ::nanosleep(&ts, nullptr);
                continue;
            }
            return;
        }
    }

    const SimOptions& m_options;
    std::vector<RadioImage> m_images; // each radio's memory
    LocalOffset m_offset;
    std::ostream& m_err;
    int m_master = -1;
    std::unique_ptr<SimulatedRadio> m_radio;
    Clock::time_point m_epoch = Clock::now();
    bool m_portOpen = false;
    bool m_swapPending = false;
    std::optional<Clock::time_point> m_swapAt;
    std::deque<Item> m_queue;
    Clock::time_point m_wireFree{};
    bool m_transferEnded = false;
    std::optional<Clock::time_point> m_lingerUntil;
};

} // namespace

int runSimulator(const SimOptions& options, std::ostream& out, std::ostream& err) {
    ::signal(SIGPIPE, SIG_IGN);
#ifdef __linux__
    // Byte times are 2.3 ms: wake-ups must not drift by the default 50 us timer slack.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
#endif

    RadioImage image{};
    LocalOffset offset = 0.0;
    if (CheckProgrammingFile(options.image) != ProgrammingFileCheck::Valid) {
        err << "mz58-radiosim: " << options.image.string()
            << " is not a programming file of 520 bytes\n";
        return 1;
    }
    if (const Status read = ReadProgrammingFile(options.image, image, offset); !read.ok()) {
        err << "mz58-radiosim: " << messageExplanation(read.error()) << '\n';
        return 1;
    }

    // The radios of a bench differ only in their serial numbers.
    std::vector<RadioImage> radios(static_cast<std::size_t>(options.radios), image);
    if (options.serialBase) {
        for (std::size_t k = 0; k < radios.size(); ++k) {
            char digits[16];
            std::snprintf(digits, sizeof digits, "%06u",
                          *options.serialBase + static_cast<unsigned>(k));
            SerialNumber serial;
            serial.digits = digits;
            serial.encode(radios[k]);
        }
    }
    PtyLine line(options, std::move(radios), offset, err);
    std::string device;
    if (!line.open(device)) {
        err << "mz58-radiosim: cannot create a pseudo-terminal\n";
        return 1;
    }

    out << "PORT " << device << std::endl;
    return line.serve();
}

} // namespace mz58::sim
