// The zoom of a tab's view in a project window: the keys and menu entries, Ctrl+wheel
// around the pointer, the canvas painted at the zoomed resolution, the rulers, the
// pointer position, dragging and the selection frame following the zoom, the zoom
// per tab, and the project, its snapshot and its records untouched by it.

#include "WindowTests.h"
#include "canvas/core/TabRenderer.h"
#include "canvas/ui/RulerWidget.h"
#include "windows/ui/ZoomCommands.h"

#include <QScrollBar>
#include <QWheelEvent>

using namespace plk;

namespace {

// A gradient tab with its border: what the canvas shows besides the objects.
const QByteArray kGradientTab = "ONGLET|Carte\r\n"
                                "PROJET|Carte|60|40|16777215|0|Faux|Faux|Vrai|Faux|Faux\r\n"
                                "LABEL|ZONE DE TEXTE|5|5|Tahoma|8|Faux|Faux|Faux|Faux|0\r\n"
                                "FOND|3|4|255|65280|16711680\r\n"
                                "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n"
                                "ONGLET|Verso\r\n"
                                "PROJET|Verso|60|40|16777215|0|Faux|Faux|Faux|Faux|Faux\r\n"
                                "FOND|1|16777215\r\n"
                                "PRINT|0|0|0|0|1|0|0|0|0|1|1\r\n";

}  // namespace

class TestZoomView : public QObject {
    Q_OBJECT

    test::MainWindowFixture m_fx;
    frmProjet* m_w = nullptr;

    EtiquetteView* view() const { return m_w->view(m_w->selectedTab()); }
    CanvasWidget* canvas() const { return view()->canvas(); }
    Etiquette& tab() const { return m_w->surface(m_w->selectedTab()); }
    QString zoomPanel() const { return m_fx.menu->statusPanel(4)->text(); }
    // A point of the canvas at the zoom, from millimetres.
    QPoint at(QPointF mm) const { return test::toPx(mm, view()->zoom()); }
    // A turn of the wheel over a point of the view (a wheel over the canvas goes on to it).
    void wheel(QPoint inView, int angle, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        const QPointF global = view()->mapToGlobal(QPointF(inView));
        QWheelEvent e(QPointF(inView), global, QPoint(), QPoint(0, angle), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(view(), &e);
    }

private Q_SLOTS:
    void init()
    {
        m_fx.start();
        m_fx.menu->resize(1000, 800);
        m_w = m_fx.open(kGradientTab);
        QVERIFY(m_w);
        m_w->parentWidget()->showMaximized();
        QCoreApplication::processEvents();
    }

    void cleanup() { m_fx.stop(); }

    void keysAndEntriesStepThroughTheZoomsPerTab()
    {
        QCOMPARE(zoomPanel(), QStringLiteral("Zoom : 100 %"));
        m_fx.menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_fx.menu.get()));
        const std::pair<Qt::Key, int> steps[] = {
            {Qt::Key_Plus, 125}, {Qt::Key_Equal, 150}, {Qt::Key_Minus, 125}, {Qt::Key_Minus, 100},
            {Qt::Key_Minus, 75}, {Qt::Key_0, 100}};
        for (const auto& [key, zoom] : steps) {
            QTest::keyClick(canvas(), key, Qt::ControlModifier);
            QCOMPARE(view()->zoom(), zoom);
            QCOMPARE(zoomPanel(), QStringLiteral("Zoom : %1 %").arg(zoom));
        }

        for (int i = 0; i < 20; ++i)
            m_fx.menu->zoomCommands().action(ZoomCommands::Command::In)->trigger();
        QCOMPARE(zoomPanel(), QStringLiteral("Zoom : 800 %"));
        for (int i = 0; i < 20; ++i)
            m_fx.menu->zoomCommands().action(ZoomCommands::Command::Out)->trigger();
        QCOMPARE(zoomPanel(), QStringLiteral("Zoom : 25 %"));

        // "Ajuster à la fenêtre": the largest zoom at which the canvas and its shadow fit.
        m_fx.menu->zoomCommands().action(ZoomCommands::Command::Fit)->trigger();
        const int fit = view()->zoom();
        QVERIFY(fit > 100);
        const QRect shown = canvas()->geometry().adjusted(0, 0, 8, 8);  // with the shadow
        QVERIFY(QRect(QPoint(0, 0), view()->size()).contains(shown));
        QVERIFY(canvas()->width() * (fit + 1) / fit + 16 > view()->width() - 40 ||
                canvas()->height() * (fit + 1) / fit + 16 > view()->height() - 40);

