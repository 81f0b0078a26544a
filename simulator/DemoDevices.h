#pragma once

#include "simulator/SimulatedHidBackend.h"

#include <string>
#include <string_view>

namespace korvelt {

// The most demo KORVELTs one run may simulate.
inline constexpr int MostDemoDevices = 128;

// Adds the demo's KORVELTs, simulated in this process: `count` of them at sim:0 to
// sim:count-1 with serial numbers 1 to `count`, as slow as a KORVELT on full-speed USB or as
// `delays` says, failing where `faults` says. Both are settings separated by ';', each for
// every demo KORVELT or, after "sim:K ", for the one at sim:K alone (which wins over one for
// every KORVELT, whatever the order):
//   delays  "5", "sim:2 200", "10; sim:2 200"  milliseconds before each reply
//   faults  "silence 50", "sim:3 dropped block 30; sim:5 unplug 20"  a fault (by its short
//           name) at that request, counted from 1, of the first command
// Empty texts leave the defaults. Returns what is wrong with a setting (nothing is added
// then), or an empty text.
[[nodiscard]] std::string AddDemoDevices(SimulatedHidBackend &backend, int count, std::string_view delays,
                                         std::string_view faults);

} // namespace korvelt
