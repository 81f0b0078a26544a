#pragma once

#include "core/ScheduleModel.h"

#include <QSize>
#include <QWidget>

#include <vector>

namespace korvelt {

// A page that edits part of the schedule: it shows the model, writes what it shows back into
// it, and takes part in the window's layout, busy state and tab order. The window's pages are
// handled alike through it, whichever of them have been made.
class SchedulePage {
public:
    SchedulePage() = default;
    SchedulePage(const SchedulePage &) = delete;
    SchedulePage &operator=(const SchedulePage &) = delete;
    SchedulePage(SchedulePage &&) = delete;
    SchedulePage &operator=(SchedulePage &&) = delete;
    virtual ~SchedulePage() = default;

    // Shows the model's part of the page; emits nothing.
    virtual void Show(const ScheduleModel &model) = 0;
    // Commits what is being typed as Enter would, then writes the page into the model. False
    // when a typed value was refused.
    virtual bool Store(ScheduleModel &model) = 0;
    // Writes what the page shows now into the model; nothing is committed on the way.
    virtual void Peek(ScheduleModel &model) const = 0;
    // While a command runs, what it works on stays as it is.
    virtual void SetBusy(bool /*busy*/) {}
    // Lays the page out for a window this much larger than its designed size.
    virtual void Grow(QSize /*growth*/) {}
    // The page's controls in the order Tab visits them.
    [[nodiscard]] virtual std::vector<QWidget *> TabOrder() = 0;
};

} // namespace korvelt
