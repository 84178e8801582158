#include "core/mainwindow/appstate.h"
#include "ui/mainwindow/frmhoofd.h"
#include "ui/platform/qtplatform.h"
#include "ui/platform/sessionend.h"
#include "ui/widgets/designfonts.h"
#include "ui/windows/dialogs.h"
#include "version.h"

#include <QApplication>
#include <QEvent>

#include <chrono>
#include <cstdio>

namespace {

// For the start-up benchmark and the tests that run the real program: when
// the main window is first painted, prints the moment (the steady clock's
// count) and ends the program without the shut-down.
class QuitWhenPainted final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            std::printf("%lld\n", static_cast<long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

} // namespace

// The program's objects are made here and handed down: the platform, the
// fonts, the shared state, the modal windows and the main window.
int main(int argc, char *argv[])
{
    const QByteArray windowSystem = Woord::QtPlatform::windowSystemFor(qgetenv("QT_QPA_PLATFORM"),
                                                                       qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"));
    if (!windowSystem.isEmpty())
        qputenv("QT_QPA_PLATFORM", windowSystem);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString::fromUtf8(Woord::Version::companyName));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(Woord::Version::desktopFileName));

    // Logging out ends the program as closing its window does, settings saved.
    const Woord::SessionEnd sessionEnd([] { QApplication::closeAllWindows(); });

    const bool unattended = qEnvironmentVariableIsSet("WOORDORAKELAAR_BENCH_QUIT_WHEN_SHOWN");
    Woord::QtPlatform platform;
    if (unattended)
        platform.answerMessagesAtOnce();

    const Woord::DesignFonts fonts;
    Woord::AppState state;
    Woord::ModalDialogs dialogs(platform, fonts);
    Woord::FrmHoofd window(platform, state, fonts, dialogs);
    dialogs.setOwner(&window);
    dialogs.setHelp([&window] { window.OpenHelpFile(); });
    if (window.Form_Load() != Woord::FrmHoofd::LoadOutcome::Show)
        return 0;
    QuitWhenPainted quitWhenPainted;
    if (unattended)
        window.installEventFilter(&quitWhenPainted);
    window.show();
    return QApplication::exec();
}
