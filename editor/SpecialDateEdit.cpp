#include "editor/SpecialDateEdit.h"

#include <QCalendarWidget>
#include <QChildEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <vector>

namespace korvelt {

namespace {

constexpr int CenturyStart = 2000; // a two-digit year is in this century

enum class Part { Day, Month, Year };

// The parts of a date in the order a display format shows them ("dd/MM/yyyy": day, month, year).
std::array<Part, 3> PartOrder(const QString &format)
{
    std::vector<std::pair<qsizetype, Part>> found{{format.indexOf(QLatin1Char('d')), Part::Day},
                                                  {format.indexOf(QLatin1Char('M')), Part::Month},
                                                  {format.indexOf(QLatin1Char('y')), Part::Year}};
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    return {found.at(0).second, found.at(1).second, found.at(2).second};
}

} // namespace

SpecialDateEdit::SpecialDateEdit(int number, std::function<QDate()> today, QWidget *parent)
    : QDateEdit(parent), number_(number), today_(std::move(today)), numberLabel_(QString::number(number), parent),
      weekdayLabel_(parent)
{
    numberLabel_.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    numberLabel_.setBuddy(this);
    // The calendar popup is made when it is first opened (making sixteen calendars at start
    // costs the window a good part of its start-up); childEvent watches it from then on.
    setCalendarPopup(true);
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
    //: Beside a special date in the past: %1 is its short weekday name
    weekdayLabel_.setText(past ? tr("%1, past").arg(weekday) : weekday);
    weekdayLabel_.setForegroundRole(past ? QPalette::PlaceholderText : QPalette::WindowText);
    // The date itself stays in the normal colour, so that the picker does not look disabled.
    QFont font = this->font();
    font.setItalic(past);
    setFont(font);
    setToolTip(ShowsSpecialValue() ? QString()
                                   //: Tooltip of a special date in the past: %1 is the date in words
                                   : (past ? tr("%1 (in the past)").arg(locale().toString(date(), QLocale::LongFormat))
                                           : locale().toString(date(), QLocale::LongFormat)));
}

void SpecialDateEdit::PlaceRow(int x, int y, int numberWidth, int editWidth, int weekdayWidth, int height)
{
    constexpr int Gap = 4;
    numberLabel_.setGeometry(x, y, numberWidth, height);
    setGeometry(x + numberWidth + Gap, y, editWidth, height);
    weekdayLabel_.setGeometry(x + numberWidth + Gap + editWidth + Gap, y, weekdayWidth, height);
}

void SpecialDateEdit::childEvent(QChildEvent *event)
{
    QDateEdit::childEvent(event);
    // The calendar popup, made on its first opening, is a child window of the picker: its
    // showing is watched to open it at today's month when the date cannot be shown.
    if (event->added() && event->child()->isWidgetType()) {
        event->child()->installEventFilter(this);
    }
}

bool SpecialDateEdit::eventFilter(QObject *watched, QEvent *event)
{
    // Only a window's showing may be the popup's; asking for the calendar before would make it.
    const bool windowShown =
        event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow();
    QCalendarWidget *calendar = windowShown ? calendarWidget() : nullptr;
    const bool calendarShown = event->type() == QEvent::Show && calendar != nullptr && watched == calendar->window();
    if (calendarShown && typing_) {
        typing_ = false; // a date picked from the calendar is taken whole
        ShowDate();
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

bool SpecialDateEdit::Type(const QString &text)
{
    // One key may bring several characters (keys typed quickly arrive together) and an input
    // method brings its text at once: all of it is typing.
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); })) {
        return false;
    }
    if (!typing_) {
        BeginTyping();
    }
    typed_ += text;
    ShowTyped();
    return true;
}

bool SpecialDateEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && !typing_) {
        // The text shown is the date, never typing of its own: Undo and Redo are the window's.
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeyCombination combination = key->keyCombination();
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
            combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::InputMethod) {
        const auto *input = static_cast<QInputMethodEvent *>(event);
        if (input->preeditString().isEmpty() && Type(input->commitString())) {
            event->accept();
            return true;
        }
    }
    return QDateEdit::event(event);
}

void SpecialDateEdit::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    if (plain && Type(event->text())) {
        event->accept();
        return;
    }
    if (typing_) {
        switch (event->key()) {
        case Qt::Key_Backspace:
            typed_.chop(1);
            if (typed_.isEmpty()) {
                typing_ = false;
                ShowDate();
            } else {
                ShowTyped();
            }
            event->accept();
            return;
        case Qt::Key_Escape:
            typing_ = false;
            ShowDate();
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            CommitTyping();
            event->accept();
            return;
        default:
            CommitTyping(); // an arrow or a page key works on the date as it now is
            break;
        }
    }
    QDateEdit::keyPressEvent(event);
}

void SpecialDateEdit::BeginTyping()
{
    typing_ = true;
    typed_.clear();
    prefix_.clear();
    // Typing into a later part keeps the parts shown before it, separators included.
    const int part = ShowsSpecialValue() ? 0 : currentSectionIndex();
    if (part > 0 && lineEdit() != nullptr) {
        const QString shown = lineEdit()->text();
        int runs = 0;
        for (qsizetype k = 0; k < shown.size(); ++k) {
            const bool startsRun = shown.at(k).isDigit() && (k == 0 || !shown.at(k - 1).isDigit());
            if (startsRun && runs++ == part) {
                prefix_ = shown.left(k);
                break;
            }
        }
    }
}

