// The glossary author's tool in the process: reading sources, packing,
// unpacking and checking glossary files, and reading files only when regular.

#include "tests/tools/wodtoolsupport.h"

using namespace Woord;
using namespace Woord::Test;

class TestWodPack : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void sourceProblems_data();
    void sourceProblems();
    void tooManyEntries();
    void byteOrderMark();
    void acceptedAtTheEdges();
    void problemPlaceAndForeignFile();
    void sortOption();
    void packUnpackRoundTrip();
    void blanksAfterTheLastEntry();
    void checkNamesTheEntry_data();
    void checkNamesTheEntry();
    void dates_data();
    void dates();
    void unpackNamesTheCharacter_data();
    void unpackNamesTheCharacter();
    void escapedTerms_data();
    void escapedTerms();
    void roundTripIsLossless_data();
    void roundTripIsLossless();
    void roundTripOfRandomGlossaries();
    void readingIsBounded();
};

void TestWodPack::order_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("letter case does not count first") << "adres"
                                                      << "Algoritme";
    QTest::newRow("accents sort with their letter") << "Één"
                                                    << "Eenheid";
    QTest::newRow("punctuation is passed over") << "C"
                                                << "C++";
    QTest::newRow("hyphen passed over") << "E-mail"
                                        << "Encryptie";
    QTest::newRow("digits before letters") << "3D-printer"
                                           << "Adres";
    QTest::newRow("without accent first when otherwise equal") << "cafe"
                                                               << "café";
    QTest::newRow("space passed over") << "Harde schijf"
                                       << "Hardware";
    // Equal but for case and accents: the lower-cased texts decide, then the
    // texts themselves; only the same text is equal.
    QTest::newRow("accent decides before case") << "cafe"
                                                << "Café";
    QTest::newRow("then case decides") << "Bit"
                                       << "bit";
    QTest::newRow("then case decides, accented") << "Één"
                                                 << "één";
}

void TestWodPack::order()
{
    QFETCH(QString, before);
    QFETCH(QString, after);

    QVERIFY(DutchOrder::compare(before, after) < 0);
    QVERIFY(DutchOrder::compare(after, before) > 0);
    QCOMPARE(DutchOrder::compare(before, before), 0);
}

