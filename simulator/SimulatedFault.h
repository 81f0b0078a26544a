#pragma once

namespace korvelt {

// What can go wrong with the simulated device, injected by a test.
enum class SimulatedFault {
    None,
    FallSilent,     // from then on no request is answered
    Unplug,         // the device is removed when the request arrives (until PlugIn)
    Garbage,        // from then on every reply is pseudo-random bytes
    WrongIdentity,  // from then on Identify is answered with another application's identity
    ExtraReport,    // the reply is followed by a second, unsolicited copy of it (once)
};

} // namespace korvelt
