// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgrammingFile.h"

#include "FileSizeLimit.h"
#include "PendingFile.h"
#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <limits>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

class ProgrammingFileTest : public test::TempDirTest {
protected:
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_dir), fs::directory_iterator{}));
    }
};

TEST_F(ProgrammingFileTest, WriteThenReadGivesTheSameImageAndOffset) {
    fs::path deep = m_dir;
    for (int i = 0; i < 6; ++i)
        deep /= std::string(40, static_cast<char>('a' + i));
    fs::create_directories(deep);
    const fs::path longPath = deep / "long-name-programming-file.q7m";
    ASSERT_GT(longPath.string().size(), 240u);
    // A name at the file system's 255-byte limit: the temporary's name must not grow with it.
    const fs::path longestName = file(std::string(251, 'n') + ".q7m");

    for (const fs::path& target : {file("a.q7m"), longPath, longestName}) {
        SCOPED_TRACE(target.string());
        const RadioImage image = test::randomImage(7);
        ASSERT_TRUE(WriteProgrammingFile(target, image, 5.0).ok());
        const std::string bytes = contents(target);
        ASSERT_EQ(bytes.size(), 520u);
        EXPECT_EQ(0, std::memcmp(bytes.data(), image.data(), 512));
        // 5.0 as a little-endian IEEE double
        EXPECT_EQ(bytes.substr(512), std::string("\0\0\0\0\0\0\x14\x40", 8));

        RadioImage back{};
        LocalOffset offset = 0;
        ASSERT_TRUE(ReadProgrammingFile(target, back, offset).ok());
        EXPECT_EQ(back, image);
        EXPECT_EQ(offset, 5.0);
    }
}

TEST_F(ProgrammingFileTest, AnyTrailerBitPatternLoadsUnchanged) {
    std::string bytes(512, '\x11');
    bytes += std::string("\x01\x00\x00\x00\x00\x00\xF8\x7F", 8); // a NaN with a payload
    std::ofstream(file("nan.q7m"), std::ios::binary).write(bytes.data(), 520);
    RadioImage image{};
    LocalOffset offset = 0;
    ASSERT_TRUE(ReadProgrammingFile(file("nan.q7m"), image, offset).ok());
    std::uint64_t bits;
    std::memcpy(&bits, &offset, 8);
    EXPECT_EQ(bits, 0x7FF8000000000001ull);

    // A missing or short trailer keeps the offset held before.
    for (const std::size_t trailer : {0u, 3u, 7u}) {
        writeBytes("t.q7m", 512 + trailer, 0x11);
        offset = 1.25;
        ASSERT_TRUE(ReadProgrammingFile(file("t.q7m"), image, offset).ok()) << trailer;
        EXPECT_EQ(image, test::filledImage(0x11));
        EXPECT_EQ(offset, 1.25) << trailer;
    }
}

TEST_F(ProgrammingFileTest, FailedReadChangesNothing) {
    struct Case {
        const char* name;
        fs::path path;
        StringId message;
    };
    writeBytes("short.q7m", 300);
    fs::create_directory(file("folder.q7m"));
    // Opening a FIFO for reading would wait for a writer forever.
    ASSERT_EQ(::mkfifo(file("fifo.q7m").c_str(), 0600), 0);
    const Case cases[] = {
        {"missing file", file("missing.q7m"), msg::kFileOpenError},
        {"empty path", fs::path(), msg::kFileOpenError},
        {"directory", file("folder.q7m"), msg::kFileOpenError},
        {"fewer than 512 bytes", file("short.q7m"), msg::kFileReadError},
        {"FIFO", file("fifo.q7m"), msg::kFileReadError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage image = test::randomImage(3);
        const RadioImage before = image;
        LocalOffset offset = 1.25;
        const Status read = ReadProgrammingFile(c.path, image, offset, "current.q7m");
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(image, before);
        EXPECT_EQ(offset, 1.25);
        EXPECT_EQ(read.error().id, c.message);
        EXPECT_EQ(read.error().args, std::vector<std::string>{"current.q7m"});
        EXPECT_FALSE(read.error().detail.empty()) << "names the cause";
    }
    EXPECT_EQ(CheckProgrammingFile(file("fifo.q7m")), ProgrammingFileCheck::Empty);
}

// The messages each result gives are checked where a document opens a file.
TEST_F(ProgrammingFileTest, CheckProgrammingFileBySize) {
    const struct {
        std::size_t size;
        ProgrammingFileCheck result;
    } cases[] = {{0, ProgrammingFileCheck::Empty},
                 {519, ProgrammingFileCheck::WrongSize},
                 {520, ProgrammingFileCheck::Valid},
                 {521, ProgrammingFileCheck::WrongSize}};
    for (const auto& c : cases)
        EXPECT_EQ(CheckProgrammingFile(writeBytes("f.q7m", c.size)), c.result) << c.size;
    EXPECT_EQ(CheckProgrammingFile(file("missing.q7m")), ProgrammingFileCheck::CannotOpen);
    EXPECT_EQ(CheckProgrammingFile(m_dir), ProgrammingFileCheck::CannotOpen);
    EXPECT_EQ(CheckProgrammingFile(fs::path()), ProgrammingFileCheck::CannotOpen);
}

TEST_F(ProgrammingFileTest, OpenReplacesAnOffsetNoDialogCouldSet) {
    struct Case {
        const char* name;
        double stored;
        int band;
        double loaded; // the stored value when no warning is due
        bool warned;
    };
    const Case cases[] = {
        {"NaN on VHF", std::numeric_limits<double>::quiet_NaN(), kVhf, 0.0, true},
        {"infinity on UHF", std::numeric_limits<double>::infinity(), kUhf, 5.0, true},
        {"1e300", 1e300, kVhf, 99.9, true},
        {"-150", -150.0, kUhf, -99.9, true},
        {"the limit itself", -99.9, kVhf, -99.9, false},
        {"ordinary", 0.6, kVhf, 0.6, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImageState state = test::freshState(c.band);
        ASSERT_TRUE(WriteProgrammingFile(file("o.q7m"), state.image, c.stored).ok());
        const RadioImage written = state.image;
        ImageState opened;
        const Status status = OpenProgrammingFile(file("o.q7m"), opened);
        ASSERT_TRUE(status.ok());
        EXPECT_EQ(opened.localOffset, c.loaded);
        EXPECT_EQ(status.warnings.size(), c.warned ? 1u : 0u);
        EXPECT_EQ(opened.image, written) << "the image bytes are untouched";
    }
}

TEST_F(ProgrammingFileTest, FailedOpenLeavesTheStateAsItWas) {
    ImageState state = test::freshState(kUhf);
    state.channels.entries[3].narrow = 1;
    const RadioImage image = state.image;
    writeBytes("wrong.q7m", 519);
    const Status status = OpenProgrammingFile(file("wrong.q7m"), state);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().id, msg::kFileFormatError);
    EXPECT_EQ(state.image, image);
    EXPECT_EQ(state.channels.entries[3].narrow, 1);
    EXPECT_EQ(state.localOffset, 5.0);
}

TEST_F(ProgrammingFileTest, SaveIntoAMissingFolderFailsAndCreatesNothing) {
    const fs::path target = file("no-such-folder") / "x.q7m";
    const Status status = WriteProgrammingFile(target, RadioImage{}, 0.0, "x.q7m");
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().id, msg::kFileCreateError);
    EXPECT_NE(status.error().detail.find("No such file or directory"), std::string::npos);
    EXPECT_FALSE(fs::exists(file("no-such-folder")));
}

