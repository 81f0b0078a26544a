#include "SimulatedKorvelt.h"

#include "ScheduleModel.h"
#include "SlotPacking.h"

#include <algorithm>

namespace korvelt {

namespace {

constexpr int YearBase = 2000;
constexpr std::size_t MaxVersionLength = ReportSize - VersionTextOffset; // 55
constexpr TDateTime FirstClockValue = 40179.0;                          // 1 January 2010
constexpr std::uint8_t ErasedByte = 0xFF;
constexpr std::array<std::uint8_t, 3> OtherIdentity{0x00, 0x04, 0x02};

std::int64_t SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The blocks a device holds when it leaves the factory: the default schedule.
std::array<BlockImage, BlockCount> FactoryMemory()
{
    const ScheduleModel defaults;
    std::array<BlockImage, BlockCount> memory{};
    const BlockHalf settings = SettingsHalf(defaults.DaylightSaving);
    const BlockHalf dates = SpecialDatesHalf(defaults.SpecialDates);
    std::copy(settings.begin(), settings.end(), memory[0].begin());
    std::copy(dates.begin(), dates.end(), memory[0].begin() + HalfSize);
    for (int o = 0; o < OutputCount; ++o) {
        for (int h = 0; h < 2; ++h) {
            for (int half = 0; half < 2; ++half) {
                const int firstSlot = h * SlotsPerBlock + half * SlotsPerHalf;
                const auto offset = static_cast<std::size_t>(half) * HalfSize;
                const int pair = 2 * o + h;
                const auto normal = static_cast<std::size_t>(FirstNormalBlock) + static_cast<std::size_t>(pair);
                const auto special = static_cast<std::size_t>(FirstSpecialBlock) + static_cast<std::size_t>(pair);
                EncodeSlotHalf(defaults.NormalTimes.at(static_cast<std::size_t>(o)), firstSlot,
                               HalfBytes(memory.at(normal).data() + offset, HalfSize));
                EncodeSlotHalf(defaults.SpecialTimes.at(static_cast<std::size_t>(o)), firstSlot,
                               HalfBytes(memory.at(special).data() + offset, HalfSize));
            }
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
    std::unique_lock lock(mutex_);
    // A zero time-out only looks: even a zero wait costs a system call.
    const auto ready = [&] { return !replies_.empty() || !pluggedIn_ || connection != connection_; };
    if (timeoutMs < 0) {
        replyReady_.wait(lock, ready);
    } else if (timeoutMs > 0) {
        replyReady_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
    }
    if (!pluggedIn_ || connection != connection_) {
        return ReadStatus::Gone;
    }
    if (replies_.empty()) {
        return ReadStatus::Timeout;
    }
    reply = replies_.front();
    replies_.pop_front();
    return ReadStatus::Report;
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
    replies_.push_back(*reply);
    ++repliesSent_;
    if (extraReport) {
        replies_.push_back(*reply);
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
        if (validBlock) {
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
    for (std::size_t i = 0; i < 4; ++i) {
        reply.at(SerialNumberOffset + i) = static_cast<std::uint8_t>(serial_ >> (8 * i));
    }
    std::copy(version_.begin(), version_.end(), reply.begin() + VersionTextOffset);
    return reply;
}

Report SimulatedKorvelt::ClockReply() const
{
    const std::int64_t ms = ClockMs();
    const std::int64_t days = ms / MSecsPerDay;
    const std::int64_t seconds = (ms % MSecsPerDay) / 1000;
    const DateParts date = DecodeDate(static_cast<TDateTime>(days));
    Report reply{};
    reply[1] = ToByte(Command::Clock);
    reply[2] = static_cast<std::uint8_t>(seconds / 3600);
    reply[3] = static_cast<std::uint8_t>(seconds / 60 % 60);
    reply[4] = static_cast<std::uint8_t>(seconds % 60);
    reply[5] = static_cast<std::uint8_t>(date.Day);
    reply[6] = static_cast<std::uint8_t>(date.Month);
    reply[7] = static_cast<std::uint8_t>(date.Year - YearBase);
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
    if (TryEncodeDate(YearBase + request[8], request[7], request[6], date) &&
        TryEncodeTime(request[3], request[4], request[5], 0, time)) {
        clockBaseMs_ = static_cast<std::int64_t>(date) * MSecsPerDay +
                       ((request[3] * 60LL + request[4]) * 60 + request[5]) * 1000;
        clockSetTick_ = ticks_();
    }
}

std::int64_t SimulatedKorvelt::ClockMs() const
{
    return clockBaseMs_ + (ticks_() - clockSetTick_);
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

void SimulatedKorvelt::EraseMemory()
{
    const std::lock_guard lock(mutex_);
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
    const std::int64_t ms = ClockMs();
    const std::int64_t days = ms / MSecsPerDay;
    const std::int64_t timeMs = ms % MSecsPerDay;
    return static_cast<TDateTime>(days) + static_cast<TDateTime>(timeMs) / static_cast<TDateTime>(MSecsPerDay);
}

void SimulatedKorvelt::SetClock(TDateTime value)
{
    const std::lock_guard lock(mutex_);
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
