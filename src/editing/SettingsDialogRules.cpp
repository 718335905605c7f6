// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsDialogRules.h"

#include "CallCodeSettings.h"
#include "ChannelTable.h"
#include "FrequencyRules.h"
#include "OptionUnit.h"
#include "SettingsListTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace mz58::dialogrules {
namespace {

std::string printed(const char* format, int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::vector<std::string> numbered(const char* format, int first, int last, int step) {
    std::vector<std::string> texts;
    for (int v = first; v <= last; v += step)
        texts.push_back(printed(format, v));
    return texts;
}

template <std::size_t N>
std::vector<std::string> suffixed(const std::array<std::string_view, N>& values,
                                  std::string_view suffix) {
    std::vector<std::string> texts;
    for (auto v : values)
        texts.push_back(std::string(v).append(suffix));
    return texts;
}

constexpr std::size_t kPowerOnDualWatchByte = 65;
constexpr std::size_t kBankAPriorityByte = 27;
constexpr std::size_t kBankBPriorityByte = 41;
// The highest squelch-attack value the 4-bit field holds, in 5 ms units.
constexpr int kSquelchAttackFieldMax = 15;

} // namespace

std::vector<std::string> squelchDelayTexts() {
    return numbered("%-2d msec", 5, 35, 10);
}
std::vector<std::string> squelchReleaseTexts() {
    return numbered("%-3d msec", 0, 300, 10);
}
std::vector<std::string> squelchAttackTexts() {
    return numbered("%-3d msec", 0, squelchEntry(kSquelchAttackFieldMax) * 10, 10);
}
std::vector<std::string> squelchHysteresisTexts() {
    return numbered("%-2d", 0, 15, 1);
}

std::vector<std::string_view> stepPairTexts() {
    return {kStepPairs[0].label, kStepPairs[2].label};
}

int stepPairEntry(const HardwareSettings& hardware) {
    return hardware.band == kVhf ? 0 : std::clamp(hardware.stepPair / 2, 0, 1);
}

int withReceivePolarity(int polarity, int entry) {
    return (polarity & 0x0F) | ((entry == 1 ? 1 : 0) << 4);
}
int withTransmitPolarity(int polarity, int entry) {
    return (polarity & 0xF0) | (entry == 1 ? 1 : 0);
}

double clampReference(double mhz, const HardwareSettings& hardware) {
    const double stepA = hardware.step(0) * 0.00001;
    const double dividerLimit = std::floor(8191 * stepA);
    return std::min({mhz, 99.99, dividerLimit});
}

std::string formatMegahertz(double mhz) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%5.2fMHz", mhz);
    return buffer;
}

std::vector<std::string> dualWatchTimerTexts() {
    return suffixed(std::array<std::string_view, 11>{"500", "750", "1000", "1250", "1500", "1750",
                                                     "2000", "2250", "2500", "2750", "3000"},
                    " msecs");
}
std::vector<std::string> resumeTime1Texts() {
    return suffixed(kScanResumeTime1Texts, " Secs");
}
std::vector<std::string> resumeTime2Texts() {
    return suffixed(kScanResumeTime2Texts, " Secs");
}

std::vector<std::string> priorityChannelTexts(bool powerOnDualWatchSet) {
    auto texts = numbered("CH-%d", 1, 8, 1);
    if (!powerOnDualWatchSet)
        texts.emplace_back("None");
    return texts;
}

std::vector<std::string> transmitTimerTexts() {
    auto texts = numbered("%-3d Mins", 1, 7, 1);
    texts.insert(texts.begin(), "0.5 Mins");
    return texts;
}
std::vector<std::string> penaltyTimeTexts() {
    return suffixed(kTotPenaltyTexts, " Secs");
}
std::vector<std::string> releaseTimeTexts() {
    return suffixed(kPttReleaseTexts, " Secs");
}

bool powerOnDualWatch(const RadioImage& image) {
    return (image[kPowerOnDualWatchByte] & 0x80) != 0;
}

int optionUnitEntry(int type) {
    if (type >= 3 && type <= OptionUnit::kTrunk)
        return 3;
    return type >= 0 && type < 3 ? type : 0;
}
int optionUnitTypeOfEntry(int entry) {
    return entry == 3 ? OptionUnit::kTrunk : entry;
}

std::vector<std::string_view> optionUnitTexts() {
    return {optionUnitText(OptionUnit::kNone), optionUnitText(OptionUnit::k2Tone),
            optionUnitText(OptionUnit::kSubsig), optionUnitText(OptionUnit::kTrunk)};
}

