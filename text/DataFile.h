#pragma once

#include "core/DataFileCodec.h"

#include <QCoreApplication>
#include <QString>

#include <filesystem>
#include <string_view>
#include <system_error>

namespace korvelt {

// The data file as the window keeps it on disk, and what the user is told about it.

// Writes the file atomically (see SaveFileAtomically): on failure the file on disk is as it
// was, and the result is false; `error`, when given, holds the system's reason.
bool SaveDataFile(const std::filesystem::path &path, const ScheduleModel &model, std::error_code *error = nullptr);

// Reads at most the first DataFileSize bytes of a regular file and decodes them. Anything but
// a regular file (after following links) is OpenError, and so is a pipe: the load never waits
// for a writer. `error`, when given, holds the system's reason for an OpenError.
DataFileResult LoadDataFile(const std::filesystem::path &path, std::error_code *error = nullptr);

// The system's reason for a failed save or open, as the system words it.
QString SystemReasonText(const std::error_code &error);

// The error message shown for an outcome; empty for Loaded.
std::string_view DataFileMessage(DataFileOutcome outcome);

inline constexpr std::string_view SaveErrorMessage = QT_TRANSLATE_NOOP("DataFile", "Error Saving File.");

// The same two messages as shown, in the program's language.
QString DataFileMessageText(DataFileOutcome outcome);
QString SaveErrorText();

} // namespace korvelt
