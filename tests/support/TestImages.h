#pragma once

#include "ImageCodec.h"

#include <cstdint>
#include <random>
#include <vector>

namespace mz58::test {

// A fresh image state for the band, as `mz58 new` makes it.
inline ImageState freshState(int band = kVhf) {
    ImageState state;
    ImageCodec::makeNewImage(state, band);
    return state;
}

inline RadioImage randomImage(std::uint32_t seed) {
    std::mt19937 gen(seed);
    RadioImage image{};
    for (auto& b : image)
        b = static_cast<std::uint8_t>(gen());
    return image;
}

inline RadioImage filledImage(std::uint8_t value) {
    RadioImage image;
    image.fill(value);
    return image;
}

} // namespace mz58::test