void writeOptions(ImageState& work, const DeviceOptions& options, int unitType, bool unitChosen) {
    DtmfSettings dtmf;
    dtmf.decode(work.image);
    if (unitChosen) {
        for (int code = 1; code <= kCallCodeCount; ++code)
            work.channels.clearCodeReferences(code, work.image);
    }
    if (options.encryptionAbsent == 1) {
        for (auto& e : work.channels.entries)
            e.encryption = 0;
    }
    ImageCodec::encodeAll(work);
    // DTMF board bit, then the option-unit bits, then the encryption board bit.
    DeviceOptions boards;
    boards.decode(work.image);
    boards.dtmfAbsent = options.dtmfAbsent;
    boards.encode(work.image);
    work.optionUnit.type = unitType;
    work.optionUnit.encode(work.image);
    boards.encryptionAbsent = options.encryptionAbsent;
    boards.encode(work.image);
    dtmf.encode(work.image, unitType);
    if (unitChosen)
        writeEmptyCallCodes(work.image, unitType);
}

std::vector<std::string_view> keyFunctionTexts(bool powerOnDualWatchSet) {
    std::vector<std::string_view> texts(kAccessoryKeyTexts.begin(), kAccessoryKeyTexts.end());
    if (powerOnDualWatchSet)
        texts.erase(texts.begin() + AccessoryKeySetting::kDualWatch);
    return texts;
}

int keyFunctionEntry(int code, bool powerOnDualWatchSet) {
    if (code < 0 || code > AccessoryKeySetting::kBankB)
        return -1;
    if (!powerOnDualWatchSet)
        return code;
    if (code == AccessoryKeySetting::kDualWatch)
        return 0;
    return code > AccessoryKeySetting::kDualWatch ? code - 1 : code;
}

int keyFunctionCode(int entry, bool powerOnDualWatchSet) {
    if (powerOnDualWatchSet && entry >= AccessoryKeySetting::kDualWatch)
        return entry + 1;
    return entry;
}

bool keyFunctionResetsChannels(int code, int currentBank) {
    return code != AccessoryKeySetting::kBankB && currentBank == kBankB;
}

void writeKeyFunction(ImageState& work, int code, int& currentBank) {
    if (keyFunctionResetsChannels(code, currentBank)) {
        for (int i = 0; i < kChannelCount; ++i) {
            auto& e = work.channels.entries[static_cast<std::size_t>(i)];
            e.channelType = i % kChannelsPerBank;
            e.scanMember = 0;
        }
        work.channels.bankCounts = {kChannelsPerBank, kChannelsPerBank};
        currentBank = kBankA;
        ImageCodec::encodeAll(work);
    }
    AccessoryKeySetting key;
    key.code = code;
    key.encode(work.image);
}

double clampLocalOffset(double mhz) {
    return std::clamp(mhz, -99.9, 99.9);
}

std::string formatLocalOffset(double mhz) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%-5.1f MHz", mhz);
    return buffer;
}

void writeOtherFunctions(RadioImage& image, const FunctionSettings& functions, int keyCode) {
    if (functions.powerOnDualWatch != 0) {
        if (keyCode == AccessoryKeySetting::kDualWatch)
            keyCode = AccessoryKeySetting::kNone;
        for (auto byte : {kBankAPriorityByte, kBankBPriorityByte}) {
            if (image[byte] >= ScanSettings::kNoPriorityChannel)
                image[byte] = 0;
        }
    }
    functions.encode(image);
    AccessoryKeySetting key;
    key.code = keyCode;
    key.encode(image);
}

std::vector<std::string_view> channelTypeTexts() {
    return {"CH-1", "CH-2", "CH-3", "CH-4", "CH-5", "CH-6", "CH-7", "CH-8", "SCAN", "QGS"};
}

std::string bankTitle(int bank) {
    return bank == kBankB ? " BANK  B  " : " BANK  A  ";
}

bool writeChannelTypes(ImageState& work, int bank, const std::array<int, 8>& types) {
    bool changed = false;
    for (std::size_t i = 0; i < types.size(); ++i) {
        auto& e = work.channels.entries[static_cast<std::size_t>(bank * kChannelsPerBank) + i];
        if (types[i] >= 0 && types[i] != e.channelType) {
            e.channelType = types[i];
            changed = true;
        }
    }
    ImageCodec::encodeAll(work);
    return changed;
}

double leadingNumber(std::string_view text) {
    return leadingDecimal(text);
}

} // namespace mz58::dialogrules
