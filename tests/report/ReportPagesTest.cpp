#include "AccessoryKeySetting.h"
#include "AniSettings.h"
#include "CReportPrinter.h"
#include "CallCodeSettings.h"
#include "DeviceOptions.h"
#include "FunctionSettings.h"
#include "ProgrammingFile.h"
#include "ScanSettings.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <functional>

namespace mz58 {
namespace {

using Page = std::vector<std::string>;

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

// ------------------------------------------------------------------ expected pages

const Page kFreshSettings = {
    "        **************************************************",
    "        *****   Keldor  QM-610 Portable Transceiver  *****",
    "        **************************************************",
    "",
    "                                                   File Name: <none>",
    "",
    "",
    "Serial No:  000000",
    "",
    "",
    "Hardware Environments",
    "",
    "     Band:                 VHF ",
    "     Ref Xtal:             21.25MHz",
    "     First IF:             21.70MHz",
    "     Local Offset:         Lower",
    "     Channel Spacing:      5,6.25kHz  ",
    "",
    "     Encryption Device:    No ",
    "     DTMF Device:          No ",
    "     Sub CPU:              No      ",
    "",
    "",
    "Power Saving Parameters",
    "",
    "     Tx Timeout Timer:     1   mins",
    "     TOT Penalty Timer:    0   secs",
    "     PTT Release Timer:    2   secs",
    "",
    "",
    "Scan Parameters",
    "",
    "     Dual Watch Time:      1500 msecs",
    "     Scan Resume Time 1:   2    secs",
    "     Scan Resume Time 2:   5    secs",
    "     Talk Back:            Disabled",
    "     Revert Channel:       PRI CH      ",
    "     PRI Channel Beep:     Enabled ",
    "     PRI Channel - Bank A: CH-1",
    "     PRI Channel - Bank B: CH-1",
    "",
    "",
    "Key Definition",
    "",
    "     Accessory Key:        None       ",
    "",
    "",
};

// `base` with lines replaced: each new line takes the place of the line with the same caption
// (the text up to its first ':'); a line whose caption `base` lacks is added at the end.
Page edited(Page page, const Page& changes) {
    for (const auto& change : changes) {
        const std::string caption = change.substr(0, change.find(':') + 1);
        const auto at = std::find_if(page.begin(), page.end(), [&](const std::string& line) {
            return line.starts_with(caption);
        });
        if (at == page.end())
            page.push_back(change);
        else
            *at = change;
    }
    return page;
}

const Page kChangedSettings = [] {
    Page page =
        edited(kFreshSettings,
               {
                   "                                                   File Name: site-7.q7m",
                   "Serial No:  12AB#*",
                   "     Band:                 UHF",
                   "     Ref Xtal:             14.50MHz",
                   "     First IF:             43.95MHz",
                   "     Local Offset:         Upper",
                   "     Channel Spacing:      10,12.5kHz ",
                   "     Encryption Device:    Yes",
                   "     DTMF Device:          Yes",
                   "     Sub CPU:              SUBSIG  ",
                   "     Tx Timeout Timer:     0.5 mins",
                   "     TOT Penalty Timer:    60  secs",
                   "     PTT Release Timer:    5   secs",
                   "     Dual Watch Time:      3000 msecs",
                   "     Scan Resume Time 1:   0.25 secs",
                   "     Scan Resume Time 2:   60   secs",
                   "     Talk Back:            Enabled ",
                   "     Revert Channel:       Last Busy CH",
                   "     PRI Channel Beep:     Disabled",
                   "     PRI Channel - Bank A: None",
                   "     PRI Channel - Bank B: CH-8",
                   "     Accessory Key:        Bank B     ",
               });
    page.insert(std::find(page.begin(), page.end(), "     PTT Release Timer:    5   secs") + 1,
                {"     Auto power off after  1 Hr   ", "     Receive Save Mode:    1:5"});
    return page;
}();

// The top of the channel page, down to the bank A heading.
Page channelPageTop(const std::string& callCaption) {
    return {
        "     ",
        "                **********   CHANNEL DATA   **********",
        "                                                                          E     ",
        "                                                                          n     ",
        "       W                                       Power Pwr    Q T         A c     ",
        "  Chan /     FREQUENCY       SUB AUDIO         Save  H    S G O Lock  S N r     ",
        "  Type N Receive   Transmit  Type   Dec   Enc  RX TX L LO C S T Out   Q I y " +
            callCaption,
        "--------------------------------------------------------------------------------",
        "*** Bank A ***",
    };
}

Page concat(Page page, const Page& more) {
    page.insert(page.end(), more.begin(), more.end());
    return page;
}

const Page kChangedChannels =
    concat(channelPageTop("SIG "),
           {
               "  CH-1 N 446.00625 446.00625 CTCSS  67.0 Off    X  - L  1 X - -  BT   9 X X  0",
               "",
               "  CH-3 W 446.12500 ---.----- DCS     023   754  -  X H  3 X X X  BC  15 - -  -",
               "",
               "*** Bank B ***",
               "  CH-8 W 450.00000 455.00000 ----- ----- -----  -  - H  2 - - X  --   0 - -  5",
               "",
               "",
           });

// The signalling page of a fresh image down to its call codes.
const Page kFreshSignallingTop = {
    "     ANI Parameters",
    "",
    "        ANI Transmit:     PTT Pressed ",
    "        ANI Delay:        100 msec",
    "        ANI Speed:        50 msec",
    "        ANI Code:         "
    "               ",
    "",
    "     DTMF Parameters",
    "",
    "        DTMF Speed:       50 msec",
    "        Answer Back:      Off",
    "        Call times:       3 times",
    "",
};

const Page kFreshSignalling = concat(kFreshSignallingTop, {
                                                              "     PAGE Codes",
                                                              "",
                                                              "        Page Code  1:",
                                                              "        Page Code  2:",
                                                              "        Page Code  3:",
                                                              "        Page Code  4:",
                                                              "        Page Code  5:",
                                                              "        Page Code  6:",
                                                              "        Page Code  7:",
                                                              "        Page Code  8:",
                                                              "        Page Code  9:",
                                                              "        Page Code  0:",
                                                              "",
                                                          });

const Page kChangedSignalling =
    edited(kFreshSignalling, {
                                 "        ANI Transmit:     PTT Released",
                                 "        ANI Delay:        500 msec",
                                 "        ANI Speed:        25 msec",
                                 "        ANI Code:         0123456789ABCD#",
                                 "        DTMF Speed:       100 msec",
                                 "        Answer Back:      On ",
                                 "        Call times:       Off    ",
                                 "        Page Code  1:     123 Dec",
                                 "        Page Code  2:     700    ",
                                 "        Page Code  0:     A*# Dec",
                             });

const Page kTwoToneStandardSignalling =
    concat(kFreshSignallingTop, {
                                    "     2 TONE Codes",
                                    "",
                                    "         1:  MOTOROLA  1    330.5    539.0 ",
                                    "         2:  -----------   ------   ------ ",
                                    "         3:  REACH GRP E    750.0    725.0 ",
                                    "         4:  MOTOROLA  3      #30      #31 ",
                                    "         5:  -----------   ------   ------ ",
                                    "         6:  -----------   ------   ------ ",
                                    "         7:  -----------   ------   ------ ",
                                    "         8:  -----------   ------   ------ ",
                                    "         9:  -----------   ------   ------ ",
                                    "         0:  PLECTRON       282.2   3062.0 ",
                                    "",
                                });

const Page kTwoToneUserDefinedSignalling =
    edited(kTwoToneStandardSignalling, {
                                           "         1:  User Defined       0       10 ",
                                           "         3:  User Defined       0        9 ",
                                           "         4:  -----------   ------   ------ ",
                                           "         0:  User Defined     240      254 ",
                                       });

const Page kTwoToneSettings = edited(kFreshSettings, {"     Sub CPU:              2Tone   "});

// ------------------------------------------------------------------ whole reports

struct ReportCase {
    const char* name;
    std::function<ImageState()> state;
    std::string fileName;
    std::vector<Page> pages;
};

const Page kBankBOnlyHidden = concat(channelPageTop("Page"), {""});
const Page kBankBOnlyShown =
    concat(channelPageTop("Page"),
           {
               "*** Bank B ***",
               "  CH-1 W 150.00000 150.00000 ----- ----- -----  -  - H  2 - - X  --   0 - -  -",
               "",
               "",
           });

const Page kFreshSettingsBankBKey =
    edited(kFreshSettings, {"     Accessory Key:        Bank B     "});

const ReportCase kReportCases[] = {
    {"NoChannelGivesTwoPages",
     [] { return emptyState(); },
     "<none>",
     {kFreshSettings, kFreshSignalling}},
    {"EverySettingChanged",
     everySettingChanged,
     "/home/user/radios/site-7.q7m",
     {kChangedSettings, kChangedChannels, kChangedSignalling}},
    {"BankBChannelWithoutBankBKey",
     [] { return bankBOnly(AccessoryKeySetting::kNone); },
     "<none>",
     {kFreshSettings, kBankBOnlyHidden, kFreshSignalling}},
    {"BankBChannelWithBankBKey",
     [] { return bankBOnly(AccessoryKeySetting::kBankB); },
     "<none>",
     {kFreshSettingsBankBKey, kBankBOnlyShown, kFreshSignalling}},
    {"TwoToneStandardCodes",
     twoToneStandard,
     "<none>",
     {kTwoToneSettings, kTwoToneStandardSignalling}},
    {"TwoToneCodesAsToneNumbers",
     twoToneUserDefined,
     "<none>",
     {kTwoToneSettings, kTwoToneUserDefinedSignalling}},
};

void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.name;
}

class ReportPages : public ::testing::TestWithParam<ReportCase> {};

void expectPage(const Page& actual, const Page& expected, int page) {
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        EXPECT_EQ(i < actual.size() ? actual[i] : "<missing>",
                  i < expected.size() ? expected[i] : "<missing>")
            << "page " << page << ", line " << i + 1;
    }
}

TEST_P(ReportPages, MatchWhatIsWrittenByHand) {
    const ReportCase& c = GetParam();
    CReportPrinter report;
    report.Prepare(c.state(), c.fileName);
    ASSERT_EQ(report.pageCount(), static_cast<int>(c.pages.size()));
    for (int page = 1; page <= report.pageCount(); ++page)
        expectPage(report.pageLines(page), c.pages[static_cast<std::size_t>(page - 1)], page);
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

TEST(ReportPages, FileNameLineShowsNameAndExtension) {
    const struct {
        std::string documentName;
        std::string shown;
    } cases[] = {
        {"site.q7m", "site.q7m"},
        {"/tmp/no-extension", "no-extension"},
    };
    for (const auto& c : cases) {
        CReportPrinter report;
        report.Prepare(emptyState(), c.documentName);
        EXPECT_EQ(report.pageLines(1)[4],
                  "                                                   File Name: " + c.shown)
            << c.documentName;
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
