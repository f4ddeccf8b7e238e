#pragma once
// The pointer's comings and goings over a widget, sent as the window system sends them.

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>

namespace plk::test {

inline void enter(QWidget* w, QPoint at = QPoint(2, 2))
{
    QEnterEvent e(at, at, w->mapToGlobal(at));
    QCoreApplication::sendEvent(w, &e);
}

inline void leave(QWidget* w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
}

inline void moveOver(QWidget* w, QPoint at)
{
    QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

/// Enters the widget and moves over it.
inline void hover(QWidget* w, QPoint at = QPoint(2, 2))
{
    enter(w, at);
    moveOver(w, at);
}

}  // namespace plk::test
