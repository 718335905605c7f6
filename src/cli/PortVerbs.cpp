// SPDX-License-Identifier: GPL-3.0-or-later
// The programming cable's port: the cable test and the list of serial devices.
#include "Verbs.h"

#include "CableTest.h"
#include "ComPorts.h"
#include "LinkMessages.h"
#include "SerialPortList.h"

#include <array>
#include <fstream>
#include <ostream>

namespace mz58::cli {
namespace {

std::string trimmed(std::string text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    text = text.substr(first, last - first + 1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

} // namespace

ComPortMap readComPortMap(const std::filesystem::path& ini) {
    ComPortMap map;
    std::ifstream in(ini);
    std::string line;
    bool inPorts = false;
    while (std::getline(in, line)) {
        line = trimmed(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[') {
            inPorts = line == "[Ports]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inPorts || equals == std::string::npos)
            continue;
        const std::string key = trimmed(line.substr(0, equals));
        const std::string value = trimmed(line.substr(equals + 1));
        for (int n = 1; n <= kComPortCount; ++n) {
            if (key == ComPortMap::key(n) && !value.empty())
                map.devices[static_cast<std::size_t>(n - 1)] = value;
        }
    }
    return map;
}

int verbCableTest(std::span<const std::string> args, Io& io) {
    constexpr std::array<std::string_view, 1> valued{"--port"};
    const auto parsed = Arguments::parse(args, {}, valued, io);
    if (!parsed)
        return kExitUsage;
    const auto port = parsed->value("--port");
    if (!port || !parsed->positional().empty())
        return usageError(io, "usage: mz58 cable-test --port DEVICE");
    const CableTestResult result = testCable(*port);
    const std::string device[] = {result.device};
    const std::string text = formatMessage(stringText(result.message), device);
    if (result.ok) {
        io.out << text << '\n';
        return kExitOk;
    }
    io.err << "mz58: " << text;
    if (!result.detail.empty())
        io.err << " (" << result.detail << ")";
    io.err << '\n';
    return kExitFailure;
}

int verbPorts(std::span<const std::string> args, Io& io) {
    const auto parsed = Arguments::parse(args, {}, {}, io);
    if (!parsed)
        return kExitUsage;
    if (!parsed->positional().empty())
        return usageError(io, "usage: mz58 ports");
    const ComPortMap map = readComPortMap("MZ58Win.ini");
    const auto comOf = [&](const std::string& path) {
        std::string marks;
        for (int n = 1; n <= kComPortCount; ++n) {
            if (map.devices[static_cast<std::size_t>(n - 1)] == path)
                marks += (marks.empty() ? "" : ",") + ComPortMap::key(n);
        }
        return marks;
    };
    const auto ports = findSerialPorts();
    for (const auto& port : ports) {
        io.out << port.path;
        for (const std::string& field : {port.vendorProduct, port.description, port.driver}) {
            if (!field.empty())
                io.out << '\t' << field;
        }
        if (const std::string marks = comOf(port.path); !marks.empty())
            io.out << '\t' << marks;
        io.out << '\n';
    }
    // The COM numbers whose device is not here: the cable of that number is not plugged in.
    for (int n = 1; n <= kComPortCount; ++n) {
        const std::string& device = map.devices[static_cast<std::size_t>(n - 1)];
        bool found = false;
        for (const auto& port : ports)
            found = found || port.path == device;
        if (!found)
            io.out << ComPortMap::key(n) << " -> " << device << " (not found)\n";
    }
    return kExitOk;
}

} // namespace mz58::cli
