#pragma once

#include "glossary/errorkind.h"

#include <QByteArray>
#include <QString>

// Opening and reading the glossary file. Only a regular file is ever read, and
// it is read with ordinary reads into the program's own memory, so nothing
// done to the file while or after it is read can reach the program; a FIFO,
// a device or a folder under the glossary's name is refused without waiting.
namespace Woord {

// The largest file the format can hold, in bytes. Every field is at most
// 32767 characters (the limit of a text; no number or date needs as many),
// plus two quotes and a CR LF: 32771 bytes. A file has four header fields
// and at most 32767 entries of two texts, 4 + 2 * 32767 = 65538 fields, so
// 65538 * 32771 = 2,147,745,798 bytes (about 2 GiB). A larger file cannot be
// a glossary and is refused without being read. (Blanks before a field and
// data after the last entry are passed over by the reader; a file made
// larger by them alone is no glossary anyone made.)
inline constexpr qint64 maxGlossaryFileSize = qint64(4 + 2 * 32767) * (32767 + 4);

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
};

// The failure that opening path gives, without keeping it open.
ErrorKind openFailure(const QString &path);

} // namespace Woord
