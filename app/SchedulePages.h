#pragma once

#include "app/DaylightSavingPage.h"
#include "app/SpecialTimesPage.h"
#include "app/TimesPage.h"
#include "app/WeekPage.h"
#include "core/ScheduleDifference.h"

#include <QAction>
#include <QTabWidget>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace korvelt {

// The window's pages of the schedule: Times, Special Times, Daylight Saving and Week, and
// the schedule as they show it. All but Times are made when they are first opened or needed;
// until then the schedule's values stand as the model holds them, and the schedule check's
// count is worked out without the Week page. Every edit of a page is reported once, when it
// is complete, through Edited.
class SchedulePages : public QTabWidget {
    Q_OBJECT

public:
    struct Sources {
        SlotClipboard *Clipboard = nullptr;
        UserDialogs *Dialogs = nullptr;
        std::function<QDate()> Today;
        std::function<const ScheduleModel &()> Model; // the schedule the pages show
        std::vector<QAction *> MenuHead;              // first in the grids' menus (Undo, Redo)
        std::function<ReportSource()> Report;         // the Week page's report of what they show
        std::function<QString()> PdfName;             // the name Export PDF suggests
    };

    explicit SchedulePages(Sources sources, QWidget *parent = nullptr);
    SchedulePages(const SchedulePages &) = delete;
    SchedulePages &operator=(const SchedulePages &) = delete;
    SchedulePages(SchedulePages &&) = delete;
    SchedulePages &operator=(SchedulePages &&) = delete;
    ~SchedulePages() override;

    // Shows the model on every page made so far; the Week page follows once the events at
    // hand are done. Emits nothing.
    void Show(const ScheduleModel &model);
    // Commits what is being typed as Enter would and writes the pages into the model. False
    // when a typed time or date was refused.
    bool Store(ScheduleModel &model);
    // The model with what the pages show now; nothing is changed on the way.
    [[nodiscard]] ScheduleModel Shown() const;
    // Shows the Week page again (from what the pages show) once the events at hand are done.
    void RefreshWeek() { weekTimer_.start(); }

    // While a command runs the outputs shown stay as they are.
    void SetBusy(bool busy);
    // Lays the pages out for a window this much larger than its designed size.
    void Grow(QSize growth);

    // Opens the page of a slot, of the value a finding names, or of a difference, with it
    // selected or focused.
    void GoToSlot(int output, int slot, bool special);
    void GoToValue(const ScheduleFinding &finding);
    void GoToDifference(const ScheduleDifference &place);

    // Before a write: true when the model has no mistake or the user writes it anyway.
    [[nodiscard]] bool MayWriteWithMistakes(const ScheduleModel &model) const
    {
        return WeekPage::MayWriteWithMistakes(model, weekSources_);
    }
    // The help page of the tab in view; empty for none.
    [[nodiscard]] QString HelpTopic() const;
    // The controls of the pages made so far, in the order Tab visits them.
    [[nodiscard]] std::vector<QWidget *> TabOrder();

    [[nodiscard]] TimesPage &Times() { return times_; }
    // These make their page when it has not been made yet.
    [[nodiscard]] SpecialTimesPage &SpecialTimes();
    [[nodiscard]] DaylightSavingPage &DaylightSaving();
    [[nodiscard]] WeekPage &Week();
    [[nodiscard]] int ShownOutput() const { return times_.ShownOutput(); }
    [[nodiscard]] int ShownSpecialOutput() const { return special_ ? special_->ShownOutput() : 0; }

signals:
    void Edited(const QString &step);
    // "Copy output N to…" was answered on the page of `table`.
    void OutputCopyChosen(korvelt::TimesTable table, int from, const std::vector<int> &to, const QString &step);
    // A page was made: its controls now take part in the tab order.
    void PageMade(QWidget *page);
    // The count of what the schedule check found, and what a command of the Week page did,
    // for the status area.
    void CheckCounted(const QString &text);
    void Reported(const QString &text);

private:
    void ConnectGridPage(SlotGridPage &page, TimesTable table);
    // The editing pages made so far, in the order of their tabs.
    [[nodiscard]] std::vector<SchedulePage *> MadePages() const;
    // A page just made takes its place, shows `shown` and is announced.
    template <typename Page> Page &Made(QWidget &place, Page &page, const ScheduleModel &shown);
    // The page of a tab index, made if it is one of those made when first opened.
    void MakePageAt(int index);

    Sources sources_;
    WeekPage::Sources weekSources_;
    TimesPage times_;
    // The places of the pages made when first opened; each holds its page, once made.
    QWidget specialPlace_;
    QWidget daylightPlace_;
    QWidget weekPlace_;
    std::unique_ptr<SpecialTimesPage> special_;
    std::unique_ptr<DaylightSavingPage> daylight_;
    std::unique_ptr<WeekPage> week_;
    // The editing pages in the order of their tabs: Times, Special Times, Daylight Saving;
    // null for one not made yet.
    std::array<SchedulePage *, 3> pages_{};
    QSize growth_;
    bool busy_ = false;
    QTimer weekTimer_;
};

} // namespace korvelt
