#pragma once
// The kinds of object a tab holds: texts, logos and codes. Each is its plain record
// data (Records.h, CodeObject.h) with what the tab asks of every object (TabObject.h):
// a new kind is one more class here, its record's reader in ObjectRecords and its page
// in the tool box.

#include "barcode/core/BarcodeSymbol.h"
#include "barcode/core/ModulePicture.h"
#include "barcode/core/CodeObject.h"
#include "base/core/Records.h"
#include "canvas/core/TabObject.h"
#include "canvas/core/TextBox.h"

#include <QFont>
#include <QImage>
#include <optional>

namespace plk {

/// What every kind does alike with the fields its record data has in common.
template <typename Data, ObjectKind Kind>
class ObjectOf : public TabObject, public Data {
public:
    static constexpr ObjectKind kKind = Kind;
    ObjectKind kind() const override { return Kind; }
    bool visible() const override { return this->Visible; }
    void setVisible(bool shown) override { this->Visible = shown; }
    QPointF corner() const override { return {this->Left, this->Top}; }
    void moveTo(double top, double left) override
    {
        this->Top = decltype(Data::Top)(top);
        this->Left = decltype(Data::Left)(left);
    }
};

class TextElement final : public ObjectOf<TextObject, ObjectKind::Label> {
public:
    QString keyword() const override { return QStringLiteral("LABEL"); }
    QString record(const RegionalFormat& format) const override;
    QRectF rect(const RowValues& shown) const override;
    void paint(Surface& surface, QPointF at, const RowValues& row) const override;
    void paintOnCanvas(QPainter& painter, const QRectF& target, const RowValues& shown) const override;
    Stacking stacking() const override { return Stacking::Front; }

    /// The font it is drawn in, everywhere.
    QFont font() const;
    /// Its box's lines filled from `row`, laid out (only for a text with a box).
    TextBoxLayout boxLayout(const RowValues& row) const;

    /// A text in a box holds several lines; without one it is one line, sized to it.
    std::optional<TextBox> box;
};

class LogoElement final : public ObjectOf<LogoObject, ObjectKind::Logo> {
public:
    QString keyword() const override { return QStringLiteral("LOGO"); }
    QString record(const RegionalFormat& format) const override;
    QRectF rect(const RowValues&) const override { return {Left, Top, Width, Height}; }
    void paint(Surface& surface, QPointF at, const RowValues& row) const override;
    void paintOnCanvas(QPainter& painter, const QRectF& target, const RowValues& shown) const override;
    Stacking stacking() const override { return Stacking::Back; }

    /// Takes its picture's own size.
    void takeOwnSize();
    /// Gives a sized logo the picture its size needs (a much larger one is kept reduced).
    void fitPicture();
    /// Whether it shows the picture a row names rather than its own.
    bool takesRowPicture(const RowValues& row) const { return !pictureField.isEmpty() && row.table(); }
    /// The picture the file named by the row's value of `pictureField` holds; none when
    /// the value is blank or names no readable picture (the label goes without it).
    QImage rowPicture(const RowValues& row) const;

    QImage picture;
    /// The data file's field whose value names each label's picture file; empty: the
    /// logo's own picture on every label.
    QString pictureField;
};

/// A code with its data encoded once, when it was checked: drawing does not encode it again.
class CodeElement final : public ObjectOf<CodeObject, ObjectKind::Code> {
public:
    QString keyword() const override { return kCodeKeyword; }
    QString record(const RegionalFormat& format) const override;
    using CodeObject::rect;
    QRectF rect(const RowValues&) const override { return CodeObject::rect(); }
    void paint(Surface& surface, QPointF at, const RowValues& row) const override;
    /// A code with markers shows them in a hatched frame until a row's values are
    /// shown, and shows the values that it cannot carry so.
    void paintOnCanvas(QPainter& painter, const QRectF& target, const RowValues& shown) const override;
    Stacking stacking() const override { return Stacking::Stays; }

    /// The data it carries when drawn for `row` (its markers filled with the row's values).
    QString data(const RowValues& row) const { return row.fill(Data); }
    /// Draws it for `row` into `target`, crisp on pictures and as vectors on pages;
    /// false when its data cannot be encoded.
    bool paintCode(QPainter& painter, const QRectF& target, const RowValues& row) const;

    BarcodeEncoding encoded;

private:
    /// Drawing's memory, not the code's state: the picture a PDF document stores once.
    mutable ModulePictures m_pictures;
};

}  // namespace plk
