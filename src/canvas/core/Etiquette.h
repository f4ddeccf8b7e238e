#pragma once
// The design surface of one tab: the whole state of the tab (size, background,
// border, text objects, logos, codes, selection, print settings) and every operation on it.
// It has no widget: the canvas is a picture painted when it is first shown after a
// change, objects are records, and the view (a widget elsewhere) shows them and hands
// the pointer events back in. Positions and sizes are millimetres within the canvas,
// kept within the bounds the project file takes (see ValueReader.h).

#include "base/core/Records.h"
#include "base/core/RegionalFormat.h"
#include "canvas/core/ImageSurface.h"
#include "canvas/core/TabElements.h"
#include "merge/core/MergeSettings.h"
#include "merge/core/RowValues.h"

#include <QObject>
#include <QRectF>
#include <QVariant>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace plk {

class ColorGradient;

/// An operation asked for something the tab cannot do (the message is for the user).
class EtiquetteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Listening to a tab: `changed(what)` is emitted once an operation or a setter has
/// changed the tab's state, with the kinds of state it touched, after the canvas
/// picture was repainted to match and before the event of the same action (LabelClick,
/// FondClick, ...). Setters emit only when the value really changes; an operation
/// emits once. Listeners read the tab and never change it from the signal: the view
/// repaints (and lays itself out on Geometry), the project window shows the size in
/// the status bar, the tool box refills its fields. Changes made under a `Batch` reach
/// the listeners as one `changed` when the outermost batch ends: reading a tab from a
/// file, NewProjet, a pasted object are each one change.
/// The canvas picture is made when it is asked for (the tab is shown) and kept until
/// the next change; a tab only read, converted or printed never holds one: `Picture`
/// paints into the snapshot it returns.
/// Writing the PRINT record turns its zero counts into 1, which is a Print change.
class Etiquette : public QObject {
    Q_OBJECT

public:
    static constexpr double kDefaultSizeMm = 50.0;

    /// What a change touched (several may come together in one `changed`).
    enum class Change {
        /// The tab's size, prjWidth and prjHeight, hence the canvas's size.
        Geometry = 1 << 0,
        /// What the canvas picture shows under the objects: the background (TypeFond,
        /// BackColor, Chemin_Image, the gradient), the border (Bordure, BorderColor,
        /// DrawStyle) and the CD guides (CD_Disque, CD_Pochette).
        Background = 1 << 1,
        /// Text objects, logos and codes (created, removed, moved, resized, restyled,
        /// their text, picture or data), IDlabel, IDlogo, ObjetTop and ObjetLeft.
        Objects = 1 << 2,
        /// LabelFocus, LogoFocus, CodeFocus, the selection frame, the paint order (a selected
        /// text comes to the front, a selected logo goes to the back) and the font mirror.
        Selection = 1 << 3,
        /// The print settings, Resolution, PrinterName and the mail-merge settings.
        Print = 1 << 4,
        /// NameProjet, Cadenas, DepRegle and the chosen data row.
        Settings = 1 << 5,
    };
    Q_DECLARE_FLAGS(Changes, Change)
    Q_FLAG(Changes)

    /// Holds `changed` back while it lives (batches nest): what changes meanwhile is
    /// announced in one `changed` when the outermost batch ends, and the background
    /// asked for meanwhile (by a size, border or guide change, or Refresh) is checked
    /// once then. A background picture that can no longer be read then leaves the plain
    /// canvas.
    class Batch {
    public:
        explicit Batch(Etiquette& tab);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Etiquette& m_tab;
    };

    /// The selection frame: where it is, whether it shows, and the kind of object it
    /// was last fitted to ("LABEL", "LOGO", "CODE" or empty after a deletion or a reset).
    struct Frame {
        QRectF rect;
        bool visible = false;
        QString kind;
    };

