#include "glossary/glossary.h"

#include "glossary/encrypt.h"

namespace Woord {

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
    return holds(i) ? view(m_entries.at(i - 1).term) : QByteArrayView();
}

QByteArrayView Glossary::descriptionBytes(qint32 i) const
{
    return holds(i) ? view(m_entries.at(i - 1).description) : QByteArrayView();
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
    m_entries.append(Entry{{termStart, termLength}, {descriptionStart, descriptionLength}});
}

void Glossary::clearEntries()
{
    m_entries.clear();
    m_bytes.clear();
}

} // namespace Woord