void TestWodPack::sourceProblems_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("message");

    QTest::newRow("y with diaeresis") << source("Bit\tEen bit\nByte\tAcht b\xc3\xbf"
                                                "ts\n")
                                      << 3 << 12 << QStringLiteral("kan niet in een begrippenlijst staan");
    QTest::newRow("outside Windows-1252")
        << source("Pijl\tEen \xe2\x86\x92 teken\n") << 2 << 10 << QStringLiteral("U+2192");
    QTest::newRow("tab inside the description") << source("Bit\tEen\tbit\n") << 2 << 8 << QStringLiteral("tab");
    QTest::newRow("lone CR inside a field") << source("Bit\tEen\rbit\n") << 2 << 8 << QStringLiteral("regeleinde");
    QTest::newRow("control character") << source("Bit\tEen\x03"
                                                 "bit\n")
                                       << 2 << 8 << QStringLiteral("U+0003");
    QTest::newRow("last control character")
        << source("Bit\tEen\x1f\n") << 2 << 8 << QStringLiteral("stuurteken U+001F");
    QTest::newRow("delete character") << source("Bit\tEen\x7f\n") << 2 << 8 << QStringLiteral("stuurteken U+007F");
    QTest::newRow("next line") << source("Bit\tEen\xc2\x85\n") << 2 << 8 << QStringLiteral("regeleinde");
    QTest::newRow("line separator") << source("Bit\tEen\xe2\x80\xa8\n") << 2 << 8 << QStringLiteral("regeleinde");
    QTest::newRow("paragraph separator") << source("Bit\tEen\xe2\x80\xa9\n") << 2 << 8 << QStringLiteral("regeleinde");
    QTest::newRow("code 0x81, no character in Windows-1252")
        << source("Bit\tEen\xc2\x81\n") << 2 << 8 << QStringLiteral("U+0081 (\"\u0081\") bestaat niet in Windows-1252");
    QTest::newRow("code 0x9D, no character in Windows-1252")
        << source("Bit\tEen\xc2\x9d\n") << 2 << 8 << QStringLiteral("bestaat niet in Windows-1252");
    QTest::newRow("the term too long") << source(QByteArray(32768, 'x') + "\tBeschrijving.\n") << 2 << 1
                                       << QStringLiteral("het begrip is langer dan 32767 tekens");
    QTest::newRow("the description too long") << source("Bit\t" + QByteArray(32768, 'x') + "\n") << 2 << 5
                                              << QStringLiteral("de beschrijving is langer dan 32767 tekens");
    QTest::newRow("empty term") << source("\tZonder begrip\n") << 2 << 1 << QStringLiteral("het begrip is leeg");
    QTest::newRow("no tab") << source("Bit Een bit\n") << 2 << 0 << QStringLiteral("geen tab");
    QTest::newRow("invalid UTF-8") << source("Bit\tEen \xe9\xe9n\n") << 2 << 0 << QStringLiteral("UTF-8");
    QTest::newRow("out of order") << source("Byte\tAcht bits\n# tussendoor\nBit\tEen bit\n") << 4 << 1
                                  << QStringLiteral(
                                         "\u201CBit\u201D hoort alfabetisch v\u00F3\u00F3r \u201CByte\u201D (regel 2)");
    QTest::newRow("bad date comment") << QByteArray("# datum: 31/02/2026\nBit\tEen bit\n") << 1 << 0
                                      << QStringLiteral("dd/mm/jjjj");
    QTest::newRow("blanks and a tab") << source("Bit\tEen bit\n  \t \n") << 3 << 0
                                      << QStringLiteral("alleen spaties en een tab");
    QTest::newRow("only a tab") << source("\t\n") << 2 << 0 << QStringLiteral("alleen spaties en een tab");
    QTest::newRow("a term of blanks") << source(" \tOmschrijving\n") << 2 << 1
                                      << QStringLiteral("het begrip bestaat alleen uit spaties");
    QTest::newRow("a term of non-breaking spaces")
        << source("\xc2\xa0\tOmschrijving\n") << 2 << 1 << QStringLiteral("alleen uit spaties");
    QTest::newRow("column counts the escaping backslash")
        << source("\\#Pijl\tEen \xe2\x86\x92\n") << 2 << 12 << QStringLiteral("U+2192");
    QTest::newRow("term too long") << source("Bit\t" + QByteArray(32768, 'x') + "\n") << 2 << 5
                                   << QStringLiteral("langer dan 32767");
}

void TestWodPack::sourceProblems()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, message);

    const WodPack::ParseResult result = WodPack::parseSource(text, WodPack::Ordering::MustBeSorted);
    QVERIFY(result.problem);
    QCOMPARE(result.problem->line, line);
    QCOMPARE(result.problem->column, column);
    QVERIFY2(result.problem->message.contains(message), qPrintable(result.problem->message));
}

void TestWodPack::tooManyEntries()
{
    QByteArray text = source({});
    for (int i = 0; i < 32768; ++i)
        text += "t" + QByteArray::number(100000 + i) + "\td\n";
    const WodPack::ParseResult result = WodPack::parseSource(text, WodPack::Ordering::MustBeSorted);
    QVERIFY(result.problem);
    QCOMPARE(result.problem->line, 32769);
    QVERIFY(result.problem->message.contains(QStringLiteral("meer dan 32767")));

    // Read as a whole, the lines past the limit are one problem, not one each.
    const QByteArray twoMore = text + "t200000\td\nt200001\td\n";
    const WodPack::SourceReport report = WodPack::parseWholeSource(twoMore, WodPack::Ordering::MustBeSorted);
    QCOMPARE(report.problems.size(), 1);
    QCOMPARE(report.problems.first().line, 32769);
    QCOMPARE(report.source.entries.size(), 32767);

    text.chop(QByteArray("t132767\td\n").size());
    QVERIFY(!WodPack::parseSource(text, WodPack::Ordering::MustBeSorted).problem);
}

