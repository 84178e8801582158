#include "tools/lint.h"

#include <QHash>
#include <QSet>

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

// Whether text holds the time word at a word's start and end, in lower case
// or with a capital first letter alone.
bool containsTimeWord(const QString &text, QStringView word)
{
    for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(word, at + 1, Qt::CaseInsensitive)) {
        if (!startsWord(text, at) || !endsWord(text, at + word.size()))
            continue;
        const QStringView found = QStringView(text).sliced(at, word.size());
        if (found == word || (found.front() == word.front().toUpper() && found.sliced(1) == word.sliced(1)))
            return true;
    }
    return false;
}

// What the checks of one entry need to know of the others, learnt in two
// passes over every entry before the first is checked: every term (the first
// entry with it), the first term of each fold key, and then the
// cross-references whose target does not name them.
class Linter
{
public:
    // Learns an entry's term; every entry first, in the order of the lines.
    void learn(const WodPack::SourceEntry &entry)
    {
        const QString target = crossReference(entry.description);
        if (!m_terms.contains(entry.term))
            m_terms.insert(entry.term, TermInfo{entry.line, target.isEmpty() ? QString() : entry.description});
        if (!target.isEmpty() && target != entry.term)
            m_referrers[target].append(entry.term);
        const QString key = foldKey(entry.term);
        if (!m_folded.contains(key))
            m_folded.insert(key, First{entry.term, entry.line});
    }

    // Sees which of the cross-references to an entry its description names
    // (in any case); every entry again, after every entry was learnt.
    void learnNames(const WodPack::SourceEntry &entry)
    {
        const auto referrers = m_referrers.constFind(entry.term);
        if (referrers == m_referrers.cend() || m_terms.value(entry.term).line != entry.line)
            return;
        for (const QString &referrer : *referrers) {
            if (!entry.description.contains(referrer, Qt::CaseInsensitive))
                m_unnamed.insert(referrer);
        }
    }

    // The findings of one entry, given to found in their order.
    void check(const WodPack::SourceEntry &entry, const std::function<void(const Finding &)> &found) const
    {
        const auto add = [&](const QString &message) { found(Finding{entry.line, message}); };
        if (const First first = m_folded.value(foldKey(entry.term)); first.line != entry.line)
            add(quoted(entry.term) + u" is hetzelfde begrip als "_s + quoted(first.term) + u" op regel "_s
                + QString::number(first.line) + u" (hoofdletters en accenten tellen niet mee)"_s);
        checkCrossReference(entry, add);
        checkSeeAlso(entry, add);
        checkShape(entry, add);
        checkVoice(entry, add);
        checkTimeWords(entry, add);
        checkSpelling(entry, add);
    }

private:
    struct TermInfo {
        int line = 0;
        QString crossReference; // the description, when it is exactly "Zie X."
    };
    struct First {
        QString term;
        int line = 0;
    };
    using Add = std::function<void(const QString &)>;

    // What a name that is no term may have meant: the term that differs from
    // it only in case or accents.
    QString suggestion(const QString &name) const
    {
        const auto it = m_folded.constFind(foldKey(name));
        return it == m_folded.cend() ? QString() : u" (bedoeld: "_s + quoted(it->term) + u"?)"_s;
    }

    void checkCrossReference(const WodPack::SourceEntry &entry, const Add &add) const
    {
        const QString target = crossReference(entry.description);
        if (target.isEmpty())
            return;
        const QString reference = quoted(entry.description);
        const auto it = m_terms.constFind(target);
        if (it == m_terms.cend())
            add(reference + u" verwijst naar een begrip dat niet bestaat"_s + suggestion(target));
        else if (target == entry.term)
            add(reference + u" verwijst naar het begrip zelf"_s);
        else if (!it->crossReference.isEmpty())
            add(reference + u" verwijst naar een verwijzing ("_s + quoted(it->crossReference) + u" op regel "_s
                + QString::number(it->line) + u"); verwijs naar het hoofditem"_s);
        else if (m_unnamed.contains(entry.term))
            add(reference + u" verwijst naar een begrip dat "_s + quoted(entry.term) + u" niet noemt (regel "_s
                + QString::number(it->line) + u"); noem het in die beschrijving"_s);
    }

