#pragma once

#include <array>
#include <string_view>

namespace korvelt {

// What can go wrong with the simulated device, injected by a test.
enum class SimulatedFault {
    None,
    FallSilent,    // from then on no request is answered
    Unplug,        // the device is removed when the request arrives (until PlugIn)
    Garbage,       // from then on every reply is pseudo-random bytes
    WrongIdentity, // from then on Identify is answered with another application's identity
    ExtraReport,   // the reply is followed by a second, unsolicited copy of it (once)
    EraseMemory,   // every block reads 0xFF from this request on, as after a failed update
    DropBlock,     // the next block written (both halves) is acknowledged but keeps what it held
    StrayReport,   // a report no request asked for (all zeros) arrives just before the reply (once)
};

// Every fault but None and StrayReport, in the order above: the ones the demo and the soak inject.
inline constexpr std::array<SimulatedFault, 7> AllSimulatedFaults{
    SimulatedFault::FallSilent,  SimulatedFault::Unplug,      SimulatedFault::Garbage,  SimulatedFault::WrongIdentity,
    SimulatedFault::ExtraReport, SimulatedFault::EraseMemory, SimulatedFault::DropBlock};

// A short name for messages.
constexpr std::string_view SimulatedFaultName(SimulatedFault fault)
{
    switch (fault) {
    case SimulatedFault::None:
        return "none";
    case SimulatedFault::FallSilent:
        return "silence";
    case SimulatedFault::Unplug:
        return "unplug";
    case SimulatedFault::Garbage:
        return "garbage";
    case SimulatedFault::WrongIdentity:
        return "wrong identity";
    case SimulatedFault::ExtraReport:
        return "extra report";
    case SimulatedFault::EraseMemory:
        return "erased memory";
    case SimulatedFault::DropBlock:
        return "dropped block";
    case SimulatedFault::StrayReport:
        return "stray report";
    }
    return {};
}

} // namespace korvelt
