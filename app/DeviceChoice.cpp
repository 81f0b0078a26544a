#include "app/DeviceChoice.h"

#include "device/DeviceProbe.h"
#include "device/UsbIdentifiers.h"

#include <algorithm>

namespace korvelt {

namespace {

// The settings' key of the serial number of the unit used last.
const QString LastUsedKey = QStringLiteral("LastKorvelt");

// The same attachment: the same path and, where the platform tells them apart, the same
// instance (a path freed by an unplug is given to the next device plugged in).
bool SamePlace(const KorveltUnit &unit, const std::string &path, const std::string &instance)
{
    return unit.Path == path && (unit.Instance.empty() || instance.empty() || unit.Instance == instance);
}

bool SameSerial(const KorveltUnit &a, const KorveltUnit &b)
{
    return a.Identity && b.Identity && a.Identity->SerialNumber == b.Identity->SerialNumber;
}

} // namespace

DeviceChoice::DeviceChoice(HidBackend &backend, DeviceSession &session, UserDialogs &dialogs, int replyTimeoutMs)
    : backend_(backend), session_(session), dialogs_(dialogs), replyTimeoutMs_(replyTimeoutMs)
{
}

void DeviceChoice::KeepLastUsedIn(QSettings *settings)
{
    settings_ = settings;
    // A settings file that cannot be read, or a serial that is not a number, preselects nothing.
    if (settings_ == nullptr || settings_->status() != QSettings::NoError) {
        return;
    }
    bool number = false;
    const int serial = settings_->value(LastUsedKey).toInt(&number);
    if (number) {
        lastUsed_ = serial;
    }
}

bool DeviceChoice::Settle()
{
    identifiedNow_ = false;
    target_.reset();
    const std::vector<HidInterfaceInfo> attached = KorveltInterfaces(backend_);
    if (chosen_) {
        for (const HidInterfaceInfo &info : attached) {
            if (SamePlace(*chosen_, info.Path, info.Instance)) {
                target_ = chosen_;
            }
        }
    }
    std::vector<KorveltUnit> units;
    if (!target_ && (attached.size() > 1 || (chosen_ && !attached.empty()))) {
        units = Probe(attached);
        // The unit chosen, plugged in again at another place, is still the one.
        const auto back =
            chosen_ ? std::ranges::find_if(units, [this](const KorveltUnit &u) { return SameSerial(u, *chosen_); })
                    : units.end();
        if (back != units.end()) {
            target_ = *back;
        } else {
            target_ = Ask(units, chosen_.has_value());
            if (!target_) {
                return false;
            }
        }
        chosen_ = target_;
    }
    if (!target_ && attached.size() == 1) {
        target_ = KorveltUnit{attached.front().Path, attached.front().Instance, std::nullopt, false};
    }
    session_.SetDevicePath(chosen_ ? chosen_->Path : std::string());
    if (!halfWritten_ || !target_ || SamePlace(*halfWritten_, target_->Path, target_->Instance)) {
        return true;
    }
    const auto place = std::ranges::find_if(
        attached, [this](const HidInterfaceInfo &info) { return SamePlace(*target_, info.Path, info.Instance); });
    if (!target_->Identity && place != attached.end()) {
        target_->Identity = Probe({*place}).front().Identity;
    }
    if (SameSerial(*halfWritten_, *target_)) {
        // Plugged in again: known by its new place from now on, and asked nothing more.
        halfWritten_ = target_;
        return true;
    }
    if (!dialogs_.AskYesNo(HalfWrittenQuestion())) {
        return true;
    }
    // The user writes the half-written unit first: the commands go to it while it is attached.
    const auto found = std::ranges::find_if(
        attached, [this](const HidInterfaceInfo &info) { return SamePlace(*halfWritten_, info.Path, info.Instance); });
    if (chosen_ && found != attached.end()) {
        chosen_ = halfWritten_;
        session_.SetDevicePath(chosen_->Path);
    }
    return false;
}

std::vector<KorveltUnit> DeviceChoice::Probe(const std::vector<HidInterfaceInfo> &attached)
{
    // The answers also reach a link the window holds open; its next command opens it again,
    // which drops them.
    std::vector<KorveltUnit> units;
    for (const HidInterfaceInfo &info : attached) {
        KorveltUnit unit{info.Path, info.Instance, std::nullopt, info.Release == ProgramModeRelease};
        if (!unit.ProgramMode) {
            const std::unique_ptr<HidClaim> claim = backend_.Claim(info.Path);
            const HidOpenResult open = claim ? backend_.Open(info.Path) : HidOpenResult{};
            if (open.Device) {
                if (const IdentityAnswer answer = AskIdentity(*open.Device, replyTimeoutMs_); answer.IsKorvelt) {
                    unit.Identity = answer.Identity;
                }
            }
        }
        units.push_back(unit);
    }
    return units;
}

std::optional<KorveltUnit> DeviceChoice::Ask(const std::vector<KorveltUnit> &units, bool gone)
{
    QStringList lines;
    int preselected = 0;
    for (const KorveltUnit &unit : units) {
        const QString path = QString::fromStdString(unit.Path);
        if (unit.Identity && lastUsed_ == unit.Identity->SerialNumber) {
            preselected = static_cast<int>(lines.size());
        }
        if (unit.Identity) {
            lines << UnitText(*unit.Identity, path);
        } else if (unit.ProgramMode) {
            //: A KORVELT in the list of those attached that is being set up at its own keys; %1 is where it
            //: is attached
            lines << tr("In Program Mode, %1").arg(path);
        } else {
            //: A KORVELT in the list of those attached that did not say who it is; %1 is where it is attached
            lines << tr("No answer, %1").arg(path);
        }
    }
    //: Asked when several KORVELTs are attached and a command needs one
    QString text = tr("Several KORVELTs are attached. Which one do the commands go to?");
    if (gone && chosen_->Identity) {
        //: %1 is the serial number of the KORVELT chosen before
        text = tr("The KORVELT with serial %1 is gone. Which KORVELT do the commands go to now?")
                   .arg(chosen_->Identity->SerialNumber);
    } else if (gone) {
        //: %1 is where the KORVELT chosen before was attached
        text = tr("The KORVELT at %1 is gone. Which KORVELT do the commands go to now?")
                   .arg(QString::fromStdString(chosen_->Path));
    }
    const std::optional<int> answer = dialogs_.ChooseDevice(text, lines, preselected);
    if (!answer || *answer < 0 || *answer >= static_cast<int>(units.size())) {
        return std::nullopt;
    }
    return units.at(static_cast<std::size_t>(*answer));
}

QString DeviceChoice::UnitText(const DeviceIdentity &identity, const QString &path)
{
    //: A KORVELT in the list of those attached: %1 is its serial number, %2 its firmware version, %3 where it
    //: is attached
    return tr("Serial %1, version %2, %3").arg(identity.SerialNumber).arg(FromDevice(identity.Version), path);
}

void DeviceChoice::Identified(const DeviceIdentity &identity)
{
    identifiedNow_ = true;
    lastUsed_ = identity.SerialNumber;
    if (settings_ != nullptr) {
        settings_->setValue(LastUsedKey, identity.SerialNumber);
    }
    if (target_) {
        target_->Identity = identity;
        if (chosen_ && SamePlace(*chosen_, target_->Path, target_->Instance)) {
            chosen_->Identity = identity;
        }
    }
}

bool DeviceChoice::StoppedHalfWritten()
{
    // A write that stopped before the KORVELT said who it is has sent nothing yet.
    if (identifiedNow_ && target_ && target_->Identity) {
        halfWritten_ = target_;
        return true;
    }
    return false;
}

void DeviceChoice::WrittenWhole()
{
    if (halfWritten_ && target_ &&
        (SamePlace(*halfWritten_, target_->Path, target_->Instance) || SameSerial(*halfWritten_, *target_))) {
        halfWritten_.reset();
    }
}

std::optional<std::int32_t> DeviceChoice::HalfWritten() const
{
    if (halfWritten_ && halfWritten_->Identity) {
        return halfWritten_->Identity->SerialNumber;
    }
    return std::nullopt;
}

bool DeviceChoice::MayClose()
{
    return !halfWritten_ || !dialogs_.AskYesNo(HalfWrittenQuestion());
}

QString DeviceChoice::HalfWrittenQuestion() const
{
    //: Asked before a command goes to another KORVELT, and before the window closes; %1 is the serial
    //: number of the KORVELT a write stopped on
    return tr("The KORVELT with serial %1 holds part of the old and part of the new schedule. Write it again first?")
        .arg(halfWritten_->Identity->SerialNumber);
}

} // namespace korvelt
