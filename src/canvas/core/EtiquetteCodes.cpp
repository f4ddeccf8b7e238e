// The tab's codes: barcodes and QR codes in slots of their own, beside the texts and
// logos and drawn over them.

#include "canvas/core/Etiquette.h"

#include "barcode/core/BarcodeData.h"
#include "barcode/core/BarcodePainter.h"
#include "merge/core/FieldMarkers.h"

namespace plk {

namespace {

constexpr std::size_t kMaxCodes = 32767;

/// The values with their data in the one form codes keep (line breaks as "\n") and
/// encoded, or the reason they cannot make a code.
Etiquette::CodeElement checkedCode(const CodeObject& values)
{
    Etiquette::CodeElement code;
    static_cast<CodeObject&>(code) = values;
    code.Data = normalisedBarcodeData(values.Data);
    if (!(code.Width > 0 && code.Width <= kMaxCodeSize && code.Height > 0 && code.Height <= kMaxCodeSize))
        throw EtiquetteError("Un code mesure de 1 à 1000 millimètres de côté.");
    code.encoded = encodeBarcode(code.Kind, code.Data, code.ShowText);
    // Data with markers takes each row's values, and is checked with them before an output.
    if (!code.encoded.ok() && fieldMarkers(code.Data).isEmpty())
        throw EtiquetteError(code.encoded.error.toStdString());
    return code;
}

/// Throws when the visible codes would carry more data than a tab holds.
void checkTotalData(const std::vector<Etiquette::CodeElement>& codes, const CodeObject* replaced,
                    const CodeObject& added)
{
    qsizetype total = added.Data.size();
    for (const CodeObject& c : codes)
        if (c.Visible && &c != replaced)
            total += c.Data.size();
    if (total > Etiquette::kMaxTabCodeData)
        throw EtiquetteError(QStringLiteral("Les codes d'un onglet portent au plus %1 caractères de données en tout.")
                                 .arg(Etiquette::kMaxTabCodeData)
                                 .toStdString());
}

}  // namespace

void Etiquette::NewCode(const CodeObject& values)
{
    if (m_codes.size() >= kMaxCodes)
        throw EtiquetteError("Nombre maximal d'objets atteint sur cet onglet.");
    CodeElement code = checkedCode(values);
    checkTotalData(m_codes, nullptr, code);
    code.Visible = true;
    m_codes.push_back(std::move(code));
    notify(Change::Objects);
}

void Etiquette::SetCode(int index, const CodeObject& values)
{
    if (!hasCode(index))
        return;
    CodeElement checked = checkedCode(values);
    CodeElement& code = m_codes.at(std::size_t(index - 1));
    checkTotalData(m_codes, &code, checked);
    code.Kind = checked.Kind;
    code.Data = checked.Data;
    code.Width = checked.Width;
    code.Height = checked.Height;
    code.ForeColor = checked.ForeColor;
    code.ShowText = checked.ShowText;
    code.encoded = std::move(checked.encoded);
    Changes what = Change::Objects;
    if (m_codeFocus == index && m_frame.kind == kCodeKeyword) {
        fitFrame(codeRect(index));
        what |= Change::Selection;
    }
    notify(what);
}

QString Etiquette::codeData(int index, const RowValues& row) const { return row.fill(code(index).Data); }

bool paintTabCode(QPainter& painter, const QRectF& target, const Etiquette& tab, int index, const RowValues& row)
{
    const Etiquette::CodeElement& c = tab.code(index);
    const QString data = tab.codeData(index, row);
    // The encoding kept is that of the code's own data.
    const BarcodeEncoding* encoded = data == c.Data ? &c.encoded : nullptr;
    return paintBarcode(painter, target, c.Kind, data, c.ShowText, toQColor(c.ForeColor), encoded);
}

void paintCanvasCode(QPainter& painter, const QRectF& target, const Etiquette& tab, int index, const RowValues& row)
{
    const Etiquette::CodeElement& c = tab.code(index);
    // Until a row is shown, the data of a code with markers is not known yet.
    const bool markers = !fieldMarkers(c.Data).isEmpty();
    if (markers && row.empty())
        paintCodeMarkers(painter, target, c.Data, toQColor(c.ForeColor));
    else if (!paintTabCode(painter, target, tab, index, row))
        paintCodeMarkers(painter, target, tab.codeData(index, row), toQColor(c.ForeColor));
}

QRectF Etiquette::codeRect(int index) const { return code(index).rect(); }

}  // namespace plk
