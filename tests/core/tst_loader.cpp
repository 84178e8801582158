#include "core/glossary/glossarymessages.h"
#include "core/glossary/loader.h"
#include "tests/support/wodbytes.h"

#include <QTest>

using namespace Woord;
using Woord::Test::Entry;
using Woord::Test::wod;

Q_DECLARE_METATYPE(Woord::LoadStatus)
Q_DECLARE_METATYPE(Woord::ErrorKind)
Q_DECLARE_METATYPE(Woord::HeaderCheck)

namespace {

const QList<Entry> three = {
    {QStringLiteral("Bit"), QStringLiteral("Kleinste eenheid van informatie: 0 of 1.")},
    {QStringLiteral("Byte"), QStringLiteral("Acht bits, samen een teken, zoals \"A\" of ë.")},
    {QStringLiteral("Cache"), QStringLiteral("Snel geheugen; R&D, café, geïnstalleerd.")},
};

} // namespace

class TestLoader : public QObject
{
    Q_OBJECT

private slots:
    void header_data();
    void header();
    void outcome_data();
    void outcome();
    void threeEntries();
    void largestCountAndLongestText();
    void whereReadingStopped();
    void newBytesDropTheEntries();
    void messages();
};

void TestLoader::header_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<HeaderCheck>("check");
    QTest::addColumn<ErrorKind>("error");

    QTest::newRow("exact") << wod(three) << HeaderCheck::Matches << ErrorKind::None;
    QTest::newRow("letter case differs") << wod(
        three, {}, "\"09/12/2026\"", "\";Woordorakelaar databestand, verander niets aan de indeling a.u.b.\"")
                                         << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("not quoted, read up to its comma")
        << wod(three, {}, "\"09/12/2026\"", ";woordorakelaar databestand, verander niets aan de indeling a.u.b.")
        << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("one character short") << wod(three, {}, "\"09/12/2026\"",
                                                "\";woordorakelaar databestand, verander niets aan de indeling a.u.b\"")
                                         << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("leading spaces are skipped")
        << QByteArray("   " + wod(three)) << HeaderCheck::Matches << ErrorKind::None;
    QTest::newRow("empty file") << QByteArray() << HeaderCheck::Failed << ErrorKind::InputPastEnd;
    QTest::newRow("binary") << QByteArray("\x00\xff\x01\x89PNG", 7) << HeaderCheck::WrongLayout << ErrorKind::None;

    // The header after a long run of blanks, and what only looks like one.
    const QByteArray header = QString::fromUtf16(headerText).toLatin1();
    const QByteArray blanks(64 * 1024 - 3, ' ');
    QTest::newRow("after blanks, across the first 64 KiB") << blanks + '"' + header + "\"\r\n1,1\r\n"
                                                           << HeaderCheck::Matches << ErrorKind::None;
    QTest::newRow("after blanks, quote never closed")
        << blanks + blanks + '"' + header << HeaderCheck::Matches << ErrorKind::None;
    QTest::newRow("one character more") << blanks + '"' + header + "x\"" << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("one character less") << '"' + header.chopped(1) + '"' << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("not quoted") << blanks + header << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("blanks, then zero bytes")
        << blanks + QByteArray(200000, '\0') << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("nothing but blanks") << blanks + blanks + blanks << HeaderCheck::Failed << ErrorKind::InputPastEnd;
}

void TestLoader::header()
{
    QFETCH(QByteArray, bytes);
    QFETCH(HeaderCheck, check);
    QFETCH(ErrorKind, error);

    const HeaderResult result = testHeader(bytes);
    QCOMPARE(result.check, check);
    QCOMPARE(result.error, error);
}

