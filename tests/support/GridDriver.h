#pragma once

#include "TimeGrid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

namespace korvelt::test {

// Drives a time grid with the mouse and the keyboard, as a user would.
class GridDriver {
public:
    explicit GridDriver(TimeGrid &grid) : grid_(grid) {}

    // A press of `button` on the cell (col, row), or on any point of the grid.
    void Press(int col, int row, Qt::MouseButton button = Qt::LeftButton) { PressAt(grid_.CellCentre(col, row), button); }
    void PressAt(QPoint gridPos, Qt::MouseButton button = Qt::LeftButton)
    {
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

    // Double-clicks a cell and types into whatever has the keyboard focus, key by key,
    // leaving the editor open; the editor, or nullptr when none opened.
    QWidget *Type(int col, int row, const QString &text)
    {
        QWidget *editor = OpenEditor(col, row);
        if (editor != nullptr) {
            QTest::keyClicks(QApplication::focusWidget(), text);
        }
        return editor;
    }

    // Double-clicks a Start or End cell, types the text and presses Enter.
    bool TypeTime(int col, int row, const QString &text)
    {
        if (Type(col, row, text) == nullptr) {
            return false;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Settle();
        return true;
    }

    // Lets an edit finish: Enter commits through one queued call, and the window shows a
    // refused text through another, once the editor has closed.
    static void Settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // The dropped-down list of an open pick list; nullptr when none is dropped down.
    static QAbstractItemView *DroppedList(QWidget *editor)
    {
        auto *combo = qobject_cast<QComboBox *>(editor);
        return combo != nullptr && combo->view()->isVisible() ? combo->view() : nullptr;
    }

    // Double-clicks a day cell and clicks an item of the list that drops down.
    bool PickDay(int col, int row, const QString &item)
    {
        QAbstractItemView *list = DroppedList(OpenEditor(col, row));
        if (list == nullptr) {
            return false;
        }
        ClickListItem(list, item);
        QCoreApplication::processEvents();
        return true;
    }
    static void ClickListItem(QAbstractItemView *list, const QString &item)
    {
        const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, item, 1,
                                                           Qt::MatchExactly);
        const QRect itemRect = found.isEmpty() ? QRect() : list->visualRect(found.front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemRect.intersected(list->viewport()->rect()).center());
    }

    // Right-clicks a cell: the press, then the context menu the platform would send. The
    // menu that opened, or nullptr.
    QMenu *RightClick(int col, int row) { return RightClickAt(grid_.CellCentre(col, row)); }
    QMenu *RightClickAt(QPoint gridPos)
    {
        PressAt(gridPos, Qt::RightButton);
        QContextMenuEvent event(QContextMenuEvent::Mouse, gridPos - grid_.viewport()->geometry().topLeft(),
                                grid_.mapToGlobal(gridPos));
        QApplication::sendEvent(grid_.viewport(), &event);
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    }
    // The Menu key: the platform sends the focused grid a context menu from the keyboard.
    QMenu *PressMenuKey()
    {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), grid_.mapToGlobal(QPoint()));
        QApplication::sendEvent(&grid_, &event);
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    }

    // Clicks an enabled menu item by its caption; a submenu item opens its submenu.
    static bool ClickMenuItem(QMenu *menu, const QString &caption)
    {
        const QList<QAction *> actions = menu != nullptr ? menu->actions() : QList<QAction *>();
        const auto action = std::find_if(actions.begin(), actions.end(),
                                         [&caption](const QAction *a) { return a->text() == caption; });
        if (action == actions.end() || !(*action)->isEnabled()) {
            return false;
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*action).center());
        return true;
    }

    // Selects the cells of a rectangle with a press and a shift-click.
    void Select(int left, int top, int right, int bottom)
    {
        Press(left, top);
        const QPoint to = grid_.CellCentre(right, bottom) - grid_.viewport()->geometry().topLeft();
        QTest::mouseClick(grid_.viewport(), Qt::LeftButton, Qt::ShiftModifier, to);
    }

private:
    TimeGrid &grid_;
};

} // namespace korvelt::test
