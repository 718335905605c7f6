// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelEditing.h"

#include "CallCodeSettings.h"
#include "DeviceOptions.h"
#include "SignallingTables.h"
#include "Translatable.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace mz58 {
namespace {

constexpr int kSquelchLevels = 13;
constexpr int kListHelpBase = 300;
constexpr int kSubsigCodeListHelp = 319;
constexpr int kToneListWidth[] = {100, 50}; // CTCSS, DCS
constexpr int kValueListWidth = 85;
constexpr std::string_view kNoToneText = "-----";

EditResult done(std::optional<UserMessage> warning = {}) {
    return {EditResult::Done, std::move(warning), {}};
}
EditResult refused(std::optional<UserMessage> why = {}) {
    return {EditResult::Refused, std::move(why), {}};
}
// A message about a typed or pasted text.
UserMessage aboutText(StringId id, std::string_view text) {
    return {id, {std::string(text)}, {}, Icon::Warning};
}
UserMessage warning(StringId id) {
    return {id, {}, {}, Icon::Warning};
}
EditResult ignored(std::optional<UserMessage> why = {}) {
    return {EditResult::Ignored, std::move(why), {}};
}
UserMessage aboutChannel(StringId id, int channelIndex) {
    return {id, {bankChannelLabel(channelIndex)}, {}, Icon::Warning};
}
// A done edit with the warnings of a frequency entry: the first is the message.
EditResult doneWith(FrequencyNotices notices) {
    EditResult result = done();
    if (!notices.empty()) {
        result.message = std::move(notices.front());
        result.notes.assign(std::make_move_iterator(notices.begin() + 1),
                            std::make_move_iterator(notices.end()));
    }
    return result;
}

void toggle(int& value) {
    value = value == 0 ? 1 : 0;
}

void cycle3(int& value) {
    value = value >= 0 && value < 2 ? value + 1 : 0;
}

// The integer a text starts with, as the grid reads pasted numbers: leading blanks, a sign, then
// digits; 0 when there are none.
long leadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < text.size() && text[i] == '+')
        ++i;
    long value = 0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return text[i] == '-' ? -1 : 1000;
    return result.ec == std::errc{} ? value : 0;
}

// Whether a frequency text holds a number at all: leading blanks, a sign, then a digit or a
// point followed by a digit.
bool hasNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return false;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    if (i < text.size() && text[i] == '.')
        ++i;
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
}

bool isFrequencyText(std::string_view text) {
    return text.size() <= static_cast<std::size_t>(kFrequencyEditorLength) &&
           std::all_of(text.begin(), text.end(), frequencyCharAccepted);
}

int& toneIndex(ChannelEntry& c, bool decode) {
    if (c.toneType == kToneCtcss)
        return decode ? c.rxCtcss : c.txCtcss;
    return decode ? c.rxDcs : c.txDcs;
}

// A tone chosen for the decode or encode column: a decode tone on a channel with neither tone
// set also becomes its encode tone.
void setTone(ChannelEntry& c, Column column, int index) {
    if (column == Column::DecodeTone) {
        const bool bothOff = toneIndex(c, true) == 0 && toneIndex(c, false) == 0;
        toneIndex(c, true) = index;
        if (bothOff)
            toneIndex(c, false) = index;
    } else {
        toneIndex(c, false) = index;
    }
}

// A new tone type starts without tones; the out-of-range alert exists only with DCS.
void setToneType(ChannelEntry& c, int type) {
    c.toneType = type;
    c.rxCtcss = c.txCtcss = c.rxDcs = c.txDcs = 0;
    if (type != kToneDcs)
        c.outOfRangeAlert = 0;
}

std::string toneText(int toneType, int index) {
    return toneType == kToneCtcss ? ctcssText(static_cast<unsigned>(index))
                                  : dcsText(static_cast<unsigned>(index));
}

bool holdsCode(int code, const EditContext& x) {
    return canHoldCallCode(code, x.optionUnitType, x.dtmfDeviceAbsent, x.callCodes);
}

