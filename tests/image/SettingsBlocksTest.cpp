#include "AccessoryKeySetting.h"
#include "AniSettings.h"
#include "CallCodeSettings.h"
#include "DeviceOptions.h"
#include "DtmfDigit.h"
#include "FunctionSettings.h"
#include "OptionUnit.h"
#include "ScanSettings.h"
#include "SerialNumber.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <vector>

using namespace mz58;

namespace {

using Bytes = std::vector<std::uint8_t>;

RadioImage filledImage(std::uint8_t value) {
    RadioImage image;
    image.fill(value);
    return image;
}

RadioImage randomImage(unsigned seed) {
    std::mt19937 engine(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    RadioImage image;
    for (auto& b : image)
        b = static_cast<std::uint8_t>(byte(engine));
    return image;
}

Bytes slice(const RadioImage& image, std::size_t first, std::size_t count) {
    return Bytes(image.begin() + static_cast<std::ptrdiff_t>(first),
                 image.begin() + static_cast<std::ptrdiff_t>(first + count));
}

void put(RadioImage& image, std::size_t first, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(first));
}

} // namespace

// ---------------------------------------------------------------- DTMF digit code

TEST(DtmfDigit, CharacterToCode) {
    const struct {
        char c;
        std::optional<unsigned> code;
    } cases[] = {
        {'0', 0u},           {'9', 9u},           {'A', 10u},          {'D', 13u},
        {'a', 10u},          {'d', 13u},          {'*', 14u},          {'#', 15u},
        {'E', std::nullopt}, {'e', std::nullopt}, {' ', std::nullopt}, {'\0', std::nullopt},
        {'+', std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.c);
        EXPECT_EQ(dtmfCode(c.c), c.code);
    }
}

TEST(DtmfDigit, CodeToCharacterUsesLowFourBits) {
    const struct {
        unsigned code;
        char c;
    } cases[] = {{0, '0'},  {9, '9'},  {10, 'A'}, {13, 'D'},
                 {14, '*'}, {15, '#'}, {19, '3'}, {0xFE, '*'}};
    for (const auto& c : cases)
        EXPECT_EQ(dtmfChar(c.code), c.c) << c.code;
}

// ---------------------------------------------------------------- option unit

TEST(OptionUnit, DecodeType) {
    const struct {
        std::uint8_t byte26;
        int type;
    } cases[] = {
        {0x04, 0}, {0x7C, 0}, {0xFF, 0}, {0x28, 5}, {0x08, 1}, {0x10, 2}, {0x83, 0}, {0x78, 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.byte26));
        RadioImage image{};
        image[26] = c.byte26;
        EXPECT_EQ(OptionUnit::decodeType(image), c.type);
        OptionUnit unit;
        unit.type = 9;
        unit.decode(image);
        EXPECT_EQ(unit.type, c.type);
    }
}

TEST(OptionUnit, EncodeKeepsDeviceBitsAndBit7) {
    const struct {
        std::uint8_t before;
        int type;
        std::uint8_t after;
    } cases[] = {
        {0x00, 5, 0x28}, {0xFF, 0, 0x87}, {0xFF, 5, 0xAB},
        {0x83, 1, 0x8B}, {0x7C, 2, 0x10}, {0x00, 0, 0x04},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.before) << " type " << c.type);
        RadioImage image{};
        image[26] = c.before;
        OptionUnit{c.type}.encode(image);
        EXPECT_EQ(image[26], c.after);
    }
}

// ---------------------------------------------------------------- ANI

