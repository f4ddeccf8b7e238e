#pragma once
// One running program per user. The first start holds a lock file in the user's
// runtime folder and listens on a local socket beside it; a later start that was given
// files hands them over that socket to the running program and ends.
//
// On the socket a later start sends its files' absolute paths, each followed by a
// zero byte, and one more zero byte at the end; the running program answers "OK" and
// opens them once the exchange is over.

#include <QLockFile>
#include <QObject>
#include <QStringList>
#include <functional>

class QLocalServer;
class QLocalSocket;

namespace plk {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    /// The lock and the socket in `folder`; by default the user's runtime folder.
    explicit SingleInstance(const QString& folder = runtimeFolder());
    ~SingleInstance() override;

    static QString runtimeFolder();

    /// True when no other instance runs: this one holds the lock from now on.
    bool acquire();
    /// For a later start: gives the files to the running instance. False when there
    /// are none or the running instance did not take them.
    bool handOver(const QStringList& files) const;
    /// For the running instance: files handed over by later starts go to `received`.
    /// False when the socket could not be set up (later starts then show their message).
    bool listen(std::function<void(const QStringList&)> received);

    const QString& channelName() const { return m_channel; }

private:
    void readFrom(QLocalSocket* socket);

    QLockFile m_lock;
    QString m_channel;
    QLocalServer* m_server = nullptr;
    std::function<void(const QStringList&)> m_received;
};

}  // namespace plk
