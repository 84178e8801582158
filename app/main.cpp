#include "mainwindow/appstate.h"
#include "mainwindow/frmhoofd.h"
#include "mainwindow/startup.h"
#include "platform/qtplatform.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromUtf8(Woord::Version::companyName));

    Woord::QtPlatform platform;
    Woord::AppState state;
    Woord::FrmHoofd window(platform, state);
    if (!Woord::startProgram(platform, state, window))
        return 0;
    window.show();
    return QApplication::exec();
}
