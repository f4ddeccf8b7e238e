// Project windows as a user meets them: files named on the command line, one window per
// file, the status bar after a window closes, windows within the work area, and the order
// of the fields under Tab.

#include "MainWindowTests.h"
#include "app/ui/FileArguments.h"
#include "app/ui/RecentProjectsMenu.h"
#include "app/ui/frmAbout.h"
#include "app/ui/frmMenu.h"
#include "app/ui/frmOptions.h"
#include "canvas/core/Etiquette.h"
#include "document/core/GlabelsImport.h"
#include "export/ui/frmExport.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/PrinterOutput.h"
#include "print/ui/frmPrint.h"
#include "settings/core/Settings.h"
#include "support/MainWindowFixture.h"
#include "support/TestRegistry.h"
#include "widgets/ui/TxtBox.h"
#include "windows/ui/frmAssist.h"
#include "windows/ui/frmOutils.h"
#include "windows/ui/frmProjet.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace plk;

namespace {

const QByteArray kLegacy = "[FORMAT]\r\nLongueur=2835\r\nHauteur=2835\r\n[LABEL]\r\nNombre=0\r\n"
                           "[LOGO]\r\nNombre=0\r\n[FOND]\r\nNumero=0\r\n";

QRect placeIn(const QWidget* window, const QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); }

/// The first field of one round of the window's focus chain (from the one nearest its
/// top-left corner) that is neither below the field before it nor level with it and
/// to its right; empty when Tab follows the eye.
QString outOfOrder(QWidget* window)
{
    QList<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w != window && chain.size() < 500; w = w->nextInFocusChain())
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && w->window() == window)
            chain.append(w);
    const auto first = std::min_element(chain.cbegin(), chain.cend(), [window](QWidget* a, QWidget* b) {
        return std::pair(placeIn(window, a).top(), placeIn(window, a).left()) <
               std::pair(placeIn(window, b).top(), placeIn(window, b).left());
    });
    std::rotate(chain.begin(), chain.begin() + (first - chain.cbegin()), chain.end());
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QRect a = placeIn(window, chain[i - 1]), b = placeIn(window, chain[i]);
        const bool levelRight = b.center().y() >= a.top() && b.center().y() <= a.bottom() && b.left() > a.left();
        if (b.center().y() <= a.bottom() && !levelRight)
            return QStringLiteral("%1 at %2").arg(chain[i]->metaObject()->className()).arg(b.top());
    }
    return QString();
}

}  // namespace

class TestProjectWindows : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;

    QString file(const QString& name) const { return m_fx.dir.filePath(name); }

