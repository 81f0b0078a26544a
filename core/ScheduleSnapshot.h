#pragma once

#include "core/ScheduleModel.h"

namespace korvelt {

// Change tracking: the model's byte image as it was when it was last clean. Comparing
// images compares every field by its exact bits (NaN and -0.0 included).
class ScheduleSnapshot {
public:
    explicit ScheduleSnapshot(const ScheduleModel &model) : image_(EncodeScheduleImage(model)) {}

    void Take(const ScheduleModel &model) { image_ = EncodeScheduleImage(model); }
    [[nodiscard]] bool Differs(const ScheduleModel &model) const { return EncodeScheduleImage(model) != image_; }

private:
    ScheduleImage image_;
};

} // namespace korvelt
