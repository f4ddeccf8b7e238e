#pragma once
// A barcode or QR code placed on a tab, and its CODE record, the same for the
// project file and the object clipboard:
//   CODE|kind|data|Top|Left|Width|Height|ForeColor|ShowText
// Lengths are reals in millimetres in the regional form, the colour a signed
// integer, ShowText a regional boolean. In the data a backslash is written "\\",
// a "|" "\p", a line break "\n" and another control character but the tab "\x"
// and two hexadecimal digits ("\x1D"), so any text fits on one line.

#include "barcode/core/BarcodeKind.h"
#include "base/core/Colors.h"
#include "base/core/Records.h"
#include "base/core/RegionalFormat.h"

#include <QRectF>
#include <QStringList>

namespace plk {

inline const QString kCodeKeyword = QStringLiteral("CODE");
/// Codes keep to this size, so a box always fits a sheet's drawing ranges.
inline constexpr double kMaxCodeSize = 1000.0;  // mm

struct CodeObject {
    BarcodeKind Kind = BarcodeKind::QR;
    QString Data;
    double Top = kDefaultObjectPosition;
    double Left = kDefaultObjectPosition;
    double Width = 0;
    double Height = 0;
    OleColor ForeColor = 0;  // black: a code must stand out from a light background
    bool ShowText = true;
    bool Visible = false;

    QRectF rect() const { return {Left, Top, Width, Height}; }
};

/// The size a new code of the kind starts with, in mm: square for QR and Data Matrix,
/// wide for PDF417 and the linear kinds.
QSizeF defaultCodeSize(BarcodeKind kind);
/// The code "Ajouter un code-barres" places: a QR code of a sample web address at
/// its default size and place, for the user to give it its own data.
CodeObject newCodeObject();

QString escapeCodeData(const QString& data);
/// Throws FormatError on a backslash followed by anything but "\", "p", "n" or "x" and
/// the two hexadecimal digits of a control character; the message names `what` holds it.
QString unescapeCodeData(const QString& field, const char* what = "les données du code");

QString codeRecord(const CodeObject& code, const RegionalFormat& format);
/// The code a CODE record describes. Throws FormatError, with a French reason, on a
/// missing field, a value that does not convert, an unknown kind or a size outside
/// 0..1000 mm. Its data is checked by the tab it goes to, which knows whether its
/// markers are filled from a data file.
CodeObject codeFromRecord(const QStringList& fields, const RegionalFormat& format);

}  // namespace plk
