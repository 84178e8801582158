#include "core/platform/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

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
    return home.filePath(QStringLiteral("runtime/woordorakelaar.lock"));
}

// The process id written in the lock file, or 0.
qint64 lockHolder(const QTemporaryDir &home)
{
    QFile file(lockPath(home));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine().trimmed().toLongLong();
}

// Another process that holds the lock on path until it is killed.
std::unique_ptr<QProcess> holdLock(const QString &path)
{
    auto holder = std::make_unique<QProcess>();
    holder->start(QStringLiteral("flock"),
                  {QStringLiteral("--exclusive"), QStringLiteral("--close"), path, QStringLiteral("cat")});
    return holder;
}

mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
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
    void lockHeldByAnotherProcess();
    void leftoverFileNeverBlocks_data();
    void leftoverFileNeverBlocks();
    void unusableFolderDoesNotBlock();
    void folderOfTheLock();
    void twentyStartsLeaveOneRunning();
    void killedProgramDoesNotBlockTheNext();
    void plantedLockInTheSharedFolder();
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

// The system holds the lock for its holder and lets go when it dies.
void TestSingleInstance::lockHeldByAnotherProcess()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.lock"));
    auto holder = holdLock(path);
    QVERIFY(holder->waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return !SingleInstanceLock(path).claim(); }, 20000));
    holder->kill();
    QVERIFY(holder->waitForFinished());
    // The command the holder had just started may for a moment share its
    // open file, until it closes it.
    SingleInstanceLock lock(path);
    QVERIFY(QTest::qWaitFor([&] { return lock.claim(); }, 20000));
}

void TestSingleInstance::leftoverFileNeverBlocks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("empty") << QStringLiteral("empty");
    QTest::newRow("garbage") << QStringLiteral("garbage");
    QTest::newRow("a live process on another host") << QStringLiteral("other host");
    QTest::newRow("this very process") << QStringLiteral("live");
    QTest::newRow("dangling link") << QStringLiteral("link");
    QTest::newRow("link to a file elsewhere") << QStringLiteral("link to file");
    QTest::newRow("empty folder") << QStringLiteral("folder");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
}

// Whatever a file left under the lock's name holds, the lock is taken.
void TestSingleInstance::leftoverFileNeverBlocks()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.lock"));
    const QString elsewhere = dir.filePath(QStringLiteral("elders"));
    const auto write = [](const QString &file, const QByteArray &bytes) {
        QFile out(file);
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    };
    if (kind == u"empty")
        QVERIFY(write(path, {}));
    else if (kind == u"garbage")
        QVERIFY(write(path, QByteArray("\xff\x00zzz\n\n\n-7\n", 12)));
    else if (kind == u"other host")
        QVERIFY(write(path, "1\nwoordorakelaar\nelders.example\n"));
    else if (kind == u"live")
        QVERIFY(write(path, QByteArray::number(QCoreApplication::applicationPid()) + "\n"));
    else if (kind == u"link")
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nergens")), path));
    else if (kind == u"link to file") {
        QVERIFY(write(elsewhere, "bewaren"));
        QVERIFY(QFile::link(elsewhere, path));
    } else if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("w.lock")));
    else
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

    SingleInstanceLock lock(path);
    QVERIFY(lock.claim());
    QVERIFY(S_ISREG(modeOf(path)));
    QVERIFY(!SingleInstanceLock(path).claim());
    // A file a link pointed to is never written through it.
    if (kind == u"link to file") {
        QFile kept(elsewhere);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("bewaren"));
    }
}

void TestSingleInstance::unusableFolderDoesNotBlock()
{
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("bestand")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    SingleInstanceLock lock(dir.filePath(QStringLiteral("bestand/w.lock")));
    QVERIFY(lock.claim());
    // A folder that is no folder of the user's gives no path: no lock, and
    // the program starts.
    QVERIFY(SingleInstanceLock(QString()).claim());
}

