#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace mz58 {
namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
constexpr int kConnectAttempts = 20;
constexpr int kConnectPauseMs = 100;

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (m_server)
        m_server->close();
    if (m_lock)
        m_lock->unlock();
}

QString SingleInstance::defaultName() {
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return base + QLatin1Char('-') + user;
}

QString SingleInstance::lockFilePath() const {
    return QDir(QDir::tempPath()).filePath(m_name + QStringLiteral(".lock"));
}

bool SingleInstance::claim() {
    m_lock = std::make_unique<QLockFile>(lockFilePath());
    // Only a lock whose process is gone is stale; a live holder is never overridden.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return false;
    }
    // A socket left by a crashed instance would block listening.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    (void)m_server->listen(m_name);
    return true;
}

bool SingleInstance::activateFirst() {
    // The first instance may still be starting: try for a little while.
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(m_name);
        if (socket.waitForConnected(kConnectPauseMs)) {
            socket.write(kActivate);
            const bool sent = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(kConnectPauseMs);
    }
    return false;
}

void SingleInstance::onNewConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().startsWith(kActivate.trimmed()))
                emit activationRequested();
        });
    }
}

} // namespace mz58
