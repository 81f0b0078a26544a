#include "SpecialDateEdit.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace korvelt {

namespace {

// A key that types a separator between the parts of a date ("/", ".", "-", a space).
bool IsSeparator(const QString &text)
{
    return text.size() == 1 && text.at(0).isPrint() && !text.at(0).isLetterOrNumber();
}

} // namespace

SpecialDateEdit::SpecialDateEdit(int number, std::function<QDate()> today, QWidget *parent)
    : QDateEdit(parent), today_(std::move(today)), numberLabel_(QString::number(number), parent),
      weekdayLabel_(parent)
{
    numberLabel_.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    numberLabel_.setBuddy(this);
    setCalendarPopup(true);
    // The popup is made once; its showing is watched to open it at today's month when the
    // date cannot be shown.
    if (QCalendarWidget *calendar = calendarWidget()) {
        calendar->window()->installEventFilter(this);
    }
    connect(this, &QDateEdit::dateChanged, this, [this] { UpdateMarks(); });
    UpdateMarks();
}

bool SpecialDateEdit::ShowsSpecialValue() const
{
    return !specialValueText().isEmpty() && date() == minimumDate();
}

bool SpecialDateEdit::IsPast() const
{
    return !ShowsSpecialValue() && date() < today_();
}

void SpecialDateEdit::UpdateMarks()
{
    const bool past = IsPast();
    QString weekday;
    if (!ShowsSpecialValue()) {
        weekday = locale().dayName(date().dayOfWeek(), QLocale::ShortFormat);
    }
    weekdayLabel_.setText(past ? tr("%1, past").arg(weekday) : weekday);
    weekdayLabel_.setForegroundRole(past ? QPalette::PlaceholderText : QPalette::WindowText);
    // The date itself stays in the normal colour, so that the picker does not look disabled.
    QFont font = this->font();
    font.setItalic(past);
    setFont(font);
    setToolTip(ShowsSpecialValue() ? QString()
                                   : locale().toString(date(), QLocale::LongFormat) +
                                         (past ? tr(" (in the past)") : QString()));
}

void SpecialDateEdit::PlaceRow(int x, int y, int numberWidth, int editWidth, int weekdayWidth, int height)
{
    constexpr int Gap = 4;
    numberLabel_.setGeometry(x, y, numberWidth, height);
    setGeometry(x + numberWidth + Gap, y, editWidth, height);
    weekdayLabel_.setGeometry(x + numberWidth + Gap + editWidth + Gap, y, weekdayWidth, height);
}

bool SpecialDateEdit::eventFilter(QObject *watched, QEvent *event)
{
    QCalendarWidget *calendar = calendarWidget();
    const bool calendarShown = event->type() == QEvent::Show && calendar != nullptr && watched == calendar->window();
    if (calendarShown) {
        ForgetTyping(); // a date picked from the calendar is taken whole
    }
    if (calendarShown && ShowsSpecialValue()) {
        // Today selected but not yet taken: Escape leaves the picker as it was.
        const QDate today = std::clamp(today_(), minimumDate().addDays(1), maximumDate());
        const QSignalBlocker blocker(calendar);
        calendar->setSelectedDate(today);
        calendar->setCurrentPage(today.year(), today.month());
    }
    return QDateEdit::eventFilter(watched, event);
}

void SpecialDateEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    const bool digit = plain && text.size() == 1 && text.at(0).isDigit();
    if (digit && ShowsSpecialValue()) {
        setDate(std::clamp(today_(), minimumDate().addDays(1), maximumDate()));
        setSelectedSection(sectionAt(0));
        ForgetTyping();
    }
    if (currentSection() != typedSection_) {
        typed_.clear();
        typedSection_ = currentSection();
    }
    if (digit && TypeDayOrMonth(text.at(0).digitValue())) {
        event->accept();
        return;
    }
    if (plain && IsSeparator(text)) {
        // After a section moved on by itself the separator is already behind the cursor.
        if (!movedOn_ && sectionCount() > currentSectionIndex() + 1) {
            MoveToNextSection();
        }
        movedOn_ = false;
        event->accept();
        return;
    }
    if (!digit) {
        typed_.clear(); // an arrow key or a deletion: the next digit starts the section again
    }
    const Section before = currentSection();
    const QDate dateBefore = date();
    QDateEdit::keyPressEvent(event);
    movedOn_ = digit && currentSection() != before;
    // A whole year typed may make a day typed earlier possible (29 February).
    if (date() != dateBefore && wantedDay_ > date().day()) {
        SetParts(date().year(), date().month(), wantedDay_);
    }
}

bool SpecialDateEdit::TypeDayOrMonth(int digit)
{
    const Section section = currentSection();
    if (section != DaySection && section != MonthSection) {
        return false;
    }
    const int most = section == DaySection ? 31 : 12;
    typed_ += QString::number(digit);
    int value = typed_.toInt();
    if (value > most || (typed_.size() == 2 && value == 0)) {
        // No such day or month: the digit starts the section again.
        typed_ = QString::number(digit);
        value = digit;
    }
    // Moves on when the section is full or no digit could follow.
    const bool full = typed_.size() == 2 || value * 10 > most;
    if (value > 0) {
        const QDate shown = date();
        if (section == DaySection) {
            wantedDay_ = value;
            SetParts(shown.year(), shown.month(), value);
        } else {
            SetParts(shown.year(), value, wantedDay_ > 0 ? wantedDay_ : shown.day());
        }
    }
    movedOn_ = false;
    if (full) {
        if (sectionCount() > currentSectionIndex() + 1) {
            MoveToNextSection();
            movedOn_ = true;
        } else {
            typed_.clear();
        }
    }
    return true;
}

void SpecialDateEdit::SetParts(int year, int month, int day)
{
    const int shownDay = std::min(day, QDate(year, month, 1).daysInMonth());
    const int section = currentSectionIndex();
    setDate(QDate(year, month, shownDay));
    setCurrentSectionIndex(section);
    setSelectedSection(currentSection());
}

void SpecialDateEdit::MoveToNextSection()
{
    typed_.clear();
    setCurrentSectionIndex(currentSectionIndex() + 1);
    setSelectedSection(currentSection());
    typedSection_ = currentSection();
}

void SpecialDateEdit::ForgetTyping()
{
    typed_.clear();
    typedSection_ = NoSection;
    movedOn_ = false;
    wantedDay_ = 0;
}

void SpecialDateEdit::focusOutEvent(QFocusEvent *event)
{
    ForgetTyping();
    QDateEdit::focusOutEvent(event);
}

} // namespace korvelt
