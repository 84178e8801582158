// The real program and its settings file: something that is no file under
// the settings' name holds nothing up, and the end of a session (SIGTERM,
// SIGHUP) ends the program as closing its window does, settings saved.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

class TestProgramSettings : public QObject
{
    Q_OBJECT

private slots:
    void settingsThatAreNoFile_data();
    void settingsThatAreNoFile();
    void endOfSession_data();
    void endOfSession();
};

namespace {

constexpr int timeoutMs = 20000;

// A home of its own for the program from the build's program folder: its
// settings folder and its runtime folder, where the program takes its lock.
struct Home {
    Home()
    {
        ready = QDir(folder.path()).mkpath(QStringLiteral("config"))
            && QDir(folder.path()).mkpath(QStringLiteral("runtime"))
            && QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
    }
    QString settings() const { return folder.filePath(QStringLiteral("config/WLK-Velde.conf")); }
    QString runtime() const { return folder.filePath(QStringLiteral("runtime")); }

    QTemporaryDir folder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    bool ready = false;
};

// Whether the process holds a lock on the file: the kernel's list of locks,
// read without taking one (a lock taken by the test would end the program as
// a second instance).
bool holdsLock(qint64 pid, const QString &file)
{
    struct stat info {
    };
    if (::stat(QFile::encodeName(file).constData(), &info) != 0)
        return false;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inode = ':' + QByteArray::number(quint64(info.st_ino)) + ' ';
    const QByteArray owner = ' ' + QByteArray::number(pid) + ' ';
    for (const QByteArray &line : locks.readAll().split('\n')) {
        if (line.contains(inode) && line.contains(owner))
            return true;
    }
    return false;
}

} // namespace

void TestProgramSettings::settingsThatAreNoFile_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a link to a device") << "device";
}

// Start-up passes the settings over at once and shows its window, and twice
// in a row: nothing is left that holds up the next start.
void TestProgramSettings::settingsThatAreNoFile()
{
    QFETCH(QString, what);
    Home home;
    QVERIFY(home.ready);
    const QByteArray name = QFile::encodeName(home.settings());
    if (what == u"fifo")
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    else if (what == u"folder")
        QVERIFY(QDir().mkdir(home.settings()));
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), home.settings()));
    home.env.insert(QStringLiteral("WOORDORAKELAAR_BENCH_QUIT_WHEN_SHOWN"), QStringLiteral("1"));

    for (int run = 1; run <= 2; ++run) {
        QProcess program;
        program.setProcessEnvironment(home.env);
        program.start(QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar"));
        QVERIFY(program.waitForStarted(timeoutMs));
        if (!program.waitForFinished(timeoutMs)) {
            program.kill();
            program.waitForFinished();
            QFAIL(qPrintable(QStringLiteral("run %1 did not end").arg(run)));
        }
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        // The first paint, and no message.
        const QByteArray out = program.readAllStandardOutput();
        QVERIFY2(!out.isEmpty() && !out.contains("melding"), out.constData());
    }
    const QFileInfo after(home.settings());
    QCOMPARE(after.isSymLink(), what == u"device");
    QCOMPARE(after.isDir(), what == u"folder");
    QCOMPARE(after.isFile(), false);
}

void TestProgramSettings::endOfSession_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestProgramSettings::endOfSession()
{
    QFETCH(int, signal);
    Home home;
    QVERIFY(home.ready);
    QProcess program;
    program.setProcessEnvironment(home.env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar"));
    QVERIFY(program.waitForStarted(timeoutMs));
    // The lock is taken at the start of start-up, after the program listens
    // for the signals.
    const QString lock = home.runtime() + QStringLiteral("/woordorakelaar.lock");
    QElapsedTimer clock;
    clock.start();
    while (!holdsLock(program.processId(), lock)) {
        QVERIFY2(!clock.hasExpired(timeoutMs), "the program did not take its lock");
        QVERIFY2(program.state() == QProcess::Running, "the program ended by itself");
        program.waitForFinished(10);
    }

    QCOMPARE(::kill(pid_t(program.processId()), signal), 0);
    if (!program.waitForFinished(timeoutMs)) {
        program.kill();
        program.waitForFinished();
        QFAIL("the program did not end");
    }
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QSettings stored(home.settings(), QSettings::IniFormat);
    stored.beginGroup(QStringLiteral("Woordorakelaar"));
    QCOMPARE(stored.value(QStringLiteral("gebruik")).toString(), QStringLiteral("2"));
    QVERIFY(stored.contains(QStringLiteral("links")));
    QVERIFY(stored.contains(QStringLiteral("boven")));
    QCOMPARE(stored.value(QStringLiteral("versie")).toString(), QStringLiteral("1.0.4"));
}

QTEST_GUILESS_MAIN(TestProgramSettings)
#include "tst_programsettings.moc"
