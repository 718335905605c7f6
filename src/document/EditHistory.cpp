// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditHistory.h"

namespace mz58 {

DocumentSnapshot DocumentSnapshot::of(const ImageState& state) {
    DocumentSnapshot snapshot;
    snapshot.image = state.image;
    snapshot.localOffset = state.localOffset;
    for (std::size_t k = 0; k < kChannelCount; ++k) {
        const ChannelEntry& entry = state.channels.entries[k];
        snapshot.toneTypes[k] = static_cast<std::uint8_t>(entry.toneType);
        snapshot.transmitFrequencies[k] = entry.txFrequency;
    }
    snapshot.twoToneUserDefined = state.twoToneUserDefined;
    return snapshot;
}

void DocumentSnapshot::restoreInto(ImageState& state) const {
    state.image = image;
    state.localOffset = localOffset;
    ImageCodec::decodeAll(state);
    for (std::size_t k = 0; k < kChannelCount; ++k) {
        ChannelEntry& entry = state.channels.entries[k];
        entry.toneType = toneTypes[k];
        entry.txFrequency = transmitFrequencies[k];
    }
    state.twoToneUserDefined = twoToneUserDefined;
}

void EditHistory::reset(DocumentSnapshot current) {
    m_states = {std::move(current)};
    m_steps.clear();
    m_position = 0;
}

void EditHistory::record(Step step, DocumentSnapshot after) {
    m_states.resize(m_position + 1);
    m_steps.resize(m_position);
    m_states.push_back(std::move(after));
    m_steps.push_back(std::move(step));
    ++m_position;
    if (m_steps.size() > kStepLimit) {
        m_states.pop_front();
        m_steps.pop_front();
        --m_position;
    }
}

const EditHistory::Step& EditHistory::undo() {
    --m_position;
    return m_steps[m_position];
}

const EditHistory::Step& EditHistory::redo() {
    ++m_position;
    return m_steps[m_position - 1];
}

namespace {

// The heap a string holds beyond its own size (short strings live inside it).
std::size_t heapOf(const std::string& text) {
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

} // namespace

std::size_t EditHistory::memoryUsed() const {
    std::size_t bytes = sizeof(*this) + m_states.size() * sizeof(DocumentSnapshot);
    for (const Step& step : m_steps) {
        bytes += sizeof(Step) + step.name.args.capacity() * sizeof(std::string);
        for (const std::string& arg : step.name.args)
            bytes += heapOf(arg);
        if (const FileChange* file = step.file.get()) {
            bytes += sizeof(FileChange) + heapOf(file->nameBefore.fileName) +
                     heapOf(file->nameAfter.fileName);
            for (const auto* saved : {&file->savedBefore, &file->savedAfter})
                if (*saved)
                    bytes += heapOf((*saved)->name.fileName);
        }
    }
    return bytes;
}

} // namespace mz58
