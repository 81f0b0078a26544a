// The main window's time grids: which editor a cell gets, what a mouse press records, the
// two context menus, the slot clipboard and the day presets.
#include "editor/GridSlots.h"
#include "app/TMainForm.h"

#include <QRegularExpression>

namespace korvelt {

namespace {

// The message for a text typed into a time cell that is no time; the cell kept its value.
QString RefusedTimeMessage(const TimeGrid &grid, int col, int row, const QString &text)
{
    // The end of the day, as people write it: the KORVELT counts no further than 23:59:59.
    static const QRegularExpression endOfDay(QStringLiteral("^\\s*24(?:[:.]?00(?:[:.]?00)?)?\\s*$"));
    if (endOfDay.match(text).hasMatch()) {
        return QStringLiteral("\"%1\" is not a time of day: the day's last second is 23:59:59. The %2 cell of slot %3 "
                              "keeps its value.")
            .arg(text, grid.Cell(col, 0), grid.Cell(0, row));
    }
    return QStringLiteral("\"%1\" is not a time. The %2 cell of slot %3 keeps its value.\n\n"
                          "Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.")
        .arg(text, grid.Cell(col, 0), grid.Cell(0, row));
}

} // namespace

void TMainForm::CreateMenus()
{
    NormalTimesPopupMenu.addAction(&NormalTimesMenuCopy);
    NormalTimesPopupMenu.addAction(&NormalTimesMenuPaste);
    NormalTimesPopupMenu.addMenu(&SetAll1);
    SetAll1.addAction(&NormalTimesMenuAll);
    SetAll1.addAction(&NormalTimesMenuNone);
    SetAll1.addAction(&NormalTimesMenuWeekdays);
    SetAll1.addAction(&MenuWeekends);
    SpecialPopupMenu.addAction(&SpecialTimesMenuCopy);
    SpecialPopupMenu.addAction(&SpecialTimesMenuPaste);
    // "Paste" stays greyed out until the first "Copy".
    NormalTimesMenuPaste.setEnabled(false);
    SpecialTimesMenuPaste.setEnabled(false);
}

void TMainForm::ConnectGridHandlers()
{
    TimesAdvStringGrid.EditorTypeRequested = [this](int col, int row) {
        return TimesAdvStringGridGetEditorType(col, row);
    };
    SpecialTimesAdvStringGrid.EditorTypeRequested = [this](int col, int row) {
        return SpecialTimesAdvStringGridGetEditorType(col, row);
    };
    connect(&TimesAdvStringGrid, &TimeGrid::MousePressed, this,
            [this](Qt::MouseButton /*button*/, QPoint pos) { TimesAdvStringGridMouseDown(pos); });
    connect(&SpecialTimesAdvStringGrid, &TimeGrid::MousePressed, this,
            [this](Qt::MouseButton /*button*/, QPoint pos) { SpecialTimesAdvStringGridMouseDown(pos); });
    // A menu opened from the keyboard is for the current row, as one opened with the mouse
    // is for the row that the right-click pressed.
    connect(&TimesAdvStringGrid, &TimeGrid::ContextMenuRequested, &NormalTimesPopupMenu,
            [this](QPoint globalPos, bool fromKeyboard) {
                if (fromKeyboard) {
                    clickedRow_ = TimesAdvStringGrid.CurrentRow();
                }
                NormalTimesPopupMenu.popup(globalPos);
            });
    connect(&SpecialTimesAdvStringGrid, &TimeGrid::ContextMenuRequested, &SpecialPopupMenu,
            [this](QPoint globalPos, bool fromKeyboard) {
                if (fromKeyboard) {
                    clickedRow_ = SpecialTimesAdvStringGrid.CurrentRow();
                }
                SpecialPopupMenu.popup(globalPos);
            });
    // A refused time is shown once the editor has closed, never from inside its handling.
    for (TimeGrid *grid : {&TimesAdvStringGrid, &SpecialTimesAdvStringGrid}) {
        connect(
            grid, &TimeGrid::TimeTextRefused, this,
            [this, grid](int col, int row, const QString &text) {
                dialogs_->ShowError(RefusedTimeMessage(*grid, col, row, text));
            },
            Qt::QueuedConnection);
    }

    Bind(&NormalTimesPopupMenu, &QMenu::aboutToShow, &TMainForm::NormalTimesPopupMenuPopup);
    Bind(&SpecialPopupMenu, &QMenu::aboutToShow, &TMainForm::SpecialPopupMenuPopup);
    Bind(&NormalTimesMenuCopy, &QAction::triggered, &TMainForm::NormalTimesMenuCopyClick);
    Bind(&NormalTimesMenuPaste, &QAction::triggered, &TMainForm::NormalTimesMenuPasteClick);
    Bind(&SpecialTimesMenuCopy, &QAction::triggered, &TMainForm::SpecialTimesMenuCopyClick);
    Bind(&SpecialTimesMenuPaste, &QAction::triggered, &TMainForm::SpecialTimesMenuPasteClick);
    Bind(&NormalTimesMenuAll, &QAction::triggered, &TMainForm::NormalTimesMenuAllClick);
    Bind(&NormalTimesMenuNone, &QAction::triggered, &TMainForm::NormalTimesMenuNoneClick);
    Bind(&NormalTimesMenuWeekdays, &QAction::triggered, &TMainForm::NormalTimesMenuWeekdaysClick);
    Bind(&MenuWeekends, &QAction::triggered, &TMainForm::MenuWeekendsClick);
}

EditorKind TMainForm::TimesAdvStringGridGetEditorType(int col, int /*row*/)
{
    if (col == StartColumn || col == EndColumn) {
        return EditorKind::Time;
    }
    TimesAdvStringGrid.ClearComboString();
    TimesAdvStringGrid.AddComboString(DayCellText(true));
    TimesAdvStringGrid.AddComboString(DayCellText(false));
    return EditorKind::PickList;
}

EditorKind TMainForm::SpecialTimesAdvStringGridGetEditorType(int col, int /*row*/)
{
    return col == StartColumn || col == EndColumn ? EditorKind::Time : EditorKind::None;
}

void TMainForm::TimesAdvStringGridMouseDown(const QPoint &pos)
{
    clickedRow_ = TimesAdvStringGrid.MouseToCell(pos).y();
}

void TMainForm::SpecialTimesAdvStringGridMouseDown(const QPoint &pos)
{
    clickedRow_ = SpecialTimesAdvStringGrid.MouseToCell(pos).y();
}

void TMainForm::NormalTimesPopupMenuPopup()
{
    NormalTimesMenuPaste.setEnabled(clipboard_.Count() != 0);
}

void TMainForm::SpecialPopupMenuPopup()
{
    SpecialTimesMenuPaste.setEnabled(clipboard_.Count() != 0);
}

void TMainForm::NormalTimesMenuCopyClick()
{
    clipboard_.Copy(TimesAdvStringGrid, true);
}

void TMainForm::NormalTimesMenuPasteClick()
{
    clipboard_.Paste(TimesAdvStringGrid, true);
}

void TMainForm::SpecialTimesMenuCopyClick()
{
    clipboard_.Copy(SpecialTimesAdvStringGrid, false);
}

void TMainForm::SpecialTimesMenuPasteClick()
{
    clipboard_.Paste(SpecialTimesAdvStringGrid, false);
}

void TMainForm::NormalTimesMenuAllClick()
{
    ApplyDayPreset(TimesAdvStringGrid, clickedRow_, DayPreset::All);
}

void TMainForm::NormalTimesMenuNoneClick()
{
    ApplyDayPreset(TimesAdvStringGrid, clickedRow_, DayPreset::None);
}

void TMainForm::NormalTimesMenuWeekdaysClick()
{
    ApplyDayPreset(TimesAdvStringGrid, clickedRow_, DayPreset::Weekdays);
}

void TMainForm::MenuWeekendsClick()
{
    ApplyDayPreset(TimesAdvStringGrid, clickedRow_, DayPreset::Weekends);
}

} // namespace korvelt
