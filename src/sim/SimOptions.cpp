#include "SimOptions.h"

#include <array>
#include <charconv>
#include <utility>

namespace mz58::sim {
namespace {

constexpr std::array<std::pair<Fault, std::string_view>, 9> kFaultNames{{
    {Fault::NoEcho, "no-echo"},
    {Fault::BadChecksum, "bad-checksum"},
    {Fault::ShortBlock, "short-block"},
    {Fault::LongLength, "long-length"},
    {Fault::HangupMidBlock, "hangup-mid-block"},
    {Fault::NoiseBeforeHeader, "noise-before-header"},
    {Fault::Nak, "nak"},
    {Fault::NoAck, "no-ack"},
    {Fault::GarbageAck, "garbage-ack"},
}};

std::optional<int> parseMilliseconds(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<Fault> faultByName(std::string_view name) {
    for (const auto& [fault, text] : kFaultNames) {
        if (text == name)
            return fault;
    }
    return std::nullopt;
}

std::string_view faultName(Fault fault) {
    for (const auto& [f, text] : kFaultNames) {
        if (f == fault)
            return text;
    }
    return {};
}

std::string_view simUsage() {
    return "usage: mz58-radiosim --image FILE [--state clone|off] [--power-on-after MS]\n"
           "                     [--pace real|fast] [--save-to FILE] [--fault NAME]... [--once]\n"
           "faults: no-echo bad-checksum short-block long-length hangup-mid-block\n"
           "        noise-before-header nak no-ack garbage-ack\n";
}

std::optional<SimOptions> parseSimOptions(std::span<const std::string> args, std::string& error) {
    SimOptions options;
    bool haveImage = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--once") {
            options.once = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = name.rfind("--", 0) == 0 ? "option " + name + " needs a value"
                                             : "unexpected argument " + name;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (name == "--image") {
            options.image = value;
            haveImage = true;
        } else if (name == "--state") {
            if (value == "clone")
                options.state = RadioState::Clone;
            else if (value == "off")
                options.state = RadioState::Off;
            else {
                error = "unknown state " + value;
                return std::nullopt;
            }
        } else if (name == "--power-on-after") {
            const auto ms = parseMilliseconds(value);
            if (!ms) {
                error = "not a number of milliseconds: " + value;
                return std::nullopt;
            }
            options.powerOnAfterMs = *ms;
        } else if (name == "--pace") {
            if (value == "real")
                options.pace = Pace::Real;
            else if (value == "fast")
                options.pace = Pace::Fast;
            else {
                error = "unknown pace " + value;
                return std::nullopt;
            }
        } else if (name == "--save-to") {
            options.saveTo = value;
        } else if (name == "--fault") {
            const auto fault = faultByName(value);
            if (!fault) {
                error = "unknown fault " + value;
                return std::nullopt;
            }
            options.faults.insert(*fault);
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
    }
    if (!haveImage) {
        error = "--image FILE is required";
        return std::nullopt;
    }
    return options;
}

} // namespace mz58::sim
