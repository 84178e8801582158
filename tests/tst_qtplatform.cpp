#include "platform/qtplatform.h"
#include "version.h"

#include <QApplication>
#include <QCursor>
#include <QStandardPaths>
#include <QTest>

using namespace Woord;

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
}

void TestQtPlatform::settingsMadeOnce()
{
    QtPlatform platform;
    QCOMPARE(&platform.settings(), &platform.settings());
    QCOMPARE(platform.settings().read(QStringLiteral("geen"), QStringLiteral("standaard")),
             QStringLiteral("standaard"));
}

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
