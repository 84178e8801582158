#pragma once

#include <QTableView>

namespace Woord {

// The term list: one column of rows of equal height, without headers or
// grid, that behaves as a list box (Home and End go to the first and last
// row, Tab leaves the list). A table view places its rows by arithmetic, so
// showing a row deep in a list of 32767 costs nothing.
class TermListView final : public QTableView
{
    Q_OBJECT

public:
    explicit TermListView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void changeEvent(QEvent *event) override;

private:
    void fitRowHeight();
};

} // namespace Woord
