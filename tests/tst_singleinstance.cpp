#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Woord;

namespace {

// The real program, headless, with its own settings and runtime folders.
std::unique_ptr<QProcess> startProgram(const QTemporaryDir &home)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    process->setProcessEnvironment(env);
    process->setProgram(QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar"));
    process->start();
    return process;
}

QString lockPath(const QTemporaryDir &home)
{
    return home.filePath(QStringLiteral("runtime/woordorakelaar-%1.lock"))
        .arg(qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", QStringLiteral("gebruiker"))));
}

// The process id written in the lock file, or 0.
qint64 lockHolder(const QTemporaryDir &home)
{
    QFile file(lockPath(home));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine().trimmed().toLongLong();
}

bool prepare(const QTemporaryDir &home)
{
    return QDir(home.path()).mkpath(QStringLiteral("config")) && QDir(home.path()).mkpath(QStringLiteral("runtime"))
        && QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondLockInTheSameFolderFails();
    void lockOfAGoneProcessIsTakenOver();
    void unusableFolderDoesNotBlock();
    void twentyStartsLeaveOneRunning();
    void killedProgramDoesNotBlockTheNext();
};

void TestSingleInstance::secondLockInTheSameFolderFails()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.lock"));
    SingleInstanceLock first(path);
    SingleInstanceLock second(path);
    QVERIFY(first.claim());
    QVERIFY(first.claim());
    QVERIFY(!second.claim());
}

void TestSingleInstance::lockOfAGoneProcessIsTakenOver()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.lock"));
    // A lock file as a process that has since ended would have left it: the
    // platform's own lock file, with that process's id.
    QByteArray contents;
    {
        QLockFile model(path);
        QVERIFY(model.tryLock(0));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        contents = file.readAll();
        model.unlock();
    }
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForStarted());
    const qint64 goneId = gone.processId();
    QVERIFY(gone.waitForFinished());
    contents = QByteArray::number(goneId) + contents.mid(contents.indexOf('\n'));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    SingleInstanceLock lock(path);
    QVERIFY(lock.claim());
}

void TestSingleInstance::unusableFolderDoesNotBlock()
{
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("bestand")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    SingleInstanceLock lock(dir.filePath(QStringLiteral("bestand/w.lock")));
    QVERIFY(lock.claim());
}

void TestSingleInstance::twentyStartsLeaveOneRunning()
{
    QTemporaryDir home;
    QVERIFY(prepare(home));
    std::vector<std::unique_ptr<QProcess>> programs;
    for (int i = 0; i < 20; ++i)
        programs.push_back(startProgram(home));
    for (auto &program : programs)
        QVERIFY(program->waitForStarted());

    // Nineteen end by themselves, silently and without an error.
    const auto runningCount = [&] {
        return std::count_if(programs.begin(), programs.end(),
                             [](const auto &program) { return program->state() != QProcess::NotRunning; });
    };
    QVERIFY(QTest::qWaitFor([&] { return runningCount() <= 1; }, 60000));
    QCOMPARE(runningCount(), 1);
    QProcess *running = nullptr;
    for (auto &program : programs) {
        if (program->state() != QProcess::NotRunning) {
            running = program.get();
            continue;
        }
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
    }
    QCOMPARE(lockHolder(home), running->processId());
    running->kill();
    running->waitForFinished();
}

void TestSingleInstance::killedProgramDoesNotBlockTheNext()
{
    QTemporaryDir home;
    QVERIFY(prepare(home));
    auto first = startProgram(home);
    QVERIFY(first->waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return lockHolder(home) == first->processId(); }, 20000));
    first->kill();
    QVERIFY(first->waitForFinished());
    QVERIFY(QFile::exists(lockPath(home)));

    auto second = startProgram(home);
    QVERIFY(second->waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return lockHolder(home) == second->processId(); }, 20000));
    auto third = startProgram(home);
    QVERIFY(third->waitForFinished(20000));
    QCOMPARE(third->exitCode(), 0);
    QCOMPARE(second->state(), QProcess::Running);
    second->kill();
    second->waitForFinished();
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
