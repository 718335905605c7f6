// The settings dialogs, the configuration dialogs and the channel plan import and export, as
// the main window runs them: the dialogs collect, the window applies what they hand back.
#include "CMainFrame.h"

#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "ChirpCsv.h"
#include "MessageBoxPrompter.h"
#include "ProgrammingFile.h"
#include "SettingsDialogs.h"
#include "SignallingDialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStatusBar>

namespace mz58 {
namespace {

using DialogRunner = DialogOutcome (*)(QWidget*, ImageState&, const DialogContext&);

struct SettingsCommand {
    int id;
    DialogRunner run;
};

constexpr SettingsCommand kSettingsCommands[] = {
    {cmd::kHardware, runHardwareDialog},
    {cmd::kOptions, runOptionsDialog},
    {cmd::kScan, runScanDialog},
    {cmd::kPowerSave, runPowerSaveDialog},
    {cmd::kKeyFunction, runKeyFunctionDialog},
    {cmd::kMarketNumber, runMarketNumberDialog},
    {cmd::kOtherFunctions, runOtherFunctionsDialog},
    {cmd::kChannelType, runChannelTypeDialog},
    {cmd::kAni, runAniDialog},
    {cmd::kDtmf, runDtmfDialog},
    {cmd::kPagingCode, runPagingCodeDialog},
    {cmd::kTwoTone, runTwoToneParamDialog},
    {cmd::kTwoToneTable, runTwoToneTableDialog},
};

} // namespace

void CMainFrame::onSettingsDialog(int id) {
    DialogRunner run = nullptr;
    for (const auto& command : kSettingsCommands) {
        if (command.id == id)
            run = command.run;
    }
    if (!run)
        return;
    DialogContext context;
    context.maintenanceMode = m_context.maintenance;
    context.currentBank = m_view->bank();
    context.documentModified = m_doc.IsModified();
    context.saveChangesFirst = [this] { return m_doc.SaveModified(); };
    const DialogOutcome outcome = run(this, m_doc.state(), context);
    if (outcome.modified)
        m_doc.SetModifiedFlag();
    if (outcome.currentBank != m_view->bank())
        m_view->setBank(outcome.currentBank);
    if (outcome.refreshHint == kHintBandChange)
        m_doc.ChangeBand(); // loads or writes the new band's default image, then refreshes
    else
        refresh(outcome.refreshHint);
}

void CMainFrame::onComPort(int) {
    // In the demonstration COM1 leads to the simulated radio, for the cable test too.
    const auto cableDevice = [this](int number, const std::string& shown) {
        return m_context.simulated && number == 1 ? m_context.simulatorPort : shown;
    };
    if (!runComPortDialog(this, m_context.config.comPort, m_context.config.ports, cableDevice))
        return;
    m_context.config.writeStartup(m_context.configPath);
    refresh(kHintHeader);
}

void CMainFrame::onColumnDisplay(int) {
    std::array<int, kColumnGroupCount> flags{};
    for (int g = 0; g < kColumnGroupCount; ++g)
        flags[static_cast<std::size_t>(g)] = m_view->isColumnGroupShown(g) ? 1 : 0;
    if (runColumnDisplayDialog(this, flags)) {
        for (int g = 0; g < kColumnGroupCount; ++g)
            m_view->setColumnGroupShown(g, flags[static_cast<std::size_t>(g)] != 0);
        updateActions();
    }
    m_context.config.columnGroups = flags;
    m_context.config.writeColumnGroups(m_context.configPath);
}

void CMainFrame::onCopy(int) {
    m_view->copy();
}

void CMainFrame::onPaste(int) {
    m_view->paste();
}

void CMainFrame::onChannelEdited() {
    m_doc.SetModifiedFlag();
}

void CMainFrame::onImportCsv(int) {
    const QString path = QFileDialog::getOpenFileName(this, tr("Import CHIRP CSV..."), {},
                                                      tr("CHIRP CSV (*.csv);;*"), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBoxPrompter(this).tell(UserMessage{
            msg::kFileOpenError, {path.toStdString()}, file.errorString().toStdString()});
        return;
    }
    const QByteArray bytes = file.readAll();
    ImageCodec::encodeAll(m_doc.state());
    const ChirpImportResult result = importChirpCsv(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), m_doc.state());
    const QString report = QString::fromStdString(importReportText(result));
    if (result.applied()) {
        m_doc.SetModifiedFlag();
        refresh(kHintRebuild);
        QMessageBox::information(
            this, QCoreApplication::applicationName(),
            tr("%n channel(s) imported.", nullptr, static_cast<int>(result.imported.size())) +
                (report.isEmpty() ? QString() : QStringLiteral("\n\n") + report));
        return;
    }
    QMessageBox::warning(this, QCoreApplication::applicationName(),
                         tr("Nothing was imported.") + QStringLiteral("\n\n") + report);
}

void CMainFrame::onExportCsv(int) {
    QString path =
        QFileDialog::getSaveFileName(this, tr("Export CHIRP CSV..."), {}, tr("CHIRP CSV (*.csv)"),
                                     nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    const Status written = WriteFileAtomically(path.toStdString(), exportChirpCsv(m_doc.state()));
    if (!written.ok()) {
        MessageBoxPrompter(this).tell(written);
        return;
    }
    statusBar()->showMessage(tr("Exported %1").arg(path), 5000);
}

} // namespace mz58
