#include "SignallingDialogs.h"

#include "CSignallingDlgs.h"

#include <type_traits>

namespace mz58 {
namespace {

// The frame's common steps around a signalling dialog: encode all before it opens; OK takes
// over the dialog's copy; the image is not decoded again.
template <class Dialog>
DialogOutcome runSignalling(QWidget* parent, ImageState& state, const DialogContext& ctx,
                            int hint) {
    ImageCodec::encodeAll(state);
    Dialog dialog(state, ctx, parent);
    DialogOutcome outcome;
    outcome.currentBank = ctx.currentBank;
    outcome.accepted = dialog.exec() == QDialog::Accepted;
    outcome.refreshHint = hint;
    if (!outcome.accepted)
        return outcome;
    outcome.modified = dialog.modified();
    state = dialog.work();
    if constexpr (std::is_same_v<Dialog, CTwoToneParamDlg>) {
        if (dialog.formatChanged())
            outcome.refreshHint = 1;
    }
    return outcome;
}

} // namespace

DialogOutcome runAniDialog(QWidget* parent, ImageState& state, const DialogContext& ctx) {
    return runSignalling<CAniDlg>(parent, state, ctx, 0);
}

DialogOutcome runDtmfDialog(QWidget* parent, ImageState& state, const DialogContext& ctx) {
    return runSignalling<CDtmfDlg>(parent, state, ctx, 0);
}

DialogOutcome runPagingCodeDialog(QWidget* parent, ImageState& state, const DialogContext& ctx) {
    return runSignalling<CPagingCodeDlg>(parent, state, ctx, 1);
}

DialogOutcome runTwoToneParamDialog(QWidget* parent, ImageState& state, const DialogContext& ctx) {
    return runSignalling<CTwoToneParamDlg>(parent, state, ctx, 0);
}

DialogOutcome runTwoToneTableDialog(QWidget* parent, ImageState& state, const DialogContext& ctx) {
    return runSignalling<CTwoToneTableDlg>(parent, state, ctx, 1);
}

} // namespace mz58
