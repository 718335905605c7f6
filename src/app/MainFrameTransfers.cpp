// Upload and download: the transfer dialog works on a copy of the document's state; the
// document takes the result only after the dialog (and its worker) has ended.
#include "CMainFrame.h"

#include "CAccessGaugeDlg.h"
#include "CMZ58Doc.h"
#include "CMZ58View.h"

#include <QStatusBar>

namespace mz58 {

void CMainFrame::onUpload(int) {
    ImageState working = m_doc.state();
    CAccessGaugeDlg dialog(TransferMode::Upload, m_context.portOpener(), working,
                           m_context.downloadOptions(), this);
    dialog.exec();
    // Only a successful upload replaces the image and renames the document; a failed or
    // cancelled one leaves it exactly as it was, unsaved edits included.
    if (dialog.result().succeeded())
        m_doc.applyUpload(working.image, m_view->place());
}

void CMainFrame::onDownload(int) {
    ImageState working = m_doc.prepareDownload();
    CAccessGaugeDlg dialog(TransferMode::Download, m_context.portOpener(), working,
                           m_context.downloadOptions(), this);
    dialog.exec();
    // The copy holds the radio's alignment data once the radio's block has arrived.
    m_doc.applyDownload(working);
    const TransferResult result = dialog.result();
    if (!result.backupFile.empty())
        statusBar()->showMessage(tr("电台原有数据已备份 (radio backup): %1")
                                     .arg(QString::fromStdString(result.backupFile.string())));
}

} // namespace mz58
