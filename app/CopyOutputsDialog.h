#pragma once

#include "core/ScheduleModel.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include <array>
#include <vector>

namespace korvelt {

// Asks which outputs one output's timetable is copied to: a check box for each output, the
// source shown checked and greyed out, "All" and "None" for the others, OK and Cancel. OK
// is greyed out while no output is chosen. It changes nothing itself: after exec(),
// Chosen() gives the outputs ticked.
class CopyOutputsDialog : public QDialog {
    Q_OBJECT

public:
    // `text` says what is copied; the source output counts from 0.
    CopyOutputsDialog(const QString &text, int source, QWidget *parent = nullptr);

    // The outputs ticked, counted from 0, in order, without the source.
    [[nodiscard]] std::vector<int> Chosen() const;

private:
    void SetAll(bool checked);
    void UpdateOk();

    // Controls, container first; tests and screen readers find them by their names.
    QGridLayout Layout;
    QLabel TextLabel;
    std::array<QCheckBox, OutputCount> OutputCheckBoxes;
    QPushButton AllButton;
    QPushButton NoneButton;
    QPushButton OkButton;
    QPushButton CancelButton;

    int source_;
};

} // namespace korvelt
