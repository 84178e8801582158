#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reading regular files, and only those. A path that names a folder, a FIFO,
// a socket or a device is refused before it is opened and without waiting
// for a writer, and a file is read with ordinary reads into the program's own
// memory, so nothing done to it afterwards can reach what was read.
namespace Woord::Files {

// What a path names.
enum class FileType {
    Regular,
    Folder,
    Fifo,
    Socket,
    Device,
    Other,
};

// Which file a path names, whatever name it goes by (symbolic and hard links).
struct Identity {
    quint64 device = 0;
    quint64 file = 0;
    bool known = false;

    bool sameAs(const Identity &other) const
    {
        return known && other.known && device == other.device && file == other.file;
    }
};

enum class OpenError {
    None,
    NotFound, // nothing by that name (also a name longer than the system takes)
    FolderMissing, // the folder it would lie in is not there, or part of the path is no folder
    NotRegular, // a folder, a FIFO, a socket or a device: type() tells which
    AccessDenied,
    Failed, // anything else: errorText() tells what
};

enum class ReadError {
    None,
    TooLarge,
    OutOfMemory,
    Failed,
};

class RegularFile
{
public:
    RegularFile() = default;
    ~RegularFile();
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    OpenError open(const QString &path);
    void close();

    // What the path named when open refused it as NotRegular.
    FileType type() const { return m_type; }
    // The size when it was opened.
    qint64 size() const { return m_size; }
    Identity identity() const { return m_identity; }
    // The system's own words for the last failure ("Permission denied").
    const QString &errorText() const { return m_errorText; }

    // Back to the start of the file, for reading it again.
    bool rewind();

    // Up to count bytes from the current position; 0 at the end, -1 on a failure.
    qint64 read(char *buffer, qint64 count);

    // Everything from the current position to the end. A file that holds, or
    // grows while it is read to, more than maxSize bytes is TooLarge; on any
    // failure bytes is left empty.
    ReadError readAll(QByteArray &bytes, qint64 maxSize);

private:
    OpenError fail(OpenError error, int systemError);

#ifdef Q_OS_WIN
    void *m_handle = nullptr;
#else
    int m_fd = -1;
#endif
    FileType m_type = FileType::Regular;
    qint64 m_size = 0;
    Identity m_identity;
    QString m_errorText;
};

// What path names now, following links; nothing when it names nothing.
std::optional<FileType> typeOf(const QString &path);

} // namespace Woord::Files
