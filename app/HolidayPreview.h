#pragma once

#include "core/HolidayRules.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTreeWidget>

#include <vector>

namespace korvelt {

// The holidays of the Holidays dialog's period as the special dates would take them: more than
// 16, the first 16 in date order and which are left out; fewer, whether the other special dates
// keep their dates or repeat the last holiday.
class HolidayPreview : public QGroupBox {
    // Its texts are the Holidays dialog's.
    Q_DECLARE_TR_FUNCTIONS(korvelt::HolidaysDialog)

public:
    explicit HolidayPreview(QWidget *parent);

    void Show(const std::vector<Holiday> &holidays);
    [[nodiscard]] FewerHolidays Fewer() const;

private:
    void ShowSummary();

    // Controls; tests and screen readers find them by these names.
    QTreeWidget PreviewList;
    QLabel SummaryLabel;
    QLabel FewerLabel;
    QRadioButton KeepOthersRadioButton;
    QRadioButton RepeatLastRadioButton;
    int count_ = 0;       // the holidays shown
    QStringList leftOut_; // those left out, each as its date and name
};

} // namespace korvelt
