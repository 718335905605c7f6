// SPDX-License-Identifier: GPL-3.0-or-later
// Read from radio, Write to radio and the dealer's bench: the transfer windows work on a copy
// of the document's state; the document takes the result only after they (and their workers)
// have ended.
#include "CMainFrame.h"

#include "CAccessGaugeDlg.h"
#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "CMultiWriteDlg.h"
#include "RadioTransfers.h"

#include <QAction>
#include <QStatusBar>

namespace mz58 {

QString CMainFrame::documentNameForTransfers() const {
    return QString::fromStdString(m_doc.title());
}

void CMainFrame::onUpload(int) {
    // The radio's memory replaces the document: unsaved work is offered a save first, and
    // Cancel leaves everything as it was, the port untouched.
    if (!m_doc.SaveModified())
        return;
    ImageState working = m_doc.state();
    CAccessGaugeDlg dialog(TransferMode::Upload, m_context.portOpener(), working,
                           m_context.downloadOptions(), this);
    dialog.exec();
    // Only a successful upload replaces the image and renames the document (one undo step); a
    // failed or cancelled one leaves it exactly as it was, unsaved edits included.
    if (dialog.result().succeeded())
        m_doc.applyUpload(working.image, m_view->place());
}

void CMainFrame::onDownload(int) {
    ImageState working = m_doc.prepareDownload();
    WriteSettings settings;
    settings.showPreview = m_context.config.showWritePreview;
    settings.writeWhenUnchanged = m_context.config.writeWhenUnchanged;
    const WriteFlowResult flow =
        writeToRadio(this, m_context.portOpener(), working, m_context.downloadOptions(), settings,
                     documentNameForTransfers());
    if (flow.previewTurnedOff) {
        m_context.config.showWritePreview = false;
        m_context.config.writeTransferSettings(m_context.configPath);
        action(cmd::kShowWritePreview)->setChecked(false);
    }
    if (!flow.writeStarted)
        return;
    // The copy holds the radio's alignment data once its block has arrived; the document keeps
    // its own serial number (the radio kept its one).
    m_doc.applyDownload(working);
    const TransferResult& result = flow.transfer;
    if (!result.backupFile.empty())
        statusBar()->showMessage(tr("电台原有数据已备份 (radio backup): %1")
                                     .arg(QString::fromStdString(result.backupFile.string())));
}

void CMainFrame::onCompareWithRadio(int) {
    ImageState document = m_doc.state();
    compareWithRadio(this, m_context.portOpener(), document, m_context.maintenance,
                     documentNameForTransfers());
}

void CMainFrame::onWriteSeveralRadios(int) {
    const ImageState file = m_doc.prepareDownload();
    CMultiWriteDlg dialog(m_context.portOpener(), file, documentNameForTransfers(),
                          m_context.downloadOptions(), m_context.config.severalRadios,
                          m_context.config.severalRadiosLog, this);
    dialog.exec();
    m_context.config.severalRadios = dialog.count();
    m_context.config.severalRadiosLog = dialog.logPath();
    m_context.config.writeTransferSettings(m_context.configPath);
}

void CMainFrame::onShowWritePreview(int) {
    m_context.config.showWritePreview = action(cmd::kShowWritePreview)->isChecked();
    m_context.config.writeTransferSettings(m_context.configPath);
}

} // namespace mz58
