#include "ui/windows/outlineshape.h"

#include "ui/widgets/accessibility.h"

#include <QPainter>

namespace Woord {

OutlineShape::OutlineShape(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Accessibility::markDecoration(this);
}

void OutlineShape::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void OutlineShape::paintEvent(QPaintEvent *)
{
    // Four edges one pixel wide, filled rather than stroked, so that on a
    // high-DPI screen they stay one pixel of the window thick.
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), m_colour);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), m_colour);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), m_colour);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), m_colour);
}

} // namespace Woord
