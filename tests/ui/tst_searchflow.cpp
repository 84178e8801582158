#include "tests/support/mainwindowfixture.h"
#include "ui/search/frmzoek.h"

#include <QLabel>
#include <QListView>
#include <QScrollBar>

using namespace Woord;
using Woord::Test::Entry;
using Woord::Test::MainWindowFixture;

namespace {

const QList<Entry> glossary = {
    {QStringLiteral("Internet"), QStringLiteral("Wereldwijd stelsel van computers.")},
    {QStringLiteral("Netwerk"), QStringLiteral("Verbonden computers.")},
    {QStringLiteral("Pixel"), QStringLiteral("Beeldpunt.")},
    {QStringLiteral("Router"), QStringLiteral("Stuurt pakketten door.")},
    {QStringLiteral("Server"), QStringLiteral("Levert diensten aan andere computers.")},
};

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
    // Sets how the search dialog will answer: with `text` by "&Zoek eerste"
    // (fromStart) or "Zoek &volgende", or by cancelling.
    void answer(const QString &text, bool fromStart)
    {
        f->dialogs.searchAnswers.append(SearchRequest{fromStart, text});
    }
    void cancel() { f->dialogs.searchAnswers.append(std::nullopt); }
    int asked() const { return int(f->dialogs.shown.count(QStringLiteral("search"))); }
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
    QCOMPARE(f->control<QListView>(QStringLiteral("List_Grid"))->currentIndex().row(), entry - 1);
}

void TestSearchFlow::internetAndNetwerkToTheEnd()
{
    answer(QStringLiteral("net"), true);
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
    QCOMPARE(asked(), 1);
    cancel();
    press(Qt::Key_F3);
    QCOMPARE(asked(), 2);
    expectCurrent(2);
}

void TestSearchFlow::descriptionOnlyHit()
{
    answer(QStringLiteral("PAKKETTEN"), true);
    press(Qt::Key_F3); // no search under way: F3 asks
    expectCurrent(4);
    QVERIFY(f->platform.messages.isEmpty());
}

void TestSearchFlow::lastEntryAndF3()
{
    answer(QStringLiteral("computers"), true);
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
    answer(QStringLiteral("computers"), false);
    press(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    expectCurrent(5);
    // ... and "Zoek eerste" from entry 1.
    answer(QStringLiteral("computers"), true);
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
}

void TestSearchFlow::cancelKeepsTheOldSearch()
{
    answer(QStringLiteral("net"), true);
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
    cancel();
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
    press(Qt::Key_F3); // the old text, from the entry after the current one
    expectCurrent(2);
}

void TestSearchFlow::emptyTextEndsTheSearch()
{
    answer(QStringLiteral("net"), true);
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
    answer(QString(), true);
    press(Qt::Key_F, Qt::ControlModifier);
    expectCurrent(1);
    cancel();
    press(Qt::Key_F3);
    QCOMPARE(asked(), 3);
    QVERIFY(f->platform.messages.isEmpty());
}

QTEST_MAIN(TestSearchFlow)
#include "tst_searchflow.moc"
