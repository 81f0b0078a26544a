#pragma once

#include "core/DataFileCodec.h"

#include <QCoreApplication>
#include <QString>

#include <filesystem>
#include <string_view>

namespace korvelt {

// The data file as the window keeps it on disk, and what the user is told about it.

// Writes the file atomically (see SaveFileAtomically): on failure the file on disk is as it
// was, and the result is false.
bool SaveDataFile(const std::filesystem::path &path, const ScheduleModel &model);

// Reads at most the first DataFileSize bytes of a regular file and decodes them. Anything but
// a regular file (after following links) is OpenError, and so is a pipe: the load never waits
// for a writer.
DataFileResult LoadDataFile(const std::filesystem::path &path);

// The error message shown for an outcome; empty for Loaded.
std::string_view DataFileMessage(DataFileOutcome outcome);

inline constexpr std::string_view SaveErrorMessage = QT_TRANSLATE_NOOP("DataFile", "Error Saving File.");

// The same two messages as shown, in the program's language.
QString DataFileMessageText(DataFileOutcome outcome);
QString SaveErrorText();

} // namespace korvelt
