// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelGridLayout.h"
#include "ComPorts.h"
#include "ImageCodec.h"
#include "Messages.h"

#include <array>
#include <functional>
#include <optional>

class QWidget;

namespace mz58 {

// What the main frame hands a settings dialog besides the document's image state.
struct DialogContext {
    bool maintenanceMode = false;
    int currentBank = 0; // bank the channel grid shows (0 = A, 1 = B)
    bool documentModified = false;
    // Asks the user (message boxes when null; tests answer here).
    Prompter* prompter = nullptr;
    // The save-changes prompt, offered before a band change while the document has unsaved
    // changes; false (Cancel, or a failed save) abandons the band change.
    std::function<bool()> saveChangesFirst;
};

// What a settings dialog hands back. After OK, `state` is the whole state as the dialog left it,
// for the caller to commit through the document (which records a change only when something
// differs) and to refresh the views with `refreshHint` (0 = the changed cells, 1 = everything,
// 2 = the information header too, 4 = the band changed: the caller runs the band change);
// `currentBank` is the bank to show. After Cancel there is no state and nothing to do.
struct DialogOutcome {
    std::optional<ImageState> state;
    int refreshHint = 0;
    int currentBank = 0;

    [[nodiscard]] bool accepted() const { return state.has_value(); }
};

// Each runs its dialog modally on a copy of `state`, which must be encoded (the document keeps
// it so); OK hands back what the dialog wrote, Cancel nothing. After OK:
// - hardware: decode all; hint 4 after a band change, else 2 when a value changed, else 0.
// - scan, power save: decode all; hint 0. Other functions: decode all; hint 2.
// - options: decode all; hint 1 when byte 26 changed or the option unit changed.
// - key function: decode all; hint 1; bank A becomes current when the key leaves bank B.
// - market number: no decode; hint 1.
// - channel type: decode all; hint 1.
DialogOutcome runHardwareDialog(QWidget* parent, const ImageState& state, const DialogContext& ctx);
DialogOutcome runScanDialog(QWidget* parent, const ImageState& state, const DialogContext& ctx);
DialogOutcome runPowerSaveDialog(QWidget* parent, const ImageState& state,
                                 const DialogContext& ctx);
DialogOutcome runOptionsDialog(QWidget* parent, const ImageState& state, const DialogContext& ctx);
DialogOutcome runKeyFunctionDialog(QWidget* parent, const ImageState& state,
                                   const DialogContext& ctx);
DialogOutcome runMarketNumberDialog(QWidget* parent, const ImageState& state,
                                    const DialogContext& ctx);
DialogOutcome runOtherFunctionsDialog(QWidget* parent, const ImageState& state,
                                      const DialogContext& ctx);
DialogOutcome runChannelTypeDialog(QWidget* parent, const ImageState& state,
                                   const DialogContext& ctx);

// The serial port: `comPort` 1..4 and the device behind each COM number. True on OK; the
// caller stores both in the configuration ("Ports" section) and shows the port.
// `cableDevice` names the device a cable test of a COM number opens (CComPortDlg::CableDevice).
bool runComPortDialog(
    QWidget* parent, int& comPort, ComPortMap& ports,
    std::function<std::string(int number, const std::string& shown)> cableDevice = {});

// The 15 column-group flags of the grid. True on OK (the caller rebuilds the grid); the caller
// writes the flags to the configuration either way.

bool runColumnDisplayDialog(QWidget* parent, std::array<int, kColumnGroupCount>& flags);

} // namespace mz58
