// SPDX-License-Identifier: GPL-3.0-or-later
#include "CallCodeSettings.h"

#include "Bitfield.h"
#include "DtmfDigit.h"

#include <algorithm>
#include <span>
#include <utility>

namespace mz58 {

namespace {

constexpr BitField kAnswerBack = bitOf(267, 7);
constexpr BitField kTwoToneAutoReset = bitOf(267, 6);
constexpr BitField kDtmfSpeed = bitOf(267, 4);
constexpr BitField kTwoToneGroupCall = bitsOf(267, 3, 2);
constexpr BitField kCallCount = bitsOf(267, 1, 0);

constexpr std::size_t kCodesOffset = 268;
constexpr std::size_t kBytesPerCode = 2;

// Fields of one page code, relative to its first byte.
constexpr BitField kPageChar1 = bitsOf(0, 3, 0);
constexpr BitField kPageEncodeAndDecode = bitOf(0, 5);
constexpr BitField kPageChar2 = bitsOf(1, 7, 4);
constexpr BitField kPageChar3 = bitsOf(1, 3, 0);
constexpr std::array<BitField, PageCodeTable::kCodeLength> kPageChars = {kPageChar1, kPageChar2,
                                                                         kPageChar3};

constexpr std::array<std::pair<BitField, int CallCodeSettings::*>, 5> kFlagFields = {{
    {kAnswerBack, &CallCodeSettings::answerBack},
    {kTwoToneAutoReset, &CallCodeSettings::twoToneAutoReset},
    {kDtmfSpeed, &CallCodeSettings::dtmfSpeed},
    {kTwoToneGroupCall, &CallCodeSettings::twoToneGroupCall},
    {kCallCount, &CallCodeSettings::callCount},
}};

std::span<const std::uint8_t, kBytesPerCode> codeBytes(const RadioImage& image, std::size_t index) {
    return std::span(image).subspan(kCodesOffset + kBytesPerCode * index).first<kBytesPerCode>();
}

std::span<std::uint8_t, kBytesPerCode> codeBytes(RadioImage& image, std::size_t index) {
    return std::span(image).subspan(kCodesOffset + kBytesPerCode * index).first<kBytesPerCode>();
}

bool isBlankByte(std::uint8_t byte) {
    return byte == 0x00 || byte == 0xFF;
}

int readInt(const RadioImage& image, BitField field) {
    return static_cast<int>(readField(image, field));
}

} // namespace

CallCodeBytes emptyCallCodes(int optionUnitType) {
    CallCodeBytes bytes;
    bytes.fill(optionUnitType == OptionUnit::k2Tone ? kTwoToneOffByte : 0x00);
    return bytes;
}

void writeEmptyCallCodes(RadioImage& image, int optionUnitType) {
    const auto bytes = emptyCallCodes(optionUnitType);
    std::copy(bytes.begin(), bytes.end(), image.begin() + kCodesOffset);
}

bool isCallCodeEmpty(std::uint8_t first, std::uint8_t second, int optionUnitType) {
    if (optionUnitType == OptionUnit::k2Tone)
        return first == kTwoToneOffByte;
    return isBlankByte(first) && isBlankByte(second);
}

bool channelsCarryCallCodes(int optionUnitType, bool dtmfDeviceAbsent) {
    return !dtmfDeviceAbsent || optionUnitType == OptionUnit::k2Tone;
}

bool canHoldCallCode(int code, int optionUnitType, bool dtmfDeviceAbsent,
                     const CallCodeBytes& codes) {
    if (code < 1 || code > kCallCodeCount ||
        !channelsCarryCallCodes(optionUnitType, dtmfDeviceAbsent))
        return false;
    if (optionUnitType == OptionUnit::kSubsig)
        return true;
    const auto first = static_cast<std::size_t>(2 * (code - 1));
    return !isCallCodeEmpty(codes[first], codes[first + 1], optionUnitType);
}

// CallCodeSettings

void CallCodeSettings::reset() {
    *this = CallCodeSettings{};
}

void CallCodeSettings::decode(const RadioImage& image) {
    readFields(image, kFlagFields, *this);
    std::copy_n(image.begin() + kCodesOffset, codes.size(), codes.begin());
}

void CallCodeSettings::encode(RadioImage& image) const {
    writeFields(image, kFlagFields, *this);
    std::copy(codes.begin(), codes.end(), image.begin() + kCodesOffset);
}

bool CallCodeSettings::isCodeEmpty(int index, int optionUnitType) const {
    if (index < 0 || index >= kCallCodeCount)
        return true;
    const auto first = kBytesPerCode * static_cast<std::size_t>(index);
    return isCallCodeEmpty(codes[first], codes[first + 1], optionUnitType);
}

void CallCodeSettings::updateTwoToneUserDefinedFlag(const RadioImage& image, bool& flag) {
    for (std::size_t k = 0; k < kCallCodeCount && !flag; ++k) {
        const auto bytes = codeBytes(image, k);
        (void)decodeTwoToneCode(bytes[0], bytes[1], flag);
    }
}

// DtmfSettings

void DtmfSettings::reset() {
    *this = DtmfSettings{};
}

void DtmfSettings::decode(const RadioImage& image) {
    speed = readInt(image, kDtmfSpeed);
    answerBack = readInt(image, kAnswerBack);
    callCount = readInt(image, kCallCount);
}

void DtmfSettings::encode(RadioImage& image, int optionUnitType) const {
    writeField(image, kDtmfSpeed, static_cast<unsigned>(speed));
    writeField(image, kAnswerBack,
               optionUnitType == OptionUnit::k2Tone ? 0u : static_cast<unsigned>(answerBack));
    writeField(image, kCallCount, static_cast<unsigned>(callCount));
}

// PageCodeTable

std::string padPageCode(std::string_view text) {
    std::string padded(text.substr(0, PageCodeTable::kCodeLength));
    if (!padded.empty())
        padded.resize(PageCodeTable::kCodeLength, '0');
    return padded;
}

void PageCodeTable::reset() {
    *this = PageCodeTable{};
}

void PageCodeTable::decode(const RadioImage& image) {
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const auto bytes = codeBytes(image, k);
        PageCode& entry = entries[k];
        entry = PageCode{};
        if (isBlankByte(bytes[0]) && isBlankByte(bytes[1]))
            continue;
        entry.encodeAndDecode = readFlag(bytes, kPageEncodeAndDecode);
        for (const BitField field : kPageChars)
            entry.code.push_back(dtmfChar(readField(bytes, field)));
    }
}

