#include "core/platform/messagedisplay.h"
#include "core/platform/qsettingsstore.h"
#include "ui/platform/qtplatform.h"
#include "ui/platform/versioninfo.h"
#include "version.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace Woord;

namespace {

// Stands in for the desktop's handler of a URL scheme.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

// The platform the program runs on: the wait cursor and the facts of the
// process.
class TestQtPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void waitCursorOnAndOffOnce();
    void waitCursorEndsWithThePlatform();
    void facts();
    void settingsMadeOnce();
    void messageBox_data();
    void messageBox();
    void shellOpensFilesAndAddresses();
    void messageBoxOverTheActiveWindow();
    void windowSystem_data();
    void windowSystem();
    void versionResource();
    void registryStore_data();
    void registryStore();

private:
    static int overrides()
    {
        int count = 0;
        while (QGuiApplication::overrideCursor()) {
            QGuiApplication::restoreOverrideCursor();
            ++count;
        }
        return count;
    }
};

void TestQtPlatform::initTestCase()
{
    // Settings, should any be made, in a folder of the test's own.
    QStandardPaths::setTestModeEnabled(true);
}

void TestQtPlatform::cleanup()
{
    overrides();
}

// Asked twice, the wait cursor is still put on once: one "off" ends it.
void TestQtPlatform::waitCursorOnAndOffOnce()
{
    QtPlatform platform;
    platform.setWaitCursor(false);
    QVERIFY(!QGuiApplication::overrideCursor());
    platform.setWaitCursor(true);
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform.setWaitCursor(true);
    platform.setWaitCursor(false);
    QVERIFY(!QGuiApplication::overrideCursor());
    platform.setWaitCursor(false);
    QGuiApplication::setOverrideCursor(Qt::CrossCursor); // someone else's
    platform.setWaitCursor(false);
    QCOMPARE(overrides(), 1);
}

void TestQtPlatform::waitCursorEndsWithThePlatform()
{
    {
        QtPlatform platform;
        platform.setWaitCursor(true);
    }
    QVERIFY(!QGuiApplication::overrideCursor());
    {
        QtPlatform platform;
        platform.setWaitCursor(true);
        platform.setWaitCursor(false);
        QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    }
    QCOMPARE(overrides(), 1);
}

void TestQtPlatform::facts()
{
    QtPlatform platform;
    const ProcessFacts facts = platform.processFacts();
    QCOMPARE(facts.exeName, QStringLiteral("tst_qtplatform"));
    QCOMPARE(facts.major, Version::major);
    QCOMPARE(facts.minor, Version::minor);
    QCOMPARE(facts.revision, Version::revision);
    QVERIFY(!facts.folder.isEmpty());
    QVERIFY(!facts.folder.endsWith(u'/'));
    // The folder the executable lies in.
    // The executable's name without ".exe" on Windows, as the program stores it.
    QString exePath = QDir(QDir::fromNativeSeparators(facts.folder)).absoluteFilePath(facts.exeName);
#ifdef Q_OS_WIN
    QVERIFY(!facts.exeName.endsWith(u".exe", Qt::CaseInsensitive));
    exePath += u".exe";
#endif
    QCOMPARE(exePath, QCoreApplication::applicationFilePath());
    QCoreApplication::setOrganizationName(QStringLiteral("WLK-Velde"));
#ifdef Q_OS_WIN
    // On Windows the maker is only what the executable's version resource
    // says, and this one has none.
    QCOMPARE(platform.processFacts().companyName, QString());
#else
    // Outside Windows the maker is the organization the program names.
    QCOMPARE(platform.processFacts().companyName, QStringLiteral("WLK-Velde"));
#endif
}

void TestQtPlatform::settingsMadeOnce()
{
    QtPlatform platform;
    QCOMPARE(&platform.settings(), &platform.settings());
    QCOMPARE(platform.settings().read(QStringLiteral("geen"), QStringLiteral("standaard")),
             QStringLiteral("standaard"));
}

void TestQtPlatform::messageBox_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("boxIcon");
    QTest::newRow("information") << int(MessageIcon::Information) << QStringLiteral("Regel 1\r\nRegel 2")
                                 << int(QMessageBox::Information);
    QTest::newRow("critical") << int(MessageIcon::Critical) << QStringLiteral("Fout") << int(QMessageBox::Critical);
    QTest::newRow("none, text like markup")
        << int(MessageIcon::None) << QStringLiteral("<b>vet</b> &amp; meer") << int(QMessageBox::NoIcon);
    QTest::newRow("an overlong line") << int(MessageIcon::None) << QString(longestMessageLine + 500, u'x')
                                      << int(QMessageBox::NoIcon);
}

// The message box shows the message's title, icon and text, the text as
// written (shortened where a line is too long for a box), and a screen reader
// reads it the same.
void TestQtPlatform::messageBox()
{
    QFETCH(int, icon);
    QFETCH(QString, text);
    QFETCH(int, boxIcon);
    QtPlatform platform;
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = true;
        // Closed also when a check below fails, so the test goes on.
        const auto close = qScopeGuard([box] { box->accept(); });
        QCOMPARE(box->windowTitle(), QStringLiteral("Woordorakelaar v1.0"));
        QCOMPARE(int(box->icon()), boxIcon);
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(heard->text(QAccessible::Name), messageDisplayText(text));
    });
    platform.showMessage(Message{QStringLiteral("Woordorakelaar v1.0"), text, MessageIcon(icon)});
    QVERIFY(seen);
}

