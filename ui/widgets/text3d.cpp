#include "ui/widgets/text3d.h"

#include <QLabel>

namespace Woord::Text3D {

namespace {

void setTextColour(QLabel *label, const QColor &colour)
{
    // The disabled colour stays the toolkit's, so a disabled label still greys.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    label->setPalette(palette);
}

void copyShape(const QLabel *from, QLabel *to, const QColor &colour)
{
    to->resize(from->size());
    to->setAutoFillBackground(from->autoFillBackground());
    setTextColour(to, colour);
}

} // namespace

void Apply3DEffect(QLabel *mainLabel, QLabel *shadowLabel, QLabel *highlightLabel, const QString &text, qint16 style,
                   const QColor &textColour, qint16 depth)
{
    mainLabel->hide();
    shadowLabel->hide();
    highlightLabel->hide();

    const QString shown = text.isEmpty() ? mainLabel->text() : text;
    mainLabel->setText(shown);
    shadowLabel->setText(shown);
    highlightLabel->setText(shown);

    mainLabel->setAutoFillBackground(false);
    setTextColour(mainLabel, textColour);
    copyShape(mainLabel, shadowLabel, QColor(128, 128, 128));
    copyShape(mainLabel, highlightLabel, QColor(255, 255, 255));

    const QPoint offset(depth, depth);
    if (style == Raised) {
        shadowLabel->move(mainLabel->pos() + offset);
        highlightLabel->move(mainLabel->pos() - offset);
    } else if (style == Sunken) {
        shadowLabel->move(mainLabel->pos() - offset);
        highlightLabel->move(mainLabel->pos() + offset);
    }

    mainLabel->show();
    shadowLabel->show();
    highlightLabel->show();
    mainLabel->raise();
}

} // namespace Woord::Text3D
