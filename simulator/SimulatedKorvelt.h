#pragma once

#include "device/HidDevice.h"
#include "core/Report.h"
#include "simulator/SimulatedFault.h"
#include "device/UsbIdentifiers.h"

#include "core/DateTime.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace korvelt {

// A KORVELT as the program sees it over USB: it answers each request with one report, keeps
// 65 blocks of 96 bytes, an identity, and a clock that runs on from the last time it was set.
// Thread-safe: one thread may wait for replies while another writes requests.
class SimulatedKorvelt {
public:
    // Milliseconds on a steady clock; the device's clock advances with it.
    using TickSource = std::function<std::int64_t()>;

    explicit SimulatedKorvelt(std::uint16_t release = NormalRelease);

    // The link. Receive takes one request and queues its reply; it returns false when the
    // device is unplugged (or the connection it was opened on has gone).
    bool Receive(const Report &request);
    bool Receive(const Report &request, std::uint32_t connection);
    ReadStatus WaitReply(Report &reply, int timeoutMs);
    ReadStatus WaitReply(Report &reply, int timeoutMs, std::uint32_t connection);
    std::optional<Report> TakeReply(); // without waiting
    // How long after a request its reply can be read; none unless set.
    void SetReplyDelay(std::chrono::microseconds delay);
    // A new handle sees only the replies that arrive after it was opened, as with hidraw: the
    // replies that are due already are dropped.
    void DropArrivedReplies();
    // A report the device holds back until a handle is opened, as a real one keeps a reply no
    // program read waiting for the host's next poll: the next handle gets it first.
    void HoldBackReport(const Report &report);

    // Faults. The fault strikes at request `afterRequests` + 1, counted from now.
    void InjectFault(SimulatedFault fault, int afterRequests = 0);
    void ClearFault();
    void Unplug();
    void PlugIn(); // a new connection: handles opened before stay dead
    [[nodiscard]] bool PluggedIn() const;
    [[nodiscard]] std::uint32_t Connection() const;

    // Memory, all blocks 0xFF once erased (the EraseMemory fault).
    [[nodiscard]] BlockImage Block(int block) const;
    void SetBlock(int block, const BlockImage &image);

    // Identity and mode.
    [[nodiscard]] std::uint16_t Release() const;
    void SetRelease(std::uint16_t release); // ProgramModeRelease: the application does not answer
    void SetSerialNumber(std::uint32_t serial);
    void SetVersionText(const std::string &text); // at most 55 single-byte characters are sent

    // The clock.
    [[nodiscard]] TDateTime Clock() const;
    void SetClock(TDateTime value);
    void SetTickSource(TickSource ticks);
    // A clock stuck at these bytes (hour, minute, second, day, month, year - 2000), a time or
    // not, as a failing clock chip gives them, until the clock is set.
    void SetClockBytes(const std::array<std::uint8_t, 6> &bytes);

    [[nodiscard]] int RequestCount() const;
    [[nodiscard]] int PendingReplies() const;
    // Every reply queued so far, unsolicited ones included.
    [[nodiscard]] int RepliesSent() const;

private:
    bool Process(const Report &request);
    std::optional<Report> Answer(const Report &request);
    Report IdentityReply() const;
    Report ClockReply() const;
    Report GarbageReply();
    void ClockWrite(const Report &request);
    std::int64_t ClockMs() const;
    TDateTime ClockValue() const;
    void UnplugLocked();
    void EraseMemoryLocked();

    struct PendingReply {
        Report Reply{};
        std::chrono::steady_clock::time_point Due; // when a read may take it
        bool HeldBack = false;                     // kept for the next handle opened
    };

    mutable std::mutex mutex_;
    std::condition_variable replyReady_;
    std::deque<PendingReply> replies_;
    std::chrono::microseconds replyDelay_{0};

    std::array<BlockImage, BlockCount> memory_{};
    std::uint16_t release_;
    std::uint32_t serial_ = 1;
    std::string version_ = "KORVELT 1.05";

    TickSource ticks_;
    std::int64_t clockBaseMs_;  // milliseconds since 30 December 1899 when it was set
    std::int64_t clockSetTick_; // the tick at that moment
    std::optional<std::array<std::uint8_t, 6>> clockBytes_;

    bool pluggedIn_ = true;
    std::uint32_t connection_ = 1;
    SimulatedFault fault_ = SimulatedFault::None;
    int faultCountdown_ = 0;
    bool silent_ = false;
    bool garbage_ = false;
    bool wrongIdentity_ = false;
    bool dropBlock_ = false; // the next block written is dropped
    int droppedBlock_ = -1;  // the block whose writes are dropped
    std::uint32_t garbageSeed_ = 0x2545F491U;
    int requestCount_ = 0;
    int repliesSent_ = 0;
};

} // namespace korvelt
