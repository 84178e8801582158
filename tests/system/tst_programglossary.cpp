// The real program against glossary files that change under it or that it
// cannot hold: every run must end by itself, with its window or with one of
// its messages, never by a signal.

#include "tests/support/wodbytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Woord;

class TestProgramGlossary : public QObject
{
    Q_OBJECT

private slots:
    void glossaryChangedWhileLoading();
    void noMemoryForTheGlossary();
};

namespace {

// A program folder of its own with a copy of the real program, run
// unattended: its messages are printed and answered at once.
struct ProgramFolder {
    ProgramFolder()
    {
        ready = QDir(folder.path()).mkpath(QStringLiteral("config"))
            && QDir(folder.path()).mkpath(QStringLiteral("runtime"))
            && QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
            && QFile::copy(QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar"), program());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("WOORDORAKELAAR_BENCH_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    }
    QString program() const { return folder.filePath(QStringLiteral("woordorakelaar")); }
    QString glossary() const { return folder.filePath(QStringLiteral("woordorakelaar.wod")); }

    QTemporaryDir folder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    bool ready = false;
};

QByteArray largestGlossary()
{
    QList<Test::Entry> entries;
    for (int i = 1; i <= 32767; ++i)
        entries.append({QStringLiteral("Begrip %1").arg(i, 5, 10, QLatin1Char('0')), QString(300, QLatin1Char('o'))});
    return Test::wod(entries);
}

} // namespace

void TestProgramGlossary::glossaryChangedWhileLoading()
{
    ProgramFolder folder;
    QVERIFY(folder.ready);
    const QByteArray bytes = largestGlossary();
    const QByteArray path = QFile::encodeName(folder.glossary());
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::pwrite(fd, bytes.constData(), size_t(bytes.size()), 0), ssize_t(bytes.size()));

    // Writes the file over and over, without pause, for as long as the runs
    // last; one time in four it first cuts it at a random length.
    std::atomic<bool> stop = false;
    std::thread cutter([&] {
        QRandomGenerator random(20261209);
        while (!stop) {
            if (random.bounded(4) == 0 && ::ftruncate(fd, random.bounded(bytes.size())) != 0)
                break;
            if (::pwrite(fd, bytes.constData(), size_t(bytes.size()), 0) != ssize_t(bytes.size()))
                break;
        }
    });

    constexpr int runs = 40;
    int shown = 0;
    int messages = 0;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setProcessEnvironment(folder.env);
        process.start(folder.program());
        const bool finished = process.waitForFinished(60000);
        const QByteArray output = process.readAllStandardOutput();
        if (!finished) {
            process.kill();
            process.waitForFinished();
        }
        QVERIFY2(finished, qPrintable(QStringLiteral("run %1 did not end").arg(run)));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit,
                 qPrintable(QStringLiteral("run %1 ended by a signal").arg(run)));
        QCOMPARE(process.exitCode(), 0);
        if (output.startsWith("melding: "))
            ++messages;
        else if (!output.isEmpty() && output.trimmed().toLongLong() > 0)
            ++shown;
        else
            QFAIL(qPrintable(QStringLiteral("run %1 ended without its window or a message: %2")
                                 .arg(run)
                                 .arg(QString::fromLocal8Bit(output))));
    }
    stop = true;
    cutter.join();
    ::close(fd);
    QCOMPARE(shown + messages, runs);
    qInfo("%d runs: %d reached the window, %d a message", runs, shown, messages);
}

// Memory for the glossary that cannot be had is a broken glossary, reported
// as one: the program does not abort.
void TestProgramGlossary::noMemoryForTheGlossary()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer needs more address space than the limit this test sets");
#endif
    ProgramFolder folder;
    QVERIFY(folder.ready);
    QFile glossary(folder.glossary());
    QVERIFY(glossary.open(QIODevice::WriteOnly));
    QVERIFY(glossary.write(Test::wod({{QStringLiteral("Bit"), QStringLiteral("b")}})) > 0);
    glossary.close();
    QVERIFY(QFile::resize(folder.glossary(), 600 * 1024 * 1024)); // sparse: costs no disk

    QProcess process;
    process.setProcessEnvironment(folder.env);
    process.setChildProcessModifier([] {
        const rlimit limit{400 * 1024 * 1024, 400 * 1024 * 1024};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    process.start(folder.program());
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    QVERIFY2(output.contains(QStringLiteral("Deze begrippenlijst bevat fouten.")), qPrintable(output));
}

QTEST_GUILESS_MAIN(TestProgramGlossary)
#include "tst_programglossary.moc"
