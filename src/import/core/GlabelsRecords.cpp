#include "import/core/GlabelsRecords.h"

#include "base/core/Records.h"
#include "base/core/Rounding.h"
#include "base/core/ValueReader.h"
#include "catalogue/core/PaperSizes.h"
#include "catalogue/core/ProductLayout.h"
#include "merge/core/MergeSettings.h"

#include <QDir>
#include <cmath>

namespace plk {

namespace {

constexpr OleColor kWhite = 0x00FFFFFF;

bool whole(double mm) { return std::abs(mm - std::round(mm)) < 1e-9; }

/// The paper of the sheets, when it is not A4: one of the print set-up's by its
/// catalogue name or its size, else a size of its own.
std::optional<Paper> paperOf(const GlabelsTemplate& t, GlabelsLosses& losses)
{
    const auto& papers = standardPapers();
    const auto sameSize = [&t](const PaperSize& p) {
        return std::abs(p.size.width() - t.paperWidth) < 0.5 && std::abs(p.size.height() - t.paperHeight) < 0.5;
    };
    auto known = std::find_if(papers.begin(), papers.end(), [&t](const PaperSize& p) {
        return p.id.compare(t.paper, Qt::CaseInsensitive) == 0 || p.name.compare(t.paper, Qt::CaseInsensitive) == 0;
    });
    if (known == papers.end() && t.paperWidth > 0)
        known = std::find_if(papers.begin(), papers.end(), sameSize);
    if (known == papers.end()) {
        if (t.paperWidth >= 1 && t.paperHeight >= 1 && t.paperWidth <= kMaxPaperSide && t.paperHeight <= kMaxPaperSide)
            return Paper{QString(), t.paperWidth, t.paperHeight, false};
        if (!t.paper.isEmpty())
            losses.add(QStringLiteral("papier « %1 » (imprimé sur A4)").arg(t.paper));
        return std::nullopt;
    }
    if (known == papers.begin())  // A4, the sheets' default
        return std::nullopt;
    return Paper{known->name, known->size.width(), known->size.height(), false};
}

/// The label's outline, when it is not a plain rectangle.
std::optional<LabelOutline> outlineOf(const GlabelsDocument& doc, GlabelsLosses& losses)
{
    const GlabelsTemplate& t = doc.label;
    if (doc.rotated)
        losses.add(QStringLiteral("étiquette tournée d'un quart de tour"));
    // No radius passes half the label's smaller side.
    const auto radius = [&t](double mm) { return std::clamp(mm, 0.0, std::min(t.width, t.height) / 2); };
    switch (t.shape) {
    case GlabelsTemplate::Shape::Round:
    case GlabelsTemplate::Shape::Ellipse: return LabelOutline{LabelOutline::Shape::Ellipse, 0, 0};
    case GlabelsTemplate::Shape::Cd: return LabelOutline{LabelOutline::Shape::Disc, 0, radius(t.holeRadius)};
    case GlabelsTemplate::Shape::Other:
        losses.add(QStringLiteral("forme d'étiquette « %1 »").arg(t.shapeName));
        return std::nullopt;
    default: break;
    }
    if (t.cornerRadius > 0)
        return LabelOutline{LabelOutline::Shape::Rectangle, radius(t.cornerRadius), 0};
    return std::nullopt;
}

/// Every grid of the sheet, when the PRINT and PLANCHE records cannot carry them; the
/// labels neither can are listed.
std::vector<LabelGrid> sheetGrids(const GlabelsTemplate& t, const GlabelsTarget& target, GlabelsLosses& losses)
{
    std::vector<LabelGrid> grids = makerGrids(t.layouts);
    const auto labels = [](int across, int down) { return qint64(across) * down; };
    qint64 wanted = 0, carried = 0;
    for (const GlabelsLayout& l : t.layouts)
        wanted += labels(l.across, l.down);
    for (const LabelGrid& g : grids)
        carried += labels(g.across, g.down);
    if (grids.empty() && !t.layouts.empty())
        carried = labels(std::min(t.layouts[0].across, target.maxAcross), std::min(t.layouts[0].down, target.maxDown));
    if (carried < wanted)
        losses.add(QStringLiteral("étiquettes de la planche au-delà de %1 (%2 non imprimées)").arg(carried).arg(wanted - carried));
    return grids;
}

QString printRecords(const GlabelsTemplate& t, const GlabelsTarget& target, const RegionalFormat& f)
{
    GlabelsLayout l = t.layouts.empty() ? GlabelsLayout{1, 1, 0, 0, t.width, t.height} : t.layouts.front();
    l.across = std::min(l.across, target.maxAcross);
    l.down = std::min(l.down, target.maxDown);
    const auto position = [&target](double mm) { return std::clamp(int(roundHalfEven(mm)), 0, target.maxPosition); };
    QString text = QStringList{QStringLiteral("PRINT"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                               QStringLiteral("0"), QStringLiteral("1"), QString::number(position(l.left)),
                               QString::number(position(l.top)),
                               QString::number(position(l.pitchAcross - t.width)),
                               QString::number(position(l.pitchDown - t.height)), QString::number(l.across),
                               QString::number(l.down)}
                       .join(QLatin1Char('|')) +
                   QStringLiteral("\r\n");
    const double grid[] = {l.left, l.top, l.pitchAcross, l.pitchDown};
    const bool inRange = std::all_of(std::begin(grid), std::end(grid), [](double v) { return v >= 0 && v <= kMaxSheetGrid; });
    if (inRange && !std::all_of(std::begin(grid), std::end(grid), whole))
        text += QStringList{QStringLiteral("PLANCHE"), f.formatReal(l.left), f.formatReal(l.top),
                            f.formatReal(l.pitchAcross), f.formatReal(l.pitchDown)}
                    .join(QLatin1Char('|')) +
                QStringLiteral("\r\n");
    return text;
}

QString mergeText(const GlabelsDocument& doc, const GlabelsTarget& target, GlabelsLosses& losses)
{
    const QString type = doc.merge.type.toLower();
    if (type.isEmpty() || type == QLatin1String("none"))
        return QString();
    if (type.startsWith(QLatin1String("ebook/"))) {
        losses.add(type.contains(QLatin1String("vcard")) ? QStringLiteral("fusion depuis un fichier vCard")
                                                         : QStringLiteral("fusion depuis un carnet d'adresses Evolution"));
        return QString();
    }
    const bool separatorKnown = type.contains(QLatin1String("comma")) || type.contains(QLatin1String("tab")) ||
                                type.contains(QLatin1String("semicolon"));
    if (!type.startsWith(QLatin1String("text/")) || !separatorKnown) {
        losses.add(QStringLiteral("fusion de type « %1 »").arg(doc.merge.type));
        return QString();
    }
    if (!type.endsWith(QLatin1String("line1keys")))
        losses.add(QStringLiteral("fusion depuis un fichier sans ligne de titres (sa première ligne nomme les champs)"));
    const QString path = QDir::cleanPath(QDir(target.documentFolder).absoluteFilePath(doc.merge.source));
    if (doc.merge.source.isEmpty() || !storablePath(path)) {
        losses.add(QStringLiteral("fichier de fusion « %1 »").arg(doc.merge.source));
        return QString();
    }
    return mergeRecord(chosenDataFile(path, target.documentFolder), target.documentFolder) + QStringLiteral("\r\n");
}

}  // namespace

GlabelsConversion glabelsProjectText(const GlabelsDocument& doc, const GlabelsTarget& target,
                                     const RegionalFormat& f)
{
    GlabelsLosses losses;
    const std::optional<Paper> paper = paperOf(doc.label, losses);
    const std::optional<LabelOutline> outline = outlineOf(doc, losses);
    const GlabelsObjectRecords objects = glabelsObjectRecords(doc, target, f, losses);
    const QString name = withoutSeparators(target.name);
    const GlabelsTemplate& t = doc.label;
    const double width = boundedTabSize(t.width, 1), height = boundedTabSize(t.height, 1);
    QString text = QStringLiteral("ONGLET|") + name + QStringLiteral("\r\n");
    text += QStringList{QStringLiteral("PROJET"), name, f.formatReal(width), f.formatReal(height),
                        QString::number(kWhite), QString::number(kColorWindowFrame), f.formatBool(false),
                        f.formatBool(false), f.formatBool(false),
                        f.formatBool(t.shape == GlabelsTemplate::Shape::Cd), f.formatBool(false)}
                .join(QLatin1Char('|')) +
            QStringLiteral("\r\n");
    text += objects.objects;
    text += QStringLiteral("FOND|1|%1\r\n").arg(kWhite);
    text += printRecords(t, target, f);
    text += mergeText(doc, target, losses);
    std::vector<LabelGrid> grids = sheetGrids(t, target, losses);
    return {text, paper, outline, std::move(grids), objects.extensions, losses.lines()};
}

}  // namespace plk
