// The main window's side of the Week page: the page follows what the controls show, its count
// goes to the status area, a bar or a finding opens its place, and the report names the file
// and the KORVELT.
#include "app/TMainForm.h"

#include "editor/GridSlots.h"
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
        source.FileName = fileName_.isEmpty() ? QString() : QFileInfo(fileName_).fileName();
        source.Printed = now_();
        source.Locale = QLocale();
        if (scheduleDevice_) {
            source.DeviceVersion = QString::fromLatin1(scheduleDevice_->Version.c_str());
            source.DeviceSerial = QString::number(scheduleDevice_->SerialNumber);
        }
        return source;
    };
    // The schedule's own name with .pdf beside it; a schedule never saved gets a plain name in
    // the folder the file dialogs open in.
    sources.PdfName = [this] {
        const QString base = fileName_.isEmpty() ? QStringLiteral("KORVELT schedule") : QFileInfo(fileName_).completeBaseName();
        const QString folder = fileName_.isEmpty() ? DialogFolder() : QFileInfo(fileName_).absolutePath();
        return QDir(folder).filePath(base + QStringLiteral(".pdf"));
    };
    WeekAdvTabSheet.SetSources(std::move(sources));

    // Every edit of a control that holds part of the schedule redraws the page once the
    // events at hand are done, so that a whole output shown at once redraws it once. The
    // timer is the edits' receiver: it goes first when the window goes, and the edits with it.
    weekTimer_.setSingleShot(true);
    weekTimer_.setInterval(0);
    connect(&weekTimer_, &QTimer::timeout, this,
            [this] { Guarded([this] { WeekAdvTabSheet.Show(ScheduleFromControls()); }); });
    QTimer *timer = &weekTimer_;
    const auto redraw = [timer] { timer->start(); };
    for (TimeGrid *grid : {&TimesAdvStringGrid, &SpecialTimesAdvStringGrid}) {
        connect(grid, &QTableWidget::cellChanged, timer, redraw);
    }
    for (const auto &picker : SpecialDateDateTimePickers) {
        connect(picker.get(), &QDateEdit::dateChanged, timer, redraw);
    }
    connect(&EnableDaylightSavingCheckBox, &QCheckBox::toggled, timer, redraw);
    for (RadioGroup *group : {&AdvanceRadioGroup, &RetardRadioGroup}) {
        for (int i = 0; i < group->Count(); ++i) {
            connect(group->Item(i), &QRadioButton::toggled, timer, redraw);
        }
    }
    for (QComboBox *box : {&AdvanceComboBox, &RetardComboBox}) {
        connect(box, &QComboBox::currentTextChanged, timer, redraw);
    }

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
    QWidget &page = special ? SpecialTimesAdvTabSheet1 : TimesAdvTabSheet;
    QSpinBox &spin = special ? SpecialOutputCSpinEdit : OutputCSpinEdit;
    TimeGrid &grid = special ? SpecialTimesAdvStringGrid : TimesAdvStringGrid;
    AdvPageControl1.setCurrentWidget(&page);
    // While a command runs the output stays: the page opens on the output it shows.
    if (!spin.isEnabled() && spin.value() != output + 1) {
        return;
    }
    spin.setValue(output + 1);
    grid.setCurrentCell(slot, StartColumn - 1);
    grid.setFocus();
}

void TMainForm::GoToValue(const ScheduleFinding &finding)
{
    using Field = UnsendableValue::Field;
    if (finding.Slot >= 0) {
        // A special date.
        AdvPageControl1.setCurrentWidget(&SpecialTimesAdvTabSheet1);
        SpecialDateDateTimePickers.at(static_cast<std::size_t>(finding.Slot))->setFocus();
        return;
    }
    AdvPageControl1.setCurrentWidget(&DaylightSavingAdvTabSheet);
    const Field field = finding.Value.What;
    QWidget &control = field == Field::AdvanceWeek   ? static_cast<QWidget &>(AdvanceRadioGroup)
                       : field == Field::RetardWeek  ? static_cast<QWidget &>(RetardRadioGroup)
                       : field == Field::RetardMonth ? static_cast<QWidget &>(RetardComboBox)
                                                     : static_cast<QWidget &>(AdvanceComboBox);
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
        SpecialDateDateTimePickers.at(static_cast<std::size_t>(place.Index))->setFocus();
        break;
    case Part::DaylightSaving:
        AdvPageControl1.setCurrentWidget(&DaylightSavingAdvTabSheet);
        EnableDaylightSavingCheckBox.setFocus();
        break;
    }
}

} // namespace korvelt
