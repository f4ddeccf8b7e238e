// The label-product catalogue: files of its XML format read into products (every
// shape, unit and layout, faults told by file and line), searched, and laid out on a
// tab; the batch tool's products and new commands; and, with Debian's package of the
// open label database installed, real products landing on their grids on paper.

#include "canvas/core/Etiquette.h"
#include "catalogue/core/Catalogue.h"
#include "catalogue/core/ProductLayout.h"
#include "document/core/Project.h"
#include "document/core/ProjectFile.h"
#include "print/core/PrintJob.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;

namespace {

const QByteArray kPapers = R"(<?xml version="1.0"?>
<Glabels-paper-sizes>
  <Paper-size id="US-Letter" _name="US Letter" pwg_size="na_letter" width="8.5in" height="11in"/>
  <Paper-size id="Carte" _name="Carte postale" pwg_size="x" width="100mm" height="150mm"/>
</Glabels-paper-sizes>
)";

const QByteArray kProducts = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Acme" part="C85" size="A4" _description="Cartes de visite">
    <Label-rectangle id="0" width="85mm" height="55mm" round="9pt">
      <Markup-margin size="5pt"/>
      <Layout nx="2" ny="5" x0="15mm" y0="10mm" dx="95mm" dy="55mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Acme" part="C85-B" equiv="C85"/>
  <Template brand="Acme" part="R40" size="US-Letter" description="Pastilles">
    <Label-round id="0" radius="0.75in"><Layout nx="4" ny="5" x0="0.25in" y0="0.5in" dx="2in" dy="2in"/></Label-round>
  </Template>
  <Template brand="Acme" part="E2" size="Carte" description="Ovales">
    <Label-ellipse id="0" width="6cm" height="4cm">
      <Layout nx="1" ny="2" x0="20mm" y0="10mm" dy="50mm"/>
      <Layout nx="1" ny="1" x0="20mm" y0="120mm"/>
    </Label-ellipse>
  </Template>
  <Template brand="Acme" part="CD1" size="A4" description="Disques">
    <Label-cd id="0" radius="58.5mm" hole="20.5mm" height="115mm"><Layout nx="1" ny="2" x0="46.5mm" y0="21.5mm" dy="138.4mm"/></Label-cd>
  </Template>
  <Template brand="Rollo" part="62" size="Other" description="Rouleau continu">
    <Label-continuous id="0" width="62mm" height="100mm"><Layout nx="1" ny="1"/></Label-continuous>
  </Template>
  <Template brand="Acme" part="Faux" size="A4"><Label-rectangle id="0" width="huit" height="5mm"><Layout nx="1" ny="1"/></Label-rectangle></Template>
  <Template brand="Acme" part="Sans" size="B9"><Label-round id="0" radius="5mm"><Layout nx="1" ny="1"/></Label-round></Template>
  <Template brand="Acme" part="Alias" equiv="Nulle"/>
