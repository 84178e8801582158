#include "core/search/termsearch.h"

#include "core/glossary/codepage.h"
#include "core/glossary/encrypt.h"
#include "core/search/twowaysearch.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace Woord {

namespace {

// Windows-1252 lower case: A-Z, the accented capitals À..Þ (not ×), and Š, Œ,
// Ž and Ÿ. An accented letter stays apart from the plain one.
constexpr std::array<unsigned char, 256> lowerTable()
{
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7)
            table[c] = static_cast<unsigned char>(c + 32);
    }
    table[0x8A] = 0x9A;
    table[0x8C] = 0x9C;
    table[0x8E] = 0x9E;
    table[0x9F] = 0xFF;
    return table;
}

constexpr std::array<unsigned char, 256> lower = lowerTable();

// The search text as folded Windows-1252 bytes; false when it holds a
// character no glossary can hold, so it cannot be found.
bool foldedPattern(const QString &text, QByteArray &pattern)
{
    pattern.reserve(text.size());
    bool found = true;
    CodePage::forEachCodePoint(text, [&](char32_t c) {
        const int code = CodePage::fromUnicode(c);
        if (code < 0)
            found = false;
        else
            pattern.append(static_cast<char>(lower[static_cast<unsigned char>(code)]));
    });
    return found;
}

// Folds decoded bytes to lower case where they stand. A-Z and À..Þ (not ×)
// lie 32 below their small letters, which the compiler can do many bytes at a
// time; the four capitals of 0x80..0x9F are rare and put right afterwards.
void foldInPlace(unsigned char *bytes, qsizetype size)
{
    unsigned char rare = 0;
    for (qsizetype i = 0; i < size; ++i) {
        // Bitwise, not logical, operators: no branch, so many bytes at a time.
        const unsigned char c = bytes[i];
        const unsigned ascii = static_cast<unsigned char>(c - 'A') < 26;
        const unsigned latin = unsigned(static_cast<unsigned char>(c - 0xC0) < 31) & unsigned(c != 0xD7);
        bytes[i] = static_cast<unsigned char>(c + ((ascii | latin) << 5));
        rare |= static_cast<unsigned char>((c & 0xE0) == 0x80);
    }
    if (!rare)
        return;
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = lower[bytes[i]];
}

} // namespace

TermSearch::TermSearch(const Glossary &glossary)
    : m_glossary(glossary)
{
}

void TermSearch::fold()
{
    if (m_folded)
        return;
    // The stored bytes are decoded as every text is, then folded.
    const QByteArrayView stored = m_glossary.storedBytes();
    m_foldedBytes = QByteArray(stored.size(), Qt::Uninitialized);
    Encrypt::decodeInto(stored.data(), m_foldedBytes.data(), stored.size());
    foldInPlace(reinterpret_cast<unsigned char *>(m_foldedBytes.data()), m_foldedBytes.size());
    m_folded = true;
}

QByteArrayView TermSearch::folded(QByteArrayView storedField) const
{
    return QByteArrayView(m_foldedBytes)
        .sliced(storedField.data() - m_glossary.storedBytes().data(), storedField.size());
}

qint32 TermSearch::SearchTerms(const QString &searchStr, qint32 startIndex)
{
    startIndex = std::max(startIndex, 1);
    if (startIndex > m_glossary.AantalBegrippen())
        return 0;
    QByteArray pattern;
    if (!foldedPattern(searchStr, pattern))
        return 0;
    if (pattern.isEmpty())
        return startIndex;

    fold();
    // Each text on its own: a hit never runs across the end of one, and the
    // time is the glossary's length, whatever the search text.
    const TwoWaySearcher searcher(pattern);
    for (qint32 i = startIndex; i <= m_glossary.AantalBegrippen(); ++i) {
        if (searcher.indexIn(folded(m_glossary.termBytes(i))) >= 0
            || searcher.indexIn(folded(m_glossary.descriptionBytes(i))) >= 0)
            return i;
    }
    return 0;
}

Message notFoundMessage(const QString &title, const QString &searchStr)
{
    return {title, u"Het gezochte "_s + u"-- "_s + searchStr + u" --"_s + u" komt niet meer voor."_s,
            MessageIcon::Information};
}

} // namespace Woord
