#include "glossary/glossary.h"

#include "glossary/encrypt.h"

#include <QFile>

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

void Glossary::keepInMemory()
{
    if (!m_mapping)
        return;
    // The spans are offsets, so they hold for the copy as they did for the file.
    m_bytes = QByteArray(m_bytes.constData(), m_bytes.size());
    m_mapping.reset();
}

void Glossary::adoptBytes(QByteArray bytes, std::shared_ptr<QFile> mapping)
{
    m_bytes = std::move(bytes);
    m_mapping = std::move(mapping);
    m_entries.clear();
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
    m_mapping.reset();
}

} // namespace Woord
