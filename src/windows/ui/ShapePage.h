#pragma once
// The tool box's FORMES page: the kind, size, line and fill of the selected shape.
// Every change goes to the shape at once, through the tool box's edit.

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;

namespace plk {

class Dialogs;
class frmOutils;
struct ShapeObject;

class ShapePage : public QWidget {
    Q_OBJECT

public:
    /// Registers itself with the tool box as the page that edits shapes.
    ShapePage(frmOutils& toolBox, Dialogs& dialogs);

    QComboBox* kindList() const { return m_kind; }
    QDoubleSpinBox* widthField() const { return m_width; }
    QDoubleSpinBox* heightField() const { return m_height; }
    QDoubleSpinBox* radiusField() const { return m_radius; }
    QDoubleSpinBox* lineWidthField() const { return m_lineWidth; }
    QComboBox* styleList() const { return m_style; }
    QCheckBox* filledBox() const { return m_filled; }
    QPushButton* lineColourButton() const { return m_lineColour; }
    QPushButton* fillColourButton() const { return m_fillColour; }

private:
    void showShape(const ShapeObject& shape);
    /// Changes the selected shape: `change` turns its values into the new ones.
    void changeShape(const std::function<void(ShapeObject&)>& change);
    void chooseColour(bool fill);

    frmOutils& m_toolBox;
    Dialogs& m_dialogs;
    bool m_showing = false;  // the fields show a shape: their handlers keep still
    QComboBox* m_kind = nullptr;
    QDoubleSpinBox* m_width = nullptr;
    QDoubleSpinBox* m_height = nullptr;
    QDoubleSpinBox* m_radius = nullptr;
    QDoubleSpinBox* m_lineWidth = nullptr;
    QComboBox* m_style = nullptr;
    QCheckBox* m_filled = nullptr;
    QPushButton* m_lineColour = nullptr;
    QPushButton* m_fillColour = nullptr;
};

}  // namespace plk