// The runtime folder when it is the user's alone; else a private folder of
// the program's in the temporary folder, never one someone else could make.
void TestSingleInstance::folderOfTheLock()
{
    QTemporaryDir dir;
    const QString runtime = dir.filePath(QStringLiteral("runtime"));
    const QString temp = dir.filePath(QStringLiteral("tmp"));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("runtime")) && QDir(dir.path()).mkpath(QStringLiteral("tmp")));
    QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("TMPDIR", QFile::encodeName(temp));
    const QString own = temp + QStringLiteral("/woordorakelaar-") + QString::number(::geteuid());

    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    QCOMPARE(SingleInstanceLock::defaultPath(), runtime + QStringLiteral("/woordorakelaar.lock"));

    // A runtime folder others may write in is not used.
    QVERIFY(::chmod(QFile::encodeName(runtime).constData(), 0777) == 0);
    QCOMPARE(SingleInstanceLock::defaultPath(), own + QStringLiteral("/woordorakelaar.lock"));
    QCOMPARE(modeOf(own) & 07777, mode_t(0700));
    for (const mode_t writable : {mode_t(0720), mode_t(0702)}) {
        QVERIFY(::chmod(QFile::encodeName(runtime).constData(), writable) == 0);
        QCOMPARE(SingleInstanceLock::defaultPath(), own + QStringLiteral("/woordorakelaar.lock"));
    }
    QVERIFY(::chmod(QFile::encodeName(runtime).constData(), 0700) == 0);
    QCOMPARE(SingleInstanceLock::defaultPath(), runtime + QStringLiteral("/woordorakelaar.lock"));

    // Nor is another user's, however closed (only root can hand a folder to
    // another user).
    if (::geteuid() == 0) {
        const QByteArray name = QFile::encodeName(runtime);
        QVERIFY(::chown(name.constData(), 65534, 65534) == 0);
        QCOMPARE(SingleInstanceLock::defaultPath(), own + QStringLiteral("/woordorakelaar.lock"));
        QVERIFY(::chown(name.constData(), 0, 0) == 0);
    }

    // Nor is a file under the runtime folder's name.
    const QString plainFile = dir.filePath(QStringLiteral("geen-map"));
    QFile file(plainFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QFile::setPermissions(plainFile, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(plainFile));
    QCOMPARE(SingleInstanceLock::defaultPath(), own + QStringLiteral("/woordorakelaar.lock"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));

    // A relative runtime folder is no runtime folder, even a private one.
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    qputenv("XDG_RUNTIME_DIR", "runtime");
    QCOMPARE(SingleInstanceLock::defaultPath(), own + QStringLiteral("/woordorakelaar.lock"));
    QVERIFY(QDir::setCurrent(current));

    qunsetenv("XDG_RUNTIME_DIR");
    QCOMPARE(SingleInstanceLock::defaultPath(), own + QStringLiteral("/woordorakelaar.lock"));

    // A folder under the program's name that others may enter, or a link
    // planted there, is not the program's own.
    QVERIFY(::chmod(QFile::encodeName(own).constData(), 0755) == 0);
    QCOMPARE(SingleInstanceLock::defaultPath(), QString());
    if (::geteuid() == 0) {
        const QByteArray name = QFile::encodeName(own);
        QVERIFY(::chmod(name.constData(), 0700) == 0);
        QVERIFY(::chown(name.constData(), 65534, 65534) == 0);
        QCOMPARE(SingleInstanceLock::defaultPath(), QString());
        QVERIFY(::chown(name.constData(), 0, 0) == 0);
    }
    QVERIFY(QDir(own).removeRecursively());
    QVERIFY(QFile::link(runtime, own));
    QCOMPARE(SingleInstanceLock::defaultPath(), QString());
    qunsetenv("TMPDIR");
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

// Without a runtime folder the lock lies in the shared temporary folder;
// what another user or an earlier run left there cannot keep the program
// from starting.
void TestSingleInstance::plantedLockInTheSharedFolder()
{
    QTemporaryDir home;
    QVERIFY(prepare(home));
    const QString own = home.filePath(QStringLiteral("tmp/woordorakelaar-")) + QString::number(::geteuid());
    QVERIFY(QDir(home.path()).mkpath(own));
    QVERIFY(::chmod(QFile::encodeName(own).constData(), 0700) == 0);
    QFile planted(own + QStringLiteral("/woordorakelaar.lock"));
    QVERIFY(planted.open(QIODevice::WriteOnly));
    planted.write("1\nwoordorakelaar\nelders.example\n");
    planted.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("TMPDIR"), home.filePath(QStringLiteral("tmp")));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar"));
    QVERIFY(first.waitForStarted());
    const auto holder = [&] {
        QFile lock(planted.fileName());
        return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
    };
    QVERIFY(QTest::qWaitFor([&] { return holder() == first.processId(); }, 20000));
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar"));
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
