#include "core/glossary/loader.h"
#include "tools/dutchorder.h"
#include "tools/toolfiles.h"
#include "tools/wodpack.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace Woord;

namespace {

QByteArray source(const QByteArray &entries)
{
    return "# datum: 09/12/2026\n" + entries;
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run wodtool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(WOORDTOOL_PATH), args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, "wodtool did not finish"};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The glossary file of entries given as term and description, in Dutch order.
QList<WodPack::SourceEntry> sortedEntries(const QStringList &terms, const QStringList &descriptions)
{
    QList<WodPack::SourceEntry> entries;
    for (qsizetype i = 0; i < terms.size(); ++i)
        entries.append({terms.at(i), descriptions.at(i), 0});
    std::stable_sort(entries.begin(), entries.end(), [](const WodPack::SourceEntry &a, const WodPack::SourceEntry &b) {
        return DutchOrder::compare(a.term, b.term) < 0;
    });
    return entries;
}

QStringList termsOf(const QList<WodPack::SourceEntry> &entries)
{
    QStringList terms;
    for (const WodPack::SourceEntry &entry : entries)
        terms.append(entry.term);
    return terms;
}

QStringList descriptionsOf(const QList<WodPack::SourceEntry> &entries)
{
    QStringList descriptions;
    for (const WodPack::SourceEntry &entry : entries)
        descriptions.append(entry.description);
    return descriptions;
}

// A file that check accepts comes back whole through unpack and pack, and a
// second round changes no byte.
void verifyLossless(const QByteArray &wod)
{
    const WodPack::CheckResult checked = WodPack::check(wod);
    QVERIFY2(!checked.problem, checked.problem ? qPrintable(checked.problem->toString()) : "");
    const LoadResult load = LoadDatabase(wod);
    QList<WodPack::SourceEntry> original;
    for (qint32 i = 1; i <= load.glossary.AantalBegrippen(); ++i)
        original.append({load.glossary.Begrip(i), load.glossary.Beschrijving(i), 0});

    const WodPack::UnpackResult unpacked = WodPack::unpack(wod);
    QVERIFY(!unpacked.problem);
    const WodPack::ParseResult parsed = WodPack::parseSource(unpacked.text, WodPack::Ordering::MustBeSorted);
    QVERIFY2(!parsed.problem, parsed.problem ? qPrintable(parsed.problem->toString()) : "");
    QCOMPARE(termsOf(parsed.source.entries), termsOf(original));
    QCOMPARE(descriptionsOf(parsed.source.entries), descriptionsOf(original));
    QCOMPARE(parsed.source.date, checked.date);

    const QByteArray again = WodPack::pack(parsed.source.entries, parsed.source.date);
    QCOMPARE(WodPack::unpack(again).text, unpacked.text);
    const WodPack::ParseResult reparsed
        = WodPack::parseSource(WodPack::unpack(again).text, WodPack::Ordering::MustBeSorted);
    QCOMPARE(WodPack::pack(reparsed.source.entries, reparsed.source.date), again);
}

#ifdef Q_OS_UNIX
// Makes a FIFO, a socket, a folder or a device node at path; false when the
// machine does not allow it.
bool makeNonRegular(const QString &kind, const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == QStringLiteral("map"))
        return QDir().mkdir(path);
    if (kind == QStringLiteral("FIFO"))
        return ::mkfifo(name.constData(), 0600) == 0;
    if (kind == QStringLiteral("apparaat")) // a node like /dev/null's, in the test's own folder
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    if (kind == QStringLiteral("blokapparaat")) // a node like /dev/loop0's
        return ::mknod(name.constData(), S_IFBLK | 0600, makedev(7, 0)) == 0;
    if (kind == QStringLiteral("socket")) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(name.size()) >= sizeof address.sun_path)
            return false;
        std::copy(name.begin(), name.end(), address.sun_path);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        if (fd >= 0)
            ::close(fd); // the socket file stays
        return bound;
    }
    return false;
}

mode_t typeOf(const QString &path)
{
    struct stat info {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}
#endif

} // namespace

