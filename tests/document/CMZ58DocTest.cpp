// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMZ58Doc.h"
#include "ProgrammingFile.h"
#include "RecordingPrompter.h"
#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <vector>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

class ScriptedChooser final : public FileChooser {
public:
    std::optional<fs::path> toOpen;
    std::optional<fs::path> toSave;
    int saveCalls = 0;
    std::optional<fs::path> chooseFileToOpen() override { return toOpen; }
    std::optional<fs::path> chooseFileToSave() override {
        ++saveCalls;
        return toSave;
    }
};

class CMZ58DocTest : public test::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        fs::create_directories(imageDir());
    }
    fs::path imageDir() const { return file("program"); }

    // A document as the program starts it; without default images unless `keepImages`.
    CMZ58Doc& makeDoc(bool keepImages = false) {
        if (!keepImages) {
            fs::remove(imageDir() / "Vhfdef.q7m");
            fs::remove(imageDir() / "Uhfdef.q7m");
        }
        m_doc.emplace(m_prompter, m_chooser, imageDir());
        m_doc->onUpdateViews = [this](int hint) { m_hints.push_back(hint); };
        m_doc->OnNewDocument();
        m_prompter.calls.clear();
        m_hints.clear();
        return *m_doc;
    }

    fs::path writeImage(const std::string& name, std::uint8_t fill) const {
        const fs::path p = file(name);
        EXPECT_TRUE(WriteProgrammingFile(p, test::filledImage(fill), 5.0).ok());
        return p;
    }

    // A change of channel `index`'s in-use flag through the document.
    static bool toggleInUse(CMZ58Doc& doc, int index = 0) {
        return doc.edit({msg::kStepChange, {}}, {kBankA, index, 0}, kHintNothing,
                        [index](ImageState& s) {
                            auto& entry = s.channels.entries[static_cast<std::size_t>(index)];
                            entry.inUse = entry.inUse ? 0 : 1;
                        });
    }

    std::vector<StringId> messages() const {
        std::vector<StringId> ids;
        for (const auto& call : m_prompter.calls)
            ids.push_back(call.id);
        return ids;
    }

    test::RecordingPrompter m_prompter;
    ScriptedChooser m_chooser;
    std::optional<CMZ58Doc> m_doc;
    std::vector<int> m_hints;
};

TEST_F(CMZ58DocTest, StartTakesTheFirstDefaultImageFound) {
    ImageState uhf = test::freshState(kUhf);
    ASSERT_TRUE(WriteProgrammingFile(imageDir() / "Uhfdef.q7m", uhf.image, 5.0).ok());
    CMZ58Doc& doc = makeDoc(true);
    EXPECT_EQ(doc.fileName(), (imageDir() / "Uhfdef.q7m").string());
    EXPECT_TRUE(doc.isLoaded());
    EXPECT_EQ(doc.state().hardware.band, kUhf);
    EXPECT_EQ(doc.state().localOffset, 5.0);
    EXPECT_FALSE(fs::exists(imageDir() / "Vhfdef.q7m"));
}

// Every way of loading a file refuses one of the wrong size, leaving the document alone.
TEST_F(CMZ58DocTest, OpenChecksTheFileBeforeLoading) {
    struct Case {
        const char* name;
        std::optional<std::size_t> size; // nullopt: no such file
        StringId message;
    };
    const Case cases[] = {
        {"short.q7m", 519, msg::kFileFormatError},
        {"empty.q7m", 0, msg::kFileReadError},
        {"missing.q7m", std::nullopt, msg::kFileOpenError},
    };
    for (const bool fromMenu : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (fromMenu ? " menu" : " command line"));
            CMZ58Doc& doc = makeDoc();
            toggleInUse(doc);
            m_hints.clear();
            const fs::path path = c.size ? writeBytes(c.name, *c.size) : file(c.name);
            m_chooser.toOpen = path;
            EXPECT_FALSE(fromMenu ? doc.OnFileOpen() : doc.OpenDocumentFile(path));
            ASSERT_EQ(messages(), std::vector<StringId>{c.message});
            // Message 37 names no file; the others name the one chosen.
            if (c.message != msg::kFileFormatError) {
                EXPECT_EQ(m_prompter.calls[0].args, std::vector<std::string>{path.string()});
            }
            EXPECT_EQ(doc.fileName(), "<none>");
            EXPECT_TRUE(doc.IsModified());
            EXPECT_FALSE(doc.state().channels.entries[0].inUse);
            EXPECT_TRUE(m_hints.empty());
        }
    }
}

TEST_F(CMZ58DocTest, OpenLoadsTheFileAndRebuildsTheGrid) {
    CMZ58Doc& doc = makeDoc();
    const ImageState uhf = test::freshState(kUhf);
    ASSERT_TRUE(WriteProgrammingFile(file("a.q7m"), uhf.image, 7.5).ok());
    m_chooser.toOpen = file("a.q7m");
    ASSERT_TRUE(doc.OnFileOpen());
    EXPECT_EQ(doc.fileName(), file("a.q7m").string());
    EXPECT_EQ(doc.state().image, uhf.image);
    EXPECT_EQ(doc.state().localOffset, 7.5);
    EXPECT_EQ(doc.state().hardware.band, kUhf);
    EXPECT_TRUE(doc.isLoaded());
    EXPECT_EQ(m_hints, std::vector<int>{kHintRebuild});

    m_hints.clear();
    ASSERT_TRUE(doc.OnFileNew());
    EXPECT_EQ(m_hints, std::vector<int>{kHintRebuild});
    EXPECT_EQ(doc.fileName(), (imageDir() / "Vhfdef.q7m").string());
}