</Glabels-templates>
)";

}  // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        test::writeBytes(m_dir.filePath("paper-sizes.xml"), kPapers);
        test::writeBytes(m_dir.filePath("acme.xml"), kProducts);
        test::writeBytes(m_dir.filePath("zz-broken.xml"), "<Glabels-templates>\n<Template brand=\"X\"\n");
    }

    void readsEveryShapeUnitAndLayout()
    {
        const Catalogue catalogue({m_dir.path()});
        QCOMPARE(catalogue.products().size(), std::size_t(6));
        const Product* card = catalogue.find("acme c85-b");  // the alias, any case
        QVERIFY(card);
        QCOMPARE(card->description, QStringLiteral("Cartes de visite"));
        QCOMPARE(card->label.size, QSizeF(85, 55));
        QCOMPARE(card->label.cornerRadius, 3.175);  // 9 pt
        QCOMPARE(card->labelCount(), 10);
        const Product* round = catalogue.find("Acme R40");
        QCOMPARE(round->label.shape, LabelShape::Round);
        QCOMPARE(round->label.size, QSizeF(38.1, 38.1));
        QCOMPARE(round->paper, QStringLiteral("US Letter"));
        QCOMPARE(round->paperSize, QSizeF(215.9, 279.4));
        QCOMPARE(round->layouts.front().pitchAcross, 50.8);
        const Product* oval = catalogue.find("Acme E2");
        QCOMPARE(oval->paperSize, QSizeF(100, 150));
        QCOMPARE(oval->layouts.size(), std::size_t(2));
        QCOMPARE(oval->layouts[1].pitchAcross, 60.0);  // a single label: its own width
        QCOMPARE(oval->labelCount(), 3);
        const Product* cd = catalogue.find("Acme CD1");
        QCOMPARE(cd->label.size, QSizeF(117, 115));
        QCOMPARE(cd->label.holeRadius, 20.5);
        const Product* roll = catalogue.find("Rollo 62");
        QCOMPARE(roll->label.shape, LabelShape::Continuous);
        QVERIFY(roll->roll());
        QCOMPARE(roll->paperSize, QSizeF(62, 100));

        const QStringList problems = catalogue.problems();
        QCOMPARE(problems.size(), 4);
        QCOMPARE(problems[0], m_dir.filePath("acme.xml") + ", ligne 25 : longueur « huit » illisible pour width");
        QCOMPARE(problems[1], QStringLiteral("Acme Sans : papier « B9 » inconnu"));
        QVERIFY(problems[2].startsWith(m_dir.filePath("zz-broken.xml") + ", ligne 3 : XML illisible ("));
        QCOMPARE(problems[3], QStringLiteral("Acme Alias : équivalent de « Nulle », inconnu"));

        const auto parts = [&](const QString& words) {
            QStringList found;
            for (const Product* p : catalogue.search(words))
                found << p->part;
            return found;
        };
        QCOMPARE(parts("85x55"), QStringList({"C85", "C85-B"}));
        QCOMPARE(parts("ACME rond letter"), QStringList({"R40"}));
        QCOMPARE(parts("38,1"), QStringList({"R40"}));
        QCOMPARE(parts("rouleau"), QStringList({"62"}));
    }

    void layoutOnATabIsWrittenAndReadBack()
    {
        const Catalogue catalogue({m_dir.path()});
        Project project(QStringLiteral("Pastilles"));
        Etiquette& tab = project.tab(1);
        tab.NewProjet("Pastilles", 80, 50, 16777215, 0, false, false, false);
        useProduct(tab, *catalogue.find("Acme R40"));
        const QString text = tabFileText(project, 1, test::french(), QString());
        QVERIFY2(text.endsWith("PROJET|Pastilles|38,1|38,1|16777215|0|Faux|Faux|Faux|Faux|Faux\r\n"
                               "FOND|1|16777215\r\n"
                               "PRINT|0|0|0|0|1|6|13|13|13|4|5\r\n"
                               "PLANCHE|6,35|12,7|50,8|50,8\r\n"
                               "PAPIER|US Letter|215,9|279,4|Faux\r\n"
                               "FORME|1|0|0\r\n"),
                 qPrintable(text));
        Project back;
        QVERIFY(readProjectData(text.toUtf8(), back, test::french()).ok());
        QCOMPARE(back.tab(1).print(), tab.print());
        // A4 products keep the file as it always was: no PAPIER record.
        useProduct(tab, *catalogue.find("Acme C85"));
        QVERIFY(!tabFileText(project, 1, test::french(), QString()).contains("PAPIER"));
        // A sheet of two grids carries both.
        useProduct(tab, *catalogue.find("Acme E2"));
        const QString two = tabFileText(project, 1, test::french(), QString());
        QVERIFY2(two.endsWith("PRINT|0|0|0|0|1|20|10|0|10|1|2\r\nPAPIER|Carte postale|100|150|Faux\r\n"
                              "FORME|1|0|0\r\nGRILLES|1|2|20|10|60|50|1|1|20|120|60|40\r\n"),
                 qPrintable(two));
        Project again;
        QVERIFY(readProjectData(two.toUtf8(), again, test::french()).ok());
        QCOMPARE(again.tab(1).print(), tab.print());
    }

    void batchListsProductsAndMakesAProject()
    {
        const test::BatchRun list = test::batch({"products", "acme", "85x55", "--catalogue", m_dir.path()});
        QCOMPARE(list.exitCode, 0);
        const QList<QByteArray> lines = list.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        const QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
        QCOMPARE(first["part"].toString(), QStringLiteral("C85"));
        QCOMPARE(first["shape"].toString(), QStringLiteral("rectangle"));
        QCOMPARE(first["cornerRadius"].toDouble(), 3.175);
        QCOMPARE(first["layouts"].toArray().at(0).toObject()["left"].toDouble(), 15.0);

        const QString file = m_dir.filePath("Rouleau.plk");
        QCOMPARE(test::batch({"new", file, "--product", "Rollo 62", "--name", "Colis", "--catalogue", m_dir.path()})
                     .exitCode,
                 0);
        QVERIFY(test::readBytes(file).endsWith("PRINT|0|0|0|0|1|0|0|0|0|1|1\r\nPAPIER||62|100|Faux\r\n"));
        const test::BatchRun missing = test::batch({"new", file, "--product", "Acme Z", "--catalogue", m_dir.path()});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains("produit « Acme Z » introuvable"));
    }

    void realProductsLandOnTheirGrids()
    {
        if (!QFileInfo::exists(kPackageCatalogueFolder))
            QSKIP("the open label database (glabels-data) is not installed");
        QElapsedTimer opening;
        opening.start();
        const Catalogue catalogue({kPackageCatalogueFolder});
        QVERIFY(catalogue.products().size() > 1500);
        QVERIFY2(opening.elapsed() < 300, qPrintable(QString::number(opening.elapsed())));
        checkSample(catalogue);
    }

