// SPDX-License-Identifier: GPL-3.0-or-later
#include "SignallingDialogs.h"

#include "CSignallingDlgs.h"

#include <type_traits>

namespace mz58 {
namespace {

// A signalling dialog on a copy of the state; OK hands the copy back as the dialog left it.
template <class Dialog>
DialogOutcome runSignalling(QWidget* parent, const ImageState& state, const DialogContext& ctx,
                            int hint) {
    Dialog dialog(state, ctx, parent);
    DialogOutcome outcome;
    outcome.currentBank = ctx.currentBank;
    if (dialog.exec() != QDialog::Accepted)
        return outcome;
    outcome.refreshHint = hint;
    outcome.state = dialog.work();
    if constexpr (std::is_same_v<Dialog, CTwoToneParamDlg>) {
        if (dialog.formatChanged())
            outcome.refreshHint = 1;
    }
    return outcome;
}

} // namespace

DialogOutcome runAniDialog(QWidget* parent, const ImageState& state, const DialogContext& ctx) {
    return runSignalling<CAniDlg>(parent, state, ctx, 0);
}

DialogOutcome runDtmfDialog(QWidget* parent, const ImageState& state, const DialogContext& ctx) {
    return runSignalling<CDtmfDlg>(parent, state, ctx, 0);
}

DialogOutcome runPagingCodeDialog(QWidget* parent, const ImageState& state,
                                  const DialogContext& ctx) {
    return runSignalling<CPagingCodeDlg>(parent, state, ctx, 1);
}

DialogOutcome runTwoToneParamDialog(QWidget* parent, const ImageState& state,
                                    const DialogContext& ctx) {
    return runSignalling<CTwoToneParamDlg>(parent, state, ctx, 0);
}

DialogOutcome runTwoToneTableDialog(QWidget* parent, const ImageState& state,
                                    const DialogContext& ctx) {
    return runSignalling<CTwoToneTableDlg>(parent, state, ctx, 1);
}

} // namespace mz58
