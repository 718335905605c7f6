// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CloneProtocol.h"

#include <QString>

class QWidget;

namespace mz58 {

// How "Write to radio" goes in the window (the Transfer section of the configuration).
struct WriteSettings {
    bool showPreview = true;
    bool writeWhenUnchanged = true;
};

struct WriteFlowResult {
    enum class Outcome { Written, Failed, Cancelled, Unchanged };
    Outcome outcome = Outcome::Cancelled;
    // The user ticked "Do not show again" in the preview.
    bool previewTurnedOff = false;
    // The write itself; it did not start when the preview was cancelled or nothing changed.
    TransferResult transfer;
    bool writeStarted = false;
};

// "Write to radio" from the window. With the preview on, it reads the radio first (a read of
// its own, so that nothing times out while the user reads), shows what the write will change,
// then runs the write's own handshake, which refuses any other radio than the one shown.
// `working` is the document's state as it goes to the radio; it takes the radio's own data
// once the write has read the radio.
WriteFlowResult writeToRadio(QWidget* parent, const PortOpener& openPort, ImageState& working,
                             const DownloadOptions& options, const WriteSettings& settings,
                             const QString& fileName);

// "Compare with radio": reads the radio and shows how it differs from what a write of
// `document` would send, in the preview's window. Nothing is written.
void compareWithRadio(QWidget* parent, const PortOpener& openPort, const ImageState& document,
                      bool maintenance, const QString& fileName);

} // namespace mz58
