#include "tools/lint.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Woord::Lint {

namespace {

const QString see = u"Zie "_s;
const QString seeAlso = u"Zie ook:"_s;

QString quoted(const QString &text)
{
    return u"\u201C"_s + text + u"\u201D"_s;
}

// A term as the duplicate rule compares it: without accents, in one case.
QString foldKey(const QString &term)
{
    QString key;
    for (const QChar c : term.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            key.append(c);
    }
    return key.toCaseFolded();
}

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber();
}

bool startsWord(const QString &text, qsizetype at)
{
    return at == 0 || !isWordCharacter(text.at(at - 1));
}

bool endsWord(const QString &text, qsizetype at)
{
    return at == text.size() || !isWordCharacter(text.at(at));
}

// The words of a text: its runs of letters and digits.
QStringList words(const QString &text)
{
    QStringList result;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool inWord = i < text.size() && isWordCharacter(text.at(i));
        if (inWord && start < 0)
            start = i;
        else if (!inWord && start >= 0) {
            result.append(text.sliced(start, i - start));
            start = -1;
        }
    }
    return result;
}

bool containsSpelling(const QString &text, const Spelling &spelling)
{
    const QString wrong = QString::fromUtf16(spelling.wrong);
    if (spelling.termOnly)
        return text == wrong;
    const bool mustEndWord = wrong.back().isUpper();
    for (qsizetype at = text.indexOf(wrong); at >= 0; at = text.indexOf(wrong, at + 1)) {
        if (startsWord(text, at) && (!mustEndWord || endsWord(text, at + wrong.size())))
            return true;
    }
    return false;
}

// The term X of a description that is exactly "Zie X.", or an empty text.
QString crossReference(const QString &description)
{
    if (!description.startsWith(see) || description.startsWith(seeAlso) || !description.endsWith(u'.'))
        return {};
    const QString target = description.sliced(see.size(), description.size() - see.size() - 1);
    return target.contains(u". "_s) ? QString() : target;
}

struct TermInfo {
    int line = 0;
    QString description;
};

class Linter
{
public:
    explicit Linter(const QList<WodPack::SourceEntry> &entries)
        : m_entries(entries)
    {
        for (const WodPack::SourceEntry &entry : entries) {
            if (!m_terms.contains(entry.term))
                m_terms.insert(entry.term, TermInfo{entry.line, entry.description});
            if (const QString key = foldKey(entry.term); !m_folded.contains(key))
                m_folded.insert(key, entry.term);
        }
    }

    QList<Finding> run()
    {
        QHash<QString, const WodPack::SourceEntry *> firstByKey;
        for (const WodPack::SourceEntry &entry : m_entries) {
            const QString key = foldKey(entry.term);
            if (const WodPack::SourceEntry *first = firstByKey.value(key))
                add(entry,
                    quoted(entry.term) + u" is hetzelfde begrip als "_s + quoted(first->term) + u" op regel "_s
                        + QString::number(first->line) + u" (hoofdletters en accenten tellen niet mee)"_s);
            else
                firstByKey.insert(key, &entry);
            checkCrossReference(entry);
            checkSeeAlso(entry);
            checkShape(entry);
            checkVoice(entry);
            checkSpelling(entry);
        }
        return m_findings;
    }

private:
    void add(const WodPack::SourceEntry &entry, const QString &message) { m_findings.append({entry.line, message}); }

    // What a name that is no term may have meant: the term that differs from
    // it only in case or accents.
    QString suggestion(const QString &name) const
    {
        const auto it = m_folded.constFind(foldKey(name));
        return it == m_folded.cend() ? QString() : u" (bedoeld: "_s + quoted(*it) + u"?)"_s;
    }

    void checkCrossReference(const WodPack::SourceEntry &entry)
    {
        const QString target = crossReference(entry.description);
        if (target.isEmpty())
            return;
        const QString reference = quoted(entry.description);
        const auto it = m_terms.constFind(target);
        if (it == m_terms.cend())
            add(entry, reference + u" verwijst naar een begrip dat niet bestaat"_s + suggestion(target));
        else if (target == entry.term)
            add(entry, reference + u" verwijst naar het begrip zelf"_s);
        else if (const QString next = crossReference(it->description); !next.isEmpty())
            add(entry,
                reference + u" verwijst naar een verwijzing ("_s + quoted(it->description) + u" op regel "_s
                    + QString::number(it->line) + u"); verwijs naar het hoofditem"_s);
    }

