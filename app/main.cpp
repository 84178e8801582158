#include "mainwindow/appstate.h"
#include "mainwindow/designfonts.h"
#include "mainwindow/frmhoofd.h"
#include "platform/qtplatform.h"
#include "version.h"

#include <QApplication>
#include <QEvent>

namespace {

// For the start-up benchmark only: ends the program once the main window has
// been painted for the first time, without the shut-down.
class QuitWhenPainted final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

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
    QuitWhenPainted quitWhenPainted;
    if (qEnvironmentVariableIsSet("WOORDORAKELAAR_BENCH_QUIT_WHEN_SHOWN"))
        window.installEventFilter(&quitWhenPainted);
    window.show();
    return QApplication::exec();
}
