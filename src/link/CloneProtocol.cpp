// SPDX-License-Identifier: GPL-3.0-or-later
#include "CloneProtocol.h"

#include "HardwareSettings.h"
#include "LinkMessages.h"
#include "RadioBackup.h"
#include "SerialNumber.h"

#include <algorithm>
#include <string>
#include <vector>

namespace mz58 {

namespace clone {

std::uint8_t blockChecksum(std::uint8_t header, unsigned length,
                           std::span<const std::uint8_t> data) {
    unsigned sum = header + ((length >> 8) & 0xFF) + (length & 0xFF);
    for (const std::uint8_t b : data)
        sum += b;
    return static_cast<std::uint8_t>(sum & 0xFF);
}

} // namespace clone

namespace {

using namespace clone;

// One transfer: the port, the cancel token and the observer, with the ways to end.
class CloneSession {
public:
    CloneSession(std::stop_token stop, TransferObserver& observer)
        : m_stop(std::move(stop)), m_observer(observer) {}

    bool cancelRequested() const { return m_stop.stop_requested(); }

    // A cancel ends silently: no message and no `done`; the port closes on the way out.
    TransferResult cancelled() {
        m_port.reset();
        TransferResult result = partialResult();
        result.outcome = TransferOutcome::Cancelled;
        return result;
    }

    // Every other ending: the message, then the port closes, then `done`.
    TransferResult finish(TransferOutcome outcome, StringId message,
                          std::span<const std::string> args = {}, LinkProblem problem = {},
                          std::string detail = {}) {
        if (detail.empty())
            detail = describeProblem(problem);
        const Icon icon = outcome == TransferOutcome::Succeeded ? Icon::Information : Icon::Error;
        m_observer.showMessage(UserMessage{message, {args.begin(), args.end()}, detail, icon});
        m_port.reset();
        TransferResult result = partialResult();
        result.outcome = outcome;
        result.message = message;
        result.detail = std::move(detail);
        result.problem = std::move(problem);
        m_observer.done(result);
        return result;
    }
    // A failure on the open line, with its reason.
    TransferResult fail(StringId message, StringId reason) {
        return finish(TransferOutcome::Failed, message, {}, lineProblem(m_device, reason));
    }

    // Opens the port; on failure ends the transfer with the serial port message and the cause.
    std::optional<TransferResult> openPort(const PortOpener& opener) {
        PortOpenResult opened = opener ? opener() : PortOpenResult{std::string("no port")};
        m_port = std::move(opened.link);
        if (m_port) {
            m_device = m_port->deviceName();
            return std::nullopt;
        }
        return finish(TransferOutcome::Failed, msg::kSerialPortError, {}, opened.problem,
                      opened.error.empty() ? "the port could not be opened" : opened.error);
    }

    SerialLink& link() { return *m_port; }
    TransferObserver& observer() { return m_observer; }
    void setBackupFile(std::filesystem::path path) { m_backupFile = std::move(path); }
    void setRadio(const RadioImage& radio) { m_radio = radio; }
    void setSent(const RadioImage& sent) { m_sent = sent; }

private:
    TransferResult partialResult() const {
        TransferResult result;
        result.backupFile = m_backupFile;
        result.radio = m_radio;
        result.sent = m_sent;
        return result;
    }

