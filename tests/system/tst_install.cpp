// The installed program: `cmake --install` into a temporary root (DESTDIR),
// the layout under the prefix, and the installed program started headless
// through its link in bin/.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <map>
#include <memory>

#include <unistd.h>

namespace {

const QString desktopId = QStringLiteral(WOORD_DESKTOP_ID);
const QString programFolder = QStringLiteral("lib/woordorakelaar");
const int iconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// One install under a prefix, in a temporary root of its own.
struct Install {
    QTemporaryDir root;
    QString prefix;
    QString output;
    bool ok = false;

    QString path(const QString &relative) const { return root.path() + prefix + u'/' + relative; }
};

std::unique_ptr<Install> install(const QString &prefix)
{
    auto result = std::make_unique<Install>();
    result->prefix = prefix;
    if (!result->root.isValid())
        return result;
    QProcess cmake;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), result->root.path());
    cmake.setProcessEnvironment(env);
    cmake.setProcessChannelMode(QProcess::MergedChannels);
    cmake.start(QStringLiteral(WOORD_CMAKE_COMMAND),
                {QStringLiteral("--install"), QStringLiteral(WOORD_BINARY_DIR), QStringLiteral("--prefix"), prefix});
    const bool finished = cmake.waitForFinished(120000);
    result->output = QString::fromLocal8Bit(cmake.readAll());
    result->ok = finished && cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0;
    return result;
}

