// Printing a tab filled from a data file: fifty addresses on sheets of 3 x 8 labels,
// one label per row in the layout's order, from the chosen first label.

#include "canvas/core/Etiquette.h"
#include "canvas/core/PictureRows.h"
#include "canvas/core/TabData.h"
#include "document/core/ProjectFile.h"
#include "print/core/PrintJob.h"
#include "support/MergeFixtures.h"
#include "support/PdfProbe.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

constexpr double kLabelWidth = 70;
constexpr double kLabelHeight = 37;
constexpr int kAcross = 3;
constexpr int kPerSheet = 24;

/// The address template as it ships, its data file named anew, and its address line
/// smaller so that the longest address of the list stays within its label (a text
/// running on into the next label would run into that label's words).
QByteArray addressProject(const QByteArray& mergeRecord)
{
    QByteArray bytes = test::readBytes(test::sourceFile(QStringLiteral("resources/templates/Adresses (publipostage).gab")));
    bytes.replace("|18|6|Tahoma|9|", "|18|6|Tahoma|6|");
    const qsizetype at = bytes.indexOf("FUSION|");
    return bytes.left(at) + mergeRecord + "\r\n";
}

/// The words that start within a label of a sheet (slot from 0, across then down):
/// a long one-line text may run on past the label's edge.
QStringList wordsAt(const QList<test::PdfWord>& words, int sheet, int slot)
{
    const QRectF label((slot % kAcross) * kLabelWidth, (slot / kAcross) * kLabelHeight, kLabelWidth, kLabelHeight);
    QList<test::PdfWord> inside;
    for (const test::PdfWord& w : words)
        if (w.page == sheet && label.contains(QPointF(w.mm.left(), w.mm.center().y())))
            inside.append(w);
    // Line by line (the texts are 6 mm apart), left to right.
    std::sort(inside.begin(), inside.end(), [](const test::PdfWord& a, const test::PdfWord& b) {
        const int lineA = int(a.mm.center().y() / 3), lineB = int(b.mm.center().y() / 3);
        return lineA != lineB ? lineA < lineB : a.mm.left() < b.mm.left();
    });
    QStringList found;
    for (const test::PdfWord& w : inside)
        found.append(w.text);
    return found;
}

/// The words of a row's label as its texts put them: "Prénom Nom", the company, the
/// address on one line, "CP Ville".
QStringList expectedWords(const QStringList& row)
{
    return row.mid(0, 6).join(' ').replace('\n', ' ').split(' ', Qt::SkipEmptyParts);
}

}  // namespace

