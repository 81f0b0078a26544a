#include "app/TimesPage.h"

#include "editor/GridSlots.h"
#include "text/ControlTexts.h"

#include <algorithm>

namespace korvelt {

namespace {

constexpr int DayColumnWidth = 65;

} // namespace

TimesPage::TimesPage(SlotClipboard &clipboard, UserDialogs &dialogs, QWidget *parent)
    : SlotGridPage(true, clipboard, dialogs, parent),
      //: Grid's menu: sets the days of the slot
      setDays_(tr("Set Days"), &menu_),
      //: Set Days: every day on
      all_(tr("All", "days"), &setDays_),
      //: Set Days: every day off
      none_(tr("None", "days"), &setDays_),
      //: Set Days: Monday to Friday on
      weekdays_(tr("Weekdays"), &setDays_),
      //: Set Days: Saturday and Sunday on
      weekends_(tr("Weekends"), &setDays_)
{
    //: Title of the grid of the weekly slots
    title_.setText(tr("Normal Times"));
    menu_.insertMenu(&copyOutput_, &setDays_);
    for (const auto &[action, preset] :
         {std::pair{&all_, DayPreset::All}, std::pair{&none_, DayPreset::None},
          std::pair{&weekdays_, DayPreset::Weekdays}, std::pair{&weekends_, DayPreset::Weekends}}) {
        setDays_.addAction(action);
        connect(action, &QAction::triggered, this, [this, chosen = preset] { SetDays(chosen); });
    }
    const QStringList days = ControlTexts(DayHeadingTexts());
    for (int c = FirstDayColumn; c < grid_.GridColCount(); ++c) {
        grid_.SetCell(c, 0, days.at(c - FirstDayColumn));
    }
    // A day cell is edited with a pick list of "On" and "Off", a time cell with a time editor.
    grid_.EditorTypeRequested = [this](int col, int /*row*/) {
        if (col == StartColumn || col == EndColumn) {
            return EditorKind::Time;
        }
        grid_.ClearComboString();
        grid_.AddComboString(DayCellText(true));
        grid_.AddComboString(DayCellText(false));
        return EditorKind::PickList;
    };

    const std::initializer_list<std::pair<QObject *, const char *>> names{
        {this, "TimesAdvTabSheet"},      {&title_, "Label3"},
        {&grid_, "TimesAdvStringGrid"},  {&outputLabel_, "Label1"},
        {&output_, "OutputCSpinEdit"},   {&menu_, "NormalTimesPopupMenu"},
        {&copy_, "NormalTimesMenuCopy"}, {&paste_, "NormalTimesMenuPaste"},
        {&setDays_, "SetAll1"},          {&all_, "NormalTimesMenuAll"},
        {&none_, "NormalTimesMenuNone"}, {&weekdays_, "NormalTimesMenuWeekdays"},
        {&weekends_, "MenuWeekends"},    {&copyOutput_, "NormalTimesMenuCopyOutput"},
    };
    for (const auto &[object, name] : names) {
        object->setObjectName(QString::fromLatin1(name));
    }
    //: The box that chooses the output the grid shows
    output_.setAccessibleName(tr("Normal times output"));
    Place({});
}

void TimesPage::Grow(QSize growth)
{
    Place(growth);
}

void TimesPage::Place(QSize growth)
{
    PlaceGrid({312, 16}, {24, 42, 705, 307}, {320, 358}, {360, 354, 48, 22}, growth);
    // At the designed size Start and End share what the slot and day columns leave of the
    // grid; larger, every column but the slot numbers widens alike.
    const int designedStart = (705 - 525) / 2;
    const int gained = std::max(0, growth.width());
    const int designedCells = 2 * designedStart + 7 * DayColumnWidth;
    const auto widened = [&](int width) { return width + gained * width / designedCells; };
    grid_.SetColWidth(StartColumn, widened(designedStart));
    grid_.SetColWidth(EndColumn, widened(designedStart));
    for (int c = FirstDayColumn; c < grid_.GridColCount(); ++c) {
        grid_.SetColWidth(c, widened(DayColumnWidth));
    }
}

void TimesPage::SetDays(DayPreset preset)
{
    const int row = ClickedRow();
    //: Undo step; %1 is the slot's number, %2 the output's
    RunEdit(tr("Set Days of slot %1 of output %2").arg(row).arg(OutputText()),
            [this, row, preset] { ApplyDayPreset(grid_, row, preset); });
}

} // namespace korvelt
