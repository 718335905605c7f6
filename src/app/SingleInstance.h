#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

namespace mz58 {

// Keeps one running instance per user: the first start holds a lock file and listens on a
// local socket; a later start finds the lock held, asks the first to come to the front and
// ends. A lock left by a crashed instance is stale (its process is gone) and taken over.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `name` identifies the program (the executable's base name and the user).
    explicit SingleInstance(QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first instance (it then listens for later starts).
    [[nodiscard]] bool claim();
    // From a later start: asks the first instance to activate its window. False when it
    // could not be reached.
    [[nodiscard]] bool activateFirst();

    // The name for this program and user.
    static QString defaultName();
    QString lockFilePath() const;

signals:
    // A later start asked this instance to bring its window to the front.
    void activationRequested();

private:
    void onNewConnection();

    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

} // namespace mz58
