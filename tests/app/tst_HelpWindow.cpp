// The help opened from a modal dialog: above the dialog, on the screen, and taking
// the user's clicks and keys while the dialog stays open.

#include "app/ui/HelpWindow.h"
#include "support/TestRegistry.h"

#include <QDialog>
#include <QMainWindow>
#include <QScreen>
#include <QTextBrowser>
#include <QWindow>
#include <QtTest>

using namespace plk;

namespace {

// Counts the presses that reach a widget.
class PressCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            ++presses;
        return false;
    }
};

}  // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void helpFromAModalDialogTakesInput()
    {
        QMainWindow main;
        main.resize(700, 500);
        main.show();
        HelpWindow help(&main);
        QDialog dialog(&main);
        dialog.setWindowTitle(QStringLiteral("Préférences du logiciel"));
        dialog.resize(400, 300);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(QApplication::activeModalWidget(), &dialog);

        help.ShowHelpTopic(dialog.windowTitle());
        QVERIFY(help.isVisible());
        QCOMPARE(help.windowHandle()->transientParent(), dialog.windowHandle());
        QVERIFY(dialog.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&help));

        // A click goes through the window system, which drops it in a window that the
        // dialog blocks.
        PressCounter counter;
        help.browser()->viewport()->installEventFilter(&counter);
        const QPoint inside = help.browser()->viewport()->mapTo(&help, QPoint(20, 20));
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, inside);
        QCOMPARE(counter.presses, 1);

        // On the screen, whole.
        const QRect area = help.screen()->availableGeometry();
        QVERIFY2(area.contains(help.geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                .arg(help.x())
                                                                .arg(help.y())
                                                                .arg(help.width())
                                                                .arg(help.height())));

        // Once the dialog is gone, help from the menus belongs to the main window again.
        dialog.hide();
        help.ShowHelpTopic(QStringLiteral("Index de l'aide"));
        QCOMPARE(help.windowHandle()->transientParent(), main.windowHandle());
    }
};

PLK_TEST_CLASS(TestHelpWindow)
#include "tst_HelpWindow.moc"
