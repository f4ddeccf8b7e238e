#include "app/ui/frmMenu.h"
#include "canvas/core/Etiquette.h"
#include "export/ui/frmExport.h"
#include "support/MainWindowFixture.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"
#include "support/WidgetDriving.h"
#include "widgets/ui/HeaderPlus.h"
#include "windows/ui/frmProjet.h"

#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

using namespace plk;
using Answer = Dialogs::Answer;
using Icon = Dialogs::Icon;

namespace {

// The example on a red background, to tell the picture's pixels apart.
const QByteArray kRedExample = QByteArray(test::kExampleProject).replace("FOND|1|-2147483643", "FOND|1|255");

}  // namespace

class TestFrmExport : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;
    std::unique_ptr<frmExport> m_export;

    frmProjet* openExample()
    {
        frmProjet* window = m_fx.open(kRedExample);
        m_fx.dialogs->shown.clear();
        return window;
    }

    /// "Exporter" in the format of that entry (-1: the one shown), the file dialog answering `file`.
    void exportTo(const QString& file, int format = -1)
    {
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{file, 0});
        if (format >= 0)
            m_export->Combo1()->setCurrentIndex(format);
        m_export->Bouton1(0)->click();
    }

    QStringList filesIn(const QString& folder) const
    {
        return QDir(folder).entryList({"*.png", "*.bmp", "*.jpg", "*.gif", "*.tif*", "Sortie*"}, QDir::Files);
    }