        // Each tab's view has its own zoom.
        m_w->tabStrip()->setCurrentIndex(1);
        QCOMPARE(zoomPanel(), QStringLiteral("Zoom : 100 %"));
        m_fx.menu->zoomCommands().action(ZoomCommands::Command::Out)->trigger();
        m_w->tabStrip()->setCurrentIndex(0);
        QCOMPARE(zoomPanel(), QStringLiteral("Zoom : %1 %").arg(fit));
        QCOMPARE(m_w->view(2)->zoom(), 75);
    }

    void ctrlWheelZoomsAroundThePointer()
    {
        const QPoint pointer = canvas()->mapTo(view(), at(QPointF(40, 30)));
        wheel(pointer, 120);
        QCOMPARE(view()->zoom(), 125);
        wheel(pointer, 240);
        QCOMPARE(view()->zoom(), 200);
        // The millimetre under the pointer stayed under it.
        const QPointF mm = canvas()->toMm(canvas()->mapFrom(view(), pointer));
        QVERIFY2(qAbs(mm.x() - 40) < 0.3 && qAbs(mm.y() - 30) < 0.3,
                 qPrintable(QStringLiteral("%1;%2").arg(mm.x()).arg(mm.y())));
        // A touchpad's small turns add up to one step; without Ctrl the wheel does not zoom.
        wheel(pointer, 60);
        QCOMPARE(view()->zoom(), 200);
        wheel(pointer, 60);
        QCOMPARE(view()->zoom(), 300);
        wheel(pointer, -120, Qt::NoModifier);
        QCOMPARE(view()->zoom(), 300);
        wheel(pointer, -240);
        QCOMPARE(view()->zoom(), 150);
    }

    void rulersPointerAndDragFollowTheZoomAt200()
    {
        view()->setZoom(200);
        QCOMPARE(canvas()->size(), QSize(454, 302));  // 227 x 151 pixels at 100 %

        // The ruler's centimetres are 2 x 37.8 pixels apart: full-height marks at 76 and 152.
        RulerWidget* ruler = view()->ruler(0);
        QCOMPARE(ruler->zoom(), 200);
        const QImage marks = ruler->grab().toImage();
        const int y = marks.height() - 2;  // every mark reaches the ruler's inner edge
        const QColor ink(0x30, 0x30, 0x30);
        QList<int> ticks;
        for (int x = 1; x < 200; ++x)
            if (marks.pixelColor(x, y) == ink)
                ticks << x;
        QCOMPARE(ticks.mid(0, 3), (QList<int>{7, 15, 22}));  // 7.6 pixels a millimetre
        QVERIFY(ticks.contains(76));
        QVERIFY(ticks.contains(152));
        QVERIFY(marks.pixelColor(76, 3) == ink);  // a centimetre's mark is full height
        QVERIFY(marks.pixelColor(38, 3) != ink);  // a half centimetre's is not

        // The pointer's position in the status bar is in millimetres of the tab.
        QTest::mouseMove(canvas(), at(QPointF(24.5, 12.5)));  // 185;94: 24,5 and 12,4 mm
        QCOMPARE(m_fx.menu->statusPanel(3)->text(), QStringLiteral("X : 25 Mm - Y : 13 Mm"));

        // A drag of 37.8 pixels at 200 % moves the text by 5 mm.
        Etiquette& t = tab();
        const QPoint from = at(t.labelRect(1).center());
        const QPoint to = from + QPoint(38, 38);
        QTest::mousePress(canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(canvas(), from + QPoint(19, 19));
        QTest::mouseMove(canvas(), to);
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, to);
        QCOMPARE(qRound(t.label(1).Left), 10);
        QCOMPARE(qRound(t.label(1).Top), 10);

        // The selection frame is drawn around the text where it is at the zoom.
        QVERIFY(t.frame().visible);
        const QImage shown = canvas()->grab().toImage();
        const QRectF frame = canvas()->toPx(t.frame().rect);
        QCOMPARE(shown.pixelColor(frame.topLeft().toPoint()), QColor(0x33, 0x66, 0xCC));
    }

    void theCanvasIsPaintedAtTheZoomedResolution()
    {
        tab().objectClick(Etiquette::ObjectKind::Label, 1);
        m_fx.menu->Mnu_ID_Edition_Click(Edition::SupprimerObjet);  // the background alone
        view()->setZoom(200);
        const QImage shown = canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage painted = TabRenderer(tab()).picture(192, true).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), painted.size());
        QCOMPARE(shown, painted);  // every pixel, border included, not a stretched 100 % picture
        const QImage stretched = tab().canvasImage().scaled(painted.size()).convertToFormat(QImage::Format_RGB32);
        QVERIFY(shown != stretched);
    }

    void theZoomIsNeverStoredNorPrinted()
    {
        const QString records = projectFileText(m_w->project());
        const QImage snapshot = tab().Picture();
        view()->setZoom(400);
        m_w->view(2)->setZoom(50);
        QCOMPARE(projectFileText(m_w->project()), records);
        QCOMPARE(tab().Picture(), snapshot);
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Exemple"));  // nothing to save
        QVERIFY(!m_fx.menu->undoCommands().undoAction()->isEnabled());
    }
};

PLK_TEST_CLASS(TestZoomView)
#include "tst_ZoomView.moc"