// Where a problem is, as pack names it, and unpack refusing a file that does
// not start as a glossary.
void TestWodPack::problemPlaceAndForeignFile()
{
    QCOMPARE((WodPack::Problem{2, 0, QStringLiteral("fout")}).toString(), QStringLiteral("regel 2: fout"));
    QCOMPARE((WodPack::Problem{2, 5, QStringLiteral("fout")}).toString(), QStringLiteral("regel 2, teken 5: fout"));
    QCOMPARE((WodPack::Problem{2, 1, QStringLiteral("fout")}).toString(), QStringLiteral("regel 2, teken 1: fout"));

    const QByteArray good
        = WodPack::pack({{QStringLiteral("Bit"), QStringLiteral("Een bit."), 2}}, QStringLiteral("09/12/2026"));
    QVERIFY(!WodPack::unpack(good).problem);
    const WodPack::UnpackResult foreign = WodPack::unpack(QByteArray(good).replace("woordorakelaar", "Woordorakelaar"));
    QVERIFY(foreign.problem);
    QVERIFY(foreign.text.isEmpty());
}

// The longest term and description a glossary holds, a source that starts
// with an empty line, and one with CR LF line ends.
void TestWodPack::acceptedAtTheEdges()
{
    const QByteArray longest(32767, 'x');
    const WodPack::ParseResult result = WodPack::parseSource(
        "\n# datum: 09/12/2026\n" + longest + "\t" + longest + "\n", WodPack::Ordering::MustBeSorted);
    QVERIFY2(!result.problem, qPrintable(result.problem ? result.problem->toString() : QString()));
    QCOMPARE(result.source.date, QStringLiteral("09/12/2026"));
    QCOMPARE(result.source.entries.size(), 1);
    QCOMPARE(result.source.entries.first().line, 3);
    QCOMPARE(result.source.entries.first().term.size(), 32767);
    QCOMPARE(result.source.entries.first().description.size(), 32767);

    // Lines may end in CR LF as well.
    const WodPack::ParseResult crlf
        = WodPack::parseSource("# datum: 09/12/2026\r\nBit\tEen bit.\r\n", WodPack::Ordering::MustBeSorted);
    QVERIFY(!crlf.problem);
    QCOMPARE(crlf.source.date, QStringLiteral("09/12/2026"));
    QCOMPARE(crlf.source.entries.first().description, QStringLiteral("Een bit."));
}

// A source saved with a byte order mark reads as one without.
void TestWodPack::byteOrderMark()
{
    const WodPack::ParseResult result
        = WodPack::parseSource("\xEF\xBB\xBF# datum: 09/12/2026\nBit\tEen bit.\n", WodPack::Ordering::MustBeSorted);
    QVERIFY(!result.problem);
    QCOMPARE(result.source.date, QStringLiteral("09/12/2026"));
    QCOMPARE(result.source.entries.size(), 1);
    QCOMPARE(result.source.entries.first().term, QStringLiteral("Bit"));

    // Anywhere else a byte-order mark is a character no glossary can hold,
    // named with its line, also at the start of a line.
    for (const QByteArray &line : {QByteArray("\xEF\xBB\xBF"
                                              "Byte\tEen byte.\n"),
                                   QByteArray("Byte\t\xEF\xBB\xBF"
                                              "Acht bits.\n")}) {
        const WodPack::ParseResult later = WodPack::parseSource(
            "\xEF\xBB\xBF# datum: 09/12/2026\nBit\tEen bit.\n" + line, WodPack::Ordering::MustBeSorted);
        QVERIFY(later.problem);
        QCOMPARE(later.problem->line, 3);
        QVERIFY2(later.problem->message.contains(QStringLiteral("U+FEFF")), qPrintable(later.problem->message));
    }
}

void TestWodPack::sortOption()
{
    const QByteArray text = source("Byte\tAcht bits\nbit\tEen bit\nÉén\tGetal\nAdres\tPlaats\n");
    const WodPack::ParseResult sorted = WodPack::parseSource(text, WodPack::Ordering::SortThem);
    QVERIFY(!sorted.problem);
    QStringList terms;
    for (const WodPack::SourceEntry &entry : sorted.source.entries)
        terms.append(entry.term);
    QCOMPARE(
        terms,
        (QStringList{QStringLiteral("Adres"), QStringLiteral("bit"), QStringLiteral("Byte"), QStringLiteral("Één")}));

    // The same term more than once keeps its lines in their order.
    const WodPack::ParseResult same = WodPack::parseSource(
        source("Bit\tEen\nAdres\tPlaats\nBit\tTwee\nBit\tDrie\nAdres\tNog een\n"), WodPack::Ordering::SortThem);
    QVERIFY(!same.problem);
    QCOMPARE(termsOf(same.source.entries),
             (QStringList{QStringLiteral("Adres"), QStringLiteral("Adres"), QStringLiteral("Bit"),
                          QStringLiteral("Bit"), QStringLiteral("Bit")}));
    QCOMPARE(descriptionsOf(same.source.entries),
             (QStringList{QStringLiteral("Plaats"), QStringLiteral("Nog een"), QStringLiteral("Een"),
                          QStringLiteral("Twee"), QStringLiteral("Drie")}));
}

