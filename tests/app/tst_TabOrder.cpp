// Tab follows the eye in every dialog: the wizard takes a name and a size typed
// with Tab between them, and each dialog's focus chain runs row by row from the top,
// left to right within a row.

#include "app/ui/frmAbout.h"
#include "app/ui/frmMenu.h"
#include "app/ui/frmOptions.h"
#include "canvas/core/Etiquette.h"
#include "export/ui/frmExport.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/PrinterOutput.h"
#include "print/ui/frmPrint.h"
#include "support/MainWindowFixture.h"
#include "widgets/ui/TxtBox.h"
#include "windows/ui/frmAssist.h"
#include "windows/ui/frmOutils.h"
#include "windows/ui/frmProjet.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace plk;

namespace {

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

class TestTabOrder : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;

private Q_SLOTS:
    void init() { m_fx.start(); }
    void cleanup() { m_fx.stop(); }

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
};

PLK_TEST_CLASS(TestTabOrder)
#include "tst_TabOrder.moc"
