// The term list places its rows by arithmetic instead of the list view's
// own layout. Side by side with a plain list view of the same rows, size and
// font, it must agree on every place, scroll position and key move.

#include "ui/mainwindow/termlistview.h"

#include <QListView>
#include <QScrollBar>
#include <QStringListModel>
#include <QTest>

using namespace Woord;

class TestTermListView : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithTheListView_data();
    void agreesWithTheListView();
    void paintsAsTheListView();
    void scrolledBeforeShown_data();
    void scrolledBeforeShown();
    void keysWithoutCurrentRow_data();
    void keysWithoutCurrentRow();
    void emptyList();
};

namespace {

// A list view set up as the term list is, without its own layout left out.
struct Pair {
    QStringListModel model;
    QListView reference;
    TermListView list;

    Pair(int rows, int height, int shownAtRow = -1)
    {
        QStringList terms;
        for (int i = 0; i < rows; ++i)
            terms << QStringLiteral("Begrip %1").arg(i, 5, 10, QLatin1Char('0'));
        model.setStringList(terms);
        reference.setUniformItemSizes(true);
        reference.setWordWrap(false);
        reference.setSelectionMode(QAbstractItemView::SingleSelection);
        reference.setEditTriggers(QAbstractItemView::NoEditTriggers);
        reference.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        reference.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        for (QListView *view : {&reference, static_cast<QListView *>(&list)}) {
            view->setModel(&model);
            view->resize(251, height);
            // The main window picks its row before it is first shown.
            if (shownAtRow >= 0) {
                view->setCurrentIndex(model.index(shownAtRow));
                view->scrollTo(model.index(shownAtRow));
            }
            view->show();
        }
    }

    void expectSame(const char *what) const
    {
        const QScrollBar *a = reference.verticalScrollBar();
        const QScrollBar *b = list.verticalScrollBar();
        QVERIFY2(a->minimum() == b->minimum() && a->maximum() == b->maximum() && a->pageStep() == b->pageStep()
                     && a->value() == b->value(),
                 qPrintable(QStringLiteral("%1: scroll bar %2..%3/%4 at %5, the list view %6..%7/%8 at %9")
                                .arg(QLatin1String(what))
                                .arg(b->minimum())
                                .arg(b->maximum())
                                .arg(b->pageStep())
                                .arg(b->value())
                                .arg(a->minimum())
                                .arg(a->maximum())
                                .arg(a->pageStep())
                                .arg(a->value())));
        QCOMPARE(list.currentIndex().row(), reference.currentIndex().row());
        const int rows = model.rowCount();
        for (int r : {0, 1, rows / 2, rows - 2, rows - 1, a->value(), a->value() + 1, a->value() + a->pageStep()}) {
            if (r < 0 || r >= rows)
                continue;
            QCOMPARE(list.visualRect(model.index(r)), reference.visualRect(model.index(r)));
        }
        for (int y : {-1, 0, 1, 7, 15, 16, 17, reference.viewport()->height() - 1, reference.viewport()->height()})
            for (int x : {-1, 0, 100, reference.viewport()->width() - 1, reference.viewport()->width()})
                QCOMPARE(list.indexAt(QPoint(x, y)), reference.indexAt(QPoint(x, y)));
    }
};

} // namespace

void TestTermListView::agreesWithTheListView_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("height");
    QTest::newRow("fewer rows than fit") << 5 << 386;
    QTest::newRow("one row") << 1 << 386;
    QTest::newRow("two rows, one fits") << 2 << 20;
    QTest::newRow("just more than fit") << 30 << 386;
    QTest::newRow("many rows") << 1250 << 386;
    QTest::newRow("a partial row at the bottom") << 1250 << 390;
    QTest::newRow("the largest glossary") << 32767 << 386;
}