// A message belongs to the window that is active when it comes, so it stays
// over that window.
void TestQtPlatform::messageBoxOverTheActiveWindow()
{
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QtPlatform platform;
    QWidget *owner = nullptr;
    QTimer::singleShot(0, this, [&owner] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            owner = box->parentWidget();
            box->accept();
        }
    });
    platform.showMessage(Message{QStringLiteral("Woordorakelaar v1.0"), QStringLiteral("Tekst"), MessageIcon::None});
    QCOMPARE(owner, &window);
}

// A path is opened as a local file, anything else as the address it is.
void TestQtPlatform::shellOpensFilesAndAddresses()
{
    UrlCatcher files;
    UrlCatcher sites;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &files, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &sites, "open");
    QtPlatform platform;
    const QString help = QDir::temp().absoluteFilePath(QStringLiteral("woordorakelaar.htm"));
    QVERIFY(platform.openWithShell(help));
    QVERIFY(platform.openWithShell(QStringLiteral("https://www.wlk-velde.example/xtra/")));
    QList<QUrl> expectedFiles{QUrl::fromLocalFile(help)};
#ifdef Q_OS_WIN
    // The help file's path as the program builds it on Windows: DataMap,
    // with backslashes.
    QVERIFY(platform.openWithShell(QDir::toNativeSeparators(help)));
    expectedFiles.append(QUrl::fromLocalFile(help));
#endif
    UrlCatcher mail;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &mail, "open");
    const QString mailTarget
        = QStringLiteral("mailto:info@wlk-velde.example?subject=Woordorakelaar v1.0.4&body=Hallo,");
    QVERIFY(platform.openWithShell(mailTarget));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(files.opened, expectedFiles);
    QCOMPARE(sites.opened, QList<QUrl>{QUrl(QStringLiteral("https://www.wlk-velde.example/xtra/"))});
    QCOMPARE(mail.opened, QList<QUrl>{QUrl(mailTarget)});
}

void TestQtPlatform::windowSystem_data()
{
    QTest::addColumn<QByteArray>("qtQpaPlatform");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("chosen");
    QTest::newRow("X11 desktop") << QByteArray() << QByteArray() << QByteArray(":0") << QByteArray();
    QTest::newRow("Wayland desktop with XWayland")
        << QByteArray() << QByteArray("wayland-0") << QByteArray(":0") << QByteArray("xcb");
    QTest::newRow("Wayland without X11") << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray();
    QTest::newRow("the user's own choice")
        << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << QByteArray();
    QTest::newRow("no desktop") << QByteArray() << QByteArray() << QByteArray() << QByteArray();
}

void TestQtPlatform::windowSystem()
{
    QFETCH(QByteArray, qtQpaPlatform);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, chosen);
    QCOMPARE(QtPlatform::windowSystemFor(qtQpaPlatform, waylandDisplay, display), chosen);
    // Offscreen, as the tests run, windows are placed.
    QVERIFY(QtPlatform().placesWindows());
}

// The program's version resource, as Windows and the program read it; an
// executable without one, such as this test, has none to read.
void TestQtPlatform::versionResource()
{
#ifdef Q_OS_WIN
    const std::optional<VersionInfo> program = readVersionInfo(QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar.exe"));
    QVERIFY(program);
    QCOMPARE(program->major, 1);
    QCOMPARE(program->minor, 0);
    QCOMPARE(program->revision, 4);
    QCOMPARE(program->companyName, QStringLiteral("WLK-Velde"));
    QVERIFY(!readVersionInfo(QCoreApplication::applicationFilePath()));
    QVERIFY(!readVersionInfo(QStringLiteral(WOORD_PROGRAM_DIR "/woordorakelaar.wod")));
#else
    QVERIFY(!readVersionInfo(QCoreApplication::applicationFilePath()));
#endif
}

void TestQtPlatform::registryStore_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("a number") << QStringLiteral("gebruik") << QStringLiteral("42");
    QTest::newRow("a folder with its backslash") << QStringLiteral("datamap") << QStringLiteral("C:\\Programma's\\");
    QTest::newRow("a bare comma") << QStringLiteral("mapnaam") << QStringLiteral("a,b");
    QTest::newRow("accented") << QStringLiteral("bijstart") << QStringLiteral("café.wod");
}

// On Windows the values are text values of the key
// <maker's key>\Woordorakelaar, read back as they were written.
void TestQtPlatform::registryStore()
{
#ifdef Q_OS_WIN
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QString makerKey
        = QStringLiteral("HKEY_CURRENT_USER\\Software\\WLK-Velde-test-%1").arg(QCoreApplication::applicationPid());
    const auto removeKey = qScopeGuard([&] { QSettings(makerKey, QSettings::NativeFormat).remove(QString()); });
    {
        QSettingsStore store(makerKey);
        QCOMPARE(store.read(key, QStringLiteral("standaard")), QStringLiteral("standaard"));
        store.write(key, value);
        QVERIFY(store.commit());
    }
    QSettings raw(makerKey + QStringLiteral("\\Woordorakelaar"), QSettings::NativeFormat);
    QCOMPARE(raw.childKeys(), QStringList{key});
    QCOMPARE(raw.value(key).toString(), value);
    QCOMPARE(QSettings(makerKey, QSettings::NativeFormat).childGroups(), QStringList{QStringLiteral("Woordorakelaar")});
    QSettingsStore again(makerKey);
    QCOMPARE(again.read(key, QString()), value);
#else
    QSKIP("the registry is Windows's; Linux keeps the settings in a file (tst_settingsfile)");
#endif
}

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
