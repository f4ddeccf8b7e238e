#include "support/HostileFiles.h"

#include "base/core/SystemReason.h"

#include <QFile>
#include <QtTest>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plk::test {

QString systemReason(int error) { return plk::systemReason(error); }

void limitFileSizes(qint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the program
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes < 0 ? RLIM_INFINITY : rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    m_savedLimit = saved.rlim_cur == RLIM_INFINITY ? -1 : qint64(saved.rlim_cur);
    m_savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    limitFileSizes(bytes);
}

FileSizeLimit::~FileSizeLimit()
{
    limitFileSizes(m_savedLimit);
    std::signal(SIGXFSZ, m_savedSignal);
}

void makeFifo(const QString& path) { QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); }

bool finishesWithin(const std::function<void()>& work, const QString& fifo, int seconds)
{
    std::future<void> done = std::async(std::launch::async, work);
    if (done.wait_for(std::chrono::seconds(seconds)) == std::future_status::ready) {
        done.get();
        return true;
    }
    // Release whatever waits on the FIFO: a writer lets a blocked open() return, and a
    // blocked read() sees the end of the data once it closes.
    const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0)
        ::close(fd);
    done.wait();
    return false;
}

}  // namespace plk::test
