#pragma once

#include "core/ExchangeHost.h"
#include "core/ProtocolState.h"
#include "core/Report.h"
#include "core/ScheduleModel.h"

#include <cstdint>

namespace korvelt {

// The request/reply exchange with the device. A start operation sends Identify; every input
// report then moves the exchange one step along, sending the next request, until the
// exchange completes. One request is outstanding at a time; a new start abandons whatever
// exchange was under way. Waiting for a reply that does not come is the caller's to end.
class DeviceExchange {
public:
    explicit DeviceExchange(ExchangeHost &host) : host_(host) {}

    // Run once the link is open; each sends Identify and sets the state. A download sends
    // its own copy of `schedule`, taken now, whatever happens to the caller's meanwhile; a
    // read decodes into a copy of its own and hands it over only when it is whole.
    void StartDownload(const ScheduleModel &schedule);
    void StartRead();
    void StartSetClock();
    void StartReadClock();

    // One input report from the device (all 65 bytes, byte 0 the report ID).
    void ReportReceived(const Report &reply);

    // Ends the exchange under way without a result; later replies are dropped.
    void Abandon() { state_ = ProtocolState::Idle; }

    [[nodiscard]] ProtocolState State() const { return state_; }

    // How many requests an exchange that starts in this state sends when it completes.
    [[nodiscard]] static int RequestCount(ProtocolState start);

private:
    // The identity check of an Identify reply. With `log` the identity is reported to the
    // host. On failure reports it and returns to Idle.
    bool CheckIdentity(const Report &reply, bool log);

    void Start(ProtocolState state);
    // Clears SendBuffer and puts the command into byte 1 (and the block number into byte 2).
    Report &NewRequest(Command command);
    Report &NewBlockRequest(Command command);
    // Moves to `next`, then writes SendBuffer.
    void Send(ProtocolState next);

    void WriteSlotsFirstHalf(const SlotTable &table, ProtocolState next);
    void WriteSlotsSecondHalf(const SlotTable &table);
    bool ReadSlots(const Report &reply, SlotTable &table, int firstSlot);
    void ReadNextBlock(ProtocolState next);
    void ReadFinished();
    // Moves the counters to the next block of slots: the second eight slots of the output, or
    // the next output. False, with the block number left, when the table's last output is done.
    bool NextSlotBlock();
    // The block after the last normal one: SpecialTimes from output 0.
    void StartSpecialTimes();
    void InvalidData(int block);

    void BuildClockReport();
    void ShowDeviceClock(const Report &reply);

    ExchangeHost &host_;
    ProtocolState state_ = ProtocolState::Idle;
    std::uint8_t blockNumber_ = 0;
    int slotBase_ = 0;
    int outputIndex_ = 0;
    Report sendBuffer_{};
    int step_ = 0;
    int total_ = 0;
    BlockImage blockZeroImage_{};
    // The schedule of the exchange under way: what a download sends, and what a read fills
    // before it is handed over.
    ScheduleModel model_{};
};

// The block a request writes or reads half of; -1 for a request that names no block.
[[nodiscard]] int RequestedBlock(const Report &request);

} // namespace korvelt
