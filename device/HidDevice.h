#pragma once

#include "core/Report.h"

namespace korvelt {

enum class ReadStatus {
    Report,  // a report arrived: byte 0 = 0, the 64 payload bytes at 1..64
    Timeout, // nothing arrived in time; the device is still there
    Gone,    // the read failed: the device was removed or the handle is no longer usable
};

// One open handle on a HID interface. The reader thread reads through one handle while the
// main thread writes through another handle on the same path.
class HidDevice {
public:
    HidDevice() = default;
    HidDevice(const HidDevice &) = delete;
    HidDevice &operator=(const HidDevice &) = delete;
    HidDevice(HidDevice &&) = delete;
    HidDevice &operator=(HidDevice &&) = delete;
    virtual ~HidDevice() = default;

    // Writes all 65 bytes (byte 0 = 0, the report ID). Returns false when the write failed.
    virtual bool Write(const Report &report) = 0;

    // Waits up to `timeoutMs` milliseconds (0: do not wait) for one input report.
    virtual ReadStatus Read(Report &report, int timeoutMs) = 0;
};

// How long a handle just opened is listened to for reports the device held back from an
// earlier connection (a reply the last program never read waits in the device until the
// host asks again).
inline constexpr int StaleReportWaitMs = 10;

// Reads and drops every report waiting on `device` before a request goes out, so that no
// reply meant for an earlier request is taken for the answer to the next one. Returns how
// many were dropped.
inline int DropWaitingReports(HidDevice &device)
{
    Report stale{};
    int dropped = 0;
    for (int wait = StaleReportWaitMs; device.Read(stale, wait) == ReadStatus::Report; wait = 0) {
        ++dropped;
    }
    return dropped;
}

} // namespace korvelt