    using ObjectKind = plk::ObjectKind;
    using LogoElement = plk::LogoElement;
    using CodeElement = plk::CodeElement;
    /// Every object of the tab, visible or deleted, in the canvas's order from the back.
    using ObjectList = std::vector<std::unique_ptr<TabObject>>;

    explicit Etiquette(QObject* parent = nullptr);
    ~Etiquette() override;

    // --- the tab's stored state -------------------------------------------------
    // Setters that change what the canvas shows repaint it (through Refresh, so an
    // unreadable background picture throws EtiquetteError outside a batch).
    const QString& NameProjet() const { return m_nameProjet; }
    /// The title its printed and exported documents carry: the project's name, or the
    /// program's when it has none.
    QString documentTitle() const { return m_nameProjet.isEmpty() ? QStringLiteral("Plakatorium") : m_nameProjet; }
    /// Stored without "|" and line breaks, so the file reads back.
    void setNameProjet(const QString& name);
    double prjWidth() const { return m_width; }
    void setPrjWidth(double mm);
    double prjHeight() const { return m_height; }
    void setPrjHeight(double mm);
    OleColor BackColor() const { return m_backColor; }
    /// Clears the canvas to the colour; the background kind stays.
    void setBackColor(OleColor colour);
    OleColor BorderColor() const { return m_borderColor; }
    void setBorderColor(OleColor colour);
    std::int16_t DrawStyle() const { return m_drawStyle; }
    void setDrawStyle(std::int16_t style);
    bool Bordure() const { return m_bordure; }
    void setBordure(bool on);
    bool Cadenas() const { return m_cadenas; }
    void setCadenas(bool locked);
    bool DepRegle() const { return m_depRegle; }
    void setDepRegle(bool movable);
    bool CD_Disque() const { return m_cdDisque; }
    void setCD_Disque(bool shown);
    bool CD_Pochette() const { return m_cdPochette; }
    void setCD_Pochette(bool shown);
    // The background is chosen through pctDefaut, pctFond, pctPicture and pctDegrade.
    std::int16_t TypeFond() const { return m_typeFond; }
    const QString& Chemin_Image() const { return m_cheminImage; }
    /// The picture of the background file as it was when chosen (shared with every
    /// other user of the file): what the tab shows should the file go away.
    const QImage& backgroundPicture() const { return m_backgroundPicture; }
    std::int16_t gradAngle() const { return m_gradAngle; }
    OleColor gradColor1() const { return m_gradColor1; }
    OleColor gradColor2() const { return m_gradColor2; }
    OleColor gradColor3() const { return m_gradColor3; }
    /// Slots taken by text objects and logos (NewLabel, NewLogo, UnloadObjet).
    std::int16_t IDlabel() const { return m_idLabel; }
    void setIDlabel(std::int16_t count);
    std::int16_t IDlogo() const { return m_idLogo; }
    const PrintSettings& print() const { return m_print; }
    void setPrint(const PrintSettings& settings);
    /// Print-quality code of the chosen quality; not stored.
    std::int16_t Resolution() const { return m_resolution; }
    void setResolution(std::int16_t code);
    /// The printer chosen in the print set-up; not stored.
    const QString& PrinterName() const { return m_printerName; }
    void setPrinterName(const QString& name);
    /// The tab's data file and the label its first row goes to; stored.
    const MergeSettings& mergeSettings() const { return m_merge; }
    void setMergeSettings(const MergeSettings& settings);
    /// The data row (from 0) that the canvas shows, and an export takes; not stored.
    int dataRow() const { return m_dataRow; }
    void setDataRow(int row);
    /// The row whose values the canvas shows in place of the markers; empty while
    /// the canvas shows the texts as typed. The tab keeps the table alive.
    RowValues shownValues() const { return RowValues(m_shownTable.get(), m_shownTable ? m_dataRow : -1); }
    void showValues(std::shared_ptr<const DataTable> table);

