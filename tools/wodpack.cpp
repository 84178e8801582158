#include "tools/wodpack.h"

#include "core/glossary/codepage.h"
#include "core/glossary/encrypt.h"
#include "core/glossary/glossary.h"
#include "core/glossary/loader.h"
#include "tools/dutchorder.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <variant>

using namespace Qt::StringLiterals;

namespace Woord::WodPack {

namespace {

const QString dateComment = u"# datum:"_s;

QString codePoint(char32_t c)
{
    return u"U+"_s + QString::number(c, 16).toUpper().rightJustified(4, u'0');
}

// Why a character cannot stand in a glossary text, or an empty text when it can.
QString refusal(char32_t c)
{
    if (c == u'\t')
        return u"een tab binnen het begrip of de beschrijving (alleen tussen begrip en beschrijving hoort een tab)"_s;
    if (c == u'\r' || c == u'\n' || c == 0x2028 || c == 0x2029 || c == 0x85)
        return u"een regeleinde binnen het begrip of de beschrijving"_s;
    if (c < 0x20 || c == 0x7F)
        return u"het stuurteken "_s + codePoint(c) + u" kan niet in een begrippenlijst staan"_s;
    if (c == 0xFF)
        return u"de letter \u00FF kan niet in een begrippenlijst staan"_s;
    const int code = CodePage::fromUnicode(c);
    if (code < 0 || (code >= 0x80 && code <= 0x9F && CodePage::toUnicode(static_cast<unsigned char>(code)) < 0xA0))
        return u"het teken "_s + codePoint(c) + u" (\""_s + QString::fromUcs4(&c, 1)
            + u"\") bestaat niet in Windows-1252"_s;
    return {};
}

// The first character of text that cannot stand in a glossary: its 0-based
// index in code points and the reason.
std::optional<std::pair<int, QString>> firstRefused(const QString &text)
{
    int index = 0;
    std::optional<std::pair<int, QString>> refused;
    CodePage::forEachCodePoint(text, [&](char32_t c) {
        if (refused)
            return;
        if (QString reason = refusal(c); !reason.isEmpty())
            refused = std::make_pair(index, reason);
        ++index;
    });
    return refused;
}

QString quoted(const QString &term)
{
    return u"\u201C"_s + term + u"\u201D"_s;
}

// A term that a source line can only carry escaped: one that starts with
// backslashes and then "#" (else the line would be a comment, or lose a
// backslash).
bool needsEscape(const QString &term)
{
    qsizetype i = 0;
    while (i < term.size() && term.at(i) == u'\\')
        ++i;
    return i < term.size() && term.at(i) == u'#';
}

// The entry on a source line (without its escaping backslash, which shifts
// the columns by columnOffset), or the problem with it.
std::variant<SourceEntry, Problem> parseLine(const QString &line, int lineNumber, int columnOffset)
{
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0)
        return Problem{lineNumber, 0, u"geen tab tussen begrip en beschrijving"_s};
    SourceEntry entry{line.left(tab), line.mid(tab + 1), lineNumber};
    if (entry.term.isEmpty())
        return Problem{lineNumber, 1 + columnOffset, u"het begrip is leeg"_s};

