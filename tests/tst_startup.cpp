#include "core/glossary/glossaryfile.h"
#include "core/glossary/glossarymessages.h"
#include "core/mainwindow/display.h"
#include "core/mainwindow/startuptrap.h"
#include "core/platform/messagedisplay.h"
#include "core/settings/config.h"
#include "tests/support/mainwindowfixture.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <sys/stat.h>

using namespace Woord;
using Woord::Test::Entry;
using Woord::Test::MainWindowFixture;
using Outcome = FrmHoofd::LoadOutcome;

Q_DECLARE_METATYPE(Woord::Message)
Q_DECLARE_METATYPE(Woord::ErrorKind)
Q_DECLARE_METATYPE(Woord::StartupTrap::Reaction)

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
    void missingGlossary();
    void endsAtOnceWithoutSaving_data();
    void endsAtOnceWithoutSaving();
    void unforeseenFailures_data();
    void unforeseenFailures();
    void brokenGlossarySavesSettings();
    void noRegularFileAsGlossary_data();
    void noRegularFileAsGlossary();
    void glossaryLargerThanAnyCanBe();
    void absurdlyLongGlossaryName();
    void messageDisplayText_data();
    void messageDisplayText();
    void unreadableSettingIsReported();
    void secondInstanceEndsSilently();
    void failedSettingsWriteStillEnds();
    void trapReactions_data();
    void trapReactions();
    void messageTexts();
    void messagesNameTheErrorNumber_data();
    void messagesNameTheErrorNumber();

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
    QCOMPARE(f->state.DataMap, f->folder.path() + QDir::separator());
    QCOMPARE(f->state.DatabasePad, f->glossaryPath());
    QCOMPARE(f->control<QAbstractItemView>(QStringLiteral("List_Grid"))->model()->rowCount(), 3);
    QCOMPARE(f->control<QAbstractItemView>(QStringLiteral("List_Grid"))->model()->index(2, 0).data().toString(),
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
    QCOMPARE(f->control<QAbstractItemView>(QStringLiteral("List_Grid"))->currentIndex().row(), expected - 1);
    // Chosen before the window is shown, the row is in sight once it is.
    auto *list = f->control<QAbstractItemView>(QStringLiteral("List_Grid"));
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

void TestStartup::missingGlossary()
{
    f->platform.store.stored.insert(QStringLiteral("gebruik"), QStringLiteral("5"));
    QCOMPARE(f->start(), Outcome::Unloaded);
    QCOMPARE(f->platform.messages, QList<Message>{StartupTrap::fileNotFound(title, f->glossaryPath())});
    QCOMPARE(f->platform.messages.first().text,
             f->glossaryPath()
                 + QStringLiteral(" niet aanwezig op uw computer.\r\n\r\nWoordorakelaar v1.0 opnieuw "
                                  "installeren of download woordorakelaar.wod van de website."));
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("gebruik")), QStringLiteral("6"));
}

void TestStartup::endsAtOnceWithoutSaving_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Message>("message");

    QTest::newRow("wrong header") << Test::wod(one, {}, "\"09/12/2026\"", "\"woordorakelaar\"")
                                  << GlossaryMessages::wrongLayout(title);
    QTest::newRow("header in other letter case") << Test::wod(
        one, {}, "\"09/12/2026\"", "\";WOORDORAKELAAR databestand, verander niets aan de indeling a.u.b.\"")
                                                 << GlossaryMessages::wrongLayout(title);
    QTest::newRow("old date") << Test::wod(one, {}, "\"09-12-2026\"") << GlossaryMessages::oldFormat(title);
    QTest::newRow("count 32768") << Test::wod(one, "32768") << GlossaryMessages::wrongCount(title);
    QTest::newRow("count -1") << Test::wod(one, "-1") << GlossaryMessages::wrongCount(title);
}

void TestStartup::endsAtOnceWithoutSaving()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Message, message);

    f->writeGlossary(bytes);
    QCOMPARE(f->start(), Outcome::EndAtOnce);
    QCOMPARE(f->platform.messages, QList<Message>{message});
    QCOMPARE(f->platform.store.commits, 0);
}

void TestStartup::unforeseenFailures_data()
{
    QTest::addColumn<QString>("bijstart");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ErrorKind>("kind");

    QTest::newRow("zero-byte glossary") << "woordorakelaar.wod" << QByteArray("") << ErrorKind::InputPastEnd;
    QTest::newRow("folder that does not exist")
        << "geen/map/woordorakelaar.wod" << QByteArray() << ErrorKind::BadFileNameOrNumber;
    QTest::newRow("glossary is a folder") << "map" << QByteArray() << ErrorKind::BadFileNameOrNumber;
}

