// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioImage.h"

#include <string_view>

namespace mz58 {

// The optional sub-CPU unit fitted to the radio (image byte 26 bits 6..2).
struct OptionUnit {
    static constexpr int kNone = 0;
    static constexpr int k2Tone = 1;
    static constexpr int kSubsig = 2;
    static constexpr int kTrunk = 5;

    int type = kNone;

    void reset();
    void decode(const RadioImage& image);
    // Sets the "no unit" bit for type 0 and stores the type in bits 6..3 (low 4 bits of it).
    void encode(RadioImage& image) const;

    // The type an image holds: 0 when the "no unit" bit is set, whatever the type bits hold.
    [[nodiscard]] static int decodeType(const RadioImage& image);

    bool operator==(const OptionUnit&) const = default;
};

// The option unit as the options dialog lists it ("No      ", "2Tone   ", "SUBSIG  ",
// "QM-Trunk"); types 3 to 5 show as "QM-Trunk", anything else as "No      ".
[[nodiscard]] std::string_view optionUnitText(int type);

// The option unit as the report prints it, by stored type: types 3 and 4 have no name and print
// blank, where the dialog's list shows them as "QM-Trunk"; as does a type beyond 5.
[[nodiscard]] std::string_view optionUnitReportText(int type);

} // namespace mz58
