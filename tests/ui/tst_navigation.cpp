#include "core/mainwindow/display.h"
#include "tests/support/mainwindowfixture.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Woord;
using Woord::Test::MainWindowTest;

class TestNavigation : public MainWindowTest
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void listRowClicked();
    void scrollBarMovedAndDragged();
    void arrowKeysInTheList();
    void scrollBarStopsAtItsEnds();
    void ampersandShowsLiterally();
    void emptyGlossary();
    void emptyGlossaryWithAStartIndex();
    void counterText_data();
    void counterText();
    void windowKeepsItsSize();
    void listRowOutsideTheListIsPassedOver();

private:
    void startWith(int entries);
    void goTo(int entry) { f->goTo(entry); }
    // Term, description, counter, scroll bar and list row all show `entry`.
    void expectShowing(int entry, int count = 1250);
};

void TestNavigation::startWith(int entries)
{
    QVERIFY(f->startShown(entries));
}

void TestNavigation::expectShowing(int entry, int count)
{
    QCOMPARE(f->state.CurrRecord, entry);
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->text(),
             QStringLiteral("Begrip %1").arg(entry, 4, 10, QLatin1Char('0')));
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_Beschrijving"))->text(),
             QStringLiteral("Beschrijving van begrip %1").arg(entry));
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_CurrRecord"))->text(),
             QStringLiteral("%1 van %2").arg(entry).arg(count));
    auto *scroll = f->control<QScrollBar>(QStringLiteral("HScroll_Record"));
    QCOMPARE(scroll->value(), entry);
    QCOMPARE(scroll->minimum(), 1);
    QCOMPARE(scroll->maximum(), count);
    QCOMPARE(f->control<QListView>(QStringLiteral("List_Grid"))->currentIndex().row(), entry - 1);
    // The raised look follows the term.
    QCOMPARE(f->control<QLabel>(QStringLiteral("Label2"))->text(),
             f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->text());
    QCOMPARE(f->control<QLabel>(QStringLiteral("Label3"))->text(),
             f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->text());
    // Raised by one pixel: the grey shadow down and to the right, the white
    // highlight up and to the left, both the term's size, the term black.
    auto *term = f->control<QLabel>(QStringLiteral("Lbl_Begrip"));
    auto *shadow = f->control<QLabel>(QStringLiteral("Label3"));
    auto *highlight = f->control<QLabel>(QStringLiteral("Label2"));
    QCOMPARE(shadow->geometry(), term->geometry().translated(1, 1));
    QCOMPARE(highlight->geometry(), term->geometry().translated(-1, -1));
    // The same in a window in the background.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        QCOMPARE(shadow->palette().color(group, QPalette::WindowText), QColor(128, 128, 128));
        QCOMPARE(highlight->palette().color(group, QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(term->palette().color(group, QPalette::WindowText), QColor(Qt::black));
    }
}

void TestNavigation::steps_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("how"); // a function key, or a button's caption
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("beeps"); // and changes nothing

    QTest::newRow("F6 from entry 5") << 1250 << 5 << "F6" << 6 << false;
    QTest::newRow("F5 from entry 6") << 1250 << 6 << "F5" << 5 << false;
    QTest::newRow("< from entry 900") << 1250 << 900 << "<" << 1 << false;
    QTest::newRow("> from entry 900") << 1250 << 900 << ">" << 1250 << false;
    QTest::newRow("F7 from entry 900") << 1250 << 900 << "F7" << 1 << false;
    QTest::newRow("F8 from entry 900") << 1250 << 900 << "F8" << 1250 << false;
    // One step from an end, F7 and F8 still go to the end.
    QTest::newRow("F8 from entry 1249") << 1250 << 1249 << "F8" << 1250 << false;
    QTest::newRow("F7 from entry 2") << 1250 << 2 << "F7" << 1 << false;
    // At either end, or with one entry, a step that would leave beeps.
    QTest::newRow("F5 at the first") << 1250 << 1 << "F5" << 1 << true;
    QTest::newRow("< at the first") << 1250 << 1 << "<" << 1 << true;
    QTest::newRow("F7 at the first") << 1250 << 1 << "F7" << 1 << true;
    QTest::newRow("F6 at the last") << 1250 << 1250 << "F6" << 1250 << true;
    QTest::newRow("> at the last") << 1250 << 1250 << ">" << 1250 << true;
    QTest::newRow("F8 at the last") << 1250 << 1250 << "F8" << 1250 << true;
    for (const char *how : {"F5", "F6", "F7", "F8", "<", ">"})
        QTest::addRow("%s with one entry", how) << 1 << 1 << how << 1 << true;
}

