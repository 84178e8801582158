// The desktop entry and the AppStream data through the desktop's own
// validators: no error and no warning. Each validator is also shown a broken
// copy, so a report the check does not recognise cannot pass unnoticed.

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString desktopFile = QStringLiteral(WOORD_SOURCE_DIR "/packaging/" WOORD_DESKTOP_ID ".desktop");
const QString metainfoFile = QStringLiteral(WOORD_SOURCE_DIR "/packaging/" WOORD_DESKTOP_ID ".metainfo.xml");

struct Report {
    bool ran = false;
    int exitCode = -1;
    QStringList problems; // errors and warnings
    QStringList notes; // hints, infos and pedantic notes
    QString output;
};

// desktop-file-validate: "<file>: error: ...", "<file>: warning: ...", "<file>: hint: ...".
// appstreamcli: "E: ...", "W: ...", "I: ...", "P: ...".
Report validate(const QString &tool, const QStringList &arguments)
{
    Report report;
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        report.output = tool + QStringLiteral(" not found; scripts/install-deps.sh installs it");
        return report;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("NO_COLOR"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    report.ran = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    report.exitCode = process.exitCode();
    report.output = QString::fromUtf8(process.readAll());
    for (const QString &line : report.output.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.contains(QStringLiteral(": error: ")) || line.contains(QStringLiteral(": warning: "))
            || line.startsWith(QStringLiteral("E: ")) || line.startsWith(QStringLiteral("W: ")))
            report.problems << line;
        else if (line.contains(QStringLiteral(": hint: ")) || line.startsWith(QStringLiteral("I: "))
                 || line.startsWith(QStringLiteral("P: ")))
            report.notes << line;
    }
    return report;
}

Report validateDesktopEntry(const QString &path)
{
    return validate(QStringLiteral("desktop-file-validate"), {path});
}

Report validateMetainfo(const QString &path)
{
    return validate(QStringLiteral("appstreamcli"),
                    {QStringLiteral("validate"), QStringLiteral("--no-net"), QStringLiteral("--pedantic"), path});
}

// A copy of a file with one text replaced, in a temporary folder.
QString brokenCopy(const QTemporaryDir &dir, const QString &source, const QByteArray &from, const QByteArray &to)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = in.readAll();
    if (!bytes.contains(from))
        return {};
    bytes.replace(from, to);
    const QString path = dir.filePath(source.section(u'/', -1));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace

class TestDesktopFiles : public QObject
{
    Q_OBJECT

private slots:
    void shippedFilesPass_data();
    void shippedFilesPass();
    void brokenFilesAreCaught_data();
    void brokenFilesAreCaught();
};

void TestDesktopFiles::shippedFilesPass_data()
{
    QTest::addColumn<bool>("metainfo");
    QTest::newRow("desktop entry") << false;
    QTest::newRow("AppStream metainfo") << true;
}

void TestDesktopFiles::shippedFilesPass()
{
    QFETCH(bool, metainfo);
    const Report report = metainfo ? validateMetainfo(metainfoFile) : validateDesktopEntry(desktopFile);
    QVERIFY2(report.ran, qPrintable(report.output));
    for (const QString &note : report.notes)
        qInfo("%s", qPrintable(note));
    QVERIFY2(report.problems.isEmpty(), qPrintable(report.problems.join(u'\n')));
    QVERIFY2(report.exitCode == 0, qPrintable(report.output));
}

void TestDesktopFiles::brokenFilesAreCaught_data()
{
    QTest::addColumn<bool>("metainfo");
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::newRow("desktop entry without a type") << false << QByteArray("Type=Application\n") << QByteArray();
    QTest::newRow("desktop entry with a deprecated key")
        << false << QByteArray("Terminal=false\n") << QByteArray("Terminal=false\nEncoding=UTF-8\n");
    QTest::newRow("metainfo without a name") << true << QByteArray("<name>Woordorakelaar</name>") << QByteArray();
    QTest::newRow("metainfo with an unknown launchable type")
        << true << QByteArray("<launchable type=\"desktop-id\">") << QByteArray("<launchable type=\"menu-item\">");
}

void TestDesktopFiles::brokenFilesAreCaught()
{
    QFETCH(bool, metainfo);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = brokenCopy(dir, metainfo ? metainfoFile : desktopFile, from, to);
    QVERIFY(!path.isEmpty());
    const Report report = metainfo ? validateMetainfo(path) : validateDesktopEntry(path);
    QVERIFY2(report.ran, qPrintable(report.output));
    QVERIFY2(!report.problems.isEmpty(), qPrintable(report.output));
}

QTEST_GUILESS_MAIN(TestDesktopFiles)
#include "tst_desktopfiles.moc"
