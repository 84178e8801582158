#include "ui/widgets/controls.h"

#include <QKeyEvent>
#include <QPushButton>

namespace Woord::Controls {

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    return named(new QPushButton(text, parent), name, place);
}

void fixedDialog(QDialog *dialog, const QString &name, const QString &title, const QSize &size)
{
    dialog->setObjectName(name);
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(size);
}

void DialogWithoutCancel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace Woord::Controls
