#include "platform/qtplatform.h"

#include "version.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace Woord {

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform()
{
    if (m_waitCursor)
        QGuiApplication::restoreOverrideCursor();
}

SettingsStore &QtPlatform::settings()
{
    // Made on first use, so the organization name is set by then.
    if (!m_settings)
        m_settings = std::make_unique<QSettingsStore>();
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
    facts.companyName = QCoreApplication::organizationName();
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
    QString text = message.text;
    text.replace(u"\r\n"_s, u"\n"_s);
    QMessageBox box(icon, message.title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
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

bool QtPlatform::claimSingleInstance()
{
    if (m_instanceLock)
        return true;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    // The user's name keeps the lock per user where the folder is shared.
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    auto lock = std::make_unique<QLockFile>(folder + u"/woordorakelaar-"_s + user + u".lock"_s);
    // Never stale by age: only a lock whose process is gone is taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        // A lock that cannot even be created (an unwritable folder) must not
        // keep the program from starting.
        if (lock->error() != QLockFile::LockFailedError)
            return true;
        return false;
    }
    m_instanceLock = std::move(lock);
    return true;
}

} // namespace Woord
