#include "glossary/loader.h"
#include "tools/dutchorder.h"
#include "tools/wodpack.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
    process.waitForFinished(30000);
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
    void sortOption();
    void packUnpackRoundTrip();
    void checkNamesTheEntry_data();
    void checkNamesTheEntry();
    void failedPackWritesNothing();
    void commandLine();
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
    QTest::newRow("empty term") << source("\tZonder begrip\n") << 2 << 1 << QStringLiteral("het begrip is leeg");
    QTest::newRow("no tab") << source("Bit Een bit\n") << 2 << 0 << QStringLiteral("geen tab");
    QTest::newRow("invalid UTF-8") << source("Bit\tEen \xe9\xe9n\n") << 2 << 0 << QStringLiteral("UTF-8");
    QTest::newRow("out of order") << source("Byte\tAcht bits\n# tussendoor\nBit\tEen bit\n") << 4 << 1
                                  << QStringLiteral(
                                         "\u201CBit\u201D hoort alfabetisch v\u00F3\u00F3r \u201CByte\u201D (regel 2)");
    QTest::newRow("bad date comment") << QByteArray("# datum: 31/02/2026\nBit\tEen bit\n") << 1 << 0
                                      << QStringLiteral("dd/mm/jjjj");
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

    text.chop(QByteArray("t132767\td\n").size());
    QVERIFY(!WodPack::parseSource(text, WodPack::Ordering::MustBeSorted).problem);
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
    QTest::newRow("tab in a text") << QByteArray(good).replace("\"i\"", "\"\x10\"") << 2 << QStringLiteral("tab");
    QTest::newRow("wrong header") << QByteArray(good).replace("woordorakelaar", "Woordorakelaar") << 0
                                  << QStringLiteral("kop");
    QTest::newRow("old date") << QByteArray(good).replace("09/12/2026", "2026-12-09") << 0
                              << QStringLiteral("oud formaat");
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
    QCOMPARE(wodtool({QStringLiteral("frobnicate")}).exitCode, 2);
    QCOMPARE(wodtool({QStringLiteral("check"), dir.filePath(QStringLiteral("nergens.wod"))}).exitCode, 1);
}

QTEST_GUILESS_MAIN(TestWodTool)
#include "tst_wodtool.moc"
