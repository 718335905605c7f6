// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AccessoryKeySetting.h"
#include "DeviceOptions.h"
#include "FunctionSettings.h"
#include "HardwareSettings.h"
#include "ImageCodec.h"
#include "ScanSettings.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// What the settings dialogs list, limit and write. The dialogs only show these and route the
// user's choices here.
namespace mz58::dialogrules {

// Hardware parameters.
std::vector<std::string> squelchDelayTexts();   // 5, 15, 25, 35 msec
std::vector<std::string> squelchReleaseTexts(); // 0..300 msec in steps of 10
// Only the attack times that fit the 4-bit field: 0..70 msec.
std::vector<std::string> squelchAttackTexts();
std::vector<std::string> squelchHysteresisTexts(); // 0..15
// The two step pairs the hardware dialog shows, and the entry it shows for the stored pair.
std::vector<std::string_view> stepPairTexts();
[[nodiscard]] int stepPairEntry(const HardwareSettings& hardware);
// The entry of each squelch list for its stored value (5 ms units) and back.
[[nodiscard]] inline int squelchEntry(int value) {
    return value / 2;
}
[[nodiscard]] inline int squelchDelayValue(int entry) {
    return 2 * entry + 1;
}
[[nodiscard]] inline int squelchTimeValue(int entry) {
    return 2 * entry;
}
// The DCS polarity byte with its receive (high) or transmit (low) nibble replaced.
[[nodiscard]] int withReceivePolarity(int polarity, int entry);
[[nodiscard]] int withTransmitPolarity(int polarity, int entry);
// A typed reference oscillator: at most 99.99 MHz and at most what a 13-bit divider reaches
// on the pair's first step (floor(8191 x step) MHz).
[[nodiscard]] double clampReference(double mhz, const HardwareSettings& hardware);
std::string formatMegahertz(double mhz); // "%5.2fMHz"

// Scan and power save.
std::vector<std::string> dualWatchTimerTexts();
std::vector<std::string> resumeTime1Texts();
std::vector<std::string> resumeTime2Texts();
// "CH-1".."CH-8", then "None" unless power-on dual watch is set.
std::vector<std::string> priorityChannelTexts(bool powerOnDualWatch);
std::vector<std::string> transmitTimerTexts();
std::vector<std::string> penaltyTimeTexts();
std::vector<std::string> releaseTimeTexts();
[[nodiscard]] bool powerOnDualWatch(const RadioImage& image);

// Options: the sub-CPU list entry of an option unit type and back.
[[nodiscard]] int optionUnitEntry(int type);
[[nodiscard]] int optionUnitTypeOfEntry(int entry);
std::vector<std::string_view> optionUnitTexts();
// OK of the options dialog on the dialog's copy: when the unit was chosen anew, the ten call
// codes are emptied and dropped from every channel; then the channel table, the boards, the
// DTMF parameters and the call-code area are written in the layout of `unitType`; without the
// encryption board no channel keeps encryption.
void writeOptions(ImageState& work, const DeviceOptions& options, int unitType, bool unitChosen);

// Key function: the list (without "Dual Watch " while power-on dual watch is set), the entry
// showing a code (-1 when none does) and the code of an entry.
std::vector<std::string_view> keyFunctionTexts(bool powerOnDualWatch);
[[nodiscard]] int keyFunctionEntry(int code, bool powerOnDualWatch);
[[nodiscard]] int keyFunctionCode(int entry, bool powerOnDualWatch);
// Whether OK of the key-function dialog with `code` resets the channel table: without the Bank B
// key the grid cannot stay on bank B. The dialog asks first (message 7220).
[[nodiscard]] bool keyFunctionResetsChannels(int code, int currentBank);
// OK of the key-function dialog: when it resets the channel table, the channel types and scan
// flags go back to their reset values and bank A becomes current; then the key code.
void writeKeyFunction(ImageState& work, int code, int& currentBank);

// Other functions.
[[nodiscard]] double clampLocalOffset(double mhz); // -99.9 .. 99.9
std::string formatLocalOffset(double mhz);         // "%-5.1f MHz"
// OK of the other-functions dialog: with power-on dual watch set, a "Dual Watch " key becomes
// "None" and a priority channel of "None" becomes CH-1; then the functions and the key code.
void writeOtherFunctions(RadioImage& image, const FunctionSettings& functions, int keyCode);

// Channel types of one bank.
std::vector<std::string_view> channelTypeTexts();
std::string bankTitle(int bank); // " BANK  A  "
// Stores the eight types of `bank` (true when one differed) and writes the channel table.
bool writeChannelTypes(ImageState& work, int bank, const std::array<int, 8>& types);

// Reads the number a text starts with, as the dialogs convert typed values (0 when none).
[[nodiscard]] double leadingNumber(std::string_view text);

} // namespace mz58::dialogrules