    void checkSeeAlso(const WodPack::SourceEntry &entry, const Add &add) const
    {
        const QString &description = entry.description;
        const qsizetype at = description.lastIndexOf(seeAlso);
        if (at < 0)
            return;
        QString list = description.sliced(at + seeAlso.size()).trimmed();
        if (list.endsWith(u'.'))
            list.chop(1);
        if (list.contains(u". "_s)) {
            add(quoted(seeAlso) + u" hoort aan het eind van de beschrijving"_s);
            return;
        }
        if (list.isEmpty()) {
            add(quoted(seeAlso) + u" noemt geen begrip"_s);
            return;
        }
        // Names are separated by ", ", but a term may hold one itself: take
        // the longest term that the list goes on with, up to a separator or
        // the end.
        const QString separator = u", "_s;
        while (!list.isEmpty()) {
            qsizetype taken = m_terms.contains(list) ? list.size() : 0;
            for (qsizetype end = list.lastIndexOf(separator); taken == 0 && end > 0;
                 end = list.lastIndexOf(separator, end - 1)) {
                if (m_terms.contains(list.left(end)))
                    taken = end;
            }
            const QString name = taken > 0 ? list.left(taken) : list.left(list.indexOf(separator));
            if (taken == 0)
                add(quoted(seeAlso) + u" noemt "_s + quoted(name) + u", een begrip dat niet bestaat"_s
                    + suggestion(name));
            else if (name == entry.term)
                add(quoted(seeAlso) + u" noemt het begrip zelf"_s);
            list = name.size() < list.size() ? list.sliced(name.size() + separator.size()) : QString();
        }
    }

    static void checkShape(const WodPack::SourceEntry &entry, const Add &add)
    {
        const QString &description = entry.description;
        if (description.isEmpty())
            add(u"de beschrijving is leeg"_s);
        else if (!description.endsWith(u'.'))
            add(u"de beschrijving eindigt niet op een punt"_s);
        if (description.size() > maxDescriptionLength)
            add(u"de beschrijving is "_s + QString::number(description.size()) + u" tekens lang, meer dan "_s
                + QString::number(maxDescriptionLength));
        else if (!description.isEmpty() && description.size() < minDescriptionLength
                 && crossReference(description).isEmpty())
            add(u"de beschrijving is "_s + QString::number(description.size()) + u" tekens lang, korter dan "_s
                + QString::number(minDescriptionLength) + u"; vul haar aan of maak er een verwijzing van"_s);
    }

    static void checkVoice(const WodPack::SourceEntry &entry, const Add &add)
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
            add(u"de beschrijving spreekt de lezer aan met "_s + shown.join(u", "_s) + u"; schrijf onpersoonlijk"_s);
        }
        if (voluit)
            add(u"schrijf een afkorting als \u201CAfkorting van <Engels voluit> (<Nederlandse vertaling>).\u201D,"
                u" niet met \u201CVoluit\u201D"_s);
    }

    static void checkTimeWords(const WodPack::SourceEntry &entry, const Add &add)
    {
        QStringList found;
        for (const char16_t *word : timeWords) {
            if (containsTimeWord(entry.description, word))
                found.append(quoted(QString::fromUtf16(word)));
        }
        if (!found.isEmpty())
            add(u"de beschrijving dateert zich met "_s + found.join(u", "_s)
                + u"; noem het jaar (\u201Csinds 2025\u201D, \u201Cstand 2026\u201D)"_s);
    }

    static void checkSpelling(const WodPack::SourceEntry &entry, const Add &add)
    {
        for (const Spelling &spelling : spellings) {
            for (const auto &[text, where] :
                 {std::pair{&entry.term, u"in het begrip"_s}, std::pair{&entry.description, u"in de beschrijving"_s}}) {
                if (containsSpelling(*text, spelling))
                    add(u"schrijf "_s + quoted(QString::fromUtf16(spelling.preferred)) + u", niet "_s
                        + quoted(QString::fromUtf16(spelling.wrong)) + u" ("_s + where + u')');
            }
        }
    }

    QHash<QString, TermInfo> m_terms;
    QHash<QString, First> m_folded; // fold key to the first term with it
    QHash<QString, QStringList> m_referrers; // a term to the cross-references to it
    QSet<QString> m_unnamed; // cross-references whose target does not name them
};

