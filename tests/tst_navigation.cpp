#include "core/mainwindow/display.h"
#include "tests/support/mainwindowfixture.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Woord;
using Woord::Test::MainWindowTest;

class TestNavigation : public MainWindowTest
{
    Q_OBJECT

private slots:
    void nextFromEntryFive();
    void listRowClicked();
    void scrollBarMovedAndDragged();
    void firstAndLastFromTheMiddle();
    void firstAndLastFromBesideTheEnds();
    void beepsAtBothEnds();
    void everyStepBeepsWithOneEntry();
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
    QCOMPARE(f->control<QAbstractItemView>(QStringLiteral("List_Grid"))->currentIndex().row(), entry - 1);
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

void TestNavigation::nextFromEntryFive()
{
    startWith(1250);
    goTo(5);
    expectShowing(5);
    f->window->NextRecord();
    expectShowing(6);
    f->window->PreviousRecord();
    expectShowing(5);
    QCOMPARE(f->platform.beeps, 0);
}

void TestNavigation::listRowClicked()
{
    startWith(1250);
    goTo(900);
    auto *list = f->control<QAbstractItemView>(QStringLiteral("List_Grid"));
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

void TestNavigation::firstAndLastFromTheMiddle()
{
    startWith(1250);
    goTo(900);
    QTest::mouseClick(f->control<QPushButton>(QStringLiteral("Knp_EersteRecord")), Qt::LeftButton);
    expectShowing(1);
    QCOMPARE(f->control<QScrollBar>(QStringLiteral("HScroll_Record"))->value(),
             f->control<QScrollBar>(QStringLiteral("HScroll_Record"))->minimum());
    QTest::mouseClick(f->control<QPushButton>(QStringLiteral("Knp_LaatsteRecord")), Qt::LeftButton);
    expectShowing(1250);
    f->window->FirstRecord();
    expectShowing(1);
    f->window->LastRecord();
    expectShowing(1250);
    QCOMPARE(f->platform.beeps, 0);
}

// One step from an end, F7 and F8 still go to the end without a beep.
void TestNavigation::firstAndLastFromBesideTheEnds()
{
    startWith(1250);
    goTo(1249);
    QTest::keyClick(f->window->windowHandle(), Qt::Key_F8);
    expectShowing(1250);
    goTo(2);
    QTest::keyClick(f->window->windowHandle(), Qt::Key_F7);
    expectShowing(1);
    QCOMPARE(f->platform.beeps, 0);
}

void TestNavigation::beepsAtBothEnds()
{
    startWith(1250);
    goTo(1);
    f->window->PreviousRecord();
    QTest::mouseClick(f->control<QPushButton>(QStringLiteral("Knp_EersteRecord")), Qt::LeftButton);
    QCOMPARE(f->platform.beeps, 2);
    expectShowing(1);

    goTo(1250);
    f->window->NextRecord();
    QTest::mouseClick(f->control<QPushButton>(QStringLiteral("Knp_LaatsteRecord")), Qt::LeftButton);
    QCOMPARE(f->platform.beeps, 4);
    expectShowing(1250);
}

void TestNavigation::everyStepBeepsWithOneEntry()
{
    startWith(1);
    expectShowing(1, 1);
    f->window->PreviousRecord();
    f->window->NextRecord();
    f->window->FirstRecord();
    f->window->LastRecord();
    QCOMPARE(f->platform.beeps, 4);
    expectShowing(1, 1);
}

void TestNavigation::arrowKeysInTheList()
{
    startWith(1250);
    goTo(20);
    auto *list = f->control<QAbstractItemView>(QStringLiteral("List_Grid"));
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
    QCOMPARE(f->control<QAbstractItemView>(QStringLiteral("List_Grid"))->model()->rowCount(), 0);
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
    auto *list = f->control<QAbstractItemView>(QStringLiteral("List_Grid"));
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
