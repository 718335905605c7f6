// SPDX-License-Identifier: GPL-3.0-or-later
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
    LoseEcho,          // the cable loses the echo of one byte in the middle of the PC's block
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
    // Where a received image is saved; with several radios "%d" stands for the radio's number.
    std::optional<std::string> saveTo;
    // Faults of every radio, and of one radio only (--fault NAME@K).
    std::set<Fault> faults;
    std::set<std::pair<int, Fault>> radioFaults;
    bool once = false;
    // Radios served one after another on the same line (a dealer's bench).
    int radios = 1;
    // Radio K's serial number is serialBase + K - 1; unset: the image's own.
    std::optional<unsigned> serialBase;
    // The PC receives the radio's bytes only at every tick of this period, as a USB adapter's
    // latency timer hands them over; 0: at once.
    int latencyMs = 0;

    bool has(Fault fault, int radio = 1) const {
        return faults.count(fault) != 0 || radioFaults.count({radio, fault}) != 0;
    }
    // The save file of radio `radio`.
    std::optional<std::filesystem::path> saveFileOf(int radio) const;
};

// Parses the arguments after the program name; on failure `error` says why.
std::optional<SimOptions> parseSimOptions(std::span<const std::string> args, std::string& error);

std::string_view simUsage();

} // namespace mz58::sim
