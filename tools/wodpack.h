#pragma once

#include "core/files/regularfile.h"
#include "core/glossary/glossaryfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// Making and checking glossary files for the people who write glossaries.
// A glossary source is UTF-8 text, one entry a line: the term, a TAB, the
// description. Lines starting with "#" are comments; a comment
// "# datum: dd/mm/yyyy" gives the glossary's date. A line that starts with
// one or more backslashes and then "#" is an entry whose first backslash is
// not part of the term: "\#define" is the term "#define", "\\#x" the term
// "\#x". unpack writes such terms that way, so that every glossary that
// check accepts comes back unchanged through unpack and pack.
namespace Woord::WodPack {

// The largest glossary file the format can hold (the program's own limit).
using Woord::maxGlossaryFileSize;

// The largest source worth reading: 32767 entries of two texts of 32767
// characters, each character at most 3 bytes in UTF-8 (the euro sign), with
// an escaping backslash, a tab and CR LF (32767 * (2 * 32767 * 3 + 4) =
// 6442188802 bytes), and 64 MiB for the date line, comments and blank lines.
inline constexpr qint64 maxSourceSize = qint64(32767) * (2 * 32767 * 3 + 4) + (qint64(64) << 20);
static_assert(maxSourceSize == 6'509'297'666);

enum class Ordering {
    MustBeSorted, // terms out of order are a problem
    SortThem, // the entries are sorted
};

// The longest line an entry can stand on: an escaping backslash, two texts of
// 32767 characters of at most 3 bytes each in UTF-8, the tab and a CR.
inline constexpr qint64 maxEntryLineBytes = 1 + 2 * 32767 * 3 + 1 + 1;

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

// The lines of a source, one at a time: from memory, or from a file in
// pieces, so that reading a source takes memory for one line and not for the
// whole. A line longer than any entry's (a comment may be) is given cut after
// maxEntryLineBytes + 1 bytes, with its whole length.
class SourceLines
{
public:
    explicit SourceLines(QByteArrayView bytes);
    // From the file's current position to its end.
    explicit SourceLines(Files::RegularFile &file);

    // The next line, without its line feed; false at the end of the source,
    // or when reading the file failed (failed() then tells so).
    bool next(QByteArrayView &line, qint64 &length);
    bool failed() const { return m_failed; }

private:
    bool fill();

    Files::RegularFile *m_file = nullptr;
    QByteArray m_buffer; // what was read from the file and not yet given
    QByteArrayView m_rest; // in memory: what is not yet given
    QByteArray m_line; // a line that lies across two pieces of the file
    bool m_failed = false;
    bool m_atEnd = false;
};

// Reads a source line after line, as pack does: a line holds an entry, or it
// has a problem, or it is a comment, the date line or blank. It keeps what the
// reading of a line depends on: its number, the entries counted against the
// limit, the date, and the entry before (for their order).
class SourceParser
{
public:
    explicit SourceParser(Ordering ordering);

    struct Line {
        std::optional<SourceEntry> entry;
        // The line's own problem, or for an entry its place in the order.
        std::optional<Problem> problem;
    };
    // The next line of the source, as SourceLines gives it.
    Line next(QByteArrayView bytes, qint64 length);

    int lineNumber() const { return m_lineNumber; }
    int entries() const { return m_entries; }
    bool hasDateLine() const { return m_hasDateLine; }
    const QString &date() const { return m_date; }

private:
    Ordering m_ordering;
    int m_lineNumber = 0;
    int m_entries = 0;
    bool m_tooMany = false;
    bool m_hasDateLine = false;
    QString m_date;
    QString m_previousTerm;
    int m_previousLine = 0;
};

// Reads a source, stopping at the first problem.
ParseResult parseSource(QByteArrayView utf8, Ordering ordering);

struct SourceReport {
    Source source; // the entries of the lines without problems
    QList<Problem> problems; // every problem pack could stop at, by line
    bool hasDateLine = false; // a "# datum:" line, valid or not
};

// Reads a whole source, going on past a line with a problem.
SourceReport parseWholeSource(QByteArrayView utf8, Ordering ordering);

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

// Checks a glossary file as the program reads it, and beyond that: a date
// that is no real day, empty or blank terms, terms out of order, texts a
// source cannot hold, data after the last entry. What it accepts, unpack
// writes as a source that pack turns back into the same entries.
CheckResult check(QByteArrayView wod);

} // namespace Woord::WodPack