class TestWodTool : public QObject
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
    void failedPackWritesNothing();
    void commandLine();
    void usageMessages_data();
    void usageMessages();
    void refusesInputThatIsNoFile_data();
    void refusesInputThatIsNoFile();
    void readingIsBounded();
    void refusesTooLargeInputAtOnce();
    void refusesOutput_data();
    void refusesOutput();
};

void TestWodTool::order_data()
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

void TestWodTool::order()
{
    QFETCH(QString, before);
    QFETCH(QString, after);

    QVERIFY(DutchOrder::compare(before, after) < 0);
    QVERIFY(DutchOrder::compare(after, before) > 0);
    QCOMPARE(DutchOrder::compare(before, before), 0);
}

void TestWodTool::sourceProblems_data()
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

void TestWodTool::sourceProblems()
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

void TestWodTool::tooManyEntries()
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
void TestWodTool::problemPlaceAndForeignFile()
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
void TestWodTool::acceptedAtTheEdges()
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
void TestWodTool::byteOrderMark()
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

void TestWodTool::sortOption()
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

void TestWodTool::packUnpackRoundTrip()
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

void TestWodTool::checkNamesTheEntry_data()
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
void TestWodTool::blanksAfterTheLastEntry()
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

void TestWodTool::checkNamesTheEntry()
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
void TestWodTool::unpackNamesTheCharacter_data()
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

void TestWodTool::unpackNamesTheCharacter()
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
void TestWodTool::dates_data()
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

void TestWodTool::dates()
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

void TestWodTool::escapedTerms_data()
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

void TestWodTool::escapedTerms()
{
    QFETCH(QByteArray, entries);
    QFETCH(QStringList, terms);

    const WodPack::ParseResult parsed = WodPack::parseSource(source(entries), WodPack::Ordering::SortThem);
    QVERIFY2(!parsed.problem, parsed.problem ? qPrintable(parsed.problem->toString()) : "");
    QCOMPARE(termsOf(parsed.source.entries), terms);
    QCOMPARE(parsed.source.date, QStringLiteral("09/12/2026"));
}

void TestWodTool::roundTripIsLossless_data()
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

void TestWodTool::roundTripIsLossless()
{
    QFETCH(QStringList, terms);
    QFETCH(QStringList, descriptions);

    verifyLossless(WodPack::pack(sortedEntries(terms, descriptions), QStringLiteral("09/12/2026")));
}

// Glossaries of short texts made of the characters that meet the source's
// separators and escapes, from a fixed seed.
void TestWodTool::roundTripOfRandomGlossaries()
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

void TestWodTool::failedPackWritesNothing()
{
    QTemporaryDir dir;
    const QString bad = writeFile(dir, QStringLiteral("bad.tsv"),
                                  source("Bit\tEen bit\nByte\tb\xc3\xbf"
                                         "te\n"));
    const QString target = dir.filePath(QStringLiteral("out.wod"));

    Run run = wodtool({QStringLiteral("pack"), bad, QStringLiteral("-o"), target});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("bad.tsv, regel 3, teken 7:"), run.err.constData());
    QVERIFY(!QFile::exists(target));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left behind

    // An existing glossary stays as it was.
    writeFile(dir, QStringLiteral("out.wod"), "oud");
    QCOMPARE(wodtool({QStringLiteral("pack"), bad, QStringLiteral("-o"), target}).exitCode, 1);
    QCOMPARE(readFile(target), QByteArray("oud"));
}

