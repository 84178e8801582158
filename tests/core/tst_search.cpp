#include "core/glossary/loader.h"
#include "core/search/termsearch.h"
#include "core/search/twowaysearch.h"
#include "tests/support/wodbytes.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Woord;
using Woord::Test::Entry;

namespace {

Glossary glossaryOf(const QList<Entry> &entries)
{
    LoadResult load = LoadDatabase(Test::wod(entries));
    if (load.status != LoadStatus::Loaded)
        qFatal("test glossary did not load");
    return std::move(load.glossary);
}

const QList<Entry> entries = {
    {QStringLiteral("Internet"), QStringLiteral("Wereldwijd stelsel van computers.")}, // 1
    {QStringLiteral("Netwerk"), QStringLiteral("Verbonden computers.")}, // 2
    {QStringLiteral("Café"), QStringLiteral("Plaats met koffie, geen *sterren* of vragen?")}, // 3
    {QStringLiteral("CAFE"), QStringLiteral("Zonder accent.")}, // 4
    {QStringLiteral("Modem"), QStringLiteral("Zet signalen om; ÉÉN kastje, ŒUVRE.")}, // 5
    {QStringLiteral("Router"), QStringLiteral("Stuurt pakketten door het NETWERK van de ISP.")}, // 6
    {QStringLiteral("Z"), QStringLiteral("a\",\"b")}, // 7
};

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void hits_data();
    void hits();
    void walkThroughNet();
    void noHitAcrossFields();
    void accentedCapitalsWithoutRareBytes_data();
    void accentedCapitalsWithoutRareBytes();
    void rareCapitals_data();
    void rareCapitals();
    void rareCodesOnlyFrom0x90();
    void rawMatchOutsideFieldsSearchesOn();
    void controlCharacter();
    void emptyGlossary();
    void notFoundMessage();
    void twoWayAgainstPlainSearch();
    void longRunsOfOneLetter();
};

void TestSearch::hits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("hit");

    QTest::newRow("term first") << "net" << 1 << 1;
    QTest::newRow("INTERNET") << "INTERNET" << 1 << 1;
    QTest::newRow("capitals at both ends of A-Z") << "ZET SIGNALEN" << 1 << 5;
    QTest::newRow("A as the search text") << "ACCENT" << 1 << 4;
    QTest::newRow("internet") << "internet" << 1 << 1;
    QTest::newRow("Internet") << "Internet" << 1 << 1;
    QTest::newRow("description only") << "stelsel" << 1 << 1;
    QTest::newRow("description of a later entry") << "pakketten" << 1 << 6;
    QTest::newRow("from the middle") << "computers" << 2 << 2;
    QTest::newRow("case of an accented letter") << "CAFÉ" << 1 << 3;
    QTest::newRow("accent matters: e is not é") << "cafe" << 1 << 4;
    QTest::newRow("accent matters: é is not e") << "café" << 4 << 0;
    QTest::newRow("É finds é") << "één" << 1 << 5;
    QTest::newRow("Œ finds œ") << "œuvre" << 1 << 5;
    QTest::newRow("star is literal") << "*sterren*" << 1 << 3;
    QTest::newRow("question mark is literal") << "vragen?" << 1 << 3;
    QTest::newRow("wildcard is not one") << "ca*" << 1 << 0;
    QTest::newRow("spaces must be there") << " computers." << 1 << 1;
    QTest::newRow("trailing space not in text") << "Modem " << 1 << 0;
    QTest::newRow("not in Windows-1252") << "\u2192" << 1 << 0;
    QTest::newRow("start beyond the end") << "z" << 8 << 0;
    QTest::newRow("start 0 is the first entry") << "internet" << 0 << 1;
    QTest::newRow("start below 0 is the first entry") << "netwerk" << -5 << 2;
    QTest::newRow("empty text is found where it starts") << "" << 3 << 3;
    QTest::newRow("empty text from 0") << "" << 0 << 1;
    QTest::newRow("empty text beyond the end") << "" << 8 << 0;
    QTest::newRow("last entry") << "\",\"" << 7 << 7;
    QTest::newRow("nowhere") << "qqqq" << 1 << 0;
}

void TestSearch::hits()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, hit);

    const Glossary glossary = glossaryOf(entries);
    TermSearch search(glossary);
    QCOMPARE(search.SearchTerms(text, start), hit);
}

void TestSearch::walkThroughNet()
{
    const Glossary glossary = glossaryOf(entries);
    TermSearch search(glossary);
    QCOMPARE(search.SearchTerms(QStringLiteral("net"), 1), 1);
    QCOMPARE(search.SearchTerms(QStringLiteral("net"), 2), 2);
    QCOMPARE(search.SearchTerms(QStringLiteral("net"), 3), 6);
    QCOMPARE(search.SearchTerms(QStringLiteral("net"), 7), 0);
}

