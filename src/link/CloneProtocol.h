// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageCodec.h"
#include "LinkProblem.h"
#include "RadioImage.h"
#include "SerialLink.h"
#include "TransferObserver.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stop_token>
#include <string>

namespace mz58 {

namespace clone {

inline constexpr std::uint8_t kWakeUp = 0x70;
inline constexpr std::uint8_t kRadioReady = 0x50;
inline constexpr std::uint8_t kReadyAnswer = 0x20;
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;
inline constexpr std::uint8_t kAnnounceBlock = 0x60;
inline constexpr std::uint8_t kHeaderNormal = 0x21;
inline constexpr std::uint8_t kHeaderMaintenance = 0x25;

// The length field counts the data bytes and the checksum: a block carries the whole image.
inline constexpr unsigned kBlockLength = kImageSize + 1;
inline constexpr std::size_t kBlockOverhead = 4; // header, two length bytes, checksum

inline constexpr unsigned kPauseBeforeWakeUpMs = 550;
inline constexpr unsigned kPauseBeforeAnswerMs = 55;
inline constexpr unsigned kPauseAfterAnnounceMs = 220;
inline constexpr unsigned kPauseBeforeHeaderMs = 110;

inline constexpr int kAckReads = 30;

// The PC's block goes out this many bytes ahead of its echoes: 73 ms of wire time, more than
// an adapter's latency timer holds back.
inline constexpr std::size_t kEchoWindow = 32;

inline constexpr int kProgressRange = 512;
inline constexpr int kProgressStart = 5;
inline constexpr int kProgressStep = 62;

// A radio's block opens with any byte 0x20..0x2F.
constexpr bool isHeaderByte(std::uint8_t byte) {
    return (byte & 0xF0) == 0x20;
}

// The 8-bit sum of the header, both length bytes and the data bytes.
std::uint8_t blockChecksum(std::uint8_t header, unsigned length,
                           std::span<const std::uint8_t> data);

} // namespace clone

// The port of one transfer, or why it could not be opened (the device and the reason, in
// the operating system's words and apart).
struct PortOpenResult {
    std::unique_ptr<SerialLink> link;
    std::string error;
    LinkProblem problem;

    PortOpenResult() = default;
    PortOpenResult(std::nullptr_t) {}
    template <typename Link>
    PortOpenResult(std::unique_ptr<Link> opened) : link(std::move(opened)) {}
    explicit PortOpenResult(std::string why, LinkProblem cause = {})
        : error(std::move(why)), problem(std::move(cause)) {}
};

// Opens the port of one transfer.
using PortOpener = std::function<PortOpenResult()>;

struct DownloadOptions {
    // Sends the maintenance header byte instead of the normal one, and the file's serial
    // number instead of the radio's own.
    bool maintenance = false;
    // Where the radio's memory is kept before anything is written to it; no backup when empty.
    std::optional<std::filesystem::path> backupDirectory;
    // The next radio of a batch: the handshake sends no wake-up byte (the radio still on the
    // cable would answer it) but waits for a radio that is switched on.
    bool awaitPowerOn = false;
    // The radio whose changes the user was shown: a write that meets another radio (any byte
    // of its block differs) stops before it sends anything.
    std::optional<RadioImage> expectedRadio{};
};

// Reads the radio's memory into `image`. `image` changes only when the whole block arrived
// with a good checksum.
TransferResult UploadThreadProc(std::stop_token stop, const PortOpener& openPort, RadioImage& image,
                                TransferObserver& observer);

// Writes `state` (already encoded) into the radio: reads the radio's block, refuses a radio
// with other hardware bytes (or another radio than `options.expectedRadio`), keeps a backup,
// takes the radio's own data into `state`, re-encodes it and sends it. The radio's data stays
// in `state` even when a later step fails.
TransferResult DownloadThreadProc(std::stop_token stop, const PortOpener& openPort,
                                  ImageState& state, const DownloadOptions& options,
                                  TransferObserver& observer);

// The image as a write to this radio sends it: the radio's alignment data and, unless in
// maintenance mode, its serial number copied into the image, then decode all and encode all
// so that every channel is aligned for this radio.
void takeRadioData(ImageState& state, const RadioImage& radio, bool maintenance);

// True when the radio's hardware-identifying bytes equal the image's.
bool sameHardware(const RadioImage& image, const RadioImage& radio);

} // namespace mz58
