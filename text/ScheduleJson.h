#pragma once

#include "core/DataFileCodec.h"

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <optional>

namespace korvelt {

// The schedule as JSON text, for diff and version control (the schema is described in
// docs/schedule-format.md). Every value of a data file survives the trip: a time that is not a
// whole second of a day, a date that is not a whole day in 2000..2255, a day byte other than 0
// or 1 and a rule item that is none of the items are written with their stored value, so that
// .dat to JSON to .dat gives back the same bytes.
inline constexpr int ScheduleJsonVersion = 1;

// "HH:MM:SS" for a value that is exactly that whole second of a day, as the time fields
// store it; empty for any other value.
[[nodiscard]] QString WholeSecondTimeText(TDateTime value);

[[nodiscard]] QByteArray ScheduleToJson(const ScheduleModel &model);

// A data file that loads, as JSON: its schedule, and under "dataFile" the bytes the loader
// does not read (the version, the reserved header bytes, the padding) where they differ from
// what a save writes, so that importing it gives back the very same bytes.
[[nodiscard]] QByteArray DataFileToJson(const DataFileImage &file);

// A JSON text that is not a schedule of this form is refused: `Error` names the place in the
// JSON and what is wrong there, e.g. `outputs[3].normal[16]: a 17th slot, an output has 16`.
struct ScheduleJsonResult {
    std::optional<ScheduleModel> Model;
    QString Error;
    DataFileImage File{}; // with Model: the data file it describes, byte for byte
};

[[nodiscard]] ScheduleJsonResult ScheduleFromJson(const QByteArray &json);

// Writes the JSON form atomically, as SaveDataFile does the data file.
[[nodiscard]] bool SaveScheduleJson(const std::filesystem::path &path, const ScheduleModel &model);

} // namespace korvelt
