// Start-up's reading of the glossary file, and the decision it leads to: the
// messages in their order and how start-up ends, for every outcome of
// opening the file, testing its header and loading it.

#include "core/glossary/glossaryfile.h"
#include "core/glossary/glossarymessages.h"
#include "core/mainwindow/startup.h"
#include "core/platform/messagedisplay.h"
#include "core/settings/config.h"
#include "tests/support/wodbytes.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace Woord;
using namespace Woord::Startup;
using Woord::Test::Entry;
using Woord::Test::wod;

Q_DECLARE_METATYPE(Woord::ErrorKind)
Q_DECLARE_METATYPE(Woord::HeaderCheck)
Q_DECLARE_METATYPE(Woord::LoadStatus)
Q_DECLARE_METATYPE(Woord::Startup::Reaction)
Q_DECLARE_METATYPE(Woord::Startup::Ending)
Q_DECLARE_METATYPE(Woord::Startup::FirstTerm)

namespace {

const QString title = QStringLiteral("Woordorakelaar v1.0");
const QString pad = QStringLiteral("/opt/w/woordorakelaar.wod");

const QList<Entry> three = {
    {QStringLiteral("Bit"), QStringLiteral("Kleinste eenheid van informatie: 0 of 1.")},
    {QStringLiteral("Byte"), QStringLiteral("Acht bits, samen een teken.")},
    {QStringLiteral("Cache"), QStringLiteral("Snel geheugen; R&D, café.")},
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestStartupPlan : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void readGlossaryIsTheProgramsOwn();
    void plan_data();
    void plan();
    void trapReactions_data();
    void trapReactions();
    void messageTexts();
    void messagesNameTheErrorNumber_data();
    void messagesNameTheErrorNumber();
    void messageDisplayText_data();
    void messageDisplayText();
};

void TestStartupPlan::read_data()
{
    QTest::addColumn<QString>("what"); // what stands under the glossary's name
    QTest::addColumn<ErrorKind>("openError");
    QTest::addColumn<HeaderCheck>("header");
    QTest::addColumn<ErrorKind>("headerError");
    QTest::addColumn<LoadStatus>("load");

    const ErrorKind none = ErrorKind::None;
    const LoadStatus notLoaded = LoadStatus::Failed; // the load is not made
    QTest::newRow("a glossary") << "glossary" << none << HeaderCheck::Matches << none << LoadStatus::Loaded;
    QTest::newRow("a glossary with more after it")
        << "junk after" << none << HeaderCheck::Matches << none << LoadStatus::Loaded;
    QTest::newRow("nothing") << "missing" << ErrorKind::FileNotFound << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("nothing, in a folder that is not there")
        << "no folder" << ErrorKind::PathNotFound << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("nothing, under a file where a folder should be")
        << "through a file" << ErrorKind::PathNotFound << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("a name longer than any path")
        << "too long" << ErrorKind::FileNotFound << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("a name with a NUL in it")
        << "with NUL" << ErrorKind::FileNotFound << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("a folder") << "folder" << ErrorKind::PathFileAccess << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("a FIFO") << "fifo" << ErrorKind::PathFileAccess << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("a link to a FIFO") << "link to fifo" << ErrorKind::PathFileAccess << HeaderCheck::Failed << none
                                      << notLoaded;
    QTest::newRow("a socket") << "socket" << ErrorKind::PathFileAccess << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("a device") << "device" << ErrorKind::PathFileAccess << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("an empty file") << "empty" << none << HeaderCheck::Failed << ErrorKind::InputPastEnd << notLoaded;
    QTest::newRow("another header") << "wrong header" << none << HeaderCheck::WrongLayout << none << notLoaded;
    QTest::newRow("larger than any glossary") << "too large" << none << HeaderCheck::TooLarge << none << notLoaded;
    QTest::newRow("an old date") << "old date" << none << HeaderCheck::Matches << none << LoadStatus::OldFormat;
    QTest::newRow("fewer entries than its count")
        << "short" << none << HeaderCheck::Matches << none << LoadStatus::Failed;
#ifdef Q_OS_WIN
    // The names of devices name them in every folder, and a path past the
    // old limit of 260 characters is no file the program can have.
    QTest::newRow("the device CON in the folder")
        << "CON" << ErrorKind::PathFileAccess << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("the device NUL in the folder")
        << "NUL" << ErrorKind::PathFileAccess << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("a named pipe") << "pipe" << ErrorKind::PathFileAccess << HeaderCheck::Failed << none << notLoaded;
    QTest::newRow("a glossary under a path past 260 characters")
        << "past MAX_PATH" << ErrorKind::FileNotFound << HeaderCheck::Failed << none << notLoaded;
#endif
}

// Only a regular file is opened (a FIFO would wait for ever, some devices do
// something when opened), and only one of a size a glossary can have is read.
void TestStartupPlan::read()
{
    QFETCH(QString, what);
    QFETCH(ErrorKind, openError);
    QFETCH(HeaderCheck, header);
    QFETCH(ErrorKind, headerError);
    QFETCH(LoadStatus, load);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("woordorakelaar.wod"));
    [[maybe_unused]] const QByteArray name = QFile::encodeName(path);
#ifdef Q_OS_WIN
    if (what == u"fifo" || what == u"link to fifo" || what == u"socket")
        QSKIP("Windows has no FIFOs, symbolic links a user may make, nor sockets in the file system; the named "
              "pipe and the device rows stand for them");
    HANDLE pipe = INVALID_HANDLE_VALUE;
#else
    int socketFd = -1;
#endif
    if (what == u"glossary") {
        QVERIFY(writeFile(path, wod(three)));
    } else if (what == u"junk after") {
        QVERIFY(writeFile(path, wod(three) + QByteArray(100000, 'x')));
    } else if (what == u"no folder") {
        path = dir.filePath(QStringLiteral("geen/map/woordorakelaar.wod"));
    } else if (what == u"through a file") {
        QVERIFY(writeFile(path, wod(three)));
        path += QStringLiteral("/woordorakelaar.wod");
    } else if (what == u"too long") {
        path = dir.filePath(QString(1024 * 1024, u'b'));
    } else if (what == u"with NUL") {
        QVERIFY(writeFile(path, wod(three)));
        path += QChar(0) + QStringLiteral("x");
    } else if (what == u"folder") {
        QVERIFY(QDir().mkdir(path));
#ifdef Q_OS_WIN
    } else if (what == u"CON" || what == u"NUL") {
        path = dir.filePath(what);
    } else if (what == u"pipe") {
        path = QStringLiteral("\\\\.\\pipe\\woordorakelaar-test-%1").arg(QCoreApplication::applicationPid());
        pipe = CreateNamedPipeW(reinterpret_cast<const wchar_t *>(path.utf16()), PIPE_ACCESS_DUPLEX,
                                PIPE_TYPE_BYTE | PIPE_NOWAIT, 1, 4096, 4096, 0, nullptr);
        QVERIFY(pipe != INVALID_HANDLE_VALUE);
    } else if (what == u"past MAX_PATH") {
        QString folder = dir.path();
        while (folder.size() < MAX_PATH - 40)
            folder += QStringLiteral("/map");
        QVERIFY(QDir().mkpath(folder));
        path = folder + QStringLiteral("/") + QString(MAX_PATH - folder.size(), u'w');
        QCOMPARE(path.size(), MAX_PATH + 1);
        // Qt writes it through the long-path prefix, so the file is really there.
        QVERIFY(writeFile(path, wod(three)));
    } else if (what == u"device") {
        path = QStringLiteral("NUL");
#else
    } else if (what == u"fifo") {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (what == u"link to fifo") {
        const QString fifo = dir.filePath(QStringLiteral("pijp"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, path));
    } else if (what == u"socket") {
        socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof(address.sun_path));
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        QCOMPARE(::bind(socketFd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    } else if (what == u"device") {
        path = QStringLiteral("/dev/zero");
#endif
    } else if (what == u"empty") {
        QVERIFY(writeFile(path, QByteArray()));
    } else if (what == u"wrong header") {
        QVERIFY(writeFile(path, wod(three, {}, "\"09/12/2026\"", "\"woordorakelaar\"")));
    } else if (what == u"too large") {
        QVERIFY(writeFile(path, wod(three)));
        QVERIFY(QFile::resize(path, maxGlossaryFileSize + 1));
    } else if (what == u"old date") {
        QVERIFY(writeFile(path, wod(three, {}, "\"09-12-2026\"")));
    } else if (what == u"short") {
        QVERIFY(writeFile(path, wod(three, "4")));
    }

    const GlossaryRead read = readGlossary(path);
    QCOMPARE(read.openError, openError);
    if (openError == ErrorKind::None) {
        QCOMPARE(read.header.check, header);
        QCOMPARE(read.header.error, headerError);
    }
    QCOMPARE(read.load.status, load);
    if (load == LoadStatus::Loaded) {
        QCOMPARE(read.load.glossary.AantalBegrippen(), 3);
        QCOMPARE(read.load.glossary.Begrip(3), QStringLiteral("Cache"));
        // What follows the last entry is not kept.
        QCOMPARE(read.load.glossary.storedBytes().size(), wod(three).size());
    }
#ifdef Q_OS_WIN
    if (pipe != INVALID_HANDLE_VALUE)
        CloseHandle(pipe);
#else
    if (socketFd >= 0)
        ::close(socketFd);
#endif
}

// The glossary lives in the program's memory once it is read: the file may
// be cut short or removed at once.
void TestStartupPlan::readGlossaryIsTheProgramsOwn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("woordorakelaar.wod"));
    QVERIFY(writeFile(path, wod(three)));
    const GlossaryRead read = readGlossary(path);
    QVERIFY(QFile::resize(path, 10));
    QVERIFY(QFile::remove(path));
    QCOMPARE(read.load.glossary.Begrippen(2), (BegripRecord{three.at(1).term, three.at(1).description}));
}

