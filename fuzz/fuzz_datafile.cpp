// Any byte string goes through the data-file load checks. A file that loads is shown in the
// two grids as the window shows it, stored back by the window's rule and encoded again; it
// must give back every byte the loader interprets. Each time value's cell text must also
// read back as the value it shows.
#include "CellText.h"
#include "DataFile.h"
#include "FuzzCheck.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>

using namespace korvelt;

namespace {

// Offsets inside the images of the file (see DataFile.h and ScheduleModel.h).
constexpr std::size_t ReservedAt = DataFileNameOffset + DataFileName.size() + 1; // 25
constexpr std::size_t SlotDaysAt = 16;
constexpr std::size_t SlotPaddingAt = 23;
constexpr std::size_t NormalTimesAt = DataFileHeaderSize;
constexpr std::size_t SpecialTimesAt = NormalTimesAt + SlotTableImageSize;
constexpr std::size_t DaylightSavingAt = SpecialTimesAt + SlotTableImageSize;
constexpr std::size_t SlotsPerTable = std::size_t{OutputCount} * SlotCount;

const QString On = QStringLiteral("On");
const QString Off = QStringLiteral("Off");

// The loader's checks, said once more in other words: the whole schedule is there, the name
// text with its zero byte stands at offset 4, and the version is not a later one.
bool ShouldLoad(std::span<const std::uint8_t> file)
{
    if (file.size() < DataFileSize) {
        return false;
    }
    for (std::size_t i = 0; i < DataFileName.size(); ++i) {
        if (file[DataFileNameOffset + i] != static_cast<std::uint8_t>(DataFileName[i])) {
            return false;
        }
    }
    const auto version =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(file[0]) | (std::uint32_t{file[1]} << 8U) |
                                  (std::uint32_t{file[2]} << 16U) | (std::uint32_t{file[3]} << 24U));
    return file[ReservedAt - 1] == 0 && version <= DataFileVersion;
}

// What a file that loaded must encode back to. The loader does not interpret the version
// (any version up to 1 is read alike and written back as 1), the reserved header bytes, the
// padding byte of each slot image or the three padding bytes of the daylight-saving image:
// those are masked to what the writer puts there. The normal grid shows a day as "On" or
// "Off" and stores "On" as 1, so a day byte other than 0 comes back as 1; the special grid
// has no day cells, so its day bytes come back unchanged.
DataFileImage ExpectedImage(std::span<const std::uint8_t> file)
{
    DataFileImage expected{};
    std::copy_n(file.begin(), DataFileSize, expected.begin());
    std::fill_n(expected.begin(), 4, std::uint8_t{0});
    expected[0] = static_cast<std::uint8_t>(DataFileVersion);
    std::fill(expected.begin() + ReservedAt, expected.begin() + DataFileHeaderSize, std::uint8_t{0});
    for (std::size_t slot = 0; slot < 2 * SlotsPerTable; ++slot) {
        const std::size_t at = NormalTimesAt + TimeSlotImageSize * slot;
        expected.at(at + SlotPaddingAt) = 0;
        if (slot < SlotsPerTable) {
            for (std::size_t d = 0; d < DayCount; ++d) {
                std::uint8_t &day = expected.at(at + SlotDaysAt + d);
                day = day != 0 ? 1 : 0;
            }
        }
    }
    std::fill_n(expected.begin() + DaylightSavingAt + 1, 3, std::uint8_t{0});
    return expected;
}

// The text of a time value must read back as the value it shows: a value below 1 as its time
// of day, anything else as its date and time to the second (fractions of a second are not
// shown, so the value read back may lie up to a second below).
void CheckShownValue(const CellTextCodec &codec, TDateTime value, const QString &text)
{
    if (text.isEmpty()) {
        return; // not a date-time value: the cell is empty and the store keeps the value
    }
    const auto back = codec.CellTextToTime(text);
    const auto where = [&] {
        return codec.Locale().name().toStdString() + ": " + FuzzShow(value) + " shown as '" + text.toStdString() + "'";
    };
    FuzzRequire(back.has_value(), [&] { return where() + " does not read back"; });
    if (value < 1.0) {
        const TimeParts shown = DecodeTime(value);
        const TimeParts read = DecodeTime(*back);
        FuzzRequire(*back >= 0.0 && *back < 1.0 && read.Hour == shown.Hour && read.Minute == shown.Minute &&
                        read.Second == shown.Second,
                    [&] { return where() + " reads back as " + FuzzShow(*back); });
        return;
    }
    // A millisecond is well above the rounding of a double up to year 9999.
    const double belowMs = (value - *back) * static_cast<double>(MSecsPerDay);
    FuzzRequire(belowMs > -1.0 && belowMs < 1001.0, [&] { return where() + " reads back as " + FuzzShow(*back); });
}

class Shower {
public:
    Shower()
        : english_(QLocale(QLocale::English, QLocale::UnitedStates)),
          german_(QLocale(QLocale::German, QLocale::Germany))
    {
    }

    // The text the window shows for a value (in the default locale), each value checked once.
    const QString &Text(TDateTime value)
    {
        const auto [it, added] = texts_.try_emplace(std::bit_cast<std::uint64_t>(value));
        if (added) {
            it->second = TimeToCellText(value);
            CheckShownValue(DefaultCellTextCodec(), value, it->second);
            CheckShownValue(german_, value, german_.TimeToCellText(value));
        }
        return it->second;
    }

    // ShowTimes and then StoreTimes of the main window, for one output.
    void ShowAndStore(OutputSlots &outputSlots, bool withDays)
    {
        for (TimeSlot &slot : outputSlots) {
            const QString startText = Text(slot.Start);
            const QString endText = Text(slot.End);
            StoreCellText(startText, slot.Start);
            StoreCellText(endText, slot.End);
            if (withDays) {
                for (std::uint8_t &day : slot.Days) {
                    const QString &dayText = day != 0 ? On : Off;
                    day = dayText == On ? 1 : 0;
                }
            }
        }
    }

private:
    CellTextCodec english_;
    CellTextCodec german_;
    std::unordered_map<std::uint64_t, QString> texts_;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int * /*argc*/, char *** /*argv*/)
{
    // The window's cells follow the default locale: a 12-hour one, with AM and PM.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    DataFileResult result = DecodeDataFile(file);
    FuzzRequire((result.Outcome == DataFileOutcome::Loaded) == ShouldLoad(file),
                [] { return "the load checks decided otherwise"; });
    if (result.Outcome != DataFileOutcome::Loaded) {
        return 0;
    }

    Shower shower;
    for (OutputSlots &outputSlots : result.Model.NormalTimes) {
        shower.ShowAndStore(outputSlots, true);
    }
    for (OutputSlots &outputSlots : result.Model.SpecialTimes) {
        shower.ShowAndStore(outputSlots, false);
    }

    const DataFileImage written = EncodeDataFile(result.Model);
    const DataFileImage expected = ExpectedImage(file);
    const auto [w, e] = std::ranges::mismatch(written, expected);
    FuzzRequire(w == written.end(), [&, w = w] {
        return "written back differently from byte " + std::to_string(std::distance(written.begin(), w));
    });
    return 0;
}
