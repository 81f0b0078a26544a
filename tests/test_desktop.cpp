#include "text/DataFile.h"
#include "GridDriver.h"
#include "app/StatusText.h"
#include "editor/GridSlots.h"
#include "MainFormFixture.h"
#include "app/RadioGroup.h"
#ifdef _WIN32
#include <windows.h>
#else
#include "helpviewer/ChmHelpViewer.h"
#include "helpviewer/ChmTextBrowser.h"
#include "helpviewer/HelpWindow.h"
#endif

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QUndoStack>
#include <QAccessible>
#include <QTemporaryDir>
#include <QTest>

using namespace korvelt;
using namespace korvelt::test;

namespace {

// A key pressed in the window as the user presses it, with the window active.
void PressKeys(MainFormFixture &f, const QKeySequence &keys)
{
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QTest::keySequence(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : f.form.get(), keys);
}

#ifdef _WIN32
// The HTML Help window, which bears the help file's title.
bool HtmlHelpWindowShown()
{
    return FindWindowW(nullptr, L"KORVELT Time Control Help") != nullptr;
}
#else
HelpWindow *ShownHelpWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *help = qobject_cast<HelpWindow *>(window); help != nullptr && help->isVisible()) {
            return help;
        }
    }
    return nullptr;
}
#endif

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    [[nodiscard]] QString Path(const QString &name) const { return dir_.filePath(name); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        QVERIFY(SaveDataFile(Path(QStringLiteral("saved.dat")).toStdString(), ScheduleModel{}));
    }

    // Ctrl+S saves (".dat" added to a name without an ending), Ctrl+O loads, Ctrl+Q closes,
    // F1 opens the help at the page of the tab in view; the status area names the file.
    void WindowKeys_data() // clang-format off
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("fileName");  // what the file dialog answers
        QTest::addColumn<QString>("fileLabel"); // the status area afterwards
        QTest::addColumn<QString>("helpPage");  // the help page shown; empty: no help
        const QKeySequence save(QKeySequence::Save);
        const QKeySequence f1(Qt::Key_F1);
        QTest::newRow("Ctrl+S, no ending") << save << "TimesAdvTabSheet" << "shop" << "File: shop.dat" << "";
        QTest::newRow("Ctrl+S, .dat") << save << "TimesAdvTabSheet" << "shop2.dat" << "File: shop2.dat" << "";
        QTest::newRow("Ctrl+S, another ending") << save << "TimesAdvTabSheet" << "n.gate" << "File: n.gate" << "";
        QTest::newRow("Ctrl+O") << QKeySequence(QKeySequence::Open) << "TimesAdvTabSheet" << "saved.dat"
                                << "File: saved.dat" << "";
        QTest::newRow("Ctrl+Q") << QKeySequence(Qt::CTRL | Qt::Key_Q) << "TimesAdvTabSheet" << "" << "" << "";
        QTest::newRow("F1, Times") << f1 << "TimesAdvTabSheet" << "" << "File: Untitled" << "/normal-times.htm";
        QTest::newRow("F1, Special Times") << f1 << "SpecialTimesAdvTabSheet1" << "" << "File: Untitled"
                                           << "/special-times.htm";
        QTest::newRow("F1, Daylight Saving") << f1 << "DaylightSavingAdvTabSheet" << "" << "File: Untitled"
                                             << "/daylight-saving.htm";
    } // clang-format on
    void WindowKeys()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, tab);
        QFETCH(QString, fileName);
        QFETCH(QString, fileLabel);
        QFETCH(QString, helpPage);
        MainFormFixture f({}, {}, QStringLiteral(KORVELT_HELP_FILE));
        f.ShowPage(tab);
        f.dialogs->fileNames = {Path(fileName)};
        PressKeys(f, keys);
        QCOMPARE(f.form->isVisible(), !fileLabel.isEmpty()); // Ctrl+Q closes the unchanged window
        if (f.form->isVisible()) {
            QCOMPARE(f.Find<QLabel>("FileLabel").text(), fileLabel);
            QVERIFY(fileName.isEmpty() || QFile::exists(Path(fileLabel.mid(6))));
        }
        if (!helpPage.isEmpty()) {
#ifdef _WIN32
            // HTML Help tells no one which page it shows; closing the window closes it too.
            QTRY_VERIFY(HtmlHelpWindowShown());
            f.form->close();
            QTRY_VERIFY(!HtmlHelpWindowShown());
#else
            QTRY_VERIFY(ShownHelpWindow() != nullptr);
            QCOMPARE(ShownHelpWindow()->Browser().source().path(), helpPage);
#endif
        }
        QVERIFY(f.dialogs->log.Errors.isEmpty());
    }

