#include "mainwindow/termlistview.h"

namespace Woord {

TermListView::TermListView(QWidget *parent)
    : QListView(parent)
{
    setUniformItemSizes(true);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabKeyNavigation(false);
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
        return QListView::moveCursor(cursorAction, modifiers);
    }
}

} // namespace Woord
