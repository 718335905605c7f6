// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageDiff.h"

#include "CellText.h"
#include "ChannelGridLayout.h"
#include "ReportSettings.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace mz58 {
namespace {

// What the user sees of one image: every channel's cells and row colour, and the settings.
struct View {
    std::array<std::array<std::string, kColumnCount>, kChannelCount> cells;
    std::array<int, kChannelCount> inUse{};
    std::vector<ReportSetting> settings;

    explicit View(const ImageState& state) : settings(reportSettings(state)) {
        for (int i = 0; i < kChannelCount; ++i) {
            const auto& channel = state.channels.entries[static_cast<std::size_t>(i)];
            cells[static_cast<std::size_t>(i)] = rowTexts(channel, i % kChannelsPerBank);
            inUse[static_cast<std::size_t>(i)] = channel.inUse;
        }
    }
    bool channelDiffers(const View& other, std::size_t i) const {
        return cells[i] != other.cells[i] || inUse[i] != other.inUse[i];
    }
    bool operator==(const View&) const = default;
};

// The first channel-record byte, and the record of byte `offset` (-1 outside the records).
int recordOf(std::size_t offset) {
    if (offset < kFirstRecord || offset >= kFirstRecord + kChannelCount * kChannelRecordSize)
        return -1;
    return static_cast<int>((offset - kFirstRecord) / kChannelRecordSize);
}

// True when changing byte `offset` of `from` to its value in `to` changes what is shown.
bool byteIsShown(const ImageState& from, const View& fromView, const ImageState& to,
                 std::size_t offset) {
    ImageState changed = from;
    changed.image[offset] = to.image[offset];
    ImageCodec::decodeAll(changed);
    return !(View(changed) == fromView);
}

std::string emptyAsNone(const std::string& value) {
    return value.empty() ? "(empty)" : value;
}

} // namespace

std::string columnCaption(int column, int optionUnitType) {
    if (column < 0 || column >= kColumnCount)
        return {};
    const auto c = static_cast<Column>(column);
    const std::string name(mz58::columnCaption(c, optionUnitType));
    const std::string_view group = columnGroupCaption(c);
    // The frequency columns are known by their own caption.
    if (group.empty() || group == "Frequency" || c == Column::CallCode)
        return name;
    return std::string(group) + " " + name;
}

std::vector<std::string> imageDifferences(const ImageState& a, const ImageState& b) {
    std::vector<std::string> lines;
    const View viewA(a);
    const View viewB(b);

    std::array<bool, kChannelCount> channelDiffers{};
    for (std::size_t i = 0; i < kChannelCount; ++i) {
        channelDiffers[i] = viewA.channelDiffers(viewB, i);
        const std::string prefix = "Ch " + std::to_string(i + 1) + " ";
        if (viewA.inUse[i] != viewB.inUse[i])
            lines.push_back(prefix + "In use: " + (viewA.inUse[i] ? "yes" : "no") + " -> " +
                            (viewB.inUse[i] ? "yes" : "no"));
        for (int col = 1; col < kColumnCount; ++col) {
            const auto& before = viewA.cells[i][static_cast<std::size_t>(col)];
            const auto& after = viewB.cells[i][static_cast<std::size_t>(col)];
            if (before == after)
                continue;
            std::string caption = columnCaption(col, a.optionUnit.type);
            if (const auto other = columnCaption(col, b.optionUnit.type); other != caption)
                caption += "/" + other;
            lines.push_back(prefix + caption + ": " + before + " -> " + after);
        }
    }

    // Settings are matched by label: one side may show a line the other does not.
    for (const auto& s : viewA.settings) {
        std::string after = "(not shown)";
        for (const auto& t : viewB.settings) {
            if (t.label == s.label) {
                after = emptyAsNone(t.value);
                break;
            }
        }
        if (after != emptyAsNone(s.value))
            lines.push_back(s.label + ": " + emptyAsNone(s.value) + " -> " + after);
    }
    for (const auto& t : viewB.settings) {
        bool inA = false;
        for (const auto& s : viewA.settings)
            inA = inA || s.label == t.label;
        if (!inA)
            lines.push_back(t.label + ": (not shown) -> " + emptyAsNone(t.value));
    }

    // A's channels encoded with B's alignment data, B's channels where the cells differ: the
    // record bytes that then agree with B follow from what is listed above.
    ImageState derived = a;
    std::copy(b.image.begin() + AlignmentData::kFirstByte,
              b.image.begin() + AlignmentData::kLastTakenByte + 1,
              derived.image.begin() + AlignmentData::kFirstByte);
    ImageCodec::decodeAll(derived);
    for (std::size_t i = 0; i < kChannelCount; ++i) {
        if (channelDiffers[i])
            derived.channels.entries[i] = b.channels.entries[i];
    }
    ImageCodec::encodeAll(derived);

    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        if (a.image[offset] == b.image[offset])
            continue;
        if (recordOf(offset) >= 0 && derived.image[offset] == b.image[offset])
            continue;
        if (byteIsShown(a, viewA, b, offset) || byteIsShown(b, viewB, a, offset))
            continue;
        char line[48];
        std::snprintf(line, sizeof line, "byte 0x%03zX: %02x -> %02x", offset, a.image[offset],
                      b.image[offset]);
        lines.push_back(line);
    }

    if (a.localOffset != b.localOffset) {
        char line[80];
        std::snprintf(line, sizeof line, "Local offset: %.4f -> %.4f", a.localOffset,
                      b.localOffset);
        lines.push_back(line);
    }
    return lines;
}

} // namespace mz58