void TestLoader::outcome_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<LoadStatus>("status");
    QTest::addColumn<ErrorKind>("error");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("date");

    const QByteArray d = "\"09/12/2026\"";
    QTest::newRow("date with a time is cut to the date")
        << wod(three, {}, "\"09/12/2026 14:30\"") << LoadStatus::Loaded << ErrorKind::None << 3 << "09/12/2026";
    QTest::newRow("unquoted date") << wod(three, {}, "09/12/2026") << LoadStatus::Loaded << ErrorKind::None << 3
                                   << "09/12/2026";
    QTest::newRow("yyyy/mm/dd is an old format")
        << wod(three, {}, "\"2026/12/09\"") << LoadStatus::OldFormat << ErrorKind::None << 3 << "2026/12/09";
    QTest::newRow("hyphens are an old format")
        << wod(three, {}, "\"09-12-2026\"") << LoadStatus::OldFormat << ErrorKind::None << 3 << "09-12-2026";
    QTest::newRow("three characters with the slash third are enough")
        << wod(three, {}, "\"09/\"") << LoadStatus::Loaded << ErrorKind::None << 3 << "09/";
    QTest::newRow("two-character date is an old format")
        << wod(three, {}, "\"9/\"") << LoadStatus::OldFormat << ErrorKind::None << 3 << "9/";
    QTest::newRow("empty date is an old format")
        << wod(three, {}, "\"\"") << LoadStatus::OldFormat << ErrorKind::None << 3 << "";
    QTest::newRow("old format is found before a wrong count")
        << wod(three, "-1", "\"2026-12-09\"") << LoadStatus::OldFormat << ErrorKind::None << -1 << "2026-12-09";
    QTest::newRow("count -1") << wod(three, "-1") << LoadStatus::WrongCount << ErrorKind::None << -1 << "09/12/2026";
    QTest::newRow("count 32768") << wod(three, "32768") << LoadStatus::WrongCount << ErrorKind::None << 32768
                                 << "09/12/2026";
    QTest::newRow("count 0") << wod({}) << LoadStatus::Loaded << ErrorKind::None << 0 << "09/12/2026";
    QTest::newRow("count not a number is 0")
        << wod(three, "abc") << LoadStatus::Loaded << ErrorKind::None << 0 << "09/12/2026";
    QTest::newRow("count too large for 32 bits")
        << wod(three, "99999999999") << LoadStatus::Failed << ErrorKind::Overflow << 0 << "";
    QTest::newRow("fewer entries than the count")
        << wod(three, "4") << LoadStatus::Failed << ErrorKind::InputPastEnd << 4 << "09/12/2026";
    QTest::newRow("extra entries after the last are ignored")
        << wod(three, "2") << LoadStatus::Loaded << ErrorKind::None << 2 << "09/12/2026";
    QTest::newRow("trailing junk ignored") << QByteArray(wod(three) + QByteArray("\x01\x02,\"zz\r\n\x00", 8))
                                           << LoadStatus::Loaded << ErrorKind::None << 3 << "09/12/2026";
    QTest::newRow("truncated inside the header fields")
        << QByteArray(Test::header + "\r\n3,1\r\n") << LoadStatus::Failed << ErrorKind::InputPastEnd << 3 << "";
    QTest::newRow("empty file") << QByteArray() << LoadStatus::Failed << ErrorKind::InputPastEnd << 0 << "";
    QTest::newRow("lone LF line ends") << wod(three).replace("\r\n", "\n") << LoadStatus::Loaded << ErrorKind::None << 3
                                       << "09/12/2026";
    QTest::newRow("entry on two lines, count and start index on two lines")
        << QByteArray(Test::header + "\r\n1\r\n0\r\n" + d + "\r\n\"" + Test::scramble(QStringLiteral("a")) + "\"\r\n\""
                      + Test::scramble(QStringLiteral("b")) + "\"\r\n")
        << LoadStatus::Loaded << ErrorKind::None << 1 << "09/12/2026";
}

void TestLoader::outcome()
{
    QFETCH(QByteArray, bytes);
    QFETCH(LoadStatus, status);
    QFETCH(ErrorKind, error);
    QFETCH(int, count);
    QFETCH(QString, date);

    const LoadResult result = LoadDatabase(bytes);
    QCOMPARE(result.status, status);
    QCOMPARE(result.error, error);
    if (status != LoadStatus::Failed || error != ErrorKind::Overflow)
        QCOMPARE(result.declaredCount, count);
    QCOMPARE(result.glossary.DatabaseDatum(), date);
    if (status == LoadStatus::Loaded) {
        QCOMPARE(result.glossary.AantalBegrippen(), count);
        QCOMPARE(result.glossary.Begrippen(0), BegripRecord{});
    } else {
        // Never a partly filled table, even when entries were read before the failure.
        QCOMPARE(result.glossary.AantalBegrippen(), 0);
        QCOMPARE(result.glossary.Begrippen(1), BegripRecord{});
    }
    if (status == LoadStatus::Failed)
        QVERIFY(result.glossary.storedBytes().isEmpty());
}

