#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>

namespace mz58::sim {

// Misbehaviours the simulated radio can be told to show, one --fault option each.
enum class Fault {
    NoEcho,            // the cable does not echo the PC's bytes
    BadChecksum,       // the radio's block carries a wrong checksum
    ShortBlock,        // the radio's block carries 256 data bytes (length 0x0101)
    LongLength,        // the radio's block announces length 0x0301
    HangupMidBlock,    // the line goes away in the middle of the radio's block
    NoiseBeforeHeader, // stray bytes precede the radio's block
    Nak,               // the radio refuses the PC's block with 0x15
    NoAck,             // the radio does not answer the PC's block
    GarbageAck,        // the radio answers the PC's block with a byte that is no answer
};

std::optional<Fault> faultByName(std::string_view name);
std::string_view faultName(Fault fault);

enum class RadioState { Clone, Off };
enum class Pace { Real, Fast };

struct SimOptions {
    std::filesystem::path image;
    RadioState state = RadioState::Clone;
    int powerOnAfterMs = 1500;
    Pace pace = Pace::Real;
    std::optional<std::filesystem::path> saveTo;
    std::set<Fault> faults;
    bool once = false;

    bool has(Fault fault) const { return faults.count(fault) != 0; }
};

// Parses the arguments after the program name; on failure `error` says why.
std::optional<SimOptions> parseSimOptions(std::span<const std::string> args, std::string& error);

std::string_view simUsage();

} // namespace mz58::sim
