#include "device/HidapiBackend.h"
#include "device/SystemHidBackend.h"

#include "device/FileClaim.h"

#include <hidapi.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <system_error>

namespace korvelt {

namespace {

std::string Narrow(const wchar_t *text)
{
    std::string result;
    for (; text != nullptr && *text != L'\0'; ++text) {
        result += *text < 0x80 ? static_cast<char>(*text) : '?';
    }
    return result;
}

std::string LastError(hid_device *device)
{
    std::string reason = Narrow(hid_error(device));
    if (reason.empty() || reason == "Success") {
        reason = errno != 0 ? std::strerror(errno) : "unknown error";
    }
    return reason;
}

// One hidapi handle. hidapi hands over the 64 payload bytes of an unnumbered report without
// the report ID, so they go to bytes 1..64 with byte 0 = 0.
class HidapiDevice final : public HidDevice {
public:
    explicit HidapiDevice(hid_device *device) : device_(device) {}
    HidapiDevice(const HidapiDevice &) = delete;
    HidapiDevice &operator=(const HidapiDevice &) = delete;
    HidapiDevice(HidapiDevice &&) = delete;
    HidapiDevice &operator=(HidapiDevice &&) = delete;
    ~HidapiDevice() override { hid_close(device_); }

    bool Write(const Report &report) override
    {
        Report out = report;
        out.at(0) = 0;
        return hid_write(device_, out.data(), out.size()) >= 0;
    }

    ReadStatus Read(Report &report, int timeoutMs) override
    {
        std::array<unsigned char, ReportSize - 1> payload{};
        const int count = hid_read_timeout(device_, payload.data(), payload.size(), timeoutMs);
        if (count < 0) {
            return ReadStatus::Gone;
        }
        if (count == 0) {
            return ReadStatus::Timeout;
        }
        report.fill(0);
        std::copy_n(payload.begin(), std::min<std::size_t>(static_cast<std::size_t>(count), payload.size()),
                    report.begin() + 1);
        return ReadStatus::Report;
    }

private:
    hid_device *device_;
};

// The HID device a hidraw node stands for, "0003:VVVV:PPPP.000A": the kernel counts its HID
// devices, so a device plugged in after another was unplugged has another name even where it
// is given the same /dev/hidrawN.
std::string InstanceOf(const std::string &path)
{
    const std::filesystem::path node(path);
    if (node.parent_path() != "/dev") {
        return {};
    }
    std::error_code error;
    const std::filesystem::path device =
        std::filesystem::read_symlink(std::filesystem::path("/sys/class/hidraw") / node.filename() / "device", error);
    return error ? std::string() : device.filename().string();
}

} // namespace

HidapiBackend::HidapiBackend()
{
    hid_init();
}

HidapiBackend::~HidapiBackend()
{
    hid_exit();
}

std::vector<HidInterfaceInfo> HidapiBackend::Enumerate()
{
    std::vector<HidInterfaceInfo> interfaces;
    hid_device_info *all = hid_enumerate(0, 0);
    for (const hid_device_info *info = all; info != nullptr; info = info->next) {
        interfaces.push_back(HidInterfaceInfo{info->vendor_id, info->product_id, info->release_number,
                                              info->path != nullptr ? info->path : std::string(),
                                              info->path != nullptr ? InstanceOf(info->path) : std::string()});
    }
    hid_free_enumeration(all);
    return interfaces;
}

HidOpenResult HidapiBackend::Open(const std::string &path)
{
    errno = 0;
    hid_device *device = hid_open_path(path.c_str());
    if (device == nullptr) {
        return HidOpenResult{nullptr, LastError(nullptr)};
    }
    return HidOpenResult{std::make_unique<HidapiDevice>(device), {}};
}

std::unique_ptr<HidClaim> HidapiBackend::Claim(const std::string &path)
{
    // The lock is on the device node itself, which every program that opens it can see.
    return ClaimFile(path, false);
}

} // namespace korvelt

namespace korvelt {

std::unique_ptr<HidBackend> CreateSystemHidBackend()
{
    return std::make_unique<HidapiBackend>();
}

} // namespace korvelt