    std::stop_token m_stop;
    TransferObserver& m_observer;
    std::unique_ptr<SerialLink> m_port;
    std::string m_device;
    std::filesystem::path m_backupFile;
    std::optional<RadioImage> m_radio;
    std::optional<RadioImage> m_sent;
};

struct HandshakeResult {
    std::optional<std::uint8_t> header; // set when the radio's block has begun
    std::optional<TransferResult> ended;
};

// Wakes the radio and waits for the header byte of its block, asking for a power cycle when
// it does not answer at once. The next radio of a batch gets no wake-up byte: only a radio
// that is switched on is taken. Every wait checks for cancel; a port that has gone away ends
// the waits that have no time limit.
HandshakeResult wakeUpRadio(CloneSession& session, bool awaitPowerOn) {
    SerialLink& link = session.link();
    std::uint8_t byte = 0;

    if (!awaitPowerOn) {
        (void)link.WriteEchoByte(kWakeUp);

        // A radio already in clone mode answers at once.
        for (;;) {
            if (session.cancelRequested())
                return {std::nullopt, session.cancelled()};
            const int result = link.ReadByte(byte);
            if (result == kReadOk && isHeaderByte(byte))
                return {byte, std::nullopt};
            if (result == kReadTimeout)
                break;
        }
    }

    session.observer().setStatusText(awaitPowerOn ? msg::kStatusSwitchOnNext
                                                  : msg::kStatusPowerCycle);
    if (session.cancelRequested())
        return {std::nullopt, session.cancelled()};

    // The user switches the radio off and on; it then announces itself with 0x50.
    for (;;) {
        const int result = link.ReadByte(byte);
        if (result == kReadOk && byte == kRadioReady)
            break;
        if (session.cancelRequested())
            return {std::nullopt, session.cancelled()};
        if (link.lineLost())
            return {std::nullopt, session.fail(msg::kSerialPortError, msg::kReasonLineLost)};
    }

    if (!link.WriteEchoByte(kReadyAnswer))
        return {std::nullopt, session.fail(msg::kCheckConnection, msg::kReasonNoEcho)};
    link.WaitAfterSent(kPauseBeforeWakeUpMs);
    if (!link.WriteEchoByte(kWakeUp))
        return {std::nullopt, session.fail(msg::kCheckConnection, msg::kReasonNoEcho)};

    for (;;) {
        if (session.cancelRequested())
            return {std::nullopt, session.cancelled()};
        const int result = link.ReadByte(byte);
        if (result == kReadOk && isHeaderByte(byte))
            return {byte, std::nullopt};
        if (link.lineLost())
            return {std::nullopt, session.fail(msg::kSerialPortError, msg::kReasonLineLost)};
    }
}

enum class BlockStatus { Good, BadChecksum, BadLength, Missing, Cancelled };

// Why a block that did not arrive whole failed, for the user.
StringId reasonOf(BlockStatus status, const SerialLink& link) {
    switch (status) {
    case BlockStatus::BadChecksum:
        return msg::kReasonChecksum;
    case BlockStatus::BadLength:
        return msg::kReasonBadLength;
    default:
        return link.lineLost() ? msg::kReasonLineLost : msg::kReasonNoAnswer;
    }
}

// Receives the rest of the radio's block after its header into `data`. The block must carry
// exactly one image; any other length fails before a data byte is stored.
BlockStatus receiveRadioBlock(CloneSession& session, std::uint8_t header, bool upload,
                              RadioImage& data) {
    SerialLink& link = session.link();
    std::uint8_t high = 0;
    std::uint8_t low = 0;

    if (upload)
        session.observer().setPosition(kProgressStart);
    if (link.ReadByte(high) != kReadOk)
        return BlockStatus::Missing;
    if (upload)
        session.observer().setStatusText(msg::kStatusPleaseWait);
    if (link.ReadByte(low) != kReadOk)
        return BlockStatus::Missing;

    const unsigned length = (static_cast<unsigned>(high) << 8) | low;
    if (length != kBlockLength)
        return BlockStatus::BadLength;

    for (std::size_t i = 0; i < data.size(); ++i) {
        if (link.ReadByte(data[i]) != kReadOk)
            return BlockStatus::Missing;
        const int count = static_cast<int>(i) + 1;
        if (upload && count % kProgressStep == 0) {
            session.observer().setPosition(count);
            if (session.cancelRequested())
                return BlockStatus::Cancelled;
        }
    }
    std::uint8_t checksum = 0;
    if (link.ReadByte(checksum) != kReadOk)
        return BlockStatus::Missing;
    return checksum == blockChecksum(header, length, data) ? BlockStatus::Good
                                                           : BlockStatus::BadChecksum;
}

// Sends the image as the PC's block, ahead of its echoes, reporting progress; nullopt when
// every byte was echoed. Each echo is a cancel point.
std::optional<TransferResult> sendImageBlock(CloneSession& session, std::uint8_t header,
                                             const RadioImage& image) {
    SerialLink& link = session.link();
    std::vector<std::uint8_t> block{header, static_cast<std::uint8_t>(kBlockLength >> 8),
                                    static_cast<std::uint8_t>(kBlockLength & 0xFF)};
    const std::size_t frame = block.size();
    block.insert(block.end(), image.begin(), image.end());
    const EchoResult sent = link.WriteEchoAhead(block, kEchoWindow, [&](std::size_t echoed) {
        if (session.cancelRequested())
            return false;
        const int count = static_cast<int>(echoed) - static_cast<int>(frame);
        if (count > 0 && count % kProgressStep == 0)
            session.observer().setPosition(count);
        return true;
    });
    if (sent == EchoResult::Stopped)
        return session.cancelled();
    if (sent == EchoResult::Garbled)
        return session.fail(msg::kWriteError, msg::kReasonGarbledEcho);
    if (sent == EchoResult::Missing)
        return session.fail(msg::kWriteError,
                            link.lineLost() ? msg::kReasonLineLost : msg::kReasonNoEcho);
    if (session.cancelRequested())
        return session.cancelled();
    link.WaitAfterSent(kPauseBeforeAnswerMs);
    (void)link.WriteEchoByte(blockChecksum(header, kBlockLength, image));
    return std::nullopt;
}

// Waits for the radio's answer to the PC's block: only 0x06 means the radio took it.
TransferResult awaitRadioAck(CloneSession& session) {
    SerialLink& link = session.link();
    StringId reason = msg::kReasonNoAnswer;
    for (int attempt = 0; attempt < kAckReads; ++attempt) {
        if (session.cancelRequested())
            return session.cancelled();
        std::uint8_t byte = 0;
        const int result = link.ReadByte(byte);
        if (result == kReadOk && byte == kAck)
            return session.finish(TransferOutcome::Succeeded, msg::kWriteComplete);
        if (result == kReadOk)
            reason = msg::kReasonRefused;
        // A refusal or a vanished line will not turn into an acknowledgement.
        if ((result == kReadOk && byte == kNak) || link.lineLost())
            break;
    }
    return session.fail(msg::kWriteError, link.lineLost() ? msg::kReasonLineLost : reason);
}

} // namespace

bool sameHardware(const RadioImage& image, const RadioImage& radio) {
    return std::equal(image.begin() + kHardwareIdFirst, image.begin() + kHardwareIdLast + 1,
                      radio.begin() + kHardwareIdFirst);
}

void takeRadioData(ImageState& state, const RadioImage& radio, bool maintenance) {
    constexpr auto first = static_cast<std::ptrdiff_t>(AlignmentData::kFirstByte);
    constexpr auto last = static_cast<std::ptrdiff_t>(AlignmentData::kLastTakenByte);
    std::copy(radio.begin() + first, radio.begin() + last + 1, state.image.begin() + first);
    // Several radios written from one file keep their own serial numbers.
    if (!maintenance) {
        constexpr auto serial = static_cast<std::ptrdiff_t>(SerialNumber::kFirstByte);
        constexpr auto count = static_cast<std::ptrdiff_t>(SerialNumber::kByteCount);
        std::copy(radio.begin() + serial, radio.begin() + serial + count,
                  state.image.begin() + serial);
    }
    ImageCodec::decodeAll(state);
    ImageCodec::encodeAll(state);
}

TransferResult UploadThreadProc(std::stop_token stop, const PortOpener& openPort, RadioImage& image,
                                TransferObserver& observer) {
    CloneSession session(std::move(stop), observer);
    observer.setCaption(msg::kCaptionRead);
    if (session.cancelRequested())
        return session.cancelled();
    if (auto failed = session.openPort(openPort))
        return *failed;
    observer.setRange(kProgressRange);
    if (session.cancelRequested())
        return session.cancelled();

    const HandshakeResult handshake = wakeUpRadio(session, false);
    if (handshake.ended)
        return *handshake.ended;

    SerialLink& link = session.link();
    RadioImage received{};
    const BlockStatus status = receiveRadioBlock(session, *handshake.header, true, received);
    switch (status) {
    case BlockStatus::Cancelled:
        return session.cancelled();
    case BlockStatus::BadChecksum:
        link.WaitMs(kPauseBeforeAnswerMs);
        (void)link.WriteEchoByte(kNak);
        return session.fail(msg::kReadError, reasonOf(status, link));
    case BlockStatus::BadLength:
    case BlockStatus::Missing:
        return session.fail(msg::kReadError, reasonOf(status, link));
    case BlockStatus::Good:
        break;
    }
    link.WaitMs(kPauseBeforeAnswerMs);
    (void)link.WriteEchoByte(kAck);
    image = received;
    session.setRadio(received);
    return session.finish(TransferOutcome::Succeeded, msg::kReadComplete);
}

TransferResult DownloadThreadProc(std::stop_token stop, const PortOpener& openPort,
                                  ImageState& state, const DownloadOptions& options,
                                  TransferObserver& observer) {
    CloneSession session(std::move(stop), observer);
    if (session.cancelRequested())
        return session.cancelled();
    observer.setCaption(msg::kCaptionWrite);
    if (auto failed = session.openPort(openPort))
        return *failed;
    if (session.cancelRequested())
        return session.cancelled();
    observer.setRange(kProgressRange);

    const HandshakeResult handshake = wakeUpRadio(session, options.awaitPowerOn);
    if (handshake.ended)
        return *handshake.ended;
    observer.setStatusText(msg::kStatusPleaseWait);

    SerialLink& link = session.link();
    RadioImage radio{};
    const BlockStatus status = receiveRadioBlock(session, *handshake.header, false, radio);
    switch (status) {
    case BlockStatus::BadChecksum:
        link.WaitMs(kPauseBeforeAnswerMs);
        (void)link.WriteEchoByte(kNak);
        return session.fail(msg::kRadioChecksumError, reasonOf(status, link));
    case BlockStatus::Cancelled: // the radio's block is received without cancel checks
    case BlockStatus::BadLength:
    case BlockStatus::Missing:
        return session.fail(msg::kWriteError, reasonOf(status, link));
    case BlockStatus::Good:
        break;
    }
    link.WaitMs(kPauseBeforeAnswerMs);
    (void)link.WriteEchoByte(kAck);
    session.setRadio(radio);

    if (options.expectedRadio && *options.expectedRadio != radio)
        return session.fail(msg::kNotPreviewedRadio, msg::kReasonOtherRadio);
    if (!sameHardware(state.image, radio))
        return session.fail(msg::kHardwareMismatch, msg::kReasonOtherHardware);

    if (options.backupDirectory) {
        const BackupResult backup = writeRadioBackup(*options.backupDirectory, radio);
        if (!backup.ok) {
            const std::string detail = backup.error;
            return session.finish(TransferOutcome::Failed, msg::kBackupFailed,
                                  std::span<const std::string>(&detail, 1));
        }
        session.setBackupFile(backup.file);
    }

    takeRadioData(state, radio, options.maintenance);

    if (!link.WriteEchoByte(kAnnounceBlock))
        return session.fail(msg::kCheckConnection, msg::kReasonNoEcho);
    link.WaitAfterSent(kPauseAfterAnnounceMs);
    observer.setPosition(kProgressStart);
    const std::uint8_t header = options.maintenance ? kHeaderMaintenance : kHeaderNormal;
    link.WaitMs(kPauseBeforeHeaderMs);
    session.setSent(state.image);
    if (auto ended = sendImageBlock(session, header, state.image))
        return *ended;
    return awaitRadioAck(session);
}

} // namespace mz58
