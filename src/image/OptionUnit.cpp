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

std::string_view optionUnitText(int type) {
    switch (type) {
    case OptionUnit::k2Tone:
        return "2Tone   ";
    case OptionUnit::kSubsig:
        return "SUBSIG  ";
    case 3:
    case 4:
    case OptionUnit::kTrunk:
        return "QM-Trunk";
    default:
        return "No      ";
    }
}

} // namespace mz58
