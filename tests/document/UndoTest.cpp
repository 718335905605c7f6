// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMZ58Doc.h"
#include "ProgrammingFile.h"
#include "RecordingPrompter.h"
#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

class NoChooser final : public FileChooser {
public:
    std::optional<fs::path> toSave;
    std::optional<fs::path> chooseFileToOpen() override { return std::nullopt; }
    std::optional<fs::path> chooseFileToSave() override { return toSave; }
};

// Undo and redo of the document's history, as the Edit menu and the window drive them.
class UndoTest : public test::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        ASSERT_TRUE(WriteProgrammingFile(file("a.q7m"), test::freshState().image, 0.0).ok());
        m_doc.emplace(m_prompter, m_chooser, m_dir);
        m_doc->onShowPlace = [this](const EditPlace& p) { m_shown.push_back(p.channel); };
        m_doc->onUpdateViews = [this](int hint) { m_hints.push_back(hint); };
        ASSERT_TRUE(m_doc->OpenDocumentFile(file("a.q7m")));
        m_hints.clear();
    }

    // Sets channel `index`'s receive frequency (10 Hz units) as the grid would.
    bool setRx(int index, Frequency rx, int hint = kHintNothing) {
        return m_doc->edit({msg::kStepTyping, {std::to_string(index + 1), "Receive"}},
                           {index / 8, index, 2}, hint, [&](ImageState& s) {
                               s.channels.entries[static_cast<std::size_t>(index)].rxFrequency = rx;
                           });
    }

    test::RecordingPrompter m_prompter;
    NoChooser m_chooser;
    std::optional<CMZ58Doc> m_doc;
    std::vector<int> m_shown;
    std::vector<int> m_hints;
};

TEST_F(UndoTest, UndoAndRedoWalkTheStatesByteForByte) {
    CMZ58Doc& doc = *m_doc;
    const RadioImage opened = doc.state().image;
    ASSERT_TRUE(setRx(2, 14652000));
    const RadioImage first = doc.state().image;
    ASSERT_TRUE(setRx(9, 14552500, kHintRebuild));
    const RadioImage second = doc.state().image;
    EXPECT_NE(opened, first);
    EXPECT_NE(first, second);
    EXPECT_EQ(doc.undoName().id, msg::kStepTyping);
    EXPECT_EQ(doc.undoName().args, (std::vector<std::string>{"10", "Receive"}));

    m_hints.clear();
    doc.undo();
    EXPECT_EQ(doc.state().image, first);
    EXPECT_EQ(doc.state().channels.entries[9].rxFrequency, 15000000u);
    doc.undo();
    EXPECT_EQ(doc.state().image, opened);
    EXPECT_FALSE(doc.canUndo());
    doc.undo(); // nothing left: nothing happens
    EXPECT_EQ(m_shown, (std::vector<int>{9, 2}));
    EXPECT_EQ(m_hints, (std::vector<int>{kHintRebuild, kHintNothing}));

    doc.redo();
    doc.redo();
    EXPECT_EQ(doc.state().image, second);
    EXPECT_EQ(doc.state().channels.entries[2].rxFrequency, 14652000u);
    EXPECT_FALSE(doc.canRedo());

    // A new change after an undo drops what could have been redone.
    doc.undo();
    ASSERT_TRUE(setRx(4, 14600000));
    EXPECT_FALSE(doc.canRedo());
    doc.undo();
    EXPECT_EQ(doc.state().image, first);
}

// The modified mark means "differs from the file as last saved or opened".
TEST_F(UndoTest, ModifiedFollowsTheSavedState) {
    CMZ58Doc& doc = *m_doc;
    EXPECT_FALSE(doc.IsModified());
    setRx(0, 14652000);
    EXPECT_TRUE(doc.IsModified());
    doc.undo();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.SaveModified()); // nothing to ask
    EXPECT_TRUE(m_prompter.calls.empty());
    doc.redo();
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_FALSE(doc.IsModified());
    doc.undo();
    EXPECT_TRUE(doc.IsModified());
    doc.redo();
    EXPECT_FALSE(doc.IsModified());
    // Typing a channel back to its value is a change, and another is no change at all.
    setRx(0, 15000000);
    setRx(0, 14652000);
    EXPECT_FALSE(doc.IsModified());
}

