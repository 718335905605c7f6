// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioBackup.h"

#include "CloneProtocol.h"
#include "LinkMessages.h"
#include "ProgrammingFile.h"
#include "ProtocolFixtures.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>

#include <unistd.h>

namespace mz58::test {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(RadioBackup, DefaultDirectoryFollowsTheDataHome) {
    const struct {
        std::optional<std::string> dataHome;
        const char* expected;
    } cases[] = {
        {std::string("/data/home"), "/data/home/MZ58Win/backups"},
        {std::nullopt, "/home/ham/.local/share/MZ58Win/backups"},
        {std::string(""), "/home/ham/.local/share/MZ58Win/backups"},
        // A relative data home is ignored, as the base-directory convention says.
        {std::string("relative/dir"), "/home/ham/.local/share/MZ58Win/backups"},
    };
    ScopedEnv home("HOME", "/home/ham");
    for (const auto& c : cases) {
        ScopedEnv dataHome("XDG_DATA_HOME", c.dataHome);
        EXPECT_EQ(defaultBackupDirectory(), fs::path(c.expected));
    }
}

TEST(RadioBackup, FileNameCarriesSerialNumberAndLocalTime) {
    const std::time_t t = 1700000000;
    std::tm tm{};
    ::localtime_r(&t, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    const auto when = std::chrono::system_clock::from_time_t(t);

    const struct {
        std::uint8_t bytes[3];
        const char* serial;
    } cases[] = {{{0x12, 0x34, 0x56}, "123456"},
                 {{0x00, 0x00, 0x00}, "000000"},
                 // Codes A..D, "*" and "#" stay safe in a file name.
                 {{0xAB, 0xCD, 0xEF}, "ABCDEF"}};
    for (const auto& c : cases) {
        RadioImage image{};
        std::copy(std::begin(c.bytes), std::end(c.bytes), image.begin() + 349);
        EXPECT_EQ(backupFileName(image, when),
                  std::string("QM610-") + c.serial + "-" + stamp + ".q7m");
    }
}

class RadioBackupFiles : public TempDirTest {};

TEST_F(RadioBackupFiles, WritesTheRadioImageWithItsBandOffsetAndNeverOverwrites) {
    const auto when = std::chrono::system_clock::now();
    for (const int band : {int{kVhf}, int{kUhf}}) {
        ImageState state = freshState(band);
        state.image[400] = 0x99;
        const fs::path target = m_dir / ("band" + std::to_string(band)) / "backups";

        const BackupResult first = writeRadioBackup(target, state.image, when);
        const BackupResult second = writeRadioBackup(target, state.image, when);

        ASSERT_TRUE(first.ok) << first.error;
        ASSERT_TRUE(second.ok) << second.error;
        EXPECT_EQ(second.file.stem().string(), first.file.stem().string() + "-2");
        RadioImage read{};
        LocalOffset offset = -1;
        ASSERT_TRUE(ReadProgrammingFile(first.file, read, offset).ok());
        EXPECT_EQ(read, state.image);
        EXPECT_EQ(offset, bandDefaultLocalOffset(band));
    }
}

class DownloadBackupTest : public TempDirTest, public ProtocolRun {};

TEST_F(DownloadBackupTest, KeepsTheRadioMemoryBeforeSending) {
    const fs::path target = m_dir / "kept";
    fs::path backupWhenAnnounced;
    link.onToken = [&](const std::string& t) {
        if (t == "T60" && fs::is_directory(target))
            backupWhenAnnounced = fs::directory_iterator(target)->path();
    };

    const auto result = download({.backupDirectory = target});

    EXPECT_EQ(result.message, msg::kWriteComplete);
    EXPECT_EQ(result.backupFile, backupWhenAnnounced) << "backup exists before 0x60";
    std::ifstream in(result.backupFile, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_EQ(bytes.size(), kProgrammingFileSize);
    EXPECT_TRUE(std::equal(radioImage.begin(), radioImage.end(),
                           reinterpret_cast<const std::uint8_t*>(bytes.data())));
}

TEST_F(DownloadBackupTest, SendsNothingWhenTheBackupCannotBeWritten) {
    const fs::path blocker = m_dir / "blocker";
    std::ofstream(blocker) << "x";
    const RadioImage before = ProtocolRun::file.image;

    const auto result = download({.backupDirectory = blocker});

    EXPECT_EQ(result.message, msg::kBackupFailed);
    ASSERT_GE(observer.calls.size(), 2u);
    EXPECT_NE(observer.calls[observer.calls.size() - 2].find(blocker.string()), std::string::npos)
        << "the message names the folder that could not be written";
    EXPECT_TRUE(result.backupFile.empty());
    EXPECT_TRUE(link.transcript.ends_with("W55 T06 R06")) << "nothing sent after the ack";
    EXPECT_TRUE(radio.pcBlock.empty());
    EXPECT_EQ(ProtocolRun::file.image, before) << "nothing taken from the radio either";
}

} // namespace
} // namespace mz58::test
