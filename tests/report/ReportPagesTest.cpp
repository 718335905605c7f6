// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessoryKeySetting.h"
#include "AniSettings.h"
#include "CReportPrinter.h"
#include "CallCodeSettings.h"
#include "DeviceOptions.h"
#include "FunctionSettings.h"
#include "Golden.h"
#include "ProgrammingFile.h"
#include "ReportOutput.h"
#include "ScanSettings.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <functional>

namespace mz58 {
namespace {

// ------------------------------------------------------------------ crafted images

// A fresh image with every channel out of use.
ImageState emptyState(int band = kVhf) {
    ImageState state = test::freshState(band);
    for (auto& channel : state.channels.entries)
        channel.inUse = 0;
    ImageCodec::encodeAll(state);
    return state;
}

ChannelEntry& channel(ImageState& state, int bank, int position) {
    return state.channels.entries[static_cast<std::size_t>(bank * kChannelsPerBank + position)];
}

void setOptionUnit(ImageState& state, int type) {
    state.optionUnit.type = type;
    state.optionUnit.encode(state.image);
    writeEmptyCallCodes(state.image, type);
}

void setCallCode(ImageState& state, int index, std::uint8_t first, std::uint8_t second) {
    state.image[268 + 2 * static_cast<std::size_t>(index)] = first;
    state.image[269 + 2 * static_cast<std::size_t>(index)] = second;
}

// UHF with every setting away from its default and three listed channels, one in bank B.
ImageState everySettingChanged() {
    ImageState state = emptyState(kUhf);
    state.hardware.injection = 1;
    state.hardware.encode(state.image);

    DeviceOptions{.encryptionAbsent = 0, .dtmfAbsent = 0}.encode(state.image);
    setOptionUnit(state, OptionUnit::kSubsig);
    state.serialNumber.digits = "12AB#*";
    state.serialNumber.encode(state.image);

    FunctionSettings{
        .autoPowerOff = 2, .receiveSave = 5, .transmitTimer = 0, .penaltyTime = 3, .releaseTime = 3}
        .encode(state.image);
    ScanSettings{.dualWatchTimer = 10,
                 .resumeTime1 = 0,
                 .resumeTime2 = 15,
                 .answerBack = 1,
                 .revertChannel = 1,
                 .priorityBeep = 1,
                 .bankAPriorityChannel = 8,
                 .bankBPriorityChannel = 7}
        .encode(state.image);
    AccessoryKeySetting{AccessoryKeySetting::kBankB}.encode(state.image);
    AniSettings{.method = 1, .delay = 3, .speed = 0, .code = "0123456789ABCD#"}.encode(state.image);
    DtmfSettings{.speed = 1, .answerBack = 1, .callCount = 0}.encode(state.image,
                                                                     OptionUnit::kSubsig);
    PageCodeTable pages;
    pages.entries[0] = {"123", true};
    pages.entries[1] = {"7", false};
    pages.entries[9] = {"A*#", true};
    pages.encode(state.image);

    channel(state, kBankA, 0) = {.rxFrequency = 44600625,
                                 .txFrequency = 44600625,
                                 .rxSave = 1,
                                 .toneType = kToneCtcss,
                                 .rxCtcss = 1,
                                 .txCtcss = 0,
                                 .lowPower = 1,
                                 .lowPowerLevel = 2,
                                 .totEnabled = 0,
                                 .busyLockout = 2,
                                 .squelchLevel = 9,
                                 .aniEnabled = 1,
                                 .encryption = 1,
                                 .callCode = 10,
                                 .narrow = 1,
                                 .scanMember = 1};
    // In use without any frequency: left out.
    ChannelEntry& a2 = channel(state, kBankA, 1);
    a2.inUse = 1;
    a2.rxFrequency = a2.txFrequency = 0;

    channel(state, kBankA, 2) = {.rxFrequency = 44612500,
                                 .txInhibit = 1,
                                 .txSave = 1,
                                 .toneType = kToneDcs,
                                 .rxDcs = 1,
                                 .txDcs = 104,
                                 .lowPowerLevel = 0,
                                 .busyLockout = 1,
                                 .squelchLevel = 15,
                                 .scanMember = 3,
                                 .groupScanMember = 1};

    // Not in use, although it has frequencies: left out.
    channel(state, kBankA, 3).rxFrequency = 44000000;

    ChannelEntry& b8 = channel(state, kBankB, 7);
    b8.inUse = 1;
    b8.txFrequency = 45500000;
    b8.callCode = 5;
    return state;
}

// A single channel programmed, in bank B.
ImageState bankBOnly(int accessoryKey) {
    ImageState state = emptyState();
    channel(state, kBankB, 0).inUse = 1;
    AccessoryKeySetting{accessoryKey}.encode(state.image);
    return state;
}

ImageState twoToneStandard() {
    ImageState state = emptyState();
    setOptionUnit(state, OptionUnit::k2Tone);
    setCallCode(state, 0, 0, 9);     // MOTOROLA  1, positions 0 and 9
    setCallCode(state, 2, 232, 233); // REACH GRP E, positions 2 and 3
    setCallCode(state, 3, 30, 31);   // MOTOROLA  3, reserved slots without a tone
    setCallCode(state, 9, 131, 186); // PLECTRON, first and last tone
    state.image[26] = (state.image[26] & ~0x03) | 0x01; // no encryption board, a DTMF board
    ImageCodec::decodeAll(state);
    return state;
}

ImageState twoToneUserDefined() {
    ImageState state = emptyState();
    setOptionUnit(state, OptionUnit::k2Tone);
    setCallCode(state, 0, 0, 10); // tones of two groups: the table is shown as tone numbers
    setCallCode(state, 2, 0, 9);
    setCallCode(state, 9, 240, 254);
    return state;
}

// The 2Tone unit and one channel for each width the parts of a channel line can have: every
// part must stay under its caption.
ImageState everyChannelWidth() {
    const ChannelEntry channels[] = {
        {.txFrequency = 14712500},
        {.toneType = kToneCtcss, .rxCtcss = 13, .txCtcss = 50},
        {.toneType = kToneCtcss, .rxCtcss = 1},
        {.toneType = kToneCtcss, .txCtcss = 1},
        {.toneType = kToneDcs, .rxDcs = 1, .txDcs = 104},
        {.toneType = kToneDcs, .txDcs = 7},
        {.toneType = kToneDcs, .rxDcs = 128, .txDcs = 105},
        {.toneType = kToneCtcss, .rxCtcss = 128, .txCtcss = 51},
        {.rxSave = 1, .txSave = 1, .lowPower = 1, .lowPowerLevel = 2, .busyLockout = 2},
        {.squelchLevel = 15, .aniEnabled = 1, .encryption = 1, .callCode = 9},
        {.narrow = 1, .scanMember = 1, .groupScanMember = 1},
        {.lowPowerLevel = 3, .busyLockout = 3, .callCode = 10, .scanMember = 2},
        {.txInhibit = 1, .totEnabled = 0},
    };
    ImageState state = emptyState();
    setOptionUnit(state, OptionUnit::k2Tone);
    AccessoryKeySetting{AccessoryKeySetting::kBankB}.encode(state.image);
    std::copy(std::begin(channels), std::end(channels), state.channels.entries.begin());
    return state;
}

// ------------------------------------------------------------------ whole reports

struct ReportCase {
    const char* name;
    std::function<ImageState()> state;
    std::string fileName;
};

const ReportCase kReportCases[] = {
    {"NoChannel", [] { return emptyState(); }, kNoFileName},
    {"EverySettingChanged", everySettingChanged, "/home/user/radios/site-7.q7m"},
    {"BankBChannelWithoutBankBKey", [] { return bankBOnly(AccessoryKeySetting::kNone); },
     "/tmp/no-extension"},
    {"BankBChannelWithBankBKey", [] { return bankBOnly(AccessoryKeySetting::kBankB); },
     kNoFileName},
    {"TwoToneStandardCodes", twoToneStandard, kNoFileName},
    {"TwoToneCodesAsToneNumbers", twoToneUserDefined, kNoFileName},
    {"EveryChannelWidth", everyChannelWidth, kNoFileName},
};

void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.name;
}

class ReportPages : public ::testing::TestWithParam<ReportCase> {};

// The pages as checked by eye, in tests/data/report/NAME.txt (see Golden.h to regenerate).
TEST_P(ReportPages, MatchTheGoldenFile) {
    const ReportCase& c = GetParam();
    CReportPrinter report;
    report.Prepare(c.state(), c.fileName);
    test::expectGolden("report/" + std::string(c.name) + ".txt", reportText(report));
    EXPECT_EQ(report.pages().size(), static_cast<std::size_t>(report.pageCount()));
    EXPECT_EQ(report.pageLines(report.pageCount()), report.pages().back());
    EXPECT_TRUE(report.pageLines(report.pageCount() + 1).empty());
    EXPECT_TRUE(report.pageLines(0).empty());
}

INSTANTIATE_TEST_SUITE_P(Report, ReportPages, ::testing::ValuesIn(kReportCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The page count comes from the channels of both banks that are in use with a frequency.
TEST(ReportPages, PageCount) {
    const struct {
        const char* name;
        ChannelEntry channel;
        int pages;
    } cases[] = {
        {"not in use, with frequencies", {.inUse = 0}, 2},
        {"in use, both frequencies 0", {.rxFrequency = 0, .txFrequency = 0}, 2},
        {"in use, receive only", {.txFrequency = 0}, 3},
        {"in use, transmit only", {.rxFrequency = 0}, 3},
    };
    for (const auto& c : cases) {
        for (int index : {0, kChannelCount - 1}) {
            SCOPED_TRACE(std::string(c.name) + ", channel " + std::to_string(index));
            ImageState state = emptyState();
            state.channels.entries[static_cast<std::size_t>(index)] = c.channel;
            CReportPrinter report;
            report.Prepare(state, kNoFileName);
            EXPECT_EQ(report.pageCount(), c.pages);
        }
    }
}

// Any byte pattern is valid input: every page builds, and the settings page keeps its length.
TEST(ReportPages, RandomImagesGiveCompletePages) {
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        ImageState state = test::freshState();
        state.image = test::randomImage(seed);
        ImageCodec::decodeAll(state);
        CReportPrinter report;
        report.Prepare(state, "random.q7m");
        const auto pages = report.pages();
        ASSERT_GE(pages.size(), 2u) << seed;
        FunctionSettings functions;
        functions.decode(state.image);
        EXPECT_EQ(pages[0].size(), functions.autoPowerOff ? 49u : 47u) << seed;
        EXPECT_EQ(pages.back().size(), 26u) << seed;
        for (const auto& page : pages) {
            for (const auto& line : page)
                EXPECT_EQ(line.find('\0'), std::string::npos) << seed;
        }
    }
}

} // namespace
} // namespace mz58