#ifndef _WIN32
    // A page the help file does not hold gives way to its first page.
    void MissingHelpPage()
    {
        ChmHelpViewer viewer;
        viewer.DisplayTopic(QStringLiteral(KORVELT_HELP_FILE), QStringLiteral("no-such-page.htm"));
        QCOMPARE(viewer.Window()->Browser().source().path(), QStringLiteral("/getting-started.htm"));
    }
#endif

    // The Undo history as a user drives it: a typed cell, a day picked and a paste are undone
    // one by one with Ctrl+Z, the unsaved-changes marker going away when the schedule is back
    // at the file saved, and redone with Ctrl+Y, Ctrl+Shift+Z and the grid's menu. A text
    // being typed keeps its own Ctrl+Z.
    void UndoHistory()
    {
        MainFormFixture f;
        auto &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        const auto &label = f.Find<QLabel>("FileLabel");
        auto &undo = f.Find<QAction>("UndoAction");
        auto &redo = f.Find<QAction>("RedoAction");
        f.dialogs->fileNames = {Path(QStringLiteral("undo.dat"))};
        f.Find<QPushButton>("SaveButton").click();
        QCOMPARE(label.text(), QStringLiteral("File: undo.dat"));
        QVERIFY(!undo.isEnabled() && !redo.isEnabled());

        GridDriver driver(grid);
        QVERIFY(driver.TypeTime(StartColumn, 2, QStringLiteral("13:37")));
        QCOMPARE(undo.text(), QStringLiteral("Undo Edit slot 2 of output 1"));
        QVERIFY(driver.PickDay(FirstDayColumn + 1, 2, QStringLiteral("On")));
        driver.Press(StartColumn, 2);
        PressKeys(f, QKeySequence::Copy);
        driver.Press(StartColumn, 5);
        PressKeys(f, QKeySequence::Paste);
        QCOMPARE(undo.text(), QStringLiteral("Undo Paste 1 slot into output 1"));
        QCOMPARE(grid.Cell(FirstDayColumn + 1, 5), QStringLiteral("On"));
        QCOMPARE(label.text(), QStringLiteral("File: undo.dat (unsaved changes)"));

        // Typing in a cell: Ctrl+Z takes back what was typed, not the paste.
        QVERIFY(driver.Type(StartColumn, 7, QStringLiteral("9")) != nullptr);
        QTest::keySequence(QApplication::focusWidget(), QKeySequence::Undo);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(undo.text(), QStringLiteral("Undo Paste 1 slot into output 1"));

        // Undone one by one.
        const QString noon = QStringLiteral("12:00:00");
        PressKeys(f, QKeySequence::Undo);
        QCOMPARE(grid.Cell(StartColumn, 5), noon);
        QCOMPARE(grid.Cell(StartColumn, 2), QStringLiteral("13:37:00"));
        QCOMPARE(redo.text(), QStringLiteral("Redo Paste 1 slot into output 1"));
        PressKeys(f, QKeySequence::Undo);
        QCOMPARE(grid.Cell(FirstDayColumn + 1, 2), QStringLiteral("Off"));
        QCOMPARE(label.text(), QStringLiteral("File: undo.dat (unsaved changes)"));
        PressKeys(f, QKeySequence::Undo);
        QCOMPARE(grid.Cell(StartColumn, 2), noon);
        QCOMPARE(label.text(), QStringLiteral("File: undo.dat"));
        QVERIFY(!undo.isEnabled());
        QVERIFY(!f.form->ScheduleChanged());

        // Redone: with Ctrl+Y, Ctrl+Shift+Z and from the grid's menu.
        PressKeys(f, QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(grid.Cell(StartColumn, 2), QStringLiteral("13:37:00"));
        QCOMPARE(label.text(), QStringLiteral("File: undo.dat (unsaved changes)"));
        PressKeys(f, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QCOMPARE(grid.Cell(FirstDayColumn + 1, 2), QStringLiteral("On"));
        QVERIFY(GridDriver::ClickMenuItem(driver.RightClick(StartColumn, 9),
                                          QStringLiteral("Redo Paste 1 slot into output 1")));
        QCOMPARE(grid.Cell(StartColumn, 5), QStringLiteral("13:37:00"));
        QVERIFY(!redo.isEnabled());

        // "Copy output 1 to…" to outputs 3 and 4, and Delete, each one step.
        f.dialogs->outputAnswers = {std::vector<int>{2, 3}};
        QVERIFY(GridDriver::ClickMenuItem(driver.RightClick(StartColumn, 1), QStringLiteral("Copy output 1 to\u2026")));
        QCOMPARE(undo.text(), QStringLiteral("Undo Copy the normal times of output 1 to 2 outputs"));
        QCOMPARE(f.form->Model().NormalTimes.at(3), f.form->Model().NormalTimes.at(0));
        QVERIFY(driver.Do(QStringLiteral("drag 2 5")));
        QTest::keyClick(&grid, Qt::Key_Delete);
        QCOMPARE(undo.text(), QStringLiteral("Undo Clear 4 slots of output 1"));
        QCOMPARE(grid.Cell(StartColumn, 5), noon);
        PressKeys(f, QKeySequence::Undo);
        QCOMPARE(grid.Cell(StartColumn, 2), QStringLiteral("13:37:00"));
        QCOMPARE(grid.Cell(StartColumn, 5), QStringLiteral("13:37:00"));
        PressKeys(f, QKeySequence::Undo);
        QCOMPARE(f.form->Model().NormalTimes.at(3).at(1).Start, 0.5);
        QCOMPARE(redo.text(), QStringLiteral("Redo Copy the normal times of output 1 to 2 outputs"));

        // Saved again, the dialog offers the file's own name in its folder.
        f.dialogs->fileNames = {Path(QStringLiteral("undo.dat"))};
        f.Find<QPushButton>("SaveButton").click();
        QCOMPARE(f.dialogs->lastFolder, Path(QStringLiteral("undo.dat")));
        QCOMPARE(label.text(), QStringLiteral("File: undo.dat"));
        QVERIFY(f.dialogs->log.Errors.isEmpty());
    }

    // Each kind of edit, whatever number of cells it changes, and a read from the KORVELT is
    // one step named for it in the Undo menu, undone and redone with the keys, and shows the
    // unsaved-changes marker, which a save takes away; choosing another output and back is no step, and keeps the edit.
    void UndoSteps_data() // clang-format off
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("step");
        QTest::newRow("typed") << "TimesAdvTabSheet" << "type" << "Edit slot 3 of output 2";
        QTest::newRow("day picked") << "TimesAdvTabSheet" << "day" << "Edit slot 3 of output 2";
        QTest::newRow("Set Days") << "TimesAdvTabSheet" << "all" << "Set Days of slot 3 of output 2";
        QTest::newRow("pasted") << "TimesAdvTabSheet" << "paste" << "Paste 2 slots into output 2";
        QTest::newRow("cleared") << "TimesAdvTabSheet" << "delete" << "Clear 2 slots of output 2";
        QTest::newRow("special typed") << "SpecialTimesAdvTabSheet1" << "type" << "Edit special slot 3 of output 2";
        QTest::newRow("special pasted") << "SpecialTimesAdvTabSheet1" << "paste" << "Paste 2 special slots into output 2";
        QTest::newRow("special cleared") << "SpecialTimesAdvTabSheet1" << "delete" << "Clear 2 special slots of output 2";
        QTest::newRow("special date picked") << "SpecialTimesAdvTabSheet1" << "date" << "Change special date 3";
        QTest::newRow("special date typed") << "SpecialTimesAdvTabSheet1" << "typed date" << "Change special date 3";
        QTest::newRow("daylight saving week") << "DaylightSavingAdvTabSheet" << "week" << "Change Daylight Saving";
        QTest::newRow("daylight saving turned off") << "DaylightSavingAdvTabSheet" << "off" << "Change Daylight Saving";
        QTest::newRow("read from the KORVELT") << "TimesAdvTabSheet" << "read" << "Read From KORVELT";
    } // clang-format on
    void UndoSteps()
    {
        QFETCH(QString, page);
        QFETCH(QString, edit);
        QFETCH(QString, step);
        auto backend = std::make_shared<SimulatedHidBackend>();
        backend->AddKorvelt()->SetBlock(1, BlockImage{}); // a schedule the window does not hold
        MainFormFixture f(backend);
        ScheduleModel model; // slots 1 and 2 of output 2 are not fresh ones
        for (OutputSlots *output : {&model.NormalTimes.at(1), &model.SpecialTimes.at(1)}) {
            output->at(0).Start = output->at(1).Start = 0.25;
        }
        f.form->ReplaceModel(model);
        f.form->TakeSnapshot();
        const auto &label = f.Find<QLabel>("FileLabel");
        f.ShowPage(page);
        const bool special = page.startsWith(QLatin1String("Special"));
        auto &grid = f.Find<TimeGrid>(special ? "SpecialTimesAdvStringGrid" : "TimesAdvStringGrid");
        auto &output = f.Find<QSpinBox>(special ? "SpecialOutputCSpinEdit" : "OutputCSpinEdit");
        MainFormFixture::TypeInto(output, QStringLiteral("2"));
        GridDriver driver(grid);
        const int steps = f.form->Document().UndoStack().count();
        if (edit == QLatin1String("type")) {
            QVERIFY(driver.TypeTime(StartColumn, 3, QStringLiteral("13:30")));
        } else if (edit == QLatin1String("day")) {
            QVERIFY(driver.PickDay(FirstDayColumn, 3, QStringLiteral("On")));
        } else if (edit == QLatin1String("all")) {
            QVERIFY(GridDriver::ClickMenuItem(driver.RightClick(StartColumn, 3), QStringLiteral("Set Days")));
            QVERIFY(GridDriver::ClickMenuItem(&f.Find<QMenu>("SetAll1"), QStringLiteral("All")));
        } else if (edit == QLatin1String("paste")) {
            QVERIFY(driver.Do(QStringLiteral("drag 1 2")));
            PressKeys(f, QKeySequence::Copy);
            QVERIFY(driver.Do(QStringLiteral("click 6")));
            PressKeys(f, QKeySequence::Paste);
        } else if (edit == QLatin1String("delete")) {
            QVERIFY(driver.Do(QStringLiteral("drag 1 2")));
            QTest::keyClick(&grid, Qt::Key_Delete);
        } else if (edit == QLatin1String("date")) {
            auto &picker = f.Find<QDateEdit>("SpecialDateDateTimePicker3");
            picker.setFocus();
            QTest::keyClick(&picker, Qt::Key_Up);
            QTest::keyClick(&picker, Qt::Key_Return);
        } else if (edit == QLatin1String("typed date")) {
            MainFormFixture::TypeInto(f.Find<QDateEdit>("SpecialDateDateTimePicker3"), QStringLiteral("24122031"));
            QTest::keyClick(&f.Find<QDateEdit>("SpecialDateDateTimePicker3"), Qt::Key_Return);
        } else if (edit == QLatin1String("week")) {
            QTest::mouseClick(f.Find<RadioGroup>("AdvanceRadioGroup").Item(1), Qt::LeftButton);
        } else if (edit == QLatin1String("off")) {
            QTest::mouseClick(&f.Find<QCheckBox>("EnableDaylightSavingCheckBox"), Qt::LeftButton);
        } else {
            f.Find<QPushButton>("ReadButton").click();
            QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Read Complete")});
        }
        QTRY_COMPARE(f.Find<QAction>("UndoAction").text(), QStringLiteral("Undo ") + step);
        QStringList shown;
        for (int r = 1; r <= SlotCount; ++r) {
            shown << grid.Cell(StartColumn, r) + grid.Cell(FirstDayColumn, r);
        }
        MainFormFixture::TypeInto(output, QStringLiteral("5"));
        MainFormFixture::TypeInto(output, QStringLiteral("2"));
        for (int r = 1; r <= SlotCount; ++r) {
            QCOMPARE(grid.Cell(StartColumn, r) + grid.Cell(FirstDayColumn, r), shown.at(r - 1));
        }
        QCOMPARE(f.form->Document().UndoStack().count(), steps + 1);
        QCOMPARE(label.text(), QStringLiteral("File: Untitled (unsaved changes)"));
        f.dialogs->fileNames = {Path(QStringLiteral("marker.dat"))};
        f.Find<QPushButton>("SaveButton").click();
        QCOMPARE(label.text(), QStringLiteral("File: marker.dat"));
        // Ctrl+Z and Ctrl+Y stay the schedule's wherever undoing leaves the focus (in the
        // special-date box for a date).
        while (QWidget *menu = QApplication::activePopupWidget()) {
            menu->close(); // a grid's menu left open by its submenu's command
        }
        f.form->setFocus();
        PressKeys(f, QKeySequence::Undo);
        QCOMPARE(f.Find<QAction>("RedoAction").text(), QStringLiteral("Redo ") + step);
        PressKeys(f, QKeySequence(Qt::CTRL | Qt::Key_Y));
        QCOMPARE(f.Find<QAction>("UndoAction").text(), QStringLiteral("Undo ") + step);
    }

    // A long file name gives way in its middle: the line still begins with "File:" and ends
    // with "(unsaved changes)", and a screen reader gets the whole line.
    void LongFileName()
    {
        MainFormFixture f;
        const QString name = QStringLiteral("the schedule of the north entrance and the car park, winter %1.dat")
                                 .arg(QString(40, QLatin1Char('x')));
        f.dialogs->fileNames = {Path(name)};
        f.Find<QPushButton>("SaveButton").click();
        QVERIFY(GridDriver(f.Find<TimeGrid>("TimesAdvStringGrid")).TypeTime(StartColumn, 2, QStringLiteral("13:37")));
        const auto &label = f.Find<StatusText>("FileLabel");
        const QString whole = QStringLiteral("File: %1 (unsaved changes)").arg(name);
        QCOMPARE(label.text(), whole);
        const QString shown = label.ShownText();
        QVERIFY2(shown.startsWith(QStringLiteral("File: the schedule")) && shown.contains(QChar(0x2026)) &&
                     shown.endsWith(QStringLiteral("x.dat (unsaved changes)")),
                 qPrintable(shown));
        QVERIFY(label.fontMetrics().horizontalAdvance(shown) <= label.contentsRect().width());
        QCOMPARE(
            QAccessible::queryAccessibleInterface(const_cast<StatusText *>(&label))->text(QAccessible::Description),
            whole);
    }

    // The window's place and size, the two check boxes and the last folder come back in the
    // next run; a settings file that cannot be read, or holds values that are none, is
    // passed over and the window starts as on a first run.
    void Settings_data()
    {
        QTest::addColumn<QByteArray>("broken"); // written over the file before the restart
        QTest::newRow("kept") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff[\x01\x02=\xfe\n[[[\n", 12).repeated(50);
        QTest::newRow("wrong values") << QByteArray("[General]\nGeometry=@ByteArray(nonsense)\nLastFolder=/no/such/"
                                                    "folder\nUsePCTime=perhaps\nVerifyAfterWriting=\n");
        QTest::newRow("a folder") << QByteArray("/");
    }
    void Settings()
    {
        QFETCH(QByteArray, broken);
        const QString settings = Path(QStringLiteral("%1.conf").arg(QTest::currentDataTag()));
        QTemporaryDir folder;
        QRect geometry(40, 50, 900, 640);
        {
            MainFormFixture f({}, {}, {}, settings);
            QTest::mouseClick(&f.Find<QCheckBox>("UsePCTimeCheckBox"), Qt::LeftButton);
            QTest::mouseClick(&f.Find<QCheckBox>("VerifyCheckBox"), Qt::LeftButton);
            f.form->setGeometry(geometry);
            f.dialogs->fileNames = {folder.filePath(QStringLiteral("kept"))};
            f.Find<QPushButton>("SaveButton").click();
            QVERIFY(f.form->close());
        }
        QFile file(settings);
        if (broken == "/") {
            QVERIFY(file.remove() && QDir().mkpath(settings));
        } else if (!broken.isEmpty()) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(broken) == broken.size());
            file.close();
        }
        MainFormFixture f({}, {}, {}, settings);
        QCOMPARE(f.Find<QCheckBox>("UsePCTimeCheckBox").isChecked(), !broken.isEmpty());
        QCOMPARE(f.Find<QCheckBox>("VerifyCheckBox").isChecked(), !broken.isEmpty());
        QCOMPARE(f.form->geometry() == geometry, broken.isEmpty());
        f.Find<QPushButton>("LoadButton").click();
        QCOMPARE(f.dialogs->lastFolder == folder.path(), broken.isEmpty());
        QVERIFY(QFileInfo(f.dialogs->lastFolder).isDir());
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
