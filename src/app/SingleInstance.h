#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace mz58 {

// Keeps one running instance per user: the first start listens on a local socket of its own
// name; a later start finds the name taken, asks the first to come to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `name` identifies the program (the executable's base name and the user's id).
    explicit SingleInstance(QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first instance (it then listens for later starts).
    [[nodiscard]] bool claim();
    // From a later start: asks the first instance to activate its window. False when it
    // could not be reached.
    [[nodiscard]] bool activateFirst();

    // The name for this program and user.
    static QString defaultName();

signals:
    // A later start asked this instance to bring its window to the front.
    void activationRequested();

private:
    void onNewConnection();

    QString m_name;
    QLocalServer* m_server = nullptr;
};

} // namespace mz58
