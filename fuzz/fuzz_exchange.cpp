// Any sequence of input reports after any of the four start operations, against a strict
// scripted device (the tests' ExchangeScript). After every report:
// - at most one request went out, and it is the script's next request, byte for byte;
// - the scripted reply always moves the exchange on, and it completes only after the
//   script's last request, with the script's result (a clock only from a clock reply);
// - any other reply is taken exactly when it holds what its request asked for (an identity
//   of ours, times and dates that exist); otherwise the exchange fails, naming the block;
// - a read hands over exactly what the replies it took hold, each unpacked where its
//   request's block belongs.
#include "core/DeviceExchange.h"
#include "FuzzCheck.h"
#include "core/SlotPacking.h"
#include "TestSchedules.h"

#include <string>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

// The oracle is not instrumented for coverage: its comparisons would only feed the fuzzer
// features of no interest and cost most of the time.
#define KORVELT_ORACLE __attribute__((no_sanitize("coverage")))

constexpr std::array<std::uint8_t, 3> OurIdentity{0x00, 0x04, 0x01};

ConstHalfBytes ReplyData(const Report &reply) { return ConstHalfBytes(reply.data() + 2, HalfSize); }

class ScriptedRun {
public:
    void Start(ExchangeKind kind)
    {
        // Built once: the scripts and the schedule are the same for every input.
        static const std::array scripts{ExchangeScript(ExchangeKind::Download), ExchangeScript(ExchangeKind::Read),
                                        ExchangeScript(ExchangeKind::SetClock),
                                        ExchangeScript(ExchangeKind::ReadClock)};
        static const ScheduleModel distinct = DistinctSchedule();
        // A download sends the schedule it is given; a read hands over what it decoded.
        host_.Schedule = reading_ = kind == ExchangeKind::Download ? distinct : ScheduleModel{};
        kind_ = kind;
        script_ = &scripts.at(static_cast<std::size_t>(kind));
        host_.Clear();
        StartExchange(exchange_, kind, host_.Schedule);
        Require(host_.Sent.size() == 1 && host_.Sent[0] == (*script_)[0].Request, "no Identify");
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
        step_ = next_ - 1; // what the report answers, when anything is awaited
        const bool scripted = next_ > 0 && report == (*script_)[step_].Reply;
        exchange_.ReportReceived(report);
        const bool taken = !host_.Sent.empty();
        Require(host_.Sent.size() <= 1, "two requests for one report");
        if (next_ == 0) {
            Require(!taken && !host_.Ended() && !host_.Identity, "a report in idle acted");
        } else if (taken || host_.Failure) {
            Require(!taken || (next_ < script_->size() && host_.Sent[0] == (*script_)[next_].Request),
                    "a request the script does not expect now");
            Require(!(taken && host_.Failure) && !host_.Downloaded && !host_.Read && !host_.Clock,
                    "a result while the exchange goes on, or besides its failure");
            Require(taken || !scripted, "the scripted reply failed the exchange");
            CheckTaken(report, taken);
            next_ = taken ? next_ + 1 : 0;
        } else if (host_.Ended()) {
            Require(next_ == script_->size(), "ended before every request came");
            Require(host_.Downloaded == (kind_ == ExchangeKind::Download) &&
                        host_.Read.has_value() == (kind_ == ExchangeKind::Read) &&
                        host_.Clock.has_value() == (kind_ >= ExchangeKind::SetClock),
                    "ended with another result than the command's");
            Require(!host_.Clock || report[1] == 0x54, "a clock from a report that is no clock reply");
            Require(!scripted || !host_.Clock || *host_.Clock == ScriptedClock, "another clock than the reply's");
            CheckTaken(report, true);
            Require(!host_.Read || SameSchedule(*host_.Read, reading_), "the read handed over another schedule");
            next_ = 0;
        } else {
            Require(kind_ >= ExchangeKind::SetClock && step_ == 1 && report[1] != 0x54, "a reply was dropped");
        }
        Require((exchange_.State() == ProtocolState::Idle) == (next_ == 0), "idle while waiting, or waiting when done");
    }

private:
    void Require(bool holds, const char *what) const
    {
        FuzzRequire(holds, [&] {
            return "step " + std::to_string(step_) + " of command " + std::to_string(static_cast<int>(kind_)) + ": " +
                   what;
        });
    }

    // The reply to step_ holds what its request asked for exactly when the exchange went on
    // (`taken`); otherwise it failed for that reason. A read's reply is unpacked into reading_.
    KORVELT_ORACLE void CheckTaken(const Report &reply, bool taken)
    {
        if (step_ == 0) {
            const bool ours = std::equal(OurIdentity.begin(), OurIdentity.end(), reply.begin() + 2);
            Require(ours == taken && (taken || host_.Failure->first == ExchangeFailure::NotAKorvelt),
                    "the identity check decided otherwise");
            Require(host_.Identity.has_value() == (taken && kind_ != ExchangeKind::ReadClock),
                    "the identity was reported, or not, wrongly");
            return;
        }
        if (kind_ != ExchangeKind::Read) {
            Require(taken, "failed on a reply it does not examine");
            return;
        }
        // Step 2b + 1 + h asks for half h of block b, and block 1 + 32t + 2o + k holds slots
        // 8k..8k+7 of output o of table t, the first four in half 0.
        const int block = static_cast<int>(step_ - 1) / 2;
        const int half = static_cast<int>(step_ - 1) % 2;
        bool holds = true;
        if (block == 0 && half == 0) {
            settings_ = reply;
        } else if (block == 0) {
            BlockImage image{};
            std::ranges::copy(ReplyData(settings_), image.begin());
            std::ranges::copy(ReplyData(reply), image.begin() + HalfSize);
            holds = UnpackBlockZero(image, reading_.DaylightSaving, reading_.SpecialDates);
        } else {
            SlotTable &table = block > 32 ? reading_.SpecialTimes : reading_.NormalTimes;
            holds = DecodeSlotHalf(ReplyData(reply), table.at((block - 1) % 32 / 2), (block - 1) % 2 * 8 + half * 4);
        }
        Require(holds == taken, "a reply was taken or refused wrongly");
        Require(taken || *host_.Failure == std::pair{ExchangeFailure::InvalidScheduleData, block},
                "failed without naming its block");
    }

    RecordingHost host_{ScheduleModel{}};
    DeviceExchange exchange_{host_};
    ScheduleModel reading_; // what a read must hand over
    ExchangeKind kind_ = ExchangeKind::Download;
    const std::vector<ScriptStep> *script_ = nullptr;
    std::size_t next_ = 0; // the script's next request; 0 when idle
    std::size_t step_ = 0; // the request the report being handled answers
    Report settings_{};    // the reply to a read's first request for block 0
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
    std::size_t read = 0;
    const auto next = [&] { return read < size ? data[read++] : std::uint8_t{0}; };
    while (read < size) {
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
    return 0;
}
