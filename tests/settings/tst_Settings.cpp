#include "base/core/IniFile.h"
#include "base/core/ValueReader.h"
#include "settings/core/Settings.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>
#include <limits>

using namespace plk;

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mainWindowGeometryOnlyWhenNormal()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("Plakatorium.ini");
        QVERIFY(!loadMainWindow(ini, test::french()).state);  // first start: nothing applied
        saveMainWindow(ini, 0, QRectF(150, 300, 9000.5, 6000), test::french());
        QCOMPARE(test::readBytes(ini),
                 QByteArray("[MENU]\r\nWindows=0\r\nHeight=6000\r\nWidth=9000,5\r\nTop=300\r\nLeft=150\r\n"));
        saveMainWindow(ini, 2, QRectF(0, 0, 1, 1), test::french());
        MainWindowSettings s = loadMainWindow(ini, test::french());
        QCOMPARE(*s.state, 2);
        QVERIFY(!s.width);  // maximised: the geometry is not applied
        QCOMPARE(ReadIni(ini, "MENU", "Width"), QStringLiteral("9000,5"));
        saveMainWindow(ini, 1, QRectF(0, 0, 1, 1), test::french());
        s = loadMainWindow(ini, test::french());
        QCOMPARE(*s.width, 9000.5);  // minimised comes back normal with the stored geometry
    }

    void storedGeometryOnlyWhenItFitsAScreen()
    {
        const QList<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1024, 768)};
        const QRect designed(128, 152, 1024, 720);
        const auto stored = [](std::optional<double> h, std::optional<double> w, std::optional<double> t,
                               std::optional<double> l) {
            MainWindowSettings s;
            s.state = 0;
            s.height = h, s.width = w, s.top = t, s.left = l;
            return s;
        };
        // Twips to whole pixels, each missing value keeping the designed one.
        QCOMPARE(storedMainWindowGeometry(stored(9000, 12000, 1500, 3000), designed, screens), QRect(200, 100, 800, 600));
        QCOMPARE(storedMainWindowGeometry(stored({}, {}, 1500, {}), designed, screens), QRect(128, 100, 1024, 720));
        QCOMPARE(storedMainWindowGeometry(stored(9000, 12000, 1500, 25000), designed, screens),
                 QRect(1504, 100, 800, 600));  // on the second screen, brought wholly onto it
        QCOMPARE(storedMainWindowGeometry(stored({}, {}, {}, {}), designed, screens), designed);

        const QList<MainWindowSettings> refused = {
            stored(1e300, 1e300, 0, 0),          // larger than any screen (and than an int)
            stored(1e8, 1e8, 0, 0),
            stored(9000, 12000, 1e300, 1e300),   // nowhere
            stored(9000, 12000, -1e8, 0),
            stored(9000, 12000, 1500, 60000),    // beyond the right-hand screen
            stored(9000, 20000, 0, 0),           // wider than the screen it meets
            stored(0, 12000, 0, 0),              // no size at all
            stored(std::numeric_limits<double>::quiet_NaN(), 12000, 0, 0),
        };
        for (const MainWindowSettings& s : refused)
            QVERIFY(!storedMainWindowGeometry(s, designed, screens));

        ToolBoxSettings box;
        box.top = 1800;
        box.left = 1500;
        QCOMPARE(storedToolBoxPosition(box, QRect(0, 0, 200, 400), screens), QPoint(100, 120));
        box.left = 1e300;
        QVERIFY(!storedToolBoxPosition(box, QRect(0, 0, 200, 400), screens));
        box.left = -60000;
        QVERIFY(!storedToolBoxPosition(box, QRect(0, 0, 200, 400), screens));
        box.left.reset();
        QCOMPARE(storedToolBoxPosition(box, QRect(30, 0, 200, 400), screens), QPoint(30, 120));
    }

    void optionsTaskPaneAndToolBox()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("Plakatorium.ini");
        AppOptions o;
        o.Position = 1;
        o.Boite = 1;
        saveOptions(ini, o);
        const auto values = loadOptions(ini);
        QCOMPARE(int(values.size()), 5);
        QCOMPARE(*values[0], 0);
        QCOMPARE(*values[2], 1);
        QCOMPARE(*values[4], 1);

        saveTaskPane(ini, {true, false, true}, test::french());
        QCOMPARE(ReadIni(ini, "BARRE XP", "GRP-1"), QStringLiteral("Vrai"));
        QCOMPARE(loadTaskPane(ini, 4, test::english()), (std::vector<bool>{true, false, true, false}));
        // An unreadable value closes its own group only.
        WriteIni(ini, "BARRE XP", "GRP-2", "ouvert");
        WriteIni(ini, "BARRE XP", "GRP-4", "Vrai");
        QCOMPARE(loadTaskPane(ini, 4, test::french()), (std::vector<bool>{true, false, true, true}));
        WriteIni(ini, "BARRE XP", "GRP-2", "Vrai");
        WriteIni(ini, "BARRE XP", "GRP-1", "1,5x");
        QCOMPARE(loadTaskPane(ini, 4, test::french()), (std::vector<bool>{false, true, true, true}));

        QVERIFY(!loadToolBox(ini, test::french()).page);
        saveToolBox(ini, 3, 1200, 800.5, test::french());
        const ToolBoxSettings t = loadToolBox(ini, test::french());
        QCOMPARE(*t.page, 3);
        QCOMPARE(*t.left, 800.5);
    }
};

PLK_TEST_CLASS(TestSettings)
#include "tst_Settings.moc"
