#pragma once

#include <QString>
#include <QStringList>

namespace korvelt {

// The status area of the main window as the device commands and the document speak to it:
// the KORVELT found, what the last command did or is doing and how far it has come, the
// device log, the schedule check's count and the file the schedule belongs to.
class StatusArea {
public:
    StatusArea() = default;
    StatusArea(const StatusArea &) = delete;
    StatusArea &operator=(const StatusArea &) = delete;
    StatusArea(StatusArea &&) = delete;
    StatusArea &operator=(StatusArea &&) = delete;
    virtual ~StatusArea() = default;

    virtual void ShowConnection(const QString &text) = 0;
    virtual void ShowStatus(const QString &text) = 0;
    [[nodiscard]] virtual QString Status() const = 0;
    // `step` of `total` requests sent.
    virtual void ShowProgress(int step, int total) = 0;
    virtual void ClearProgress() = 0;
    // Before a command starts: no status or progress of an earlier one stays up.
    virtual void ClearCommandStatus() = 0;
    // The lines the KORVELT's identity gave, in place of any before.
    virtual void ShowDeviceLog(const QStringList &lines) = 0;
    virtual void ShowCheckCount(const QString &text) = 0;
    // The file line; `yielding` is the part of it (the file's name) that gives way in its middle
    // when the line has no room, and `hint` its tooltip.
    virtual void ShowFile(const QString &text, const QString &yielding, const QString &hint) = 0;
};

} // namespace korvelt
