#pragma once

#include <QDate>
#include <QDateEdit>
#include <QLabel>

#include <functional>

namespace korvelt {

// One special-date picker: a date edit with its number (1 to 16) before it and the weekday
// of its date after it; a date before today is shown in italics, and the weekday after it
// says "past" in grey.
//
// Its calendar opens at its date, or at today's month when it shows its special value text
// ("(not set)" in the window): the date it holds then is none it can show.
//
// Typing goes section by section as the date is read in the display format: one or two
// digits for a day or a month (a digit that can start no two-digit value moves on at
// once), four for the year; a separator typed after a section moves on, one typed right
// after a section moved on by itself does nothing. A typed day is kept while the month and
// the year are typed: 31 typed into a November date, then 12, is 31 December, and 29, 02,
// 2028 is 29 February 2028. Typing into a picker that shows its special value text starts
// from today.
class SpecialDateEdit : public QDateEdit {
    Q_OBJECT

public:
    // number: 1 to 16. today: the current date. The two labels are made children of the
    // parent; the window places them.
    SpecialDateEdit(int number, std::function<QDate()> today, QWidget *parent);

    [[nodiscard]] QLabel &NumberLabel() { return numberLabel_; }
    [[nodiscard]] QLabel &WeekdayLabel() { return weekdayLabel_; }
    // Whether the date is before today (and not the special value).
    [[nodiscard]] bool IsPast() const;
    // The picker shows its special value text: its date is the minimum, none it can show.
    [[nodiscard]] bool ShowsSpecialValue() const;
    // Places the number, the edit and the weekday in one row from (x, y).
    void PlaceRow(int x, int y, int numberWidth, int editWidth, int weekdayWidth, int height);
    // Shows the weekday and the past mark again (the day may have changed since).
    void UpdateMarks();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A digit typed into the day or the month section; false when this section is neither.
    bool TypeDayOrMonth(int digit);
    void SetParts(int year, int month, int day);
    void MoveToNextSection();
    void ForgetTyping();

    std::function<QDate()> today_;
    QLabel numberLabel_;
    QLabel weekdayLabel_;
    QString typed_;                       // the digits typed into the current section so far
    Section typedSection_ = NoSection;    // the section they were typed into
    bool movedOn_ = false;                // the last digit moved to the next section by itself
    int wantedDay_ = 0;                   // a typed day the month shown is too short for; 0: none
};

} // namespace korvelt
