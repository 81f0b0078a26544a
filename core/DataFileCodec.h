#pragma once

#include "ScheduleModel.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
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

// Writes the file atomically: a temporary file in the same folder is written, flushed to
// disk and renamed over the target (a symbolic link is followed; an existing file's
// permissions are kept). Only a regular file is replaced: when the target, after following
// links, is anything else (a folder, a device, a pipe, a socket) or a link that leads
// nowhere, nothing is written. On failure the temporary file is removed, the target is left
// as it was, and the result is false.
bool SaveDataFile(const std::filesystem::path &path, const ScheduleModel &model);

// Reads at most the first DataFileSize bytes and decodes them. Anything but a regular file
// (after following links) is OpenError, and so is a pipe: the load never waits for a writer.
DataFileResult LoadDataFile(const std::filesystem::path &path);

// The error message shown for an outcome; empty for Loaded.
std::string_view DataFileMessage(DataFileOutcome outcome);

inline constexpr std::string_view SaveErrorMessage = "Error Saving File.";

} // namespace korvelt