void TestSearch::noHitAcrossFields()
{
    // Term "Modem" ends where its description starts; in the file a quote and
    // a comma stand between them, and the search must not see across.
    const Glossary glossary = glossaryOf(entries);
    TermSearch search(glossary);
    QCOMPARE(search.SearchTerms(QStringLiteral("modem\",\"zet"), 1), 0);
    QCOMPARE(search.SearchTerms(QStringLiteral("modemzet"), 1), 0);
    QCOMPARE(search.SearchTerms(QStringLiteral("isp."), 1), 6);
    QCOMPARE(search.SearchTerms(QStringLiteral("isp.\"\r\n\"z"), 1), 0);
}

void TestSearch::accentedCapitalsWithoutRareBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hit");
    QTest::newRow("ÉÉN by één") << "één" << 1;
    QTest::newRow("Ça by ça") << "ça" << 2;
    QTest::newRow("Ça by ÇA") << "ÇA" << 2;
    QTest::newRow("ÀÖÞ by àöþ") << "àöþ" << 3;
    QTest::newRow("ÀÖÞ by ÀÖÞ") << "ÀÖÞ" << 3;
    QTest::newRow("Þ by þ") << "þ" << 3;
    QTest::newRow("× stays ×") << "×" << 3;
    QTest::newRow("ß is no capital") << "ß" << 4;
    QTest::newRow("ÿ is not ß") << "straÿe" << 0;
    QTest::newRow("[ just after Z is no capital") << "[x]" << 4;
    QTest::newRow("{ is not [") << "{x}" << 0;
    QTest::newRow("Ü is not u") << "uber" << 0;
    QTest::newRow("A and Z by a and z") << "az" << 5;
    QTest::newRow("@ just before A is no capital") << "`" << 0;
}

// A glossary without a character from 0x80..0x9F (no Š, Œ, Ž, Ÿ, €, curly
// quotes) is folded the fast way; its accented capitals must fold as well.
void TestSearch::accentedCapitalsWithoutRareBytes()
{
    QFETCH(QString, text);
    QFETCH(int, hit);
    const Glossary glossary = glossaryOf({
        {QStringLiteral("ÉÉN"), QStringLiteral("Telwoord.")},
        {QStringLiteral("Taal"), QStringLiteral("Ça va, ÜBER.")},
        {QStringLiteral("Tekens"), QStringLiteral("ÀÖÞ en ×.")},
        {QStringLiteral("Straße"), QStringLiteral("Haken: [x].")},
        {QStringLiteral("Zoom"), QStringLiteral("Van A tot Z: AZ, @.")},
    });
    TermSearch search(glossary);
    QCOMPARE(search.SearchTerms(text, 1), hit);
}

// The four capitals among the codes 0x80..0x9F fold to their small letters,
// in the glossary and in the search text (ÿ itself cannot stand in a
// glossary: it would decode as code 0).
void TestSearch::rareCapitals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hit");
    QTest::newRow("Š by š") << "šabloon" << 1;
    QTest::newRow("Š by Š") << "ŠABLOON" << 1;
    QTest::newRow("š by Š") << "ŠŽ" << 1;
    QTest::newRow("Ž by ž") << "žurnaal" << 2;
    QTest::newRow("Ÿ by ÿ") << "ÿser" << 2;
    QTest::newRow("Œ by œ") << "œ." << 2;
    QTest::newRow("other codes stay") << "‚„…†‡ˆ‰‹" << 1;
}

void TestSearch::rareCapitals()
{
    QFETCH(QString, text);
    QFETCH(int, hit);
    const Glossary glossary = glossaryOf({
        {QStringLiteral("Šabloon"), QStringLiteral("Kleine letters: šž. ‚„…†‡ˆ‰‹")},
        {QStringLiteral("Žurnaal"), QStringLiteral("ŸSER en Œ.")},
    });
    TermSearch search(glossary);
    QCOMPARE(search.SearchTerms(text, 1), hit);
}

// A glossary whose only codes from 0x80..0x9F lie in 0x90..0x9F still has
// its Ÿ folded.
void TestSearch::rareCodesOnlyFrom0x90()
{
    const Glossary glossary = glossaryOf({
        {QStringLiteral("Merk"), QStringLiteral("Met ’ en ™.")},
        {QStringLiteral("ŸSEL"), QStringLiteral("Plaats.")},
    });
    TermSearch search(glossary);
    QCOMPARE(search.SearchTerms(QStringLiteral("ÿsel"), 1), 2);
    QCOMPARE(search.SearchTerms(QStringLiteral("’ en ™"), 1), 1);
}

