#pragma once
// The tool box's "Zone de texte :" group on the TEXTE page: ticked, the selected text
// lies in a box (its size, its alignment across and down, its line spacing, and
// "Ajuster à la zone" with the smallest size the text may take); unticked, it is one
// line. It shows a text's box and tells when the user changed it.

#include "canvas/core/TextBox.h"
#include "windows/ui/FormParts.h"

#include <QGroupBox>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace plk {

class TextBoxPanel final : public QGroupBox {
    Q_OBJECT

public:
    explicit TextBoxPanel(QWidget* parent = nullptr);

    /// Shows a text's box, unticked for none, without `edited`.
    void showBox(const std::optional<TextBox>& box);
    /// The box the fields show; none when unticked.
    std::optional<TextBox> box() const;

    TxtBox* widthField() const { return m_width.box; }
    TxtBox* heightField() const { return m_height.box; }
    /// 0 "À gauche", 1 "Centré", 2 "À droite", 3 "Justifié".
    QComboBox* alignList() const { return m_align; }
    /// 0 "En haut", 1 "Au milieu", 2 "En bas".
    QComboBox* verticalList() const { return m_valign; }
    QDoubleSpinBox* spacingField() const { return m_spacing; }
    QCheckBox* fitBox() const { return m_fit; }
    QSpinBox* minSizeField() const { return m_minSize; }

Q_SIGNALS:
    /// The user changed a field or ticked the group.
    void edited();

private:
    void changed();

    MillimetreField m_width, m_height;
    QComboBox* m_align = nullptr;
    QComboBox* m_valign = nullptr;
    QDoubleSpinBox* m_spacing = nullptr;
    QCheckBox* m_fit = nullptr;
    QSpinBox* m_minSize = nullptr;
    TextBox m_shown;        // what the fields show, with what whole millimetres cannot
    bool m_filling = false;
};

}  // namespace plk