// The save-changes question: only a written file or No goes on; the changes stay otherwise.
TEST_F(CMZ58DocTest, SaveModifiedGoesOnOnlyWhenTheChangesAreSafeOrDropped) {
    struct Case {
        const char* what;
        Answer answer;
        std::optional<const char*> saveAs;
        bool goesOn, modifiedAfter, written;
    };
    const Case cases[] = {
        {"no", Answer::No, std::nullopt, true, true, false},
        {"cancel", Answer::Cancel, std::nullopt, false, true, false},
        {"yes then cancel save as", Answer::Yes, std::nullopt, false, true, false},
        {"yes and saved", Answer::Yes, "saved.q7m", true, false, true},
        {"yes but the folder is missing", Answer::Yes, "no/such/saved.q7m", false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMZ58Doc& doc = makeDoc();
        toggleInUse(doc);
        m_prompter.answer = c.answer;
        m_chooser.toSave = c.saveAs ? std::optional<fs::path>(file(*c.saveAs)) : std::nullopt;
        EXPECT_EQ(doc.SaveModified(), c.goesOn);
        EXPECT_EQ(doc.IsModified(), c.modifiedAfter);
        ASSERT_FALSE(m_prompter.calls.empty());
        EXPECT_EQ(m_prompter.calls[0].id, msg::kAskToSave);
        EXPECT_EQ(m_prompter.calls[0].args, std::vector<std::string>{"<none>"});
        EXPECT_EQ(m_prompter.calls[0].buttons, Buttons::YesNoCancel);
        if (c.saveAs) {
            EXPECT_EQ(fs::exists(file(*c.saveAs)), c.written);
        }
        EXPECT_EQ(doc.fileName(), c.written ? file(*c.saveAs).string() : "<none>");
    }
}

TEST_F(CMZ58DocTest, SaveRefusesWhatItCannotOrMustNotWrite) {
    struct Case {
        const char* what;
        const char* name; // nullptr: the untitled document
        bool readOnly;
        Answer answer;
        StringId message;
    };
    const Case cases[] = {
        {"untitled", nullptr, false, Answer::Ok, msg::kFileOpenError},
        {"read-only", "ro.q7m", true, Answer::Ok, msg::kFileReadOnly},
        {"default image, answered No", "Vhfdef.q7m", false, Answer::No, msg::kConfirmWriteDefault},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMZ58Doc& doc = makeDoc();
        fs::path target;
        if (c.name) {
            target = writeImage(c.name, 0x33);
            m_chooser.toOpen = target;
            ASSERT_TRUE(doc.OnFileOpen());
            if (c.readOnly)
                fs::permissions(target, fs::perms::owner_write, fs::perm_options::remove);
        }
        toggleInUse(doc);
        m_prompter.calls.clear();
        m_hints.clear();
        m_prompter.answer = c.answer;
        EXPECT_FALSE(doc.OnFileSave());
        EXPECT_EQ(messages(), std::vector<StringId>{c.message});
        EXPECT_TRUE(doc.IsModified());
        if (c.name) {
            EXPECT_EQ(contents(target), std::string(512, '\x33') + contents(target).substr(512));
            fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
        }
    }
}

TEST_F(CMZ58DocTest, SaveWritesTheEditsAndRefreshesOnlyTheTitle) {
    CMZ58Doc& doc = makeDoc();
    int titles = 0;
    doc.onTitleChanged = [&] { ++titles; };
    m_chooser.toSave = file("out.q7m");
    toggleInUse(doc, 2);
    titles = 0;
    m_hints.clear();
    ASSERT_TRUE(doc.OnFileSaveAs());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.fileName(), file("out.q7m").string());
    EXPECT_TRUE(m_hints.empty());
    EXPECT_EQ(titles, 1);

    m_chooser.toOpen = file("out.q7m");
    ASSERT_TRUE(doc.OnFileOpen());
    EXPECT_FALSE(doc.state().channels.entries[2].inUse);
}

// The band change takes the new band's default image when there is one, else writes it.
TEST_F(CMZ58DocTest, BandChangeTakesOrWritesTheBandsDefaultImage) {
    for (const bool present : {false, true}) {
        SCOPED_TRACE(present ? "present" : "missing");
        CMZ58Doc& doc = makeDoc();
        const fs::path uhf = imageDir() / "Uhfdef.q7m";
        if (present) {
            ImageState image = test::freshState(kUhf);
            image.image[500] = 0x5A;
            ASSERT_TRUE(WriteProgrammingFile(uhf, image.image, 5.0).ok());
        }
        ImageState changed = doc.state();
        ImageCodec::changeBand(changed, kUhf);
        doc.ChangeBand(changed, {msg::kStepHardware, {}}, {});
        EXPECT_EQ(doc.fileName(), present ? uhf.string() : "<none>");
        EXPECT_EQ(doc.isLoaded(), present);
        EXPECT_EQ(doc.state().hardware.band, kUhf);
        EXPECT_EQ(doc.state().image[500] == 0x5A, present);
        EXPECT_EQ(contents(uhf).size(), 520u);
        EXPECT_EQ(m_hints, std::vector<int>{kHintBandChange});
    }
}

} // namespace
} // namespace mz58
