#include "app/ui/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace plk {

namespace {

constexpr int kWaitMs = 5000;
// A running instance that is still starting has its lock before its socket: a later
// start tries for a little while before it gives up.
constexpr int kConnectAttempts = 30;
constexpr int kConnectPauseMs = 100;
// Paths handed over are short; anything larger is not a later start of this program.
constexpr qint64 kMaxMessage = 1 << 20;
const QByteArray kEnd("\0\0", 2);
const QByteArray kAccepted("OK\n");

}  // namespace

SingleInstance::SingleInstance(const QString& folder)
    : m_lock(folder + QStringLiteral("/plakatorium.lock")), m_channel(folder + QStringLiteral("/plakatorium.socket"))
{
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::runtimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool SingleInstance::acquire() { return m_lock.tryLock(); }

bool SingleInstance::handOver(const QStringList& files) const
{
    if (files.isEmpty())
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
    m_received = std::move(received);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock: a socket file still there is a crashed instance's.
    QLocalServer::removeServer(m_channel);
    if (!m_server->listen(m_channel))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        }
    });
    return true;
}

void SingleInstance::readFrom(QLocalSocket* socket)
{
    if (socket->bytesAvailable() > kMaxMessage) {
        socket->abort();
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
