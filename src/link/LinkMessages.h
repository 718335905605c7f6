#pragma once

#include "Messages.h"

namespace mz58::msg {

// Results of a transfer and texts of its progress display.
inline constexpr StringId kSerialPortError = 80;
inline constexpr StringId kCheckConnection = 81;
inline constexpr StringId kReadError = 82;
inline constexpr StringId kReadComplete = 83;
inline constexpr StringId kWriteError = 84;
inline constexpr StringId kHardwareMismatch = 85;
inline constexpr StringId kBackupFailed = 86;
inline constexpr StringId kRadioDiffers = 87;
inline constexpr StringId kRadioEqual = 88;
inline constexpr StringId kWriteComplete = 89;
inline constexpr StringId kCaptionRead = 90;
inline constexpr StringId kCaptionWrite = 91;
inline constexpr StringId kStatusPowerCycle = 94;
inline constexpr StringId kStatusPleaseWait = 95;
inline constexpr StringId kRadioChecksumError = 113;

} // namespace mz58::msg