void TestStartupPlan::plan_data()
{
    QTest::addColumn<ErrorKind>("openError");
    QTest::addColumn<HeaderCheck>("header");
    QTest::addColumn<ErrorKind>("headerError");
    QTest::addColumn<LoadStatus>("load");
    QTest::addColumn<QList<Message>>("messages");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<FirstTerm>("firstTerm");

    const ErrorKind none = ErrorKind::None;
    const HeaderCheck matches = HeaderCheck::Matches;
    const LoadStatus loaded = LoadStatus::Loaded;
    const LoadStatus failed = LoadStatus::Failed;
    const QList<Message> unforeseen52{unforeseenFailure(title, ErrorKind::BadFileNameOrNumber), reportToMaker()};
    const QList<Message> loadFailed{GlossaryMessages::loadFailed(title, pad)};

    QTest::newRow("loaded") << none << matches << none << loaded << QList<Message>() << Ending::Show
                            << FirstTerm::Random;
    // Opening, by the kind of failure.
    QTest::newRow("53: not there") << ErrorKind::FileNotFound << HeaderCheck::Failed << none << failed
                                   << QList<Message>{fileNotFound(title, pad)} << Ending::Unload << FirstTerm::None;
    // Passed over: the header is then read from a file that is not open.
    QTest::newRow("76: no folder, passed over") << ErrorKind::PathNotFound << HeaderCheck::Failed << none << failed
                                                << unforeseen52 << Ending::Unload << FirstTerm::None;
    QTest::newRow("75: no file to read, passed over") << ErrorKind::PathFileAccess << HeaderCheck::Failed << none
                                                      << failed << unforeseen52 << Ending::Unload << FirstTerm::None;
    QTest::newRow("424, passed over") << ErrorKind::ObjectRequired << HeaderCheck::Failed << none << failed
                                      << unforeseen52 << Ending::Unload << FirstTerm::None;
    QTest::newRow("380: the first term") << ErrorKind::InvalidPropertyValue << HeaderCheck::Failed << none << failed
                                         << QList<Message>() << Ending::Show << FirstTerm::First;
    QTest::newRow("50003: ends silently") << ErrorKind::Unexpected << HeaderCheck::Failed << none << failed
                                          << QList<Message>() << Ending::Show << FirstTerm::None;
    QTest::newRow("7: any other kind") << ErrorKind::OutOfMemory << HeaderCheck::Failed << none << failed
                                       << QList<Message>{unforeseenFailure(title, ErrorKind::OutOfMemory),
                                                         reportToMaker()}
                                       << Ending::Unload << FirstTerm::None;
    // The header.
    QTest::newRow("another header") << none << HeaderCheck::WrongLayout << none << failed
                                    << QList<Message>{GlossaryMessages::wrongLayout(title)} << Ending::AtOnce
                                    << FirstTerm::None;
    QTest::newRow("an empty file: 62") << none << HeaderCheck::Failed << ErrorKind::InputPastEnd << failed
                                       << QList<Message>{unforeseenFailure(title, ErrorKind::InputPastEnd),
                                                         reportToMaker()}
                                       << Ending::Unload << FirstTerm::None;
    QTest::newRow("a header read that fails, passed over") << none << HeaderCheck::Failed << ErrorKind::PathFileAccess
                                                           << failed << loadFailed << Ending::Unload << FirstTerm::None;
    QTest::newRow("larger than any glossary")
        << none << HeaderCheck::TooLarge << none << failed << loadFailed << Ending::Unload << FirstTerm::None;
    QTest::newRow("no memory for it") << none << HeaderCheck::Unread << ErrorKind::OutOfMemory << failed << loadFailed
                                      << Ending::Unload << FirstTerm::None;
    // The load.
    QTest::newRow("an old date") << none << matches << none << LoadStatus::OldFormat
                                 << QList<Message>{GlossaryMessages::oldFormat(title)} << Ending::AtOnce
                                 << FirstTerm::None;
    QTest::newRow("a wrong count") << none << matches << none << LoadStatus::WrongCount
                                   << QList<Message>{GlossaryMessages::wrongCount(title)} << Ending::AtOnce
                                   << FirstTerm::None;
    QTest::newRow("a broken glossary") << none << matches << none << failed << loadFailed << Ending::Unload
                                       << FirstTerm::None;
}

