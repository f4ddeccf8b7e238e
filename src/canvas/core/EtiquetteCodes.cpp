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
CodeElement checkedCode(const CodeObject& values)
{
    CodeElement code;
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
void checkTotalData(const Etiquette& tab, const CodeObject* replaced, const CodeObject& added)
{
    qsizetype total = added.Data.size();
    for (int i = 1; i <= tab.codeCount(); ++i)
        if (const CodeObject& c = tab.code(i); c.Visible && &c != replaced)
            total += c.Data.size();
    if (total > Etiquette::kMaxTabCodeData)
        throw EtiquetteError(QStringLiteral("Les codes d'un onglet portent au plus %1 caractères de données en tout.")
                                 .arg(Etiquette::kMaxTabCodeData)
                                 .toStdString());
}

}  // namespace

void Etiquette::NewCode(const CodeObject& values)
{
    if (std::size_t(codeCount()) >= kMaxCodes)
        throw EtiquetteError("Nombre maximal d'objets atteint sur cet onglet.");
    auto code = std::make_unique<CodeElement>(checkedCode(values));
    checkTotalData(*this, nullptr, *code);
    code->Visible = true;
    append(std::move(code));
    notify(Change::Objects);
}

void Etiquette::SetCode(int index, const CodeObject& values)
{
    if (!hasCode(index))
        return;
    CodeElement checked = checkedCode(values);
    CodeElement& code = codeAt(index);
    checkTotalData(*this, &code, checked);
    code.Kind = checked.Kind;
    code.Data = checked.Data;
    code.Width = checked.Width;
    code.Height = checked.Height;
    code.ForeColor = checked.ForeColor;
    code.ShowText = checked.ShowText;
    code.encoded = std::move(checked.encoded);
    Changes what = Change::Objects;
    if (CodeFocus() == index && m_frame.kind == kCodeKeyword) {
        fitFrame(codeRect(index));
        what |= Change::Selection;
    }
    notify(what);
}

}  // namespace plk
