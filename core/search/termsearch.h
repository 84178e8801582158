#pragma once

#include "glossary/glossary.h"
#include "platform/platform.h"

#include <QByteArray>
#include <QString>

namespace Woord {

// The scan behind the search: the first entry from a start index on whose
// term, or else whose description, holds the search text. Letter case does
// not count (accented letters included: é finds É); accents do (e does not
// find é). Every character stands for itself.
//
// The glossary's bytes are decoded and folded to lower case once, at the
// first search, and then searched as a whole; a hit that would run across the
// end of a text is no hit. The glossary's entries must not change while the
// search lives.
class TermSearch
{
public:
    explicit TermSearch(const Glossary &glossary);

    // The entry of the first hit in startIndex..AantalBegrippen, or 0.
    qint32 SearchTerms(const QString &searchStr, qint32 startIndex);

private:
    void fold();
    qint32 entryAt(qsizetype offset, qsizetype length) const;

    const Glossary &m_glossary;
    bool m_folded = false;
    QByteArray m_foldedBytes;
    QList<qsizetype> m_entryStarts; // offset of each entry's term in the bytes
};

// "Het gezochte -- net -- komt niet meer voor."
Message notFoundMessage(const QString &title, const QString &searchStr);

} // namespace Woord