// Every file and link below a folder with its size and modification time.
QStringList listing(const QString &folder)
{
    QStringList lines;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        lines << QStringLiteral("%1 %2 %3")
                     .arg(info.filePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    lines.sort();
    return lines;
}

struct Run {
    bool finished = false;
    int exitCode = -1;
    QString out;
};

// The installed program, headless, with its own home, settings and runtime
// folders, and the hook that ends it once its window is shown.
Run runUnattended(const QString &launcher, const QTemporaryDir &home)
{
    Run run;
    QDir homeDir(home.path());
    if (!homeDir.mkpath(QStringLiteral("config")) || !homeDir.mkpath(QStringLiteral("runtime"))
        || !QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return run;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("WOORDORAKELAAR_BENCH_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(home.path());
    program.start(launcher, {});
    run.finished = program.waitForFinished(120000) && program.exitStatus() == QProcess::NormalExit;
    if (!run.finished)
        program.kill();
    run.exitCode = program.exitCode();
    run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    return run;
}

// What a symbolic link holds, as written.
QString rawLinkTarget(const QString &path)
{
    char buffer[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return length > 0 ? QFile::decodeName(QByteArray(buffer, length)) : QString();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The values of one group of a desktop entry, keys without a locale.
QMap<QString, QString> desktopEntry(const QString &path)
{
    QMap<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return values;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inEntry = line == QStringLiteral("[Desktop Entry]");
        const qsizetype eq = line.indexOf(u'=');
        if (inEntry && eq > 0 && !line.left(eq).contains(u'['))
            values.insert(line.left(eq), line.mid(eq + 1));
    }
    return values;
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void programFolderIsComplete();
    void icons_data();
    void icons();
    void compressedFilesCarryNoNameOrTime_data();
    void compressedFilesCarryNoNameOrTime();
    void desktopEntryAndMetainfoMatchTheInstall();
    void startsThroughItsLink_data();
    void startsThroughItsLink();
    void missingGlossaryIsReported();

private:
    const Install &installed(const QString &prefix);
    std::map<QString, std::unique_ptr<Install>> m_installs;
};

const Install &TestInstall::installed(const QString &prefix)
{
    std::unique_ptr<Install> &slot = m_installs[prefix];
    if (!slot)
        slot = install(prefix);
    return *slot;
}

void TestInstall::layout_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::newRow("package") << QStringLiteral("/usr");
    QTest::newRow("plain install") << QStringLiteral("/usr/local");
}

void TestInstall::layout()
{
    QFETCH(QString, prefix);
    const Install &inst = installed(prefix);
    QVERIFY2(inst.ok, qPrintable(inst.output));

    const QString executables[] = {programFolder + QStringLiteral("/woordorakelaar"), QStringLiteral("bin/wodtool")};
    for (const QString &relative : executables) {
        const QFileInfo info(inst.path(relative));
        QVERIFY2(info.isFile() && !info.isSymLink(), qPrintable(relative));
        QVERIFY2(info.isExecutable(), qPrintable(relative));
    }
    const QString files[] = {
        programFolder + QStringLiteral("/woordorakelaar.wod"),
        programFolder + QStringLiteral("/woordorakelaar.htm"),
        QStringLiteral("share/applications/%1.desktop").arg(desktopId),
        QStringLiteral("share/metainfo/%1.metainfo.xml").arg(desktopId),
        QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(desktopId),
        QStringLiteral("share/man/man1/woordorakelaar.1.gz"),
        QStringLiteral("share/man/man1/wodtool.1.gz"),
        QStringLiteral("share/doc/woordorakelaar/copyright"),
        QStringLiteral("share/doc/woordorakelaar/changelog.gz"),
    };
    for (const QString &relative : files) {
        const QFileInfo info(inst.path(relative));
        QVERIFY2(info.isFile() && info.size() > 0, qPrintable(relative));
        QVERIFY2(!info.isExecutable(), qPrintable(relative));
    }

    // The link is relative, so the tree works wherever it is unpacked, and it
    // leads to the executable in the program folder.
    const QFileInfo link(inst.path(QStringLiteral("bin/woordorakelaar")));
    QVERIFY(link.isSymLink());
    QVERIFY2(QFileInfo(link.symLinkTarget()).exists(), qPrintable(link.symLinkTarget()));
    QCOMPARE(link.canonicalFilePath(),
             QFileInfo(inst.path(programFolder + QStringLiteral("/woordorakelaar"))).canonicalFilePath());
    const QString target = rawLinkTarget(link.filePath());
    QVERIFY2(!target.isEmpty() && QDir::isRelativePath(target), qPrintable(target));

    // Nothing lands outside the prefix.
    const QStringList top = QDir(inst.root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QCOMPARE(top, QStringList{prefix.section(u'/', 1, 1)});
}

void TestInstall::programFolderIsComplete()
{
    const Install &inst = installed(QStringLiteral("/usr"));
    QVERIFY2(inst.ok, qPrintable(inst.output));
    QCOMPARE(QDir(inst.path(programFolder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{QStringLiteral("woordorakelaar"), QStringLiteral("woordorakelaar.htm"),
                          QStringLiteral("woordorakelaar.wod")}));
    // The glossary and the help page are the ones the build made.
    QCOMPARE(readAll(inst.path(programFolder + QStringLiteral("/woordorakelaar.wod"))),
             readAll(QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar.wod")));
    QCOMPARE(readAll(inst.path(programFolder + QStringLiteral("/woordorakelaar.htm"))),
             readAll(QStringLiteral(WOORD_SOURCE_DIR "/data/woordorakelaar.htm")));
}

void TestInstall::icons_data()
{
    QTest::addColumn<int>("size");
    for (int size : iconSizes)
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void TestInstall::icons()
{
    QFETCH(int, size);
    const Install &inst = installed(QStringLiteral("/usr"));
    QVERIFY2(inst.ok, qPrintable(inst.output));
    const QString path = inst.path(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(desktopId));
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(size, size));
    // The balloon stands on a transparent background.
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

void TestInstall::compressedFilesCarryNoNameOrTime_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("woordorakelaar(1)") << QStringLiteral("share/man/man1/woordorakelaar.1.gz");
    QTest::newRow("wodtool(1)") << QStringLiteral("share/man/man1/wodtool.1.gz");
    QTest::newRow("changelog") << QStringLiteral("share/doc/woordorakelaar/changelog.gz");
}

void TestInstall::compressedFilesCarryNoNameOrTime()
{
    QFETCH(QString, relative);
    const Install &inst = installed(QStringLiteral("/usr"));
    QVERIFY2(inst.ok, qPrintable(inst.output));
    const QByteArray bytes = readAll(inst.path(relative));
    QVERIFY(bytes.size() > 18);
    QCOMPARE(quint8(bytes[0]), quint8(0x1f));
    QCOMPARE(quint8(bytes[1]), quint8(0x8b));
    QCOMPARE(quint8(bytes[3]) & 0x08, 0); // no file name
    QCOMPARE(bytes.mid(4, 4), QByteArray(4, '\0')); // no time stamp
}

void TestInstall::desktopEntryAndMetainfoMatchTheInstall()
{
    const Install &inst = installed(QStringLiteral("/usr"));
    QVERIFY2(inst.ok, qPrintable(inst.output));

    const QMap<QString, QString> entry
        = desktopEntry(inst.path(QStringLiteral("share/applications/%1.desktop").arg(desktopId)));
    QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Woordorakelaar"));
    QVERIFY(QFileInfo(inst.path(QStringLiteral("bin/") + entry.value(QStringLiteral("Exec")))).isExecutable());
    QCOMPARE(entry.value(QStringLiteral("TryExec")), entry.value(QStringLiteral("Exec")));
    QCOMPARE(entry.value(QStringLiteral("Icon")), desktopId);
    QVERIFY(entry.value(QStringLiteral("Categories")).split(u';').contains(QStringLiteral("Dictionary")));
    // The window's class is the name the program was started by, the link's.
    QCOMPARE(entry.value(QStringLiteral("StartupWMClass")), entry.value(QStringLiteral("Exec")));

    QFile metainfo(inst.path(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(desktopId)));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&metainfo);
    QString id;
    QString launchable;
    QStringList binaries;
    QStringList releases;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"id")
            id = xml.readElementText();
        else if (xml.name() == u"launchable")
            launchable = xml.readElementText();
        else if (xml.name() == u"binary")
            binaries << xml.readElementText();
        else if (xml.name() == u"release")
            releases << xml.attributes().value(QStringLiteral("version")).toString();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(id, desktopId);
    QCOMPARE(launchable, desktopId + QStringLiteral(".desktop"));
    QCOMPARE(binaries, (QStringList{QStringLiteral("woordorakelaar"), QStringLiteral("wodtool")}));
    for (const QString &binary : std::as_const(binaries))
        QVERIFY2(QFileInfo(inst.path(QStringLiteral("bin/") + binary)).isExecutable(), qPrintable(binary));
    QVERIFY(releases.contains(QStringLiteral(WOORD_VERSION)));
}

void TestInstall::startsThroughItsLink_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("viaOwnLink");
    QTest::newRow("package, bin link") << QStringLiteral("/usr") << false;
    QTest::newRow("plain install, bin link") << QStringLiteral("/usr/local") << false;
    QTest::newRow("a link of the user's own to the bin link") << QStringLiteral("/usr") << true;
}

void TestInstall::startsThroughItsLink()
{
    QFETCH(QString, prefix);
    QFETCH(bool, viaOwnLink);
    const Install &inst = installed(prefix);
    QVERIFY2(inst.ok, qPrintable(inst.output));

    QTemporaryDir home;
    QVERIFY(home.isValid());
    QString launcher = inst.path(QStringLiteral("bin/woordorakelaar"));
    if (viaOwnLink) {
        const QString own = home.filePath(QStringLiteral("woordorakelaar"));
        QVERIFY(QFile::link(launcher, own));
        launcher = own;
    }

    const QString folder = inst.path(programFolder);
    const QStringList before = listing(folder);

    // The hook prints a number when the window is shown; without its glossary
    // the program would print its message instead and end.
    const Run run = runUnattended(launcher, home);
    QVERIFY2(run.finished, qPrintable(run.out));
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\\n$")).match(run.out).hasMatch(), qPrintable(run.out));

    // It took the real executable's folder, not bin/, as its own.
    QSettings settings(home.filePath(QStringLiteral("config/WLK-Velde.conf")), QSettings::IniFormat);
    const QString dataMap = settings.value(QStringLiteral("Woordorakelaar/datamap")).toString();
    QCOMPARE(dataMap, QFileInfo(folder).canonicalFilePath() + u'/');

    // Its help page lies there, readable, beside the glossary.
    QFile help(dataMap + QStringLiteral("woordorakelaar.htm"));
    QVERIFY(help.open(QIODevice::ReadOnly));
    QVERIFY(help.readAll().contains("<html"));

    // And it wrote nothing in its folder.
    QCOMPARE(listing(folder), before);
}

void TestInstall::missingGlossaryIsReported()
{
    // The same check on an install whose glossary is gone: the program ends
    // at its message and never shows its window.
    const std::unique_ptr<Install> inst = install(QStringLiteral("/usr"));
    QVERIFY2(inst->ok, qPrintable(inst->output));
    QVERIFY(QFile::remove(inst->path(programFolder + QStringLiteral("/woordorakelaar.wod"))));
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const Run run = runUnattended(inst->path(QStringLiteral("bin/woordorakelaar")), home);
    QVERIFY2(run.finished, qPrintable(run.out));
    QVERIFY2(run.out.startsWith(QStringLiteral("melding: ")), qPrintable(run.out));
    QVERIFY2(
        !QRegularExpression(QStringLiteral("^\\d+$"), QRegularExpression::MultilineOption).match(run.out).hasMatch(),
        qPrintable(run.out));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
