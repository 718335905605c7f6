// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CellText.h"
#include "ChannelGridLayout.h"
#include "ChannelTable.h"
#include "FrequencyRules.h"
#include "ImageCodec.h"
#include "Messages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mz58 {

// The editing rules of the channel grid: what a key, a list choice or a paste does to a channel.
// The window application and the command line route to these; they decide nothing themselves.

// What an edit needs to know about the radio besides the channel.
struct EditContext {
    HardwareSettings hardware;
    LocalOffset localOffset = 0.0;
    int optionUnitType = OptionUnit::kNone;
    bool encryptionDeviceAbsent = true;
    bool dtmfDeviceAbsent = true;
    // The stored call codes, two bytes each (image bytes 268..287); zeros hold no code.
    std::array<std::uint8_t, 20> callCodes{};

    static EditContext fromState(const ImageState& state);
};

// The outcome of one edit.
struct EditResult {
    enum Kind {
        Done,     // applied (the document is modified, even when no value changed)
        Ignored,  // nothing happens, silently
        Refused,  // nothing changes; beep and, when `message` is set, say why
        OpenList, // the column takes its value from a selection list (selectionList)
    };
    Kind kind = Done;
    // Why an edit was refused or ignored, or a warning that comes with Done (say it).
    std::optional<UserMessage> message;
    // Further warnings of a done edit, said after `message` (a Receive clamped into the band
    // that also moved the derived Transmit).
    std::vector<UserMessage> notes;

    bool done() const { return kind == Done; }
    // `message`, then the notes.
    std::vector<UserMessage> messages() const;
};

// Space or a double click on a cell of channel `channel` (table index `channelIndex`).
[[nodiscard]] EditResult cycleCell(ChannelEntry& channel, int channelIndex, Column column,
                                   const EditContext& context);

// F3 on the decode or encode tone: the DCS code's polarity partner ("Off" stays "Off").
[[nodiscard]] EditResult invertDcs(ChannelEntry& channel, Column column);

// The in-cell frequency editor.
inline constexpr int kFrequencyEditorLength = 9;
// The characters the editor takes: digits, the point, a blank and backspace.
[[nodiscard]] bool frequencyCharAccepted(char c);
// Whether the editor opens on a cell: Receive or Transmit of a channel in use.
[[nodiscard]] bool editorOpens(const ChannelEntry& channel, Column column);
// The text the editor opens with when opened on the cell (not by a typed character): the
// cell's text, but the stored transmit frequency for an inhibited transmitter.
[[nodiscard]] std::string editorText(const ChannelEntry& channel, Column column);
// Commits the editor's text to Receive or Transmit. A text without a number changes nothing
// (Ignored); a frequency the channel cannot hold is refused and named. A value clamped into the
// band or moved onto the step grid is done with a warning that says what was stored.
[[nodiscard]] EditResult enterFrequency(ChannelEntry& channel, Column column, std::string_view text,
                                        const EditContext& context);

// A modal list that gives a tone, a squelch level or a call code.
struct SelectionList {
    std::string caption;
    int columnWidth = 0; // pixels
    std::vector<std::string> entries;
    int selected = -1; // the entry of the current value; -1 when none
    int helpContext = 0;
};
// The list a column opens (Dec, Enc, SQ or the call-code column); empty entries for others.
[[nodiscard]] SelectionList selectionList(const ChannelEntry& channel, Column column,
                                          const EditContext& context);
// OK on the list: `position` is the chosen entry, none when nothing is selected (which changes
// nothing).
[[nodiscard]] EditResult applyListChoice(ChannelEntry& channel, Column column,
                                         const SelectionList& list, std::optional<int> position);

// Pasting `text` into a cell other than "Chn" (the channel copy), exactly as the grid's Paste
// and `mz58 set` do. A refusal changes nothing and says why.
[[nodiscard]] EditResult pasteIntoCell(ChannelEntry& channel, Column column, std::string_view text,
                                       const EditContext& context);

// What a copy of one "Chn" cell put on the clipboard: its text and the channel it came from.
struct CopiedChannel {
    std::string text;
    int channel = 0; // table index
};

// A channel as the user names it across banks: the bank's letter and the number there ("B3").
[[nodiscard]] std::string bankChannelLabel(int channel);

// The channel copy: the table index of the source named by a text pasted into "Chn" of channel
// `targetIndex` while bank `bank` is on show. While the clipboard holds exactly the text of the
// last copied "Chn" cell (`copied`), that cell's channel, whatever bank is on show now; any other
// text names the n-th channel of the bank on show (n 1..8), which is what a "Chn" cell shows.
// A refusal for a text with a point, no number, a number out of range or the target itself.
struct ChannelCopySource {
    std::optional<int> source;
    std::optional<UserMessage> refusal;
};
[[nodiscard]] ChannelCopySource channelCopySource(std::string_view text, int bank, int targetIndex,
                                                  const CopiedChannel* copied = nullptr);
// Copies the fields of the shown column groups (and whether the channel is in use, except into
// the table's first channel).
void copyChannel(const ChannelEntry& source, ChannelEntry& target, int targetIndex,
                 const std::array<bool, kColumnGroupCount>& groupShown);

// A block of cells as copy writes it: rows separated by CR (LF and CR LF are read too, and one
// line break at the end is ignored), cells by tab.
using CellBlock = std::vector<std::vector<std::string>>;
[[nodiscard]] CellBlock splitCellBlock(std::string_view text);

// A block pasted with its first cell on channel `firstChannel` (table index), rows on the
// following channels up to `lastChannel` (the bank's last), cells on `columns` in order (the
// shown columns from the current one on). All or nothing: the first cell that is refused, or
// that falls outside the bank or past the last column, leaves `entries` as they were. A cell in
// "Chn" holds the row's number, not a value: it puts the channel in use, so that whole rows
// copied from one bank can be pasted onto channels of the other that are not in use yet. A cell
// that already shows its text is left as it is.
struct BlockPasteResult {
    bool done = false;
    // The refused cell, or the cell of the first warning of a done paste; none when the block
    // does not fit (`why` names it).
    std::optional<std::pair<int, Column>> cell; // table index, column
    std::optional<UserMessage> why;             // the refusal, or that first warning
};
[[nodiscard]] BlockPasteResult pasteCellBlock(std::array<ChannelEntry, kChannelCount>& entries,
                                              const CellBlock& block, int firstChannel,
                                              int lastChannel, std::span<const Column> columns,
                                              const EditContext& context);

// A column named on the command line: its number 0..20 or its header text ("Receive", "SQ",
// "2Ton"), compared without regard to case.
[[nodiscard]] std::optional<Column> columnFromName(std::string_view name, int optionUnitType);

} // namespace mz58
