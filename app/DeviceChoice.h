#pragma once

#include "app/UserDialogs.h"
#include "core/ExchangeHost.h"
#include "device/DeviceSession.h"
#include "device/HidBackend.h"

#include <QCoreApplication>
#include <QSettings>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvelt {

// A text the KORVELT sends (its version), as the window shows it.
[[nodiscard]] inline QString FromDevice(const std::string &text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// One KORVELT as the window keeps to it: where it is attached and who it said it is.
struct KorveltUnit {
    std::string Path;
    std::string Instance; // empty where the platform does not tell attachments apart
    std::optional<DeviceIdentity> Identity;
    bool ProgramMode = false; // being set up at its own keys: it takes no commands
};

// Which KORVELT the window's commands go to. With one attached, the first the searches find,
// as ever; with several, the one the user chose, kept by its path while it stays plugged in
// and by its serial number when it comes back elsewhere. A unit left half-written by a write
// that stopped is remembered until a write to it completes: a command to another unit, and
// closing the window, ask about it first.
class DeviceChoice {
    Q_DECLARE_TR_FUNCTIONS(DeviceChoice)

public:
    DeviceChoice(HidBackend &backend, DeviceSession &session, UserDialogs &dialogs, int replyTimeoutMs);

    // Before a command, the session idle: settles the KORVELT it goes to, asking which when
    // that is not clear. False: the command does not start (the choice was cancelled, or the
    // user writes the half-written unit first).
    bool Settle();
    // The serial number of the unit used last is kept in `settings` (none: for this run only),
    // so that the list preselects it at the next start as well.
    void KeepLastUsedIn(QSettings *settings);
    // The unit chosen, once the user has chosen one.
    [[nodiscard]] const std::optional<KorveltUnit> &Chosen() const { return chosen_; }

    // The KORVELT the command under way went to answered.
    void Identified(const DeviceIdentity &identity);
    // The command under way, a write, stopped half-way. True when it had begun to write (the
    // KORVELT had answered): the unit is remembered as half-written.
    bool StoppedHalfWritten();
    // The command under way wrote the whole schedule.
    void WrittenWhole();
    // The serial number of the unit left half-written, if one is.
    [[nodiscard]] std::optional<std::int32_t> HalfWritten() const;
    // Closing the window: true when nothing is half-written or the user closes anyway.
    bool MayClose();

    // The line that names a unit in the list of those attached.
    [[nodiscard]] static QString UnitText(const DeviceIdentity &identity, const QString &path);

private:
    // Asks each attached unit who it is.
    [[nodiscard]] std::vector<KorveltUnit> Probe(const std::vector<HidInterfaceInfo> &attached);
    // Asks which of `units` to use; `gone`: the unit chosen before is no longer attached.
    [[nodiscard]] std::optional<KorveltUnit> Ask(const std::vector<KorveltUnit> &units, bool gone);
    [[nodiscard]] QString HalfWrittenQuestion() const;

    HidBackend &backend_;
    DeviceSession &session_;
    UserDialogs &dialogs_;
    int replyTimeoutMs_;
    std::optional<KorveltUnit> chosen_;
    std::optional<KorveltUnit> target_;      // where the command under way went
    std::optional<KorveltUnit> halfWritten_; // a unit that holds part old, part new
    std::optional<std::int32_t> lastUsed_;   // the serial of the unit that answered last
    QSettings *settings_ = nullptr;          // where lastUsed_ is kept; none: for this run only
    bool identifiedNow_ = false;             // the unit of the command under way answered
};

} // namespace korvelt
