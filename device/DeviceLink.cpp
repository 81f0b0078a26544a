#include "DeviceLink.h"

namespace korvelt {

DeviceLink::DeviceLink(HidBackend &backend, QObject &receiver, Port1Comms::Handler reportReceived)
    : backend_(backend), receiver_(receiver), reportReceived_(std::move(reportReceived))
{
}

DeviceLink::~DeviceLink()
{
    Close();
}

void DeviceLink::Close()
{
    reader_.reset();
    deviceOpen_ = false;
    readHandle_.reset();
    writeHandle_.reset();
}

bool DeviceLink::FindAndOpenDevice(const UsbMatch &match)
{
    Close();
    for (const HidInterfaceInfo &info : backend_.Enumerate()) {
        if (!match.Matches(info.VendorId, info.ProductId, info.Release)) {
            continue;
        }
        // The first match is taken; no later interface is looked at.
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
        deviceOpen_ = true;
        reader_ = std::make_unique<Port1Comms>(*readHandle_, deviceOpen_, receiver_, reportReceived_);
        reader_->Start();
        return true;
    }
    return false;
}

LinkResult DeviceLink::OpenDeviceLink()
{
    if (deviceOpen_) {
        return {LinkOutcome::Open, {}};
    }
    openError_.clear();
    if (FindAndOpenDevice(NormalFirmware)) {
        return {LinkOutcome::Open, {}};
    }
    if (FindAndOpenDevice(ProgramMode)) {
        // The link to a device in program mode stays open.
        return {LinkOutcome::ProgramMode, {}};
    }
    if (FindAndOpenDevice(AnyRelease)) {
        return {LinkOutcome::Open, {}};
    }
    return {LinkOutcome::NotFound, openError_};
}

void DeviceLink::SendReport(const Report &request)
{
    if (writeHandle_) {
        writeHandle_->Write(request);
    }
}

} // namespace korvelt
