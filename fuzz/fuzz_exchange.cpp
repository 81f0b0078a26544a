// Any sequence of input reports after any of the four start operations, against a strict
// scripted device (the tests' ExchangeScript): every request a command must send, byte for
// byte, and the device's reply to each. The input decides what arrives: the scripted reply,
// the scripted reply with one byte changed, the last report once more, or any 65 bytes; and
// when a new command starts. After every report:
// - at most one request went out, and it is the script's next request, byte for byte;
// - the scripted reply always moves the exchange on, and it completes only after the
//   script's last request, with the script's result;
// - a changed reply is taken exactly when it holds what its request asked for (an identity
//   of ours, times and dates that exist); otherwise the exchange fails, naming the block;
// - the model is as it was or, right after a read completed, exactly what the replies taken
//   by that read hold, each unpacked where its request's block belongs.
#include "DeviceExchange.h"
#include "FuzzCheck.h"
#include "ProtocolState.h"
#include "SlotPacking.h"
#include "TestSchedules.h"

#include <algorithm>
#include <span>
#include <string>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

// The oracle is not instrumented for coverage: its comparisons would only feed the fuzzer
// features of no interest and cost most of the time.
#define KORVELT_ORACLE __attribute__((no_sanitize("coverage")))

constexpr std::array<std::uint8_t, 3> OurIdentity{0x00, 0x04, 0x01};

// Where the slots of a read's step go: step 2b + 1 + h asks for half h of block b, and block
// 1 + 32t + 2o + k holds slots 8k..8k+7 of output o of table t, the first four in half 0.
struct SlotHalf {
    bool Special;
    int Output;
    int FirstSlot;
};

SlotHalf SlotHalfOfStep(std::size_t step)
{
    const int block = static_cast<int>(step - 1) / 2;
    const int half = static_cast<int>(step - 1) % 2;
    return {block > 32, (block - 1) % 32 / 2, (block - 1) % 2 * 8 + half * 4};
}

ConstHalfBytes ReplyData(const Report &reply) { return ConstHalfBytes(reply.data() + 2, HalfSize); }

// Built once: the scripts and the schedule are the same for every input.
KORVELT_ORACLE const std::vector<ScriptStep> &ScriptOf(ExchangeKind kind)
{
    static const std::array scripts{ExchangeScript(ExchangeKind::Download), ExchangeScript(ExchangeKind::Read),
                                    ExchangeScript(ExchangeKind::SetClock), ExchangeScript(ExchangeKind::ReadClock)};
    return scripts.at(static_cast<std::size_t>(kind));
}

KORVELT_ORACLE const ScheduleModel &Distinct()
{
    static const ScheduleModel model = DistinctSchedule();
    return model;
}

class ScriptedRun {
public:
    void Start(ExchangeKind kind)
    {
        // A download sends the host's schedule; a read replaces the defaults with the device's.
        host_.Schedule = expected_ = kind == ExchangeKind::Download ? Distinct() : ScheduleModel{};
        kind_ = kind;
        script_ = &ScriptOf(kind);
        taken_.assign(script_->size(), Report{});
        host_.Clear();
        StartExchange(exchange_, kind);
        FuzzRequire(host_.Sent.size() == 1 && host_.Sent[0] == (*script_)[0].Request, [] { return "no Identify"; });
        next_ = 1;
    }

    // The scripted reply to the request that went out last, if one is awaited.
    [[nodiscard]] std::optional<Report> ScriptedReply() const
    {
        return next_ == 0 ? std::nullopt : std::optional((*script_)[next_ - 1].Reply);
    }
    [[nodiscard]] const Report &LastReport() const { return last_; }

    void Deliver(const Report &report)
    {
        last_ = report;
        host_.Clear();
        const std::size_t step = step_ = next_ - 1; // what the report answers, when anything is awaited
        const bool scripted = next_ > 0 && report == (*script_)[step].Reply;
        exchange_.ReportReceived(report);
        const auto where = [this] { return Where(); };
        FuzzRequire(host_.Sent.size() <= 1, [&] { return where() + ": two requests for one report"; });
        if (next_ == 0) {
            FuzzRequire(host_.Sent.empty() && !host_.Ended() && !host_.Identity,
                        [] { return "a report in idle acted"; });
        } else if (!host_.Sent.empty() || host_.Failure) {
            taken_[step] = report;
            const bool taken = !host_.Sent.empty();
            FuzzRequire(!taken || (next_ < script_->size() && host_.Sent[0] == (*script_)[next_].Request),
                        [&] { return where() + ": a request the script does not expect now"; });
            FuzzRequire(!host_.Ended() || !taken, [&] { return where() + ": ended and sent a request"; });
            FuzzRequire(taken || !scripted, [&] { return where() + ": the scripted reply failed the exchange"; });
            CheckTaken(step, taken);
            next_ = taken ? next_ + 1 : 0;
        } else if (host_.Ended()) {
            FuzzRequire(next_ == script_->size(), [&] { return where() + ": ended before every request came"; });
            taken_[step] = report;
            CheckCompletion(scripted);
            next_ = 0;
        } else {
            const bool clockReply = kind_ >= ExchangeKind::SetClock && step == 1;
            FuzzRequire(clockReply && report[1] != 0x54, [&] { return where() + ": a reply was dropped"; });
        }
        FuzzRequire((exchange_.State() == ProtocolState::Idle) == (next_ == 0),
                    [&] { return where() + ": idle while waiting, or waiting when done"; });
        if (host_.Read) {
            CheckModel(Where());
        }
    }