void TestWodTool::commandLine()
{
    QTemporaryDir dir;
    const QString good = writeFile(dir, QStringLiteral("good.tsv"), "Bit\tEen bit\n");
    const QString target = dir.filePath(QStringLiteral("good.wod"));

    QCOMPARE(wodtool({QStringLiteral("pack"), good, QStringLiteral("-o"), target}).exitCode, 2); // no date
    QCOMPARE(wodtool({QStringLiteral("pack"), good, QStringLiteral("-o"), target, QStringLiteral("--date"),
                      QStringLiteral("2026-12-09")})
                 .exitCode,
             2);
    QCOMPARE(wodtool({QStringLiteral("pack"), good, QStringLiteral("-o"), target, QStringLiteral("--date"),
                      QStringLiteral("01/02/2003")})
                 .exitCode,
             0);
    const Run check = wodtool({QStringLiteral("check"), target});
    QCOMPARE(check.exitCode, 0);
    QCOMPARE(check.out, QByteArray("datum: 01/02/2003\naantal begrippen: 1\ngeen problemen gevonden\n"));
    const Run unpack = wodtool({QStringLiteral("unpack"), target});
    QCOMPARE(unpack.exitCode, 0);
    QCOMPARE(unpack.out, QByteArray("# datum: 01/02/2003\nBit\tEen bit\n"));

    const Run help = wodtool({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("wodtool pack"));
    QVERIFY(help.out.contains("wodtool lint BRON.tsv"));
    QVERIFY(help.out.contains("\"\\#include\" is het\nbegrip \"#include\""));
    QCOMPARE(wodtool({QStringLiteral("frobnicate")}).exitCode, 2);
    const Run missing = wodtool({QStringLiteral("check"), dir.filePath(QStringLiteral("nergens.wod"))});
    QCOMPARE(missing.exitCode, 1);
    QCOMPARE(missing.out, QByteArray());
    QVERIFY2(missing.err.contains("nergens.wod: bestaat niet"), missing.err.constData());

    // unpack writes to -o, and says nothing.
    const QString source = dir.filePath(QStringLiteral("terug.tsv"));
    const Run unpackTo = wodtool({QStringLiteral("unpack"), target, QStringLiteral("-o"), source});
    QCOMPARE(unpackTo.exitCode, 0);
    QCOMPARE(unpackTo.out, QByteArray());
    QCOMPARE(readFile(source), QByteArray("# datum: 01/02/2003\nBit\tEen bit\n"));

    // An existing glossary that is not the input is replaced.
    QCOMPARE(wodtool({QStringLiteral("pack"), good, QStringLiteral("-o"), target, QStringLiteral("--date"),
                      QStringLiteral("02/02/2003")})
                 .exitCode,
             0);
    QVERIFY(wodtool({QStringLiteral("check"), target}).out.startsWith("datum: 02/02/2003\n"));

    // --sort sorts; without it, terms out of order are refused.
    const QString unsorted = writeFile(dir, QStringLiteral("unsorted.tsv"), "# datum: 09/12/2026\nByte\tb.\nBit\ta.\n");
    QCOMPARE(wodtool({QStringLiteral("pack"), unsorted, QStringLiteral("-o"), target}).exitCode, 1);
    QCOMPARE(
        wodtool({QStringLiteral("pack"), unsorted, QStringLiteral("-o"), target, QStringLiteral("--sort")}).exitCode,
        0);
    QCOMPARE(wodtool({QStringLiteral("unpack"), target}).out, QByteArray("# datum: 09/12/2026\nBit\ta.\nByte\tb.\n"));
    const QString sorted = writeFile(dir, QStringLiteral("sorted.tsv"), "# datum: 09/12/2026\nBit\ta.\nByte\tb.\n");
    QCOMPARE(wodtool({QStringLiteral("pack"), sorted, QStringLiteral("-o"), target}).exitCode, 0);
    QCOMPARE(wodtool({QStringLiteral("lint"), unsorted, QStringLiteral("--sort")}).exitCode, 0);

    // check names the entry and the character, from 1; the header as "kop".
    const QByteArray packed = readFile(target);
    const QString tabFirst
        = writeFile(dir, QStringLiteral("tab.wod"), QByteArray(packed).replace("\"Ip{\"", "\"\x10p{\""));
    const Run tab = wodtool({QStringLiteral("check"), tabFirst});
    QCOMPARE(tab.exitCode, 1);
    QVERIFY2(tab.out.contains("\nprobleem: begrip 1, teken 1: een tab"), tab.out.constData());
    const QString oldDate
        = writeFile(dir, QStringLiteral("oud.wod"), QByteArray(packed).replace("09/12/2026", "2026-12-09"));
    QVERIFY(wodtool({QStringLiteral("check"), oldDate}).out.contains("\nprobleem: kop: "));
}

void TestWodTool::usageMessages_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("error"); // the first line on stderr

    const QString x = QStringLiteral("x.tsv");
    QTest::newRow("nothing") << QStringList() << 2 << QByteArray("wodtool: geen opdracht");
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2
                                     << QByteArray("wodtool: onbekende opdracht frobnicate");
    QTest::newRow("option as command") << QStringList{QStringLiteral("-o")} << 2
                                       << QByteArray("wodtool: onbekende opdracht -o");
    QTest::newRow("unknown long option") << QStringList{QStringLiteral("check"), x, QStringLiteral("--bogus")} << 2
                                         << QByteArray("wodtool: onbekende optie --bogus");
    QTest::newRow("unknown short option") << QStringList{QStringLiteral("check"), QStringLiteral("-x"), x} << 2
                                          << QByteArray("wodtool: onbekende optie -x");
    QTest::newRow("unknown word after one dash") << QStringList{QStringLiteral("pack"), x, QStringLiteral("-ouit.wod")}
                                                 << 2 << QByteArray("wodtool: onbekende optie -ouit.wod");
    QTest::newRow("a flag with a value") << QStringList{QStringLiteral("pack"), x, QStringLiteral("--sort=ja")} << 2
                                         << QByteArray("wodtool: onbekende optie --sort=ja");
    QTest::newRow("a flag with a value, then --date=")
        << QStringList{QStringLiteral("pack"), x, QStringLiteral("--sort=ja"), QStringLiteral("--date=01/01/2026")} << 2
        << QByteArray("wodtool: onbekende optie --sort=ja");
    QTest::newRow("--date=, then a flag with a value")
        << QStringList{QStringLiteral("pack"), x, QStringLiteral("--date=01/01/2026"), QStringLiteral("--sort=ja")} << 2
        << QByteArray("wodtool: onbekende optie --sort=ja");
    QTest::newRow("a flag with a value, then --")
        << QStringList{QStringLiteral("pack"), QStringLiteral("--sort=ja"), QStringLiteral("--"), x} << 2
        << QByteArray("wodtool: onbekende optie --sort=ja");
    QTest::newRow("-o without its value") << QStringList{QStringLiteral("pack"), x, QStringLiteral("-o")} << 2
                                          << QByteArray("wodtool: -o verwacht een waarde");
    QTest::newRow("--date without its value") << QStringList{QStringLiteral("pack"), x, QStringLiteral("--date")} << 2
                                              << QByteArray("wodtool: --date verwacht een waarde");
    QTest::newRow("pack without -o") << QStringList{QStringLiteral("pack"), x} << 2
                                     << QByteArray("wodtool: pack verwacht één bron en -o met het doelbestand");
    QTest::newRow("unpack with --sort") << QStringList{QStringLiteral("unpack"), x, QStringLiteral("--sort")} << 2
                                        << QByteArray("wodtool: unpack verwacht één begrippenlijst en eventueel -o");
    QTest::newRow("unpack with --date") << QStringList{QStringLiteral("unpack"), x, QStringLiteral("--date"),
                                                       QStringLiteral("01/01/2026")}
                                        << 2
                                        << QByteArray("wodtool: unpack verwacht één begrippenlijst en eventueel -o");
    QTest::newRow("check of two files") << QStringList{QStringLiteral("check"), x, x} << 2
                                        << QByteArray("wodtool: check verwacht één begrippenlijst");
    QTest::newRow("check with --sort") << QStringList{QStringLiteral("check"), x, QStringLiteral("--sort")} << 2
                                       << QByteArray("wodtool: check verwacht één begrippenlijst");
    QTest::newRow("check with --date") << QStringList{QStringLiteral("check"), x, QStringLiteral("--date"),
                                                      QStringLiteral("01/01/2026")}
                                       << 2 << QByteArray("wodtool: check verwacht één begrippenlijst");
    QTest::newRow("check with -o") << QStringList{QStringLiteral("check"), x, QStringLiteral("-o"),
                                                  QStringLiteral("uit")}
                                   << 2 << QByteArray("wodtool: check verwacht één begrippenlijst");
    QTest::newRow("lint with --date") << QStringList{QStringLiteral("lint"), x, QStringLiteral("--date"),
                                                     QStringLiteral("01/01/2001")}
                                      << 2 << QByteArray("wodtool: lint verwacht één bron en eventueel --sort");
    QTest::newRow("a bad --date") << QStringList{QStringLiteral("pack"),   x,
                                                 QStringLiteral("-o"),     QStringLiteral("y"),
                                                 QStringLiteral("--date"), QStringLiteral("1/1/2001")}
                                  << 2 << QByteArray("wodtool: --date verwacht een datum als dd/mm/jjjj");
    QTest::newRow("a lone dash is a file name")
        << QStringList{QStringLiteral("check"), QStringLiteral("-")} << 1 << QByteArray("wodtool: -: bestaat niet");
    QTest::newRow("-o takes what follows")
        << QStringList{QStringLiteral("pack"), QStringLiteral("-o"), QStringLiteral("--sort")} << 2
        << QByteArray("wodtool: pack verwacht één bron en -o met het doelbestand");
    QTest::newRow("help after a command")
        << QStringList{QStringLiteral("check"), QStringLiteral("-h")} << 0 << QByteArray();
}

