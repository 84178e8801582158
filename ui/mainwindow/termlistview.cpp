#include "ui/mainwindow/termlistview.h"

namespace Woord {

TermListView::TermListView(QWidget *parent)
    : QListView(parent)
{
    setUniformItemSizes(true);
    setWordWrap(false);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerItem);
}

QModelIndex TermListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (cursorAction == MoveLeft)
        cursorAction = MoveUp;
    else if (cursorAction == MoveRight)
        cursorAction = MoveDown;
    return QListView::moveCursor(cursorAction, modifiers);
}

} // namespace Woord
