// Any byte string goes through the data-file load checks. A file that loads is shown in the
// grids as the window shows it, stored back by the window's rule and encoded again; it must
// give back every byte the loader interprets. Each time value's cell text, in a 12-hour and a
// 24-hour locale, must also read back as the value it shows.
#include "CellText.h"
#include "DataFile.h"
#include "FuzzCheck.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>

using namespace korvelt;

namespace {

constexpr std::size_t ReservedAt = 25; // after the name text and its zero byte
constexpr std::size_t SlotsAt = 36;
constexpr std::size_t RuleAt = 12324;

// The loader's checks, said once more in other words: the whole schedule is there, the name
// text with its zero byte stands at offset 4, and the version is not a later one.
bool ShouldLoad(std::span<const std::uint8_t> file)
{
    if (file.size() < DataFileSize) {
        return false;
    }
    const std::string_view name(reinterpret_cast<const char *>(file.data()) + 4, 21);
    const auto version = static_cast<std::int32_t>(file[0] | (file[1] << 8U) | (file[2] << 16U) |
                                                   (static_cast<std::uint32_t>(file[3]) << 24U));
    return name == std::string_view("KORVELT Time Control\0", 21) && version <= 1;
}

// What a file that loaded must encode back to. The version (any up to 1 is read alike), the
// reserved header bytes and the padding of each slot and of the rule are written as the
// writer puts them. The normal grid shows a day as "On" or "Off" and stores "On" as 1, so a
// day byte other than 0 comes back as 1; the special grid has no day cells.
DataFileImage ExpectedImage(std::span<const std::uint8_t> file)
{
    DataFileImage expected{};
    std::copy_n(file.begin(), expected.size(), expected.begin());
    std::fill_n(expected.begin(), 4, 0);
    expected[0] = 1;
    std::fill(expected.begin() + ReservedAt, expected.begin() + SlotsAt, 0);
    for (std::size_t slot = 0; slot < 512; ++slot) {
        const std::size_t at = SlotsAt + 24 * slot;
        expected.at(at + 23) = 0;
        for (std::size_t d = 16; d < 23 && slot < 256; ++d) {
            expected.at(at + d) = expected.at(at + d) != 0 ? 1 : 0;
        }
    }
    std::fill_n(expected.begin() + RuleAt + 1, 3, 0);
    return expected;
}

// The text of a time value must read back as the value it shows: a value below 1 as its time
// of day to the second, anything else as its date and time to the second (fractions of a
// second are not shown, so the value read back may lie up to a second below).
void CheckShown(const CellTextCodec &codec, TDateTime value)
{
    const QString text = codec.TimeToCellText(value);
    if (text.isEmpty()) {
        return; // not a date-time value: the cell is empty and the store keeps the value
    }
    const auto back = codec.CellTextToTime(text);
    const auto where = [&] {
        return codec.Locale().name().toStdString() + ": " + FuzzShow(value) + " shown as '" + text.toStdString() + "'";
    };
    FuzzRequire(back.has_value(), [&] { return where() + " does not read back"; });
    bool same = false;
    if (value < 1.0) {
        const TimeParts shown = DecodeTime(value);
        const TimeParts read = DecodeTime(*back);
        same = *back >= 0.0 && *back < 1.0 && read.Hour == shown.Hour && read.Minute == shown.Minute &&
               read.Second == shown.Second;
    } else { // a millisecond is well above the rounding of a double up to year 9999
        const double belowMs = (value - *back) * static_cast<double>(MSecsPerDay);
        same = belowMs > -1.0 && belowMs < 1001.0;
    }
    FuzzRequire(same, [&] { return where() + " reads back as " + FuzzShow(*back); });
}

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
    static const CellTextCodec german(QLocale(QLocale::German, QLocale::Germany));
    std::unordered_map<std::uint64_t, QString> texts; // each value is shown once: texts are slow
    for (SlotTable *table : {&result.Model.NormalTimes, &result.Model.SpecialTimes}) {
        for (OutputSlots &outputSlots : *table) {
            for (TimeSlot &slot : outputSlots) { // shown in the grid, then stored from it
                for (TDateTime *value : {&slot.Start, &slot.End}) {
                    const auto [text, added] = texts.try_emplace(std::bit_cast<std::uint64_t>(*value));
                    if (added) {
                        text->second = TimeToCellText(*value);
                        CheckShown(DefaultCellTextCodec(), *value);
                        CheckShown(german, *value);
                    }
                    StoreCellText(text->second, *value);
                }
                if (table == &result.Model.NormalTimes) {
                    std::ranges::for_each(slot.Days, [](std::uint8_t &day) { day = day != 0 ? 1 : 0; });
                }
            }
        }
    }
    const DataFileImage written = EncodeDataFile(result.Model);
    const DataFileImage expected = ExpectedImage(file);
    const auto [w, e] = std::ranges::mismatch(written, expected);
    FuzzRequire(w == written.end(), [&, w = w] {
        return "written back differently from byte " + std::to_string(std::distance(written.begin(), w));
    });
    return 0;
}
