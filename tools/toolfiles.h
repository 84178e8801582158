#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing files for wodtool, which must neither hang on nor write
// over anything but a regular file. The errors are Dutch texts that follow
// the path they are about.
namespace Woord::ToolFiles {

// Which file a path names, whatever name it goes by (symbolic and hard links).
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool known = false;

    bool sameAs(const FileIdentity &other) const
    {
        return known && other.known && device == other.device && inode == other.inode;
    }
};

struct ReadResult {
    QByteArray bytes;
    FileIdentity identity;
    QString error; // empty when the file was read
};

// Reads a regular file of at most maxSize bytes. Anything else (a folder, a
// FIFO, a socket, a device) is refused before any byte is read and without
// waiting for a writer; a larger file is refused without being read.
// kind names what the file should be ("begrippenlijst", "bron").
ReadResult readRegularFile(const QString &path, qint64 maxSize, const QString &kind);

// Why wodtool must not write to path, or an empty text when it may: the path
// names something that is not a regular file, or the same file as the input
// that was read from inputPath.
QString refusedOutput(const QString &path, const QString &inputPath, const FileIdentity &input);

// Writes through a temporary file that replaces the target only when all of
// it is written, so a failure never leaves a half-written file.
QString writeFile(const QString &path, const QByteArray &bytes);

} // namespace Woord::ToolFiles
