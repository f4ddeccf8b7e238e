#pragma once
// Helpers of the tests that treat the program as an attacker or bad luck would: FIFOs
// that would block a reader forever, and a disk that fills up.

#include "support/TestSupport.h"

#include <QString>
#include <functional>

namespace plk::test {

/// Runs plakatorium-batch as batch() does, in French; its writes beyond `fileSizeLimit`
/// bytes per file fail as on a full disk.
BatchRun batch(const QStringList& args, qint64 fileSizeLimit);

/// A FIFO at the path (no writer: opening it for reading would wait forever).
void makeFifo(const QString& path);

/// The system's text for an error number, as the program reports it: in French, whatever
/// the locale it runs in.
QString systemReason(int error);

/// Makes writes of this process beyond `bytes` bytes per file fail with "file too
/// large", as a full disk would stop them (and keeps the signal from ending it).
void limitFileSizes(qint64 bytes);

/// limitFileSizes for as long as the object lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    qint64 m_savedLimit = 0;
    void (*m_savedSignal)(int) = nullptr;
};

/// Runs `work` on a thread of its own and waits for it at most `seconds`. When it is
/// still running then, the other end of `fifo` is opened so that a read blocked on it
/// returns, and the result is false: a test fails instead of hanging.
bool finishesWithin(const std::function<void()>& work, const QString& fifo, int seconds = 20);

}  // namespace plk::test
