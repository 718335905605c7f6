// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace mz58 {

// Turns SIGTERM, SIGHUP and SIGINT (a logout, `kill`, Ctrl-C in the terminal) into a signal of
// the event loop, so that the program can end as a close does instead of dying mid-way. The
// handler only writes the signal's number into a pipe (which is safe in a signal handler); a
// socket notifier reads it on the GUI thread. Elsewhere than POSIX it does nothing.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // Installs the handlers; false when the pipe could not be made (the signals then keep their
    // default action).
    bool install();

signals:
    void terminationRequested(int signalNumber);

private:
    void onReadable();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace mz58
