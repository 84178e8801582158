#include "core/glossary/glossaryfile.h"
#include "core/glossary/glossarymessages.h"
#include "core/glossary/loader.h"
#include "tests/support/wodbytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

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

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("woordorakelaar.wod"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test glossary");
    return path;
}

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
    void files();
    void fileChangedAfterOpening();
    void whereReadingStopped();
    void headerFromTheFile_data();
    void headerFromTheFile();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void largerThanAnyGlossary();
    void pathsTooLongAreNotFound();
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

void TestLoader::files()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = writeFile(dir, wod(three));
    QCOMPARE(LoadDatabaseFile(path).glossary.Begrip(3), QStringLiteral("Cache"));
    QCOMPARE(testHeaderFile(path).check, HeaderCheck::Matches);

    const QString missing = dir.filePath(QStringLiteral("weg.wod"));
    QCOMPARE(testHeaderFile(missing).error, ErrorKind::FileNotFound);
    QCOMPARE(LoadDatabaseFile(missing).error, ErrorKind::FileNotFound);
    const QString noFolder = dir.filePath(QStringLiteral("geen/map/woordorakelaar.wod"));
    QCOMPARE(testHeaderFile(noFolder).error, ErrorKind::PathNotFound);
    QCOMPARE(LoadDatabaseFile(noFolder).status, LoadStatus::Failed);
    QCOMPARE(testHeaderFile(dir.path()).error, ErrorKind::PathFileAccess);
    // A file where a folder should be is a missing folder.
    const QString throughFile = path + QStringLiteral("/woordorakelaar.wod");
    QCOMPARE(openFailure(throughFile), ErrorKind::PathNotFound);
    QCOMPARE(LoadDatabaseFile(throughFile).error, ErrorKind::PathNotFound);

    // A glossary read from its file holds its own copy: the file may change
    // or vanish at once.
    LoadResult read = LoadDatabaseFile(path);
    QVERIFY(QFile::resize(path, 10));
    QVERIFY(QFile::remove(path));
    QCOMPARE(read.glossary.Begrippen(2), (BegripRecord{three.at(1).term, three.at(1).description}));
    path = writeFile(dir, wod(three));

    // What follows the last entry is not kept.
    path = writeFile(dir, wod(three) + QByteArray(100000, 'x'));
    read = LoadDatabaseFile(path);
    QCOMPARE(read.status, LoadStatus::Loaded);
    QCOMPARE(read.glossary.storedBytes().size(), wod(three).size());
    QCOMPARE(read.glossary.Beschrijving(3), three.at(2).description);

    const QString empty = writeFile(dir, QByteArray());
    QCOMPARE(testHeaderFile(empty).check, HeaderCheck::Failed);
    QCOMPARE(testHeaderFile(empty).error, ErrorKind::InputPastEnd);
    QCOMPARE(LoadDatabaseFile(empty).error, ErrorKind::InputPastEnd);
}

// Between opening and reading, a file that shrinks gives what is left of it,
// one that grows what it held when it was opened.
void TestLoader::fileChangedAfterOpening()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "0123456789abcdef");

    GlossaryFile shrinking;
    QCOMPARE(shrinking.open(path), ErrorKind::None);
    QCOMPARE(shrinking.size(), qint64(16));
    QVERIFY(QFile::resize(path, 10));
    QByteArray bytes("stale");
    QCOMPARE(shrinking.readAll(bytes), ErrorKind::None);
    QCOMPARE(bytes, QByteArray("0123456789"));

    GlossaryFile growing;
    QCOMPARE(growing.open(path), ErrorKind::None);
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    QCOMPARE(file.write("ghijkl"), qint64(6));
    file.close();
    QCOMPARE(growing.readAll(bytes), ErrorKind::None);
    QCOMPARE(bytes, QByteArray("0123456789"));
    // Read again from the start.
    QCOMPARE(growing.readAll(bytes), ErrorKind::None);
    QCOMPARE(bytes, QByteArray("0123456789"));

    GlossaryFile closed;
    QCOMPARE(closed.readAll(bytes), ErrorKind::PathFileAccess);
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