void TestStartupPlan::plan()
{
    QFETCH(ErrorKind, openError);
    QFETCH(HeaderCheck, header);
    QFETCH(ErrorKind, headerError);
    QFETCH(LoadStatus, load);
    QFETCH(QList<Message>, messages);
    QFETCH(Ending, ending);
    QFETCH(FirstTerm, firstTerm);

    GlossaryRead read;
    read.openError = openError;
    read.header = {header, headerError};
    read.load.status = load;
    const Plan plan = Startup::plan(read, title, pad);
    QCOMPARE(plan.messages, messages);
    QCOMPARE(plan.ending, ending);
    QCOMPARE(plan.firstTerm, firstTerm);
}

void TestStartupPlan::trapReactions_data()
{
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<Reaction>("reaction");
    QTest::newRow("53") << ErrorKind::FileNotFound << Reaction::FileNotFound;
    QTest::newRow("75") << ErrorKind::PathFileAccess << Reaction::NextStep;
    QTest::newRow("76") << ErrorKind::PathNotFound << Reaction::NextStep;
    QTest::newRow("424") << ErrorKind::ObjectRequired << Reaction::NextStep;
    QTest::newRow("380") << ErrorKind::InvalidPropertyValue << Reaction::FirstTerm;
    QTest::newRow("50003") << ErrorKind::Unexpected << Reaction::EndSilently;
    QTest::newRow("52") << ErrorKind::BadFileNameOrNumber << Reaction::ReportAndUnload;
    QTest::newRow("62") << ErrorKind::InputPastEnd << Reaction::ReportAndUnload;
    QTest::newRow("6") << ErrorKind::Overflow << Reaction::ReportAndUnload;
}