// The messages and exit codes of wrong use.
void TestWodTool::usageMessages()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, error);

    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(WOORDTOOL_PATH), args);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), exitCode);
    const QByteArray err = process.readAllStandardError();
    QCOMPARE(err.left(err.indexOf('\n')), error);
    if (exitCode == 2)
        QVERIFY(err.endsWith("\nZie 'wodtool --help'.\n"));
    if (exitCode == 0)
        QVERIFY(process.readAllStandardOutput().startsWith("Gebruik:\n"));
}

void TestWodTool::refusesInputThatIsNoFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");

    const std::pair<const char *, const char *> kinds[] = {
        {"map", "is een map, geen gewoon bestand"},
        {"FIFO", "is een FIFO (named pipe), geen gewoon bestand"},
        {"socket", "is een socket, geen gewoon bestand"},
        {"/dev/zero", "is een apparaat, geen gewoon bestand"},
        {"blokapparaat", "is een apparaat, geen gewoon bestand"},
    };
    for (const char *command : {"pack", "unpack", "check", "lint"}) {
        for (const auto &[kind, message] : kinds)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(command), QLatin1String(kind))))
                << QString::fromLatin1(command) << QString::fromLatin1(kind) << QString::fromUtf8(message);
    }
}

// At once, without waiting for a writer or reading without end.
void TestWodTool::refusesInputThatIsNoFile()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, command);
    QFETCH(QString, kind);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QString input = kind;
    if (!kind.startsWith(u'/')) {
        input = dir.filePath(QStringLiteral("invoer"));
        // Only root may make a device node.
        if (!makeNonRegular(kind, input) && kind == QStringLiteral("blokapparaat"))
            QSKIP("no block device node can be made here");
        QVERIFY(QFileInfo::exists(input));
    }
    const QString target = dir.filePath(QStringLiteral("uit.wod"));
    QStringList args{command, input};
    if (command == QStringLiteral("pack"))
        args << QStringLiteral("-o") << target;

    const Run run = wodtool(args);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains((input + QStringLiteral(": ") + message).toUtf8()), run.err.constData());
    QVERIFY(!QFile::exists(target));
