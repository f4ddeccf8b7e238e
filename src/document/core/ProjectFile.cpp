#include "document/core/ProjectFile.h"

#include "base/core/Cp1252.h"
#include "base/core/RegularFile.h"
#include "base/core/ValueReader.h"
#include "canvas/core/ObjectRecords.h"
#include "canvas/core/TextBoxText.h"
#include "document/core/PrintRecords.h"
#include "document/core/SheetRecords.h"
#include "merge/core/MergeSettings.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace plk {

namespace {

constexpr int kProjetShortFields = 9;   // records of older files: no CD flags
constexpr int kPrintFields = 11;
// A project of a hundred full tabs is well under a megabyte.
constexpr qint64 kMaxProjectBytes = 64LL << 20;
// Files with characters beyond Windows-1252 are UTF-8 and start with this mark, on a
// line of its own: a reader that knows only Windows-1252 takes that line for a record
// it does not know, skips it, and still reads every record after it.
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

void readProjet(Etiquette& tab, const QStringList& fields, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    const QString& name = r.text(1);
    const double width = r.tabSize(2), height = r.tabSize(3);
    const OleColor back = r.colour(4), border = r.colour(5);
    const bool cadenas = r.boolean(6), depRegle = r.boolean(7), bordure = r.boolean(8);
    tab.NewProjet(name, width, height, back, border, cadenas, depRegle, bordure);
    if (fields.size() != kProjetShortFields) {
        tab.setCD_Disque(r.boolean(9));
        tab.setCD_Pochette(r.boolean(10));
    }
}

void readFond(Etiquette& tab, const QStringList& fields, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    switch (r.integer<std::int16_t>(1)) {
    case 0: tab.pctDefaut(); break;
    case 1: tab.pctFond(r.colour(2)); break;
    case 2: tab.pctPicture(r.text(2)); break;
    case 3: {
        const auto direction = r.integer<std::int16_t>(2);
        tab.pctDegrade(direction, r.colour(3), r.colour(4), r.colour(5));
        break;
    }
    default: break;
    }
}

void readPrint(Etiquette& tab, const QStringList& fields, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    std::int16_t v[kPrintFields];
    for (int i = 0; i < kPrintFields; ++i)
        v[i] = r.integer<std::int16_t>(i + 1);
    PrintSettings p;
    p.ImpDefaut = v[0];
    p.ImpMargeG = v[1];
    p.ImpMargeH = v[2];
    p.ImpResol = v[3];
    p.ImpNbrP = v[4];
    p.ImpPosX = v[5];
    p.ImpPosY = v[6];
    p.ImpSepH = v[7];
    p.ImpSepV = v[8];
    p.ImpNbrH = v[9];
    p.ImpNbrV = v[10];
    tab.setPrint(p);
}

// PLANCHE|left|top|pitch across|pitch down: the exact grid of the sheet the tab was
// made for, after the tab's PRINT record and only when the tab has one.
const QLatin1String kPlanche("PLANCHE");

void readPlanche(Etiquette& tab, const QStringList& fields, const RegionalFormat& format)
{
    const RecordFields r(fields, format);
    double v[4];
    for (int i = 0; i < 4; ++i) {
        v[i] = r.real(i + 1);
        if (v[i] < 0 || v[i] > kMaxSheetGrid)
            throw FormatError("valeur de planche hors limites : « " + r.text(i + 1).toStdString() + " »");
    }
    PrintSettings p = tab.print();
    p.sheetGrid = SheetGrid{v[0], v[1], v[2], v[3]};
    tab.setPrint(p);
}

QString plancheRecord(const SheetGrid& g, const RegionalFormat& f)
{
    return QStringList{kPlanche, f.formatReal(g.left), f.formatReal(g.top), f.formatReal(g.pitchAcross),
                       f.formatReal(g.pitchDown)}
        .join(QLatin1Char('|'));
}

// Lines end at CR (an LF after it is dropped) and, for files edited elsewhere, at a lone LF.
QStringList splitLines(const QString& text)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    normalised.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return normalised.split(QLatin1Char('\r'));
}

// One record into the project: ONGLET starts a tab (the first one names the tab that is
// already there), the others go to the current tab.
void readRecord(Project& project, int& current, bool& seenOnglet, const QStringList& fields,
                const RegionalFormat& format, const QString& projectFolder)
{
    const QString& keyword = fields.at(0);
    if (keyword == QLatin1String("ONGLET")) {
        const QString caption = RecordFields(fields, format).text(1);
        if (!seenOnglet) {
            project.setTabCaption(current, caption);
        } else {
            project.addTab(caption);
            current = project.tabCount();
        }
        seenOnglet = true;
    } else if (keyword == QLatin1String("PROJET")) {
        readProjet(project.tab(current), fields, format);
        // The tab names a data file only if a FUSION record follows.
        project.tab(current).setMergeSettings(MergeSettings());
    } else if (keyword == QLatin1String("FOND")) {
        readFond(project.tab(current), fields, format);
    } else if (keyword == QLatin1String("PRINT")) {
        readPrint(project.tab(current), fields, format);
    } else if (keyword == kPlanche) {
        readPlanche(project.tab(current), fields, format);
    } else if (keyword == kMergeKeyword) {
        project.tab(current).setMergeSettings(readMergeRecord(fields, projectFolder));
    } else if (keyword == kMergeOptionsKeyword) {
        MergeSettings settings = project.tab(current).mergeSettings();
        readMergeOptions(fields, settings);
        project.tab(current).setMergeSettings(settings);
    } else if (keyword == kLogoFieldKeyword) {
        readLogoFieldRecord(project.tab(current), fields);
    } else if (keyword == kTextBoxKeyword) {
        readTextBoxRecord(project.tab(current), fields, format);
    } else if (isPrintExtension(keyword)) {
        Etiquette& tab = project.tab(current);
        tab.setPrint(readPrintExtension(fields, format, tab.print()));
    } else if (keyword == kPositionsKeyword || keyword == kVersoKeyword) {
        PrintSettings p = project.tab(current).print();
        readSheetRecord(p, fields, format);
        project.tab(current).setPrint(p);
    } else {
        addObjectFromRecord(project.tab(current), fields, 0, format);  // another keyword is passed over
    }
}

