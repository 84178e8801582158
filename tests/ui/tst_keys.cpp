#include "core/mainwindow/statushelp.h"
#include "tests/support/mainwindowfixture.h"
#include "ui/search/frmzoek.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

using namespace Woord;
using Woord::Test::MainWindowTest;

class TestKeys : public MainWindowTest
{
    Q_OBJECT

private slots:
    void functionKeysWhereverTheFocusIs_data();
    void functionKeysWhereverTheFocusIs();
    void keysGoOnToTheFocusedControl();
    void ctrlFOpensTheSearch_data();
    void ctrlFOpensTheSearch();
    void altF4EndsThroughTheShutDown();
    void f4WithoutAltDoesNothing();
    void f1OpensTheHelpOnce();

    void statusTexts_data();
    void statusTexts();
    void otherControlsKeepTheText();
    void statusBeforeAnyMovement();

private:
    void start(int entries = 1250);
    QString status() const { return f->status(); }
};

void TestKeys::start(int entries)
{
    QVERIFY(f->startShown(entries));
    f->goTo(500);
}

void TestKeys::functionKeysWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("entry");

    const int shift = Qt::ShiftModifier;
    for (const QString &focus :
         {QStringLiteral("List_Grid"), QStringLiteral("HScroll_Record"), QStringLiteral("Knp_EersteRecord")}) {
        const QByteArray in = " in " + focus.toLatin1();
        QTest::newRow("F5" + in) << focus << int(Qt::Key_F5) << 0 << 499;
        QTest::newRow("Shift+F5" + in) << focus << int(Qt::Key_F5) << shift << 499;
        QTest::newRow("F6" + in) << focus << int(Qt::Key_F6) << 0 << 501;
        QTest::newRow("Ctrl+Alt+F6" + in)
            << focus << int(Qt::Key_F6) << int(Qt::ControlModifier | Qt::AltModifier) << 501;
        QTest::newRow("F7" + in) << focus << int(Qt::Key_F7) << 0 << 1;
        QTest::newRow("F8" + in) << focus << int(Qt::Key_F8) << shift << 1250;
    }
}

void TestKeys::functionKeysWhereverTheFocusIs()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, entry);

    start();
    QWidget *control = f->control<QWidget>(focus);
    control->setFocus();
    QCOMPARE(QApplication::focusWidget(), control);
    QTest::keyClick(f->window->windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f->state.CurrRecord, entry);
    QCOMPARE(f->control<QListView>(QStringLiteral("List_Grid"))->currentIndex().row(), entry - 1);
    QCOMPARE(f->control<QScrollBar>(QStringLiteral("HScroll_Record"))->value(), entry);
    QCOMPARE(f->platform.beeps, 0);
}

void TestKeys::keysGoOnToTheFocusedControl()
{
    start();
    auto *list = f->control<QListView>(QStringLiteral("List_Grid"));
    list->setFocus();
    // F alone is no shortcut: the list takes it and jumps to a term with F...
    // none here, so nothing changes; Down is the list's own key.
    QWindow *window = f->window->windowHandle();
    QTest::keyClick(window, Qt::Key_F);
    QCOMPARE(f->state.CurrRecord, 500);
    QTest::keyClick(window, Qt::Key_Down);
    QCOMPARE(f->state.CurrRecord, 501);
    // F8 is seen by the window first and then reaches the list, whose own End
    // key would have done the same; F5 then steps back from the last entry.
    QTest::keyClick(window, Qt::Key_F8);
    QCOMPARE(f->state.CurrRecord, 1250);
    QTest::keyClick(window, Qt::Key_F5);
    QCOMPARE(f->state.CurrRecord, 1249);
    QCOMPARE(QApplication::focusWidget(), list);
}

void TestKeys::ctrlFOpensTheSearch_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+F") << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+Shift+F") << int(Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("Ctrl+Alt+F") << int(Qt::ControlModifier | Qt::AltModifier);
}

