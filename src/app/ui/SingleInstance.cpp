#include "app/ui/SingleInstance.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

namespace plk {

namespace {

constexpr int kWaitMs = 5000;
// A running instance that is still starting has its lock before its socket: a later
// start tries for a little while before it gives up.
constexpr int kConnectAttempts = 30;
constexpr int kConnectPauseMs = 100;
const QByteArray kEnd("\0\0", 2);
const QByteArray kAccepted("OK\n");

}  // namespace

SingleInstance::SingleInstance(const QString& folder)
{
    if (folder.isEmpty())
        return;
    m_lock = std::make_unique<QLockFile>(folder + QStringLiteral("/plakatorium.lock"));
    m_lock->setStaleLockTime(0);
    m_channel = folder + QStringLiteral("/plakatorium.socket");
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    if (!m_lock)
        return true;
    if (!isFreeOrOwn(m_lock->fileName()))
        QFile::remove(m_lock->fileName());
    return m_lock->tryLock();
}

bool SingleInstance::handOver(const QStringList& files) const
{
    if (files.isEmpty() || m_channel.isEmpty() || !isFreeOrOwn(m_channel))
        return false;
    QLocalSocket socket;
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        socket.connectToServer(m_channel);
        if (socket.waitForConnected(kWaitMs))
            break;
        QThread::msleep(kConnectPauseMs);
    }
    if (socket.state() != QLocalSocket::ConnectedState)
        return false;
    QByteArray message;
    for (const QString& file : files)
        message += file.toUtf8() + '\0';
    message += '\0';
    if (message.size() > kMaxMessage)
        return false;
    socket.write(message);
    if (!socket.waitForBytesWritten(kWaitMs))
        return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(kWaitMs))
            return false;
    return socket.readLine() == kAccepted;
}

bool SingleInstance::listen(std::function<void(const QStringList&)> received)
{
    if (m_channel.isEmpty())
        return false;
    m_received = std::move(received);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock: a socket file still there is a crashed instance's.
    QLocalServer::removeServer(m_channel);
    if (!m_server->listen(m_channel))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            // A client that holds the connection without sending is let go.
            auto* idle = new QTimer(socket);
            idle->setSingleShot(true);
            idle->setInterval(m_idleMs);
            connect(idle, &QTimer::timeout, socket, [socket] {
                socket->abort();
                socket->deleteLater();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket, idle] {
                idle->start();
                readFrom(socket);
            });
            idle->start();
        }
    });
    return true;
}

void SingleInstance::readFrom(QLocalSocket* socket)
{
    if (socket->bytesAvailable() > kMaxMessage) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    if (!socket->peek(socket->bytesAvailable()).endsWith(kEnd))
        return;  // the rest is on its way
    QStringList files;
    for (const QByteArray& path : socket->readAll().split('\0'))
        if (!path.isEmpty())
            files << QString::fromUtf8(path);
    socket->write(kAccepted);
    socket->flush();
    // Opening may ask questions in dialogs of its own: not inside the socket's signal.
    QMetaObject::invokeMethod(this, [this, files] { m_received(files); }, Qt::QueuedConnection);
}

}  // namespace plk
