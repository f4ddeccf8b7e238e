#include "batch/core/BatchCommands.h"

#include "base/core/FileWriter.h"
#include "settings/core/AppPaths.h"
#include "batch/core/ProductCommands.h"
#include "catalogue/core/Catalogue.h"
#include "canvas/core/CodeRows.h"
#include "canvas/core/ImageSurface.h"
#include "canvas/core/PictureRows.h"
#include "canvas/core/TabData.h"
#include "document/core/GlabelsImport.h"
#include "document/core/LegacyImport.h"
#include "document/core/ProjectFile.h"
#include "document/core/ProjectJson.h"
#include "export/core/TabExport.h"
#include "export/core/cGdiPlus.h"
#include "print/core/PrintJob.h"
#include "settings/core/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>
#include <algorithm>
#include <cmath>
#include <map>

namespace plk {

namespace {

const char* const kHelp =
    "Utilisation : plakatorium-batch COMMANDE ...\n"
    "\n"
    "  info FICHIER          affiche le projet lu dans FICHIER en JSON\n"
    "  convert ENTREE SORTIE lit ENTREE (un nom en .prj passe par l'import de\n"
    "                        l'ancien format) et l'écrit dans SORTIE au format projet\n"
    "  ENTREE peut aussi être un projet gLabels (.glabels) : ce qui ne peut pas être\n"
    "  repris est écrit sur la sortie d'erreur ; ses images intégrées sont écrites\n"
    "  à côté de SORTIE (convert) ou dans un dossier temporaire (autres commandes)\n"
    "  snapshot ENTREE IMAGE [--tab N] [--background-only] [--quality Q] [--dpi R]\n"
    "                        [--row L]\n"
    "                        écrit l'image de l'onglet N (1 par défaut) dans IMAGE\n"
    "                        au format de son extension (bmp, jpg, gif, png, tif...,\n"
    "                        ou pdf et svg : une page à la taille de l'onglet) ;\n"
    "                        Q, de 0 à 100 (80 par défaut), est la qualité JPEG ;\n"
    "                        R, de 72 à 1200 points par pouce (96 par défaut, la\n"
    "                        taille de l'écran), la résolution de l'image ; L (1 par\n"
    "                        défaut) la ligne du fichier de données de l'onglet\n"
    "                        dont les valeurs remplissent les champs\n"
    "  sheets ENTREE SORTIE.pdf [--tab N] [--skip-bad-codes] [--copies C]\n"
    "                        [--uncollated] [--outlines] [--crop-marks] [--mirror]\n"
    "                        [--printer NOM] [--offset X,Y] [--scale SX,SY]\n"
    "                        [--back-offset X,Y] [--settings FICHIER]\n"
    "                        imprime les planches de l'onglet N dans le fichier PDF\n"
    "                        SORTIE.pdf, avec les réglages d'impression de l'onglet\n"
    "                        (sur son papier) ; C copies (assemblées sauf avec\n"
    "                        --uncollated), contours des étiquettes, traits de\n"
    "                        coupe, planche en miroir (papier transfert) ;\n"
    "                        un onglet relié à un fichier de données imprime une\n"
    "                        étiquette par ligne ; les positions données à d'autres\n"
    "                        onglets et le verso des étiquettes suivent l'onglet.\n"
    "                        --printer applique l'étalonnage de l'imprimante NOM\n"
    "                        (lu dans le fichier de réglages du programme, ou dans\n"
    "                        FICHIER) ; --offset décale les planches de X et Y mm\n"
    "                        (-10 à 10), --scale les met à l'échelle de SX et SY %\n"
    "                        (95 à 105) depuis le coin haut gauche de la feuille,\n"
    "                        --back-offset décale en plus le verso (-10 à 10 mm) ;\n"
    "                        les deux nombres s'écrivent aussi X;Y\n"
    "  preview ENTREE DOSSIER [--tab N] [--dpi R] [--skip-bad-codes]\n"
    "                        écrit les pages de l'aperçu de l'onglet N dans DOSSIER\n"
    "                        (Page1.png, Page2.png ...), à R points par pouce\n"
    "  products [MOTS...]    liste en JSON, une ligne chacun, les produits du\n"
    "                        catalogue dont la marque, la référence, la description,\n"
    "                        le papier, la forme ou la taille (85x55) contiennent\n"
    "                        tous les MOTS\n"
    "  new SORTIE --product \"MARQUE REFERENCE\" [--name NOM]\n"
    "                        écrit dans SORTIE un projet d'un onglet NOM disposé\n"
    "                        pour ce produit\n"
    "  --catalogue DOSSIER   (products, new) lit les produits de DOSSIER au lieu\n"
    "                        du catalogue installé et du dossier Produits\n"
    "  print ENTREE [--tab N] [--printer NOM] [--copies C] [--skip-bad-codes]\n"
    "                        envoie les planches de l'onglet N à l'imprimante NOM\n"
    "                        (celle par défaut de CUPS sinon) avec son étalonnage,\n"
    "                        en C exemplaires\n"
    "                        (et les autres options de sheets)\n"
    "  --data FICHIER        (snapshot, sheets, preview, print) fusionne FICHIER, un\n"
    "                        fichier de données aux mêmes champs, au lieu de celui\n"
    "                        de l'onglet\n"
    "  --counter DEBUT[,PAS[,CHIFFRES]]\n"
    "                        (sheets, preview, print) le compteur «N°» commence à\n"
    "                        DEBUT, avance de PAS et s'écrit sur CHIFFRES chiffres au\n"
    "                        moins, au lieu des réglages de l'onglet\n"
    "  --allow-outside       (snapshot, sheets, preview, print) lit le fichier de données\n"
    "                        de l'onglet même hors du dossier du projet ou dans un\n"
    "                        dossier caché\n"
    "  Une ligne dont les valeurs ne peuvent pas former un code de l'onglet arrête\n"
    "  la commande (code de sortie 1) ; avec --skip-bad-codes, son étiquette est\n"
    "  laissée de côté.\n"
    "  --help                affiche cette aide\n"
    "\n"
    "Nombres et booléens suivent les réglages régionaux (LC_ALL, LC_NUMERIC, LANG).\n"
    "Codes de sortie : 0 succès, 1 entrée illisible, 2 erreur d'utilisation.\n";

QString failureText(const QString& path, const ReadResult& r)
{
    if (r.status == ReadResult::Status::CannotOpen)
        return QStringLiteral("%1 : lecture impossible (%2)").arg(path, r.reason);
    if (r.line > 0)
        return QStringLiteral("%1 : ligne %2 : %3").arg(path).arg(r.line).arg(r.reason);
    return QStringLiteral("%1 : %2").arg(path, r.reason);
}

/// Reads a project file, or imports a legacy one when the name ends in ".prj" or a
/// gLabels one (its embedded pictures written into `picturesFolder`, what it loses
/// said on `err`).
ReadResult loadProject(const QString& path, Project& project, const RegionalFormat& format,
                       const QString& picturesFolder, QTextStream& err)
{
    if (isGlabelsFile(path)) {
        const Catalogue catalogue(Catalogue::defaultFolders(AppPaths::forRunningProgram().programFolder()));
        const GlabelsImport imported = importGlabelsProject(path, project, picturesFolder, format, &catalogue);
        if (!imported.losses.isEmpty())
            err << glabelsLossesMessage(path, imported.losses) << '\n';
        return imported.result;
    }
    if (path.endsWith(QLatin1String(".prj"), Qt::CaseInsensitive))
        return importLegacyProject(path, QFileInfo(path).fileName(), project, format);
    ReadResult r = readProjectFile(path, project, format);
    if (r.ok())
        project.filePath = path;
    return r;
}

/// Runs lp with the arguments: an empty string when the queue took the job,
/// otherwise why not (lp's own words).
QString sendToQueue(const QStringList& arguments)
{
    QProcess lp;
    lp.start(QStringLiteral("lp"), arguments);
    if (!lp.waitForStarted())
        return QStringLiteral("lp ne démarre pas : CUPS est-il installé ?");
    if (!lp.waitForFinished(60000)) {
        lp.kill();
        lp.waitForFinished();
        return QStringLiteral("lp ne répond pas");
    }
    if (lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0)
        return QString();
    const QString said = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
    return said.isEmpty() ? QStringLiteral("lp a échoué (code %1)").arg(lp.exitCode()) : said;
}

int usage(QTextStream& err)
{
    err << kHelp;
    return BatchUsageError;
}

/// Options after the positional arguments: "--tab N", "--quality Q", "--dpi R" and
/// plain flags.
struct Options {
    int tab = 1;
    int quality = 80;  // the export dialog's own starting quality
    int dotsPerInch = kScreenDpi;
    bool backgroundOnly = false;
    bool pictureOptions = false;  // --background-only or --quality: for snapshot only
    bool resolution = false;      // --dpi: for snapshot and preview
    int row = 0;                  // --row, from 1: for snapshot only; 0 when not given
    bool skipBadCodes = false;    // --skip-bad-codes: for sheets and preview
    bool allowOutside = false;    // --allow-outside: a data file outside the project's folder tree
    // For sheets and print: a printer's calibration (--printer, from --settings or the
    // program's settings file; print sends the job to that queue too), or values of one
    // run (--offset, --scale, --back-offset).
    bool calibrationOptions = false;
    QString printer;
    QString settings;
    std::optional<QPointF> offset, scale, backOffset;
    QString outOfRange;  // the option whose values are beyond their range
    /// --copies N, --uncollated, --outlines, --crop-marks, --mirror: for sheets only,
    /// over the tab's own print options.
    std::optional<PrintOptions> printOptions;
    QString dataFile;             // --data: another data file of the same fields
    std::optional<CounterSettings> counter;  // --counter: for sheets, preview and print
    bool valid = true;
};

/// "START[,STEP[,WIDTH]]" within the counter's bounds; nothing when it is not that.
std::optional<CounterSettings> counterOption(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() > 3)
        return std::nullopt;
    CounterSettings c;
    const qint64 most[3] = {CounterSettings::kMaxStart, CounterSettings::kMaxStep, CounterSettings::kMaxWidth};
    const qint64 least[3] = {0, 1, 0};
    qint64 values[3] = {c.start, c.step, c.width};
    for (qsizetype k = 0; k < parts.size(); ++k) {
        bool ok = false;
        values[k] = parts[k].toLongLong(&ok);
        if (!ok || values[k] < least[k] || values[k] > most[k])
            return std::nullopt;
    }
    c.start = values[0];
    c.step = int(values[1]);
    c.width = int(values[2]);
    return c;
}

/// Two numbers "X,Y" (or "X;Y", for numbers written with a decimal comma).
std::optional<QPointF> numberPair(const QString& text)
{
    const QStringList parts = text.split(text.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    const RegionalFormat format = RegionalFormat::system();
    const std::optional<double> x = format.parseReal(parts[0].trimmed()), y = format.parseReal(parts[1].trimmed());
    if (!x || !y || !std::isfinite(*x) || !std::isfinite(*y))
        return std::nullopt;
    return QPointF(*x, *y);
}

/// Reads the pair after a calibration option, or marks the options invalid.
void calibrationPair(const QStringList& args, qsizetype& i, Options& o, std::optional<QPointF>& target)
{
    const QString& option = args[i];
    target = numberPair(args[++i]);
    o.valid = o.valid && target.has_value();
    o.calibrationOptions = true;
    const double low = option == QLatin1String("--scale") ? kMinCalibrationScale : -kMaxCalibrationOffset;
    const double high = option == QLatin1String("--scale") ? kMaxCalibrationScale : kMaxCalibrationOffset;
    const auto outside = [low, high](double v) { return v < low - 1e-9 || v > high + 1e-9; };
    if (target && (outside(target->x()) || outside(target->y())))
        o.outOfRange = QStringLiteral("%1 %2 : valeurs de %3 à %4").arg(option, args[i]).arg(low).arg(high);
}

/// Reads the number after an option, or marks the options invalid.
int optionNumber(const QStringList& args, qsizetype& i, bool& valid)
{
    bool ok = false;
    const int value = args[++i].toInt(&ok);
    valid = valid && ok;
    return value;
}

Options parseOptions(const QStringList& args, qsizetype from)
{
    Options o;
    const auto printOptions = [&o]() -> PrintOptions& {
        if (!o.printOptions)
            o.printOptions.emplace();
        return *o.printOptions;
    };
    for (qsizetype i = from; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--tab") && i + 1 < args.size()) {
            o.tab = optionNumber(args, i, o.valid);
        } else if (args[i] == QLatin1String("--quality") && i + 1 < args.size()) {
            o.quality = optionNumber(args, i, o.valid);
            o.valid = o.valid && o.quality >= 0 && o.quality <= 100;
            o.pictureOptions = true;
        } else if (args[i] == QLatin1String("--dpi") && i + 1 < args.size()) {
            o.dotsPerInch = optionNumber(args, i, o.valid);
            o.valid = o.valid && o.dotsPerInch >= kMinExportDpi && o.dotsPerInch <= kMaxExportDpi;
            o.resolution = true;
        } else if (args[i] == QLatin1String("--row") && i + 1 < args.size()) {
            o.row = optionNumber(args, i, o.valid);
            o.valid = o.valid && o.row >= 1;
        } else if (args[i] == QLatin1String("--data") && i + 1 < args.size()) {
            o.dataFile = args[++i];
        } else if (args[i] == QLatin1String("--counter") && i + 1 < args.size()) {
            o.counter = counterOption(args[++i]);
            o.valid = o.valid && o.counter;
        } else if ((args[i] == QLatin1String("--offset") || args[i] == QLatin1String("--back-offset")) &&
                   i + 1 < args.size()) {
            calibrationPair(args, i, o, args[i] == QLatin1String("--offset") ? o.offset : o.backOffset);
        } else if (args[i] == QLatin1String("--scale") && i + 1 < args.size()) {
            calibrationPair(args, i, o, o.scale);
        } else if ((args[i] == QLatin1String("--printer") || args[i] == QLatin1String("--settings")) &&
                   i + 1 < args.size()) {
            (args[i] == QLatin1String("--printer") ? o.printer : o.settings) = args[i + 1];
            ++i;
            o.calibrationOptions = true;
        } else if (args[i] == QLatin1String("--copies") && i + 1 < args.size()) {
            const int copies = optionNumber(args, i, o.valid);
            o.valid = o.valid && copies >= 1 && copies <= kMaxCopies;
            printOptions().copies = std::int16_t(std::clamp(copies, 1, kMaxCopies));
        } else if (args[i] == QLatin1String("--uncollated")) {
            printOptions().collate = false;
        } else if (args[i] == QLatin1String("--outlines")) {
            printOptions().outlines = true;
        } else if (args[i] == QLatin1String("--crop-marks")) {
            printOptions().cropMarks = true;
        } else if (args[i] == QLatin1String("--mirror")) {
            printOptions().mirror = true;
        } else if (args[i] == QLatin1String("--allow-outside")) {
            o.allowOutside = true;
        } else if (args[i] == QLatin1String("--skip-bad-codes")) {
            o.skipBadCodes = true;
        } else if (args[i] == QLatin1String("--background-only")) {
            o.backgroundOnly = true;
            o.pictureOptions = true;
        } else {
            o.valid = false;
        }
    }
    return o;
}

bool hasTab(const QStringList& args, const Project& project, int tab, QTextStream& err)
{
    if (tab >= 1 && tab <= project.tabCount())
        return true;
    err << QStringLiteral("%1 : pas d'onglet %2").arg(args[1]).arg(tab) << '\n';
    return false;
}

/// The tab with the command line's data file and counter in place of its own. A data
/// file named on the command line is read wherever it lies: the user named it.
void applyMergeOptions(Etiquette& tab, const Options& o)
{
    MergeSettings settings = tab.mergeSettings();
    if (!o.dataFile.isEmpty()) {
        settings.dataFile = chosenDataFile(o.dataFile, QString()).dataFile;
        settings.relative = false;
        settings.needsConsent = false;
    }
    if (o.counter) {
        settings.counter.start = o.counter->start;
        settings.counter.step = o.counter->step;
        settings.counter.width = o.counter->width;
    }
    tab.setMergeSettings(settings);
}

/// The tab's data rows, when it names a data file: null when it names none, or when
/// the file cannot be read (said on `err`, and `failed` set). Markers that name no
/// field are printed as typed, after a warning. A file outside the project's folder
/// tree is read only when the options allow it.
std::unique_ptr<MergeData> tabData(const Etiquette& tab, const Options& o, QTextStream& err, bool& failed)
{
    failed = false;
    const MergeSettings& settings = tab.mergeSettings();
    if (!settings.active())
        return nullptr;
    if (settings.needsConsent && !o.allowOutside) {
        err << QStringLiteral("%1 : fichier de données hors du dossier du projet, lecture refusée "
                              "(--allow-outside pour l'autoriser)")
                   .arg(settings.dataFile)
            << '\n';
        failed = true;
        return nullptr;
    }
    auto data = std::make_unique<MergeData>(loadTabData(tab, o.allowOutside));
    if (!data->ok()) {
        err << data->error << '\n';
        failed = true;
        return nullptr;
    }
    if (!data->warning.isEmpty())
        err << data->warning << '\n';
    if (!data->unknown.isEmpty())
        err << unknownMarkersWarning(data->unknown) << '\n';
    if (const std::vector<PictureRowProblem> missing = pictureRowProblems(tab, data->table); !missing.empty())
        err << kMissingPicturesHead << '\n' << pictureProblemsText(missing) << '\n';
    return data;
}

const DataTable* tableOf(const std::unique_ptr<MergeData>& data) { return data ? &data->table : nullptr; }

/// Whether the tab's codes can be made with the values of rows first..last (every row
/// when last is negative); the rows that cannot are said on `err`. With `skip`, the
/// table loses those rows instead, and the output goes on without their labels.
bool codesDrawable(const Etiquette& tab, MergeData* data, int first, int last, bool skip, QTextStream& err)
{
    const std::vector<CodeRowProblem> problems = codeRowProblems(tab, data ? &data->table : nullptr, first, last);
    if (problems.empty())
        return true;
    err << QStringLiteral("Étiquettes dont le code ne peut pas être formé :\n%1").arg(codeProblemsText(problems)) << '\n';
    if (!skip || !data)
        return false;
    data->table = withoutProblemRows(data->table, problems);
    return data->table.rowCount() > 0;
}

/// The designs the tab's sheets take from the project's other tabs, the rows of each
/// one given positions read into `keep` (said on `err` and false when one cannot be).
bool jobDesigns(const Project& project, const Etiquette& tab, const Options& o, QTextStream& err,
                DesignLookup& designs, std::vector<std::unique_ptr<MergeData>>& keep)
{
    std::map<int, const DataTable*> rows;
    for (const DesignRange& range : tab.print().designs) {
        if (range.tab < 1 || range.tab > project.tabCount() || rows.count(range.tab) ||
            &project.tab(range.tab) == &tab)
            continue;
        const Etiquette& other = project.tab(range.tab);
        bool failed = false;
        keep.push_back(tabData(other, o, err, failed));
        if (failed || !codesDrawable(other, keep.back().get(), 0, -1, false, err))
            return false;
        rows[range.tab] = tableOf(keep.back());
    }
    designs = [&project, rows](int number) {
        if (number < 1 || number > project.tabCount())
            return Design();
        const auto found = rows.find(number);
        return Design{&project.tab(number), found == rows.end() ? nullptr : found->second};
    };
    return true;
}

int snapshot(const QStringList& args, Project& project, QTextStream& err)
{
    const Options o = parseOptions(args, 3);
    cGdiPlus writer;
    if (!o.valid || o.skipBadCodes || o.counter || o.printOptions || o.calibrationOptions || !o.outOfRange.isEmpty() ||
        (writer.encoderFor(args[2]) < 0 && !documentFormatFor(args[2])))
        return usage(err);
    if (!hasTab(args, project, o.tab, err))
        return BatchInputError;
    Etiquette& tab = project.tab(o.tab);
    applyMergeOptions(tab, o);
    bool failed = false;
    const std::unique_ptr<MergeData> data = tabData(tab, o, err, failed);
    if (failed)
        return BatchInputError;
    RowValues row;
    if (data) {
        const int index = std::max(1, o.row) - 1;
        if (index >= data->table.rowCount()) {
            err << QStringLiteral("%1 : pas de ligne %2 dans le fichier de données (%3 lignes)")
                       .arg(args[1])
                       .arg(o.row)
                       .arg(data->table.rowCount())
                << '\n';
            return BatchInputError;
        }
        row = RowValues(&data->table, index);
    } else if (o.row > 0) {
        err << QStringLiteral("%1 : l'onglet %2 n'a pas de fichier de données").arg(args[1]).arg(o.tab) << '\n';
        return BatchInputError;
    }
    if (!codesDrawable(tab, data.get(), row.row(), row.row(), false, err))
        return BatchInputError;
    QString reason;
    QObject::connect(&writer, &cGdiPlus::Error, [&reason](int, const QString& text) { reason = text; });
    if (!exportTab(writer, tab, args[2], ExportSettings{o.dotsPerInch, o.quality, o.backgroundOnly}, nullptr, row)) {
        err << QStringLiteral("%1 : écriture impossible (%2)").arg(args[2], reason) << '\n';
        return BatchInputError;
    }
    return BatchOk;
}

/// The calibration of a run: the printer's, with the values the options give.
Calibration runCalibration(const Options& o)
{
    Calibration c;
    if (!o.printer.isEmpty()) {
        const QString settings = o.settings.isEmpty() ? AppPaths::forRunningProgram().settingsFile() : o.settings;
        c = CalibrationStore(settings).forPrinter(o.printer);
    }
    if (o.offset) {
        c.offsetX = o.offset->x();
        c.offsetY = o.offset->y();
    }
    if (o.scale) {
        c.scaleX = o.scale->x();
        c.scaleY = o.scale->y();
    }
    if (o.backOffset) {
        c.backOffsetX = o.backOffset->x();
        c.backOffsetY = o.backOffset->y();
    }
    return c.rounded();
}

/// The tab's sheets, with its stored settings, into a PDF file; false when they
/// could not be made (said on `err`).
bool writeSheets(Project& project, Etiquette& tab, const Options& o, const QString& pdf, QTextStream& err)
{
    applyMergeOptions(tab, o);
    bool failed = false;
    const std::unique_ptr<MergeData> data = tabData(tab, o, err, failed);
    if (failed || !codesDrawable(tab, data.get(), 0, -1, o.skipBadCodes, err))
        return false;
    JobExtras extras;
    std::vector<std::unique_ptr<MergeData>> designData;
    if (!jobDesigns(project, tab, o, err, extras.designs, designData))
        return false;
    extras.calibration = runCalibration(o);
    tab.setResolution(qualityCodeForIndex(tab.print().ImpResol));
    if (o.printOptions) {
        PrintSettings settings = tab.print();
        settings.options = o.printOptions;
        tab.setPrint(settings);
    }
    const QString reason = printSheetsToPdf(tab, layoutValues(tab.print()), pdf, tableOf(data), extras);
    if (!reason.isEmpty())
        err << QStringLiteral("%1 : écriture impossible (%2)").arg(pdf, reason) << '\n';
    return reason.isEmpty();
}

/// The tab's sheets, printed with its stored settings into a PDF file.
int sheets(const QStringList& args, Project& project, QTextStream& err)
{
    const Options o = parseOptions(args, 3);
    if (!o.outOfRange.isEmpty()) {
        err << o.outOfRange << '\n';
        return BatchUsageError;
    }
    if (!o.valid || o.pictureOptions || o.resolution || o.row > 0 ||
        QFileInfo(args[2]).suffix().toLower() != QLatin1String("pdf"))
        return usage(err);
    if (!hasTab(args, project, o.tab, err))
        return BatchInputError;
    return writeSheets(project, project.tab(o.tab), o, args[2], err) ? BatchOk : BatchInputError;
}

/// The tab's sheets sent to a CUPS queue (through lp, as a PDF document).
int print(const QStringList& args, Project& project, QTextStream& err)
{
    Options o = parseOptions(args, 2);
    if (!o.outOfRange.isEmpty()) {
        err << o.outOfRange << '\n';
        return BatchUsageError;
    }
    if (!o.valid || o.pictureOptions || o.resolution || o.row > 0)
        return usage(err);
    if (!hasTab(args, project, o.tab, err))
        return BatchInputError;
    // The queue makes the copies (CUPS repeats the document where the printer cannot):
    // the document holds one, and travels once.
    const PrintOptions wanted = o.printOptions.value_or(project.tab(o.tab).print().options.value_or(PrintOptions()));
    o.printOptions = wanted;
    o.printOptions->copies = 1;
    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("planches.pdf"));
    if (!folder.isValid() || !writeSheets(project, project.tab(o.tab), o, pdf, err))
        return BatchInputError;
    QStringList lp{QStringLiteral("-t"), QFileInfo(args[1]).fileName()};
    if (wanted.copies > 1)
        lp << QStringLiteral("-n") << QString::number(wanted.copies) << QStringLiteral("-o")
           << (wanted.collate ? QStringLiteral("collate=true") : QStringLiteral("collate=false"));
    if (!o.printer.isEmpty())
        lp << QStringLiteral("-d") << o.printer;
    const QString reason = sendToQueue(lp << QStringLiteral("--") << pdf);
    if (reason.isEmpty())
        return BatchOk;
    err << QStringLiteral("%1 : impression impossible (%2)").arg(args[1], reason) << '\n';
    return BatchInputError;
}

