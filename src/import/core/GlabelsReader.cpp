#include "import/core/GlabelsReader.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>
#include <stdexcept>

namespace plk {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;
constexpr int kMaxRunDepth = 64;

struct XmlError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Reader {
public:
    explicit Reader(const QByteArray& xml) : m_xml(xml) {}

    GlabelsDocument read()
    {
        if (!m_xml.readNextStartElement())
            fail(QStringLiteral("aucun élément XML"));
        if (m_xml.name() != QLatin1String("Glabels-document"))
            fail(QStringLiteral("ce n'est pas un projet gLabels (élément « %1 »)").arg(m_xml.name().toString()));
        GlabelsDocument doc;
        if (attr(QStringLiteral("version")).startsWith(QLatin1Char('4')) ||
            m_xml.namespaceUri().contains(QLatin1String("/4.")))
            doc.version = 4;
        bool hasTemplate = false;
        while (m_xml.readNextStartElement()) {
            const auto name = m_xml.name();
            if (name == QLatin1String("Template")) {
                readTemplate(doc.label);
                hasTemplate = true;
            } else if (name == QLatin1String("Objects")) {
                doc.rotated = boolean(QStringLiteral("rotate"), false);
                readObjects(doc);
            } else if (name == QLatin1String("Merge")) {
                doc.merge = {attr(QStringLiteral("type")), attr(QStringLiteral("src"))};
                m_xml.skipCurrentElement();
            } else if (name == QLatin1String("Data")) {
                readData(doc);
            } else {
                doc.unknown << name.toString();
                m_xml.skipCurrentElement();
            }
        }
        if (m_xml.hasError())
            fail(m_xml.errorString());
        if (!hasTemplate)
            fail(QStringLiteral("le projet ne décrit pas son étiquette (élément « Template » absent)"));
        return doc;
    }

    int line() const { return int(m_xml.lineNumber()); }

private:
    [[noreturn]] void fail(const QString& why) { throw XmlError(why.toStdString()); }

    QString attr(const QString& name) const { return m_xml.attributes().value(name).toString(); }
    bool has(const QString& name) const { return m_xml.attributes().hasAttribute(name); }

