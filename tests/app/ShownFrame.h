// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppContext.h"
#include "CMZ58Doc.h"
#include "CMainFrame.h"
#include "MessageBoxPrompter.h"
#include "QtFileChooser.h"

#include <QTest>

#include <memory>

namespace mz58::test {

// A main window on a new document kept in `dir`, shown and active, its questions asked over it.
// The document is made before the window and must outlive it (closing the window commits an open
// editor). Returns whether the window became active.
[[nodiscard]] inline bool showNewFrame(MessageBoxPrompter& prompter, QtFileChooser& chooser,
                                       AppContext& context, const QString& dir,
                                       std::unique_ptr<CMZ58Doc>& doc,
                                       std::unique_ptr<CMainFrame>& frame) {
    frame.reset();
    doc = std::make_unique<CMZ58Doc>(prompter, chooser, dir.toStdString());
    doc->OnNewDocument();
    frame = std::make_unique<CMainFrame>(*doc, context);
    prompter.setParent(frame.get());
    chooser.setParent(frame.get());
    frame->show();
    frame->activateWindow();
    return QTest::qWaitForWindowActive(frame.get());
}

} // namespace mz58::test