void TestStartup::unforeseenFailures()
{
    QFETCH(QString, bijstart);
    QFETCH(QByteArray, bytes);
    QFETCH(ErrorKind, kind);

    if (!bytes.isNull())
        f->writeGlossary(bytes);
    QDir(f->folder.path()).mkdir(QStringLiteral("map"));
    f->platform.store.stored.insert(QStringLiteral("bijstart"), bijstart);
    QCOMPARE(f->start(), Outcome::Unloaded);
    QCOMPARE(f->platform.messages,
             (QList<Message>{StartupTrap::unforeseenFailure(title, kind), StartupTrap::reportToMaker()}));
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("gebruik")), QStringLiteral("2"));
}

void TestStartup::brokenGlossarySavesSettings()
{
    f->writeGlossary(Test::wod(one, "2"));
    f->platform.store.stored.insert(QStringLiteral("gebruik"), QStringLiteral("9"));
    QCOMPARE(f->start(), Outcome::Unloaded);
    QCOMPARE(f->platform.messages, QList<Message>{GlossaryMessages::loadFailed(title, f->glossaryPath())});
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("gebruik")), QStringLiteral("10"));
    QCOMPARE(f->platform.waitCursorChanges, (QList<bool>{true, false}));
}

void TestStartup::noRegularFileAsGlossary_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("device") << QStringLiteral("device");
}

// A FIFO or a device under the glossary's name is treated as a folder is, at
// once: opening a FIFO for reading would wait for ever.
void TestStartup::noRegularFileAsGlossary()
{
    QFETCH(QString, kind);
    if (kind == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(f->glossaryPath()).constData(), 0600), 0);
    else
        f->platform.store.stored.insert(QStringLiteral("bijstart"),
                                        QDir(f->folder.path()).relativeFilePath(QStringLiteral("/dev/zero")));
    QCOMPARE(f->start(), Outcome::Unloaded);
    QCOMPARE(f->platform.messages,
             (QList<Message>{StartupTrap::unforeseenFailure(title, ErrorKind::BadFileNameOrNumber),
                             StartupTrap::reportToMaker()}));
    QCOMPARE(f->platform.store.commits, 1);
}

void TestStartup::glossaryLargerThanAnyCanBe()
{
    f->writeGlossary(Test::wod(one));
    QVERIFY(QFile::resize(f->glossaryPath(), maxGlossaryFileSize + 1));
    QCOMPARE(f->start(), Outcome::Unloaded);
    QCOMPARE(f->platform.messages, QList<Message>{GlossaryMessages::loadFailed(title, f->glossaryPath())});
    QCOMPARE(f->platform.store.commits, 1);
    QVERIFY(f->platform.waitCursorChanges.isEmpty());
}

// A name longer than any path the system takes is not there.
void TestStartup::absurdlyLongGlossaryName()
{
    const QString name(1024 * 1024, u'x');
    f->platform.store.stored.insert(QStringLiteral("bijstart"), name);
    QCOMPARE(f->start(), Outcome::Unloaded);
    QCOMPARE(f->platform.messages, QList<Message>{StartupTrap::fileNotFound(title, f->state.DataMap + name)});
    QCOMPARE(f->platform.store.commits, 1);
}

void TestStartup::messageDisplayText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    // A line of 2000 characters is shown whole; a longer one as its first and
    // last 1000.
    const QString longest(2000, u'p');
    const QString tooLong = QString(1000, u'a') + u'm' + QString(1000, u'z');
    const QString ends = QString(1000, u'a') + QStringLiteral(" \u2026 ") + QString(1000, u'z');
    QTest::newRow("line breaks") << QStringLiteral("a\r\n\r\nb") << QStringLiteral("a\n\nb");
    QTest::newRow("longest line shown whole") << longest + QStringLiteral("\r\nb") << longest + QStringLiteral("\nb");
    QTest::newRow("one character more: its ends") << QStringLiteral("a\r\n") + tooLong << QStringLiteral("a\n") + ends;
    QTest::newRow("far longer: the same ends") << QString(1000, u'a') + QString(50000, u'm') + QString(1000, u'z')
            + QStringLiteral("\r\nb") << ends + QStringLiteral("\nb");
    QTest::newRow("each line on its own") << longest + QStringLiteral("\r\n") + tooLong + QStringLiteral("\r\n")
            + longest << longest + u'\n' + ends + u'\n' + longest;
}

