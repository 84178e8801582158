#pragma once

#include "glossary/errorkind.h"
#include "glossary/glossary.h"

#include <QByteArrayView>
#include <QString>

#include <memory>

class QFile;

// Reading a glossary file: first the header test that start-up makes, then the
// full load into the term table. Both report their outcome; the windows turn
// an outcome into a message.
namespace Woord {

enum class HeaderCheck {
    Matches,
    WrongLayout, // the first field is not the header text
    Failed, // the file could not be opened or read; see error
};

struct HeaderResult {
    HeaderCheck check = HeaderCheck::Failed;
    ErrorKind error = ErrorKind::None;
};

enum class LoadStatus {
    Loaded,
    OldFormat, // the date's third character is not "/"
    WrongCount, // the entry count lies outside 0..32767
    Failed, // any other failure; see error and failedEntry
};

struct LoadResult {
    LoadStatus status = LoadStatus::Failed;
    ErrorKind error = ErrorKind::None;
    qint32 failedEntry = 0; // the entry being read when the load failed, 0 for the header fields
    qsizetype endOffset = 0; // where reading stopped; data after it is ignored
    Glossary glossary;
};

HeaderResult testHeader(QByteArrayView data);
HeaderResult testHeaderFile(const QString &path);

// The load itself: header (not looked at), count and start index, date, then
// AantalBegrippen entries of two scrambled texts each.
LoadResult LoadDatabase(QByteArrayView data);
// The same, taking over the bytes (and the mapped file they may lie in)
// instead of copying them.
LoadResult LoadDatabase(QByteArray data, std::shared_ptr<QFile> mapping = {});
LoadResult LoadDatabaseFile(const QString &path);

// The kind of failure that opening path for reading gives: FileNotFound,
// PathNotFound when its folder is missing, PathFileAccess when it cannot be
// read, None when it opens.
ErrorKind openFailure(const QString &path);

} // namespace Woord
