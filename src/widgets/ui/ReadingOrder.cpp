#include "widgets/ui/ReadingOrder.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>
#include <algorithm>

namespace plk {

namespace {

QRect placeIn(const QWidget* window, const QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); }

}  // namespace

ReadingOrder::ReadingOrder(QWidget* window) : QObject(window), m_window(window) {}

void ReadingOrder::follow(QWidget* window) { window->installEventFilter(new ReadingOrder(window)); }

bool ReadingOrder::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Show)
        apply();
    return false;
}

QList<QWidget*> ReadingOrder::inReadingOrder(const QWidget* window)
{
    QList<QWidget*> fields;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // A widget that hands its focus on (a field with a spin bar) is reached through its proxy.
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->window() == window)
            fields.append(w);
    }
    std::stable_sort(fields.begin(), fields.end(), [window](const QWidget* a, const QWidget* b) {
        return placeIn(window, a).top() < placeIn(window, b).top();
    });
    QList<QWidget*> ordered;
    for (qsizetype first = 0; first < fields.size();) {
        const QRect band = placeIn(window, fields[first]);
        qsizetype end = first + 1;
        while (end < fields.size() && placeIn(window, fields[end]).center().y() <= band.bottom())
            ++end;
        QList<QWidget*> row = fields.mid(first, end - first);
        std::stable_sort(row.begin(), row.end(), [window](const QWidget* a, const QWidget* b) {
            return placeIn(window, a).left() < placeIn(window, b).left();
        });
        ordered += row;
        first = end;
    }
    return ordered;
}

void ReadingOrder::apply() const
{
    if (QLayout* layout = m_window->layout())
        layout->activate();
    const QList<QWidget*> ordered = inReadingOrder(m_window);
    for (qsizetype i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1], ordered[i]);
}

}  // namespace plk