    double length(const QString& name, double otherwise = 0)
    {
        if (!has(name))
            return otherwise;
        const auto v = glabelsLength(attr(name));
        if (!v)
            fail(QStringLiteral("longueur illisible dans « %1 » : « %2 »").arg(name, attr(name)));
        return *v;
    }
    double number(const QString& name, double otherwise)
    {
        if (!has(name))
            return otherwise;
        bool ok = false;
        const double v = attr(name).trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v))
            fail(QStringLiteral("nombre illisible dans « %1 » : « %2 »").arg(name, attr(name)));
        return v;
    }
    int count(const QString& name)
    {
        const double v = number(name, 1);
        if (v < 1 || v > 1000)
            fail(QStringLiteral("nombre d'étiquettes hors limites dans « %1 » : « %2 »").arg(name, attr(name)));
        return int(v);
    }
    bool boolean(const QString& name, bool otherwise) const
    {
        const QString v = attr(name).trimmed().toLower();
        if (v == QLatin1String("true") || v == QLatin1String("1"))
            return true;
        if (v == QLatin1String("false") || v == QLatin1String("0"))
            return false;
        return otherwise;
    }
    std::uint32_t colour(const QString& name, std::uint32_t otherwise)
    {
        if (!has(name))
            return otherwise;
        bool ok = false;
        const std::uint32_t v = attr(name).trimmed().toUInt(&ok, 0);
        if (!ok)
            fail(QStringLiteral("couleur illisible dans « %1 » : « %2 »").arg(name, attr(name)));
        return v;
    }

    void readTemplate(GlabelsTemplate& t)
    {
        t.brand = attr(QStringLiteral("brand"));
        t.part = attr(QStringLiteral("part"));
        t.paper = attr(QStringLiteral("size"));
        t.paperWidth = length(QStringLiteral("width"));
        t.paperHeight = length(QStringLiteral("height"));
        bool shaped = false;
        while (m_xml.readNextStartElement()) {
            const QString name = m_xml.name().toString();
            if (!name.startsWith(QLatin1String("Label-")) || shaped) {
                m_xml.skipCurrentElement();
                continue;
            }
            shaped = true;
            t.shapeName = name;
            if (name == QLatin1String("Label-rectangle")) {
                t.width = length(QStringLiteral("width"));
                t.height = length(QStringLiteral("height"));
                t.cornerRadius = length(QStringLiteral("round"));
            } else if (name == QLatin1String("Label-round") || name == QLatin1String("Label-cd")) {
                t.shape = name == QLatin1String("Label-cd") ? GlabelsTemplate::Shape::Cd : GlabelsTemplate::Shape::Round;
                const double r = length(QStringLiteral("radius"));
                t.holeRadius = length(QStringLiteral("hole"));
                t.width = length(QStringLiteral("width"), 2 * r);
                t.height = length(QStringLiteral("height"), 2 * r);
            } else {
                t.shape = name == QLatin1String("Label-ellipse") ? GlabelsTemplate::Shape::Ellipse
                                                                  : GlabelsTemplate::Shape::Other;
                t.width = length(QStringLiteral("width"));
                t.height = length(QStringLiteral("height"));
            }
            while (m_xml.readNextStartElement()) {
                if (m_xml.name() == QLatin1String("Layout"))
                    t.layouts.push_back(readLayout(t));
                m_xml.skipCurrentElement();
            }
        }
    }

    GlabelsLayout readLayout(const GlabelsTemplate& t)
    {
        GlabelsLayout l{count(QStringLiteral("nx")), count(QStringLiteral("ny")), length(QStringLiteral("x0")),
                        length(QStringLiteral("y0")), length(QStringLiteral("dx")), length(QStringLiteral("dy"))};
        // A single column or row has no pitch of its own: the label's size keeps the grid whole.
        if (l.across == 1 || l.pitchAcross <= 0)
            l.pitchAcross = t.width;
        if (l.down == 1 || l.pitchDown <= 0)
            l.pitchDown = t.height;
        return l;
    }

    void readObjects(GlabelsDocument& doc)
    {
        static const QHash<QString, GlabelsObject::Kind> kinds{
            {QStringLiteral("Object-text"), GlabelsObject::Kind::Text},
            {QStringLiteral("Object-box"), GlabelsObject::Kind::Box},
            {QStringLiteral("Object-ellipse"), GlabelsObject::Kind::Ellipse},
            {QStringLiteral("Object-line"), GlabelsObject::Kind::Line},
            {QStringLiteral("Object-image"), GlabelsObject::Kind::Image},
            {QStringLiteral("Object-barcode"), GlabelsObject::Kind::Barcode}};
        while (m_xml.readNextStartElement()) {
            const auto kind = kinds.constFind(m_xml.name().toString());
            if (kind == kinds.cend()) {
                doc.unknown << m_xml.name().toString();
                m_xml.skipCurrentElement();
                continue;
            }
            if (doc.objects.size() >= std::size_t(kMaxGlabelsObjects))
                fail(QStringLiteral("plus de %1 objets").arg(kMaxGlabelsObjects));
            doc.objects.push_back(readObject(*kind));
        }
    }

    GlabelsObject readObject(GlabelsObject::Kind kind)
    {
        GlabelsObject o;
        o.kind = kind;
        o.line = line();
        o.x = length(QStringLiteral("x"));
        o.y = length(QStringLiteral("y"));
        const bool line = kind == GlabelsObject::Kind::Line;
        o.w = length(line ? QStringLiteral("dx") : QStringLiteral("w"));
        o.h = length(line ? QStringLiteral("dy") : QStringLiteral("h"));
        // The last two are a shift, in points as any plain length.
        o.matrix = QTransform(number(QStringLiteral("a0"), 1), number(QStringLiteral("a1"), 0),
                              number(QStringLiteral("a2"), 0), number(QStringLiteral("a3"), 1),
                              length(QStringLiteral("a4")), length(QStringLiteral("a5")));
        o.shadow = boolean(QStringLiteral("shadow"), false);
        o.lineWidth = length(QStringLiteral("line_width"));
        o.lineColour = colour(QStringLiteral("line_color"), 0);
        o.fillColour = colour(QStringLiteral("fill_color"), 0);
        o.fieldColour = has(QStringLiteral("line_color_field")) || has(QStringLiteral("fill_color_field")) ||
                        has(QStringLiteral("color_field"));
        switch (kind) {
        case GlabelsObject::Kind::Text: readText(o); return o;
        case GlabelsObject::Kind::Image:
            o.source = attr(QStringLiteral("src"));
            o.sourceField = attr(QStringLiteral("field"));
            break;
        case GlabelsObject::Kind::Barcode:
            o.codeStyle = attr(QStringLiteral("style"));
            if (const QString backend = attr(QStringLiteral("backend"));
                !backend.isEmpty() && !o.codeStyle.contains(QLatin1String("::")))
                o.codeStyle = backend + QStringLiteral("::") + o.codeStyle;
            o.codeData = withMarkers(attr(QStringLiteral("data")));
            if (o.codeData.isEmpty() && has(QStringLiteral("field")))
                o.codeData = QStringLiteral("«%1»").arg(attr(QStringLiteral("field")));
            o.codeText = boolean(QStringLiteral("text"), true);
            o.lineColour = colour(QStringLiteral("color"), 0x000000FF);
            break;
        default: break;
        }
        m_xml.skipCurrentElement();
        return o;
    }

    /// glabels-qt writes merge fields as ${name}; ours are «name».
    static QString withMarkers(QString text)
    {
        static const QRegularExpression field(QStringLiteral("\\$\\{([^}]*)\\}"));
        return text.replace(field, QStringLiteral("«\\1»"));
    }

    GlabelsTextStyle styleFrom(GlabelsTextStyle s)
    {
        if (has(QStringLiteral("font_family")))
            s.family = attr(QStringLiteral("font_family"));
        if (has(QStringLiteral("font_size")))
            s.size = number(QStringLiteral("font_size"), s.size);
        if (has(QStringLiteral("font_weight"))) {
            const QString w = attr(QStringLiteral("font_weight")).toLower();
            bool numeric = false;
            const int n = w.toInt(&numeric);
            s.bold = numeric ? n >= 600 : w.contains(QLatin1String("bold"));
        }
        s.italic = boolean(QStringLiteral("font_italic"), s.italic);
        s.underline = boolean(QStringLiteral("font_underline"), s.underline);
        s.colour = colour(QStringLiteral("color"), s.colour);
        s.colourFromField = s.colourFromField || has(QStringLiteral("color_field"));
        s.lineSpacing = number(QStringLiteral("line_spacing"), s.lineSpacing);
        return s;
    }

    static bool sameLook(const GlabelsTextStyle& a, const GlabelsTextStyle& b)
    {
        return a.family == b.family && a.size == b.size && a.bold == b.bold && a.italic == b.italic &&
               a.underline == b.underline && a.colour == b.colour;
    }

    void readText(GlabelsObject& o)
    {
        const QString justify = (has(QStringLiteral("justify")) ? attr(QStringLiteral("justify"))
                                                                 : attr(QStringLiteral("align"))).toLower();
        // gLabels 3 writes "Center", glabels-qt "hcenter" and "vcenter".
        o.align = justify.endsWith(QLatin1String("center")) ? GlabelsObject::Align::Center
                  : justify == QLatin1String("right")   ? GlabelsObject::Align::Right
                  : justify == QLatin1String("justify") ? GlabelsObject::Align::Justify
                                                        : GlabelsObject::Align::Left;
        const QString valign = attr(QStringLiteral("valign")).toLower();
        o.valign = valign.endsWith(QLatin1String("center")) ? GlabelsObject::VAlign::Center
                   : valign == QLatin1String("bottom") ? GlabelsObject::VAlign::Bottom
                                                       : GlabelsObject::VAlign::Top;
        o.autoShrink = boolean(QStringLiteral("auto_shrink"), false);
        o.style = styleFrom(GlabelsTextStyle());
        o.lines = QStringList{QString()};
        bool styled = false;
        m_paragraphs = 0;
        readRuns(o, o.style, styled, true);
    }

    /// The content of a text element: characters, <Span> runs (gLabels 3), <Field>,
    /// <NL>, and <p> lines (glabels-qt).
    void readRuns(GlabelsObject& o, const GlabelsTextStyle& style, bool& styled, bool top = false, int depth = 0)
    {
        // Runs nest in a file from elsewhere as deep as it likes; the stack does not.
        if (depth > kMaxRunDepth)
            fail(QStringLiteral("texte de plus de %1 niveaux imbriqués").arg(kMaxRunDepth));
        const auto add = [&](const QString& text) {
            if (text.isEmpty())
                return;
            if (!styled) {
                o.style = style;
                styled = true;
            } else if (!sameLook(o.style, style)) {
                o.severalStyles = true;
            }
            o.lines.last() += text;
        };
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::Characters: {
                // The indentation between elements is no text; a line end inside a
                // run is one (gLabels 3 writes <NL/> instead).
                if (top && m_xml.isWhitespace())
                    break;
                const QStringList parts = m_xml.text().toString().split(QLatin1Char('\n'));
                for (qsizetype i = 0; i < parts.size(); ++i) {
                    if (i > 0)
                        o.lines << QString();
                    add(withMarkers(QString(parts[i]).remove(QLatin1Char('\r'))));
                }
                break;
            }
            case QXmlStreamReader::StartElement: {
                const auto name = m_xml.name();
                if (name == QLatin1String("Span")) {
                    readRuns(o, styleFrom(style), styled, false, depth + 1);
                } else if (name == QLatin1String("p")) {
                    if (!o.lines.last().isEmpty() || m_paragraphs > 0)
                        o.lines << QString();
                    ++m_paragraphs;
                    readRuns(o, style, styled, false, depth + 1);
                } else if (name == QLatin1String("NL")) {
                    o.lines << QString();
                    m_xml.skipCurrentElement();
                } else if (name == QLatin1String("Field")) {
                    add(QStringLiteral("«%1»").arg(attr(QStringLiteral("name"))));
                    m_xml.skipCurrentElement();
                } else {
                    m_xml.skipCurrentElement();
                }
                break;
            }
            case QXmlStreamReader::EndElement: return;
            default: break;
            }
        }
    }

    void readData(GlabelsDocument& doc)
    {
        while (m_xml.readNextStartElement()) {
            const QString element = m_xml.name().toString().toLower();
            const QString name = attr(QStringLiteral("name"));
            const bool svg = element == QLatin1String("svg") ||
                             (element == QLatin1String("file") &&
                              attr(QStringLiteral("format")).compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0);
            const bool base64 = element == QLatin1String("png") || element == QLatin1String("pixdata");
            const QString text = m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (svg)
                doc.pictures.push_back({name, QStringLiteral("svg"), text.toUtf8()});
            else if (base64)
                doc.pictures.push_back({name, element, QByteArray::fromBase64(text.toLatin1())});
            else
                doc.unknown << m_xml.name().toString();
        }
    }

    QXmlStreamReader m_xml;
    int m_paragraphs = 0;  // <p> lines of the text being read
};

}  // namespace

std::optional<double> glabelsLength(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*([-+]?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\\s*(pt|in|mm|cm|pc)?\\s*$"));
    const auto m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const double value = m.captured(1).toDouble();
    const QString unit = m.captured(2);
    const double mm = unit == QLatin1String("mm")   ? value
                      : unit == QLatin1String("cm") ? value * 10
                      : unit == QLatin1String("in") ? value * 25.4
                      : unit == QLatin1String("pc") ? value * 12 * kMmPerPoint
                                                    : value * kMmPerPoint;
    if (!std::isfinite(mm) || std::abs(mm) > 1e6)
        return std::nullopt;
    return mm;
}

GlabelsReadResult readGlabelsXml(const QByteArray& xml)
{
    Reader reader(xml);
    try {
        GlabelsDocument doc = reader.read();
        return {std::move(doc), 0, QString()};
    } catch (const XmlError& e) {
        return {std::nullopt, reader.line(), QString::fromStdString(e.what())};
    }
}

}  // namespace plk
