// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessoryKeySetting.h"
#include "AniSettings.h"
#include "CallCodeSettings.h"
#include "DeviceOptions.h"
#include "FunctionSettings.h"
#include "Golden.h"
#include "OptionUnit.h"
#include "ScanSettings.h"
#include "SerialNumber.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <type_traits>
#include <vector>

using namespace mz58;
using test::filledImage;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes slice(const RadioImage& image, std::size_t first, std::size_t count) {
    return Bytes(image.begin() + static_cast<std::ptrdiff_t>(first),
                 image.begin() + static_cast<std::ptrdiff_t>(first + count));
}

// "41 2A F0": the bytes as the worked examples write them.
std::string hex(const RadioImage& image, std::size_t first, std::size_t count) {
    std::string text;
    for (const auto b : slice(image, first, count)) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%s%02X", text.empty() ? "" : " ", b);
        text += digits;
    }
    return text;
}

void put(RadioImage& image, std::size_t first, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(first));
}

} // namespace

// ---------------------------------------------------------------- option unit

// Encoding `type` over `before` gives `after`, which decodes to `type` again.
TEST(OptionUnit, TypeBitsOfByte26) {
    const struct {
        std::uint8_t before;
        int type;
        std::uint8_t after;
    } cases[] = {
        {0x00, 5, 0x28}, {0x00, 0, 0x04}, {0xFF, 0, 0x87}, {0xFF, 5, 0xAB}, {0x83, 15, 0xFB}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.before) << " type " << c.type);
        RadioImage image{};
        image[26] = c.before;
        OptionUnit{c.type}.encode(image);
        EXPECT_EQ(image[26], c.after);
        EXPECT_EQ(OptionUnit::decodeType(image), c.type);
    }
}

// Bit 0 tells whether the encryption board is missing, bit 1 the DTMF board.
TEST(DeviceOptions, BoardBitsOfByte26) {
    RadioImage image{};
    image[26] = 0x01;
    DeviceOptions devices;
    devices.decode(image);
    EXPECT_EQ(devices, (DeviceOptions{.encryptionAbsent = 1, .dtmfAbsent = 0}));
    DeviceOptions{.encryptionAbsent = 0, .dtmfAbsent = 1}.encode(image);
    EXPECT_EQ(image[26], 0x02);
}

// ---------------------------------------------------------------- ANI, page codes, serial number

namespace {

std::string text(const PageCode& code) {
    return '"' + code.code + (code.encodeAndDecode ? "\" enc+dec" : "\" enc");
}

} // namespace

