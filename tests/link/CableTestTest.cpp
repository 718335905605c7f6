// SPDX-License-Identifier: GPL-3.0-or-later
#include "CableTest.h"
#include "FakeSerialLink.h"
#include "LinkMessages.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace mz58::test {
namespace {

// What the cable test tells, for each way a cable or its port can fail.
TEST(CableTest, NamesWhatFailed) {
    enum class Line { Echoes, Silent, Garbles, OpenFails };
    const struct {
        const char* name;
        Line line;
        int openError;
        StringId message;
    } cases[] = {
        {"echo", Line::Echoes, 0, msg::kCableOk},
        {"no echo", Line::Silent, 0, msg::kCableNoEcho},
        {"garbled echo", Line::Garbles, 0, msg::kCableGarbled},
        {"permission", Line::OpenFails, EACCES, msg::kCablePermission},
        {"busy", Line::OpenFails, EBUSY, msg::kCableBusy},
        {"unplugged", Line::OpenFails, ENOENT, msg::kCableNoPort},
        {"other", Line::OpenFails, EIO, msg::kCableOpenFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSerialLink link;
        if (c.line == Line::Silent)
            link.noEchoFor = 0;
        if (c.line == Line::Garbles)
            link.onSend = [&](std::uint8_t) { link.radioSends(0x00); };
        PortOpener opener = openerFor(link);
        if (c.line == Line::OpenFails)
            opener = [&] {
                return PortOpenResult{"/dev/ttyUSB7: why",
                                      portOpenProblem("/dev/ttyUSB7", c.openError)};
            };
        const CableTestResult result = testCable(opener);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.ok, c.message == msg::kCableOk);
        EXPECT_EQ(result.device, c.line == Line::OpenFails ? "/dev/ttyUSB7" : "/dev/fake");
        EXPECT_FALSE(link.open) << "the port is closed again";
    }
}

// The probe is no byte of the clone protocol: a radio on the cable does not react.
TEST(CableTest, SendsNoProtocolByte) {
    FakeSerialLink link;
    (void)testCable(openerFor(link));
    for (const char* protocolByte : {"T70", "T20", "T06", "T15", "T60", "T21", "T25"})
        EXPECT_EQ(link.transcript.find(protocolByte), std::string::npos) << link.transcript;
}

} // namespace
} // namespace mz58::test
