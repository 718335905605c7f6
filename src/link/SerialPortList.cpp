// SPDX-License-Identifier: GPL-3.0-or-later
#include "SerialPortList.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace mz58 {
namespace {

namespace fs = std::filesystem;

std::string firstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return line;
}

bool isSerialName(const std::string& name) {
    for (const char* prefix : {"ttyUSB", "ttyACM", "ttyS", "ttyAMA", "rfcomm"}) {
        if (name.rfind(prefix, 0) == 0)
            return true;
    }
    return false;
}

// The USB device above an interface: the nearest folder that names a vendor.
void describeUsb(const fs::path& device, SerialPortInfo& info) {
    std::error_code ec;
    for (fs::path dir = fs::canonical(device, ec); !ec && !dir.empty() && dir != dir.root_path();
         dir = dir.parent_path()) {
        if (!fs::exists(dir / "idVendor", ec))
            continue;
        info.vendorProduct = firstLine(dir / "idVendor") + ":" + firstLine(dir / "idProduct");
        const std::string product = firstLine(dir / "product");
        const std::string maker = firstLine(dir / "manufacturer");
        info.description = product;
        if (!maker.empty() && product.find(maker) == std::string::npos)
            info.description +=
                (product.empty() ? "" : " (") + maker + (product.empty() ? "" : ")");
        return;
    }
}

} // namespace

std::vector<SerialPortInfo> findSerialPorts(const fs::path& sysRoot, const fs::path& devRoot) {
    std::vector<SerialPortInfo> ports;
    std::error_code ec;
    const fs::path classDir = sysRoot / "class" / "tty";
    for (fs::directory_iterator it(classDir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const fs::path device = it->path() / "device";
        std::error_code linkEc;
        if (!isSerialName(name) || !fs::exists(device, linkEc))
            continue;
        // A built-in port without a UART behind it is only a name.
        if (name.rfind("ttyS", 0) == 0 && firstLine(it->path() / "type") == "0")
            continue;
        SerialPortInfo info;
        info.path = (devRoot / name).string();
        std::error_code driverEc;
        const fs::path driver = fs::read_symlink(device / "driver", driverEc);
        if (!driverEc)
            info.driver = driver.filename().string();
        describeUsb(device, info);
        ports.push_back(std::move(info));
    }
    std::sort(ports.begin(), ports.end(),
              [](const auto& a, const auto& b) { return a.path < b.path; });
    return ports;
}

} // namespace mz58
