// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMZ58Doc.h"
#include "ProgrammingFile.h"
#include "RecordingPrompter.h"
#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

struct NoChooser final : FileChooser {
    std::optional<fs::path> chooseFileToOpen() override { return std::nullopt; }
    std::optional<fs::path> chooseFileToSave() override { return std::nullopt; }
};

class UnusableValuesTest : public test::TempDirTest {
protected:
    // A UHF image whose channel 12 stores 1269.2 MHz; nothing else the radio cannot use.
    static RadioImage oddImage() {
        RadioImage image = test::freshState(kUhf).image;
        const std::size_t record = kFirstRecord + kChannelRecordSize * 11;
        image[record + 1] |= 0x80;
        image[record + 6] = 0xFE;
        image[record + 7] = 0xE4;
        return image;
    }
    long warnings() const {
        return std::count_if(m_prompter.calls.begin(), m_prompter.calls.end(),
                             [](const auto& c) { return c.id == msg::kUnusableValues; });
    }

    test::RecordingPrompter m_prompter;
    NoChooser m_chooser;
};

// Opening a file and reading the radio both warn once and take the bytes as they are.
TEST_F(UnusableValuesTest, OpenAndReadWarnOnceAndChangeNothing) {
    CMZ58Doc doc(m_prompter, m_chooser, file("program"));
    ASSERT_TRUE(WriteProgrammingFile(file("odd.q7m"), oddImage(), 5.0).ok());
    ASSERT_TRUE(doc.OpenDocumentFile(file("odd.q7m")));
    EXPECT_EQ(warnings(), 1);
    EXPECT_EQ(doc.state().image, oddImage());
    EXPECT_FALSE(doc.IsModified());

    doc.applyUpload(test::freshState(kUhf).image, {});
    EXPECT_EQ(warnings(), 1) << "a usable image says nothing";
    doc.applyUpload(oddImage(), {});
    EXPECT_EQ(warnings(), 2);
    EXPECT_EQ(doc.state().image, oddImage());
}

} // namespace
} // namespace mz58
