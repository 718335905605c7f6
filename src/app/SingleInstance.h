// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>

class QSocketNotifier;

namespace mz58 {

// Keeps one running instance per user and display: the first start listens on a Unix socket
// of its own name; a later start on the same display finds the name taken, hands its file (if
// any) to the first, asks it to come to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `name` identifies the program, the user and the display (see nameFor()).
    explicit SingleInstance(QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first instance (it then listens for later starts).
    [[nodiscard]] bool claim();
    // From a later start: asks the first instance to open `file` (when not empty; made
    // absolute here, against this process's folder) and to activate its window. False when it
    // could not be reached.
    [[nodiscard]] bool handOver(const QString& file = {});

    // True when an instance listens on `name` (it gets an empty connection and drops it).
    static bool isClaimed(const QString& name);

    // The name for `program` (the executable's base name), this user and the display the
    // environment names: the Wayland display, else the X display (its screen number dropped),
    // else the login session, so that a start on another display gets its own window.
    static QString nameFor(const QString& program, const QProcessEnvironment& environment);
    // The name for this executable, user and display.
    static QString defaultName();

signals:
    // A later start asked this instance to bring its window to the front.
    void activationRequested();
    // A later start named a file for this instance to open (an absolute path).
    void fileHandedOver(const QString& path);

private:
    void acceptConnections();
    void readFrom(QSocketNotifier* notifier);
    void closePeer(QSocketNotifier* notifier);
    void onMessage(const QByteArray& message);

    QString m_name;
    // The listening socket (-1 until claimed) and what each connected later start has sent.
    int m_listener = -1;
    QSocketNotifier* m_listening = nullptr;
    QHash<QSocketNotifier*, QByteArray> m_received;
};

} // namespace mz58
