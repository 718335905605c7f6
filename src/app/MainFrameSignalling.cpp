#include "CMainFrame.h"

#include "AppContext.h"
#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "ShellRules.h"
#include "SignallingDialogs.h"

namespace mz58 {

// Runs the dialog of a Signalling command (its entry function takes the frame's common steps),
// then marks the document and refreshes with the dialog's hint.
void CMainFrame::onSignallingDialog(int id) {
    using Runner = DialogOutcome (*)(QWidget*, ImageState&, const DialogContext&);
    Runner run = nullptr;
    switch (id) {
    case cmd::kAni:
        run = runAniDialog;
        break;
    case cmd::kDtmf:
        run = runDtmfDialog;
        break;
    case cmd::kPagingCode:
        run = runPagingCodeDialog;
        break;
    case cmd::kTwoTone:
        run = runTwoToneParamDialog;
        break;
    case cmd::kTwoToneTable:
        run = runTwoToneTableDialog;
        break;
    default:
        return;
    }
    DialogContext ctx;
    ctx.maintenanceMode = m_context.maintenance;
    ctx.currentBank = m_view->bank();
    ctx.documentModified = m_doc.IsModified();
    const DialogOutcome outcome = run(this, m_doc.state(), ctx);
    if (outcome.modified) {
        m_doc.SetModifiedFlag();
        updateTitle();
    }
    refresh(outcome.refreshHint);
}

} // namespace mz58
