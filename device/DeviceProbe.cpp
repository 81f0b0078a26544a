#include "device/DeviceProbe.h"

#include "device/UsbIdentifiers.h"

#include <QElapsedTimer>

#include <algorithm>

namespace korvelt {

std::vector<HidInterfaceInfo> KorveltInterfaces(HidBackend &backend)
{
    const std::vector<HidInterfaceInfo> present = backend.Enumerate();
    std::vector<HidInterfaceInfo> found;
    for (const UsbMatch &match : {NormalFirmware, ProgramMode, AnyRelease}) {
        for (const HidInterfaceInfo &info : present) {
            const bool listed =
                std::ranges::any_of(found, [&](const HidInterfaceInfo &f) { return f.Path == info.Path; });
            if (!listed && match.Matches(info.VendorId, info.ProductId, info.Release)) {
                found.push_back(info);
            }
        }
    }
    return found;
}

IdentityAnswer AskIdentity(HidDevice &device, int timeoutMs)
{
    IdentityAnswer answer;
    DropWaitingReports(device);
    QElapsedTimer waited;
    waited.start();
    if (!device.Write(MakeRequest(Command::Identify))) {
        return answer;
    }
    Report reply{};
    while (waited.elapsed() < timeoutMs) {
        const ReadStatus status = device.Read(reply, static_cast<int>(timeoutMs - waited.elapsed()));
        if (status == ReadStatus::Gone) {
            return answer;
        }
        if (status != ReadStatus::Report) {
            continue;
        }
        answer.Answered = true;
        answer.IsKorvelt = std::equal(IdentityBytes.begin(), IdentityBytes.end(), reply.begin() + IdentityOffset);
        if (answer.IsKorvelt) {
            const auto *const text = reply.cbegin() + VersionTextOffset;
            answer.Identity.Version.assign(text, std::find(text, reply.cend(), std::uint8_t{0}));
            answer.Identity.SerialNumber =
                static_cast<std::int32_t>(reply.at(SerialNumberOffset) | (reply.at(SerialNumberOffset + 1) << 8U) |
                                          (reply.at(SerialNumberOffset + 2) << 16U) |
                                          (static_cast<std::uint32_t>(reply.at(SerialNumberOffset + 3)) << 24U));
        }
        return answer;
    }
    return answer;
}

} // namespace korvelt
