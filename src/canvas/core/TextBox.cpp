#include "canvas/core/TextBox.h"

#include "canvas/core/TwipsText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace plk {

namespace {

// Widths within a hundredth of a millimetre count as equal.
constexpr double kSlackMm = 0.01;

double toMm(double twips) { return twips / kTwipsPerMm; }

/// One line of the box: its words, and whether it ends its paragraph.
struct BoxLine {
    QStringList words;
    bool lastOfParagraph = false;
};

/// Measures in the font sized in twips, as the outputs draw it: one unit a twip.
class Measure {
public:
    explicit Measure(const QFont& font) : m_fm(fontInTwips(font)) {}
    double width(const QString& text) const { return toMm(m_fm.horizontalAdvance(text)); }
    double lineHeight() const { return toMm(m_fm.height()); }

private:
    QFontMetricsF m_fm;
};

/// A word wider than the box, cut into pieces that are not (a letter at least each).
QStringList cutWord(const QString& word, double width, const Measure& m)
{
    QStringList pieces;
    QString piece;
    for (const QChar c : word) {
        if (!piece.isEmpty() && m.width(piece + c) > width + kSlackMm) {
            pieces << piece;
            piece.clear();
        }
        piece += c;
    }
    pieces << piece;
    return pieces;
}

/// The lines of one paragraph, filled word by word; false in `whole` when a word had
/// to be cut.
QList<BoxLine> wrap(const QString& paragraph, double width, const Measure& m, bool& whole)
{
    QList<BoxLine> lines{BoxLine{}};
    for (const QString& typed : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QStringList words{typed};
        if (m.width(typed) > width + kSlackMm) {
            words = cutWord(typed, width, m);
            whole = false;
        }
        for (const QString& word : words) {
            QStringList& current = lines.last().words;
            if (!current.isEmpty() && m.width((current + QStringList{word}).join(QLatin1Char(' '))) > width + kSlackMm)
                lines.append(BoxLine{{word}});
            else
                current << word;
        }
    }
    lines.last().lastOfParagraph = true;
    return lines;
}

/// The runs of one line whose top is at `top` mm.
void placeLine(const BoxLine& line, double top, const TextBox& box, const Measure& m, QList<TextRun>& runs)
{
    const QString text = line.words.join(QLatin1Char(' '));
    const bool spread = box.align == BoxAlign::Justified && !line.lastOfParagraph && line.words.size() > 1;
    if (!spread) {
        const double free = box.width - m.width(text);
        const double x = box.align == BoxAlign::Centre ? free / 2 : box.align == BoxAlign::Right ? free : 0;
        if (!text.isEmpty())
            runs.append({text, QPointF(std::max(0.0, x), top)});
        return;
    }
    // The words spread over the whole width: the last one ends at the right edge.
    double words = 0;
    for (const QString& w : line.words)
        words += m.width(w);
    const double gap = (box.width - words) / double(line.words.size() - 1);
    double x = 0;
    for (qsizetype i = 0; i + 1 < line.words.size(); ++i) {
        runs.append({line.words.at(i), QPointF(x, top)});
        x += m.width(line.words.at(i)) + gap;
    }
    runs.append({line.words.last(), QPointF(box.width - m.width(line.words.last()), top)});
}

TextBoxLayout layoutAt(const QStringList& paragraphs, const QFont& font, const TextBox& box)
{
    const Measure m(font);
    TextBoxLayout layout;
    layout.font = font;
    QList<BoxLine> lines;
    for (const QString& paragraph : paragraphs)
        lines += wrap(paragraph, box.width, m, layout.fits);
    const double lineHeight = m.lineHeight();
    const double pitch = lineHeight * box.spacing;
    layout.textHeight = lines.isEmpty() ? 0 : lineHeight + pitch * double(lines.size() - 1);
    const double free = box.height - layout.textHeight;
    layout.fits = layout.fits && free >= -kSlackMm;
    const double first = free < 0 ? 0 : box.valign == BoxVAlign::Middle ? free / 2 : box.valign == BoxVAlign::Bottom ? free : 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double top = first + pitch * double(i);
        if (i > 0 && top + lineHeight > box.height + kSlackMm)
            break;
        placeLine(lines.at(i), top, box, m, layout.runs);
    }
    return layout;
}

QFont sized(const QFont& font, int twips)
{
    QFont f(font);
    f.setPointSizeF(twips / kTwipsPerPoint);
    return f;
}

}  // namespace

TextBoxLayout layoutTextBox(const QStringList& lines, const QFont& font, const TextBox& box)
{
    TextBoxLayout full = layoutAt(lines, font, box);
    if (!box.fit || full.fits)
        return full;
    // The largest size in twentieths of a point that fits, between the two sizes.
    int high = int(std::lround(font.pointSizeF() * kTwipsPerPoint));
    int low = std::min(high, int(std::lround(std::max(TextBox::kMinFontSize, box.minSize) * kTwipsPerPoint)));
    TextBoxLayout smallest = layoutAt(lines, sized(font, low), box);
    if (!smallest.fits)
        return smallest;
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        TextBoxLayout tried = layoutAt(lines, sized(font, middle), box);
        if (tried.fits) {
            low = middle;
            smallest = std::move(tried);
        } else {
            high = middle;
        }
    }
    return smallest;
}

void paintTextBox(Surface& s, QPointF at, const TextBoxLayout& layout, const QColor& colour)
{
    for (const TextRun& run : layout.runs)
        s.text(at.x() + run.at.x(), at.y() + run.at.y(), run.text, layout.font, colour);
}

void paintTextBox(QPainter& p, const QRectF& target, double widthMm, const TextBoxLayout& layout, const QColor& colour)
{
    if (widthMm <= 0)
        return;
    p.save();
    p.translate(target.topLeft());
    const double twips = target.width() / widthMm / kTwipsPerMm;  // pixels per twip
    p.scale(twips, twips);
    for (const TextRun& run : layout.runs)
        drawTextInTwips(p, run.at * kTwipsPerMm, run.text, layout.font, colour);
    p.restore();
}

double textBoxHeight(const QFont& font, int lines, double spacing)
{
    const double lineHeight = Measure(font).lineHeight();
    return lineHeight + lineHeight * spacing * std::max(0, lines - 1);
}

}  // namespace plk
