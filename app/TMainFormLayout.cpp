// The main window's pixel layout: its font, the place and size of the command panel's
// controls, and how the pages and the panel share the window when it is resized. Sizes are pixels at
// 96 dots per inch.
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

} // namespace

void TMainForm::PlaceControls()
{
    QFont formFont(QStringLiteral("Tahoma"));
    formFont.setPixelSize(11);
    setFont(formFont);
    LoadButton.setGeometry(16, 20, 113, 25);
    SaveButton.setGeometry(16, 55, 113, 25);
    HelpButton.setGeometry(16, 96, 113, 25);
    WriteButton.setGeometry(152, 20, 113, 25);
    ReadButton.setGeometry(152, 55, 113, 25);
    ExitButton.setGeometry(152, 95, 113, 25);
    VerifyCheckBox.setGeometry(280, 22, 185, 20);
    LogMemo.setGeometry(280, 46, 185, 44);
    CompareButton.setGeometry(280, 95, 185, 25);
    SetTimeButton.setGeometry(536, 20, 113, 25);
    ReadTimeButton.setGeometry(680, 20, 113, 25);
    UsePCTimeCheckBox.setGeometry(552, 66, 113, 20);
    SetDateDateTimePicker.setGeometry(536, 92, 113, 22);
    SetTimeDateTimePicker.setGeometry(680, 92, 113, 22);
    // The status area: the device found, what the last command did or is doing, its progress.
    ConnectionLabel.setGeometry(16, 134, 249, 20);
    StatusLabel.setGeometry(280, 134, 249, 20);
    CheckLabel.setGeometry(536, 134, 137, 20);
    CancelButton.setGeometry(680, 131, 113, 25);
    // The file the schedule was last loaded from or saved to, beside the progress.
    FileLabel.setGeometry(16, 156, 377, 20);
    FileLabel.setTextFormat(Qt::PlainText);
    ProgressBar.setGeometry(400, 160, 393, 12);

    // Alt and the underlined letter press a button; what the captions say stays the same.
    const std::initializer_list<std::pair<QAbstractButton *, const char *>> mnemonics{
        {&LoadButton, "&Load File"},          {&SaveButton, "&Save File"},
        {&HelpButton, "&Help"},               {&WriteButton, "&Write To KORVELT"},
        {&ReadButton, "&Read From KORVELT"},  {&ExitButton, "E&xit"},
        {&SetTimeButton, "Set &Time"},        {&ReadTimeButton, "Read T&ime"},
        {&UsePCTimeCheckBox, "&Use PC Time"}, {&VerifyCheckBox, "&Verify after writing"},
        {&CompareButton, "&Compare with KORVELT"},
    };
    for (const auto &[button, caption] : mnemonics) {
        button->setText(QString::fromLatin1(caption));
    }
    LogMemo.setTabChangesFocus(true);

    // The designed size is the smallest: larger, the grids and the Week picture grow.
    setMinimumSize(ClientWidth, ClientHeight);
    resize(ClientWidth, ClientHeight);
}

void TMainForm::SetTabOrder()
{
    // The page in view first, its controls in reading order, then the command panel column by
    // column: file, device, verify and compare, clock, and Cancel last. Controls of the pages
    // not in view are passed over.
    DaylightSavingPage &rule = DaylightSavingAdvTabSheet;
    std::vector<QWidget *> order{&AdvPageControl1, &TimesAdvTabSheet.Grid(), &TimesAdvTabSheet.OutputSelector(),
                                 &SpecialTimesAdvTabSheet1.Grid(), &SpecialTimesAdvTabSheet1.OutputSelector()};
    for (int k = 0; k < SpecialDateCount; ++k) {
        order.push_back(&SpecialTimesAdvTabSheet1.SpecialDates().Picker(k));
    }
    order.push_back(&SpecialTimesAdvTabSheet1.SpecialDates().HolidaysButton());
    order.push_back(&rule.EnableBox());
    for (auto [group, month] : {std::pair<RadioGroup *, QComboBox *>{&rule.AdvanceGroup(), &rule.AdvanceMonth()},
                                std::pair<RadioGroup *, QComboBox *>{&rule.RetardGroup(), &rule.RetardMonth()}}) {
        for (int k = 0; k < group->Count(); ++k) {
            order.push_back(group->Item(k));
        }
        order.push_back(month);
    }
    for (QWidget *control : std::initializer_list<QWidget *>{
             &LoadButton, &SaveButton, &HelpButton, &WriteButton, &ReadButton, &ExitButton, &VerifyCheckBox, &LogMemo,
             &CompareButton, &SetTimeButton, &ReadTimeButton, &UsePCTimeCheckBox, &SetDateDateTimePicker,
             &SetTimeDateTimePicker, &CancelButton}) {
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
    // The pages grow by what the window has beyond its designed size.
    const QSize growth(std::max(0, width() - ClientWidth), std::max(0, height() - ClientHeight));
    TimesAdvTabSheet.Grow(growth);
    SpecialTimesAdvTabSheet1.Grow(growth);
}

} // namespace korvelt
