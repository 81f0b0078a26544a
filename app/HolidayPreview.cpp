#include "app/HolidayPreview.h"

#include "text/CellText.h"
#include "text/HolidayText.h"
#include "text/QtDateTime.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include <initializer_list>

namespace korvelt {

HolidayPreview::HolidayPreview(QWidget *parent)
    : QGroupBox(tr("Holidays"), parent), PreviewList(this), SummaryLabel(this),
      FewerLabel(tr("With fewer than %1 holidays the other special dates").arg(SpecialDateCount), this),
      KeepOthersRadioButton(tr("keep their dates"), this), RepeatLastRadioButton(tr("repeat the last holiday"), this)
{
    PreviewList.setColumnCount(4);
    PreviewList.setHeaderLabels(
        //: Column headings of the holidays: the date, its weekday, the holiday's name, the special date's number
        {tr("Date"), tr("Day", "weekday column"), tr("Holiday"), tr("No.", "special date number column")});
    PreviewList.setRootIsDecorated(false);
    PreviewList.header()->setStretchLastSection(false);
    PreviewList.header()->setSectionResizeMode(2, QHeaderView::Stretch);
    // A long "Left out" wraps inside its box instead of widening the dialog.
    SummaryLabel.setWordWrap(true);
    SummaryLabel.setTextFormat(Qt::PlainText); // names from a rule file are no markup
    SummaryLabel.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    KeepOthersRadioButton.setChecked(true);
    // The summary says which special dates repeat the last holiday, as soon as that is chosen.
    connect(&RepeatLastRadioButton, &QRadioButton::toggled, this, [this] { ShowSummary(); });
    auto *preview = new QVBoxLayout(this);
    preview->addWidget(&PreviewList);
    preview->addWidget(&SummaryLabel);
    preview->addWidget(&FewerLabel);
    preview->addWidget(&KeepOthersRadioButton);
    preview->addWidget(&RepeatLastRadioButton);
    const std::initializer_list<std::tuple<QWidget *, const char *, QString>> names{
        {&PreviewList, "PreviewList", tr("Holidays of the period")},
        {&SummaryLabel, "SummaryLabel", QString()},
        {&FewerLabel, "FewerLabel", QString()},
        {&KeepOthersRadioButton, "KeepOthersRadioButton", tr("Other special dates keep their dates")},
        {&RepeatLastRadioButton, "RepeatLastRadioButton", tr("Other special dates repeat the last holiday")},
    };
    for (const auto &[widget, name, accessible] : names) {
        widget->setObjectName(QString::fromLatin1(name));
        if (!accessible.isEmpty()) {
            widget->setAccessibleName(accessible);
        }
    }
}

FewerHolidays HolidayPreview::Fewer() const
{
    return RepeatLastRadioButton.isChecked() ? FewerHolidays::RepeatLast : FewerHolidays::KeepOthers;
}

void HolidayPreview::Show(const std::vector<Holiday> &holidays)
{
    // Room for the summary's lines in the font the dialog gave.
    SummaryLabel.setMinimumHeight(SummaryLabel.fontMetrics().lineSpacing() * 5);
    PreviewList.clear();
    QStringList leftOut;
    const CellTextCodec codec(locale()); // dates as the pickers show them, with four-digit years
    for (std::size_t k = 0; k < holidays.size(); ++k) {
        const Holiday &holiday = holidays.at(k);
        const QDate date = ToQDate(holiday.Date);
        const bool used = k < static_cast<std::size_t>(SpecialDateCount);
        auto *item = new QTreeWidgetItem(
            &PreviewList, {codec.DateText(holiday.Date), locale().dayName(date.dayOfWeek(), QLocale::ShortFormat),
                           HolidayNamesText(holiday), used ? QString::number(k + 1) : tr("left out", "holiday")});
        item->setToolTip(2, item->text(2));
        if (!used) {
            for (int c = 0; c < item->columnCount(); ++c) {
                item->setForeground(c, palette().brush(QPalette::PlaceholderText));
            }
            //: A holiday left out: %1 is its date, %2 its name
            leftOut << tr("%1 %2", "date and holiday").arg(item->text(0), item->text(2));
        }
    }
    for (int c = 0; c < PreviewList.columnCount(); ++c) {
        if (c != 2) {
            PreviewList.resizeColumnToContents(c);
        }
    }
    count_ = static_cast<int>(holidays.size());
    leftOut_ = leftOut;
    ShowSummary();
    for (QWidget *fewer :
         std::initializer_list<QWidget *>{&FewerLabel, &KeepOthersRadioButton, &RepeatLastRadioButton}) {
        fewer->setEnabled(count_ > 0 && count_ < SpecialDateCount);
    }
}

void HolidayPreview::ShowSummary()
{
    const int count = count_;
    const QStringList &leftOut = leftOut_;
    const QString separator = tr(", ", "list of holidays");
    const bool repeat = Fewer() == FewerHolidays::RepeatLast;
    QString summary;
    if (count == 0) {
        summary = tr("No holidays in this period: the special dates stay as they are.");
    } else if (count > SpecialDateCount) {
        // The first few by name, so that the text stays inside its box; the list marks them all.
        constexpr qsizetype named = 3;
        QString names = leftOut.mid(0, named).join(separator);
        if (leftOut.size() > named) {
            //: %1 names the first holidays left out; %n how many more were left out
            names =
                tr("%1 and %n more, marked in the list", nullptr, static_cast<int>(leftOut.size() - named)).arg(names);
        }
        //: %n is how many holidays there are (more than %2), %1 those left out, %2 how many the KORVELT holds (16)
        summary = tr("%n holidays: the KORVELT holds %2, the first %2 are used. Left out: %1.", nullptr, count)
                      .arg(names, QString::number(SpecialDateCount));
    } else if (repeat && count == 1) {
        //: The special dates after the one holiday repeat it; %1 is the first of them, %2 the last
        summary = tr("1 holiday fills special date 1; special dates %1 to %2 repeat it.").arg(2).arg(SpecialDateCount);
    } else if (repeat && count == SpecialDateCount - 1) {
        //: %n is how many holidays there are (one fewer than the special dates); %1 is the last special date,
        //: which repeats the last holiday
        summary = tr("%n holidays fill special dates 1 to %n; special date %1 repeats the last one.", nullptr, count)
                      .arg(SpecialDateCount);
    } else if (repeat && count < SpecialDateCount) {
        //: %n is how many holidays there are (2 to 14); %1 and %2 are the first and the last special date that
        //: repeat the last holiday
        summary =
            tr("%n holidays fill special dates 1 to %n; special dates %1 to %2 repeat the last one.", nullptr, count)
                .arg(count + 1)
                .arg(SpecialDateCount);
    } else if (count == 1) {
        summary = tr("1 holidays fill special dates 1 to 1.");
    } else {
        //: %n is how many holidays there are (2 to 16)
        summary = tr("%n holidays fill special dates 1 to %n.", nullptr, count);
    }
    SummaryLabel.setText(summary);
    //: %1 lists the holidays left out
    SummaryLabel.setToolTip(leftOut.size() > 3 ? tr("Left out: %1").arg(leftOut.join(separator)) : QString());
}

} // namespace korvelt
