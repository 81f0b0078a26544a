#pragma once

#include "core/ScheduleDifference.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <vector>

namespace korvelt {

// Shows where a schedule read from a KORVELT differs from the one in the window, one line
// for each place, and lets the user take the KORVELT's schedule or close. It changes
// nothing itself: after exec(), TakeChosen() says whether the user chose to take it.
class CompareDialog : public QDialog {
    Q_OBJECT

public:
    CompareDialog(const ScheduleModel &windowSchedule, const ScheduleModel &deviceSchedule,
                  const std::vector<ScheduleDifference> &differences, QWidget *parent = nullptr);

    // True once the user has clicked "Take the KORVELT's schedule"; false after "Close",
    // Escape or the window's close button.
    [[nodiscard]] bool TakeChosen() const { return takeChosen_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Controls, container first; tests and screen readers find them by their names.
    QLabel HeadingLabel;
    QListWidget DifferenceList;
    QPushButton TakeButton;
    QPushButton CloseButton;

    bool takeChosen_ = false;
};

} // namespace korvelt
