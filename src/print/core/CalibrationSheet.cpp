#include "print/core/CalibrationSheet.h"

#include "print/core/PrinterSurface.h"

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace plk {

namespace {

constexpr double kPaperWidth = 210, kPaperHeight = 297;
constexpr double kCross = 8;  // mm each way from a mark's centre
constexpr int kPdfDpi = 600;

/// Draws in millimetres from the paper's corner on a frame that starts at the margin.
class PaperPen {
public:
    PaperPen(Surface& surface, QPointF margin) : m_s(surface), m_m(margin) {}
    void line(double x1, double y1, double x2, double y2) const
    {
        m_s.line(x1 - m_m.x(), y1 - m_m.y(), x2 - m_m.x(), y2 - m_m.y(), Qt::black);
    }
    void circle(double x, double y, double r) const { m_s.circle(x - m_m.x(), y - m_m.y(), r, Qt::black, false); }
    void text(double x, double y, const QString& t, double points = 8, bool bold = false) const
    {
        QFont font(QStringLiteral("Tahoma"));
        font.setPointSizeF(points);
        font.setBold(bold);
        m_s.text(x - m_m.x(), y - m_m.y(), t, font, Qt::black);
    }
    QPointF margin() const { return m_m; }

private:
    Surface& m_s;
    QPointF m_m;
};

/// Ticks every millimetre from the edge of the printable area: longer every 5 mm,
/// longest and numbered every 10 mm (the distance from the paper's edge).
void rulers(const PaperPen& pen)
{
    for (int mm = int(std::ceil(pen.margin().x())); mm <= kPaperWidth; ++mm) {
        const double length = mm % 10 == 0 ? 6 : mm % 5 == 0 ? 4 : 2;
        pen.line(mm, pen.margin().y(), mm, pen.margin().y() + length);
        if (mm % 10 == 0 && mm > 10 && mm < kPaperWidth)
            pen.text(mm + 0.6, pen.margin().y() + 3.5, QString::number(mm), 6);
    }
    for (int mm = int(std::ceil(pen.margin().y())); mm <= kPaperHeight; ++mm) {
        const double length = mm % 10 == 0 ? 6 : mm % 5 == 0 ? 4 : 2;
        pen.line(pen.margin().x(), mm, pen.margin().x() + length, mm);
        if (mm % 10 == 0 && mm > 10 && mm < kPaperHeight)
            pen.text(pen.margin().x() + 2.5, mm + 0.6, QString::number(mm), 6);
    }
}

QString millimetres(double mm) { return QString::number(mm, 'f', mm == std::floor(mm) ? 0 : 1).replace('.', ','); }

}  // namespace

const std::vector<QPointF>& calibrationMarks()
{
    static const std::vector<QPointF> marks{{30, 30}, {180, 30}, {30, 267}, {180, 267}, {105, 148.5}};
    return marks;
}

void paintCalibrationSheet(QPainter& painter, QSizeF pageMm, QSizeF dotsPerInch, QPointF marginMm,
                           const QString& printer)
{
    PrinterSurface surface(painter, pageMm, dotsPerInch);
    surface.setScaleMode(Surface::ScaleMode::Millimetres);
    const PaperPen pen(surface, marginMm);
    rulers(pen);
    for (const QPointF& c : calibrationMarks()) {
        pen.line(c.x() - kCross, c.y(), c.x() + kCross, c.y());
        pen.line(c.x(), c.y() - kCross, c.x(), c.y() + kCross);
        pen.circle(c.x(), c.y(), kCross / 2);
        pen.text(c.x() + 1.5, c.y() + kCross / 2 + 1,
                 QStringLiteral("X %1 mm, Y %2 mm").arg(millimetres(c.x()), millimetres(c.y())), 7);
    }
    const QStringList lines{
        QStringLiteral("1. Cette page s'imprime sans étalonnage et sans mise à l'échelle (taille réelle)."),
        QStringLiteral("2. Mesurez depuis le bord gauche et le bord haut de la feuille la position du centre"),
        QStringLiteral("    de chaque croix ; la position prévue est écrite sous la croix."),
        QStringLiteral("3. Échelle horizontale (%) = 15000 / distance mesurée entre les croix de gauche et de droite."),
        QStringLiteral("    Échelle verticale (%) = 23700 / distance mesurée entre les croix du haut et du bas."),
        QStringLiteral("4. Décalage horizontal (mm) = 30 - X mesuré de la croix en haut à gauche x échelle / 100."),
        QStringLiteral("    Décalage vertical (mm) = 30 - Y mesuré de la croix en haut à gauche x échelle / 100."),
        QStringLiteral("5. Saisissez ces valeurs dans « Étalonner l'imprimante... » ; une valeur positive"),
        QStringLiteral("    déplace l'impression vers la droite ou vers le bas."),
        QStringLiteral("6. En recto verso, imprimez cette page sur les deux faces : le décalage du verso est"),
        QStringLiteral("    l'écart qui reste entre la croix du verso et celle du recto, vue par transparence."),
    };
    pen.text(30, 60, QStringLiteral("Étalonnage de l'imprimante « %1 »").arg(printer), 12, true);
    for (int i = 0; i < lines.size(); ++i)
        pen.text(30, 75 + 6 * i, lines[i], 7.5);
}

QString calibrationSheetToPdf(const QString& pdfFile, const QString& printer, const FileWriter& writer)
{
    return writer.write(pdfFile, [&](QIODevice& device) {
        QPdfWriter pdf(&device);
        pdf.setTitle(QStringLiteral("Étalonnage"));
        pdf.setCreator(QStringLiteral("Plakatorium"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setResolution(kPdfDpi);
        QPainter painter;
        if (!painter.begin(&pdf))
            return QStringLiteral("document PDF impossible à commencer");
        paintCalibrationSheet(painter, QSizeF(kPaperWidth, kPaperHeight), QSizeF(kPdfDpi, kPdfDpi), {}, printer);
        return painter.end() ? QString() : QStringLiteral("page impossible à dessiner");
    });
}

}  // namespace plk
