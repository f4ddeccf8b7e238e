// What the main window relies on: the queue of files handed over by a later start, the
// settings file kept aside when unreadable, and the help over a modal dialog.

#include "app/ui/HandOverQueue.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/SingleInstance.h"
#include "app/ui/frmMenu.h"
#include "base/core/IniFile.h"
#include "settings/core/RecentProjects.h"
#include "settings/core/Settings.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedDialogs.h"
#include "support/TestRegistry.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QMainWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>
#include <QtTest>

#include <sys/stat.h>

using namespace plk;

namespace {

// Counts the presses that reach a widget.
class PressCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            ++presses;
        return false;
    }
};

}  // namespace

class TestAppServices : public QObject {
    Q_OBJECT

private Q_SLOTS:

    // Files handed over by later starts: opened one after another, their failures told in
    // one message; a client that sends nothing, or too much, is let go.
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

    // A settings file that cannot be read is kept aside, never replaced; a save that fails
    // is told to the user, once for each reason.
    void unreadableFileIsKeptAside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("over the size limit") << "large";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a FIFO") << "fifo";
    }

    void unreadableFileIsKeptAside()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString ini = dir.filePath("Plakatorium.ini");
        if (kind == "large") {
            QFile file(ini);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[RECENTS]\r\nProjet1=/a.plk\r\n") > 0);
            QVERIFY(file.resize(kIniMaxBytes + 1));
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(ini));
        } else {
            QVERIFY(::mkfifo(QFile::encodeName(ini).constData(), 0600) == 0);
        }
        const QFileInfo before(ini);

        // Nothing written over it, whatever saves it first.
        QVERIFY(!saveOptions(ini, AppOptions()).isEmpty());
        QVERIFY(!RecentProjects(ini).add(dir.filePath("b.plk")).isEmpty());
        QCOMPARE(QFileInfo(ini).size(), before.size());

        const QString notice = setAsideUnreadableSettings(ini);
        QVERIFY2(notice.startsWith("Le fichier de réglages « " + ini + " » ne peut pas être lu ("), qPrintable(notice));
        QVERIFY(notice.endsWith("il est conservé sous le nom « " + ini +
                                ".illisible » et les réglages par défaut sont utilisés."));
        QVERIFY(!QFileInfo::exists(ini));
        QCOMPARE(QFileInfo(ini + ".illisible").size(), before.size());
        QCOMPARE(saveOptions(ini, AppOptions()), QString());
        QCOMPARE(setAsideUnreadableSettings(ini), QString());  // the new file reads
    }

    void failedSavesAreToldOncePerReason()
    {
        test::MainWindowFixture fx;
        fx.start();
        fx.dialogs->shown.clear();
        fx.menu->reportSettingsFailure(QString());
        fx.menu->reportSettingsFailure("disque plein");
        fx.menu->reportSettingsFailure("disque plein");
        fx.menu->reportSettingsFailure("accès refusé");
        QCOMPARE(fx.dialogs->shown.size(), 2);
        QCOMPARE(fx.dialogs->shown[0].text,
                 "Les réglages n'ont pas pu être enregistrés dans « " + fx.dir.filePath("Plakatorium.ini") +
                     " » : disque plein.");
        fx.stop();
    }

    // The help opened from a modal dialog: above the dialog, on the screen, and taking
    // the user's clicks and keys while the dialog stays open.
    void helpFromAModalDialogTakesInput()
    {
        QMainWindow main;
        main.resize(700, 500);
        main.show();
        HelpWindow help(&main);
        QDialog dialog(&main);
        dialog.setWindowTitle(QStringLiteral("Préférences du logiciel"));
        dialog.resize(400, 300);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(QApplication::activeModalWidget(), &dialog);

        help.ShowHelpTopic(dialog.windowTitle());
        QVERIFY(help.isVisible());
        QCOMPARE(help.windowHandle()->transientParent(), dialog.windowHandle());
        QVERIFY(dialog.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&help));

        // A click goes through the window system, which drops it in a window that the
        // dialog blocks.
        PressCounter counter;
        help.browser()->viewport()->installEventFilter(&counter);
        const QPoint inside = help.browser()->viewport()->mapTo(&help, QPoint(20, 20));
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, inside);
        QCOMPARE(counter.presses, 1);

        // On the screen, whole.
        const QRect area = help.screen()->availableGeometry();
        QVERIFY2(area.contains(help.geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                .arg(help.x())
                                                                .arg(help.y())
                                                                .arg(help.width())
                                                                .arg(help.height())));

        // Once the dialog is gone, help from the menus belongs to the main window again.
        dialog.hide();
        help.ShowHelpTopic(QStringLiteral("Index de l'aide"));
        QCOMPARE(help.windowHandle()->transientParent(), main.windowHandle());
    }
};

PLK_TEST_CLASS(TestAppServices)
#include "tst_AppServices.moc"
