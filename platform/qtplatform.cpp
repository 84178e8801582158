#include "platform/qtplatform.h"

#include "version.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
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
    return m_instanceLock.claim();
}

} // namespace Woord