void SpecialDateEdit::ShowText(const QString &text)
{
    QLineEdit *edit = lineEdit();
    if (edit == nullptr) {
        return;
    }
    // Neither what was typed nor the date shown again is the picker's own editing: its
    // validator would "correct" the text on the way in (31 April shown as 30 April, or the day
    // just refused left in the date kept), so the text goes in without it.
    const QSignalBlocker blocker(edit);
    const QValidator *validator = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(text);
    edit->setValidator(validator);
}

void SpecialDateEdit::ShowTyped()
{
    ShowText(prefix_ + typed_); // what was typed is not the picker's date yet
    if (QLineEdit *edit = lineEdit()) {
        edit->setCursorPosition(static_cast<int>(edit->text().size()));
    }
}

void SpecialDateEdit::ShowDate()
{
    ShowText(KeptText());
    setSelectedSection(sectionAt(0));
}

QString SpecialDateEdit::KeptText() const
{
    return ShowsSpecialValue() ? specialValueText() : textFromDateTime(dateTime());
}

QDate SpecialDateEdit::TypedDate(const QString &typed, bool &outOfRange) const
{
    outOfRange = false;
    const QString text = typed.trimmed();
    const QDate shown = ShowsSpecialValue() ? std::clamp(today_(), minimumDate().addDays(1), maximumDate()) : date();
    std::array<int, 3> value{shown.day(), shown.month(), shown.year()}; // by Part
    std::array<int, 3> digits{0, 0, 4};
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    if (const QRegularExpressionMatch match = iso.match(text); match.hasMatch()) {
        value = {match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt()};
    } else {
        static const QRegularExpression dateText(QStringLiteral("^[0-9]+(?:[^0-9A-Za-z]+[0-9]+)*[^0-9A-Za-z]*$"));
        if (!dateText.match(text).hasMatch()) {
            return {};
        }
        QStringList runs = text.split(QRegularExpression(QStringLiteral("[^0-9]+")), Qt::SkipEmptyParts);
        const std::array<Part, 3> order = PartOrder(displayFormat());
        if (runs.size() == 1 && runs.front().size() > 2) {
            // Digits without separators: two for a day or a month, the rest for the year.
            const QString run = runs.takeFirst();
            const qsizetype yearDigits = run.size() == 8 ? 4 : 2;
            qsizetype at = 0;
            for (const Part part : order) {
                const qsizetype width = part == Part::Year ? yearDigits : 2;
                if (at + width > run.size()) {
                    break;
                }
                runs << run.mid(at, width);
                at += width;
            }
            if (at != run.size()) {
                return {};
            }
        }
        if (runs.size() > 3) {
            return {};
        }
        for (qsizetype k = 0; k < runs.size(); ++k) {
            const auto part = static_cast<std::size_t>(order.at(static_cast<std::size_t>(k)));
            value.at(part) = runs.at(k).toInt();
            digits.at(part) = static_cast<int>(runs.at(k).size());
        }
    }
    int year = value.at(static_cast<std::size_t>(Part::Year));
    if (digits.at(static_cast<std::size_t>(Part::Year)) <= 2) {
        year += CenturyStart;
    }
    const QDate result(year, value.at(static_cast<std::size_t>(Part::Month)),
                       value.at(static_cast<std::size_t>(Part::Day)));
    if (!result.isValid()) {
        return {};
    }
    const QDate first = ShowsSpecialValue() || !specialValueText().isEmpty() ? minimumDate().addDays(1) : minimumDate();
    outOfRange = result < first || result > maximumDate();
    return result;
}

bool SpecialDateEdit::CommitTyping()
{
    if (!typing_) {
        return true;
    }
    typing_ = false;
    const QString typed = (prefix_ + typed_).trimmed();
    bool outOfRange = false;
    const QDate result = TypedDate(typed, outOfRange);
    if (result.isValid() && !outOfRange) {
        if (result == date()) {
            ShowDate();
        } else {
            setDate(result);
            setSelectedSection(sectionAt(0));
        }
        return true;
    }
    ShowDate();
    const QDate first = ShowsSpecialValue() || !specialValueText().isEmpty() ? minimumDate().addDays(1) : minimumDate();
    if (outOfRange) {
        //: %1 is the special date's number, %2 the text typed, %3 and %4 the first and last year, %5 the date it
        //: keeps
        emit Refused(tr("Special date %1: %2 is outside the years %3 to %4. It keeps %5.")
                         .arg(number_)
                         .arg(typed, QString::number(first.year()), QString::number(maximumDate().year()), KeptText()));
    } else {
        //: %1 is the special date's number, %2 the text typed, %3 the date it keeps
        emit Refused(tr("Special date %1: %2 is not a date. It keeps %3.").arg(number_).arg(typed, KeptText()));
    }
    return false;
}

void SpecialDateEdit::focusOutEvent(QFocusEvent *event)
{
    CommitTyping();
    QDateEdit::focusOutEvent(event);
}

} // namespace korvelt
