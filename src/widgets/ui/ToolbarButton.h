#pragma once
// A toolbar button that can carry a drop-down arrow. The arrow does not open a menu
// itself: pressing it asks the owner to, so that the owner may pop up whatever
// menu it likes at the arrow.

#include <QToolButton>

class QMenu;

namespace plk {

class ToolbarButton : public QToolButton {
    Q_OBJECT
public:
    enum class Arrow { None, Split, Whole };

    ToolbarButton(Arrow arrow, QWidget* parent);

    Arrow arrow() const { return m_arrow; }
    /// The arrow's part of the button, in the button's pixels; empty without arrow.
    QRect arrowRect() const;

Q_SIGNALS:
    void dropDownRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Arrow m_arrow;
    QMenu* m_arrowMenu = nullptr;  // empty: only makes the style draw and size the arrow
};

}  // namespace plk
