#include "ui/mainwindow/termlistview.h"

#include <QEvent>
#include <QHoverEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>

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
    // Scrolling a row at a time is what the arithmetic below describes; set
    // here so that no style chooses scrolling by pixels instead.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

int TermListView::rows() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

QModelIndex TermListView::row(int r) const
{
    return model()->index(r, modelColumn(), rootIndex());
}

QSize TermListView::itemSize() const
{
    if (!m_itemSize.isValid()) {
        const int count = rows();
        if (count <= 0)
            return {};
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex sample = row(count - 1);
        const QAbstractItemDelegate *delegate = itemDelegateForIndex(sample);
        m_itemSize = delegate ? delegate->sizeHint(option, sample) : QSize();
    }
    return m_itemSize;
}

std::pair<int, int> TermListView::rowsIn(const QRect &area) const
{
    const int height = rowHeight();
    const int count = rows();
    if (height <= 0 || count <= 0 || area.bottom() < 0 || area.top() > area.bottom())
        return {0, -1};
    const int first = std::max(0, area.top() / height);
    const int last = std::min(count - 1, area.bottom() / height);
    return {first, last};
}

void TermListView::doItemsLayout()
{
    m_itemSize = QSize();
    // The list view's own layout is left out: updates the scroll bars and
    // repaints.
    QAbstractItemView::doItemsLayout();
}

QRect TermListView::rowRect(const QModelIndex &index) const
{
    // A layout still waiting is done first, as the list view does: the
    // scroll bar's range must be known before a row is scrolled to, even
    // while the list is not yet shown.
    const_cast<TermListView *>(this)->executeDelayedItemsLayout();
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() || index.column() != modelColumn()
        || index.row() >= rows())
        return {};
    const QSize size = itemSize();
    return QRect(QPoint(0, index.row() * size.height()), size);
}

QRect TermListView::visualRect(const QModelIndex &index) const
{
    QRect rect = rowRect(index);
    if (!rect.isValid())
        return rect;
    // A row is as wide as the list, but never narrower than its text.
    rect.setWidth(std::max(rect.width(), viewport()->width()));
    return rect.translated(-horizontalOffset(), -verticalOffset());
}

QModelIndex TermListView::indexAt(const QPoint &point) const
{
    const auto [first, last] = rowsIn(QRect(point.x() + horizontalOffset(), point.y() + verticalOffset(), 1, 1));
    if (first > last)
        return {};
    const QModelIndex index = row(last);
    return visualRect(index).contains(point) ? index : QModelIndex();
}

int TermListView::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int TermListView::verticalOffset() const
{
    return verticalScrollBar()->value() * rowHeight();
}

void TermListView::scrollContentsBy(int dx, int dy)
{
    // The vertical scroll bar counts rows.
    QAbstractItemView::scrollContentsBy(dx, dy * rowHeight());
}

void TermListView::updateGeometries()
{
    const int count = rows();
    const int height = rowHeight();
    horizontalScrollBar()->setRange(0, 0);
    if (geometry().isEmpty() || count <= 0 || height <= 0) {
        verticalScrollBar()->setRange(0, 0);
    } else {
        // As many whole rows as fit make a page, and the scroll bar stops
        // where the last row is in view; the list view counts one step more
        // than there are rows, and that is kept.
        const int viewportHeight = viewport()->height();
        const int pageSteps = qint64(count) * height <= viewportHeight ? count + 1 : viewportHeight / height;
        verticalScrollBar()->setSingleStep(1);
        verticalScrollBar()->setPageStep(pageSteps);
        verticalScrollBar()->setRange(0, std::max(0, count - pageSteps));
    }
    QAbstractItemView::updateGeometries();
    // Shows or hides the scroll bar now rather than at the next turn of the
    // event loop, so that the rows' width is right at once, as the list
    // view's own layout does.
    setViewportMargins(viewportMargins());
}

