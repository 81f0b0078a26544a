#include "app/SchedulePages.h"

#include "app/Guarded.h"
#include "text/QtDateTime.h"

#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace korvelt {

namespace {

// Puts a page made late into the place its tab has held from the start.
void Hold(QWidget &place, QWidget &page)
{
    auto *layout = new QVBoxLayout(&place); // owned by the place
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&page);
    // The page takes its place and is shown at once, as one made with the window would be, so
    // that it is laid out and its keys work before anything acts on it.
    layout->activate();
    page.show();
}

} // namespace

SchedulePages::SchedulePages(Sources sources, QWidget *parent)
    : QTabWidget(parent),
      sources_(std::move(sources)), weekSources_{sources_.Dialogs, sources_.Today, sources_.Report, sources_.PdfName},
      times_(*sources_.Clipboard, *sources_.Dialogs)
{
    setObjectName(QStringLiteral("AdvPageControl1"));
    setAccessibleName(tr("Pages"));
    specialPlace_.setObjectName(QStringLiteral("SpecialTimesAdvTabSheet1"));
    daylightPlace_.setObjectName(QStringLiteral("DaylightSavingAdvTabSheet"));
    weekPlace_.setObjectName(QStringLiteral("WeekAdvTabSheet"));
    //: Tab of the weekly slots
    addTab(&times_, tr("Times"));
    //: Tab of the slots of the special dates
    addTab(&specialPlace_, tr("Special Times"));
    addTab(&daylightPlace_, tr("Daylight Saving"));
    //: Tab of the picture of the week and the schedule check
    addTab(&weekPlace_, tr("Week"));
    setCurrentWidget(&times_);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) { MakePageAt(index); });
    pages_.at(0) = &times_;
    ConnectGridPage(times_, TimesTable::Normal);

    // The Week page is redrawn once the events at hand are done, so that a whole schedule
    // shown at once redraws it once.
    weekTimer_.setSingleShot(true);
    weekTimer_.setInterval(0);
    connect(&weekTimer_, &QTimer::timeout, this, [this] {
        Guarded(*sources_.Dialogs, [this] {
            if (week_) {
                week_->Show(Shown());
            } else {
                const ScheduleModel shown = Shown();
                emit CheckCounted(WeekPage::CountText(CheckSchedule(shown, FromQDate(weekSources_.TodayDate()))));
            }
        });
    });
}

SchedulePages::~SchedulePages()
{
    // Pages going away change the tab in view; none is to be made on the way out.
    disconnect(this, &QTabWidget::currentChanged, this, nullptr);
}

void SchedulePages::ConnectGridPage(SlotGridPage &page, TimesTable table)
{
    connect(&page, &SlotGridPage::Edited, this, &SchedulePages::Edited);
    connect(&page, &SlotGridPage::OutputCopyChosen, this,
            [this, table](int from, const std::vector<int> &to, const QString &step) {
                emit OutputCopyChosen(table, from, to, step);
            });
    // The grids' menus offer Undo and Redo first, with what they would undo or redo.
    QMenu &menu = page.Menu();
    QAction *first = menu.actions().value(0);
    for (QAction *action : sources_.MenuHead) {
        menu.insertAction(first, action);
    }
    if (!sources_.MenuHead.empty()) {
        menu.insertSeparator(first);
    }
    // A page made while a command runs keeps its output too.
    page.SetBusy(busy_);
    page.Grow(growth_);
}

std::vector<SchedulePage *> SchedulePages::MadePages() const
{
    std::vector<SchedulePage *> made;
    std::copy_if(pages_.begin(), pages_.end(), std::back_inserter(made),
                 [](SchedulePage *page) { return page != nullptr; });
    return made;
}

template <typename Page> Page &SchedulePages::Made(QWidget &place, Page &page, const ScheduleModel &shown)
{
    Hold(place, page);
    page.Show(shown);
    emit PageMade(&page);
    return page;
}

SpecialTimesPage &SchedulePages::SpecialTimes()
{
    if (!special_) {
        special_ =
            std::make_unique<SpecialTimesPage>(*sources_.Clipboard, *sources_.Dialogs, sources_.Today, &specialPlace_);
        pages_.at(1) = special_.get();
        ConnectGridPage(*special_, TimesTable::Special);
        return Made(specialPlace_, *special_, sources_.Model());
    }
    return *special_;
}

DaylightSavingPage &SchedulePages::DaylightSaving()
{
    if (!daylight_) {
        daylight_ = std::make_unique<DaylightSavingPage>(&daylightPlace_);
        pages_.at(2) = daylight_.get();
        connect(daylight_.get(), &DaylightSavingPage::Edited, this, &SchedulePages::Edited);
        return Made(daylightPlace_, *daylight_, sources_.Model());
    }
    return *daylight_;
}

