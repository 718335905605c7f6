// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Messages.h"

#include <span>
#include <string>
#include <vector>

namespace mz58::test {

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