    int termLength = 0;
    CodePage::forEachCodePoint(entry.term, [&termLength](char32_t) { ++termLength; });
    for (const auto &[text, offset] : {std::pair{&entry.term, 0}, std::pair{&entry.description, termLength + 1}}) {
        if (const auto refused = firstRefused(*text))
            return Problem{lineNumber, columnOffset + offset + refused->first + 1, refused->second};
        if (text->size() > Encrypt::maxTextLength)
            return Problem{lineNumber, columnOffset + offset + 1,
                           (text == &entry.term ? u"het begrip"_s : u"de beschrijving"_s)
                               + u" is langer dan 32767 tekens"_s};
    }
    if (entry.term.trimmed().isEmpty())
        return Problem{lineNumber, 1 + columnOffset, u"het begrip bestaat alleen uit spaties"_s};
    return entry;
}

const QString badDate = u"de datum moet de vorm dd/mm/jjjj hebben en een bestaande dag zijn"_s;

// A date line's date, or the problem with it.
std::variant<QString, Problem> parseDateComment(const QString &line, int lineNumber)
{
    const QString date = line.mid(dateComment.size()).trimmed();
    if (!isValidDate(date))
        return Problem{lineNumber, 0, badDate};
    return date;
}

// Reads the source line by line; with stopAtFirst it ends at the first
// problem, else it passes over the line and goes on.
SourceReport parse(QByteArrayView utf8, Ordering ordering, bool stopAtFirst)
{
    SourceReport result;
    SourceLines lines(utf8);
    SourceParser parser(ordering);
    QByteArrayView line;
    qint64 length = 0;
    while (lines.next(line, length)) {
        SourceParser::Line parsed = parser.next(line, length);
        if (parsed.entry)
            result.source.entries.append(std::move(*parsed.entry));
        if (parsed.problem) {
            result.problems.append(*parsed.problem);
            if (stopAtFirst)
                break;
        }
    }
    result.hasDateLine = parser.hasDateLine();
    result.source.date = parser.date();
    if (ordering == Ordering::SortThem) {
        std::stable_sort(
            result.source.entries.begin(), result.source.entries.end(),
            [](const SourceEntry &a, const SourceEntry &b) { return DutchOrder::compare(a.term, b.term) < 0; });
    }
    return result;
}

void appendScrambled(QByteArray &out, const QString &text)
{
    out.append('"');
    CodePage::forEachCodePoint(text, [&out](char32_t c) {
        out.append(static_cast<char>(
            Encrypt::encodeByte(static_cast<unsigned char>(CodePage::fromUnicode(c)), Encrypt::builtInKey)));
    });
    out.append('"');
}

} // namespace

SourceLines::SourceLines(QByteArrayView bytes)
    : m_rest(bytes)
{
}

SourceLines::SourceLines(Files::RegularFile &file)
    : m_file(&file)
{
}

bool SourceLines::fill()
{
    constexpr qsizetype piece = qsizetype(1) << 20;
    if (m_atEnd)
        return false;
    m_buffer.resize(piece);
    const qint64 done = m_file->read(m_buffer.data(), piece);
    if (done <= 0) {
        m_failed = done < 0;
        m_atEnd = true;
        m_buffer.clear();
        m_rest = {};
        return false;
    }
    m_buffer.resize(qsizetype(done));
    m_rest = m_buffer;
    return true;
}

bool SourceLines::next(QByteArrayView &line, qint64 &length)
{
    constexpr qsizetype kept = maxEntryLineBytes + 1;
    length = 0;
    m_line.clear();
    bool any = false;
    bool copied = false;
    for (;;) {
        if (m_rest.isEmpty() && (!m_file || !fill())) {
            if (!any)
                return false;
            break;
        }
        any = true;
        const qsizetype end = m_rest.indexOf('\n');
        const QByteArrayView piece = end < 0 ? m_rest : m_rest.first(end);
        if (end >= 0 && !copied) {
            // The whole line lies in what is at hand.
            line = piece.first(std::min(piece.size(), kept));
            length = piece.size();
            m_rest = m_rest.sliced(end + 1);
            return true;
        }
        if (m_line.size() < kept)
            m_line.append(piece.first(std::min(piece.size(), kept - m_line.size())));
        copied = true;
        length += piece.size();
        m_rest = end < 0 ? QByteArrayView() : m_rest.sliced(end + 1);
        if (end >= 0)
            break;
        if (!m_file)
            break;
    }
    line = m_line;
    return true;
}

SourceParser::SourceParser(Ordering ordering)
    : m_ordering(ordering)
{
}

