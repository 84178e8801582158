#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Glossary file bytes for tests, well-formed or broken on purpose.
namespace Woord::Test {

inline const QByteArray header
    = QByteArrayLiteral("\";woordorakelaar databestand, verander niets aan de indeling a.u.b.\"");

// A plain text scrambled with the built-in key (Windows-1252 characters only).
QByteArray scramble(const QString &plain);

struct Entry {
    QString term;
    QString description;
};

// A glossary file: the header line, "count,startIndex", the date and the
// entries (each quoted, on one line), every line ending in CR LF. The count
// defaults to the number of entries.
QByteArray wod(const QList<Entry> &entries, const QByteArray &count = {}, const QByteArray &date = "\"09/12/2026\"",
               const QByteArray &firstLine = header);

} // namespace Woord::Test