void TestLoader::threeEntries()
{
    for (const QByteArray &start : {QByteArray("0"), QByteArray("-5"), QByteArray("99")}) {
        QByteArray bytes = wod(three);
        bytes.replace("3,1\r\n", "3," + start + "\r\n");
        const LoadResult result = LoadDatabase(bytes);
        QCOMPARE(result.status, LoadStatus::Loaded);
        QCOMPARE(result.glossary.startIndex(), start.toInt());
        QCOMPARE(result.glossary.AantalBegrippen(), 3);
        QCOMPARE(result.glossary.Begrippen(0), BegripRecord{});
        QCOMPARE(result.glossary.Begrippen(4), BegripRecord{});
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(result.glossary.Begrippen(i).Begrip, three.at(i - 1).term);
            QCOMPARE(result.glossary.Begrippen(i).Beschrijving, three.at(i - 1).description);
        }
    }

    // Two entries for a count of three: the load fails on the third.
    const LoadResult shortFile = LoadDatabase(wod(three.mid(0, 2), "3"));
    QCOMPARE(shortFile.status, LoadStatus::Failed);
    QCOMPARE(shortFile.error, ErrorKind::InputPastEnd);
    QCOMPARE(shortFile.failedEntry, 3);
}

void TestLoader::largestCountAndLongestText()
{
    QList<Entry> many(32767, Entry{QStringLiteral("t"), QStringLiteral("d")});
    many.last().description = QString(32767, u'x');
    const LoadResult largest = LoadDatabase(wod(many));
    QCOMPARE(largest.status, LoadStatus::Loaded);
    QCOMPARE(largest.glossary.AantalBegrippen(), 32767);
    QCOMPARE(largest.glossary.Beschrijving(32767).size(), 32767);

    many.last().description.append(u'x');
    const LoadResult tooLong = LoadDatabase(wod(many));
    QCOMPARE(tooLong.status, LoadStatus::Failed);
    QCOMPARE(tooLong.error, ErrorKind::Overflow);
    QCOMPARE(tooLong.failedEntry, 32767);
}

// Where the loader stopped reading: after the last entry, or after the date
// when the date or the count ends the load.
void TestLoader::whereReadingStopped()
{
    const QByteArray loaded = wod(three);
    QCOMPARE(LoadDatabase(loaded + "\"junk\"\r\n").endOffset, loaded.size());

    const QByteArray wrongCount = wod(three, "-1");
    QCOMPARE(LoadDatabase(wrongCount).status, LoadStatus::WrongCount);
    QCOMPARE(LoadDatabase(wrongCount).endOffset, wrongCount.indexOf("\"09/12/2026\"\r\n") + 14);

    const QByteArray oldFormat = wod(three, {}, "\"2026-12-09\"");
    QCOMPARE(LoadDatabase(oldFormat).status, LoadStatus::OldFormat);
    QCOMPARE(LoadDatabase(oldFormat).endOffset, oldFormat.indexOf("\"2026-12-09\"\r\n") + 14);
}

// The spans of the entries point into the bytes: new bytes leave none of them.
void TestLoader::newBytesDropTheEntries()
{
    LoadResult load = LoadDatabase(wod(three));
    QCOMPARE(load.glossary.AantalBegrippen(), 3);
    load.glossary.adoptBytes(wod({}));
    QCOMPARE(load.glossary.AantalBegrippen(), 0);
    QCOMPARE(load.glossary.Begrip(1), QString());
}

void TestLoader::messages()
{
    const QString title = QStringLiteral("Woordorakelaar v1.0");
    QCOMPARE(GlossaryMessages::wrongLayout(title),
             (Message{title,
                      QStringLiteral("De begrippenlijst heeft een verkeerde indeling. Verwijder de begrippenlijst "
                                     "a.u.b.\r\n\r\nOpnieuw installeren of download een nieuwe van de website."),
                      MessageIcon::Critical}));
    QCOMPARE(GlossaryMessages::oldFormat(title),
             (Message{title,
                      QStringLiteral("U werkt met een oude versie van zowel Woordorakelaar als de begrippenlijst."
                                     "\r\n\r\nEen volledig nieuwe installatie van Woordorakelaar en de "
                                     "begrippenlijst is gewenst."),
                      MessageIcon::Information}));
    QCOMPARE(GlossaryMessages::wrongCount(title),
             (Message{title,
                      QStringLiteral("Het aantal begrippen in de begrippenlijst is verkeerd.\r\nProgramma wordt "
                                     "beeïndigd. Opnieuw installeren van de begrippenlijst is gewenst."),
                      MessageIcon::Information}));
    QCOMPARE(GlossaryMessages::loadFailed(title, QStringLiteral("/opt/w/woordorakelaar.wod")),
             (Message{title,
                      QStringLiteral("/opt/w/woordorakelaar.wod\r\nDeze begrippenlijst bevat fouten. Opnieuw "
                                     "installeren of download een nieuwe begrippenlijst."),
                      MessageIcon::Critical}));
}

QTEST_APPLESS_MAIN(TestLoader)
#include "tst_loader.moc"