TEST_F(ProgrammingFileTest, AFullDiskKeepsTheOldFileAndNamesTheCause) {
    writeBytes("full.q7m", 520, 0xAA);
    Status status;
    {
        const test::FileSizeLimit limit(300);
        status = WriteProgrammingFile(file("full.q7m"), test::randomImage(1), 0.0);
    }
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().id, msg::kFileWriteError);
    EXPECT_NE(status.error().detail.find("full.q7m"), std::string::npos);
    EXPECT_NE(status.error().detail.find("too large"), std::string::npos) << status.error().detail;
    EXPECT_EQ(contents(file("full.q7m")), std::string(520, '\xAA'));
    EXPECT_EQ(entries(), 1u) << "no temporary left";
}

TEST_F(ProgrammingFileTest, StaleTemporariesOfAKilledSaveAreRemoved) {
    // A child process starts a save of the same target and is killed before it can commit.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        PendingFile pending(file("target.q7m"));
        ::raise(SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    writeBytes("other.q7m", 520);
    ASSERT_EQ(entries(), 2u) << "the killed save left its temporary";

    ASSERT_TRUE(WriteProgrammingFile(file("target.q7m"), RadioImage{}, 0.0).ok());
    EXPECT_EQ(entries(), 2u) << "only target.q7m and other.q7m remain";
}

TEST_F(ProgrammingFileTest, SaveReplacesTheOldFileWholeAndLeavesNoTemporary) {
    writeBytes("keep.q7m", 520, 0xAA);
    fs::permissions(file("keep.q7m"), fs::perms::owner_read | fs::perms::owner_write);
    const RadioImage image = test::randomImage(9);
    ASSERT_TRUE(WriteProgrammingFile(file("keep.q7m"), image, 0.0).ok());
    EXPECT_EQ(contents(file("keep.q7m")).substr(0, 512),
              std::string(reinterpret_cast<const char*>(image.data()), 512));
    EXPECT_EQ(fs::status(file("keep.q7m")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(ProgrammingFileTest, SaveThroughASymbolicLinkKeepsTheLink) {
    writeBytes("real.q7m", 520, 0xAA);
    fs::create_symlink(file("real.q7m"), file("link.q7m"));
    ASSERT_TRUE(WriteProgrammingFile(file("link.q7m"), RadioImage{}, 0.0).ok());
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
    for (const char* name : {"Vhfdef.q7m", "/any/folder/Uhfdef.q7m", "C:\\MZ58\\Vhfdef.q7m"})
        EXPECT_TRUE(IsDefaultImageName(name)) << name;
    for (const char* name :
         {"vhfdef.q7m", "/x/VHFDEF.Q7M", "/x/Vhfdef.q7m.bak", "/Vhfdef.q7m/other.q7m"})
        EXPECT_FALSE(IsDefaultImageName(name)) << name;
}

TEST_F(ProgrammingFileTest, FindAndWriteDefaultImages) {
    EXPECT_FALSE(FindDefaultImage(0, m_dir));
    writeBytes("Uhfdef.q7m", 520);
    EXPECT_FALSE(FindDefaultImage(0, m_dir));
    EXPECT_EQ(FindDefaultImage(1, m_dir), file("Uhfdef.q7m"));
    EXPECT_EQ(FindDefaultImage(2, m_dir), file("Uhfdef.q7m"));

    ImageState state = test::freshState();
    state.channels.entries[0].narrow = 1;
    ASSERT_TRUE(WriteDefaultImage(file("Vhfdef.q7m"), state).ok());
    EXPECT_EQ(FindDefaultImage(0, m_dir), file("Vhfdef.q7m"));
    EXPECT_EQ(state.image[kFirstRecord] & 0x08, 0x08) << "encoded before writing";
}

} // namespace
} // namespace mz58
