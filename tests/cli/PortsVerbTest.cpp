// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialPortList.h"
#include "TempDir.h"
#include "Verbs.h"

#include <gtest/gtest.h>

#include <fstream>

namespace mz58::test {
namespace {

namespace fs = std::filesystem;

class PortsTest : public TempDirTest {
protected:
    void write(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text << '\n';
    }
    // /sys/class/tty/NAME/device -> a device folder, with a driver link.
    fs::path addTty(const std::string& name, const fs::path& device, const std::string& driver) {
        fs::create_directories(file("sys/class/tty") / name);
        fs::create_directories(device);
        fs::create_directory_symlink(device, file("sys/class/tty") / name / "device");
        fs::create_directories(file("sys/bus/drivers") / driver);
        fs::create_directory_symlink(file("sys/bus/drivers") / driver, device / "driver");
        return file("sys/class/tty") / name;
    }
};

TEST_F(PortsTest, FindsUsbAdaptersAndRealUartsOnly) {
    const fs::path usb = file("sys/devices/pci0/usb1/1-2");
    write(usb / "idVendor", "0403");
    write(usb / "idProduct", "6001");
    write(usb / "product", "FT232R USB UART");
    write(usb / "manufacturer", "FTDI");
    addTty("ttyUSB0", usb / "1-2:1.0" / "ttyUSB0", "ftdi_sio");
    write(addTty("ttyS0", file("sys/devices/pnp0/00:01"), "serial") / "type", "4");
    write(addTty("ttyS1", file("sys/devices/platform/serial8250"), "serial") / "type", "0");
    fs::create_directories(file("sys/class/tty/tty1"));  // a console: no device
    fs::create_directories(file("sys/class/tty/ttyS2")); // no device behind it

    const auto ports = findSerialPorts(file("sys"), "/dev");

    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[0].path, "/dev/ttyS0");
    EXPECT_EQ(ports[0].vendorProduct, "");
    EXPECT_EQ(ports[0].driver, "serial");
    EXPECT_EQ(ports[1].path, "/dev/ttyUSB0");
    EXPECT_EQ(ports[1].vendorProduct, "0403:6001");
    EXPECT_EQ(ports[1].description, "FT232R USB UART (FTDI)");
    EXPECT_EQ(ports[1].driver, "ftdi_sio");
}

TEST_F(PortsTest, ComPortMapComesFromTheIniPortsSection) {
    write(file("MZ58Win.ini"), "[Initialize]\nCOM1=/dev/wrong\n[Ports]\nCOM1=/dev/ttyACM0\r\n"
                               "COM3 = \"/dev/serial/by-id/usb-1a86\"\nCOM4=\n");
    const ComPortMap map = cli::readComPortMap(file("MZ58Win.ini"));
    const ComPortMap defaults;
    EXPECT_EQ(map.devices[0], "/dev/ttyACM0");
    EXPECT_EQ(map.devices[1], defaults.devices[1]);
    EXPECT_EQ(map.devices[2], "/dev/serial/by-id/usb-1a86");
    EXPECT_EQ(map.devices[3], defaults.devices[3]) << "an empty value keeps the default";
    EXPECT_EQ(cli::readComPortMap(file("missing.ini")).devices, defaults.devices);
}

} // namespace
} // namespace mz58::test
