#pragma once

#include "core/ScheduleModel.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <filesystem>

class QPagedPaintDevice;

namespace korvelt {

// What a printed report shows: the schedule as the window holds it now, where it came from
// and when it was printed.
struct ReportSource {
    ScheduleModel Model{};
    QString FileName;      // the data file's name; empty: "not saved"
    QDateTime Printed;     // the moment of printing; its date judges special dates in the past
    QString DeviceVersion; // the KORVELT read from or written to in this run; empty: none
    QString DeviceSerial;
    QLocale Locale;
};

// A4, or Letter where the locale measures in US units.
[[nodiscard]] QPageSize::PageSizeId ReportPageSize(const QLocale &locale);
// The report's page, printed or saved as a PDF alike: the locale's paper, 15 mm margins.
[[nodiscard]] QPageLayout ReportPageLayout(const QLocale &locale);

// Lays the report out on the device's pages: a header on every page, the summary (the
// daylight-saving rule in words, the special dates in date order, what the schedule check
// found), the week picture, and a table of the slots of each output that uses any. Returns
// the number of pages.
int PaintScheduleReport(QPagedPaintDevice &device, const ReportSource &source);

// The report as a PDF document, on the locale's paper.
[[nodiscard]] QByteArray ScheduleReportPdf(const ReportSource &source);

// Writes the PDF atomically: on failure the file is as it was, and the result is false.
[[nodiscard]] bool SaveScheduleReportPdf(const std::filesystem::path &path, const ReportSource &source);

} // namespace korvelt
