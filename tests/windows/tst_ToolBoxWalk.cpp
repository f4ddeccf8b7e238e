// The tool box as a new user meets it: a new object is the one it edits, and every
// page shows its caption at the box's size.

#include "app/ui/frmMenu.h"
#include "base/core/AppState.h"
#include "base/core/Twips.h"
#include "canvas/core/Etiquette.h"
#include "support/MainWindowFixture.h"
#include "widgets/ui/TabRows.h"
#include "widgets/ui/TxtBox.h"
#include "windows/ui/ContentField.h"
#include "windows/ui/frmOutils.h"
#include "windows/ui/frmProjet.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace plk;

class TestToolBoxWalk : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;

private Q_SLOTS:
    void init()
    {
        m_fx.start();
        m_fx.startToolBox();
    }
    void cleanup() { m_fx.stop(); }

    void aNewObjectIsTheOneTheToolBoxEdits_data()
    {
        QTest::addColumn<bool>("logo");
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("text, tool box") << false << false;
        QTest::newRow("text, menu") << false << true;
        QTest::newRow("logo, tool box") << true << false;
        QTest::newRow("logo, menu") << true << true;
    }
    void aNewObjectIsTheOneTheToolBoxEdits()
    {
        QFETCH(bool, logo);
        QFETCH(bool, fromMenu);
        frmProjet* window = m_fx.open();
        Etiquette& tab = window->surface(1);
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        frmOutils& box = *m_fx.toolBox;
        const auto add = [&] {
            if (fromMenu)
                m_fx.menu->Mnu_ID_Edition_Click(logo ? Edition::AjouterLogo : Edition::AjouterTexte);
            else
                QTest::mouseClick(logo ? box.logoObjectButton() : box.textObjectButton(), Qt::LeftButton);
        };
        add();
        add();
        const int made = logo ? tab.IDlogo() : tab.IDlabel();
        QCOMPARE(logo ? tab.LogoFocus() : tab.LabelFocus(), made);
        QCOMPARE(m_fx.app.ObjetActif, made);
        // Where a second object goes stays where it went, and the tool box shows it.
        QCOMPARE(logo ? tab.logo(made).Left : tab.label(made).Left, 5.0f);
        QCOMPARE(box.fieldX()->Text(), QStringLiteral("5"));
        if (!logo) {
            box.selectPage(frmOutils::PageTexte);
            QTest::keyClicks(box.contentField(), QStringLiteral("Nouveau"));
            QVERIFY(tab.label(made).Caption.endsWith(QStringLiteral("Nouveau")));
            QVERIFY(!tab.label(made - 1).Caption.contains(QStringLiteral("Nouveau")));
        }
    }

    void everyReadablePictureIsOffered_data()
    {
        QTest::addColumn<bool>("background");
        QTest::newRow("logo") << false;
        QTest::newRow("background") << true;
    }
    void everyReadablePictureIsOffered()
    {
        QFETCH(bool, background);
        Etiquette& tab = m_fx.open()->surface(1);
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        frmOutils& box = *m_fx.toolBox;
        const QString png = m_fx.dir.filePath("logo.png");
        QVERIFY(QImage(40, 20, QImage::Format_RGB32).save(png));
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{png, 2});
        if (background) {
            box.selectPage(frmOutils::PageFond);
            box.backgroundList()->setCurrentRow(2);  // the picture entry
            QTest::mouseClick(box.backgroundButton(), Qt::LeftButton);
        } else {
            m_fx.menu->Mnu_ID_Edition_Click(Edition::AjouterLogo);
            box.selectPage(frmOutils::PageLogo);
            QTest::mouseClick(box.importButton(), Qt::LeftButton);
        }
        const QStringList filters = m_fx.dialogs->shown.last().request.filters;
        QVERIFY(filters.first().startsWith(QStringLiteral("Bmp - Jpg - Gif - Wmf - Emf")));
        QVERIFY(filters.at(1).startsWith(QStringLiteral("Toutes les images (")));
        for (const char* pattern : {"*.png", "*.svg", "*.tif", "*.webp"})
            QVERIFY2(filters.at(1).contains(QLatin1String(pattern)), pattern);
        QVERIFY(filters.contains(QStringLiteral("PNG (*.png)")));
        if (background)
            QCOMPARE(tab.Chemin_Image(), png);
        else
            QCOMPARE(tab.logo(tab.IDlogo()).picture.size(), QSize(40, 20));
    }

    void everyPageShowsItsCaptionAtTheDefaultSize()
    {
        QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));  // the program's font
        m_fx.stop();
        m_fx.start();
        frmOutils& box = m_fx.startToolBox();
        m_fx.open();
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        QCOMPARE(box.width(), twipsToPixels(4170));
        const TabRows* tabs = box.Tab1();
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect tab = tabs->tabRect(i);
            QVERIFY2(tabs->rect().contains(tab), qPrintable(tabs->tabText(i)));
            QVERIFY(tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) < tab.width());
        }
        QVERIFY(box.rect().contains(tabs->geometry()));
        // Captions that need two rows: the current page's row lies next to the page.
        QCOMPARE(tabs->tabRect(tabs->currentIndex()).bottom(), tabs->rect().bottom());
    }
};

PLK_TEST_CLASS(TestToolBoxWalk)
#include "tst_ToolBoxWalk.moc"
