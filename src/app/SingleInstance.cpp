#include "SingleInstance.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

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
}

QString SingleInstance::defaultName() {
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return base + QLatin1Char('-') + QString::number(::getuid());
}

bool SingleInstance::claim() {
    // A name in the abstract socket namespace: binding it is atomic, and the kernel releases it
    // when the process ends however it ends, so a crashed instance never leaves anything behind
    // that could block a start, and nothing is written to disk.
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    if (m_server->listen(m_name))
        return true;
    const bool taken = m_server->serverError() == QAbstractSocket::AddressInUseError;
    delete m_server;
    m_server = nullptr;
    // Any other failure must not keep the program from starting: it runs, unguarded.
    return !taken;
}

bool SingleInstance::activateFirst() {
    // The system queues the connection even before the first instance runs its event loop; the
    // retries only cover a first instance that is just ending as this one starts.
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
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
