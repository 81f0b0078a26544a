#include "GridDriver.h"
#include "MainFormFixture.h"
#include "TestSchedules.h"

#include <QTest>

#include <limits>

using namespace korvelt;
using namespace korvelt::test;

class TestGrids : public QObject {
    Q_OBJECT

    // Endings of a typed text other than a key: a tap on a command button.
    static constexpr int TapWrite = -1;
    static constexpr int TapSave = -2;

private slots:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // A time typed key by key into the editor a double-click opens, over the cell's text, is
    // stored when the edit ends, or refused with one message, or dropped on Esc. An editor
    // opened and left without an edit leaves the cell's value as it was, even one that no
    // text can show. Closing the window (0 for the key) commits an open edit first, so it
    // asks about a time, while a refused text stops the close; Save, Load, Write and Read
    // store the controls the same way.
    void TypingTimes_data() // clang-format off
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("start"); // the value the cell shows first
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("errors");
        QTest::addColumn<QString>("refusal"); // how the box begins
        const QString notATime = QStringLiteral("\" is not a time. The End cell of slot 4 keeps its value.");
        const QString lastSecond =
            QStringLiteral("\" is not a time of day: the day's last second is 23:59:59. The End cell of slot 4 keeps its value.");
        const double unshowable = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("1:30 pm, Enter") << "C" << 0.5 << "1:30 pm" << int(Qt::Key_Return) << "13:30:00" << 0 << QString();
        QTest::newRow("7.05, Tab") << "C" << 0.5 << "7.05" << int(Qt::Key_Tab) << "07:05:00" << 0 << QString();
        QTest::newRow("1330 in 12 hours") << "en_US" << 0.5 << "1330" << int(Qt::Key_Return) << "1:30:00 PM" << 0 << QString();
        QTest::newRow("Esc drops") << "C" << 0.5 << "7:05" << int(Qt::Key_Escape) << "12:00:00" << 0 << QString();
        QTest::newRow("25:00 refused") << "C" << 0.5 << "25:00" << int(Qt::Key_Return) << "12:00:00" << 1 << notATime;
        QTest::newRow("24:00 refused, the day's end") << "C" << 0.5 << "24:00" << int(Qt::Key_Return) << "12:00:00" << 1
                                                      << lastSecond;
        QTest::newRow("2400 refused") << "C" << 0.5 << "2400" << int(Qt::Key_Return) << "12:00:00" << 1 << lastSecond;
        QTest::newRow("unshowable, opened and left") << "C" << unshowable << "" << int(Qt::Key_Return) << "nan" << 0 << QString();
        QTest::newRow("0630, close") << "C" << 0.5 << "0630" << 0 << "06:30:00" << 0 << QString();
        QTest::newRow("6:3o, close") << "C" << 0.5 << "6:3o" << 0 << "12:00:00" << 1 << notATime;
        // A button tapped (pressed and released at once) takes the focus from the editor: the
        // refusal stops the command before its box has come (no "Cannot find KORVELT", no
        // file dialog).
        QTest::newRow("25:00, tap Write") << "C" << 0.5 << "25:00" << TapWrite << "12:00:00" << 1 << notATime;
        QTest::newRow("25:00, tap Save") << "C" << 0.5 << "25:00" << TapSave << "12:00:00" << 1 << notATime;
        QTest::newRow("0630, tap Save") << "C" << 0.5 << "0630" << TapSave << "06:30:00" << 0 << QString();
    } // clang-format on
    void TypingTimes()
    {
        QFETCH(QString, locale);
        QFETCH(double, start);
        QFETCH(QString, typed);
        QFETCH(int, ending);
        QFETCH(QString, cell);
        QFETCH(int, errors);
        QFETCH(QString, refusal);
        QLocale::setDefault(QLocale(locale));
        MainFormFixture f;
        ScheduleModel model;
        model.NormalTimes.at(0).at(3).End = start;
        f.form->ReplaceModel(model);
        f.form->TakeSnapshot();
        auto &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        const QString before = grid.Cell(2, 4);
        QVERIFY(GridDriver(grid).Type(2, 4, typed) != nullptr);
        if (ending == 0) {
            QVERIFY(!f.form->close()); // the question is answered with Cancel
        } else if (ending == TapWrite || ending == TapSave) {
            QTest::mouseClick(&f.Find<QPushButton>(ending == TapWrite ? "WriteButton" : "SaveButton"), Qt::LeftButton);
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(ending));
        }
        // Enter commits through one queued call, and the window shows a refused text through
        // another, once the editor has closed.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(f.dialogs->log.Questions.size(), ending == 0 && cell != before ? 1 : 0);
        QVERIFY(grid.OpenEditorWidget() == nullptr);
        QCOMPARE(grid.Cell(2, 4), cell);
        QCOMPARE(f.dialogs->log.Errors.size(), errors);
        QVERIFY2(errors == 0 || f.dialogs->log.Errors.front().startsWith('"' + typed + refusal),
                 qPrintable(f.dialogs->log.Errors.value(0)));
        QCOMPARE(grid.currentColumn() + 1, ending == Qt::Key_Tab ? 3 : 2);
        QCOMPARE(!f.dialogs->lastFilter.isEmpty(), ending == TapSave && errors == 0);
    }

    // A day cell's list drops down as the editor opens (double-click, F2 or Space; a click
    // opens none), holds exactly On and Off each time, and a pick is stored at once; Esc
    // changes nothing.
    void DayCells_data() // clang-format off
    {
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("actions");
        QTest::newRow("double-click, click On") << "double-click" << "On";
        QTest::newRow("F2, Up, Enter") << "F2" << "Up Return";
        QTest::newRow("CommitOpenEditor takes the highlighted item") << "Space" << "Up commit";
    } // clang-format on
    void DayCells()
    {
        QFETCH(QString, opening);
        QFETCH(QString, actions);
        MainFormFixture f;
        auto &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        GridDriver driver(grid);
        for (const bool escape : {true, false}) {
            QWidget *editor = nullptr;
            if (opening == "double-click") {
                editor = driver.OpenEditor(6, 4);
            } else {
                driver.Press(6, 4);
                QCoreApplication::processEvents();
                QVERIFY(grid.OpenEditorWidget() == nullptr);
                QTest::keyClick(&grid, opening == "F2" ? Qt::Key_F2 : Qt::Key_Space);
                QCoreApplication::processEvents();
                editor = grid.OpenEditorWidget();
            }
            QAbstractItemView *list = GridDriver::DroppedList(editor);
            QVERIFY(list != nullptr);
            QCOMPARE(list->model()->rowCount(), 2);
            QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("On"));
            QCOMPARE(list->model()->index(1, 0).data().toString(), QStringLiteral("Off"));
            for (const QString &action : escape ? QStringList{"Escape"} : actions.split(' ')) {
                if (action == "commit") {
                    QVERIFY(grid.CommitOpenEditor());
                } else if (action == "On") {
                    GridDriver::ClickListItem(list, action);
                } else {
                    QTest::keyClick(list, action == "Up"       ? Qt::Key_Up
                                          : action == "Return" ? Qt::Key_Return
                                                               : Qt::Key_Escape);
                }
            }
            QCoreApplication::processEvents();
            QVERIFY(grid.OpenEditorWidget() == nullptr);
            QVERIFY(!escape || QApplication::focusWidget() == &grid);
            QCOMPARE(grid.Cell(6, 4), escape ? QStringLiteral("Off") : QStringLiteral("On"));
        }
    }

    // "Set Days" acts on the row the menu was opened for: the row right-clicked (none on the
    // header row), or from the keyboard the current row, whatever the selection or the last
    // press.
    void SetDaysActsOnTheMenusRow_data() // clang-format off
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QPoint>("cell"); // right-clicked, or made current with the arrow keys
        QTest::addColumn<QString>("days");
        QTest::newRow("All, right-click") << "All" << "right-click" << QPoint(4, 11) << "On On On On On On On";
        QTest::newRow("None, slot column") << "None" << "right-click" << QPoint(0, 12) << "Off Off Off Off Off Off Off";
        QTest::newRow("header") << "All" << "right-click" << QPoint(3, 0) << "";
        QTest::newRow("Weekdays, Menu key") << "Weekdays" << "Menu" << QPoint(1, 11) << "Off On On On On On Off";
        QTest::newRow("Shift+F10") << "Weekends" << "Shift+F10" << QPoint(1, 11) << "On Off Off Off Off Off On";
    } // clang-format on
    void SetDaysActsOnTheMenusRow()
    {
        QFETCH(QString, preset);
        QFETCH(QString, opening);
        QFETCH(QPoint, cell);
        QFETCH(QString, days);
        MainFormFixture f;
        auto &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        GridDriver driver(grid);
        const QString wednesdays = QStringLiteral("Off Off Off On Off Off Off"); // unlike any preset
        for (int r = 1; r <= 16; ++r) {
            grid.SetCell(6, r, QStringLiteral("On"));
        }
        driver.Select(1, 2, 1, 3); // the selection is not what a preset acts on
        if (opening == "right-click") {
            driver.RightClick(cell.x(), cell.y());
        } else {
            for (int r = 3; r < cell.y(); ++r) {
                QTest::keyClick(&grid, Qt::Key_Down);
            }
            // The Menu key: the platform sends the focused grid a context menu from the keyboard.
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), grid.mapToGlobal(QPoint()));
            if (opening == "Menu") {
                QApplication::sendEvent(&grid, &menuKey);
            } else {
                QTest::keyClick(&grid, Qt::Key_F10, Qt::ShiftModifier);
            }
        }
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(GridDriver::ClickMenuItem(menu, QStringLiteral("Set Days")));
        auto &setDays = f.Find<QMenu>("SetAll1");
        QTRY_VERIFY(setDays.isVisible());
        QVERIFY(GridDriver::ClickMenuItem(&setDays, preset));
        for (int r = 1; r <= 16; ++r) {
            QStringList texts;
            for (int c = 3; c <= 9; ++c) {
                texts << grid.Cell(c, r);
            }
            QCOMPARE(texts.join(' '), r == cell.y() ? days : wednesdays);
        }
    }

    // "Paste" is greyed out until the first "Copy". A copy that meets a cell that is no time
    // stops with a message and leaves the clipboard as it was. Slots from the special grid
    // carry no days, so the normal grid keeps its own; whole slots, days included, go from
    // the rows selected in one output to the rows from the one pasted at in another.
    void CopyAndPasteThroughTheMenus()
    {
        MainFormFixture f;
        ScheduleModel model;
        model.NormalTimes.at(0).at(6).End = std::numeric_limits<double>::quiet_NaN(); // shows "nan"
        f.form->ReplaceModel(model);
        GridDriver normal(f.Find<TimeGrid>("TimesAdvStringGrid"));
        GridDriver special(f.Find<TimeGrid>("SpecialTimesAdvStringGrid"));
        QVERIFY(normal.PickDay(9, 6, QStringLiteral("On")));
        QVERIFY(normal.TypeTime(1, 3, QStringLiteral("060000")));
        QVERIFY(normal.TypeTime(2, 4, QStringLiteral("070000")));
        QVERIFY(normal.PickDay(5, 5, QStringLiteral("On")));
        f.ShowPage("SpecialTimesAdvTabSheet1");
        QVERIFY(special.TypeTime(1, 1, QStringLiteral("203000")));
        QMenu *menu = special.RightClick(1, 1);
        QVERIFY(!f.Find<QAction>("SpecialTimesMenuPaste").isEnabled());
        QVERIFY(GridDriver::ClickMenuItem(menu, QStringLiteral("Copy")));
        f.ShowPage("TimesAdvTabSheet");
        normal.Select(1, 6, 1, 7);
        QVERIFY(GridDriver::ClickMenuItem(normal.RightClick(1, 6), QStringLiteral("Copy")));
        QCOMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("'nan' is not a valid time")});
        QVERIFY(GridDriver::ClickMenuItem(normal.RightClick(2, 6), QStringLiteral("Paste")));
        f.form->StoreAllControls();
        const TimeSlot &slot = f.form->Model().NormalTimes.at(0).at(5);
        QCOMPARE(slot.Start, 20.5 / 24);
        QCOMPARE(slot.Days.at(6), std::uint8_t{1});
        QCOMPARE(f.Find<TimeGrid>("TimesAdvStringGrid").Cell(2, 7),
                 QStringLiteral("nan")); // the refused copy's rows were two

        normal.Select(2, 3, 7, 5);
        QVERIFY(GridDriver::ClickMenuItem(normal.RightClick(2, 4), QStringLiteral("Copy")));
        MainFormFixture::TypeInto(f.Find<QSpinBox>("OutputCSpinEdit"), QStringLiteral("2"));
        QVERIFY(GridDriver::ClickMenuItem(normal.RightClick(6, 10), QStringLiteral("Paste")));
        f.form->StoreAllControls();
        const OutputSlots &first = f.form->Model().NormalTimes.at(0);
        const OutputSlots &second = f.form->Model().NormalTimes.at(1);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(second.at(9 + k), first.at(2 + k));
        }
        QCOMPARE(second.at(9).Start, 0.25);
        QCOMPARE(second.at(11).Days.at(2), std::uint8_t{1});
        QCOMPARE(second.at(12), TimeSlot{});
    }

    // In the window, the slots chosen on their numbers are what Ctrl+C copies, what Ctrl+V
    // pastes into and what Delete clears, in either grid.
    void SlotsChosenByTheirNumbers_data() // clang-format off
    {
        QTest::addColumn<bool>("special");
        QTest::addColumn<QString>("paste"); // the steps that choose where
        QTest::addColumn<QString>("written"); // "target=source ..."
        QTest::addColumn<QString>("cleared"); // steps that choose the slots Delete clears
        QTest::newRow("normal, slot 8 clicked") << false << "click 8" << "8=3 9=4 10=5" << "click 9; ctrl 16";
        QTest::newRow("special, Ctrl-picked") << true << "click 10; ctrl 12" << "10=3 12=4" << "drag 2 1";
    } // clang-format on
    void SlotsChosenByTheirNumbers()
    {
        QFETCH(bool, special);
        QFETCH(QString, paste);
        QFETCH(QString, written);
        QFETCH(QString, cleared);
        MainFormFixture f;
        ScheduleModel model = testing::DistinctSchedule();
        f.form->ReplaceModel(model);
        f.ShowPage(special ? "SpecialTimesAdvTabSheet1" : "TimesAdvTabSheet");
        auto &grid = f.Find<TimeGrid>(special ? "SpecialTimesAdvStringGrid" : "TimesAdvStringGrid");
        GridDriver driver(grid);
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        grid.setFocus();
        QVERIFY(driver.Do(QStringLiteral("drag 3 5")));
        QTest::keySequence(&grid, QKeySequence::Copy);
        QVERIFY(driver.Do(paste));
        QTest::keySequence(&grid, QKeySequence::Paste);
        for (const QString &pair : written.split(' ')) {
            OutputSlots &outputSlots = (special ? model.SpecialTimes : model.NormalTimes).at(0);
            TimeSlot &to = outputSlots.at(pair.section('=', 0, 0).toInt() - 1);
            const TimeSlot &from = outputSlots.at(pair.section('=', 1, 1).toInt() - 1);
            to = TimeSlot{from.Start, from.End, special ? to.Days : from.Days}; // the special grid has no days
        }
        QVERIFY(driver.Do(cleared));
        QTest::keyClick(&grid, Qt::Key_Delete);
        for (const int row : grid.SelectedSlots()) {
            TimeSlot &slot = (special ? model.SpecialTimes : model.NormalTimes).at(0).at(row - 1);
            slot.Start = slot.End = 0.5;
            if (!special) {
                slot.Days = {};
            }
        }
        f.form->StoreAllControls();
        QVERIFY(testing::SameSchedule(f.form->Model(), model));
    }
};

QTEST_MAIN(TestGrids)
#include "test_grids.moc"
