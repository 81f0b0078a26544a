#include "text/DataFile.h"

#include "platform/AtomicFile.h"

#include <QCoreApplication>

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