void TestWodPack::packUnpackRoundTrip()
{
    const QByteArray text = source("3D\tDrie dimensies, met \"aanhalingstekens\" & komma's.\n"
                                   "Byte\t  Begint met spaties; € en ë, é, ï.\n"
                                   "Leeg\t\n"
                                   "Zeer\tHoge codes: \xc3\xbe\xc3\xbd\xc3\xb7.\n");
    const WodPack::ParseResult parsed = WodPack::parseSource(text, WodPack::Ordering::MustBeSorted);
    QVERIFY(!parsed.problem);
    QCOMPARE(parsed.source.date, QStringLiteral("09/12/2026"));
    const QByteArray packed = WodPack::pack(parsed.source.entries, parsed.source.date);

    // The program reads what the tool writes.
    const LoadResult load = LoadDatabase(packed);
    QCOMPARE(load.status, LoadStatus::Loaded);
    QCOMPARE(testHeader(packed).check, HeaderCheck::Matches);
    QCOMPARE(load.glossary.Beschrijving(2), QStringLiteral("  Begint met spaties; € en ë, é, ï."));

    const WodPack::UnpackResult unpacked = WodPack::unpack(packed);
    QVERIFY(!unpacked.problem);
    QCOMPARE(unpacked.text, text);
    QVERIFY(!WodPack::check(packed).problem);
}

void TestWodPack::checkNamesTheEntry_data()
{
    QTest::addColumn<QByteArray>("wod");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("message");

    const auto packed = [](const QByteArray &entries) {
        const WodPack::ParseResult parsed = WodPack::parseSource(source(entries), WodPack::Ordering::SortThem);
        return WodPack::pack(parsed.source.entries, QStringLiteral("09/12/2026"));
    };
    const QByteArray good = packed("A\ta\nB\tb\nC\tc\n");
    QByteArray swapped = good;
    swapped.replace("\"I\"", "\"X\"").replace("\"J\"", "\"I\"").replace("\"X\"", "\"J\"");
    QTest::newRow("out of order") << swapped << 3 << QStringLiteral("hoort alfabetisch");
    QTest::newRow("too few entries") << QByteArray(good).replace("3,1", "4,1") << 4
                                     << QStringLiteral("minder begrippen");
    QTest::newRow("data after the last entry")
        << QByteArray(good + "\"extra\"\r\n") << 3 << QStringLiteral("na het laatste begrip");
    QTest::newRow("empty term") << QByteArray(good).replace("\"I\"", "\"\"") << 2 << QStringLiteral("leeg");
    QTest::newRow("line feed in a text") << QByteArray(good).replace("\"i\"", "\"a\x11\"") << 2
                                         << QStringLiteral("regeleinde");
    QTest::newRow("carriage return in a text")
        << QByteArray(good).replace("\"I\"", "\"\x14\"") << 2 << QStringLiteral("regeleinde");
    QTest::newRow("tab in a text") << QByteArray(good).replace("\"i\"", "\"\x10\"") << 2 << QStringLiteral("tab");
    QTest::newRow("wrong header") << QByteArray(good).replace("woordorakelaar", "Woordorakelaar") << 0
                                  << QStringLiteral("kop");
    QTest::newRow("old date") << QByteArray(good).replace("09/12/2026", "2026-12-09") << 0
                              << QStringLiteral("oud formaat");
    // A space scrambles to a single quote.
    QTest::newRow("term of blanks") << QByteArray(good).replace("\"I\"", "\"''\"") << 2
                                    << QStringLiteral("alleen uit spaties");
    QTest::newRow("date that is no day") << QByteArray(good).replace("09/12/2026", "31/02/2026") << 0
                                         << QStringLiteral("geen bestaande dag");
    QTest::newRow("first two out of order")
        << QByteArray(good).replace("\"H\"", "\"X\"").replace("\"I\"", "\"H\"").replace("\"X\"", "\"I\"") << 2
        << QStringLiteral("hoort alfabetisch");
    QByteArray longFirst = good;
    longFirst.replace("\"h\"", '"' + QByteArray(32768, 'h') + '"');
    QTest::newRow("text too long in the first entry") << longFirst << 1 << QStringLiteral("langer dan 32767 tekens");
    QTest::newRow("count beyond 32 bits")
        << QByteArray(good).replace("3,1", "99999999999,1") << 0 << QStringLiteral("Getal te groot (6)");
    QTest::newRow("date that is hardly one")
        << QByteArray(good).replace("09/12/2026", "09/") << 0 << QStringLiteral("geen bestaande dag");
}

