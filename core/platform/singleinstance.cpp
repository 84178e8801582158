#include "core/platform/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace Woord {

SingleInstanceLock::SingleInstanceLock(const QString &lockPath)
    : m_path(lockPath)
{
}

#ifdef Q_OS_WIN

SingleInstanceLock::~SingleInstanceLock()
{
    if (m_handle)
        CloseHandle(m_handle);
}

QString SingleInstanceLock::defaultPath()
{
    // The temporary folder lies in the user's own profile.
    return QDir::tempPath() + u"/woordorakelaar.lock"_s;
}

bool SingleInstanceLock::claim()
{
    if (m_handle || m_path.isEmpty())
        return true;
    // Opened without sharing: a second open fails while the first is held,
    // and the system closes the file when its holder ends.
    HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(m_path).utf16()),
                                GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() != ERROR_SHARING_VIOLATION;
    m_handle = handle;
    return true;
}

#else

namespace {

// A folder that the user owns and no one else may write in.
bool isPrivateFolder(const QByteArray &path, mode_t forbidden)
{
    struct stat info;
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & forbidden) == 0;
}

// Opens (making it if needed) the lock file itself, never through a link and
// never anything but a regular file; whatever else stands under its name is
// cleared away once.
int openLockFile(const QByteArray &path)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd
            = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
        struct stat info;
        if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
            return fd;
        if (fd >= 0)
            ::close(fd);
        if (::unlink(path.constData()) != 0 && ::rmdir(path.constData()) != 0)
            return -1;
    }
    return -1;
}

} // namespace

SingleInstanceLock::~SingleInstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString SingleInstanceLock::defaultPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(QFile::encodeName(runtime), S_IWGRP | S_IWOTH))
        return runtime + u"/woordorakelaar.lock"_s;

    // The shared temporary folder: a folder of our own, which no one else
    // can have made or can write in.
    const QString folder = QDir::tempPath() + u"/woordorakelaar-"_s + QString::number(::geteuid());
    const QByteArray name = QFile::encodeName(folder);
    ::mkdir(name.constData(), 0700);
    if (!isPrivateFolder(name, S_IRWXG | S_IRWXO))
        return {};
    return folder + u"/woordorakelaar.lock"_s;
}

bool SingleInstanceLock::claim()
{
    if (m_fd >= 0 || m_path.isEmpty())
        return true;
    const int fd = openLockFile(QFile::encodeName(m_path));
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return !heldElsewhere;
    }
    m_fd = fd;
    // The holder's process id, for a person who looks; the lock does not
    // depend on it.
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd, pid.constData(), size_t(pid.size()));
    }
    return true;
}

#endif

} // namespace Woord
