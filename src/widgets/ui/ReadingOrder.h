#pragma once
// Tab goes where the eye goes: through a window's fields row by row from the top,
// left to right within a row, whatever order the fields were made in. The order is
// taken from the widgets' places each time the window is shown, so a window whose
// layout changes with its mode stays in order.

#include <QList>
#include <QObject>

class QWidget;

namespace plk {

class ReadingOrder : public QObject {
    Q_OBJECT

public:
    /// Keeps the focus chain of `window` in reading order from now on.
    static void follow(QWidget* window);
    /// Puts the focus chain in reading order now: after a part of the window was
    /// shown (a page of its own), whose fields had no places while hidden.
    static void apply(QWidget* window);

    /// The widgets of `window` that Tab reaches and that show with it, in reading
    /// order: a widget is on the row of the row's first (topmost) widget when its
    /// middle is level with that one.
    static QList<QWidget*> inReadingOrder(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ReadingOrder(QWidget* window);

    QWidget* m_window;
};

}  // namespace plk
