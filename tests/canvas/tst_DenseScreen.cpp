// A tab's canvas on a screen with two device pixels to a pixel (QT_SCALE_FACTOR=2):
// at 100 % the background is painted at 192 dpi, not the 96 dpi picture stretched, and
// the view's parts keep their sizes in pixels.

#include "base/core/Colors.h"
#include "canvas/core/Etiquette.h"
#include "canvas/core/TabRenderer.h"
#include "canvas/ui/CanvasWidget.h"
#include "canvas/ui/EtiquetteView.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QtTest>

using namespace plk;

class TestDenseScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theCanvasIsPaintedAtTheScreensResolution()
    {
        Etiquette tab;
        tab.NewProjet(QStringLiteral("Carte"), 60, 40, 0xFFFFFF, 0, false, false, true);
        tab.pctDegrade(4, rgbColor(255, 0, 0), rgbColor(255, 255, 255), rgbColor(0, 0, 255));
        tab.setCD_Disque(true);
        EtiquetteView view(tab);
        view.resize(600, 400);
        view.show();
        CanvasWidget* canvas = view.canvas();
        if (canvas->devicePixelRatioF() != 2.0)
            QSKIP("needs QT_SCALE_FACTOR=2 in the environment, as CTest gives it");
        QCOMPARE(canvas->size(), tab.canvasImage().size());  // 100 %: the same pixels as ever

        QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        shown.setDevicePixelRatio(1);
        const QImage painted = TabRenderer(tab).picture(192, true).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), painted.size());
        QCOMPARE(shown.size(), tab.canvasImage().size() * 2);
        QCOMPARE(shown, painted);
    }
};

PLK_TEST_CLASS(TestDenseScreen)

#include "tst_DenseScreen.moc"