TEST(AniSettings, EncodeCode) {
    const struct {
        const char* name;
        std::uint8_t fill;
        std::string code;
        Bytes bytes66to73;
    } cases[] = {
        {"1 2 A #", 0x00, "12A#", {0x41, 0x2A, 0xF0, 0, 0, 0, 0, 0}},
        {"bytes after the code are kept",
         0x77,
         "12A#",
         {0x41, 0x2A, 0xF0, 0x77, 0x77, 0x77, 0x77, 0x77}},
        {"empty writes only the length",
         0x77,
         "",
         {0x07, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77}},
        {"one digit touches byte 66 only",
         0x77,
         "1",
         {0x11, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77}},
        {"even length ends in a zero nibble",
         0x77,
         "12",
         {0x21, 0x20, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77}},
        {"15 digits fill every byte",
         0x77,
         "123456789ABCD*#",
         {0xF1, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}},
        {"longer code cut at 15",
         0x77,
         "1234567890123456789",
         {0xF1, 0x23, 0x45, 0x67, 0x89, 0x01, 0x23, 0x45}},
        {"lower case and unknown characters",
         0x77,
         "abx",
         {0x3A, 0xB0, 0x77, 0x77, 0x77, 0x77, 0x77, 0x77}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage image = filledImage(c.fill);
        AniSettings ani;
        ani.code = c.code;
        ani.encode(image);
        EXPECT_EQ(slice(image, 66, 8), c.bytes66to73);
    }
}

TEST(AniSettings, DecodeCode) {
    const struct {
        const char* name;
        Bytes bytes66to73;
        std::string code;
    } cases[] = {
        {"1 2 A #", {0x41, 0x2A, 0xF0, 0x99, 0, 0, 0, 0}, "12A#"},
        {"length 0 ignores digits", {0x0F, 0x12, 0x34, 0, 0, 0, 0, 0}, ""},
        {"15 digits", {0xF1, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}, "123456789ABCD*#"},
        {"odd length", {0x31, 0x23, 0x99, 0, 0, 0, 0, 0}, "123"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage image = filledImage(0x55);
        put(image, 66, c.bytes66to73);
        AniSettings ani;
        ani.code = "junk";
        ani.decode(image);
        EXPECT_EQ(ani.code, c.code);
    }
}

// ---------------------------------------------------------------- page codes

TEST(PageCodeTable, EncodeEntry) {
    const struct {
        const char* name;
        PageCode entry;
        Bytes bytes;
    } cases[] = {
        {"700 enc and dec", {"700", true}, {0x27, 0x00}},
        {"short code fills with 0", {"7", true}, {0x27, 0x00}},
        {"empty is 00 00 whatever the flag", {"", true}, {0x00, 0x00}},
        {"star hash D", {"*#D", false}, {0x0E, 0xFD}},
        {"fourth character ignored", {"1234", false}, {0x01, 0x23}},
        {"lower case", {"a1b", true}, {0x2A, 0x1B}},
        {"000 enc only looks empty", {"000", false}, {0x00, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage image = filledImage(0xFF);
        PageCodeTable table;
        table.entries[3] = c.entry;
        table.encode(image);
        EXPECT_EQ(slice(image, 268 + 6, 2), c.bytes);
        EXPECT_EQ(slice(image, 268, 2), (Bytes{0x00, 0x00}));
        EXPECT_EQ(image[267], 0xFF);
        EXPECT_EQ(image[288], 0xFF);
    }
}

TEST(PageCodeTable, DecodeEntry) {
    const struct {
        Bytes bytes;
        PageCode entry;
    } cases[] = {
        {{0xFF, 0xFF}, {"", false}},    {{0x00, 0x00}, {"", false}},
        {{0x00, 0xFF}, {"", false}},    {{0xFF, 0x00}, {"", false}},
        {{0x00, 0x12}, {"012", false}}, {{0x27, 0x00}, {"700", true}},
        {{0x20, 0x00}, {"000", true}},  {{0xDF, 0x00}, {"#00", false}},
        {{0x12, 0xFF}, {"2##", false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.bytes[0]) << " " << int(c.bytes[1]));
        RadioImage image{};
        put(image, 268 + 18, c.bytes);
        PageCodeTable table;
        table.decode(image);
        EXPECT_EQ(table.entries[9], c.entry);
    }
}

TEST(PageCodeTable, PadPageCode) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"5", "500"}, {"12", "120"}, {"123", "123"}, {"1234", "123"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(padPageCode(c.in), c.out) << c.in;
}

// ---------------------------------------------------------------- serial number

TEST(SerialNumber, Encode) {
    const struct {
        std::string digits;
        Bytes bytes;
    } cases[] = {
        {"12", {0x12, 0x00, 0x00}},     {"000000", {0x00, 0x00, 0x00}},
        {"abcd*#", {0xAB, 0xCD, 0xEF}}, {"1234567", {0x12, 0x34, 0x56}},
        {"1x3", {0x10, 0x30, 0x00}},    {"", {0x00, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        RadioImage image = filledImage(0x99);
        SerialNumber{c.digits}.encode(image);
        EXPECT_EQ(slice(image, 349, 3), c.bytes);
        EXPECT_EQ(image[348], 0x99);
        EXPECT_EQ(image[352], 0x99);
    }
}

TEST(SerialNumber, DecodeAndPad) {
    RadioImage image{};
    put(image, 349, {0x12, 0x3A, 0xFE});
    SerialNumber serial;
    serial.decode(image);
    EXPECT_EQ(serial.digits, "123A#*");
    EXPECT_EQ(padSerialNumber("12"), "120000");
    EXPECT_EQ(padSerialNumber("12345678"), "123456");
}

// ---------------------------------------------------------------- DTMF and 2-tone parameters

TEST(CallCodeViews, DtmfAnswerBackIsWrittenZeroWithTwoToneUnit) {
    const struct {
        int unit;
        std::uint8_t byte267;
    } cases[] = {
        {OptionUnit::kNone, 0xFF}, {OptionUnit::k2Tone, 0x7F}, {OptionUnit::kSubsig, 0xFF}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        RadioImage image = filledImage(0xFF);
        DtmfSettings{1, 1, 3}.encode(image, c.unit);
        EXPECT_EQ(image[267], c.byte267);
    }
}

TEST(CallCodeViews, TwoToneParamsDependOnUnit) {
    RadioImage image{};
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
    CallCodeBytes allOff;
    allOff.fill(0xFF);
    EXPECT_EQ(emptyCallCodes(OptionUnit::k2Tone), allOff);
    for (int unit : {OptionUnit::kNone, OptionUnit::kSubsig, OptionUnit::kTrunk})
        EXPECT_EQ(emptyCallCodes(unit), CallCodeBytes{}) << unit;

    RadioImage image = filledImage(0x5A);
    writeEmptyCallCodes(image, OptionUnit::k2Tone);
    EXPECT_EQ(image[267], 0x5A);
    EXPECT_EQ(image[268], 0xFF);
    EXPECT_EQ(image[287], 0xFF);
    EXPECT_EQ(image[288], 0x5A);
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

TEST(TwoToneTable, Decode) {
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

        // Written back with the flag as read, the codes come out unchanged.
        RadioImage written = filledImage(0x00);
        table.encode(written, flag);
        EXPECT_EQ(slice(written, 268, 20), slice(image, 268, 20));
    }
}

TEST(TwoToneTable, UserDefinedFlagIsOnlyEverSet) {
    const struct {
        const char* name;
        Bytes codes;
        bool flagBefore;
        bool flagAfter;
    } cases[] = {
        {"standard codes keep it clear", {0x00, 0x09, 0xE8, 0xE9}, false, false},
        {"mixed groups set it", {0x00, 0x09, 0x00, 0x0A}, false, true},
        {"standard codes never clear it", {0x00, 0x09}, true, true},
        {"off codes never clear it", {}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage image = filledImage(0xFF);
        put(image, 268, c.codes);
        bool flag = c.flagBefore;
        CallCodeSettings::updateTwoToneUserDefinedFlag(image, flag);
        EXPECT_EQ(flag, c.flagAfter);
    }
}

// ---------------------------------------------------------------- every block

namespace {

// The bits a block may change: mask per byte offset.
using OwnedBits = std::map<std::size_t, std::uint8_t>;

OwnedBits ownedRange(std::size_t first, std::size_t last) {
    OwnedBits owned;
    for (std::size_t i = first; i <= last; ++i)
        owned[i] = 0xFF;
    return owned;
}

OwnedBits merged(OwnedBits a, const OwnedBits& b) {
    for (const auto& [offset, mask] : b)
        a[offset] |= mask;
    return a;
}

// Decodes `from`, encodes into `into`, decodes `into` again; true when both reads agree.
using Transplant = std::function<bool(const RadioImage& from, RadioImage& into)>;

template <typename Block> Transplant plainTransplant() {
    return [](const RadioImage& from, RadioImage& into) {
        Block block;
        block.decode(from);
        block.encode(into);
        Block again;
        again.decode(into);
        return again == block;
    };
}

template <typename Block> Transplant unitTransplant(int unit) {
    return [unit](const RadioImage& from, RadioImage& into) {
        Block block;
        block.decode(from, unit);
        block.encode(into, unit);
        Block again;
        again.decode(into, unit);
        return again == block;
    };
}

Transplant dtmfTransplant(int unit) {
    return [unit](const RadioImage& from, RadioImage& into) {
        DtmfSettings block;
        block.decode(from);
        block.encode(into, unit);
        DtmfSettings again;
        again.decode(into);
        if (unit == OptionUnit::k2Tone)
            block.answerBack = 0;
        return again == block;
    };
}

// "000" and "0##" without "ENC & DEC" are stored as 00 00 and 00 FF, which read as empty codes;
// the stored format cannot tell them apart, so such an entry reads back empty.
Transplant pageCodeTransplant() {
    return [](const RadioImage& from, RadioImage& into) {
        PageCodeTable block;
        block.decode(from);
        block.encode(into);
        PageCodeTable again;
        again.decode(into);
        for (auto& entry : block.entries) {
            if (!entry.encodeAndDecode && (entry.code == "000" || entry.code == "0##"))
                entry = PageCode{};
        }
        return again == block;
    };
}

Transplant twoToneTableTransplant() {
    return [](const RadioImage& from, RadioImage& into) {
        bool flag = false;
        TwoToneTable block;
        block.decode(from, flag);
        block.encode(into, flag);
        TwoToneTable again;
        again.decode(into, flag);
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

std::vector<BlockCase> blockCases() {
    return {
        {"OptionUnit", {{26, 0x7C}}, plainTransplant<OptionUnit>(), false},
        {"DeviceOptions", {{26, 0x03}}, plainTransplant<DeviceOptions>(), true},
        {"ScanSettings",
         {{27, 0xFF}, {41, 0xFF}, {60, 0xFF}, {61, 0x5F}, {64, 0x02}},
         plainTransplant<ScanSettings>(),
         true},
        {"FunctionSettings",
         {{61, 0x80}, {62, 0xFF}, {63, 0xFF}, {64, 0x01}, {65, 0x80}},
         plainTransplant<FunctionSettings>(),
         true},
        {"AccessoryKeySetting", {{64, 0xF0}}, plainTransplant<AccessoryKeySetting>(), true},
        {"AniSettings", merged({{65, 0x1F}}, ownedRange(66, 73)), plainTransplant<AniSettings>(),
         false},
        {"CallCodeSettings", merged({{267, 0xDF}}, ownedRange(268, 287)),
         plainTransplant<CallCodeSettings>(), true},
        {"DtmfSettings none", {{267, 0x93}}, dtmfTransplant(OptionUnit::kNone), true},
        {"DtmfSettings 2Tone", {{267, 0x93}}, dtmfTransplant(OptionUnit::k2Tone), false},
        {"TwoToneParams none",
         {{267, 0x03}},
         unitTransplant<TwoToneParams>(OptionUnit::kNone),
         true},
        {"TwoToneParams 2Tone",
         {{267, 0x4F}},
         unitTransplant<TwoToneParams>(OptionUnit::k2Tone),
         true},
        {"PageCodeTable", ownedRange(268, 287), pageCodeTransplant(), false},
        {"TwoToneTable", ownedRange(268, 287), twoToneTableTransplant(), false},
        {"SerialNumber", ownedRange(349, 351), plainTransplant<SerialNumber>(), true},
    };
}

} // namespace

TEST(SettingsBlocks, EncodeChangesOnlyOwnBitsAndReadsBack) {
    for (const auto& block : blockCases()) {
        SCOPED_TRACE(block.name);
        for (unsigned seed = 1; seed <= 64; ++seed) {
            const RadioImage from = randomImage(seed);
            const RadioImage original = randomImage(seed + 1000);
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

namespace {

// Resets a block that holds other values and encodes it into the image.
template <typename Block> std::function<void(RadioImage&)> resetFrom(Block dirty) {
    return [dirty](RadioImage& image) mutable {
        dirty.reset();
        dirty.encode(image);
    };
}

CallCodeSettings dirtyCallCodes() {
    CallCodeSettings block{1, 1, 1, 3, 3, {}};
    block.codes.fill(0xFF);
    return block;
}

} // namespace

TEST(SettingsBlocks, ResetDefaultsInAZeroImage) {
    const struct {
        const char* name;
        std::function<void(RadioImage&)> resetAndEncode;
        std::map<std::size_t, std::uint8_t> nonZeroBytes;
    } cases[] = {
        {"OptionUnit", resetFrom(OptionUnit{5}), {{26, 0x04}}},
        {"DeviceOptions", resetFrom(DeviceOptions{0, 0}), {{26, 0x03}}},
        {"ScanSettings", resetFrom(ScanSettings{1, 1, 1, 1, 1, 1, 5, 5}), {{60, 0x33}, {61, 0x04}}},
        {"FunctionSettings",
         resetFrom(FunctionSettings{1, 1, 1, 1, 1, 1, 0, 3, 3, 3, 1, 1}),
         {{62, 0x31}}},
        {"AccessoryKeySetting", resetFrom(AccessoryKeySetting{8}), {}},
        {"AniSettings", resetFrom(AniSettings{1, 3, 3, "123"}), {{65, 0x06}}},
        {"CallCodeSettings", resetFrom(dirtyCallCodes()), {{267, 0x02}}},
        {"SerialNumber", resetFrom(SerialNumber{"123456"}), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage image{};
        c.resetAndEncode(image);
        for (std::size_t i = 0; i < image.size(); ++i) {
            const auto expected = c.nonZeroBytes.count(i) ? c.nonZeroBytes.at(i) : std::uint8_t{0};
            EXPECT_EQ(image[i], expected) << "byte " << i;
        }
    }
}
