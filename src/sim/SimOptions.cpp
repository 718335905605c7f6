// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimOptions.h"

#include <array>
#include <charconv>
#include <utility>

namespace mz58::sim {
namespace {

constexpr std::array<std::pair<Fault, std::string_view>, 10> kFaultNames{{
    {Fault::NoEcho, "no-echo"},
    {Fault::BadChecksum, "bad-checksum"},
    {Fault::ShortBlock, "short-block"},
    {Fault::LongLength, "long-length"},
    {Fault::HangupMidBlock, "hangup-mid-block"},
    {Fault::NoiseBeforeHeader, "noise-before-header"},
    {Fault::Nak, "nak"},
    {Fault::NoAck, "no-ack"},
    {Fault::GarbageAck, "garbage-ack"},
    {Fault::LoseEcho, "lose-echo"},
}};

constexpr int kMaxRadios = 999;
constexpr unsigned kMaxSerial = 999999;

std::optional<int> parseNumber(std::string_view text, int least, int most) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < least || value > most)
        return std::nullopt;
    return value;
}

std::optional<int> parseMilliseconds(std::string_view text) {
    return parseNumber(text, 0, 24 * 3600 * 1000);
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

std::optional<std::filesystem::path> SimOptions::saveFileOf(int radio) const {
    if (!saveTo)
        return std::nullopt;
    std::string path = *saveTo;
    if (const auto at = path.find("%d"); at != std::string::npos)
        path.replace(at, 2, std::to_string(radio));
    return std::filesystem::path(path);
}

std::string_view simUsage() {
    return "usage: mz58-radiosim --image FILE [--state clone|off] [--power-on-after MS]\n"
           "                     [--pace real|fast] [--save-to FILE] [--fault NAME[@K]]...\n"
           "                     [--once] [--radios N [--serial-base S]] [--latency MS]\n"
           "faults: no-echo bad-checksum short-block long-length hangup-mid-block\n"
           "        noise-before-header nak no-ack garbage-ack lose-echo\n"
           "        (NAME@K: radio K of --radios only)\n";
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
            const auto at = value.find('@');
            const auto fault = faultByName(std::string_view(value).substr(0, at));
            const auto radio =
                at == std::string::npos
                    ? std::optional<int>(0)
                    : parseNumber(std::string_view(value).substr(at + 1), 1, kMaxRadios);
            if (!fault || !radio) {
                error = "unknown fault " + value;
                return std::nullopt;
            }
            if (*radio == 0)
                options.faults.insert(*fault);
            else
                options.radioFaults.insert({*radio, *fault});
        } else if (name == "--radios") {
            const auto radios = parseNumber(value, 1, kMaxRadios);
            if (!radios) {
                error = "--radios needs a number from 1 to 999: " + value;
                return std::nullopt;
            }
            options.radios = *radios;
        } else if (name == "--serial-base") {
            const auto base = parseNumber(value, 0, static_cast<int>(kMaxSerial));
            if (!base) {
                error = "--serial-base needs a number of up to six digits: " + value;
                return std::nullopt;
            }
            options.serialBase = static_cast<unsigned>(*base);
        } else if (name == "--latency") {
            const auto ms = parseNumber(value, 0, 1000);
            if (!ms) {
                error = "--latency needs milliseconds from 0 to 1000: " + value;
                return std::nullopt;
            }
            options.latencyMs = *ms;
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
    }
    if (!haveImage) {
        error = "--image FILE is required";
        return std::nullopt;
    }
    if (options.radios > 1 && options.saveTo && options.saveTo->find("%d") == std::string::npos) {
        error = "with --radios, --save-to needs %d for the radio's number";
        return std::nullopt;
    }
    if (options.serialBase && *options.serialBase + options.radios - 1 > kMaxSerial) {
        error = "the last radio's serial number has more than six digits";
        return std::nullopt;
    }
    return options;
}

} // namespace mz58::sim
