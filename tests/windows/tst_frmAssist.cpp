// The new-project wizard in both modes: what it creates, with which names, sizes and
// colours, and when it refuses. The dialog is shown without its own event loop; its
// buttons are clicked as a user does.

#include "WindowTests.h"
#include "catalogue/ui/ProductChooser.h"
#include "widgets/ui/HeaderPlus.h"

#include <QDir>
#include <QTreeWidget>

using namespace plk;

class TestFrmAssist : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;
    frmOutils* m_outils = nullptr;
    frmAssist* m_assist = nullptr;
    QStringList m_help;

private Q_SLOTS:

    void init()
    {
        m_fx.start();
        m_outils = &m_fx.startToolBox();
        m_assist = &m_fx.startWizard();
        m_help.clear();
        m_fx.menu->parts.showHelp = [this](const QString& key) { m_help << key; };
    }
    void cleanup() { m_fx.stop(); }

    void carteDeVisiteWithTheDefaults()
    {
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Nouveau);
        QVERIFY(m_assist->isVisible());
        QCOMPARE(m_assist->windowTitle(), QStringLiteral("Créer un nouveau projet"));
        QCOMPARE(m_assist->banner()->Caption2(), QStringLiteral("Trois étapes seulement pour créer votre projet"));
        QCOMPARE(m_assist->Label1(7)->text(), QStringLiteral("Etape 3 - Déterminez les couleurs de votre projet :"));
        QCOMPARE(m_assist->Bouton1(2)->toolTip(), QStringLiteral("Couleur de la bordure"));
        QVERIFY(!m_assist->Bouton2(0)->isEnabled());
        QCOMPARE(m_assist->TxtBox1()->Text(), QStringLiteral("80"));
        QCOMPARE(m_assist->TxtBox2()->Text(), QStringLiteral("50"));

        QTest::keyClicks(m_assist->Text1(), QStringLiteral("carte de visite"));
        QVERIFY(m_assist->Bouton2(0)->isEnabled());
        QTest::mouseClick(m_assist->Bouton2(0), Qt::LeftButton);
        QVERIFY(!m_assist->isVisible());
        frmProjet* w = m_fx.menu->activeProject();
        QVERIFY(w);
        QCOMPARE(w->caption(), QStringLiteral("carte de visite"));
        QCOMPARE(w->tabStrip()->tabText(0), QStringLiteral("carte de visite"));
        QCOMPARE(w->filePath(), QString());
        QCOMPARE(w->surface(1).RecupererObjet(1),
                 QStringLiteral("PROJET|Carte De Visite|80|50|-2147483643|-2147483642|Faux|Faux|Vrai|Faux|Faux"));
        QCOMPARE(w->surface(1).RecupererObjet(4), QStringLiteral("FOND|1|-2147483643"));
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), QStringLiteral("L : 80 Mm - H : 50 Mm"));
        QVERIFY(!m_fx.app.BoiteVisible);
        QVERIFY(!m_outils->isVisible());
    }

    void sizesColoursNoBorderAndTheToolBox()
    {
        m_fx.showWizard(false);
        QTest::keyClicks(m_assist->Text1(), QStringLiteral("ETIQUETTE cd"));
        test::typeInto(m_assist->TxtBox1(), QStringLiteral("120"));
        m_fx.dialogs->colours = {QColor(0, 128, 255), std::nullopt};
        QTest::mouseClick(m_assist->Bouton1(1), Qt::LeftButton);
        QCOMPARE(m_assist->pctFond(1)->colour(), rgbColor(0, 128, 255));
        QTest::mouseClick(m_assist->Bouton1(2), Qt::LeftButton);  // cancelled
        QCOMPARE(m_fx.dialogs->colourStarts.last(), toQColor(kColorWindowFrame));
        QCOMPARE(m_assist->pctFond(2)->colour(), kColorWindowFrame);
        QTest::mouseClick(m_assist->Check1(), Qt::LeftButton);
        QVERIFY(!m_assist->Bouton1(2)->isEnabled());
        QVERIFY(!m_assist->borderCaption()->isEnabled());
        QVERIFY(m_assist->Bouton1(1)->isEnabled());
        QTest::mouseClick(m_assist->Check2(), Qt::LeftButton);
        // Enter in the name field creates, once.
        QTest::keyClick(m_assist->Text1(), Qt::Key_Return);
        QCOMPARE(m_fx.menu->projectWindows().size(), 1);
        Etiquette& t = m_fx.menu->activeProject()->surface(1);
        QCOMPARE(t.RecupererObjet(1), QStringLiteral("PROJET|Etiquette Cd|120|50|%1|-2147483642|Faux|Faux|Faux|Faux|Faux")
                                          .arg(rgbColor(0, 128, 255)));
        QVERIFY(m_fx.app.BoiteVisible);
        QVERIFY(m_outils->isVisible());  // filled from the new tab and shown
        QCOMPARE(m_outils->tabWidthField()->Text(), QStringLiteral("120"));
    }

    void sizesBeyondTheRangeMakeTheLargestCard()
    {
        // Typed and confirmed by Return from the field itself: the card is as wide as
        // the field then shows, never the last number the field took on the way.
        m_fx.showWizard(false);
        QTest::keyClicks(m_assist->Text1(), QStringLiteral("Affiche"));
        test::typeInto(m_assist->TxtBox1(), QStringLiteral("250"));
        test::typeInto(m_assist->TxtBox2(), QStringLiteral("0"));
        QTest::keyClick(m_assist->Text1(), Qt::Key_Return);
        QCOMPARE(m_assist->TxtBox1()->Text(), QStringLiteral("200"));
        QCOMPARE(m_assist->TxtBox2()->Text(), QStringLiteral("1"));
        Etiquette& t = m_fx.menu->activeProject()->surface(1);
        QCOMPARE(t.prjWidth(), 200.0);
        QCOMPARE(t.prjHeight(), 1.0);
    }

    void blankNameDoesNothingAndEachShowingStartsAfresh()
    {
        m_fx.showWizard(false);
        QTest::keyClicks(m_assist->Text1(), QStringLiteral("   "));
        QVERIFY(m_assist->Bouton2(0)->isEnabled());
        QTest::mouseClick(m_assist->Bouton2(0), Qt::LeftButton);
        QTest::keyClick(m_assist->Text1(), Qt::Key_Return);
        QVERIFY(m_assist->isVisible());
        QVERIFY(m_fx.menu->projectWindows().isEmpty());

        QTest::mouseClick(m_assist->Bouton2(2), Qt::LeftButton);
        QCOMPARE(m_help, QStringList{QStringLiteral("Créer un nouveau projet")});
        QTest::mouseClick(m_assist->Check1(), Qt::LeftButton);
        QTest::mouseClick(m_assist->Bouton2(1), Qt::LeftButton);
        QVERIFY(!m_assist->isVisible());
        QVERIFY(m_fx.menu->projectWindows().isEmpty());
        m_fx.showWizard(false);
        QCOMPARE(m_assist->Text1()->text(), QString());
        QVERIFY(!m_assist->Check1()->isChecked());
        QVERIFY(m_assist->Bouton1(2)->isEnabled());
    }

    void addTabOnATwoTabProject()
    {
        frmProjet* w = m_fx.menu->createProjectWindow(QStringLiteral("Recto"));
        w->setCaption(QStringLiteral("Carte"));
        w->project().addTab(QStringLiteral("Verso"));
        m_fx.menu->showProjectWindow(w);
        m_fx.app.BoiteVisible = false;
        m_fx.menu->Mnu_ID_Projet_Click(Projet::AjouterOnglet);
        QCOMPARE(m_assist->windowTitle(), QStringLiteral("Ajouter un nouvel onglet"));
        QCOMPARE(m_assist->banner()->Caption1(), QStringLiteral("Ajouter un nouvel onglet"));
        QCOMPARE(m_assist->banner()->Caption2(), QStringLiteral("Ajouter un nouvel onglet dans votre projet"));
        QCOMPARE(m_assist->Label1(0)->text(), QStringLiteral("Déterminez un nouveau nom pour cet onglet :"));
        QCOMPARE(m_assist->Bouton2(0)->text(), QStringLiteral("Ajouter"));
        QVERIFY(!m_assist->Check2()->isEnabled());

        QTest::keyClicks(m_assist->Text1(), QStringLiteral("dos de carte"));
        QTest::mouseClick(m_assist->Bouton2(0), Qt::LeftButton);
        QCOMPARE(m_fx.menu->projectWindows().size(), 1);
        QCOMPARE(w->tabCount(), 3);
        QCOMPARE(w->selectedTab(), 3);
        QCOMPARE(w->tabStrip()->tabText(2), QStringLiteral("dos de carte"));
        QCOMPARE(w->surface(3).NameProjet(), QStringLiteral("Dos De Carte"));
        QCOMPARE(w->caption(), QStringLiteral("Carte"));
        QVERIFY(m_fx.menu->projectAction(Projet::SupprimerOnglet)->isEnabled());  // the new last tab can be deleted
        QVERIFY(!m_fx.app.BoiteVisible);

        // The next new project has the normal texts back.
        m_fx.showWizard(false);
        QCOMPARE(m_assist->Bouton2(0)->text(), QStringLiteral("Créer"));
        QVERIFY(m_assist->Check2()->isEnabled());
    }

    void properCaseOfNames()
    {
        QCOMPARE(properCase(QStringLiteral("cARTE de  VISITE")), QStringLiteral("Carte De  Visite"));
        QCOMPARE(properCase(QStringLiteral("jean-pierre o'neil")), QStringLiteral("Jean-pierre O'neil"));
        QCOMPARE(properCase(QStringLiteral("été ÉCOLE")), QStringLiteral("Été École"));
    }

    void aProductOfTheUsersOwnLaysTheNewTabOut()
    {
        QVERIFY(QDir(m_fx.dir.path()).mkpath(QStringLiteral("Produits")));
        test::writeBytes(m_fx.dir.filePath(QStringLiteral("Produits/mes-produits.xml")),
                         R"(<Glabels-templates><Template brand="Zorglub" part="Z-635" size="A5" description="Ronds">
                            <Label-round id="0" radius="31.75mm">
                              <Layout nx="2" ny="3" x0="7.25mm" y0="5mm" dx="70mm" dy="66.5mm"/>
                            </Label-round></Template></Glabels-templates>)");
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Nouveau);
        QTest::mouseClick(m_assist->productButton(), Qt::LeftButton);
        ProductChooser* chooser = m_assist->productChooser();
        QVERIFY(chooser->isVisible());
        QTest::keyClicks(chooser->searchField(), QStringLiteral("zorglub rond"));
        QCOMPARE(chooser->list()->topLevelItemCount(), 1);
        QCOMPARE(chooser->list()->topLevelItem(0)->text(1), QStringLiteral("Z-635"));
        QVERIFY(chooser->countLabel()->text().startsWith(QStringLiteral("1 produit(s) sur ")));
        QTest::mouseClick(chooser->button(0), Qt::LeftButton);
        QVERIFY(!chooser->isVisible());
        QCOMPARE(m_assist->TxtBox1()->Text(), QStringLiteral("64"));  // whole millimetres in the field
        QCOMPARE(m_assist->Text1()->text(), QStringLiteral("Zorglub Z-635"));
        QTest::mouseClick(m_assist->Bouton2(0), Qt::LeftButton);
        const Etiquette& tab = m_fx.menu->activeProject()->surface(1);
        QCOMPARE(QSizeF(tab.prjWidth(), tab.prjHeight()), QSizeF(63.5, 63.5));
        QCOMPARE(tab.print().sheetGrid, (SheetGrid{7.25, 5, 70, 66.5}));
        QCOMPARE(tab.print().paper->name, QStringLiteral("A5"));
        QCOMPARE(tab.print().outline, (LabelOutline{LabelOutline::Shape::Ellipse, 0, 0}));
    }
};

PLK_TEST_CLASS(TestFrmAssist)
#include "tst_frmAssist.moc"
