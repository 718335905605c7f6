// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionUnit.h"

#include "Bitfield.h"

namespace mz58 {

namespace {

constexpr BitField kNoOptionUnit = bitOf(26, 2);
constexpr BitField kOptionUnitType = bitsOf(26, 6, 3);

} // namespace

void OptionUnit::reset() {
    type = kNone;
}

int OptionUnit::decodeType(const RadioImage& image) {
    if (readFlag(image, kNoOptionUnit))
        return kNone;
    return static_cast<int>(readField(image, kOptionUnitType));
}

void OptionUnit::decode(const RadioImage& image) {
    type = decodeType(image);
}

void OptionUnit::encode(RadioImage& image) const {
    writeField(image, kNoOptionUnit, type == kNone ? 1u : 0u);
    writeField(image, kOptionUnitType, static_cast<unsigned>(type));
}

namespace {
// Names by stored type; types 3 and 4 have none.
constexpr std::string_view kNames[] = {"No      ", "2Tone   ", "SUBSIG  ", " ", " ", "QM-Trunk"};
constexpr std::string_view kUnnamed = " ";
} // namespace

std::string_view optionUnitText(int type) {
    if (type >= 3 && type <= OptionUnit::kTrunk)
        return kNames[OptionUnit::kTrunk];
    if (type < 0 || type > OptionUnit::kTrunk)
        return kNames[OptionUnit::kNone];
    return kNames[type];
}

std::string_view optionUnitReportText(int type) {
    if (type < 0 || type > OptionUnit::kTrunk)
        return kUnnamed;
    return kNames[type];
}

} // namespace mz58
