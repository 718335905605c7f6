// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelTable.h"
#include "HardwareSettings.h"
#include "OptionUnit.h"
#include "RadioImage.h"
#include "SerialNumber.h"

#include <string>

namespace mz58 {

// The image with the objects that stay decoded for the whole run. The document owns one.
struct ImageState {
    RadioImage image{};
    LocalOffset localOffset = 0.0;
    OptionUnit optionUnit;
    HardwareSettings hardware;
    SerialNumber serialNumber;
    ChannelTable channels;
    // Set when decoding finds an option unit other than the one held before.
    bool optionUnitChanged = false;
    // Set when a stored 2-tone code cannot be shown as group and position; only a reset clears it.
    bool twoToneUserDefined = false;
};

// The three whole-image operations that keep the image and the kept objects consistent.
namespace ImageCodec {

// A fresh image from defaults (VHF band).
void resetAll(ImageState& state);

// Rebuilds the kept objects from the image.
void decodeAll(ImageState& state);

// Rewrites the image from the kept objects.
void encodeAll(ImageState& state);

// The band change of the hardware dialog: band defaults (with the local offset) and every
// channel in use at the band's default frequency. The image is written by the next encode all.
// Every channel gets the step select on which it holds that frequency.
void changeBand(ImageState& state, int band);

// Makes a fresh image for the given band: reset all, then for UHF the band change of the
// hardware dialog, then encode all.
void makeNewImage(ImageState& state, int band);

} // namespace ImageCodec

// The firmware version: the four BCD digits of bytes 0 and 1 read as one decimal number.
int firmwareVersion(const RadioImage& image);
// The version as the view shows it ("1.06" for bytes 01 06).
std::string firmwareVersionText(const RadioImage& image);

} // namespace mz58
