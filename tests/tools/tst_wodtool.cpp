// wodtool on the command line: what it writes where, its messages and exit
// codes, and what it refuses to read or write over.

#include "tests/tools/wodtoolsupport.h"

#include <QScopeGuard>

using namespace Woord;
using namespace Woord::Test;

class TestWodTool : public QObject
{
    Q_OBJECT

private slots:
    void failedPackWritesNothing();
    void commandLine();
    void usageMessages_data();
    void usageMessages();
    void refusesInputThatIsNoFile_data();
    void refusesInputThatIsNoFile();
    void refusesTooLargeInputAtOnce();
    void refusesOutput_data();
    void refusesOutput();
};

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
    const QString unsortedLong = writeFile(dir, QStringLiteral("unsorted-long.tsv"),
                                           "# datum: 09/12/2026\nByte\tAcht bits, de eenheid waarin geheugen en "
                                           "bestanden worden geteld.\nBit\tEen binair cijfer, 0 of 1, de "
                                           "kleinste eenheid van informatie.\n");
    QCOMPARE(wodtool({QStringLiteral("lint"), unsortedLong}).exitCode, 1);
    QCOMPARE(wodtool({QStringLiteral("lint"), unsortedLong, QStringLiteral("--sort")}).exitCode, 0);

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

    // A kind that is a path is the input itself.
    const std::pair<const char *, const char *> kinds[] = {
        {"map", "is een map, geen gewoon bestand"},
#ifdef Q_OS_WIN
        {"NUL", "is een apparaat, geen gewoon bestand"},
        {"\\\\.\\pipe\\wodtool-test", "is een FIFO (named pipe), geen gewoon bestand"},
#else
        {"FIFO", "is een FIFO (named pipe), geen gewoon bestand"},
        {"socket", "is een socket, geen gewoon bestand"},
        {"/dev/zero", "is een apparaat, geen gewoon bestand"},
        {"blokapparaat", "is een apparaat, geen gewoon bestand"},
#endif
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
    QFETCH(QString, command);
    QFETCH(QString, kind);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QString input = kind;
#ifdef Q_OS_WIN
    HANDLE pipe = INVALID_HANDLE_VALUE;
    const auto closePipe = qScopeGuard([&pipe] {
        if (pipe != INVALID_HANDLE_VALUE)
            CloseHandle(pipe);
    });
    if (kind.startsWith(u'\\')) {
        pipe = CreateNamedPipeW(reinterpret_cast<const wchar_t *>(kind.utf16()), PIPE_ACCESS_DUPLEX,
                                PIPE_TYPE_BYTE | PIPE_NOWAIT, 1, 4096, 4096, 0, nullptr);
        QVERIFY(pipe != INVALID_HANDLE_VALUE);
    }
#endif
    if (!kind.startsWith(u'/') && !kind.startsWith(u'\\') && kind != QStringLiteral("NUL")) {
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
        {"map", "is een map, geen gewoon bestand; wodtool schrijft er niet overheen"},
        {"apparaat", "is een apparaat, geen gewoon bestand; wodtool schrijft er niet overheen"},
        {"de invoer", "is hetzelfde bestand als de invoer "},
        {"harde link naar de invoer", "is hetzelfde bestand als de invoer "},
#ifndef Q_OS_WIN
        {"FIFO", "is een FIFO (named pipe), geen gewoon bestand; wodtool schrijft er niet overheen"},
        {"socket", "is een socket, geen gewoon bestand; wodtool schrijft er niet overheen"},
        {"link naar een FIFO", "is een FIFO (named pipe), geen gewoon bestand"},
        {"link naar de invoer", "is hetzelfde bestand als de invoer "},
#endif
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
        QVERIFY(makeHardLink(input, target));
#ifdef Q_OS_WIN
    } else if (kind == QStringLiteral("apparaat")) {
        // The device's name in the test's own folder.
        target = dir.filePath(QStringLiteral("NUL"));
#endif
    } else if (kind == QStringLiteral("link naar de invoer")) {
        QVERIFY(QFile::link(input, target));
    } else if (kind == QStringLiteral("link naar een FIFO")) {
        QVERIFY(makeNonRegular(QStringLiteral("FIFO"), dir.filePath(QStringLiteral("fifo"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("fifo")), target));
    } else if (!makeNonRegular(kind, target)) {
        QSKIP("this machine does not allow making one");
    }
    const auto type = typeOf(target);
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);

    const Run run = wodtool({command, input, QStringLiteral("-o"), target});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains((target + QStringLiteral(": ") + message).toUtf8()), run.err.constData());
    QCOMPARE(typeOf(target), type);
    QCOMPARE(readFile(input), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), before);
}

QTEST_GUILESS_MAIN(TestWodTool)
#include "tst_wodtool.moc"
