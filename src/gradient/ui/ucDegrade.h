#pragma once
// Editor of a tab's gradient background: three colour wells and eight option
// buttons around an empty centre, each naming the side or corner where colour n°1
// starts. It paints no gradient itself; it tells its owner when a direction is
// picked and when a well is clicked.

#include "base/core/Colors.h"

#include <QAbstractButton>
#include <QWidget>
#include <array>

class QButtonGroup;
class QRadioButton;

namespace plk {

/// A clickable patch of colour.
class ColorWell : public QAbstractButton {
public:
    explicit ColorWell(QWidget* parent = nullptr);
    void setColour(OleColor colour);
    OleColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OleColor m_colour = 0;
};

class ucDegrade : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)

public:
    static constexpr int kWidthTwips = 3255;
    static constexpr int kHeightTwips = 735;
    static constexpr int kDirections = 8;

    explicit ucDegrade(QWidget* parent = nullptr);

    /// The chosen direction 0..7, −1 while none has been chosen.
    int Direction = -1;
    OleColor Color1 = 0;
    OleColor Color2 = 0;
    OleColor Color3 = 0;

    /// Paints well `index` (1..3) in `colour` and stores it as that colour.
    void AfficheColor(int index, OleColor colour);
    /// Colour n°index; 0 for any other index.
    OleColor RecupColor(int index) const;
    /// Repaints the wells from the colours and, once a direction is chosen, picks it
    /// again so that the owner repaints its gradient.
    void Refresh();
    /// Whether the options and wells take input.
    bool Enabled() const;
    void setEnabled(bool enabled);

    ColorWell* pctColor(int index) const;
    QRadioButton* Option1(int index) const;

Q_SIGNALS:
    void DrawDegrade(int index);
    void SelectColor(int index);

private:
    void optionClick(int index);

    std::array<ColorWell*, 3> m_wells;
    std::array<QRadioButton*, kDirections> m_options;
    QButtonGroup* m_group;
};

}  // namespace plk
