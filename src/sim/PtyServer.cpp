#include "PtyServer.h"

#include "ProgrammingFile.h"
#include "SimulatedRadio.h"

#include <algorithm>
#include <cerrno>
#include <deque>
#include <ostream>

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

// One byte at 4800 baud with a start bit, 8 data bits and two stop bits.
constexpr auto kByteTime = std::chrono::nanoseconds(11'000'000'000LL / 4800);
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
    PtyLine(const SimOptions& options, LocalOffset offset, std::ostream& err)
        : m_options(options), m_offset(offset), m_err(err) {}
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

    void setRadio(SimulatedRadio* radio) { m_radio = radio; }

    void send(std::uint8_t byte) override { schedule(Item{byte, false}); }
    void hangUp() override {
        schedule(Item{0, true});
        m_queue.back().due += kHangupDelay;
    }
    void store(const RadioImage& image) override {
        if (!m_options.saveTo)
            return;
        if (const Status saved = WriteProgrammingFile(*m_options.saveTo, image, m_offset);
            saved.ok())
            m_err << "mz58-radiosim: received image saved to " << m_options.saveTo->string()
                  << '\n';
        else
            m_err << "mz58-radiosim: " << messageExplanation(saved.error()) << '\n';
    }
    void transferEnded() override { m_transferEnded = true; }

    int serve() {
        bool pcSeen = false;
        for (;;) {
            auto now = Clock::now();
            if (!flushDue(now))
                return 0;
            m_radio->tick(now);
            const bool finished = m_options.once && m_transferEnded && m_queue.empty();
            if (finished && !m_lingerUntil)
                m_lingerUntil = now + kOnceLinger;
            if (finished && now >= *m_lingerUntil)
                return 0;

            std::optional<Clock::time_point> wakeAt = m_radio->nextTimer();
            if (finished)
                wakeAt = wakeAt ? std::min(*wakeAt, *m_lingerUntil) : *m_lingerUntil;
            if (!m_queue.empty())
                wakeAt = wakeAt ? std::min(*wakeAt, m_queue.front().due) : m_queue.front().due;

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
                // No program has the port open: its bytes in flight are gone with it.
                if (pcSeen) {
                    pcSeen = false;
                    m_queue.clear();
                    m_radio->portClosed();
                }
                if (m_options.once && m_transferEnded)
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
        if (!m_options.has(Fault::NoEcho))
            schedule(Item{byte, false});
        m_radio->receive(byte, now);
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
        while (!m_queue.empty() && m_queue.front().due <= now && count < sizeof batch) {
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
    LocalOffset m_offset;
    std::ostream& m_err;
    int m_master = -1;
    SimulatedRadio* m_radio = nullptr;
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

    PtyLine line(options, offset, err);
    std::string device;
    if (!line.open(device)) {
        err << "mz58-radiosim: cannot create a pseudo-terminal\n";
        return 1;
    }
    SimulatedRadio radio(image, options, line);
    line.setRadio(&radio);

    out << "PORT " << device << std::endl;
    return line.serve();
}

} // namespace mz58::sim
