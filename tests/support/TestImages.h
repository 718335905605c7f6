#pragma once

#include "ImageCodec.h"
#include "Messages.h"

#include <cstdint>
#include <random>
#include <string>
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

// Records every message a core function asks for and answers with a preset answer.
class RecordingPrompter final : public Prompter {
public:
    struct Call {
        StringId id;
        std::vector<std::string> args;
        Buttons buttons;
    };
    std::vector<Call> calls;
    Answer answer = Answer::Ok;

    Answer ask(StringId id, std::span<const std::string> args, Buttons buttons, Icon) override {
        calls.push_back({id, {args.begin(), args.end()}, buttons});
        return answer;
    }
};

} // namespace mz58::test