ReadResult readLines(const QStringList& lines, Project& project, int current, const RegionalFormat& format,
                     const QString& projectFolder)
{
    // Each tab tells its listeners once, when its records are in (and paints nothing).
    std::optional<Etiquette::Batch> batch(std::in_place, project.tab(current));
    bool seenOnglet = false;
    for (int n = 0; n < lines.size(); ++n) {
        const QString& line = lines.at(n);
        if (line.isEmpty())
            continue;
        try {
            const int before = current;
            readRecord(project, current, seenOnglet, line.split(QLatin1Char('|')), format, projectFolder);
            if (current != before)
                batch.emplace(project.tab(current));
        } catch (const std::exception& e) {
            return {ReadResult::Status::StoppedAtRecord, n + 1, QString::fromStdString(e.what())};
        }
    }
    return {};
}

}  // namespace

QString decodeProjectText(const QByteArray& data)
{
    if (data.startsWith(kUtf8Mark))
        return QString::fromUtf8(data.constData() + kUtf8Mark.size(), data.size() - kUtf8Mark.size());
    return fromCp1252(data);
}

QByteArray encodeProjectText(const QString& text)
{
    if (fitsCp1252(text))
        return toCp1252(text);
    return kUtf8Mark + QByteArrayLiteral("\r\n") + text.toUtf8();
}

ReadResult readProjectData(const QByteArray& data, Project& project, const RegionalFormat& format,
                           const QString& projectFolder)
{
    return readLines(splitLines(decodeProjectText(data)), project, 1, format, projectFolder);
}

ReadResult readTabText(const QString& text, Project& project, int index, const RegionalFormat& format,
                       const QString& projectFolder)
{
    // The PROJET record empties the tab first. Only the tab's own records are read: a
    // second ONGLET would start another tab.
    const QStringList lines = splitLines(text);
    const auto second = std::find_if(std::min(lines.begin() + 1, lines.end()), lines.end(),
                                     [](const QString& l) { return l.startsWith(QLatin1String("ONGLET|")); });
    return readLines(QStringList(lines.begin(), second), project, index, format, projectFolder);
}

ReadResult readProjectFile(const QString& path, Project& project, const RegionalFormat& format)
{
    QString reason;
    const std::optional<QByteArray> data = readRegularFile(path, kMaxProjectBytes, &reason);
    if (!data)
        return {ReadResult::Status::CannotOpen, 0, reason};
    return readProjectData(*data, project, format, QFileInfo(path).absolutePath());
}

QString tabFileText(Project& project, int index, const RegionalFormat& format, const QString& projectFolder)
{
    QString text = QStringLiteral("ONGLET|") + project.tabCaption(index) + QStringLiteral("\r\n");
    // The codes follow the tab's logos.
    for (const int kind : {1, 2, 3, Etiquette::kCodeRecords, 4, 5}) {
        const QString records = project.tab(index).RecupererObjet(kind, format);
        if (!records.isEmpty())
            text += records + QStringLiteral("\r\n");
    }
    if (const auto& grid = project.tab(index).print().sheetGrid)
        text += plancheRecord(*grid, format) + QStringLiteral("\r\n");
    const QString merge = mergeRecord(project.tab(index).mergeSettings(), projectFolder);
    if (!merge.isEmpty())
        text += merge + QStringLiteral("\r\n");
    text += logoFieldRecords(project.tab(index));
    text += printExtensionRecords(project.tab(index).print(), format);
    text += sheetRecords(project.tab(index).print());
    text += textBoxRecords(project.tab(index), format);
    return text + objectExtensionRecords(project.tab(index), format);
}

QString projectFileText(Project& project, const RegionalFormat& format, const QString& projectFolder)
{
    QString text;
    for (int i = 1; i <= project.tabCount(); ++i)
        text += tabFileText(project, i, format, projectFolder);
    return text;
}

QString writeProjectFile(const QString& path, Project& project, const RegionalFormat& format,
                         const FileWriter& writer)
{
    return writer.write(path, encodeProjectText(projectFileText(project, format, QFileInfo(path).absolutePath())));
}

QString projectFolder(const Project& project)
{
    return project.filePath.isEmpty() ? QString() : QFileInfo(project.filePath).absolutePath();
}

QString captionFromFileTitle(const QString& fileTitle) { return fileTitle.left(std::max<qsizetype>(0, fileTitle.size() - 4)); }

}  // namespace plk
