#include "tests/support/mainwindowfixture.h"
#include "tests/support/modal.h"
#include "ui/search/frmzoek.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace Woord;
using Woord::Test::Entry;
using Woord::Test::MainWindowFixture;
using Woord::Test::whenModalOpens;

namespace {

const QList<Entry> glossary = {
    {QStringLiteral("Internet"), QStringLiteral("Wereldwijd stelsel van computers.")},
    {QStringLiteral("Netwerk"), QStringLiteral("Verbonden computers.")},
    {QStringLiteral("Pixel"), QStringLiteral("Beeldpunt.")},
    {QStringLiteral("Router"), QStringLiteral("Stuurt pakketten door.")},
    {QStringLiteral("Server"), QStringLiteral("Levert diensten aan andere computers.")},
};

// Answers the search dialog: types `text` and presses the button named
// `button`, or cancels when `button` is empty.
void answer(const QString &text, const QString &button)
{
    whenModalOpens<FrmZoek>([text, button](FrmZoek *dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("txtFindWhat")), text);
        if (button.isEmpty())
            dialog->reject();
        else
            dialog->findChild<QPushButton *>(button)->click();
    });
}

} // namespace

class TestSearchFlow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void internetAndNetwerkToTheEnd();
    void descriptionOnlyHit();
    void lastEntryAndF3();
    void findNextVersusFindFirst();
    void cancelKeepsTheOldSearch();
    void emptyTextEndsTheSearch();

private:
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    void expectCurrent(int entry);

    std::unique_ptr<MainWindowFixture> f;
    const QString notFound = QStringLiteral("Het gezochte -- net -- komt niet meer voor.");
};

void TestSearchFlow::init()
{
    f = std::make_unique<MainWindowFixture>();
    f->writeGlossary(Test::wod(glossary));
    QCOMPARE(f->start(), FrmHoofd::LoadOutcome::Show);
    f->window->show();
    QApplication::setActiveWindow(f->window.get());
    QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
    f->state.CurrRecord = 3;
    f->window->ShowRecord();
    f->window->SyncListIndex();
}

void TestSearchFlow::cleanup()
{
    f.reset();
}

void TestSearchFlow::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(f->window->windowHandle(), key, modifiers);
}

void TestSearchFlow::expectCurrent(int entry)
{
    QCOMPARE(f->state.CurrRecord, entry);
    QCOMPARE(f->control<QLabel>(QStringLiteral("Lbl_Begrip"))->text(), glossary.at(entry - 1).term);
    // The list and the scroll bar follow through ShowRecord alone.
    QCOMPARE(f->control<QScrollBar>(QStringLiteral("HScroll_Record"))->value(), entry);
    QCOMPARE(f->control<QAbstractItemView>(QStringLiteral("List_Grid"))->currentIndex().row(), entry - 1);
}

void TestSearchFlow::internetAndNetwerkToTheEnd()
{
    answer(QStringLiteral("net"), QStringLiteral("cmdFindFirst"));
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
    press(Qt::Key_F3);
    expectCurrent(2);
    press(Qt::Key_F3);
    expectCurrent(2);
    QCOMPARE(f->platform.messages.size(), 1);
    QCOMPARE(f->platform.messages.first().text, notFound);
    QCOMPARE(f->platform.messages.first().icon, MessageIcon::Information);
    QCOMPARE(f->platform.messages.first().title, QStringLiteral("Woordorakelaar v1.0"));

    // The text is forgotten: F3 asks again.
    bool asked = false;
    whenModalOpens<FrmZoek>([&asked](FrmZoek *dialog) {
        asked = true;
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("txtFindWhat"))->text(), QString());
        dialog->reject();
    });
    press(Qt::Key_F3);
    QVERIFY(asked);
    expectCurrent(2);
}

void TestSearchFlow::descriptionOnlyHit()
{
    answer(QStringLiteral("PAKKETTEN"), QStringLiteral("cmdFindFirst"));
    press(Qt::Key_F3); // no search under way: F3 asks
    expectCurrent(4);
    QVERIFY(f->platform.messages.isEmpty());
}

void TestSearchFlow::lastEntryAndF3()
{
    answer(QStringLiteral("computers"), QStringLiteral("cmdFindFirst"));
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
    f->window->LastRecord();
    expectCurrent(5);
    press(Qt::Key_F3);
    expectCurrent(5);
    QCOMPARE(f->platform.messages.size(), 1);
    QCOMPARE(f->platform.messages.first().text, QStringLiteral("Het gezochte -- computers -- komt niet meer voor."));
}

void TestSearchFlow::findNextVersusFindFirst()
{
    // From entry 3, "Zoek volgende" looks from entry 4 on ...
    answer(QStringLiteral("computers"), QStringLiteral("cmdFindNext"));
    press(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    expectCurrent(5);
    // ... and "Zoek eerste" from entry 1.
    answer(QStringLiteral("computers"), QStringLiteral("cmdFindFirst"));
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
}

void TestSearchFlow::cancelKeepsTheOldSearch()
{
    answer(QStringLiteral("net"), QStringLiteral("cmdFindFirst"));
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
    answer(QStringLiteral("pixel"), QString());
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
    press(Qt::Key_F3); // the old text, from the entry after the current one
    expectCurrent(2);
}

void TestSearchFlow::emptyTextEndsTheSearch()
{
    answer(QStringLiteral("net"), QStringLiteral("cmdFindFirst"));
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
    answer(QString(), QStringLiteral("cmdFindFirst"));
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
    bool asked = false;
    whenModalOpens<FrmZoek>([&asked](FrmZoek *dialog) {
        asked = true;
        dialog->reject();
    });
    press(Qt::Key_F3);
    QVERIFY(asked);
    QVERIFY(f->platform.messages.isEmpty());
}

QTEST_MAIN(TestSearchFlow)
#include "tst_searchflow.moc"
