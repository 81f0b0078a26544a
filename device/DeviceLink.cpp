#include "device/DeviceLink.h"

#include "device/FileClaim.h"

#include <algorithm>

namespace korvelt {

DeviceLink::DeviceLink(HidBackend &backend, QObject &receiver, Port1Comms::Handler reportReceived,
                       std::function<void()> deviceGone)
    : backend_(backend), receiver_(receiver), reportReceived_(std::move(reportReceived)),
      deviceGone_(std::move(deviceGone))
{
}

DeviceLink::~DeviceLink()
{
    Close();
    // Stopping a reader handles events, which may reap: the list is not changed meanwhile.
    const std::vector<RetiredReader> retired = std::move(retired_);
    retired_.clear();
}

void DeviceLink::Close()
{
    if (reader_ && reader_->HandingOver()) {
        // The reader waits for the handler this is called from: waiting for the reader here
        // would never end. It ends when the handler returns, and is reaped then.
        reader_->RequestStop();
        const Port1Comms *const reader = reader_.get();
        QObject::connect(
            reader_.get(), &QThread::finished, &receiver_, [this, reader] { Reap(reader); }, Qt::QueuedConnection);
        retired_.push_back({std::move(readHandle_), std::move(reader_)});
    }
    reader_.reset();
    deviceOpen_ = false;
    readHandle_.reset();
    writeHandle_.reset();
    claim_.reset();
}

bool DeviceLink::FindAndOpenDevice(const UsbMatch &match)
{
    Close();
    for (const HidInterfaceInfo &info : backend_.Enumerate()) {
        if (!match.Matches(info.VendorId, info.ProductId, info.Release) ||
            (!devicePath_.empty() && info.Path != devicePath_)) {
            continue;
        }
        // The first match is taken; no later interface is looked at.
        claim_ = ClaimWithin(backend_, info.Path, claimWaitMs_);
        if (!claim_) {
            busy_ = true;
            return false;
        }
        HidOpenResult write = backend_.Open(info.Path);
        if (!write.Device) {
            openError_ = write.Error;
            return false;
        }
        HidOpenResult read = backend_.Open(info.Path);
        if (!read.Device) {
            openError_ = read.Error;
            return false;
        }
        writeHandle_ = std::move(write.Device);
        readHandle_ = std::move(read.Device);
        // A reply the device held back for an earlier program would be taken for the answer
        // to the first request, and every later reply for the one before it.
        DropWaitingReports(*readHandle_);
        openPath_ = info.Path;
        deviceOpen_ = true;
        reader_ = std::make_unique<Port1Comms>(*readHandle_, deviceOpen_, receiver_, reportReceived_);
        if (deviceGone_) {
            QObject::connect(reader_.get(), &Port1Comms::DeviceGone, &receiver_, deviceGone_, Qt::QueuedConnection);
        }
        reader_->Start();
        return true;
    }
    return false;
}

LinkResult DeviceLink::OpenDeviceLink()
{
    if (deviceOpen_ && claim_) {
        return {LinkOutcome::Open, {}};
    }
    // Between two commands another program may have talked to the KORVELT, and its replies
    // reached this link's handle as well: the link is opened again, which drops them, rather
    // than taking the first of them for the answer to the next request.
    openError_.clear();
    busy_ = false;
    if (FindAndOpenDevice(NormalFirmware)) {
        return {LinkOutcome::Open, {}};
    }
    if (busy_) {
        return {LinkOutcome::Busy, {}};
    }
    if (FindAndOpenDevice(ProgramMode)) {
        // The link to a device in program mode stays open.
        return {LinkOutcome::ProgramMode, {}};
    }
    if (FindAndOpenDevice(AnyRelease)) {
        return {LinkOutcome::Open, {}};
    }
    if (busy_) {
        return {LinkOutcome::Busy, {}};
    }
    return {LinkOutcome::NotFound, openError_};
}

void DeviceLink::Reap(const Port1Comms *reader)
{
    const auto found = std::ranges::find_if(
        retired_, [reader](const RetiredReader &retired) { return retired.Reader.get() == reader; });
    if (found == retired_.end()) {
        return;
    }
    // Its thread has ended, so the wait is short; the list is left alone while it lasts.
    const RetiredReader retired = std::move(*found);
    retired_.erase(found);
}

void DeviceLink::SendReport(const Report &request)
{
    if (writeHandle_) {
        writeHandle_->Write(request);
    }
}

} // namespace korvelt
