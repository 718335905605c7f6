// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelTable.h"
#include "ImageCodec.h"
#include "Messages.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace mz58 {

// Where a change was made, so that undo and redo can show it again.
struct EditPlace {
    int bank = kBankA; // the bank on show
    int channel = -1;  // table index 0..15 of the changed cell's channel; -1 for none
    int column = -1;   // the changed cell's grid column; -1 for none
};

// What a change is called after "Undo" and "Redo" in the Edit menu: a string-table entry with
// its arguments.
struct EditName {
    StringId id = 0;
    std::vector<std::string> args;
};

// A state of the document as its history keeps it: the encoded image and the local offset, and
// what the channel entries hold beyond their records (a tone type chosen before its tones, the
// transmit frequency an inhibited transmitter keeps) and how 2-tone codes are shown.
struct DocumentSnapshot {
    RadioImage image{};
    LocalOffset localOffset = 0.0;
    std::array<std::uint8_t, kChannelCount> toneTypes{};
    std::array<Frequency, kChannelCount> transmitFrequencies{};
    bool twoToneUserDefined = false;

    // The snapshot of an encoded state.
    static DocumentSnapshot of(const ImageState& state);
    // Makes `state` this snapshot: image and offset, decode all, then the entries' own fields.
    void restoreInto(ImageState& state) const;

    bool operator==(const DocumentSnapshot&) const = default;
};

// The file a state belongs to.
struct DocumentName {
    std::string fileName;
    bool loaded = false;

    bool operator==(const DocumentName&) const = default;
};

// A state the modified mark compares with: the file as last saved or opened.
struct SavedState {
    DocumentSnapshot snapshot;
    DocumentName name;
};

// What a step does to the document's file: a read from the radio leaves it untitled, a band
// change opens the band's default image (which the modified mark then compares with).
struct FileChange {
    DocumentName nameBefore;
    DocumentName nameAfter;
    std::optional<SavedState> savedBefore; // set when the step opened another file
    std::optional<SavedState> savedAfter;
};

// The history of whole-document states: one step between two states, undone and redone by
// moving along it. A new step after an undo drops the steps that could have been redone.
class EditHistory {
public:
    struct Step {
        EditName name;
        EditPlace place;
        int hint = 0; // the views' refresh hint of the change, used again by undo and redo
        // Only for the few steps that change the document's file; the others keep the name
        // the document has when they are undone or redone (a Save As in between stays).
        std::shared_ptr<FileChange> file;
    };

    // Steps beyond this many are forgotten, the oldest first.
    static constexpr std::size_t kStepLimit = 1000;

    // Forgets every step: `current` is the only state.
    void reset(DocumentSnapshot current);
    // Records a step from the current state to `after`, which becomes current.
    void record(Step step, DocumentSnapshot after);

    [[nodiscard]] const DocumentSnapshot& current() const { return m_states[m_position]; }
    [[nodiscard]] bool canUndo() const { return m_position > 0; }
    [[nodiscard]] bool canRedo() const { return m_position < m_steps.size(); }
    // The step that undo or redo would take back or make again.
    [[nodiscard]] const Step& undoStep() const { return m_steps[m_position - 1]; }
    [[nodiscard]] const Step& redoStep() const { return m_steps[m_position]; }
    // Moves one step back or forward; the step moved over.
    const Step& undo();
    const Step& redo();

    // Applies `change` to every state of the history, the saved states of its steps included.
    template <class Change> void changeEveryState(Change&& change) {
        for (DocumentSnapshot& state : m_states)
            change(state);
        for (Step& step : m_steps) {
            if (!step.file)
                continue;
            for (auto* saved : {&step.file->savedBefore, &step.file->savedAfter})
                if (*saved)
                    change((*saved)->snapshot);
        }
    }

    [[nodiscard]] std::size_t stepCount() const { return m_steps.size(); }
    // The memory the history holds, in bytes.
    [[nodiscard]] std::size_t memoryUsed() const;

private:
    std::deque<DocumentSnapshot> m_states{DocumentSnapshot{}};
    std::deque<Step> m_steps;
    std::size_t m_position = 0; // index of the current state in m_states
};

} // namespace mz58
