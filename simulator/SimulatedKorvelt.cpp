#include "simulator/SimulatedKorvelt.h"

#include "core/BytePacking.h"

#include <algorithm>
#include <span>
#include <thread>
#include <utility>

namespace korvelt {

namespace {

constexpr std::size_t MaxVersionLength = ReportSize - VersionTextOffset; // 55
constexpr TDateTime FirstClockValue = 40179.0;                           // 1 January 2010
constexpr std::uint8_t ErasedByte = 0xFF;
constexpr std::array<std::uint8_t, 3> OtherIdentity{0x00, 0x04, 0x02};
constexpr auto ReplySpin = std::chrono::microseconds(200);

std::int64_t SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The blocks a device holds when it leaves the factory: the default schedule, written out
// byte by byte so that the packing is checked against it rather than building it.
// Block 0: the settings half (marker, enabled, advance week and month, retard week and
// month: last Sunday of March and of October), then 1 November 2009 for every special date.
constexpr std::array<std::uint8_t, 6> FactorySettings{0x55, 0x01, 4, 2, 4, 9};
constexpr std::array<std::uint8_t, 3> FactorySpecialDate{1, 11, 9};
// Blocks 1..64: every slot field 12:00:00 to 12:00:00 on no day.
constexpr std::array<std::uint8_t, 12> FactorySlotField{0x00, 12, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0};

std::array<BlockImage, BlockCount> FactoryMemory()
{
    std::array<BlockImage, BlockCount> memory{};
    BlockImage &settings = memory.front();
    settings.fill(ErasedByte);
    std::ranges::copy(FactorySettings, settings.begin());
    for (std::size_t at = HalfSize; at < BlockSize; at += FactorySpecialDate.size()) {
        std::ranges::copy(FactorySpecialDate, settings.begin() + static_cast<std::ptrdiff_t>(at));
    }
    for (std::size_t block = 1; block < memory.size(); ++block) {
        for (std::size_t at = 0; at < BlockSize; at += FactorySlotField.size()) {
            std::ranges::copy(FactorySlotField, memory.at(block).begin() + static_cast<std::ptrdiff_t>(at));
        }
    }
    return memory;
}

std::int64_t ToMilliseconds(TDateTime value)
{
    const auto days = static_cast<std::int64_t>(DatePart(value));
    const TimeParts t = DecodeTime(value);
    const std::int64_t timeMs = ((t.Hour * 60LL + t.Minute) * 60 + t.Second) * 1000 + t.MilliSecond;
    return days * MSecsPerDay + timeMs;
}

} // namespace

SimulatedKorvelt::SimulatedKorvelt(std::uint16_t release)
    : memory_(FactoryMemory()), release_(release), ticks_(SteadyMilliseconds),
      clockBaseMs_(ToMilliseconds(FirstClockValue)), clockSetTick_(ticks_())
{
}

bool SimulatedKorvelt::Receive(const Report &request)
{
    const std::lock_guard lock(mutex_);
    return pluggedIn_ && Process(request);
}

bool SimulatedKorvelt::Receive(const Report &request, std::uint32_t connection)
{
    const std::lock_guard lock(mutex_);
    return pluggedIn_ && connection == connection_ && Process(request);
}

ReadStatus SimulatedKorvelt::WaitReply(Report &reply, int timeoutMs)
{
    return WaitReply(reply, timeoutMs, Connection());
}

ReadStatus SimulatedKorvelt::WaitReply(Report &reply, int timeoutMs, std::uint32_t connection)
{
    using Clock = std::chrono::steady_clock;
    std::unique_lock lock(mutex_);
    // A zero time-out only looks: even a zero wait costs a system call.
    const auto deadline =
        timeoutMs < 0 ? Clock::time_point::max() : Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (!pluggedIn_ || connection != connection_) {
            return ReadStatus::Gone;
        }
        const auto now = Clock::now();
        if (!replies_.empty() && replies_.front().Due <= now) {
            reply = replies_.front().Reply;
            replies_.pop_front();
            return ReadStatus::Report;
        }
        if (now >= deadline) {
            return ReadStatus::Timeout;
        }
        if (!replies_.empty() && replies_.front().Due - now <= ReplySpin) {
            // The last stretch before a reply is due is spun: a timed sleep wakes tens of
            // microseconds late, where a device's interrupt does not.
            lock.unlock();
            std::this_thread::yield();
            lock.lock();
            continue;
        }
        // Woken by a new reply, an unplug, or shortly before the first reply is due.
        const auto wake = replies_.empty() ? deadline : std::min(deadline, replies_.front().Due - ReplySpin);
        if (wake == Clock::time_point::max()) {
            replyReady_.wait(lock);
        } else {
            replyReady_.wait_until(lock, wake);
        }
    }
}

std::optional<Report> SimulatedKorvelt::TakeReply()
{
    Report reply{};
    if (WaitReply(reply, 0) == ReadStatus::Report) {
        return reply;
    }
    return std::nullopt;
}