std::string codeListCaption(int optionUnitType) {
    switch (optionUnitType) {
    case OptionUnit::kNone:
    case OptionUnit::kTrunk:
        return MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Page Code");
    case OptionUnit::k2Tone:
        return MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "2Tone Code");
    case OptionUnit::kSubsig:
        return MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "SUB Signal");
    default:
        return {};
    }
}

// A "-"/"v" paste into a flag.
EditResult pasteFlag(int& field, std::string_view text) {
    if (text == "-")
        field = 0;
    else if (text == "v")
        field = 1;
    else
        return refused();
    return done();
}

// A paste that picks one of the texts of `choices` as the field's value.
template <std::size_t N>
EditResult pasteChoice(int& field, std::string_view text,
                       const std::array<std::string_view, N>& choices) {
    const auto found = std::find(choices.begin(), choices.end(), text);
    if (found == choices.end())
        return refused();
    field = static_cast<int>(found - choices.begin());
    return done();
}

EditResult pasteFrequency(ChannelEntry& c, Column column, std::string_view text,
                          const EditContext& x) {
    if (!isFrequencyText(text))
        return refused(aboutText(msg::kNotAFrequency, text));
    if (!hasNumber(text))
        return refused(aboutText(msg::kNoFrequencyIn, text));
    ChannelEntry changed = c;
    if (column == Column::Transmit)
        changed.txInhibit = 0;
    EditResult result = enterFrequency(changed, column, text, x);
    if (result.done())
        c = changed;
    return result;
}

EditResult pasteTone(ChannelEntry& c, Column column, std::string_view text) {
    if (c.toneType != kToneCtcss && c.toneType != kToneDcs)
        return refused(warning(msg::kNoToneType));
    const int count = c.toneType == kToneCtcss ? kCtcssCount : kDcsCount;
    for (int index = 0; index <= count; ++index) {
        if (toneText(c.toneType, index) == text) {
            setTone(c, column, index);
            return done();
        }
    }
    return refused(aboutText(msg::kNotAToneOfType, text));
}

EditResult pasteCallCode(ChannelEntry& c, std::string_view text, const EditContext& x) {
    if (text == "-") {
        c.callCode = 0;
        return done();
    }
    const long n = leadingInteger(text);
    if ((n == 0 && text != "0") || n < 0 || n > kCallCodeCount)
        return refused(aboutText(msg::kNotACallCode, text));
    const int code = n == 0 ? kCallCodeCount : static_cast<int>(n);
    if (!holdsCode(code, x))
        return done(aboutText(msg::kCallCodeNotDefined, text));
    c.callCode = code;
    return done();
}

} // namespace

EditContext EditContext::fromState(const ImageState& state) {
    EditContext x;
    x.hardware = state.hardware;
    x.localOffset = state.localOffset;
    x.optionUnitType = state.optionUnit.type;
    DeviceOptions devices;
    devices.decode(state.image);
    x.encryptionDeviceAbsent = devices.encryptionAbsent != 0;
    x.dtmfDeviceAbsent = devices.dtmfAbsent != 0;
    CallCodeSettings codes;
    codes.decode(state.image);
    x.callCodes = codes.codes;
    return x;
}

std::vector<UserMessage> EditResult::messages() const {
    std::vector<UserMessage> all;
    if (message)
        all.push_back(*message);
    all.insert(all.end(), notes.begin(), notes.end());
    return all;
}

std::string bankChannelLabel(int channel) {
    return (channel < kChannelsPerBank ? "A" : "B") +
           std::to_string(channel % kChannelsPerBank + 1);
}

