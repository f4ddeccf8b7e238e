// gLabels projects the import tests write: one label in each dialect, and the pieces
// (a picture, gzip) they are made of.

#include "GlabelsSamples.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>

namespace plk::test {


extern const QByteArray kGlabelsTemplate;
const QByteArray kGlabelsTemplate = R"(<Template brand="Avery" part="L7160" size="A4">
    <Meta category="label"/>
    <Label-rectangle id="0" width="63.5mm" height="38.1mm" round="1.5mm">
      <Markup-margin size="1.5mm"/>
      <Layout nx="3" ny="7" x0="7.2mm" y0="15.15mm" dx="66.04mm" dy="38.1mm"/>
    </Label-rectangle>
  </Template>)";

extern const QByteArray kGlabelsTwoGrids;
const QByteArray kGlabelsTwoGrids = R"(<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Essai" part="Deux" size="A4" description="Deux grilles">
    <Label-rectangle id="0" width="60mm" height="30mm" round="0mm">
      <Layout nx="3" ny="4" x0="10mm" y0="12.5mm" dx="65mm" dy="40mm"/>
      <Layout nx="2" ny="2" x0="42.5mm" y0="190mm" dx="65mm" dy="40mm"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-text x="5mm" y="5mm" w="40mm" h="10mm" justify="Left" valign="Top" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0">
      <Span color="0xff0000ff" font_family="DejaVu Sans" font_size="12" font_weight="Regular" line_spacing="1">HELLO</Span>
    </Object-text>
    <Object-image x="40mm" y="12mm" w="10mm" h="10mm" src="bleu.png" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    <Object-box x="2.9mm" y="18.9mm" w="15.2mm" h="8.7mm" line_width="0.8mm" line_color="0x00a000ff" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    <Object-ellipse x="20.5mm" y="20.5mm" w="12mm" h="6mm" fill_color="0xffff00ff" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    <Object-line x="45.5mm" y="2.5mm" dx="12mm" dy="6.5mm" line_width="0.5mm" line_color="0x00ffffff" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    <Object-text x="57.3mm" y="12mm" w="12mm" h="4mm" justify="Left" valign="Top" a0="0" a1="1" a2="-1" a3="0" a4="0" a5="0">
      <Span color="0xff8000ff" font_family="DejaVu Sans" font_size="8" font_weight="Regular" line_spacing="1">Simple</Span>
    </Object-text>
  </Objects>
</Glabels-document>
)";

// gLabels 3: texts as runs, merge fields as elements, pictures as GdkPixdata.
const char* const kGlabels3 = R"(<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">TEMPLATE
  <Objects id="0" rotate="False">
    <Object-text x="5mm" y="4mm" w="50mm" h="10mm" justify="Left" valign="Top" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0">
      <Span color="0xff0000ff" font_family="Tahoma" font_size="12" font_weight="Bold">Bonjour <Field name="Nom"/><NL/>Ligne 2</Span>
    </Object-text>
    <Object-box x="1mm" y="1mm" w="5mm" h="5mm" line_width="1pt" line_color="0x000000ff"/>
    <Object-ellipse x="20.5mm" y="2mm" w="10mm" h="6mm" line_width="0.5mm" line_color="0x0000ffff" fill_color="0xffff00ff"/>
    <Object-line x="2mm" y="30mm" dx="20mm" dy="-5mm" line_width="0.3mm" line_color="0xff0000ff"/>
    <Object-image x="40mm" y="20mm" w="10mm" h="10mm" src="logo.png"/>
    <Object-barcode x="10mm" y="20mm" w="30mm" h="12mm" backend="built-in" style="EAN-13" text="True" checksum="True" color="0x000000ff" data="4006381333931"/>
    <Object-barcode x="1mm" y="1mm" w="9mm" h="3mm" backend="built-in" style="POSTNET" text="True" checksum="True" data="12345"/>
    <Object-text x="30mm" y="30mm" w="20mm" h="5mm" justify="Left" valign="Top" a0="0" a1="1" a2="-1" a3="0" shadow="True">
      <Span font_family="Tahoma" font_size="8.5" color="0x000000ff">Tourné</Span></Object-text>
  </Objects>
  <Merge type="Text/Comma/Line1Keys" src="adresses.csv"/>
  <Data><Pixdata name="logo.png" encoding="Base64">PICTURE</Pixdata></Data>
</Glabels-document>
)";

// glabels-qt 4: the font on the object, lines as <p>, fields as ${name}, pictures as PNG.
const char* const kGlabels4 = R"(<?xml version="1.0" encoding="UTF-8"?>
<Glabels-document version="4.0">TEMPLATE
  <Objects id="0" rotate="False">
    <Object-text x="5mm" y="4mm" w="50mm" h="10mm" align="left" valign="top" font_family="Tahoma" font_size="12" font_weight="bold" color="0xff0000ff">
      <p>Bonjour ${Nom}</p>
      <p>Ligne 2</p>
    </Object-text>
    <Object-box x="1mm" y="1mm" w="5mm" h="5mm" line_width="1pt" line_color="0x000000ff"/>
    <Object-ellipse x="20.5mm" y="2mm" w="10mm" h="6mm" line_width="0.5mm" line_color="0x0000ffff" fill_color="0xffff00ff"/>
    <Object-line x="2mm" y="30mm" dx="20mm" dy="-5mm" line_width="0.3mm" line_color="0xff0000ff"/>
    <Object-image x="40mm" y="20mm" w="10mm" h="10mm" src="logo.png"/>
    <Object-barcode x="10mm" y="20mm" w="30mm" h="12mm" style="ean13" text="True" color="0x000000ff" data="4006381333931"/>
    <Object-barcode x="1mm" y="1mm" w="9mm" h="3mm" style="postnet" data="12345"/>
    <Object-text x="30mm" y="30mm" w="20mm" h="5mm" font_family="Tahoma" font_size="8.5" a0="0" a1="1" a2="-1" a3="0" shadow="True"><p>Tourné</p></Object-text>
  </Objects>
  <Merge type="Text/Comma/Line1Keys" src="adresses.csv"/>
  <Data><Png name="logo.png">PICTURE</Png></Data>
</Glabels-document>
)";

/// A two-pixel picture, red then green: as GdkPixdata (raw RGB rows) or as PNG.
static QByteArray picture(bool pixdata)
{
    if (!pixdata) {
        QImage image(2, 1, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(255, 0, 0));
        image.setPixel(1, 0, qRgb(0, 255, 0));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return png.toBase64();
    }
    QByteArray data(24, '\0');
    const quint32 header[] = {0x47646b50, 30, 0x01010001, 6, 2, 1};
    for (int i = 0; i < 6; ++i)
        qToBigEndian(header[i], data.data() + 4 * i);
    return (data + QByteArray::fromHex("ff000000ff00")).toBase64();
}

QByteArray gzipped(const QByteArray& bytes)
{
    QProcess gzip;
    gzip.start(QStandardPaths::findExecutable(QStringLiteral("gzip")), {QStringLiteral("-c")});
    gzip.write(bytes);
    gzip.closeWriteChannel();
    gzip.waitForFinished();
    return gzip.readAllStandardOutput();
}


QByteArray glabelsSample(int version)
{
    return QByteArray(version == 3 ? kGlabels3 : kGlabels4)
        .replace("TEMPLATE", kGlabelsTemplate)
        .replace("PICTURE", picture(version == 3));
}

}  // namespace plk::test