// Runs under the lock. Returns false when the request was lost because the device went away.
bool SimulatedKorvelt::Process(const Report &request)
{
    ++requestCount_;
    bool extraReport = false;
    bool strayReport = false;
    if (fault_ != SimulatedFault::None && faultCountdown_-- <= 0) {
        const SimulatedFault fault = fault_;
        fault_ = SimulatedFault::None;
        switch (fault) {
        case SimulatedFault::FallSilent:
            silent_ = true;
            break;
        case SimulatedFault::Unplug:
            UnplugLocked();
            return false;
        case SimulatedFault::Garbage:
            garbage_ = true;
            break;
        case SimulatedFault::WrongIdentity:
            wrongIdentity_ = true;
            break;
        case SimulatedFault::ExtraReport:
            extraReport = true;
            break;
        case SimulatedFault::StrayReport:
            strayReport = true;
            break;
        case SimulatedFault::EraseMemory:
            EraseMemoryLocked();
            break;
        case SimulatedFault::DropBlock:
            dropBlock_ = true;
            break;
        case SimulatedFault::None:
            break;
        }
    }
    if (silent_) {
        return true;
    }
    std::optional<Report> reply = Answer(request);
    if (!reply) {
        return true;
    }
    if (garbage_) {
        reply = GarbageReply();
    }
    const auto due = std::chrono::steady_clock::now() + replyDelay_;
    if (strayReport) {
        replies_.push_back({Report{}, due});
        ++repliesSent_;
    }
    replies_.push_back({*reply, due});
    ++repliesSent_;
    if (extraReport) {
        replies_.push_back({*reply, due});
        ++repliesSent_;
    }
    replyReady_.notify_all();
    return true;
}

std::optional<Report> SimulatedKorvelt::Answer(const Report &request)
{
    Report reply{};
    reply[1] = request[1];
    if (release_ == ProgramModeRelease) {
        return reply; // the boot loader answers, but knows none of the application's commands
    }
    const std::uint8_t block = request[2];
    const bool validBlock = block < BlockCount;
    switch (static_cast<Command>(request[1])) {
    case Command::Identify:
        return IdentityReply();
    case Command::BeginDownload:
    case Command::EndDownload:
        return reply;
    case Command::WriteFirstHalf:
    case Command::WriteSecondHalf:
        if (dropBlock_ && droppedBlock_ < 0) {
            droppedBlock_ = block;
        }
        if (validBlock && block != droppedBlock_) {
            const std::size_t offset = request[1] == ToByte(Command::WriteFirstHalf) ? 0 : HalfSize;
            std::copy_n(request.begin() + RequestDataOffset, HalfSize, memory_.at(block).begin() + offset);
        }
        reply[2] = block;
        return reply;
    case Command::ReadFirstHalf:
    case Command::ReadSecondHalf: {
        auto *const target = reply.begin() + ReplyDataOffset;
        if (!validBlock) {
            std::fill_n(target, HalfSize, ErasedByte);
            return reply;
        }
        const std::size_t offset = request[1] == ToByte(Command::ReadFirstHalf) ? 0 : HalfSize;
        std::copy_n(memory_.at(block).begin() + offset, HalfSize, target);
        return reply;
    }
    case Command::Clock:
        if (request[2] == ToByte(ClockCommand::Write)) {
            ClockWrite(request);
        }
        return ClockReply();
    }
    return std::nullopt; // an unknown command is not answered
}

Report SimulatedKorvelt::IdentityReply() const
{
    Report reply{};
    reply[1] = ToByte(Command::Identify);
    const auto &identity = wrongIdentity_ ? OtherIdentity : IdentityBytes;
    std::copy(identity.begin(), identity.end(), reply.begin() + IdentityOffset);
    PutLittleEndian(std::span(reply).subspan<SerialNumberOffset, 4>(), serial_);
    std::copy(version_.begin(), version_.end(), reply.begin() + VersionTextOffset);
    return reply;
}

Report SimulatedKorvelt::ClockReply() const
{
    const TDateTime now = ClockValue();
    Report reply{};
    reply[1] = ToByte(Command::Clock);
    PackDeviceTime(now, std::span(reply).subspan<2, 3>());
    PackDeviceDate(now, std::span(reply).subspan<5, 3>());
    if (clockBytes_) {
        std::copy(clockBytes_->begin(), clockBytes_->end(), reply.begin() + 2);
    }
    return reply;
}

Report SimulatedKorvelt::GarbageReply()
{
    Report reply{};
    for (std::size_t i = 1; i < reply.size(); ++i) {
        // xorshift32: the same garbage every run.
        garbageSeed_ ^= garbageSeed_ << 13;
        garbageSeed_ ^= garbageSeed_ >> 17;
        garbageSeed_ ^= garbageSeed_ << 5;
        reply[i] = static_cast<std::uint8_t>(garbageSeed_);
    }
    return reply;
}

void SimulatedKorvelt::ClockWrite(const Report &request)
{
    TDateTime date = 0;
    TDateTime time = 0;
    // An impossible time or date leaves the clock running as it was.
    if (UnpackDeviceDate(std::span(request).subspan<6, 3>(), date) &&
        UnpackDeviceTime(std::span(request).subspan<3, 3>(), time)) {
        clockBaseMs_ = ToMilliseconds(date + time);
        clockSetTick_ = ticks_();
        clockBytes_.reset();
    }
}

