// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditHistory.h"
#include "FileChooser.h"
#include "ImageCodec.h"
#include "Messages.h"

#include <filesystem>
#include <functional>
#include <string>
#include <utility>

namespace mz58 {

// View refresh hints. Every change refreshes the grid's changed cells; a hint adds to that.
enum RefreshHint : int {
    kHintNothing = 0,    // the changed cells only
    kHintRebuild = 1,    // rebuild the grid from the channel table (and the header)
    kHintHeader = 2,     // the information header
    kHintBandChange = 4, // the band changed: bank A, rebuild, title, availability
};

// The document: owns the image with its kept objects, runs the file commands and is the one
// writer of its state. Every change goes through commitEdit(), which records one undo step
// when something changed. Questions and messages go through the Prompter, file choices
// through the FileChooser; the window learns about changes through the callbacks.
class CMZ58Doc {
public:
    // `imageDir` is where the default images are looked for and written.
    CMZ58Doc(Prompter& prompter, FileChooser& chooser, std::filesystem::path imageDir);

    // Called once after every change of the state with its refresh hint.
    std::function<void(int hint)> onUpdateViews;
    // Called whenever the title (the file name or the modified mark) may have changed.
    std::function<void()> onTitleChanged;
    // Called whenever what undo and redo offer may have changed.
    std::function<void()> onHistoryChanged;
    // Called after undo and redo with the place of the change, for the view to show it.
    std::function<void(const EditPlace&)> onShowPlace;

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
    // The save-changes question before New, Open, a read from the radio and closing: true to
    // go on. Answering Yes and then cancelling Save As, or a failed save, does not go on.
    bool SaveModified();

    // The one writer of the document's state. `next` is the whole state after the change; it
    // is encoded here. When it differs from the current state it replaces it, one undo step
    // named `name` is recorded, the modified mark follows and the views are refreshed with
    // `hint`. Nothing happens when nothing differs. True when something changed.
    bool commitEdit(ImageState next, const EditName& name, const EditPlace& place, int hint);
    // Runs `change` on a copy of the state and commits the copy.
    template <class Change>
    bool edit(const EditName& name, const EditPlace& place, int hint, Change&& change) {
        ImageState next = m_state;
        std::forward<Change>(change)(next);
        return commitEdit(std::move(next), name, place, hint);
    }

    // The band change after the hardware dialog's OK (`changed` is the dialog's state on the
    // new band): the new band's default image is loaded, or, when there is none, `changed` is
    // written as it. One undo step either way.
    void ChangeBand(ImageState changed, const EditName& name, const EditPlace& place);

    // Transfers work on a copy (the worker never touches the document).
    // The image as it goes to the radio.
    [[nodiscard]] ImageState prepareDownload() const { return m_state; }
    // A successful read: the radio's image replaces the document's, which is renamed "<none>".
    // One undo step.
    void applyUpload(const RadioImage& radio, const EditPlace& place);
    // After a write (whatever its outcome) the copy holds the radio's alignment data: every
    // state of the history takes it, so that undo and redo keep the last radio's alignment.
    // No undo step, and the modified mark stays as it was.
    void applyDownload(const ImageState& sent);

    // Undo and redo move along the history; they never touch the radio.
    [[nodiscard]] bool canUndo() const { return m_history.canUndo(); }
    [[nodiscard]] bool canRedo() const { return m_history.canRedo(); }
    // The name of the step undo or redo would take; only when it can.
    [[nodiscard]] const EditName& undoName() const { return m_history.undoStep().name; }
    [[nodiscard]] const EditName& redoName() const { return m_history.redoStep().name; }
    void undo();
    void redo();
    [[nodiscard]] const EditHistory& history() const { return m_history; }

    // Whether the document differs from the file as last saved or opened.
    [[nodiscard]] bool IsModified() const;
    [[nodiscard]] bool isLoaded() const { return m_name.loaded; }
    [[nodiscard]] const std::string& fileName() const { return m_name.fileName; }
    // The title is always the current file name.
    [[nodiscard]] const std::string& title() const { return m_name.fileName; }
    [[nodiscard]] const std::filesystem::path& imageDir() const { return m_imageDir; }

    // The state is written only through commitEdit() and the file and transfer commands.
    [[nodiscard]] const ImageState& state() const { return m_state; }

private:
    // Builds the image for the current file name (a reset image, a file or a default image).
    void CreateDocumentData();
    // Reads `path` into a new state; on success it replaces the document.
    bool loadFile(const std::filesystem::path& path);
    bool saveTo(const std::filesystem::path& path);
    bool checkBeforeOpen(const std::filesystem::path& path);
    // A new document: `state` (encoded here) with no history, saved as it is.
    void startAfresh(ImageState state);
    // Records a step from the current state to m_state and tells the views.
    void recordStep(EditHistory::Step step);
    // Tells the views after the state, the name or the history changed.
    void changed(int hint, bool wasModified);
    void updateViews(int hint);
    void titleChanged();

    Prompter& m_prompter;
    FileChooser& m_chooser;
    std::filesystem::path m_imageDir;
    ImageState m_state;
    DocumentName m_name{"<none>", false};
    EditHistory m_history;
    SavedState m_saved;
};

} // namespace mz58
