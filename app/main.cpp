#include "mainwindow/appstate.h"
#include "mainwindow/designfonts.h"
#include "mainwindow/frmhoofd.h"
#include "platform/qtplatform.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromUtf8(Woord::Version::companyName));
    Woord::DesignFonts::install();

    Woord::QtPlatform platform;
    Woord::AppState state;
    Woord::FrmHoofd window(platform, state);
    if (window.Form_Load() != Woord::FrmHoofd::LoadOutcome::Show)
        return 0;
    window.show();
    return QApplication::exec();
}
