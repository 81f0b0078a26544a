#include "ScheduleModel.h"

#include <bit>
#include <cstring>

namespace korvelt {

namespace {

class ImageWriter {
public:
    explicit ImageWriter(ScheduleImage &image) : image_(image) {}

    void Byte(std::uint8_t value) { image_.at(pos_++) = value; }
    void Zeros(std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i) {
            Byte(0);
        }
    }
    void Int32(std::int32_t value) { Unsigned(static_cast<std::uint32_t>(value), 4); }
    void Double(double value) { Unsigned(std::bit_cast<std::uint64_t>(value), 8); }
    void Slot(const TimeSlot &slot)
    {
        Double(slot.Start);
        Double(slot.End);
        for (const std::uint8_t day : slot.Days) {
            Byte(day);
        }
        Zeros(1);
    }

private:
    void Unsigned(std::uint64_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i) {
            Byte(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }

    ScheduleImage &image_;
    std::size_t pos_ = 0;
};

class ImageReader {
public:
    explicit ImageReader(const ScheduleImage &image) : image_(image) {}

    std::uint8_t Byte() { return image_.at(pos_++); }
    void Skip(std::size_t count) { pos_ += count; }
    std::int32_t Int32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(Unsigned(4))); }
    double Double() { return std::bit_cast<double>(Unsigned(8)); }
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
    std::uint64_t Unsigned(int bytes)
    {
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= static_cast<std::uint64_t>(Byte()) << (8 * i);
        }
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
    out.Zeros(3);
    out.Int32(rule.AdvanceWeek);
    out.Int32(rule.RetardWeek);
    out.Int32(rule.AdvanceMonth);
    out.Int32(rule.RetardMonth);
    for (const TDateTime date : model.SpecialDates) {
        out.Double(date);
    }
    return image;
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
