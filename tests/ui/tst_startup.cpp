#include "core/glossary/glossarymessages.h"
#include "core/mainwindow/display.h"
#include "core/mainwindow/startup.h"
#include "core/platform/messagedisplay.h"
#include "core/settings/config.h"
#include "tests/support/mainwindowfixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QTest>

using namespace Woord;
using Woord::Test::Entry;
using Woord::Test::MainWindowFixture;
using Outcome = FrmHoofd::LoadOutcome;

Q_DECLARE_METATYPE(Woord::Message)
Q_DECLARE_METATYPE(Woord::ErrorKind)
Q_DECLARE_METATYPE(Woord::FrmHoofd::LoadOutcome)

namespace {
const QString title = QStringLiteral("Woordorakelaar v1.0");
const QList<Entry> one = {{QStringLiteral("Bit"), QStringLiteral("b")}};
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void normalStartAndClose();
    void firstRun();
    void storedPlaceAndUsage();
    void placeKeptWhereWindowsAreNotPlaced();
    void randomFirstTerm();
    void firstRowChosen();
    void planCarriedOut_data();
    void planCarriedOut();
    void unreadableSettingIsReported();
    void secondInstanceEndsSilently();
    void failedSettingsWriteStillEnds();

private:
    std::unique_ptr<MainWindowFixture> f;
};

void TestStartup::init()
{
    f = std::make_unique<MainWindowFixture>();
}

void TestStartup::cleanup()
{
    f.reset();
}

void TestStartup::normalStartAndClose()
{
    f->writeGlossary(Test::wod({{QStringLiteral("Bit"), QStringLiteral("b")},
                                {QStringLiteral("Byte"), QStringLiteral("B & b")},
                                {QStringLiteral("Café"), QStringLiteral("c")}}));
    QCOMPARE(f->start(), Outcome::Show);
    QVERIFY(f->platform.messages.isEmpty());
    QCOMPARE(f->state.ProgrammaTitel, title);
    QCOMPARE(f->window->windowTitle(), title);
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_StatusHelp"))->text(), title);
    QCOMPARE(f->state.DataMap, QDir::toNativeSeparators(f->folder.path()) + QDir::separator());
    QCOMPARE(f->state.DatabasePad, f->glossaryPath());
    QCOMPARE(f->control<QListView>(QStringLiteral("List_Grid"))->model()->rowCount(), 3);
    QCOMPARE(f->control<QListView>(QStringLiteral("List_Grid"))->model()->index(2, 0).data().toString(),
             QStringLiteral("Café"));
    QCOMPARE(f->platform.waitCursorChanges, (QList<bool>{true, false}));
    QVERIFY(f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->isEnabled());
    QCOMPARE(f->platform.store.commits, 0);

    // The glossary lives in the program's memory from the load on: the file
    // may be cut short or removed without harm.
    QVERIFY(QFile::resize(f->glossaryPath(), 10));
    QVERIFY(QFile::remove(f->glossaryPath()));
    f->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
    QCOMPARE(f->state.glossary.Begrip(3), QStringLiteral("Café"));

    // Closing the window in any way unloads the program: settings stored once.
    f->window->close();
    QCOMPARE(f->platform.store.commits, 1);
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("gebruik")), QStringLiteral("2"));
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("versie")), QStringLiteral("1.0.4"));
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("datamap")), f->state.DataMap);
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("exenaam")), QStringLiteral("woordorakelaar"));
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("mapnaam")), f->platform.facts.folder);
    // Unloaded once: a second close stores nothing more.
    f->window->close();
    QCOMPARE(f->platform.store.commits, 1);
}

void TestStartup::firstRun()
{
    f->writeGlossary(Test::wod(one));
    QCOMPARE(f->start(), Outcome::Show);
    // 1 twip is less than half a pixel: the top-left corner of the screen.
    QCOMPARE(f->window->pos(), QPoint(0, 0));
    QCOMPARE(f->state.config.Links, qint16(1));
    QCOMPARE(f->state.config.Boven, qint16(1));
}

void TestStartup::storedPlaceAndUsage()
{
    f->writeGlossary(Test::wod(one));
    f->platform.store.stored = {{QStringLiteral("links"), QStringLiteral("1500")},
                                {QStringLiteral("boven"), QStringLiteral("-3000")},
                                {QStringLiteral("gebruik"), QStringLiteral("41")}};
    QCOMPARE(f->start(), Outcome::Show);
    QCOMPARE(f->window->pos(), QPoint(100, -200));
    f->window->close();
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("gebruik")), QStringLiteral("42"));
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("links")), QStringLiteral("1500"));
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("boven")), QStringLiteral("-3000"));
}

// Where the platform neither tells nor lets the program choose its window's
// place (a Wayland desktop), the place the user had stays stored; the rest
// is saved as ever.
void TestStartup::placeKeptWhereWindowsAreNotPlaced()
{
    f->writeGlossary(Test::wod(one));
    f->platform.windowsPlaced = false;
    f->platform.store.stored = {{QStringLiteral("links"), QStringLiteral("4500")},
                                {QStringLiteral("boven"), QStringLiteral("3000")},
                                {QStringLiteral("gebruik"), QStringLiteral("41")}};
    QCOMPARE(f->start(), Outcome::Show);
    f->window->move(-3, -30); // where such a platform reports its frame
    f->window->close();
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("gebruik")), QStringLiteral("42"));
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("links")), QStringLiteral("4500"));
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("boven")), QStringLiteral("3000"));
    QVERIFY(!f->platform.store.writeOrder.contains(QStringLiteral("links")));
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("versie")), QStringLiteral("1.0.4"));
}

