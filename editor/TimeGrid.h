#pragma once

#include "editor/GridOps.h"
#include "editor/TimeGridDelegate.h"

#include <QLabel>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTableWidget>

#include <functional>
#include <vector>

namespace korvelt {

enum class EditorKind { None, Time, PickList };

// A time grid: a header row ("Slot", "Start", ...) and a slot column ("1" .. "16") that are
// fixed, and the editable cells. All grid logic addresses it in grid coordinates, with the
// header row as row 0 and the slot column as column 0, so the headers count in GridRowCount()
// and GridColCount(), unlike in the view's own rowCount() and columnCount(). The fixed row
// and column are the view's own headers: they stay in place when the cells scroll and can't be
// edited. Slots are selected by clicking or dragging over their numbers in the slot column,
// with Shift to extend the selection and Ctrl to add or take away a slot; cells are selected
// as in any table. Delete (or Backspace, the Mac's delete key) clears the selected slots. A
// cell is edited on a double-click, or on F2 or Space from the keyboard, with the editor
// that EditorTypeRequested names (what the editors do: TimeGridDelegate); Tab and Shift+Tab
// in an editor end the edit as Enter does and move to the next or previous cell. The
// context menu opens on a right-click, the Menu key or Shift+F10.
class TimeGrid : public QTableWidget, public GridOps {
    Q_OBJECT

public:
    TimeGrid(int colCount, int rowCount, QWidget *parent = nullptr);

    static constexpr int RowHeight = 17;

    [[nodiscard]] QString Cell(int col, int row) const override;
    void SetCell(int col, int row, const QString &text) override;
    [[nodiscard]] int GridRowCount() const override { return rowCount() + 1; }
    [[nodiscard]] int GridColCount() const override { return columnCount() + 1; }
    [[nodiscard]] GridRect Selection() const override;
    [[nodiscard]] std::vector<int> SelectedSlots() const override;
    // Clears the selected slots to fresh ones (Start and End 12:00:00, every day Off; in a
    // grid without day columns the times only), then emits SlotsCleared once. Returns how
    // many slots it cleared.
    int ClearSelectedSlots();
    // The row of the current cell; -1 when there is none.
    [[nodiscard]] int CurrentRow() const { return currentIndex().isValid() ? currentRow() + 1 : -1; }
    void SetColWidth(int col, int width);
    // The width the corner's heading needs in its own (bold) font.
    [[nodiscard]] int CornerTextWidth() const;
    // The (column, row) under a point in the grid's own coordinates; (-1, -1) on no cell.
    [[nodiscard]] QPoint MouseToCell(const QPoint &pos) const;
    // The point in grid coordinates at the centre of a cell (for tests and tools).
    [[nodiscard]] QPoint CellCentre(int col, int row) const;

    // Asked each time an edit of a cell begins: the editor kind for (column, row). For a pick
    // list the handler sets the items with ClearComboString and AddComboString.
    std::function<EditorKind(int col, int row)> EditorTypeRequested;
    void ClearComboString() { comboStrings_.clear(); }
    void AddComboString(const QString &text) { comboStrings_ << text; }
    [[nodiscard]] const QStringList &ComboStrings() const { return comboStrings_; }

    // Commits the editor that is open in this grid, if any, as Enter would, and closes it;
    // an open pick list takes its highlighted item. Returns false when the editor held a
    // text that the cell refused (TimeTextRefused has then been emitted), true otherwise.
    bool CommitOpenEditor();
    // The editor open in this grid; nullptr when no cell is being edited.
    [[nodiscard]] QWidget *OpenEditorWidget() const { return openEditor_; }

signals:
    // A mouse press, any button, anywhere on the grid, before the grid handles it; pos is in
    // the grid's own coordinates.
    void MousePressed(Qt::MouseButton button, QPoint pos);
    // The context menu was asked for, with the mouse or from the keyboard (then at the
    // current cell).
    void ContextMenuRequested(QPoint globalPos, bool fromKeyboard);
    // A text typed into the time cell (col, row) was no time; the cell kept its text.
    void TimeTextRefused(int col, int row, const QString &text);
    // Slots were cleared (Delete, or ClearSelectedSlots); their cells show it already.
    void SlotsCleared(int count);

protected:
    void updateGeometries() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class TimeGridDelegate;
    void RefuseTimeText(int col, int row, const QString &text);

    QLabel corner_;
    QStringList comboStrings_;
    QPointer<QWidget> openEditor_;
    bool refused_ = false;
    TimeGridDelegate delegate_{*this};
};

} // namespace korvelt
