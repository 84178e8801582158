#pragma once

#include "core/glossary/glossary.h"
#include "core/platform/platform.h"

#include <QByteArray>
#include <QString>

namespace Woord {

// The scan behind the search: the first entry from a start index on whose
// term, or else whose description, holds the search text. Letter case does
// not count (accented letters included: é finds É); accents do (e does not
// find é). Every character stands for itself.
//
// The glossary's bytes are decoded and folded to lower case once, at the
// first search; then each term and description is searched in its place in
// them, in time linear in the glossary's length whatever the search text.
// The glossary's entries must not change while the search lives.
class TermSearch
{
public:
    explicit TermSearch(const Glossary &glossary);

    // The entry of the first hit in startIndex..AantalBegrippen, or 0.
    qint32 SearchTerms(const QString &searchStr, qint32 startIndex);

private:
    void fold();
    // A stored text's folded bytes.
    QByteArrayView folded(QByteArrayView storedField) const;

    const Glossary &m_glossary;
    bool m_folded = false;
    QByteArray m_foldedBytes; // the stored bytes, decoded and folded
};

// "Het gezochte -- net -- komt niet meer voor."
Message notFoundMessage(const QString &title, const QString &searchStr);

} // namespace Woord
