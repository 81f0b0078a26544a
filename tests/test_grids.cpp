#include "GridDriver.h"
#include "MainFormFixture.h"

#include <QTest>

#include <limits>

using namespace korvelt;
using namespace korvelt::test;

class TestGrids : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void cleanup() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // A time typed key by key into the editor a double-click opens, over the cell's text, is
    // stored however the edit ends, or refused with one message, or dropped on Esc. An editor
    // opened and left without an edit leaves the cell's value as it was, even one that no
    // text can show.
    void TypingTimes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("start"); // the value the cell shows first
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("errors");
        const double unshowable = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("13:30, Enter") << "C" << 0.5 << "13:30" << "Return" << "13:30:00" << 0;
        QTest::newRow("9:30 PM in 12 hours") << "en_US" << 0.5 << "9:30 PM" << "Return" << "9:30:00 PM" << 0;
        QTest::newRow("Tab stores") << "C" << 0.5 << "7:05" << "Tab" << "07:05:00" << 0;
        QTest::newRow("a click elsewhere stores") << "C" << 0.5 << "7:05" << "click" << "07:05:00" << 0;
        QTest::newRow("CommitOpenEditor stores") << "C" << 0.5 << "7:05" << "commit" << "07:05:00" << 0;
        QTest::newRow("Esc drops") << "C" << 0.5 << "7:05" << "Escape" << "12:00:00" << 0;
        QTest::newRow("Enter refuses") << "C" << 0.5 << "7:65" << "Return" << "12:00:00" << 1;
        QTest::newRow("Tab refuses") << "C" << 0.5 << "7:65" << "Tab" << "12:00:00" << 1;
        QTest::newRow("a click elsewhere refuses") << "C" << 0.5 << "7:65" << "click" << "12:00:00" << 1;
        QTest::newRow("CommitOpenEditor refuses") << "C" << 0.5 << "7:65" << "commit" << "12:00:00" << 1;
        QTest::newRow("Esc drops without a word") << "C" << 0.5 << "7:65" << "Escape" << "12:00:00" << 0;
        QTest::newRow("an emptied cell is refused") << "C" << 0.5 << "\b" << "Return" << "12:00:00" << 1;
        QTest::newRow("unshowable, opened and left") << "C" << unshowable << "" << "Return" << "" << 0;
    }
    void TypingTimes()
    {
        QFETCH(QString, locale);
        QFETCH(double, start);
        QFETCH(QString, typed);
        QFETCH(QString, ending);
        QFETCH(QString, cell);
        QFETCH(int, errors);
        QLocale::setDefault(QLocale(locale));
        MainFormFixture f;
        ScheduleModel model;
        model.NormalTimes.at(0).at(3).End = start;
        f.form->ReplaceModel(model);
        f.form->TakeSnapshot();
        auto &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        const QString before = grid.Cell(2, 4);
        GridDriver driver(grid);
        QVERIFY(driver.Type(2, 4, typed) != nullptr);
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
        QCOMPARE(committed, ending != "commit" || errors == 0);
        QVERIFY(grid.OpenEditorWidget() == nullptr);
        QCOMPARE(grid.Cell(2, 4), cell);
        QCOMPARE(f.dialogs->log.Errors.size(), errors);
        if (errors != 0) {
            const QString &error = f.dialogs->log.Errors.front();
            QVERIFY2(error.startsWith('"' + typed.remove('\b') + "\" is not a time. The End cell of slot 4 keeps"),
                     qPrintable(error));
        }
        // Tab moves on to the next cell, a click to the cell clicked.
        QCOMPARE(grid.currentColumn() + 1, ending == "Tab" ? 3 : ending == "click" ? 5 : 2);
        f.form->StoreAllControls();
        QCOMPARE(f.form->ScheduleChanged(), cell != before);
    }

    // A day cell's list drops down as the editor opens (double-click, F2 or Space), holds
    // exactly On and Off each time, and a pick is stored at once; Esc changes nothing.
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
        auto &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        GridDriver driver(grid);
        for (const bool escape : {true, false}) {
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
            for (const QString &action : escape ? QStringList{"Escape"} : actions.split(' ')) {
                if (action == "Up" || action == "Return" || action == "Escape") {
                    QTest::keyClick(list, action == "Up"       ? Qt::Key_Up
                                          : action == "Return" ? Qt::Key_Return
                                                               : Qt::Key_Escape);
                } else if (action == "click") {
                    driver.Press(1, 10);
                } else if (action == "commit") {
                    QVERIFY(grid.CommitOpenEditor());
                } else {
                    GridDriver::ClickListItem(list, action);
                }
            }
            QCoreApplication::processEvents();
            QVERIFY(grid.OpenEditorWidget() == nullptr);
            QVERIFY(!escape || QApplication::focusWidget() == &grid);
            QCOMPARE(grid.Cell(6, 4), escape ? QStringLiteral("Off") : cell);
        }
    }

    // Clicks select a cell of the slot rows and open no editor; the headers take no part.
    void ClicksSelectButDoNotEdit()
    {
        MainFormFixture f;
        auto &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        GridDriver driver(grid);
        driver.Press(4, 6);
        driver.Press(4, 6);
        driver.Press(0, 9);
        driver.Press(5, 0);
        QCoreApplication::processEvents();
        QVERIFY(grid.OpenEditorWidget() == nullptr);
        const GridRect selection = grid.Selection();
        QCOMPARE((QList<int>{selection.Left, selection.Top, selection.Right, selection.Bottom}),
                 (QList<int>{4, 6, 4, 6}));
    }

    // "Set Days" acts on the row the menu was opened for: the row right-clicked (none on the
    // headers or below the last row), or from the keyboard the current row, whatever the
    // selection or the last press.
    void SetDaysActsOnTheMenusRow_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QPoint>("cell"); // right-clicked, or made current with the arrow keys
        QTest::addColumn<int>("row");     // the row set; 0 for none
        QTest::addColumn<QString>("days");
        QTest::newRow("All, right-click") << "All" << "right-click" << QPoint(4, 11) << 11 << "On On On On On On On";
        QTest::newRow("None, slot column") << "None" << "right-click" << QPoint(0, 12) << 12
                                           << "Off Off Off Off Off Off Off";
        QTest::newRow("header") << "All" << "right-click" << QPoint(3, 0) << 0 << "";
        QTest::newRow("below the last row") << "All" << "right-click" << QPoint(3, 17) << 0 << "";
        QTest::newRow("Weekdays, Menu key") << "Weekdays" << "Menu" << QPoint(1, 11) << 11 << "Off On On On On On Off";
        QTest::newRow("Weekends, Shift+F10") << "Weekends" << "Shift+F10" << QPoint(1, 11) << 11
                                             << "On Off Off Off Off Off On";
    }
    void SetDaysActsOnTheMenusRow()
    {
        QFETCH(QString, preset);
        QFETCH(QString, opening);
        QFETCH(QPoint, cell);
        QFETCH(int, row);
        QFETCH(QString, days);
        MainFormFixture f;
        auto &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        GridDriver driver(grid);
        const QString wednesdays = QStringLiteral("Off Off Off On Off Off Off"); // unlike any preset
        for (int r = 1; r <= 16; ++r) {
            grid.SetCell(6, r, QStringLiteral("On"));
        }
        driver.Select(1, 2, 1, 3); // the selection is not what a preset acts on
        QMenu *menu = nullptr;
        if (opening == "right-click") {
            // Below the last row the grid has no cell.
            const QPoint at = cell.y() <= 16 ? grid.CellCentre(cell.x(), cell.y())
                                             : grid.CellCentre(cell.x(), 16) + QPoint(0, 10);
            menu = driver.RightClickAt(at);
        } else {
            for (int r = 3; r < cell.y(); ++r) {
                QTest::keyClick(&grid, Qt::Key_Down);
            }
            if (opening == "Menu") {
                menu = driver.PressMenuKey();
            } else {
                QTest::keyClick(&grid, Qt::Key_F10, Qt::ShiftModifier);
                menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            }
        }
        QCOMPARE(menu, &f.Find<QMenu>("NormalTimesPopupMenu"));
        QVERIFY(GridDriver::ClickMenuItem(menu, QStringLiteral("Set Days")));
        auto &setDays = f.Find<QMenu>("SetAll1");
        QTRY_VERIFY(setDays.isVisible());
        QVERIFY(GridDriver::ClickMenuItem(&setDays, preset));
        for (int r = 1; r <= 16; ++r) {
            QStringList texts;
            for (int c = 3; c <= 9; ++c) {
                texts << grid.Cell(c, r);
            }
            QCOMPARE(texts.join(' '), r == row ? days : wednesdays);
        }
    }

    // "Paste" is greyed out until the first "Copy". Slots from the special grid carry no
    // days, so the normal grid keeps its own; whole slots, days included, go from the rows
    // selected in one output to the rows from the one pasted at in another.
    void CopyAndPasteThroughTheMenus()
    {
        MainFormFixture f;
        GridDriver normal(f.Find<TimeGrid>("TimesAdvStringGrid"));
        GridDriver special(f.Find<TimeGrid>("SpecialTimesAdvStringGrid"));
        QVERIFY(normal.PickDay(9, 6, QStringLiteral("On")));
        QVERIFY(normal.TypeTime(1, 3, QStringLiteral("060000")));
        QVERIFY(normal.TypeTime(2, 4, QStringLiteral("070000")));
        QVERIFY(normal.PickDay(5, 5, QStringLiteral("On")));
        f.ShowPage("SpecialTimesAdvTabSheet1");
        QVERIFY(special.TypeTime(1, 1, QStringLiteral("203000")));
        f.ShowPage("TimesAdvTabSheet");
        QMenu *menu = normal.RightClick(1, 1);
        QCOMPARE(menu, &f.Find<QMenu>("NormalTimesPopupMenu"));
        QVERIFY(!GridDriver::ClickMenuItem(menu, QStringLiteral("Paste")));
        QTest::keyClick(menu, Qt::Key_Escape);

        f.ShowPage("SpecialTimesAdvTabSheet1");
        menu = special.RightClick(1, 1);
        QCOMPARE(menu, &f.Find<QMenu>("SpecialPopupMenu"));
        QVERIFY(!f.Find<QAction>("SpecialTimesMenuPaste").isEnabled());
        QVERIFY(GridDriver::ClickMenuItem(menu, QStringLiteral("Copy")));
        f.ShowPage("TimesAdvTabSheet");
        QVERIFY(GridDriver::ClickMenuItem(normal.RightClick(2, 6), QStringLiteral("Paste")));
        f.form->StoreAllControls();
        const TimeSlot &slot = f.form->Model().NormalTimes.at(0).at(5);
        QCOMPARE(slot.Start, 20.5 / 24);
        QCOMPARE(slot.End, 0.5);
        QCOMPARE(slot.Days.at(6), std::uint8_t{1});

        normal.Select(2, 3, 7, 5);
        QVERIFY(GridDriver::ClickMenuItem(normal.RightClick(2, 4), QStringLiteral("Copy")));
        MainFormFixture::TypeInto(f.Find<QSpinBox>("OutputCSpinEdit"), QStringLiteral("2"));
        normal.Press(6, 10);
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
        QCOMPARE(second.at(8), TimeSlot{});
    }

    // An empty cell (a value that cannot be shown) stops a copy with a message; the slots
    // copied before stay on the clipboard, whole.
    void FailedCopyLeavesTheClipboardAsItWas()
    {
        MainFormFixture f;
        ScheduleModel model;
        model.NormalTimes.at(0).at(1).End = std::numeric_limits<double>::quiet_NaN();
        f.form->ReplaceModel(model);
        auto &cells = f.Find<TimeGrid>("TimesAdvStringGrid");
        GridDriver grid(cells);
        QVERIFY(grid.TypeTime(1, 5, QStringLiteral("5:00")));
        QVERIFY(grid.TypeTime(1, 1, QStringLiteral("1:00")));
        QVERIFY(GridDriver::ClickMenuItem(grid.RightClick(1, 5), QStringLiteral("Copy")));
        grid.Select(1, 1, 1, 3);
        QVERIFY(GridDriver::ClickMenuItem(grid.RightClick(1, 1), QStringLiteral("Copy")));
        QCOMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("'' is not a valid time")});
        QVERIFY(GridDriver::ClickMenuItem(grid.RightClick(1, 10), QStringLiteral("Paste")));
        QCOMPARE(cells.Cell(1, 10), QStringLiteral("05:00:00"));
        QCOMPARE(cells.Cell(1, 11), QStringLiteral("12:00:00"));
    }
};

QTEST_MAIN(TestGrids)
#include "test_grids.moc"