void TestStartupPlan::trapReactions()
{
    QFETCH(ErrorKind, kind);
    QFETCH(Reaction, reaction);
    QCOMPARE(reactionFor(kind), reaction);
}

void TestStartupPlan::messageTexts()
{
    const Message missing = fileNotFound(title, pad);
    QCOMPARE(missing.text,
             pad
                 + QStringLiteral(" niet aanwezig op uw computer.\r\n\r\nWoordorakelaar v1.0 opnieuw "
                                  "installeren of download woordorakelaar.wod van de website."));
    QCOMPARE(missing.icon, MessageIcon::Critical);
    const Message failure = unforeseenFailure(title, ErrorKind::InputPastEnd);
    QCOMPARE(failure.text, errorDescription(ErrorKind::InputPastEnd) + QStringLiteral(" -- 62"));
    QCOMPARE(failure.icon, MessageIcon::Critical);
    QCOMPARE(failure.title, title);
    const Message report = reportToMaker();
    QCOMPARE(report.title, QStringLiteral("Woordorakelaar"));
    QCOMPARE(report.icon, MessageIcon::None);
    QCOMPARE(report.text,
             QStringLiteral("Schrijf wat u deed voor de fout zich voordeed en e-mail het naar "
                            "info@wlk-velde.example"));
    // Every kind has a Dutch description of its own.
    QSet<QString> descriptions;
    for (ErrorKind kind :
         {ErrorKind::Overflow, ErrorKind::TypeMismatch, ErrorKind::BadFileNameOrNumber, ErrorKind::FileNotFound,
          ErrorKind::InputPastEnd, ErrorKind::PathFileAccess, ErrorKind::PathNotFound, ErrorKind::InvalidPropertyValue,
          ErrorKind::ObjectRequired, ErrorKind::Unexpected})
        descriptions.insert(errorDescription(kind));
    QCOMPARE(descriptions.size(), 10);
}

