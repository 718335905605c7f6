// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioComparison.h"

#include "ImageDiff.h"

#include <cstdio>

namespace mz58 {

RadioComparison compareWithRadio(const RadioImage& radio, const ImageState& sent) {
    ImageState radioState;
    ImageCodec::resetAll(radioState);
    radioState.image = radio;
    ImageCodec::decodeAll(radioState);
    radioState.localOffset = sent.localOffset;

    RadioComparison comparison;
    comparison.equal = radio == sent.image;
    comparison.lines = imageDifferences(radioState, sent);
    if (comparison.lines.empty() && !comparison.equal) {
        // Bytes that follow from what is shown still differ: name them rather than hide them.
        for (std::size_t offset = 0; offset < kImageSize; ++offset) {
            if (radio[offset] == sent.image[offset])
                continue;
            char line[48];
            std::snprintf(line, sizeof line, "byte 0x%03zX: %02x -> %02x", offset, radio[offset],
                          sent.image[offset]);
            comparison.lines.push_back(line);
        }
    }
    for (const auto& line : comparison.lines) {
        if (line.rfind("Ch ", 0) == 0)
            comparison.channels.push_back(line);
        else if (line.rfind("byte 0x", 0) == 0)
            comparison.other.push_back(line);
        else
            comparison.settings.push_back(line);
    }
    return comparison;
}

} // namespace mz58
