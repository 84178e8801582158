// wodtool where its output cannot go: a full standard output, a closed pipe,
// a nearly full disk under -o, and too little memory. Output cut short never
// ends in success, and running out of memory ends with a message, not an abort.

#include "tests/support/smalldisk.h"
#include <QDir>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

class TestWodToolOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fullStandardOutput_data();
    void fullStandardOutput();
    void closedPipe();
    void smallDisk();
    void lintMemoryStaysFlat();
    void outOfMemory();

private:
    QTemporaryDir m_dir;
    QString m_clean;
    QString m_faulty;
    QString m_glossary;
};

namespace {

struct Run {
    int exitCode = -1;
    QProcess::ExitStatus status = QProcess::CrashExit;
    QByteArray err;
};

// Runs wodtool with its standard output going to `output` (a file name), in
// at most `memory` bytes of address space when that is not 0.
Run wodtool(const QStringList &args, const QString &output, rlim_t memory = 0)
{
    QProcess process;
    process.setStandardOutputFile(output);
    if (memory != 0) {
        process.setChildProcessModifier([memory] {
            const rlimit limit{memory, memory};
            ::setrlimit(RLIMIT_AS, &limit);
        });
    }
    process.start(QStringLiteral(WOORDTOOL_PATH), args);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QProcess::CrashExit, "wodtool did not finish"};
    }
    return {process.exitCode(), process.exitStatus(), process.readAllStandardError()};
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A glossary source of `count` entries with descriptions of `length` characters.
QByteArray source(int count, int length)
{
    QByteArray text = "# datum: 09/12/2026\n";
    for (int i = 0; i < count; ++i)
        text += "Begrip " + QByteArray::number(100000 + i) + '\t' + QByteArray(length - 1, 'o') + ".\n";
    return text;
}

const QByteArray noSpace = "No space left on device";

} // namespace

void TestWodToolOutput::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_clean = m_dir.filePath(QStringLiteral("schoon.tsv"));
    m_faulty = m_dir.filePath(QStringLiteral("fout.tsv"));
    m_glossary = m_dir.filePath(QStringLiteral("groot.wod"));
    QVERIFY(write(m_clean, source(3, 100)));
    QVERIFY(write(m_faulty, "# datum: 09/12/2026\nB\tJe ziet het\nA\tZie C.\n"));
    // Its text is some 300 KiB: more than a small disk holds.
    const QString big = m_dir.filePath(QStringLiteral("groot.tsv"));
    QVERIFY(write(big, source(1000, 290)));
    QCOMPARE(
        wodtool({QStringLiteral("pack"), big, QStringLiteral("-o"), m_glossary}, QStringLiteral("/dev/null")).exitCode,
        0);
}

void TestWodToolOutput::fullStandardOutput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unpack") << QStringList{QStringLiteral("unpack"), m_glossary};
    QTest::newRow("check") << QStringList{QStringLiteral("check"), m_glossary};
    QTest::newRow("lint, clean") << QStringList{QStringLiteral("lint"), m_clean};
    QTest::newRow("lint, with findings") << QStringList{QStringLiteral("lint"), m_faulty};
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")};
}

void TestWodToolOutput::fullStandardOutput()
{
    QFETCH(QStringList, args);
    const Run run = wodtool(args, QStringLiteral("/dev/full"));
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("wodtool: de uitvoer kan niet geschreven worden (" + noSpace + ")"), run.err.constData());
}

// Standard output a pipe that no one reads any more, as when the reader ended.
void TestWodToolOutput::closedPipe()
{
    int pipe[2];
    QCOMPARE(::pipe(pipe), 0);
    ::close(pipe[0]);
    QProcess process;
    process.setChildProcessModifier([&pipe] { ::dup2(pipe[1], STDOUT_FILENO); });
    process.start(QStringLiteral(WOORDTOOL_PATH), {QStringLiteral("unpack"), m_glossary});
    QVERIFY(process.waitForStarted());
    ::close(pipe[1]);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().contains("de uitvoer kan niet geschreven worden"));
}

// The output redirected onto a disk of 64 KiB, and -o there: the first fails
// with its cause, the second writes nothing and leaves the old file as it was.
void TestWodToolOutput::smallDisk()
{
    Woord::Test::SmallDisk disk(64);
    if (!disk.mounted())
        QSKIP("a small file system of the test's own needs the superuser");
    const Run redirected = wodtool({QStringLiteral("unpack"), m_glossary}, disk.filePath(QStringLiteral("uit.tsv")));
    QCOMPARE(redirected.exitCode, 1);
    QVERIFY2(redirected.err.contains(noSpace), redirected.err.constData());
    QVERIFY(QFile::remove(disk.filePath(QStringLiteral("uit.tsv"))));

    const QString old = disk.filePath(QStringLiteral("oud.tsv"));
    QVERIFY(write(old, "# datum: 01/01/2026\nOud\tEen oud begrip.\n"));
    const Run written
        = wodtool({QStringLiteral("unpack"), m_glossary, QStringLiteral("-o"), old}, QStringLiteral("/dev/null"));
    QCOMPARE(written.exitCode, 1);
    QVERIFY2(written.err.contains("kan niet geschreven worden (" + noSpace + ")"), written.err.constData());
    QFile check(old);
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), QByteArray("# datum: 01/01/2026\nOud\tEen oud begrip.\n"));
    QCOMPARE(disk.entries(), QStringList{QStringLiteral("oud.tsv")});
}

// Lines without a tab, 40 MB of them, each a finding: lint reports them one by
// one in little memory, where holding the source and its findings would not fit.
void TestWodToolOutput::lintMemoryStaysFlat()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer needs more address space than the limit this test sets");
#endif
    const QString path = m_dir.filePath(QStringLiteral("zonder-tab.tsv"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray line(99, 'x');
        line += '\n';
        QByteArray block;
        for (int i = 0; i < 10000; ++i)
            block += line;
        for (int i = 0; i < 40; ++i)
            QCOMPARE(file.write(block), block.size());
    }
    const QString out = m_dir.filePath(QStringLiteral("bevindingen.txt"));
    const Run run = wodtool({QStringLiteral("lint"), path}, out, rlim_t(256) << 20);
    QCOMPARE(run.status, QProcess::NormalExit);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QCOMPARE(run.exitCode, 1);
    QFile findings(out);
    QVERIFY(findings.open(QIODevice::ReadOnly));
    qint64 lines = 0;
    while (!findings.atEnd()) {
        const QByteArray finding = findings.readLine();
        if (lines == 0)
            QVERIFY2(finding.contains(":1: geen regel"), finding.constData());
        ++lines;
    }
    QCOMPARE(lines, 1 + 400000);
    QVERIFY(QFile::remove(path));
}

// A source too large to pack in the memory there is: a message, exit code 1.
void TestWodToolOutput::outOfMemory()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer needs more address space than the limit this test sets");
#endif
    const QString path = m_dir.filePath(QStringLiteral("te-groot.tsv"));
    QVERIFY(write(path, source(32767, 3000)));
    const Run run
        = wodtool({QStringLiteral("pack"), path, QStringLiteral("-o"), m_dir.filePath(QStringLiteral("x.wod"))},
                  QStringLiteral("/dev/null"), rlim_t(256) << 20);
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("te weinig geheugen"), run.err.constData());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("x.wod"))));
    QVERIFY(QFile::remove(path));
}

QTEST_GUILESS_MAIN(TestWodToolOutput)
#include "tst_wodtooloutput.moc"
