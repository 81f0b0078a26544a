#include "GridDriver.h"
#include "MainFormFixture.h"
#include "app/RadioGroup.h"
#include "text/DataFile.h"
#include "text/QtDateTime.h"
#include "TestSchedules.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#include <limits>
#include <system_error>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;

class TestMainForm : public QObject {
    Q_OBJECT

    // Endings of a typed date other than a key: a tap on a command button.
    static constexpr int TapWrite = -1;
    static constexpr int TapSave = -2;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // A fresh start: the caption, the Times page, output 1's slots in both grids, the rule's
    // and the dates' defaults, the clock at now, and unchanged, so that closing asks nothing.
    void FreshStart_data() // clang-format off
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("shows");
        QTest::newRow("caption") << "caption" << "KORVELT Time Control Vesion: 1.00";
        QTest::newRow("page") << "page" << "TimesAdvTabSheet";
        QTest::newRow("advance month") << "AdvanceComboBox" << "March";
        QTest::newRow("retard month") << "RetardComboBox" << "October";
        QTest::newRow("advance week") << "AdvanceRadioGroup" << "Last Sunday";
        QTest::newRow("retard week") << "RetardRadioGroup" << "Last Sunday";
        QTest::newRow("daylight saving") << "EnableDaylightSavingCheckBox" << "on";
        QTest::newRow("grid sizes") << "grid sizes" << "10x17 3x17";
        QTest::newRow("headings") << "row 0" << "Slot Start End Slot Start End Sun Mon Tue Wed Thur Fri Sat";
        QTest::newRow("slot 1") << "row 1" << "1 12:00:00 12:00:00 1 12:00:00 12:00:00 Off Off Off Off Off Off Off";
        QTest::newRow("slot 16") << "row 16" << "16 12:00:00 12:00:00 16 12:00:00 12:00:00 Off Off Off Off Off Off Off";
        QTest::newRow("special dates") << "special dates" << "16 x 01/11/2009, up to 31/12/2255";
        QTest::newRow("clock") << "clock" << "06/12/2026 23:14:29, up to 31/12/2255";
        QTest::newRow("buttons") << "buttons" << "&Load File|&Save File|&Help|&Write To KORVELT|&Read From KORVELT|E&xit|"
                                                 "&Compare with KORVELT|Set &Time|Read T&ime|Cancel";
        QTest::newRow("closing asks nothing") << "close" << "closed, 0 questions";
    } // clang-format on
    void FreshStart()
    {
        QFETCH(QString, what);
        QFETCH(QString, shows);
        MainFormFixture f;
        const auto &normal = f.Find<TimeGrid>("TimesAdvStringGrid");
        const auto &special = f.Find<TimeGrid>("SpecialTimesAdvStringGrid");
        const auto date = [](const QDate &day) { return day.toString(QStringLiteral("dd/MM/yyyy")); };
        QString shown;
        if (what == "caption") {
            shown = f.form->windowTitle();
        } else if (what == "page") {
            shown = f.Find<QTabWidget>("AdvPageControl1").currentWidget()->objectName();
        } else if (what.endsWith("ComboBox")) {
            shown = f.Find<QComboBox>(what).currentText();
        } else if (what.endsWith("RadioGroup")) {
            const auto &group = f.Find<RadioGroup>(what);
            shown = group.Item(group.ItemIndex())->text();
        } else if (what.endsWith("CheckBox")) {
            shown = f.Find<QCheckBox>(what).isChecked() ? "on" : "off";
        } else if (what == "grid sizes") {
            shown = QStringLiteral("%1x%2 %3x%4")
                        .arg(normal.GridColCount())
                        .arg(normal.GridRowCount())
                        .arg(special.GridColCount())
                        .arg(special.GridRowCount());
        } else if (what.startsWith("row ")) {
            const int r = what.mid(4).toInt();
            QStringList texts{special.Cell(0, r), special.Cell(1, r), special.Cell(2, r)};
            for (int c = 0; c <= 9; ++c) {
                texts << normal.Cell(c, r);
            }
            shown = texts.join(' ');
        } else if (what == "special dates") {
            QSet<QString> dates;
            for (int k = 1; k <= SpecialDateCount; ++k) {
                const auto &picker = f.Find<QDateEdit>(QStringLiteral("SpecialDateDateTimePicker%1").arg(k));
                dates << date(picker.date()) + ", up to " + date(picker.maximumDate());
            }
            shown = QStringLiteral("16 x ") + QStringList(dates.values()).join('|');
        } else if (what == "buttons") {
            QStringList captions;
            for (const char *button :
                 {"Load", "Save", "Help", "Write", "Read", "Exit", "Compare", "SetTime", "ReadTime", "Cancel"}) {
                captions << f.Find<QPushButton>(QLatin1String(button) + QLatin1String("Button")).text();
            }
            shown = captions.join('|');
        } else if (what == "clock") {
            const auto &picker = f.Find<QDateEdit>("SetDateDateTimePicker");
            shown = date(picker.date()) + ' ' + f.Find<QTimeEdit>("SetTimeDateTimePicker").time().toString() +
                    ", up to " + date(picker.maximumDate());
        } else {
            QTest::mouseClick(&f.Find<QPushButton>("ExitButton"), Qt::LeftButton);
            shown = QStringLiteral("%1, %2 questions")
                        .arg(f.form->isVisible() ? "open" : "closed")
                        .arg(f.dialogs->log.Questions.size());
        }
        QCOMPARE(shown, shows);
    }

    // The pages take what the command panel along the bottom leaves of the window; larger,
    // the grids take the room and the selectors stay under their middle; smaller than
    // designed it cannot be made. An empty size: only the place is compared.
    void Layout_data() // clang-format off
    {
        QTest::addColumn<QSize>("window"); // asked for; empty: as it opens
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("place");
        const QSize larger(1000, 700);
        const QSize smaller(600, 400);
        QTest::newRow("panel") << QSize() << "Panel1" << QRect(0, 416, 812, 180);
        QTest::newRow("pages") << QSize() << "AdvPageControl1" << QRect(0, 0, 812, 416);
        QTest::newRow("normal grid") << QSize() << "TimesAdvStringGrid" << QRect(24, 42, 705, 307);
        QTest::newRow("special grid") << QSize() << "SpecialTimesAdvStringGrid" << QRect(56, 32, 205, 297);
        QTest::newRow("larger, panel") << larger << "Panel1" << QRect(0, 520, 1000, 180);
        QTest::newRow("larger, pages") << larger << "AdvPageControl1" << QRect(0, 0, 1000, 520);
        QTest::newRow("larger, normal grid") << larger << "TimesAdvStringGrid" << QRect(24, 42, 705 + 188, 307 + 104);
        QTest::newRow("larger, special grid") << larger << "SpecialTimesAdvStringGrid" << QRect(56, 32, 205 + 94, 297 + 104);
        QTest::newRow("larger, output") << larger << "OutputCSpinEdit" << QRect(360 + 94, 354 + 104, 0, 0);
        QTest::newRow("larger, special dates") << larger << "GroupBox2" << QRect(284 + 94, 32, 0, 0);
        QTest::newRow("smaller, window") << smaller << "MainForm" << QRect(0, 0, 812, 596);
        QTest::newRow("smaller, normal grid") << smaller << "TimesAdvStringGrid" << QRect(24, 42, 705, 307);
    } // clang-format on
    void Layout()
    {
        QFETCH(QSize, window);
        QFETCH(QString, control);
        QFETCH(QRect, place);
        MainFormFixture f;
        QWidget &widget = control == "MainForm" ? *f.form : f.Find<QWidget>(control);
        if (window.isValid()) {
            f.form->resize(window);
            const QSize expected = window.expandedTo(f.form->minimumSize());
            QTRY_COMPARE(f.Find<QWidget>("Panel1").geometry().bottom(), expected.height() - 1);
        }
        const QRect shown = control == "MainForm" ? QRect(QPoint(0, 0), widget.size()) : widget.geometry();
        QCOMPARE(place.isEmpty() ? QRect(shown.topLeft(), QSize()) : shown,
                 place.isEmpty() ? QRect(place.topLeft(), QSize()) : place);
    }

    // Every control has a name that a screen reader can say (the row without a name), and
    // each of these says what it is for: the grids name the output they show.
    void AccessibleNames_data() // clang-format off
    {
        QTest::addColumn<QString>("control"); // empty: every control of the window
        QTest::addColumn<int>("output");      // chosen in the grid's selector first; 0: none
        QTest::addColumn<QString>("name");
        QTest::newRow("every control") << "" << 0 << "";
        QTest::newRow("advance group") << "AdvanceRadioGroup" << 0 << "Advance clock";
        QTest::newRow("retard group") << "RetardRadioGroup" << 0 << "Retard clock";
        QTest::newRow("advance month") << "AdvanceComboBox" << 0 << "Advance clock month";
        QTest::newRow("retard month") << "RetardComboBox" << 0 << "Retard clock month";
        QTest::newRow("normal grid") << "TimesAdvStringGrid" << 0 << "Normal times, output 1";
        QTest::newRow("normal grid, output 3") << "TimesAdvStringGrid" << 3 << "Normal times, output 3";
        QTest::newRow("special grid, output 16") << "SpecialTimesAdvStringGrid" << 16 << "Special times, output 16";
        QTest::newRow("week box") << "WeekChoiceComboBox" << 0 << "Week or special date";
        QTest::newRow("week's check") << "FindingsListBox" << 0 << "Schedule check";
        // In the Holidays dialog, opened by its button.
        QTest::newRow("holidays' country") << "Holidays/PresetComboBox" << 0 << "Country";
        QTest::newRow("holidays' year") << "Holidays/YearSpinEdit" << 0 << "Year";
        QTest::newRow("holidays' rules") << "Holidays/RuleList" << 0 << "Rules";
        QTest::newRow("holidays' list") << "Holidays/PreviewList" << 0 << "Holidays of the period";
        QTest::newRow("holidays' own rule") << "Holidays/RuleKindComboBox" << 0 << "Own rule's kind";
    } // clang-format on
    void AccessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(int, output);
        QFETCH(QString, name);
        MainFormFixture f;
        if (control.isEmpty()) {
            f.Find<QWidget>("FindingsListBox"); // every page made, the Week page last
            const std::array kinds{"QAbstractButton",   "QAbstractSpinBox", "QComboBox",
                                   "QAbstractItemView", "QPlainTextEdit",   "QGroupBox"};
            int named = 0;
            for (QWidget *widget : f.form->findChildren<QWidget *>()) {
                const auto isA = [widget](const char *kind) { return widget->inherits(kind); };
                if (widget->window() == f.form.get() && std::ranges::any_of(kinds, isA)) {
                    QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(widget);
                    QVERIFY2(shown != nullptr && !shown->text(QAccessible::Name).isEmpty(),
                             qPrintable(widget->objectName()));
                    ++named;
                }
            }
            QVERIFY(named >= 40);
            return;
        }
        if (control.startsWith(QLatin1String("Holidays/"))) {
            QTest::mouseClick(&f.Find<QPushButton>("HolidaysButton"), Qt::LeftButton);
            control.remove(QLatin1String("Holidays/"));
        }
        auto &widget = f.Find<QWidget>(control);
        if (output != 0) {
            MainFormFixture::TypeInto(
                f.Find<QSpinBox>(control.startsWith("Special") ? "SpecialOutputCSpinEdit" : "OutputCSpinEdit"),
                QString::number(output));
        }
        // The name given; Qt's accessibility on Linux says an editable box's text as its name,
        // and the name given elsewhere.
        QCOMPARE(widget.accessibleName(), name);
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
        // A command button tapped (pressed and released at once) takes the focus: the refusal
        // stops the command before its box has come.
        QTest::newRow("gb 31/04/2028, tap Write") << "en_GB" << start << 0 << "31/04/2028" << TapWrite << start
                                                  << refused("31/04/2028", notADate, gb);
        QTest::newRow("gb 31/04/2028, tap Save") << "en_GB" << start << 0 << "31/04/2028" << TapSave << start
                                                 << refused("31/04/2028", notADate, gb);
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
            if (ending == TapWrite || ending == TapSave) {
                QTest::mouseClick(&f.Find<QPushButton>(ending == TapWrite ? "WriteButton" : "SaveButton"),
                                  Qt::LeftButton);
                QVERIFY(f.dialogs->lastFilter.isEmpty()); // no file dialog
            } else {
                QTest::keyClick(&picker, Qt::Key(ending));
            }
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

    // A file named on the command line that is not there: the box names it and says why.
    void MissingFileIsNamed()
    {
        MainFormFixture f;
        const QString missing = QDir::temp().filePath(QStringLiteral("no such schedule.dat"));
        QVERIFY(!f.form->LoadFile(missing));
        QCOMPARE(f.dialogs->log.Errors,
                 QStringList{QStringLiteral("Error Opening File.\n") + QDir::toNativeSeparators(missing) + '\n' +
                             SystemReasonText(std::make_error_code(std::errc::no_such_file_or_directory))});
    }
};

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"
