#pragma once

#include "device/HidBackend.h"
#include "device/Port1Comms.h"
#include "device/UsbIdentifiers.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvelt {

enum class LinkOutcome {
    Open,        // the command may go on
    ProgramMode, // a KORVELT in program mode was opened; the command ends
    NotFound,    // no KORVELT could be opened; the command ends
    Busy,        // the KORVELT found is claimed by another program (or command); the command ends
};

struct LinkResult {
    LinkOutcome Outcome = LinkOutcome::NotFound;
    // With NotFound: why a KORVELT that is present could not be opened (empty when none is
    // plugged in).
    std::string OpenError;
};

// The link to the device: two handles on the same path (hidapi is not safe for a read on
// one thread and a write on another through one handle), the open flag shared with the
// reader thread, and the reader thread itself. Requests are written on the main thread;
// only the reader uses the read handle.
class DeviceLink {
public:
    // `deviceGone` is called on the receiver's thread when the reader finds the device gone.
    DeviceLink(HidBackend &backend, QObject &receiver, Port1Comms::Handler reportReceived,
               std::function<void()> deviceGone = {});
    DeviceLink(const DeviceLink &) = delete;
    DeviceLink &operator=(const DeviceLink &) = delete;
    DeviceLink(DeviceLink &&) = delete;
    DeviceLink &operator=(DeviceLink &&) = delete;
    ~DeviceLink();

    // Opens the first present interface that matches for writing and for reading and starts
    // the reader. Handles of an earlier link are closed first. Returns whether the link is
    // now open.
    bool FindAndOpenDevice(const UsbMatch &match);
    // Limits the searches to the interface at `path`, so that a program that drives several
    // KORVELTs talks to the one it chose; empty (the default): the first that matches.
    void SetDevicePath(std::string path) { devicePath_ = std::move(path); }
    [[nodiscard]] const std::string &DevicePath() const { return devicePath_; }
    // The connect sequence every device command runs first. It claims the device for the
    // command (see HidBackend::Claim) and drops the reports already waiting on the new link.
    LinkResult OpenDeviceLink();
    // Lets the claim go at the end of a command; the link itself may stay open.
    void ReleaseClaim() { claim_.reset(); }
    // How long an open waits for another program to let go of the device before it counts as
    // busy (none by default).
    void SetClaimWait(int ms) { claimWaitMs_ = ms; }
    // Writes one request through the write handle; a failed write is not reported.
    void SendReport(const Report &request);
    // Stops the reader and closes both handles. From the handler of a report the reader is
    // handing over, the reader is only told to stop: it goes, with its handle, once it has
    // ended, and nothing more is handed over.
    void Close();

    [[nodiscard]] bool DeviceOpen() const { return deviceOpen_; }

private:
    // A reader told to stop from its own handler, and the handle it reads through.
    struct RetiredReader {
        std::unique_ptr<HidDevice> Handle;
        std::unique_ptr<Port1Comms> Reader; // last: stopped before the handle closes
    };

    void Reap(const Port1Comms *reader);

    HidBackend &backend_;
    QObject &receiver_;
    Port1Comms::Handler reportReceived_;
    std::function<void()> deviceGone_;
    std::vector<RetiredReader> retired_;
    std::atomic<bool> deviceOpen_{false};
    std::unique_ptr<HidDevice> writeHandle_;
    std::unique_ptr<HidDevice> readHandle_;
    std::unique_ptr<Port1Comms> reader_; // declared last: stopped before the handles close
    std::string openError_;
    std::string devicePath_;
    std::string openPath_;            // the interface the link is open on
    std::unique_ptr<HidClaim> claim_; // held from the open (or the start of a command) to its end
    bool busy_ = false;               // the last search found the device claimed
    int claimWaitMs_ = 0;
};

} // namespace korvelt
