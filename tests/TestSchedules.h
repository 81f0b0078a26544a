#pragma once

// Values, schedules and whole exchanges shared by the tests and the exchange fuzzer. They are
// written out from literal bytes and the documented layouts, never through the packing they
// check. Qt only where QtCore is linked anyway.

#include "core/DeviceExchange.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#ifdef QT_CORE_LIB
#include <QByteArray>
#endif

namespace korvelt::testing {

inline TDateTime TimeOf(int hour, int minute, int second, int milliSecond = 0)
{
    TDateTime value = 0;
    return TryEncodeTime(hour, minute, second, milliSecond, value) ? value : throw std::invalid_argument("no time");
}

inline TDateTime DateOf(int year, int month, int day)
{
    TDateTime value = 0;
    return TryEncodeDate(year, month, day, value) ? value : throw std::invalid_argument("no date");
}

#ifdef QT_CORE_LIB
// Bytes as Qt Test shows them when a comparison fails.
inline QByteArray Bytes(std::initializer_list<int> values)
{
    return QByteArray::fromStdString(std::string(values.begin(), values.end()));
}

template <std::size_t N> QByteArray Bytes(const std::array<std::uint8_t, N> &array)
{
    return {reinterpret_cast<const char *>(array.data()), static_cast<qsizetype>(N)};
}
#endif

// A report with `from1` at bytes 1, 2, ... and every other byte 0.
inline Report ReportOf(std::initializer_list<int> from1)
{
    Report report{};
    std::ranges::copy(from1, report.begin() + 1);
    return report;
}

// The packed bytes of slot `slot` of output `output` of DistinctSchedule: DistinctSchedule is
// built from these bytes, so a test can compare the device's bytes with them directly.
inline std::array<int, 7> DistinctPackedSlot(bool special, int output, int slot)
{
    const int n = output * SlotCount + slot;
    return special ? std::array{(n * 11 + 5) % 128, 23 - output, 59 - slot, 3, output, slot * 2, 4}
                   : std::array{(n * 37) % 128, output, slot, 1, output + 8, slot, 2};
}

// A schedule in which every output, slot, date and rule field differs from the defaults and
// from each other, with values that the device can hold (whole seconds, years 2000..2255).
// Special date i is 28 - i, 1 + i % 12, 2001 + 13 * i; the rule goes out as 0, 1, 10, 2, 3.
inline ScheduleModel DistinctSchedule()
{
    ScheduleModel model;
    for (int o = 0; o < OutputCount; ++o) {
        for (int s = 0; s < SlotCount; ++s) {
            for (const bool special : {false, true}) {
                TimeSlot &slot = (special ? model.SpecialTimes : model.NormalTimes).at(o).at(s);
                const std::array<int, 7> b = DistinctPackedSlot(special, o, s);
                slot.Start = TimeOf(b[1], b[2], b[3]);
                slot.End = TimeOf(b[4], b[5], b[6]);
                for (int d = 0; d < DayCount; ++d) {
                    slot.Days.at(d) = (b[0] >> d) & 1;
                }
            }
        }
    }
    for (int i = 0; i < SpecialDateCount; ++i) {
        model.SpecialDates.at(i) = DateOf(2001 + 13 * i, 1 + i % 12, 28 - i);
    }
    model.DaylightSaving = DaylightSavingRule{0, 1, 2, 10, 3};
    return model;
}

// Every field compared by its bits.
inline bool SameSchedule(const ScheduleModel &a, const ScheduleModel &b)
{
    return EncodeScheduleImage(a) == EncodeScheduleImage(b);
}

enum class ExchangeKind { Download, Read, SetClock, ReadClock };

inline void StartExchange(DeviceExchange &exchange, ExchangeKind kind, const ScheduleModel &schedule = DistinctSchedule())
{
    switch (kind) {
    case ExchangeKind::Download:
        exchange.StartDownload(schedule);
        return;
    case ExchangeKind::Read:
        exchange.StartRead();
        return;
    case ExchangeKind::SetClock:
        exchange.StartSetClock();
        return;
    case ExchangeKind::ReadClock:
        exchange.StartReadClock();
        return;
    }
}

// What "Set Time" sends in the scripts, and what the scripted device's clock shows.
inline const TDateTime ClockToSet = DateOf(2010, 3, 28) + TimeOf(1, 59, 59, 750);
inline const std::pair<TDateTime, TDateTime> ScriptedClock{DateOf(2010, 8, 17), TimeOf(9, 5, 0)};
// The scripted device's version text fills the identity reply to its last byte.
inline const std::string ScriptedVersion = "KORVELT 1.05, a version text that runs to the last byte";

struct ScriptStep {
    Report Request;
    Report Reply;
};

// Every request of a whole exchange, byte for byte, and the device's reply to each, written
// out from the block layout: block 0 holds the daylight-saving rule and the special dates,
// blocks 1..32 the normal times and 33..64 the special times, eight slots of one output per
// block, four per half in 12-byte fields. The host downloads DistinctSchedule and sets the
// clock to ClockToSet; the device holds DistinctSchedule, and its clock shows ScriptedClock.
// Its identity has 0x99 in byte 5, which is not examined, serial number -2 and ScriptedVersion.
inline std::vector<ScriptStep> ExchangeScript(ExchangeKind kind)
{
    std::vector<ScriptStep> steps{{ReportOf({0x53}), ReportOf({0x53, 0x00, 0x04, 0x01, 0x99, 0xFE, 0xFF, 0xFF, 0xFF})}};
    std::ranges::copy(ScriptedVersion, steps[0].Reply.begin() + 10);
    // Half `half` of block `block` as the device holds it, written into `report` from byte `at`.
    const auto withHalf = [](Report report, std::size_t at, int block, int half) {
        if (block == 0 && half == 0) {
            std::fill(report.begin() + at + 6, report.begin() + at + 48, 0xFF);
            std::ranges::copy(std::array{0x55, 0, 1, 10, 2, 3}, report.begin() + at);
        }
        for (std::size_t i = 0; block == 0 && half == 1 && i < SpecialDateCount; ++i) {
            std::ranges::copy(std::array{28 - i, 1 + i % 12, 1 + 13 * i}, report.begin() + at + 3 * i);
        }
        for (int i = 0; block > 0 && i < 4; ++i) {
            const auto slot = DistinctPackedSlot(block >= 33, (block - 1) % 32 / 2, (block - 1) % 2 * 8 + half * 4 + i);
            std::ranges::copy(slot, report.begin() + at + 12 * i);
        }
        return report;
    };
    switch (kind) {
    case ExchangeKind::Download:
        steps.push_back({ReportOf({0x45}), ReportOf({0x45})});
        for (int block = 0; block < BlockCount; ++block) {
            for (const int half : {0, 1}) {
                const Report header = ReportOf({half == 0 ? 0x64 : 0x44, block});
                steps.push_back({withHalf(header, 3, block, half), header});
            }
        }
        // The settings request is filled with 0xFF to its end.
        std::fill(steps[2].Request.begin() + 51, steps[2].Request.end(), 0xFF);
        steps.push_back({ReportOf({0x5A}), ReportOf({0x5A})});
        break;
    case ExchangeKind::Read:
        for (int block = 0; block < BlockCount; ++block) {
            for (const int half : {0, 1}) {
                const int command = half == 0 ? 0x72 : 0x52;
                steps.push_back({ReportOf({command, block}), withHalf(ReportOf({command}), 2, block, half)});
            }
        }
        break;
    default:
        steps.push_back({kind == ExchangeKind::SetClock ? ReportOf({0x54, 0x57, 1, 59, 59, 28, 3, 10})
                                                        : ReportOf({0x54, 0x52}),
                         ReportOf({0x54, 9, 5, 0, 17, 8, 10})});
    }
    return steps;
}

// A host that keeps what an exchange sends and reports.
class RecordingHost final : public ExchangeHost {
public:
    explicit RecordingHost(ScheduleModel model = DistinctSchedule()) : Schedule(std::move(model)) {}

    void SendReport(const Report &request) override { Sent.push_back(request); }
    [[nodiscard]] TDateTime ClockValueToSet() override { return ClockValue; }
    void Identified(const DeviceIdentity &identity) override { Identity = identity; }
    void DownloadDone() override { Downloaded = true; }
    void ReadDone(const ScheduleModel &read) override { Read = read; }
    void ClockRead(TDateTime date, TDateTime time) override { Clock = {date, time}; }
    void Failed(ExchangeFailure reason, int detail) override { Failure = {reason, detail}; }

    [[nodiscard]] bool Ended() const { return Downloaded || Read || Clock || Failure; }
    void Clear()
    {
        Sent.clear();
        Identity.reset();
        Downloaded = false;
        Read.reset();
        Clock.reset();
        Failure.reset();
    }

    ScheduleModel Schedule; // what the exchange is given
    TDateTime ClockValue = ClockToSet;
    std::vector<Report> Sent;
    std::optional<DeviceIdentity> Identity;
    bool Downloaded = false;
    std::optional<ScheduleModel> Read;
    std::optional<std::pair<TDateTime, TDateTime>> Clock;
    std::optional<std::pair<ExchangeFailure, int>> Failure;
};

} // namespace korvelt::testing
