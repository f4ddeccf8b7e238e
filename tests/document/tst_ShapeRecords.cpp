// The FIGURE, ROTATION and PLACE records: written after the tab's print records, read
// back byte for byte, through the object clipboard too, and refused with a reason when
// a value is out of bounds.

#include "base/core/AppState.h"
#include "canvas/core/CanvasKeys.h"
#include "canvas/core/ShapeElement.h"
#include "document/core/ProjectFile.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace plk;

namespace {

const QByteArray kTab = "ONGLET|Formes\r\n"
                        "PROJET|Formes|80|50|16777215|0|Faux|Faux|Faux|Faux|Faux\r\n"
                        "LABEL|Nom|5|5|Tahoma|12|Faux|Faux|Faux|Faux|0\r\n"
                        "LABEL|Ville|20|5|Tahoma|10|Vrai|Faux|Faux|Faux|0\r\n"
                        "FOND|1|16777215\r\n"
                        "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n";

}  // namespace

class TestShapeRecords : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::newRow("rounded rectangle, filled") << QByteArray("FIGURE|RECTANGLE|10|12,5|30|20|255|0,1|0|65280|3,5\r\n");
        QTest::newRow("dashed ellipse, empty") << QByteArray("FIGURE|ELLIPSE|0|0|80|50|0|1,2|1||0\r\n");
        QTest::newRow("dotted line, turned") << QByteArray("FIGURE|LIGNE|25|5|70|0|16711680|0,5|2||0\r\n"
                                                           "ROTATION|FIGURE|1|12,5\r\n");
        QTest::newRow("second text turned") << QByteArray("ROTATION|LABEL|2|90\r\n");
        QTest::newRow("shapes then turns of every kind")
            << QByteArray("FIGURE|RECTANGLE|1|1|10|10|0|0,3|0||0\r\n"
                          "FIGURE|ELLIPSE|2|2|10|10|0|0,3|0|0|0\r\n"
                          "ROTATION|LABEL|1|359,9\r\n"
                          "ROTATION|FIGURE|2|0,1\r\n");
        QTest::newRow("exact places, at 0 too") << QByteArray("FIGURE|LIGNE|0|0|10|0|0|0,3|0||0\r\n"
                                                              "PLACE|LABEL|2|5,25|19,5\r\n"
                                                              "PLACE|FIGURE|1|0|0\r\n");
    }
    void roundTrip()
    {
        QFETCH(QByteArray, records);
        Project p;
        QVERIFY(readProjectData(kTab + records, p, test::french()).ok());
        QCOMPARE(projectFileText(p, test::french()).toLatin1(), kTab + records);
        // The undo history keeps the same records: a step back brings them back.
        Project q;
        QVERIFY(readTabText(tabFileText(p, 1, test::french(), {}), q, 1, test::french(), {}).ok());
        QCOMPARE(projectFileText(q, test::french()).toLatin1(), kTab + records);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("reason");
        QTest::newRow("kind") << QByteArray("FIGURE|TRIANGLE|1|1|1|1|0|1|0||0") << "forme inconnue : « TRIANGLE »";
        QTest::newRow("thin") << QByteArray("FIGURE|LIGNE|1|1|1|1|0|0,05|0||0") << "épaisseur de trait hors limites : « 0,05 »";
        QTest::newRow("style") << QByteArray("FIGURE|LIGNE|1|1|1|1|0|1|3||0") << "style de trait hors limites : « 3 »";
        QTest::newRow("size") << QByteArray("FIGURE|ELLIPSE|1|1|1001|1|0|1|0||0") << "largeur hors limites : « 1001 »";
        QTest::newRow("no object") << QByteArray("ROTATION|CODE|1|10") << "rotation d'un objet absent : « CODE 1 »";
        QTest::newRow("angle") << QByteArray("ROTATION|LABEL|1|400") << "angle hors limites : « 400 »";
        QTest::newRow("no place") << QByteArray("PLACE|LOGO|1|1|1") << "place d'un objet absent : « LOGO 1 »";
    }
    void refused()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, reason);
        Project p;
        const ReadResult r = readProjectData(kTab + record, p, test::french());
        QCOMPARE(r.status, ReadResult::Status::StoppedAtRecord);
        QCOMPARE(r.line, 7);
        QCOMPARE(r.reason, reason);
    }

    void aMovedTextLeavesItsExactPlace()
    {
        // The second text, the first one deleted: ordinals count what the file holds.
        Project p;
        QVERIFY(readProjectData(kTab + "PLACE|LABEL|2|5,25|19,5\r\n", p, test::french()).ok());
        Etiquette& t = p.tab(1);
        t.objectClick(ObjectKind::Label, 1);
        t.DelLabel();
        QVERIFY(projectFileText(p, test::french()).endsWith("PRINT|0|0|0|0|1|0|0|0|0|1|1\r\nPLACE|LABEL|1|5,25|19,5\r\n"));
        t.objectClick(ObjectKind::Label, 2);
        handleCanvasKey(t, Qt::Key_Right, false);
        QVERIFY(projectFileText(p, test::french()).endsWith("LABEL|Ville|20|6|Tahoma|10|Vrai|Faux|Faux|Faux|0\r\n"
                                                            "FOND|1|16777215\r\nPRINT|0|0|0|0|1|0|0|0|0|1|1\r\n"));
    }

    void aTurnedShapeIsCopiedWithItsTurnAndExactPlace()
    {
        Project p;
        QVERIFY(readProjectData(kTab + "FIGURE|ELLIPSE|10|10|20|10|0|0,5|0||0\r\nROTATION|FIGURE|1|30\r\nPLACE|FIGURE|1|10,25|9,5\r\n", p,
                                test::french())
                    .ok());
        Etiquette& t = p.tab(1);
        t.objectClick(ObjectKind::Shape, 1);
        QString clipboard;
        t.Copier(1, clipboard, test::french());
        t.Coller(clipboard, test::french());
        QCOMPARE(t.objectCount(ObjectKind::Shape), 2);
        QCOMPARE(t.element<ShapeElement>(2).Top, 14.5);
        QCOMPARE(t.element<ShapeElement>(2).Left, 15.25);
        QCOMPARE(t.element<ShapeElement>(2).rotation(), 30.0);
        QVERIFY(projectFileText(p, test::french())
                    .endsWith("ROTATION|FIGURE|1|30\r\nROTATION|FIGURE|2|30\r\nPLACE|FIGURE|1|10,25|9,5\r\n"
                              "PLACE|FIGURE|2|15,25|14,5\r\n"));
    }
};

PLK_TEST_CLASS(TestShapeRecords)
#include "tst_ShapeRecords.moc"
