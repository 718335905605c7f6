// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulatorProcess.h"

#include "ProgrammingFile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace mz58 {
namespace {

constexpr int kStartTimeoutMs = 5000;
constexpr int kStopTimeoutMs = 2000;

} // namespace

SimulatorProcess::SimulatorProcess() {
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_LINUX
    // The simulator ends with the program even when the program is killed.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
}

SimulatorProcess::~SimulatorProcess() {
    stop();
}

QString SimulatorProcess::programPath() {
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("mz58-radiosim"));
    if (QFileInfo(beside).isExecutable())
        return beside;
#ifdef MZ58_RADIOSIM_BUILD_PATH
    if (QFileInfo(QStringLiteral(MZ58_RADIOSIM_BUILD_PATH)).isExecutable())
        return QStringLiteral(MZ58_RADIOSIM_BUILD_PATH);
#endif
    return {};
}

QString SimulatorProcess::memoryFile(int radio) const {
    return m_dir.filePath(QStringLiteral("radio-%1.q7m").arg(radio));
}

bool SimulatorProcess::start(int band, const QStringList& extraArguments, int radios) {
    const QString program = programPath();
    if (program.isEmpty()) {
        m_error = QStringLiteral("mz58-radiosim not found");
        return false;
    }
    const QString image = m_dir.filePath(QStringLiteral("radio.q7m"));
    if (!m_dir.isValid() || !writeFreshImageFile(image.toStdString(), band)) {
        m_error = QStringLiteral("cannot write the simulated radio's memory");
        return false;
    }
    for (int k = 1; k <= radios; ++k)
        QFile::remove(memoryFile(k));
    QStringList arguments{
        QStringLiteral("--image"),       image,
        QStringLiteral("--save-to"),     m_dir.filePath(QStringLiteral("radio-%d.q7m")),
        QStringLiteral("--radios"),      QString::number(radios),
        QStringLiteral("--serial-base"), QString::number(kDemoSerialBase)};
    arguments += extraArguments;
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(kStartTimeoutMs)) {
        m_error = m_process.errorString();
        return false;
    }
    // The first line names the pseudo-terminal: "PORT <path>".
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!m_process.canReadLine() && !deadline.hasExpired() &&
           m_process.state() == QProcess::Running)
        m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    const QString line = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    if (!line.startsWith(QStringLiteral("PORT "))) {
        m_error = QStringLiteral("mz58-radiosim did not name its port");
        stop();
        return false;
    }
    m_port = line.mid(5);
    return true;
}

void SimulatorProcess::stop() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(kStopTimeoutMs)) {
        m_process.kill();
        m_process.waitForFinished(kStopTimeoutMs);
    }
}

} // namespace mz58
