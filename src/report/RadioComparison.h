// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageCodec.h"

#include <string>
#include <vector>

namespace mz58 {

// What a radio holds next to what a write would send it, in the words of `mz58 diff` (the
// radio's value first), and the same lines by what they are about.
struct RadioComparison {
    std::vector<std::string> lines;
    std::vector<std::string> channels; // "Ch 3 Receive: …"
    std::vector<std::string> settings; // "Scan Resume Time 1: …"
    std::vector<std::string> other;    // "byte 0x1F2: …"
    bool equal = false;                // every byte the same

    [[nodiscard]] bool same() const { return equal; }
};

// Compares the radio's memory with `sent`, the state a write would send (the file with the
// radio's own data taken in). The local offset is not sent and not compared.
[[nodiscard]] RadioComparison compareWithRadio(const RadioImage& radio, const ImageState& sent);

} // namespace mz58
