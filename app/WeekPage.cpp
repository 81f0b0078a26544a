// The Week page: the picture of all sixteen outputs, the schedule check's findings under it
// with their count, the way from a bar or a finding to its place, the question before writing
// a schedule with mistakes, and the printed report.
#include "app/WeekPage.h"

#include "app/UserDialogs.h"
#include "core/ScheduleModel.h"
#include "text/CellText.h"
#include "text/CheckText.h"
#include "text/QtDateTime.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QScrollBar>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <utility>

namespace korvelt {

namespace {

constexpr int FindingLines = 6; // the findings list shows this many lines at a time

// The schedule check's counts, each in its own words.
QString MistakesText(int count)
{
    //: Count of the schedule check
    return count == 1 ? QCoreApplication::translate("WeekPage", "1 mistake")
                      //: Count of the schedule check
                      : QCoreApplication::translate("WeekPage", "%n mistakes", nullptr, count);
}

QString NotesText(int count)
{
    //: Count of the schedule check
    return count == 1 ? QCoreApplication::translate("WeekPage", "1 note")
                      //: Count of the schedule check
                      : QCoreApplication::translate("WeekPage", "%n notes", nullptr, count);
}

} // namespace

WeekPage::WeekPage(QWidget *parent)
    : QWidget(parent), layout_(this), WeekChoiceComboBox(this), PrintButton(this), ExportPdfButton(this),
      FindingsListBox(this)
{
    layout_.setContentsMargins(8, 6, 8, 6);
    layout_.setSpacing(4);
    //: Picks the picture of the week of the normal times
    WeekChoiceComboBox.addItem(tr("Normal week"));
    for (int k = 0; k < SpecialDateCount; ++k) {
        //: Picks the picture of a special date; %1 is its number, 1 to 16
        WeekChoiceComboBox.addItem(tr("Special date %1").arg(k + 1));
    }
    WeekChoiceComboBox.setMaxVisibleItems(SpecialDateCount + 1);
    WeekChoiceComboBox.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // The report shows the chosen picture first of all: its buttons are beside the choice.
    auto *row = new QHBoxLayout;
    row->addWidget(&WeekChoiceComboBox, 0, Qt::AlignLeft);
    row->addStretch(1);
    row->addWidget(&PrintButton);
    row->addWidget(&ExportPdfButton);
    layout_.addLayout(row);
    // The picture, made on the page's first showing, goes here and takes the room there is.
    layout_.addWidget(&FindingsListBox);
    PrintButton.setText(tr("&Print…"));
    ExportPdfButton.setText(tr("Export P&DF…"));
    PrintButton.setToolTip(tr("A report of the whole schedule, in a preview to print from (Ctrl+P)"));
    ExportPdfButton.setToolTip(tr("The same report saved as a PDF file"));

    const std::initializer_list<std::pair<QWidget *, const char *>> names{
        {&WeekChoiceComboBox, "WeekChoiceComboBox"},
        {&FindingsListBox, "FindingsListBox"},
        {&PrintButton, "PrintButton"},
        {&ExportPdfButton, "ExportPdfButton"},
    };
    for (const auto &[widget, name] : names) {
        widget->setObjectName(QString::fromLatin1(name));
    }
    WeekChoiceComboBox.setAccessibleName(tr("Week or special date"));
    FindingsListBox.setAccessibleName(tr("Schedule check"));
    PrintButton.setAccessibleName(tr("Print"));
    ExportPdfButton.setAccessibleName(tr("Export PDF"));

    connect(&WeekChoiceComboBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (WeekPicture) {
            WeekPicture->SetChoice({index - 1});
        }
    });
    connect(&FindingsListBox, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { FindingChosen(FindingsListBox.row(item)); });
    connect(&FindingsListBox, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { FindingChosen(FindingsListBox.row(item)); });
    connect(&PrintButton, &QPushButton::clicked, this, &WeekPage::Print);
    connect(&ExportPdfButton, &QPushButton::clicked, this, &WeekPage::ExportPdf);
}

void WeekPage::SetSources(Sources sources)
{
    sources_ = std::move(sources);
}

void WeekPage::showEvent(QShowEvent *event)
{
    CreatePicture();
    QWidget::showEvent(event);
}

void WeekPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A new theme: the findings' colours follow its background.
    if (event->type() == QEvent::PaletteChange) {
        Show(shown_);
    }
}

void WeekPage::CreatePicture()
{
    if (WeekPicture) {
        return;
    }
    WeekPicture = std::make_unique<WeekView>(this);
    WeekPicture->setObjectName(QStringLiteral("WeekPicture"));
    WeekPicture->SetModel(shown_);
    WeekPicture->SetChoice({WeekChoiceComboBox.currentIndex() - 1});
    layout_.insertWidget(1, WeekPicture.get(), 1);
    connect(WeekPicture.get(), &WeekView::SlotClicked, this, &WeekPage::GoTo);
}

