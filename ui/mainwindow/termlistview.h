#pragma once

#include <QListView>
#include <QPersistentModelIndex>

namespace Woord {

// The term list: rows of equal height that behave as a list box (Home and
// End go to the first and last row, Tab leaves the list, Left and Right move
// as Up and Down); screen readers are told of a list with one item per term.
//
// Its rows are placed by arithmetic: row r lies at r times the row height.
// The list view's own layout walks every row once whenever it is laid out
// (32767 rows cost more than the rest of the window's start-up), so this
// view leaves that layout out and answers every question about places
// (where a row is, which row is at a point, scrolling, painting, moving the
// current row) from the row height alone, the same as the list view does
// for rows of one size that do not wrap.
class TermListView final : public QListView
{
    Q_OBJECT

public:
    explicit TermListView(QWidget *parent = nullptr);

    QRect visualRect(const QModelIndex &index) const override;
    QModelIndex indexAt(const QPoint &point) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    // Where a row lies in the content, without the scrolling.
    QRect rowRect(const QModelIndex &index) const;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    void paintEvent(QPaintEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int rows() const;
    // The size of every row, that of the last one as the list view takes
    // it; cached until the next layout.
    QSize itemSize() const;
    int rowHeight() const { return itemSize().height(); }
    // The rows wholly or partly in `area`, in content co-ordinates; an empty
    // range (first > last) when there are none.
    std::pair<int, int> rowsIn(const QRect &area) const;
    QModelIndex row(int r) const;

    mutable QSize m_itemSize;
    QPersistentModelIndex m_hover;
};

} // namespace Woord
