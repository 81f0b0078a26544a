// The main window's pixel layout: its font, how the pages and the command panel share the
// window when it is resized, and the order Tab visits the controls in. Sizes are pixels at
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
    // The command panel places its own controls; the schedule check's count sits in its
    // status area.
    CheckLabel.setGeometry(536, 134, 137, 20);
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
    SpecialDatesBox &dates = SpecialTimesAdvTabSheet1.SpecialDates();
    std::vector<QWidget *> order{&AdvPageControl1, &TimesAdvTabSheet.Grid(), &TimesAdvTabSheet.OutputSelector(),
                                 &SpecialTimesAdvTabSheet1.Grid(), &SpecialTimesAdvTabSheet1.OutputSelector()};
    for (int k = 0; k < SpecialDateCount; ++k) {
        order.push_back(&dates.Picker(k));
    }
    order.push_back(&dates.HolidaysButton());
    order.push_back(&rule.EnableBox());
    for (auto [group, month] : {std::pair<RadioGroup *, QComboBox *>{&rule.AdvanceGroup(), &rule.AdvanceMonth()},
                                std::pair<RadioGroup *, QComboBox *>{&rule.RetardGroup(), &rule.RetardMonth()}}) {
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
    // The pages grow by what the window has beyond its designed size.
    const QSize growth(std::max(0, width() - ClientWidth), std::max(0, height() - ClientHeight));
    TimesAdvTabSheet.Grow(growth);
    SpecialTimesAdvTabSheet1.Grow(growth);
}

} // namespace korvelt
