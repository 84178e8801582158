#include "mainwindow/centerform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace Woord {

void CenterForm(QWidget *form)
{
    const QScreen *screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = form->frameGeometry().size();
    form->move(area.x() + static_cast<int>(std::lround((area.width() - size.width()) / 2.0)),
               area.y() + static_cast<int>(std::lround((area.height() - size.height()) / 2.0)));
}

} // namespace Woord
