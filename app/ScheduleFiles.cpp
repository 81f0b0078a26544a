#include "app/ScheduleFiles.h"

#include "text/ControlTexts.h"
#include "text/DataFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <filesystem>

namespace korvelt {

namespace {

const QString LastFolderKey = QStringLiteral("LastFolder");

std::filesystem::path FilePath(const QString &name)
{
    return {name.toStdU16String()};
}

// "shop" is saved as "shop.dat", so that the load dialog lists it among the data files.
QString WithSuffix(const QString &fileName, const QString &suffix)
{
    return QFileInfo(fileName).suffix().isEmpty() ? fileName + QLatin1Char('.') + suffix : fileName;
}

} // namespace

QString ScheduleFiles::DataFileFilter()
{
    //: The file dialogs' filter: keep "(*.dat)", "(*.*)" and ";;" as they are
    return tr("Data Files (*.dat);;All Files (*.*)");
}

ScheduleFiles::ScheduleFiles(ScheduleDocument &document, UserDialogs &dialogs, QSettings *settings,
                             std::function<bool()> storeControls)
    : document_(document), dialogs_(dialogs), settings_(settings), storeControls_(std::move(storeControls))
{
}

bool ScheduleFiles::Save(bool asNew)
{
    if (!storeControls_()) {
        return false;
    }
    // Save opens on the file the schedule belongs to, if any, ready to be saved again; Save As
    // asks for a new name in the folder.
    const QString current = document_.FileName();
    const auto chosen = dialogs_.AskSaveFileName(
        DataFileFilter(), current.isEmpty() || asNew ? DialogFolder() : current, QStringLiteral("dat"));
    if (!chosen) {
        return false;
    }
    const QString name = WithSuffix(*chosen, QStringLiteral("dat"));
    std::error_code error;
    if (!SaveDataFile(FilePath(name), document_.Model(), &error)) {
        // Below the message: the file and the system's reason (no permission, a full disk).
        dialogs_.ShowError(SaveErrorText(),
                           QDir::toNativeSeparators(name) + QLatin1Char('\n') + SystemReasonText(error));
        return false;
    }
    FileChosen(name);
    document_.Saved(QFileInfo(name).absoluteFilePath());
    return true;
}

void ScheduleFiles::Load()
{
    if (!MayReplaceSchedule()) {
        return;
    }
    if (const auto name = dialogs_.AskOpenFileName(DataFileFilter(), DialogFolder())) {
        LoadFile(*name);
    }
}

bool ScheduleFiles::LoadFile(const QString &fileName)
{
    // The whole file is read and checked before the model changes.
    std::error_code error;
    const DataFileResult result = LoadDataFile(FilePath(fileName), &error);
    if (result.Outcome != DataFileOutcome::Loaded) {
        // The box names the file (one named on the command line was never seen in a dialog)
        // and, when it could not be read, the system's reason.
        QString below = QDir::toNativeSeparators(fileName);
        if (result.Outcome == DataFileOutcome::OpenError && error) {
            below += QLatin1Char('\n') + SystemReasonText(error);
        }
        dialogs_.ShowError(DataFileMessageText(result.Outcome), below);
        return false;
    }
    // A loaded file starts a new history.
    FileChosen(fileName);
    document_.Reset(result.Model, QFileInfo(fileName).absoluteFilePath());
    return true;
}

bool ScheduleFiles::MayReplaceSchedule()
{
    if (!storeControls_()) {
        return false;
    }
    if (!document_.Changed()) {
        return true;
    }
    //: Asked before unsaved changes would be replaced; Yes saves them
    switch (dialogs_.AskYesNoCancel(tr("Data has changed\nSave now?"))) {
    case UserDialogs::Answer::Cancel:
        return false;
    case UserDialogs::Answer::Yes:
        // Unsaved changes are dropped only after an explicit No; a cancelled or failed save
        // keeps them.
        return Save();
    case UserDialogs::Answer::No:
        return true;
    }
    return false;
}

QString ScheduleFiles::DialogFolder() const
{
    const QString remembered = settings_ != nullptr && settings_->status() == QSettings::NoError
                                   ? settings_->value(LastFolderKey).toString()
                                   : QString();
    const QString &fileName = document_.FileName();
    for (const QString &folder : {remembered, fileName.isEmpty() ? QString() : QFileInfo(fileName).absolutePath(),
                                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            return folder;
        }
    }
    return QDir::homePath();
}

QString ScheduleFiles::StatusText() const
{
    const QString &fileName = document_.FileName();
    if (fileName.isEmpty()) {
        //: Status area: the schedule was never saved
        return document_.Changed() ? tr("File: Untitled (unsaved changes)") : tr("File: Untitled");
    }
    const QString name = ShownName();
    //: Status area; %1 is the data file's name
    return document_.Changed() ? tr("File: %1 (unsaved changes)").arg(name)
                               //: Status area; %1 is the data file's name
                               : tr("File: %1").arg(name);
}

QString ScheduleFiles::ShownName() const
{
    return QFileInfo(document_.FileName()).fileName();
}

QString ScheduleFiles::StatusToolTip() const
{
    return QDir::toNativeSeparators(document_.FileName());
}

QString ScheduleFiles::PdfName() const
{
    // The schedule's own name with .pdf beside it; a schedule never saved gets a plain name in
    // the folder the file dialogs open in.
    const QString &fileName = document_.FileName();
    const QString base =
        //: The name the PDF file is offered under when the schedule was never saved
        fileName.isEmpty() ? tr("KORVELT schedule") : QFileInfo(fileName).completeBaseName();
    const QString folder = fileName.isEmpty() ? DialogFolder() : QFileInfo(fileName).absolutePath();
    return QDir(folder).filePath(base + QStringLiteral(".pdf"));
}

void ScheduleFiles::FileChosen(const QString &fileName)
{
    if (settings_ != nullptr) {
        settings_->setValue(LastFolderKey, QFileInfo(fileName).absolutePath());
    }
}

} // namespace korvelt
