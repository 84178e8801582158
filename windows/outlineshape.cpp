#include "windows/outlineshape.h"

#include "mainwindow/accessibility.h"

#include <QPainter>

namespace Woord {

OutlineShape::OutlineShape(const QColor &colour, QWidget *parent)
    : QWidget(parent)
    , m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Accessibility::markDecoration(this);
}

void OutlineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_colour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace Woord
