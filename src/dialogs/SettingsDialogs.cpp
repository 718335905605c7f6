// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsDialogs.h"

#include "OtherDialogs.h"
#include "RadioSettingsDialogs.h"

namespace mz58 {
namespace {

enum class AfterClose { DecodeAll, Nothing };

// A dialog on a copy of the state; OK hands the copy back, decoded again as the dialog needs
// it. `hintOf(dialog)` gives the refresh hint after OK.
template <class Dialog, class HintOf>
DialogOutcome runOnCopyWith(QWidget* parent, const ImageState& state, const DialogContext& ctx,
                            AfterClose after, HintOf hintOf) {
    Dialog dialog(state, ctx, parent);
    DialogOutcome outcome;
    outcome.currentBank = ctx.currentBank;
    if (dialog.exec() != QDialog::Accepted)
        return outcome;
    outcome.refreshHint = hintOf(dialog);
    outcome.currentBank = dialog.currentBank();
    outcome.state = dialog.work();
    if (after == AfterClose::DecodeAll)
        ImageCodec::decodeAll(*outcome.state);
    return outcome;
}

template <class Dialog>
DialogOutcome runOnCopy(QWidget* parent, const ImageState& state, const DialogContext& ctx,
                        AfterClose after, int hint) {
    return runOnCopyWith<Dialog>(parent, state, ctx, after, [hint](const Dialog&) { return hint; });
}

} // namespace

DialogOutcome runHardwareDialog(QWidget* parent, const ImageState& state,
                                const DialogContext& ctx) {
    return runOnCopyWith<CHardwareDlg>(
        parent, state, ctx, AfterClose::DecodeAll, [](const CHardwareDlg& dialog) {
            return dialog.bandChanged() ? 4 : dialog.changed() ? 2 : 0;
        });
}

DialogOutcome runScanDialog(QWidget* parent, const ImageState& state, const DialogContext& ctx) {
    return runOnCopy<CScanDlg>(parent, state, ctx, AfterClose::DecodeAll, 0);
}

DialogOutcome runPowerSaveDialog(QWidget* parent, const ImageState& state,
                                 const DialogContext& ctx) {
    return runOnCopy<CPowerSaveDlg>(parent, state, ctx, AfterClose::DecodeAll, 0);
}

DialogOutcome runOptionsDialog(QWidget* parent, const ImageState& state, const DialogContext& ctx) {
    constexpr std::size_t kOptionByte = 26;
    auto outcome = runOnCopy<COptionsDlg>(parent, state, ctx, AfterClose::DecodeAll, 0);
    if (outcome.state && (outcome.state->image[kOptionByte] != state.image[kOptionByte] ||
                          outcome.state->optionUnitChanged)) {
        outcome.state->optionUnitChanged = false;
        outcome.refreshHint = 1;
    }
    return outcome;
}

DialogOutcome runKeyFunctionDialog(QWidget* parent, const ImageState& state,
                                   const DialogContext& ctx) {
    return runOnCopy<CKeyFunctionDlg>(parent, state, ctx, AfterClose::DecodeAll, 1);
}

DialogOutcome runMarketNumberDialog(QWidget* parent, const ImageState& state,
                                    const DialogContext& ctx) {
    return runOnCopy<CMarketNumberDlg>(parent, state, ctx, AfterClose::Nothing, 1);
}

DialogOutcome runOtherFunctionsDialog(QWidget* parent, const ImageState& state,
                                      const DialogContext& ctx) {
    return runOnCopy<COtherFunctionsDlg>(parent, state, ctx, AfterClose::DecodeAll, 2);
}

DialogOutcome runChannelTypeDialog(QWidget* parent, const ImageState& state,
                                   const DialogContext& ctx) {
    return runOnCopy<CChannelTypeDlg>(parent, state, ctx, AfterClose::DecodeAll, 1);
}

bool runComPortDialog(
    QWidget* parent, int& comPort, ComPortMap& ports,
    std::function<std::string(int number, const std::string& shown)> cableDevice) {
    CComPortDlg dialog(comPort, ports, parent, std::move(cableDevice));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    comPort = dialog.selection() + 1;
    ports = dialog.ports();
    return true;
}

bool runColumnDisplayDialog(QWidget* parent, std::array<int, kColumnGroupCount>& flags) {
    CColumnDisplayDlg dialog(flags, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    flags = dialog.flags();
    return true;
}

} // namespace mz58