/// The preview's page pictures of the tab, as Page1.png, Page2.png ... in a folder.
int preview(const QStringList& args, Project& project, QTextStream& err)
{
    const Options o = parseOptions(args, 3);
    // The preview shows the sheets as laid out: no printer's calibration.
    if (!o.valid || o.pictureOptions || o.row > 0 || o.printOptions || o.calibrationOptions ||
        !o.outOfRange.isEmpty())
        return usage(err);
    if (!hasTab(args, project, o.tab, err))
        return BatchInputError;
    // A page is a picture of A4 at the resolution: bounded, as every output's.
    const QSizeF page(kPageWidthTwips, kPageHeightTwips);
    if (pixelCount(page, o.dotsPerInch) > kMaxOutputPixels) {
        err << QStringLiteral("--dpi %1 : une page de l'aperçu dépasserait %2 millions de points ; l'aperçu s'écrit "
                              "à %3 points par pouce au plus")
                   .arg(o.dotsPerInch)
                   .arg(kMaxOutputPixels / 1'000'000)
                   .arg(int(dotsPerInchWithin(page, o.dotsPerInch)))
            << '\n';
        return BatchUsageError;
    }
    Etiquette& tab = project.tab(o.tab);
    applyMergeOptions(tab, o);
    bool failed = false;
    const std::unique_ptr<MergeData> data = tabData(tab, o, err, failed);
    if (failed || !codesDrawable(tab, data.get(), 0, -1, o.skipBadCodes, err))
        return BatchInputError;
    const QDir folder(args[2]);
    if (!folder.mkpath(QStringLiteral("."))) {
        err << QStringLiteral("%1 : dossier impossible à créer").arg(args[2]) << '\n';
        return BatchInputError;
    }
    // One page at a time: at a high resolution a page takes hundreds of megabytes. The
    // folder may be shared: a link planted with a page's name is replaced, not followed.
    const auto writePage = [&folder, &err](int number, const QImage& page) {
        const QString path = folder.filePath(QStringLiteral("Page%1.png").arg(number));
        const QString reason = FileWriter().replace(path, [&page](QIODevice& file) {
            QImageWriter writer(&file, "PNG");
            return writer.write(page) ? QString() : QStringLiteral("codage PNG impossible");
        });
        if (reason.isEmpty())
            return true;
        err << QStringLiteral("%1 : écriture impossible (%2)").arg(path, reason) << '\n';
        return false;
    };
    DesignLookup designs;
    std::vector<std::unique_ptr<MergeData>> designData;
    if (!jobDesigns(project, tab, o, err, designs, designData))
        return BatchInputError;
    const bool written =
        forEachPreviewPage(tab, layoutValues(tab.print()), o.dotsPerInch, writePage, tableOf(data), designs);
    return written ? BatchOk : BatchInputError;
}

}  // namespace

