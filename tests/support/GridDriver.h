#pragma once

#include "TimeGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimeEdit>

namespace korvelt::test {

// Drives a time grid with the mouse and the keyboard, as a user would.
class GridDriver {
public:
    explicit GridDriver(TimeGrid &grid) : grid_(grid) {}

    // A press of `button` on the cell (col, row), or on any point of the grid.
    void Press(int col, int row, Qt::MouseButton button = Qt::LeftButton) { PressAt(grid_.CellCentre(col, row), button); }
    void PressAt(QPoint gridPos, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget *target = grid_.childAt(gridPos);
        if (target == nullptr) {
            target = &grid_;
        }
        QTest::mouseClick(target, button, {}, target->mapFrom(&grid_, gridPos));
    }

    // Opens the cell's editor with a click and a double-click; nullptr when none opened.
    QWidget *OpenEditor(int col, int row)
    {
        const QPoint pos = grid_.CellCentre(col, row) - grid_.viewport()->geometry().topLeft();
        QTest::mouseClick(grid_.viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseDClick(grid_.viewport(), Qt::LeftButton, {}, pos);
        QCoreApplication::processEvents();
        return grid_.viewport()->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly) != nullptr
                   ? EditorWidget()
                   : nullptr;
    }

    // Double-clicks a Start or End cell and types the time's digits (the editor opens with
    // the hours selected), then Enter.
    bool TypeTime(int col, int row, const QString &digits)
    {
        QWidget *editor = Type(col, row, digits);
        if (editor == nullptr) {
            return false;
        }
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        return true;
    }

    // Double-clicks a Start or End cell and types into its editor, leaving it open.
    QWidget *Type(int col, int row, const QString &text)
    {
        auto *editor = qobject_cast<QTimeEdit *>(OpenEditor(col, row));
        if (editor != nullptr) {
            QTest::keyClicks(editor, text);
        }
        return editor;
    }

    // Double-clicks a day cell and picks an item from its list with the keyboard.
    bool PickDay(int col, int row, const QString &item)
    {
        auto *combo = qobject_cast<QComboBox *>(OpenEditor(col, row));
        if (combo == nullptr || combo->findText(item) < 0) {
            return false;
        }
        while (combo->currentText() != item) {
            QTest::keyClick(combo, combo->currentIndex() < combo->findText(item) ? Qt::Key_Down : Qt::Key_Up);
        }
        QTest::keyClick(combo, Qt::Key_Return);
        QCoreApplication::processEvents();
        return true;
    }

    // Right-clicks a cell: the press, then the context menu the platform would send.
    QMenu *RightClick(int col, int row)
    {
        Press(col, row, Qt::RightButton);
        return OpenMenuAt(grid_.CellCentre(col, row));
    }
    QMenu *OpenMenuAt(QPoint gridPos)
    {
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

    // Clicks a menu item by its caption; a submenu item opens its submenu first.
    static bool ClickMenuItem(QMenu *menu, const QString &caption)
    {
        if (menu == nullptr) {
            return false;
        }
        for (QAction *action : menu->actions()) {
            if (action->text() != caption) {
                continue;
            }
            if (!action->isEnabled()) {
                return false;
            }
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return true;
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

private:
    QWidget *EditorWidget() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus != nullptr && grid_.viewport()->isAncestorOf(focus) ? Editor(focus) : nullptr;
    }
    static QWidget *Editor(QWidget *focus)
    {
        // A time edit focuses its own line edit; a pick list focuses itself.
        for (QWidget *w = focus; w != nullptr; w = w->parentWidget()) {
            if (qobject_cast<QTimeEdit *>(w) != nullptr || qobject_cast<QComboBox *>(w) != nullptr) {
                return w;
            }
        }
        return nullptr;
    }

    TimeGrid &grid_;
};

} // namespace korvelt::test
