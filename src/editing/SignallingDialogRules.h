// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AniSettings.h"
#include "CallCodeSettings.h"
#include "ImageCodec.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the signalling dialogs (ANI, DTMF, page codes, 2-tone parameters and table) list, limit
// and write. The dialogs only show these and route the user's choices here; the report reads
// the same blocks.
namespace mz58::dialogrules {

// List texts, in stored-value order.
inline constexpr std::array<std::string_view, 2> kAniMethodTexts{"PTT Pressed", "PTT Released"};
inline constexpr std::array<std::string_view, 4> kAniDelayTexts{"50 msec", "100 msec", "300 msec",
                                                                "500 msec"};
inline constexpr std::array<std::string_view, 4> kAniSpeedTexts{"25 msec", "33 msec", "50 msec",
                                                                "66 msec"};
inline constexpr std::array<std::string_view, 2> kDtmfSpeedTexts{"50  msec", "100 msec"};
inline constexpr std::array<std::string_view, 2> kOffOnTexts{"Off", "On"};
inline constexpr std::array<std::string_view, 4> kCallCountTexts{"Off", "1 time", "3 times",
                                                                 "5 times"};
inline constexpr std::array<std::string_view, 2> kPageFlagTexts{"ENC Only", "ENC & DEC"};
inline constexpr std::array<std::string_view, 3> kGroupCallTexts{"Off", "1st Tone", "2nd Tone"};
inline constexpr std::array<std::string_view, 2> kTwoToneFormatTexts{"Standard", "User Defined"};

// ANI: the code a typed text gives: upper case, only DTMF characters, at most 15 of them.
[[nodiscard]] std::string aniCodeOfText(std::string_view typed);
// OK of the ANI dialog: transmit mode, delay, speed, then the code.
void writeAni(RadioImage& image, const AniSettings& ani);

// DTMF: which of speed, answer back and call count can be changed. Nothing without the DTMF
// board; with it everything when no option unit is fitted, else only the speed.
[[nodiscard]] std::array<bool, 3> dtmfFieldsEnabled(bool dtmfAbsent, int optionUnitType);

// Page codes: one row of the dialog on OK. `typed` holds the edit's text when the user
// committed an edit (absent otherwise); `flag` is the combo's entry (-1: no selection).
struct PageRowInput {
    std::optional<std::string> typed;
    int flag = -1;
};
using PageRows = std::array<PageRowInput, kCallCodeCount>;

// The entry a row shows after OK: a committed text padded on the right with "0" to three
// characters (an empty text empties the code), an empty code always "ENC Only".
[[nodiscard]] PageCode pageCodeOfRow(const PageCode& stored, const PageRowInput& row);

// A code that cannot be stored: "000" with "ENC Only" is written 00 00, which reads back as no
// code at all.
[[nodiscard]] bool isUnstorablePageCode(const PageCode& code);

struct PageCodesResult {
    bool written = false;
    bool modified = false;
    int refusedRow = -1; // 0..9: the first row whose code cannot be stored; nothing is written
};
// OK of the paging dialog on the dialog's copy: takes every row in order, drops each code made
// empty from every channel, then writes the whole table.
[[nodiscard]] PageCodesResult writePageCodes(ImageState& work, PageCodeTable& table,
                                             const PageRows& rows);

// 2-tone parameters. OK of the dialog on the dialog's copy: a format other than the current
// one wipes the ten codes (and drops them from every channel) before the flag changes; then the
// parameters are written into byte 267. True when the format changed (the grid must be rebuilt).
bool writeTwoToneParams(ImageState& work, const TwoToneParams& params, bool userDefined);

// 2-tone table lists: the group combo ("OFF        " and the 18 groups, or "OFF", "USER") and
// the tone texts of a standard group.
[[nodiscard]] std::vector<std::string_view> twoToneGroupTexts(bool userDefined);
[[nodiscard]] std::vector<std::string_view> twoToneToneTexts(int group);
// The group entry a code shows as: its group, or USER (1) for any code on in User Defined.
[[nodiscard]] int twoToneGroupEntry(const TwoToneCode& code, bool userDefined);

// A typed tone number: the number its first three characters start with, at most 240.
[[nodiscard]] unsigned toneNumberOfText(std::string_view typed);
[[nodiscard]] std::string toneNumberText(unsigned tone); // "%03d"
// What an empty tone edit shows when its row is switched to USER.
inline constexpr unsigned kNewUserTone = 45;

// One row of the 2-tone table on OK. Standard: the group and tone entries of the combos (-1: no
// selection keeps the field). User Defined: `group` 0 or 1 (USER) and the two edits.
struct ToneEditInput {
    std::string text;
    bool committed = false;
};
struct TwoToneRowInput {
    int group = -1;
    int tone1 = -1;
    int tone2 = -1;
    ToneEditInput edit1;
    ToneEditInput edit2;
};
using TwoToneRows = std::array<TwoToneRowInput, kCallCodeCount>;

// OK of the table dialog on the dialog's copy: every row in order in the current format (a row
// turned off drops its code from every channel), then the whole table. True when a value
// changed.
bool writeTwoToneTable(ImageState& work, TwoToneTable& table, const TwoToneRows& rows);

} // namespace mz58::dialogrules
