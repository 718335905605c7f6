#include "CMZ58Doc.h"

#include "CallCodeSettings.h"
#include "ProgrammingFile.h"
#include "UsabilityWarnings.h"

#include <utility>

namespace fs = std::filesystem;

namespace mz58 {

CMZ58Doc::CMZ58Doc(Prompter& prompter, FileChooser& chooser, fs::path imageDir)
    : m_prompter(prompter), m_chooser(chooser), m_imageDir(std::move(imageDir)) {
    ImageCodec::resetAll(m_state);
}

void CMZ58Doc::OnNewDocument() {
    m_modified = false;
    m_fileName = kNoFileName;
    CreateDocumentData();
    updateViews(kHintRebuild);
}

void CMZ58Doc::CreateDocumentData() {
    m_state = ImageState{};
    ImageCodec::resetAll(m_state);
    m_loaded = false;

    if (m_fileName == kNoFileName) {
        for (int index = 0; index < 3; ++index) {
            if (const auto found = FindDefaultImage(index, m_imageDir)) {
                m_fileName = found->string();
                break;
            }
        }
        if (m_fileName == kNoFileName) {
            // No default image anywhere: the fresh VHF image becomes one.
            m_prompter.tell(WriteDefaultImage(m_imageDir / defaultImageName(kVhf), m_state));
            m_fileName = kNoFileName;
        }
    }
    if (m_fileName != kNoFileName && CheckFile(m_fileName) == FileCheck::Readable) {
        const Status opened = OpenProgrammingFile(m_fileName, m_state);
        m_prompter.tell(opened);
        m_loaded = opened.ok();
    }
    cacheCallFlags();
    titleChanged();
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
    m_state = std::move(loaded);
    m_fileName = path.string();
    m_loaded = true;
    m_modified = false;
    cacheCallFlags();
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
    ImageCodec::encodeAll(m_state);
    if (name.empty() || name == kNoFileName) {
        m_prompter.tell(msg::kFileOpenError, name);
        return false;
    }
    if (const Status written = WriteProgrammingFile(path, m_state.image, m_state.localOffset);
        !written.ok()) {
        m_prompter.tell(written);
        return false;
    }
    m_modified = false;
    m_fileName = name;
    titleChanged();
    return true;
}

bool CMZ58Doc::OnFileSave() {
    return saveTo(m_fileName);
}

bool CMZ58Doc::OnFileSaveAs() {
    const auto chosen = m_chooser.chooseFileToSave();
    if (!chosen)
        return false;
    // The document takes the new name only once the file is written.
    return saveTo(*chosen);
}

bool CMZ58Doc::SaveModified() {
    if (!m_modified)
        return true;
    const std::string name = m_fileName;
    switch (m_prompter.ask(msg::kAskToSave, std::span<const std::string>(&name, 1),
                           Buttons::YesNoCancel, Icon::Question)) {
    case Answer::Yes:
        return OnFileSaveAs();
    case Answer::No:
        m_modified = false;
        return true;
    default:
        return false;
    }
}

ImageState CMZ58Doc::prepareDownload() {
    ImageCodec::encodeAll(m_state);
    return m_state;
}

void CMZ58Doc::applyUpload(const RadioImage& radio) {
    m_state.image = radio;
    ImageCodec::decodeAll(m_state);
    m_loaded = false;
    m_fileName = kNoFileName;
    cacheCallFlags();
    titleChanged();
    updateViews(kHintRebuild);
    tellUsabilityWarnings(m_prompter, m_state);
}

void CMZ58Doc::applyDownload(const ImageState& sent) {
    m_state = sent;
    ImageCodec::decodeAll(m_state);
    cacheCallFlags();
    updateViews(kHintRebuild);
}

void CMZ58Doc::ChangeBand() {
    const int band = m_state.hardware.band;
    m_fileName = kNoFileName;
    bool read = false;
    if (const auto found = FindDefaultImage(band, m_imageDir)) {
        ImageState loaded;
        ImageCodec::resetAll(loaded);
        const Status opened = OpenProgrammingFile(*found, loaded);
        m_prompter.tell(opened);
        if (opened.ok()) {
            m_state = std::move(loaded);
            m_fileName = found->string();
            read = true;
        }
    }
    m_loaded = read;
    if (!read)
        m_prompter.tell(WriteDefaultImage(m_imageDir / defaultImageName(band), m_state));
    ImageCodec::decodeAll(m_state);
    cacheCallFlags();
    titleChanged();
    updateViews(kHintBandChange);
}

void CMZ58Doc::cacheCallFlags() {
    CallCodeSettings calls;
    calls.decode(m_state.image);
    m_callFlags = {};
    if (m_state.optionUnit.type == OptionUnit::k2Tone) {
        m_callFlags.twoToneAutoReset = calls.twoToneAutoReset;
        m_callFlags.twoToneGroupCall = calls.twoToneGroupCall;
    } else {
        m_callFlags.answerBack = calls.answerBack;
    }
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