    void checkSeeAlso(const WodPack::SourceEntry &entry)
    {
        const QString &description = entry.description;
        const qsizetype at = description.lastIndexOf(seeAlso);
        if (at < 0)
            return;
        QString list = description.sliced(at + seeAlso.size()).trimmed();
        if (list.endsWith(u'.'))
            list.chop(1);
        if (list.contains(u". "_s)) {
            add(entry, quoted(seeAlso) + u" hoort aan het eind van de beschrijving"_s);
            return;
        }
        if (list.isEmpty()) {
            add(entry, quoted(seeAlso) + u" noemt geen begrip"_s);
            return;
        }
        // Names are separated by ", ", but a term may hold one itself: take
        // the longest term that the list goes on with.
        const QString separator = u", "_s;
        while (!list.isEmpty()) {
            qsizetype taken = 0;
            for (auto it = m_terms.cbegin(); it != m_terms.cend(); ++it) {
                const QString &term = it.key();
                if (term.size() > taken && list.startsWith(term)
                    && (list.size() == term.size() || QStringView(list).sliced(term.size()).startsWith(separator)))
                    taken = term.size();
            }
            const QString name = taken > 0 ? list.left(taken) : list.left(list.indexOf(separator));
            if (taken == 0)
                add(entry,
                    quoted(seeAlso) + u" noemt "_s + quoted(name) + u", een begrip dat niet bestaat"_s
                        + suggestion(name));
            else if (name == entry.term)
                add(entry, quoted(seeAlso) + u" noemt het begrip zelf"_s);
            list = name.size() < list.size() ? list.sliced(name.size() + separator.size()) : QString();
        }
    }

    void checkShape(const WodPack::SourceEntry &entry)
    {
        const QString &description = entry.description;
        if (description.isEmpty())
            add(entry, u"de beschrijving is leeg"_s);
        else if (!description.endsWith(u'.'))
            add(entry, u"de beschrijving eindigt niet op een punt"_s);
        if (description.size() > maxDescriptionLength)
            add(entry,
                u"de beschrijving is "_s + QString::number(description.size()) + u" tekens lang, meer dan "_s
                    + QString::number(maxDescriptionLength));
    }

    void checkVoice(const WodPack::SourceEntry &entry)
    {
        QStringList found;
        bool voluit = false;
        for (const QString &word : words(entry.description)) {
            const QString lower = word.toLower();
            for (const char16_t *addressing : addressingWords) {
                if (lower == QStringView(addressing) && !found.contains(word))
                    found.append(word);
            }
            voluit = voluit || word == u"Voluit"_s;
        }
        if (!found.isEmpty()) {
            QStringList shown;
            for (const QString &word : std::as_const(found))
                shown.append(quoted(word));
            add(entry,
                u"de beschrijving spreekt de lezer aan met "_s + shown.join(u", "_s) + u"; schrijf onpersoonlijk"_s);
        }
        if (voluit)
            add(entry,
                u"schrijf een afkorting als \u201CAfkorting van <Engels voluit> (<Nederlandse vertaling>).\u201D,"
                u" niet met \u201CVoluit\u201D"_s);
    }

    void checkSpelling(const WodPack::SourceEntry &entry)
    {
        for (const Spelling &spelling : spellings) {
            for (const auto &[text, where] :
                 {std::pair{&entry.term, u"in het begrip"_s}, std::pair{&entry.description, u"in de beschrijving"_s}}) {
                if (containsSpelling(*text, spelling))
                    add(entry,
                        u"schrijf "_s + quoted(QString::fromUtf16(spelling.preferred)) + u", niet "_s
                            + quoted(QString::fromUtf16(spelling.wrong)) + u" ("_s + where + u')');
            }
        }
    }

    const QList<WodPack::SourceEntry> &m_entries;
    QHash<QString, TermInfo> m_terms;
    QHash<QString, QString> m_folded; // fold key to the first term with it
    QList<Finding> m_findings;
};

} // namespace

QList<Finding> lintEntries(const QList<WodPack::SourceEntry> &entries)
{
    return Linter(entries).run();
}

QList<Finding> lintSource(QByteArrayView utf8, WodPack::Ordering ordering)
{
    const WodPack::SourceReport report = WodPack::parseWholeSource(utf8, ordering);
    QList<Finding> findings;
    if (!report.hasDateLine)
        findings.append({1, u"geen regel \u201C# datum: dd/mm/jjjj\u201D; pack heeft dan --date nodig"_s});
    for (const WodPack::Problem &problem : report.problems)
        findings.append({problem.line,
                         (problem.column > 0 ? u"teken "_s + QString::number(problem.column) + u": "_s : QString())
                             + problem.message});
    findings.append(lintEntries(report.source.entries));
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    return findings;
}

} // namespace Woord::Lint
