#pragma once

#include "ChannelGridLayout.h"
#include "ComPorts.h"
#include "ImageCodec.h"
#include "Messages.h"

#include <array>
#include <functional>

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

// What the frame does after a settings dialog: refresh the views with `refreshHint` (0 = none,
// 1 = everything, 2 = the grid's settings-dependent cells, 4 = the band changed), set the
// document's modified flag when `modified`, show `currentBank`.
struct DialogOutcome {
    bool accepted = false;
    bool modified = false;
    int refreshHint = 0;
    int currentBank = 0;
};

// Each runs its dialog modally with the frame's common steps around it: encode all before it
// opens, then the dialog works on a copy of the state and OK hands back what it writes; Cancel
// changes no byte. After the dialog:
// - hardware: OK encodes all; either way decode all; hint 4 after a band change, else 2 when a
//   value changed, else 0.
// - scan, power save, other functions: decode all; hint 0 (other functions: 2).
// - options: decode all; hint 1 when byte 26 changed or the option unit changed.
// - key function: decode all; hint 1; bank A becomes current when the key leaves bank B.
// - market number: no decode; hint 1.
// - channel type: on OK decode all and hint 1; after Cancel nothing.
DialogOutcome runHardwareDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);
DialogOutcome runScanDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);
DialogOutcome runPowerSaveDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);
DialogOutcome runOptionsDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);
DialogOutcome runKeyFunctionDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);
DialogOutcome runMarketNumberDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);
DialogOutcome runOtherFunctionsDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);
DialogOutcome runChannelTypeDialog(QWidget* parent, ImageState& state, const DialogContext& ctx);

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