std::int64_t SimulatedKorvelt::ClockMs() const
{
    return clockBaseMs_ + (ticks_() - clockSetTick_);
}

TDateTime SimulatedKorvelt::ClockValue() const
{
    const std::int64_t ms = ClockMs();
    const std::int64_t days = ms / MSecsPerDay; // whole days, then the time of day
    return static_cast<TDateTime>(days) +
           static_cast<TDateTime>(ms % MSecsPerDay) / static_cast<TDateTime>(MSecsPerDay);
}

void SimulatedKorvelt::InjectFault(SimulatedFault fault, int afterRequests)
{
    const std::lock_guard lock(mutex_);
    fault_ = fault;
    faultCountdown_ = afterRequests;
}

void SimulatedKorvelt::ClearFault()
{
    const std::lock_guard lock(mutex_);
    fault_ = SimulatedFault::None;
    silent_ = false;
    garbage_ = false;
    wrongIdentity_ = false;
    dropBlock_ = false;
    droppedBlock_ = -1;
}

void SimulatedKorvelt::DropArrivedReplies()
{
    const std::lock_guard lock(mutex_);
    const auto now = std::chrono::steady_clock::now();
    std::erase_if(replies_, [now](PendingReply &pending) {
        // A report held back survives the open that comes for it.
        return !std::exchange(pending.HeldBack, false) && pending.Due <= now;
    });
}

void SimulatedKorvelt::HoldBackReport(const Report &report)
{
    const std::lock_guard lock(mutex_);
    replies_.push_back(PendingReply{report, std::chrono::steady_clock::now(), true});
    ++repliesSent_;
    replyReady_.notify_all();
}

void SimulatedKorvelt::SetReplyDelay(std::chrono::microseconds delay)
{
    const std::lock_guard lock(mutex_);
    replyDelay_ = delay;
}

void SimulatedKorvelt::UnplugLocked()
{
    pluggedIn_ = false;
    replies_.clear();
    replyReady_.notify_all();
}

void SimulatedKorvelt::Unplug()
{
    const std::lock_guard lock(mutex_);
    UnplugLocked();
}

void SimulatedKorvelt::PlugIn()
{
    const std::lock_guard lock(mutex_);
    if (!pluggedIn_) {
        pluggedIn_ = true;
        ++connection_;
    }
}

bool SimulatedKorvelt::PluggedIn() const
{
    const std::lock_guard lock(mutex_);
    return pluggedIn_;
}

std::uint32_t SimulatedKorvelt::Connection() const
{
    const std::lock_guard lock(mutex_);
    return connection_;
}

BlockImage SimulatedKorvelt::Block(int block) const
{
    const std::lock_guard lock(mutex_);
    return memory_.at(static_cast<std::size_t>(block));
}

void SimulatedKorvelt::SetBlock(int block, const BlockImage &image)
{
    const std::lock_guard lock(mutex_);
    memory_.at(static_cast<std::size_t>(block)) = image;
}

void SimulatedKorvelt::EraseMemoryLocked()
{
    for (BlockImage &block : memory_) {
        block.fill(ErasedByte);
    }
}

std::uint16_t SimulatedKorvelt::Release() const
{
    const std::lock_guard lock(mutex_);
    return release_;
}

void SimulatedKorvelt::SetRelease(std::uint16_t release)
{
    const std::lock_guard lock(mutex_);
    release_ = release;
}

void SimulatedKorvelt::SetSerialNumber(std::uint32_t serial)
{
    const std::lock_guard lock(mutex_);
    serial_ = serial;
}

void SimulatedKorvelt::SetVersionText(const std::string &text)
{
    const std::lock_guard lock(mutex_);
    version_ = text.substr(0, MaxVersionLength);
}

TDateTime SimulatedKorvelt::Clock() const
{
    const std::lock_guard lock(mutex_);
    return ClockValue();
}

void SimulatedKorvelt::SetClockBytes(const std::array<std::uint8_t, 6> &bytes)
{
    const std::lock_guard lock(mutex_);
    clockBytes_ = bytes;
}

void SimulatedKorvelt::SetClock(TDateTime value)
{
    const std::lock_guard lock(mutex_);
    clockBytes_.reset();
    clockBaseMs_ = ToMilliseconds(value);
    clockSetTick_ = ticks_();
}

void SimulatedKorvelt::SetTickSource(TickSource ticks)
{
    const std::lock_guard lock(mutex_);
    clockBaseMs_ = ClockMs();
    ticks_ = std::move(ticks);
    clockSetTick_ = ticks_();
}

int SimulatedKorvelt::RequestCount() const
{
    const std::lock_guard lock(mutex_);
    return requestCount_;
}

int SimulatedKorvelt::RepliesSent() const
{
    const std::lock_guard lock(mutex_);
    return repliesSent_;
}

int SimulatedKorvelt::PendingReplies() const
{
    const std::lock_guard lock(mutex_);
    return static_cast<int>(replies_.size());
}

} // namespace korvelt
