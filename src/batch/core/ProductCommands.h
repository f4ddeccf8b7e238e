#pragma once
// plakatorium-batch's commands of the label-product catalogue: listing products and
// making a project laid out for one.

#include <QStringList>
#include <QTextStream>

namespace plk {

/// Whether the command line is one of these commands.
bool isProductCommand(const QStringList& args);
/// Runs it; the exit code as runBatch gives it.
int runProductCommand(const QStringList& args, QTextStream& out, QTextStream& err);

}  // namespace plk
