#pragma once
// The design surface of one tab: the whole state of the tab (size, background,
// border, text objects, logos, selection, print settings) and every operation on it.
// It has no widget: the canvas is a persistent picture, objects are records, and the
// view (a widget elsewhere) shows them and hands the pointer events back in.
// Positions and sizes are millimetres within the canvas.

#include "base/core/Records.h"
#include "base/core/RegionalFormat.h"
#include "canvas/core/ImageSurface.h"

#include <QObject>
#include <QRectF>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace plk {

class ColorGradient;

/// An operation asked for something the tab cannot do (the message is for the user).
class EtiquetteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Etiquette : public QObject {
    Q_OBJECT

public:
    static constexpr double kDefaultSizeMm = 50.0;

    /// The selection frame: where it is, whether it shows, and the kind of object it
    /// was last fitted to ("LABEL", "LOGO" or empty after a deletion or a reset).
    struct Frame {
        QRectF rect;
        bool visible = false;
        QString kind;
    };

    struct LogoElement : LogoObject {
        QImage picture;
    };

    explicit Etiquette(QObject* parent = nullptr);
    ~Etiquette() override;

    // --- the tab's stored state -------------------------------------------------
    QString NameProjet;
    bool Bordure = false;
    bool Cadenas = false;
    bool DepRegle = false;
    bool CD_Disque = false;
    bool CD_Pochette = false;
    std::int16_t TypeFond = 0;
    QString Chemin_Image;
    std::int16_t gradAngle = 0;
    OleColor gradColor1 = 0;
    OleColor gradColor2 = 0;
    OleColor gradColor3 = 0;
    std::int16_t IDlabel = 0;
    std::int16_t IDlogo = 0;
    PrintSettings print;
    std::int16_t Resolution = 0;  // print-quality code of the chosen quality; not stored
    QString PrinterName;          // the printer chosen in the print set-up; not stored

    // --- editing state ------------------------------------------------------------
    std::int16_t LabelFocus = -1;
    std::int16_t LogoFocus = -1;
    std::int16_t ObjetTop = 0;
    std::int16_t ObjetLeft = 0;
    // Font of the text object last selected or styled, for the tool box.
    QString FontName = kDefaultFontName;
    std::int16_t FontSize = std::int16_t(kDefaultFontSize);
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikethru = false;
    OleColor FontColor = kColorButtonText;