#else
    QSKIP("FIFOs, sockets and devices as on Unix");
#endif
}

void TestWodTool::readingIsBounded()
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

// Files just over the largest size, sparse, so nothing is written to disk.
void TestWodTool::refusesTooLargeInputAtOnce()
{
    QTemporaryDir dir;
    const auto sparse = [&dir](const QString &name, qint64 size) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
            qFatal("cannot make a sparse test file");
        return file.fileName();
    };
    const QString wod = sparse(QStringLiteral("groot.wod"), WodPack::maxGlossaryFileSize + 1);
    const QString tsv = sparse(QStringLiteral("groot.tsv"), WodPack::maxSourceSize + 1);
    const QString target = dir.filePath(QStringLiteral("uit"));

    for (const QStringList &args : {QStringList{QStringLiteral("check"), wod},
                                    QStringList{QStringLiteral("unpack"), wod, QStringLiteral("-o"), target}}) {
        const Run run = wodtool(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("groter dan een begrippenlijst kan zijn (ten hoogste 2147614807 bytes)"),
                 run.err.constData());
    }
    for (const QStringList &args : {QStringList{QStringLiteral("lint"), tsv},
                                    QStringList{QStringLiteral("pack"), tsv, QStringLiteral("-o"), target}}) {
        const Run run = wodtool(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("groter dan een bron kan zijn"), run.err.constData());
    }
    QVERIFY(!QFile::exists(target));
}