void TestStartup::randomFirstTerm()
{
    QByteArray bytes = Test::wod(MainWindowFixture::numberedEntries(1250));
    // The start index in the file plays no part.
    bytes.replace("1250,1\r\n", "1250,7\r\n");
    f->writeGlossary(bytes);
    f->platform.time = QTime(14, 30, 5);
    QCOMPARE(f->start(), Outcome::Show);
    const int expected = Display::firstTermRow(14 * 3600 + 30 * 60 + 5, 1250) + 1;
    QCOMPARE(f->state.CurrRecord, expected);
    QCOMPARE(f->control<QScrollBar>(QStringLiteral("HScroll_Record"))->value(), expected);
    QCOMPARE(f->control<QListView>(QStringLiteral("List_Grid"))->currentIndex().row(), expected - 1);
    // Chosen before the window is shown, the row is in sight once it is.
    auto *list = f->control<QListView>(QStringLiteral("List_Grid"));
    QVERIFY(expected > 100);
    f->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
    QVERIFY(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));

    // Different moments give different first terms, spread over the glossary.
    QSet<int> rows;
    for (int second = 0; second < 200; ++second) {
        const int row = Display::firstTermRow(second, 1250);
        QVERIFY(row >= 0 && row < 1250);
        rows.insert(row);
    }
    QVERIFY(rows.size() > 150);
    // Over a day every term is as likely to come first as any other, the
    // first and the last included.
    QList<int> counts(3);
    for (int second = 0; second < 24 * 3600; ++second)
        ++counts[Display::firstTermRow(second, 3)];
    for (const int count : std::as_const(counts))
        QVERIFY2(count > 27000 && count < 30600, qPrintable(QString::number(count)));
    QCOMPARE(Display::firstTermRow(100, 1), 0);
    QCOMPARE(Display::firstTermRow(100, 0), -1);
}

void TestStartup::unreadableSettingIsReported()
{
    f->writeGlossary(Test::wod(one));
    f->platform.store.stored = {{QStringLiteral("gebruik"), QStringLiteral("abc")},
                                {QStringLiteral("links"), QStringLiteral("99999")},
                                {QStringLiteral("boven"), QStringLiteral("750")}};
    QCOMPARE(f->start(), Outcome::Show);
    QCOMPARE(f->platform.messages, QList<Message>{loadconfigMessage(title, ErrorKind::TypeMismatch)});
    QCOMPARE(f->window->pos(), QPoint(0, 50));
    f->window->close();
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("gebruik")), QStringLiteral("1"));
}

void TestStartup::secondInstanceEndsSilently()
{
    f->writeGlossary(Test::wod(one));
    f->platform.otherInstanceRunning = true;
    QCOMPARE(f->start(), Outcome::EndAtOnce);
    QVERIFY(f->platform.messages.isEmpty());
    QCOMPARE(f->platform.store.commits, 0);
}

void TestStartup::failedSettingsWriteStillEnds()
{
    f->writeGlossary(Test::wod(one));
    QCOMPARE(f->start(), Outcome::Show);
    f->platform.store.failCommit = true;
    f->window->show();
    QVERIFY(f->window->close());
    QCOMPARE(f->platform.store.commits, 1);
    QVERIFY(f->platform.messages.isEmpty());
}

// The first row is a row like any other: with one entry it is always the one
// chosen, whatever start index the file gives.
void TestStartup::firstRowChosen()
{
    QByteArray bytes = Test::wod(MainWindowFixture::numberedEntries(1));
    bytes.replace("1,1\r\n", "1,7\r\n");
    f->writeGlossary(bytes);
    QCOMPARE(f->start(), Outcome::Show);
    QCOMPARE(f->state.CurrRecord, 1);
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->text(), QStringLiteral("Begrip 0001"));
    QCOMPARE(f->control<QListView>(QStringLiteral("List_Grid"))->currentIndex().row(), 0);
}

void TestStartup::planCarriedOut_data()
{
    QTest::addColumn<QString>("bijstart"); // the glossary's name; "woordorakelaar.wod" is written
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("commits");

    QTest::newRow("not there: its message, settings saved") << "weg.wod" << QByteArray() << Outcome::Unloaded << 1 << 1;
    QTest::newRow("a folder: two messages, settings saved") << "map" << QByteArray() << Outcome::Unloaded << 2 << 1;
    QTest::newRow("another header: at once, nothing saved")
        << "woordorakelaar.wod" << Test::wod(one, {}, "\"09/12/2026\"", "\"woordorakelaar\"") << Outcome::EndAtOnce << 1
        << 0;
    QTest::newRow("an old date: at once, nothing saved")
        << "woordorakelaar.wod" << Test::wod(one, {}, "\"09-12-2026\"") << Outcome::EndAtOnce << 1 << 0;
    QTest::newRow("broken: its message, settings saved")
        << "woordorakelaar.wod" << Test::wod(one, "2") << Outcome::Unloaded << 1 << 1;
}

// The window shows the messages start-up decided on, in their order, and
// ends as it decided: at once, or unloaded with the settings saved.
void TestStartup::planCarriedOut()
{
    QFETCH(QString, bijstart);
    QFETCH(QByteArray, bytes);
    QFETCH(Outcome, outcome);
    QFETCH(int, messages);
    QFETCH(int, commits);

    if (!bytes.isEmpty())
        f->writeGlossary(bytes);
    QVERIFY(QDir(f->folder.path()).mkdir(QStringLiteral("map")));
    f->platform.store.stored.insert(QStringLiteral("bijstart"), bijstart);
    QCOMPARE(f->start(), outcome);
    const Startup::Plan plan = Startup::plan(Startup::readGlossary(f->state.DatabasePad), title, f->state.DatabasePad);
    QCOMPARE(f->platform.messages, plan.messages);
    QCOMPARE(f->platform.messages.size(), messages);
    QCOMPARE(f->platform.store.commits, commits);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
