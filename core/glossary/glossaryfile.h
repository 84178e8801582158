#pragma once

#include "core/glossary/errorkind.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Opening and reading the glossary file. Only a regular file is ever read, and
// it is read with ordinary reads into the program's own memory, so nothing
// done to the file while or after it is read can reach the program; a FIFO,
// a device or a folder under the glossary's name is refused without waiting.
namespace Woord {

// The largest file the format can hold, in bytes, laid out as glossaries are
// written: the quoted header and CR LF (1 + 66 + 1 + 2 = 70); the count, a
// comma, the start index (at most 11 characters, "-2147483648") and CR LF
// (5 + 1 + 11 + 2 = 19); the quoted date and CR LF, the date taken at the
// length of the longest text (1 + 32767 + 1 + 2 = 32771); then 32767 entries
// of two quoted texts of 32767 bytes, a comma and CR LF (32767 * (2 * 32769
// + 3) = 2,147,581,947). In all 2,147,614,807 bytes, just over 2 GiB. Blanks
// before a field and data after the last entry, which the reader passes
// over, are no part of the format; a file larger than this is no glossary
// anyone made, and is refused without being read.
inline constexpr qint64 maxGlossaryFileSize
    = (1 + 66 + 1 + 2) + (5 + 1 + 11 + 2) + (1 + 32767 + 1 + 2) + qint64(32767) * (2 * (1 + 32767 + 1) + 1 + 2);
static_assert(maxGlossaryFileSize == 2'147'614'807);

// What tells one version of a file from another: where it lies on the disk,
// its size, and when it or its contents last changed. A file written anew, cut
// short or put in another's place has another stamp.
struct FileStamp {
    quint64 device = 0;
    quint64 file = 0;
    qint64 size = 0;
    qint64 modified = 0;
    qint64 changed = 0;

    bool operator==(const FileStamp &) const = default;
};

class GlossaryFile
{
public:
    GlossaryFile() = default;
    ~GlossaryFile();
    GlossaryFile(const GlossaryFile &) = delete;
    GlossaryFile &operator=(const GlossaryFile &) = delete;

    // The kind of failure that opening path for reading gives: FileNotFound
    // when it does not exist (also when the path is longer than the platform
    // allows), PathNotFound when its folder is missing, PathFileAccess when
    // it is no regular file or cannot be read; None when it is open.
    ErrorKind open(const QString &path);

    qint64 size() const { return m_size; }
    // The stamp of the open file, as it was when it was opened.
    const FileStamp &stamp() const { return m_stamp; }

    // Reads up to `count` bytes from the current position; returns the number
    // read (0 at the end), -1 on a failure.
    qint64 read(char *buffer, qint64 count);

    // The whole file from its start. Fails with OutOfMemory when the memory
    // for it cannot be had, with PathFileAccess when reading fails. A file
    // that shrinks meanwhile gives what was there; one that grows, its size
    // at opening.
    ErrorKind readAll(QByteArray &bytes);

private:
    void close();

#ifdef Q_OS_WIN
    void *m_handle = nullptr;
#else
    int m_fd = -1;
#endif
    qint64 m_size = 0;
    FileStamp m_stamp;
};

// The failure that opening path gives, without keeping it open.
ErrorKind openFailure(const QString &path);

// The stamp of the regular file path names now; nothing when it cannot be
// opened as the glossary is.
std::optional<FileStamp> stampOf(const QString &path);

} // namespace Woord