// A Save As between a change and its undo keeps the new name: undo takes back bytes, not names.
TEST_F(UndoTest, UndoAfterSaveAsKeepsTheNewName) {
    CMZ58Doc& doc = *m_doc;
    setRx(0, 14652000);
    m_chooser.toSave = file("b.q7m");
    ASSERT_TRUE(doc.OnFileSaveAs());
    doc.undo();
    EXPECT_EQ(doc.fileName(), file("b.q7m").string());
    EXPECT_TRUE(doc.IsModified());
    doc.redo();
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(UndoTest, AChangeOfNoByteRecordsNoStep) {
    CMZ58Doc& doc = *m_doc;
    EXPECT_FALSE(setRx(0, doc.state().channels.entries[0].rxFrequency));
    EXPECT_FALSE(doc.edit({msg::kStepHardware, {}}, {}, kHintRebuild, [](ImageState&) {}));
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(m_hints.empty());
}

TEST_F(UndoTest, NewOpenAndStartClearTheHistory) {
    const std::function<bool(CMZ58Doc&)> starts[] = {
        [](CMZ58Doc& d) { return d.OnFileNew(); },
        [this](CMZ58Doc& d) { return d.OpenDocumentFile(file("a.q7m")); },
    };
    for (const auto& start : starts) {
        setRx(0, 14652000);
        m_prompter.answer = Answer::No;
        ASSERT_TRUE(start(*m_doc));
        EXPECT_FALSE(m_doc->canUndo());
        EXPECT_FALSE(m_doc->canRedo());
        EXPECT_FALSE(m_doc->IsModified());
    }
}

// A read from the radio is one step: undo gives back the file's image and name.
TEST_F(UndoTest, AReadIsOneStep) {
    CMZ58Doc& doc = *m_doc;
    const RadioImage opened = doc.state().image;
    const ImageState radio = test::freshState(kUhf);
    doc.applyUpload(radio.image, {kBankB, 12, 0});
    EXPECT_EQ(doc.state().image, radio.image);
    EXPECT_EQ(doc.fileName(), "<none>");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.undoName().id, msg::kStepRead);
    doc.undo();
    EXPECT_EQ(doc.state().image, opened);
    EXPECT_EQ(doc.fileName(), file("a.q7m").string());
    EXPECT_TRUE(doc.isLoaded());
    EXPECT_FALSE(doc.IsModified());
    doc.redo();
    EXPECT_EQ(doc.state().hardware.band, kUhf);
    EXPECT_EQ(doc.fileName(), "<none>");
}

// A band change that opens the band's default image: undo goes back to the file it left, which
// then counts as saved again.
TEST_F(UndoTest, ABandChangeIsOneStepWithItsFile) {
    CMZ58Doc& doc = *m_doc;
    ImageState uhfDefault = test::freshState(kUhf);
    uhfDefault.image[500] = 0x5A;
    ASSERT_TRUE(WriteProgrammingFile(m_dir / "Uhfdef.q7m", uhfDefault.image, 5.0).ok());
    const RadioImage opened = doc.state().image;
    ImageState changed = doc.state();
    ImageCodec::changeBand(changed, kUhf);
    doc.ChangeBand(changed, {msg::kStepHardware, {}}, {kBankB, 8, 0});
    EXPECT_EQ(doc.state().image[500], 0x5A);
    EXPECT_FALSE(doc.IsModified());
    doc.undo();
    EXPECT_EQ(doc.state().image, opened);
    EXPECT_EQ(doc.fileName(), file("a.q7m").string());
    EXPECT_FALSE(doc.IsModified());
    doc.redo();
    EXPECT_EQ(doc.fileName(), (m_dir / "Uhfdef.q7m").string());
    EXPECT_FALSE(doc.IsModified());
}

// A write copies the radio's alignment data into the image; undo and redo keep it, and the
// modified mark stays as it was.
TEST_F(UndoTest, AWriteKeepsTheRadiosAlignmentThroughUndo) {
    CMZ58Doc& doc = *m_doc;
    setRx(0, 14652000);
    ImageState sent = doc.prepareDownload();
    for (std::size_t i = AlignmentData::kFirstByte; i <= AlignmentData::kLastTakenByte; ++i)
        sent.image[i] = static_cast<std::uint8_t>(i);
    doc.applyDownload(sent);
    EXPECT_FALSE(doc.canRedo());
    EXPECT_TRUE(doc.IsModified());
    for (const bool undo : {true, false}) {
        undo ? doc.undo() : doc.redo();
        for (std::size_t i = AlignmentData::kFirstByte; i <= AlignmentData::kLastTakenByte; ++i)
            ASSERT_EQ(doc.state().image[i], static_cast<std::uint8_t>(i)) << i;
        EXPECT_EQ(doc.state().channels.entries[0].rxFrequency, undo ? 15000000u : 14652000u);
        EXPECT_EQ(doc.IsModified(), !undo);
    }
}

TEST_F(UndoTest, AHundredStepsTakeLessThan100KB) {
    for (int k = 0; k < 100; ++k)
        ASSERT_TRUE(setRx(k % 16, 14600000 + 2500 * static_cast<Frequency>(k)));
    EXPECT_EQ(m_doc->history().stepCount(), 100u);
    EXPECT_LT(m_doc->history().memoryUsed(), 100u * 1024);
    for (std::size_t k = 0; k < EditHistory::kStepLimit; ++k)
        setRx(static_cast<int>(k % 16), 14600000 + 2500 * static_cast<Frequency>(k / 16 % 2));
    EXPECT_EQ(m_doc->history().stepCount(), EditHistory::kStepLimit);
}

} // namespace
} // namespace mz58
