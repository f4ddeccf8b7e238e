// The templates for A4 sheets of labels that come with the program: each reads without a
// warning and, printed with its own settings, puts every label within 0,5 mm of where the
// sheet has it.

#include "document/core/ProjectFile.h"
#include "print/core/SheetLayout.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QDebug>
#include <QDir>
#include <QRegularExpression>
#include <QtTest>

using namespace plk;

namespace {

/// A sheet as its maker describes it: label size, labels across and down, the first
/// label's corner and the distance from one label to the next (mm from the paper's edge).
struct Sheet {
    const char* name;
    double width, height;
    int across, down;
    double left, top, pitchAcross, pitchDown;
};

// Centred on A4 where the maker gives no margins of its own.
constexpr Sheet kSheets[] = {
    {"Cartes de visite 85 x 54 (2 x 5)", 85, 54, 2, 5, 15, 13.5, 95, 54},
    {"Cartes de visite 85 x 55 (2 x 5)", 85, 55, 2, 5, 15, 10, 95, 55},
    {"Carte de visite avec QR code 85 x 55 (2 x 5)", 85, 55, 2, 5, 15, 10, 95, 55},
    {"Etiquettes 38,1 x 21,2 (5 x 13)", 38.1, 21.2, 5, 13, 4.67, 10.7, 40.64, 21.2},
    {"Etiquettes 45,7 x 21,2 (4 x 12)", 45.7, 21.2, 4, 12, 9.85, 21.3, 48.2, 21.2},
    {"Etiquettes 45,7 x 25,4 (4 x 10)", 45.7, 25.4, 4, 10, 9.79, 21.5, 48.26, 25.4},
    {"Etiquettes 48,5 x 25,4 (4 x 10)", 48.5, 25.4, 4, 10, 8, 21.5, 48.5, 25.4},
    {"Etiquettes 52,5 x 29,7 (4 x 10)", 52.5, 29.7, 4, 10, 0, 0, 52.5, 29.7},
    {"Etiquettes 63,5 x 33,9 (3 x 8)", 63.5, 33.9, 3, 8, 7.21, 12.9, 66.04, 33.9},
    {"Etiquettes 63,5 x 38,1 (3 x 7)", 63.5, 38.1, 3, 7, 7.21, 15.15, 66.04, 38.1},
    {"Etiquettes 64 x 33,9 (3 x 8)", 64, 33.9, 3, 8, 7, 12.9, 66, 33.9},
    {"Etiquettes 70 x 36 (3 x 8)", 70, 36, 3, 8, 0, 4.5, 70, 36},
    {"Etiquettes 70 x 37 (3 x 8)", 70, 37, 3, 8, 0, 0.5, 70, 37},
    {"Etiquettes 70 x 42,3 (3 x 7)", 70, 42.3, 3, 7, 0, 0.45, 70, 42.3},
    {"Etiquettes 99,1 x 38,1 (2 x 7)", 99.1, 38.1, 2, 7, 4.65, 15.15, 101.6, 38.1},
    {"Etiquettes 99,1 x 57 (2 x 5)", 99.1, 57, 2, 5, 4.65, 6, 101.6, 57},
    {"Etiquettes 99,1 x 67,7 (2 x 4)", 99.1, 67.7, 2, 4, 4.65, 13.1, 101.6, 67.7},
    {"Etiquettes 99,1 x 93,1 (2 x 3)", 99.1, 93.1, 2, 3, 4.65, 8.85, 101.6, 93.1},
    {"Etiquettes 105 x 37 (2 x 8)", 105, 37, 2, 8, 0, 0.5, 105, 37},
    {"Etiquettes 105 x 57 (2 x 5)", 105, 57, 2, 5, 0, 6, 105, 57},
    {"Etiquettes 105 x 74 (2 x 4)", 105, 74, 2, 4, 0, 0.5, 105, 74},
    {"Etiquettes 105 x 148 (2 x 2)", 105, 148, 2, 2, 0, 0.5, 105, 148},
    {"Etiquettes 199,6 x 143,5 (1 x 2)", 199.6, 143.5, 1, 2, 5.2, 5, 199.6, 143.5},
    {"Etiquettes 210 x 148,5 (1 x 2)", 210, 148.5, 1, 2, 0, 0, 210, 148.5},
    {"Etiquette 210 x 297 (1 x 1)", 210, 297, 1, 1, 0, 0, 210, 297},
    {"Etiquettes CD 117 (1 x 2)", 117, 117, 1, 2, 46.5, 21.5, 117, 137},
};

constexpr double kTolerance = 0.5;  // mm
constexpr double kA4Width = 210, kA4Height = 297;

const Sheet* sheetNamed(const QString& name)
{
    for (const Sheet& s : kSheets)
        if (name == QString::fromUtf8(s.name))
            return &s;
    return nullptr;
}

/// The sheet templates among the shipped ones: named by size and count, "... (2 x 5).gab".
QStringList shippedSheetTemplates()
{
    static const QRegularExpression counted(QStringLiteral(R"(\(\d+ x \d+\)\.gab$)"));
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(":/templates")).entryList({QStringLiteral("*.gab")}, QDir::Files))
        if (counted.match(file).hasMatch())
            names << file;
    return names;
}

}  // namespace

