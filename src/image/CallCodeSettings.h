// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OptionUnit.h"
#include "RadioImage.h"
#include "SignallingTables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mz58 {

// Ten call codes of two bytes each at image bytes 268..287: DTMF page codes, or 2-tone codes
// while the option unit is 2Tone.
inline constexpr int kCallCodeCount = 10;
using CallCodeBytes = std::array<std::uint8_t, 2 * kCallCodeCount>;

// The bytes of a wiped code table: FF FF per code for the 2Tone unit, 00 00 otherwise.
[[nodiscard]] CallCodeBytes emptyCallCodes(int optionUnitType);

// Writes emptyCallCodes(optionUnitType) into the image.
void writeEmptyCallCodes(RadioImage& image, int optionUnitType);

// Whether a stored code holds nothing: for the 2Tone unit when its first byte is FF, otherwise
// when each of its bytes is 00 or FF.
[[nodiscard]] bool isCallCodeEmpty(std::uint8_t first, std::uint8_t second, int optionUnitType);

// Whether channels can carry call codes at all: not without the DTMF device, unless the 2Tone
// unit (which signals on its own) is fitted.
[[nodiscard]] bool channelsCarryCallCodes(int optionUnitType, bool dtmfDeviceAbsent);

// Whether a channel can hold call code `code` (1..10): channels carry codes at all, and the code
// is defined (the SUBSIG unit defines all ten itself). The code list offers exactly these codes,
// a paste takes only these, and decoding keeps every one of them.
[[nodiscard]] bool canHoldCallCode(int code, int optionUnitType, bool dtmfDeviceAbsent,
                                   const CallCodeBytes& codes);

// The call-code block, bytes 267..287, as stored: the flags of byte 267 and the raw code bytes.
struct CallCodeSettings {
    int answerBack = 0;       // DTMF answer back
    int twoToneAutoReset = 0; // 2Tone unit only
    int dtmfSpeed = 0;
    int twoToneGroupCall = 0; // 2Tone unit only
    int callCount = 2;        // alert tones on a received call, shared by DTMF and 2-tone
    CallCodeBytes codes = emptyCallCodes(OptionUnit::kNone);

    // New-image values; the option unit of a new image is none, so the codes are 00 00.
    void reset();
    void decode(const RadioImage& image);
    void encode(RadioImage& image) const;

    // Whether code `index` (0..9) is empty for the given option unit; out of range counts as
    // empty.
    [[nodiscard]] bool isCodeEmpty(int index, int optionUnitType) const;

    // Reads the ten codes as 2-tone codes only to set `flag` when one of them does not fit a
    // standard group; never clears it.
    static void updateTwoToneUserDefinedFlag(const RadioImage& image, bool& flag);

    bool operator==(const CallCodeSettings&) const = default;
};

// DTMF call parameters (byte 267 bits 7, 4, 1..0).
struct DtmfSettings {
    int speed = 0;
    int answerBack = 0;
    int callCount = 2;

    void reset();
    void decode(const RadioImage& image);
    // Answer back is written as 0 while the option unit is 2Tone.
    void encode(RadioImage& image, int optionUnitType) const;

    bool operator==(const DtmfSettings&) const = default;
};

// One DTMF page code: up to 3 DTMF characters; empty means no code.
struct PageCode {
    std::string code;
    bool encodeAndDecode = false; // false = "ENC Only", true = "ENC & DEC"

    bool operator==(const PageCode&) const = default;
};

// `text` cut to 3 characters and padded on the right with "0" ("5" -> "500"); empty stays empty.
[[nodiscard]] std::string padPageCode(std::string_view text);

// The ten page codes, as stored without the 2Tone unit.
struct PageCodeTable {
    static constexpr std::size_t kCodeLength = 3;

    std::array<PageCode, kCallCodeCount> entries;

    void reset();
    // A code whose two bytes are each 00 or FF reads as empty (and "ENC Only").
    void decode(const RadioImage& image);
    // An empty code is written 00 00. Missing characters of a short code are written as "0";
    // characters past the third are ignored.
    void encode(RadioImage& image) const;

    bool operator==(const PageCodeTable&) const = default;
};

// 2-tone call parameters (byte 267 bits 6, 3..2, 1..0). Auto reset and group call are read and
// written only while the option unit is 2Tone; otherwise they are nullopt and left alone.
struct TwoToneParams {
    std::optional<int> autoReset = 0;
    std::optional<int> groupCall = 0;
    int callCount = 2;

    void reset();
    void decode(const RadioImage& image, int optionUnitType);
    void encode(RadioImage& image, int optionUnitType) const;

    bool operator==(const TwoToneParams&) const = default;
};

// The ten 2-tone codes, as stored with the 2Tone unit.
struct TwoToneTable {
    std::array<TwoToneCode, kCallCodeCount> entries;

    void reset();
    // Reads every code through decodeTwoToneCode. When a code switches `userDefined` on, the
    // whole table is read again as raw tone numbers, so that no entry stays in group form
    // while the table is shown and written back as tone numbers.
    void decode(const RadioImage& image, bool& userDefined);
    // Off codes are written FF FF.
    void encode(RadioImage& image, bool userDefined) const;

    bool operator==(const TwoToneTable&) const = default;
};

// The number a call code shows as: codes 1..9 as themselves, the tenth as 0.
[[nodiscard]] constexpr int callCodeDisplayNumber(int code) {
    return code % 10;
}

} // namespace mz58
