// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageCodec.h"
#include "Messages.h"

#include <optional>
#include <vector>

namespace mz58 {

// The values of an opened file or of an image read from the radio that the radio cannot use,
// one message each, naming the channel (1..16) and the field: a frequency outside the band, a
// band default shown for a record without a word that the channel's step cannot hold, a tone,
// power level, busy lockout or channel type past its list, a local offset wider than the band.
// Only channels in use are looked at; nothing is changed. Empty when everything is usable.
[[nodiscard]] std::vector<UserMessage> usabilityWarnings(const ImageState& state);

// All of them as one warning (a heading with one line each); none when there is nothing to say.
[[nodiscard]] std::optional<UserMessage> usabilityWarning(const ImageState& state);

// Shows that one warning when there is one.
void tellUsabilityWarnings(Prompter& prompter, const ImageState& state);

} // namespace mz58
