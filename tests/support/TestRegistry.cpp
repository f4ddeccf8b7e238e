#include "support/TestRegistry.h"

#include <QFileInfo>

namespace plk::test {

namespace {

// Filled while the program's static objects are built, read-only once main runs.
std::vector<TestClass>& classes()
{
    static std::vector<TestClass> all;
    return all;
}

std::vector<ChildMode>& modes()
{
    static std::vector<ChildMode> all;
    return all;
}

}  // namespace

int registerTestClass(const char* sourceFile, const char* className, std::function<QObject*()> make)
{
    classes().push_back({QFileInfo(QString::fromUtf8(sourceFile)).completeBaseName(), QString::fromUtf8(className),
                         std::move(make)});
    return int(classes().size());
}

int registerChildMode(ChildMode mode)
{
    modes().push_back(mode);
    return int(modes().size());
}

const std::vector<TestClass>& testClasses() { return classes(); }
const std::vector<ChildMode>& childModes() { return modes(); }

}  // namespace plk::test