    // --- editing state ------------------------------------------------------------
    /// The slot of the selected object when it is of the kind, else -1: a tab selects
    /// one object at most, whatever its kind.
    std::int16_t focus(ObjectKind kind) const { return m_focus.kind == kind ? m_focus.slot : -1; }
    /// Makes slot `index` of the kind the selected one (-1: none of the kind); the
    /// frame stays as it is.
    void setFocus(ObjectKind kind, std::int16_t index);
    std::int16_t LabelFocus() const { return focus(ObjectKind::Label); }
    void setLabelFocus(std::int16_t index) { setFocus(ObjectKind::Label, index); }
    std::int16_t LogoFocus() const { return focus(ObjectKind::Logo); }
    void setLogoFocus(std::int16_t index) { setFocus(ObjectKind::Logo, index); }
    /// Where AlignObjet last put an object, in whole millimetres.
    std::int16_t ObjetTop() const { return m_objetTop; }
    std::int16_t ObjetLeft() const { return m_objetLeft; }
    // Font of the text object last selected or styled, for the tool box.
    const QString& FontName() const { return m_fontName; }
    std::int16_t FontSize() const { return m_fontSize; }
    bool FontBold() const { return m_fontBold; }
    bool FontItalic() const { return m_fontItalic; }
    bool FontUnderline() const { return m_fontUnderline; }
    bool FontStrikethru() const { return m_fontStrikethru; }
    OleColor FontColor() const { return m_fontColor; }

    // --- the tab as a whole -------------------------------------------------------
    void NewProjet(const QString& name, double width, double height, OleColor backColor, OleColor borderColor,
                   bool cadenas, bool depRegle, bool bordure);
    /// Records of one kind in file form: 1 PROJET, 2 LABEL, 3 LOGO, 4 FOND, 5 PRINT,
    /// and kCodeRecords for the CODE records.
    QString RecupererObjet(int kind, const RegionalFormat& format = RegionalFormat::system());
    static constexpr int kCodeRecords = 6;

    // --- background -----------------------------------------------------------------
    void pctDefaut();
    void pctFond(OleColor colour);
    /// Throws EtiquetteError when the file exists but is not a readable picture.
    void pctPicture(const QString& path);
    void pctDegrade(int direction, OleColor colour1, OleColor colour2, OleColor colour3);
    /// Repaints the current background (and border and guides); inside a batch, once
    /// when it ends.
    void Refresh();
    /// The canvas's size as text, "W x H Mm", from its whole-pixel size.
    QString DimProjet(const RegionalFormat& format = RegionalFormat::system()) const;
    /// The composed picture of the tab; with backgroundOnly, without the objects. The
    /// texts are filled from `row` when one is given.
    QImage Picture(bool backgroundOnly = false, const RowValues& row = RowValues()) const;
    /// The canvas: background, border and guides, painted now if the tab changed since.
    const QImage& canvasImage() const;
    /// Whether the tab holds a canvas picture: only once it was shown.
    bool holdsCanvas() const { return !m_canvas.image().isNull(); }
    /// The canvas's size in whole pixels (without painting it).
    QSize canvasPixels() const;
    /// Canvas size in twips as asked for (single precision, as the window system takes it).
    QSizeF canvasTwips() const;

    // --- text objects -----------------------------------------------------------------
    void NewLabel(double top = 0, double left = 0);
    QString Caption(int index, const QString& text = QString());
    void FontStyle(int index, const QString& fontName, int size, bool bold, bool italic, bool underline,
                   bool strikethru);
    void FontStyle2(int index, int style, bool value);
    void FontCouleur(int index, OleColor colour);
    /// Text `index` as `change` leaves it (its box, its lines); the frame follows it
    /// when it is selected. Nothing else changes (the tool box's font stays).
    void changeText(int index, const std::function<void(TextElement&)>& change);

    // --- logos ------------------------------------------------------------------------
    void NewLogo(double top = 0, double left = 0);
    QString Image(int index, const QString& path, bool readOnly = false);
    /// Sets the size, but only while a logo is the selected kind.
    void DimensionLogo(int index, double width, double height);
    /// Sets the size whatever is selected (used by loading and pasting).
    void SizeLogo(int index, double width, double height);
    /// Has logo `index` show on each label the picture its row's value of `field`
    /// names (empty: its own picture everywhere).
    void setLogoPictureField(int index, const QString& field);

