// The main of every test program: registers the program's fonts as the program does, then runs
// the registered test classes one after the other with QtTest, passing the command line on
// (-functions, a test function's name, -o ...). Arguments naming a class or its file
// (tst_Topic) choose the classes to run; without them all run. The exit code is the number of
// failed test functions of every class together.

#include "app/core/Fonts.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QtTest>
#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    using plk::test::TestClass;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    plk::registerProgramFonts();
    for (const plk::test::ChildMode& mode : plk::test::childModes()) {
        if (argc > 1 && std::strcmp(argv[1], mode.flag) == 0)
            return mode.run(argc, argv);
    }

    const auto named = [&](const QString& argument) -> const TestClass* {
        for (const TestClass& c : plk::test::testClasses()) {
            if (argument == c.file || argument == c.name)
                return &c;
        }
        return nullptr;
    };
    std::vector<const TestClass*> chosen;
    std::vector<char*> passed{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (const TestClass* c = named(QString::fromLocal8Bit(argv[i])))
            chosen.push_back(c);
        else
            passed.push_back(argv[i]);
    }
    if (chosen.empty()) {
        for (const TestClass& c : plk::test::testClasses())
            chosen.push_back(&c);
    }

    int failed = 0;
    for (const TestClass* c : chosen) {
        const std::unique_ptr<QObject> test(c->make());
        failed += QTest::qExec(test.get(), int(passed.size()), passed.data());
    }
    return failed;
}
