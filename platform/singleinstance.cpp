#include "platform/singleinstance.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace Woord {

SingleInstanceLock::SingleInstanceLock(const QString &lockPath)
    : m_path(lockPath)
{
}

QString SingleInstanceLock::defaultPath()
{
    // The runtime folder belongs to the user alone; the temporary folder is
    // per user on Windows and shared elsewhere, hence the user's name.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", u"gebruiker"_s));
    return folder + u"/woordorakelaar-"_s + user + u".lock"_s;
}

bool SingleInstanceLock::claim()
{
    if (m_lock)
        return true;
    auto lock = std::make_unique<QLockFile>(m_path);
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return true;
    }
    return lock->error() != QLockFile::LockFailedError;
}

} // namespace Woord
