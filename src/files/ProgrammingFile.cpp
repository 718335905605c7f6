// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgrammingFile.h"

#include "PendingFile.h"

#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

constexpr std::size_t kBlockSize = 128; // the reader takes the image in four blocks
constexpr std::size_t kBlockCount = kImageSize / kBlockSize;
constexpr std::size_t kTrailerSize = 8;

constexpr std::array<const char*, 3> kDefaultImageNames{"Vhfdef.q7m", "Uhfdef.q7m", "Uhfdef.q7m"};

std::array<std::uint8_t, kTrailerSize> encodeOffset(LocalOffset offset) {
    const auto bits = std::bit_cast<std::uint64_t>(offset);
    std::array<std::uint8_t, kTrailerSize> bytes{};
    for (std::size_t i = 0; i < kTrailerSize; ++i)
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return bytes;
}

LocalOffset decodeOffset(const std::array<std::uint8_t, kTrailerSize>& bytes) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < kTrailerSize; ++i)
        bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    return std::bit_cast<LocalOffset>(bits);
}

bool isDirectory(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// Something that exists but is neither a regular file nor a folder (a FIFO, device or socket):
// opening it for reading could wait forever, so it is never opened.
bool isSpecialFile(const fs::path& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    return !ec && fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

std::string nameFor(const fs::path& path, const std::string& displayName) {
    return displayName.empty() ? path.string() : displayName;
}

std::string reasonFor(const fs::path& path, int error) {
    return path.string() + ": " + std::generic_category().message(error);
}

// Why a file cannot be opened for reading, in the operating system's words.
std::string openFailure(const fs::path& path) {
    if (path.empty())
        return "no file name";
    if (isDirectory(path))
        return reasonFor(path, EISDIR);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    return reasonFor(path, errno ? errno : ENOENT);
}

UserMessage fileMessage(StringId id, const fs::path& path, const std::string& displayName,
                        std::string detail) {
    return {id, {nameFor(path, displayName)}, std::move(detail)};
}

// A local offset as the other-functions dialog could have set it.
constexpr double kLocalOffsetLimit = 99.9;

std::optional<LocalOffset> replacedOffset(LocalOffset offset, int band) {
    if (!std::isfinite(offset))
        return bandDefaultLocalOffset(band);
    if (offset < -kLocalOffsetLimit)
        return -kLocalOffsetLimit;
    if (offset > kLocalOffsetLimit)
        return kLocalOffsetLimit;
    return std::nullopt;
}

std::string offsetText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

} // namespace

Status ReadProgrammingFile(const fs::path& path, RadioImage& image, LocalOffset& offset,
                           const std::string& displayName) {
    if (isSpecialFile(path))
        return fileMessage(msg::kFileReadError, path, displayName,
                           path.string() + ": not a regular file");
    std::ifstream in;
    if (!path.empty() && !isDirectory(path))
        in.open(path, std::ios::binary);
    if (!in.is_open())
        return fileMessage(msg::kFileOpenError, path, displayName, openFailure(path));

    // Read into a copy: a failed read must leave the document's image as it was.
    RadioImage buffer{};
    std::size_t blocks = 0;
    while (blocks < kBlockCount) {
        in.read(reinterpret_cast<char*>(buffer.data() + blocks * kBlockSize), kBlockSize);
        if (static_cast<std::size_t>(in.gcount()) != kBlockSize)
            break;
        ++blocks;
    }
    if (blocks < kBlockCount)
        return fileMessage(msg::kFileReadError, path, displayName,
                           path.string() + ": shorter than the 512-byte image");

    std::array<std::uint8_t, kTrailerSize> trailer{};
    in.read(reinterpret_cast<char*>(trailer.data()), kTrailerSize);
    image = buffer;
    // A missing or short trailer keeps the offset held before.
    if (static_cast<std::size_t>(in.gcount()) == kTrailerSize)
        offset = decodeOffset(trailer);
    return {};
}

Status WriteFileAtomically(const fs::path& path, std::string_view bytes,
                           const std::string& displayName) {
    if (path.empty() || isDirectory(path) || isSpecialFile(path))
        return fileMessage(msg::kFileCreateError, path, displayName,
                           path.string() + ": not a regular file");
    PendingFile file(path);
    if (!file.ok())
        return fileMessage(msg::kFileCreateError, path, displayName, file.error());
    if (!file.write(bytes) || !file.commit())
        return UserMessage{msg::kFileWriteError, {}, file.error()};
    return {};
}

Status WriteProgrammingFile(const fs::path& path, const RadioImage& image, LocalOffset offset,
                            const std::string& displayName) {
    std::string bytes(reinterpret_cast<const char*>(image.data()), image.size());
    const auto trailer = encodeOffset(offset);
    bytes.append(reinterpret_cast<const char*>(trailer.data()), trailer.size());
    return WriteFileAtomically(path, bytes, displayName);
}

bool IsWritable(const fs::path& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (ec || !fs::exists(status))
        return true;
    return (status.permissions() & fs::perms::owner_write) != fs::perms::none;
}

FileCheck CheckFile(const fs::path& path) {
    if (path.empty() || isDirectory(path))
        return FileCheck::CannotOpen;
    if (isSpecialFile(path))
        return FileCheck::Empty;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return FileCheck::CannotOpen;
    char c;
    return in.read(&c, 1) ? FileCheck::Readable : FileCheck::Empty;
}

ProgrammingFileCheck CheckProgrammingFile(const fs::path& path, std::uintmax_t expectedSize) {
    switch (CheckFile(path)) {
    case FileCheck::CannotOpen:
        return ProgrammingFileCheck::CannotOpen;
    case FileCheck::Empty:
        return ProgrammingFileCheck::Empty;
    case FileCheck::Readable:
        break;
    }
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec)
        return ProgrammingFileCheck::CannotOpen;
    return size == expectedSize ? ProgrammingFileCheck::Valid : ProgrammingFileCheck::WrongSize;
}

