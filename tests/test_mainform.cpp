#include "GridDriver.h"
#include "MainFormFixture.h"
#include "app/RadioGroup.h"
#include "text/QtDateTime.h"
#include "TestSchedules.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
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
        QCOMPARE(f.Find<QComboBox>("AdvanceComboBox").currentText(), QStringLiteral("March"));
        QCOMPARE(f.Find<RadioGroup>("AdvanceRadioGroup").ItemIndex(), 4);
        QCOMPARE(f.Find<RadioGroup>("RetardRadioGroup").ItemIndex(), 4);
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
            QCOMPARE(
                texts.join(' '),
                r == 0
                    ? QStringLiteral("Slot Start End Slot Start End Sun Mon Tue Wed Thur Fri Sat")
                    : QStringLiteral("%1 12:00:00 12:00:00 %1 12:00:00 12:00:00 Off Off Off Off Off Off Off").arg(r));
            if (r == 0) {
                continue;
            }
            const auto &picker = f.Find<QDateEdit>(QStringLiteral("SpecialDateDateTimePicker%1").arg(r));
            QCOMPARE(picker.date(), QDate(2009, 11, 1));
            QCOMPARE(picker.maximumDate(), QDate(2255, 12, 31));
        }

        auto &date = f.Find<QDateEdit>("SetDateDateTimePicker");
        QCOMPARE(date.maximumDate(), QDate(2255, 12, 31));
        QCOMPARE(QDateTime(date.date(), f.Find<QTimeEdit>("SetTimeDateTimePicker").time()),
                 MainFormFixture::FixedNow());

        // The pages take what the command panel along the bottom leaves of the window.
        QCOMPARE(f.Find<QWidget>("Panel1").geometry(), QRect(0, 416, 812, 180));
        QCOMPARE(pages.geometry(), QRect(0, 0, 812, 416));
        // Larger, the grids take the room; the selectors stay under their middle.
        const QWidget &grid = normal;
        QCOMPARE(grid.geometry(), QRect(24, 42, 705, 307));
        QCOMPARE(special.geometry(), QRect(56, 32, 205, 297));
        f.form->resize(1000, 700);
        QTRY_COMPARE(f.Find<QWidget>("Panel1").geometry(), QRect(0, 520, 1000, 180));
        QCOMPARE(pages.geometry(), QRect(0, 0, 1000, 520));
        QCOMPARE(grid.geometry(), QRect(24, 42, 705 + 188, 307 + 104));
        QCOMPARE(special.geometry(), QRect(56, 32, 205 + 94, 297 + 104));
        QCOMPARE(f.Find<QWidget>("OutputCSpinEdit").pos(), QPoint(360 + 94, 354 + 104));
        QCOMPARE(f.Find<QWidget>("GroupBox2").pos(), QPoint(284 + 94, 32));
        // Smaller than designed it cannot be made.
        f.form->resize(600, 400);
        QTRY_COMPARE(f.form->size(), QSize(812, 596));
        QCOMPARE(grid.geometry(), QRect(24, 42, 705, 307));

        // Every control has a name that a screen reader can say.
        const std::array kinds{"QAbstractButton", "QAbstractSpinBox", "QComboBox", "QAbstractItemView",
                               "QPlainTextEdit"};
        int named = 0;
        for (QWidget *widget : f.form->findChildren<QWidget *>()) {
            const auto isA = [widget](const char *kind) { return widget->inherits(kind); };
            if (widget->window() == f.form.get() && std::ranges::any_of(kinds, isA)) {
                QAccessibleInterface *control = QAccessible::queryAccessibleInterface(widget);
                QVERIFY2(control != nullptr && !control->text(QAccessible::Name).isEmpty(),
                         qPrintable(widget->objectName()));
                ++named;
            }
        }
        QVERIFY(named >= 40);

        // A fresh start counts as unchanged: closing asks nothing.
        QTest::mouseClick(&f.Find<QPushButton>("ExitButton"), Qt::LeftButton);
        QVERIFY(f.dialogs->log.Questions.isEmpty());
        QVERIFY(!f.form->isVisible());
    }

    // A selector stores its grid into the output shown so far, then shows the output chosen;
    // the other grid and its outputs stay as they were. A day is on only when its cell says
    // exactly "On".
    void OutputSelectorsStoreAndShow()
    {
        MainFormFixture f;
        auto &normal = f.Find<TimeGrid>("TimesAdvStringGrid");
        auto &special = f.Find<TimeGrid>("SpecialTimesAdvStringGrid");
        auto &normalOutput = f.Find<QSpinBox>("OutputCSpinEdit");
        auto &specialOutput = f.Find<QSpinBox>("SpecialOutputCSpinEdit");
        MainFormFixture::TypeInto(normalOutput, QStringLiteral("2"));
        QVERIFY(GridDriver(normal).TypeTime(2, 16, QStringLiteral("081500")));
        const QStringList days{"On", "on", "ON", "On ", "Off", "", "On"};
        for (int d = 0; d < 7; ++d) {
            normal.SetCell(3 + d, 16, days.at(d));
        }
        f.ShowPage("SpecialTimesAdvTabSheet1");
        MainFormFixture::TypeInto(specialOutput, QStringLiteral("3"));
        QVERIFY(GridDriver(special).TypeTime(1, 16, QStringLiteral("0930")));
        MainFormFixture::TypeInto(specialOutput, QStringLiteral("7"));
        MainFormFixture::TypeInto(normalOutput, QStringLiteral("7"));
        QCOMPARE((QStringList{normal.Cell(2, 16), normal.Cell(3, 16), special.Cell(1, 16)}),
                 (QStringList{"12:00:00", "Off", "12:00:00"}));
        const ScheduleModel &model = f.form->Model();
        QCOMPARE(model.NormalTimes.at(1).at(15).End, 8.25 / 24);
        QCOMPARE(model.NormalTimes.at(1).at(15).Days, (std::array<std::uint8_t, 7>{1, 0, 0, 0, 0, 0, 1}));
        QCOMPARE(model.SpecialTimes.at(2).at(15).Start, 9.5 / 24);
        QCOMPARE(model.NormalTimes.at(2).at(15).Start, 0.5);
        QCOMPARE(model.SpecialTimes.at(1).at(15).End, 0.5);

        MainFormFixture::TypeInto(normalOutput, QStringLiteral("2"));
        QCOMPARE((QStringList{normal.Cell(2, 16), normal.Cell(3, 16), normal.Cell(4, 16)}),
                 (QStringList{"08:15:00", "On", "Off"}));
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
        odd.SpecialTimes.at(0).at(3).Start = 1e300;
        odd.SpecialTimes.at(0).at(4).Days.at(2) = 1; // the special grid has no day cells
        const std::array<double, 7> dates{
            36161.0 /* 1 Jan 1999 */, nan, 0.0, 1e6, std::numeric_limits<double>::infinity(), -5.0, 40118.75};
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
        // It opens at today (6 December 2026), which is not taken until it is picked.
        QCOMPARE(calendar->selectedDate(), QDate(2026, 12, 6));
        QCOMPARE(picker.text(), QStringLiteral("(not set)"));
        QTest::keyClick(calendar->focusWidget(), Qt::Key_Right);
        QTest::keyClick(calendar->focusWidget(), Qt::Key_Return);
        QCOMPARE(picker.text(), QStringLiteral("07/12/2026"));
        QCOMPARE(picker.minimumDate(), QDate(2000, 1, 1)); // "(not set)" cannot be picked again
        f.form->StoreAllControls();
        ScheduleModel picked = odd;
        picked.DaylightSaving.AdvanceWeek = 1;
        picked.SpecialDates.at(0) = DateOf(2026, 12, 7);
        QVERIFY(SameSchedule(f.form->Model(), picked));
    }

    // A typed month that names no item never becomes the model's value: the box goes back to
    // the month it held. Item 1 is found by its usual spelling too.
    void MonthTypedIntoTheBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("shown");
        QTest::newRow("other case") << "june" << 5 << "June";
        QTest::newRow("usual spelling") << "February" << 1 << "Febuary";
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

    // A special-date picker stores exactly the date typed, or refuses it with a box naming
    // it and keeps its date: typed key by key in each locale's order, ended with Enter, Tab
    // or Escape (which drops it).
    void PickerTyping_data() // clang-format off
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("start"); // invalid: the picker shows "(not set)"
        QTest::addColumn<int>("part");    // the part of the date typing starts in
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("ending");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("refusal");
        const QDate start(2027, 1, 15);
        const int enter = Qt::Key_Return;
        const auto refused = [](const QString &typed, const QString &why, const QString &kept) {
            return QStringLiteral("Special date 3: %1 %2. It keeps %3.").arg(typed, why, kept);
        };
        const QString notADate = QStringLiteral("is not a date");
        const QString gb = QStringLiteral("15/01/2027");
        QTest::newRow("gb 6/1/28") << "en_GB" << start << 0 << "6/1/28" << enter << QDate(2028, 1, 6) << "";
        QTest::newRow("gb 2/2/28") << "en_GB" << start << 0 << "2/2/28" << enter << QDate(2028, 2, 2) << "";
        QTest::newRow("gb 1/1/1999") << "en_GB" << start << 0 << "1/1/1999" << enter << start
                                     << refused("1/1/1999", "is outside the years 2000 to 2255", gb);
        QTest::newRow("gb ISO") << "en_GB" << start << 0 << "2027-12-31" << enter << QDate(2027, 12, 31) << "";
        QTest::newRow("gb 29022027") << "en_GB" << start << 0 << "29022027" << enter << start
                                     << refused("29022027", notADate, gb);
        QTest::newRow("gb 29022028") << "en_GB" << start << 0 << "29022028" << int(Qt::Key_Tab) << QDate(2028, 2, 29)
                                     << "";
        QTest::newRow("gb 31 then 11") << "en_GB" << start << 0 << "3111" << enter << start << refused("3111", notADate, gb);
        QTest::newRow("gb 31/04/2028") << "en_GB" << start << 0 << "31/04/2028" << enter << start
                                       << refused("31/04/2028", notADate, gb);
        QTest::newRow("gb day only") << "en_GB" << start << 0 << "25" << int(Qt::Key_Tab) << QDate(2027, 1, 25) << "";
        QTest::newRow("gb words") << "en_GB" << start << 0 << "next week" << enter << start
                                  << refused("next week", notADate, gb);
        QTest::newRow("gb year part") << "en_GB" << start << 2 << "2030" << enter << QDate(2030, 1, 15) << "";
        QTest::newRow("gb two-digit year part") << "en_GB" << start << 2 << "31" << enter << QDate(2031, 1, 15) << "";
        QTest::newRow("gb Escape drops") << "en_GB" << start << 0 << "6/1/28" << int(Qt::Key_Escape) << start << "";
        QTest::newRow("gb (not set) from today") << "en_GB" << QDate() << 0 << "25" << enter << QDate(2026, 12, 25) << "";
        QTest::newRow("gb (not set) kept") << "en_GB" << QDate() << 0 << "32" << enter << QDate()
                                           << refused("32", notADate, "(not set)");
        QTest::newRow("us 7/4/28") << "en_US" << start << 0 << "7/4/28" << enter << QDate(2028, 7, 4) << "";
        QTest::newRow("us ISO") << "en_US" << start << 0 << "2028-07-04" << enter << QDate(2028, 7, 4) << "";
        QTest::newRow("us 2/30/2028") << "en_US" << start << 0 << "2/30/2028" << enter << start
                                      << refused("2/30/2028", notADate, "1/15/2027");
        QTest::newRow("de 31.4.2028") << "de_DE" << start << 0 << "31.4.2028" << enter << start
                                      << refused("31.4.2028", notADate, "15.01.2027");
        QTest::newRow("de 1.5.28") << "de_DE" << start << 0 << "1.5.28" << enter << QDate(2028, 5, 1) << "";
        QTest::newRow("de ISO") << "de_DE" << start << 0 << "2028-05-01" << enter << QDate(2028, 5, 1) << "";
        QTest::newRow("de year 2256") << "de_DE" << start << 2 << "2256" << enter << start
                                      << refused("15.01.2256", "is outside the years 2000 to 2255", "15.01.2027");
        // Keys typed quickly reach the picker as one key event with several characters ("|"
        // between the events), and an input method ("im:") hands over its text at once: both
        // are typing like single keys.
        const QString us31 = refused("4/31/2028", notADate, "1/15/2027");
        QTest::newRow("us keys together") << "en_US" << start << 0 << "7/|4/28" << enter << QDate(2028, 7, 4) << "";
        QTest::newRow("us keys together, no such day") << "en_US" << start << 0 << "4/3|1/2028" << enter << start << us31;
        QTest::newRow("us input method") << "en_US" << start << 0 << "im:7/4/28" << enter << QDate(2028, 7, 4) << "";
        QTest::newRow("us input method, no such day") << "en_US" << start << 0 << "im:4/31|/2028" << enter << start << us31;
    } // clang-format on
    void PickerTyping()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, start);
        QFETCH(int, part);
        QFETCH(QString, keys);
        QFETCH(int, ending);
        QFETCH(QDate, date);
        QFETCH(QString, refusal);
        QLocale::setDefault(QLocale(locale));
        {
            MainFormFixture f;
            ScheduleModel model;
            model.SpecialDates.at(2) = start.isValid() ? FromQDate(start) : 0.0;
            f.form->ReplaceModel(model);
            f.form->TakeSnapshot();
            f.ShowPage("SpecialTimesAdvTabSheet1");
            auto &picker = f.Find<QDateEdit>("SpecialDateDateTimePicker3");
            picker.setFocus();
            picker.setSelectedSection(picker.sectionAt(part));
            const bool inputMethod = keys.startsWith(QLatin1String("im:"));
            const QStringList pieces = keys.mid(inputMethod ? 3 : 0).split(QLatin1Char('|'));
            for (const QString &piece : pieces) {
                if (inputMethod) {
                    QInputMethodEvent event;
                    event.setCommitString(piece);
                    QCoreApplication::sendEvent(&picker, &event);
                } else if (pieces.size() > 1) {
                    QTest::sendKeyEvent(QTest::KeyAction::Press, &picker, Qt::Key_unknown, piece, Qt::NoModifier);
                } else {
                    QTest::keyClicks(&picker, piece);
                }
            }
            QVERIFY((pieces.size() == 1 && !inputMethod) ||
                    picker.findChild<QLineEdit *>()->text() == pieces.join(QString()));
            QTest::keyClick(&picker, Qt::Key(ending));
            QCoreApplication::processEvents(); // the refusal is shown once the focus has settled
            QCOMPARE(f.dialogs->log.Errors, refusal.isEmpty() ? QStringList{} : QStringList{refusal});
            // The picker shows the date it holds, not a text of its own making.
            QCOMPARE(picker.findChild<QLineEdit *>()->text(),
                     picker.date() == picker.minimumDate() ? picker.specialValueText()
                                                           : QLocale().toString(picker.date(), picker.displayFormat()));
            QVERIFY(f.form->StoreAllControls());
            QCOMPARE(f.form->Model().SpecialDates.at(2), date.isValid() ? FromQDate(date) : 0.0);
            QCOMPARE(f.form->ScheduleChanged(), date != start);
        }
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    }

    // A file named on the command line that is not there: the box names it.
    void MissingFileIsNamed()
    {
        MainFormFixture f;
        const QString missing = QDir::temp().filePath(QStringLiteral("no such schedule.dat"));
        QVERIFY(!f.form->LoadFile(missing));
        QCOMPARE(f.dialogs->log.Errors,
                 QStringList{QStringLiteral("Error Opening File.\n") + QDir::toNativeSeparators(missing)});
    }
};

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"
