#pragma once

#include "ImageCodec.h"
#include "Messages.h"
#include "RadioImage.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace mz58 {

// A programming file: the 512 image bytes followed by the local offset as a little-endian double.
inline constexpr std::uintmax_t kProgrammingFileSize = 520;

inline constexpr const char* kNoFileName = "<none>";

// Reads a programming file into `image` and `offset`. On failure reports message 32 or 34
// (with `currentName` as argument) and leaves `image` and `offset` exactly as they were.
[[nodiscard]] bool ReadProgrammingFile(const std::filesystem::path& path, RadioImage& image,
                                       LocalOffset& offset, Prompter& prompter,
                                       const std::string& currentName);

// Writes a programming file atomically: a temporary file beside the target is written, flushed
// and renamed over it. On failure reports message 35 or 33 and leaves the old file as it was.
[[nodiscard]] bool WriteProgrammingFile(const std::filesystem::path& path, const RadioImage& image,
                                        LocalOffset offset, Prompter& prompter,
                                        const std::string& currentName);

// False only when the file exists and its owner-write permission is not set.
bool IsWritable(const std::filesystem::path& path);

enum CheckFileResult : int { kFileReadable = 0, kFileCannotOpen = 1, kFileEmpty = 2 };
// 0 readable with at least one byte, 1 empty path or cannot be opened, 2 no byte could be read.
int CheckFile(const std::filesystem::path& path);

enum CheckProgrammingFileResult : int {
    kProgrammingFileValid = 0,
    kProgrammingFileCannotOpen = 1,
    kProgrammingFileEmpty = 2,
    kProgrammingFileWrongSize = 3
};
int CheckProgrammingFile(const std::filesystem::path& path,
                         std::uintmax_t expectedSize = kProgrammingFileSize);

// The message to show for a CheckProgrammingFile result (0 for a valid file).
StringId checkProgrammingFileMessage(int result);

// The default image names by band index (0 VHF, 1 and 2 UHF).
const char* defaultImageName(int index);

// Looks for the default image of `index` in the program's directory; the path when readable.
std::optional<std::filesystem::path> FindDefaultImage(int index,
                                                      const std::filesystem::path& programDir);

// True when the name-and-extension part of `path` is one of the default names (case-sensitive).
bool IsDefaultImageName(const std::filesystem::path& path);

// Encodes all and writes the image as a default image file.
[[nodiscard]] bool WriteDefaultImage(const std::filesystem::path& path, ImageState& state,
                                     Prompter& prompter);

} // namespace mz58
