// The main window's side of the Week page: the page follows each edit and each replaced
// schedule (ConnectDocument, ShowAllControls), its count
// goes to the status area, a bar or a finding opens its place, and the report names the file
// and the KORVELT.
#include "app/TMainForm.h"

#include "report/ScheduleReport.h"

#include <QDir>
#include <QFileInfo>

namespace korvelt {

void TMainForm::ConnectWeekPage()
{
    AdvPageControl1.addTab(&WeekAdvTabSheet, QStringLiteral("Week"));
    CheckLabel.setParent(&Panel1);
    CheckLabel.setObjectName(QStringLiteral("CheckLabel"));
    CheckLabel.setAccessibleName(QStringLiteral("Schedule check"));
    CheckLabel.SetHint(QStringLiteral("What the schedule check found; the Week page lists it."));

    WeekPage::Sources sources;
    sources.Dialogs = dialogs_.get();
    sources.Today = [this] { return now_().date(); };
    sources.Report = [this] {
        ReportSource source;
        source.Model = ScheduleFromControls();
        const QString &fileName = document_.FileName();
        source.FileName = fileName.isEmpty() ? QString() : QFileInfo(fileName).fileName();
        source.Printed = now_();
        source.Locale = QLocale();
        if (const auto &device = document_.Device()) {
            source.DeviceVersion = QString::fromLatin1(device->Version.c_str());
            source.DeviceSerial = QString::number(device->SerialNumber);
        }
        return source;
    };
    // The schedule's own name with .pdf beside it; a schedule never saved gets a plain name in
    // the folder the file dialogs open in.
    sources.PdfName = [this] {
        const QString &fileName = document_.FileName();
        const QString base =
            fileName.isEmpty() ? QStringLiteral("KORVELT schedule") : QFileInfo(fileName).completeBaseName();
        const QString folder = fileName.isEmpty() ? DialogFolder() : QFileInfo(fileName).absolutePath();
        return QDir(folder).filePath(base + QStringLiteral(".pdf"));
    };
    WeekAdvTabSheet.SetSources(std::move(sources));

    // The page is redrawn once the events at hand are done, so that a whole schedule shown
    // at once redraws it once.
    weekTimer_.setSingleShot(true);
    weekTimer_.setInterval(0);
    connect(&weekTimer_, &QTimer::timeout, this,
            [this] { Guarded([this] { WeekAdvTabSheet.Show(ScheduleFromControls()); }); });

    connect(&WeekAdvTabSheet, &WeekPage::CheckCounted, &CheckLabel, &StatusText::setText);
    connect(&WeekAdvTabSheet, &WeekPage::Reported, &Panel1.StatusLabel, &StatusText::setText);
    connect(&WeekAdvTabSheet, &WeekPage::GoTo, this,
            [this](int output, int slot, bool special) { Guarded([&] { GoToSlot(output, slot, special); }); });
    connect(&WeekAdvTabSheet, &WeekPage::GoToValue, this,
            [this](const ScheduleFinding &finding) { Guarded([&] { GoToValue(finding); }); });
    ScheduleWeekRefresh();
}

void TMainForm::GoToSlot(int output, int slot, bool special)
{
    SlotGridPage &page = special ? static_cast<SlotGridPage &>(SpecialTimesAdvTabSheet1) : TimesAdvTabSheet;
    AdvPageControl1.setCurrentWidget(&page);
    page.GoToSlot(output, slot);
}

void TMainForm::GoToValue(const ScheduleFinding &finding)
{
    using Field = UnsendableValue::Field;
    if (finding.Slot >= 0) {
        // A special date.
        AdvPageControl1.setCurrentWidget(&SpecialTimesAdvTabSheet1);
        SpecialTimesAdvTabSheet1.SpecialDates().Picker(finding.Slot).setFocus();
        return;
    }
    AdvPageControl1.setCurrentWidget(&DaylightSavingAdvTabSheet);
    const Field field = finding.Value.What;
    DaylightSavingPage &rule = DaylightSavingAdvTabSheet;
    QWidget &control = field == Field::AdvanceWeek   ? static_cast<QWidget &>(rule.AdvanceGroup())
                       : field == Field::RetardWeek  ? static_cast<QWidget &>(rule.RetardGroup())
                       : field == Field::RetardMonth ? static_cast<QWidget &>(rule.RetardMonth())
                                                     : static_cast<QWidget &>(rule.AdvanceMonth());
    control.setFocus();
}

void TMainForm::GoToDifference(const ScheduleDifference &place)
{
    using Part = ScheduleDifference::Part;
    switch (place.Where) {
    case Part::NormalSlot:
    case Part::SpecialSlot:
        GoToSlot(place.Output, place.Index, place.Where == Part::SpecialSlot);
        break;
    case Part::SpecialDate:
        AdvPageControl1.setCurrentWidget(&SpecialTimesAdvTabSheet1);
        SpecialTimesAdvTabSheet1.SpecialDates().Picker(place.Index).setFocus();
        break;
    case Part::DaylightSaving:
        AdvPageControl1.setCurrentWidget(&DaylightSavingAdvTabSheet);
        DaylightSavingAdvTabSheet.EnableBox().setFocus();
        break;
    }
}

} // namespace korvelt
