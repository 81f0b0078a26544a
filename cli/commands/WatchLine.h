#pragma once

#include "cli/CtlContext.h"

namespace korvelt {

// The production line: every KORVELT that appears is written (and verified, and its clock
// set) once, until a signal ends the watch (or the log cannot take a row). The KORVELTs
// attached are looked for every WatchIntervalMs; a KORVELT is known by its path and the
// attachment there.
int WatchAndWrite(CtlContext &c, const Arguments &a, const QString &name, const LoadedSchedule &loaded, bool verify);

} // namespace korvelt