int runBatch(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() == 1 && (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h"))) {
        out << kHelp;
        return BatchOk;
    }
    if (isProductCommand(args))
        return runProductCommand(args, out, err);
    const QString command = args.value(0);
    const bool known = (command == QLatin1String("info") && args.size() == 2) ||
                       (command == QLatin1String("convert") && args.size() == 3) ||
                       ((command == QLatin1String("snapshot") || command == QLatin1String("sheets") ||
                         command == QLatin1String("preview")) &&
                        args.size() >= 3) ||
                       (command == QLatin1String("print") && args.size() >= 2);
    if (!known)
        return usage(err);
    // A gLabels project is only ever read: the converted project gets a name of ours.
    if (command == QLatin1String("convert") && isGlabelsFile(args[2])) {
        err << QStringLiteral("%1 : un projet gLabels n'est jamais écrit ; donnez un nom en .plk").arg(args[2]) << '\n';
        return BatchUsageError;
    }

    const RegionalFormat format = RegionalFormat::system();
    // A converted gLabels project keeps its pictures beside the new file; the other
    // commands only need them while they run.
    std::optional<QTemporaryDir> scratch;
    QString picturesFolder;
    if (command == QLatin1String("convert")) {
        picturesFolder = QFileInfo(args[2]).absolutePath();
    } else if (isGlabelsFile(args[1])) {
        scratch.emplace();
        picturesFolder = scratch->path();
    }
    Project project;
    const ReadResult r = loadProject(args[1], project, format, picturesFolder, err);
    if (!r.ok()) {
        err << failureText(args[1], r) << '\n';
        return BatchInputError;
    }
    if (command == QLatin1String("info")) {
        out << QJsonDocument(projectToJson(project)).toJson(QJsonDocument::Indented);
        return BatchOk;
    }
    if (command == QLatin1String("snapshot"))
        return snapshot(args, project, err);
    if (command == QLatin1String("sheets"))
        return sheets(args, project, err);
    if (command == QLatin1String("preview"))
        return preview(args, project, err);
    if (command == QLatin1String("print"))
        return print(args, project, err);
    const QString reason = writeProjectFile(args[2], project, format);
    if (!reason.isEmpty()) {
        err << QStringLiteral("%1 : écriture impossible (%2)").arg(args[2], reason) << '\n';
        return BatchInputError;
    }
    return BatchOk;
}

}  // namespace plk
