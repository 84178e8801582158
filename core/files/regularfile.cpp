#include "core/files/regularfile.h"

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

namespace Woord::Files {

namespace {

// Reads go in pieces of at most 1 GiB, which every system takes in one call.
constexpr qint64 largestRead = qint64(1) << 30;

bool folderOfExists(const QString &path)
{
    return QFileInfo(path).absoluteDir().exists();
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

#ifdef Q_OS_WIN
// A named pipe is asked for by its name alone: opening one would connect to
// it, and a pipe at its limit makes an opener wait.
enum class PipeName { None, Missing, There };

PipeName pipeName(const QString &native)
{
    if (!native.startsWith(u"\\\\.\\pipe\\", Qt::CaseInsensitive))
        return PipeName::None;
    if (WaitNamedPipeW(reinterpret_cast<const wchar_t *>(native.utf16()), 1))
        return PipeName::There;
    return GetLastError() == ERROR_FILE_NOT_FOUND ? PipeName::Missing : PipeName::There;
}

// What the name names, asked without any access to it.
std::optional<FileType> typeOfNative(const QString &native)
{
    if (const PipeName pipe = pipeName(native); pipe != PipeName::None)
        return pipe == PipeName::There ? std::optional(FileType::Fifo) : std::nullopt;
    const auto *name = reinterpret_cast<const wchar_t *>(native.utf16());
    const DWORD attributes = GetFileAttributesW(name);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return FileType::Folder;
    // A device name (NUL, CON, COM1) names the device in every folder. Opened
    // without any access, a device does nothing of its own.
    HANDLE handle = CreateFileW(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return attributes == INVALID_FILE_ATTRIBUTES ? std::nullopt : std::optional(FileType::Regular);
    const DWORD type = GetFileType(handle);
    CloseHandle(handle);
    switch (type) {
    case FILE_TYPE_DISK:
        return FileType::Regular;
    case FILE_TYPE_PIPE:
        return FileType::Fifo;
    default:
        return FileType::Device;
    }
}
#else
FileType typeOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return FileType::Regular;
    if (S_ISDIR(mode))
        return FileType::Folder;
    if (S_ISFIFO(mode))
        return FileType::Fifo;
    if (S_ISSOCK(mode))
        return FileType::Socket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileType::Device;
    return FileType::Other;
}
#endif

} // namespace

RegularFile::~RegularFile()
{
    close();
}

OpenError RegularFile::fail(OpenError error, int systemError)
{
    close();
    m_errorText = qt_error_string(systemError);
    return error;
}

#ifdef Q_OS_WIN

OpenError RegularFile::open(const QString &path)
{
    close();
    m_errorText.clear();
    const QString native = QDir::toNativeSeparators(path);
    // Without the long-path prefix a path is limited to MAX_PATH characters.
    if (native.isEmpty() || native.contains(QChar(0))
        || (native.size() >= MAX_PATH && !native.startsWith(QStringLiteral("\\\\?\\"))))
        return fail(OpenError::NotFound, ERROR_FILE_NOT_FOUND);
    switch (pipeName(native)) {
    case PipeName::None:
        break;
    case PipeName::Missing:
        return fail(OpenError::NotFound, ERROR_FILE_NOT_FOUND);
    case PipeName::There:
        m_type = FileType::Fifo;
        return fail(OpenError::NotRegular, ERROR_BAD_FILE_TYPE);
    }
    // Asked first, without any access: opening a device such as COM1 for
    // reading does something of its own.
    if (const std::optional<FileType> type = typeOfNative(native); type && *type != FileType::Regular) {
        m_type = *type;
        return fail(OpenError::NotRegular, *type == FileType::Folder ? ERROR_DIRECTORY : ERROR_BAD_FILE_TYPE);
    }
    const auto *name = reinterpret_cast<const wchar_t *>(native.utf16());
    HANDLE handle = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        switch (error) {
        case ERROR_FILE_NOT_FOUND:
            return fail(folderOfExists(path) ? OpenError::NotFound : OpenError::FolderMissing, int(error));
        case ERROR_PATH_NOT_FOUND:
        case ERROR_DIRECTORY:
            return fail(OpenError::FolderMissing, int(error));
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
            return fail(OpenError::NotFound, int(error));
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return fail(OpenError::AccessDenied, int(error));
        default:
            return fail(OpenError::Failed, int(error));
        }
    }
    // A device name such as CON or NUL opens the device, not a file.
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
        break;
    case FILE_TYPE_PIPE:
        m_type = FileType::Fifo;
        CloseHandle(handle);
        return fail(OpenError::NotRegular, ERROR_BAD_FILE_TYPE);
    default:
        m_type = FileType::Device;
        CloseHandle(handle);
        return fail(OpenError::NotRegular, ERROR_BAD_FILE_TYPE);
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info)) {
        const DWORD error = GetLastError();
        CloseHandle(handle);
        return fail(OpenError::Failed, int(error));
    }
    m_handle = handle;
    m_size = qint64((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    m_identity = {info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow, true};
    return OpenError::None;
}

void RegularFile::close()
{
    if (m_handle)
        CloseHandle(m_handle);
    m_handle = nullptr;
    m_size = 0;
    m_identity = {};
}

qint64 RegularFile::read(char *buffer, qint64 count)
{
    DWORD done = 0;
    if (!m_handle || !ReadFile(m_handle, buffer, DWORD(std::min(count, largestRead)), &done, nullptr)) {
        m_errorText = qt_error_string(int(GetLastError()));
        return -1;
    }
    return done;
}

bool RegularFile::rewind()
{
    LARGE_INTEGER start{};
    return m_handle && SetFilePointerEx(m_handle, start, nullptr, FILE_BEGIN);
}

std::optional<FileType> typeOf(const QString &path)
{
    return typeOfNative(QDir::toNativeSeparators(path));
}

#else

OpenError RegularFile::open(const QString &path)
{
    close();
    m_errorText.clear();
    const QByteArray name = QFile::encodeName(path);
    // A name the system cannot take is not there; one with a NUL byte would
    // name another file.
    if (name.isEmpty() || name.contains('\0'))
        return fail(OpenError::NotFound, ENOENT);
    if (name.size() >= PATH_MAX)
        return fail(OpenError::NotFound, ENAMETOOLONG);

    // Asked first, so that nothing but a regular file is ever opened: opening
    // some devices does something of its own.
    struct stat info {
    };
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        m_type = typeOfMode(info.st_mode);
        return fail(OpenError::NotRegular, EINVAL);
    }
    // Without blocking: a FIFO put in the file's place since would wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        switch (error) {
        case ENOENT:
            return fail(folderOfExists(path) ? OpenError::NotFound : OpenError::FolderMissing, error);
        case ENOTDIR:
            return fail(OpenError::FolderMissing, error);
        case ENAMETOOLONG:
        case ELOOP:
            return fail(OpenError::NotFound, error);
        case EACCES:
        case EPERM:
            return fail(OpenError::AccessDenied, error);
        default:
            return fail(OpenError::Failed, error);
        }
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = errno;
        ::close(fd);
        m_type = typeOfMode(info.st_mode);
        return fail(m_type == FileType::Regular ? OpenError::Failed : OpenError::NotRegular, error);
    }
    // A regular file never blocks; reads go back to the ordinary kind.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
    m_size = info.st_size;
    m_identity = {quint64(info.st_dev), quint64(info.st_ino), true};
    return OpenError::None;
}

void RegularFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_size = 0;
    m_identity = {};
}

qint64 RegularFile::read(char *buffer, qint64 count)
{
    if (m_fd < 0)
        return -1;
    for (;;) {
        const ssize_t done = ::read(m_fd, buffer, size_t(std::min(count, largestRead)));
        if (done >= 0)
            return done;
        if (errno != EINTR) {
            m_errorText = qt_error_string(errno);
            return -1;
        }
    }
}

bool RegularFile::rewind()
{
    return m_fd >= 0 && ::lseek(m_fd, 0, SEEK_SET) == 0;
}

std::optional<FileType> typeOf(const QString &path)
{
    struct stat info {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return typeOfMode(info.st_mode);
}

#endif

ReadError RegularFile::readAll(QByteArray &bytes, qint64 maxSize)
{
    bytes.clear();
    if (m_size > maxSize)
        return ReadError::TooLarge;
    const auto failed = [&bytes](ReadError error) {
        bytes = QByteArray();
        return error;
    };
    try {
        // One byte more than the file holds tells a file that grew.
        bytes.resize(std::min(m_size, maxSize) + 1);
        adviseLargePages(bytes);
        qint64 filled = 0;
        for (;;) {
            if (filled == bytes.size()) {
                if (filled > maxSize)
                    return failed(ReadError::TooLarge);
                bytes.resize(std::min(std::max<qint64>(filled * 2, 4096), maxSize + 1));
            }
            const qint64 done = read(bytes.data() + filled, bytes.size() - filled);
            if (done < 0)
                return failed(ReadError::Failed);
            if (done == 0)
                break;
            filled += done;
        }
        bytes.truncate(filled);
    } catch (const std::bad_alloc &) {
        return failed(ReadError::OutOfMemory);
    }
    return ReadError::None;
}

} // namespace Woord::Files
