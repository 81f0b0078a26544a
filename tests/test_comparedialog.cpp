#include "app/CompareDialog.h"
#include "MainFormFixture.h"
#include "text/DifferenceText.h"
#include "TestSchedules.h"

#include <QTest>

#include <functional>
#include <limits>

using namespace korvelt;
using namespace korvelt::testing;

using Edit = std::function<void(ScheduleModel &window, ScheduleModel &device)>;
Q_DECLARE_METATYPE(Edit)
using WindowEdit = std::function<void(ScheduleModel &window)>;
Q_DECLARE_METATYPE(WindowEdit)
Q_DECLARE_METATYPE(korvelt::ScheduleDifference)

class TestCompareDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // Default schedules changed in one place, and the one line that place gives.
    void LineOfEachDifference_data() // clang-format off
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("line");
        const auto row = [](const char *name, const Edit &edit, const char *line) {
            QTest::newRow(name) << edit << QString::fromUtf8(line);
        };
        // Values the device cannot hold show as the window shows them.
        row("normal slot", [](auto &w, auto &d) {
            w.NormalTimes.at(2).at(4) = {std::numeric_limits<double>::quiet_NaN(), DateOf(2009, 11, 1) + 0.5,
                                         {0, 1, 0, 1, 0, 0, 0}};
            d.NormalTimes.at(2).at(4).Days = {7, 0, 0, 0, 1, 0, 255};
        }, "Output 3, Normal Times slot 5: window nan to 01/11/2009 12:00:00 Mon Wed, "
           "KORVELT 12:00:00 to 12:00:00 Sun Thur Sat");
        row("special slot", [](auto &, auto &d) { d.SpecialTimes.at(0).at(1).Start = TimeOf(13, 0, 0); },
            "Output 1, Special Times slot 2: window 12:00:00 to 12:00:00, KORVELT 13:00:00 to 12:00:00");
        row("special slot days", [](auto &, auto &d) { d.SpecialTimes.at(15).at(15).Days.at(2) = 1; },
            "Output 16, Special Times slot 16: window 12:00:00 to 12:00:00 no days, KORVELT 12:00:00 to 12:00:00 Tue");
        row("special date", [](auto &w, auto &d) {
            w.SpecialDates.at(4) = DateOf(1999, 11, 1);
            d.SpecialDates.at(4) = DateOf(2009, 11, 2);
        }, "Special date 5: window (not set), KORVELT 02/11/2009");
        row("daylight saving", [](auto &, auto &d) { d.DaylightSaving = {0, -1, 2, 1, 12}; },
            "Daylight Saving: window on, Last Sunday of March to Last Sunday of October; "
            "KORVELT off, (not chosen) of Febuary to 3rd Sunday of (not chosen)");
    } // clang-format on
    void LineOfEachDifference()
    {
        QFETCH(Edit, edit);
        QFETCH(QString, line);
        ScheduleModel window;
        ScheduleModel device;
        edit(window, device);
        QCOMPARE(DifferenceLines(window, device, CompareSchedules(window, device)), QStringList{line});
    }

    // The dialog over no, one and every difference, answered with a button or a key.
    void UserAnswers_data() // clang-format off
    {
        QTest::addColumn<int>("changes"); // 0, 1, or 2 for every place
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<bool>("take");
        const QString all = QStringLiteral("The KORVELT differs from the window in 529 places:");
        QTest::newRow("identical, Take is off") << 0 << "TakeButton" << "Identical" << false;
        QTest::newRow("one, Take") << 1 << "TakeButton" << "The KORVELT differs from the window in 1 place:" << true;
        QTest::newRow("all, Take") << 2 << "TakeButton" << all << true;
        QTest::newRow("all, Close") << 2 << "CloseButton" << all << false;
        QTest::newRow("all, Enter closes") << 2 << "Enter" << all << false;
        QTest::newRow("all, Escape") << 2 << "Escape" << all << false;
    } // clang-format on
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

        if (answer.endsWith(QStringLiteral("Button"))) {
            QTest::mouseClick(dialog.findChild<QPushButton *>(answer), Qt::LeftButton);
        } else {
            QTest::keyClick(dialog.focusWidget(), answer == QStringLiteral("Enter") ? Qt::Key_Return : Qt::Key_Escape);
        }
        // Take is off when there is nothing to take: a click on it leaves the dialog open.
        QCOMPARE(dialog.isVisible(), changes == 0);
        QCOMPARE(dialog.TakeChosen(), take);
    }

    // A click on a line closes the list and opens its place in the window, as a finding of
    // the Week page does: the slot's page on its output with the slot's row current, the
    // special date's picker, the daylight-saving page. The window's schedule differs from the
    // KORVELT's (which holds the defaults) in the place clicked and in one more.
    void LineLeadsToItsPlace_data() // clang-format off
    {
        QTest::addColumn<WindowEdit>("edit");
        QTest::addColumn<ScheduleDifference>("place");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("output"); // the output the page shows afterwards, 1-based
        QTest::addColumn<int>("row");    // the grid's current row (the slot's, below the headings); -1: no grid
        using Part = ScheduleDifference::Part;
        QTest::newRow("normal slot") << WindowEdit([](ScheduleModel &w) { w.NormalTimes.at(2).at(4).Start = TimeOf(8, 0, 0); })
                                     << ScheduleDifference{Part::NormalSlot, 2, 4} << "TimesAdvTabSheet"
                                     << "TimesAdvStringGrid" << 3 << 5;
        QTest::newRow("special slot") << WindowEdit([](ScheduleModel &w) { w.SpecialTimes.at(15).at(15).End = TimeOf(9, 0, 0); })
                                      << ScheduleDifference{Part::SpecialSlot, 15, 15} << "SpecialTimesAdvTabSheet1"
                                      << "SpecialTimesAdvStringGrid" << 16 << 16;
        QTest::newRow("special date") << WindowEdit([](ScheduleModel &w) { w.SpecialDates.at(4) = DateOf(2027, 5, 3); })
                                      << ScheduleDifference{Part::SpecialDate, -1, 4} << "SpecialTimesAdvTabSheet1"
                                      << "SpecialDateDateTimePicker5" << 1 << -1;
        QTest::newRow("daylight saving") << WindowEdit([](ScheduleModel &w) { w.DaylightSaving.Enabled = 0; })
                                         << ScheduleDifference{Part::DaylightSaving, -1, -1}
                                         << "DaylightSavingAdvTabSheet" << "EnableDaylightSavingCheckBox" << 1 << -1;
    } // clang-format on
    void LineLeadsToItsPlace()
    {
        QFETCH(WindowEdit, edit);
        QFETCH(ScheduleDifference, place);
        QFETCH(QString, page);
        QFETCH(QString, focus);
        QFETCH(int, output);
        QFETCH(int, row);
        ScheduleModel window;
        edit(window);
        window.NormalTimes.at(0).at(0).Days.at(3) = 1; // one more place, before or after
        const ScheduleModel device;
        const auto differences = CompareSchedules(window, device);
        QCOMPARE(differences.size(), std::size_t{2});
        const auto line =
            static_cast<std::size_t>(std::find(differences.begin(), differences.end(), place) - differences.begin());
        QVERIFY(line < differences.size());

        // The dialog: a click on the line.
        CompareDialog dialog(window, device, differences);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *list = dialog.findChild<QListWidget *>("DifferenceList");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(static_cast<int>(line))).center());
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.Chosen().Chosen == UserDialogs::Comparison::Choice::GoTo);
        QCOMPARE(dialog.Chosen().Place, place);
        QVERIFY(!dialog.TakeChosen());

        // The window: Compare with KORVELT, the same line chosen.
        auto backend = std::make_shared<SimulatedHidBackend>();
        backend->AddKorvelt();
        test::MainFormFixture f(backend);
        f.form->ReplaceModel(window);
        f.dialogs->compareLine = line;
        QTest::mouseClick(&f.Find<QPushButton>("CompareButton"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Comparisons.size(), std::size_t{1});
        QVERIFY(f.dialogs->log.Comparisons.front() == differences);
        QTRY_VERIFY(!f.form->Session().Busy());
        QCOMPARE(f.Find<QTabWidget>("AdvPageControl1").currentWidget(), &f.Find<QWidget>(page));
        QCOMPARE(f.form->focusWidget(), &f.Find<QWidget>(focus));
        const bool special = page == QStringLiteral("SpecialTimesAdvTabSheet1");
        QCOMPARE(f.Find<QSpinBox>(special ? "SpecialOutputCSpinEdit" : "OutputCSpinEdit").value(), output);
        if (row >= 0) {
            QCOMPARE(f.Find<TimeGrid>(focus).CurrentRow(), row);
        }
        // Nothing was taken: the window's schedule stays.
        QVERIFY(SameSchedule(f.form->Model(), window));
    }
};

QTEST_MAIN(TestCompareDialog)
#include "test_comparedialog.moc"