SourceParser::Line SourceParser::next(QByteArrayView bytes, qint64 length)
{
    ++m_lineNumber;
    Line result;
    const bool whole = length == bytes.size();
    if (whole && bytes.endsWith('\r'))
        bytes.chop(1);
    if (m_lineNumber == 1 && bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);

    if (!whole) {
        // Longer than any entry can be: a comment, or a line pack refuses.
        if (bytes.startsWith("# datum:")) {
            m_hasDateLine = true;
            result.problem = Problem{m_lineNumber, 0, badDate};
        } else if (!bytes.startsWith('#')) {
            result.problem
                = Problem{m_lineNumber, 0,
                          u"de regel is "_s + QString::number(length)
                              + u" bytes lang, langer dan een begrip en een beschrijving samen kunnen zijn"_s};
        }
        return result;
    }

    // A byte-order mark belongs at the start of the file only: anywhere
    // else it is a character, which no glossary can hold.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString line = decoder.decode(bytes);
    if (decoder.hasError()) {
        result.problem = Problem{m_lineNumber, 0, u"deze regel is geen geldige UTF-8-tekst"_s};
    } else if (line.trimmed().isEmpty()) {
        // A blank line is passed over, but not one that holds a tab: that is
        // an entry with nothing in it, or a slip that hides one.
        if (line.contains(u'\t'))
            result.problem = Problem{
                m_lineNumber, 0, u"de regel bevat alleen spaties en een tab, geen begrip; maak hem leeg of vul hem"_s};
    } else if (line.startsWith(dateComment)) {
        m_hasDateLine = true;
        std::variant<QString, Problem> date = parseDateComment(line, m_lineNumber);
        if (Problem *problem = std::get_if<Problem>(&date))
            result.problem = *problem;
        else
            m_date = std::get<QString>(std::move(date));
    } else if (const bool escaped = line.startsWith(u'\\') && needsEscape(line); escaped || !line.startsWith(u'#')) {
        std::variant<SourceEntry, Problem> parsed
            = escaped ? parseLine(line.mid(1), m_lineNumber, 1) : parseLine(line, m_lineNumber, 0);
        if (Problem *problem = std::get_if<Problem>(&parsed)) {
            result.problem = *problem;
        } else if (m_entries >= maxAantalBegrippen) {
            if (!m_tooMany)
                result.problem = Problem{m_lineNumber, 0, u"meer dan 32767 begrippen"_s};
            m_tooMany = true;
        } else {
            SourceEntry &entry = result.entry.emplace(std::get<SourceEntry>(std::move(parsed)));
            if (m_ordering == Ordering::MustBeSorted && m_entries > 0
                && DutchOrder::compare(m_previousTerm, entry.term) > 0)
                result.problem = Problem{m_lineNumber, 1,
                                         quoted(entry.term) + u" hoort alfabetisch v\u00F3\u00F3r "_s
                                             + quoted(m_previousTerm) + u" (regel "_s + QString::number(m_previousLine)
                                             + u"); sorteer de regels of gebruik --sort"_s};
            ++m_entries;
            m_previousTerm = entry.term;
            m_previousLine = m_lineNumber;
        }
    }
    return result;
}

QString Problem::toString() const
{
    QString where = u"regel "_s + QString::number(line);
    if (column > 0)
        where += u", teken "_s + QString::number(column);
    return where + u": "_s + message;
}

bool isValidDate(const QString &date)
{
    static const QRegularExpression shape(u"^\\d\\d/\\d\\d/\\d\\d\\d\\d$"_s);
    return shape.match(date).hasMatch() && QDate::fromString(date, u"dd/MM/yyyy"_s).isValid();
}

ParseResult parseSource(QByteArrayView utf8, Ordering ordering)
{
    SourceReport report = parse(utf8, ordering, true);
    ParseResult result{std::move(report.source), std::nullopt};
    if (!report.problems.isEmpty())
        result.problem = report.problems.first();
    return result;
}

SourceReport parseWholeSource(QByteArrayView utf8, Ordering ordering)
{
    return parse(utf8, ordering, false);
}

QByteArray pack(const QList<SourceEntry> &entries, const QString &date)
{
    QByteArray out;
    out.append('"').append(QString::fromUtf16(headerText).toLatin1()).append("\"\r\n");
    out.append(QByteArray::number(entries.size())).append(",1\r\n");
    out.append('"').append(date.toLatin1()).append("\"\r\n");
    for (const SourceEntry &entry : entries) {
        appendScrambled(out, entry.term);
        out.append(',');
        appendScrambled(out, entry.description);
        out.append("\r\n");
    }
    return out;
}

