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
// Typing stores exactly the date typed or nothing. What is typed is shown as typed and read
// as a whole when the user presses Enter or leaves the picker: the parts in the order of the
// display format, with any separators ("6/1/28", "06.01.2028") or none ("060128",
// "06012028"), or in the ISO form "2028-01-06" in every locale. A two-digit year is 20yy.
// Typing that starts in a later part keeps the parts before it ("2028" typed into the year
// of 01/11/2009 gives 01/11/2028); parts not typed keep the date shown (today's when the
// picker shows its special value text). A day the month does not have, a year outside the
// picker's range and a text that is no date are refused: the picker keeps its date and says
// so in Refused. Escape drops what was typed.
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

    // Reads what was typed, if anything, as Enter would. True unless it was refused.
    bool CommitTyping();
    // Typing in progress: the text shown is what was typed, not yet the picker's date.
    [[nodiscard]] bool Typing() const { return typing_; }

signals:
    // What was typed was refused; `message` names the picker, the text and the date it keeps:
    // "Special date 3: 31/04/2028 is not a date. It keeps 01/11/2009."
    void Refused(const QString &message);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void childEvent(QChildEvent *event) override;

private:
    void BeginTyping();
    void ShowText(const QString &text);
    void ShowTyped();
    bool Type(const QString &text); // false when the text is not typing (no text, a control key)
    // Shows the picker's date again in place of what was typed.
    void ShowDate();
    // What was typed as a date: invalid when it names none; `outOfRange` when it is a date
    // in a year the picker cannot hold.
    [[nodiscard]] QDate TypedDate(const QString &typed, bool &outOfRange) const;
    [[nodiscard]] QString KeptText() const;

    int number_;
    std::function<QDate()> today_;
    QLabel numberLabel_;
    QLabel weekdayLabel_;
    bool typing_ = false;
    QString prefix_; // the parts shown before the one typing started in
    QString typed_;  // what was typed
};

} // namespace korvelt
