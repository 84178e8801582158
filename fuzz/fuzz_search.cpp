// The term search against a reference that is plainly right: every term and
// description decoded with Decode, both sides lower-cased with the
// Windows-1252 table that Unicode gives, std::search within each field, the
// term before the description, entries from the start index on. Glossaries
// and search texts are built from the input: stored bytes of any value but
// the three the field rules cannot carry, junk between a closing quote and
// its separator, both kinds of separator, and search texts taken from the
// fields (with letter case changed, and across the end of a field), as raw
// Windows-1252 or as any Unicode.

#include "core/glossary/codepage.h"
#include "core/glossary/encrypt.h"
#include "core/glossary/loader.h"
#include "core/search/termsearch.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

[[noreturn]] void fail(const char *what, const QString &searchText, qint32 start, qint32 got, qint32 expected)
{
    std::fprintf(stderr, "fuzz_search: %s\nstart %d: search gives %d, reference %d; search text (UTF-16):", what, start,
                 got, expected);
    for (const QChar c : searchText)
        std::fprintf(stderr, " %04x", c.unicode());
    std::fprintf(stderr, "\n");
    std::abort();
}

// Windows-1252 lower case as Unicode has it: each code's character, lowered,
// back to its code where Windows-1252 has one.
const std::array<unsigned char, 256> &lowerTable()
{
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int c = 0; c < 256; ++c) {
            const int lower
                = Woord::CodePage::fromUnicode(QChar(Woord::CodePage::toUnicode(uchar(c))).toLower().unicode());
            t[c] = static_cast<unsigned char>(lower >= 0 ? lower : c);
        }
        return t;
    }();
    return table;
}

// A text as lower-cased Windows-1252 bytes, or nothing when a character has no
// code there (such a text occurs in no glossary).
std::optional<std::string> folded(const QString &text)
{
    std::string out;
    for (const QChar c : text) {
        const int code = Woord::CodePage::fromUnicode(c.unicode());
        if (code < 0)
            return std::nullopt;
        out += static_cast<char>(lowerTable()[static_cast<unsigned char>(code)]);
    }
    return out;
}

bool contains(const std::string &field, const std::string &pattern)
{
    return pattern.empty() || std::search(field.begin(), field.end(), pattern.begin(), pattern.end()) != field.end();
}

qint32 reference(const QList<std::string> &fields, const QString &searchText, qint32 start)
{
    const std::optional<std::string> pattern = folded(searchText);
    if (!pattern)
        return 0;
    const auto count = static_cast<qint32>(fields.size() / 2);
    for (qint32 i = std::max(start, 1); i <= count; ++i) {
        if (contains(fields[2 * (i - 1)], *pattern) || contains(fields[2 * (i - 1) + 1], *pattern))
            return i;
    }
    return 0;
}

// Stored bytes for a quoted field: anything but a quote, CR or LF.
QByteArray storable(std::string bytes)
{
    std::erase_if(bytes, [](char c) { return c == '"' || c == '\r' || c == '\n'; });
    return QByteArray::fromStdString(bytes);
}

QString changeCase(QString text, FuzzedDataProvider &input)
{
    for (QChar &c : text) {
        if (input.remaining_bytes() == 0)
            break;
        switch (input.ConsumeIntegralInRange(0, 2)) {
        case 1:
            c = c.toUpper();
            break;
        case 2:
            c = c.toLower();
            break;
        default:
            break;
        }
    }
    return text;
}

// Search texts come from the fields (plain) or from the stored bytes decoded
// from the start of one field to the end of the next (across), quotes and
// separators included: such a text lies in the decoded glossary but in no
// single field.
QString searchText(FuzzedDataProvider &input, const QList<QString> &plain, const QList<QString> &across)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0: // raw Windows-1252
        return Woord::CodePage::toUnicode(QByteArray::fromStdString(input.ConsumeRandomLengthString(40)));
    case 1: { // any Unicode, as UTF-16
        const std::string bytes = input.ConsumeRandomLengthString(40);
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.data()), qsizetype(bytes.size() / 2));
    }
    default: { // a piece of a field, or of a field and the next one
        const QList<QString> &from = input.ConsumeBool() || across.isEmpty() ? plain : across;
        if (from.isEmpty())
            return QString();
        const QString text = from[input.ConsumeIntegralInRange<qsizetype>(0, from.size() - 1)];
        const auto start = input.ConsumeIntegralInRange<qsizetype>(0, text.size());
        const auto length = input.ConsumeIntegralInRange<qsizetype>(0, text.size() - start);
        return changeCase(text.mid(start, length), input);
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);

    // The glossary file.
    const auto count = input.ConsumeIntegralInRange<qint32>(0, 40);
    QByteArray wod = "\";woordorakelaar databestand, verander niets aan de indeling a.u.b.\"\r\n"
        + QByteArray::number(count) + ",1\r\n\"09/12/2026\"\r\n";
    for (qint32 i = 0; i < 2 * count; ++i) {
        wod += '"' + storable(input.ConsumeRandomLengthString(input.ConsumeBool() ? 64 : 40000).substr(0, 32767)) + '"';
        if (input.ConsumeIntegralInRange(0, 7) == 0) {
            std::string junk = input.ConsumeRandomLengthString(8);
            std::erase_if(junk, [](char c) { return c == ',' || c == '\r' || c == '\n'; });
            wod += QByteArray::fromStdString(junk);
        }
        wod += i % 2 == 0 && input.ConsumeBool() ? "," : "\r\n";
    }
    const Woord::LoadResult load = Woord::LoadDatabase(QByteArrayView(wod));
    if (load.status != Woord::LoadStatus::Loaded || load.glossary.AantalBegrippen() != count)
        fail("the glossary built for the search does not load", QString(), 0, 0, 0);
    const Woord::Glossary &glossary = load.glossary;

    QList<QString> plain;
    QList<std::string> fields;
    QList<QByteArrayView> stored;
    for (qint32 i = 1; i <= count; ++i) {
        for (const QByteArrayView bytes : {glossary.termBytes(i), glossary.descriptionBytes(i)}) {
            const QString text = Woord::Encrypt::Decode(bytes).text;
            plain.append(text);
            fields.append(folded(text).value());
            stored.append(bytes);
        }
    }
    QList<QString> across;
    for (qsizetype k = 0; k + 1 < stored.size(); ++k) {
        QByteArray bytes(stored[k].data(), stored[k + 1].data() + stored[k + 1].size() - stored[k].data());
        Woord::Encrypt::decodeInPlace(bytes.data(), bytes.size());
        across.append(Woord::CodePage::toUnicode(bytes));
    }

    // Several searches on one search object, as F3 makes them.
    Woord::TermSearch search(glossary);
    for (int n = input.ConsumeIntegralInRange(1, 8); n > 0 && input.remaining_bytes() > 0; --n) {
        const QString text = searchText(input, plain, across);
        const auto start = input.ConsumeIntegralInRange<qint32>(-1, count + 2);
        const qint32 got = search.SearchTerms(text, start);
        const qint32 expected = reference(fields, text, start);
        if (got != expected)
            fail("search and reference disagree", text, start, got, expected);
    }
    return 0;
}
