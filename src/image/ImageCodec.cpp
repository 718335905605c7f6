// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageCodec.h"

#include "AccessoryKeySetting.h"
#include "AniSettings.h"
#include "CallCodeSettings.h"
#include "DeviceOptions.h"
#include "FrequencyRules.h"
#include "FunctionSettings.h"
#include "ScanSettings.h"

#include <algorithm>
#include <cstdio>

namespace mz58 {
namespace {

struct ByteRange {
    std::size_t first;
    std::size_t last;
};
// Encode all clears these first, so that bits no field owns end up 0.
constexpr ByteRange kClearedByEncodeAll[] = {{28, 39}, {42, 51}, {74, 265}};

template <typename Block> void resetAndEncode(RadioImage& image) {
    Block block;
    block.reset();
    block.encode(image);
}

} // namespace

namespace ImageCodec {

void resetAll(ImageState& state) {
    state.image.fill(0);

    state.optionUnit.reset();
    state.localOffset = 0.0;
    state.optionUnit.encode(state.image);

    state.hardware.resetForNewImage(state.localOffset);
    state.hardware.encode(state.image);

    resetAndEncode<DeviceOptions>(state.image);
    resetAndEncode<ScanSettings>(state.image);
    resetAndEncode<AniSettings>(state.image);
    resetAndEncode<CallCodeSettings>(state.image);
    resetAndEncode<AccessoryKeySetting>(state.image);
    resetAndEncode<FunctionSettings>(state.image);
    state.twoToneUserDefined = false;

    state.serialNumber.reset();
    state.serialNumber.encode(state.image);

    state.channels.reset();
    state.channels.encode(state.image, state.hardware);
}

void decodeAll(ImageState& state) {
    const int previousUnit = state.optionUnit.type;
    state.optionUnit.decode(state.image);
    if (state.optionUnit.type != previousUnit)
        state.optionUnitChanged = true;

    state.hardware.decode(state.image);
    state.channels.decode(state.image, state.hardware);
    state.serialNumber.decode(state.image);

    // Page codes are no 2-tone codes: only a 2Tone unit's table can switch the view to raw
    // tone numbers.
    if (state.optionUnit.type == OptionUnit::k2Tone)
        CallCodeSettings::updateTwoToneUserDefinedFlag(state.image, state.twoToneUserDefined);
}

void encodeAll(ImageState& state) {
    for (const auto& range : kClearedByEncodeAll)
        std::fill(state.image.begin() + static_cast<std::ptrdiff_t>(range.first),
                  state.image.begin() + static_cast<std::ptrdiff_t>(range.last) + 1, 0);
    state.serialNumber.encode(state.image);
    state.hardware.encode(state.image);
    state.channels.encode(state.image, state.hardware);
}

void changeBand(ImageState& state, int band) {
    state.hardware.resetToBand(band, state.localOffset);
    state.channels.changeBand(state.hardware.band);
    // Each channel takes the step on which it holds the band's default frequency; the step
    // grid of a fresh UHF pair (12.5 kHz) would otherwise store 450 MHz as another frequency.
    for (auto& e : state.channels.entries) {
        e.rxStepSelect = holdingStepSelect(e.rxFrequency, e.rxStepSelect, true, state.hardware)
                             .value_or(e.rxStepSelect);
        e.txStepSelect = holdingStepSelect(e.txFrequency, e.txStepSelect, false, state.hardware)
                             .value_or(e.txStepSelect);
    }
}

void makeNewImage(ImageState& state, int band) {
    resetAll(state);
    if (band == kUhf)
        changeBand(state, band);
    encodeAll(state);
}

} // namespace ImageCodec

int firmwareVersion(const RadioImage& image) {
    const int digits[] = {image[0] >> 4, image[0] & 0x0F, image[1] >> 4, image[1] & 0x0F};
    return ((digits[0] * 10 + digits[1]) * 10 + digits[2]) * 10 + digits[3];
}

std::string firmwareVersionText(const RadioImage& image) {
    const int version = firmwareVersion(image);
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%-d.%2.2d", version / 100, version % 100);
    return buffer;
}

} // namespace mz58
