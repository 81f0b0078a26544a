#pragma once

#include "app/RadioGroup.h"
#include "app/SchedulePage.h"
#include "core/ScheduleModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QWidget>

namespace korvelt {

// The "Daylight Saving" page: whether the rule is in force and the Sundays on which the
// clock is advanced and retarded. A value the controls cannot show (from a file or the
// KORVELT) comes back unchanged until the user changes that control.
class DaylightSavingPage : public QWidget, public SchedulePage {
    Q_OBJECT

public:
    explicit DaylightSavingPage(QWidget *parent = nullptr);

    void Show(const ScheduleModel &model) override;
    // Settles a month typed into a box (the month it names, or the one the box held), then
    // writes the rule into the model. Always true: nothing typed here is refused.
    bool Store(ScheduleModel &model) override;
    void Peek(ScheduleModel &model) const override;
    // The check box, then each group's weeks and its month.
    [[nodiscard]] std::vector<QWidget *> TabOrder() override;

    [[nodiscard]] QCheckBox &EnableBox() { return enable_; }
    [[nodiscard]] RadioGroup &AdvanceGroup() { return advance_; }
    [[nodiscard]] QComboBox &AdvanceMonth() { return advanceMonth_; }
    [[nodiscard]] RadioGroup &RetardGroup() { return retard_; }
    [[nodiscard]] QComboBox &RetardMonth() { return retardMonth_; }

signals:
    void Edited(const QString &step);

private:
    void Changed();
    void ShowMonth(QComboBox &box, std::int32_t month, QString &shownText);
    static void SettleMonthBox(QComboBox &box);

    QGroupBox group_;
    QCheckBox enable_;
    RadioGroup advance_;
    QComboBox advanceMonth_;
    RadioGroup retard_;
    QComboBox retardMonth_;

    // What the controls showed last.
    bool shownEnabled_ = true;
    QString shownAdvanceMonth_;
    QString shownRetardMonth_;
    bool showing_ = false;
};

} // namespace korvelt
