#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// Making and checking glossary files for the people who write glossaries.
// A glossary source is UTF-8 text, one entry a line: the term, a TAB, the
// description. Lines starting with "#" are comments; a comment
// "# datum: dd/mm/yyyy" gives the glossary's date.
namespace Woord::WodPack {

struct SourceEntry {
    QString term;
    QString description;
    int line = 0;
};

struct Source {
    QList<SourceEntry> entries;
    QString date; // from a "# datum:" comment; empty when there is none
};

// One problem, naming where it is: a source line (and a character in it, both
// counted from 1, 0 when the whole line is meant) or a glossary entry.
struct Problem {
    int line = 0;
    int column = 0;
    QString message;

    QString toString() const;
};

struct ParseResult {
    Source source;
    std::optional<Problem> problem;
};

enum class Ordering {
    MustBeSorted, // terms out of order are a problem
    SortThem, // the entries are sorted
};

// Reads a source, stopping at the first problem.
ParseResult parseSource(QByteArrayView utf8, Ordering ordering);

// A date as the glossary stores it: dd/mm/yyyy, and a real day.
bool isValidDate(const QString &date);

// The glossary file for a source that parseSource accepted.
QByteArray pack(const QList<SourceEntry> &entries, const QString &date);

struct UnpackResult {
    QByteArray text;
    std::optional<Problem> problem;
};

// The source text of a glossary file: the date comment, then the entries.
UnpackResult unpack(QByteArrayView wod);

struct CheckResult {
    QString date;
    qint32 count = 0;
    std::optional<Problem> problem; // line is the entry number here
};

// Checks a glossary file as the program reads it, and beyond that: empty
// terms, terms out of order, texts a source cannot hold, data after the last
// entry.
CheckResult check(QByteArrayView wod);

} // namespace Woord::WodPack
