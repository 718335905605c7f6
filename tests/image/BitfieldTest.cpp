// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bitfield.h"

#include <gtest/gtest.h>

#include <array>

namespace mz58 {
namespace {

TEST(Bitfield, WriteKeepsEveryOtherBitAndMasksTheValue) {
    struct Case {
        BitField field;
        std::uint8_t before;
        unsigned value;
        std::uint8_t after;
    };
    const Case cases[] = {
        {bitsOf(0, 7, 5), 0xFF, 0, 0x1F},    {bitsOf(0, 7, 5), 0x00, 7, 0xE0},
        {bitsOf(0, 4, 0), 0xE0, 0x3F, 0xFF}, // value wider than the field keeps bits 7..5
        {bitOf(0, 0), 0xAA, 1, 0xAB},        {bitsOf(0, 3, 2), 0xFF, 1, 0xF7},
        {wholeByte(0), 0x12, 0x1AB, 0xAB},
    };
    for (const auto& c : cases) {
        std::array<std::uint8_t, 1> bytes{c.before};
        writeField(bytes, c.field, c.value);
        EXPECT_EQ(bytes[0], c.after) << "field at bit " << int(c.field.shift);
        EXPECT_EQ(readField(bytes, c.field), c.value & ((1u << c.field.width) - 1));
    }
}

} // namespace
} // namespace mz58