EditResult cycleCell(ChannelEntry& c, int channelIndex, Column column, const EditContext& x) {
    if (column != Column::Channel && c.inUse == 0)
        return ignored(aboutChannel(msg::kNotInUseSpace, channelIndex));
    switch (column) {
    case Column::Channel:
        // The radio needs its first channel.
        if (channelIndex == 0 && c.inUse != 0)
            return ignored(warning(msg::kFirstChannelStays));
        toggle(c.inUse);
        break;
    case Column::Width:
        toggle(c.narrow);
        break;
    case Column::Receive:
        break;
    case Column::Transmit:
        toggle(c.txInhibit);
        break;
    case Column::ToneType:
        setToneType(c, c.toneType >= 0 && c.toneType < kToneDcs ? c.toneType + 1 : kToneNone);
        break;
    case Column::DecodeTone:
    case Column::EncodeTone:
        if (c.toneType != kToneCtcss && c.toneType != kToneDcs)
            return refused(warning(msg::kNoToneType));
        return {EditResult::OpenList, {}, {}};
    case Column::RxSave:
        toggle(c.rxSave);
        break;
    case Column::TxSave:
        toggle(c.txSave);
        break;
    case Column::Power:
        toggle(c.lowPower);
        break;
    case Column::PowerLevel:
        cycle3(c.lowPowerLevel);
        break;
    case Column::Scan:
        toggle(c.scanMember);
        break;
    case Column::GroupScan:
        if (x.optionUnitType != OptionUnit::kTrunk)
            return ignored(warning(msg::kGroupScanNeedsTrunk));
        toggle(c.groupScanMember);
        break;
    case Column::TimeOut:
        toggle(c.totEnabled);
        break;
    case Column::Squelch:
    case Column::CallCode:
        return {EditResult::OpenList, {}, {}};
    case Column::Ani:
        toggle(c.aniEnabled);
        break;
    case Column::Encryption:
        if (x.encryptionDeviceAbsent)
            return ignored(warning(msg::kNoEncryptionDevice));
        toggle(c.encryption);
        break;
    case Column::BusyLockout:
        cycle3(c.busyLockout);
        break;
    case Column::ClockShift:
        toggle(c.clockShift);
        break;
    case Column::OutOfRangeAlert:
        if (c.toneType != kToneDcs)
            return refused(warning(msg::kAlertNeedsDcs));
        toggle(c.outOfRangeAlert);
        break;
    case Column::Count:
        return ignored();
    }
    return done();
}

EditResult invertDcs(ChannelEntry& c, Column column) {
    if (c.inUse == 0 || c.toneType != kToneDcs ||
        (column != Column::DecodeTone && column != Column::EncodeTone))
        return refused(warning(msg::kInvertNeedsDcs));
    int& code = column == Column::DecodeTone ? c.rxDcs : c.txDcs;
    code = static_cast<int>(dcsInverse(static_cast<unsigned>(code)));
    return done();
}

bool frequencyCharAccepted(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ' ' || c == '\b';
}

bool editorOpens(const ChannelEntry& channel, Column column) {
    return channel.inUse != 0 && (column == Column::Receive || column == Column::Transmit);
}

std::string editorText(const ChannelEntry& channel, Column column) {
    if (column == Column::Transmit)
        return formatFrequency(channel.txFrequency);
    return cellText(channel, 0, column);
}

EditResult enterFrequency(ChannelEntry& c, Column column, std::string_view text,
                          const EditContext& x) {
    if (column != Column::Receive && column != Column::Transmit)
        return ignored();
    if (text != kInhibitedTxText && !hasNumber(text))
        return ignored();
    FrequencyNotices notices;
    const auto refusal = column == Column::Receive
                             ? setRxFromText(c, text, x.hardware, x.localOffset, &notices)
                             : setTxFromText(c, text, x.hardware, &notices);
    if (refusal)
        return refused(frequencyRefusalMessage(*refusal));
    return doneWith(std::move(notices));
}

