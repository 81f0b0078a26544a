#include "device/WindowsHidBackend.h"
#include "device/SystemHidBackend.h"
#include "device/UsbIdentifiers.h"
#include "device/FileClaim.h"

#include <windows.h>

#include <setupapi.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace korvelt {

namespace {

// The device-interface class of every HID device.
constexpr GUID HidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

// How long a write may take before it is given up; a HID write waits for the device to take
// the report, which a device that hangs never does.
constexpr DWORD WriteTimeoutMs = 1000;

std::string ErrorText(DWORD code)
{
    char *text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<LPSTR>(&text), 0, nullptr); // NOLINT(cppcoreguidelines-pro-type-reinterpret-cast)
    std::string result = length != 0 && text != nullptr ? std::string(text, length) : std::string();
    LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == '.')) {
        result.pop_back();
    }
    return result.empty() ? "error " + std::to_string(code) : result;
}

// Owns a handle and an event for overlapped calls.
class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    OwnedHandle(const OwnedHandle &) = delete;
    OwnedHandle &operator=(const OwnedHandle &) = delete;
    OwnedHandle(OwnedHandle &&) = delete;
    OwnedHandle &operator=(OwnedHandle &&) = delete;
    ~OwnedHandle()
    {
        if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    [[nodiscard]] HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// One handle on a HID interface, opened for overlapped input and output so that a read can
// wait a limited time. A read that is still pending when its time is up stays pending: the
// next read goes on waiting for it, so that no report is lost between two reads.
class WindowsHidDevice final : public HidDevice {
public:
    explicit WindowsHidDevice(HANDLE file)
        : file_(file), readEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          writeEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
    }
    WindowsHidDevice(const WindowsHidDevice &) = delete;
    WindowsHidDevice &operator=(const WindowsHidDevice &) = delete;
    WindowsHidDevice(WindowsHidDevice &&) = delete;
    WindowsHidDevice &operator=(WindowsHidDevice &&) = delete;
    ~WindowsHidDevice() override
    {
        if (readPending_) {
            CancelIoEx(file_.Get(), &readOverlapped_);
            DWORD count = 0;
            GetOverlappedResult(file_.Get(), &readOverlapped_, &count, TRUE);
        }
    }

    // The report goes out whole: byte 0 = 0, the report ID, then the 64 payload bytes.
    bool Write(const Report &report) override
    {
        Report out = report;
        out.at(0) = 0;
        OVERLAPPED overlapped{};
        overlapped.hEvent = writeEvent_.Get();
        ResetEvent(writeEvent_.Get());
        DWORD written = 0;
        if (WriteFile(file_.Get(), out.data(), static_cast<DWORD>(out.size()), &written, &overlapped) == 0) {
            if (GetLastError() != ERROR_IO_PENDING) {
                return false;
            }
            if (WaitForSingleObject(writeEvent_.Get(), WriteTimeoutMs) != WAIT_OBJECT_0) {
                CancelIoEx(file_.Get(), &overlapped);
            }
            if (GetOverlappedResult(file_.Get(), &overlapped, &written, TRUE) == 0) {
                return false;
            }
        }
        return written == out.size();
    }

    // Windows delivers each input report whole, byte 0 the report ID (0 for the KORVELT).
    ReadStatus Read(Report &report, int timeoutMs) override
    {
        if (!readPending_) {
            readBuffer_.fill(0);
            readOverlapped_ = OVERLAPPED{};
            readOverlapped_.hEvent = readEvent_.Get();
            ResetEvent(readEvent_.Get());
            DWORD count = 0;
            if (ReadFile(file_.Get(), readBuffer_.data(), static_cast<DWORD>(readBuffer_.size()), &count,
                         &readOverlapped_) != 0) {
                return Deliver(report, count);
            }
            if (GetLastError() != ERROR_IO_PENDING) {
                return ReadStatus::Gone;
            }
            readPending_ = true;
        }
        if (WaitForSingleObject(readEvent_.Get(), static_cast<DWORD>(std::max(timeoutMs, 0))) != WAIT_OBJECT_0) {
            return ReadStatus::Timeout;
        }
        readPending_ = false;
        DWORD count = 0;
        if (GetOverlappedResult(file_.Get(), &readOverlapped_, &count, FALSE) == 0) {
            return ReadStatus::Gone;
        }
        return Deliver(report, count);
    }

private:
    ReadStatus Deliver(Report &report, DWORD count)
    {
        if (count == 0) {
            return ReadStatus::Timeout;
        }
        report.fill(0);
        std::copy_n(readBuffer_.begin(), std::min<std::size_t>(count, report.size()), report.begin());
        report.at(0) = 0;
        return ReadStatus::Report;
    }

    OwnedHandle file_;
    OwnedHandle readEvent_;
    OwnedHandle writeEvent_;
    Report readBuffer_{};
    OVERLAPPED readOverlapped_{};
    bool readPending_ = false;
};

