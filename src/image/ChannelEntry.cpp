// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelEntry.h"

#include "Bitfield.h"
#include "CallCodeSettings.h"
#include "DeviceOptions.h"
#include "OptionUnit.h"

#include <cmath>

namespace mz58 {
namespace {

// Record fields, offsets within the 12-byte record.
constexpr BitField kInUse = bitOf(0, 7);
constexpr BitField kTxInhibit = bitOf(0, 5);
constexpr BitField kEncryption = bitOf(0, 4);
constexpr BitField kNarrow = bitOf(0, 3);
constexpr BitField kLowPower = bitOf(0, 2);
constexpr BitField kLowPowerLevel = bitsOf(0, 1, 0);
constexpr BitField kRxStepSelect = bitOf(1, 7);
constexpr BitField kTxStepSelect = bitOf(1, 6);
constexpr BitField kClockShift = bitOf(1, 5);
constexpr BitField kToneIsDcs = bitOf(1, 4);
constexpr BitField kOutOfRangeAlert = bitOf(1, 3);
constexpr BitField kTotEnabled = bitOf(1, 2);
constexpr BitField kBusyLockout = bitsOf(1, 1, 0);
constexpr BitField kAlignC = bitsOf(2, 7, 6);
constexpr BitField kAlignB = bitsOf(2, 5, 3);
constexpr BitField kAlignA = bitsOf(2, 2, 0);
constexpr BitField kAniEnabled = bitOf(3, 7);
constexpr BitField kDecodeTonePresent = bitOf(3, 6);
constexpr BitField kEncodeTonePresent = bitOf(3, 5);
constexpr BitField kCallCodeField = bitsOf(3, 4, 0);
constexpr BitField kCallCodePresent = bitOf(3, 4);
constexpr BitField kCallCodeNumber = bitsOf(3, 3, 0);
constexpr BitField kTxSave = bitOf(4, 7);
constexpr BitField kRxTone = bitsOf(4, 6, 0);
constexpr BitField kRxSave = bitOf(5, 7);
constexpr BitField kTxTone = bitsOf(5, 6, 0);
constexpr std::size_t kRxWord = 6;
constexpr std::size_t kTxWord = 8;
constexpr BitField kSpareFlag = bitOf(10, 7);
constexpr BitField kRxTune = bitsOf(10, 6, 0);
constexpr BitField kAlignD = bitsOf(11, 6, 4);
constexpr BitField kSquelchLevel = bitsOf(11, 3, 0);

// Fields stored as they are held; decode reads and encode writes each of them once.
struct PlainField {
    BitField field;
    int ChannelEntry::*member;
};
constexpr PlainField kPlainFields[] = {
    {kInUse, &ChannelEntry::inUse},
    {kTxInhibit, &ChannelEntry::txInhibit},
    {kNarrow, &ChannelEntry::narrow},
    {kLowPower, &ChannelEntry::lowPower},
    {kLowPowerLevel, &ChannelEntry::lowPowerLevel},
    {kRxStepSelect, &ChannelEntry::rxStepSelect},
    {kTxStepSelect, &ChannelEntry::txStepSelect},
    {kClockShift, &ChannelEntry::clockShift},
    {kOutOfRangeAlert, &ChannelEntry::outOfRangeAlert},
    {kTotEnabled, &ChannelEntry::totEnabled},
    {kBusyLockout, &ChannelEntry::busyLockout},
    {kAlignC, &ChannelEntry::alignC},
    {kAlignB, &ChannelEntry::alignB},
    {kAlignA, &ChannelEntry::alignA},
    {kAniEnabled, &ChannelEntry::aniEnabled},
    {kTxSave, &ChannelEntry::txSave},
    {kRxSave, &ChannelEntry::rxSave},
    {kSpareFlag, &ChannelEntry::spareFlag},
    {kRxTune, &ChannelEntry::rxTune},
    {kSquelchLevel, &ChannelEntry::squelchLevel},
    {kAlignD, &ChannelEntry::alignD},
};

// TX words that mark a channel that does not transmit.
constexpr Frequency kInhibitMarkerUhf = 30000000;
constexpr Frequency kInhibitMarkerVhf = 5000000;

constexpr unsigned kOffsetWord = 32768;

constexpr std::size_t kTuneBaseFrequency = AlignmentData::kFirstByte;
constexpr std::size_t kTuneBaseValue = 297;
constexpr std::size_t kTuneSlopeAbove = 298;
constexpr std::size_t kTuneSlopeAtOrBelow = 299;
constexpr std::size_t kSegmentTable = 300;
constexpr std::size_t kSegmentStride = 4;

// The radio's synthesizer cannot hit a frequency ending in 9 or 4 (10 Hz units) on its grid:
// such values come from rounding in the frequency rules and stand for the next one up.
Frequency correctLastDigit(Frequency v) {
    if (v % 10 == 9)
        ++v;
    if (v % 10 == 4)
        ++v;
    return v;
}

// The divider word stored for a synthesizer frequency.
unsigned dividerWord(Frequency synthesizer, unsigned step, const HardwareSettings& hw) {
    unsigned word = correctLastDigit(synthesizer) / step;
    if (hw.dividerOffset)
        word -= kOffsetWord;
    return word;
}

// The 16-bit word stored for a frequency (receive: the synthesizer runs on the other side of
// the IF). Out-of-range words wrap or are cut to 16 bits, as the record holds them.
unsigned frequencyWord(Frequency frequency, int stepSelect, bool receive,
                       const HardwareSettings& hw) {
    if (frequency == 0)
        return 0;
    Frequency synth = frequency;
    if (receive)
        synth = hw.injection ? frequency + hw.firstIfUnits() : frequency - hw.firstIfUnits();
    return dividerWord(synth, hw.step(stepSelect), hw) & 0xFFFFu;
}

// The frequency a stored word reads back as; a word whose high byte is 0 stands for the band's
// default frequency.
Frequency wordFrequency(unsigned word, int stepSelect, bool receive, const HardwareSettings& hw) {
    if ((word >> 8) == 0)
        return bandDefaultFrequency(hw.band);
    if (hw.dividerOffset)
        word += kOffsetWord;
    const Frequency synth = word * hw.step(stepSelect);
    if (!receive)
        return synth;
    return hw.injection ? synth - hw.firstIfUnits() : synth + hw.firstIfUnits();
}

// The TX frequency a stored word stands for: a word on an inhibit marker means "transmit on
// RX"; whether the channel transmits at all is byte 0's inhibit flag.
Frequency txWordFrequency(unsigned word, int stepSelect, Frequency rxFrequency,
                          const HardwareSettings& hw) {
    const Frequency tx = wordFrequency(word, stepSelect, false, hw);
    return (tx == kInhibitMarkerUhf || tx == kInhibitMarkerVhf) ? rxFrequency : tx;
}

} // namespace

void AlignmentData::decode(const RadioImage& image) {
    tuneBaseFrequency = readBigEndian16(image, kTuneBaseFrequency);
    tuneBaseValue = image[kTuneBaseValue];
    tuneSlopeAbove = image[kTuneSlopeAbove];
    tuneSlopeAtOrBelow = image[kTuneSlopeAtOrBelow];
    for (std::size_t k = 0; k < boundaries.size(); ++k)
        boundaries[k] = readBigEndian16(image, kSegmentTable + kSegmentStride * k);
    for (std::size_t k = 0; k < kSegmentCount; ++k) {
        valuesD[k] = image[kSegmentTable + kSegmentStride * k + 2];
        valuesAbc[k] = image[kSegmentTable + kSegmentStride * k + 3];
    }
}

ChannelDecodeContext ChannelDecodeContext::fromImage(const RadioImage& image,
                                                     const HardwareSettings& hw) {
    DeviceOptions devices;
    devices.decode(image);
    return ChannelDecodeContext{hw, devices.encryptionAbsent != 0, devices.dtmfAbsent != 0,
                                OptionUnit::decodeType(image)};
}

void ChannelEntry::decode(ConstChannelRecord record, const ChannelDecodeContext& context) {
    readFields(record, kPlainFields, *this);

    const HardwareSettings& hw = context.hardware;
    // Unsigned arithmetic throughout: an upper-injection divider below the IF wraps.
    storedRxWord = static_cast<std::uint16_t>(readBigEndian16(record, kRxWord));
    storedTxWord = static_cast<std::uint16_t>(readBigEndian16(record, kTxWord));
    rxFrequency = wordFrequency(*storedRxWord, rxStepSelect, true, hw);
    txFrequency = txWordFrequency(*storedTxWord, txStepSelect, rxFrequency, hw);

    encryption =
        context.encryptionDeviceAbsent ? 0 : static_cast<int>(readField(record, kEncryption));

    toneType = kToneNone;
    rxCtcss = txCtcss = rxDcs = txDcs = 0;
    const bool dcs = readFlag(record, kToneIsDcs);
    const int rxTone = static_cast<int>(readField(record, kRxTone)) + 1;
    const int txTone = static_cast<int>(readField(record, kTxTone)) + 1;
    if (readFlag(record, kDecodeTonePresent)) {
        toneType = dcs ? kToneDcs : kToneCtcss;
        (dcs ? rxDcs : rxCtcss) = rxTone;
    }
    if (readFlag(record, kEncodeTonePresent)) {
        toneType = dcs ? kToneDcs : kToneCtcss;
        (dcs ? txDcs : txCtcss) = txTone;
    }

    const unsigned codeNumber = readField(record, kCallCodeNumber);
    if (!channelsCarryCallCodes(context.optionUnitType, context.dtmfDeviceAbsent))
        callCode = 0;
    else if (readFlag(record, kCallCodePresent) && codeNumber < kCallCodeCount)
        callCode = static_cast<int>(codeNumber) + 1;
    else
        callCode = 0;
}

int ChannelEntry::rxTuneFor(Frequency rx, const AlignmentData& a) {
    const double base = a.tuneBaseFrequency * 0.1;
    const double f = rx / static_cast<double>(kUnitsPerMHz);
    const unsigned slope = base < f ? a.tuneSlopeAbove : a.tuneSlopeAtOrBelow;
    const double scaled = std::trunc((f - base) * 0.1 * slope);
    const long long value = static_cast<long long>(scaled) + a.tuneBaseValue;
    return static_cast<int>(static_cast<unsigned long long>(value) & 0xFFu);
}

void ChannelEntry::encode(ChannelRecord record, const HardwareSettings& hw,
                          const AlignmentData& alignment) {
    constexpr auto writeWord = [](ChannelRecord r, std::size_t offset, unsigned word) {
        writeBigEndian16(r, offset, word & 0xFFFFu);
    };

    // A stored word that still reads as the frequency is written back: deriving it again from
    // a frequency the record cannot hold (a band default on a step that cannot reach it) would
    // store another frequency.
    if (storedRxWord && wordFrequency(*storedRxWord, rxStepSelect, true, hw) == rxFrequency)
        writeWord(record, kRxWord, *storedRxWord);
    else
        writeWord(record, kRxWord, frequencyWord(rxFrequency, rxStepSelect, true, hw));

    // Alignment values of the segment that holds the TX frequency; on a shared boundary the
    // later segment wins.
    alignA = alignB = alignC = alignD = 0;
    const unsigned mhz = txFrequency / kUnitsPerMHz;
    for (std::size_t k = 0; k < AlignmentData::kSegmentCount; ++k) {
        if (alignment.boundaries[k] <= mhz && mhz <= alignment.boundaries[k + 1]) {
            const std::uint8_t abc = alignment.valuesAbc[k];
            alignA = abc & 0x07;
            alignB = (abc >> 3) & 0x07;
            alignC = (abc >> 6) & 0x03;
            alignD = alignment.valuesD[k] & 0x07;
        }
    }
    rxTune = rxTuneFor(rxFrequency, alignment);

    // TX divider word; an inhibited TX is stored as the band's marker, which is how the radio
    // knows not to transmit.
    if (txInhibit) {
        const Frequency marker = hw.band == kUhf ? kInhibitMarkerUhf : kInhibitMarkerVhf;
        writeWord(record, kTxWord, correctLastDigit(marker) / hw.step(txStepSelect));
    } else if (storedTxWord &&
               txWordFrequency(*storedTxWord, txStepSelect, rxFrequency, hw) == txFrequency) {
        writeWord(record, kTxWord, *storedTxWord);
    } else {
        writeWord(record, kTxWord, frequencyWord(txFrequency, txStepSelect, false, hw));
    }

    writeFields(record, kPlainFields, *this);
    writeField(record, kEncryption, static_cast<unsigned>(encryption));

    // Tones. Presence bits already set stay set.
    if (toneType == kToneNone) {
        writeField(record, kDecodeTonePresent, 0);
        writeField(record, kEncodeTonePresent, 0);
        writeField(record, kToneIsDcs, 0);
        writeField(record, kRxTone, 0);
        writeField(record, kTxTone, 0);
    } else if (toneType == kToneDcs || toneType == kToneCtcss) {
        const bool dcs = toneType == kToneDcs;
        const int tx = dcs ? txDcs : txCtcss;
        const int rx = dcs ? rxDcs : rxCtcss;
        writeField(record, kToneIsDcs, dcs ? 1u : 0u);
        if (tx != 0)
            writeField(record, kTxTone, static_cast<unsigned>(tx - 1));
        if (rx != 0)
            writeField(record, kRxTone, static_cast<unsigned>(rx - 1));
        if (txDcs != 0 || txCtcss != 0)
            writeField(record, kEncodeTonePresent, 1);
        if (rxDcs != 0 || rxCtcss != 0)
            writeField(record, kDecodeTonePresent, 1);
    }

    writeCallCodeField(record, callCode);
}

Frequency readBackFrequency(Frequency frequency, int stepSelect, bool receive,
                            const HardwareSettings& hardware) {
    return wordFrequency(frequencyWord(frequency, stepSelect, receive, hardware), stepSelect,
                         receive, hardware);
}

void writeCallCodeField(ChannelRecord record, int callCode) {
    writeField(record, kCallCodeField, 0);
    if (callCode != 0) {
        writeField(record, kCallCodeNumber, static_cast<unsigned>(callCode - 1));
        writeField(record, kCallCodePresent, 1);
    }
}

} // namespace mz58
