#include "core/glossary/glossaryfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <new>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Woord {

namespace {

// Whether the folder a missing file would lie in exists: tells a missing
// file from a missing folder.
ErrorKind missing(const QString &path)
{
    return QFileInfo(path).absoluteDir().exists() ? ErrorKind::FileNotFound : ErrorKind::PathNotFound;
}

// A file of some megabytes or more is read into memory that the system may
// back with large pages: faulting it in page by small page, and giving the
// pages back at the end, costs more than reading it (a tenth of the time to
// the first paint with the largest glossary).
void adviseLargePages([[maybe_unused]] QByteArray &bytes)
{
#ifdef Q_OS_LINUX
    constexpr quintptr page = 4096;
    if (bytes.size() < 4 * 1024 * 1024)
        return;
    const quintptr start = (reinterpret_cast<quintptr>(bytes.data()) + page - 1) & ~(page - 1);
    const quintptr end = (reinterpret_cast<quintptr>(bytes.data()) + quintptr(bytes.size())) & ~(page - 1);
    ::madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE);
#endif
}

} // namespace

GlossaryFile::~GlossaryFile()
{
    close();
}

#ifdef Q_OS_WIN

ErrorKind GlossaryFile::open(const QString &path)
{
    close();
    const QString native = QDir::toNativeSeparators(path);
    // Without the long-path prefix a path is limited to MAX_PATH characters.
    if (native.size() >= MAX_PATH && !native.startsWith(QStringLiteral("\\\\?\\")))
        return ErrorKind::FileNotFound;
    HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t *>(native.utf16()), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
            return missing(path);
        case ERROR_PATH_NOT_FOUND:
            return ErrorKind::PathNotFound;
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_INVALID_NAME:
            return ErrorKind::FileNotFound;
        default:
            return ErrorKind::PathFileAccess;
        }
    }
    LARGE_INTEGER size;
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileSizeEx(handle, &size)) {
        CloseHandle(handle);
        return ErrorKind::PathFileAccess;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info)) {
        CloseHandle(handle);
        return ErrorKind::PathFileAccess;
    }
    m_handle = handle;
    m_size = size.QuadPart;
    const auto join = [](DWORD high, DWORD low) { return (quint64(high) << 32) | low; };
    m_stamp = {info.dwVolumeSerialNumber, join(info.nFileIndexHigh, info.nFileIndexLow), m_size,
               qint64(join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)),
               qint64(join(info.ftCreationTime.dwHighDateTime, info.ftCreationTime.dwLowDateTime))};
    return ErrorKind::None;
}

qint64 GlossaryFile::read(char *buffer, qint64 count)
{
    DWORD done = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<qint64>(count, 1 << 30));
    if (!m_handle || !ReadFile(m_handle, buffer, chunk, &done, nullptr))
        return -1;
    return done;
}

void GlossaryFile::close()
{
    if (m_handle)
        CloseHandle(m_handle);
    m_handle = nullptr;
    m_size = 0;
    m_stamp = {};
}

static bool rewind(void *handle)
{
    LARGE_INTEGER start{};
    return SetFilePointerEx(handle, start, nullptr, FILE_BEGIN);
}

#else

ErrorKind GlossaryFile::open(const QString &path)
{
    close();
    const QByteArray name = QFile::encodeName(path);
    // A path the system cannot take is not there; asking for it could only
    // cost time (and one with a NUL byte would name another file).
    if (name.isEmpty() || name.size() >= PATH_MAX || name.contains('\0'))
        return ErrorKind::FileNotFound;
    // Without blocking: opening a FIFO for reading would wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        switch (errno) {
        case ENOENT:
            return missing(path);
        case ENOTDIR:
            return ErrorKind::PathNotFound;
        case ENAMETOOLONG:
            return ErrorKind::FileNotFound;
        default:
            return ErrorKind::PathFileAccess;
        }
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return ErrorKind::PathFileAccess;
    }
    // A regular file never blocks; reads go back to the ordinary kind.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
    m_size = info.st_size;
    constexpr qint64 billion = 1'000'000'000;
    m_stamp = {quint64(info.st_dev), quint64(info.st_ino), m_size,
               qint64(info.st_mtim.tv_sec) * billion + info.st_mtim.tv_nsec,
               qint64(info.st_ctim.tv_sec) * billion + info.st_ctim.tv_nsec};
    return ErrorKind::None;
}

qint64 GlossaryFile::read(char *buffer, qint64 count)
{
    if (m_fd < 0)
        return -1;
    for (;;) {
        const ssize_t done = ::read(m_fd, buffer, size_t(std::min<qint64>(count, 1 << 30)));
        if (done >= 0)
            return done;
        if (errno != EINTR)
            return -1;
    }
}

void GlossaryFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_size = 0;
    m_stamp = {};
}

static bool rewind(int fd)
{
    return ::lseek(fd, 0, SEEK_SET) == 0;
}

#endif

ErrorKind GlossaryFile::readAll(QByteArray &bytes)
{
#ifdef Q_OS_WIN
    if (!m_handle || !rewind(m_handle))
        return ErrorKind::PathFileAccess;
#else
    if (m_fd < 0 || !rewind(m_fd))
        return ErrorKind::PathFileAccess;
#endif
    if (m_size > maxGlossaryFileSize)
        return ErrorKind::PathFileAccess;
    try {
        bytes = QByteArray(static_cast<qsizetype>(m_size), Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        return ErrorKind::OutOfMemory;
    }
    adviseLargePages(bytes);
    qint64 filled = 0;
    while (filled < m_size) {
        const qint64 done = read(bytes.data() + filled, m_size - filled);
        if (done < 0) {
            bytes.clear();
            return ErrorKind::PathFileAccess;
        }
        if (done == 0)
            break;
        filled += done;
    }
    bytes.truncate(filled);
    return ErrorKind::None;
}

ErrorKind openFailure(const QString &path)
{
    GlossaryFile file;
    return file.open(path);
}

std::optional<FileStamp> stampOf(const QString &path)
{
    GlossaryFile file;
    if (file.open(path) != ErrorKind::None)
        return std::nullopt;
    return file.stamp();
}

} // namespace Woord
