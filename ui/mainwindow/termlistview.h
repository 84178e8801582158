#pragma once

#include <QListView>

namespace Woord {

// The term list: a list view of rows of one height in one column, in which
// Left and Right move as Up and Down do, as in a list box.
class TermListView final : public QListView
{
    Q_OBJECT

public:
    explicit TermListView(QWidget *parent = nullptr);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
};

} // namespace Woord
