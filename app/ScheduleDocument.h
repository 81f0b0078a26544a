#pragma once

#include "core/ExchangeHost.h"
#include "core/ScheduleDifference.h"
#include "core/ScheduleModel.h"
#include "core/ScheduleSnapshot.h"
#include "report/ScheduleReport.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <optional>

namespace korvelt {

// The schedule the window edits: the model, its snapshot as last saved, loaded or started,
// the file it belongs to, the KORVELT it was last read from or written to, and the history of
// its edits. Every edit is one undo step holding the whole schedule before and after it.
//
// It counts as changed when the history is away from the point where it was saved and its
// bytes differ from the snapshot: undoing back to the saved schedule, or editing a value and
// editing it back, leaves it unchanged.
class ScheduleDocument : public QObject {
    Q_OBJECT

public:
    explicit ScheduleDocument(QObject *parent = nullptr);
    ScheduleDocument(const ScheduleDocument &) = delete;
    ScheduleDocument &operator=(const ScheduleDocument &) = delete;
    ScheduleDocument(ScheduleDocument &&) = delete;
    ScheduleDocument &operator=(ScheduleDocument &&) = delete;
    ~ScheduleDocument() override;

    [[nodiscard]] const ScheduleModel &Model() const { return model_; }
    [[nodiscard]] bool Changed() const;

    // An edit the controls already show: one undo step from the model to `after`, named
    // `text` ("Paste 3 slots into output 2"). Nothing when `after` holds the same bytes.
    // Returns whether a step was added.
    bool Record(const ScheduleModel &after, const QString &text);
    // A new schedule from elsewhere (the KORVELT's, one filled in by a command): one undo
    // step, after which the controls are told (Replaced). `device` is the KORVELT it came
    // from, if any; undoing the step gives the one before back.
    bool Replace(const ScheduleModel &after, const QString &text,
                 const std::optional<DeviceIdentity> &device = std::nullopt);
    // A new history: a loaded file (its name) or a fresh start (no name). Unchanged.
    void Reset(const ScheduleModel &model, const QString &fileName);
    // The schedule as it is now was saved as `fileName`: unchanged from here.
    void Saved(const QString &fileName);
    // The schedule as it is now counts as the unchanged one.
    void TakeSnapshot();

    [[nodiscard]] QUndoStack &UndoStack() { return undo_; }
    // Undoes or redoes one step; the first place it changed, nothing when there was no step.
    std::optional<ScheduleDifference> UndoOrRedo(bool undo);
    [[nodiscard]] const QString &FileName() const { return fileName_; }
    [[nodiscard]] const std::optional<DeviceIdentity> &Device() const { return device_; }
    // The report of `shown` (the schedule as the window shows it), printed at `printed`, with
    // this document's file name and KORVELT.
    [[nodiscard]] ReportSource Report(const ScheduleModel &shown, const QDateTime &printed) const;
    void SetDevice(const std::optional<DeviceIdentity> &device) { device_ = device; }

signals:
    // The whole schedule was replaced (undo, redo, a load, a read): show it again.
    void Replaced();
    void ModifiedChanged(bool changed);
    void FileNameChanged(const QString &fileName);

private:
    friend class ScheduleStep;
    // Puts a schedule in place; `tell`: the controls do not show it yet.
    void Apply(const ScheduleModel &model, const std::optional<DeviceIdentity> &device, bool tell);
    void SetFileName(const QString &fileName);
    void UpdateModified();

    ScheduleModel model_;
    ScheduleSnapshot snapshot_{model_};
    QString fileName_;
    std::optional<DeviceIdentity> device_;
    QUndoStack undo_;
    bool changed_ = false;
};

} // namespace korvelt
