// The settings file against what can stand under its name and against the
// disk it lies on: only a regular file of a sensible size is read or
// replaced, and after any commit the file is the old one or the new one, whole.

#include "core/platform/settingsfile.h"
#include "core/settings/config.h"

#include "tests/support/smalldisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Woord;

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsOtherGroups();
    void handEditedValueWithBareCommas();
    void newFileIsTheOwnersAlone();
    void somethingElseUnderTheName_data();
    void somethingElseUnderTheName();
    void linkToAFileIsWrittenThrough();
    void folderThatCannotExist();
    void fullDisk_data();
    void fullDisk();
    void readOnlyDisk();
};

namespace {

const QByteArray otherGroups = "[Ander]\nnaam=iets\n\n[Woordorakelaar]\nbijstart=eigen.wod\ngebruik=7\n";

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What shut-down stores, through the store it is given.
bool saveInto(SettingsStore &store, qint16 gebruik = 7)
{
    const ConfigSave save{QStringLiteral("/opt/w"),
                          QStringLiteral("/opt/w/"),
                          QStringLiteral("woordorakelaar"),
                          gebruik,
                          QStringLiteral("1.0.4"),
                          1500.0f,
                          450.0f};
    return SaveConfig(store, save);
}

} // namespace

void TestSettingsFile::roundTripKeepsOtherGroups()
{
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("WLK-Velde.conf"));
    QVERIFY(writeFile(path, otherGroups));
    {
        SettingsFileStore store(path);
        ConfigValues values;
        QVERIFY(Loadconfig(store, QStringLiteral("/opt/w"), values).isEmpty());
        QCOMPARE(values.Gebruik, qint16(7));
        QCOMPARE(values.BijStart, QStringLiteral("eigen.wod"));
        QVERIFY(saveInto(store, values.Gebruik));
    }
    const QSettings raw(path, QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Ander/naam")).toString(), QStringLiteral("iets"));
    QCOMPARE(raw.value(QStringLiteral("Woordorakelaar/bijstart")).toString(), QStringLiteral("eigen.wod"));
    QCOMPARE(raw.value(QStringLiteral("Woordorakelaar/gebruik")).toString(), QStringLiteral("8"));
    QCOMPARE(raw.value(QStringLiteral("Woordorakelaar/links")).toString(), QStringLiteral("1500"));
    QCOMPARE(raw.value(QStringLiteral("Woordorakelaar/datamap")).toString(), QStringLiteral("/opt/w/"));

    SettingsFileStore again(path);
    ConfigValues values;
    Loadconfig(again, QString(), values);
    QCOMPARE(values.Gebruik, qint16(8));
    QCOMPARE(values.Links, qint16(1500));
    QCOMPARE(values.Boven, qint16(450));
    // Nothing of the program's own is left in the folder.
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("WLK-Velde.conf")});
}

// A value edited by hand with bare commas in it reads as the text it is.
void TestSettingsFile::handEditedValueWithBareCommas()
{
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("WLK-Velde.conf"));
    QVERIFY(writeFile(path, "[Woordorakelaar]\nbijstart=eerste,tweede,derde\ngebruik=1,5\nboven=300\n"));
    SettingsFileStore store(path);
    QCOMPARE(store.read(QStringLiteral("bijstart"), QString()), QStringLiteral("eerste,tweede,derde"));
    QCOMPARE(store.read(QStringLiteral("gebruik"), QString()), QStringLiteral("1,5"));
    ConfigValues values;
    const QList<ConfigProblem> problems = Loadconfig(store, QString(), values);
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.first().key, QStringLiteral("gebruik"));
    QCOMPARE(problems.first().error, ErrorKind::TypeMismatch);
    QCOMPARE(values.BijStart, QStringLiteral("eerste,tweede,derde"));
    QCOMPARE(values.Boven, qint16(300));
}

void TestSettingsFile::newFileIsTheOwnersAlone()
{
    QTemporaryDir home;
    // The configuration folder itself is made when it is missing.
    const QString path = home.filePath(QStringLiteral("config/WLK-Velde.conf"));
    SettingsFileStore store(path);
    QCOMPARE(store.read(QStringLiteral("gebruik"), QStringLiteral("1")), QStringLiteral("1"));
    QVERIFY(saveInto(store));
    QCOMPARE(QFileInfo(path).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Woordorakelaar/gebruik")).toString(),
             QStringLiteral("8"));
}

void TestSettingsFile::somethingElseUnderTheName_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a socket") << "socket";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a device") << "device";
    QTest::newRow("a link to a FIFO") << "link to fifo";
    QTest::newRow("a link to a folder") << "link to folder";
    QTest::newRow("a link to a device") << "link to device";
    QTest::newRow("a file of 1 GiB") << "huge";
}

