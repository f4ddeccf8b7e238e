// A settings file that cannot be read is kept aside, never replaced; a save that fails
// is told to the user, once for each reason.

#include "app/ui/frmMenu.h"
#include "base/core/IniFile.h"
#include "settings/core/RecentProjects.h"
#include "settings/core/Settings.h"
#include "support/MainWindowFixture.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace plk;

class TestSettingsRecovery : public QObject {
    Q_OBJECT

private Q_SLOTS:

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
};

PLK_TEST_CLASS(TestSettingsRecovery)
#include "tst_SettingsRecovery.moc"