private:
    /// 50 products spread over the catalogue (every shape, every paper it names), and
    /// a tenth of those of several grids or more than 20 labels across or down, each
    /// printed at 600 dpi with black labels: every label's edges within 0.1 mm of where
    /// the product says.
    void checkSample(const Catalogue& catalogue)
    {
        std::vector<const Product*> fitting, severalGrids;
        for (const Product& p : catalogue.products()) {
            // A few products of the database have grids that leave their paper (typos, rounding).
            const QSizeF size = p.label.size;
            const bool onPaper = std::all_of(p.layouts.begin(), p.layouts.end(), [&](const ProductGrid& g) {
                return g.left + (g.across - 1) * g.pitchAcross + size.width() <= p.paperSize.width() &&
                       g.top + (g.down - 1) * g.pitchDown + size.height() <= p.paperSize.height();
            });
            if (onPaper)
                fitting.push_back(&p);
            if (onPaper && !makerGrids(p.layouts).empty())
                severalGrids.push_back(&p);
        }
        std::stable_sort(fitting.begin(), fitting.end(), [](const Product* a, const Product* b) {
            return std::tie(a->label.shape, a->paper) < std::tie(b->label.shape, b->paper);
        });
        constexpr int kSample = 50;
        std::vector<const Product*> sample;
        for (int n = 0; n < kSample; ++n)
            sample.push_back(fitting[std::size_t(n) * fitting.size() / kSample]);
        for (std::size_t n = 0; n < severalGrids.size(); n += 10)
            sample.push_back(severalGrids[n]);
        QVERIFY(severalGrids.size() > 40);
        constexpr double kDpi = 600;
        const auto px = [](double mm) { return int(std::floor(mm * kDpi / 25.4)); };
        QSet<QString> shapesAndPapers;
        for (const Product* product : sample) {
            const Product& p = *product;
            shapesAndPapers << shapeName(p.label.shape) << p.paper;
            Project project;
            Etiquette& tab = project.tab(1);
            tab.NewProjet("Produit", 10, 10, 0, 0, false, false, false);
            useProduct(tab, p);
            const QImage page = PreviewPages(tab, layoutValues(tab.print()), kDpi).page(1);
            const QSizeF size = p.label.size;
            const auto ink = [&](double x, double y) {
                return page.valid(px(x), px(y)) && qGray(page.pixel(px(x), px(y))) < 128;
            };
            // Grids of one sheet may abut one another: no ink is looked for outside those.
            const bool alone = p.layouts.size() == 1;
            for (const ProductGrid& g : p.layouts) {
                const bool gapAcross = alone && g.pitchAcross - size.width() > 0.2;
                const bool gapDown = alone && g.pitchDown - size.height() > 0.2;
                for (int row = 0; row < g.down; ++row) {
                    for (int column = 0; column < g.across; ++column) {
                        const double x = g.left + column * g.pitchAcross;
                        const double y = g.top + row * g.pitchDown;
                        const QString at = QStringLiteral("%1, label %2/%3").arg(p.name()).arg(column + 1).arg(row + 1);
                        const double midX = x + size.width() / 2;
                        const double midY = y + size.height() / 2;
                        // Ink 0.1 mm inside each edge; none 0.1 mm outside it, where no neighbour abuts.
                        QVERIFY2(ink(x + 0.1, y + 0.1) && ink(x + size.width() - 0.1, y + size.height() - 0.1),
                                 qPrintable(at));
                        QVERIFY2(!(alone && (column == 0 || gapAcross)) || !ink(x - 0.1, midY), qPrintable(at));
                        QVERIFY2(!(alone && (row == 0 || gapDown)) || !ink(midX, y - 0.1), qPrintable(at));
                        QVERIFY2(!(alone && (column == g.across - 1 || gapAcross)) ||
                                     !ink(x + size.width() + 0.1, midY),
                                 qPrintable(at));
                        QVERIFY2(!(alone && (row == g.down - 1 || gapDown)) || !ink(midX, y + size.height() + 0.1),
                                 qPrintable(at));
                    }
                }
            }
        }
        QVERIFY2(shapesAndPapers.contains("rond") && shapesAndPapers.contains("cd") &&
                     shapesAndPapers.contains("US Letter") && shapesAndPapers.contains("A4"),
                 qPrintable(QStringList(shapesAndPapers.values()).join(", ")));
    }
};

PLK_TEST_CLASS(TestCatalogue)
#include "tst_Catalogue.moc"
