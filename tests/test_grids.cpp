#include "GridDriver.h"
#include "MainFormFixture.h"

#include <QHeaderView>
#include <QTest>

#include <limits>

using namespace korvelt;
using namespace korvelt::test;

class TestGrids : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void Layout()
    {
        MainFormFixture f;
        const TimeGrid &normal = f.form->TimesAdvStringGrid;
        const TimeGrid &special = f.form->SpecialTimesAdvStringGrid;
        QCOMPARE(normal.GridRowCount(), 17);
        QCOMPARE(normal.GridColCount(), 10);
        QCOMPARE(special.GridColCount(), 3);
        const QStringList headers{"Slot", "Start", "End", "Sun", "Mon", "Tue", "Wed", "Thur", "Fri", "Sat"};
        for (int c = 0; c < normal.GridColCount(); ++c) {
            QCOMPARE(normal.Cell(c, 0), headers.at(c));
        }
        QCOMPARE(special.Cell(0, 0), QStringLiteral("Slot"));
        QCOMPARE(special.Cell(2, 0), QStringLiteral("End"));
        for (int r = 1; r < 17; ++r) {
            QCOMPARE(normal.Cell(0, r), QString::number(r));
            QCOMPARE(special.Cell(0, r), QString::number(r));
            QCOMPARE(normal.rowHeight(r - 1), 17);
        }
        QCOMPARE(normal.horizontalHeader()->height(), 17);
        QCOMPARE(normal.ColWidth(0), 40);
        QCOMPARE(normal.ColWidth(1), 90);
        QCOMPARE(normal.ColWidth(2), 90);
        for (int c = 3; c < 10; ++c) {
            QCOMPARE(normal.ColWidth(c), 65);
        }
        QCOMPARE(special.ColWidth(0), 40);
        QCOMPARE(special.ColWidth(1), 80);
        QVERIFY(normal.horizontalHeader()->font().bold());
        QVERIFY(normal.verticalHeader()->font().bold());
    }

    void cleanup() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // A time is typed key by key into the editor a double-click opens, over the cell's text.
    void TypedTimes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("over"); // typed into the cell first, when not empty
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("refused");
        QTest::newRow("13:30") << "C" << "" << "13:30" << "13:30:00" << false;
        QTest::newRow("7:05") << "C" << "" << "7:05" << "07:05:00" << false;
        QTest::newRow("23:59:59") << "C" << "" << "23:59:59" << "23:59:59" << false;
        QTest::newRow("0730 keeps no old seconds") << "C" << "070030" << "0730" << "07:30:00" << false;
        QTest::newRow("7.05") << "de_DE" << "" << "7.05" << "07:05:00" << false;
        QTest::newRow("133000") << "de_DE" << "" << "133000" << "13:30:00" << false;
        QTest::newRow("0930 keeps no old PM") << "en_US" << "" << "0930" << "9:30:00 AM" << false;
        QTest::newRow("9:30 PM") << "en_US" << "" << "9:30 PM" << "9:30:00 PM" << false;
        QTest::newRow("21:30 in 12-hour") << "en_US" << "" << "21:30" << "9:30:00 PM" << false;
        QTest::newRow("12:00 am") << "en_US" << "" << "12:00 am" << "12:00:00 AM" << false;
        QTest::newRow("25:00") << "C" << "" << "25:00" << "12:00:00" << true;
        QTest::newRow("7:65") << "C" << "" << "7:65" << "12:00:00" << true;
        QTest::newRow("abc") << "de_DE" << "" << "abc" << "12:00:00" << true;
        QTest::newRow("13:30:00:00") << "en_US" << "" << "13:30:00:00" << "12:00:00 PM" << true;
    }
    void TypedTimes()
    {
        QFETCH(QString, locale);
        QFETCH(QString, over);
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        QFETCH(bool, refused);
        QLocale::setDefault(QLocale(locale));
        MainFormFixture f;
        GridDriver grid(f.form->TimesAdvStringGrid);
        if (!over.isEmpty()) {
            QVERIFY(grid.TypeTime(1, 6, over));
        }
        QVERIFY(grid.TypeTime(1, 6, typed));
        QCOMPARE(f.form->TimesAdvStringGrid.Cell(1, 6), cell);
        QCOMPARE(f.dialogs->log.Errors.size(), refused ? 1 : 0);
        if (refused) {
            const QString &error = f.dialogs->log.Errors.front();
            QVERIFY2(error.contains('"' + typed + '"') && error.contains(QStringLiteral("slot 6 keeps its value")),
                     qPrintable(error));
        }
    }

    // However an edit ends, a text is stored, or refused with one message, or dropped on Esc.
    void EndingAnEdit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("errors");
        QTest::newRow("Tab stores") << "7:05" << "Tab" << "07:05:00" << 0;
        QTest::newRow("a click elsewhere stores") << "7:05" << "click" << "07:05:00" << 0;
        QTest::newRow("CommitOpenEditor stores") << "7:05" << "commit" << "07:05:00" << 0;
        QTest::newRow("Esc drops") << "7:05" << "Escape" << "12:00:00" << 0;
        QTest::newRow("Tab refuses") << "7:65" << "Tab" << "12:00:00" << 1;
        QTest::newRow("a click elsewhere refuses") << "7:65" << "click" << "12:00:00" << 1;
        QTest::newRow("CommitOpenEditor refuses") << "7:65" << "commit" << "12:00:00" << 1;
        QTest::newRow("Esc drops without a word") << "7:65" << "Escape" << "12:00:00" << 0;
        QTest::newRow("an emptied cell is refused") << "\b" << "Return" << "12:00:00" << 1;
    }
    void EndingAnEdit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, ending);
        QFETCH(QString, cell);
        QFETCH(int, errors);
        MainFormFixture f;
        TimeGrid &grid = f.form->TimesAdvStringGrid;
        GridDriver driver(grid);
        QVERIFY(driver.Type(2, 4, typed) != nullptr);
        QCOMPARE(EndEdit(driver, grid, ending), ending != "commit" || errors == 0);
        QCOMPARE(grid.Cell(2, 4), cell);
        QCOMPARE(f.dialogs->log.Errors.size(), errors);
        QVERIFY(grid.OpenEditorWidget() == nullptr);
        // Tab moves on to the next cell, a click to the cell clicked.
        QCOMPARE(grid.currentColumn() + 1, ending == "Tab" ? 3 : ending == "click" ? 5 : 2);
    }

    // An editor opened and left without an edit leaves the cell's text, and so its value, as
    // it was: a date a file brought, or an empty cell whose value cannot be shown.
    void LeavingWithoutAnEdit_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("ending");
        const double unshowable = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("date and time, Enter") << 40118.75 << "Return";
        QTest::newRow("date and time, a click elsewhere") << 40118.75 << "click";
        QTest::newRow("date and time, Esc") << 40118.75 << "Escape";
        QTest::newRow("unshowable, Enter") << unshowable << "Return";
        QTest::newRow("unshowable, CommitOpenEditor") << unshowable << "commit";
    }
    void LeavingWithoutAnEdit()
    {
        QFETCH(double, value);
        QFETCH(QString, ending);
        MainFormFixture f;
        TMainForm &form = *f.form;
        ScheduleModel model = form.Model();
        model.NormalTimes.at(0).at(2).End = value;
        form.ReplaceModel(model);
        form.TakeSnapshot();
        TimeGrid &grid = form.TimesAdvStringGrid;
        const QString before = grid.Cell(2, 3);
        GridDriver driver(grid);
        QVERIFY(driver.OpenEditor(2, 3) != nullptr);
        QVERIFY(EndEdit(driver, grid, ending));
        QCOMPARE(grid.Cell(2, 3), before);
        QVERIFY(f.dialogs->log.Errors.isEmpty());
        form.StoreAllControls();
        QVERIFY(!form.ScheduleChanged());
    }

    // A day cell's list drops down as the editor opens (double-click, F2 or Space), holds
    // exactly On and Off each time, and a pick is stored at once.
    void DayCells_data()
    {
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("cell");
        QTest::newRow("double-click, click On") << "double-click" << "On" << "On";
        QTest::newRow("F2, Up, Enter") << "F2" << "Up Return" << "On";
        QTest::newRow("Space, click Off") << "Space" << "Off" << "Off";
        QTest::newRow("a click outside keeps") << "double-click" << "Up click" << "Off";
        QTest::newRow("CommitOpenEditor takes the highlighted item") << "Space" << "Up commit" << "On";
    }
    void DayCells()
    {
        QFETCH(QString, opening);
        QFETCH(QString, actions);
        QFETCH(QString, cell);
        MainFormFixture f;
        TimeGrid &grid = f.form->TimesAdvStringGrid;
        GridDriver driver(grid);
        for (int attempt = 0; attempt < 2; ++attempt) {
            QWidget *editor = nullptr;
            if (opening == "double-click") {
                editor = driver.OpenEditor(6, 4);
            } else {
                driver.Press(6, 4);
                QTest::keyClick(&grid, opening == "F2" ? Qt::Key_F2 : Qt::Key_Space);
                QCoreApplication::processEvents();
                editor = grid.OpenEditorWidget();
            }
            QAbstractItemView *list = GridDriver::DroppedList(editor);
            QVERIFY(list != nullptr);
            QCOMPARE(list->model()->rowCount(), 2);
            QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("On"));
            QCOMPARE(list->model()->index(1, 0).data().toString(), QStringLiteral("Off"));
            if (attempt == 0) { // Esc closes the list and the editor, and changes nothing
                QTest::keyClick(list, Qt::Key_Escape);
                QCoreApplication::processEvents();
                QVERIFY(grid.OpenEditorWidget() == nullptr);
                QCOMPARE(QApplication::focusWidget(), &grid);
                continue;
            }
            for (const QString &action : actions.split(QLatin1Char(' '))) {
                if (action == "Up" || action == "Return") {
                    QTest::keyClick(list, action == "Up" ? Qt::Key_Up : Qt::Key_Return);
                } else if (action == "click") {
                    driver.Press(1, 10);
                } else if (action == "commit") {
                    QVERIFY(grid.CommitOpenEditor());
                } else {
                    GridDriver::ClickListItem(list, action);
                }
            }
            QCoreApplication::processEvents();
        }
        QVERIFY(grid.OpenEditorWidget() == nullptr);
        QCOMPARE(grid.Cell(6, 4), cell);
    }

    void SpecialGridTakesTypedTimes()
    {
        MainFormFixture f;
        f.form->AdvPageControl1.setCurrentWidget(&f.form->SpecialTimesAdvTabSheet1);
        GridDriver grid(f.form->SpecialTimesAdvStringGrid);
        QVERIFY(grid.TypeTime(1, 2, QStringLiteral("0:00")));
        QCOMPARE(f.form->SpecialTimesAdvStringGrid.Cell(1, 2), QStringLiteral("00:00:00"));
    }

    void OneClickEditsNothing()
    {
        MainFormFixture f;
        GridDriver grid(f.form->TimesAdvStringGrid);
        grid.Press(1, 1);
        grid.Press(1, 1);
        QCoreApplication::processEvents();
        QVERIFY(f.form->TimesAdvStringGrid.OpenEditorWidget() == nullptr);
    }

    void PressesRecordTheRow()
    {
        MainFormFixture f;
        QCOMPARE(f.form->ClickedRow(), 0);
        GridDriver normal(f.form->TimesAdvStringGrid);
        normal.Press(5, 7, Qt::RightButton);
        QCOMPARE(f.form->ClickedRow(), 7);
        normal.Press(0, 12, Qt::MiddleButton);
        QCOMPARE(f.form->ClickedRow(), 12);
        normal.Press(3, 0);
        QCOMPARE(f.form->ClickedRow(), 0);
        // Below the last row the grid has no cell.
        const QPoint below = f.form->TimesAdvStringGrid.CellCentre(3, 16) + QPoint(0, 10);
        normal.PressAt(below, Qt::RightButton);
        QCOMPARE(f.form->ClickedRow(), -1);

        f.form->AdvPageControl1.setCurrentWidget(&f.form->SpecialTimesAdvTabSheet1);
        GridDriver special(f.form->SpecialTimesAdvStringGrid);
        special.Press(2, 4);
        QCOMPARE(f.form->ClickedRow(), 4);
    }

    void HeaderCellsCannotBeSelected()
    {
        MainFormFixture f;
        GridDriver grid(f.form->TimesAdvStringGrid);
        grid.Press(4, 6);
        grid.Press(0, 9);
        grid.Press(5, 0);
        const GridRect selection = f.form->TimesAdvStringGrid.Selection();
        QCOMPARE(selection.Top, 6);
        QCOMPARE(selection.Bottom, 6);
        QCOMPARE(selection.Left, 4);
    }

    void PasteIsGreyedOutUntilTheFirstCopy()
    {
        MainFormFixture f;
        GridDriver normal(f.form->TimesAdvStringGrid);
        GridDriver special(f.form->SpecialTimesAdvStringGrid);
        QMenu *menu = normal.RightClick(1, 1);
        QCOMPARE(menu, &f.form->NormalTimesPopupMenu);
        QVERIFY(!f.form->NormalTimesMenuPaste.isEnabled());
        QVERIFY(f.form->NormalTimesMenuCopy.isEnabled());
        QVERIFY(!GridDriver::ClickMenuItem(menu, QStringLiteral("Paste")));
        menu->close();

        f.form->AdvPageControl1.setCurrentWidget(&f.form->SpecialTimesAdvTabSheet1);
        menu = special.RightClick(1, 3);
        QCOMPARE(menu, &f.form->SpecialPopupMenu);
        QVERIFY(!f.form->SpecialTimesMenuPaste.isEnabled());
        QVERIFY(GridDriver::ClickMenuItem(menu, QStringLiteral("Copy")));
        QCOMPARE(f.form->Clipboard().Count(), 1);

        f.form->AdvPageControl1.setCurrentWidget(&f.form->TimesAdvTabSheet);
        menu = normal.RightClick(1, 1);
        QVERIFY(f.form->NormalTimesMenuPaste.isEnabled());
        menu->close();
    }

    void CopyRowsToAnotherOutput()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        GridDriver grid(form.TimesAdvStringGrid);
        QVERIFY(grid.TypeTime(1, 3, QStringLiteral("060000")));
        QVERIFY(grid.TypeTime(2, 4, QStringLiteral("070000")));
        QVERIFY(grid.PickDay(5, 5, QStringLiteral("On")));
        grid.Select(2, 3, 7, 5);
        QVERIFY(GridDriver::ClickMenuItem(grid.RightClick(2, 4), QStringLiteral("Copy")));
        QCOMPARE(form.Clipboard().Count(), 3);

        MainFormFixture::TypeInto(form.OutputCSpinEdit, QStringLiteral("2"));
        grid.Press(6, 10);
        QVERIFY(GridDriver::ClickMenuItem(grid.RightClick(6, 10), QStringLiteral("Paste")));
        form.StoreAllControls();
        const OutputSlots &first = form.Model().NormalTimes.at(0);
        const OutputSlots &second = form.Model().NormalTimes.at(1);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(second.at(9 + k), first.at(2 + k));
        }
        QCOMPARE(second.at(9).Start, 0.25);
        QCOMPARE(second.at(11).Days.at(2), std::uint8_t{1});
        QCOMPARE(second.at(12), TimeSlot{});
        QCOMPARE(second.at(8), TimeSlot{});
    }

    void FourSlotsAtRow15FillTwoRows()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        GridDriver grid(form.TimesAdvStringGrid);
        for (int r = 1; r <= 4; ++r) {
            QVERIFY(grid.TypeTime(1, r, QStringLiteral("%1:00").arg(r)));
        }
        grid.Select(1, 1, 1, 4);
        QVERIFY(GridDriver::ClickMenuItem(grid.RightClick(1, 2), QStringLiteral("Copy")));
        grid.Select(3, 15, 3, 16);
        QVERIFY(GridDriver::ClickMenuItem(grid.RightClick(3, 15), QStringLiteral("Paste")));
        form.StoreAllControls();
        QCOMPARE(form.Model().NormalTimes.at(0).at(14).Start, 1.0 / 24);
        QCOMPARE(form.Model().NormalTimes.at(0).at(15).Start, 2.0 / 24);
        QCOMPARE(form.Model().NormalTimes.at(0).at(13).Start, 0.5);
    }

    void SpecialToNormalKeepsTheDays()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        GridDriver normal(form.TimesAdvStringGrid);
        QVERIFY(normal.PickDay(9, 6, QStringLiteral("On")));
        form.AdvPageControl1.setCurrentWidget(&form.SpecialTimesAdvTabSheet1);
        GridDriver special(form.SpecialTimesAdvStringGrid);
        QVERIFY(special.TypeTime(1, 1, QStringLiteral("203000")));
        QVERIFY(GridDriver::ClickMenuItem(special.RightClick(1, 1), QStringLiteral("Copy")));
        form.AdvPageControl1.setCurrentWidget(&form.TimesAdvTabSheet);
        QVERIFY(GridDriver::ClickMenuItem(normal.RightClick(2, 6), QStringLiteral("Paste")));
        form.StoreAllControls();
        const TimeSlot &slot = form.Model().NormalTimes.at(0).at(5);
        QCOMPARE(slot.Start, 20.5 / 24);
        QCOMPARE(slot.End, 0.5);
        QCOMPARE(slot.Days.at(6), std::uint8_t{1});
    }

    // An empty cell (a value that cannot be shown) stops a copy with a message; the slots
    // copied before stay on the clipboard, whole.
    void FailedCopyLeavesTheClipboardAsItWas()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        ScheduleModel model = form.Model();
        model.NormalTimes.at(0).at(1).End = std::numeric_limits<double>::quiet_NaN();
        form.ReplaceModel(model);
        GridDriver grid(form.TimesAdvStringGrid);
        QVERIFY(grid.TypeTime(1, 5, QStringLiteral("5:00")));
        QVERIFY(GridDriver::ClickMenuItem(grid.RightClick(1, 5), QStringLiteral("Copy")));
        grid.Select(1, 1, 1, 3);
        QVERIFY(GridDriver::ClickMenuItem(grid.RightClick(1, 1), QStringLiteral("Copy")));
        QCOMPARE(f.dialogs->log.Errors.size(), 1);
        QVERIFY(GridDriver::ClickMenuItem(grid.RightClick(1, 10), QStringLiteral("Paste")));
        QCOMPARE(form.TimesAdvStringGrid.Cell(1, 10), QStringLiteral("05:00:00"));
        QCOMPARE(form.TimesAdvStringGrid.Cell(1, 11), QStringLiteral("12:00:00"));
    }

    // A menu opened with the mouse is for the row right-clicked; one opened from the keyboard
    // is for the current row, not for the row of the last mouse press.
    void SetDaysActsOnTheMenusRow_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("opening");
        QTest::newRow("All, right-click") << "All" << "On On On On On On On" << "right-click";
        QTest::newRow("Weekdays, Menu key") << "Weekdays" << "Off On On On On On Off" << "Menu";
        QTest::newRow("Weekends, Shift+F10") << "Weekends" << "On Off Off Off Off Off On" << "Shift+F10";
    }
    void SetDaysActsOnTheMenusRow()
    {
        QFETCH(QString, preset);
        QFETCH(QString, days);
        QFETCH(QString, opening);
        MainFormFixture f;
        TMainForm &form = *f.form;
        GridDriver grid(form.TimesAdvStringGrid);
        grid.Select(1, 2, 1, 3); // the selection is not what a preset acts on
        QMenu *menu = nullptr;
        if (opening == "right-click") {
            menu = grid.RightClick(4, 11);
        } else {
            for (int r = 3; r < 11; ++r) {
                QTest::keyClick(&form.TimesAdvStringGrid, Qt::Key_Down);
            }
            if (opening == "Menu") {
                menu = grid.PressMenuKey();
            } else {
                QTest::keyClick(&form.TimesAdvStringGrid, Qt::Key_F10, Qt::ShiftModifier);
                menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            }
        }
        QVERIFY(GridDriver::ClickMenuItem(menu, QStringLiteral("Set Days")));
        QTRY_VERIFY(form.SetAll1.isVisible());
        QVERIFY(GridDriver::ClickMenuItem(&form.SetAll1, preset));
        form.StoreAllControls();
        for (int s = 0; s < 16; ++s) {
            const TimeSlot &slot = form.Model().NormalTimes.at(0).at(static_cast<std::size_t>(s));
            QStringList texts;
            for (const std::uint8_t day : slot.Days) {
                texts << (day != 0 ? QStringLiteral("On") : QStringLiteral("Off"));
            }
            QCOMPARE(texts.join(QLatin1Char(' ')), s == 10 ? days : QStringLiteral("Off Off Off Off Off Off Off"));
            QCOMPARE(slot.Start, 0.5);
        }
    }

private:
    // Ends an open edit the way named; false when CommitOpenEditor reported a refusal.
    static bool EndEdit(GridDriver &driver, TimeGrid &grid, const QString &ending)
    {
        bool committed = true;
        if (ending == "click") {
            driver.Press(5, 9);
        } else if (ending == "commit") {
            committed = grid.CommitOpenEditor();
        } else {
            QTest::keyClick(QApplication::focusWidget(), ending == "Tab"      ? Qt::Key_Tab
                                    : ending == "Escape" ? Qt::Key_Escape
                                                         : Qt::Key_Return);
        }
        GridDriver::Settle();
        return committed;
    }
};

QTEST_MAIN(TestGrids)
#include "test_grids.moc"
