#include "document/core/LegacyImport.h"

#include "base/core/IniFile.h"
#include "base/core/Surface.h"
#include "base/core/ValueReader.h"

#include <QFileInfo>

namespace plk {

namespace {

class LegacyReader {
public:
    LegacyReader(const QString& path, const RegionalFormat& format) : m_path(path), m_values(format) {}

    QString text(const QString& section, const QString& key) const { return ReadIni(m_path, section, key); }
    /// A length in twips as whole millimetres.
    double millimetres(const QString& section, const QString& key) const
    {
        return roundHalfEven(m_values.real(text(section, key)) / kTwipsPerMm);
    }
    int integer(const QString& section, const QString& key) const
    {
        return m_values.integer<std::int16_t>(text(section, key));
    }
    OleColor colour(const QString& section, const QString& key) const { return m_values.colour(text(section, key)); }
    bool boolean(const QString& section, const QString& key) const { return m_values.boolean(text(section, key)); }

private:
    QString m_path;
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

ReadResult importLegacyProject(const QString& path, const QString& fileTitle, Project& project,
                               const RegionalFormat& format)
{
    if (!QFileInfo(path).isFile())
        return {ReadResult::Status::CannotOpen, 0, QStringLiteral("fichier introuvable")};
    const LegacyReader in(path, format);
    Etiquette& tab = project.tab(1);
    const QString name = captionFromFileTitle(fileTitle);
    // The tab tells its listeners once, and is painted once, when it is all read.
    const Etiquette::Batch batch(tab);
    try {
        const double width = in.millimetres(QStringLiteral("FORMAT"), QStringLiteral("Longueur"));
        const double height = in.millimetres(QStringLiteral("FORMAT"), QStringLiteral("Hauteur"));
        tab.NewProjet(name, width, height, kColorWindowBackground, kColorWindowFrame, false, false, true);
        importLabels(in, tab);
        importLogos(in, tab);
        importBackground(in, tab);
    } catch (const std::exception& e) {
        return {ReadResult::Status::StoppedAtRecord, 0, QString::fromStdString(e.what())};
    }
    tab.setNameProjet(name);
    project.setTabCaption(1, tab.NameProjet());
    project.filePath = path;
    return {};
}

}  // namespace plk
