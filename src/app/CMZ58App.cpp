// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMZ58App.h"

#include "ApplicationStyle.h"
#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "CMainFrame.h"
#include "CPasswordDlg.h"
#include "ProgrammingFile.h"
#include "Recovery.h"
#include "ShellRules.h"
#include "SimulatorProcess.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

const QString kSimulatorSwitch = QStringLiteral("--simulator");

bool isWritableDirectory(const QString& dir) {
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

} // namespace

CMZ58App::CMZ58App(Options options, QObject* parent)
    : QObject(parent), m_options(std::move(options)) {}

CMZ58App::~CMZ58App() {
    m_frame.reset();
    m_doc.reset();
}

fs::path CMZ58App::defaultImageDirectory() {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QDir dir(programDir);
    for (int index = 0; index < 2; ++index) {
        if (QFileInfo::exists(dir.filePath(QString::fromLatin1(defaultImageName(index)))))
            return programDir.toStdString();
    }
    if (isWritableDirectory(programDir))
        return programDir.toStdString();
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    return data.toStdString();
}

bool CMZ58App::InitInstance() {
    QStringList arguments = m_options.arguments;
    m_context.simulated = arguments.removeAll(kSimulatorSwitch) > 0;

    std::vector<std::string> plain;
    for (const QString& argument : arguments)
        plain.push_back(argument.toStdString());
    // A file named on the command line (the maintenance switch is no file).
    const QString namedFile =
        arguments.size() == 1 && !isMaintenanceSwitch(plain) ? arguments.front() : QString();

    // One instance per user and display: a later start hands its file to the first, brings it
    // to the front and ends.
    m_instance = new SingleInstance(m_options.instanceName.isEmpty() ? SingleInstance::defaultName()
                                                                     : m_options.instanceName,
                                    this);
    if (!m_instance->claim()) {
        (void)m_instance->handOver(namedFile);
        return false;
    }
    ApplicationStyle::install();

    // From here on a logout or `kill` ends the program as a close does, keeping what is unsaved.
    m_signals = new TerminationSignals(this);
    connect(m_signals, &TerminationSignals::terminationRequested, this,
            &CMZ58App::endWithoutAsking);
    (void)m_signals->install();

    // The configuration in the working directory, read and written back at once so that the
    // file always holds every key.
    m_context.configPath = configurationFilePath();
    m_context.config = AppConfig::read(m_context.configPath);
    m_context.config.writeStartup(m_context.configPath);

    m_context.maintenance = isMaintenanceSwitch(plain);
    if (m_context.maintenance) {
        CPasswordDlg password;
        m_context.maintenance = password.exec() == QDialog::Accepted &&
                                isMaintenancePassword(password.password().toStdString());
    }

    if (m_context.simulated && !startSimulator())
        m_context.simulated = false;

    const fs::path imageDir =
        m_options.imageDir.empty() ? defaultImageDirectory() : m_options.imageDir;
    m_doc = std::make_unique<CMZ58Doc>(m_prompter, m_chooser, imageDir);
    m_doc->OnNewDocument();
    m_frame = std::make_unique<CMainFrame>(*m_doc, m_context);
    m_prompter.setParent(m_frame.get());
    m_chooser.setParent(m_frame.get());
    connect(m_instance, &SingleInstance::activationRequested, m_frame.get(), &CMainFrame::activate);
    connect(m_instance, &SingleInstance::fileHandedOver, m_frame.get(),
            &CMainFrame::openHandedFile);

    m_frame->show();
    offerRecoveredChanges();
    // A file named on the command line is opened as File > Open would (with its checks).
    if (!namedFile.isEmpty())
        m_frame->openNamedFile(namedFile);
    m_frame->view()->setFocus();
    return true;
}

QString CMZ58App::recoveryDir() const {
    return m_options.recoveryDir.isEmpty() ? recovery::folder() : m_options.recoveryDir;
}

void CMZ58App::endWithoutAsking() {
    if (m_ending)
        return;
    m_ending = true;
    // A save runs on this thread, so one in progress has already completed.
    if (m_doc && m_doc->IsModified())
        (void)recovery::write(recoveryDir(), m_doc->state(), m_doc->fileName(),
                              QDateTime::currentDateTime());
    if (m_frame)
        m_frame->writeConfigurationAtExit();
    // Every event loop ends, the nested ones of open dialogs too; new ones end at once. During
    // the start-up the main loop runs only later: it ends as soon as it runs.
    QCoreApplication::exit(0);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void CMZ58App::offerRecoveredChanges() {
    const auto found = recovery::newest(recoveryDir());
    if (!found)
        return;
    const std::string when =
        found->keptAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
    if (m_prompter.ask(msg::kOpenRecoveredChanges, std::span<const std::string>(&when, 1),
                       Buttons::YesNo, Icon::Question) != Answer::Yes) {
        recovery::remove(*found);
        return;
    }
    ImageState recovered;
    ImageCodec::resetAll(recovered);
    const Status opened = OpenProgrammingFile(found->imagePath.toStdString(), recovered);
    m_prompter.tell(opened);
    if (opened.ok()) {
        // The file the changes belong to, so that Save writes them where they came from.
        if (QFileInfo(found->originalFile).isFile())
            (void)m_frame->openNamedFile(found->originalFile);
        m_frame->applyRecoveredChanges(std::move(recovered));
    }
    recovery::remove(*found);
}

bool CMZ58App::startSimulator() {
    m_simulator = std::make_unique<SimulatorProcess>();
    if (!m_simulator->start(kVhf, m_options.simulatorArguments)) {
        QMessageBox::warning(nullptr, QCoreApplication::applicationName(),
                             tr("模拟电台无法启动 (the simulated radio could not start): %1")
                                 .arg(m_simulator->errorString()));
        m_simulator.reset();
        return false;
    }
    // COM1 leads to the simulated radio for this run; the configuration keeps its own mapping.
    m_context.simulatorPort = m_simulator->portPath().toStdString();
    return true;
}

} // namespace mz58
