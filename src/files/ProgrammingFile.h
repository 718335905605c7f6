// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageCodec.h"
#include "Messages.h"
#include "RadioImage.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mz58 {

// A programming file: the 512 image bytes followed by the local offset as a little-endian double.
inline constexpr std::uintmax_t kProgrammingFileSize = 520;

inline constexpr const char* kNoFileName = "<none>";

// Reads a programming file into `image` and `offset`. On failure (message 32 or 34 with
// `displayName`, the path when empty) `image` and `offset` are exactly as they were. Only a
// regular file is opened: a FIFO, device or socket is refused at once.
Status ReadProgrammingFile(const std::filesystem::path& path, RadioImage& image,
                           LocalOffset& offset, const std::string& displayName = {});

// Writes `bytes` as the file `path` atomically: a temporary file beside the target is written,
// flushed and renamed over it. On failure (message 35 with `displayName`, the path when empty,
// or 33, with the file and the reason as detail) the old file is as it was.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           const std::string& displayName = {});

// Writes a programming file atomically: a temporary file beside the target is written, flushed
// and renamed over it. On failure (message 35 or 33, with the file and the reason as detail)
// the old file is as it was.
Status WriteProgrammingFile(const std::filesystem::path& path, const RadioImage& image,
                            LocalOffset offset, const std::string& displayName = {});

// False only when the file exists and its owner-write permission is not set.
bool IsWritable(const std::filesystem::path& path);

enum class [[nodiscard]] FileCheck{Readable = 0, CannotOpen = 1, Empty = 2};
// Readable with at least one byte; cannot open (empty path, missing, a folder, no permission);
// empty (no byte could be read, or not a regular file, which is never opened).
FileCheck CheckFile(const std::filesystem::path& path);

enum class [[nodiscard]] ProgrammingFileCheck{Valid = 0, CannotOpen = 1, Empty = 2, WrongSize = 3};
ProgrammingFileCheck CheckProgrammingFile(const std::filesystem::path& path,
                                          std::uintmax_t expectedSize = kProgrammingFileSize);

// The message of a failed check (32, 34 with the path, or 37); success for a valid file.
Status checkProgrammingFileStatus(ProgrammingFileCheck check, const std::filesystem::path& path);

// File > Open of a programming file: the size check, the read, reset all and decode all. A
// local offset that no dialog could have set (not a number, beyond +-99.9 MHz) is replaced,
// with a warning, by the band's default or the nearest limit; the image bytes stay as read.
// On failure `state` is exactly as it was.
Status OpenProgrammingFile(const std::filesystem::path& path, ImageState& state);

// File > Save: refuses a read-only file (message 49), encodes all and writes atomically.
Status SaveProgrammingFile(const std::filesystem::path& path, ImageState& state);

// The default image names by band index (0 VHF, 1 and 2 UHF).
const char* defaultImageName(int index);

// Looks for the default image of `index` in the program's directory; the path when readable.
std::optional<std::filesystem::path> FindDefaultImage(int index,
                                                      const std::filesystem::path& programDir);

// True when the name-and-extension part of `path` is one of the default names (case-sensitive).
bool IsDefaultImageName(const std::filesystem::path& path);

// Encodes all and writes the image as a default image file.
Status WriteDefaultImage(const std::filesystem::path& path, ImageState& state);

// Writes a fresh image of `band` (as `mz58 new` makes it) as a programming file, silently.
[[nodiscard]] bool writeFreshImageFile(const std::filesystem::path& path, int band);

} // namespace mz58
