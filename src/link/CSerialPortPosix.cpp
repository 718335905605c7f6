// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSerialPort.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <system_error>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#ifdef __linux__
#include <linux/serial.h>
#endif

namespace mz58 {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

int remainingMs(Clock::time_point deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero())
        return 0;
    // Round up so that a wait never ends just before its deadline.
    return static_cast<int>(std::chrono::ceil<milliseconds>(left).count());
}

} // namespace

CSerialPort::CSerialPort(std::string devicePath) : m_devicePath(std::move(devicePath)) {}

CSerialPort::~CSerialPort() {
    Close();
}

bool CSerialPort::fail(const char* what, int error, bool notSerial) {
    m_lastError = m_devicePath + ": " + what + std::generic_category().message(error);
    if (error == EACCES)
        m_lastError += " (the user needs to be in the dialout group, or the udev rule installed)";
    m_problem = portOpenProblem(m_devicePath, error, notSerial);
    Close();
    return false;
}

bool CSerialPort::Open() {
    Close();
    m_lastError.clear();
    m_problem = {};
    m_handle = ::open(m_devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_handle < 0)
        return fail(errno == EBUSY ? "in use by another program: " : "", errno);
    // No sharing: the tty refuses further opens, and the lock keeps out other programs that
    // honour it (including ones running with the privilege to ignore the first).
    ::ioctl(m_handle, TIOCEXCL);
    if (::flock(m_handle, LOCK_EX | LOCK_NB) != 0)
        return fail("in use by another program: ", errno == EWOULDBLOCK ? EBUSY : errno);
    m_lineLost = false;
    return Configure();
}

bool CSerialPort::Configure() {
    termios tio{};
    if (m_handle < 0)
        return fail("", EBADF);
    if (::tcgetattr(m_handle, &tio) != 0)
        return fail(errno == ENOTTY ? "not a serial port: " : "", errno, errno == ENOTTY);

    // Raw binary transfer: no translation, no echo by the driver, no software flow control.
    tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                          ICRNL | IXON | IXOFF | IXANY | INPCK);
    tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    // 8 data bits, no parity, two stop bits.
    tio.c_cflag |= CS8 | CSTOPB | CREAD | CLOCAL;
    tio.c_cc[VSTART] = 0x11;
    tio.c_cc[VSTOP] = 0x13;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, B4800);
    ::cfsetospeed(&tio, B4800);
    if (::tcsetattr(m_handle, TCSANOW, &tio) != 0)
        return fail("the line settings were refused: ", errno);

    // A pseudo-terminal has no modem lines; only a real port asserts them.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(m_handle, TIOCMBIS, &lines);

    requestLowLatency();

    m_hasErrorCounters = false;
#ifdef __linux__
    serial_icounter_struct counters{};
    if (::ioctl(m_handle, TIOCGICOUNT, &counters) == 0) {
        m_hasErrorCounters = true;
        m_lineErrorCount = static_cast<std::uint64_t>(counters.frame) + counters.overrun +
                           counters.parity + counters.brk + counters.buf_overrun;
    }
#endif
    return true;
}

void CSerialPort::requestLowLatency() {
#if defined(__linux__) && defined(ASYNC_LOW_LATENCY)
    // An FTDI adapter then delivers after 1 ms instead of 16; drivers without it say no, and
    // a pseudo-terminal has no such settings: both are fine.
    serial_struct serial{};
    if (::ioctl(m_handle, TIOCGSERIAL, &serial) == 0 && !(serial.flags & ASYNC_LOW_LATENCY)) {
        serial.flags |= ASYNC_LOW_LATENCY;
        (void)::ioctl(m_handle, TIOCSSERIAL, &serial);
    }
#endif
}

void CSerialPort::Drain() {
    if (m_handle < 0)
        return;
    while (::tcdrain(m_handle) != 0 && errno == EINTR) {
    }
}

void CSerialPort::Close() {
    if (m_handle >= 0) {
        ::close(m_handle);
        m_handle = -1;
    }
}

bool CSerialPort::takePendingLineError() {
#ifdef __linux__
    if (!m_hasErrorCounters)
        return false;
    serial_icounter_struct counters{};
    if (::ioctl(m_handle, TIOCGICOUNT, &counters) != 0)
        return false;
    const std::uint64_t total = static_cast<std::uint64_t>(counters.frame) + counters.overrun +
                                counters.parity + counters.brk + counters.buf_overrun;
    if (total == m_lineErrorCount)
        return false;
    m_lineErrorCount = total;
    return true;
#else
    return false;
#endif
}

bool CSerialPort::Write(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxWriteSize || m_handle < 0)
        return false;
    const auto deadline =
        Clock::now() + milliseconds(kWriteTotalTimeoutConstantMs +
                                    kWriteTotalTimeoutPerByteMs * static_cast<int>(bytes.size()));
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(m_handle, bytes.data() + written, bytes.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            if (errno == EIO)
                m_lineLost = true;
            return false;
        }
        const int wait = remainingMs(deadline);
        if (wait == 0)
            return false;
        pollfd p{m_handle, POLLOUT, 0};
        if (::poll(&p, 1, wait) < 0 && errno != EINTR)
            return false;
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) {
            m_lineLost = true;
            return false;
        }
    }
    return true;
}

int CSerialPort::readWithTimeouts(std::span<std::uint8_t> buffer) {
    if (m_handle < 0)
        return kReadTimeout;
    const auto totalDeadline =
        Clock::now() + milliseconds(kReadTotalTimeoutConstantMs +
                                    kReadTotalTimeoutPerByteMs * static_cast<int>(buffer.size()));
    std::size_t got = 0;
    Clock::time_point lastByte{};
    while (got < buffer.size()) {
        auto deadline = totalDeadline;
        if (got > 0)
            deadline = std::min(deadline, lastByte + milliseconds(kReadIntervalTimeoutMs));
        const int wait = remainingMs(deadline);
        if (wait == 0)
            break;
        pollfd p{m_handle, POLLIN, 0};
        const int ready = ::poll(&p, 1, wait);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return kReadTimeout;
        }
        if (ready == 0)
            continue;
        if (p.revents & POLLIN) {
            const ssize_t n = ::read(m_handle, buffer.data() + got, buffer.size() - got);
            if (n > 0) {
                got += static_cast<std::size_t>(n);
                lastByte = Clock::now();
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
                continue;
            // End of file or an I/O error on a tty: the other end has hung up.
            m_lineLost = true;
            return kReadTimeout;
        }
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) {
            m_lineLost = true;
            return kReadTimeout;
        }
    }
    return got == buffer.size() ? kReadOk : kReadTimeout;
}

int CSerialPort::ReadByte(std::uint8_t& byte) {
    if (takePendingLineError())
        return kReadLineError;
    std::uint8_t buffer[1] = {0};
    const int result = readWithTimeouts(buffer);
    if (result == kReadOk)
        byte = buffer[0];
    return result;
}

int CSerialPort::Read(std::span<std::uint8_t> buffer) {
    if (takePendingLineError())
        return kReadLineError;
    return readWithTimeouts(buffer);
}

PortOpenResult OpenRadioPort(const std::string& devicePath) {
    auto port = std::make_unique<CSerialPort>(devicePath);
    if (!port->Open())
        return PortOpenResult{port->lastError(), port->lastProblem()};
    return PortOpenResult{std::move(port)};
}

} // namespace mz58