void WeekPage::Show(const ScheduleModel &model)
{
    shown_ = model;
    if (WeekPicture) {
        WeekPicture->SetModel(model);
    }
    for (int k = 0; k < SpecialDateCount; ++k) {
        const TDateTime date = model.SpecialDates.at(static_cast<std::size_t>(k));
        WeekChoiceComboBox.setItemText(
            k + 1, IsSendableDate(date)
                       //: %1 is the special date's number, 1 to 16, %2 its date
                       ? tr("Special date %1 (%2)").arg(k + 1).arg(DefaultCellTextCodec().DateText(date))
                       //: Picks the picture of a special date; %1 is its number, 1 to 16
                       : tr("Special date %1").arg(k + 1));
    }

    findings_ = CheckSchedule(model, FromQDate(sources_.TodayDate()));
    // The list is filled afresh; where it was scrolled to stays.
    const int scrolled = FindingsListBox.verticalScrollBar()->value();
    FindingsListBox.clear();
    // Mistakes in red that reads on the list's background, light or dark.
    const bool darkList = FindingsListBox.palette().color(QPalette::Base).lightness() < 128;
    const QColor mistakeColour = darkList ? QColor(255, 138, 128) : QColor(160, 20, 20);
    for (const ScheduleFinding &finding : findings_) {
        //: A finding of the schedule check that is likely wrong; %1 is the finding
        auto *item = new QListWidgetItem(IsMistake(finding) ? tr("Mistake: %1").arg(FindingText(finding))
                                                            //: A finding of the schedule check worth a look; %1 is
                                                            //: the finding
                                                            : tr("Note: %1").arg(FindingText(finding)));
        if (IsMistake(finding)) {
            item->setForeground(mistakeColour);
        }
        FindingsListBox.addItem(item);
    }
    if (findings_.empty()) {
        FindingsListBox.addItem(tr("The schedule check found nothing."));
    }
    FindingsListBox.verticalScrollBar()->setValue(scrolled);
    // Six whole lines, none cut in half.
    FindingsListBox.setFixedHeight(FindingLines * FindingsListBox.sizeHintForRow(0) + 2 * FindingsListBox.frameWidth());
    emit CheckCounted(CountText(findings_));
}

QString WeekPage::CountText(const std::vector<ScheduleFinding> &findings)
{
    const auto mistakes = static_cast<int>(std::count_if(findings.begin(), findings.end(), IsMistake));
    return CountText(mistakes, static_cast<int>(findings.size()) - mistakes);
}

QString WeekPage::CountText(int mistakes, int notes)
{
    if (mistakes == 0 && notes == 0) {
        //: Count of the schedule check in the status area
        return tr("No mistakes");
    }
    if (mistakes == 0) {
        //: Count of the schedule check in the status area; %1 is the count of notes ("2 notes")
        return tr("No mistakes, %1").arg(NotesText(notes));
    }
    //: Count of the schedule check in the status area: %1 the mistakes ("2 mistakes"), %2 the notes ("1 note")
    return tr("%1, %2", "mistakes, notes").arg(MistakesText(mistakes), NotesText(notes));
}

void WeekPage::FindingChosen(int row)
{
    if (row < 0 || row >= static_cast<int>(findings_.size())) {
        return;
    }
    const ScheduleFinding finding = findings_.at(static_cast<std::size_t>(row));
    if (finding.Output >= 0 && finding.Slot >= 0) {
        emit GoTo(finding.Output, finding.Slot, finding.Special);
    } else {
        emit GoToValue(finding);
    }
}

bool WeekPage::MayWriteWithMistakes(const ScheduleModel &model, const Sources &sources)
{
    std::vector<ScheduleFinding> mistakes = CheckSchedule(model, FromQDate(sources.TodayDate()));
    std::erase_if(mistakes, [](const ScheduleFinding &finding) { return !IsMistake(finding); });
    if (mistakes.empty()) {
        return true;
    }
    QString first = FindingText(mistakes.front());
    if (first.endsWith(QLatin1Char('.'))) {
        first.chop(1);
    }
    const auto count = static_cast<int>(mistakes.size());
    //: Question before a write; %1 is the first mistake found
    const QString question =
        count == 1 ? tr("The schedule has 1 possible mistake (first: %1). Write anyway?").arg(first)
                   //: Question before a write; %n is how many mistakes, %1 the first of them
                   : tr("The schedule has %n possible mistakes (first: %1). Write anyway?", nullptr, count).arg(first);
    return sources.Dialogs != nullptr && sources.Dialogs->AskYesNo(question);
}

void WeekPage::Print() const
{
    if (sources_.Dialogs == nullptr || !sources_.Report) {
        return;
    }
    const ReportSource source = sources_.Report();
    sources_.Dialogs->ShowPrintPreview(ReportPageLayout(source.Locale),
                                       [&source](QPagedPaintDevice &device) { PaintScheduleReport(device, source); });
}

void WeekPage::ExportPdf()
{
    if (sources_.Dialogs == nullptr || !sources_.Report) {
        return;
    }
    const ReportSource source = sources_.Report();
    // The dialog opens with the schedule's name and .pdf selected in its folder.
    const QString suggested = sources_.PdfName ? sources_.PdfName() : QString();
    const std::optional<QString> chosen =
        sources_.Dialogs->AskSaveFileName(tr("PDF files (*.pdf)"), suggested, QStringLiteral("pdf"));
    if (!chosen) {
        return;
    }
    // "shop" is saved as "shop.pdf".
    const QString name = QFileInfo(*chosen).suffix().isEmpty() ? *chosen + QStringLiteral(".pdf") : *chosen;
    if (SaveScheduleReportPdf(std::filesystem::path(name.toStdU16String()), source)) {
        //: Status; %1 is the PDF file's name
        emit Reported(tr("Report saved as %1").arg(QFileInfo(name).fileName()));
    } else {
        //: %1 is the PDF file's path
        sources_.Dialogs->ShowError(tr("The report could not be saved as \"%1\".").arg(name));
    }
}

} // namespace korvelt
