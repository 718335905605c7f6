// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelTable.h"

#include "Bitfield.h"

namespace mz58 {
namespace {

// Per-bank bytes: scan-skip mask, group-scan-skip mask, then four channel-type bytes.
struct BankBytes {
    std::size_t scanSkip;
    std::size_t groupScanSkip;
    std::size_t firstType;
};
constexpr std::array<BankBytes, 2> kBankBytes{{{28, 29, 30}, {34, 35, 36}}};

BitField channelTypeField(const BankBytes& b, int n) {
    const std::size_t byte = b.firstType + static_cast<std::size_t>(n / 2);
    return n % 2 == 0 ? bitsOf(byte, 7, 4) : bitsOf(byte, 3, 0);
}

BitField scanSkipBit(const BankBytes& b, int n) {
    return bitOf(b.scanSkip, static_cast<unsigned>(n));
}

BitField groupScanSkipBit(const BankBytes& b, int n) {
    return bitOf(b.groupScanSkip, static_cast<unsigned>(7 - n));
}

} // namespace

ChannelRecord ChannelTable::record(RadioImage& image, int index) {
    return ChannelRecord(image.data() + kFirstRecord +
                             kChannelRecordSize * static_cast<std::size_t>(index),
                         kChannelRecordSize);
}

ConstChannelRecord ChannelTable::record(const RadioImage& image, int index) {
    return ConstChannelRecord(image.data() + kFirstRecord +
                                  kChannelRecordSize * static_cast<std::size_t>(index),
                              kChannelRecordSize);
}

void ChannelTable::reset() {
    for (int i = 0; i < kChannelCount; ++i) {
        entries[static_cast<std::size_t>(i)] = ChannelEntry{};
        entries[static_cast<std::size_t>(i)].channelType = i % kChannelsPerBank;
    }
    bankCounts = {kChannelsPerBank, kChannelsPerBank};
    alignment = AlignmentData{};
}

void ChannelTable::decode(const RadioImage& image, const HardwareSettings& hardware) {
    alignment.decode(image);
    const auto context = ChannelDecodeContext::fromImage(image, hardware);
    for (int i = 0; i < kChannelCount; ++i)
        entries[static_cast<std::size_t>(i)].decode(record(image, i), context);

    for (int bank = 0; bank < 2; ++bank) {
        const BankBytes& b = kBankBytes[static_cast<std::size_t>(bank)];
        for (int n = 0; n < kChannelsPerBank; ++n) {
            ChannelEntry& e = entries[static_cast<std::size_t>(bank * kChannelsPerBank + n)];
            e.scanMember = readFlag(image, scanSkipBit(b, n)) ? 0 : e.inUse;
            e.groupScanMember = readFlag(image, groupScanSkipBit(b, n)) ? 0 : 1;
            e.channelType = static_cast<int>(readField(image, channelTypeField(b, n)));
        }
    }
}

void ChannelTable::encode(RadioImage& image, const HardwareSettings& hardware) {
    for (int i = 0; i < kChannelCount; ++i)
        entries[static_cast<std::size_t>(i)].encode(record(image, i), hardware, alignment);

    for (int bank = 0; bank < 2; ++bank) {
        const BankBytes& b = kBankBytes[static_cast<std::size_t>(bank)];
        for (int n = 0; n < kChannelsPerBank; ++n) {
            const ChannelEntry& e = entries[static_cast<std::size_t>(bank * kChannelsPerBank + n)];
            if (e.scanMember == 0)
                writeField(image, scanSkipBit(b, n), 1);
            if (e.groupScanMember == 0)
                writeField(image, groupScanSkipBit(b, n), 1);
            writeField(image, channelTypeField(b, n), static_cast<unsigned>(e.channelType));
        }
    }
}

void ChannelTable::changeBand(int band) {
    for (auto& e : entries)
        e.inUse = 1;
    // The frequencies are set anew: the words of the old band stand for nothing now.
    for (auto& e : entries) {
        e.rxFrequency = e.txFrequency = bandDefaultFrequency(band);
        e.storedRxWord.reset();
        e.storedTxWord.reset();
    }
}

void ChannelTable::clearCodeReferences(int code, RadioImage& image) {
    for (int k = 0; k < kChannelCount; ++k) {
        ChannelEntry& e = entries[static_cast<std::size_t>(k)];
        if (e.callCode == code) {
            e.callCode = 0;
            writeCallCodeField(record(image, k), 0);
        }
    }
}

} // namespace mz58
