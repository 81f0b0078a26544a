#include "app/ScheduleDocument.h"

#include <QFileInfo>

#include <utility>

namespace korvelt {

// One edit: the whole schedule before and after it. The model is a few kilobytes, and a
// whole copy cannot get out of step with the controls the way a list of cell changes could.
class ScheduleStep : public QUndoCommand {
public:
    ScheduleStep(ScheduleDocument &document, const ScheduleModel &after, std::optional<DeviceIdentity> device,
                 const QString &text, bool tellFirst)
        : QUndoCommand(text), document_(document), before_(document.Model()), after_(after),
          deviceBefore_(document.Device()), deviceAfter_(std::move(device)), tell_(tellFirst)
    {
    }

    void redo() override
    {
        // An edit made in the controls is shown there already; a replaced schedule is not.
        document_.Apply(after_, deviceAfter_, tell_);
        tell_ = true;
    }
    void undo() override { document_.Apply(before_, deviceBefore_, true); }

private:
    ScheduleDocument &document_;
    ScheduleModel before_;
    ScheduleModel after_;
    std::optional<DeviceIdentity> deviceBefore_;
    std::optional<DeviceIdentity> deviceAfter_;
    bool tell_;
};

ScheduleDocument::ScheduleDocument(QObject *parent) : QObject(parent), undo_(this)
{
    connect(&undo_, &QUndoStack::indexChanged, this, [this] { UpdateModified(); });
    connect(&undo_, &QUndoStack::cleanChanged, this, [this] { UpdateModified(); });
}

ScheduleDocument::~ScheduleDocument()
{
    // The history is cleared as it goes; nobody is told of that.
    undo_.disconnect();
    blockSignals(true);
}

bool ScheduleDocument::Changed() const
{
    return !undo_.isClean() && snapshot_.Differs(model_);
}

bool ScheduleDocument::Record(const ScheduleModel &after, const QString &text)
{
    if (EncodeScheduleImage(after) == EncodeScheduleImage(model_)) {
        return false;
    }
    undo_.push(new ScheduleStep(*this, after, device_, text, false)); // the stack owns it
    return true;
}

bool ScheduleDocument::Replace(const ScheduleModel &after, const QString &text,
                               const std::optional<DeviceIdentity> &device)
{
    const std::optional<DeviceIdentity> source = device ? device : device_;
    if (EncodeScheduleImage(after) == EncodeScheduleImage(model_)) {
        // The same schedule: nothing to undo, but it now comes from that KORVELT.
        device_ = source;
        return false;
    }
    undo_.push(new ScheduleStep(*this, after, source, text, true));
    return true;
}

void ScheduleDocument::Reset(const ScheduleModel &model, const QString &fileName)
{
    undo_.clear();
    model_ = model;
    device_.reset();
    snapshot_.Take(model_);
    undo_.setClean();
    SetFileName(fileName);
    emit Replaced();
    UpdateModified();
}

void ScheduleDocument::Saved(const QString &fileName)
{
    SetFileName(fileName);
    TakeSnapshot();
}

void ScheduleDocument::TakeSnapshot()
{
    snapshot_.Take(model_);
    undo_.setClean();
    UpdateModified();
}

void ScheduleDocument::Apply(const ScheduleModel &model, const std::optional<DeviceIdentity> &device, bool tell)
{
    model_ = model;
    device_ = device;
    if (tell) {
        emit Replaced();
    }
    UpdateModified();
}

void ScheduleDocument::SetFileName(const QString &fileName)
{
    if (fileName != fileName_) {
        fileName_ = fileName;
        emit FileNameChanged(fileName_);
    }
}

void ScheduleDocument::UpdateModified()
{
    const bool changed = Changed();
    if (changed != changed_) {
        changed_ = changed;
        emit ModifiedChanged(changed_);
    }
}

ReportSource ScheduleDocument::Report(const ScheduleModel &shown, const QDateTime &printed) const
{
    ReportSource source;
    source.Model = shown;
    source.FileName = fileName_.isEmpty() ? QString() : QFileInfo(fileName_).fileName();
    source.Printed = printed;
    source.Locale = QLocale();
    if (device_) {
        source.DeviceVersion = QString::fromLatin1(device_->Version.c_str());
        source.DeviceSerial = QString::number(device_->SerialNumber);
    }
    return source;
}

std::optional<ScheduleDifference> ScheduleDocument::UndoOrRedo(bool undo)
{
    if (undo ? !undo_.canUndo() : !undo_.canRedo()) {
        return std::nullopt;
    }
    const ScheduleModel before = model_;
    if (undo) {
        undo_.undo();
    } else {
        undo_.redo();
    }
    const std::vector<ScheduleDifference> differences = CompareSchedules(before, model_);
    return differences.empty() ? std::nullopt : std::optional(differences.front());
}

} // namespace korvelt
