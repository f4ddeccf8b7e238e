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
        apply(m_window);
    return false;
}

QList<QWidget*> ReadingOrder::inReadingOrder(const QWidget* window)
{
    QList<QWidget*> fields;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // A widget that hands its focus on is reached through its proxy; hidden parts
        // (another page) have no places yet and are ordered once they show.
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->window() == window && w->isVisibleTo(window))
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

void ReadingOrder::apply(QWidget* window)
{
    // Places as they will show: every layout of the window settled first.
    if (QLayout* layout = window->layout())
        layout->activate();
    for (const QWidget* part : window->findChildren<QWidget*>())
        if (part->layout() && part->isVisible())
            part->layout()->activate();
    const QList<QWidget*> ordered = inReadingOrder(window);
    for (qsizetype i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1], ordered[i]);
}

}  // namespace plk
