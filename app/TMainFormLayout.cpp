// The main window's pixel layout: its fonts, the place and size of every control, the grids'
// columns, and how the two regions share the window when it is resized. Sizes are pixels at
// 96 dots per inch.
#include "text/ControlTexts.h"
#include "editor/GridSlots.h"
#include "app/TMainForm.h"

#include <QFont>
#include <QResizeEvent>

#include <algorithm>
#include <utility>
#include <vector>

namespace korvelt {

namespace {

constexpr int ClientWidth = 812;
constexpr int ClientHeight = 596;
constexpr int PanelHeight = 180; // the command panel along the bottom edge, with the status area
constexpr int SlotColumnWidth = 40;
constexpr int DayColumnWidth = 65;

void SetBoldTitle(QLabel &label)
{
    QFont font = label.font();
    font.setBold(true);
    font.setPixelSize(16);
    label.setFont(font);
}

} // namespace

void TMainForm::PlaceControls()
{
    QFont formFont(QStringLiteral("Tahoma"));
    formFont.setPixelSize(11);
    setFont(formFont);
    SetBoldTitle(Label3);
    SetBoldTitle(Label4);

    Label3.move(312, 16);
    Label3.adjustSize();
    TimesAdvStringGrid.setGeometry(24, 42, 705, 307);
    Label1.move(320, 358);
    Label1.adjustSize();
    OutputCSpinEdit.setGeometry(360, 354, 48, 22);

    Label4.move(360, 3);
    Label4.adjustSize();
    SpecialTimesAdvStringGrid.setGeometry(56, 32, 205, 297);
    Label2.move(85, 350);
    Label2.adjustSize();
    SpecialOutputCSpinEdit.setGeometry(128, 346, 48, 22);
    GroupBox2.setGeometry(284, 32, 392, 324);
    // Two columns of eight pickers, each with its number before it and its weekday after it,
    // and "Holidays…" below them.
    for (std::size_t k = 0; k < SpecialDateDateTimePickers.size(); ++k) {
        const int column = static_cast<int>(k) / 8;
        const int row = static_cast<int>(k) % 8;
        SpecialDateDateTimePickers.at(k)->PlaceRow(column == 0 ? 4 : 196, 28 + 32 * row, 20, 96, 64, 21);
    }
    HolidaysButton.setGeometry(28, 286, 113, 25);

    GroupBox1.setGeometry(48, 32, 321, 305);
    EnableDaylightSavingCheckBox.setGeometry(24, 22, 200, 20);
    AdvanceRadioGroup.setGeometry(16, 48, 201, 105);
    AdvanceComboBox.setGeometry(224, 56, 89, 22);
    RetardRadioGroup.setGeometry(16, 176, 201, 105);
    RetardComboBox.setGeometry(224, 184, 89, 22);

    // The command panel places its own controls; the schedule check's count sits in its
    // status area.
    CheckLabel.setGeometry(536, 134, 137, 20);
    // Alt and the underlined letter tick the box; what the caption says stays the same.
    EnableDaylightSavingCheckBox.setText(QStringLiteral("&Enable Daylight Saving"));

    resize(ClientWidth, ClientHeight);
}

void TMainForm::SetTabOrder()
{
    // The page in view first, its controls in reading order, then the command panel column by
    // column: file, device, verify and compare, clock, and Cancel last. Controls of the pages
    // not in view are passed over.
    std::vector<QWidget *> order{&AdvPageControl1, &TimesAdvStringGrid, &OutputCSpinEdit, &SpecialTimesAdvStringGrid,
                                 &SpecialOutputCSpinEdit};
    for (const auto &picker : SpecialDateDateTimePickers) {
        order.push_back(picker.get());
    }
    order.push_back(&EnableDaylightSavingCheckBox);
    for (auto [group, month] : {std::pair<RadioGroup *, QComboBox *>{&AdvanceRadioGroup, &AdvanceComboBox},
                                std::pair<RadioGroup *, QComboBox *>{&RetardRadioGroup, &RetardComboBox}}) {
        for (int k = 0; k < group->Count(); ++k) {
            order.push_back(group->Item(k));
        }
        order.push_back(month);
    }
    for (QWidget *control : Panel1.TabOrder()) {
        order.push_back(control);
    }
    for (std::size_t k = 1; k < order.size(); ++k) {
        setTabOrder(order.at(k - 1), order.at(k));
    }
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int panelTop = std::max(0, height() - PanelHeight);
    AdvPageControl1.setGeometry(0, 0, width(), panelTop);
    Panel1.setGeometry(0, panelTop, width(), PanelHeight);
}

void TMainForm::LayoutTimesGrid()
{
    TimeGrid &grid = TimesAdvStringGrid;
    grid.SetColWidth(0, SlotColumnWidth);
    // Start and End share what the slot and day columns leave of the grid.
    const int width = (grid.width() - 525) / 2;
    grid.SetColWidth(StartColumn, width);
    grid.SetColWidth(EndColumn, width);
    for (int c = FirstDayColumn; c < grid.GridColCount(); ++c) {
        grid.SetColWidth(c, DayColumnWidth);
    }
    const QStringList headers =
        QStringList{QStringLiteral("Slot"), QStringLiteral("Start"), QStringLiteral("End")} + DayHeadingTexts();
    for (int c = 0; c < grid.GridColCount(); ++c) {
        grid.SetCell(c, 0, headers.at(c));
    }
    for (int r = 1; r < grid.GridRowCount(); ++r) {
        grid.SetCell(0, r, QString::asprintf("%i", r));
    }
}

void TMainForm::LayoutSpecialTimesGrid()
{
    TimeGrid &grid = SpecialTimesAdvStringGrid;
    grid.SetColWidth(0, SlotColumnWidth);
    grid.SetCell(0, 0, QStringLiteral("Slot"));
    grid.SetCell(StartColumn, 0, QStringLiteral("Start"));
    grid.SetCell(EndColumn, 0, QStringLiteral("End"));
    for (int r = 1; r < grid.GridRowCount(); ++r) {
        grid.SetCell(0, r, QString::asprintf("%i", r));
    }
}

} // namespace korvelt
