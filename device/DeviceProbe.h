#pragma once

#include "core/ExchangeHost.h"
#include "device/HidBackend.h"

#include <optional>
#include <vector>

namespace korvelt {

// Every interface with the KORVELT's vendor and product, in the order the window's search
// tries them: the normal firmware, program mode, any other release.
[[nodiscard]] std::vector<HidInterfaceInfo> KorveltInterfaces(HidBackend &backend);

// What one Identify asked straight through a handle came to.
struct IdentityAnswer {
    bool Answered = false;  // a report came back in time
    bool IsKorvelt = false; // it was a KORVELT time controller's identity
    DeviceIdentity Identity;
};

// Sends one Identify through `device` and waits up to `timeoutMs` for the reply; reports
// already waiting are dropped first.
[[nodiscard]] IdentityAnswer AskIdentity(HidDevice &device, int timeoutMs);

} // namespace korvelt
