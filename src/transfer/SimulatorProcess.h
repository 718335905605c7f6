// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace mz58 {

// The built-in demonstration radios: the mz58-radiosim program on a pseudo-terminal, started
// in the background and ended with this object. It serves a bench of radios (serial numbers
// 100001, 100002, …): a read and a write talk to the radio on the cable; a write to several
// radios takes the next one when the program waits for it to be switched on.
class SimulatorProcess {
public:
    static constexpr int kDemoRadios = 3;
    static constexpr int kDemoSerialBase = 100001;

    SimulatorProcess();
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // Starts the simulator with `radios` fresh radios of `band` and the extra arguments; false
    // (with errorString()) when it could not be started or did not name its port.
    bool start(int band = 0, const QStringList& extraArguments = {}, int radios = kDemoRadios);
    void stop();

    [[nodiscard]] QString portPath() const { return m_port; }
    [[nodiscard]] QString errorString() const { return m_error; }
    // Where simulated radio `radio` (1..) keeps what a download wrote into it.
    [[nodiscard]] QString memoryFile(int radio = 1) const;

    // The simulator beside this program, else the one of the build tree.
    static QString programPath();

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_port;
    QString m_error;
};

} // namespace mz58
