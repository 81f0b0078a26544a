#include "text/DataFile.h"

#include "platform/AtomicFile.h"

namespace korvelt {

bool SaveDataFile(const std::filesystem::path &path, const ScheduleModel &model)
{
    return SaveFileAtomically(path, EncodeDataFile(model));
}

DataFileResult LoadDataFile(const std::filesystem::path &path)
{
    const auto bytes = LoadRegularFile(path, DataFileSize);
    return bytes ? DecodeDataFile(*bytes) : DataFileResult{DataFileOutcome::OpenError, {}};
}

std::string_view DataFileMessage(DataFileOutcome outcome)
{
    switch (outcome) {
    case DataFileOutcome::Loaded:
        return {};
    case DataFileOutcome::OpenError:
        return "Error Opening File.";
    case DataFileOutcome::Incompatible:
        return "Incompatible data file.";
    case DataFileOutcome::LaterFormat:
        return "The file uses a later data format.\r\nCannot load";
    }
    return {};
}

} // namespace korvelt
