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
    } cases[] = {{0x00, 5, 0x28}, {0xFF, 0, 0x87}, {0xFF, 5, 0xAB}, {0x83, 15, 0xFB}};
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
    test::expectGolden("image/code-bytes.txt", out.str());
}

// ---------------------------------------------------------------- DTMF and 2-tone parameters

TEST(CallCodeViews, Byte267Layout) {
    RadioImage image = filledImage(0xFF);
    DtmfSettings{1, 1, 3}.encode(image, OptionUnit::k2Tone);
    EXPECT_EQ(image[267], 0x7F) << "DTMF answer back is written 0 with the 2Tone unit";

    image[267] = 0x4E; // auto reset 1, group call 3, call count 2
    TwoToneParams withUnit;
    withUnit.decode(image, OptionUnit::k2Tone);
    EXPECT_EQ(withUnit, (TwoToneParams{1, 3, 2}));

    TwoToneParams withoutUnit;
    withoutUnit.decode(image, OptionUnit::kNone);
    EXPECT_EQ(withoutUnit, (TwoToneParams{std::nullopt, std::nullopt, 2}));

    // Without the unit only the call count is written, whatever the fields hold.
    TwoToneParams{0, 0, 1}.encode(image, OptionUnit::kNone);
    EXPECT_EQ(image[267], 0x4D);
    TwoToneParams{0, 1, 1}.encode(image, OptionUnit::k2Tone);
    EXPECT_EQ(image[267], 0x05);
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

TEST(CallCodes, IsEmpty) {
    const struct {
        std::uint8_t first, second;
        int unit;
        bool empty;
    } cases[] = {
        {0xFF, 0x00, OptionUnit::k2Tone, true},  {0x00, 0x00, OptionUnit::k2Tone, false},
        {0x00, 0xFF, OptionUnit::k2Tone, false}, {0xFF, 0x00, OptionUnit::kNone, true},
        {0x00, 0xFF, OptionUnit::kNone, true},   {0x00, 0x12, OptionUnit::kNone, false},
        {0xFF, 0xFF, OptionUnit::kSubsig, true}, {0x20, 0x00, OptionUnit::kTrunk, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.first) << "," << int(c.second) << " " << c.unit);
        EXPECT_EQ(isCallCodeEmpty(c.first, c.second, c.unit), c.empty);
        CallCodeSettings settings;
        settings.codes[4] = c.first;
        settings.codes[5] = c.second;
        EXPECT_EQ(settings.isCodeEmpty(2, c.unit), c.empty);
    }
    EXPECT_TRUE(CallCodeSettings{}.isCodeEmpty(10, OptionUnit::kNone));
    EXPECT_TRUE(CallCodeSettings{}.isCodeEmpty(-1, OptionUnit::kNone));
}

TEST(TwoToneTable, DecodeAndUserDefinedFlag) {
    const TwoToneCode off{};
    const struct {
        const char* name;
        Bytes codes; // first codes; the rest are FF FF
        bool flagBefore;
        std::vector<TwoToneCode> entries;
        bool flagAfter;
    } cases[] = {
        {"all off", {}, false, {off, off}, false},
        {"standard groups", {0x00, 0x09, 0xE8, 0xE9}, false, {{1, 0, 9}, {18, 2, 3}, off}, false},
        {"switch to user defined converts earlier entries",
         {20, 21, 0x00, 0x0A, 5, 6},
         false,
         {{19, 20, 21}, {19, 0, 10}, {19, 5, 6}, off},
         true},
        {"flag already set", {0x00, 0x09}, true, {{19, 0, 9}, off}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage image = filledImage(0xFF);
        put(image, 268, c.codes);
        bool flag = c.flagBefore;
        TwoToneTable table;
        table.decode(image, flag);
        EXPECT_EQ(flag, c.flagAfter);
        for (std::size_t k = 0; k < c.entries.size(); ++k)
            EXPECT_EQ(table.entries[k], c.entries[k]) << k;

        bool updated = c.flagBefore;
        CallCodeSettings::updateTwoToneUserDefinedFlag(image, updated);
        EXPECT_EQ(updated, c.flagAfter);

        // Written back with the flag as read, the codes come out unchanged.
        RadioImage written = filledImage(0x00);
        table.encode(written, flag);
        EXPECT_EQ(slice(written, 268, 20), slice(image, 268, 20));
    }
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

// How the round trip below reads and writes a block, and what the stored format cannot hold.
template <typename Block> struct PlainCodec {
    static void read(Block& b, const RadioImage& image, int) { b.decode(image); }
    static void write(const Block& b, RadioImage& image, int) { b.encode(image); }
    static void lose(Block&, int) {}
};
template <typename Block> struct Codec : PlainCodec<Block> {};

template <> struct Codec<TwoToneParams> : PlainCodec<TwoToneParams> {
    static void read(TwoToneParams& b, const RadioImage& image, int unit) { b.decode(image, unit); }
    static void write(const TwoToneParams& b, RadioImage& image, int unit) {
        b.encode(image, unit);
    }
};

template <> struct Codec<DtmfSettings> : PlainCodec<DtmfSettings> {
    static void write(const DtmfSettings& b, RadioImage& image, int unit) { b.encode(image, unit); }
    static void lose(DtmfSettings& b, int unit) {
        if (unit == OptionUnit::k2Tone)
            b.answerBack = 0;
    }
};

// Each read starts from a clear flag: codes that need the flag set it while decoding, and the
// bytes written back are the same either way.
template <> struct Codec<TwoToneTable> : PlainCodec<TwoToneTable> {
    static void read(TwoToneTable& b, const RadioImage& image, int) {
        bool flag = false;
        b.decode(image, flag);
    }
    static void write(const TwoToneTable& b, RadioImage& image, int) { b.encode(image, false); }
};

// "000" and "0##" without "ENC & DEC" are stored as 00 00 and 00 FF, which read as empty codes.
template <> struct Codec<PageCodeTable> : PlainCodec<PageCodeTable> {
    static void lose(PageCodeTable& b, int) {
        for (auto& entry : b.entries) {
            if (!entry.encodeAndDecode && (entry.code == "000" || entry.code == "0##"))
                entry = PageCode{};
        }
    }
};

// Decodes `from`, encodes into `into`, decodes `into` again; true when both reads agree.
using Transplant = std::function<bool(const RadioImage& from, RadioImage& into)>;

template <typename Block> Transplant transplant(int unit = OptionUnit::kNone) {
    return [unit](const RadioImage& from, RadioImage& into) {
        Block block, again;
        Codec<Block>::read(block, from, unit);
        Codec<Block>::write(block, into, unit);
        Codec<Block>::read(again, into, unit);
        Codec<Block>::lose(block, unit);
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
