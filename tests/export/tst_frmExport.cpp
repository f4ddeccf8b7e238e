#include "app/core/AppState.h"
#include "app/ui/frmMenu.h"
#include "canvas/core/Etiquette.h"
#include "export/ui/frmExport.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "widgets/ui/HeaderPlus.h"
#include "windows/ui/frmProjet.h"

#include <QComboBox>
#include <QDir>
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

const QByteArray kExample =
    "ONGLET|Carte\r\n"
    "PROJET|Carte|85,5|54|-2147483643|-2147483642|Faux|Faux|Vrai|Faux|Faux\r\n"
    "LABEL|ZONE DE TEXTE|5|5|Tahoma|8|Faux|Faux|Faux|Faux|-2147483630\r\n"
    "FOND|1|255\r\n"
    "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n";

}  // namespace

class TestFrmExport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<test::ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMenu> m_menu;
    std::unique_ptr<frmExport> m_export;

    frmProjet* openExample()
    {
        const QString path = m_dir.filePath("Exemple.plk");
        test::writeBytes(path, kExample);
        m_dialogs->files.push_back(Dialogs::FileAnswer{path, 0});
        m_menu->Mnu_ID_Fichier_Click(1);
        m_dialogs->shown.clear();
        return m_menu->activeProject();
    }

    QStringList filesIn(const QString& folder) const
    {
        return QDir(folder).entryList({"*.png", "*.bmp", "*.jpg", "*.gif", "*.tif*", "Sortie*"}, QDir::Files);
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("LC_ALL", "fr_FR.UTF-8");  // the example file is in French form
        test::initFonts();
    }

    void init()
    {
        m_dialogs = std::make_unique<test::ScriptedDialogs>();
        m_menu = std::make_unique<frmMenu>(AppPaths(m_dir.path()), *m_dialogs);
        m_menu->show();
        Options = AppOptions();
        BoiteVisible = false;
        m_export = std::make_unique<frmExport>(*m_menu);
    }

    void cleanup()
    {
        m_export.reset();
        for (QMdiSubWindow* sub : m_menu->workspace()->subWindowList()) {
            m_dialogs->answers.push_back(Answer::No);
            sub->close();
        }
        m_menu.reset();
    }

    void controlsAndTexts()
    {
        QCOMPARE(m_export->windowTitle(), QStringLiteral("Exporter dans une image"));
        QCOMPARE(m_export->header()->Caption1(), QStringLiteral("Exporter dans une image"));
        QCOMPARE(m_export->header()->Caption2(), QStringLiteral("Exporter votre projet dans 5 formats d'images"));
        QCOMPARE(m_export->Bouton1(0)->text(), QStringLiteral("Exporter"));
        QCOMPARE(m_export->Bouton1(1)->text(), QStringLiteral("Annuler"));
        QCOMPARE(m_export->Bouton1(2)->text(), QStringLiteral("Aide"));
        QComboBox* list = m_export->Combo1();
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->itemText(1), QStringLiteral("Joint Photographic Expert Group (*.jpg)"));
        QCOMPARE(list->itemText(4), QStringLiteral("Tagged Image File Format (*.tiff)"));
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(frmExport::filterFor(3), QStringLiteral("Portable Network Graphics (*.png)"));
        QVERIFY(frmExport::filterFor(5).isEmpty());
        QVERIFY(frmExport::filterFor(-1).isEmpty());

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
        m_menu->parts.showHelp = [&keys](const QString& key) { keys << key; };
        m_export->Bouton1(2)->click();
        QCOMPARE(keys, QStringList{QStringLiteral("Exporter dans une image")});
    }

    void exportsTheTabAsPng()
    {
        frmProjet* w = openExample();
        QVERIFY(w);
        const QString out = m_dir.filePath("Sortie.png");
        m_dialogs->files.push_back(Dialogs::FileAnswer{out, 0});
        m_export->Combo1()->setCurrentIndex(3);
        m_export->Bouton1(0)->click();

        QCOMPARE(m_dialogs->shown.size(), 2);
        const auto& save = m_dialogs->shown.at(0);
        QCOMPARE(save.kind, QStringLiteral("save"));
        QCOMPARE(save.request.filters, QStringList{QStringLiteral("Portable Network Graphics (*.png)")});
        QCOMPARE(save.request.filterIndex, 0);
        QCOMPARE(save.request.directory, m_dir.path());
        QCOMPARE(save.request.fileName, w->surface(w->selectedTab()).NameProjet);
        QVERIFY(save.request.defaultSuffix.isEmpty());
        QCOMPARE(m_dialogs->shown.at(1).text, QStringLiteral("Exportation du projet terminé."));
        QCOMPARE(m_dialogs->shown.at(1).icon, Icon::Information);
        QVERIFY(m_dialogs->shown.at(1).title.isEmpty());

        const QImage expected = w->surface(w->selectedTab()).Picture().convertToFormat(QImage::Format_RGB32);
        QImage written(out, "PNG");
        QVERIFY(!written.isNull());
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32), expected);
        QCOMPARE(m_export->pctProjet().convertToFormat(QImage::Format_RGB32), expected);
        QCOMPARE(expected.pixelColor(1, expected.height() - 2), QColor(Qt::red));
    }

    void aNameWithoutExtensionFails()
    {
        QVERIFY(openExample());
        const QString out = m_dir.filePath("Sortie");
        m_dialogs->files.push_back(Dialogs::FileAnswer{out, 0});
        m_export->Bouton1(0)->click();
        QCOMPARE(m_dialogs->shown.size(), 2);
        QCOMPARE(m_dialogs->shown.at(1).kind, QStringLiteral("message"));
        QCOMPARE(m_dialogs->shown.at(1).text, QStringLiteral("Erreur lors de l'exportation."));
        QCOMPARE(m_dialogs->shown.at(1).icon, Icon::Exclamation);
        QVERIFY(m_dialogs->shown.at(1).title.isEmpty());
        QVERIFY(!QFile::exists(out));
    }

    void aFailedWriteShowsTheErrorFirst()
    {
        QVERIFY(openExample());
        const QString out = m_dir.filePath("absent/Sortie.bmp");
        m_dialogs->files.push_back(Dialogs::FileAnswer{out, 0});
        m_export->Bouton1(0)->click();
        QCOMPARE(m_dialogs->shown.size(), 3);
        QCOMPARE(m_dialogs->shown.at(1).text.section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Une erreur est survenue :"));
        QVERIFY(m_dialogs->shown.at(1).title.startsWith(QStringLiteral("Erreur n°")));
        QCOMPARE(m_dialogs->shown.at(1).icon, Icon::Exclamation);
        QCOMPARE(m_dialogs->shown.at(2).text, QStringLiteral("Erreur lors de l'exportation."));
    }

    void cancellingTheSaveDialogWritesNothing()
    {
        QVERIFY(openExample());
        const QStringList before = filesIn(m_dir.path());
        m_dialogs->files.push_back(std::nullopt);
        m_export->Combo1()->setCurrentIndex(3);
        m_export->Bouton1(0)->click();
        QCOMPARE(m_dialogs->shown.size(), 1);
        QCOMPARE(m_dialogs->shown.at(0).kind, QStringLiteral("save"));
        QCOMPARE(filesIn(m_dir.path()), before);
    }

    void annulerClosesTheDialog()
    {
        m_export->show();
        QVERIFY(m_export->isVisible());
        m_export->Bouton1(1)->click();
        QVERIFY(!m_export->isVisible());
        QVERIFY(m_dialogs->shown.isEmpty());
    }
};

QTEST_MAIN(TestFrmExport)
#include "tst_frmExport.moc"
