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

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace plk;

namespace {

QRect placeIn(const QWidget* window, const QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); }

/// One round of the window's focus chain from its first field: the fields Tab
/// reaches, as Qt moves through them.
QList<QWidget*> focusChain(QWidget* window)
{
    QList<QWidget*> chain;
    QWidget* w = window;
    while ((w = w->nextInFocusChain()) != window && chain.size() < 500) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && w->window() == window)
            chain.append(w);
    }
    return chain;
}

/// Where the chain leaves reading order: "" when every field is below the one
/// before it, or level with it and to its right.
QString outOfOrder(QWidget* window)
{
    const QList<QWidget*> chain = focusChain(window);
    // The chain is a ring: it starts at the field nearest the top-left corner.
    qsizetype start = 0;
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QRect a = placeIn(window, chain[i]), b = placeIn(window, chain[start]);
        if (a.top() < b.top() || (a.top() == b.top() && a.left() < b.left()))
            start = i;
    }
    for (qsizetype i = 1; i < chain.size(); ++i) {
        QWidget* before = chain[(start + i - 1) % chain.size()];
        QWidget* after = chain[(start + i) % chain.size()];
        const QRect a = placeIn(window, before), b = placeIn(window, after);
        const bool below = b.center().y() > a.bottom();
        const bool levelRight = b.center().y() >= a.top() && b.center().y() <= a.bottom() && b.left() > a.left();
        if (!below && !levelRight)
            return QStringLiteral("%1 (%2,%3) before %4 (%5,%6)")
                .arg(before->metaObject()->className())
                .arg(a.left())
                .arg(a.top())
                .arg(after->metaObject()->className())
                .arg(b.left())
                .arg(b.top());
    }
    return QString();
}

}  // namespace

class TestTabOrder : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;

private Q_SLOTS:
    void initTestCase() { test::initFonts(); }
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
        frmProjet* window = m_fx.menu->activeProject();
        QVERIFY(window);
        QCOMPARE(window->surface(1).prjWidth(), 85.0);
        QCOMPARE(window->surface(1).prjHeight(), 54.0);
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
        const QList<QWidget*> dialogs{&options, &about, &exporter};
        for (QWidget* dialog : dialogs) {
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
            QVERIFY2(outOfOrder(&toolBox).isEmpty(), qPrintable(QStringLiteral("page %1: ").arg(page) + outOfOrder(&toolBox)));
        }
    }
};

QTEST_MAIN(TestTabOrder)
#include "tst_TabOrder.moc"