void TestKeys::ctrlFOpensTheSearch()
{
    QFETCH(int, modifiers);
    start();
    f->dialogs.searchAnswers.append(SearchRequest{true, QStringLiteral("begrip 0042")});
    f->control<QListView>(QStringLiteral("List_Grid"))->setFocus();
    QTest::keyClick(f->window->windowHandle(), Qt::Key_F, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f->dialogs.shown, QStringList{QStringLiteral("search")});
    QCOMPARE(f->state.CurrRecord, 42);
}

void TestKeys::altF4EndsThroughTheShutDown()
{
    start();
    QTest::keyClick(f->window->windowHandle(), Qt::Key_F4, Qt::AltModifier);
    QVERIFY(!f->window->isVisible());
    QCOMPARE(f->platform.store.commits, 1);
    QCOMPARE(f->platform.store.stored.value(QStringLiteral("gebruik")), QStringLiteral("2"));
}

void TestKeys::f4WithoutAltDoesNothing()
{
    start();
    QTest::keyClick(f->window->windowHandle(), Qt::Key_F4);
    QTest::keyClick(f->window->windowHandle(), Qt::Key_F4, Qt::ControlModifier);
    QVERIFY(f->window->isVisible());
    QCOMPARE(f->platform.store.commits, 0);
    QCOMPARE(f->state.CurrRecord, 500);
}

void TestKeys::f1OpensTheHelpOnce()
{
    start();
    // No help file in the program folder: the message, exactly once.
    QTest::keyClick(f->window->windowHandle(), Qt::Key_F1);
    QCOMPARE(f->platform.messages.size(), 1);
    QCOMPARE(f->platform.opened.size(), 0);

    // With the file there, the shell gets it, once, and no message comes.
    QFile help(f->folder.filePath(QStringLiteral("woordorakelaar.htm")));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.write("<html></html>");
    help.close();
    QTest::keyClick(f->window->windowHandle(), Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(f->platform.opened, QStringList{f->state.DataMap + QStringLiteral("woordorakelaar.htm")});
    QCOMPARE(f->platform.messages.size(), 1);
}

void TestKeys::statusTexts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    for (const StatusHelp::Entry &entry : StatusHelp::texts)
        QTest::newRow(qPrintable(QString::fromUtf16(entry.control)))
            << QString::fromUtf16(entry.control) << QString::fromUtf16(entry.text);
}

// Every row of the status table is applied: the mouse over the control puts
// its text in the status line.
void TestKeys::statusTexts()
{
    QFETCH(QString, control);
    QFETCH(QString, text);

    start();
    QWidget *widget = f->control<QWidget>(control);
    if (auto *list = qobject_cast<QAbstractItemView *>(widget))
        widget = list->viewport();
    f->moveOver(widget, widget->rect().topLeft() + QPoint(3, 3));
    QCOMPARE(status(), text);
}

void TestKeys::otherControlsKeepTheText()
{
    start();
    f->moveOver(f->control<QListView>(QStringLiteral("List_Grid"))->viewport());
    const QString listText = QStringLiteral("Volledig alfabetisch overzicht van alle begrippen");
    QCOMPARE(status(), listText);
    for (const QString &name : {QStringLiteral("HScroll_Record"), QStringLiteral("Frame1"),
                                QStringLiteral("Lbl_Beschrijving_Achtergrond"), QStringLiteral("Lbl_StatusHelp")}) {
        QWidget *widget = f->control<QWidget>(name);
        QPoint at = widget->rect().center();
        if (name == QStringLiteral("Frame1"))
            at = QPoint(2, 2);
        if (name == QStringLiteral("Lbl_Beschrijving_Achtergrond"))
            at = QPoint(widget->width() - 3, widget->height() - 3); // below the description's own label
        f->moveOver(widget, at);
        QVERIFY2(status() == listText, qPrintable(name + QStringLiteral(": ") + status()));
    }
}

void TestKeys::statusBeforeAnyMovement()
{
    start();
    QCOMPARE(status(), QStringLiteral("Woordorakelaar v1.0"));
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