// Whatever stands there is passed over at once: the defaults are read, and
// nothing is written over it or into it.
void TestSettingsFile::somethingElseUnderTheName()
{
    QFETCH(QString, what);
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("WLK-Velde.conf"));
    const QString thing = what.startsWith(u"link") ? home.filePath(QStringLiteral("ding")) : path;
    const QByteArray name = QFile::encodeName(thing);
    int socketFd = -1;
    if (what.endsWith(u"fifo")) {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (what == u"socket") {
        socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof address.sun_path);
        qstrcpy(address.sun_path, name.constData());
        QCOMPARE(::bind(socketFd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    } else if (what.endsWith(u"folder")) {
        QVERIFY(QDir().mkdir(thing));
    } else if (what.endsWith(u"device")) {
        // A device node of the test's own: the null device, made where only
        // this test looks. Without the right to make one, the system's.
        if (::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
            if (what == u"device")
                QSKIP("making a device node needs the superuser");
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), thing));
        }
    } else if (what == u"huge") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(otherGroups) > 0);
        QVERIFY(file.resize(qint64(1) << 30));
    }
    if (thing != path)
        QVERIFY(QFile::link(thing, path));
    struct stat before {
    };
    QCOMPARE(::lstat(name.constData(), &before), 0);

    SettingsFileStore store(path);
    QCOMPARE(store.read(QStringLiteral("gebruik"), QStringLiteral("1")), QStringLiteral("1"));
    QVERIFY(!saveInto(store));

    struct stat after {
    };
    QCOMPARE(::lstat(name.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_size, before.st_size);
    if (what == u"huge")
        QCOMPARE(contents(path).left(otherGroups.size()), otherGroups);
    if (what.endsWith(u"folder"))
        QVERIFY(QDir(thing).isEmpty());
    if (thing != path)
        QCOMPARE(QFileInfo(path).symLinkTarget(), thing);
    if (socketFd >= 0)
        ::close(socketFd);
}

void TestSettingsFile::linkToAFileIsWrittenThrough()
{
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("WLK-Velde.conf"));
    const QString target = home.filePath(QStringLiteral("elders/echt.conf"));
    QVERIFY(QDir().mkpath(QFileInfo(target).path()));
    QVERIFY(writeFile(target, otherGroups));
    QVERIFY(QFile::link(target, path));

    SettingsFileStore store(path);
    QCOMPARE(store.read(QStringLiteral("gebruik"), QStringLiteral("1")), QStringLiteral("7"));
    QVERIFY(saveInto(store));
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(QFileInfo(path).symLinkTarget(), target);
    const QSettings raw(target, QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Woordorakelaar/gebruik")).toString(), QStringLiteral("8"));
    QCOMPARE(raw.value(QStringLiteral("Ander/naam")).toString(), QStringLiteral("iets"));
}

void TestSettingsFile::folderThatCannotExist()
{
    QTemporaryDir home;
    const QString plainFile = home.filePath(QStringLiteral("bestand"));
    QVERIFY(writeFile(plainFile, "x"));
    SettingsFileStore store(plainFile + QStringLiteral("/map/WLK-Velde.conf"));
    QCOMPARE(store.read(QStringLiteral("gebruik"), QStringLiteral("1")), QStringLiteral("1"));
    QVERIFY(!saveInto(store));
    QCOMPARE(contents(plainFile), QByteArray("x"));
}

void TestSettingsFile::fullDisk_data()
{
    QTest::addColumn<int>("freePages");
    QTest::addColumn<bool>("fits");
    QTest::newRow("no page free") << 0 << false;
    QTest::newRow("one page free") << 1 << false;
    QTest::newRow("two pages free") << 2 << false;
    QTest::newRow("three pages free") << 3 << false;
    QTest::newRow("room enough") << 8 << true;
}

// A settings file of four pages whose other groups fill most of it, on a
// disk with only a few pages left: the new file needs more than is free.
void TestSettingsFile::fullDisk()
{
    QFETCH(int, freePages);
    QFETCH(bool, fits);
    Test::SmallDisk disk(256);
    if (!disk.mounted())
        QSKIP("a small file system of the test's own needs the superuser");
    QByteArray old = otherGroups;
    for (int i = 0; old.size() < 4 * 4096 - 200; ++i)
        old += "[Groep" + QByteArray::number(i) + "]\nwaarde=" + QByteArray(100, char('a' + i % 26)) + "\n\n";
    const QString path = disk.filePath(QStringLiteral("WLK-Velde.conf"));
    QVERIFY(writeFile(path, old));
    SettingsFileStore store(path);
    QVERIFY(disk.leaveFree(freePages));

    QCOMPARE(saveInto(store), fits);
    const QByteArray now = contents(path);
    if (!fits) {
        QCOMPARE(now, old);
    } else {
        const QSettings raw(path, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Woordorakelaar/gebruik")).toString(), QStringLiteral("8"));
        QCOMPARE(raw.value(QStringLiteral("Groep3/waarde")).toString(), QString(100, u'd'));
    }
    // Nothing of the program's own is left on the disk.
    QCOMPARE(disk.entries(), (QStringList{QStringLiteral("WLK-Velde.conf"), QStringLiteral("vulling")}));
}

void TestSettingsFile::readOnlyDisk()
{
    Test::SmallDisk disk(64);
    if (!disk.mounted())
        QSKIP("a file system of the test's own needs the superuser");
    const QString path = disk.filePath(QStringLiteral("WLK-Velde.conf"));
    QVERIFY(writeFile(path, otherGroups));
    SettingsFileStore store(path);
    QVERIFY(disk.makeReadOnly());
    QVERIFY(!saveInto(store));
    QCOMPARE(contents(path), otherGroups);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
