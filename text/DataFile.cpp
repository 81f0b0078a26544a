#include "text/DataFile.h"

#include "platform/AtomicFile.h"

#include <QCoreApplication>

namespace korvelt {

bool SaveDataFile(const std::filesystem::path &path, const ScheduleModel &model, std::error_code *error)
{
    return SaveFileAtomically(path, EncodeDataFile(model), error);
}

DataFileResult LoadDataFile(const std::filesystem::path &path, std::error_code *error)
{
    const auto bytes = LoadRegularFile(path, DataFileSize, error);
    return bytes ? DecodeDataFile(*bytes) : DataFileResult{DataFileOutcome::OpenError, {}};
}

QString SystemReasonText(const std::error_code &error)
{
    // The system's words in its own language; on Windows they end with a line break.
    return QString::fromLocal8Bit(error.message()).trimmed();
}

std::string_view DataFileMessage(DataFileOutcome outcome)
{
    switch (outcome) {
    case DataFileOutcome::Loaded:
        return {};
    case DataFileOutcome::OpenError:
        return QT_TRANSLATE_NOOP("DataFile", "Error Opening File.");
    case DataFileOutcome::Incompatible:
        return QT_TRANSLATE_NOOP("DataFile", "Incompatible data file.");
    case DataFileOutcome::LaterFormat:
        return QT_TRANSLATE_NOOP("DataFile", "The file uses a later data format.\r\nCannot load");
    }
    return {};
}

QString DataFileMessageText(DataFileOutcome outcome)
{
    const std::string_view message = DataFileMessage(outcome);
    return message.empty() ? QString() : QCoreApplication::translate("DataFile", message.data());
}

QString SaveErrorText()
{
    return QCoreApplication::translate("DataFile", SaveErrorMessage.data());
}

} // namespace korvelt
