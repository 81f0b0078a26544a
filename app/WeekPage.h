#pragma once

#include "app/WeekView.h"
#include "core/ScheduleCheck.h"
#include "core/ScheduleModel.h"
#include "report/ScheduleReport.h"

#include <QComboBox>
#include <QDate>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace korvelt {

class UserDialogs;

// The Week page: the picture of all sixteen outputs for the normal week or a special date, the
// schedule check's findings under it, and the printed report (Print…, Export PDF…). It shows
// the schedule it is given; a click on a bar or a finding asks the window to open its place.
// The picture is made when the page is first shown.
class WeekPage : public QWidget {
    Q_OBJECT

public:
    // What the page takes from the window: the dialogs, today's date for the check, the report
    // of what the window shows now, and the name Export PDF suggests (with its folder).
    struct Sources {
        UserDialogs *Dialogs = nullptr;
        std::function<QDate()> Today;
        std::function<ReportSource()> Report;
        std::function<QString()> PdfName;

        // Today as the check judges it: the window's clock, or the computer's without one.
        [[nodiscard]] QDate TodayDate() const { return Today ? Today() : QDate::currentDate(); }
    };

    explicit WeekPage(QWidget *parent = nullptr);

    void SetSources(Sources sources);
    // Shows the model: the picture, the special dates in the choice, the check's findings and
    // their count (CheckCounted). Emits nothing else.
    void Show(const ScheduleModel &model);
    // The count of the check's findings as the status area shows it ("No mistakes, 1 note").
    [[nodiscard]] static QString CountText(const std::vector<ScheduleFinding> &findings);
    [[nodiscard]] static QString CountText(int mistakes, int notes);
    // Before a write: true when the model has no mistake or the user writes it anyway.
    [[nodiscard]] static bool MayWriteWithMistakes(const ScheduleModel &model, const Sources &sources);
    // The report in a preview to print from, and the same report saved as a PDF file.
    void Print() const;
    void ExportPdf();

    // The picture, once the page has been shown; nothing before.
    [[nodiscard]] WeekView *Picture() const { return WeekPicture.get(); }

signals:
    // A bar or a finding of a slot: the output (0-based), the slot (0-based) and its table.
    void GoTo(int output, int slot, bool special);
    // A finding of a special date or of the daylight-saving rule.
    void GoToValue(const korvelt::ScheduleFinding &finding);
    // The count of what the check found, for the status area.
    void CheckCounted(const QString &text);
    // What a command of the page did, for the status area.
    void Reported(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void CreatePicture();
    void FindingChosen(int row);

    // Controls, container first; tests and screen readers find them by their names.
    QVBoxLayout layout_;
    QComboBox WeekChoiceComboBox;
    QPushButton PrintButton;
    QPushButton ExportPdfButton;
    std::unique_ptr<WeekView> WeekPicture;
    QListWidget FindingsListBox;

    Sources sources_;
    ScheduleModel shown_;
    std::vector<ScheduleFinding> findings_;
};

} // namespace korvelt
