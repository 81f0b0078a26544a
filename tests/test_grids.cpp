#include "GridDriver.h"
#include "MainFormFixture.h"

#include <QHeaderView>
#include <QTest>

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
        QCOMPARE(normal.RowCount(), 17);
        QCOMPARE(normal.ColCount(), 10);
        QCOMPARE(special.ColCount(), 3);
        const QStringList headers{"Slot", "Start", "End", "Sun", "Mon", "Tue", "Wed", "Thur", "Fri", "Sat"};
        for (int c = 0; c < normal.ColCount(); ++c) {
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

    void DayCellOffersExactlyOnAndOff()
    {
        MainFormFixture f;
        GridDriver grid(f.form->TimesAdvStringGrid);
        for (int attempt = 0; attempt < 2; ++attempt) {
            auto *combo = qobject_cast<QComboBox *>(grid.OpenEditor(6, 4));
            QVERIFY(combo != nullptr);
            QCOMPARE(combo->count(), 2);
            QCOMPARE(combo->itemText(0), QStringLiteral("On"));
            QCOMPARE(combo->itemText(1), QStringLiteral("Off"));
            QVERIFY(!combo->isEditable());
            QTest::keyClick(combo, Qt::Key_Escape);
        }
        QVERIFY(grid.PickDay(6, 4, QStringLiteral("On")));
        QCOMPARE(f.form->TimesAdvStringGrid.Cell(6, 4), QStringLiteral("On"));
        QVERIFY(grid.PickDay(6, 4, QStringLiteral("Off")));
        QCOMPARE(f.form->TimesAdvStringGrid.Cell(6, 4), QStringLiteral("Off"));
    }

    void TimeCellGetsATimeEditor_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("text");
        QTest::newRow("24-hour") << "en_GB" << "071502" << "07:15:02";
        QTest::newRow("12-hour") << "en_US" << "71502" << "7:15:02 PM";
    }
    void TimeCellGetsATimeEditor()
    {
        QFETCH(QString, locale);
        QFETCH(QString, digits);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(locale));
        MainFormFixture f;
        GridDriver grid(f.form->TimesAdvStringGrid);
        QVERIFY(grid.TypeTime(2, 9, digits));
        QCOMPARE(f.form->TimesAdvStringGrid.Cell(2, 9), text);
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    }

    void SpecialGridEditsStartAndEndOnly()
    {
        MainFormFixture f;
        f.form->AdvPageControl1.setCurrentWidget(&f.form->SpecialTimesAdvTabSheet1);
        GridDriver grid(f.form->SpecialTimesAdvStringGrid);
        QVERIFY(qobject_cast<QTimeEdit *>(grid.OpenEditor(1, 1)) != nullptr);
        QVERIFY(grid.TypeTime(1, 2, QStringLiteral("000000")));
        QCOMPARE(f.form->SpecialTimesAdvStringGrid.Cell(1, 2), QStringLiteral("00:00:00"));
    }

    void CommitOpenEditorStoresWhatIsTyped()
    {
        MainFormFixture f;
        TimeGrid &grid = f.form->TimesAdvStringGrid;
        GridDriver driver(grid);
        QVERIFY(driver.Type(2, 5, QStringLiteral("081500")) != nullptr);
        QVERIFY(grid.CommitOpenEditor());
        QCOMPARE(grid.Cell(2, 5), QStringLiteral("08:15:00"));
        QVERIFY(grid.OpenEditorWidget() == nullptr);
        QVERIFY(grid.CommitOpenEditor()); // nothing open: nothing happens
        QCOMPARE(grid.Cell(2, 5), QStringLiteral("08:15:00"));
    }

    void OneClickEditsNothing()
    {
        MainFormFixture f;
        GridDriver grid(f.form->TimesAdvStringGrid);
        grid.Press(1, 1);
        grid.Press(1, 1);
        QCoreApplication::processEvents();
        QVERIFY(qobject_cast<QTimeEdit *>(QApplication::focusWidget()) == nullptr &&
                QApplication::focusWidget() == &f.form->TimesAdvStringGrid);
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
            QVERIFY(grid.TypeTime(1, r, QStringLiteral("0%10000").arg(r)));
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

    void CopyOfTextThatIsNoTimeShowsTheError()
    {
        MainFormFixture f;
        TMainForm &form = *f.form;
        form.TimesAdvStringGrid.SetCell(2, 2, QStringLiteral("lunchtime"));
        GridDriver grid(form.TimesAdvStringGrid);
        grid.Select(1, 1, 1, 3);
        QVERIFY(GridDriver::ClickMenuItem(grid.RightClick(1, 1), QStringLiteral("Copy")));
        QCOMPARE(f.dialogs->log.Errors.size(), 1);
        QVERIFY(f.dialogs->log.Errors.front().contains(QStringLiteral("lunchtime")));
        QCOMPARE(form.Clipboard().Count(), 0);
        QVERIFY(form.isVisible());
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
};

QTEST_MAIN(TestGrids)
#include "test_grids.moc"