Status checkProgrammingFileStatus(ProgrammingFileCheck check, const fs::path& path) {
    switch (check) {
    case ProgrammingFileCheck::Valid:
        return {};
    case ProgrammingFileCheck::CannotOpen:
        return fileMessage(msg::kFileOpenError, path, {}, openFailure(path));
    case ProgrammingFileCheck::Empty:
        return fileMessage(
            msg::kFileReadError, path, {},
            path.string() + (isSpecialFile(path) ? ": not a regular file" : ": the file is empty"));
    case ProgrammingFileCheck::WrongSize: {
        std::error_code ec;
        const auto size = fs::file_size(path, ec);
        return UserMessage{
            msg::kFileFormatError, {}, path.string() + ": " + std::to_string(size) + " bytes"};
    }
    }
    return {};
}

Status OpenProgrammingFile(const fs::path& path, ImageState& state) {
    if (Status check = checkProgrammingFileStatus(CheckProgrammingFile(path), path); !check.ok())
        return check;
    RadioImage image = state.image;
    LocalOffset offset = state.localOffset;
    if (Status read = ReadProgrammingFile(path, image, offset); !read.ok())
        return read;

    ImageCodec::resetAll(state);
    state.image = image;
    state.localOffset = offset;
    ImageCodec::decodeAll(state);

    Status opened;
    if (const auto replaced = replacedOffset(offset, state.hardware.band)) {
        state.localOffset = *replaced;
        opened.warnings.push_back({msg::kOffsetReplaced,
                                   {offsetText(offset), offsetText(*replaced)},
                                   path.string(),
                                   Icon::Warning});
    }
    return opened;
}

Status SaveProgrammingFile(const fs::path& path, ImageState& state) {
    if (!IsWritable(path))
        return fileMessage(msg::kFileReadOnly, path, {}, reasonFor(path, EACCES));
    ImageCodec::encodeAll(state);
    return WriteProgrammingFile(path, state.image, state.localOffset);
}

const char* defaultImageName(int index) {
    return kDefaultImageNames[(index >= 0 && index < 3) ? static_cast<std::size_t>(index) : 0];
}

std::optional<fs::path> FindDefaultImage(int index, const fs::path& programDir) {
    const fs::path candidate = programDir / defaultImageName(index);
    if (CheckFile(candidate) == FileCheck::Readable)
        return candidate;
    return std::nullopt;
}

bool IsDefaultImageName(const fs::path& path) {
    // Either separator ends the directory part, so names written on Windows are seen too.
    const std::string text = path.string();
    const auto slash = text.find_last_of("/\\");
    const std::string_view name = slash == std::string::npos
                                      ? std::string_view(text)
                                      : std::string_view(text).substr(slash + 1);
    for (const char* def : kDefaultImageNames) {
        if (name == def)
            return true;
    }
    return false;
}

Status WriteDefaultImage(const fs::path& path, ImageState& state) {
    ImageCodec::encodeAll(state);
    return WriteProgrammingFile(path, state.image, state.localOffset, kNoFileName);
}

bool writeFreshImageFile(const std::filesystem::path& path, int band) {
    ImageState state;
    ImageCodec::makeNewImage(state, band);
    return WriteProgrammingFile(path, state.image, state.localOffset).ok();
}

} // namespace mz58
