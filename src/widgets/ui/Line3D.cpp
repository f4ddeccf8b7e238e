#include "widgets/ui/Line3D.h"

#include "base/core/Twips.h"

#include <QPainter>

namespace plk {

Line3D::Line3D(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(twipsToPixels(kHeightTwips));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Line3D::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(0, 0, width(), 1, QColor(0xA0, 0xA0, 0xA0));
    painter.fillRect(0, twipsToPixels(kHeightTwips / 2), width(), 1, Qt::white);
}

}  // namespace plk