SelectionList selectionList(const ChannelEntry& c, Column column, const EditContext& x) {
    SelectionList list;
    switch (column) {
    case Column::DecodeTone:
    case Column::EncodeTone: {
        const bool ctcss = c.toneType == kToneCtcss;
        list.caption = ctcss ? MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "CTCSS Frequency")
                             : MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "DCS Frequency");
        list.columnWidth = kToneListWidth[ctcss ? 0 : 1];
        const int count = ctcss ? kCtcssCount : kDcsCount;
        for (int index = 0; index <= count; ++index)
            list.entries.push_back(toneText(ctcss ? kToneCtcss : kToneDcs, index));
        const int current = ctcss ? (column == Column::DecodeTone ? c.rxCtcss : c.txCtcss)
                                  : (column == Column::DecodeTone ? c.rxDcs : c.txDcs);
        list.selected = current >= 0 && current <= count ? current : -1;
        list.helpContext = kListHelpBase + static_cast<int>(column);
        break;
    }
    case Column::Squelch:
        list.caption = MZ58_TRANSLATE_NOOP("mz58::ChannelGrid", "Squelch Level");
        list.columnWidth = kValueListWidth;
        for (int level = 0; level < kSquelchLevels; ++level)
            list.entries.push_back(std::to_string(level));
        list.selected =
            c.squelchLevel >= 0 && c.squelchLevel < kSquelchLevels ? c.squelchLevel : -1;
        list.helpContext = kListHelpBase + static_cast<int>(column);
        break;
    case Column::CallCode:
        list.caption = codeListCaption(x.optionUnitType);
        list.columnWidth = kValueListWidth;
        list.entries.push_back("OFF");
        if (c.callCode == 0)
            list.selected = 0;
        for (int code = 1; code <= kCallCodeCount; ++code) {
            if (!holdsCode(code, x))
                continue;
            if (code == c.callCode)
                list.selected = static_cast<int>(list.entries.size());
            list.entries.push_back(std::to_string(callCodeDisplayNumber(code)));
        }
        list.helpContext = x.optionUnitType == OptionUnit::kSubsig
                               ? kSubsigCodeListHelp
                               : kListHelpBase + static_cast<int>(column);
        break;
    default:
        break;
    }
    return list;
}

EditResult applyListChoice(ChannelEntry& c, Column column, const SelectionList& list,
                           std::optional<int> position) {
    if (!position || *position < 0 || *position >= static_cast<int>(list.entries.size()))
        return done();
    switch (column) {
    case Column::DecodeTone:
    case Column::EncodeTone:
        if (c.toneType == kToneCtcss || c.toneType == kToneDcs)
            setTone(c, column, *position);
        break;
    case Column::Squelch:
        c.squelchLevel = *position;
        break;
    case Column::CallCode:
        if (*position == 0) {
            c.callCode = 0;
        } else {
            const long n = leadingInteger(list.entries[static_cast<std::size_t>(*position)]);
            c.callCode = n == 0 ? kCallCodeCount : static_cast<int>(n);
        }
        break;
    default:
        break;
    }
    return done();
}

