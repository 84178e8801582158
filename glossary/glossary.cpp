#include "glossary/glossary.h"

#include "glossary/codepage.h"

namespace Woord {

BegripRecord Glossary::Begrippen(qint32 i) const
{
    return {Begrip(i), Beschrijving(i)};
}

QString Glossary::Begrip(qint32 i) const
{
    return CodePage::toUnicode(termBytes(i));
}

QString Glossary::Beschrijving(qint32 i) const
{
    return CodePage::toUnicode(descriptionBytes(i));
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
