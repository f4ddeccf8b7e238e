#include "print/PrintTests.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

namespace plk::test {

QStringList FakePrinters::printerNames() const
{
    QStringList names;
    for (const Entry& e : m_entries)
        names << e.name;
    return names;
}

std::unique_ptr<QPrinter> FakePrinters::printer(const QString& name) const
{
    for (const Entry& e : m_entries) {
        if (e.name != name)
            continue;
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(outputOf(name));
        p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, e.margins,
                                     QPageLayout::Millimeter, e.margins));
        return p;
    }
    return nullptr;
}

QList<QImage> rasterise(const QString& pdf, int dotsPerInch)
{
    QTemporaryDir dir;
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-png"), pdf, dir.filePath("p")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    QStringList files = QDir(dir.path()).entryList({QStringLiteral("p-*.png")}, QDir::Files, QDir::Name);
    // pdftoppm pads the page numbers to the same width, so names sort in page order.
    QList<QImage> pages;
    for (const QString& f : files)
        pages << QImage(dir.filePath(f)).convertToFormat(QImage::Format_RGB32);
    return pages;
}

QList<QRect> regions(const QImage& image, const std::function<bool(QRgb)>& match, int minimumPixels)
{
    const int w = image.width(), h = image.height();
    std::vector<char> seen(std::size_t(w) * std::size_t(h), 0);
    QList<std::pair<int, QRect>> found;
    std::vector<QPoint> stack;
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (seen[std::size_t(y) * w + x] || !match(line[x]))
                continue;
            int count = 0;
            QRect box(x, y, 1, 1);
            stack.assign(1, QPoint(x, y));
            seen[std::size_t(y) * w + x] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++count;
                box = box.united(QRect(p, QSize(1, 1)));
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h)
                        continue;
                    char& s = seen[std::size_t(q.y()) * w + q.x()];
                    if (!s && match(image.pixel(q))) {
                        s = 1;
                        stack.push_back(q);
                    }
                }
            }
            if (count >= minimumPixels)
                found.append({count, box});
        }
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<QRect> boxes;
    for (const auto& f : found)
        boxes << f.second;
    return boxes;
}

std::function<bool(QRgb)> near(QColor colour, int tolerance)
{
    return [colour, tolerance](QRgb p) {
        return std::abs(qRed(p) - colour.red()) <= tolerance && std::abs(qGreen(p) - colour.green()) <= tolerance &&
               std::abs(qBlue(p) - colour.blue()) <= tolerance;
    };
}

QList<QRect> inReadingOrder(QList<QRect> rects)
{
    std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) {
        if (std::abs(a.top() - b.top()) > 3)
            return a.top() < b.top();
        return a.left() < b.left();
    });
    return rects;
}

QList<QPointF> grid(QPointF first, QSizeF pitch, int across, int down)
{
    QList<QPointF> corners;
    for (int r = 0; r < down; ++r)
        for (int c = 0; c < across; ++c)
            corners << first + QPointF(c * pitch.width(), r * pitch.height());
    return corners;
}

QString misplaced(const QList<QRect>& found, const QList<QPointF>& cornersMm, double perMm, double tolerance,
                  QSizeF sizeMm, double sizeTolerance)
{
    if (found.size() != cornersMm.size())
        return QStringLiteral("%1 labels instead of %2").arg(found.size()).arg(cornersMm.size());
    QString strays;
    for (qsizetype i = 0; i < found.size(); ++i) {
        const QRect r = found[i];
        const QPointF at = cornersMm[i] * perMm;
        const bool corner = std::abs(r.left() - at.x()) <= tolerance && std::abs(r.top() - at.y()) <= tolerance;
        const bool size = sizeTolerance < 0 || (std::abs(r.width() - sizeMm.width() * perMm) <= sizeTolerance &&
                                                std::abs(r.height() - sizeMm.height() * perMm) <= sizeTolerance);
        if (!corner || !size)
            strays += QStringLiteral("label %1 at %2,%3 %4x%5; ").arg(i).arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
    }
    return strays;
}

}  // namespace plk::test