private Q_SLOTS:
    void init() { m_fx.start(); }
    void cleanup() { m_fx.stop(); }

    // Files named on the command line open as "Ouvrir un projet..." opens the file it is
    // given; files handed over by a later start bring the main window to the front.
    void argumentsBecomeAbsolutePaths()
    {
        const FileArguments args({"plakatorium", "Carte.plk", "/tmp/Ancien.prj", "file:///tmp/Deux%20mots.plk", ""});
        QCOMPARE(args.files(), (QStringList{QDir::current().absoluteFilePath("Carte.plk"), "/tmp/Ancien.prj",
                                            "/tmp/Deux mots.plk"}));
        QVERIFY(FileArguments({"plakatorium"}).files().isEmpty());
    }

    void eachFileOpensInAWindowOfItsOwn()
    {
        test::writeBytes(file("Carte.plk"), test::kExampleProject);
        test::writeBytes(file("ANCIEN.PRJ"), kLegacy);
        const FileArguments args({"plakatorium", file("Carte.plk"), file("ANCIEN.PRJ")});
        args.openIn(*m_fx.menu);
        const QList<frmProjet*> windows = m_fx.menu->projectWindows();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->caption(), QStringLiteral("Carte"));
        QCOMPARE(windows[0]->filePath(), file("Carte.plk"));
        QCOMPARE(windows[0]->surface(1).prjWidth(), 85.5);
        // ".prj", whatever its case, goes through the legacy import.
        QCOMPARE(windows[1]->tabStrip()->tabText(0), QStringLiteral("ANCIEN"));
        QCOMPARE(windows[1]->surface(1).prjWidth(), 50.0);
        QCOMPARE(windows[1]->filePath(), file("ANCIEN.PRJ"));
        QVERIFY(m_fx.dialogs->shown.isEmpty());
    }

    void failuresSayWhatOuvrirSays()
    {
        test::writeBytes(file("Casse.prj"), "[FORMAT]\r\n");
        test::writeBytes(file("Partiel.plk"), test::kExampleProject + "LABEL|x|dix\r\n");
        const QStringList files{file("Absent.plk"), file("Casse.prj"), file("Partiel.plk")};

        FileArguments(QStringList{"plakatorium"} + files).openIn(*m_fx.menu);
        QList<QString> fromArguments;
        for (const auto& shown : m_fx.dialogs->shown)
            fromArguments << shown.text;
        QCOMPARE(fromArguments.size(), 3);
        QCOMPARE(m_fx.menu->projectWindows().size(), 1);  // what could be read of Partiel
        m_fx.closeProjects();

        m_fx.dialogs->shown.clear();
        for (const QString& f : files)
            m_fx.open(test::readBytes(f), f.endsWith(".prj") ? 1 : 0, QFileInfo(f).fileName());
        QList<QString> fromOuvrir;
        for (const auto& shown : m_fx.dialogs->shown)
            if (shown.kind == QStringLiteral("message"))
                fromOuvrir << shown.text;
        // "Absent.plk" exists by now (the fixture writes what it opens): two messages.
        QCOMPARE(fromOuvrir, fromArguments.mid(1));
        QVERIFY(fromOuvrir[0].contains("ne peut pas être importé"));
        QVERIFY(fromOuvrir[1].contains("ligne 6"));
        QCOMPARE(m_fx.menu->activeProject()->surface(1).IDlabel(), std::int16_t(1));  // Partiel, as far as it reads
        QVERIFY(fromArguments[0].startsWith(QStringLiteral("Le fichier « %1 » ne peut pas être ouvert.")
                                                .arg(QDir::toNativeSeparators(file("Absent.plk")))));
    }

    void handedOverFilesBringTheWindowToTheFront()
    {
        test::writeBytes(file("Carte.plk"), test::kExampleProject);
        m_fx.menu->showMinimized();
        FileArguments::openHandedOver(*m_fx.menu, {file("Carte.plk")});
        QVERIFY(!m_fx.menu->isMinimized());
        QCOMPARE(m_fx.menu->projectWindows().size(), 1);
        QCOMPARE(m_fx.menu->activeProject()->filePath(), file("Carte.plk"));
    }

    // Tab follows the eye in every dialog: the wizard takes a name and a size typed
    // with Tab between them, and each dialog's focus chain runs row by row from the top,
    // left to right within a row.
    void theWizardTakesANameAndASizeTypedWithTab()
    {
        frmAssist wizard(*m_fx.menu);
        wizard.show();
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        wizard.Text1()->setFocus();
        QTest::keyClicks(wizard.Text1(), QStringLiteral("carte dupont"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), wizard.TxtBox1()->Text1());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("85"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), wizard.TxtBox2()->Text1());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("54"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), wizard.Bouton1(1));
        wizard.Bouton2(0)->click();
        const Etiquette& tab = m_fx.menu->activeProject()->surface(1);
        QCOMPARE(QSizeF(tab.prjWidth(), tab.prjHeight()), QSizeF(85, 54));
        QCOMPARE(outOfOrder(&wizard), QString());
    }

    void everyDialogIsInReadingOrder()
    {
        m_fx.open();
        const SystemPrinters printers;
        PrintCommands printing(*m_fx.menu, printers);
        frmOptions options(*m_fx.menu);
        frmAbout about(*m_fx.menu);
        frmExport exporter(*m_fx.menu);
        for (QWidget* dialog : QList<QWidget*>{&options, &about, &exporter}) {
            dialog->show();
            QCOMPARE(outOfOrder(dialog), QString());
            dialog->close();
        }
        printing.showPrint();
        QCOMPARE(outOfOrder(&printing.printDialog()), QString());
        printing.printDialog().close();

        frmOutils& toolBox = m_fx.startToolBox();
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        for (int page = frmOutils::PageProjet; page <= frmOutils::PageCode; ++page) {
            toolBox.selectPage(page);
            QCOMPARE(outOfOrder(&toolBox), QString());
        }
    }

    // The project windows of the workspace as a user meets them: one window per file,
    // the status bar after a window closes, and windows kept within the work area.
    void aFileOpenedAgainBringsItsWindowToTheFront_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ouvrir") << "dialog";
        QTest::newRow("same path") << "Carte.plk";
        QTest::newRow("symbolic link") << "Lien.plk";
        QTest::newRow("relative name") << "./sous/../Carte.plk";
        QTest::newRow("recent projects") << "recent";
        QTest::newRow("second start") << "handed";
    }
    void aFileOpenedAgainBringsItsWindowToTheFront()
    {
        QFETCH(QString, how);
        RecentProjectsMenu recents(*m_fx.menu, m_fx.menu->fileMenu());
        QDir(m_fx.dir.path()).mkpath("sous");
        QFile::link(file("Carte.plk"), file("Lien.plk"));
        frmProjet* first = m_fx.open(test::kExampleProject, 0, "Carte.plk");
        m_fx.open(test::kExampleProject, 0, "Autre.plk");
        QVERIFY(m_fx.menu->activeProject() != first);
        first->surface(1).setPrjWidth(60);  // unsaved work the second opening must keep

        if (how == "dialog") {
            m_fx.dialogs->files.push_back(Dialogs::FileAnswer{file("Carte.plk"), 0});
            m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Ouvrir);
        } else if (how == "recent") {
            recents.menu()->actions()[1]->trigger();
        } else if (how == "handed") {
            FileArguments::openHandedOver(*m_fx.menu, {file("Carte.plk")});
        } else {
            QDir::setCurrent(m_fx.dir.path());
            m_fx.menu->openProjectFile(how.startsWith('.') ? how : file(how));
        }
        QCOMPARE(m_fx.menu->projectWindows().size(), 2);
        QCOMPARE(m_fx.menu->activeProject(), first);
        QCOMPARE(first->surface(1).prjWidth(), 60.0);
        for (const auto& shown : m_fx.dialogs->shown)
            QVERIFY(shown.kind != "message");
    }

    void aGlabelsProjectOpensAsAProjectOfOurs()
    {
        test::writeBytes(file("Essai.glabels"),
                         "<Glabels-document><Template brand=\"B\" part=\"P\"><Label-round id=\"0\" radius=\"20mm\">"
                         "<Layout nx=\"2\" ny=\"3\"/></Label-round></Template><Objects><Object-box x=\"1\" y=\"1\" "
                         "w=\"9\" h=\"9\" line_width=\"1\" line_color=\"0xff\" shadow=\"True\"/></Objects></Glabels-document>");
        m_fx.dialogs->files.push_back(Dialogs::FileAnswer{file("Essai.glabels"), 2});
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Ouvrir);
        frmProjet* window = m_fx.menu->activeProject();
        QVERIFY(window);
        QCOMPARE(window->caption(), QStringLiteral("Essai"));
        QCOMPARE(window->surface(1).prjWidth(), 40.0);
        QCOMPARE(window->surface(1).print().outline->shape, LabelOutline::Shape::Ellipse);
        QCOMPARE(window->surface(1).objectCount(ObjectKind::Shape), 1);
        QCOMPARE(m_fx.dialogs->shown.at(1).text, glabelsLossesMessage(file("Essai.glabels"), {"ombre"}));
        // Enregistrer asks for a project name of ours: the gLabels file is never written over.
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Enregistrer);
        QCOMPARE(m_fx.dialogs->shown.last().kind, QStringLiteral("save"));
        QCOMPARE(m_fx.dialogs->shown.last().request.fileName, QStringLiteral("Essai.plk"));
    }

    void theStatusBarShowsTheWindowLeftInFront_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Clôturer") << false;
        QTest::newRow("close box") << true;
    }
    void theStatusBarShowsTheWindowLeftInFront()
    {
        QFETCH(bool, closeBox);
        frmProjet* first = m_fx.open(test::kExampleProject, 0, "Carte.plk");
        frmProjet* second = m_fx.open(test::kExampleProject, 0, "Autre.plk");
        second->surface(1).setPrjWidth(40);
        m_fx.dialogs->answers.push_back(Dialogs::Answer::No);
        if (closeBox)
            second->parentWidget()->close();
        else
            m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Cloturer);
        QCOMPARE(m_fx.menu->projectWindows(), QList<frmProjet*>{first});
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), first->sizeStatus());
        QVERIFY(first->sizeStatus() != kNoSizeStatus);
        QCOMPARE(m_fx.menu->statusPanel(4)->text(), QStringLiteral("Zoom : 100 %"));

        m_fx.dialogs->answers.push_back(Dialogs::Answer::No);
        m_fx.menu->Mnu_ID_Fichier_Click(Fichier::Cloturer);
        QCOMPARE(m_fx.menu->statusPanel(2)->text(), kNoSizeStatus);
        QCOMPARE(m_fx.menu->statusPanel(4)->text(), QString());
    }

    void windowsStayWithinTheWorkArea()
    {
        QList<QPoint> places;
        for (int i = 0; i < 6; ++i) {
            m_fx.open(test::kExampleProject, 0, QStringLiteral("P%1.plk").arg(i));
            const QMdiSubWindow* sub = m_fx.menu->workspace()->currentSubWindow();
            QVERIFY2(m_fx.menu->workspace()->viewport()->rect().contains(sub->geometry()), qPrintable(QString::number(i)));
            places << sub->pos();
        }
        QCOMPARE(places.at(0), QPoint(0, 0));
        QVERIFY(places.at(1).x() > 0 && places.at(1).y() > 0);  // cascading

        // A tool box stored half off the screen comes back wholly onto it.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        saveToolBox(AppPaths(m_fx.dir.path()).settingsFile(), 1, (screen.bottom() - 40) * 15.0,
                    (screen.right() - 60) * 15.0, RegionalFormat::system());
        m_fx.startToolBox();
        m_fx.menu->Mnu_ID_Edition_Click(Edition::BoiteOutils);
        QVERIFY(screen.contains(m_fx.toolBox->frameGeometry()));
    }
};

PLK_TEST_CLASS(TestProjectWindows)
#include "tst_ProjectWindows.moc"
