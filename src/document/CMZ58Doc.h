#pragma once

#include "FileChooser.h"
#include "ImageCodec.h"
#include "Messages.h"

#include <filesystem>
#include <functional>
#include <span>
#include <string>

namespace mz58 {

// View refresh hints.
enum RefreshHint : int {
    kHintNothing = 0,
    kHintRebuild = 1,    // rebuild the grid from the channel table (and the header)
    kHintHeader = 2,     // the information header only
    kHintBandChange = 4, // the band changed: bank A, rebuild, title, availability
};

// Byte 267 flags cached after every load: with the 2Tone unit its automatic reset and group
// call, otherwise the DTMF answer back.
struct OptionUnitCallFlags {
    int answerBack = 0;
    int twoToneAutoReset = 0;
    int twoToneGroupCall = 0;
    bool operator==(const OptionUnitCallFlags&) const = default;
};

// The document: owns the image with its kept objects and runs the file commands. Questions
// and messages go through the Prompter, file choices through the FileChooser; the window
// learns about changes through the two callbacks.
class CMZ58Doc {
public:
    // `imageDir` is where the default images are looked for and written.
    CMZ58Doc(Prompter& prompter, FileChooser& chooser, std::filesystem::path imageDir);

    // Called with a refresh hint whenever the views must update.
    std::function<void(int hint)> onUpdateViews;
    // Called whenever the title (the current file name) may have changed.
    std::function<void()> onTitleChanged;

    // A new document at start-up: the first default image found, else a fresh image that is
    // also written as the VHF default image.
    void OnNewDocument();
    // Loads a named file (command line, recent files, a dropped file) after the same checks
    // as File > Open; false (document unchanged) when refused or cancelled.
    bool OpenDocumentFile(const std::filesystem::path& path);

    // The file commands. Each returns true when it did what it was asked.
    bool OnFileNew();
    bool OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    // The save-changes question before New, Open and closing: true to go on. Answering Yes
    // and then cancelling Save As, or a failed save, does not go on (the changes stay).
    bool SaveModified();

    // Transfers work on a copy (the worker never touches the document).
    // The image as it goes to the radio: encode all, then a copy of the state.
    ImageState prepareDownload();
    // A successful upload only: the radio's image replaces the document's, which is renamed
    // "<none>" and rebuilt.
    void applyUpload(const RadioImage& radio);
    // After a download (whatever its outcome) the copy holds the radio's alignment data.
    void applyDownload(const ImageState& sent);

    // The band change: the new band's default image (or a fresh one written as it).
    void ChangeBand();

    void SetModifiedFlag(bool modified = true) { m_modified = modified; }
    [[nodiscard]] bool IsModified() const { return m_modified; }
    [[nodiscard]] bool isLoaded() const { return m_loaded; }
    [[nodiscard]] const std::string& fileName() const { return m_fileName; }
    // The title is always the current file name.
    [[nodiscard]] const std::string& title() const { return m_fileName; }
    [[nodiscard]] const OptionUnitCallFlags& callFlags() const { return m_callFlags; }
    [[nodiscard]] const std::filesystem::path& imageDir() const { return m_imageDir; }

    ImageState& state() { return m_state; }
    const ImageState& state() const { return m_state; }

private:
    // Builds the image for the current file name (a reset image, a file or a default image).
    void CreateDocumentData();
    // Reads `path` into a new state; on success it replaces the document. The file
    // functions' messages name `shownName`.
    bool loadFile(const std::filesystem::path& path);
    bool saveTo(const std::filesystem::path& path);
    bool checkBeforeOpen(const std::filesystem::path& path);
    void cacheCallFlags();
    void updateViews(int hint);
    void titleChanged();

    Prompter& m_prompter;
    FileChooser& m_chooser;
    std::filesystem::path m_imageDir;
    ImageState m_state;
    std::string m_fileName = "<none>";
    bool m_modified = false;
    bool m_loaded = false;
    OptionUnitCallFlags m_callFlags;
};

} // namespace mz58