void TestTermListView::agreesWithTheListView()
{
    QFETCH(int, rows);
    QFETCH(int, height);
    Pair pair(rows, height);
    pair.expectSame("shown");
    if (QTest::currentTestFailed())
        return;

    // Going to a row from below, from above and to the ends.
    for (int target : {rows / 2, rows - 1, 0, rows / 3, rows - 2, 3}) {
        if (target < 0 || target >= rows)
            continue;
        for (QListView *view : {&pair.reference, static_cast<QListView *>(&pair.list)}) {
            view->setCurrentIndex(pair.model.index(target));
            view->scrollTo(pair.model.index(target));
        }
        pair.expectSame("scrolled to a row");
        if (QTest::currentTestFailed())
            return;
    }
    for (auto hint :
         {QAbstractItemView::PositionAtTop, QAbstractItemView::PositionAtBottom, QAbstractItemView::PositionAtCenter}) {
        for (int target : {0, 1, rows / 2, rows - 1}) {
            if (target >= rows)
                continue;
            pair.reference.scrollTo(pair.model.index(target), hint);
            pair.list.scrollTo(pair.model.index(target), hint);
            pair.expectSame("scrolled with a hint");
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Keys, one at a time from the middle to past both ends.
    for (QListView *view : {&pair.reference, static_cast<QListView *>(&pair.list)}) {
        view->setCurrentIndex(pair.model.index(rows / 2));
        view->scrollTo(pair.model.index(rows / 2));
    }
    const Qt::Key keys[] = {Qt::Key_Down,   Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Up,       Qt::Key_PageUp,
                            Qt::Key_PageUp, Qt::Key_PageUp,   Qt::Key_End,      Qt::Key_PageDown, Qt::Key_Down,
                            Qt::Key_PageUp, Qt::Key_Home,     Qt::Key_PageUp,   Qt::Key_Up,       Qt::Key_PageDown};
    for (Qt::Key key : keys) {
        QTest::keyClick(&pair.reference, key);
        QTest::keyClick(&pair.list, key);
        pair.expectSame(qPrintable(QKeySequence(key).toString()));
        if (QTest::currentTestFailed())
            return;
    }

    // The scroll bar moved by hand, then a click on a row.
    for (int value : {1, pair.reference.verticalScrollBar()->maximum(), 0}) {
        pair.reference.verticalScrollBar()->setValue(value);
        pair.list.verticalScrollBar()->setValue(value);
        pair.expectSame("scroll bar moved");
        if (QTest::currentTestFailed())
            return;
    }
    const QPoint onRow(40, std::min(height, 16 * rows) - 5);
    QTest::mouseClick(pair.reference.viewport(), Qt::LeftButton, {}, onRow);
    QTest::mouseClick(pair.list.viewport(), Qt::LeftButton, {}, onRow);
    pair.expectSame("clicked");
    QCOMPARE(pair.list.selectionModel()->selectedIndexes(), pair.reference.selectionModel()->selectedIndexes());
}

void TestTermListView::paintsAsTheListView()
{
    Pair pair(1250, 386);
    for (QListView *view : {&pair.reference, static_cast<QListView *>(&pair.list)}) {
        view->setFocus();
        view->setCurrentIndex(pair.model.index(700));
        view->scrollTo(pair.model.index(700));
    }
    QCOMPARE(pair.list.grab().toImage(), pair.reference.grab().toImage());
}

void TestTermListView::scrolledBeforeShown_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("first") << 0;
    QTest::newRow("on the first page") << 20;
    QTest::newRow("middle") << 500;
    QTest::newRow("last") << 1249;
}

void TestTermListView::scrolledBeforeShown()
{
    QFETCH(int, row);
    {
        Pair pair(1250, 386, row);
        pair.expectSame("shown");
        QCOMPARE(pair.list.grab().toImage(), pair.reference.grab().toImage());
    }
    // As in the main window: inside a window that is not shown yet.
    QStringListModel model;
    QStringList terms;
    for (int i = 0; i < 1250; ++i)
        terms << QStringLiteral("Begrip %1").arg(i);
    QWidget referenceWindow;
    QWidget listWindow;
    auto *reference = new QListView(&referenceWindow);
    reference->setUniformItemSizes(true);
    reference->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reference->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    auto *list = new TermListView(&listWindow);
    for (QListView *view : {reference, static_cast<QListView *>(list)}) {
        view->setGeometry(7, 50, 251, 386);
        view->setModel(&model);
        view->ensurePolished();
    }
    // The glossary is loaded into the model the list already shows.
    model.setStringList(terms);
    for (QListView *view : {reference, static_cast<QListView *>(list)}) {
        view->setCurrentIndex(model.index(row));
        view->scrollTo(model.index(row));
        view->window()->show();
    }
    QCOMPARE(list->verticalScrollBar()->value(), reference->verticalScrollBar()->value());
    QCOMPARE(list->grab().toImage(), reference->grab().toImage());
}

void TestTermListView::keysWithoutCurrentRow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("row");
    QTest::newRow("Down") << int(Qt::Key_Down) << 0;
    QTest::newRow("Up") << int(Qt::Key_Up) << 0;
    QTest::newRow("PgDown") << int(Qt::Key_PageDown) << 0;
    QTest::newRow("PgUp") << int(Qt::Key_PageUp) << 0;
    QTest::newRow("Home") << int(Qt::Key_Home) << 0;
    QTest::newRow("End") << int(Qt::Key_End) << 1249;
}

void TestTermListView::keysWithoutCurrentRow()
{
    QFETCH(int, key);
    QFETCH(int, row);
    Pair pair(1250, 386);
    for (QListView *view : {&pair.reference, static_cast<QListView *>(&pair.list)}) {
        view->setCurrentIndex(QModelIndex());
        QTest::keyClick(view, Qt::Key(key));
    }
    // Home and End are the term list's own: first and last row, always.
    QCOMPARE(pair.list.currentIndex().row(), row);
    if (key != Qt::Key_Home && key != Qt::Key_End)
        pair.expectSame("moved without a current row");
}

void TestTermListView::emptyList()
{
    Pair pair(0, 386);
    QCOMPARE(pair.list.verticalScrollBar()->maximum(), 0);
    QVERIFY(!pair.list.indexAt(QPoint(10, 5)).isValid());
    QTest::keyClick(&pair.list, Qt::Key_Down);
    QVERIFY(!pair.list.currentIndex().isValid());
    QCOMPARE(pair.list.grab().toImage(), pair.reference.grab().toImage());
}

QTEST_MAIN(TestTermListView)
#include "tst_termlistview.moc"
