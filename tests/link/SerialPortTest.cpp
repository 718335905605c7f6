// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSerialPort.h"
#include "ComPorts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace mz58 {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A pseudo-terminal: the port under test opens its slave side, the test plays the line on
// the master side.
class Pty {
public:
    Pty() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && ::grantpt(m_master) == 0 && ::unlockpt(m_master) == 0)
            m_slave = ::ptsname(m_master);
    }
    ~Pty() { closeMaster(); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    const std::string& slave() const { return m_slave; }
    int master() const { return m_master; }
    void closeMaster() {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }
    void send(std::initializer_list<std::uint8_t> bytes) {
        for (const auto b : bytes)
            ASSERT_EQ(::write(m_master, &b, 1), 1);
    }
    // Bytes the port wrote, waiting up to `ms` for the first.
    std::vector<std::uint8_t> drain(int ms) {
        std::vector<std::uint8_t> got;
        pollfd p{m_master, POLLIN, 0};
        while (::poll(&p, 1, got.empty() ? ms : 50) > 0 && (p.revents & POLLIN)) {
            std::uint8_t buffer[8192];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

private:
    int m_master = -1;
    std::string m_slave;
};

long long msSince(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
}

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(pty.slave().empty());
        ASSERT_TRUE(port.Open());
    }
    Pty pty;
    CSerialPort port{pty.slave()};
};

TEST_F(SerialPortTest, OpenSetsTheCableLineSettings) {
    termios tio{};
    // The master side reports the terminal settings of its slave.
    ASSERT_EQ(::tcgetattr(pty.master(), &tio), 0);
    EXPECT_EQ(::cfgetispeed(&tio), B4800);
    EXPECT_EQ(::cfgetospeed(&tio), B4800);
    // 8 data bits, 2 stop bits, no parity, no flow control, raw bytes both ways.
    EXPECT_EQ(tio.c_cflag & (CSIZE | CSTOPB | PARENB | CRTSCTS), tcflag_t(CS8 | CSTOPB));
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
}

TEST_F(SerialPortTest, SecondOpenOfTheSamePortFailsAndSaysItIsInUse) {
    CSerialPort second(pty.slave());
    EXPECT_FALSE(second.Open());
    EXPECT_NE(second.lastError().find(pty.slave() + ": in use by another program"),
              std::string::npos)
        << second.lastError();
    port.Close();
    EXPECT_TRUE(second.Open()) << "the port is free again once closed";
}

TEST(SerialPortOpen, DevicesThatAreNoSerialPortFailWithTheirCause) {
    const auto file =
        std::filesystem::temp_directory_path() / ("mz58-not-a-port-" + std::to_string(::getpid()));
    std::ofstream(file) << "x";
    const struct {
        std::string path;
        const char* cause;
    } cases[] = {
        {"/nonexistent/ttyUSB9", "No such file or directory"},
        {file.string(), "not a serial port"},
    };
    for (const auto& c : cases) {
        const PortOpenResult opened = OpenRadioPort(c.path);
        EXPECT_EQ(opened.link, nullptr) << c.path;
        EXPECT_EQ(opened.error.rfind(c.path + ": ", 0), 0u) << opened.error;
        EXPECT_NE(opened.error.find(c.cause), std::string::npos) << opened.error;
    }
    std::filesystem::remove(file);
}

TEST_F(SerialPortTest, WriteRefusesMoreThanTheQueueHolds) {
    std::vector<std::uint8_t> bytes(kMaxWriteSize + 1, 0x41);
    EXPECT_FALSE(port.Write(bytes));
    EXPECT_TRUE(pty.drain(100).empty()) << "nothing may reach the line";

    bytes.resize(kMaxWriteSize);
    std::vector<std::uint8_t> received;
    std::thread reader([&] { received = pty.drain(2000); });
    EXPECT_TRUE(port.Write(bytes));
    reader.join();
    EXPECT_EQ(received.size(), kMaxWriteSize);
}

TEST_F(SerialPortTest, ReadsDeliverWhatArrivedAndTimeOutAfterTheGapOrOnSilence) {
    pty.send({0x21, 0x02, 0x01, 0x50, 0x33});
    std::uint8_t byte = 0;
    EXPECT_EQ(port.ReadByte(byte), kReadOk);
    EXPECT_EQ(byte, 0x21);
    std::uint8_t three[3] = {};
    EXPECT_EQ(port.Read(three), kReadOk);
    EXPECT_EQ(std::vector<std::uint8_t>(three, three + 3),
              (std::vector<std::uint8_t>{0x02, 0x01, 0x50}));

    std::uint8_t four[4] = {};
    auto start = Clock::now();
    EXPECT_EQ(port.Read(four), kReadTimeout);
    EXPECT_GE(msSince(start), 95) << "a 100 ms gap ends a read";
    EXPECT_EQ(four[0], 0x33);

    start = Clock::now();
    EXPECT_EQ(port.ReadByte(byte), kReadTimeout);
    EXPECT_GE(msSince(start), 505) << "a one-byte read waits 500 + 5 ms";
    EXPECT_FALSE(port.lineLost()) << "a time-out is no fault of the port";
}

TEST_F(SerialPortTest, WriteEchoNeedsTheCableEcho) {
    // The cable echoes the first byte only.
    std::thread cable([&] {
        const auto got = pty.drain(2000);
        EXPECT_EQ(::write(pty.master(), got.data(), got.size()), ssize_t(got.size()));
    });
    EXPECT_TRUE(port.WriteEchoByte(0x70));
    cable.join();

    const auto start = Clock::now();
    EXPECT_FALSE(port.WriteEchoByte(0x20));
    EXPECT_GE(msSince(start), 500);
}

TEST_F(SerialPortTest, HangupIsReportedAsALostLine) {
    pty.closeMaster();
    std::uint8_t byte = 0;
    EXPECT_EQ(port.ReadByte(byte), kReadTimeout);
    EXPECT_TRUE(port.lineLost());
    EXPECT_FALSE(port.WriteEchoByte(0x70));
}

TEST(ComPortMap, NumbersOutsideOneToFourSelectComOne) {
    ComPortMap map;
    map.devices = {"/dev/a", "/dev/b", "/dev/c", "/dev/d"};
    const struct {
        int number;
        const char* device;
    } cases[] = {{1, "/dev/a"}, {2, "/dev/b"}, {3, "/dev/c"},  {4, "/dev/d"},
                 {0, "/dev/a"}, {5, "/dev/a"}, {-1, "/dev/a"}, {255, "/dev/a"}};
    for (const auto& c : cases)
        EXPECT_EQ(map.devicePath(c.number), c.device) << c.number;
    EXPECT_EQ(ComPortMap::key(3), "COM3");
    EXPECT_EQ(ComPortMap().devicePath(1), "/dev/ttyUSB0");
}

} // namespace
} // namespace mz58
