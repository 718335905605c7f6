#include "ProgrammingFile.h"
#include "TempDir.h"
#include "RecordingPrompter.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <limits>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

class ProgrammingFileTest : public test::TempDirTest {
protected:
    fs::path writeBytes(const std::string& name, std::size_t size, std::uint8_t fill = 0x5A) const {
        const fs::path p = file(name);
        std::ofstream out(p, std::ios::binary);
        const std::string bytes(size, static_cast<char>(fill));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p;
    }

    test::RecordingPrompter m_prompter;
};

TEST_F(ProgrammingFileTest, WriteThenReadGivesTheSameImageAndOffset) {
    fs::path deep = m_dir;
    for (int i = 0; i < 6; ++i)
        deep /= std::string(40, static_cast<char>('a' + i));
    fs::create_directories(deep);
    const fs::path longPath = deep / "long-name-programming-file.q7m";
    ASSERT_GT(longPath.string().size(), 240u);

    for (const fs::path& target : {file("a.q7m"), longPath}) {
        SCOPED_TRACE(target.string());
        const RadioImage image = test::randomImage(7);
        ASSERT_TRUE(WriteProgrammingFile(target, image, 5.0, m_prompter, "a"));
        const std::string bytes = contents(target);
        ASSERT_EQ(bytes.size(), 520u);
        EXPECT_EQ(0, std::memcmp(bytes.data(), image.data(), 512));
        // 5.0 as a little-endian IEEE double
        EXPECT_EQ(bytes.substr(512), std::string("\0\0\0\0\0\0\x14\x40", 8));

        RadioImage back{};
        LocalOffset offset = 0;
        ASSERT_TRUE(ReadProgrammingFile(target, back, offset, m_prompter, target.string()));
        EXPECT_EQ(back, image);
        EXPECT_EQ(offset, 5.0);
    }
    EXPECT_TRUE(m_prompter.calls.empty());
}

TEST_F(ProgrammingFileTest, AnyTrailerBitPatternLoadsUnchanged) {
    std::string bytes(512, '\x11');
    bytes += std::string("\x01\x00\x00\x00\x00\x00\xF8\x7F", 8); // a NaN with a payload
    std::ofstream(file("nan.q7m"), std::ios::binary).write(bytes.data(), 520);
    RadioImage image{};
    LocalOffset offset = 0;
    ASSERT_TRUE(ReadProgrammingFile(file("nan.q7m"), image, offset, m_prompter, "x"));
    std::uint64_t bits;
    std::memcpy(&bits, &offset, 8);
    EXPECT_EQ(bits, 0x7FF8000000000001ull);
}

