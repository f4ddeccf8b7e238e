// Files handed over by later starts: opened one after another, their failures told in
// one message; a client that sends nothing, or too much, is let go.

#include "app/ui/HandOverQueue.h"
#include "app/ui/SingleInstance.h"
#include "support/ScriptedDialogs.h"

#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

class TestHandOverQueue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failuresAreToldInOneMessage_data()
    {
        QTest::addColumn<int>("failing");
        QTest::addColumn<QString>("last");
        QTest::newRow("three") << 3 << "Le fichier « f3 » ne peut pas être ouvert.";
        QTest::newRow("thirty") << 30 << "… et 20 autres fichiers.";
    }

    void failuresAreToldInOneMessage()
    {
        QFETCH(int, failing);
        QFETCH(QString, last);
        test::ScriptedDialogs shown;
        shown.answers = {Dialogs::Answer::Yes};
        HeldMessages dialogs(shown);
        QStringList opened;
        std::unique_ptr<HandOverQueue> queue;
        queue = std::make_unique<HandOverQueue>(
            dialogs,
            [&](const QString& file) {
                opened << file;
                if (file == "question")  // a question is asked at once
                    dialogs.message(nullptr, "Continuer ?", Dialogs::Icon::Question, Dialogs::Buttons::YesNo, {}, {});
                if (file == "f1")  // another start hands its files over meanwhile
                    queue->add({"question"});
                if (file.startsWith('f'))
                    dialogs.message(nullptr, "Le fichier « " + file + " » ne peut pas être ouvert.",
                                    Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok, {}, {});
            },
            nullptr);
        QStringList files{"bon.plk"};
        for (int i = 1; i <= failing; ++i)
            files << QString("f%1").arg(i);
        queue->add(files);

        QCOMPARE(opened.size(), failing + 2);
        QCOMPARE(opened.last(), "question");
        QCOMPARE(shown.shown.size(), 2);
        QCOMPARE(shown.shown[0].text, "Continuer ?");
        const QString told = shown.shown[1].text;
        QVERIFY(told.startsWith("Le fichier « f1 » ne peut pas être ouvert.\n\nLe fichier « f2 »"));
        QVERIFY2(told.endsWith(last), qPrintable(told));
    }

    void silentOrTalkativeClientsAreLetGo_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("silent") << qint64(0);
        QTest::newRow("too long") << SingleInstance::kMaxMessage + 1;
    }

    void silentOrTalkativeClientsAreLetGo()
    {
        QFETCH(qint64, bytes);
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        SingleInstance running(dir.path());
        QVERIFY(running.acquire());
        running.setIdleLimit(bytes == 0 ? 100 : 60000);
        int received = 0;
        QVERIFY(running.listen([&received](const QStringList&) { ++received; }));
        QLocalSocket client;
        client.connectToServer(running.channelName());
        QVERIFY(client.waitForConnected(5000));
        client.write(QByteArray(bytes, 'a'));
        QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 10000);
        QCOMPARE(received, 0);
    }
};

QTEST_MAIN(TestHandOverQueue)
#include "tst_HandOverQueue.moc"
