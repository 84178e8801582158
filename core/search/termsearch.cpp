#include "search/termsearch.h"

#include "glossary/codepage.h"
#include "glossary/encrypt.h"

#include <algorithm>
#include <array>
#include <functional>

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

bool within(QByteArrayView field, const char *hit, qsizetype length)
{
    return hit >= field.data() && hit + length <= field.data() + field.size();
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
    m_entryStarts.clear();
    m_entryStarts.reserve(m_glossary.AantalBegrippen());
    for (qint32 i = 1; i <= m_glossary.AantalBegrippen(); ++i)
        m_entryStarts.append(m_glossary.termBytes(i).data() - stored.data());
    m_folded = true;
}

qint32 TermSearch::entryAt(qsizetype offset, qsizetype length) const
{
    const auto after = std::upper_bound(m_entryStarts.begin(), m_entryStarts.end(), offset);
    if (after == m_entryStarts.begin())
        return 0;
    const auto entry = static_cast<qint32>(after - m_entryStarts.begin());
    const char *hit = m_glossary.storedBytes().data() + offset;
    if (within(m_glossary.termBytes(entry), hit, length) || within(m_glossary.descriptionBytes(entry), hit, length))
        return entry;
    return 0;
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
    const char *const begin = m_foldedBytes.constData();
    const char *const end = begin + m_foldedBytes.size();
    const std::boyer_moore_horspool_searcher searcher(pattern.cbegin(), pattern.cend());
    const char *from = begin + m_entryStarts.at(startIndex - 1);
    while (from < end) {
        const char *hit = std::search(from, end, searcher);
        if (hit == end)
            return 0;
        // A hit that runs over a field's quotes or separators is no hit.
        if (const qint32 entry = entryAt(hit - begin, pattern.size()))
            return entry;
        from = hit + 1;
    }
    return 0;
}

Message notFoundMessage(const QString &title, const QString &searchStr)
{
    return {title, u"Het gezochte "_s + u"-- "_s + searchStr + u" --"_s + u" komt niet meer voor."_s,
            MessageIcon::Information};
}

} // namespace Woord
