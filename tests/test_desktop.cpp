#include "ChmHelpViewer.h"
#include "ChmTextBrowser.h"
#include "DataFile.h"
#include "GridDriver.h"
#include "GridSlots.h"
#include "HelpWindow.h"
#include "MainFormFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace korvelt;
using namespace korvelt::test;

namespace {

// The help window that is showing, or nullptr.
HelpWindow *ShownHelpWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *help = qobject_cast<HelpWindow *>(window); help != nullptr && help->isVisible()) {
            return help;
        }
    }
    return nullptr;
}

// A key pressed in the window as the user presses it, with the window active.
void PressKeys(MainFormFixture &f, const QKeySequence &keys)
{
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QWidget *target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : f.form.get();
    QTest::keySequence(target, keys);
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    [[nodiscard]] QString Path(const QString &name) const { return dir_.filePath(name); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        QVERIFY(dir_.isValid());
        QVERIFY(SaveDataFile(Path(QStringLiteral("saved.dat")).toStdString(), ScheduleModel{}));
    }

    // Ctrl+S saves, Ctrl+O loads, Ctrl+Q closes the window, each as its button does; the
    // status area names the file.
    void WindowKeys_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("fileName"); // what the file dialog answers
        QTest::addColumn<QString>("fileLabel");
        QTest::addColumn<bool>("open"); // the window is still open
        QTest::newRow("Ctrl+S") << QKeySequence(QKeySequence::Save) << "by-key" << "File: by-key.dat" << true;
        QTest::newRow("Ctrl+O") << QKeySequence(QKeySequence::Open) << "saved.dat" << "File: saved.dat" << true;
        QTest::newRow("Ctrl+Q") << QKeySequence(Qt::CTRL | Qt::Key_Q) << "" << "File: Untitled" << false;
    }
    void WindowKeys()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, fileName);
        QFETCH(QString, fileLabel);
        QFETCH(bool, open);
        MainFormFixture f;
        f.dialogs->fileNames = {fileName.isEmpty() ? QString() : Path(fileName)};
        PressKeys(f, keys);
        QCOMPARE(f.Find<QLabel>("FileLabel").text(), fileLabel);
        QCOMPARE(f.form->isVisible(), open);
        QVERIFY(f.dialogs->log.Errors.isEmpty());
    }

    // F1 opens the help at the page of the tab in view; a page the help file lacks opens it
    // at its first page.
    void HelpKey_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("page");
        QTest::newRow("Times") << "TimesAdvTabSheet" << "/normal-times.htm";
        QTest::newRow("Special Times") << "SpecialTimesAdvTabSheet1" << "/special-times.htm";
        QTest::newRow("Daylight Saving") << "DaylightSavingAdvTabSheet" << "/daylight-saving.htm";
    }
    void HelpKey()
    {
        QFETCH(QString, tab);
        QFETCH(QString, page);
        MainFormFixture f({}, {}, QStringLiteral(KORVELT_HELP_FILE));
        f.ShowPage(tab);
        PressKeys(f, QKeySequence(Qt::Key_F1));
        QTRY_VERIFY(ShownHelpWindow() != nullptr);
        QCOMPARE(ShownHelpWindow()->Browser().source().path(), page);

        ChmHelpViewer viewer;
        viewer.DisplayTopic(QStringLiteral(KORVELT_HELP_FILE), QStringLiteral("no-such-page.htm"));
        QVERIFY(viewer.Window() != nullptr);
        QCOMPARE(viewer.Window()->Browser().source().path(), QStringLiteral("/getting-started.htm"));
    }

    // Ctrl+C and Ctrl+V in a grid copy and paste whole slots, as the context menu does.
    void GridKeys_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("grid");
        QTest::newRow("normal times") << "TimesAdvTabSheet" << "TimesAdvStringGrid";
        QTest::newRow("special times") << "SpecialTimesAdvTabSheet1" << "SpecialTimesAdvStringGrid";
    }
    void GridKeys()
    {
        QFETCH(QString, tab);
        QFETCH(QString, grid);
        MainFormFixture f;
        f.ShowPage(tab);
        auto &timeGrid = f.Find<TimeGrid>(grid);
        GridDriver driver(timeGrid);
        QVERIFY(driver.TypeTime(StartColumn, 1, QStringLiteral("13:37")));
        QVERIFY(driver.TypeTime(EndColumn, 1, QStringLiteral("14:42")));
        const QString before = timeGrid.Cell(StartColumn, 3);
        driver.Press(StartColumn, 3);
        PressKeys(f, QKeySequence::Paste); // nothing copied yet: nothing changes
        QCOMPARE(timeGrid.Cell(StartColumn, 3), before);
        driver.Press(StartColumn, 1);
        PressKeys(f, QKeySequence::Copy);
        driver.Press(StartColumn, 3);
        PressKeys(f, QKeySequence::Paste);
        QCOMPARE(timeGrid.Cell(StartColumn, 3), timeGrid.Cell(StartColumn, 1));
        QCOMPARE(timeGrid.Cell(EndColumn, 3), timeGrid.Cell(EndColumn, 1));
        QVERIFY(timeGrid.Cell(StartColumn, 3) != before);
    }

    // A name without an ending is saved with ".dat"; the next dialog opens in its folder.
    void SaveSuffix_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no ending") << "shop" << "shop.dat";
        QTest::newRow(".dat") << "shop2.dat" << "shop2.dat";
        QTest::newRow("another ending") << "north.gate" << "north.gate";
    }
    void SaveSuffix()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        MainFormFixture f;
        f.dialogs->fileNames = {Path(typed)};
        f.Find<QPushButton>("SaveButton").click();
        QVERIFY(QFile::exists(Path(saved)));
        QCOMPARE(f.Find<QLabel>("FileLabel").text(), "File: " + saved);
        f.Find<QPushButton>("LoadButton").click();
        QCOMPARE(f.dialogs->lastFolder, dir_.path());
    }

    // Every edit of the schedule shows the unsaved-changes marker; a save takes it away.
    void UnsavedMarker_data()
    {
        QTest::addColumn<int>("edit");
        QTest::newRow("time typed") << 0;
        QTest::newRow("daylight saving turned off") << 1;
        QTest::newRow("special date typed") << 2;
    }
    void UnsavedMarker()
    {
        QFETCH(int, edit);
        MainFormFixture f;
        const auto &label = f.Find<QLabel>("FileLabel");
        QCOMPARE(label.text(), QStringLiteral("File: Untitled"));
        if (edit == 0) {
            GridDriver(f.Find<TimeGrid>("TimesAdvStringGrid")).TypeTime(StartColumn, 2, QStringLiteral("13:37"));
        } else if (edit == 1) {
            f.ShowPage(QStringLiteral("DaylightSavingAdvTabSheet"));
            QTest::mouseClick(&f.Find<QCheckBox>("EnableDaylightSavingCheckBox"), Qt::LeftButton);
        } else {
            f.ShowPage(QStringLiteral("SpecialTimesAdvTabSheet1"));
            MainFormFixture::TypeInto(f.Find<QDateEdit>("SpecialDateDateTimePicker3"), QStringLiteral("24122031"));
        }
        QCOMPARE(label.text(), QStringLiteral("File: Untitled (unsaved changes)"));
        f.dialogs->fileNames = {Path(QStringLiteral("marker.dat"))};
        f.Find<QPushButton>("SaveButton").click();
        QCOMPARE(label.text(), QStringLiteral("File: marker.dat"));
    }

    // The file named on the command line is loaded as Load File loads it.
    void FileArgument_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("fileLabel");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("a data file") << "saved.dat" << "File: saved.dat" << QStringList();
        QTest::newRow("missing") << "missing.dat" << "File: Untitled" << QStringList{"Error Opening File."};
    }
    void FileArgument()
    {
        QFETCH(QString, file);
        QFETCH(QString, fileLabel);
        QFETCH(QStringList, errors);
        MainFormFixture f;
        QCOMPARE(f.form->LoadFile(Path(file)), errors.isEmpty());
        QCOMPARE(f.Find<QLabel>("FileLabel").text(), fileLabel);
        QCOMPARE(f.dialogs->log.Errors, errors);
    }

    // The window's place and size, "Use PC Time", "Verify after writing" and the last folder
    // come back in the next run.
    void SettingsSurviveRestart()
    {
        const QString settings = Path(QStringLiteral("restart.conf"));
        QTemporaryDir folder;
        QRect geometry;
        {
            MainFormFixture f({}, {}, {}, settings);
            QTest::mouseClick(&f.Find<QCheckBox>("UsePCTimeCheckBox"), Qt::LeftButton);
            QTest::mouseClick(&f.Find<QCheckBox>("VerifyCheckBox"), Qt::LeftButton);
            f.form->setGeometry(40, 50, 700, 520);
            geometry = f.form->geometry();
            f.dialogs->fileNames = {folder.filePath(QStringLiteral("kept"))};
            f.Find<QPushButton>("SaveButton").click();
            QVERIFY(f.form->close());
        }
        MainFormFixture f({}, {}, {}, settings);
        QVERIFY(!f.Find<QCheckBox>("UsePCTimeCheckBox").isChecked());
        QVERIFY(!f.Find<QCheckBox>("VerifyCheckBox").isChecked());
        QCOMPARE(f.form->geometry(), geometry);
        f.Find<QPushButton>("LoadButton").click();
        QCOMPARE(f.dialogs->lastFolder, folder.path());
    }

    // A settings file that cannot be read, or holds values that are none, is passed over:
    // the window starts as on a first run.
    void BrokenSettings_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: a folder in the file's place
        QTest::newRow("binary") << QByteArray("\x00\xff[\x01\x02=\xfe\n[[[\n", 12).repeated(50);
        QTest::newRow("wrong values") << QByteArray("[General]\nGeometry=@ByteArray(nonsense)\nLastFolder=/no/such/"
                                                    "folder\nUsePCTime=perhaps\nVerifyAfterWriting=\n");
        QTest::newRow("a folder") << QByteArray();
    }
    void BrokenSettings()
    {
        QFETCH(QByteArray, content);
        const QString settings = Path(QStringLiteral("broken-%1.conf").arg(QTest::currentDataTag()));
        if (content.isEmpty()) {
            QVERIFY(QDir().mkpath(settings));
        } else {
            QFile file(settings);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        MainFormFixture f({}, {}, {}, settings);
        QVERIFY(f.Find<QCheckBox>("UsePCTimeCheckBox").isChecked());
        QVERIFY(f.Find<QCheckBox>("VerifyCheckBox").isChecked());
        f.Find<QPushButton>("LoadButton").click();
        QVERIFY(QFileInfo(f.dialogs->lastFolder).isDir());
        QVERIFY(f.form->close());
    }

    // --help and --version print and exit without a display.
    void TextOptions_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("printed");
        QTest::newRow("--help") << "--help" << "A data file (.dat) to open.";
        QTest::newRow("--version") << "--version" << "KORVELT Time Control 1.00";
    }
    void TextOptions()
    {
        QFETCH(QString, option);
        QFETCH(QString, printed);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KORVELT_PROGRAM), {option});
        QVERIFY(program.waitForFinished(-1));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(program.readAllStandardOutput().contains(printed.toUtf8()), qPrintable(option));
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
