#pragma once

#include "core/ScheduleModel.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace korvelt {

// A data file is a 36-byte header (version, name text and its zero byte, reserved bytes)
// followed by the four schedule blocks in their byte images. Files written by earlier
// installations load here and ours load there, so the layout is fixed byte for byte.
inline constexpr std::size_t DataFileHeaderSize = 36;
inline constexpr std::size_t DataFileSize = DataFileHeaderSize + ScheduleImageSize;
static_assert(DataFileSize == 12472);

inline constexpr std::int32_t DataFileVersion = 1;
inline constexpr std::size_t DataFileNameOffset = 4;
inline constexpr std::string_view DataFileName = "KORVELT Time Control";

using DataFileImage = std::array<std::uint8_t, DataFileSize>;

enum class DataFileOutcome {
    Loaded,
    OpenError,    // the file could not be opened or read
    Incompatible, // another kind of file, or one too short to hold the whole schedule
    LaterFormat,  // our file, written by a later version
};

// `Model` holds the file's schedule when `Outcome` is Loaded, and the defaults otherwise.
struct DataFileResult {
    DataFileOutcome Outcome = DataFileOutcome::Incompatible;
    ScheduleModel Model{};
};

// The whole file: version 1, the name text and its zero byte, zeros in the reserved bytes,
// then the schedule image.
DataFileImage EncodeDataFile(const ScheduleModel &model);

// Checks the name, then the version, then that the whole schedule is there; bytes after
// the first DataFileSize are ignored. Loaded values are not validated. Never OpenError.
DataFileResult DecodeDataFile(std::span<const std::uint8_t> bytes);

// Whether `bytes` start as a data file does, with the program's name after the version: what
// tells a data file from any other (JSON) where both are taken.
[[nodiscard]] bool HasDataFileHeader(std::span<const std::uint8_t> bytes);

} // namespace korvelt