private Q_SLOTS:

    void init()
    {
        m_fx.start();
        m_export = std::make_unique<frmExport>(*m_fx.menu);
    }

    void cleanup()
    {
        m_export.reset();
        m_fx.stop();
    }

    void controlsAndTexts()
    {
        QCOMPARE(m_export->windowTitle(), QStringLiteral("Exporter dans une image"));
        QCOMPARE(m_export->header()->Caption1(), QStringLiteral("Exporter dans une image"));
        QCOMPARE(m_export->header()->Caption2(), QStringLiteral("Exporter votre projet dans 7 formats d'images"));
        for (const int i : {0, 1, 2})
            QCOMPARE(m_export->Bouton1(i)->text(), (QStringList{"Exporter", "Annuler", "Aide"}[i]));
        QComboBox* list = m_export->Combo1();
        QCOMPARE(list->count(), 7);
        QCOMPARE(list->itemText(1), QStringLiteral("Joint Photographic Expert Group (*.jpg)"));
        QCOMPARE(list->itemText(4), QStringLiteral("Tagged Image File Format (*.tiff)"));
        // The two documents come after the five pictures.
        QCOMPARE(list->itemText(5), QStringLiteral("Portable Document Format (*.pdf)"));
        QCOMPARE(list->itemText(6), QStringLiteral("Scalable Vector Graphics (*.svg)"));
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(frmExport::filterFor(3), QStringLiteral("Portable Network Graphics (*.png)"));
        QCOMPARE(frmExport::filterFor(6), QStringLiteral("Scalable Vector Graphics (*.svg)"));
        QVERIFY(frmExport::filterFor(7).isEmpty());
        QVERIFY(frmExport::filterFor(-1).isEmpty());

        // The resolution: the screen's by default, then finer ones.
        QCOMPARE(test::entries(m_export->resolutionList()), (QStringList{"96 ppp (écran)", "150 ppp", "300 ppp", "600 ppp"}));
        QCOMPARE(m_export->resolutionList()->currentIndex(), 0);

        // The quality is for JPEG only.
        QVERIFY(!m_export->Slider1()->isEnabled());
        QVERIFY(!m_export->qualityLabel()->isEnabled());
        list->setCurrentIndex(1);
        QVERIFY(m_export->Slider1()->isEnabled());
        QVERIFY(m_export->qualityLabel()->isEnabled());
        list->setCurrentIndex(3);
        QVERIFY(!m_export->Slider1()->isEnabled());

        QCOMPARE(m_export->Slider1()->minimum(), 0);
        QCOMPARE(m_export->Slider1()->maximum(), 10);
        m_export->Slider1()->setValue(7);
        QCOMPARE(m_export->Slider1()->toolTip(), QStringLiteral("70 %"));
    }

    void helpOpensTheDialogsTopic()
    {
        QStringList keys;
        m_fx.menu->parts.showHelp = [&keys](const QString& key) { keys << key; };
        m_export->Bouton1(2)->click();
        QCOMPARE(keys, QStringList{QStringLiteral("Exporter dans une image")});
    }

    void exportsTheTabAsPng()
    {
        frmProjet* w = openExample();
        QVERIFY(w);
        const QString out = m_fx.dir.filePath("Sortie.png");
        exportTo(out, 3);

        QCOMPARE(m_fx.dialogs->shown.size(), 2);
        const auto& save = m_fx.dialogs->shown.at(0);
        QCOMPARE(save.kind, QStringLiteral("save"));
        QCOMPARE(save.request.filters, QStringList{QStringLiteral("Portable Network Graphics (*.png)")});
        QCOMPARE(save.request.filterIndex, 0);
        QCOMPARE(save.request.directory, m_fx.dir.path());
        QCOMPARE(save.request.title, QStringLiteral("Exporter dans une image"));
        QCOMPARE(save.request.fileName, w->surface(w->selectedTab()).NameProjet() + QStringLiteral(".png"));
        QCOMPARE(save.request.defaultSuffix, QStringLiteral("png"));
        QCOMPARE(m_fx.dialogs->shown.at(1).text, QStringLiteral("Exportation du projet terminé."));
        QCOMPARE(m_fx.dialogs->shown.at(1).icon, Icon::Information);
        QVERIFY(m_fx.dialogs->shown.at(1).title.isEmpty());

        const QImage expected = w->surface(w->selectedTab()).Picture().convertToFormat(QImage::Format_RGB32);
        QImage written(out, "PNG");
        QVERIFY(!written.isNull());
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32), expected);
        QCOMPARE(m_export->pctProjet().convertToFormat(QImage::Format_RGB32), expected);
        QCOMPARE(expected.pixelColor(1, expected.height() - 2), QColor(Qt::red));
    }

    void exportsAtTheChosenResolutionAndAsDocuments()
    {
        frmProjet* w = openExample();
        QVERIFY(w);
        const QString png = m_fx.dir.filePath("Fine.png"), pdf = m_fx.dir.filePath("Carte.pdf");
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{png, 0});
        m_export->Combo1()->setCurrentIndex(3);
        m_export->resolutionList()->setCurrentIndex(2);
        m_export->Bouton1(0)->click();
        // 85.5 x 54 mm at 300 dpi.
        const QImage written(png);
        QCOMPARE(written.size(), QSize(1010, 638));
        QCOMPARE(written.dotsPerMeterX(), 11811);
        QCOMPARE(m_export->pctProjet().size(), QSize(1010, 638));

        exportTo(pdf, 5);
        QCOMPARE(m_fx.dialogs->shown.size(), 4);
        QCOMPARE(m_fx.dialogs->shown.at(2).request.filters, QStringList{QStringLiteral("Portable Document Format (*.pdf)")});
        QCOMPARE(m_fx.dialogs->shown.at(3).text, QStringLiteral("Exportation du projet terminé."));
        QVERIFY(test::readBytes(pdf).startsWith("%PDF"));
        // A name without extension gets the document's.
        exportTo(m_fx.dir.filePath("Dessin"), 6);
        QVERIFY(test::readBytes(m_fx.dir.filePath("Dessin.svg")).contains("<svg"));
    }

    void aTabWithADataFileExportsItsChosenRow()
    {
        test::writeBytes(m_fx.dir.filePath("noms.csv"), "Nom;Ville\r\nDupont;Nîmes\r\nDurand;Orléans\r\n");
        frmProjet* w = m_fx.open(QByteArray(kRedExample).replace("ZONE DE TEXTE", "M. \xABNom\xBB") +
                                 "FUSION|noms.csv|1\r\n");
        QVERIFY(w);
        w->surface(1).setDataRow(1);
        const QString svg = m_fx.dir.filePath("Ligne.svg");
        exportTo(svg, 6);
        QVERIFY(test::readBytes(svg).contains("Durand"));
        QCOMPARE(w->surface(1).label(1).Caption, QStringLiteral("M. «Nom»"));

        // Without its data file, nothing is asked nor written: the message names the file.
        QFile::remove(m_fx.dir.filePath("noms.csv"));
        QFile::remove(svg);
        m_fx.dialogs->shown.clear();
        m_export->Bouton1(0)->click();
        QCOMPARE(m_fx.dialogs->shown.size(), 1);
        QVERIFY(m_fx.dialogs->shown.at(0).text.contains(m_fx.dir.filePath("noms.csv")));
        QVERIFY(!QFile::exists(svg));
    }

    void aNameWithoutExtensionGetsTheFormats()
    {
        QVERIFY(openExample());
        // The proposed name, as the user confirms it, and a name typed with a dot of its own.
        m_export->Combo1()->setCurrentIndex(3);
        exportTo(m_fx.dir.filePath("Carte Hélène"));
        QCOMPARE(m_fx.dialogs->shown.at(1).text, QStringLiteral("Exportation du projet terminé."));
        QCOMPARE(QImageReader(m_fx.dir.filePath("Carte Hélène.png")).format(), QByteArray("png"));
        QVERIFY(!QFile::exists(m_fx.dir.filePath("Carte Hélène")));
        exportTo(m_fx.dir.filePath("M. Dupont"));
        QCOMPARE(QImageReader(m_fx.dir.filePath("M. Dupont.png")).format(), QByteArray("png"));

        // A name that asks for a format of its own keeps it, whatever the list shows.
        exportTo(m_fx.dir.filePath("Photo.jpeg"));
        QCOMPARE(QImageReader(m_fx.dir.filePath("Photo.jpeg")).format(), QByteArray("jpeg"));
        QVERIFY(!QFile::exists(m_fx.dir.filePath("Photo.jpeg.png")));
    }

    void aFailedWriteShowsTheErrorFirst()
    {
        QVERIFY(openExample());
        const QString out = m_fx.dir.filePath("absent/Sortie.bmp");
        exportTo(out);
        QCOMPARE(m_fx.dialogs->shown.size(), 3);
        QCOMPARE(m_fx.dialogs->shown.at(1).text.section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Une erreur est survenue :"));
        QVERIFY(m_fx.dialogs->shown.at(1).title.startsWith(QStringLiteral("Erreur n°")));
        QCOMPARE(m_fx.dialogs->shown.at(1).icon, Icon::Exclamation);
        QCOMPARE(m_fx.dialogs->shown.at(2).text, QStringLiteral("Erreur lors de l'exportation."));
    }

    void cancellingTheSaveDialogWritesNothing()
    {
        QVERIFY(openExample());
        const QStringList before = filesIn(m_fx.dir.path());
        m_fx.dialogs->files.push_back(std::nullopt);
        m_export->Combo1()->setCurrentIndex(3);
        m_export->Bouton1(0)->click();
        QCOMPARE(m_fx.dialogs->shown.size(), 1);
        QCOMPARE(m_fx.dialogs->shown.at(0).kind, QStringLiteral("save"));
        QCOMPARE(filesIn(m_fx.dir.path()), before);
    }

    void annulerClosesTheDialog()
    {
        m_export->show();
        QVERIFY(m_export->isVisible());
        m_export->Bouton1(1)->click();
        QVERIFY(!m_export->isVisible());
        QVERIFY(m_fx.dialogs->shown.isEmpty());
    }
};

PLK_TEST_CLASS(TestFrmExport)
#include "tst_frmExport.moc"