WeekPage &SchedulePages::Week()
{
    if (!week_) {
        week_ = std::make_unique<WeekPage>(&weekPlace_);
        week_->SetSources(weekSources_);
        connect(week_.get(), &WeekPage::CheckCounted, this, &SchedulePages::CheckCounted);
        connect(week_.get(), &WeekPage::Reported, this, &SchedulePages::Reported);
        connect(week_.get(), &WeekPage::GoTo, this, [this](int output, int slot, bool special) {
            Guarded(*sources_.Dialogs, [&] { GoToSlot(output, slot, special); });
        });
        connect(week_.get(), &WeekPage::GoToValue, this,
                [this](const ScheduleFinding &finding) { Guarded(*sources_.Dialogs, [&] { GoToValue(finding); }); });
        return Made(weekPlace_, *week_, Shown());
    }
    return *week_;
}

void SchedulePages::MakePageAt(int index)
{
    if (widget(index) == &specialPlace_) {
        (void)SpecialTimes();
    } else if (widget(index) == &daylightPlace_) {
        (void)DaylightSaving();
    } else if (widget(index) == &weekPlace_) {
        (void)Week();
    }
}

void SchedulePages::Show(const ScheduleModel &model)
{
    for (SchedulePage *page : MadePages()) {
        page->Show(model);
    }
    RefreshWeek();
}

bool SchedulePages::Store(ScheduleModel &model)
{
    // Every page stores, a refusal on one stopping none of the others.
    bool stored = true;
    for (SchedulePage *page : MadePages()) {
        stored = page->Store(model) && stored;
    }
    return stored;
}

ScheduleModel SchedulePages::Shown() const
{
    ScheduleModel model = sources_.Model();
    for (const SchedulePage *page : MadePages()) {
        page->Peek(model);
    }
    return model;
}

void SchedulePages::SetBusy(bool busy)
{
    busy_ = busy;
    for (SchedulePage *page : MadePages()) {
        page->SetBusy(busy);
    }
}

void SchedulePages::Grow(QSize growth)
{
    growth_ = growth;
    for (SchedulePage *page : MadePages()) {
        page->Grow(growth);
    }
}

void SchedulePages::GoToSlot(int output, int slot, bool special)
{
    SlotGridPage &page = special ? static_cast<SlotGridPage &>(SpecialTimes()) : times_;
    setCurrentWidget(special ? &specialPlace_ : static_cast<QWidget *>(&times_));
    page.GoToSlot(output, slot);
}

void SchedulePages::GoToValue(const ScheduleFinding &finding)
{
    using Field = UnsendableValue::Field;
    if (finding.Slot >= 0) {
        // A special date.
        SpecialTimesPage &page = SpecialTimes();
        setCurrentWidget(&specialPlace_);
        page.SpecialDates().Picker(finding.Slot).setFocus();
        return;
    }
    DaylightSavingPage &rule = DaylightSaving();
    setCurrentWidget(&daylightPlace_);
    const Field field = finding.Value.What;
    QWidget &control = field == Field::AdvanceWeek   ? static_cast<QWidget &>(rule.AdvanceGroup())
                       : field == Field::RetardWeek  ? static_cast<QWidget &>(rule.RetardGroup())
                       : field == Field::RetardMonth ? static_cast<QWidget &>(rule.RetardMonth())
                                                     : static_cast<QWidget &>(rule.AdvanceMonth());
    control.setFocus();
}

void SchedulePages::GoToDifference(const ScheduleDifference &place)
{
    using Part = ScheduleDifference::Part;
    switch (place.Where) {
    case Part::NormalSlot:
    case Part::SpecialSlot:
        GoToSlot(place.Output, place.Index, place.Where == Part::SpecialSlot);
        break;
    case Part::SpecialDate: {
        SpecialTimesPage &page = SpecialTimes();
        setCurrentWidget(&specialPlace_);
        page.SpecialDates().Picker(place.Index).setFocus();
        break;
    }
    case Part::DaylightSaving: {
        DaylightSavingPage &rule = DaylightSaving();
        setCurrentWidget(&daylightPlace_);
        rule.EnableBox().setFocus();
        break;
    }
    }
}

QString SchedulePages::HelpTopic() const
{
    // The help page of each tab; a tab without one opens the help at its first page.
    const std::initializer_list<std::pair<const QWidget *, const char *>> topics{
        {&times_, "normal-times.htm"},
        {&specialPlace_, "special-times.htm"},
        {&daylightPlace_, "daylight-saving.htm"},
        {&weekPlace_, "week.htm"},
    };
    for (const auto &[tab, topic] : topics) {
        if (tab == currentWidget()) {
            return QString::fromLatin1(topic);
        }
    }
    return {};
}

std::vector<QWidget *> SchedulePages::TabOrder()
{
    // The page in view first, its controls in reading order; controls of the pages not in
    // view are passed over.
    std::vector<QWidget *> order{this};
    for (SchedulePage *page : MadePages()) {
        for (QWidget *control : page->TabOrder()) {
            order.push_back(control);
        }
    }
    return order;
}

} // namespace korvelt