UnpackResult unpack(QByteArrayView wod)
{
    UnpackResult result;
    // Order and trailing data do not keep a file from being unpacked; what
    // the program cannot read, or a source cannot hold, does.
    const LoadResult load = LoadDatabase(wod);
    if (testHeader(wod).check != HeaderCheck::Matches || load.status != LoadStatus::Loaded) {
        result.problem = check(wod).problem;
        return result;
    }
    QString text = dateComment + u' ' + load.glossary.DatabaseDatum() + u'\n';
    for (qint32 i = 1; i <= load.glossary.AantalBegrippen(); ++i) {
        const BegripRecord record = load.glossary.Begrippen(i);
        for (const QString *field : {&record.Begrip, &record.Beschrijving}) {
            if (const auto refused = firstRefused(*field)) {
                result.problem = Problem{i, refused->first + 1, refused->second};
                return result;
            }
        }
        if (needsEscape(record.Begrip))
            text += u'\\';
        text += record.Begrip + u'\t' + record.Beschrijving + u'\n';
    }
    result.text = text.toUtf8();
    return result;
}

CheckResult check(QByteArrayView wod)
{
    CheckResult result;
    const HeaderResult header = testHeader(wod);
    if (header.check != HeaderCheck::Matches) {
        result.problem = Problem{0, 0, u"het bestand begint niet met de kop van een begrippenlijst"_s};
        return result;
    }
    const LoadResult load = LoadDatabase(wod);
    result.date = load.glossary.DatabaseDatum();
    result.count = load.declaredCount;
    switch (load.status) {
    case LoadStatus::Loaded:
        break;
    case LoadStatus::OldFormat:
        result.problem = Problem{0, 0, u"de datum heeft niet de vorm dd/mm/jjjj (oud formaat)"_s};
        return result;
    case LoadStatus::WrongCount:
        result.problem = Problem{0, 0, u"het aantal begrippen ligt niet tussen 0 en 32767"_s};
        return result;
    case LoadStatus::Failed:
        if (load.error == ErrorKind::InputPastEnd)
            result.problem
                = Problem{load.failedEntry, 0, u"het bestand houdt op; er zijn minder begrippen dan het aantal zegt"_s};
        else if (load.error == ErrorKind::Overflow && load.failedEntry > 0)
            result.problem = Problem{load.failedEntry, 0, u"een tekst is langer dan 32767 tekens"_s};
        else
            result.problem
                = Problem{load.failedEntry, 0,
                          errorDescription(load.error) + u" ("_s + QString::number(errorNumber(load.error)) + u')'};
        return result;
    }

    // The program shows any date; a source holds only a real day.
    if (!isValidDate(result.date)) {
        result.problem
            = Problem{0, 0, u"de datum "_s + quoted(result.date) + u" is geen bestaande dag als dd/mm/jjjj"_s};
        return result;
    }

    const Glossary &glossary = load.glossary;
    QString previous;
    for (qint32 i = 1; i <= glossary.AantalBegrippen(); ++i) {
        const BegripRecord record = glossary.Begrippen(i);
        const QString &term = record.Begrip;
        if (term.isEmpty()) {
            result.problem = Problem{i, 0, u"het begrip is leeg"_s};
            return result;
        }
        for (const QString *field : {&term, &record.Beschrijving}) {
            if (const auto refused = firstRefused(*field)) {
                result.problem = Problem{i, refused->first + 1, refused->second};
                return result;
            }
        }
        if (term.trimmed().isEmpty()) {
            result.problem = Problem{i, 0, u"het begrip bestaat alleen uit spaties"_s};
            return result;
        }
        if (i > 1 && DutchOrder::compare(previous, term) > 0) {
            result.problem = Problem{i, 0, quoted(term) + u" hoort alfabetisch v\u00F3\u00F3r "_s + quoted(previous)};
            return result;
        }
        previous = term;
    }
    const QByteArrayView rest = wod.sliced(load.endOffset);
    if (!rest.trimmed().isEmpty())
        result.problem = Problem{load.glossary.AantalBegrippen(), 0,
                                 u"na het laatste begrip staat nog tekst; het programma negeert die"_s};
    return result;
}

} // namespace Woord::WodPack