    KORVELT_ORACLE void CheckModel(const std::string &when) const
    {
        FuzzRequire(SameSchedule(host_.Schedule, expected_),
                    [&] { return when + ": the model is neither as it was nor what the last whole read held"; });
    }

private:
    [[nodiscard]] std::string Where() const
    {
        return "step " + std::to_string(step_) + " of command " + std::to_string(static_cast<int>(kind_));
    }

    // The reply taken for `step` holds what its request asked for exactly when the exchange
    // went on (`taken`); otherwise it failed for that reason.
    KORVELT_ORACLE void CheckTaken(std::size_t step, bool taken) const
    {
        const auto where = [this] { return Where(); };
        if (step == 0) {
            const bool ours = std::equal(OurIdentity.begin(), OurIdentity.end(), taken_[0].begin() + 2);
            FuzzRequire(ours == taken && (taken || host_.Failure->first == ExchangeFailure::NotAKorvelt),
                        [&] { return where() + ": the identity check decided otherwise"; });
            FuzzRequire(host_.Identity.has_value() == (taken && kind_ != ExchangeKind::ReadClock),
                        [&] { return where() + ": the identity was reported, or not, wrongly"; });
            FuzzRequire(taken_[0] != (*script_)[0].Reply || !host_.Identity ||
                            (host_.Identity->Version == "KORVELT 1.05" && host_.Identity->SerialNumber == 42),
                        [&] { return where() + ": the identity reads otherwise"; });
            return;
        }
        if (kind_ != ExchangeKind::Read || step == 1) {
            FuzzRequire(taken, [&] { return where() + ": failed on a reply it does not examine"; });
            return;
        }
        const int block = static_cast<int>(step - 1) / 2;
        ScheduleModel scratch;
        const bool holds = block == 0 ? UnpackBlockZeroFromTaken(scratch)
                                      : DecodeSlotHalf(ReplyData(taken_[step]), scratch.NormalTimes[0],
                                                       SlotHalfOfStep(step).FirstSlot);
        FuzzRequire(holds == taken, [&] { return where() + ": a reply was taken or refused wrongly"; });
        FuzzRequire(taken || *host_.Failure == std::pair{ExchangeFailure::InvalidScheduleData, block},
                    [&] { return where() + ": failed without naming block " + std::to_string(block); });
    }

    KORVELT_ORACLE bool UnpackBlockZeroFromTaken(ScheduleModel &model) const
    {
        BlockImage image{};
        std::ranges::copy(ReplyData(taken_[1]), image.begin());
        std::ranges::copy(ReplyData(taken_[2]), image.begin() + HalfSize);
        return UnpackBlockZero(image, model.DaylightSaving, model.SpecialDates);
    }

    KORVELT_ORACLE void CheckCompletion(bool scripted)
    {
        const auto where = [this] { return Where(); };
        switch (kind_) {
        case ExchangeKind::Download:
            FuzzRequire(host_.Downloaded, [&] { return where() + ": no DownloadDone"; });
            return;
        case ExchangeKind::Read:
            FuzzRequire(host_.Read, [&] { return where() + ": no ReadDone"; });
            CheckTaken(script_->size() - 1, true);
            // The read decodes into the schedule as it was when the read started.
            (void)UnpackBlockZeroFromTaken(expected_);
            for (std::size_t step = 3; step < taken_.size(); ++step) {
                const SlotHalf at = SlotHalfOfStep(step);
                (void)DecodeSlotHalf(ReplyData(taken_[step]),
                                     (at.Special ? expected_.SpecialTimes : expected_.NormalTimes).at(at.Output),
                                     at.FirstSlot);
            }
            return;
        default:
            FuzzRequire(host_.Clock && (!scripted || *host_.Clock == ScriptedClock),
                        [&] { return where() + ": no clock, or another than the reply's"; });
        }
    }

    RecordingHost host_{ScheduleModel{}};
    DeviceExchange exchange_{host_};
    ScheduleModel expected_; // what the host's model must be
    ExchangeKind kind_ = ExchangeKind::Download;
    const std::vector<ScriptStep> *script_ = nullptr;
    std::vector<Report> taken_; // the report each request was answered with
    std::size_t next_ = 0;      // the script's next request; 0 when idle
    std::size_t step_ = 0;      // the request the report being handled answers
    Report last_{};
};

} // namespace

// The input, as steps each led by one byte:
//   0x00..0x0F  start a command (download, read, set clock, read clock)
//   0x10..0x7F  the scripted reply to the request last sent, 1..112 times over
//   0x80..0xBF  the next 65 input bytes arrive as one report (zeros past the end)
//   0xC0..0xEF  the scripted reply with the byte at the next input byte (mod 65) set to the
//               one after it
//   0xF0..0xFF  the last report once more
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ScriptedRun run;
    std::span<const std::uint8_t> input(data, size);
    const auto next = [&] {
        const std::uint8_t byte = input.empty() ? 0 : input.front();
        input = input.subspan(input.empty() ? 0 : 1);
        return byte;
    };
    while (!input.empty()) {
        const std::uint8_t step = next();
        if (step < 0x10) {
            run.Start(static_cast<ExchangeKind>(step & 3));
        } else if (step < 0x80) {
            for (int i = 0; i < step - 0x0F; ++i) {
                if (const auto reply = run.ScriptedReply()) {
                    run.Deliver(*reply);
                }
            }
        } else if (step < 0xC0) {
            Report report{};
            std::ranges::generate(report, next);
            run.Deliver(report);
        } else if (step < 0xF0) {
            const std::size_t at = next() % ReportSize;
            const std::uint8_t value = next();
            if (auto reply = run.ScriptedReply()) {
                reply->at(at) = value;
                run.Deliver(*reply);
            }
        } else {
            run.Deliver(run.LastReport());
        }
    }
    run.CheckModel("at the end");
    return 0;
}