// Owns the device information set of one enumeration.
class DeviceInfoSet {
public:
    DeviceInfoSet()
        : set_(SetupDiGetClassDevsA(&HidInterfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE))
    {
    }
    DeviceInfoSet(const DeviceInfoSet &) = delete;
    DeviceInfoSet &operator=(const DeviceInfoSet &) = delete;
    DeviceInfoSet(DeviceInfoSet &&) = delete;
    DeviceInfoSet &operator=(DeviceInfoSet &&) = delete;
    ~DeviceInfoSet()
    {
        if (IsValid()) {
            SetupDiDestroyDeviceInfoList(set_);
        }
    }
    [[nodiscard]] bool IsValid() const { return set_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] HDEVINFO Get() const { return set_; }

private:
    HDEVINFO set_;
};

// The path of one interface, and its device element (the one that the interface belongs to).
bool InterfacePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA &interface, SP_DEVINFO_DATA &element, std::string &path)
{
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailA(set, &interface, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) {
        return false;
    }
    // The record is a size field and the path; the buffer is aligned for the size field.
    std::vector<DWORD> buffer((size + sizeof(DWORD) - 1) / sizeof(DWORD) + 1);
    auto *detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A *>(buffer.data()); // NOLINT
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    element.cbSize = sizeof(SP_DEVINFO_DATA);
    if (SetupDiGetDeviceInterfaceDetailA(set, &interface, detail, size, nullptr, &element) == 0) {
        return false;
    }
    path = detail->DevicePath;
    return true;
}

// The first string of the element's hardware-identifier list; empty when it cannot be read.
std::string FirstHardwareId(HDEVINFO set, SP_DEVINFO_DATA &element)
{
    DWORD size = 0;
    SetupDiGetDeviceRegistryPropertyA(set, &element, SPDRP_HARDWAREID, nullptr, nullptr, 0, &size);
    if (size == 0) {
        return {};
    }
    std::vector<BYTE> list(size + 2, 0);
    if (SetupDiGetDeviceRegistryPropertyA(set, &element, SPDRP_HARDWAREID, nullptr, list.data(), size, nullptr) == 0) {
        return {};
    }
    return {reinterpret_cast<const char *>(list.data())}; // NOLINT(cppcoreguidelines-pro-type-reinterpret-cast)
}

} // namespace

std::vector<HidInterfaceInfo> WindowsHidBackend::Enumerate()
{
    std::vector<HidInterfaceInfo> interfaces;
    const DeviceInfoSet set;
    if (!set.IsValid()) {
        return interfaces;
    }
    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA interface {
        };
        interface.cbSize = sizeof(interface);
        if (SetupDiEnumDeviceInterfaces(set.Get(), nullptr, &HidInterfaceClass, index, &interface) == 0) {
            break; // ERROR_NO_MORE_ITEMS past the last one
        }
        SP_DEVINFO_DATA element{};
        std::string path;
        if (!InterfacePath(set.Get(), interface, element, path)) {
            continue;
        }
        // An interface without vendor and product numbers is nobody's KORVELT; it is listed
        // with zeros. Without a release number it is a KORVELT of no known mode.
        HidInterfaceInfo info;
        info.Path = path;
        if (const auto numbers = ParseHardwareId(FirstHardwareId(set.Get(), element))) {
            info.VendorId = numbers->VendorId;
            info.ProductId = numbers->ProductId;
            info.Release = numbers->Release.value_or(0);
        }
        interfaces.push_back(std::move(info));
    }
    return interfaces;
}

HidOpenResult WindowsHidBackend::Open(const std::string &path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return HidOpenResult{nullptr, ErrorText(GetLastError())};
    }
    return HidOpenResult{std::make_unique<WindowsHidDevice>(file), {}};
}

std::unique_ptr<HidBackend> CreateSystemHidBackend()
{
    return std::make_unique<WindowsHidBackend>();
}

std::unique_ptr<HidClaim> WindowsHidBackend::Claim(const std::string &path)
{
    // The interface's path (\\?\hid#vid_...#...{...}) is no file to lock: a file named by its
    // FNV-1a hash stands for it, the same for every program of this user's session.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : path) {
        hash = (hash ^ static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)))) * 1099511628211ULL;
    }
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) {
        return std::make_unique<HidClaim>();
    }
    std::array<char, 32> name{};
    std::snprintf(name.data(), name.size(), "korvelt-%016llx.lock", static_cast<unsigned long long>(hash));
    return ClaimFile(folder / name.data(), true);
}

} // namespace korvelt