// Each code is encoded into a filled image and read back; image/code-bytes.txt lists the input,
// the bytes written and what reads back.
TEST(CodeBlocks, BytesAndReadBack) {
    std::ostringstream out;
    out << "ANI code -> bytes 66-73 (image filled with 77) -> read back\n";
    for (const std::string code :
         {"12A#", "", "1", "123456789ABCD*#", "1234567890123456789", "abEx"}) {
        RadioImage image = filledImage(0x77);
        AniSettings{0, 1, 2, code}.encode(image);
        AniSettings back{0, 1, 2, "junk"};
        back.decode(image);
        out << '"' << code << "\" -> " << hex(image, 66, 8) << " -> \"" << back.code << "\"\n";
    }
    out << "\npage code 4 -> bytes 274-275 (image filled with FF) -> read back\n";
    for (const PageCode& entry : std::initializer_list<PageCode>{{"700", true},
                                                                 {"7", true},
                                                                 {"", true},
                                                                 {"*#D", false},
                                                                 {"1234", false},
                                                                 {"a1b", true},
                                                                 {"000", false}}) {
        RadioImage image = filledImage(0xFF);
        PageCodeTable table;
        table.entries[3] = entry;
        table.encode(image);
        out << text(entry) << " -> " << hex(image, 268 + 6, 2);
        table.decode(image);
        out << " -> " << text(table.entries[3]) << "\n";
    }
    out << "\nstored bytes 286-287 -> page code 10\n";
    for (const Bytes& bytes : std::initializer_list<Bytes>{{0xFF, 0xFF},
                                                           {0x00, 0xFF},
                                                           {0xFF, 0x00},
                                                           {0x00, 0x12},
                                                           {0x20, 0x00},
                                                           {0xDF, 0x00},
                                                           {0x12, 0xFF}}) {
        RadioImage image{};
        put(image, 268 + 18, bytes);
        PageCodeTable table;
        table.decode(image);
        out << hex(image, 268 + 18, 2) << " -> " << text(table.entries[9]) << "\n";
    }
    out << "\nserial number -> bytes 349-351 (image filled with 99) -> read back\n";
    for (const std::string digits : {"12", "", "123A#*", "abcd*#", "1234567", "1x3"}) {
        RadioImage image = filledImage(0x99);
        SerialNumber{digits}.encode(image);
        SerialNumber back{"junk"};
        back.decode(image);
        out << '"' << digits << "\" -> " << hex(image, 349, 3) << " -> \"" << back.digits << "\"\n";
    }
    out << "\ncall code 3 bytes 272-273, option unit -> empty or set\n";
    // clang-format off
    for (const auto& [bytes, unit] : std::initializer_list<std::pair<Bytes, int>>{
             {{0xFF, 0x00}, OptionUnit::k2Tone}, {{0x00, 0x00}, OptionUnit::k2Tone},
             {{0x00, 0xFF}, OptionUnit::k2Tone}, {{0xFF, 0x00}, OptionUnit::kNone},
             {{0x00, 0xFF}, OptionUnit::kNone},  {{0x00, 0x12}, OptionUnit::kNone},
             {{0xFF, 0xFF}, OptionUnit::kSubsig}, {{0x20, 0x00}, OptionUnit::kTrunk}}) {
        // clang-format on
        CallCodeSettings settings;
        std::copy(bytes.begin(), bytes.end(), settings.codes.begin() + 4);
        const bool empty = isCallCodeEmpty(bytes[0], bytes[1], unit);
        out << std::hex << std::uppercase << int(bytes[0]) << ' ' << int(bytes[1]) << std::dec
            << ", " << unit << " -> " << (empty ? "empty" : "set")
            << (settings.isCodeEmpty(2, unit) != empty ? " (the table disagrees)" : "") << '\n';
    }
    out << "\n2-tone bytes 268-273 (rest FF), user defined before -> codes 1-4, flag after\n";
    for (const auto& [codes, before] : std::initializer_list<std::pair<Bytes, bool>>{
             {{}, false},
             {{0x00, 0x09, 0xE8, 0xE9}, false},
             {{20, 21, 0x00, 0x0A, 5, 6}, false}, // a user-defined pair converts earlier ones
             {{0x00, 0x09}, true}}) {
        RadioImage image = filledImage(0xFF);
        put(image, 268, codes);
        bool flag = before, updated = before;
        TwoToneTable table;
        table.decode(image, flag);
        CallCodeSettings::updateTwoToneUserDefinedFlag(image, updated);
        RadioImage written = filledImage(0x00); // written back with the flag as read
        table.encode(written, flag);
        out << hex(image, 268, 6) << ' ' << before << " ->";
        for (std::size_t k = 0; k < 4; ++k) {
            const TwoToneCode& code = table.entries[k];
            out << ' ' << code.group << '/' << code.tone1 << '/' << code.tone2;
        }
        out << ' ' << flag << (updated != flag ? " (the update disagrees)" : "")
            << (slice(written, 268, 20) != slice(image, 268, 20) ? " (written back changed)" : "")
            << '\n';
    }
    test::expectGolden("image/code-bytes.txt", out.str());
}

// ---------------------------------------------------------------- call code table

TEST(CallCodes, EmptyCodes) {
    for (int unit : {OptionUnit::kNone, OptionUnit::kSubsig, OptionUnit::kTrunk})
        EXPECT_EQ(emptyCallCodes(unit), CallCodeBytes{}) << unit;
    RadioImage image = filledImage(0x5A);
    writeEmptyCallCodes(image, OptionUnit::k2Tone);
    EXPECT_EQ(hex(image, 267, 22),
              "5A FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 5A");
}

TEST(CallCodes, OutOfRangeCodesAreEmpty) {
    EXPECT_TRUE(CallCodeSettings{}.isCodeEmpty(10, OptionUnit::kNone));
    EXPECT_TRUE(CallCodeSettings{}.isCodeEmpty(-1, OptionUnit::kNone));
}

// ---------------------------------------------------------------- every block