    // --- codes ------------------------------------------------------------------------
    /// The data of a tab's visible codes together: encoding takes time (tens of
    /// milliseconds for a large QR code), and a tab, read from any file, is drawn at once.
    static constexpr qsizetype kMaxTabCodeData = 20000;
    /// Adds a code in the next slot (codes have slots of their own, from 1 in order of
    /// creation) with the kind, data, place, size, colour and text of `code`. Throws
    /// EtiquetteError with the reason when the data does not fit the kind or the tab
    /// would hold more than kMaxTabCodeData characters of code data; nothing is added then.
    void NewCode(const CodeObject& code);
    /// Gives code `index` the kind, data, size, colour and text shown of `values`; its
    /// place stays. Throws EtiquetteError with the reason when the data does not fit
    /// the kind, and the code stays as it was.
    void SetCode(int index, const CodeObject& values);
    /// Slots taken by codes; deleted ones stay hidden until the objects are unloaded.
    std::int16_t IDcode() const { return std::int16_t(codeCount()); }
    int codeCount() const { return count(ObjectKind::Code); }
    const CodeElement& code(int index) const { return element<CodeElement>(index); }
    /// The data code `index` carries when drawn for `row` (its markers filled with the
    /// row's values): the one place it is read from.
    QString codeData(int index, const RowValues& row = RowValues()) const { return code(index).data(row); }
    QRectF codeRect(int index) const { return code(index).rect(); }
    std::int16_t CodeFocus() const { return focus(ObjectKind::Code); }

    /// Turns the object to `degrees` anticlockwise (to the tenth, brought within 0 .. 359.9).
    void setObjectRotation(ObjectKind kind, int index, double degrees);

    /// Puts the object's corner exactly at `top`, `left` mm, fractions kept on sheets.
    void placeExactly(ObjectKind kind, int index, double top, double left);

    QVariant ProprietesObjet(const QString& kind, int index, const QString& property) const;

    // --- selection, moving, alignment -----------------------------------------------
    void PositionObjet(int index, double top, double left);
    void AlignObjet(int index, int mode);
    /// "Supprimer un objet": hides the selected object, whatever its kind.
    void deleteSelected();
    void DelLabel();
    void DelLogo();
    void ResetFocus();
    void UnloadObjet(std::int16_t& labelCount, std::int16_t& logoCount);

    // --- object clipboard -----------------------------------------------------------
    void Copier(int index, QString& clipboard, const RegionalFormat& format = RegionalFormat::system());
    void Coller(const QString& clipboard, const RegionalFormat& format = RegionalFormat::system());

    // --- objects of any kind -----------------------------------------------------------
    /// Takes the next slot of the kind (a text or a logo) for an object read from a
    /// record or pasted, placed at top and left as NewLabel and NewLogo place one, and
    /// has `fill` give it its fields; nothing else of the tab (the selection, the tool
    /// box's font) changes.
    void addObject(ObjectKind kind, double top, double left, const std::function<void(TabObject&)>& fill);
    /// Adds `object`, shown, in the next slot of its kind. Throws EtiquetteError when
    /// the kind has no slot left.
    void insertObject(std::unique_ptr<TabObject> object);
    /// Object `index` of the kind as `change` leaves it; the frame follows it when it
    /// is selected.
    void changeObject(ObjectKind kind, int index, const std::function<void(TabObject&)>& change);
    const ObjectList& objects() const { return m_objects; }
    /// Slots taken by the kind (deleted objects keep theirs).
    int objectCount(ObjectKind kind) const { return count(kind); }
    /// Object `index` of the element's kind, which must exist.
    template <typename Element>
    const Element& element(int index) const
    {
        return static_cast<const Element&>(*m_slots[std::size_t(Element::kKind)].at(std::size_t(index - 1)));
    }
    /// The records of the kind's visible objects, one a line, as the file holds them.
    QString objectRecords(ObjectKind kind, const RegionalFormat& format) const;
    /// The object in slot `index` of the kind, or none.
    const TabObject* object(ObjectKind kind, int index) const;
    /// The selected object, or none.
    const TabObject* selected() const;

