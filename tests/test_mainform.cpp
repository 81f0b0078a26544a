#include "CellText.h"
#include "GridDriver.h"
#include "MainFormFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QTest>

#include <cmath>
#include <limits>

using namespace korvelt;
using namespace korvelt::test;

namespace {

TDateTime Hms(int h, int m, int s)
{
    TDateTime value = 0;
    TryEncodeTime(h, m, s, 0, value);
    return value;
}

} // namespace

class TestMainForm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void FreshStart()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        QCOMPARE(form.windowTitle(), QStringLiteral("KORVELT Time Control Vesion: 1.00"));
        QCOMPARE(form.AdvPageControl1.currentWidget(), &form.TimesAdvTabSheet);
        QCOMPARE(form.AdvPageControl1.tabText(0), QStringLiteral("Times"));
        QCOMPARE(form.AdvPageControl1.tabText(1), QStringLiteral("Special Times"));
        QCOMPARE(form.AdvPageControl1.tabText(2), QStringLiteral("Daylight Saving"));
        QCOMPARE(form.OutputCSpinEdit.value(), 1);
        QCOMPARE(form.SpecialOutputCSpinEdit.value(), 1);
        QCOMPARE(form.AdvanceComboBox.currentText(), QStringLiteral("March"));
        QCOMPARE(form.RetardComboBox.currentText(), QStringLiteral("October"));
        QCOMPARE(form.AdvanceComboBox.count(), 12);
        QCOMPARE(form.AdvanceComboBox.itemText(1), QStringLiteral("Febuary"));
        QVERIFY(form.AdvanceRadioGroup.Item(4)->isChecked());
        QCOMPARE(form.AdvanceRadioGroup.Item(4)->text(), QStringLiteral("Last Sunday"));
        QVERIFY(form.RetardRadioGroup.Item(4)->isChecked());
        QVERIFY(form.EnableDaylightSavingCheckBox.isChecked());
        for (int r = 1; r <= 16; ++r) {
            QCOMPARE(form.TimesAdvStringGrid.Cell(1, r), QStringLiteral("12:00:00"));
            QCOMPARE(form.TimesAdvStringGrid.Cell(2, r), QStringLiteral("12:00:00"));
            for (int c = 3; c <= 9; ++c) {
                QCOMPARE(form.TimesAdvStringGrid.Cell(c, r), QStringLiteral("Off"));
            }
            QCOMPARE(form.SpecialTimesAdvStringGrid.Cell(1, r), QStringLiteral("12:00:00"));
            QCOMPARE(form.SpecialTimesAdvStringGrid.Cell(2, r), QStringLiteral("12:00:00"));
        }
        for (const auto &picker : form.SpecialDateDateTimePickers) {
            QCOMPARE(picker->date(), QDate(2009, 11, 1));
        }
        QVERIFY(form.LogMemo.isReadOnly());
        QVERIFY(form.LogMemo.toPlainText().isEmpty());
        QCOMPARE(QDateTime(form.SetDateDateTimePicker.date(), form.SetTimeDateTimePicker.time()),
                 MainFormFixture::FixedNow());
        form.StoreAllControls();
        QVERIFY(!form.ScheduleChanged());

        // Closing a fresh start asks nothing.
        QTest::mouseClick(&form.ExitButton, Qt::LeftButton);
        QVERIFY(f.dialogs->log.Questions.isEmpty());
        QVERIFY(!form.isVisible());
    }

    void EditSurvivesOutputSwitch()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        GridDriver grid(form.TimesAdvStringGrid);
        MainFormFixture::TypeInto(form.OutputCSpinEdit, QStringLiteral("2"));
        QCOMPARE(form.ShownOutput(), 1);
        QVERIFY(grid.TypeTime(1, 3, QStringLiteral("081500")));
        QVERIFY(grid.PickDay(4, 3, QStringLiteral("On")));
        QCOMPARE(form.TimesAdvStringGrid.Cell(1, 3), QStringLiteral("08:15:00"));

        MainFormFixture::TypeInto(form.OutputCSpinEdit, QStringLiteral("7"));
        QCOMPARE(form.ShownOutput(), 6);
        QCOMPARE(form.TimesAdvStringGrid.Cell(1, 3), QStringLiteral("12:00:00"));
        QCOMPARE(form.TimesAdvStringGrid.Cell(4, 3), QStringLiteral("Off"));
        QCOMPARE(form.Model().NormalTimes.at(1).at(2).Start, Hms(8, 15, 0));
        QCOMPARE(form.Model().NormalTimes.at(1).at(2).Days.at(1), std::uint8_t{1});

        MainFormFixture::TypeInto(form.OutputCSpinEdit, QStringLiteral("2"));
        QCOMPARE(form.TimesAdvStringGrid.Cell(1, 3), QStringLiteral("08:15:00"));
        QCOMPARE(form.TimesAdvStringGrid.Cell(4, 3), QStringLiteral("On"));
        form.StoreAllControls();
        QVERIFY(form.ScheduleChanged());
    }

    void SpecialOutputsSwitchOnTheirOwn()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        form.AdvPageControl1.setCurrentWidget(&form.SpecialTimesAdvTabSheet1);
        GridDriver grid(form.SpecialTimesAdvStringGrid);
        QVERIFY(grid.TypeTime(2, 16, QStringLiteral("235959")));
        MainFormFixture::TypeInto(form.SpecialOutputCSpinEdit, QStringLiteral("16"));
        QCOMPARE(form.ShownSpecialOutput(), 15);
        QCOMPARE(form.ShownOutput(), 0);
        QCOMPARE(form.Model().SpecialTimes.at(0).at(15).End, Hms(23, 59, 59));
        QCOMPARE(form.Model().NormalTimes.at(0).at(15).End, 0.5);
    }

    void TypedTimeIsStoredExactly()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        GridDriver grid(form.TimesAdvStringGrid);
        QVERIFY(grid.TypeTime(1, 1, QStringLiteral("133000")));
        MainFormFixture::TypeInto(form.OutputCSpinEdit, QStringLiteral("3"));
        QCOMPARE(form.Model().NormalTimes.at(0).at(0).Start, 0.5625);
        MainFormFixture::TypeInto(form.OutputCSpinEdit, QStringLiteral("1"));
        QCOMPARE(form.TimesAdvStringGrid.Cell(1, 1), QStringLiteral("13:30:00"));
    }

    void CellTextsThatAreNoTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("word") << "noon";
        QTest::newRow("empty") << "";
        QTest::newRow("hour 24") << "24:00:00";
    }
    void CellTextsThatAreNoTime()
    {
        QFETCH(QString, text);
        MainFormFixture f;
        TMainForm &form = *f.form;
        form.TimesAdvStringGrid.SetCell(2, 5, text);
        form.StoreAllControls();
        QCOMPARE(form.Model().NormalTimes.at(0).at(4).End, 0.5);
        QVERIFY(!form.ScheduleChanged());
        form.ShowAllControls();
        QCOMPARE(form.TimesAdvStringGrid.Cell(2, 5), QStringLiteral("12:00:00"));
    }

    void DayCellIsOnOnlyWhenExactlyOn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("flag");
        QTest::newRow("On") << "On" << 1;
        QTest::newRow("on") << "on" << 0;
        QTest::newRow("ON") << "ON" << 0;
        QTest::newRow("On with space") << "On " << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void DayCellIsOnOnlyWhenExactlyOn()
    {
        QFETCH(QString, text);
        QFETCH(int, flag);
        MainFormFixture f;
        f.form->TimesAdvStringGrid.SetCell(9, 16, text);
        f.form->StoreAllControls();
        QCOMPARE(int{f.form->Model().NormalTimes.at(0).at(15).Days.at(6)}, flag);
        QCOMPARE(f.form->ScheduleChanged(), flag == 1);
    }

    void ValuesTheControlsCannotShowComeBackUnchanged()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        ScheduleModel odd;
        odd.DaylightSaving = DaylightSavingRule{2, 7, -3, 99, -1};
        odd.NormalTimes.at(0).at(0).Start = std::numeric_limits<double>::quiet_NaN();
        odd.NormalTimes.at(0).at(1).Start = 0.5 + 0.25 / 86400; // a quarter of a second
        odd.NormalTimes.at(0).at(2).End = -0.25;
        odd.SpecialTimes.at(0).at(3).Start = 1e300;
        odd.SpecialDates.at(0) = 1e9;
        odd.SpecialDates.at(1) = 40118.5;
        odd.SpecialDates.at(2) = std::numeric_limits<double>::infinity();
        form.ReplaceModel(odd);
        form.TakeSnapshot();
        QVERIFY(form.AdvanceRadioGroup.ItemIndex() < 0);
        QVERIFY(form.AdvanceComboBox.currentText().isEmpty());
        form.StoreAllControls();
        QVERIFY(!form.ScheduleChanged());
        QCOMPARE(form.Model().DaylightSaving, odd.DaylightSaving);

        // A real pick changes what it picks, and nothing else.
        form.AdvPageControl1.setCurrentWidget(&form.DaylightSavingAdvTabSheet);
        QTest::mouseClick(form.AdvanceRadioGroup.Item(1), Qt::LeftButton);
        form.StoreAllControls();
        QCOMPARE(form.Model().DaylightSaving.AdvanceWeek, 1);
        QCOMPARE(form.Model().DaylightSaving.RetardWeek, -3);
        QCOMPARE(form.Model().DaylightSaving.AdvanceMonth, 99);
        QCOMPARE(form.Model().DaylightSaving.Enabled, std::uint8_t{2});
    }

    // A typed month that names no item never becomes the model's value: the box goes back to
    // the month it held. Item 1 is found by its usual spelling too.
    void MonthTypedIntoTheBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("shown");
        QTest::newRow("an item") << "May" << 4 << "May";
        QTest::newRow("other case") << "june" << 5 << "June";
        QTest::newRow("usual spelling") << "February" << 1 << "Febuary";
        QTest::newRow("the item's spelling, upper case") << "FEBUARY" << 1 << "Febuary";
        QTest::newRow("no month") << "Smarch" << 9 << "October";
    }
    void MonthTypedIntoTheBox()
    {
        QFETCH(QString, typed);
        QFETCH(int, month);
        QFETCH(QString, shown);
        for (const bool leaveBox : {false, true}) {
            MainFormFixture f;
            TMainForm &form = *f.form;
            form.AdvPageControl1.setCurrentWidget(&form.DaylightSavingAdvTabSheet);
            form.RetardComboBox.setFocus();
            QTest::keyClick(form.RetardComboBox.lineEdit(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(form.RetardComboBox.lineEdit(), typed);
            if (leaveBox) {
                QTest::keyClick(form.RetardComboBox.lineEdit(), Qt::Key_Tab);
                QCOMPARE(form.RetardComboBox.currentText(), shown);
            }
            form.StoreAllControls(); // what Save, Write and the close question do first
            QCOMPARE(form.Model().DaylightSaving.RetardMonth, month);
            QCOMPARE(form.RetardComboBox.currentText(), shown);
        }
    }

    // A special date the picker cannot show says so, is kept, and gives way to any date
    // picked, the first the picker can show included.
    void SpecialDatesThePickersCannotShow()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        ScheduleModel model;
        const std::array<double, 4> unshowable{36161.0 /* 1 Jan 1999 */, std::numeric_limits<double>::quiet_NaN(),
                                               0.0, 1e6};
        std::copy(unshowable.begin(), unshowable.end(), model.SpecialDates.begin());
        form.ReplaceModel(model);
        form.TakeSnapshot();
        for (std::size_t k = 0; k < unshowable.size(); ++k) {
            QCOMPARE(form.SpecialDateDateTimePickers.at(k)->text(), QStringLiteral("(not set)"));
        }
        QCOMPARE(form.SpecialDateDateTimePickers.at(4)->text(), QStringLiteral("01/11/2009"));
        form.StoreAllControls();
        QVERIFY(!form.ScheduleChanged());

        form.AdvPageControl1.setCurrentWidget(&form.SpecialTimesAdvTabSheet1);
        QDateEdit &picker = *form.SpecialDateDateTimePickers.at(0);
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(picker.width() - 6, picker.height() / 2)); // the arrow
        auto *calendar = QApplication::activePopupWidget() != nullptr
                             ? QApplication::activePopupWidget()->findChild<QCalendarWidget *>()
                             : nullptr;
        QVERIFY(calendar != nullptr);
        QTest::keyClick(calendar->focusWidget(), Qt::Key_Right);
        QTest::keyClick(calendar->focusWidget(), Qt::Key_Return);
        QCOMPARE(picker.text(), QStringLiteral("01/01/2000"));
        QCOMPARE(picker.minimumDate(), QDate(2000, 1, 1)); // "(not set)" cannot be picked
        form.StoreAllControls();
        QCOMPARE(form.Model().SpecialDates.at(0), 36526.0);
        QVERIFY(std::isnan(form.Model().SpecialDates.at(1)));
        QCOMPARE(form.Model().SpecialDates.at(3), 1e6);
    }

    void ExitWithChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("cancel keeps everything") << int(UserDialogs::Answer::Cancel) << false;
        QTest::newRow("no discards") << int(UserDialogs::Answer::No) << true;
    }
    void ExitWithChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        MainFormFixture f;
        TMainForm &form = *f.form;
        GridDriver grid(form.TimesAdvStringGrid);
        QVERIFY(grid.PickDay(3, 2, QStringLiteral("On")));
        f.dialogs->answers.push_back(static_cast<UserDialogs::Answer>(answer));
        QTest::mouseClick(&form.ExitButton, Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Questions, QStringList{QStringLiteral("Data has changed\nSave now?")});
        QCOMPARE(form.isVisible(), !closes);
        if (!closes) {
            QCOMPARE(form.TimesAdvStringGrid.Cell(3, 2), QStringLiteral("On"));
            QCOMPARE(form.Model().NormalTimes.at(0).at(1).Days.at(0), std::uint8_t{1});
        }
    }

    // Closing from the title bar (or Alt+F4) with an edit still open in a grid asks about it:
    // every path that stores the controls commits an open editor first. A text that is no
    // time stops the close, with the refusal's box, and the cell keeps its value.
    void OpenEditCountsOnClose_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("asked");
        QTest::newRow("a time") << "0630" << "06:30:00" << true;
        QTest::newRow("no time") << "6:3o" << "12:00:00" << false;
    }
    void OpenEditCountsOnClose()
    {
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        QFETCH(bool, asked);
        MainFormFixture f;
        TMainForm &form = *f.form;
        GridDriver grid(form.TimesAdvStringGrid);
        QVERIFY(grid.Type(1, 2, typed) != nullptr);
        f.dialogs->answers.push_back(UserDialogs::Answer::Cancel);
        QVERIFY(!form.close());
        QCOMPARE(f.dialogs->log.Questions.size(), asked ? 1 : 0);
        QCOMPARE(form.TimesAdvStringGrid.Cell(1, 2), cell);
        QCOMPARE(TimeToCellText(form.Model().NormalTimes.at(0).at(1).Start), cell);
        QTRY_COMPARE(f.dialogs->log.Errors.size(), asked ? 0 : 1);
    }

    void DatePickersHoldTheDeviceYearsOnly()
    {
        MainFormFixture f;
        for (QDateEdit *picker : {f.form->SpecialDateDateTimePickers.at(0).get(), &f.form->SetDateDateTimePicker}) {
            QCOMPARE(picker->minimumDate(), QDate(2000, 1, 1));
            QCOMPARE(picker->maximumDate(), QDate(2255, 12, 31));
        }
        f.form->SpecialDateDateTimePickers.at(5)->setDate(QDate(2010, 12, 25));
        f.form->StoreAllControls();
        QCOMPARE(f.form->Model().SpecialDates.at(5), 40537.0);
    }

    void ExceptionsInHandlersAreShown()
    {
        MainFormFixture f;
        f.form->Guarded([] { throw std::runtime_error("disk on fire"); });
        QCOMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("disk on fire")});
        QVERIFY(f.form->isVisible());
    }

    void EveryControlHasAnAccessibleName()
    {
        MainFormFixture f;
        const QList<QWidget *> widgets = f.form->findChildren<QWidget *>();
        int checked = 0;
        for (QWidget *widget : widgets) {
            const bool control = qobject_cast<QAbstractButton *>(widget) != nullptr ||
                                 qobject_cast<QAbstractSpinBox *>(widget) != nullptr ||
                                 qobject_cast<QComboBox *>(widget) != nullptr ||
                                 qobject_cast<QAbstractItemView *>(widget) != nullptr ||
                                 qobject_cast<QPlainTextEdit *>(widget) != nullptr;
            if (!control || widget->window() != f.form.get()) {
                continue;
            }
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(iface != nullptr, qPrintable(widget->objectName()));
            QVERIFY2(!iface->text(QAccessible::Name).isEmpty(),
                     qPrintable(QStringLiteral("%1 (%2) has no name").arg(widget->objectName(),
                                                                          widget->metaObject()->className())));
            ++checked;
        }
        QVERIFY(checked >= 40);
    }

    void TabReachesEveryPanelControl()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        form.LoadButton.setFocus();
        QSet<QWidget *> reached;
        for (int i = 0; i < 60; ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QList<QWidget *> wanted{&form.LoadButton,      &form.SaveButton,        &form.WriteButton,
                                      &form.ReadButton,      &form.ExitButton,        &form.SetTimeButton,
                                      &form.ReadTimeButton,  &form.UsePCTimeCheckBox, &form.TimesAdvStringGrid,
                                      &form.OutputCSpinEdit, &form.AdvPageControl1};
        for (QWidget *widget : wanted) {
            bool found = false;
            for (QWidget *focused : reached) {
                found = found || focused == widget || (focused != nullptr && widget->isAncestorOf(focused));
            }
            QVERIFY2(found, qPrintable(widget->objectName()));
        }
    }
};

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"
