#include "ui/platform/qtplatform.h"

#include "core/platform/messagedisplay.h"
#include "core/platform/qsettingsstore.h"
#include "core/platform/settingsfile.h"
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

namespace {

// The maker as the program's own version information names it: on Windows
// the CompanyName of the executable's version resource, elsewhere the
// organization name the program was started with.
QString companyName()
{
#ifdef Q_OS_WIN
    wchar_t path[MAX_PATH];
    if (!GetModuleFileNameW(nullptr, path, MAX_PATH))
        return {};
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &unused);
    if (size == 0)
        return {};
    QByteArray info(static_cast<qsizetype>(size), '\0');
    if (!GetFileVersionInfoW(path, 0, size, info.data()))
        return {};
    struct Translation {
        WORD language;
        WORD codePage;
    } *translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translation), &length)
        || length < sizeof(Translation))
        return {};
    const QString key
        = QString::asprintf("\\StringFileInfo\\%04x%04x\\CompanyName", translation->language, translation->codePage);
    wchar_t *value = nullptr;
    if (!VerQueryValueW(info.data(), reinterpret_cast<const wchar_t *>(key.utf16()), reinterpret_cast<void **>(&value),
                        &length)
        || length == 0)
        return {};
    return QString::fromWCharArray(value);
#else
    return QCoreApplication::organizationName();
#endif
}

} // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform()
{
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
    facts.major = Version::major;
    facts.minor = Version::minor;
    facts.revision = Version::revision;
    facts.companyName = companyName();
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
    return m_instanceLock.claim();
}

} // namespace Woord
