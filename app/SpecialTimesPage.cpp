#include "app/SpecialTimesPage.h"

#include "editor/GridSlots.h"

#include <algorithm>

namespace korvelt {

SpecialTimesPage::SpecialTimesPage(SlotClipboard &clipboard, UserDialogs &dialogs, std::function<QDate()> today,
                                   QWidget *parent)
    : SlotGridPage(false, clipboard, dialogs, parent), dates_(std::move(today), dialogs, this)
{
    //: Title of the grid of the slots of the special dates
    title_.setText(tr("Special Times"));
    grid_.EditorTypeRequested = [](int col, int /*row*/) {
        return col == StartColumn || col == EndColumn ? EditorKind::Time : EditorKind::None;
    };
    connect(&dates_, &SpecialDatesBox::Edited, this, &SlotGridPage::Edited);

    const std::initializer_list<std::pair<QObject *, const char *>> names{
        {&title_, "Label4"},
        {&grid_, "SpecialTimesAdvStringGrid"},
        {&outputLabel_, "Label2"},
        {&output_, "SpecialOutputCSpinEdit"},
        {&menu_, "SpecialPopupMenu"},
        {&copy_, "SpecialTimesMenuCopy"},
        {&paste_, "SpecialTimesMenuPaste"},
        {&copyOutput_, "SpecialTimesMenuCopyOutput"},
    };
    for (const auto &[object, name] : names) {
        object->setObjectName(QString::fromLatin1(name));
    }
    //: The box that chooses the output the grid shows
    output_.setAccessibleName(tr("Special times output"));
    Place({});
}

void SpecialTimesPage::Show(const ScheduleModel &model)
{
    SlotGridPage::Show(model);
    dates_.Show(model);
}

bool SpecialTimesPage::Store(ScheduleModel &model)
{
    const bool times = SlotGridPage::Store(model);
    return dates_.Store(model) && times;
}

void SpecialTimesPage::Peek(ScheduleModel &model) const
{
    SlotGridPage::Peek(model);
    dates_.Peek(model);
}

void SpecialTimesPage::Grow(QSize growth)
{
    Place(growth);
}

void SpecialTimesPage::Place(QSize growth)
{
    // The grid takes half the width the window gained and all of its height; the special
    // dates box moves over by as much.
    const QSize gridGrowth(growth.width() / 2, growth.height());
    PlaceGrid({360, 3}, {56, 32, 205, 297}, {85, 350}, {128, 346, 48, 22}, gridGrowth);
    title_.move(360 + growth.width() / 2, 3);
    dates_.setGeometry(284 + growth.width() / 2, 32, dates_.NeededWidth(), 324);
    // Start and End share what the grid gained.
    const int width = 80 + std::max(0, growth.width()) / 4;
    grid_.SetColWidth(StartColumn, width);
    grid_.SetColWidth(EndColumn, width);
}

std::vector<QWidget *> SpecialTimesPage::TabOrder()
{
    std::vector<QWidget *> order = SlotGridPage::TabOrder();
    for (int k = 0; k < SpecialDateCount; ++k) {
        order.push_back(&dates_.Picker(k));
    }
    order.push_back(&dates_.HolidaysButton());
    return order;
}

} // namespace korvelt
