#include "core/ScheduleModel.h"

#include "core/BytePacking.h"

#include <algorithm>
#include <bit>
#include <span>

namespace korvelt {

namespace {

// The image is read and written in file order; it starts out zeroed, so padding is skipped.
class ImageWriter {
public:
    explicit ImageWriter(ScheduleImage &image) : image_(image) {}

    void Byte(std::uint8_t value) { image_.at(pos_++) = value; }
    void Skip(std::size_t count) { pos_ += count; }
    void Int32(std::int32_t value) { Put(static_cast<std::uint32_t>(value)); }
    void Double(double value) { Put(std::bit_cast<std::uint64_t>(value)); }
    void Slot(const TimeSlot &slot)
    {
        Double(slot.Start);
        Double(slot.End);
        for (const std::uint8_t day : slot.Days) {
            Byte(day);
        }
        Skip(1);
    }

private:
    template <typename T> void Put(T value)
    {
        PutLittleEndian<T>(std::span(image_).subspan(pos_).template first<sizeof(T)>(), value);
        pos_ += sizeof(T);
    }

    ScheduleImage &image_;
    std::size_t pos_ = 0;
};

class ImageReader {
public:
    explicit ImageReader(const ScheduleImage &image) : image_(image) {}

    std::uint8_t Byte() { return image_.at(pos_++); }
    void Skip(std::size_t count) { pos_ += count; }
    std::int32_t Int32() { return static_cast<std::int32_t>(Get<std::uint32_t>()); }
    double Double() { return std::bit_cast<double>(Get<std::uint64_t>()); }
    TimeSlot Slot()
    {
        TimeSlot slot;
        slot.Start = Double();
        slot.End = Double();
        for (std::uint8_t &day : slot.Days) {
            day = Byte();
        }
        Skip(1);
        return slot;
    }

private:
    template <typename T> T Get()
    {
        const T value = GetLittleEndian<T>(std::span(image_).subspan(pos_).template first<sizeof(T)>());
        pos_ += sizeof(T);
        return value;
    }

    const ScheduleImage &image_;
    std::size_t pos_ = 0;
};

} // namespace

ScheduleImage EncodeScheduleImage(const ScheduleModel &model)
{
    ScheduleImage image{};
    ImageWriter out(image);
    for (const SlotTable *table : {&model.NormalTimes, &model.SpecialTimes}) {
        for (const OutputSlots &output : *table) {
            for (const TimeSlot &slot : output) {
                out.Slot(slot);
            }
        }
    }
    const DaylightSavingRule &rule = model.DaylightSaving;
    out.Byte(rule.Enabled);
    out.Skip(3);
    out.Int32(rule.AdvanceWeek);
    out.Int32(rule.RetardWeek);
    out.Int32(rule.AdvanceMonth);
    out.Int32(rule.RetardMonth);
    for (const TDateTime date : model.SpecialDates) {
        out.Double(date);
    }
    return image;
}

int CopyOutputTimes(ScheduleModel &model, TimesTable table, int from, std::span<const int> to)
{
    const auto isOutput = [](int output) { return output >= 0 && output < OutputCount; };
    if (!isOutput(from)) {
        return 0;
    }
    SlotTable &slots = table == TimesTable::Normal ? model.NormalTimes : model.SpecialTimes;
    const OutputSlots source = slots.at(static_cast<std::size_t>(from));
    std::array<bool, OutputCount> written{};
    for (const int output : to) {
        if (isOutput(output) && output != from) {
            slots.at(static_cast<std::size_t>(output)) = source;
            written.at(static_cast<std::size_t>(output)) = true;
        }
    }
    return static_cast<int>(std::count(written.begin(), written.end(), true));
}

ScheduleModel DecodeScheduleImage(const ScheduleImage &image)
{
    ScheduleModel model;
    ImageReader in(image);
    for (SlotTable *table : {&model.NormalTimes, &model.SpecialTimes}) {
        for (OutputSlots &output : *table) {
            for (TimeSlot &slot : output) {
                slot = in.Slot();
            }
        }
    }
    DaylightSavingRule &rule = model.DaylightSaving;
    rule.Enabled = in.Byte();
    in.Skip(3);
    rule.AdvanceWeek = in.Int32();
    rule.RetardWeek = in.Int32();
    rule.AdvanceMonth = in.Int32();
    rule.RetardMonth = in.Int32();
    for (TDateTime &date : model.SpecialDates) {
        date = in.Double();
    }
    return model;
}

} // namespace korvelt
