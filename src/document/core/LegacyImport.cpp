#include "document/core/LegacyImport.h"

#include "base/core/IniFile.h"
#include "base/core/Surface.h"
#include "base/core/ValueReader.h"

#include "base/core/RegularFile.h"

namespace plk {

namespace {

class LegacyReader {
public:
    LegacyReader(IniDocument ini, const RegionalFormat& format) : m_ini(std::move(ini)), m_values(format) {}

    QString text(const QString& section, const QString& key) const { return m_ini.value(section, key); }
    /// A length in twips as whole millimetres.
    double millimetres(const QString& section, const QString& key) const
    {
        return ValueReader::checkedLength(roundHalfEven(m_values.real(text(section, key)) / kTwipsPerMm));
    }
    /// A tab's width or height in twips as whole millimetres.
    double tabSize(const QString& section, const QString& key) const
    {
        return ValueReader::checkedTabSize(roundHalfEven(m_values.real(text(section, key)) / kTwipsPerMm));
    }
    int integer(const QString& section, const QString& key) const
    {
        return m_values.integer<std::int16_t>(text(section, key));
    }
    OleColor colour(const QString& section, const QString& key) const { return m_values.colour(text(section, key)); }
    bool boolean(const QString& section, const QString& key) const { return m_values.boolean(text(section, key)); }

private:
    IniDocument m_ini;
    ValueReader m_values;
};

void importLabels(const LegacyReader& in, Etiquette& tab)
{
    const int count = in.integer(QStringLiteral("LABEL"), QStringLiteral("Nombre"));
    for (int n = 1; n <= count; ++n) {
        const QString s = QStringLiteral("LABEL %1").arg(n);
        tab.NewLabel(in.millimetres(s, QStringLiteral("Top")), in.millimetres(s, QStringLiteral("Left")));
        tab.Caption(n, in.text(s, QStringLiteral("Caption")));
        tab.FontStyle(n, in.text(s, QStringLiteral("Font")), in.integer(s, QStringLiteral("FontSize")),
                      in.boolean(s, QStringLiteral("FontBold")), in.boolean(s, QStringLiteral("FontItalic")),
                      in.boolean(s, QStringLiteral("FontUnderline")), in.boolean(s, QStringLiteral("FontStrikethru")));
        tab.FontCouleur(n, in.colour(s, QStringLiteral("ForeColor")));
    }
}

void importLogos(const LegacyReader& in, Etiquette& tab)
{
    const int count = in.integer(QStringLiteral("LOGO"), QStringLiteral("Nombre"));
    for (int n = 1; n <= count; ++n) {
        const QString s = QStringLiteral("LOGO %1").arg(n);
        tab.NewLogo(in.millimetres(s, QStringLiteral("Top")), in.millimetres(s, QStringLiteral("Left")));
        tab.Image(n, in.text(s, QStringLiteral("Tag")));
    }
}

void importBackground(const LegacyReader& in, Etiquette& tab)
{
    const QString s = QStringLiteral("FOND");
    switch (in.integer(s, QStringLiteral("Numero"))) {
    case 0: tab.pctDefaut(); break;
    case 1:
        tab.pctDegrade(in.integer(s, QStringLiteral("Option")), in.colour(s, QStringLiteral("Color1")),
                       in.colour(s, QStringLiteral("Color2")), in.colour(s, QStringLiteral("Color3")));
        break;
    case 2: tab.pctPicture(in.text(s, QStringLiteral("Picture"))); break;
    default: break;  // keeps the plain background
    }
}

}  // namespace

ReadResult importLegacyData(const QByteArray& data, const QString& fileTitle, Project& project,
                            const RegionalFormat& format)
{
    const LegacyReader in(IniDocument::fromBytes(data), format);
    Etiquette& tab = project.tab(1);
    const QString name = captionFromFileTitle(fileTitle);
    // The tab tells its listeners once, and is painted once, when it is all read.
    const Etiquette::Batch batch(tab);
    try {
        const double width = in.tabSize(QStringLiteral("FORMAT"), QStringLiteral("Longueur"));
        const double height = in.tabSize(QStringLiteral("FORMAT"), QStringLiteral("Hauteur"));
        tab.NewProjet(name, width, height, kColorWindowBackground, kColorWindowFrame, false, false, true);
        importLabels(in, tab);
        importLogos(in, tab);
        importBackground(in, tab);
    } catch (const std::exception& e) {
        return {ReadResult::Status::StoppedAtRecord, 0, QString::fromStdString(e.what())};
    }
    tab.setNameProjet(name);
    project.setTabCaption(1, tab.NameProjet());
    return {};
}

ReadResult importLegacyProject(const QString& path, const QString& fileTitle, Project& project,
                               const RegionalFormat& format)
{
    QString reason;
    const std::optional<QByteArray> data = readRegularFile(path, kIniMaxBytes, &reason);
    if (!data)
        return {ReadResult::Status::CannotOpen, 0, reason};
    ReadResult r = importLegacyData(*data, fileTitle, project, format);
    if (r.ok())
        project.filePath = path;
    return r;
}

}  // namespace plk
