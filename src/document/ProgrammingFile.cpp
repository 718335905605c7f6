#include "ProgrammingFile.h"

#include "PendingFile.h"

#include <array>
#include <bit>
#include <cstdio>
#include <fstream>
#include <string_view>

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

} // namespace

bool ReadProgrammingFile(const fs::path& path, RadioImage& image, LocalOffset& offset,
                         Prompter& prompter, const std::string& currentName) {
    std::ifstream in;
    if (!path.empty() && !isDirectory(path))
        in.open(path, std::ios::binary);
    if (!in.is_open()) {
        prompter.tell(msg::kFileOpenError, currentName);
        return false;
    }

    // Read into a copy: a failed read must leave the document's image as it was.
    RadioImage buffer{};
    std::size_t blocks = 0;
    while (blocks < kBlockCount) {
        in.read(reinterpret_cast<char*>(buffer.data() + blocks * kBlockSize), kBlockSize);
        if (static_cast<std::size_t>(in.gcount()) != kBlockSize)
            break;
        ++blocks;
    }
    if (blocks < kBlockCount) {
        prompter.tell(msg::kFileReadError, currentName);
        return false;
    }

    std::array<std::uint8_t, kTrailerSize> trailer{};
    in.read(reinterpret_cast<char*>(trailer.data()), kTrailerSize);
    image = buffer;
    // A missing or short trailer keeps the offset held before.
    if (static_cast<std::size_t>(in.gcount()) == kTrailerSize)
        offset = decodeOffset(trailer);
    return true;
}

bool WriteProgrammingFile(const fs::path& path, const RadioImage& image, LocalOffset offset,
                          Prompter& prompter, const std::string& currentName) {
    // Written under a temporary name and renamed over the target only when complete, so a
    // failed save leaves the old file as it was.
    std::optional<PendingFile> file;
    if (!path.empty() && !isDirectory(path))
        file.emplace(path);
    if (!file || !file->ok()) {
        prompter.tell(msg::kFileCreateError, currentName);
        return false;
    }
    std::string bytes(reinterpret_cast<const char*>(image.data()), image.size());
    const auto trailer = encodeOffset(offset);
    bytes.append(reinterpret_cast<const char*>(trailer.data()), trailer.size());
    if (!file->write(bytes) || !file->commit()) {
        prompter.tell(msg::kFileWriteError);
        return false;
    }
    return true;
}

bool IsWritable(const fs::path& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (ec || !fs::exists(status))
        return true;
    return (status.permissions() & fs::perms::owner_write) != fs::perms::none;
}

int CheckFile(const fs::path& path) {
    if (path.empty() || isDirectory(path))
        return kFileCannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return kFileCannotOpen;
    char c;
    return in.read(&c, 1) ? kFileReadable : kFileEmpty;
}

int CheckProgrammingFile(const fs::path& path, std::uintmax_t expectedSize) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    const int check = CheckFile(path);
    if (ec || check == kFileCannotOpen)
        return kProgrammingFileCannotOpen;
    if (check == kFileEmpty)
        return kProgrammingFileEmpty;
    return size == expectedSize ? kProgrammingFileValid : kProgrammingFileWrongSize;
}

StringId checkProgrammingFileMessage(int result) {
    switch (result) {
    case kProgrammingFileCannotOpen:
        return msg::kFileOpenError;
    case kProgrammingFileEmpty:
        return msg::kFileReadError;
    case kProgrammingFileWrongSize:
        return msg::kFileFormatError;
    default:
        return 0;
    }
}

const char* defaultImageName(int index) {
    return kDefaultImageNames[(index >= 0 && index < 3) ? static_cast<std::size_t>(index) : 0];
}

std::optional<fs::path> FindDefaultImage(int index, const fs::path& programDir) {
    const fs::path candidate = programDir / defaultImageName(index);
    if (CheckFile(candidate) == kFileReadable)
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

bool WriteDefaultImage(const fs::path& path, ImageState& state, Prompter& prompter) {
    ImageCodec::encodeAll(state);
    return WriteProgrammingFile(path, state.image, state.localOffset, prompter, kNoFileName);
}

} // namespace mz58
