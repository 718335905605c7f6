// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMZ58Doc.h"

#include "ProgrammingFile.h"
#include "UsabilityWarnings.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace fs = std::filesystem;

namespace mz58 {

CMZ58Doc::CMZ58Doc(Prompter& prompter, FileChooser& chooser, fs::path imageDir)
    : m_prompter(prompter), m_chooser(chooser), m_imageDir(std::move(imageDir)) {
    ImageCodec::resetAll(m_state);
    startAfresh(m_state);
}

void CMZ58Doc::OnNewDocument() {
    m_name = {kNoFileName, false};
    CreateDocumentData();
    updateViews(kHintRebuild);
}

void CMZ58Doc::CreateDocumentData() {
    ImageState state;
    ImageCodec::resetAll(state);
    bool loaded = false;

    if (m_name.fileName == kNoFileName) {
        for (int index = 0; index < 3; ++index) {
            if (const auto found = FindDefaultImage(index, m_imageDir)) {
                m_name.fileName = found->string();
                break;
            }
        }
        if (m_name.fileName == kNoFileName) {
            // No default image anywhere: the fresh VHF image becomes one.
            m_prompter.tell(WriteDefaultImage(m_imageDir / defaultImageName(kVhf), state));
        }
    }
    if (m_name.fileName != kNoFileName && CheckFile(m_name.fileName) == FileCheck::Readable) {
        const Status opened = OpenProgrammingFile(m_name.fileName, state);
        m_prompter.tell(opened);
        loaded = opened.ok();
    }
    m_name.loaded = loaded;
    startAfresh(std::move(state));
    titleChanged();
}

void CMZ58Doc::startAfresh(ImageState state) {
    ImageCodec::encodeAll(state);
    m_state = std::move(state);
    m_history.reset(DocumentSnapshot::of(m_state));
    m_saved = {m_history.current(), m_name};
    if (onHistoryChanged)
        onHistoryChanged();
}

bool CMZ58Doc::checkBeforeOpen(const fs::path& path) {
    const Status check = checkProgrammingFileStatus(CheckProgrammingFile(path), path);
    m_prompter.tell(check);
    return check.ok();
}

bool CMZ58Doc::loadFile(const fs::path& path) {
    // Read into a fresh state so that a failed read leaves the document as it was.
    ImageState loaded;
    ImageCodec::resetAll(loaded);
    const Status opened = OpenProgrammingFile(path, loaded);
    m_prompter.tell(opened);
    if (!opened.ok())
        return false;
    m_name = {path.string(), true};
    startAfresh(std::move(loaded));
    titleChanged();
    updateViews(kHintRebuild);
    tellUsabilityWarnings(m_prompter, m_state);
    return true;
}

bool CMZ58Doc::OpenDocumentFile(const fs::path& path) {
    if (!checkBeforeOpen(path) || !SaveModified())
        return false;
    return loadFile(path);
}

bool CMZ58Doc::OnFileNew() {
    if (!SaveModified())
        return false;
    OnNewDocument();
    return true;
}

bool CMZ58Doc::OnFileOpen() {
    const auto chosen = m_chooser.chooseFileToOpen();
    if (!chosen)
        return false;
    return OpenDocumentFile(*chosen);
}

bool CMZ58Doc::saveTo(const fs::path& path) {
    const std::string name = path.string();
    if (!IsWritable(path)) {
        m_prompter.tell(msg::kFileReadOnly, name);
        return false;
    }
    if (IsDefaultImageName(path) && m_prompter.ask(msg::kConfirmWriteDefault, {}, Buttons::YesNo,
                                                   Icon::Question) != Answer::Yes)
        return false;
    if (name.empty() || name == kNoFileName) {
        m_prompter.tell(msg::kFileOpenError, name);
        return false;
    }
    // The state is always encoded: what is saved is what the views show.
    if (const Status written = WriteProgrammingFile(path, m_state.image, m_state.localOffset);
        !written.ok()) {
        m_prompter.tell(written);
        return false;
    }
    m_name.fileName = name;
    m_saved = {m_history.current(), m_name};
    titleChanged();
    return true;
}

bool CMZ58Doc::OnFileSave() {
    return saveTo(m_name.fileName);
}

bool CMZ58Doc::OnFileSaveAs() {
    const auto chosen = m_chooser.chooseFileToSave();
    if (!chosen)
        return false;
    // The document takes the new name only once the file is written.
    return saveTo(*chosen);
}

bool CMZ58Doc::SaveModified() {
    if (!IsModified())
        return true;
    const std::string name = m_name.fileName;
    switch (m_prompter.ask(msg::kAskToSave, std::span<const std::string>(&name, 1),
                           Buttons::YesNoCancel, Icon::Question)) {
    case Answer::Yes:
        return OnFileSaveAs();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

bool CMZ58Doc::IsModified() const {
    return !(m_history.current() == m_saved.snapshot && m_name == m_saved.name);
}

bool CMZ58Doc::commitEdit(ImageState next, const EditName& name, const EditPlace& place, int hint) {
    ImageCodec::encodeAll(next);
    if (DocumentSnapshot::of(next) == m_history.current())
        return false;
    m_state = std::move(next);
    recordStep({name, place, hint, nullptr});
    return true;
}

void CMZ58Doc::recordStep(EditHistory::Step step) {
    const bool wasModified = IsModified();
    m_history.record(std::move(step), DocumentSnapshot::of(m_state));
    changed(m_history.undoStep().hint, wasModified);
}

void CMZ58Doc::ChangeBand(ImageState changed, const EditName& name, const EditPlace& place) {
    const int band = changed.hardware.band;
    auto file = std::make_shared<FileChange>();
    file->nameBefore = m_name;
    file->nameAfter = {kNoFileName, false};
    if (const auto found = FindDefaultImage(band, m_imageDir)) {
        ImageState loaded;
        ImageCodec::resetAll(loaded);
        const Status opened = OpenProgrammingFile(*found, loaded);
        m_prompter.tell(opened);
        if (opened.ok()) {
            changed = std::move(loaded);
            file->nameAfter = {found->string(), true};
        }
    }
    if (!file->nameAfter.loaded)
        m_prompter.tell(WriteDefaultImage(m_imageDir / defaultImageName(band), changed));
    ImageCodec::decodeAll(changed);
    ImageCodec::encodeAll(changed);
    m_state = std::move(changed);
    m_name = file->nameAfter;
    if (file->nameAfter.loaded) {
        // The default image just opened is the file the modified mark now compares with.
        file->savedBefore = m_saved;
        file->savedAfter = SavedState{DocumentSnapshot::of(m_state), m_name};
        m_saved = *file->savedAfter;
    }
    recordStep({name, place, kHintBandChange, std::move(file)});
}

void CMZ58Doc::applyUpload(const RadioImage& radio, const EditPlace& place) {
    ImageState next = m_state;
    next.image = radio;
    ImageCodec::decodeAll(next);
    ImageCodec::encodeAll(next);
    m_state = std::move(next);
    auto file = std::make_shared<FileChange>();
    file->nameBefore = m_name;
    file->nameAfter = m_name = {kNoFileName, false};
    recordStep({{msg::kStepRead, {}}, place, kHintRebuild, std::move(file)});
    tellUsabilityWarnings(m_prompter, m_state);
}

void CMZ58Doc::applyDownload(const ImageState& sent) {
    constexpr auto first = static_cast<std::ptrdiff_t>(AlignmentData::kFirstByte);
    constexpr auto last = static_cast<std::ptrdiff_t>(AlignmentData::kLastTakenByte);
    const auto takeAlignment = [&](DocumentSnapshot& snapshot) {
        if (std::equal(sent.image.begin() + first, sent.image.begin() + last + 1,
                       snapshot.image.begin() + first))
            return;
        std::copy(sent.image.begin() + first, sent.image.begin() + last + 1,
                  snapshot.image.begin() + first);
        // The channels' own alignment values follow the radio's table.
        ImageState state;
        snapshot.restoreInto(state);
        ImageCodec::encodeAll(state);
        snapshot = DocumentSnapshot::of(state);
    };
    DocumentSnapshot current = m_history.current();
    takeAlignment(current);
    if (current == m_history.current())
        return;
    m_history.changeEveryState(takeAlignment);
    takeAlignment(m_saved.snapshot);
    m_history.current().restoreInto(m_state);
    updateViews(kHintRebuild);
}

void CMZ58Doc::undo() {
    if (!canUndo())
        return;
    const bool wasModified = IsModified();
    const EditHistory::Step& step = m_history.undo();
    m_history.current().restoreInto(m_state);
    if (const FileChange* file = step.file.get()) {
        m_name = file->nameBefore;
        if (file->savedBefore)
            m_saved = *file->savedBefore;
    }
    const EditPlace place = step.place;
    changed(step.hint, wasModified);
    if (onShowPlace)
        onShowPlace(place);
}

void CMZ58Doc::redo() {
    if (!canRedo())
        return;
    const bool wasModified = IsModified();
    const EditHistory::Step& step = m_history.redo();
    m_history.current().restoreInto(m_state);
    if (const FileChange* file = step.file.get()) {
        m_name = file->nameAfter;
        if (file->savedAfter)
            m_saved = *file->savedAfter;
    }
    const EditPlace place = step.place;
    changed(step.hint, wasModified);
    if (onShowPlace)
        onShowPlace(place);
}

void CMZ58Doc::changed(int hint, bool wasModified) {
    updateViews(hint);
    if (IsModified() != wasModified || hint & kHintBandChange || hint & kHintRebuild)
        titleChanged();
    if (onHistoryChanged)
        onHistoryChanged();
}

void CMZ58Doc::updateViews(int hint) {
    if (onUpdateViews)
        onUpdateViews(hint);
}

void CMZ58Doc::titleChanged() {
    if (onTitleChanged)
        onTitleChanged();
}

} // namespace mz58