    // --- properties -----------------------------------------------------------------
    double prjWidth() const { return m_width; }
    void setPrjWidth(double mm);
    double prjHeight() const { return m_height; }
    void setPrjHeight(double mm);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor colour);
    OleColor BorderColor() const { return m_borderColor; }
    void setBorderColor(OleColor colour) { m_borderColor = colour; }
    std::int16_t DrawStyle() const { return m_drawStyle; }
    void setDrawStyle(std::int16_t style) { m_drawStyle = style; }

    // --- the tab as a whole -------------------------------------------------------
    void NewProjet(const QString& name, double width, double height, OleColor backColor, OleColor borderColor,
                   bool cadenas, bool depRegle, bool bordure);
    /// Records of one kind in file form: 1 PROJET, 2 LABEL, 3 LOGO, 4 FOND, 5 PRINT.
    QString RecupererObjet(int kind, const RegionalFormat& format = RegionalFormat::system());

    // --- background -----------------------------------------------------------------
    void pctDefaut();
    void pctFond(OleColor colour);
    /// Throws EtiquetteError when the file exists but is not a readable picture.
    void pctPicture(const QString& path);
    void pctDegrade(int direction, OleColor colour1, OleColor colour2, OleColor colour3);
    /// Repaints the current background (and border and guides).
    void Refresh();
    /// The canvas's size as text, "W x H Mm", from its whole-pixel size.
    QString DimProjet(const RegionalFormat& format = RegionalFormat::system()) const;
    /// The composed picture of the tab; with backgroundOnly, without the objects.
    QImage Picture(bool backgroundOnly = false) const;
    /// The canvas as drawn now: background, border and guides.
    const QImage& canvasImage() const { return m_canvas.image(); }
    /// Canvas size in twips as asked for (single precision, as the window system takes it).
    QSizeF canvasTwips() const;

    // --- text objects -----------------------------------------------------------------
    void NewLabel(double top = 0, double left = 0);
    QString Caption(int index, const QString& text = QString());
    void FontStyle(int index, const QString& fontName, int size, bool bold, bool italic, bool underline,
                   bool strikethru);
    void FontStyle2(int index, int style, bool value);
    void FontCouleur(int index, OleColor colour);

    // --- logos ------------------------------------------------------------------------
    void NewLogo(double top = 0, double left = 0);
    QString Image(int index, const QString& path, bool readOnly = false);
    /// Sets the size, but only while a logo is the selected kind.
    void DimensionLogo(int index, double width, double height);
    /// Sets the size whatever is selected (used by loading and pasting).
    void SizeLogo(int index, double width, double height);

    QVariant ProprietesObjet(const QString& kind, int index, const QString& property) const;

    // --- selection, moving, alignment -----------------------------------------------
    void PositionObjet(int index, double top, double left);
    void AlignObjet(int index, int mode);
    void DelLabel();
    void DelLogo();
    void ResetFocus();
    void UnloadObjet(std::int16_t& labelCount, std::int16_t& logoCount);

    // --- object clipboard -----------------------------------------------------------
    void Copier(int index, const RegionalFormat& format = RegionalFormat::system());
    void Coller(const RegionalFormat& format = RegionalFormat::system());

    // --- pointer input from the view (coordinates in mm; on an object, relative to
    //     the object's top-left corner, as the drag keeps the grab point under the pointer)
    enum class ObjectKind { Label, Logo };
    void objectMouseDown(ObjectKind kind, int index, int button, int shift, double x, double y);
    void objectMouseMove(ObjectKind kind, int index, int buttons, double x, double y);
    void objectClick(ObjectKind kind, int index);
    void objectDoubleClick(ObjectKind kind, int index);
    void backgroundMouseDown(int button, int shift, double x, double y);
    void backgroundMouseMove(double x, double y);
    void backgroundClick();

    // --- what the view draws ------------------------------------------------------------
    int labelCount() const { return int(m_labels.size()); }
    int logoCount() const { return int(m_logos.size()); }
    const TextObject& label(int index) const { return m_labels.at(std::size_t(index - 1)); }
    const LogoElement& logo(int index) const { return m_logos.at(std::size_t(index - 1)); }
    /// The rectangle a text object takes (its text in its font, auto-sized), in mm.
    QRectF labelRect(int index) const;
    QRectF logoRect(int index) const;
    QFont labelFont(int index) const;
    const Frame& frame() const { return m_frame; }
    /// Front-to-back paint order: logos first (back-most first), then texts.
    const std::vector<int>& logoOrder() const { return m_logoOrder; }
    const std::vector<int>& labelOrder() const { return m_labelOrder; }

Q_SIGNALS:
    void LabelMouseDown(int index, int button, int shift, float x, float y);
    void LabelClick(int index, int top, int left);
    void LabelDblClick(int index);
    void LogoMouseDown(int index, int button, int shift, float x, float y);
    void LogoClick(int index, int top, int left, int width, int height);
    void LogoDblClick(int index);
    void ProjetMouseMove(float x, float y);
    void FondMouseDown(int button, int shift, float x, float y);
    void FondClick();
    /// Something the view shows has changed.
    void changed();
    /// The canvas size changed (the view lays itself out again).
    void sizeChanged();

private:
    TextObject& labelAt(int index);
    LogoElement& logoAt(int index);
    bool hasLabel(int index) const { return index >= 1 && index <= labelCount(); }
    bool hasLogo(int index) const { return index >= 1 && index <= logoCount(); }
    QRectF selectedRect(int index) const;
    void fitFrame(const QRectF& objectRect);
    void fitFrameToLabel(int index);
    void fitFrameToLogo(int index);
    void selectLabel(int index);
    void selectLogo(int index);
    void moveObject(bool isLabel, int index, double top, double left);
    void bringLabelToFront(int index);
    void sendLogoToBack(int index);
    void copyFontToMirror(const TextObject& object);
    void resizeCanvas();
    void beginBackground();
    void endBackground(std::int16_t kind);
    static std::int16_t nextSlot(std::int16_t count);

    double m_width = kDefaultSizeMm;
    double m_height = kDefaultSizeMm;
    OleColor m_backColor = kColorWindowBackground;
    OleColor m_borderColor = kColorWindowFrame;
    std::int16_t m_drawStyle = 0;

    ImageSurface m_canvas;
    std::unique_ptr<ColorGradient> m_gradient;  // made on first use, kept for the tab's life
    std::vector<TextObject> m_labels;
    std::vector<LogoElement> m_logos;
    std::vector<int> m_labelOrder;
    std::vector<int> m_logoOrder;
    Frame m_frame;
    QPointF m_grab;
};

}  // namespace plk
