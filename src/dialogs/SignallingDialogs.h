#pragma once

#include "SettingsDialogs.h"

namespace mz58 {

// The Signalling menu's dialogs, each run modally with the frame's common steps around it:
// encode all before it opens; the dialog works on a copy of the state and OK hands back what
// it wrote (Cancel changes no byte); no decode all afterwards. Hints: ANI and DTMF 0; paging
// codes and 2-tone table 1; 2-tone parameters 1 when the table format changed (the codes left
// every channel), else 0.
DialogOutcome runAniDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);
DialogOutcome runDtmfDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);
DialogOutcome runPagingCodeDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);
DialogOutcome runTwoToneParamDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);
DialogOutcome runTwoToneTableDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);

} // namespace mz58
