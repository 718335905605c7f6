// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace mz58 {

// The 4-bit DTMF digit code shared by the ANI code, the page codes and the serial number:
// 0..9 = "0".."9", 10..13 = "A".."D", 14 = "*", 15 = "#".
inline constexpr unsigned kDtmfCodeCount = 16;

// Character of a digit code; only the low 4 bits of `code` count.
[[nodiscard]] char dtmfChar(unsigned code);

// Digit code of a character ("a".."d" count as "A".."D"); nullopt for a character with no code.
[[nodiscard]] std::optional<unsigned> dtmfCode(char c);

} // namespace mz58
