#include "mainwindow/termlistview.h"

#include <QEvent>
#include <QHeaderView>

namespace Woord {

TermListView::TermListView(QWidget *parent)
    : QTableView(parent)
{
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabKeyNavigation(false);
    fitRowHeight();
}

void TermListView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    fitRowHeight();
}

QModelIndex TermListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    switch (cursorAction) {
    case MoveHome:
        return rows > 0 ? model()->index(0, 0, rootIndex()) : QModelIndex();
    case MoveEnd:
        return rows > 0 ? model()->index(rows - 1, 0, rootIndex()) : QModelIndex();
    case MoveLeft:
    case MoveRight:
    case MoveNext:
    case MovePrevious:
        return currentIndex();
    default:
        return QTableView::moveCursor(cursorAction, modifiers);
    }
}

void TermListView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRowHeight();
}

void TermListView::fitRowHeight()
{
    const int height = fontMetrics().height();
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
}

} // namespace Woord