// Every step, by key or button: it shows the entry it goes to everywhere, or
// at an end beeps and changes nothing.
void TestNavigation::steps()
{
    QFETCH(int, entries);
    QFETCH(int, from);
    QFETCH(QString, how);
    QFETCH(int, to);
    QFETCH(bool, beeps);
    startWith(entries);
    goTo(from);
    if (how == u"<")
        QTest::mouseClick(f->control<QPushButton>(QStringLiteral("Knp_EersteRecord")), Qt::LeftButton);
    else if (how == u">")
        QTest::mouseClick(f->control<QPushButton>(QStringLiteral("Knp_LaatsteRecord")), Qt::LeftButton);
    else
        QTest::keyClick(f->window->windowHandle(), Qt::Key(Qt::Key_F1 - 1 + how.mid(1).toInt()));
    expectShowing(to, entries);
    QCOMPARE(f->platform.beeps, beeps ? 1 : 0);
    if (to == 1)
        QCOMPARE(f->control<QScrollBar>(QStringLiteral("HScroll_Record"))->value(),
                 f->control<QScrollBar>(QStringLiteral("HScroll_Record"))->minimum());
}

void TestNavigation::listRowClicked()
{
    startWith(1250);
    goTo(900);
    auto *list = f->control<QListView>(QStringLiteral("List_Grid"));
    const QModelIndex row41 = list->model()->index(41, 0);
    list->scrollTo(row41);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row41).center());
    expectShowing(42);
}

void TestNavigation::scrollBarMovedAndDragged()
{
    startWith(1250);
    goTo(10);
    auto *scroll = f->control<QScrollBar>(QStringLiteral("HScroll_Record"));
    scroll->setValue(300);
    expectShowing(300);

    // While the thumb is dragged nothing follows; on release everything does.
    scroll->setSliderDown(true);
    scroll->setSliderPosition(700);
    QCOMPARE(f->state.CurrRecord, 300);
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_CurrRecord"))->text(), QStringLiteral("300 van 1250"));
    scroll->setSliderDown(false);
    expectShowing(700);
}

void TestNavigation::arrowKeysInTheList()
{
    startWith(1250);
    goTo(20);
    auto *list = f->control<QListView>(QStringLiteral("List_Grid"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    expectShowing(21);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    expectShowing(19);
    // In a list of one column Left and Right move as Up and Down do.
    QTest::keyClick(list, Qt::Key_Right);
    expectShowing(20);
    QTest::keyClick(list, Qt::Key_Left);
    QTest::keyClick(list, Qt::Key_Left);
    expectShowing(18);
    QTest::keyClick(list, Qt::Key_End);
    expectShowing(1250);
    QTest::keyClick(list, Qt::Key_Right);
    expectShowing(1250);
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Left);
    expectShowing(1);
}

void TestNavigation::scrollBarStopsAtItsEnds()
{
    startWith(1250);
    goTo(1);
    auto *scroll = f->control<QScrollBar>(QStringLiteral("HScroll_Record"));
    scroll->triggerAction(QAbstractSlider::SliderSingleStepSub);
    expectShowing(1);
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    expectShowing(2);
    goTo(1250);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    expectShowing(1250);
}

void TestNavigation::ampersandShowsLiterally()
{
    f->writeGlossary(Test::wod({{QStringLiteral("AT&T"), QStringLiteral("R&D en drag & drop")}}));
    QCOMPARE(f->start(), FrmHoofd::LoadOutcome::Show);
    auto *description = f->control<QLabel>(QStringLiteral("Lbl_Beschrijving"));
    QCOMPARE(description->text(), QStringLiteral("R&D en drag & drop"));
    QCOMPARE(description->textFormat(), Qt::PlainText);
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->text(), QStringLiteral("AT&T"));
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->textFormat(), Qt::PlainText);
}

