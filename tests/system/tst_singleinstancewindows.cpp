// One running program per user on Windows: the lock file in the user's
// temporary folder, opened without sharing, which the system closes when its
// holder ends, however it ends; and the mutex the running program holds for
// the installer, which tells the test when a start has claimed the lock.

#include "core/platform/singleinstance.h"
#include "ui/platform/qtplatform.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <windows.h>

using namespace Woord;

namespace {

constexpr int timeoutMs = 30000;

// The real program from its folder, headless, with a temporary folder of its own.
std::unique_ptr<QProcess> startProgram(const QTemporaryDir &temp, bool quitWhenShown = false)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The program folder holds the plugins a user's desktop needs; the
    // headless one is the toolkit's.
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(WOORD_QT_PLUGIN_DIR));
    env.insert(QStringLiteral("TMP"), QDir::toNativeSeparators(temp.path()));
    env.insert(QStringLiteral("TEMP"), QDir::toNativeSeparators(temp.path()));
    if (quitWhenShown)
        env.insert(QStringLiteral("WOORDORAKELAAR_BENCH_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    process->setProcessEnvironment(env);
    process->setProgram(QStringLiteral(WOORD_WINDOWS_FOLDER "/woordorakelaar.exe"));
    process->start();
    return process;
}

// Whether a running program holds the mark it sets once it has the lock.
bool programRuns()
{
    HANDLE mark = OpenMutexW(SYNCHRONIZE, FALSE, QtPlatform::runningMarkName);
    if (!mark)
        return false;
    CloseHandle(mark);
    return true;
}

void stop(QProcess &program)
{
    program.kill();
    program.waitForFinished(timeoutMs);
}

} // namespace

class TestSingleInstanceWindows : public QObject
{
    Q_OBJECT

private slots:
    void secondLockOnTheSameFile();
    void leftoverFileNeverBlocks_data();
    void leftoverFileNeverBlocks();
    void secondStartEndsAtOnce();
    void nextStartAfterTheFirstEnds_data();
    void nextStartAfterTheFirstEnds();
    void lockInTheTemporaryFolder();
};

void TestSingleInstanceWindows::secondLockOnTheSameFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.lock"));
    {
        SingleInstanceLock first(path);
        SingleInstanceLock second(path);
        QVERIFY(first.claim());
        QVERIFY(first.claim());
        QVERIFY(!second.claim());
    }
    // Let go with its holder.
    QVERIFY(SingleInstanceLock(path).claim());
}

void TestSingleInstanceWindows::leftoverFileNeverBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\xff\x00zzz\r\n-7\r\n", 11);
    QTest::newRow("the process id of this very process")
        << QByteArray::number(QCoreApplication::applicationPid()) + "\r\n";
}

// What a file left by an earlier run holds is never read.
void TestSingleInstanceWindows::leftoverFileNeverBlocks()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.lock"));
    QFile leftover(path);
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    QCOMPARE(leftover.write(bytes), bytes.size());
    leftover.close();
    SingleInstanceLock lock(path);
    QVERIFY(lock.claim());
    QVERIFY(!SingleInstanceLock(path).claim());
}

void TestSingleInstanceWindows::secondStartEndsAtOnce()
{
    QTemporaryDir temp;
    QVERIFY(!programRuns());
    auto first = startProgram(temp);
    QVERIFY(first->waitForStarted(timeoutMs));
    QVERIFY(QTest::qWaitFor(programRuns, timeoutMs));
    QVERIFY(QFile::exists(temp.filePath(QStringLiteral("woordorakelaar.lock"))));

    auto second = startProgram(temp);
    QVERIFY(second->waitForFinished(timeoutMs));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
    stop(*first);
}

void TestSingleInstanceWindows::nextStartAfterTheFirstEnds_data()
{
    QTest::addColumn<bool>("killed");
    QTest::newRow("the first ended by itself") << false;
    QTest::newRow("the first killed") << true;
}

// However the first run ends, the lock file it leaves keeps no one out.
void TestSingleInstanceWindows::nextStartAfterTheFirstEnds()
{
    QFETCH(bool, killed);
    QTemporaryDir temp;
    auto first = startProgram(temp, !killed);
    QVERIFY(first->waitForStarted(timeoutMs));
    if (killed) {
        QVERIFY(QTest::qWaitFor(programRuns, timeoutMs));
        first->kill();
    }
    QVERIFY(first->waitForFinished(timeoutMs));
    QVERIFY(QFile::exists(temp.filePath(QStringLiteral("woordorakelaar.lock"))));
    QVERIFY(QTest::qWaitFor([] { return !programRuns(); }, timeoutMs));

    auto second = startProgram(temp);
    QVERIFY(second->waitForStarted(timeoutMs));
    QVERIFY(QTest::qWaitFor(programRuns, timeoutMs));
    auto third = startProgram(temp);
    QVERIFY(third->waitForFinished(timeoutMs));
    QCOMPARE(third->exitCode(), 0);
    QCOMPARE(second->state(), QProcess::Running);
    stop(*second);
}

// The user's own temporary folder, which lies in the user's profile.
void TestSingleInstanceWindows::lockInTheTemporaryFolder()
{
    QCOMPARE(SingleInstanceLock::defaultPath(), QDir::tempPath() + QStringLiteral("/woordorakelaar.lock"));
}

QTEST_GUILESS_MAIN(TestSingleInstanceWindows)
#include "tst_singleinstancewindows.moc"