Finding problemFinding(const WodPack::Problem &problem)
{
    return {problem.line,
            (problem.column > 0 ? u"teken "_s + QString::number(problem.column) + u": "_s : QString())
                + problem.message};
}

using MakeLines = std::function<std::optional<WodPack::SourceLines>()>;

// One pass over the lines makeLines gives from the start, each parsed line
// handed to take. The parser, for what it learnt of the whole source, or
// nothing when the lines cannot be read.
std::optional<WodPack::SourceParser> pass(const MakeLines &makeLines, WodPack::Ordering ordering,
                                          const std::function<void(const WodPack::SourceParser::Line &)> &take)
{
    std::optional<WodPack::SourceLines> source = makeLines();
    if (!source)
        return std::nullopt;
    std::optional<WodPack::SourceParser> parser(std::in_place, ordering);
    QByteArrayView bytes;
    qint64 length = 0;
    while (source->next(bytes, length))
        take(parser->next(bytes, length));
    if (source->failed())
        return std::nullopt;
    return parser;
}

// Lints the lines that each call of makeLines gives from the start: the first
// time to learn the terms, the second to learn which cross-references their
// targets name, the third to check every line.
QString lint(const MakeLines &makeLines, WodPack::Ordering ordering, const std::function<void(const Finding &)> &found)
{
    const QString readFailure = u"kan niet gelezen worden"_s;
    Linter linter;
    const std::optional<WodPack::SourceParser> learnt
        = pass(makeLines, ordering, [&linter](const WodPack::SourceParser::Line &line) {
              if (line.entry)
                  linter.learn(*line.entry);
          });
    if (!learnt)
        return readFailure;
    if (!pass(makeLines, ordering, [&linter](const WodPack::SourceParser::Line &line) {
            if (line.entry)
                linter.learnNames(*line.entry);
        }))
        return readFailure;

    if (!learnt->hasDateLine())
        found({1, u"geen regel \u201C# datum: dd/mm/jjjj\u201D; pack heeft dan --date nodig"_s});
    const std::optional<WodPack::SourceParser> checked
        = pass(makeLines, ordering, [&linter, &found](const WodPack::SourceParser::Line &line) {
              if (line.problem)
                  found(problemFinding(*line.problem));
              if (line.entry)
                  linter.check(*line.entry, found);
          });
    if (!checked)
        return readFailure;
    if (checked->lineNumber() != learnt->lineNumber())
        return u"is veranderd terwijl het gelezen werd"_s;
    return {};
}

} // namespace

QList<Finding> lintEntries(const QList<WodPack::SourceEntry> &entries)
{
    Linter linter;
    for (const WodPack::SourceEntry &entry : entries)
        linter.learn(entry);
    for (const WodPack::SourceEntry &entry : entries)
        linter.learnNames(entry);
    QList<Finding> findings;
    for (const WodPack::SourceEntry &entry : entries)
        linter.check(entry, [&findings](const Finding &finding) { findings.append(finding); });
    return findings;
}

QList<Finding> lintSource(QByteArrayView utf8, WodPack::Ordering ordering)
{
    QList<Finding> findings;
    lint([utf8] { return std::optional<WodPack::SourceLines>(std::in_place, utf8); }, ordering,
         [&findings](const Finding &finding) { findings.append(finding); });
    return findings;
}

QString lintFile(Files::RegularFile &file, WodPack::Ordering ordering,
                 const std::function<void(const Finding &)> &found)
{
    return lint(
        [&file]() -> std::optional<WodPack::SourceLines> {
            if (!file.rewind())
                return std::nullopt;
            return std::optional<WodPack::SourceLines>(std::in_place, file);
        },
        ordering, found);
}

} // namespace Woord::Lint