void TestNavigation::emptyGlossary()
{
    startWith(0);
    QVERIFY(f->platform.messages.isEmpty());
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->text(), QString());
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_Beschrijving"))->text(), QString());
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_CurrRecord"))->text(),
             QStringLiteral("Niets aanwezig in deze begrippenlijst."));
    QCOMPARE(f->control<QScrollBar>(QStringLiteral("HScroll_Record"))->value(), 1);
    QCOMPARE(f->control<QListView>(QStringLiteral("List_Grid"))->model()->rowCount(), 0);
    QVERIFY(f->control<QLabel>(QStringLiteral("Label2"))->isHidden());

    f->window->PreviousRecord();
    f->window->NextRecord();
    f->window->FirstRecord();
    f->window->LastRecord();
    f->control<QScrollBar>(QStringLiteral("HScroll_Record"))->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(f->platform.beeps, 4);
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_CurrRecord"))->text(),
             QStringLiteral("Niets aanwezig in deze begrippenlijst."));
}

// The start index an empty glossary's file gives is no entry to go to: every
// step still beeps.
void TestNavigation::emptyGlossaryWithAStartIndex()
{
    QByteArray bytes = Test::wod({});
    QVERIFY(bytes.contains("\r\n0,1\r\n"));
    bytes.replace("\r\n0,1\r\n", "\r\n0,7\r\n");
    f->writeGlossary(bytes);
    QCOMPARE(f->start(), FrmHoofd::LoadOutcome::Show);
    f->window->PreviousRecord();
    f->window->NextRecord();
    f->window->FirstRecord();
    f->window->LastRecord();
    QCOMPARE(f->platform.beeps, 4);
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_CurrRecord"))->text(),
             QStringLiteral("Niets aanwezig in deze begrippenlijst."));
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->text(), QString());
}

void TestNavigation::counterText_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");

    QTest::newRow("7 of 1250") << 7 << 1250 << "7 van 1250";
    QTest::newRow("no digit grouping") << 32767 << 32767 << "32767 van 32767";
    QTest::newRow("one") << 1 << 1 << "1 van 1";
}

void TestNavigation::counterText()
{
    QFETCH(int, current);
    QFETCH(int, count);
    QFETCH(QString, text);

    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    QCOMPARE(Display::counterText(current, count), text);
    QLocale::setDefault(QLocale::c());
}

void TestNavigation::windowKeepsItsSize()
{
    startWith(3);
    FrmHoofd &window = *f->window;
    const QSize size = window.size();
    QCOMPARE(window.minimumSize(), window.maximumSize());
    window.resize(size + QSize(200, 100));
    QCOMPARE(window.size(), size);
    window.showMinimized();
    window.showNormal();
    QCOMPARE(window.size(), size);
    QVERIFY(f->platform.messages.isEmpty());
}

// An entry number the list has no row for leaves the list's row as it was.
void TestNavigation::listRowOutsideTheListIsPassedOver()
{
    startWith(1250);
    goTo(5);
    auto *list = f->control<QListView>(QStringLiteral("List_Grid"));
    for (int entry : {0, -3, 1251, 32769}) {
        f->state.CurrRecord = entry;
        f->window->SyncListIndex();
        QCOMPARE(list->currentIndex().row(), 4);
    }
    f->state.CurrRecord = 1250;
    f->window->SyncListIndex();
    QCOMPARE(list->currentIndex().row(), 1249);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
