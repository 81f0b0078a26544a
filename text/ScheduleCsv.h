#pragma once

#include "core/ScheduleModel.h"

#include <QByteArray>

namespace korvelt {

// The slots as CSV for a spreadsheet: a header row, then one row per output, table and slot:
//   output,table,slot,start,end,Sun,Mon,Tue,Wed,Thu,Fri,Sat
//   1,normal,1,06:00:00,07:30:00,0,1,1,1,1,1,0
// Outputs and slots count from 1; a day column holds the stored day byte (0 = no). A time that
// is not a whole second of a day is written as its stored number. Export only.
[[nodiscard]] QByteArray ScheduleToCsv(const ScheduleModel &model);

} // namespace korvelt
