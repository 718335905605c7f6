// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <span>

namespace mz58 {

// One field of a fixed-layout byte block: `width` bits of byte `offset`, starting at bit
// `shift` (bit 0 is the least significant). Every field lies inside one byte.
struct BitField {
    std::size_t offset;
    std::uint8_t shift;
    std::uint8_t width;

    constexpr std::uint8_t mask() const {
        return static_cast<std::uint8_t>(((1u << width) - 1u) << shift);
    }
};

constexpr BitField bitsOf(std::size_t offset, unsigned highBit, unsigned lowBit) {
    return BitField{offset, static_cast<std::uint8_t>(lowBit),
                    static_cast<std::uint8_t>(highBit - lowBit + 1)};
}

constexpr BitField bitOf(std::size_t offset, unsigned bit) {
    return bitsOf(offset, bit, bit);
}

constexpr BitField wholeByte(std::size_t offset) {
    return bitsOf(offset, 7, 0);
}

constexpr unsigned readField(std::span<const std::uint8_t> bytes, BitField f) {
    assert(f.offset < bytes.size());
    return (bytes[f.offset] & f.mask()) >> f.shift;
}

// Writes the low bits of `value` into the field and keeps every other bit of its byte.
constexpr void writeField(std::span<std::uint8_t> bytes, BitField f, unsigned value) {
    assert(f.offset < bytes.size());
    const auto m = f.mask();
    bytes[f.offset] = static_cast<std::uint8_t>((bytes[f.offset] & ~m) | ((value << f.shift) & m));
}

// Reads and writes the integer members of `object` named by a table of (field, member) pairs:
// each field is described once, for both directions.
template <typename Object, typename Fields>
constexpr void readFields(std::span<const std::uint8_t> bytes, const Fields& fields,
                          Object& object) {
    for (const auto& [field, member] : fields)
        object.*member = static_cast<int>(readField(bytes, field));
}

template <typename Object, typename Fields>
constexpr void writeFields(std::span<std::uint8_t> bytes, const Fields& fields,
                           const Object& object) {
    for (const auto& [field, member] : fields)
        writeField(bytes, field, static_cast<unsigned>(object.*member));
}

constexpr bool readFlag(std::span<const std::uint8_t> bytes, BitField f) {
    return readField(bytes, f) != 0;
}

constexpr unsigned readBigEndian16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return (static_cast<unsigned>(bytes[offset]) << 8) | bytes[offset + 1];
}

constexpr void writeBigEndian16(std::span<std::uint8_t> bytes, std::size_t offset, unsigned value) {
    bytes[offset] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace mz58
