#include "catalogue/core/ProductReader.h"

#include "catalogue/core/Length.h"

#include <QXmlStreamReader>
#include <stdexcept>

namespace plk {

namespace {

constexpr int kMostPerDirection = 1000;  // labels across or down a sheet

/// A product left out, and why.
class Refusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QString attribute(const QXmlStreamAttributes& a, const char* name)
{
    return a.value(QLatin1String(name)).toString();
}

double length(const QXmlStreamAttributes& a, const char* name, std::optional<double> byDefault = std::nullopt)
{
    const QStringView text = a.value(QLatin1String(name));
    if (text.isEmpty() && byDefault)
        return *byDefault;
    const std::optional<double> mm = parseLength(text);
    if (!mm)
        throw Refusal(QStringLiteral("longueur « %1 » illisible pour %2").arg(text, QLatin1String(name)).toStdString());
    return *mm;
}

int count(const QXmlStreamAttributes& a, const char* name)
{
    bool ok = false;
    const int n = a.value(QLatin1String(name)).toInt(&ok);
    if (!ok || n < 1 || n > kMostPerDirection)
        throw Refusal(QStringLiteral("nombre « %1 » hors limites pour %2")
                          .arg(a.value(QLatin1String(name)), QLatin1String(name))
                          .toStdString());
    return n;
}

ProductLabel readLabel(QStringView element, const QXmlStreamAttributes& a)
{
    ProductLabel l;
    if (element == QLatin1String("Label-rectangle")) {
        l.size = {length(a, "width"), length(a, "height")};
        l.cornerRadius = length(a, "round", 0.0);
    } else if (element == QLatin1String("Label-round")) {
        l.shape = LabelShape::Round;
        const double d = 2 * length(a, "radius");
        l.size = {d, d};
    } else if (element == QLatin1String("Label-ellipse")) {
        l.shape = LabelShape::Ellipse;
        l.size = {length(a, "width"), length(a, "height")};
    } else if (element == QLatin1String("Label-cd")) {
        l.shape = LabelShape::Cd;
        const double d = 2 * length(a, "radius");
        // A disc clipped to a card's width or height says so.
        l.size = {length(a, "width", d), length(a, "height", d)};
        l.holeRadius = length(a, "hole");
    } else {
        l.shape = LabelShape::Continuous;
        l.size = {length(a, "width"), length(a, "height", length(a, "default_height", 0.0))};
    }
    if (l.size.width() <= 0 || l.size.height() <= 0)
        throw Refusal("étiquette de taille nulle");
    // A round label's diameter is twice a length that may itself be the longest read.
    if (l.size.width() > kMostLengthMm || l.size.height() > kMostLengthMm)
        throw Refusal("étiquette de plus de 10 m de côté");
    return l;
}

ProductGrid readGrid(const QXmlStreamAttributes& a, const ProductLabel& label)
{
    ProductGrid g;
    g.across = count(a, "nx");
    g.down = count(a, "ny");
    g.left = length(a, "x0", 0.0);
    g.top = length(a, "y0", 0.0);
    // A single column or row has no pitch of its own: the next one would follow at once.
    g.pitchAcross = g.across > 1 ? length(a, "dx", 0.0) : label.size.width();
    g.pitchDown = g.down > 1 ? length(a, "dy", 0.0) : label.size.height();
    if (g.pitchAcross <= 0 || g.pitchDown <= 0)
        throw Refusal("pas de la grille nul");
    return g;
}

bool isLabelElement(QStringView name)
{
    return name == QLatin1String("Label-rectangle") || name == QLatin1String("Label-round") ||
           name == QLatin1String("Label-ellipse") || name == QLatin1String("Label-cd") ||
           name == QLatin1String("Label-continuous");
}

class FileReader {
public:
    FileReader(const QByteArray& xml, const QString& fileName) : m_xml(xml), m_fileName(fileName) {}

