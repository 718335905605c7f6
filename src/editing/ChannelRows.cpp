// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRows.h"

#include "ChannelEditing.h"
#include "FrequencyRules.h"

#include <utility>

namespace mz58 {
namespace {

std::size_t at(int channel) {
    return static_cast<std::size_t>(channel);
}

int firstOfBank(int channel) {
    return channel / kChannelsPerBank * kChannelsPerBank;
}

int lastOfBank(int channel) {
    return firstOfBank(channel) + kChannelsPerBank - 1;
}

int otherBankChannel(int channel) {
    return (channel + kChannelsPerBank) % kChannelCount;
}

RowResult refused(StringId id, int channel) {
    return {false, UserMessage{id, {bankChannelLabel(channel)}, {}, Icon::Warning}, channel};
}

// Puts `entry` at `channel`, keeping the position's channel type.
void place(std::array<ChannelEntry, kChannelCount>& entries, int channel, ChannelEntry entry) {
    entry.channelType = entries[at(channel)].channelType;
    entries[at(channel)] = entry;
}

void exchange(std::array<ChannelEntry, kChannelCount>& entries, int a, int b) {
    const ChannelEntry first = entries[at(a)];
    place(entries, a, entries[at(b)]);
    place(entries, b, first);
}

} // namespace

ChannelEntry clearedChannel(const ChannelEntry& channel, int index,
                            const HardwareSettings& hardware) {
    ChannelEntry fresh;
    fresh.channelType = channel.channelType;
    fresh.rxFrequency = fresh.txFrequency = bandDefaultFrequency(hardware.band);
    fresh.rxStepSelect = holdingStepSelect(fresh.rxFrequency, fresh.rxStepSelect, true, hardware)
                             .value_or(fresh.rxStepSelect);
    fresh.txStepSelect = holdingStepSelect(fresh.txFrequency, fresh.txStepSelect, false, hardware)
                             .value_or(fresh.txStepSelect);
    fresh.inUse = index == 0 ? 1 : 0;
    fresh.scanMember = 0;
    return fresh;
}

bool insertDropsChannelInUse(const std::array<ChannelEntry, kChannelCount>& entries, int channel) {
    return channel >= 0 && channel < kChannelCount && entries[at(lastOfBank(channel))].inUse != 0;
}

RowResult applyRowOperation(std::array<ChannelEntry, kChannelCount>& entries,
                            RowOperation operation, int channel, const HardwareSettings& hardware) {
    if (channel < 0 || channel >= kChannelCount)
        return {};
    auto next = entries;
    int current = channel;
    const int first = firstOfBank(channel);
    const int last = lastOfBank(channel);
    switch (operation) {
    case RowOperation::Clear:
        place(next, channel, clearedChannel(next[at(channel)], channel, hardware));
        break;
    case RowOperation::Insert:
        for (int k = last; k > channel; --k)
            place(next, k, next[at(k - 1)]);
        place(next, channel, clearedChannel(next[at(channel)], channel, hardware));
        break;
    case RowOperation::Delete:
        for (int k = channel; k < last; ++k)
            place(next, k, next[at(k + 1)]);
        place(next, last, clearedChannel(next[at(last)], last, hardware));
        break;
    case RowOperation::MoveUp:
        if (channel == first)
            return refused(msg::kRowFirstOfBank, channel);
        exchange(next, channel, channel - 1);
        current = channel - 1;
        break;
    case RowOperation::MoveDown:
        if (channel == last)
            return refused(msg::kRowLastOfBank, channel);
        exchange(next, channel, channel + 1);
        current = channel + 1;
        break;
    case RowOperation::SwapOtherBank:
        exchange(next, channel, otherBankChannel(channel));
        break;
    case RowOperation::CopyToOtherBank: {
        const int target = otherBankChannel(channel);
        place(next, target, next[at(channel)]);
        if (target == 0)
            next[0].inUse = 1;
        break;
    }
    }
    // The radio needs the table's first channel in use.
    if (next[0].inUse == 0)
        return refused(msg::kFirstChannelNeedsUse, channel);
    entries = next;
    return {true, std::nullopt, current};
}

} // namespace mz58
