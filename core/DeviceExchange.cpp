#include "core/DeviceExchange.h"

#include "core/BytePacking.h"
#include "core/DeviceClock.h"
#include "core/SlotPacking.h"

#include <algorithm>
#include <string>

namespace korvelt {

namespace {

constexpr std::uint8_t FillByte = 0xFF;
constexpr std::uint8_t ClockReplyMarker = ToByte(Command::Clock);

std::string VersionText(const Report &reply)
{
    const auto *const first = reply.begin() + VersionTextOffset;
    const auto *const end = std::find(first, reply.end(), std::uint8_t{0});
    return {first, end};
}

std::int32_t SerialNumber(const Report &reply)
{
    return static_cast<std::int32_t>(
        GetLittleEndian<std::uint32_t>(std::span<const std::uint8_t, ReportSize>(reply).subspan<SerialNumberOffset, 4>()));
}

ConstHalfBytes ReplyHalf(const Report &reply)
{
    return std::span<const std::uint8_t, ReportSize>(reply).subspan<ReplyDataOffset, HalfSize>();
}

} // namespace

int RequestedBlock(const Report &request)
{
    switch (static_cast<Command>(request[1])) {
    case Command::WriteFirstHalf:
    case Command::WriteSecondHalf:
    case Command::ReadFirstHalf:
    case Command::ReadSecondHalf:
        return request[2];
    default:
        return -1;
    }
}

int DeviceExchange::RequestCount(ProtocolState start)
{
    // Identify, BeginDownload, both halves of 65 blocks, EndDownload; Identify and both
    // halves of 65 blocks; Identify and the clock request.
    constexpr int BlockHalves = 2 * (FirstSpecialBlock + OutputCount * SlotCount / SlotsPerBlock);
    switch (start) {
    case ProtocolState::WriteIdentify:
        return 1 + 1 + BlockHalves + 1;
    case ProtocolState::ReadIdentify:
        return 1 + BlockHalves;
    default:
        return 2;
    }
}

void DeviceExchange::Start(ProtocolState state)
{
    NewRequest(Command::Identify);
    step_ = 0;
    total_ = RequestCount(state);
    Send(state);
}

void DeviceExchange::StartDownload(const ScheduleModel &schedule)
{
    model_ = schedule;
    Start(ProtocolState::WriteIdentify);
}

void DeviceExchange::StartRead()
{
    // A whole read overwrites every value of the copy, so it may start from any schedule.
    model_ = ScheduleModel{};
    Start(ProtocolState::ReadIdentify);
}

void DeviceExchange::StartSetClock() { Start(ProtocolState::SetClockIdentify); }
void DeviceExchange::StartReadClock() { Start(ProtocolState::ReadClockIdentify); }

Report &DeviceExchange::NewRequest(Command command)
{
    sendBuffer_ = MakeRequest(command);
    return sendBuffer_;
}

Report &DeviceExchange::NewBlockRequest(Command command)
{
    NewRequest(command)[2] = blockNumber_;
    return sendBuffer_;
}

void DeviceExchange::Send(ProtocolState next)
{
    state_ = next;
    ++step_;
    host_.SendReport(sendBuffer_);
    host_.Progress(step_, total_);
}

bool DeviceExchange::CheckIdentity(const Report &reply, bool log)
{
    if (!std::equal(IdentityBytes.begin(), IdentityBytes.end(), reply.begin() + IdentityOffset)) {
        state_ = ProtocolState::Idle;
        host_.Failed(ExchangeFailure::NotAKorvelt, 0);
        return false;
    }
    if (log) {
        host_.Identified(DeviceIdentity{VersionText(reply), SerialNumber(reply)});
    }
    return true;
}

void DeviceExchange::WriteSlotsFirstHalf(const SlotTable &table, ProtocolState next)
{
    Report &request = NewBlockRequest(Command::WriteFirstHalf);
    EncodeSlotHalf(table.at(static_cast<std::size_t>(outputIndex_)), slotBase_,
                   HalfBytes(request.data() + RequestDataOffset, HalfSize));
    Send(next);
}

void DeviceExchange::WriteSlotsSecondHalf(const SlotTable &table)
{
    Report &request = NewBlockRequest(Command::WriteSecondHalf);
    EncodeSlotHalf(table.at(static_cast<std::size_t>(outputIndex_)), slotBase_ + SlotsPerHalf,
                   HalfBytes(request.data() + RequestDataOffset, HalfSize));
}

bool DeviceExchange::ReadSlots(const Report &reply, SlotTable &table, int firstSlot)
{
    if (!DecodeSlotHalf(ReplyHalf(reply), table.at(static_cast<std::size_t>(outputIndex_)), firstSlot)) {
        InvalidData(blockNumber_);
        return false;
    }
    return true;
}

void DeviceExchange::ReadNextBlock(ProtocolState next)
{
    NewBlockRequest(Command::ReadFirstHalf);
    Send(next);
}

void DeviceExchange::ReadFinished()
{
    state_ = ProtocolState::Idle;
    host_.ReadDone(model_);
}

void DeviceExchange::InvalidData(int block)
{
    state_ = ProtocolState::Idle;
    host_.Failed(ExchangeFailure::InvalidScheduleData, block);
}

void DeviceExchange::BuildClockReport()
{
    sendBuffer_ = ClockWriteRequest(host_.ClockValueToSet());
    Send(ProtocolState::ClockReply);
}

void DeviceExchange::ShowDeviceClock(const Report &reply)
{
    const DeviceClockReading reading = DecodeClockReply(reply);
    host_.ClockRead(reading.Date, reading.Time);
}

bool DeviceExchange::NextSlotBlock()
{
    if (slotBase_ < SlotsPerBlock) {
        slotBase_ = SlotsPerBlock;
    } else if (++outputIndex_ < OutputCount) {
        slotBase_ = 0;
    } else {
        return false; // OutputIndex is now 16
    }
    ++blockNumber_;
    return true;
}

void DeviceExchange::StartSpecialTimes()
{
    ++blockNumber_;
    outputIndex_ = 0;
    slotBase_ = 0;
}

void DeviceExchange::ReportReceived(const Report &reply)
{
    switch (state_) {
    case ProtocolState::Idle:
        return;

    // Download: Identify, BeginDownload, both halves of blocks 0..64, EndDownload.
    case ProtocolState::WriteIdentify:
        if (CheckIdentity(reply, true)) {
            blockNumber_ = 0;
            slotBase_ = 0;
            NewRequest(Command::BeginDownload);
            Send(ProtocolState::WriteSettings);
        }
        return;
    case ProtocolState::WriteSettings: {
        Report &request = NewBlockRequest(Command::WriteFirstHalf);
        std::fill(request.begin() + RequestDataOffset, request.end(), FillByte);
        const BlockHalf half = SettingsHalf(model_.DaylightSaving);
        std::copy(half.begin(), half.end(), request.begin() + RequestDataOffset);
        Send(ProtocolState::WriteSpecialDates);
        return;
    }
    case ProtocolState::WriteSpecialDates: {
        Report &request = NewBlockRequest(Command::WriteSecondHalf);
        const BlockHalf half = SpecialDatesHalf(model_.SpecialDates);
        std::copy(half.begin(), half.end(), request.begin() + RequestDataOffset);
        blockNumber_ = FirstNormalBlock;
        slotBase_ = 0;
        outputIndex_ = 0;
        Send(ProtocolState::WriteNormalFirstHalf);
        return;
    }
    case ProtocolState::WriteNormalFirstHalf:
        WriteSlotsFirstHalf(model_.NormalTimes, ProtocolState::WriteNormalSecondHalf);
        return;
    case ProtocolState::WriteNormalSecondHalf: {
        WriteSlotsSecondHalf(model_.NormalTimes);
        if (NextSlotBlock()) {
            Send(ProtocolState::WriteNormalFirstHalf);
        } else {
            StartSpecialTimes();
            Send(ProtocolState::WriteSpecialFirstHalf);
        }
        return;
    }
    case ProtocolState::WriteSpecialFirstHalf:
        WriteSlotsFirstHalf(model_.SpecialTimes, ProtocolState::WriteSpecialSecondHalf);
        return;
    case ProtocolState::WriteSpecialSecondHalf: {
        WriteSlotsSecondHalf(model_.SpecialTimes);
        // After block 64 the download ends.
        Send(NextSlotBlock() ? ProtocolState::WriteSpecialFirstHalf : ProtocolState::WriteEnd);
        return;
    }
    case ProtocolState::WriteEnd:
        NewRequest(Command::EndDownload);
        Send(ProtocolState::WriteDone);
        return;
    case ProtocolState::WriteDone:
        state_ = ProtocolState::Idle;
        host_.DownloadDone();
        return;

    // Clock: Identify, then one Clock request whose reply is shown.
    case ProtocolState::SetClockIdentify:
        if (CheckIdentity(reply, true)) {
            BuildClockReport();
        }
        return;
    case ProtocolState::ReadClockIdentify:
        if (CheckIdentity(reply, false)) {
            sendBuffer_ = ClockReadRequest();
            Send(ProtocolState::ClockReply);
        }
        return;
    case ProtocolState::ClockReply:
        // Anything but a clock reply is dropped and the exchange keeps waiting.
        if (reply[1] == ClockReplyMarker) {
            state_ = ProtocolState::Idle;
            ShowDeviceClock(reply);
        }
        return;

    // Read: Identify, then both halves of blocks 0..64, decoded into the read copy.
    case ProtocolState::ReadIdentify:
        if (CheckIdentity(reply, true)) {
            blockNumber_ = 0;
            slotBase_ = 0;
            NewBlockRequest(Command::ReadFirstHalf);
            Send(ProtocolState::ReadSettings);
        }
        return;
    case ProtocolState::ReadSettings: {
        const ConstHalfBytes half = ReplyHalf(reply);
        std::copy(half.begin(), half.end(), blockZeroImage_.begin());
        NewBlockRequest(Command::ReadSecondHalf);
        ++blockNumber_;
        Send(ProtocolState::ReadSpecialDates);
        return;
    }
    case ProtocolState::ReadSpecialDates: {
        const ConstHalfBytes half = ReplyHalf(reply);
        std::copy(half.begin(), half.end(), blockZeroImage_.begin() + HalfSize);
        if (!UnpackBlockZero(blockZeroImage_, model_.DaylightSaving, model_.SpecialDates)) {
            InvalidData(0);
            return;
        }
        blockNumber_ = FirstNormalBlock;
        slotBase_ = 0;
        outputIndex_ = 0;
        ReadNextBlock(ProtocolState::ReadNormalFirstHalf);
        return;
    }
    case ProtocolState::ReadNormalFirstHalf:
        if (ReadSlots(reply, model_.NormalTimes, slotBase_)) {
            NewBlockRequest(Command::ReadSecondHalf);
            Send(ProtocolState::ReadNormalSecondHalf);
        }
        return;
    case ProtocolState::ReadNormalSecondHalf: {
        if (!ReadSlots(reply, model_.NormalTimes, slotBase_ + SlotsPerHalf)) {
            return;
        }
        if (NextSlotBlock()) {
            ReadNextBlock(ProtocolState::ReadNormalFirstHalf);
        } else {
            StartSpecialTimes();
            ReadNextBlock(ProtocolState::ReadSpecialFirstHalf);
        }
        return;
    }
    case ProtocolState::ReadSpecialFirstHalf:
        if (ReadSlots(reply, model_.SpecialTimes, slotBase_)) {
            NewBlockRequest(Command::ReadSecondHalf);
            Send(ProtocolState::ReadSpecialSecondHalf);
        }
        return;
    case ProtocolState::ReadSpecialSecondHalf:
        if (!ReadSlots(reply, model_.SpecialTimes, slotBase_ + SlotsPerHalf)) {
            return;
        }
        if (NextSlotBlock()) {
            ReadNextBlock(ProtocolState::ReadSpecialFirstHalf);
        } else {
            ReadFinished();
        }
        return;
    }
    // Any other value does nothing.
}

} // namespace korvelt