    // --- pointer input from the view (coordinates in mm; on an object, relative to
    //     the object's top-left corner, as the drag keeps the grab point under the pointer)
    void objectPress(ObjectKind kind, int index, int button, int shift, double x, double y);
    void objectMouseMove(ObjectKind kind, int index, int buttons, double x, double y);
    void objectClick(ObjectKind kind, int index);
    void objectDoubleClick(ObjectKind kind, int index);
    void backgroundMouseDown(int button, int shift, double x, double y);
    void backgroundMouseMove(double x, double y);
    void backgroundClick();

    // --- what the view draws ------------------------------------------------------------
    int labelCount() const { return count(ObjectKind::Label); }
    int logoCount() const { return count(ObjectKind::Logo); }
    const TextElement& label(int index) const { return element<TextElement>(index); }
    const LogoElement& logo(int index) const { return element<LogoElement>(index); }
    /// The text the canvas shows for a text object: its caption, filled from the
    /// shown row when there is one, as one line (see RowValues::line).
    QString shownCaption(int index) const { return shownValues().line(label(index).Caption); }
    /// The rectangle a text object takes (its shown text in its font, auto-sized), in mm.
    QRectF labelRect(int index) const;
    QRectF logoRect(int index) const;
    QFont labelFont(int index) const { return label(index).font(); }
    /// The rectangle of an object of any kind.
    QRectF objectRect(ObjectKind kind, int index) const;
    const Frame& frame() const { return m_frame; }

Q_SIGNALS:
    void LabelMouseDown(int index, int button, int shift, float x, float y);
    void LabelClick(int index, int top, int left);
    void LabelDblClick(int index);
    void LogoMouseDown(int index, int button, int shift, float x, float y);
    void LogoClick(int index, int top, int left, int width, int height);
    void LogoDblClick(int index);
    /// Any object's pressing, selection and double click, after the text's or logo's
    /// own event when there is one: a window follows every kind through these.
    void objectMouseDown(plk::ObjectKind kind, int index, int button, int shift, float x, float y);
    void objectClicked(plk::ObjectKind kind, int index);
    void objectDoubleClicked(plk::ObjectKind kind, int index);
    void ProjetMouseMove(float x, float y);
    void FondMouseDown(int button, int shift, float x, float y);
    void FondClick();
    /// The tab's state changed (see the class's comment); `what` says which parts.
    void changed(plk::Etiquette::Changes what);

private:
    /// Records a change and announces what is pending unless a batch holds it back.
    void notify(Changes what);
    void endBatch();
    void replayBackground();
    int count(ObjectKind kind) const { return int(m_slots[std::size_t(kind)].size()); }
    template <typename Element>
    Element& elementAt(int index)
    {
        return const_cast<Element&>(element<Element>(index));
    }
    TextElement& labelAt(int index) { return elementAt<TextElement>(index); }
    LogoElement& logoAt(int index) { return elementAt<LogoElement>(index); }
    CodeElement& codeAt(int index) { return elementAt<CodeElement>(index); }
    TabObject* objectAt(ObjectKind kind, int index) { return const_cast<TabObject*>(object(kind, index)); }
    /// Takes the next slot of a text or logo: object 1 always exists and the first slot
    /// reuses it, moving it only when both top and left are given; later slots get a
    /// new object, at the default place unless both are given.
    TabObject& takeSlot(ObjectKind kind, std::int16_t& counter, double top, double left);
    /// Appends an object in the next slot of its kind.
    TabObject& append(std::unique_ptr<TabObject> object);
    /// Puts the object where its kind goes on the canvas when made or selected.
    void restack(const TabObject& object);
    bool hasLabel(int index) const { return index >= 1 && index <= labelCount(); }
    bool hasLogo(int index) const { return index >= 1 && index <= logoCount(); }
    bool hasCode(int index) const { return index >= 1 && index <= codeCount(); }
    bool hasObject(ObjectKind kind, int index) const;
    /// The kind of the object the frame was last fitted to.
    std::optional<ObjectKind> frameKind() const;
    /// The selected object when the frame names a kind and `index` is one of its objects.
    std::optional<ObjectKind> selectedObject(int index) const;
    void fitFrame(const QRectF& objectRect);
    void fitFrameToLabel(int index);
    void fitFrameToLogo(int index);
    /// Selects the object: the frame fitted to it shows with its kind, it goes where
    /// its kind stacks, and its selection is announced.
    void selectObject(ObjectKind kind, int index);
    void clearSelection();
    void moveObject(ObjectKind kind, int index, double top, double left);
    void copyFontToMirror(const TextObject& object);
    void resizeCanvas();
    void beginBackground();
    void endBackground(BackgroundKind kind);
    /// Paints the background, border and guides of the current state on the surface.
    void paintCanvas(ImageSurface& surface) const;
    /// Sets a value that the canvas shows, repainting it when the value changes.
    template <typename T>
    void setShown(T& member, T value);
    template <typename T>
    void setState(T& member, T value, Change what);