// The number of each kind of failure, as the messages show it.
void TestStartupPlan::messagesNameTheErrorNumber_data()
{
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<int>("number");
    QTest::newRow("overflow") << ErrorKind::Overflow << 6;
    QTest::newRow("out of memory") << ErrorKind::OutOfMemory << 7;
    QTest::newRow("type mismatch") << ErrorKind::TypeMismatch << 13;
    QTest::newRow("bad file name or number") << ErrorKind::BadFileNameOrNumber << 52;
    QTest::newRow("file not found") << ErrorKind::FileNotFound << 53;
    QTest::newRow("input past end") << ErrorKind::InputPastEnd << 62;
    QTest::newRow("path/file access") << ErrorKind::PathFileAccess << 75;
    QTest::newRow("path not found") << ErrorKind::PathNotFound << 76;
    QTest::newRow("invalid property value") << ErrorKind::InvalidPropertyValue << 380;
    QTest::newRow("object required") << ErrorKind::ObjectRequired << 424;
    QTest::newRow("unexpected") << ErrorKind::Unexpected << 50003;
}

void TestStartupPlan::messagesNameTheErrorNumber()
{
    QFETCH(ErrorKind, kind);
    QFETCH(int, number);
    QCOMPARE(unforeseenFailure(title, kind).text,
             errorDescription(kind) + QStringLiteral(" -- ") + QString::number(number));
    QCOMPARE(loadconfigMessage(title, kind).text,
             errorDescription(kind) + QStringLiteral(" - Loadconfig: ") + QString::number(number));
}

void TestStartupPlan::messageDisplayText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    // A line of 2000 characters is shown whole; a longer one as its first and
    // last 1000.
    const QString longest(2000, u'p');
    const QString tooLong = QString(1000, u'a') + u'm' + QString(1000, u'z');
    const QString ends = QString(1000, u'a') + QStringLiteral(" \u2026 ") + QString(1000, u'z');
    QTest::newRow("line breaks") << QStringLiteral("a\r\n\r\nb") << QStringLiteral("a\n\nb");
    QTest::newRow("longest line shown whole") << longest + QStringLiteral("\r\nb") << longest + QStringLiteral("\nb");
    QTest::newRow("one character more: its ends") << QStringLiteral("a\r\n") + tooLong << QStringLiteral("a\n") + ends;
    QTest::newRow("far longer: the same ends") << QString(1000, u'a') + QString(50000, u'm') + QString(1000, u'z')
            + QStringLiteral("\r\nb") << ends + QStringLiteral("\nb");
    QTest::newRow("each line on its own") << longest + QStringLiteral("\r\n") + tooLong + QStringLiteral("\r\n")
            + longest << longest + u'\n' + ends + u'\n' + longest;
}

void TestStartupPlan::messageDisplayText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(Woord::messageDisplayText(text), shown);
}

QTEST_GUILESS_MAIN(TestStartupPlan)
#include "tst_startupplan.moc"
