#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace mz58 {

// The built-in demonstration radio: the mz58-radiosim program on a pseudo-terminal, started
// in the background and ended with this object.
class SimulatorProcess {
public:
    SimulatorProcess();
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // Starts the simulator with a fresh radio of `band` and the extra arguments; false (with
    // errorString()) when it could not be started or did not name its port.
    bool start(int band = 0, const QStringList& extraArguments = {});
    void stop();

    [[nodiscard]] QString portPath() const { return m_port; }
    [[nodiscard]] QString errorString() const { return m_error; }
    // Where the simulated radio keeps what a download wrote into it.
    [[nodiscard]] QString memoryFile() const;

    // The simulator beside this program, else the one of the build tree.
    static QString programPath();

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_port;
    QString m_error;
};

} // namespace mz58
