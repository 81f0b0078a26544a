#include "CompareDialog.h"
#include "DifferenceText.h"
#include "TestSchedules.h"

#include <QTest>

#include <functional>
#include <limits>

using namespace korvelt;
using namespace korvelt::testing;

using Edit = std::function<void(ScheduleModel &window, ScheduleModel &device)>;
Q_DECLARE_METATYPE(Edit)

class TestCompareDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // One change between a default window and a device, and the one line it gives.
    void LineOfEachDifference_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("line");
        QTest::newRow("normal slot") << Edit([](ScheduleModel &w, ScheduleModel &d) {
            for (ScheduleModel *m : {&w, &d}) {
                TimeSlot &slot = m->NormalTimes.at(2).at(4);
                slot = {TimeOf(6, 0, 0), TimeOf(7, 0, 0), {0, 1, 0, 1, 0, 0, 0}};
            }
            d.NormalTimes.at(2).at(4).End = TimeOf(7, 30, 0);
        }) << "Output 3, Normal Times slot 5: window 06:00:00 to 07:00:00 Mon Wed, "
              "KORVELT 06:00:00 to 07:30:00 Mon Wed";
        QTest::newRow("normal days, a day byte that is not 1") << Edit([](ScheduleModel &, ScheduleModel &d) {
            d.NormalTimes.at(15).at(15).Days = {7, 0, 0, 0, 1, 0, 255};
        }) << "Output 16, Normal Times slot 16: window 12:00:00 to 12:00:00 no days, "
              "KORVELT 12:00:00 to 12:00:00 Sun Thur Sat";
        QTest::newRow("special slot, no days") << Edit([](ScheduleModel &, ScheduleModel &d) {
            d.SpecialTimes.at(0).at(1).Start = TimeOf(13, 0, 0);
        }) << "Output 1, Special Times slot 2: window 12:00:00 to 12:00:00, KORVELT 13:00:00 to 12:00:00";
        QTest::newRow("special slot, days alone") << Edit([](ScheduleModel &, ScheduleModel &d) {
            d.SpecialTimes.at(1).at(0).Days.at(2) = 1;
        }) << "Output 2, Special Times slot 1: window 12:00:00 to 12:00:00 no days, KORVELT 12:00:00 to 12:00:00 Tue";
        QTest::newRow("time the device cannot hold") << Edit([](ScheduleModel &w, ScheduleModel &) {
            w.NormalTimes.at(0).at(0).Start = std::numeric_limits<double>::quiet_NaN();
            w.NormalTimes.at(0).at(0).End = DateOf(2009, 11, 1) + TimeOf(13, 0, 0);
        }) << "Output 1, Normal Times slot 1: window (empty) to 01/11/2009 13:00:00 no days, "
              "KORVELT 12:00:00 to 12:00:00 no days";
        QTest::newRow("special date") << Edit([](ScheduleModel &, ScheduleModel &d) {
            d.SpecialDates.at(4) = DateOf(2009, 11, 2);
        }) << "Special date 5: window 01/11/2009, KORVELT 02/11/2009";
        QTest::newRow("special date not set") << Edit([](ScheduleModel &w, ScheduleModel &) {
            w.SpecialDates.at(15) = DateOf(1999, 11, 1);
        }) << "Special date 16: window (not set), KORVELT 01/11/2009";
        QTest::newRow("daylight saving") << Edit([](ScheduleModel &, ScheduleModel &d) {
            d.DaylightSaving = {.Enabled = 0, .AdvanceWeek = 0, .RetardWeek = 2, .AdvanceMonth = 1, .RetardMonth = 11};
        }) << "Daylight Saving: window on, Last Sunday of March to Last Sunday of October; "
              "KORVELT off, 1st Sunday of Febuary to 3rd Sunday of December";
        QTest::newRow("daylight saving, nothing chosen") << Edit([](ScheduleModel &, ScheduleModel &d) {
            d.DaylightSaving = {.AdvanceWeek = -1, .RetardWeek = 3, .AdvanceMonth = 0, .RetardMonth = 12};
        }) << "Daylight Saving: window on, Last Sunday of March to Last Sunday of October; "
              "KORVELT on, (not chosen) of January to 4th Sunday of (not chosen)";
    }
    void LineOfEachDifference()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, line);
        ScheduleModel window;
        ScheduleModel device;
        edit(window, device);
        QCOMPARE(DifferenceLines(window, device, CompareSchedules(window, device)), QStringList{line});
    }

    // The dialog over schedules with no, one and every difference, answered as a user does.
    void UserAnswers_data()
    {
        QTest::addColumn<int>("changes"); // 0, 1, or every place differs
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<bool>("take");
        QTest::newRow("identical, Close") << 0 << "CloseButton" << "Identical" << false;
        QTest::newRow("identical, Take is off") << 0 << "TakeButton" << "Identical" << false;
        QTest::newRow("one, Take") << 1 << "TakeButton" << "The KORVELT differs from the window in 1 place:" << true;
        QTest::newRow("all, Take") << 2 << "TakeButton" << "The KORVELT differs from the window in 529 places:" << true;
        QTest::newRow("all, Close") << 2 << "CloseButton" << "The KORVELT differs from the window in 529 places:"
                                    << false;
        QTest::newRow("all, Enter closes") << 2 << "Enter" << "The KORVELT differs from the window in 529 places:"
                                           << false;
        QTest::newRow("all, Escape") << 2 << "Escape" << "The KORVELT differs from the window in 529 places:"
                                     << false;
    }
    void UserAnswers()
    {
        QFETCH(int, changes);
        QFETCH(QString, answer);
        QFETCH(QString, heading);
        QFETCH(bool, take);
        const ScheduleModel window;
        ScheduleModel device = changes == 2 ? DistinctSchedule() : window;
        device.SpecialDates.at(0) += changes == 1 ? 1 : 0;
        const auto differences = CompareSchedules(window, device);
        CompareDialog dialog(window, device, differences);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Compare with KORVELT"));
        QCOMPARE(dialog.findChild<QLabel *>("HeadingLabel")->text(), heading);
        auto *list = dialog.findChild<QListWidget *>("DifferenceList");
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) {
            shown << list->item(i)->text();
        }
        QCOMPARE(shown, DifferenceLines(window, device, differences));
        QCOMPARE(list->isVisible(), changes != 0);
        auto *takeButton = dialog.findChild<QPushButton *>("TakeButton");
        QCOMPARE(takeButton->isEnabled(), changes != 0);

        if (answer.endsWith(QStringLiteral("Button"))) {
            QTest::mouseClick(dialog.findChild<QPushButton *>(answer), Qt::LeftButton);
        } else {
            QWidget *focus = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
            QTest::keyClick(focus, answer == QStringLiteral("Enter") ? Qt::Key_Return : Qt::Key_Escape);
        }
        // A click on a button that is off leaves the dialog open.
        QCOMPARE(dialog.isVisible(), answer == QStringLiteral("TakeButton") && changes == 0);
        QCOMPARE(dialog.TakeChosen(), take);
        if (!dialog.isVisible()) {
            QCOMPARE(dialog.result(), take ? QDialog::Accepted : QDialog::Rejected);
        }
    }
};

QTEST_MAIN(TestCompareDialog)
#include "test_comparedialog.moc"
