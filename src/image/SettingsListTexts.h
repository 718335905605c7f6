// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace mz58 {

// The text of a stored value from a list of texts; a value beyond the list gives `fallback`.
template <typename Text, std::size_t N>
constexpr Text listText(const std::array<Text, N>& texts, int value, Text fallback) {
    if (value >= 0 && static_cast<std::size_t>(value) < N)
        return texts[static_cast<std::size_t>(value)];
    return fallback;
}

// The texts of radio-wide settings by stored value, as the settings dialogs list them and the
// report prints them. Trailing blanks are part of the texts.

// Injection side of the hardware block (0 lower, 1 upper).
inline constexpr std::array<std::string_view, 2> kInjectionSideTexts{"Lower", "Upper"};

// An option board by its "absent" flag (0 installed, 1 not installed).
inline constexpr std::array<std::string_view, 2> kBoardPresenceTexts{"Yes", "No "};

// Power-save timers of `FunctionSettings`.
inline constexpr std::array<std::string_view, 4> kTotPenaltyTexts{"0 ", "6 ", "20", "60"};
inline constexpr std::array<std::string_view, 4> kPttReleaseTexts{"0", "2", "3", "5"};
inline constexpr std::array<std::string_view, 4> kAutoPowerOffTexts{"off   ", "0.5 Hr", "1 Hr  ",
                                                                    "8 Hrs "};
inline constexpr std::array<std::string_view, 8> kReceiveSaveTexts{"ABS", "1:1", "1:2", "1:3",
                                                                   "1:4", "1:5", "1:6", "1:7"};

// Scan timers of `ScanSettings`, in seconds.
inline constexpr std::array<std::string_view, 16> kScanResumeTime1Texts{
    "0.25", "0.5", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"};
inline constexpr std::array<std::string_view, 16> kScanResumeTime2Texts{
    "2", "3", "4", "5", "6", "7", "8", "9", "10", "15", "20", "25", "30", "40", "50", "60"};
inline constexpr std::array<std::string_view, 2> kRevertChannelTexts{"PRI CH      ",
                                                                     "Last Busy CH"};

// A flag stored as 1 = on (talk back, power-on dual watch, monitor) ...
inline constexpr std::array<std::string_view, 2> kDisabledEnabledTexts{"Disabled", "Enabled "};
// ... and one stored as 0 = on (priority beep, lamp, key beep).
inline constexpr std::array<std::string_view, 2> kEnabledDisabledTexts{"Enabled ", "Disabled"};

// Functions of the accessory key by `AccessoryKeySetting` code.
inline constexpr std::array<std::string_view, 9> kAccessoryKeyTexts{
    "None       ", "Scan       ", "Dual Watch ", "Power HI/LO", "Talk Around",
    "TX SAVE    ", "Encryption ", "Follow-Me  ", "Bank B     "};

// ANI digit duration by `AniSettings::speed`.
inline constexpr std::array<std::string_view, 4> kAniSpeedTexts{"25 msec", "33 msec", "50 msec",
                                                                "66 msec"};

} // namespace mz58