void PageCodeTable::encode(RadioImage& image) const {
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const auto bytes = codeBytes(image, k);
        const PageCode& entry = entries[k];
        // Both bytes are written whole; the bits no field owns are 0.
        bytes[0] = 0;
        bytes[1] = 0;
        if (entry.code.empty())
            continue;
        writeField(bytes, kPageEncodeAndDecode, entry.encodeAndDecode ? 1u : 0u);
        const std::size_t length = std::min(entry.code.size(), kCodeLength);
        for (std::size_t i = 0; i < length; ++i)
            writeField(bytes, kPageChars[i], dtmfCode(entry.code[i]).value_or(0));
    }
}

// TwoToneParams

void TwoToneParams::reset() {
    *this = TwoToneParams{};
}

void TwoToneParams::decode(const RadioImage& image, int optionUnitType) {
    if (optionUnitType == OptionUnit::k2Tone) {
        autoReset = readInt(image, kTwoToneAutoReset);
        groupCall = readInt(image, kTwoToneGroupCall);
    } else {
        autoReset.reset();
        groupCall.reset();
    }
    callCount = readInt(image, kCallCount);
}

void TwoToneParams::encode(RadioImage& image, int optionUnitType) const {
    if (optionUnitType == OptionUnit::k2Tone) {
        if (autoReset)
            writeField(image, kTwoToneAutoReset, static_cast<unsigned>(*autoReset));
        if (groupCall)
            writeField(image, kTwoToneGroupCall, static_cast<unsigned>(*groupCall));
    }
    writeField(image, kCallCount, static_cast<unsigned>(callCount));
}

// TwoToneTable

void TwoToneTable::reset() {
    *this = TwoToneTable{};
}

void TwoToneTable::decode(const RadioImage& image, bool& userDefined) {
    const auto readAll = [&] {
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const auto bytes = codeBytes(image, k);
            entries[k] = decodeTwoToneCode(bytes[0], bytes[1], userDefined);
        }
    };
    const bool wasUserDefined = userDefined;
    readAll();
    if (userDefined && !wasUserDefined)
        readAll();
}

void TwoToneTable::encode(RadioImage& image, bool userDefined) const {
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const auto stored = encodeTwoToneCode(entries[k], userDefined);
        std::ranges::copy(stored, codeBytes(image, k).begin());
    }
}

} // namespace mz58
