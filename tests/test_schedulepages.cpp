// The schedule pages on their own: what they show, what they give back, and one Edited for
// each edit a user makes, named for the undo history.

#include "app/DaylightSavingPage.h"
#include "app/SpecialTimesPage.h"
#include "app/TimesPage.h"
#include "editor/GridSlots.h"
#include "GridDriver.h"
#include "ScriptedDialogs.h"
#include "text/QtDateTime.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

using namespace korvelt;
using namespace korvelt::test;

namespace {

ScheduleModel Defaults()
{
    ScheduleModel model;
    model.SetDefaultSchedule();
    return model;
}

QStringList Steps(const QSignalSpy &spy)
{
    QStringList steps;
    for (const QList<QVariant> &signal : spy) {
        steps << signal.at(0).toString();
    }
    return steps;
}

} // namespace

class TestSchedulePages : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // Each kind of edit of a slot page is one Edited, whatever number of cells it changes;
    // Show is none. What the page gives back is what it shows, for the output it shows.
    void SlotEdits_data() // clang-format off
    {
        QTest::addColumn<bool>("special");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("slot");    // a slot the edit changed, 0-based
        QTest::addColumn<double>("start"); // its start afterwards
        QTest::addColumn<bool>("sunday");  // its Sunday afterwards
        QTest::newRow("typed") << false << "type" << "Edit slot 3 of output 2" << 2 << 0.5625 << false;
        QTest::newRow("day picked") << false << "day" << "Edit slot 3 of output 2" << 2 << 0.5 << true;
        QTest::newRow("Set Days") << false << "all" << "Set Days of slot 3 of output 2" << 2 << 0.5 << true;
        QTest::newRow("pasted") << false << "paste" << "Paste 2 slots into output 2" << 5 << 0.25 << true;
        QTest::newRow("cleared") << false << "delete" << "Clear 2 slots of output 2" << 0 << 0.5 << false;
        QTest::newRow("special cleared") << true << "delete" << "Clear 2 special slots of output 2" << 1 << 0.5
                                         << false;
        QTest::newRow("special typed") << true << "type" << "Edit special slot 3 of output 2" << 2 << 0.5625 << false;
        QTest::newRow("special pasted") << true << "paste" << "Paste 2 special slots into output 2" << 5 << 0.25
                                        << false;
    } // clang-format on
    void SlotEdits()
    {
        QFETCH(bool, special);
        QFETCH(QString, edit);
        QFETCH(QString, step);
        QFETCH(int, slot);
        QFETCH(double, start);
        QFETCH(bool, sunday);
        ScriptedDialogs dialogs;
        SlotClipboard clipboard;
        TimesPage normalPage(clipboard, dialogs);
        SpecialTimesPage specialPage(clipboard, dialogs, [] { return QDate(2026, 12, 7); });
        SlotGridPage &page = special ? static_cast<SlotGridPage &>(specialPage) : normalPage;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy edited(&page, &SlotGridPage::Edited);

        ScheduleModel model = Defaults();
        OutputSlots &outputSlots = (special ? model.SpecialTimes : model.NormalTimes).at(1);
        outputSlots.at(0).Start = 0.25;
        outputSlots.at(0).Days.at(0) = 1;
        outputSlots.at(1).Start = 0.25;
        page.Show(model);
        page.OutputSelector().setValue(2);
        QCOMPARE(page.Grid().Cell(StartColumn, 1), QStringLiteral("06:00:00"));
        QVERIFY(edited.isEmpty());

        GridDriver driver(page.Grid());
        if (edit == QLatin1String("type")) {
            QVERIFY(driver.TypeTime(StartColumn, 3, QStringLiteral("13:30")));
        } else if (edit == QLatin1String("day")) {
            QVERIFY(driver.PickDay(FirstDayColumn, 3, QStringLiteral("On")));
        } else if (edit == QLatin1String("all")) {
            driver.Press(StartColumn, 3, Qt::RightButton);
            page.findChild<QAction *>(QStringLiteral("NormalTimesMenuAll"))->trigger();
        } else if (edit == QLatin1String("delete")) {
            QVERIFY(driver.Do(QStringLiteral("drag 1 2")));
            QTest::keyClick(&page.Grid(), Qt::Key_Delete);
        } else {
            page.Grid().setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);
            page.CopySlots();
            page.Grid().clearSelection();
            page.Grid().setCurrentCell(5, 0);
            page.PasteSlots();
        }
        QTRY_COMPARE(Steps(edited), QStringList{step});

        ScheduleModel peeked = Defaults();
        page.Peek(peeked);
        const OutputSlots &shown = (special ? peeked.SpecialTimes : peeked.NormalTimes).at(1);
        QCOMPARE(shown.at(static_cast<std::size_t>(slot)).Start, start);
        QCOMPARE(shown.at(static_cast<std::size_t>(slot)).Days.at(0) != 0, sunday);
        // Only the output shown is written.
        QCOMPARE((special ? peeked.SpecialTimes : peeked.NormalTimes).at(0), Defaults().NormalTimes.at(0));

        // Another output and back: the edit is still there, and switching is no edit.
        page.OutputSelector().setValue(5);
        page.OutputSelector().setValue(2);
        ScheduleModel stored = Defaults();
        QVERIFY(page.Store(stored));
        QCOMPARE((special ? stored.SpecialTimes : stored.NormalTimes).at(1).at(static_cast<std::size_t>(slot)).Start,
                 start);
        QCOMPARE(edited.count(), 1);
    }

    // A daylight-saving control changed by the user is one Edited; a value the controls
    // cannot show comes back as it was until its own control is changed.
    void DaylightSaving()
    {
        DaylightSavingPage page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy edited(&page, &DaylightSavingPage::Edited);
        ScheduleModel model = Defaults();
        model.DaylightSaving.Enabled = 7;
        model.DaylightSaving.AdvanceWeek = 9;
        model.DaylightSaving.RetardMonth = 40;
        page.Show(model);
        QVERIFY(edited.isEmpty());

        ScheduleModel peeked = Defaults();
        peeked.DaylightSaving = model.DaylightSaving;
        page.Peek(peeked);
        QCOMPARE(peeked.DaylightSaving.Enabled, 7);
        QCOMPARE(peeked.DaylightSaving.AdvanceWeek, 9);
        QCOMPARE(peeked.DaylightSaving.RetardMonth, 40);

        QTest::mouseClick(page.AdvanceGroup().Item(1), Qt::LeftButton);
        QCOMPARE(Steps(edited), QStringList{QStringLiteral("Change Daylight Saving")});
        page.RetardMonth().setCurrentIndex(3);
        QCOMPARE(edited.count(), 2);
        page.Peek(peeked);
        QCOMPARE(peeked.DaylightSaving.Enabled, 7);
        QCOMPARE(peeked.DaylightSaving.AdvanceWeek, 1);
        QCOMPARE(peeked.DaylightSaving.RetardMonth, 3);
    }

    // A date picked is one Edited naming its picker; "Holidays…" filling many is one. A date
    // no picker can show comes back as it was.
    void SpecialDates()
    {
        ScriptedDialogs dialogs;
        SpecialDatesBox box([] { return QDate(2026, 12, 7); }, dialogs);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy edited(&box, &SpecialDatesBox::Edited);
        ScheduleModel model = Defaults();
        model.SpecialDates.at(7) = std::numeric_limits<double>::quiet_NaN();
        box.Show(model);
        QVERIFY(edited.isEmpty());
        QCOMPARE(box.Picker(7).text(), QStringLiteral("(not set)"));

        box.Picker(2).setFocus();
        QTest::keyClick(&box.Picker(2), Qt::Key_Up);
        QTest::keyClick(&box.Picker(2), Qt::Key_Return);
        QCOMPARE(Steps(edited), QStringList{QStringLiteral("Change special date 3")});
        box.FillSpecialDates(
            {Holiday{FromQDate(QDate(2027, 1, 1)), "New Year"}, Holiday{FromQDate(QDate(2027, 12, 25)), "Christmas"}},
            FewerHolidays::KeepOthers);
        QCOMPARE(edited.count(), 2);
        QCOMPARE(edited.at(1).at(0).toString(), QStringLiteral("Fill Special Dates"));

        ScheduleModel stored = model;
        QVERIFY(box.Store(stored));
        QVERIFY(std::isnan(stored.SpecialDates.at(7)));
        QCOMPARE(stored.SpecialDates.at(0), FromQDate(QDate(2027, 1, 1)));
        QVERIFY(stored.SpecialDates.at(2) != model.SpecialDates.at(2));
    }
};

QTEST_MAIN(TestSchedulePages)
#include "test_schedulepages.moc"
