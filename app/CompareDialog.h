#pragma once

#include "app/UserDialogs.h"
#include "core/ScheduleDifference.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <vector>

namespace korvelt {

// Shows where a schedule read from a KORVELT differs from the one in the window, one line
// for each place, and lets the user take the KORVELT's schedule, close, or click a line to go
// to its place in the window. It changes nothing itself: after exec(), Chosen() says what the
// user chose.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    CompareDialog(const ScheduleModel &windowSchedule, const ScheduleModel &deviceSchedule,
                  const std::vector<ScheduleDifference> &differences, QWidget *parent = nullptr);

    // Take once the user has clicked "Take the KORVELT's schedule"; GoTo and the place after a
    // click on a line (or Enter on it); Keep after "Close", Escape or the window's close button.
    [[nodiscard]] UserDialogs::Comparison Chosen() const { return chosen_; }
    [[nodiscard]] bool TakeChosen() const { return chosen_.Chosen == UserDialogs::Comparison::Choice::Take; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    [[nodiscard]] int TakeButtonWidth() const;
    [[nodiscard]] int CloseButtonWidth() const;

    // Controls, container first; tests and screen readers find them by their names.
    QLabel HeadingLabel;
    QListWidget DifferenceList;
    QPushButton TakeButton;
    QPushButton CloseButton;

    UserDialogs::Comparison chosen_;
};

} // namespace korvelt
