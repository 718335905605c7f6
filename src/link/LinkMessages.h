// SPDX-License-Identifier: GPL-3.0-or-later
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

// The dealer's bench: several radios, the write preview, the cable test.
inline constexpr StringId kStatusSwitchOnNext = 7300;
inline constexpr StringId kNotPreviewedRadio = 7301;
inline constexpr StringId kCableOk = 7302;
inline constexpr StringId kCableNoEcho = 7303;
inline constexpr StringId kCableBusy = 7304;
inline constexpr StringId kCablePermission = 7305;
inline constexpr StringId kCableGarbled = 7306;
inline constexpr StringId kCableNoPort = 7307;
inline constexpr StringId kCableNotSerial = 7308;
inline constexpr StringId kCableOpenFailed = 7309;

// Why a transfer failed ("%1" the device, "%2" the operating system's words).
inline constexpr StringId kReasonPermission = 7310;
inline constexpr StringId kReasonBusy = 7311;
inline constexpr StringId kReasonNoPort = 7312;
inline constexpr StringId kReasonNotSerial = 7313;
inline constexpr StringId kReasonOpenFailed = 7314;
inline constexpr StringId kReasonNoEcho = 7315;
inline constexpr StringId kReasonNoAnswer = 7316;
inline constexpr StringId kReasonChecksum = 7317;
inline constexpr StringId kReasonRefused = 7318;
inline constexpr StringId kReasonLineLost = 7319;
inline constexpr StringId kReasonBadLength = 7320;
inline constexpr StringId kReasonOtherHardware = 7321;
inline constexpr StringId kReasonOtherRadio = 7322;
inline constexpr StringId kReasonGarbledEcho = 7323;

// What to do about it, one hint each.
inline constexpr StringId kHintDialout = 7340;
inline constexpr StringId kHintCloseOther = 7341;
inline constexpr StringId kHintChoosePort = 7342;
inline constexpr StringId kHintCable = 7343;
inline constexpr StringId kHintPowerCycle = 7344;
inline constexpr StringId kHintRetry = 7345;
inline constexpr StringId kHintReadFirst = 7346;

} // namespace mz58::msg
