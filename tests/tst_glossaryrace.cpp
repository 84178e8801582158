// The real program, started again and again while another thread cuts its
// glossary short and writes it anew at random moments: every run must end by
// itself, with its window or with one of its messages, never by a signal.

#include "support/wodbytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

using namespace Woord;

class TestGlossaryRace : public QObject
{
    Q_OBJECT

private slots:
    void glossaryChangedWhileLoading();
};

void TestGlossaryRace::glossaryChangedWhileLoading()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("config")));
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("runtime")));
    QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString program = folder.filePath(QStringLiteral("woordorakelaar"));
    QVERIFY(QFile::copy(QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar"), program));

    // About 10 MB: the largest glossary the format allows, in entries.
    QList<Test::Entry> entries;
    for (int i = 1; i <= 32767; ++i)
        entries.append({QStringLiteral("Begrip %1").arg(i, 5, 10, QLatin1Char('0')), QString(300, QLatin1Char('o'))});
    const QByteArray bytes = Test::wod(entries);
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("woordorakelaar.wod")));
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

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("WOORDORAKELAAR_BENCH_QUIT_WHEN_SHOWN"), QStringLiteral("1"));

    constexpr int runs = 40;
    int shown = 0;
    int messages = 0;
    for (int run = 0; run < runs; ++run) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program);
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

QTEST_GUILESS_MAIN(TestGlossaryRace)
#include "tst_glossaryrace.moc"
