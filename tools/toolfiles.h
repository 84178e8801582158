#pragma once

#include "core/files/regularfile.h"

#include <QByteArray>
#include <QString>

// Reading and writing files for wodtool, which must neither hang on nor write
// over anything but a regular file. The errors are Dutch texts that follow
// the path they are about.
namespace Woord::ToolFiles {

using Files::Identity;

struct ReadResult {
    QByteArray bytes;
    Identity identity;
    QString error; // empty when the file was read
};

// Opens a regular file of at most maxSize bytes. Anything else (a folder, a
// FIFO, a socket, a device) is refused before it is opened and without
// waiting for a writer; a larger file is refused. kind names what the file
// should be ("begrippenlijst", "bron"). Returns an empty text, or why not.
QString openRegularFile(const QString &path, qint64 maxSize, const QString &kind, Files::RegularFile &file);

// Reads a regular file of at most maxSize bytes, as openRegularFile opens it;
// a file that grows past maxSize while it is read is refused too.
ReadResult readRegularFile(const QString &path, qint64 maxSize, const QString &kind);

// Why wodtool must not write to path, or an empty text when it may: the path
// names something that is not a regular file, or the same file as the input
// that was read from inputPath.
QString refusedOutput(const QString &path, const QString &inputPath, const Identity &input);

// Writes through a new file that takes the target's place only when all of
// it is written, so a failure never leaves a half-written file; the error
// names the system's cause ("No space left on device").
QString writeFile(const QString &path, const QByteArray &bytes);

} // namespace Woord::ToolFiles
