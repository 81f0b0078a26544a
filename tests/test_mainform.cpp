#include "CellText.h"
#include "GridDriver.h"
#include "MainFormFixture.h"
#include "RadioGroup.h"
#include "TestSchedules.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QTest>

#include <limits>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;

class TestMainForm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void FreshStart()
    {
        MainFormFixture f;
        QCOMPARE(f.form->windowTitle(), QStringLiteral("KORVELT Time Control Vesion: 1.00"));
        auto &pages = f.Find<QTabWidget>("AdvPageControl1");
        QCOMPARE(pages.currentWidget(), &f.Find<QWidget>("TimesAdvTabSheet"));
        QCOMPARE((QStringList{pages.tabText(0), pages.tabText(1), pages.tabText(2)}),
                 (QStringList{"Times", "Special Times", "Daylight Saving"}));
        QCOMPARE(f.Find<QSpinBox>("OutputCSpinEdit").value(), 1);
        QCOMPARE(f.Find<QSpinBox>("SpecialOutputCSpinEdit").value(), 1);
        QCOMPARE(f.Find<QComboBox>("AdvanceComboBox").currentText(), QStringLiteral("March"));
        QCOMPARE(f.Find<QComboBox>("RetardComboBox").currentText(), QStringLiteral("October"));
        QCOMPARE(f.Find<QComboBox>("RetardComboBox").count(), 12);
        QCOMPARE(f.Find<QComboBox>("RetardComboBox").itemText(1), QStringLiteral("Febuary"));
        for (const char *name : {"AdvanceRadioGroup", "RetardRadioGroup"}) {
            QCOMPARE(f.Find<RadioGroup>(name).ItemIndex(), 4);
            QCOMPARE(f.Find<RadioGroup>(name).Item(4)->text(), QStringLiteral("Last Sunday"));
        }
        QVERIFY(f.Find<QCheckBox>("EnableDaylightSavingCheckBox").isChecked());
        // Both grids: a header row and a slot column, then output 1's slots.
        const auto &normal = f.Find<TimeGrid>("TimesAdvStringGrid");
        const auto &special = f.Find<TimeGrid>("SpecialTimesAdvStringGrid");
        QCOMPARE(QSize(normal.GridColCount(), normal.GridRowCount()), QSize(10, 17));
        QCOMPARE(QSize(special.GridColCount(), special.GridRowCount()), QSize(3, 17));
        for (int r = 0; r <= 16; ++r) {
            QStringList texts{special.Cell(0, r), special.Cell(1, r), special.Cell(2, r)};
            for (int c = 0; c <= 9; ++c) {
                texts << normal.Cell(c, r);
            }
            QCOMPARE(texts.join(' '),
                     r == 0 ? QStringLiteral("Slot Start End Slot Start End Sun Mon Tue Wed Thur Fri Sat")
                            : QStringLiteral("%1 12:00:00 12:00:00 %1 12:00:00 12:00:00 Off Off Off Off Off Off Off")
                                  .arg(r));
            if (r == 0) {
                continue;
            }
            const auto &picker = f.Find<QDateEdit>(QStringLiteral("SpecialDateDateTimePicker%1").arg(r));
            QCOMPARE(picker.date(), QDate(2009, 11, 1));
            QCOMPARE(picker.minimumDate(), QDate(2000, 1, 1));
            QCOMPARE(picker.maximumDate(), QDate(2255, 12, 31));
        }
        QVERIFY(f.Find<QPlainTextEdit>("LogMemo").isReadOnly());
        QVERIFY(f.Find<QPlainTextEdit>("LogMemo").toPlainText().isEmpty());

        // The clock pickers show the PC clock; "Use PC Time" hands the clock to them and back.
        auto &date = f.Find<QDateEdit>("SetDateDateTimePicker");
        auto &time = f.Find<QTimeEdit>("SetTimeDateTimePicker");
        QCOMPARE(date.maximumDate(), QDate(2255, 12, 31));
        QCOMPARE(QDateTime(date.date(), time.time()), MainFormFixture::FixedNow());
        for (const bool pickers : {true, false, true}) {
            QTest::mouseClick(&f.Find<QCheckBox>("UsePCTimeCheckBox"), Qt::LeftButton, {}, QPoint(6, 8));
            QCOMPARE(date.isEnabled(), pickers);
            QCOMPARE(time.isEnabled(), pickers);
            QCOMPARE(QDateTime(date.date(), time.time()), MainFormFixture::FixedNow());
        }

        // The pages take what the command panel along the bottom leaves of the window.
        QCOMPARE(f.form->size(), QSize(812, 550));
        QCOMPARE(f.Find<QWidget>("Panel1").geometry(), QRect(0, 416, 812, 134));
        f.form->resize(1000, 700);
        QTRY_COMPARE(f.Find<QWidget>("Panel1").geometry(), QRect(0, 566, 1000, 134));
        QCOMPARE(pages.geometry(), QRect(0, 0, 1000, 566));

        // A fresh start counts as unchanged: closing asks nothing.
        QTest::mouseClick(&f.Find<QPushButton>("ExitButton"), Qt::LeftButton);
        QVERIFY(f.dialogs->log.Questions.isEmpty());
        QVERIFY(!f.form->isVisible());
    }

    // A selector stores its grid into the output shown so far, then shows the output chosen;
    // the other grid and its output stay as they were.
    void OutputSelectorsStoreAndShow_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("selector");
        QTest::newRow("normal times") << "TimesAdvTabSheet" << "TimesAdvStringGrid" << "OutputCSpinEdit";
        QTest::newRow("special times") << "SpecialTimesAdvTabSheet1" << "SpecialTimesAdvStringGrid"
                                       << "SpecialOutputCSpinEdit";
    }
    void OutputSelectorsStoreAndShow()
    {
        QFETCH(QString, page);
        QFETCH(QString, grid);
        QFETCH(QString, selector);
        const bool normal = selector == "OutputCSpinEdit";
        MainFormFixture f;
        f.ShowPage(page);
        auto &cells = f.Find<TimeGrid>(grid);
        auto &spin = f.Find<QSpinBox>(selector);
        GridDriver driver(cells);
        MainFormFixture::TypeInto(spin, QStringLiteral("2"));
        QVERIFY(driver.TypeTime(2, 16, QStringLiteral("081500")));
        QVERIFY(!normal || driver.PickDay(4, 16, QStringLiteral("On")));

        MainFormFixture::TypeInto(spin, QStringLiteral("7"));
        QCOMPARE(normal ? f.form->ShownOutput() : f.form->ShownSpecialOutput(), 6);
        QCOMPARE(normal ? f.form->ShownSpecialOutput() : f.form->ShownOutput(), 0);
        QCOMPARE(cells.Cell(2, 16), QStringLiteral("12:00:00"));
        QVERIFY(!normal || cells.Cell(4, 16) == QStringLiteral("Off"));
        const ScheduleModel &model = f.form->Model();
        const TimeSlot &stored = (normal ? model.NormalTimes : model.SpecialTimes).at(1).at(15);
        QCOMPARE(stored.End, 8.25 / 24);
        QCOMPARE(stored.Days.at(1), std::uint8_t(normal ? 1 : 0));
        QCOMPARE((normal ? model.SpecialTimes : model.NormalTimes).at(1).at(15).End, 0.5);

        MainFormFixture::TypeInto(spin, QStringLiteral("2"));
        QCOMPARE(cells.Cell(2, 16), QStringLiteral("08:15:00"));
        QVERIFY(!normal || cells.Cell(4, 16) == QStringLiteral("On"));
    }

    // A cell gives the model a time only when its text is one, and a day is on only when its
    // cell says exactly "On"; showing the model puts its own text back.
    void StoringCellTexts_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // of End, or of Saturday in column 9
        QTest::addColumn<QString>("shown");
        QTest::newRow("a time") << 2 << "13:30:00" << 0.5625 << "13:30:00";
        QTest::newRow("a word") << 2 << "noon" << 0.5 << "12:00:00";
        QTest::newRow("empty") << 2 << "" << 0.5 << "12:00:00";
        QTest::newRow("hour 24") << 2 << "24:00:00" << 0.5 << "12:00:00";
        QTest::newRow("On") << 9 << "On" << 1.0 << "On";
        QTest::newRow("on") << 9 << "on" << 0.0 << "Off";
        QTest::newRow("On and a space") << 9 << "On " << 0.0 << "Off";
    }
    void StoringCellTexts()
    {
        QFETCH(int, col);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(QString, shown);
        MainFormFixture f;
        auto &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        grid.SetCell(col, 16, text);
        f.form->StoreAllControls();
        const TimeSlot &slot = f.form->Model().NormalTimes.at(0).at(15);
        QCOMPARE(col == 2 ? slot.End : static_cast<double>(slot.Days.at(6)), value);
        QCOMPARE(f.form->ScheduleChanged(), value != (col == 2 ? 0.5 : 0.0));
        f.form->ShowAllControls();
        QCOMPARE(grid.Cell(col, 16), shown);
    }

    // Values the controls cannot show as they are (from a file or the device) come back
    // unchanged; a pick changes what it picks and nothing else.
    void UnshowableValuesAreKeptUntilPicked()
    {
        MainFormFixture f;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        ScheduleModel odd;
        odd.DaylightSaving = DaylightSavingRule{2, 7, -3, 99, -1};
        odd.NormalTimes.at(0).at(0).Start = nan;
        odd.NormalTimes.at(0).at(1).Start = 0.5 + 0.25 / 86400; // a quarter of a second
        odd.NormalTimes.at(0).at(2).End = -0.25;
        odd.NormalTimes.at(0).at(3).End = 1e308;
        odd.SpecialTimes.at(0).at(0).Start = -0.0;
        odd.SpecialTimes.at(0).at(3).Start = 1e300;
        odd.SpecialTimes.at(0).at(4).Days.at(2) = 1; // the special grid has no day cells
        const std::array<double, 7> dates{36161.0 /* 1 Jan 1999 */, nan, 0.0, 1e6,
                                          std::numeric_limits<double>::infinity(), -5.0, 40118.75};
        std::copy(dates.begin(), dates.end(), odd.SpecialDates.begin());
        f.form->ReplaceModel(odd);
        f.form->TakeSnapshot();
        for (int k = 1; k <= 7; ++k) {
            QCOMPARE(f.Find<QDateEdit>(QStringLiteral("SpecialDateDateTimePicker%1").arg(k)).text(),
                     k < 7 ? QStringLiteral("(not set)") : QStringLiteral("01/11/2009"));
        }
        QCOMPARE(f.Find<RadioGroup>("AdvanceRadioGroup").ItemIndex(), -1);
        QCOMPARE(f.Find<QComboBox>("AdvanceComboBox").currentText(), QString());
        f.form->StoreAllControls();
        QVERIFY(!f.form->ScheduleChanged());

        f.ShowPage("DaylightSavingAdvTabSheet");
        QTest::mouseClick(f.Find<RadioGroup>("AdvanceRadioGroup").Item(1), Qt::LeftButton);
        f.ShowPage("SpecialTimesAdvTabSheet1");
        auto &picker = f.Find<QDateEdit>("SpecialDateDateTimePicker1");
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(picker.width() - 6, picker.height() / 2)); // the arrow
        auto *calendar = QApplication::activePopupWidget() != nullptr
                             ? QApplication::activePopupWidget()->findChild<QCalendarWidget *>()
                             : nullptr;
        QVERIFY(calendar != nullptr);
        QTest::keyClick(calendar->focusWidget(), Qt::Key_Right); // from the day before the first
        QTest::keyClick(calendar->focusWidget(), Qt::Key_Return);
        QCOMPARE(picker.text(), QStringLiteral("01/01/2000"));
        QCOMPARE(picker.minimumDate(), QDate(2000, 1, 1)); // "(not set)" cannot be picked again
        f.form->StoreAllControls();
        ScheduleModel picked = odd;
        picked.DaylightSaving.AdvanceWeek = 1;
        picked.SpecialDates.at(0) = 36526.0;
        QVERIFY(SameSchedule(f.form->Model(), picked));
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
            f.ShowPage("DaylightSavingAdvTabSheet");
            auto &box = f.Find<QComboBox>("RetardComboBox");
            box.setFocus();
            QTest::keyClick(box.lineEdit(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box.lineEdit(), typed);
            if (leaveBox) {
                QTest::keyClick(box.lineEdit(), Qt::Key_Tab);
                QCOMPARE(box.currentText(), shown);
            }
            f.form->StoreAllControls(); // what Save, Write and the close question do first
            QCOMPARE(f.form->Model().DaylightSaving.RetardMonth, month);
            QCOMPARE(box.currentText(), shown);
        }
    }

    // Closing from the title bar with an edit still open in a grid asks about it: every path
    // that stores the controls commits an open editor first. A text that is no time stops
    // the close, with the refusal's box, and the cell keeps its value.
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
        auto &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        QVERIFY(GridDriver(grid).Type(1, 2, typed) != nullptr);
        f.dialogs->answers.push_back(UserDialogs::Answer::Cancel);
        QVERIFY(!f.form->close());
        QCOMPARE(f.dialogs->log.Questions.size(), asked ? 1 : 0);
        QCOMPARE(grid.Cell(1, 2), cell);
        QCOMPARE(TimeToCellText(f.form->Model().NormalTimes.at(0).at(1).Start), cell);
        QTRY_COMPARE(f.dialogs->log.Errors.size(), asked ? 0 : 1);
    }

    // Every control has a name for screen readers, and Tab reaches every command.
    void KeyboardAndScreenReaders()
    {
        MainFormFixture f;
        int named = 0;
        for (QWidget *widget : f.form->findChildren<QWidget *>()) {
            const bool control = qobject_cast<QAbstractButton *>(widget) != nullptr ||
                                 qobject_cast<QAbstractSpinBox *>(widget) != nullptr ||
                                 qobject_cast<QComboBox *>(widget) != nullptr ||
                                 qobject_cast<QAbstractItemView *>(widget) != nullptr ||
                                 qobject_cast<QPlainTextEdit *>(widget) != nullptr;
            if (control && widget->window() == f.form.get()) {
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
                QVERIFY2(iface != nullptr && !iface->text(QAccessible::Name).isEmpty(),
                         qPrintable(QStringLiteral("%1 (%2) has no name").arg(widget->objectName(),
                                                                              widget->metaObject()->className())));
                ++named;
            }
        }
        QVERIFY(named >= 40);

        f.Find<QPushButton>("LoadButton").setFocus();
        QSet<QWidget *> reached;
        for (int i = 0; i < 60; ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (const char *name : {"LoadButton", "SaveButton", "WriteButton", "ReadButton", "ExitButton",
                                 "SetTimeButton", "ReadTimeButton", "UsePCTimeCheckBox", "TimesAdvStringGrid",
                                 "OutputCSpinEdit", "AdvPageControl1"}) {
            QWidget &widget = f.Find<QWidget>(name);
            const bool found = std::any_of(reached.begin(), reached.end(), [&widget](QWidget *focused) {
                return focused == &widget || (focused != nullptr && widget.isAncestorOf(focused));
            });
            QVERIFY2(found, name);
        }
    }
};

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"
