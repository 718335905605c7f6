// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialogs, the configuration dialogs and the channel plan import and export, as
// the main window runs them: the dialogs collect, the window applies what they hand back.
#include "CMainFrame.h"

#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "ChirpCsv.h"
#include "ChirpImportDialog.h"
#include "MessageBoxPrompter.h"
#include "ProgrammingFile.h"
#include "SettingsDialogs.h"
#include "SignallingDialogs.h"

#include <QCoreApplication>
#include <QDir>
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

// A channel list is a few kilobytes; anything far larger is no channel list.
constexpr qint64 kLargestChannelList = 4 * 1024 * 1024;
constexpr int kStatusMessageMs = 5000;

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

void CMainFrame::onImportCsv(int) {
    const QString path = QFileDialog::getOpenFileName(this, tr("Import CHIRP CSV..."), {},
                                                      tr("CHIRP CSV (*.csv);;*"), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (!path.isEmpty())
        importCsvFile(path);
}

bool CMainFrame::importCsvFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBoxPrompter(this).tell(UserMessage{
            msg::kFileOpenError, {path.toStdString()}, file.errorString().toStdString()});
        return false;
    }
    if (file.size() > kLargestChannelList) {
        QMessageBox::warning(this, QCoreApplication::applicationName(),
                             tr("%1 is too large for a channel list.").arg(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const QString name = QFileInfo(path).fileName();
    auto choice = runChirpImportDialog(
        this, m_doc.state(), std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        name);
    if (!choice)
        return false;
    EditPlace place = m_view->place();
    if (!choice->channels.empty()) {
        place.channel = choice->channels.front() - 1;
        place.bank = place.channel / kChannelsPerBank;
        place.column = -1;
    }
    const int count = static_cast<int>(choice->channels.size());
    if (m_doc.commitEdit(std::move(choice->state), {msg::kStepImport, {name.toStdString()}}, place,
                         kHintRebuild))
        statusBar()->showMessage(tr("%n channel(s) imported from %1", nullptr, count).arg(name),
                                 kStatusMessageMs);
    else
        statusBar()->showMessage(
            tr("The channels already hold what %1 holds: nothing changed").arg(name),
            kStatusMessageMs);
    return true;
}

void CMainFrame::onExportCsv(int) {
    // Beside the document, named after it, when it has a file.
    const QFileInfo document(QString::fromStdString(m_doc.fileName()));
    const QString proposed =
        document.isAbsolute()
            ? document.dir().filePath(document.completeBaseName() + QStringLiteral(".csv"))
            : QString();
    QString path = QFileDialog::getSaveFileName(this, tr("Export CHIRP CSV..."), proposed,
                                                tr("CHIRP CSV (*.csv)"), nullptr,
                                                QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    const Status written = WriteFileAtomically(path.toStdString(), exportChirpCsv(m_doc.state()));
    if (!written.ok()) {
        MessageBoxPrompter(this).tell(written);
        return;
    }
    statusBar()->showMessage(tr("Exported %1").arg(path), kStatusMessageMs);
}

} // namespace mz58
