// The main window's week page: the picture of all sixteen outputs as the controls show them
// now, the schedule check's findings under it and their count in the status area, the way
// from a bar or a finding to its place, and the question before writing a schedule with
// mistakes.
#include "text/CellText.h"
#include "text/CheckText.h"
#include "editor/GridSlots.h"
#include "text/QtDateTime.h"
#include "app/TMainForm.h"

#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace korvelt {

namespace {

constexpr int FindingLines = 6; // the findings list shows this many lines at a time

QString Counted(qsizetype count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

void TMainForm::CreateWeekPage()
{
    AdvPageControl1.addTab(&WeekAdvTabSheet, QStringLiteral("Week"));
    auto *layout = new QVBoxLayout(&WeekAdvTabSheet);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    WeekChoiceComboBox.addItem(QStringLiteral("Normal week"));
    for (int k = 0; k < SpecialDateCount; ++k) {
        WeekChoiceComboBox.addItem(QStringLiteral("Special date %1").arg(k + 1));
    }
    WeekChoiceComboBox.setMaxVisibleItems(SpecialDateCount + 1);
    WeekChoiceComboBox.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addWidget(&WeekChoiceComboBox, 0, Qt::AlignLeft);
    layout->addWidget(&WeekPicture, 1);
    layout->addWidget(&FindingsListBox);
    CheckLabel.setParent(&Panel1);
    CheckLabel.SetHint(QStringLiteral("What the schedule check found; the Week page lists it."));

    const std::initializer_list<std::pair<QObject *, const char *>> names{
        {&WeekAdvTabSheet, "WeekAdvTabSheet"},
        {&WeekChoiceComboBox, "WeekChoiceComboBox"},
        {&WeekPicture, "WeekPicture"},
        {&FindingsListBox, "FindingsListBox"},
        {&CheckLabel, "CheckLabel"},
    };
    for (const auto &[object, name] : names) {
        object->setObjectName(QString::fromLatin1(name));
    }
    WeekChoiceComboBox.setAccessibleName(QStringLiteral("Week or special date"));
    FindingsListBox.setAccessibleName(QStringLiteral("Schedule check"));
    CheckLabel.setAccessibleName(QStringLiteral("Schedule check"));

    // The page is redrawn once the events at hand are done, so that a whole schedule shown
    // at once redraws it once.
    weekTimer_.setSingleShot(true);
    weekTimer_.setInterval(0);
    connect(&weekTimer_, &QTimer::timeout, this, [this] { Guarded([this] { RefreshWeek(); }); });
    // The pages' edits and a replaced schedule redraw it (ConnectDocument, ShowAllControls).
    connect(&WeekChoiceComboBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { WeekPicture.SetChoice({index - 1}); });
    connect(&WeekPicture, &WeekView::SlotClicked, this, [this](int output, int slot, bool special) {
        Guarded([&] { GoToSlot(output, slot, special); });
    });
    connect(&FindingsListBox, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { Guarded([&] { FindingClicked(FindingsListBox.row(item)); }); });
    connect(&FindingsListBox, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { Guarded([&] { FindingClicked(FindingsListBox.row(item)); }); });
    ScheduleWeekRefresh();
}

void TMainForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A new theme: the findings' colours follow its background.
    if (event->type() == QEvent::PaletteChange) {
        ScheduleWeekRefresh();
    }
}

void TMainForm::RefreshWeek()
{
    const ScheduleModel shown = ScheduleFromControls();
    WeekPicture.SetModel(shown);
    for (int k = 0; k < SpecialDateCount; ++k) {
        const TDateTime date = shown.SpecialDates.at(static_cast<std::size_t>(k));
        WeekChoiceComboBox.setItemText(k + 1, IsSendableDate(date) ? QStringLiteral("Special date %1 (%2)")
                                                                         .arg(k + 1)
                                                                         .arg(DefaultCellTextCodec().DateText(date))
                                                                   : QStringLiteral("Special date %1").arg(k + 1));
    }

    findings_ = CheckSchedule(shown, FromQDate(now_().date()));
    const auto mistakes = std::count_if(findings_.begin(), findings_.end(), IsMistake);
    const auto notes = static_cast<qsizetype>(findings_.size()) - mistakes;
    // The list is filled afresh; where it was scrolled to stays.
    const int scrolled = FindingsListBox.verticalScrollBar()->value();
    FindingsListBox.clear();
    // Mistakes in red that reads on the list's background, light or dark.
    const bool darkList = FindingsListBox.palette().color(QPalette::Base).lightness() < 128;
    const QColor mistakeColour = darkList ? QColor(255, 138, 128) : QColor(160, 20, 20);
    for (const ScheduleFinding &finding : findings_) {
        auto *item = new QListWidgetItem((IsMistake(finding) ? QStringLiteral("Mistake: ") : QStringLiteral("Note: ")) +
                                         FindingText(finding));
        if (IsMistake(finding)) {
            item->setForeground(mistakeColour);
        }
        FindingsListBox.addItem(item);
    }
    if (findings_.empty()) {
        FindingsListBox.addItem(QStringLiteral("The schedule check found nothing."));
    }
    FindingsListBox.verticalScrollBar()->setValue(scrolled);
    // Six whole lines, none cut in half.
    FindingsListBox.setFixedHeight(FindingLines * FindingsListBox.sizeHintForRow(0) + 2 * FindingsListBox.frameWidth());
    CheckLabel.setText(mistakes == 0 && notes == 0 ? QStringLiteral("No mistakes")
                       : mistakes == 0             ? QStringLiteral("No mistakes, %1").arg(Counted(notes, "note", "notes"))
                                                   : QStringLiteral("%1, %2").arg(Counted(mistakes, "mistake", "mistakes"),
                                                                               Counted(notes, "note", "notes")));
}

void TMainForm::GoToSlot(int output, int slot, bool special)
{
    SlotGridPage &page = special ? static_cast<SlotGridPage &>(SpecialTimesAdvTabSheet1) : TimesAdvTabSheet;
    AdvPageControl1.setCurrentWidget(&page);
    page.GoToSlot(output, slot);
}

void TMainForm::FindingClicked(int row)
{
    if (row < 0 || row >= static_cast<int>(findings_.size())) {
        return;
    }
    const ScheduleFinding &finding = findings_.at(static_cast<std::size_t>(row));
    using Field = UnsendableValue::Field;
    if (finding.Output >= 0 && finding.Slot >= 0) {
        GoToSlot(finding.Output, finding.Slot, finding.Special);
    } else if (finding.Slot >= 0) {
        // A special date.
        AdvPageControl1.setCurrentWidget(&SpecialTimesAdvTabSheet1);
        SpecialTimesAdvTabSheet1.SpecialDates().Picker(finding.Slot).setFocus();
    } else {
        AdvPageControl1.setCurrentWidget(&DaylightSavingAdvTabSheet);
        const Field field = finding.Value.What;
        DaylightSavingPage &rule = DaylightSavingAdvTabSheet;
        QWidget &control = field == Field::AdvanceWeek  ? static_cast<QWidget &>(rule.AdvanceGroup())
                           : field == Field::RetardWeek ? static_cast<QWidget &>(rule.RetardGroup())
                           : field == Field::RetardMonth ? static_cast<QWidget &>(rule.RetardMonth())
                                                         : static_cast<QWidget &>(rule.AdvanceMonth());
        control.setFocus();
    }
}

bool TMainForm::MayWriteWithMistakes()
{
    // The model has just been stored: what is checked is what would be written.
    std::vector<ScheduleFinding> mistakes = CheckSchedule(Model(), FromQDate(now_().date()));
    std::erase_if(mistakes, [](const ScheduleFinding &finding) { return !IsMistake(finding); });
    if (mistakes.empty()) {
        return true;
    }
    QString first = FindingText(mistakes.front());
    if (first.endsWith(QLatin1Char('.'))) {
        first.chop(1);
    }
    const QString question =
        mistakes.size() == 1
            ? QStringLiteral("The schedule has 1 possible mistake (first: %1). Write anyway?").arg(first)
            : QStringLiteral("The schedule has %1 possible mistakes (first: %2). Write anyway?").arg(mistakes.size()).arg(first);
    return dialogs_->AskYesNo(question);
}

} // namespace korvelt
