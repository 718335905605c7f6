// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
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

// The name's address in the abstract namespace: a NUL, then the name's bytes, unpadded.
struct SocketAddress {
    sockaddr_un address{};
    socklen_t size = 0;
};

std::optional<SocketAddress> abstractAddress(const QString& name) {
    const QByteArray bytes = QFile::encodeName(name);
    SocketAddress result;
    result.address.sun_family = AF_UNIX;
    if (bytes.isEmpty() ||
        static_cast<std::size_t>(bytes.size()) + 1 > sizeof(result.address.sun_path))
        return std::nullopt;
    std::memcpy(result.address.sun_path + 1, bytes.constData(),
                static_cast<std::size_t>(bytes.size()));
    result.size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 +
                                         static_cast<std::size_t>(bytes.size()));
    return result;
}

const sockaddr* asSockaddr(const SocketAddress& address) {
    return reinterpret_cast<const sockaddr*>(&address.address);
}

bool sendAll(int fd, const QByteArray& bytes) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.constData() + sent,
                                 static_cast<std::size_t>(bytes.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

} // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {}

SingleInstance::~SingleInstance() {
    for (QSocketNotifier* peer : m_received.keys())
        closePeer(peer);
    if (m_listening)
        m_listening->setEnabled(false);
    if (m_listener >= 0)
        ::close(m_listener);
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
    // that could block a start, and nothing is written to disk. Any failure but a name already
    // taken must not keep the program from starting: it then runs unguarded.
    const std::optional<SocketAddress> address = abstractAddress(m_name);
    if (!address)
        return true;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return true;
    if (::bind(fd, asSockaddr(*address), address->size) != 0) {
        const bool taken = errno == EADDRINUSE;
        ::close(fd);
        return !taken;
    }
    if (::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return true;
    }
    m_listener = fd;
    m_listening = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_listening, &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
    return true;
}

bool SingleInstance::handOver(const QString& file) {
    const QByteArray message =
        (file.isEmpty() ? kActivate
                        : kOpen + QFileInfo(file).absoluteFilePath().toUtf8().toBase64()) +
        '\n';
    const std::optional<SocketAddress> address = abstractAddress(m_name);
    if (!address)
        return false;
    // The system queues the connection even before the first instance runs its event loop; the
    // retries only cover a first instance that is just ending as this one starts.
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        // A first instance that hangs holds this one up for a second at most.
        const timeval limit{1, 0};
        (void)::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        int connected = -1;
        do
            connected = ::connect(fd, asSockaddr(*address), address->size);
        while (connected != 0 && errno == EINTR);
        if (connected == 0) {
            const bool sent = sendAll(fd, message);
            ::close(fd);
            return sent;
        }
        ::close(fd);
        QThread::msleep(kConnectPauseMs);
    }
    return false;
}

bool SingleInstance::isClaimed(const QString& name) {
    const std::optional<SocketAddress> address = abstractAddress(name);
    const int fd = address ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0) : -1;
    if (fd < 0)
        return false;
    const bool connected = ::connect(fd, asSockaddr(*address), address->size) == 0;
    ::close(fd);
    return connected;
}

void SingleInstance::acceptConnections() {
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // none waiting (or out of descriptors: the next start tries again)
        }
        auto* peer = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        m_received.insert(peer, {});
        connect(peer, &QSocketNotifier::activated, this, [this, peer] { readFrom(peer); });
    }
}

void SingleInstance::readFrom(QSocketNotifier* peer) {
    QByteArray& received = m_received[peer];
    bool ended = false;
    for (;;) {
        char buffer[4096];
        const ssize_t n = ::read(static_cast<int>(peer->socket()), buffer, sizeof buffer);
        if (n > 0) {
            received.append(buffer, n);
            if (received.size() > kMessageLimit) {
                closePeer(peer);
                return;
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        ended = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        break;
    }
    // The message may arrive in pieces; it counts once its line has ended.
    const qsizetype end = received.indexOf('\n');
    if (end < 0 && !ended)
        return;
    const QByteArray message = end < 0 ? QByteArray() : received.left(end);
    closePeer(peer);
    if (end >= 0)
        onMessage(message);
}

void SingleInstance::closePeer(QSocketNotifier* peer) {
    peer->setEnabled(false);
    ::close(static_cast<int>(peer->socket()));
    m_received.remove(peer);
    peer->deleteLater();
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
