#pragma once
// The test classes of one test program. Each tests/<folder>/tst_Topic.cpp ends with
// PLK_TEST_CLASS(ItsClass) instead of QTEST_MAIN; the folder's program (tst_<folder>) runs
// every class it registers, or only those named on its command line (by class or file name).

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

namespace plk::test {

struct TestClass {
    QString file;                         ///< "tst_Topic", the file the class is in
    QString name;                         ///< the class's own name
    std::function<QObject*()> make;
};

/// A mode in which the program, started again by one of its own tests, does a job instead
/// of running tests: `flag` as the first argument calls `run` with the whole command line.
struct ChildMode {
    const char* flag;
    int (*run)(int argc, char* argv[]);
};

int registerTestClass(const char* sourceFile, const char* className, std::function<QObject*()> make);
int registerChildMode(ChildMode mode);
const std::vector<TestClass>& testClasses();
const std::vector<ChildMode>& childModes();

}  // namespace plk::test

#define PLK_TEST_CLASS(Class)                                                                         \
    [[maybe_unused]] static const int plkRegistered##Class =                                          \
        plk::test::registerTestClass(__FILE__, #Class, [] { return static_cast<QObject*>(new Class); });

#define PLK_TEST_CHILD_MODE(flag, function)                                                           \
    [[maybe_unused]] static const int plkChildMode##function = plk::test::registerChildMode({flag, function});
