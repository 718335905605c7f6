// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QThread>

#include <unistd.h>

namespace mz58 {
namespace {

// A later start sends one message and closes: "activate", or "open" and the file's UTF-8
// path in base64 (a path may hold any byte but NUL, a newline included), each ending in "\n".
const QByteArray kActivate = QByteArrayLiteral("activate");
const QByteArray kOpen = QByteArrayLiteral("open ");
constexpr int kConnectAttempts = 20;
constexpr int kConnectPauseMs = 100;
// Far below the 107 bytes of a socket name.
constexpr qsizetype kDisplayKeyLength = 64;
// A message longer than this is no later start of ours.
constexpr qsizetype kMessageLimit = 64 * 1024;

QString displayKey(const QProcessEnvironment& environment) {
    QString key;
    if (const QString wayland = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
        !wayland.isEmpty()) {
        key = QStringLiteral("wl.") + wayland;
    } else if (QString x = environment.value(QStringLiteral("DISPLAY")); !x.isEmpty()) {
        // ":0" and ":0.0" are one display; "unix:0" is ":0" too.
        x.remove(QRegularExpression(QStringLiteral("\\.\\d+$")));
        if (x.startsWith(QStringLiteral("unix:")))
            x.remove(0, 4);
        key = QStringLiteral("x") + x;
    } else if (const QString session = environment.value(QStringLiteral("XDG_SESSION_ID"));
               !session.isEmpty()) {
        key = QStringLiteral("s.") + session;
    }
    key.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._:-]")), QStringLiteral("_"));
    return key.left(kDisplayKeyLength);
}

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (m_server)
        m_server->close();
}

QString SingleInstance::nameFor(const QString& program, const QProcessEnvironment& environment) {
    QString name = program + QLatin1Char('-') + QString::number(::getuid());
    if (const QString display = displayKey(environment); !display.isEmpty())
        name += QLatin1Char('-') + display;
    return name;
}

QString SingleInstance::defaultName() {
    return nameFor(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(),
                   QProcessEnvironment::systemEnvironment());
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

bool SingleInstance::handOver(const QString& file) {
    const QByteArray message =
        (file.isEmpty() ? kActivate
                        : kOpen + QFileInfo(file).absoluteFilePath().toUtf8().toBase64()) +
        '\n';
    // The system queues the connection even before the first instance runs its event loop; the
    // retries only cover a first instance that is just ending as this one starts.
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
        socket.connectToServer(m_name);
        if (socket.waitForConnected(kConnectPauseMs)) {
            socket.write(message);
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
            // The message may arrive in pieces; it counts once its line has ended.
            QByteArray buffered = socket->property("received").toByteArray() + socket->readAll();
            if (buffered.size() > kMessageLimit) {
                socket->abort();
                return;
            }
            const qsizetype end = buffered.indexOf('\n');
            if (end < 0) {
                socket->setProperty("received", buffered);
                return;
            }
            socket->setProperty("received", QByteArray());
            socket->disconnect(this);
            onMessage(buffered.left(end));
        });
    }
}

void SingleInstance::onMessage(const QByteArray& message) {
    const bool open = message.startsWith(kOpen);
    if (message != kActivate && !open)
        return;
    emit activationRequested();
    if (open) {
        const QString path = QString::fromUtf8(QByteArray::fromBase64(message.mid(kOpen.size())));
        if (QDir::isAbsolutePath(path))
            emit fileHandedOver(path);
    }
}

} // namespace mz58