void TestLoader::headerFromTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<HeaderCheck>("check");
    QTest::addColumn<ErrorKind>("error");

    const QByteArray header = QString::fromUtf16(headerText).toLatin1();
    const QByteArray blanks(64 * 1024 - 3, ' ');
    QTest::newRow("after blanks, across the first 64 KiB") << blanks + '"' + header + "\"\r\n1,1\r\n"
                                                           << HeaderCheck::Matches << ErrorKind::None;
    QTest::newRow("after blanks, quote never closed")
        << blanks + blanks + '"' + header << HeaderCheck::Matches << ErrorKind::None;
    // The file is read in pieces of 4 KiB, 8 KiB and so on up to 1 MiB: the
    // header across the edge of the first two, and the character after the
    // header just past it.
    for (const qsizetype edge : {4096, 4096 + 8192}) {
        QTest::addRow("header across the end of the piece at %lld", qlonglong(edge))
            << QByteArray(edge - 10, ' ') + '"' + header + '"' << HeaderCheck::Matches << ErrorKind::None;
        QTest::addRow("header ends the piece at %lld, one character more after it", qlonglong(edge))
            << QByteArray(edge - 1 - header.size(), ' ') + '"' + header + "x\"" << HeaderCheck::WrongLayout
            << ErrorKind::None;
        QTest::addRow("closing quote ends the piece at %lld", qlonglong(edge))
            << QByteArray(edge - 2 - header.size(), ' ') + '"' + header + '"' << HeaderCheck::Matches
            << ErrorKind::None;
    }
    const qsizetype chunk = 1024 * 1024;
    QTest::newRow("header across the first MiB")
        << QByteArray(chunk - 10, ' ') + '"' + header + '"' << HeaderCheck::Matches << ErrorKind::None;
    QTest::newRow("header ends at 1 MiB, one character more after it") << QByteArray(chunk - 1 - header.size(), ' ')
            + '"' + header + "x\"" << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("closing quote at 1 MiB")
        << QByteArray(chunk - 2 - header.size(), ' ') + '"' + header + '"' << HeaderCheck::Matches << ErrorKind::None;
    QTest::newRow("one character more") << blanks + '"' + header + "x\"" << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("one character less") << '"' + header.chopped(1) + '"' << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("not quoted") << blanks + header << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("blanks, then zero bytes")
        << blanks + QByteArray(200000, '\0') << HeaderCheck::WrongLayout << ErrorKind::None;
    QTest::newRow("nothing but blanks") << blanks + blanks + blanks << HeaderCheck::Failed << ErrorKind::InputPastEnd;
}

// The header test reads the file as a stream and decides as the reader of
// the whole file would.
void TestLoader::headerFromTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(HeaderCheck, check);
    QFETCH(ErrorKind, error);
    QTemporaryDir dir;
    const QString path = writeFile(dir, bytes);
    const HeaderResult result = testHeaderFile(path);
    QCOMPARE(result.check, check);
    QCOMPARE(result.error, error);
    QCOMPARE(testHeader(bytes).check, check);
}

void TestLoader::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("socket") << QStringLiteral("socket");
    QTest::newRow("device") << QStringLiteral("device");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("link to a FIFO") << QStringLiteral("link");
}

// Anything but a regular file under the glossary's name is refused at once,
// as a folder is: opening a FIFO for reading would wait for ever.
void TestLoader::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("woordorakelaar.wod"));
    const QByteArray name = QFile::encodeName(path);
    int socketFd = -1;
    if (kind == u"fifo") {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (kind == u"link") {
        const QString fifo = dir.filePath(QStringLiteral("pijp"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, path));
    } else if (kind == u"socket") {
        socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof(address.sun_path));
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        QCOMPARE(::bind(socketFd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    } else if (kind == u"device") {
        path = QStringLiteral("/dev/zero");
    } else {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("woordorakelaar.wod")));
    }
    QCOMPARE(openFailure(path), ErrorKind::PathFileAccess);
    QCOMPARE(testHeaderFile(path).error, ErrorKind::PathFileAccess);
    const LoadResult load = LoadDatabaseFile(path);
    QCOMPARE(load.status, LoadStatus::Failed);
    QCOMPARE(load.error, ErrorKind::PathFileAccess);
    if (socketFd >= 0)
        ::close(socketFd);
}

// A file larger than the format can hold is no glossary; it is not read.
void TestLoader::largerThanAnyGlossary()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, wod(three));
    QVERIFY(QFile::resize(path, maxGlossaryFileSize + 1)); // sparse: costs no disk
    QCOMPARE(testHeaderFile(path).check, HeaderCheck::TooLarge);
    QCOMPARE(LoadDatabaseFile(path).status, LoadStatus::Failed);

    // At the limit itself the header is read as usual.
    QVERIFY(QFile::resize(path, maxGlossaryFileSize));
    QCOMPARE(testHeaderFile(path).check, HeaderCheck::Matches);
}

void TestLoader::pathsTooLongAreNotFound()
{
    QTemporaryDir dir;
    const QString longName = dir.filePath(QString(300, u'a'));
    QCOMPARE(openFailure(longName), ErrorKind::FileNotFound);
    const QString absurd = dir.filePath(QString(1024 * 1024, u'b'));
    QCOMPARE(openFailure(absurd), ErrorKind::FileNotFound);
    QCOMPARE(testHeaderFile(absurd).error, ErrorKind::FileNotFound);
    QCOMPARE(LoadDatabaseFile(absurd).error, ErrorKind::FileNotFound);
    QCOMPARE(openFailure(dir.filePath(QStringLiteral("a/b/c/") + QString(5000, u'c'))), ErrorKind::FileNotFound);

    // A name with a NUL character in it is no file, not the file named by
    // what comes before the NUL.
    const QString glossary = writeFile(dir, wod(three));
    const QString withNul = glossary + QChar(0) + QStringLiteral("x");
    QCOMPARE(openFailure(withNul), ErrorKind::FileNotFound);
    QCOMPARE(testHeaderFile(withNul).error, ErrorKind::FileNotFound);
    QCOMPARE(LoadDatabaseFile(withNul).error, ErrorKind::FileNotFound);
    QCOMPARE(LoadDatabaseFile(glossary).status, LoadStatus::Loaded);
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
