#include "core/mainwindow/greeting.h"
#include "tests/support/mainwindowfixture.h"

#include <QLabel>
#include <QListView>
#include <QTest>

using namespace Woord;
using Woord::Test::MainWindowTest;

// The time-of-day greeting: its table of hours and where the status line
// shows it.
class TestGreeting : public MainWindowTest
{
    Q_OBJECT

private slots:
    void greetingBoundaries_data();
    void greetingBoundaries();
    void greetingWithoutCompanyName();
    void bareWindowGreets();

private:
    void start();
};

void TestGreeting::start()
{
    QVERIFY(f->startShown(1250));
    f->goTo(500);
}

void TestGreeting::bareWindowGreets()
{
    start();
    f->platform.time = QTime(20, 15);
    f->moveOver(f->control<QListView>(QStringLiteral("List_Grid"))->viewport());
    QCOMPARE(f->status(), QStringLiteral("Volledig alfabetisch overzicht van alle begrippen"));
    QWidget *surface = f->window->centralWidget();
    // Beside the list, where nothing lies but the window itself.
    f->moveOver(surface, QPoint(261, 300));
    QCOMPARE(f->status(), QStringLiteral("WLK-Velde wenst u een goede avond"));
    // Worked out afresh at every movement.
    f->platform.time = QTime(8, 0);
    f->moveOver(surface, QPoint(261, 310));
    QCOMPARE(f->status(), QStringLiteral("WLK-Velde wenst u een goede morgen"));
    // The lines and the tip's shapes are bare window too.
    f->moveOver(f->control<QLabel>(QStringLiteral("Lbl_CurrRecord")));
    f->platform.time = QTime(23, 0);
    const QWidget *line = f->control<QWidget>(QStringLiteral("Line3"));
    f->moveOver(surface, line->geometry().center());
    QCOMPARE(f->status(), QStringLiteral("WLK-Velde wenst u een goede avond"));
    f->moveOver(f->control<QLabel>(QStringLiteral("Lbl_CurrRecord")));
    f->moveOver(surface, QPoint(637, 490)); // the tip's grey shadow, beside the yellow box
    QCOMPARE(f->status(), QStringLiteral("WLK-Velde wenst u een goede avond"));
}

void TestGreeting::greetingBoundaries_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("wish");

    QTest::newRow("00:00") << QTime(0, 0) << " wenst u een goede nacht";
    QTest::newRow("05:59") << QTime(5, 59) << " wenst u een goede nacht";
    QTest::newRow("06:00") << QTime(6, 0) << " wenst u een goede morgen";
    QTest::newRow("09:59") << QTime(9, 59) << " wenst u een goede morgen";
    QTest::newRow("10:00") << QTime(10, 0) << " wenst u een goede voormiddag";
    QTest::newRow("11:59") << QTime(11, 59) << " wenst u een goede voormiddag";
    QTest::newRow("12:00") << QTime(12, 0) << " wenst u een goede middag";
    QTest::newRow("13:59") << QTime(13, 59) << " wenst u een goede middag";
    QTest::newRow("14:00") << QTime(14, 0) << " wenst u een goede namiddag";
    QTest::newRow("17:59") << QTime(17, 59) << " wenst u een goede namiddag";
    QTest::newRow("18:00") << QTime(18, 0) << " wenst u een goede avond";
    QTest::newRow("23:59") << QTime(23, 59) << " wenst u een goede avond";
}

void TestGreeting::greetingBoundaries()
{
    QFETCH(QTime, time);
    QFETCH(QString, wish);

    QCOMPARE(Greeting::suffix(time.hour()), std::optional<QString>(wish));
    start();
    f->platform.time = time;
    f->window->ShowGreeting();
    QCOMPARE(f->status(), QStringLiteral("WLK-Velde") + wish);
    // The maker's name is read with the other facts, once, at start-up.
    f->window->ShowGreeting();
    QCOMPARE(f->platform.factsReads, 1);
}

void TestGreeting::greetingWithoutCompanyName()
{
    QCOMPARE(Greeting::ShowGreetingText(QString(), 7),
             std::optional<QString>(QStringLiteral(" wenst u een goede morgen")));
    QCOMPARE(Greeting::suffix(24), std::nullopt);
    QCOMPARE(Greeting::suffix(-1), std::nullopt);
    // An hour that is no hour of the day gives no greeting at all.
    QCOMPARE(Greeting::ShowGreetingText(QStringLiteral("WLK-Velde"), 24), std::nullopt);
    QCOMPARE(Greeting::ShowGreetingText(QStringLiteral("WLK-Velde"), -1), std::nullopt);
}

QTEST_MAIN(TestGreeting)
#include "tst_greeting.moc"
