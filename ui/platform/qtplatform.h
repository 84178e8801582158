#pragma once

#include "core/platform/platform.h"
#include "core/platform/singleinstance.h"

#include <memory>

namespace Woord {

// The platform as the running program sees it: Qt's message boxes, desktop
// services, clock, beep and cursor, a per-user lock file for the single
// instance, and the registry (on Windows) or the settings file.
class QtPlatform final : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    SettingsStore &settings() override;
    ProcessFacts processFacts() override;
    void showMessage(const Message &message) override;
    bool openWithShell(const QString &target) override;
    void beep() override;
    void setWaitCursor(bool on) override;
    QTime timeOfDay() override;
    bool claimSingleInstance() override;
    bool placesWindows() override;

    // The window system to ask the toolkit for, from the environment the
    // program starts in, before the application object is made: on a Wayland
    // desktop that has its X11 server (XWayland), "xcb", where the window
    // opens where it was closed; else nothing, and the toolkit (or the user's
    // own QT_QPA_PLATFORM) chooses.
    static QByteArray windowSystemFor(const QByteArray &qtQpaPlatform, const QByteArray &waylandDisplay,
                                      const QByteArray &display);

    // For the tests and benchmarks that run the real program unattended:
    // every message is printed on standard output and answered as soon as
    // it is shown.
    void answerMessagesAtOnce() { m_answerMessages = true; }

    // On Windows, the name of the mutex the running program holds from its
    // single-instance claim to its end, for the installer to see.
    static constexpr wchar_t runningMarkName[] = L"Local\\Woordorakelaar";

private:
    std::unique_ptr<SettingsStore> m_settings;
    SingleInstanceLock m_instanceLock{SingleInstanceLock::defaultPath()};
    bool m_waitCursor = false;
    bool m_answerMessages = false;
#ifdef Q_OS_WIN
    void *m_runningMark = nullptr;
#endif
};

} // namespace Woord
