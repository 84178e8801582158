#include "core/glossary/glossary.h"

#include "core/glossary/encrypt.h"
#include "core/glossary/glossaryfile.h"

#include <limits>

namespace Woord {

static_assert(maxGlossaryFileSize <= Glossary::maxTextStart
              && Glossary::maxTextStart == std::numeric_limits<quint32>::max());
static_assert(Encrypt::maxTextLength <= std::numeric_limits<quint16>::max());

BegripRecord Glossary::Begrippen(qint32 i) const
{
    return {Begrip(i), Beschrijving(i)};
}

QString Glossary::Begrip(qint32 i) const
{
    return Encrypt::Decode(termBytes(i), 0).text;
}

QString Glossary::Beschrijving(qint32 i) const
{
    return Encrypt::Decode(descriptionBytes(i), 0).text;
}

QByteArrayView Glossary::termBytes(qint32 i) const
{
    if (!holds(i))
        return {};
    const Entry &entry = m_entries.at(i - 1);
    return view(entry.termStart, entry.termLength);
}

QByteArrayView Glossary::descriptionBytes(qint32 i) const
{
    if (!holds(i))
        return {};
    const Entry &entry = m_entries.at(i - 1);
    return view(entry.descriptionStart, entry.descriptionLength);
}

void Glossary::adoptBytes(QByteArray bytes)
{
    m_bytes = std::move(bytes);
    m_entries.clear();
}

void Glossary::setHeader(const QString &date, qint32 startIndex)
{
    m_date = date;
    m_startIndex = startIndex;
}

void Glossary::dropBytesAfter(qsizetype end)
{
    if (end >= m_bytes.size())
        return;
    // The spans are offsets, and every one ends before `end`.
    m_bytes.truncate(end);
    m_bytes.squeeze();
}

void Glossary::reserve(qint32 entries)
{
    m_entries.reserve(entries);
}

void Glossary::appendEntry(qsizetype termStart, qsizetype termLength, qsizetype descriptionStart,
                           qsizetype descriptionLength)
{
    // The loader gives no text longer than maxTextLength nor starting past
    // maxTextStart.
    Q_ASSERT(termStart >= 0 && descriptionStart >= 0 && descriptionStart <= maxTextStart);
    Q_ASSERT(termLength >= 0 && termLength <= Encrypt::maxTextLength);
    Q_ASSERT(descriptionLength >= 0 && descriptionLength <= Encrypt::maxTextLength);
    m_entries.append(
        Entry{quint32(termStart), quint32(descriptionStart), quint16(termLength), quint16(descriptionLength)});
}

void Glossary::clearEntries()
{
    m_entries.clear();
    m_bytes.clear();
}

} // namespace Woord
