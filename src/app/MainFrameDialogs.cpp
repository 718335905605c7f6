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
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>

#include <algorithm>

namespace mz58 {
namespace {

using DialogRunner = DialogOutcome (*)(QWidget*, const ImageState&, const DialogContext&);

// A dialog command, the dialog it runs and the name of its undo step.
struct SettingsCommand {
    int id;
    DialogRunner run;
    StringId stepName;
};

constexpr SettingsCommand kSettingsCommands[] = {
    {cmd::kHardware, runHardwareDialog, msg::kStepHardware},
    {cmd::kOptions, runOptionsDialog, msg::kStepOptions},
    {cmd::kScan, runScanDialog, msg::kStepScan},
    {cmd::kPowerSave, runPowerSaveDialog, msg::kStepPowerSave},
    {cmd::kKeyFunction, runKeyFunctionDialog, msg::kStepKeyFunction},
    {cmd::kMarketNumber, runMarketNumberDialog, msg::kStepSerialNumber},
    {cmd::kOtherFunctions, runOtherFunctionsDialog, msg::kStepOtherFunctions},
    {cmd::kChannelType, runChannelTypeDialog, msg::kStepChannelTypes},
    {cmd::kAni, runAniDialog, msg::kStepAni},
    {cmd::kDtmf, runDtmfDialog, msg::kStepDtmf},
    {cmd::kPagingCode, runPagingCodeDialog, msg::kStepPagingCodes},
    {cmd::kTwoTone, runTwoToneParamDialog, msg::kStepTwoTone},
    {cmd::kTwoToneTable, runTwoToneTableDialog, msg::kStepTwoToneTable},
};

} // namespace

void CMainFrame::onSettingsDialog(int id) {
    const auto command = std::ranges::find(kSettingsCommands, id, &SettingsCommand::id);
    if (command == std::end(kSettingsCommands))
        return;
    DialogContext context;
    context.maintenanceMode = m_context.maintenance;
    context.currentBank = m_view->bank();
    context.documentModified = m_doc.IsModified();
    context.saveChangesFirst = [this] { return m_doc.SaveModified(); };
    const EditPlace place = m_view->place();
    DialogOutcome outcome = command->run(this, m_doc.state(), context);
    if (!outcome.accepted())
        return;
    if (outcome.currentBank != m_view->bank())
        m_view->setBank(outcome.currentBank);
    const EditName name{command->stepName, {}};
    if (outcome.refreshHint == kHintBandChange) // loads or writes the new band's default image
        m_doc.ChangeBand(std::move(*outcome.state), name, place);
    else
        m_doc.commitEdit(std::move(*outcome.state), name, place, outcome.refreshHint);
}

void CMainFrame::onComPort(int) {
    if (!runComPortDialog(this, m_context.config.comPort, m_context.config.ports))
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
    ImageState next = m_doc.state();
    const ChirpImportResult result = importChirpCsv(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), next);
    const QString report = QString::fromStdString(importReportText(result));
    if (result.applied()) {
        m_doc.commitEdit(std::move(next),
                         {msg::kStepImport, {QFileInfo(path).fileName().toStdString()}},
                         m_view->place(), kHintRebuild);
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
