#pragma once
// The font dialog of the program: a family, one of the four styles and a size, and,
// when asked for, the effects (strikethrough, underline, colour), with a preview.
// Every family offers all four styles: a family without an italic or bold face is
// drawn slanted or thickened, so the choice is never dropped on the way.

#include <QColor>
#include <QDialog>
#include <QFont>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace plk {

class FontChooser : public QDialog {
    Q_OBJECT

public:
    /// Styles in the order of the list.
    enum Style { Normal, Italique, Gras, GrasItalique };

    /// With a colour, the effects are shown and start at it.
    FontChooser(const QFont& initial, std::optional<QColor> colour, QWidget* parent = nullptr);

    QFont selectedFont() const;
    QColor selectedColour() const { return m_colour; }
    void setColour(const QColor& colour);

    QComboBox* familyBox() const { return m_family; }
    QComboBox* styleBox() const { return m_style; }
    QSpinBox* sizeBox() const { return m_size; }
    QGroupBox* effects() const { return m_effects; }
    QCheckBox* strikeOutBox() const { return m_strikeOut; }
    QCheckBox* underlineBox() const { return m_underline; }
    QPushButton* colourButton() const { return m_colourButton; }
    QLabel* preview() const { return m_preview; }

private:
    void updatePreview();

    QFont m_initial;
    bool m_withEffects;
    QColor m_colour;
    QComboBox* m_family;
    QComboBox* m_style;
    QSpinBox* m_size;
    QGroupBox* m_effects;
    QCheckBox* m_strikeOut;
    QCheckBox* m_underline;
    QPushButton* m_colourButton;
    QLabel* m_preview;
};

}  // namespace plk
