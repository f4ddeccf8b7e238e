#pragma once
// plakatorium-batch: the program's core without windows, for scripts.

#include <QStringList>
#include <QTextStream>

namespace plk {

enum BatchExit { BatchOk = 0, BatchInputError = 1, BatchUsageError = 2 };

/// Runs one command line (without the program name); writes results to `out` and
/// messages to `err`; returns the exit code.
int runBatch(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace plk
