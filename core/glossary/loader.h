#pragma once

#include "core/glossary/errorkind.h"
#include "core/glossary/glossary.h"

#include <QByteArrayView>
#include <QString>

// Reading a glossary file: first the header test that start-up makes, then the
// full load into the term table. Both report their outcome; the windows turn
// an outcome into a message.
namespace Woord {

enum class HeaderCheck {
    Matches,
    WrongLayout, // the first field is not the header text
    Failed, // the file could not be opened or read; see error
    TooLarge, // larger than any glossary can be; not read
    Unread, // the file opened, but it could not be read or held; see error
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
    qint32 declaredCount = 0; // the entry count the file gives, whether or not it holds as many
    Glossary glossary;
};

HeaderResult testHeader(QByteArrayView data);

// The load itself: header (not looked at), count and start index, date, then
// AantalBegrippen entries of two scrambled texts each.
LoadResult LoadDatabase(QByteArrayView data);
// The same, taking over the bytes instead of copying them.
LoadResult LoadDatabase(QByteArray data);

} // namespace Woord