void TestWodTool::refusesOutput_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");

    const std::pair<const char *, const char *> kinds[] = {
        {"FIFO", "is een FIFO (named pipe), geen gewoon bestand; wodtool schrijft er niet overheen"},
        {"socket", "is een socket, geen gewoon bestand; wodtool schrijft er niet overheen"},
        {"map", "is een map, geen gewoon bestand; wodtool schrijft er niet overheen"},
        {"apparaat", "is een apparaat, geen gewoon bestand; wodtool schrijft er niet overheen"},
        {"link naar een FIFO", "is een FIFO (named pipe), geen gewoon bestand"},
        {"de invoer", "is hetzelfde bestand als de invoer "},
        {"harde link naar de invoer", "is hetzelfde bestand als de invoer "},
        {"link naar de invoer", "is hetzelfde bestand als de invoer "},
    };
    for (const char *command : {"pack", "unpack"}) {
        for (const auto &[kind, message] : kinds)
            QTest::newRow(qPrintable(QStringLiteral("%1 -o %2").arg(QLatin1String(command), QLatin1String(kind))))
                << QString::fromLatin1(command) << QString::fromLatin1(kind) << QString::fromUtf8(message);
    }
}

// Nothing is touched: not the target, not the input, no file left beside.
void TestWodTool::refusesOutput()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, command);
    QFETCH(QString, kind);
    QFETCH(QString, message);

    QTemporaryDir dir;
    const QByteArray tsv = source("Bit\tEen bit\n");
    const QByteArray bytes = command == QStringLiteral("pack")
        ? tsv
        : WodPack::pack(WodPack::parseSource(tsv, WodPack::Ordering::MustBeSorted).source.entries,
                        QStringLiteral("09/12/2026"));
    const QString input = writeFile(dir, QStringLiteral("invoer"), bytes);
    QString target = dir.filePath(QStringLiteral("doel"));
    if (kind == QStringLiteral("de invoer")) {
        target = input;
    } else if (kind == QStringLiteral("harde link naar de invoer")) {
        QVERIFY(::link(QFile::encodeName(input).constData(), QFile::encodeName(target).constData()) == 0);
    } else if (kind == QStringLiteral("link naar de invoer")) {
        QVERIFY(QFile::link(input, target));
    } else if (kind == QStringLiteral("link naar een FIFO")) {
        QVERIFY(makeNonRegular(QStringLiteral("FIFO"), dir.filePath(QStringLiteral("fifo"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("fifo")), target));
    } else if (!makeNonRegular(kind, target)) {
        QSKIP("this machine does not allow making one");
    }
    const mode_t type = typeOf(target);
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);

    const Run run = wodtool({command, input, QStringLiteral("-o"), target});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains((target + QStringLiteral(": ") + message).toUtf8()), run.err.constData());
    QCOMPARE(typeOf(target), type);
    QCOMPARE(readFile(input), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), before);
#else
    QSKIP("FIFOs, sockets and devices as on Unix");
#endif
}

QTEST_GUILESS_MAIN(TestWodTool)
#include "tst_wodtool.moc"
