#include "ui/widgets/centerform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace Woord {

void CenterForm(QWidget *form)
{
    const QScreen *screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    form->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form->frameGeometry().size(), screen->geometry())
                   .topLeft());
}

} // namespace Woord
