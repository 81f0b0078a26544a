#include "editor/TimeGrid.h"

#include "editor/GridSlots.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace korvelt {

TimeGrid::TimeGrid(int colCount, int rowCount, QWidget *parent)
    : QTableWidget(rowCount - 1, colCount - 1, parent), corner_(this)
{
    QFont bold = font();
    bold.setBold(true);
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->setFont(bold);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(RowHeight);
        header->viewport()->installEventFilter(this);
    }
    // A click on a slot number selects the slot (the view selects the row), a drag over the
    // numbers selects the slots passed over, and the numbers of selected slots stand out.
    verticalHeader()->setSectionsClickable(true);
    verticalHeader()->setHighlightSections(true);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setAccessibleName(tr("Columns", "accessible name of the grid's column headings"));
    verticalHeader()->setAccessibleName(tr("Slots", "accessible name of the grid's slot numbers"));
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setFixedHeight(RowHeight);
    horizontalHeader()->setDefaultSectionSize(80);
    for (int c = 0; c < columnCount(); ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem()); // owned by the view
    }
    for (int r = 0; r < this->rowCount(); ++r) {
        setVerticalHeaderItem(r, new QTableWidgetItem());
        for (int c = 0; c < columnCount(); ++c) {
            setItem(r, c, new QTableWidgetItem());
        }
    }
    corner_.setFont(bold);
    corner_.setAlignment(Qt::AlignCenter);
    corner_.setAutoFillBackground(true);
    corner_.setBackgroundRole(QPalette::Button);
    setCornerButtonEnabled(false);
    if (auto *cornerButton = findChild<QAbstractButton *>(); cornerButton != nullptr) {
        cornerButton->setAccessibleName(tr("Slot", "accessible name of the grid's corner"));
    }
    corner_.installEventFilter(this);
    viewport()->installEventFilter(this);
    installEventFilter(this);
    setItemDelegate(&delegate_);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setWordWrap(false);
    // Tab leaves the grid; the arrow keys move between its cells.
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCurrentCell(0, 0);
}

QString TimeGrid::Cell(int col, int row) const
{
    if (row == 0 && col == 0) {
        return corner_.text();
    }
    const QTableWidgetItem *it = nullptr;
    if (row == 0) {
        it = horizontalHeaderItem(col - 1);
    } else if (col == 0) {
        it = verticalHeaderItem(row - 1);
    } else {
        it = item(row - 1, col - 1);
    }
    return it != nullptr ? it->text() : QString();
}

void TimeGrid::SetCell(int col, int row, const QString &text)
{
    if (row == 0 && col == 0) {
        corner_.setText(text);
        return;
    }
    QTableWidgetItem *it = nullptr;
    if (row == 0) {
        it = horizontalHeaderItem(col - 1);
    } else if (col == 0) {
        it = verticalHeaderItem(row - 1);
    } else {
        it = item(row - 1, col - 1);
    }
    if (it != nullptr) {
        it->setText(text);
    }
}

void TimeGrid::SetColWidth(int col, int width)
{
    if (col == 0) {
        verticalHeader()->setFixedWidth(width);
        updateGeometries();
    } else {
        setColumnWidth(col - 1, width);
    }
}

int TimeGrid::CornerTextWidth() const
{
    return corner_.fontMetrics().horizontalAdvance(corner_.text());
}

GridRect TimeGrid::Selection() const
{
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    if (ranges.isEmpty()) {
        const int r = std::max(currentRow(), 0) + 1;
        const int c = std::max(currentColumn(), 0) + 1;
        return GridRect{c, r, c, r};
    }
    GridRect rect{ranges.front().leftColumn() + 1, ranges.front().topRow() + 1, ranges.front().rightColumn() + 1,
                  ranges.front().bottomRow() + 1};
    for (const QTableWidgetSelectionRange &range : ranges) {
        rect.Left = std::min(rect.Left, range.leftColumn() + 1);
        rect.Top = std::min(rect.Top, range.topRow() + 1);
        rect.Right = std::max(rect.Right, range.rightColumn() + 1);
        rect.Bottom = std::max(rect.Bottom, range.bottomRow() + 1);
    }
    return rect;
}

std::vector<int> TimeGrid::SelectedSlots() const
{
    std::vector<int> rows;
    for (const QTableWidgetSelectionRange &range : selectedRanges()) {
        for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
            rows.push_back(r + 1);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) {
        rows.push_back(std::max(currentRow(), 0) + 1);
    }
    return rows;
}

