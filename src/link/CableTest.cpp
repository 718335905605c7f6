// SPDX-License-Identifier: GPL-3.0-or-later
#include "CableTest.h"

#include "CSerialPort.h"
#include "LinkMessages.h"

#include <algorithm>
#include <array>

namespace mz58 {
namespace {

// None of them is a byte of the clone protocol, and a radio waiting for a wake-up ignores them.
constexpr std::array<std::uint8_t, 4> kProbe{0x55, 0xAA, 0x0F, 0xF0};

StringId cableMessageFor(StringId openReason) {
    switch (openReason) {
    case msg::kReasonPermission:
        return msg::kCablePermission;
    case msg::kReasonBusy:
        return msg::kCableBusy;
    case msg::kReasonNoPort:
        return msg::kCableNoPort;
    case msg::kReasonNotSerial:
        return msg::kCableNotSerial;
    default:
        return msg::kCableOpenFailed;
    }
}

} // namespace

CableTestResult testCable(const PortOpener& openPort) {
    CableTestResult result;
    PortOpenResult opened = openPort ? openPort() : PortOpenResult{std::string("no port")};
    if (!opened.link) {
        result.message = cableMessageFor(opened.problem.reason);
        result.device = opened.problem.device;
        result.detail = opened.error;
        return result;
    }
    SerialLink& link = *opened.link;
    result.device = link.deviceName();
    std::array<std::uint8_t, kProbe.size()> echo = kProbe;
    if (!link.WriteEcho(echo)) {
        result.message = msg::kCableNoEcho;
        result.detail = result.device;
        return result;
    }
    if (echo != kProbe) {
        result.message = msg::kCableGarbled;
        result.detail = result.device;
        return result;
    }
    result.ok = true;
    result.message = msg::kCableOk;
    return result;
}

CableTestResult testCable(const std::string& device) {
    CableTestResult result = testCable([&device] { return OpenRadioPort(device); });
    if (result.device.empty())
        result.device = device;
    return result;
}

} // namespace mz58