class TestMergePrint : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::vector<QStringList> m_rows;

    /// Prints the address template filled from the fifty addresses, from `firstLabel`.
    QList<test::PdfWord> printAddresses(int firstLabel, int* pages = nullptr)
    {
        Project project;
        const QByteArray bytes = addressProject("FUSION|adresses.csv|" + QByteArray::number(firstLabel));
        if (!readProjectData(bytes, project, test::french(), m_dir.path()).ok())
            return {};
        Etiquette& tab = project.tab(1);
        const MergeData data = loadTabData(tab);
        if (!data.ok() || !data.unknown.isEmpty())
            return {};
        tab.setResolution(-4);
        const QString pdf = m_dir.filePath(QStringLiteral("adresses-%1.pdf").arg(firstLabel));
        if (!printSheetsToPdf(tab, layoutValues(tab.print()), pdf, &data.table).isEmpty())
            return {};
        if (pages)
            *pages = int(previewPages(tab, layoutValues(tab.print()), &data.table).size());
        return test::pdfWords(pdf);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_rows = test::fiftyAddresses();
        test::writeBytes(m_dir.filePath("adresses.csv"), test::csvFile(test::addressFields(), m_rows));
    }

    void everyRowFillsItsLabelInTheLayoutsOrder_data()
    {
        QTest::addColumn<int>("firstLabel");
        QTest::newRow("from the first label") << 1;
        QTest::newRow("from label five: every row shifted by four") << 5;
    }

    void everyRowFillsItsLabelInTheLayoutsOrder()
    {
        QFETCH(int, firstLabel);
        const int skipped = firstLabel - 1;
        int pages = 0;
        const QList<test::PdfWord> words = printAddresses(firstLabel, &pages);
        QVERIFY(!words.isEmpty());
        QCOMPARE(words.last().page, 3);
        QCOMPARE(pages, 3);  // the preview shows the same sheets
        for (int slot = 0; slot < skipped; ++slot)
            QVERIFY(wordsAt(words, 1, slot).isEmpty());
        for (int r = 0; r < 50; ++r)
            QCOMPARE(wordsAt(words, (r + skipped) / kPerSheet + 1, (r + skipped) % kPerSheet),
                     expectedWords(m_rows[std::size_t(r)]));
        // The last sheet holds the last rows and nothing after them.
        for (int slot = (50 + skipped) % kPerSheet; slot < kPerSheet; ++slot)
            QVERIFY(wordsAt(words, 3, slot).isEmpty());
    }

    void aLogoShowsThePictureItsRowNames()
    {
        // Relative to the data file's folder: a wide red picture, a square blue one, a
        // file missing and a file that is no picture (each listed once), a blank value.
        const QString folder = m_dir.filePath(QStringLiteral("lots"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/photos")));
        for (const auto& [name, colour, width] : {std::tuple{"rouge", Qt::red, 40}, std::tuple{"bleu", Qt::blue, 20}}) {
            QImage picture(width, 20, QImage::Format_RGB32);
            picture.fill(colour);
            QVERIFY(picture.save(folder + QStringLiteral("/photos/%1.png").arg(QLatin1String(name))));
        }
        test::writeBytes(folder + QStringLiteral("/photos/texte.png"), "pas une image");
        test::writeBytes(folder + QStringLiteral("/lots.csv"), "Nom;Photo\r\nA;photos/rouge.png\r\nB;photos/bleu.png\r\n"
                                                              "C;photos/absente.png\r\nD;photos/texte.png\r\nE;\r\n"
                                                              "F;photos/absente.png\r\n");
        const QByteArray file = "ONGLET|Lots\r\nPROJET|Lots|70|37|-2147483643|8421504|Faux|Faux|Faux|Faux|Faux\r\n"
                                "LOGO||10|10|40|20\r\nFOND|0\r\nPRINT|0|0|0|3|1|0|0|0|0|3|8\r\n"
                                "FUSION|lots/lots.csv|1\r\nFUSIONLOGO|1|Photo\r\n";
        Project project;
        QVERIFY(readProjectData(file, project, test::french(), m_dir.path()).ok());
        QCOMPARE(projectFileText(project, test::french(), m_dir.path()).toLatin1(), file);
        Etiquette& tab = project.tab(1);
        const MergeData data = loadTabData(tab);
        QVERIFY(data.ok() && data.unknown.isEmpty());
        const std::vector<PictureRowProblem> problems = pictureRowProblems(tab, data.table);
        QCOMPARE(pictureProblemsText(problems),
                 QStringLiteral("Ligne 3 : « %1/photos/absente.png » (fichier introuvable)\n"
                                "Ligne 4 : « %1/photos/texte.png » (ce n'est pas une image lisible)")
                     .arg(folder));

        tab.setResolution(-4);
        const QString pdf = m_dir.filePath(QStringLiteral("lots.pdf"));
        QCOMPARE(printSheetsToPdf(tab, layoutValues(tab.print()), pdf, &data.table), QString());
        // The first sheet's top row, at 1 mm a pixel: each picture within the logo's box
        // at 10..50 x 10..30 mm of its label, its proportions kept; none for the others.
        const QImage row = test::rasteriseArea(pdf, 1, 254, QRectF(0, 0, kAcross * kLabelWidth, kLabelHeight)).scaled(210, 37);
        const auto inkOf = [&row](QRgb colour, int label) {
            return test::inkBox(row, QRect(int(label * kLabelWidth), 0, int(kLabelWidth), int(kLabelHeight)),
                                [colour](QRgb p) { return qAbs(qRed(p) - qRed(colour)) + qAbs(qBlue(p) - qBlue(colour)) +
                                                              qAbs(qGreen(p) - qGreen(colour)) < 90; });
        };
        QCOMPARE(inkOf(qRgb(255, 0, 0), 0), QRect(10, 10, 40, 20));
        QCOMPARE(inkOf(qRgb(0, 0, 255), 1), QRect(70 + 20, 10, 20, 20));
        QCOMPARE(inkOf(qRgb(0, 0, 0), 2), QRect());
        QCOMPARE(inkOf(qRgb(255, 0, 0), 2), QRect());
    }

    void aLineBreakInAValueShowsAsASpace()
    {
        const QList<test::PdfWord> words = printAddresses(1);
        // Row 4 (index 3): "Résidence « Les Tilleuls », bât. 3" then "4, rue de l'Église".
        QList<test::PdfWord> label;
        for (const test::PdfWord& w : words)
            if (w.page == 1 && QRectF(0, kLabelHeight, kLabelWidth, kLabelHeight).contains(w.mm.center()))
                label.append(w);
        const auto find = [&label](const QString& text) {
            for (const test::PdfWord& w : label)
                if (w.text == text)
                    return w.mm;
            return QRectF();
        };
        const QRectF before = find(QStringLiteral("3")), after = find(QStringLiteral("4,"));
        QVERIFY(!before.isNull() && !after.isNull());
        QVERIFY(std::abs(before.center().y() - after.center().y()) < 0.5);  // one line
        QVERIFY(after.left() > before.right());
    }
};

PLK_TEST_CLASS(TestMergePrint)
#include "tst_MergePrint.moc"
