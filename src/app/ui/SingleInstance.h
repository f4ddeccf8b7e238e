#pragma once
// One running program per user. The first start holds a lock file in a folder of the
// user's alone (instanceFolder()) and listens on a local socket beside it; a later start
// that was given files hands them over that socket to the running program and ends.
//
// On the socket a later start sends its files' absolute paths, each followed by a
// zero byte, and one more zero byte at the end; the running program answers "OK" and
// opens them once the exchange is over. A client that sends nothing for a while is
// disconnected, and a message longer than kMaxMessage is refused.

#include "app/core/InstanceFolder.h"

#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace plk {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    /// The lock and the socket in `folder`, which must belong to the user alone; by
    /// default the folder instanceFolder() finds. Without a folder every start runs on
    /// its own.
    explicit SingleInstance(const QString& folder = instanceFolder());
    ~SingleInstance() override;

    /// True when no other instance runs: this one holds the lock from now on. A lock
    /// file that belongs to another user is removed, never obeyed.
    bool acquire();
    /// For a later start: gives the files to the running instance. False when there
    /// are none or the running instance did not take them.
    bool handOver(const QStringList& files) const;
    /// For the running instance: files handed over by later starts go to `received`.
    /// False when the socket could not be set up (later starts then show their message).
    bool listen(std::function<void(const QStringList&)> received);

    const QString& channelName() const { return m_channel; }

    /// The longest message a later start may send.
    static constexpr qint64 kMaxMessage = 1 << 20;
    /// How long a client may send nothing before it is disconnected.
    void setIdleLimit(int milliseconds) { m_idleMs = milliseconds; }

private:
    void readFrom(QLocalSocket* socket);

    std::unique_ptr<QLockFile> m_lock;  // none without a folder
    QString m_channel;
    QLocalServer* m_server = nullptr;
    std::function<void(const QStringList&)> m_received;
    int m_idleMs = 5000;
};

}  // namespace plk
