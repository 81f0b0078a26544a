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

} // namespace korvelt
