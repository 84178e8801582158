#pragma once

#include <QListView>

namespace Woord {

// The term list: rows of equal height that behave as a list box (Home and
// End go to the first and last row, Tab leaves the list, Left and Right do
// nothing). With items of one size the view places its rows by arithmetic,
// so showing a row deep in a list of 32767 costs nothing; screen readers are
// told of a list with one item per term.
class TermListView final : public QListView
{
    Q_OBJECT

public:
    explicit TermListView(QWidget *parent = nullptr);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
};

} // namespace Woord
