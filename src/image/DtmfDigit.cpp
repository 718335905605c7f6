// SPDX-License-Identifier: GPL-3.0-or-later
#include "DtmfDigit.h"

#include <string_view>

namespace mz58 {

namespace {

constexpr std::string_view kDtmfChars = "0123456789ABCD*#";
static_assert(kDtmfChars.size() == kDtmfCodeCount);

} // namespace

char dtmfChar(unsigned code) {
    return kDtmfChars[code & 0x0Fu];
}

std::optional<unsigned> dtmfCode(char c) {
    if (c >= 'a' && c <= 'd')
        c = static_cast<char>(c - 'a' + 'A');
    const auto pos = kDtmfChars.find(c);
    if (pos == std::string_view::npos)
        return std::nullopt;
    return static_cast<unsigned>(pos);
}

} // namespace mz58