TEST_F(ProgrammingFileTest, FailedReadChangesNothing) {
    struct Case {
        const char* name;
        fs::path path;
        StringId message;
    };
    writeBytes("short.q7m", 300);
    fs::create_directory(file("folder.q7m"));
    const Case cases[] = {
        {"missing file", file("missing.q7m"), msg::kFileOpenError},
        {"empty path", fs::path(), msg::kFileOpenError},
        {"directory", file("folder.q7m"), msg::kFileOpenError},
        {"fewer than 512 bytes", file("short.q7m"), msg::kFileReadError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage image = test::randomImage(3);
        const RadioImage before = image;
        LocalOffset offset = 1.25;
        m_prompter.calls.clear();
        EXPECT_FALSE(ReadProgrammingFile(c.path, image, offset, m_prompter, "current.q7m"));
        EXPECT_EQ(image, before);
        EXPECT_EQ(offset, 1.25);
        ASSERT_EQ(m_prompter.calls.size(), 1u);
        EXPECT_EQ(m_prompter.calls[0].id, c.message);
        EXPECT_EQ(m_prompter.calls[0].args, std::vector<std::string>{"current.q7m"});
    }
}

TEST_F(ProgrammingFileTest, CheckProgrammingFileBySize) {
    struct Case {
        const char* name;
        std::size_t size;
        int result;
        StringId message;
    };
    const Case cases[] = {
        {"empty", 0, kProgrammingFileEmpty, msg::kFileReadError},
        {"519 bytes", 519, kProgrammingFileWrongSize, msg::kFileFormatError},
        {"520 bytes", 520, kProgrammingFileValid, 0},
        {"521 bytes", 521, kProgrammingFileWrongSize, msg::kFileFormatError},
    };
    for (const auto& c : cases) {
        const fs::path p = writeBytes(std::to_string(c.size) + ".q7m", c.size);
        EXPECT_EQ(CheckProgrammingFile(p), c.result) << c.name;
        EXPECT_EQ(checkProgrammingFileMessage(c.result), c.message) << c.name;
    }
    EXPECT_EQ(CheckProgrammingFile(file("missing.q7m")), kProgrammingFileCannotOpen);
    EXPECT_EQ(CheckProgrammingFile(m_dir), kProgrammingFileCannotOpen);
    EXPECT_EQ(CheckProgrammingFile(fs::path()), kProgrammingFileCannotOpen);
    EXPECT_EQ(CheckFile(file("missing.q7m")), kFileCannotOpen);
}

TEST_F(ProgrammingFileTest, SaveIntoAMissingFolderFailsAndCreatesNothing) {
    const fs::path target = file("no-such-folder") / "x.q7m";
    EXPECT_FALSE(WriteProgrammingFile(target, RadioImage{}, 0.0, m_prompter, "x.q7m"));
    ASSERT_EQ(m_prompter.calls.size(), 1u);
    EXPECT_EQ(m_prompter.calls[0].id, msg::kFileCreateError);
    EXPECT_FALSE(fs::exists(file("no-such-folder")));
}

TEST_F(ProgrammingFileTest, SaveReplacesTheOldFileWholeAndLeavesNoTemporary) {
    writeBytes("keep.q7m", 520, 0xAA);
    fs::permissions(file("keep.q7m"), fs::perms::owner_read | fs::perms::owner_write);
    const RadioImage image = test::randomImage(9);
    ASSERT_TRUE(WriteProgrammingFile(file("keep.q7m"), image, 0.0, m_prompter, "keep.q7m"));
    EXPECT_EQ(contents(file("keep.q7m")).substr(0, 512),
              std::string(reinterpret_cast<const char*>(image.data()), 512));
    EXPECT_EQ(fs::status(file("keep.q7m")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator{}), 1);
}

TEST_F(ProgrammingFileTest, SaveThroughASymbolicLinkKeepsTheLink) {
    writeBytes("real.q7m", 520, 0xAA);
    fs::create_symlink(file("real.q7m"), file("link.q7m"));
    ASSERT_TRUE(WriteProgrammingFile(file("link.q7m"), RadioImage{}, 0.0, m_prompter, "link"));
    EXPECT_TRUE(fs::is_symlink(file("link.q7m")));
    EXPECT_EQ(contents(file("real.q7m")).substr(0, 512), std::string(512, '\0'));
}

TEST_F(ProgrammingFileTest, ReadOnlyTargets) {
    EXPECT_TRUE(IsWritable(file("does-not-exist.q7m")));
    const fs::path p = writeBytes("ro.q7m", 520);
    EXPECT_TRUE(IsWritable(p));
    fs::permissions(p, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(IsWritable(p));
}

TEST_F(ProgrammingFileTest, DefaultImageNames) {
    struct Case {
        const char* path;
        bool isDefault;
    };
    const Case cases[] = {
        {"Vhfdef.q7m", true},
        {"/any/folder/Uhfdef.q7m", true},
        {"C:\\MZ58\\Vhfdef.q7m", true},
        {"vhfdef.q7m", false},
        {"/x/VHFDEF.Q7M", false},
        {"/x/Vhfdef.q7m.bak", false},
        {"/Vhfdef.q7m/other.q7m", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsDefaultImageName(c.path), c.isDefault) << c.path;
}

TEST_F(ProgrammingFileTest, FindAndWriteDefaultImages) {
    EXPECT_FALSE(FindDefaultImage(0, m_dir));
    writeBytes("Uhfdef.q7m", 520);
    EXPECT_FALSE(FindDefaultImage(0, m_dir));
    EXPECT_EQ(FindDefaultImage(1, m_dir), file("Uhfdef.q7m"));
    EXPECT_EQ(FindDefaultImage(2, m_dir), file("Uhfdef.q7m"));

    ImageState state = test::freshState();
    state.channels.entries[0].narrow = 1;
    ASSERT_TRUE(WriteDefaultImage(file("Vhfdef.q7m"), state, m_prompter));
    EXPECT_EQ(FindDefaultImage(0, m_dir), file("Vhfdef.q7m"));
    EXPECT_EQ(state.image[kFirstRecord] & 0x08, 0x08) << "encoded before writing";
}

} // namespace
} // namespace mz58