    QString m_nameProjet;
    double m_width = kDefaultSizeMm;
    double m_height = kDefaultSizeMm;
    OleColor m_backColor = kColorWindowBackground;
    OleColor m_borderColor = kColorWindowFrame;
    std::int16_t m_drawStyle = 0;
    bool m_bordure = false;
    bool m_cadenas = false;
    bool m_depRegle = false;
    bool m_cdDisque = false;
    bool m_cdPochette = false;
    std::int16_t m_typeFond = 0;
    QString m_cheminImage;
    QImage m_backgroundPicture;
    std::int16_t m_gradAngle = 0;
    OleColor m_gradColor1 = 0;
    OleColor m_gradColor2 = 0;
    OleColor m_gradColor3 = 0;
    std::int16_t m_idLabel = 0;
    std::int16_t m_idLogo = 0;
    PrintSettings m_print;
    std::int16_t m_resolution = 0;
    QString m_printerName;
    MergeSettings m_merge;
    int m_dataRow = 0;
    std::shared_ptr<const DataTable> m_shownTable;

    struct Focus {
        ObjectKind kind = ObjectKind::Label;
        std::int16_t slot = -1;
    };
    Focus m_focus;
    std::int16_t m_objetTop = 0;
    std::int16_t m_objetLeft = 0;
    QString m_fontName = kDefaultFontName;
    std::int16_t m_fontSize = std::int16_t(kDefaultFontSize);
    bool m_fontBold = false;
    bool m_fontItalic = false;
    bool m_fontUnderline = false;
    bool m_fontStrikethru = false;
    OleColor m_fontColor = kColorButtonText;

    mutable ImageSurface m_canvas;
    mutable bool m_canvasPainted = false;  // m_canvas shows the current state
    bool m_clearedOnly = false;            // the canvas was cleared and nothing painted since
    mutable std::unique_ptr<ColorGradient> m_gradient;  // made on first use, kept for the tab's life
    ObjectList m_objects;
    std::array<std::vector<TabObject*>, kObjectKinds> m_slots;  // each kind's objects by slot
    Frame m_frame;
    QPointF m_grab;

    int m_batchDepth = 0;
    Changes m_pending;
    bool m_repaintPending = false;  // a batch holds back a repaint of the canvas
};

}  // namespace plk

// At global scope, where Qt's own flag operators are, so that neither hides the other.
Q_DECLARE_OPERATORS_FOR_FLAGS(plk::Etiquette::Changes)
