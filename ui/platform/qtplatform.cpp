#include "ui/platform/qtplatform.h"

#include "core/platform/messagedisplay.h"
#include "core/platform/qsettingsstore.h"
#include "core/platform/settingsfile.h"
#include "ui/platform/versioninfo.h"
#include "version.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace Woord {

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform()
{
#ifdef Q_OS_WIN
    if (m_runningMark)
        CloseHandle(m_runningMark);
#endif
    if (m_waitCursor)
        QGuiApplication::restoreOverrideCursor();
}

SettingsStore &QtPlatform::settings()
{
    // Made on first use, so the organization name is set by then.
    if (!m_settings) {
#ifdef Q_OS_WIN
        m_settings = std::make_unique<QSettingsStore>();
#else
        m_settings = std::make_unique<SettingsFileStore>(SettingsFileStore::defaultPath());
#endif
    }
    return *m_settings;
}

ProcessFacts QtPlatform::processFacts()
{
    ProcessFacts facts;
    facts.folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    facts.exeName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    // On Windows the version and the maker come from the executable's own
    // version resource, as other programs read them; elsewhere (and for an
    // executable without one) from the build and the organization name the
    // program was started with.
    if (const std::optional<VersionInfo> info = readVersionInfo(QCoreApplication::applicationFilePath())) {
        facts.major = info->major;
        facts.minor = info->minor;
        facts.revision = info->revision;
        facts.companyName = info->companyName;
        return facts;
    }
    facts.major = Version::major;
    facts.minor = Version::minor;
    facts.revision = Version::revision;
#ifndef Q_OS_WIN
    facts.companyName = QCoreApplication::organizationName();
#endif
    return facts;
}

void QtPlatform::showMessage(const Message &message)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (message.icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        icon = QMessageBox::Information;
        break;
    case MessageIcon::Critical:
        icon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(icon, message.title, messageDisplayText(message.text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (m_answerMessages) {
        std::printf("melding: %s\n", qPrintable(message.text));
        std::fflush(stdout);
        QTimer::singleShot(0, &box, &QMessageBox::accept);
    }
    box.exec();
}

bool QtPlatform::openWithShell(const QString &target)
{
    const QUrl url = QFileInfo(target).isAbsolute() ? QUrl::fromLocalFile(target) : QUrl(target);
    return QDesktopServices::openUrl(url);
}

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::setWaitCursor(bool on)
{
    if (on == m_waitCursor)
        return;
    m_waitCursor = on;
    if (on)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

QTime QtPlatform::timeOfDay()
{
    return QTime::currentTime();
}

QByteArray QtPlatform::windowSystemFor(const QByteArray &qtQpaPlatform, const QByteArray &waylandDisplay,
                                       const QByteArray &display)
{
    if (!qtQpaPlatform.isEmpty() || waylandDisplay.isEmpty() || display.isEmpty())
        return {};
    return QByteArrayLiteral("xcb");
}

bool QtPlatform::placesWindows()
{
    return !QGuiApplication::platformName().startsWith(u"wayland"_s);
}

bool QtPlatform::claimSingleInstance()
{
    if (!m_instanceLock.claim())
        return false;
#ifdef Q_OS_WIN
    // The installer asks for this mutex to learn that the program runs and
    // must be closed first; the system lets go of it when the program ends.
    if (!m_runningMark)
        m_runningMark = CreateMutexW(nullptr, FALSE, runningMarkName);
#endif
    return true;
}

} // namespace Woord
