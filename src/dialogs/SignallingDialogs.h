// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingsDialogs.h"

namespace mz58 {

// The Signalling menu's dialogs, each run modally on a copy of the encoded state: OK hands back
// what it wrote (Cancel nothing); no decode all afterwards. Hints after OK: ANI and DTMF 0;
// paging codes and 2-tone table 1; 2-tone parameters 1 when the table format changed (the codes
// left every channel), else 0.
DialogOutcome runAniDialog(QWidget* parent, const ImageState& state, const DialogContext& ctx);
DialogOutcome runDtmfDialog(QWidget* parent, const ImageState& state, const DialogContext& ctx);
DialogOutcome runPagingCodeDialog(QWidget* parent, const ImageState& state,
                                  const DialogContext& ctx);
DialogOutcome runTwoToneParamDialog(QWidget* parent, const ImageState& state,
                                    const DialogContext& ctx);
DialogOutcome runTwoToneTableDialog(QWidget* parent, const ImageState& state,
                                    const DialogContext& ctx);

} // namespace mz58
