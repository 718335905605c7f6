// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CloneProtocol.h"
#include "LinkProblem.h"
#include "SerialLink.h"

#include <cstdint>
#include <memory>
#include <string>

namespace mz58 {

// The radio's serial port, opened for one transfer with the fixed line settings of the
// programming cable: 4800 baud, 8 data bits, no parity, two stop bits, no flow control, DTR
// and RTS asserted, opened exclusively.
class CSerialPort final : public SerialLink {
public:
    explicit CSerialPort(std::string devicePath);
    ~CSerialPort() override;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens the device for exclusive use and configures it; false when either fails, with the
    // reason in lastError().
    [[nodiscard]] bool Open();
    // Applies the line settings; false when the driver refuses them.
    [[nodiscard]] bool Configure();
    void Close();
    [[nodiscard]] bool isOpen() const { return m_handle >= 0; }
    const std::string& devicePath() const { return m_devicePath; }
    // Why Open or Configure failed: the device and the operating system's reason.
    const std::string& lastError() const { return m_lastError; }
    // The same, as a reason and a hint for the user.
    const LinkProblem& lastProblem() const { return m_problem; }

    [[nodiscard]] bool Write(std::span<const std::uint8_t> bytes) override;
    [[nodiscard]] int ReadByte(std::uint8_t& byte) override;
    [[nodiscard]] int Read(std::span<std::uint8_t> buffer) override;
    [[nodiscard]] bool lineLost() const override { return m_lineLost; }
    [[nodiscard]] std::string deviceName() const override { return m_devicePath; }
    // Waits until the driver has sent every byte written (tcdrain).
    void Drain() override;

private:
    // Reports and clears line errors counted by the driver since the last check.
    bool takePendingLineError();
    int readWithTimeouts(std::span<std::uint8_t> buffer);
    bool fail(const char* what, int error, bool notSerial = false);
    // Asks the driver to hand received bytes over at once (USB adapters hold them back).
    void requestLowLatency();

    std::string m_devicePath;
    std::string m_lastError;
    LinkProblem m_problem;
    int m_handle = -1;
    bool m_lineLost = false;
    bool m_hasErrorCounters = false;
    std::uint64_t m_lineErrorCount = 0;
};

// Creates and opens the port of one transfer; the reason when the device cannot be opened or
// refuses the line settings.
[[nodiscard]] PortOpenResult OpenRadioPort(const std::string& devicePath);

} // namespace mz58
