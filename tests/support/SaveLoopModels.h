#pragma once

#include "ScheduleModel.h"

#include <cstddef>

namespace korvelt {

// The two schedules that the save loop writes over one file in turn: the defaults, and one
// that differs from them in every field, so that any mix of the two is neither.
inline ScheduleModel SaveLoopModel(int which)
{
    ScheduleModel model;
    if (which == 0) {
        return model;
    }
    for (SlotTable *table : {&model.NormalTimes, &model.SpecialTimes}) {
        for (std::size_t o = 0; o < table->size(); ++o) {
            for (std::size_t s = 0; s < table->at(o).size(); ++s) {
                TimeSlot &slot = table->at(o).at(s);
                slot.Start = static_cast<double>(o * SlotCount + s) / 1024.0;
                slot.End = 0.75 + static_cast<double>(s) / 256.0;
                slot.Days.fill(1);
            }
        }
    }
    model.DaylightSaving = {0, 1, 2, 3, 4};
    for (std::size_t k = 0; k < model.SpecialDates.size(); ++k) {
        model.SpecialDates.at(k) = 45'000.0 + static_cast<double>(k);
    }
    return model;
}

} // namespace korvelt