void TermListView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = viewport()->rect();
    if (hint == EnsureVisible && area.contains(rect)) {
        viewport()->update(rect);
        return;
    }
    if (hint == EnsureVisible) {
        if (rect.top() < area.top())
            hint = PositionAtTop;
        else if (rect.bottom() > area.bottom())
            hint = PositionAtBottom;
        else
            return;
    }
    // The rows that fit in the list with this one at the bottom, itself included.
    const int r = index.row();
    const int height = rowHeight();
    const int fit = height > 0 ? std::min(r + 1, std::max(1, area.height() / height)) : r + 1;
    int value = verticalScrollBar()->value();
    switch (hint) {
    case PositionAtTop:
        value = r;
        break;
    case PositionAtBottom:
        value = r - fit + 1;
        break;
    case PositionAtCenter:
        value = r - fit / 2;
        break;
    case EnsureVisible:
        break;
    }
    verticalScrollBar()->setValue(value);
}

void TermListView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    const auto [first, last] = rowsIn(rect.normalized().translated(horizontalOffset(), verticalOffset()));
    QItemSelection selection;
    if (first <= last) {
        // A click selects the one row under it; a drag every row it spans.
        const int top = rect.width() == 1 && rect.height() == 1 ? last : first;
        selection.select(row(top), row(last));
    }
    selectionModel()->select(selection, command);
}

QModelIndex TermListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    Q_UNUSED(modifiers);
    const int count = rows();
    const QModelIndex current = currentIndex();
    switch (cursorAction) {
    case MoveHome:
        return count > 0 ? row(0) : QModelIndex();
    case MoveEnd:
        return count > 0 ? row(count - 1) : QModelIndex();
    case MoveNext:
    case MovePrevious:
        return current;
    case MoveLeft:
    case MoveRight:
    case MoveUp:
    case MoveDown:
    case MovePageUp:
    case MovePageDown:
        break;
    }
    // Up, Down and the page keys as the list view moves.
    if (count <= 0)
        return {};
    if (!current.isValid())
        return row(0);
    const int r = current.row();
    // A page is the whole rows that fit in the list, less one kept in view;
    // a list too low for two rows does not move by pages.
    const int page = std::max(0, viewport()->height() / std::max(1, rowHeight()) - 1);
    switch (cursorAction) {
    case MoveLeft: // in one column, as up and down
    case MoveUp:
        return row(std::max(0, r - 1));
    case MoveRight:
    case MoveDown:
        return row(std::min(count - 1, r + 1));
    case MovePageUp:
        return row(std::max(0, r - page));
    case MovePageDown:
        return row(std::min(count - 1, r + page));
    default:
        return current;
    }
}

bool TermListView::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        m_hover = indexAt(static_cast<QHoverEvent *>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        m_hover = QModelIndex();
        break;
    default:
        break;
    }
    return QListView::viewportEvent(event);
}

void TermListView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_itemSize = QSize();
    QListView::changeEvent(event);
}

void TermListView::paintEvent(QPaintEvent *event)
{
    if (!model())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());
    const auto [first, last] = rowsIn(event->rect().translated(horizontalOffset(), verticalOffset()));
    const QModelIndex current = currentIndex();
    const QItemSelectionModel *selections = selectionModel();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QStyle::State state = option.state;
    const bool enabled = (state & QStyle::State_Enabled) != 0;
    const int width = viewport()->width();
    for (int r = first; r <= last; ++r) {
        const QModelIndex index = row(r);
        option.rect = visualRect(index);
        option.rect.setWidth(std::min(width, option.rect.width()));
        option.state = state;
        if (selections && selections->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool itemEnabled = (model()->flags(index) & Qt::ItemIsEnabled) != 0;
            if (!itemEnabled)
                option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(itemEnabled ? QPalette::Normal : QPalette::Disabled);
        }
        if (focus && current == index) {
            option.state |= QStyle::State_HasFocus;
            if (this->state() == EditingState)
                option.state |= QStyle::State_Editing;
        }
        option.state.setFlag(QStyle::State_MouseOver, index == m_hover);
        option.features.setFlag(QStyleOptionViewItem::Alternate, alternatingRowColors() && r % 2 == 1);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

} // namespace Woord