// Blanks and line ends after the last entry are no text after it.
void TestWodPack::blanksAfterTheLastEntry()
{
    const QByteArray good
        = WodPack::pack({{QStringLiteral("A"), QStringLiteral("a"), 2}, {QStringLiteral("B"), QStringLiteral("b"), 3}},
                        QStringLiteral("09/12/2026"));
    for (const QByteArray &tail : {QByteArray("\r\n"), QByteArray("  \r\n\r\n"), QByteArray("\t\n")}) {
        const WodPack::CheckResult result = WodPack::check(good + tail);
        QVERIFY2(!result.problem, qPrintable(result.problem ? result.problem->toString() : QString()));
        QCOMPARE(result.count, 2);
    }
    const WodPack::CheckResult extra = WodPack::check(good + "  x\r\n");
    QVERIFY(extra.problem);
    QCOMPARE(extra.problem->line, 2);
}

void TestWodPack::checkNamesTheEntry()
{
    QFETCH(QByteArray, wod);
    QFETCH(int, entry);
    QFETCH(QString, message);

    const WodPack::CheckResult result = WodPack::check(wod);
    QVERIFY(result.problem);
    QCOMPARE(result.problem->line, entry);
    QVERIFY2(result.problem->message.contains(message), qPrintable(result.problem->message));
}

// A character a source cannot hold is named by entry and place, counted from
// 1, alike by unpack and check.
void TestWodPack::unpackNamesTheCharacter_data()
{
    QTest::addColumn<QByteArray>("stored"); // the scrambled text of entry 2's description
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("message");

    // Scrambled, "a" is "h", a tab 0x10, a line feed 0x11 and code 0x81 0x88.
    QTest::newRow("tab first") << QByteArray("\x10hh") << 1 << QStringLiteral("tab");
    QTest::newRow("tab third") << QByteArray("hh\x10") << 3 << QStringLiteral("tab");
    QTest::newRow("line feed second") << QByteArray("h\x11h") << 2 << QStringLiteral("regeleinde");
    QTest::newRow("code 0x81 last") << QByteArray("hhhh\x88") << 5 << QStringLiteral("U+0081");
}

void TestWodPack::unpackNamesTheCharacter()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, column);
    QFETCH(QString, message);

    const QByteArray good = WodPack::pack(
        {{QStringLiteral("A"), QStringLiteral("a"), 2}, {QStringLiteral("B"), QStringLiteral("bcd"), 3}},
        QStringLiteral("09/12/2026"));
    const QByteArray wod = QByteArray(good).replace("\"ijk\"", '"' + stored + '"');
    QVERIFY(wod != good);

    const WodPack::UnpackResult unpacked = WodPack::unpack(wod);
    QVERIFY(unpacked.problem);
    QVERIFY(unpacked.text.isEmpty());
    QCOMPARE(unpacked.problem->line, 2);
    QCOMPARE(unpacked.problem->column, column);
    QVERIFY2(unpacked.problem->message.contains(message), qPrintable(unpacked.problem->message));

    const WodPack::CheckResult checked = WodPack::check(wod);
    QVERIFY(checked.problem);
    QCOMPARE(checked.problem->line, 2);
    QCOMPARE(checked.problem->column, column);
    QCOMPARE(checked.problem->message, unpacked.problem->message);
}

