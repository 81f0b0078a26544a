// Any sequence of input reports after any of the four start operations. The exchange runs
// against the simulated host, which records every request and everything shown; the input
// decides which reports arrive: raw bytes, the simulated device's own replies, or those with
// one byte changed, with faults of the device in between. After every report:
// - every request is one of the eight commands, and at most one went out for the report;
// - the exchange is idle, or waits for the reply to the request it sent last;
// - the model is as it was, or, right after a read completed, exactly what the replies to
//   that read's 130 block-half requests hold, unpacked through the block map;
// - a completed download sent the 133 requests of a whole download, carrying the model.
#include "DeviceExchange.h"
#include "FuzzCheck.h"
#include "LoopbackHost.h"
#include "ProtocolState.h"
#include "Report.h"
#include "ScheduleModel.h"
#include "SimulatedKorvelt.h"
#include "SlotPacking.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

using namespace korvelt;

namespace {

constexpr int HalvesPerBlock = 2;
constexpr int BlocksPerTable = OutputCount * SlotCount / SlotsPerBlock; // 32
constexpr std::size_t DownloadRequestCount = 2 + 2 * BlockCount + 1;    // 133

// The schedule the host holds before anything is read: unlike the device's factory memory.
ScheduleModel HostSchedule()
{
    ScheduleModel model;
    for (SlotTable *table : {&model.NormalTimes, &model.SpecialTimes}) {
        for (std::size_t o = 0; o < table->size(); ++o) {
            for (std::size_t s = 0; s < table->at(o).size(); ++s) {
                TimeSlot &slot = table->at(o).at(s);
                slot.Start = static_cast<double>(o * SlotCount + s) / 512.0;
                slot.End = 0.75 + 1.0 / 86'400'000; // a millisecond the device cannot hold
                slot.Days.fill(static_cast<std::uint8_t>(s % 3));
            }
        }
    }
    model.DaylightSaving = {1, 0, 3, 11, -1};
    model.SpecialDates.fill(44'000.0);
    return model;
}

// The oracle is not instrumented for coverage: its comparisons would only feed the fuzzer
// features of no interest and cost most of the time.
#define KORVELT_ORACLE __attribute__((no_sanitize("coverage")))

KORVELT_ORACLE bool SameBits(TDateTime a, TDateTime b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

KORVELT_ORACLE bool SameTable(const SlotTable &a, const SlotTable &b)
{
    for (std::size_t o = 0; o < a.size(); ++o) {
        for (std::size_t s = 0; s < a[o].size(); ++s) {
            const TimeSlot &p = a[o][s];
            const TimeSlot &q = b[o][s];
            if (!SameBits(p.Start, q.Start) || !SameBits(p.End, q.End) || p.Days != q.Days) {
                return false;
            }
        }
    }
    return true;
}

// Field by field, each value by its bits (as change tracking compares them).
KORVELT_ORACLE bool SameSchedule(const ScheduleModel &a, const ScheduleModel &b)
{
    if (!SameTable(a.NormalTimes, b.NormalTimes) || !SameTable(a.SpecialTimes, b.SpecialTimes) ||
        !(a.DaylightSaving == b.DaylightSaving)) {
        return false;
    }
    for (std::size_t k = 0; k < a.SpecialDates.size(); ++k) {
        if (!SameBits(a.SpecialDates[k], b.SpecialDates[k])) {
            return false;
        }
    }
    return true;
}

bool IsCommand(std::uint8_t byte)
{
    constexpr std::array<Command, 8> commands{Command::Identify,        Command::BeginDownload, Command::WriteFirstHalf,
                                              Command::WriteSecondHalf, Command::EndDownload,   Command::ReadFirstHalf,
                                              Command::ReadSecondHalf,  Command::Clock};
    return std::ranges::any_of(commands, [byte](Command c) { return ToByte(c) == byte; });
}

// The request whose reply the exchange waits for in each state.
std::optional<Command> AwaitedReplyTo(ProtocolState state)
{
    switch (state) {
    case ProtocolState::Idle:
        return std::nullopt;
    case ProtocolState::WriteIdentify:
    case ProtocolState::SetClockIdentify:
    case ProtocolState::ReadClockIdentify:
    case ProtocolState::ReadIdentify:
        return Command::Identify;
    case ProtocolState::WriteSettings:
        return Command::BeginDownload;
    case ProtocolState::WriteSpecialDates:
    case ProtocolState::WriteNormalSecondHalf:
    case ProtocolState::WriteSpecialSecondHalf:
        return Command::WriteFirstHalf;
    case ProtocolState::WriteNormalFirstHalf:
    case ProtocolState::WriteSpecialFirstHalf:
    case ProtocolState::WriteEnd:
        return Command::WriteSecondHalf;
    case ProtocolState::WriteDone:
        return Command::EndDownload;
    case ProtocolState::ClockReply:
        return Command::Clock;
    case ProtocolState::ReadSettings:
    case ProtocolState::ReadNormalFirstHalf:
    case ProtocolState::ReadSpecialFirstHalf:
        return Command::ReadFirstHalf;
    case ProtocolState::ReadSpecialDates:
    case ProtocolState::ReadNormalSecondHalf:
    case ProtocolState::ReadSpecialSecondHalf:
        return Command::ReadSecondHalf;
    }
    return std::nullopt;
}

std::string Name(ProtocolState state)
{
    const std::string_view name = ProtocolStateName(state);
    return name.empty() ? "state " + std::to_string(static_cast<int>(state)) : std::string(name);
}

// Where the slots of a slot block live: block 1 + 2o + h of the normal table (33 + 2o + h of
// the special table) holds slots 8h..8h+7 of output o, the first four in its first half.
struct SlotBlock {
    bool Special = false;
    std::size_t Output = 0;
    int FirstSlot = 0; // of the block's first half
};

SlotBlock SlotBlockAt(int block)
{
    const int index = block - 1;
    const int inTable = index % BlocksPerTable;
    return {index >= BlocksPerTable, static_cast<std::size_t>(inTable / 2), (inTable % 2) * SlotsPerBlock};
}

class ExchangeRun {
public:
    ExchangeRun() : host_(device_), exchange_(host_), model_(HostSchedule())
    {
        device_.SetTickSource([] { return std::int64_t{0}; });
        device_.SetClock(40'179.5);
        host_.Schedule() = model_;
        host_.SetClockValue(40'118.75);
    }

    void Start(int which)
    {
        const std::size_t before = host_.Requests().size();
        ProtocolState state = ProtocolState::Idle;
        switch (which) {
        case 0:
            exchange_.StartDownload();
            state = ProtocolState::WriteIdentify;
            break;
        case 1:
            exchange_.StartRead();
            state = ProtocolState::ReadIdentify;
            halves_ = {};
            break;
        case 2:
            exchange_.StartSetClock();
            state = ProtocolState::SetClockIdentify;
            break;
        default:
            exchange_.StartReadClock();
            state = ProtocolState::ReadClockIdentify;
            break;
        }
        startedAt_ = before;
        FuzzRequire(exchange_.State() == state,
                    [&] { return "a start left the exchange in " + Name(exchange_.State()); });
        FuzzRequire(host_.Requests().size() == before + 1 && host_.Requests().back() == MakeRequest(Command::Identify),
                    [&] { return "a start did not send exactly one Identify"; });
    }

    void Fault(int which)
    {
        switch (which) {
        case 0:
            device_.ClearFault();
            break;
        case 1:
            device_.InjectFault(SimulatedFault::FallSilent);
            break;
        case 2:
            device_.InjectFault(SimulatedFault::Garbage);
            break;
        case 3:
            device_.InjectFault(SimulatedFault::WrongIdentity);
            break;
        case 4:
            device_.InjectFault(SimulatedFault::ExtraReport);
            break;
        case 5:
            device_.Unplug();
            break;
        case 6:
            device_.PlugIn();
            break;
        default:
            device_.EraseMemory();
            break;
        }
    }

    // The device's next pending reply, with one byte changed when `patch` says so.
    void DeviceReply(std::optional<std::pair<std::uint8_t, std::uint8_t>> patch = std::nullopt)
    {
        std::optional<Report> reply = device_.TakeReply();
        if (!reply) {
            return;
        }
        if (patch) {
            reply->at(patch->first % ReportSize) = patch->second;
        }
        Deliver(*reply);
    }

    void Deliver(const Report &reply)
    {
        const ProtocolState before = exchange_.State();
        const std::size_t requestsBefore = host_.Requests().size();
        const std::size_t eventsBefore = host_.Events().size();
        if (before != ProtocolState::Idle && !host_.Requests().empty()) {
            NoteReadReply(host_.Requests().back(), reply);
        }

        exchange_.ReportReceived(reply);

        const ProtocolState after = exchange_.State();
        const std::size_t sent = host_.Requests().size() - requestsBefore;
        stepBefore_ = before;
        stepAfter_ = after;
        FuzzRequire(static_cast<int>(after) >= 0 && static_cast<int>(after) < ProtocolStateCount,
                    [&] { return Step() + ": no such state"; });
        FuzzRequire(sent <= 1, [&] { return Step() + ": " + std::to_string(sent) + " requests for one report"; });
        if (sent == 1) {
            CheckRequest(host_.Requests().back());
        }
        if (before == ProtocolState::Idle) {
            FuzzRequire(after == ProtocolState::Idle && sent == 0 && host_.Events().size() == eventsBefore,
                        [&] { return Step() + ": a report in Idle did something"; });
        }
        if (after == ProtocolState::Idle) {
            FuzzRequire(sent == 0, [&] { return Step() + ": a request went out, but nothing is awaited"; });
        } else {
            // Waiting: either for the reply to what was just sent, or (a report that is no
            // clock reply was dropped) still for the clock reply.
            const bool dropped = sent == 0 && before == ProtocolState::ClockReply && after == ProtocolState::ClockReply;
            FuzzRequire(sent == 1 || dropped, [&] { return Step() + ": waiting without a request outstanding"; });
            FuzzRequire(host_.Requests().back()[1] == ToByte(*AwaitedReplyTo(after)),
                        [&] { return Step() + ": waits for another reply than the one to its last request"; });
        }

        for (std::size_t e = eventsBefore; e < host_.Events().size(); ++e) {
            const std::string &event = host_.Events()[e];
            if (event == "ReadDone") {
                CheckReadComplete();
            } else if (event == "DownloadDone") {
                CheckDownload();
            }
        }
        if (host_.Events().size() != eventsBefore) {
            CheckModel(Step());
        }
    }

    // The host's model changes only when a read completes, and then to what was read.
    void CheckModel(const std::string &when) const
    {
        FuzzRequire(SameSchedule(host_.Model(), model_),
                    [&] { return when + ": the model is neither as it was nor what the last whole read held"; });
    }

private:
    void CheckRequest(const Report &request) const
    {
        FuzzRequire(request[0] == 0 && IsCommand(request[1]),
                    [&] { return Step() + ": sent a request that is no command"; });
        const auto command = static_cast<Command>(request[1]);
        if (command == Command::WriteFirstHalf || command == Command::WriteSecondHalf ||
            command == Command::ReadFirstHalf || command == Command::ReadSecondHalf) {
            FuzzRequire(request[2] < BlockCount, [&] { return Step() + ": block " + std::to_string(request[2]); });
        }
        if (command == Command::Clock) {
            FuzzRequire(request[2] == ToByte(ClockCommand::Write) || request[2] == ToByte(ClockCommand::Read),
                        [&] { return Step() + ": a clock request without its sub-command"; });
        }
    }

    // A reply to a read request is the block half that request named.
    void NoteReadReply(const Report &request, const Report &reply)
    {
        const auto command = static_cast<Command>(request[1]);
        if ((command != Command::ReadFirstHalf && command != Command::ReadSecondHalf) || request[2] >= BlockCount) {
            return;
        }
        BlockHalf half{};
        std::copy_n(reply.begin() + ReplyDataOffset, HalfSize, half.begin());
        halves_.at(request[2]).at(command == Command::ReadFirstHalf ? 0 : 1) = half;
    }

    // The read's replies, unpacked by the block map into the schedule the host had.
    void CheckReadComplete()
    {
        ScheduleModel read = model_;
        for (int block = 0; block < BlockCount; ++block) {
            for (int h = 0; h < HalvesPerBlock; ++h) {
                FuzzRequire(halves_.at(block).at(h).has_value(),
                            [&] { return Step() + ": a read completed without block " + std::to_string(block); });
            }
        }
        BlockImage blockZero{};
        std::copy_n(halves_[0][0]->begin(), HalfSize, blockZero.begin());
        std::copy_n(halves_[0][1]->begin(), HalfSize, blockZero.begin() + HalfSize);
        FuzzRequire(UnpackBlockZero(blockZero, read.DaylightSaving, read.SpecialDates),
                    [&] { return Step() + ": a read completed with block 0 that does not unpack"; });
        for (int block = 1; block < BlockCount; ++block) {
            const SlotBlock where = SlotBlockAt(block);
            OutputSlots &slots = (where.Special ? read.SpecialTimes : read.NormalTimes).at(where.Output);
            for (int h = 0; h < HalvesPerBlock; ++h) {
                FuzzRequire(
                    DecodeSlotHalf(ConstHalfBytes(*halves_.at(block).at(h)), slots, where.FirstSlot + h * SlotsPerHalf),
                    [&] {
                        return Step() + ": a read completed with block " + std::to_string(block) +
                               " that does not unpack";
                    });
            }
        }
        model_ = read;
        halves_ = {};
    }

    // The requests since the start: Identify, BeginDownload, both halves of blocks 0..64 in
    // turn with the model's bytes, EndDownload.
    void CheckDownload() const
    {
        const std::span<const Report> sent = std::span(host_.Requests()).subspan(startedAt_);
        FuzzRequire(sent.size() == DownloadRequestCount,
                    [&] { return Step() + ": a download of " + std::to_string(sent.size()) + " requests completed"; });
        FuzzRequire(sent[0][1] == ToByte(Command::Identify) && sent[1][1] == ToByte(Command::BeginDownload) &&
                        sent.back()[1] == ToByte(Command::EndDownload),
                    [&] { return Step() + ": a download did not begin and end as one"; });
        const ScheduleModel &model = host_.Model();
        for (int block = 0; block < BlockCount; ++block) {
            for (int h = 0; h < HalvesPerBlock; ++h) {
                const Report &request = sent[2 + 2 * static_cast<std::size_t>(block) + static_cast<std::size_t>(h)];
                const auto where = [&] {
                    return Step() + ": download block " + std::to_string(block) + " half " + std::to_string(h);
                };
                FuzzRequire(request[1] == ToByte(h == 0 ? Command::WriteFirstHalf : Command::WriteSecondHalf) &&
                                request[2] == block,
                            [&] { return where() + " is out of order"; });
                const auto data = std::span(request).subspan(RequestDataOffset, HalfSize);
                if (block == 0) {
                    const BlockHalf half =
                        h == 0 ? SettingsHalf(model.DaylightSaving) : SpecialDatesHalf(model.SpecialDates);
                    FuzzRequire(std::ranges::equal(data, half), [&] { return where() + " does not carry the model"; });
                    continue;
                }
                const SlotBlock at = SlotBlockAt(block);
                const OutputSlots &slots = (at.Special ? model.SpecialTimes : model.NormalTimes).at(at.Output);
                for (int i = 0; i < SlotsPerHalf; ++i) {
                    const int slot = at.FirstSlot + h * SlotsPerHalf + i;
                    std::array<std::uint8_t, PackedSlotSize> packed{};
                    EncodeSlot(slots.at(static_cast<std::size_t>(slot)), packed);
                    const std::size_t field = SlotFieldSize * static_cast<std::size_t>(i);
                    FuzzRequire(std::ranges::equal(data.subspan(field, PackedSlotSize), packed),
                                [&] { return where() + " does not carry slot " + std::to_string(slot); });
                }
            }
        }
    }

    [[nodiscard]] std::string Step() const { return Name(stepBefore_) + " -> " + Name(stepAfter_); }

    SimulatedKorvelt device_;
    LoopbackHost host_;
    DeviceExchange exchange_;
    ScheduleModel model_; // the host's model as it should be
    std::size_t startedAt_ = 0;
    ProtocolState stepBefore_ = ProtocolState::Idle; // the report being handled moved the
    ProtocolState stepAfter_ = ProtocolState::Idle;  // exchange from this state to that
    std::array<std::array<std::optional<BlockHalf>, HalvesPerBlock>, BlockCount> halves_{};
};

// Reads the input as steps, each led by one byte:
//   0x00..0x0F  start operation (download, read, set clock, read clock)
//   0x10..0x1F  a change of the device: clear faults, fall silent, garbage, wrong identity,
//               an extra report, unplug, plug in, erase its memory
//   0x20..0x7F  let the device's next 1..96 pending replies arrive
//   0x80..0xBF  the next 65 input bytes arrive as one report (zeros past the end)
//   0xC0..0xFF  the device's next reply arrives with the byte at the next input byte (mod 65)
//               set to the one after it
class Steps {
public:
    explicit Steps(std::span<const std::uint8_t> input) : input_(input) {}

    [[nodiscard]] bool Done() const { return at_ >= input_.size(); }
    std::uint8_t Next() { return at_ < input_.size() ? input_[at_++] : 0; }

private:
    std::span<const std::uint8_t> input_;
    std::size_t at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ExchangeRun run;
    Steps steps(std::span(data, size));
    while (!steps.Done()) {
        const std::uint8_t step = steps.Next();
        if (step < 0x10) {
            run.Start(step & 3);
        } else if (step < 0x20) {
            run.Fault(step & 7);
        } else if (step < 0x80) {
            for (int i = 0; i < step - 0x1F; ++i) {
                run.DeviceReply();
            }
        } else if (step < 0xC0) {
            Report report{};
            for (std::uint8_t &byte : report) {
                byte = steps.Next();
            }
            run.Deliver(report);
        } else {
            const std::uint8_t at = steps.Next();
            run.DeviceReply(std::pair{at, steps.Next()});
        }
    }
    run.CheckModel("at the end");
    return 0;
}