namespace {

// The bits a block may change: mask per byte offset.
using OwnedBits = std::map<std::size_t, std::uint8_t>;

OwnedBits ownedRange(std::size_t first, std::size_t last, OwnedBits owned = {}) {
    for (std::size_t i = first; i <= last; ++i)
        owned[i] = 0xFF;
    return owned;
}

// How the round trip below reads and writes a block: with the option unit where its layout
// depends on one. A 2-tone table is read from a clear flag (codes that need the flag set it
// while decoding, and the bytes written back are the same either way).
template <typename Block> void read(Block& b, const RadioImage& image, int unit) {
    if constexpr (std::is_same_v<Block, TwoToneTable>) {
        bool flag = false;
        b.decode(image, flag);
    } else if constexpr (requires { b.decode(image, unit); }) {
        b.decode(image, unit);
    } else {
        b.decode(image);
    }
}

template <typename Block> void write(const Block& b, RadioImage& image, int unit) {
    if constexpr (std::is_same_v<Block, TwoToneTable>)
        b.encode(image, false);
    else if constexpr (requires { b.encode(image, unit); })
        b.encode(image, unit);
    else
        b.encode(image);
}

// What the stored format cannot hold: the DTMF answer back with the 2Tone unit; "000" and "0##"
// without "ENC & DEC", stored as 00 00 and 00 FF, which read as empty codes.
template <typename Block> void lose(Block& b, int unit) {
    if constexpr (std::is_same_v<Block, DtmfSettings>) {
        if (unit == OptionUnit::k2Tone)
            b.answerBack = 0;
    } else if constexpr (std::is_same_v<Block, PageCodeTable>) {
        for (auto& entry : b.entries) {
            if (!entry.encodeAndDecode && (entry.code == "000" || entry.code == "0##"))
                entry = PageCode{};
        }
    }
}

// Decodes `from`, encodes into `into`, decodes `into` again; true when both reads agree.
using Transplant = std::function<bool(const RadioImage& from, RadioImage& into)>;

template <typename Block> Transplant transplant(int unit = OptionUnit::kNone) {
    return [unit](const RadioImage& from, RadioImage& into) {
        Block block, again;
        read(block, from, unit);
        write(block, into, unit);
        read(again, into, unit);
        lose(block, unit);
        return again == block;
    };
}

struct BlockCase {
    const char* name;
    OwnedBits owned;
    Transplant transplant;
    // Decoding an image and encoding into the same image changes no byte.
    bool rewritesItsOwnBytesUnchanged;
};

} // namespace

TEST(SettingsBlocks, EncodeChangesOnlyOwnBitsAndReadsBack) {
    const BlockCase cases[] = {
        {"OptionUnit", {{26, 0x7C}}, transplant<OptionUnit>(), false},
        {"DeviceOptions", {{26, 0x03}}, transplant<DeviceOptions>(), true},
        {"ScanSettings",
         {{27, 0xFF}, {41, 0xFF}, {60, 0xFF}, {61, 0x5F}, {64, 0x02}},
         transplant<ScanSettings>(),
         true},
        {"FunctionSettings",
         {{61, 0x80}, {62, 0xFF}, {63, 0xFF}, {64, 0x01}, {65, 0x80}},
         transplant<FunctionSettings>(),
         true},
        {"AccessoryKeySetting", {{64, 0xF0}}, transplant<AccessoryKeySetting>(), true},
        {"AniSettings", ownedRange(66, 73, {{65, 0x1F}}), transplant<AniSettings>(), false},
        {"CallCodeSettings", ownedRange(268, 287, {{267, 0xDF}}), transplant<CallCodeSettings>(),
         true},
        {"DtmfSettings none", {{267, 0x93}}, transplant<DtmfSettings>(OptionUnit::kNone), true},
        {"DtmfSettings 2Tone", {{267, 0x93}}, transplant<DtmfSettings>(OptionUnit::k2Tone), false},
        {"DtmfSettings SUBSIG", {{267, 0x93}}, transplant<DtmfSettings>(OptionUnit::kSubsig), true},
        {"TwoToneParams none", {{267, 0x03}}, transplant<TwoToneParams>(OptionUnit::kNone), true},
        {"TwoToneParams 2Tone", {{267, 0x4F}}, transplant<TwoToneParams>(OptionUnit::k2Tone), true},
        {"PageCodeTable", ownedRange(268, 287), transplant<PageCodeTable>(), false},
        {"TwoToneTable", ownedRange(268, 287), transplant<TwoToneTable>(), false},
        {"SerialNumber", ownedRange(349, 351), transplant<SerialNumber>(), true},
    };
    for (const auto& block : cases) {
        SCOPED_TRACE(block.name);
        for (unsigned seed = 1; seed <= 64; ++seed) {
            const RadioImage from = test::randomImage(seed);
            const RadioImage original = test::randomImage(seed + 1000);
            RadioImage into = original;
            EXPECT_TRUE(block.transplant(from, into)) << "seed " << seed;
            for (std::size_t i = 0; i < into.size(); ++i) {
                const auto owned = block.owned.count(i) ? block.owned.at(i) : std::uint8_t{0};
                ASSERT_EQ((into[i] ^ original[i]) & ~owned, 0) << "seed " << seed << " byte " << i;
            }
            if (block.rewritesItsOwnBytesUnchanged) {
                RadioImage same = from;
                block.transplant(from, same);
                EXPECT_EQ(same, from) << "seed " << seed;
            }
        }
    }
}
