#include "document/core/GlabelsImport.h"

#include "base/core/Records.h"
#include "base/core/RegularFile.h"
#include "document/core/PrintRecords.h"
#include "import/core/GlabelsPictures.h"
#include "import/core/GlabelsProduct.h"
#include "import/core/GlabelsReader.h"
#include "import/core/GlabelsRecords.h"
#include "import/core/GzipData.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>

namespace plk {

namespace {

/// Text widths from the fonts, measured on a 72-dot-per-inch device (a point a dot);
/// only where a GUI application runs, as fonts need one.
std::function<double(const GlabelsTextStyle&, const QString&)> fontWidths()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {};
    return [](const GlabelsTextStyle& s, const QString& text) {
        QImage device(1, 1, QImage::Format_RGB32);
        device.setDotsPerMeterX(2835);  // 72 dpi
        device.setDotsPerMeterY(2835);
        QFont font(s.family);
        font.setPointSizeF(std::max(1.0, s.size));
        font.setBold(s.bold);
        font.setItalic(s.italic);
        return QFontMetricsF(font, &device).horizontalAdvance(text) * 25.4 / 72;
    };
}

ReadResult cannotOpen(const QString& reason) { return {ReadResult::Status::CannotOpen, 0, reason}; }

}  // namespace

bool isGlabelsFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("glabels"), Qt::CaseInsensitive) == 0;
}

GlabelsImport importGlabelsProject(const QString& path, Project& project, const QString& picturesFolder,
                                   const RegionalFormat& format, const Catalogue* catalogue)
{
    QString reason;
    std::optional<QByteArray> data = readRegularFile(path, kMaxGlabelsFileBytes, &reason);
    if (!data)
        return {cannotOpen(reason), {}};
    if (isGzip(*data)) {
        data = gunzip(*data, kMaxGlabelsXmlBytes, &reason);
        if (!data)
            return {cannotOpen(reason), {}};
    }
    GlabelsReadResult read = readGlabelsXml(*data);
    if (!read.document)
        return {cannotOpen(QStringLiteral("ligne %1 : %2").arg(read.line).arg(read.error)), {}};
    if (const QString why = completeFromCatalogue(read.document->label, catalogue); !why.isEmpty())
        return {cannotOpen(why), {}};

    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const QString prefix = info.completeBaseName();
    GlabelsTarget target;
    target.name = prefix;
    target.documentFolder = folder;
    target.placePicture = [&](const GlabelsPicture& picture, QString* why) {
        return writeEmbeddedPicture(picture, picturesFolder.isEmpty() ? folder : picturesFolder, prefix, why);
    };
    target.textWidth = fontWidths();
    target.maxAcross = kMaxAcross;
    target.maxDown = kMaxDown;
    target.maxPosition = kMaxPosition;
    const GlabelsConversion converted = glabelsProjectText(*read.document, target, format);
    PrintSettings extras;
    extras.paper = converted.paper;
    extras.outline = converted.outline;
    extras.grids = converted.grids;
    const QString text = converted.text + printExtensionRecords(extras, format) + converted.extensions;
    const ReadResult r = readProjectData(encodeProjectText(text), project, format, folder);
    project.caption = prefix;
    return {r, converted.losses};
}

QString glabelsLossesMessage(const QString& path, const QStringList& losses)
{
    return QStringLiteral("Le projet gLabels « %1 » est ouvert, mais ceci n'a pas pu être repris :\n- %2")
        .arg(QDir::toNativeSeparators(path), losses.join(QStringLiteral("\n- ")));
}

}  // namespace plk