// What stands between a closing quote and the next separator belongs to no
// field: a match there, or one running into it, is passed over and the
// search goes on to a real hit further on.
void TestSearch::rawMatchOutsideFieldsSearchesOn()
{
    using Test::scramble;
    const QByteArray bytes = Test::header + "\r\n3,1\r\n\"09/12/2026\"\r\n\"" + scramble(QStringLiteral("Ab")) + '"'
        + scramble(QStringLiteral("cd")) + ",\"" + scramble(QStringLiteral("eins")) + "\"\r\n\""
        + scramble(QStringLiteral("Fg")) + "\",\"" + scramble(QStringLiteral("hij")) + "\"\r\n\""
        + scramble(QStringLiteral("Kl")) + "\",\"" + scramble(QStringLiteral("xbcdx")) + "\"\r\n";
    LoadResult load = LoadDatabase(bytes);
    QCOMPARE(load.status, LoadStatus::Loaded);
    QCOMPARE(load.glossary.Begrip(1), QStringLiteral("Ab"));
    TermSearch search(load.glossary);
    QCOMPARE(search.SearchTerms(QStringLiteral("bcd"), 1), 3);
    QCOMPARE(search.SearchTerms(QStringLiteral("cd"), 1), 3);
    QCOMPARE(search.SearchTerms(QStringLiteral("bcd"), 4), 0);
}

// Code 0 is a character a text can hold, so it can be searched for.
void TestSearch::controlCharacter()
{
    const QString withNul = QStringLiteral("a") + QChar(0) + QStringLiteral("b");
    const Glossary glossary
        = glossaryOf({{QStringLiteral("Eerste"), QStringLiteral("Niets.")}, {QStringLiteral("Nul"), withNul}});
    TermSearch search(glossary);
    QCOMPARE(search.SearchTerms(QString(QChar(0)), 1), 2);
    QCOMPARE(search.SearchTerms(withNul, 1), 2);
}

void TestSearch::emptyGlossary()
{
    const Glossary glossary = glossaryOf({});
    TermSearch search(glossary);
    QCOMPARE(search.SearchTerms(QStringLiteral("net"), 1), 0);
}

void TestSearch::notFoundMessage()
{
    const Message message = Woord::notFoundMessage(QStringLiteral("Woordorakelaar v1.0"), QStringLiteral("net"));
    QCOMPARE(message.text, QStringLiteral("Het gezochte -- net -- komt niet meer voor."));
    QCOMPARE(message.title, QStringLiteral("Woordorakelaar v1.0"));
    QCOMPARE(message.icon, MessageIcon::Information);
}

// Patterns and texts of two or three letters, where repetitions and periods
// abound, each searched for at every offset, against the plainest search.
void TestSearch::twoWayAgainstPlainSearch()
{
    QRandomGenerator random(20261209);
    const auto randomText = [&random](qsizetype size, int letters) {
        QByteArray text(size, Qt::Uninitialized);
        for (char &c : text)
            c = char('a' + random.bounded(letters));
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        const int letters = 2 + round % 2;
        QByteArray pattern = randomText(1 + random.bounded(round % 3 == 0 ? 40 : 8), letters);
        // Periodic patterns: a piece repeated, with now and then one letter changed.
        if (round % 4 == 1) {
            const QByteArray piece = pattern.left(1 + random.bounded(3));
            pattern.clear();
            while (pattern.size() < 12)
                pattern += piece;
            if (random.bounded(2))
                pattern[random.bounded(int(pattern.size()))] = 'c';
        }
        const QByteArray text = randomText(random.bounded(200), letters);
        const TwoWaySearcher searcher(pattern);
        for (qsizetype from = 0; from <= text.size(); ++from) {
            const QByteArrayView rest = QByteArrayView(text).sliced(from);
            const qsizetype expected = rest.indexOf(pattern);
            const qsizetype actual = searcher.indexIn(rest);
            if (actual != expected)
                QFAIL(qPrintable(QStringLiteral("pattern %1 in %2: %3, not %4")
                                     .arg(QString::fromLatin1(pattern), QString::fromLatin1(rest.toByteArray()))
                                     .arg(actual)
                                     .arg(expected)));
        }
    }
}

// Descriptions of one long run of a letter, and a text of that letter after
// another: each try from the end of the pattern runs back over half a run
// before it fails. The search takes the glossary's length, not that times
// the text's (which here would take minutes).
void TestSearch::longRunsOfOneLetter()
{
    QList<Entry> runs;
    for (int i = 1; i <= 1000; ++i)
        runs.append({QStringLiteral("Begrip %1").arg(i, 4, 10, QLatin1Char('0')), QString(32767, u'd')});
    runs.last().description = QString(100, u'd') + u'x' + QString(32666, u'd');
    const Glossary glossary = glossaryOf(runs);
    TermSearch search(glossary);
    const QString run = QString(16383, u'd');
    QCOMPARE(search.SearchTerms(u'x' + run + u'x', 1), 0);
    QCOMPARE(search.SearchTerms(u'x' + run, 1), 1000);
    QCOMPARE(search.SearchTerms(u'D' + run, 1), 1);
    QCOMPARE(search.SearchTerms(QString(32768, u'd'), 1), 0);
}

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