// The date a source gives, by a date line or --date: exactly dd/mm/yyyy, and
// a day that exists.
void TestWodPack::dates_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("valid");

    QTest::newRow("ordinary day") << QStringLiteral("09/12/2026") << true;
    QTest::newRow("leap day") << QStringLiteral("29/02/2024") << true;
    QTest::newRow("first and last day of the year") << QStringLiteral("01/01/0001") << true;
    QTest::newRow("31 December 9999") << QStringLiteral("31/12/9999") << true;
    QTest::newRow("no leap day") << QStringLiteral("29/02/2023") << false;
    QTest::newRow("day 0") << QStringLiteral("00/12/2026") << false;
    QTest::newRow("month 13") << QStringLiteral("09/13/2026") << false;
    QTest::newRow("one-digit day") << QStringLiteral("9/12/2026") << false;
    QTest::newRow("one-digit month") << QStringLiteral("09/1/2026") << false;
    QTest::newRow("two-digit year") << QStringLiteral("09/12/26") << false;
    QTest::newRow("five-digit year") << QStringLiteral("09/12/02026") << false;
    QTest::newRow("hyphens") << QStringLiteral("09-12-2026") << false;
    QTest::newRow("blank before") << QStringLiteral(" 09/12/2026") << false;
    QTest::newRow("blank after") << QStringLiteral("09/12/2026 ") << false;
    QTest::newRow("sign") << QStringLiteral("+9/12/2026") << false;
    QTest::newRow("other digits") << QStringLiteral("\u0660\u0669/12/2026") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestWodPack::dates()
{
    QFETCH(QString, date);
    QFETCH(bool, valid);

    QCOMPARE(WodPack::isValidDate(date), valid);
    // The date line's blanks around the date are no part of it.
    if (date.trimmed() != date)
        return;
    const WodPack::ParseResult parsed
        = WodPack::parseSource("# datum: " + date.toUtf8() + "\nBit\tEen bit.\n", WodPack::Ordering::MustBeSorted);
    QCOMPARE(!parsed.problem, valid);
    if (valid) {
        QCOMPARE(parsed.source.date, date);
        QVERIFY(!WodPack::check(WodPack::pack(parsed.source.entries, date)).problem);
    }
}

void TestWodPack::escapedTerms_data()
{
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<QStringList>("terms");

    QTest::newRow("backslash before #") << QByteArray("\\#include\tx\n") << QStringList{QStringLiteral("#include")};
    QTest::newRow("two backslashes before #") << QByteArray("\\\\#x\tx\n") << QStringList{QStringLiteral("\\#x")};
    QTest::newRow("escaped date line") << QByteArray("\\# datum: 01/01/2000\tx\n")
                                       << QStringList{QStringLiteral("# datum: 01/01/2000")};
    QTest::newRow("backslash before anything else stays")
        << QByteArray("\\\tx\n\\n\tx\n") << QStringList{QStringLiteral("\\"), QStringLiteral("\\n")};
    QTest::newRow("comment with a tab") << QByteArray("# opmerking\tmet tab\n") << QStringList();
    QTest::newRow("# after blanks is a term") << QByteArray("  #x\ty\n") << QStringList{QStringLiteral("  #x")};
}

void TestWodPack::escapedTerms()
{
    QFETCH(QByteArray, entries);
    QFETCH(QStringList, terms);

    const WodPack::ParseResult parsed = WodPack::parseSource(source(entries), WodPack::Ordering::SortThem);
    QVERIFY2(!parsed.problem, parsed.problem ? qPrintable(parsed.problem->toString()) : "");
    QCOMPARE(termsOf(parsed.source.entries), terms);
    QCOMPARE(parsed.source.date, QStringLiteral("09/12/2026"));
}