class TestSheetTemplates : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void everySheetOfTheTableIsShippedAndNoOther()
    {
        const QStringList shipped = shippedSheetTemplates();
        QVERIFY(shipped.size() >= 20);
        QCOMPARE(shipped.size(), qsizetype(std::size(kSheets)));
        for (const QString& file : shipped)
            QVERIFY2(sheetNamed(captionFromFileTitle(file)), qPrintable(file));
    }

    void labelsFallOnTheSheet_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : shippedSheetTemplates())
            QTest::newRow(qPrintable(file)) << file;
    }

    void labelsFallOnTheSheet()
    {
        QFETCH(QString, file);
        const Sheet* sheet = sheetNamed(captionFromFileTitle(file));
        QVERIFY(sheet);
        // The maker's grid itself fits on A4.
        QVERIFY(sheet->left + (sheet->across - 1) * sheet->pitchAcross + sheet->width <= kA4Width + 1e-9);
        QVERIFY(sheet->top + (sheet->down - 1) * sheet->pitchDown + sheet->height <= kA4Height + 1e-9);

        for (const RegionalFormat& format : {test::french(), test::english()}) {
            Project project;
            QVERIFY(readProjectFile(QStringLiteral(":/templates/") + file, project, format).ok());
            const Etiquette& tab = project.tab(1);
            QCOMPARE(tab.prjWidth(), sheet->width);
            QCOMPARE(tab.prjHeight(), sheet->height);
            // From the paper's edge: the printer's own margins are the user's to set.
            QCOMPARE(tab.print().ImpMargeG, std::int16_t(0));
            QCOMPARE(tab.print().ImpMargeH, std::int16_t(0));

            const SheetLayout layout(layoutValues(tab.print()), QSizeF(tab.prjWidth(), tab.prjHeight()),
                                     tab.print().sheetGrid);
            QCOMPARE(layout.across(), sheet->across);
            QCOMPARE(layout.down(), sheet->down);
            QCOMPARE(layout.sheetCount(), 1);
            for (int r = 0; r < sheet->down; ++r) {
                for (int c = 0; c < sheet->across; ++c) {
                    const QPointF at = layout.labels()[std::size_t(r * sheet->across + c)];
                    const QPointF nominal(sheet->left + c * sheet->pitchAcross, sheet->top + r * sheet->pitchDown);
                    QString where;
                    QDebug(&where) << "row" << r + 1 << "column" << c + 1 << at << "instead of" << nominal;
                    QVERIFY2(std::abs(at.x() - nominal.x()) <= kTolerance && std::abs(at.y() - nominal.y()) <= kTolerance,
                             qPrintable(where));
                }
            }
        }
    }
};

PLK_TEST_CLASS(TestSheetTemplates)
#include "tst_SheetTemplates.moc"