    CatalogueFile read()
    {
        if (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1String("Glabels-templates"))
                readChildren([this] { readTemplate(); });
            else if (m_xml.name() == QLatin1String("Glabels-paper-sizes"))
                readChildren([this] { readPaper(); });
        }
        if (m_xml.hasError())
            tell(m_xml.lineNumber(), QStringLiteral("XML illisible (%1)").arg(m_xml.errorString()));
        return std::move(m_file);
    }

private:
    template <typename Each>
    void readChildren(const Each& each)
    {
        while (m_xml.readNextStartElement())
            each();
    }

    void tell(qint64 line, const QString& why)
    {
        m_file.problems << QStringLiteral("%1, ligne %2 : %3").arg(m_fileName).arg(line).arg(why);
    }

    void readPaper()
    {
        const qint64 line = m_xml.lineNumber();
        const QXmlStreamAttributes a = m_xml.attributes();
        try {
            if (m_xml.name() == QLatin1String("Paper-size")) {
                QString name = attribute(a, "_name");
                if (name.isEmpty())
                    name = attribute(a, "name");
                m_file.papers.push_back({attribute(a, "id"), name, {length(a, "width"), length(a, "height")}});
            }
        } catch (const Refusal& r) {
            tell(line, QString::fromStdString(r.what()));
        }
        m_xml.skipCurrentElement();
    }

    void readTemplate()
    {
        const qint64 line = m_xml.lineNumber();
        if (m_xml.name() != QLatin1String("Template")) {
            m_xml.skipCurrentElement();
            return;
        }
        const QXmlStreamAttributes a = m_xml.attributes();
        Product p;
        p.brand = attribute(a, "brand").trimmed();
        p.part = attribute(a, "part").trimmed();
        p.description = attribute(a, "_description");
        if (p.description.isEmpty())
            p.description = attribute(a, "description");
        try {
            if (p.brand.isEmpty() || p.part.isEmpty())
                throw Refusal("produit sans marque ou sans référence");
            if (const QString same = attribute(a, "equiv"); !same.isEmpty()) {
                m_file.aliases.push_back({p.brand, p.part, same});
                m_xml.skipCurrentElement();
                return;
            }
            p.paper = attribute(a, "size");
            if (p.paper == QLatin1String("Other") || p.paper.isEmpty()) {
                p.paper.clear();
                p.paperSize = {length(a, "width", 0.0), length(a, "height", 0.0)};
            }
            readLabelOf(p);
            m_file.products.push_back(std::move(p));
        } catch (const Refusal& r) {
            tell(line, QString::fromStdString(r.what()));
            // On to the product's end, wherever inside it the fault stopped the reading.
            while (!m_xml.atEnd() && !(m_xml.isEndElement() && m_xml.name() == QLatin1String("Template")))
                m_xml.readNext();
        }
    }

    /// The product's first label element and its layouts; further label elements
    /// (a second kind of label on the same sheet) are passed over.
    void readLabelOf(Product& p)
    {
        bool seen = false;
        while (m_xml.readNextStartElement()) {
            if (seen || !isLabelElement(m_xml.name())) {
                m_xml.skipCurrentElement();
                continue;
            }
            seen = true;
            p.label = readLabel(m_xml.name(), m_xml.attributes());
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() == QLatin1String("Layout"))
                    p.layouts.push_back(readGrid(m_xml.attributes(), p.label));
                m_xml.skipCurrentElement();
            }
        }
        if (p.layouts.empty())
            throw Refusal("produit sans étiquette ni disposition");
        if (p.paperSize.isEmpty())
            p.paperSize = p.label.size;
    }

    QXmlStreamReader m_xml;
    QString m_fileName;
    CatalogueFile m_file;
};

}  // namespace

CatalogueFile readCatalogueFile(const QByteArray& xml, const QString& fileName)
{
    return FileReader(xml, fileName).read();
}

}  // namespace plk
