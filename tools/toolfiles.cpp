#include "tools/toolfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <new>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace Woord::ToolFiles {

namespace {

const QString notWritten = u"; wodtool schrijft er niet overheen"_s;

QString tooLarge(qint64 size, qint64 maxSize, const QString &kind)
{
    return u"is "_s + QString::number(size) + u" bytes groot, groter dan een "_s + kind + u" kan zijn (ten hoogste "_s
        + QString::number(maxSize) + u" bytes)"_s;
}

#ifdef Q_OS_UNIX

QString notRegular(mode_t mode)
{
    if (S_ISDIR(mode))
        return u"is een map, geen gewoon bestand"_s;
    if (S_ISFIFO(mode))
        return u"is een FIFO (named pipe), geen gewoon bestand"_s;
    if (S_ISSOCK(mode))
        return u"is een socket, geen gewoon bestand"_s;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return u"is een apparaat, geen gewoon bestand"_s;
    return u"is geen gewoon bestand"_s;
}

QString readError(int error)
{
    switch (error) {
    case ENOENT:
        return u"bestaat niet"_s;
    case EACCES:
    case EPERM:
        return u"kan niet gelezen worden (geen toegang)"_s;
    case ENOTDIR:
        return u"bestaat niet (een deel van het pad is geen map)"_s;
    default:
        return u"kan niet gelezen worden ("_s + qt_error_string(error) + u')';
    }
}

FileIdentity identityOf(const struct stat &info)
{
    return {quint64(info.st_dev), quint64(info.st_ino), true};
}

// Closes a file descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

ReadResult read(const QString &path, qint64 maxSize, const QString &kind)
{
    ReadResult result;
    const QByteArray name = QFile::encodeName(path);
    struct stat before {
    };
    if (::stat(name.constData(), &before) != 0) {
        result.error = readError(errno);
        return result;
    }
    if (!S_ISREG(before.st_mode)) {
        result.error = notRegular(before.st_mode);
        return result;
    }
    if (before.st_size > maxSize) {
        result.error = tooLarge(before.st_size, maxSize, kind);
        return result;
    }

    // Without O_NONBLOCK, opening a FIFO that took the file's place since
    // the stat above would wait for a writer.
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {
    };
    if (fd.get() < 0 || ::fstat(fd.get(), &opened) != 0) {
        result.error = readError(errno);
        return result;
    }
    if (!S_ISREG(opened.st_mode)) {
        result.error = notRegular(opened.st_mode);
        return result;
    }
    if (opened.st_size > maxSize) {
        result.error = tooLarge(opened.st_size, maxSize, kind);
        return result;
    }
    result.identity = identityOf(opened);

    // The file may grow while it is read; reading stops past maxSize.
    constexpr qint64 chunk = qint64(1) << 20;
    try {
        QByteArray &bytes = result.bytes;
        bytes.reserve(opened.st_size + chunk);
        qint64 filled = 0;
        for (;;) {
            if (filled > maxSize) {
                result.bytes.clear();
                result.error = tooLarge(filled, maxSize, kind);
                return result;
            }
            bytes.resize(filled + chunk);
            const ssize_t count = ::read(fd.get(), bytes.data() + filled, size_t(chunk));
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0) {
                bytes.clear();
                result.error = readError(errno);
                return result;
            }
            if (count == 0)
                break;
            filled += count;
        }
        bytes.resize(filled);
    } catch (const std::bad_alloc &) {
        result.bytes.clear();
        result.error = u"kan niet gelezen worden (te weinig geheugen)"_s;
    }
    return result;
}

#else

ReadResult read(const QString &path, qint64 maxSize, const QString &kind)
{
    ReadResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.error = u"bestaat niet"_s;
        return result;
    }
    if (info.isDir()) {
        result.error = u"is een map, geen gewoon bestand"_s;
        return result;
    }
    if (!info.isFile()) {
        result.error = u"is geen gewoon bestand"_s;
        return result;
    }
    if (info.size() > maxSize) {
        result.error = tooLarge(info.size(), maxSize, kind);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = u"kan niet gelezen worden ("_s + file.errorString() + u')';
        return result;
    }
    try {
        result.bytes = file.read(maxSize + 1);
    } catch (const std::bad_alloc &) {
        result.bytes.clear();
        result.error = u"kan niet gelezen worden (te weinig geheugen)"_s;
        return result;
    }
    if (result.bytes.size() > maxSize) {
        result.bytes.clear();
        result.error = tooLarge(maxSize + 1, maxSize, kind);
    }
    return result;
}

#endif

} // namespace

ReadResult readRegularFile(const QString &path, qint64 maxSize, const QString &kind)
{
    return read(path, maxSize, kind);
}

QString refusedOutput(const QString &path, const QString &inputPath, const FileIdentity &input)
{
#ifdef Q_OS_UNIX
    // stat follows symbolic links, so a link to a device or to the input is
    // judged by what it names. A path that does not exist yet may be written;
    // any other failure is for the writing to report.
    struct stat info {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    if (!S_ISREG(info.st_mode))
        return notRegular(info.st_mode) + notWritten;
    if (input.sameAs(identityOf(info)))
        return u"is hetzelfde bestand als de invoer "_s + inputPath + notWritten;
    return {};
#else
    Q_UNUSED(input);
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return u"is geen gewoon bestand"_s + notWritten;
    if (info.canonicalFilePath() == QFileInfo(inputPath).canonicalFilePath())
        return u"is hetzelfde bestand als de invoer "_s + inputPath + notWritten;
    return {};
#endif
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return u"kan niet geschreven worden ("_s + file.errorString() + u')';
    return {};
}

} // namespace Woord::ToolFiles
