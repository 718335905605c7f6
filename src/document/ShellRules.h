// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace mz58 {

// Rules of the window application's frame that decide a value: configuration limits, the
// maintenance switch, the clock text and which commands the option unit allows.

inline constexpr int kMinWindowWidth = 640;
inline constexpr int kMinWindowHeight = 410;
// A configured COM port: 1..4, anything else is 1.
[[nodiscard]] int validComPort(int comPort);

// The window size read from the configuration, raised to the smallest allowed.
[[nodiscard]] int validWindowWidth(int cx);
[[nodiscard]] int validWindowHeight(int cy);

// True when the arguments after the program name are exactly one of "-M", "-m", "/M", "/m".
[[nodiscard]] bool isMaintenanceSwitch(std::span<const std::string> arguments);
// The maintenance password, compared exactly.
[[nodiscard]] bool isMaintenancePassword(std::string_view text);

// The status bar's clock: a blank, the hour without padding, a colon, two-digit minutes.
[[nodiscard]] std::string clockText(int hour, int minute);

// Command ids of the frame whose availability depends on the option unit.
namespace cmd {
inline constexpr int kComPort = 32843;
inline constexpr int kSettingsFirst = 32772;   // ..32778
inline constexpr int kSignallingFirst = 32783; // ANI, DTMF, Paging Code, 2Tone, 2Tone Table
inline constexpr int kAni = 32783;
inline constexpr int kDtmf = 32784;
inline constexpr int kPagingCode = 32785;
inline constexpr int kTwoTone = 32786;
inline constexpr int kTwoToneTable = 32787;
inline constexpr int kUpload = 32820;
inline constexpr int kDownload = 32821;
inline constexpr int kChannelType = 32830;
inline constexpr int kHelpFirst = 32840; // ..32842
} // namespace cmd

// The availability row in force for an option unit type: 0 (A), 1 (B, 2Tone), 2 (C, SUBSIG).
[[nodiscard]] int availabilityRow(int optionUnitType);

// Whether a command is enabled for the option unit; "Paging Code" also needs a DTMF device.
// Commands outside the table are always enabled.
[[nodiscard]] bool isCommandEnabled(int commandId, int optionUnitType, bool dtmfAbsent);

} // namespace mz58