void TestStartup::messageDisplayText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(Woord::messageDisplayText(text), shown);
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

void TestStartup::trapReactions_data()
{
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<StartupTrap::Reaction>("reaction");

    using R = StartupTrap::Reaction;
    QTest::newRow("53") << ErrorKind::FileNotFound << R::FileNotFound;
    QTest::newRow("75") << ErrorKind::PathFileAccess << R::NextStep;
    QTest::newRow("76") << ErrorKind::PathNotFound << R::NextStep;
    QTest::newRow("424") << ErrorKind::ObjectRequired << R::NextStep;
    QTest::newRow("380") << ErrorKind::InvalidPropertyValue << R::FirstTerm;
    QTest::newRow("50003") << ErrorKind::Unexpected << R::EndSilently;
    QTest::newRow("52") << ErrorKind::BadFileNameOrNumber << R::ReportAndUnload;
    QTest::newRow("62") << ErrorKind::InputPastEnd << R::ReportAndUnload;
    QTest::newRow("6") << ErrorKind::Overflow << R::ReportAndUnload;
}

void TestStartup::trapReactions()
{
    QFETCH(ErrorKind, kind);
    QFETCH(StartupTrap::Reaction, reaction);
    QCOMPARE(StartupTrap::reactionFor(kind), reaction);
}

void TestStartup::messageTexts()
{
    const Message failure = StartupTrap::unforeseenFailure(title, ErrorKind::InputPastEnd);
    QCOMPARE(failure.text, errorDescription(ErrorKind::InputPastEnd) + QStringLiteral(" -- 62"));
    QCOMPARE(failure.icon, MessageIcon::Critical);
    QCOMPARE(failure.title, title);
    const Message report = StartupTrap::reportToMaker();
    QCOMPARE(report.title, QStringLiteral("Woordorakelaar"));
    QCOMPARE(report.icon, MessageIcon::None);
    QCOMPARE(report.text,
             QStringLiteral("Schrijf wat u deed voor de fout zich voordeed en e-mail het naar "
                            "info@wlk-velde.example"));
    // Every kind has a Dutch description of its own.
    QSet<QString> descriptions;
    for (ErrorKind kind :
         {ErrorKind::Overflow, ErrorKind::TypeMismatch, ErrorKind::BadFileNameOrNumber, ErrorKind::FileNotFound,
          ErrorKind::InputPastEnd, ErrorKind::PathFileAccess, ErrorKind::PathNotFound, ErrorKind::InvalidPropertyValue,
          ErrorKind::ObjectRequired, ErrorKind::Unexpected})
        descriptions.insert(errorDescription(kind));
    QCOMPARE(descriptions.size(), 10);
}

// The number of each kind of failure, as the messages show it.
void TestStartup::messagesNameTheErrorNumber_data()
{
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<int>("number");
    QTest::newRow("overflow") << ErrorKind::Overflow << 6;
    QTest::newRow("out of memory") << ErrorKind::OutOfMemory << 7;
    QTest::newRow("type mismatch") << ErrorKind::TypeMismatch << 13;
    QTest::newRow("bad file name or number") << ErrorKind::BadFileNameOrNumber << 52;
    QTest::newRow("file not found") << ErrorKind::FileNotFound << 53;
    QTest::newRow("input past end") << ErrorKind::InputPastEnd << 62;
    QTest::newRow("path/file access") << ErrorKind::PathFileAccess << 75;
    QTest::newRow("path not found") << ErrorKind::PathNotFound << 76;
    QTest::newRow("invalid property value") << ErrorKind::InvalidPropertyValue << 380;
    QTest::newRow("object required") << ErrorKind::ObjectRequired << 424;
    QTest::newRow("unexpected") << ErrorKind::Unexpected << 50003;
}

void TestStartup::messagesNameTheErrorNumber()
{
    QFETCH(ErrorKind, kind);
    QFETCH(int, number);
    QCOMPARE(StartupTrap::unforeseenFailure(title, kind).text,
             errorDescription(kind) + QStringLiteral(" -- ") + QString::number(number));
    QCOMPARE(loadconfigMessage(title, kind).text,
             errorDescription(kind) + QStringLiteral(" - Loadconfig: ") + QString::number(number));
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
    QCOMPARE(f->control<QAbstractItemView>(QStringLiteral("List_Grid"))->currentIndex().row(), 0);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
