#pragma once

#include "editor/TimeGrid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTest>

#include <vector>

namespace korvelt::test {

// Drives a time grid with the mouse and the keyboard, as a user would.
class GridDriver {
public:
    explicit GridDriver(TimeGrid &grid) : grid_(grid) {}

    // A press of `button` on the cell (col, row), headers included.
    void Press(int col, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint gridPos = grid_.CellCentre(col, row);
        QWidget *target = grid_.childAt(gridPos) != nullptr ? grid_.childAt(gridPos) : &grid_;
        QTest::mouseClick(target, button, {}, target->mapFrom(&grid_, gridPos));
    }

    // Opens the cell's editor with a click and a double-click; nullptr when none opened.
    QWidget *OpenEditor(int col, int row)
    {
        const QPoint pos = grid_.CellCentre(col, row) - grid_.viewport()->geometry().topLeft();
        QTest::mouseClick(grid_.viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseDClick(grid_.viewport(), Qt::LeftButton, {}, pos);
        QCoreApplication::processEvents(); // a pick list drops down
        return grid_.OpenEditorWidget();
    }

    // Opens a cell's editor and types into whatever has the keyboard focus, key by key,
    // leaving the editor open; the editor, or nullptr when none opened.
    QWidget *Type(int col, int row, const QString &text)
    {
        QWidget *editor = OpenEditor(col, row);
        QTest::keyClicks(QApplication::focusWidget(), text);
        return editor;
    }

    // Types the text into a Start or End cell and presses Enter; false when no editor opened.
    bool TypeTime(int col, int row, const QString &text)
    {
        const bool opened = Type(col, row, text) != nullptr;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents(); // Enter commits through a queued call,
        QCoreApplication::processEvents(); // and a refused text is shown through another
        return opened;
    }

    // The dropped-down list of an open pick list; nullptr when none is dropped down.
    static QAbstractItemView *DroppedList(QWidget *editor)
    {
        auto *combo = qobject_cast<QComboBox *>(editor);
        return combo != nullptr && combo->view()->isVisible() ? combo->view() : nullptr;
    }

    // Opens a day cell's editor and clicks an item of the list that drops down.
    bool PickDay(int col, int row, const QString &item)
    {
        QAbstractItemView *list = DroppedList(OpenEditor(col, row));
        if (list != nullptr) {
            ClickListItem(list, item);
            QCoreApplication::processEvents();
        }
        return list != nullptr;
    }
    static void ClickListItem(QAbstractItemView *list, const QString &item)
    {
        const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, item, 1,
                                                           Qt::MatchExactly);
        const QRect itemRect = list->visualRect(found.value(0)).intersected(list->viewport()->rect());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemRect.center());
    }

    // Right-clicks a cell: the press, then the context menu the platform would send. The
    // menu that opened, or nullptr.
    QMenu *RightClick(int col, int row)
    {
        Press(col, row, Qt::RightButton);
        const QPoint gridPos = grid_.CellCentre(col, row);
        QContextMenuEvent event(QContextMenuEvent::Mouse, gridPos - grid_.viewport()->geometry().topLeft(),
                                grid_.mapToGlobal(gridPos));
        QApplication::sendEvent(grid_.viewport(), &event);
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    }

    // Clicks an enabled menu item by its caption; a submenu item opens its submenu.
    static bool ClickMenuItem(QMenu *menu, const QString &caption)
    {
        for (QAction *action : menu != nullptr ? menu->actions() : QList<QAction *>()) {
            if (action->text() == caption && action->isEnabled()) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return true;
            }
        }
        return false;
    }

    // Selects the cells of a rectangle with a press and a shift-click.
    void Select(int left, int top, int right, int bottom)
    {
        Press(left, top);
        const QPoint to = grid_.CellCentre(right, bottom) - grid_.viewport()->geometry().topLeft();
        QTest::mouseClick(grid_.viewport(), Qt::LeftButton, Qt::ShiftModifier, to);
    }

    // Clicks the number of a slot row in the slot column, with modifiers (Shift, Ctrl).
    void ClickSlot(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(grid_.verticalHeader()->viewport(), Qt::LeftButton, modifiers, SlotNumber(row));
    }

    // Drags over the slot numbers from one row to another, passing every row between.
    void DragSlots(int from, int to, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *numbers = grid_.verticalHeader()->viewport();
        QTest::mousePress(numbers, Qt::LeftButton, modifiers, SlotNumber(from));
        for (int r = from; r != to;) {
            r += to > from ? 1 : -1;
            QTest::mouseEvent(QTest::MouseMove, numbers, Qt::NoButton, modifiers, SlotNumber(r));
        }
        QTest::mouseRelease(numbers, Qt::LeftButton, modifiers, SlotNumber(to));
    }

    // Steps as a user takes them, "; " between them: "click 5", "shift 8", "ctrl 3" (a slot
    // number clicked), "drag 2 6", "ctrldrag 2 6" (over the numbers), "cell 3 8" (a cell
    // clicked), "cells 1 2 4 5" (a rectangle of cells), "edit 1 4" (a cell's editor opened),
    // "all" (Ctrl+A). False at a step it could not take.
    bool Do(const QString &steps)
    {
        for (const QString &step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
            const QStringList words = step.split(' ');
            const auto at = [&words](int k) { return words.value(k).toInt(); };
            const QString &verb = words.front();
            if (verb == "click" || verb == "shift" || verb == "ctrl") {
                ClickSlot(at(1), verb == "shift"  ? Qt::ShiftModifier
                                 : verb == "ctrl" ? Qt::ControlModifier
                                                  : Qt::NoModifier);
            } else if (verb == "drag" || verb == "ctrldrag") {
                DragSlots(at(1), at(2), verb == "ctrldrag" ? Qt::ControlModifier : Qt::NoModifier);
            } else if (verb == "cell") {
                Press(at(1), at(2));
            } else if (verb == "cells") {
                Select(at(1), at(2), at(3), at(4));
            } else if (verb == "edit" && OpenEditor(at(1), at(2)) != nullptr) {
                continue;
            } else if (verb == "all") {
                QTest::keySequence(&grid_, QKeySequence::SelectAll);
            } else {
                qWarning("could not take the step %s", qPrintable(step));
                return false;
            }
        }
        return true;
    }

    // The slot rows the grid shows as selected, every cell of them.
    [[nodiscard]] std::vector<int> SelectedRows() const
    {
        std::vector<int> rows;
        for (int r = 1; r < grid_.GridRowCount(); ++r) {
            if (grid_.selectionModel()->isRowSelected(r - 1, {})) {
                rows.push_back(r);
            }
        }
        return rows;
    }

private:
    // The centre of a slot's number, in the slot column's own coordinates.
    [[nodiscard]] QPoint SlotNumber(int row) const
    {
        const QHeaderView *numbers = grid_.verticalHeader();
        return {numbers->viewport()->width() / 2,
                numbers->sectionViewportPosition(row - 1) + numbers->sectionSize(row - 1) / 2};
    }

    TimeGrid &grid_;
};

} // namespace korvelt::test