void TestWodPack::roundTripIsLossless_data()
{
    QTest::addColumn<QStringList>("terms");
    QTest::addColumn<QStringList>("descriptions");

    QTest::newRow("terms starting with #") << QStringList{QStringLiteral("#1"), QStringLiteral("#2")}
                                           << QStringList{QStringLiteral("een"), QStringLiteral("twee")};
    QTest::newRow("term like the date line")
        << QStringList{QStringLiteral("# datum: 01/01/2000"), QStringLiteral("Bit")}
        << QStringList{QStringLiteral("d"), QStringLiteral("b")};
    QTest::newRow("backslashes") << QStringList{QStringLiteral("\\#a"), QStringLiteral("\\\\#b"), QStringLiteral("\\c"),
                                                QStringLiteral("\\")}
                                 << QStringList{QStringLiteral("\\#"), QStringLiteral("#"), QStringLiteral("\\"),
                                                QStringLiteral("x")};
    QTest::newRow("blanks around texts") << QStringList{QStringLiteral(" Bit "), QStringLiteral("Byte")}
                                         << QStringList{QStringLiteral("  twee  "), QStringLiteral(" ")};
    QTest::newRow("empty description") << QStringList{QStringLiteral("Bit")} << QStringList{QString()};
    QTest::newRow("quotes, commas, non-breaking space")
        << QStringList{QStringLiteral("\"x\""), QStringLiteral("a,b"), QStringLiteral("A\u00A0B")}
        << QStringList{QStringLiteral("\"\","), QStringLiteral(",\u00A0"), QStringLiteral("\u20AC\u00FE")};
}

void TestWodPack::roundTripIsLossless()
{
    QFETCH(QStringList, terms);
    QFETCH(QStringList, descriptions);

    verifyLossless(WodPack::pack(sortedEntries(terms, descriptions), QStringLiteral("09/12/2026")));
}

// Glossaries of short texts made of the characters that meet the source's
// separators and escapes, from a fixed seed.
void TestWodPack::roundTripOfRandomGlossaries()
{
    const QString alphabet = QStringLiteral("#\\ \u00A0ab,\";\u00E9\u20AC\\#");
    QRandomGenerator random(20261209);
    const auto text = [&](int minimum, int maximum) {
        QString result;
        for (int n = random.bounded(minimum, maximum + 1); n > 0; --n) {
            result.append(alphabet.at(random.bounded(int(alphabet.size()))));
        }
        return result;
    };
    for (int round = 0; round < 300; ++round) {
        QStringList terms;
        QStringList descriptions;
        for (int n = random.bounded(1, 12); n > 0; --n) {
            const QString term = text(1, 6);
            if (term.trimmed().isEmpty())
                continue;
            terms.append(term);
            descriptions.append(text(0, 8));
        }
        verifyLossless(WodPack::pack(sortedEntries(terms, descriptions), QStringLiteral("29/02/2024")));
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("round ") + QString::number(round) + QStringLiteral(": ")
                             + terms.join(QStringLiteral(" | "))));
    }
}

void TestWodPack::readingIsBounded()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("tien.tsv"), "0123456789");

    const ToolFiles::ReadResult fits = ToolFiles::readRegularFile(path, 10, QStringLiteral("bron"));
    QCOMPARE(fits.error, QString());
    QCOMPARE(fits.bytes, QByteArray("0123456789"));

    const ToolFiles::ReadResult over = ToolFiles::readRegularFile(path, 9, QStringLiteral("bron"));
    QCOMPARE(over.error, QStringLiteral("is 10 bytes groot, groter dan een bron kan zijn (ten hoogste 9 bytes)"));
    QVERIFY(over.bytes.isEmpty());

    const ToolFiles::ReadResult missing
        = ToolFiles::readRegularFile(dir.filePath(QStringLiteral("nergens")), 10, QStringLiteral("bron"));
    QCOMPARE(missing.error, QStringLiteral("bestaat niet"));
    const ToolFiles::ReadResult throughFile
        = ToolFiles::readRegularFile(path + QStringLiteral("/bron.tsv"), 10, QStringLiteral("bron"));
    QCOMPARE(throughFile.error, QStringLiteral("bestaat niet (een deel van het pad is geen map)"));

    // A file that grows while it is read (the system's process files say
    // they are empty) is refused once it passes the limit.
    const QString growing = QStringLiteral("/proc/self/status");
    if (QFile::exists(growing)) {
        const ToolFiles::ReadResult grown = ToolFiles::readRegularFile(growing, 16, QStringLiteral("bron"));
        QVERIFY2(grown.error.endsWith(QStringLiteral("groter dan een bron kan zijn (ten hoogste 16 bytes)")),
                 qPrintable(grown.error));
        QVERIFY(grown.bytes.isEmpty());
        QCOMPARE(ToolFiles::readRegularFile(growing, 1 << 20, QStringLiteral("bron")).error, QString());
    }
}

QTEST_GUILESS_MAIN(TestWodPack)
#include "tst_wodpack.moc"
