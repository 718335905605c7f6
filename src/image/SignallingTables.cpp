// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignallingTables.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace mz58 {

namespace {

constexpr std::array<std::string_view, kCtcssCount> kCtcssTexts = {
    " 67.0", " 69.3", " 71.9", " 74.4", " 77.0", " 79.7", " 82.5", " 85.4", " 88.5", " 91.5",
    " 94.8", " 97.4", "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
    "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3", "159.8",
    "165.5", "171.3", "177.3", "183.5", "189.9", "196.6", "199.5", "206.5", "229.1", "254.1",
};

// A tone text in tenths of a hertz, or -1 when it is not a right-aligned "ddd.d".
constexpr int ctcssTenths(std::string_view text) {
    if (text.size() != 5 || text[3] != '.')
        return -1;
    int tenths = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 3 || (i == 0 && text[i] == ' '))
            continue;
        if (text[i] < '0' || text[i] > '9')
            return -1;
        tenths = tenths * 10 + (text[i] - '0');
    }
    return tenths;
}

// The radio numbers 39 ascending tones up to 250.3 Hz and then 11 more ascending ones; the two
// sums pin every tone and its place (a wrong or moved entry changes the weighted sum).
constexpr bool ctcssTableHolds() {
    int sum = 0;
    int weighted = 0;
    for (std::size_t i = 0; i < kCtcssTexts.size(); ++i) {
        const int tenths = ctcssTenths(kCtcssTexts[i]);
        if (tenths < 0 || (i != 0 && i != 39 && tenths <= ctcssTenths(kCtcssTexts[i - 1])))
            return false;
        sum += tenths;
        weighted += static_cast<int>(i + 1) * tenths;
    }
    return sum == 75284 && weighted == 2278284;
}

static_assert(ctcssTableHolds());

// DCS codes written with their octal digits read as a decimal number (023 -> 23).
constexpr std::array<std::uint16_t, kDcsCount> kDcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

// Codes that are the same code received with inverted polarity.
constexpr std::array<std::pair<std::uint16_t, std::uint16_t>, 52> kDcsInversePairs = {{
    {23, 47},   {25, 244},  {26, 464},  {31, 627},  {32, 51},   {36, 172},  {43, 445},  {53, 452},
    {54, 413},  {65, 271},  {71, 306},  {72, 245},  {73, 506},  {74, 174},  {114, 712}, {115, 152},
    {116, 754}, {122, 225}, {125, 365}, {131, 364}, {132, 546}, {134, 223}, {143, 412}, {145, 274},
    {155, 731}, {156, 265}, {162, 503}, {165, 251}, {205, 263}, {212, 356}, {226, 411}, {243, 351},
    {246, 523}, {252, 462}, {255, 446}, {261, 732}, {266, 454}, {311, 664}, {315, 423}, {325, 526},
    {331, 465}, {332, 455}, {343, 532}, {346, 612}, {371, 734}, {431, 723}, {432, 516}, {466, 662},
    {565, 703}, {606, 631}, {624, 632}, {654, 743},
}};

constexpr unsigned dcsIndexOf(std::uint16_t code) {
    for (unsigned i = 0; i < kDcsCodes.size(); ++i) {
        if (kDcsCodes[i] == code)
            return i + 1;
    }
    return 0;
}

constexpr std::array<std::uint8_t, kDcsCount + 1> makeDcsInverseTable() {
    std::array<std::uint8_t, kDcsCount + 1> table{};
    for (unsigned i = 0; i < table.size(); ++i)
        table[i] = static_cast<std::uint8_t>(i);
    for (const auto& [a, b] : kDcsInversePairs) {
        const unsigned ia = dcsIndexOf(a);
        const unsigned ib = dcsIndexOf(b);
        table[ia] = static_cast<std::uint8_t>(ib);
        table[ib] = static_cast<std::uint8_t>(ia);
    }
    return table;
}

constexpr auto kDcsInverse = makeDcsInverseTable();

constexpr bool pairsUseListedCodes() {
    for (const auto& [a, b] : kDcsInversePairs) {
        if (dcsIndexOf(a) == 0 || dcsIndexOf(b) == 0)
            return false;
    }
    return true;
}

constexpr bool isInvolution() {
    for (unsigned i = 0; i < kDcsInverse.size(); ++i) {
        if (kDcsInverse[kDcsInverse[i]] != i)
            return false;
    }
    return true;
}

static_assert(pairsUseListedCodes());
static_assert(isInvolution());

constexpr std::array<std::string_view, 10> kMotorola1 = {
    "330.5", "349.0", "368.5", "389.0", "410.8", "433.7", "457.9", "483.5", "510.5", "539.0"};
constexpr std::array<std::string_view, 10> kMotorola2 = {
    "569.1", "600.9", "634.5", "669.9", "707.3", "746.8", "788.5", "832.5", "879.0", "928.1"};