int TimeGrid::ClearSelectedSlots()
{
    const std::vector<int> rows = SelectedSlots();
    const bool withDays = GridColCount() > FirstDayColumn;
    for (const int row : rows) {
        ShowSlot(*this, row, TimeSlot{}, withDays);
    }
    const int count = static_cast<int>(rows.size());
    emit SlotsCleared(count);
    return count;
}

QPoint TimeGrid::MouseToCell(const QPoint &pos) const
{
    const QRect viewportRect = viewport()->geometry();
    const QPoint local = pos - viewportRect.topLeft();
    const int headerRow = horizontalHeader()->geometry().contains(pos) ? 0 : -1;
    const int slotCol = verticalHeader()->geometry().contains(pos) ? 0 : -1;
    const int col = headerRow == 0 || viewportRect.contains(pos) ? columnAt(local.x()) : -1;
    const int row = slotCol == 0 || viewportRect.contains(pos) ? rowAt(local.y()) : -1;
    if (headerRow == 0 && col >= 0) {
        return {col + 1, 0};
    }
    if (slotCol == 0 && row >= 0) {
        return {0, row + 1};
    }
    if (viewportRect.contains(pos) && col >= 0 && row >= 0) {
        return {col + 1, row + 1};
    }
    if (corner_.geometry().contains(pos)) {
        return {0, 0};
    }
    return {-1, -1};
}

QPoint TimeGrid::CellCentre(int col, int row) const
{
    const QRect viewportRect = viewport()->geometry();
    const int x = col == 0 ? verticalHeader()->geometry().center().x()
                           : viewportRect.left() + columnViewportPosition(col - 1) + columnWidth(col - 1) / 2;
    const int y = row == 0 ? horizontalHeader()->geometry().center().y()
                           : viewportRect.top() + rowViewportPosition(row - 1) + rowHeight(row - 1) / 2;
    return {x, y};
}

bool TimeGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        const QPoint local = mouse->position().toPoint();
        emit MousePressed(mouse->button(), widget == this ? local : widget->mapTo(this, local));
    }
    return QTableWidget::eventFilter(watched, event);
}

void TimeGrid::contextMenuEvent(QContextMenuEvent *event)
{
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    QPoint globalPos = event->globalPos();
    if (fromKeyboard && currentIndex().isValid()) {
        globalPos = viewport()->mapToGlobal(visualRect(currentIndex()).center());
    }
    emit ContextMenuRequested(globalPos, fromKeyboard);
    event->accept();
}

void TimeGrid::keyPressEvent(QKeyEvent *event)
{
    // Space opens the current cell's editor, as F2 does.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && state() != EditingState &&
        edit(currentIndex(), EditKeyPressed, event)) {
        event->accept();
        return;
    }
    // Delete clears the selected slots; so does Backspace, which is the delete key of a Mac
    // keyboard. Inside an open editor both keys edit its text instead.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && plain && state() != EditingState) {
        ClearSelectedSlots();
        event->accept();
        return;
    }
    // Shift+F10 opens the context menu, as the Menu key does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), mapToGlobal(QPoint()));
        contextMenuEvent(&menu);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool TimeGrid::event(QEvent *event)
{
    // Context menu requests from the headers and the frame end up here as well.
    if (event->type() == QEvent::ContextMenu) {
        contextMenuEvent(static_cast<QContextMenuEvent *>(event));
        return true;
    }
    return QTableWidget::event(event);
}

bool TimeGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const bool editing = QTableWidget::edit(index, trigger, event);
    if (editing && state() == EditingState) {
        openEditor_ = indexWidget(index);
    }
    return editing;
}

void TimeGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == openEditor_) {
        openEditor_ = nullptr;
    }
    // Tab and Shift+Tab move on to the next or previous cell without opening its editor.
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        const QModelIndex to =
            moveCursor(hint == QAbstractItemDelegate::EditNextItem ? MoveNext : MovePrevious, Qt::NoModifier);
        if (to.isValid()) {
            setCurrentIndex(to);
        }
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}

bool TimeGrid::CommitOpenEditor()
{
    QWidget *editor = openEditor_;
    if (editor == nullptr) {
        return true;
    }
    TimeGridDelegate::TakeHighlightedItem(editor);
    refused_ = false;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return !refused_;
}

void TimeGrid::RefuseTimeText(int col, int row, const QString &text)
{
    refused_ = true;
    emit TimeTextRefused(col, row, text);
}

void TimeGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    const QRect v = verticalHeader()->geometry();
    const QRect h = horizontalHeader()->geometry();
    corner_.setGeometry(v.left(), h.top(), v.width(), h.height());
    corner_.raise();
}

} // namespace korvelt