EditResult pasteIntoCell(ChannelEntry& c, Column column, std::string_view text,
                         const EditContext& x) {
    if (column == Column::Channel || column == Column::Count)
        return refused(warning(msg::kCopyNeedsChannel));
    if (c.inUse == 0)
        return refused(warning(msg::kChannelNotInUse));
    static constexpr std::array<std::string_view, 2> kWidths{"W", "N"};
    static constexpr std::array<std::string_view, 3> kToneTypes{kNoToneText, "CTCSS", "DCS"};
    static constexpr std::array<std::string_view, 2> kPowers{"H", "L"};
    static constexpr std::array<std::string_view, 3> kLevels{"3", "2", "1"};
    static constexpr std::array<std::string_view, 3> kLockouts{"--", "BC", "BT"};
    EditResult result;
    switch (column) {
    case Column::Width:
        result = pasteChoice(c.narrow, text, kWidths);
        break;
    case Column::Receive:
        return pasteFrequency(c, column, text, x);
    case Column::Transmit:
        if (text == kInhibitedTxText) {
            c.txInhibit = 1;
            return done();
        }
        return pasteFrequency(c, column, text, x);
    case Column::ToneType: {
        int type = kToneNone;
        result = pasteChoice(type, text, kToneTypes);
        if (result.done())
            setToneType(c, type);
        break;
    }
    case Column::DecodeTone:
    case Column::EncodeTone:
        return pasteTone(c, column, text);
    case Column::RxSave:
        result = pasteFlag(c.rxSave, text);
        break;
    case Column::TxSave:
        result = pasteFlag(c.txSave, text);
        break;
    case Column::Power:
        result = pasteChoice(c.lowPower, text, kPowers);
        break;
    case Column::PowerLevel:
        result = pasteChoice(c.lowPowerLevel, text, kLevels);
        break;
    case Column::Scan:
        result = pasteFlag(c.scanMember, text);
        break;
    case Column::GroupScan:
        result = pasteFlag(c.groupScanMember, text);
        break;
    case Column::TimeOut:
        result = pasteFlag(c.totEnabled, text);
        break;
    case Column::Squelch: {
        const long level = leadingInteger(text);
        if (level < 0 || level >= kSquelchLevels || (level == 0 && text != "0" && text != " 0"))
            return refused(aboutText(msg::kNotASquelchLevel, text));
        c.squelchLevel = static_cast<int>(level);
        return done();
    }
    case Column::Ani:
        result = pasteFlag(c.aniEnabled, text);
        break;
    case Column::Encryption:
        // Without the encryption device the flag would not survive the next decode.
        if (x.encryptionDeviceAbsent && text == "v")
            return refused(warning(msg::kNoEncryptionDevice));
        result = pasteFlag(c.encryption, text);
        break;
    case Column::BusyLockout:
        result = pasteChoice(c.busyLockout, text, kLockouts);
        break;
    case Column::CallCode:
        return pasteCallCode(c, text, x);
    case Column::ClockShift:
        result = pasteFlag(c.clockShift, text);
        break;
    case Column::OutOfRangeAlert:
        if (c.toneType != kToneDcs)
            return refused(warning(msg::kAlertNeedsDcs));
        result = pasteFlag(c.outOfRangeAlert, text);
        break;
    default:
        return refused();
    }
    if (!result.done() && !result.message)
        result.message = aboutText(msg::kNoValueOfColumn, text);
    return result;
}

ChannelCopySource channelCopySource(std::string_view text, int bank, int targetIndex,
                                    const CopiedChannel* copied) {
    std::optional<int> source;
    if (copied && text == copied->text && copied->channel >= 0 && copied->channel < kChannelCount) {
        source = copied->channel;
    } else {
        const long n = leadingInteger(text);
        if (n < 1 || n > kChannelsPerBank || text.find('.') != std::string_view::npos)
            return {std::nullopt, aboutText(msg::kNotAChannelNumber, text)};
        source = (bank == kBankB ? kChannelsPerBank : 0) + static_cast<int>(n) - 1;
    }
    if (*source == targetIndex)
        return {std::nullopt, warning(msg::kCopySourceIsTarget)};
    return {source, std::nullopt};
}

CellBlock splitCellBlock(std::string_view text) {
    CellBlock block;
    const auto addRow = [&](std::string_view line) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string_view::npos;
             start = tab + 1)
            cells.emplace_back(line.substr(start, tab - start));
        cells.emplace_back(line.substr(start));
        block.push_back(std::move(cells));
    };
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            addRow(text.substr(start));
            return block;
        }
        addRow(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (block.empty())
        addRow({});
    return block;
}

BlockPasteResult pasteCellBlock(std::array<ChannelEntry, kChannelCount>& entries,
                                const CellBlock& block, int firstChannel, int lastChannel,
                                std::span<const Column> columns, const EditContext& x) {
    BlockPasteResult result;
    const auto rows = static_cast<int>(block.size());
    if (firstChannel < 0 || firstChannel + rows - 1 > lastChannel || lastChannel >= kChannelCount) {
        result.why = UserMessage{msg::kBlockPastBank,
                                 {std::to_string(rows), firstChannel < kChannelsPerBank ? "A" : "B",
                                  bankChannelLabel(firstChannel)},
                                 {},
                                 Icon::Warning};
        return result;
    }
    auto next = entries;
    for (int r = 0; r < rows; ++r) {
        const auto& cells = block[static_cast<std::size_t>(r)];
        if (cells.size() > columns.size()) {
            result.why = UserMessage{
                msg::kBlockPastColumns,
                {std::to_string(cells.size()),
                 std::string(columns.empty() ? std::string_view()
                                             : columnCaption(columns.front(), x.optionUnitType))},
                {},
                Icon::Warning};
            return result;
        }
        const int channel = firstChannel + r;
        ChannelEntry& entry = next[static_cast<std::size_t>(channel)];
        for (std::size_t k = 0; k < cells.size(); ++k) {
            if (columns[k] == Column::Channel) {
                entry.inUse = 1;
                continue;
            }
            // A cell that already shows the text is taken as it is: a row copied from the grid
            // pastes back whole ("-----" in Dec of a channel without tones, "-" in RNGA).
            if (cellText(entry, channel % kChannelsPerBank, columns[k]) == cells[k])
                continue;
            const EditResult cell = pasteIntoCell(entry, columns[k], cells[k], x);
            if (!cell.done()) {
                result.cell = {channel, columns[k]};
                result.why = cell.message;
                return result;
            }
            if (cell.message && !result.why) {
                result.cell = {channel, columns[k]};
                result.why = cell.message;
            }
        }
    }
    entries = next;
    result.done = true;
    return result;
}