constexpr std::array<std::string_view, 10> kMotorola3 = {
    "288.5", "296.5", "304.7", "313.0", "953.7", "979.9", "1006.9", "1034.7", "1063.2", "1092.4"};
constexpr std::array<std::string_view, 10> kMotorola4 = {
    "321.7", "339.6", "358.6", "378.6", "399.8", "422.1", "445.7", "470.5", "496.8", "524.6"};
constexpr std::array<std::string_view, 10> kMotorola5 = {
    "553.9", "584.8", "617.4", "651.9", "688.3", "726.8", "767.4", "810.2", "855.5", "903.2"};
constexpr std::array<std::string_view, 10> kMotorola6 = {"1122.5", "1153.4", "1185.2", "1217.8",
                                                         "1251.4", "1285.8", "1321.2", "1357.6",
                                                         "1395.0", "1433.4"};
constexpr std::array<std::string_view, 10> kMotorola10 = {"1472.9", "1513.5", "1555.2", "1598.0",
                                                          "1642.0", "1687.2", "1733.7", "1781.5",
                                                          "1830.5", "1881.0"};
constexpr std::array<std::string_view, 10> kMotorola11 = {"1930.2", "1989.0", "2043.8", "2094.5",
                                                          "2155.6", "2212.2", "2271.7", "2334.6",
                                                          "2401.0", "2468.2"};
constexpr std::array<std::string_view, 10> kGeGroupA = {
    "682.5", "592.5", "757.5", "802.5", "847.5", "892.5", "937.5", "547.5", "727.5", "637.5"};
constexpr std::array<std::string_view, 10> kGeGroupB = {
    "652.5", "607.5", "787.5", "832.5", "877.5", "922.5", "967.5", "517.5", "562.5", "697.5"};
constexpr std::array<std::string_view, 11> kGeGroupC = {"667.5", "712.5", "772.5", "817.5",
                                                        "862.5", "907.5", "952.5", "532.5",
                                                        "577.5", "622.5", "742.5"};
constexpr std::array<std::string_view, 16> kAvcall2 = {
    "312.6", "346.7", "384.6", "426.6", "473.2",  "524.8",  "582.1",  "645.7",
    "716.1", "794.3", "881.0", "977.2", "1083.9", "1202.3", "1333.5", "1479.1"};
constexpr std::array<std::string_view, 56> kPlectron = {
    "282.2",  "294.7",  "307.8",  "321.4",  "335.6",  "350.5",  "366.0",  "382.3",
    "399.2",  "416.9",  "435.3",  "454.6",  "474.8",  "495.8",  "517.8",  "540.7",
    "564.7",  "589.7",  "615.8",  "643.0",  "672.0",  "701.0",  "732.0",  "765.0",
    "799.0",  "834.0",  "871.0",  "910.0",  "950.0",  "992.0",  "1036.0", "1082.0",
    "1130.0", "1180.0", "1232.0", "1287.0", "1344.0", "1403.0", "1465.0", "1530.0",
    "1598.0", "1669.0", "1743.0", "1820.0", "1901.0", "1985.0", "2073.0", "2164.0",
    "2260.0", "2361.0", "2465.0", "2575.0", "2688.0", "2807.0", "2932.0", "3062.0"};
constexpr std::array<std::string_view, 10> kReachA = {"2704.0", "2612.0", "2523.0", "2437.0",
                                                      "2354.0", "2274.0", "2196.0", "2121.0",
                                                      "2049.0", "1980.0"};
constexpr std::array<std::string_view, 10> kReachB = {"1912.0", "1847.0", "1784.0", "1723.0",
                                                      "1664.0", "1606.0", "1553.0", "1500.0",
                                                      "1449.0", "1400.0"};
constexpr std::array<std::string_view, 10> kReachC = {"1608.0", "1553.0", "1500.0", "1449.0",
                                                      "1400.0", "1352.0", "1306.0", "1261.0",
                                                      "1219.0", "1177.0"};
constexpr std::array<std::string_view, 10> kReachD = {
    "1137.0", "1093.0", "1061.0", "1025.0", "990.0", "956.0", "923.0", "892.0", "862.0", "832.0"};
constexpr std::array<std::string_view, 10> kReachE = {"804.0", "776.0", "750.0", "725.0", "700.0",
                                                      "676.0", "653.0", "631.0", "609.0", "588.0"};

