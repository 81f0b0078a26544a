#include "app/CompareDialog.h"
#include "app/FormFont.h"

#include "text/DifferenceText.h"

#include <QFont>
#include <QResizeEvent>

#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace korvelt {

namespace {

// Sizes are pixels at 96 dots per inch, as in the main window. The width takes the longest
// line, a rule's, in the window's font.
constexpr int ClientWidth = 800;
constexpr int ClientHeight = 360;
constexpr int Margin = 12;
constexpr int HeadingHeight = 20;
constexpr int ButtonHeight = 25;
constexpr int CloseWidth = 113;
constexpr int TakeWidth = 180;

} // namespace

CompareDialog::CompareDialog(const ScheduleModel &windowSchedule, const ScheduleModel &deviceSchedule,
                             const std::vector<ScheduleDifference> &differences, QWidget *parent)
    : QDialog(parent), HeadingLabel(this), DifferenceList(this), TakeButton(this), CloseButton(this)
{
    setWindowTitle(tr("Compare with KORVELT"));
    setFont(FormFont());

    const QStringList lines = DifferenceLines(windowSchedule, deviceSchedule, differences);
    if (lines.isEmpty()) {
        //: The KORVELT holds exactly the window's schedule
        HeadingLabel.setText(tr("Identical"));
        DifferenceList.hide();
    } else {
        const int count = static_cast<int>(lines.size());
        //: Heading above the list of differences
        HeadingLabel.setText(count == 1 ? tr("The KORVELT differs from the window in 1 place:")
                                        //: Heading above the list of differences; %n is how many
                                        : tr("The KORVELT differs from the window in %n places:", nullptr, count));
        DifferenceList.addItems(lines);
    }
    HeadingLabel.setBuddy(&DifferenceList);
    DifferenceList.setEditTriggers(QAbstractItemView::NoEditTriggers);
    DifferenceList.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    //: Button: the window takes the schedule read from the KORVELT
    TakeButton.setText(tr("Take the KORVELT's schedule"));
    TakeButton.setEnabled(!lines.isEmpty());
    TakeButton.setAutoDefault(false);
    CloseButton.setText(tr("Close"));
    // Enter closes: taking the KORVELT's schedule replaces the window's, so it takes a click.
    CloseButton.setDefault(true);
    using Choice = UserDialogs::Comparison::Choice;
    connect(&TakeButton, &QPushButton::clicked, this, [this] {
        chosen_ = {Choice::Take, {}};
        accept();
    });
    connect(&CloseButton, &QPushButton::clicked, this, [this] {
        chosen_ = {Choice::Keep, {}};
        reject();
    });
    // A line leads to its place in the window, as the Week page's findings do.
    const auto goTo = [this, differences](QListWidgetItem *item) {
        const int row = DifferenceList.row(item);
        if (row < 0 || row >= static_cast<int>(differences.size())) {
            return;
        }
        chosen_ = {Choice::GoTo, differences.at(static_cast<std::size_t>(row))};
        accept();
    };
    connect(&DifferenceList, &QListWidget::itemClicked, this, goTo);
    connect(&DifferenceList, &QListWidget::itemActivated, this, goTo);
    DifferenceList.setToolTip(tr("Click a line to go to its place in the window"));

    const std::initializer_list<std::tuple<QWidget *, const char *, QString>> names{
        {&HeadingLabel, "HeadingLabel", HeadingLabel.text()},
        {&DifferenceList, "DifferenceList", tr("Differences")},
        {&TakeButton, "TakeButton", TakeButton.text()},
        {&CloseButton, "CloseButton", CloseButton.text()},
    };
    for (const auto &[widget, name, accessible] : names) {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setAccessibleName(accessible);
    }

    // Without a list the heading and the buttons are all there is to show.
    const int leastWidth = 3 * Margin + TakeButtonWidth() + CloseButtonWidth();
    const int leastHeight = 3 * Margin + HeadingHeight + ButtonHeight;
    setMinimumSize(leastWidth, leastHeight);
    if (lines.isEmpty()) {
        resize(leastWidth, leastHeight);
    } else {
        resize(ClientWidth, ClientHeight);
    }
}

// The designed widths of the buttons, or wider where the language's captions need it.
int CompareDialog::TakeButtonWidth() const
{
    return std::max(TakeWidth, TakeButton.sizeHint().width());
}

int CompareDialog::CloseButtonWidth() const
{
    return std::max(CloseWidth, CloseButton.sizeHint().width());
}

void CompareDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    const int buttonTop = h - Margin - ButtonHeight;
    HeadingLabel.setGeometry(Margin, Margin, w - 2 * Margin, HeadingHeight);
    const int listTop = Margin + HeadingHeight + 4;
    DifferenceList.setGeometry(Margin, listTop, w - 2 * Margin, buttonTop - Margin - listTop);
    const int close = CloseButtonWidth();
    const int take = TakeButtonWidth();
    CloseButton.setGeometry(w - Margin - close, buttonTop, close, ButtonHeight);
    TakeButton.setGeometry(w - Margin - close - Margin - take, buttonTop, take, ButtonHeight);
}

} // namespace korvelt