void copyChannel(const ChannelEntry& s, ChannelEntry& t, int targetIndex,
                 const std::array<bool, kColumnGroupCount>& shown) {
    const auto group = [&](Column column) {
        return shown[static_cast<std::size_t>(columnGroup(column))];
    };
    if (targetIndex != 0)
        t.inUse = s.inUse;
    if (group(Column::Width))
        t.narrow = s.narrow;
    if (group(Column::Receive)) {
        t.rxFrequency = s.rxFrequency;
        t.txFrequency = s.txFrequency;
        t.rxStepSelect = s.rxStepSelect;
        t.txStepSelect = s.txStepSelect;
        t.txInhibit = s.txInhibit;
        t.clockShift = s.clockShift;
    }
    if (group(Column::ToneType)) {
        t.toneType = s.toneType;
        t.rxCtcss = s.rxCtcss;
        t.txCtcss = s.txCtcss;
        t.rxDcs = s.rxDcs;
        t.txDcs = s.txDcs;
    }
    if (group(Column::RxSave)) {
        t.rxSave = s.rxSave;
        t.txSave = s.txSave;
    }
    if (group(Column::Power)) {
        t.lowPower = s.lowPower;
        t.lowPowerLevel = s.lowPowerLevel;
    }
    const std::pair<Column, int ChannelEntry::*> singles[] = {
        {Column::Scan, &ChannelEntry::scanMember},
        {Column::GroupScan, &ChannelEntry::groupScanMember},
        {Column::TimeOut, &ChannelEntry::totEnabled},
        {Column::Squelch, &ChannelEntry::squelchLevel},
        {Column::Ani, &ChannelEntry::aniEnabled},
        {Column::Encryption, &ChannelEntry::encryption},
        {Column::BusyLockout, &ChannelEntry::busyLockout},
        {Column::CallCode, &ChannelEntry::callCode},
        {Column::ClockShift, &ChannelEntry::clockShift},
        {Column::OutOfRangeAlert, &ChannelEntry::outOfRangeAlert},
    };
    for (const auto& [column, field] : singles) {
        if (group(column))
            t.*field = s.*field;
    }
    // The alert exists only with DCS; a copied tone type without it must not keep a stale one.
    if (t.toneType != kToneDcs)
        t.outOfRangeAlert = 0;
}

std::optional<Column> columnFromName(std::string_view name, int optionUnitType) {
    const auto number = leadingInteger(name);
    if (!name.empty() && std::all_of(name.begin(), name.end(), [](char ch) {
            return std::isdigit(static_cast<unsigned char>(ch)) != 0;
        })) {
        if (number >= 0 && number < kColumnCount)
            return static_cast<Column>(number);
        return std::nullopt;
    }
    const auto lower = [](std::string_view text) {
        std::string s(text);
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        return s;
    };
    for (int c = 0; c < kColumnCount; ++c) {
        if (lower(columnCaption(static_cast<Column>(c), optionUnitType)) == lower(name))
            return static_cast<Column>(c);
    }
    return std::nullopt;
}

} // namespace mz58
