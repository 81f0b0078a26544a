// A stand-in for the device set-up library, for tests under Wine, which has no HID devices:
// loaded instead of the system's own (WINEDLLOVERRIDES="setupapi=n" with this DLL beside the
// program), it lists the HID interfaces that korvelt-pipe-device serves on named pipes, so
// that the program's own Windows backend enumerates them, reads their hardware identifiers and
// opens their paths with CreateFile as it would a real KORVELT's.
//
// The list comes from the server's list pipe, one line per present interface: its path, a tab
// and its hardware identifier. No server: no interfaces. Any class but the HID interfaces:
// an empty set. Wine's own libraries that the window loads (Vulkan, input) ask for other
// devices through the wide-character calls (the graphics library for the display adapter):
// they get an empty set and no device.

#include <windows.h>

#include <setupapi.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr GUID HidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
constexpr const char *ListPipe = R"(\\.\pipe\korvelt-pipe-devices)";

struct Interface {
    std::string Path;
    std::string HardwareId;
};

struct InfoSet {
    std::vector<Interface> Interfaces;
};

// The server's list, read whole; empty when there is no server.
std::string ReadList()
{
    HANDLE pipe = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 50 && pipe == INVALID_HANDLE_VALUE; ++attempt) {
        pipe = CreateFileA(ListPipe, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (pipe == INVALID_HANDLE_VALUE) {
            if (GetLastError() != ERROR_PIPE_BUSY) {
                return {};
            }
            WaitNamedPipeA(ListPipe, 100);
        }
    }
    std::string text;
    std::vector<char> buffer(4096);
    DWORD count = 0;
    while (pipe != INVALID_HANDLE_VALUE &&
           (ReadFile(pipe, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr) != 0 ||
            GetLastError() == ERROR_MORE_DATA) &&
           count > 0) {
        text.append(buffer.data(), count);
        count = 0;
    }
    if (pipe != INVALID_HANDLE_VALUE) {
        CloseHandle(pipe);
    }
    return text;
}

std::vector<Interface> ParseList(const std::string &text)
{
    std::vector<Interface> interfaces;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        const std::string line = text.substr(from, end - from);
        if (const std::size_t tab = line.find('\t'); tab != std::string::npos) {
            interfaces.push_back({line.substr(0, tab), line.substr(tab + 1)});
        }
        from = end + 1;
    }
    return interfaces;
}

InfoSet *SetOf(HDEVINFO set)
{
    return static_cast<InfoSet *>(set);
}

// The interface a record names (its index + 1 is kept in Reserved); null when none.
const Interface *InterfaceOf(HDEVINFO set, ULONG_PTR reserved)
{
    if (set == nullptr || set == INVALID_HANDLE_VALUE || reserved == 0 || reserved > SetOf(set)->Interfaces.size()) {
        return nullptr;
    }
    return &SetOf(set)->Interfaces.at(reserved - 1);
}

BOOL Fail(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

} // namespace

extern "C" {

HDEVINFO WINAPI StandInGetClassDevsA(const GUID *classGuid, PCSTR /*enumerator*/, HWND /*parent*/, DWORD flags)
{
    auto *set = new InfoSet; // NOLINT(cppcoreguidelines-owning-memory): freed by DestroyDeviceInfoList
    if (classGuid != nullptr && IsEqualGUID(*classGuid, HidInterfaceClass) && (flags & DIGCF_DEVICEINTERFACE) != 0) {
        set->Interfaces = ParseList(ReadList());
    }
    return set;
}

BOOL WINAPI StandInDestroyDeviceInfoList(HDEVINFO set)
{
    if (set == nullptr || set == INVALID_HANDLE_VALUE) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    delete SetOf(set); // NOLINT(cppcoreguidelines-owning-memory)
    return TRUE;
}

BOOL WINAPI StandInEnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA /*element*/, const GUID *classGuid, DWORD index,
                                        PSP_DEVICE_INTERFACE_DATA interface)
{
    if (set == nullptr || set == INVALID_HANDLE_VALUE || interface == nullptr ||
        interface->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA)) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (index >= SetOf(set)->Interfaces.size()) {
        return Fail(ERROR_NO_MORE_ITEMS);
    }
    interface->InterfaceClassGuid = classGuid != nullptr ? *classGuid : HidInterfaceClass;
    interface->Flags = SPINT_ACTIVE;
    interface->Reserved = index + 1;
    return TRUE;
}

BOOL WINAPI StandInGetDeviceInterfaceDetailA(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA interface,
                                             PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD size, PDWORD required,
                                             PSP_DEVINFO_DATA element)
{
    const Interface *found = interface != nullptr ? InterfaceOf(set, interface->Reserved) : nullptr;
    if (found == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const DWORD needed =
        static_cast<DWORD>(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + found->Path.size() + 1);
    if (required != nullptr) {
        *required = needed;
    }
    if (detail == nullptr || size < needed) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    if (detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) ||
        (element != nullptr && element->cbSize != sizeof(SP_DEVINFO_DATA))) {
        return Fail(ERROR_INVALID_USER_BUFFER);
    }
    std::memcpy(static_cast<char *>(detail->DevicePath), found->Path.c_str(), found->Path.size() + 1);
    if (element != nullptr) {
        element->ClassGuid = HidInterfaceClass;
        element->DevInst = static_cast<DWORD>(interface->Reserved);
        element->Reserved = interface->Reserved;
    }
    return TRUE;
}

// Only the hardware identifier, as a list of one string.
BOOL WINAPI StandInGetDeviceRegistryPropertyA(HDEVINFO set, PSP_DEVINFO_DATA element, DWORD property, PDWORD type,
                                              PBYTE buffer, DWORD size, PDWORD required)
{
    const Interface *found = element != nullptr ? InterfaceOf(set, element->Reserved) : nullptr;
    if (found == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (property != SPDRP_HARDWAREID) {
        return Fail(ERROR_INVALID_DATA);
    }
    const DWORD needed = static_cast<DWORD>(found->HardwareId.size() + 2);
    if (required != nullptr) {
        *required = needed;
    }
    if (buffer == nullptr || size < needed) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    std::memcpy(buffer, found->HardwareId.c_str(), found->HardwareId.size() + 1);
    buffer[needed - 1] = 0; // NOLINT(cppcoreguidelines-pro-bounds-pointer-arithmetic)
    if (type != nullptr) {
        *type = REG_MULTI_SZ;
    }
    return TRUE;
}

HDEVINFO WINAPI StandInGetClassDevsW(const GUID * /*classGuid*/, PCWSTR /*enumerator*/, HWND /*parent*/,
                                     DWORD /*flags*/)
{
    return new InfoSet; // NOLINT(cppcoreguidelines-owning-memory): freed by DestroyDeviceInfoList
}

HDEVINFO WINAPI StandInCreateDeviceInfoList(const GUID * /*classGuid*/, HWND /*parent*/)
{
    return new InfoSet; // NOLINT(cppcoreguidelines-owning-memory): freed by DestroyDeviceInfoList
}

BOOL WINAPI StandInEnumDeviceInfo(HDEVINFO /*set*/, DWORD /*index*/, PSP_DEVINFO_DATA /*element*/)
{
    return Fail(ERROR_NO_MORE_ITEMS);
}

// What asks about an element or interface of an empty set is given nothing.
BOOL WINAPI StandInNothing()
{
    return Fail(ERROR_INVALID_PARAMETER);
}

} // extern "C"
