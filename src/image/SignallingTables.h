// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mz58 {

// CTCSS tones: index 0 is "Off", 1..50 the tones in the radio's order (not ascending).
inline constexpr int kCtcssCount = 50;
// DCS codes: index 0 is "Off", 1..104 the codes in ascending order.
inline constexpr int kDcsCount = 104;

// " 67.0" .. "254.1" (5 characters, right-aligned) for 1..50, "Off" for 0; any other index
// gives its number as "#nn", right-aligned in 5 characters, so a stray stored value still shows.
[[nodiscard]] std::string ctcssText(unsigned index);

// "023" .. "754" for 1..104, "Off" for 0; any other index gives "#nnn".
[[nodiscard]] std::string dcsText(unsigned index);

// Index of the inverted-polarity partner of a DCS code; 0 maps to 0. Indices above 104 are
// returned unchanged.
[[nodiscard]] unsigned dcsInverse(unsigned index);

// A standard 2-tone group: tone number = base + position in the group. `slotCount` tone numbers
// are reserved for the group; `tones` holds the texts of the positions that have a tone.
struct TwoToneGroup {
    std::string_view name;
    int base;      // -1 for group 0 (off), which has no tone numbers
    int slotCount; // 0 for group 0 and for group 19 (user defined)
    std::span<const std::string_view> tones;
};

inline constexpr int kTwoToneGroupCount = 20;
inline constexpr int kTwoToneOff = 0;
inline constexpr int kTwoToneUserDefined = 19;
inline constexpr int kTwoToneUserBase = 240;
// A first tone byte of this value marks a code that is off.
inline constexpr std::uint8_t kTwoToneOffByte = 0xFF;

// Group 0 "OFF        ", 1..18 the standard groups, 19 "User Defined"; out of range gives group 0.
[[nodiscard]] const TwoToneGroup& twoToneGroup(int group);

// The standard group (1..18) whose tone numbers hold `toneNumber`; 19 from 240 on.
[[nodiscard]] int twoToneGroupOf(unsigned toneNumber);

// Text of the tone at `position` of `group`; nullopt for reserved slots, groups 0 and 19 and
// anything out of range.
[[nodiscard]] std::optional<std::string_view> twoToneText(int group, unsigned position);

// One 2-tone call code as shown to the user. Group 0: off. Group 19: tone1 and tone2 are the
// stored tone numbers. Groups 1..18: tone1 and tone2 are positions in the group.
struct TwoToneCode {
    int group = kTwoToneOff;
    unsigned tone1 = 0;
    unsigned tone2 = 0;

    bool operator==(const TwoToneCode&) const = default;
};

// Reads one stored code pair. With `userDefined` already set the pair is shown as raw tone
// numbers. Otherwise a pair whose tones lie in one standard group is shown as group and
// positions; a pair that does not fit one standard group (tones in different groups, or a first
// tone of 240 and above) sets `userDefined` and is shown as raw tone numbers. The flag is never
// cleared here.
[[nodiscard]] TwoToneCode decodeTwoToneCode(std::uint8_t t1, std::uint8_t t2, bool& userDefined);

// The two bytes that store `code`: off gives FF FF; with `userDefined` set, or for group 19, the
// tone numbers as they are (the first limited to FE, so the code stays on, the second to FF);
// otherwise base + position, the position limited
// to the group's reserved slots. A group outside 0..19 is stored as off.
[[nodiscard]] std::array<std::uint8_t, 2> encodeTwoToneCode(const TwoToneCode& code,
                                                            bool userDefined);

} // namespace mz58