constexpr std::array<TwoToneGroup, kTwoToneGroupCount> kTwoToneGroups = {{
    {"OFF        ", -1, 0, {}},           {"MOTOROLA  1", 0, 10, kMotorola1},
    {"MOTOROLA  2", 10, 10, kMotorola2},  {"MOTOROLA  3", 20, 12, kMotorola3},
    {"MOTOROLA  4", 32, 10, kMotorola4},  {"MOTOROLA  5", 42, 10, kMotorola5},
    {"MOTOROLA  6", 52, 12, kMotorola6},  {"MOTOROLA 10", 64, 10, kMotorola10},
    {"MOTOROLA 11", 74, 10, kMotorola11}, {"GE/99 GRP A", 84, 10, kGeGroupA},
    {"GE/99 GRP B", 94, 10, kGeGroupB},   {"GE/99 GRP C", 104, 11, kGeGroupC},
    {"AVCALL2    ", 115, 16, kAvcall2},   {"PLECTRON   ", 131, 59, kPlectron},
    {"REACH GRP A", 190, 10, kReachA},    {"REACH GRP B", 200, 10, kReachB},
    {"REACH GRP C", 210, 10, kReachC},    {"REACH GRP D", 220, 10, kReachD},
    {"REACH GRP E", 230, 10, kReachE},    {"User Defined", kTwoToneUserBase, 0, {}},
}};

// Digits of `value`, zero-padded to `digits`, after `prefix`; the whole right-aligned in `width`.
std::string numberText(std::string_view prefix, unsigned value, int digits, std::size_t width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*u", digits, value);
    std::string text = std::string(prefix) + buffer;
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

constexpr bool groupsTileToneNumbers() {
    for (int g = 1; g < kTwoToneUserDefined; ++g) {
        const auto& group = kTwoToneGroups[g];
        if (group.tones.size() > static_cast<std::size_t>(group.slotCount) ||
            group.base + group.slotCount != kTwoToneGroups[g + 1].base)
            return false;
    }
    return kTwoToneGroups[1].base == 0;
}

static_assert(groupsTileToneNumbers());

std::uint8_t limitTo(unsigned value, std::uint8_t limit) {
    return static_cast<std::uint8_t>(std::min<unsigned>(value, limit));
}

} // namespace

std::string ctcssText(unsigned index) {
    if (index == 0)
        return "Off";
    if (index <= kCtcssTexts.size())
        return std::string(kCtcssTexts[index - 1]);
    return numberText("#", index, 1, 5);
}

std::string dcsText(unsigned index) {
    if (index == 0)
        return "Off";
    if (index <= kDcsCodes.size())
        return numberText("", kDcsCodes[index - 1], 3, 3);
    return numberText("#", index, 3, 4);
}

unsigned dcsInverse(unsigned index) {
    return index < kDcsInverse.size() ? kDcsInverse[index] : index;
}

const TwoToneGroup& twoToneGroup(int group) {
    if (group < 0 || group >= kTwoToneGroupCount)
        return kTwoToneGroups[kTwoToneOff];
    return kTwoToneGroups[static_cast<std::size_t>(group)];
}

int twoToneGroupOf(unsigned toneNumber) {
    for (int g = kTwoToneUserDefined - 1; g >= 1; --g) {
        if (toneNumber >= static_cast<unsigned>(kTwoToneGroups[g].base))
            return toneNumber >= kTwoToneUserBase ? kTwoToneUserDefined : g;
    }
    return 1;
}

std::optional<std::string_view> twoToneText(int group, unsigned position) {
    if (group < 0 || group >= kTwoToneGroupCount)
        return std::nullopt;
    const auto& tones = kTwoToneGroups[static_cast<std::size_t>(group)].tones;
    if (position >= tones.size())
        return std::nullopt;
    return tones[position];
}

TwoToneCode decodeTwoToneCode(std::uint8_t t1, std::uint8_t t2, bool& userDefined) {
    if (t1 == kTwoToneOffByte)
        return {};
    if (!userDefined) {
        const int g1 = twoToneGroupOf(t1);
        if (g1 != kTwoToneUserDefined && twoToneGroupOf(t2) == g1) {
            const auto base = static_cast<unsigned>(kTwoToneGroups[g1].base);
            return {g1, t1 - base, t2 - base};
        }
        userDefined = true;
    }
    return {kTwoToneUserDefined, t1, t2};
}

std::array<std::uint8_t, 2> encodeTwoToneCode(const TwoToneCode& code, bool userDefined) {
    if (code.group <= kTwoToneOff || code.group > kTwoToneUserDefined)
        return {kTwoToneOffByte, kTwoToneOffByte};
    if (userDefined || code.group == kTwoToneUserDefined)
        // A first tone of FF would turn the code off, so an entered number stops below it.
        return {limitTo(code.tone1, kTwoToneOffByte - 1), limitTo(code.tone2, 0xFF)};
    const auto& group = kTwoToneGroups[static_cast<std::size_t>(code.group)];
    const auto lastSlot = static_cast<unsigned>(group.slotCount - 1);
    const auto base = static_cast<unsigned>(group.base);
    return {static_cast<std::uint8_t>(base + std::min(code.tone1, lastSlot)),
            static_cast<std::uint8_t>(base + std::min(code.tone2, lastSlot))};
}

} // namespace mz58
