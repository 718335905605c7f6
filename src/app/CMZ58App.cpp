#include "CMZ58App.h"

#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "CMainFrame.h"
#include "CPasswordDlg.h"
#include "ProgrammingFile.h"
#include "ShellRules.h"
#include "SimulatorProcess.h"
#include "SingleInstance.h"

#include <QCoreApplication>
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

    // One instance per user: a later start brings the first to the front and ends.
    m_instance = new SingleInstance(m_options.instanceName.isEmpty() ? SingleInstance::defaultName()
                                                                     : m_options.instanceName,
                                    this);
    if (!m_instance->claim()) {
        (void)m_instance->activateFirst();
        return false;
    }

    // The configuration in the working directory, read and written back at once so that the
    // file always holds every key.
    m_context.configPath = configurationFilePath();
    m_context.config = AppConfig::read(m_context.configPath);
    m_context.config.writeStartup(m_context.configPath);

    std::vector<std::string> plain;
    for (const QString& argument : arguments)
        plain.push_back(argument.toStdString());
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

    m_frame->show();
    // A file named on the command line is opened as File > Open would (with its checks).
    if (arguments.size() == 1 && !isMaintenanceSwitch(plain))
        m_frame->openNamedFile(arguments.front());
    m_frame->view()->setFocus();
    return true;
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
