#include "MainFormFixture.h"
#include "TestSchedules.h"
#include "simulator/SimulatedHidBackend.h"
#include "simulator/SimulatedKorvelt.h"
#include "text/DataFile.h"

#include <QAccessible>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <limits>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;

Q_DECLARE_METATYPE(korvelt::SimulatedFault)

// A status text is there whole for whoever reads it: for screen readers always, and in its
// tooltip when the label is too small to show it all. Returns whether it was whole.
bool ReadWhole(QLabel &label)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&label);
    const QRect room = label.contentsRect();
    const QRect needs =
        label.fontMetrics().boundingRect(QRect(0, 0, room.width(), QWIDGETSIZE_MAX),
                                         label.wordWrap() ? static_cast<int>(Qt::TextWordWrap) : 0, label.text());
    const bool cut = needs.width() > room.width() || needs.height() > room.height();
    const bool whole = accessible != nullptr && accessible->text(QAccessible::Description) == label.text() &&
                       (!cut || label.toolTip() == label.text());
    if (!whole) {
        qWarning("%s: \"%s\" is not there whole (tooltip \"%s\")", qPrintable(label.objectName()),
                 qPrintable(label.text()), qPrintable(label.toolTip()));
    }
    return whole;
}

class TestDeviceLink : public QObject {
    Q_OBJECT

    // Each test starts with one KORVELT plugged in, as it left the factory: no day is on.
    std::shared_ptr<SimulatedHidBackend> backend;
    std::shared_ptr<SimulatedKorvelt> device;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }
    void init()
    {
        backend = std::make_shared<SimulatedHidBackend>();
        device = backend->AddKorvelt();
    }

    // A write cut short by unplugging is written again once the device is back; what goes out
    // is what the controls show, an edit not yet stored included, and a read gives it all back.
    void WriteUnpluggedWriteAgainThenRead()
    {
        ScheduleModel written = DistinctSchedule();
        written.NormalTimes.at(0).at(0).Days.at(6) = 1; // Saturday of slot 0, output 0
        MainFormFixture f(backend);
        f.form->ReplaceModel(DistinctSchedule());
        f.Find<TimeGrid>("TimesAdvStringGrid").SetCell(9, 1, QStringLiteral("On"));
        device->InjectFault(SimulatedFault::Unplug, 60);
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        // The link is closed by the reader at once; the window hears of it through the event loop.
        QTRY_VERIFY(!f.form->Session().DeviceOpen() && !f.form->Session().Busy());
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors,
                 (QStringList{"KORVELT was unplugged while writing (block 29 of 64). Plug it in and try again.",
                              "Cannot find KORVELT"}));
        // Nothing of the unplugged write stays up under the second one's box.
        QCOMPARE(f.Find<QLabel>("StatusLabel").text(), QStringLiteral("Cannot find KORVELT"));
        QVERIFY(f.Find<QProgressBar>("ProgressBar").value() < f.Find<QProgressBar>("ProgressBar").minimum());
        device->PlugIn();
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Download Complete")});
        // Plugged in again, it is asked who it is before anything goes to it: the write stopped on
        // it left it half-written. Then written and verified by reading it back.
        QCOMPARE(device->RequestCount(), 61 + 1 + 264);
        // The window shows the schedule without the edit, saved; the read brings the edit back.
        f.form->ReplaceModel(DistinctSchedule());
        f.form->TakeSnapshot();
        QTest::mouseClick(&f.Find<QPushButton>("ReadButton"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations.size(), 2);
        QCOMPARE(f.dialogs->log.Informations.back(), QStringLiteral("Read Complete"));
        QVERIFY(SameSchedule(f.form->Model(), written));
        // A read counts as unsaved.
        f.form->StoreAllControls();
        QVERIFY(f.form->ScheduleChanged());
    }

    // "Set Time" never sends a moment long past that nobody chose: the PC clock when the box
    // is checked (as it starts) or when the pickers still follow it, else what the user set.
    void SetTime_data() // clang-format off
    {
        QTest::addColumn<bool>("clearBox");
        QTest::addColumn<QString>("typedDate"); // typed into the pickers, if anything
        QTest::addColumn<QString>("typedTime");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("click"); // typed after a click into the first part, not after Tab
        QTest::newRow("use PC time, as it starts") << false << "" << ""
                                                   << "Module Time: 23:18:07\nModule Date: 06/12/2026" << false;
        QTest::newRow("cleared, pickers follow the clock") << true << "" << ""
                                                           << "Module Time: 23:18:08\nModule Date: 06/12/2026" << false;
        QTest::newRow("cleared, the date typed") << true << "05052011" << ""
                                                 << "Module Time: 23:14:29\nModule Date: 05/05/2011" << false;
        QTest::newRow("cleared, the time typed") << true << "" << "060000"
                                                 << "Module Time: 06:00:00\nModule Date: 06/12/2026" << false;
        QTest::newRow("the time typed after a click") << true << "" << "060000"
                                                      << "Module Time: 06:00:00\nModule Date: 06/12/2026" << true;
        QTest::newRow("the date typed after a click") << true << "05052011" << ""
                                                      << "Module Time: 23:14:29\nModule Date: 05/05/2011" << true;
    } // clang-format on
    void SetTime()
    {
        QFETCH(bool, clearBox);
        QFETCH(QString, typedDate);
        QFETCH(QString, typedTime);
        QFETCH(QString, shown);
        QFETCH(bool, click);
        device->SetTickSource([] { return std::int64_t{0}; }); // the device clock stands still
        QDateTime now(QDate(2026, 12, 6), QTime(23, 14, 29));
        MainFormFixture f(backend, [&now] { return now; });
        if (clearBox) {
            QTest::mouseClick(&f.Find<QCheckBox>("UsePCTimeCheckBox"), Qt::LeftButton, {}, QPoint(6, 8));
        }
        for (QDateTimeEdit *picker : {static_cast<QDateTimeEdit *>(&f.Find<QDateEdit>("SetDateDateTimePicker")),
                                      static_cast<QDateTimeEdit *>(&f.Find<QTimeEdit>("SetTimeDateTimePicker"))}) {
            const QString typed = picker->objectName().startsWith(QLatin1String("SetDate")) ? typedDate : typedTime;
            if (!click) {
                MainFormFixture::TypeInto(*picker, typed);
            } else if (!typed.isEmpty()) {
                auto *edit = picker->findChild<QLineEdit *>();
                QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(6, edit->height() / 2));
                QCoreApplication::processEvents(); // the click selects the part it landed in
                // The pickers' clock ticks on while the user types.
                QVERIFY(
                    QMetaObject::invokeMethod(f.form->findChild<QTimer *>(QStringLiteral("ClockTicks")), "timeout"));
                QTest::keyClicks(picker, typed);
            }
        }
        now = now.addSecs(218); // the user took a while
        if (clearBox && typedDate.isEmpty() && typedTime.isEmpty()) {
            QTRY_COMPARE(f.Find<QTimeEdit>("SetTimeDateTimePicker").time(), now.time());
            now = now.addSecs(1); // sent as the clock is, not as the pickers last showed it
        }
        QTest::mouseClick(&f.Find<QPushButton>("SetTimeButton"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations, QStringList{shown});
        QCOMPARE(f.Find<QPlainTextEdit>("LogMemo").toPlainText(),
                 QStringLiteral("Vuradod Version:KORVELT 1.05\nSerial Number: 1"));
    }

    // Before a write starts the whole model is checked; the values the device cannot hold are
    // named, eight at most, and nothing at all is sent.
    void UnsendableValuesAreNotWritten()
    {
        MainFormFixture f(backend);
        ScheduleModel model = DistinctSchedule();
        model.DaylightSaving = DaylightSavingRule{1, -1, 5, 12, -1};
        model.SpecialDates.at(15) = DateOf(2256, 1, 1);
        model.NormalTimes.at(2).at(4).Start = std::numeric_limits<double>::quiet_NaN();
        model.NormalTimes.at(0).at(15).End = 1.0;
        model.SpecialTimes.at(15).at(0) = {-0.25, 40118.25};
        f.form->ReplaceModel(model);
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors,
                 QStringList{QStringLiteral("Nothing was written: the KORVELT cannot hold these values.\n"
                                            "Daylight Saving: no Advance Clock week is chosen.\n"
                                            "Daylight Saving: no Advance Clock month is chosen.\n"
                                            "Daylight Saving: no Retard Clock week is chosen.\n"
                                            "Daylight Saving: no Retard Clock month is chosen.\n"
                                            "Special date 16 is not set to a date from 2000 to 2255.\n"
                                            "Output 1, Normal Times slot 16: the End time is not a time of day.\n"
                                            "Output 3, Normal Times slot 5: the Start time is not a time of day.\n"
                                            "Output 16, Special Times slot 1: the Start time is not a time of day.\n"
                                            "... and 1 more.\n"
                                            "Correct them and write again.")});
        QCOMPARE(device->RequestCount(), 0);
        QVERIFY(SameSchedule(f.form->Model(), model)); // kept in the window, bit for bit
    }

    // Which device a command opens, and what it says when it opens none. Each row lists the
    // interfaces in the platform's order by release (0 for another maker's device, a
    // negative release for a KORVELT that cannot be opened); "Read Time" is clicked twice.
    void Discovery_data()
    {
        QTest::addColumn<QList<int>>("releases");
        QTest::addColumn<QStringList>("errors"); // how each error box begins
        QTest::addColumn<int>("talkedTo");       // the interface that got the requests; -1 none
        QTest::addColumn<int>("requests");
        const QString notOpenable = QStringLiteral("Cannot find KORVELT\nA KORVELT was found but could not be opened");
        QTest::newRow("another device, a KORVELT not openable")
            << QList<int>{0, -5} << QStringList{notOpenable, notOpenable} << -1 << 0;
        // The link to a device in program mode stays open: the next command talks to it
        // without a search, and its answer is no identity.
        QTest::newRow("program mode") << QList<int>{1}
                                      << QStringList{"KORVELT is in Program Mode",
                                                     "Application is not a KORVELT Time Control"}
                                      << 0 << 1;
        QTest::newRow("another release is a KORVELT too") << QList<int>{6} << QStringList{} << 0 << 4;
    }
    void Discovery()
    {
        QFETCH(QList<int>, releases);
        QFETCH(QStringList, errors);
        QFETCH(int, talkedTo);
        QFETCH(int, requests);
        backend = std::make_shared<SimulatedHidBackend>();
        std::vector<std::shared_ptr<SimulatedKorvelt>> devices;
        for (const int release : releases) {
            if (release == 0) {
                backend->AddOtherInterface(0x046D, 0xC52B, 0x1211);
                devices.emplace_back();
                continue;
            }
            devices.push_back(backend->AddKorvelt(static_cast<std::uint16_t>(std::abs(release))));
            backend->SetOpenFails(*devices.back(), release < 0);
        }
        MainFormFixture f(backend);
        for (int click = 1; click <= 2; ++click) {
            QTest::mouseClick(&f.Find<QPushButton>("ReadTimeButton"), Qt::LeftButton);
            QTRY_COMPARE(f.dialogs->log.Errors.size() + f.dialogs->log.Informations.size(), click);
        }
        QCOMPARE(f.dialogs->log.Errors.size(), errors.size());
        for (qsizetype e = 0; e < errors.size(); ++e) {
            QVERIFY2(f.dialogs->log.Errors.at(e).startsWith(errors.at(e)), qPrintable(f.dialogs->log.Errors.at(e)));
        }
        QCOMPARE(f.form->Session().DeviceOpen(), talkedTo >= 0);
        QVERIFY(f.Find<QPlainTextEdit>("LogMemo").toPlainText().isEmpty()); // "Read Time" logs no identity
        for (std::size_t d = 0; d < devices.size(); ++d) {
            if (devices.at(d)) {
                QCOMPARE(devices.at(d)->RequestCount(), static_cast<int>(d) == talkedTo ? requests : 0);
            }
        }
        // Given access, the KORVELT is found by the next command.
        if (talkedTo < 0) {
            backend->SetOpenFails(*devices.back(), false);
            QTest::mouseClick(&f.Find<QPushButton>("ReadTimeButton"), Qt::LeftButton);
            QTRY_COMPARE(f.dialogs->log.Informations.size(), 1);
        }
    }

    // A clock whose bytes form no time (30 February, 25:61:61) is said to be one, not shown as
    // a date of 1899.
    void ReadTimeOfAnImpossibleClock()
    {
        MainFormFixture f(backend);
        device->SetClockBytes({25, 61, 61, 30, 2, 30});
        QTest::mouseClick(&f.Find<QPushButton>("ReadTimeButton"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("The KORVELT's clock holds no valid time (bytes "
                                                                       "2030-02-30 25:61:61)")});
        QVERIFY(f.dialogs->log.Informations.isEmpty());
        QCOMPARE(f.Find<QLabel>("StatusLabel").text(), QStringLiteral("The KORVELT's clock holds no valid time"));
    }

    // While a command runs its buttons are off and Cancel is on; when it ends, the status area
    // says how it went and a box says what went wrong. A KORVELT that stops answering is given
    // up after the reply time-out; one that is unplugged is given up at once.
    void StatusArea_data() // clang-format off
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("at"); // the request it strikes; -1: none plugged in, -2: in program mode
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("connection");
        QTest::addColumn<QString>("box"); // the one box shown, information or error
        QTest::addColumn<int>("steps");   // the progress bar's end; 1 where no exchange began
        const QString serial = QStringLiteral("KORVELT 1.05, serial 1");
        QTest::newRow("write, verified") << "WriteButton" << SimulatedFault::None << 0
                                         << "Verified: the KORVELT holds this schedule" << serial << "Download Complete"
                                         << 264;
        QTest::newRow("write, a block dropped")
            << "WriteButton" << SimulatedFault::DropBlock << 29 << "Not verified" << serial
            << "The KORVELT does not hold what was written\nOutput 7, Normal Times slot 5\nOutput 7, Normal Times slot 6\n"
               "Output 7, Normal Times slot 7\nOutput 7, Normal Times slot 8\n"
               "Write again; if it stays so, the KORVELT may need service."
            << 264;
        QTest::newRow("write, silent") << "WriteButton" << SimulatedFault::FallSilent << 49
                                       << "Stopped, no answer: the KORVELT holds part of the old and part of the new "
                                          "schedule. Write again."
                                       << "KORVELT not answering"
                                       << "KORVELT stopped answering while writing (block 23 of 64). Check the cable and "
                                          "try again."
                                       << 264;
        QTest::newRow("read, unplugged") << "ReadButton" << SimulatedFault::Unplug << 39 << "Stopped: unplugged"
                                         << "No KORVELT connected"
                                         << "KORVELT was unplugged while reading (block 19 of 64). Plug it in and try again."
                                         << 131;
        QTest::newRow("read time") << "ReadTimeButton" << SimulatedFault::None << 0
                                   << "PC 23:14:29: KORVELT is 1 d 23 h behind this PC" << "KORVELT connected"
                                   << "Module Time: 00:00:00\nModule Date: 05/12/2026" << 2;
        QTest::newRow("read, erased after block 4")
            << "ReadButton" << SimulatedFault::EraseMemory << 11 << "Read failed" << serial
            << "KORVELT sent invalid schedule data.\nBlock 5" << 131;
        // Block 12 was erased before: not stored, the write's check reads erased memory there.
        QTest::newRow("write, a block on erased memory dropped")
            << "WriteButton" << SimulatedFault::DropBlock << 26 << "Not verified" << serial
            << "The KORVELT does not hold what was written\nblock 12 reads back as erased memory\n"
               "Write again; if it stays so, the KORVELT may need service." << 264;
        QTest::newRow("set time, not a KORVELT")
            << "SetTimeButton" << SimulatedFault::WrongIdentity << 0 << "Stopped: not a KORVELT time controller"
            << "Not a KORVELT time controller" << "Application is not a KORVELT Time Control" << 2;
        QTest::newRow("read time, unplugged")
            << "ReadTimeButton" << SimulatedFault::Unplug << 0 << "Stopped: unplugged" << "No KORVELT connected"
            << "KORVELT was unplugged while reading the clock. Plug it in and try again." << 2;
        QTest::newRow("no KORVELT") << "WriteButton" << SimulatedFault::None << -1 << "Cannot find KORVELT"
                                    << "No KORVELT found" << "Cannot find KORVELT" << 1;
        QTest::newRow("program mode") << "ReadButton" << SimulatedFault::None << -2 << "KORVELT is in Program Mode"
                                      << "Program Mode" << "KORVELT is in Program Mode" << 1;
    } // clang-format on
    void StatusArea()
    {
        QFETCH(QString, button);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, at);
        QFETCH(QString, status);
        QFETCH(QString, connection);
        QFETCH(QString, box);
        QFETCH(int, steps);
        device->SetTickSource([] { return std::int64_t{0}; });
        device->SetClock(DateOf(2026, 12, 5));
        if (at == -2) {
            backend = std::make_shared<SimulatedHidBackend>();
            device = backend->AddKorvelt(ProgramModeRelease);
        } else if (at == -1) {
            device->Unplug();
        } else if (button == QLatin1String("WriteButton")) { // which a write overwrites
            BlockImage erased;
            erased.fill(0xFF);
            device->SetBlock(12, erased);
        }
        MainFormFixture f(backend, {}, {}, {}, 200);
        f.form->ReplaceModel(DistinctSchedule());
        f.form->TakeSnapshot();
        device->InjectFault(fault, at);
        QTest::mouseClick(&f.Find<QPushButton>(button), Qt::LeftButton);
        for (const char *name : {"WriteButton", "ReadButton", "SetTimeButton", "ReadTimeButton", "CompareButton",
                                 "LoadButton", "CancelButton"}) {
            QVERIFY(at < 0 || f.Find<QWidget>(name).isEnabled() == (QByteArray(name) == "CancelButton"));
        }
        QTRY_COMPARE(f.dialogs->log.Informations + f.dialogs->log.Errors, QStringList{box});
        QCOMPARE(f.Find<QLabel>("StatusLabel").text(), status);
        QCOMPARE(f.Find<QLabel>("ConnectionLabel").text(), connection);
        QVERIFY(ReadWhole(f.Find<QLabel>("StatusLabel")) && ReadWhole(f.Find<QLabel>("ConnectionLabel")) &&
                ReadWhole(f.Find<QLabel>("CheckLabel")));
        QCOMPARE(f.Find<QProgressBar>("ProgressBar").maximum(), steps);
        QVERIFY(f.Find<QPushButton>("WriteButton").isEnabled() && !f.Find<QPushButton>("CancelButton").isEnabled());
        // None of these replaces the window's schedule: a read that fails leaves it as it was.
        QVERIFY(SameSchedule(f.form->Model(), DistinctSchedule()));
        f.form->StoreAllControls();
        QVERIFY(!f.form->ScheduleChanged());
    }

    // Cancel stops the command at once, and the next one searches afresh; "Verify after
    // writing" is remembered between runs.
    void CancelAndVerifyChoice()
    {
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("settings.ini"));
        {
            MainFormFixture f(backend, {}, {}, settings);
            auto &verify = f.Find<QCheckBox>("VerifyCheckBox");
            QVERIFY(verify.isChecked());
            QTest::mouseClick(&verify, Qt::LeftButton, {}, QPoint(6, verify.height() / 2));
            QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
            QTest::mouseClick(&f.Find<QPushButton>("CancelButton"), Qt::LeftButton);
            const int sent = device->RequestCount();
            QVERIFY(!f.form->Session().DeviceOpen());
            QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
            QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Download Complete")});
            QCOMPARE(device->RequestCount(), sent + 133);
            QCOMPARE(f.Find<QLabel>("StatusLabel").text(), QStringLiteral("Written, not verified"));
        }
        MainFormFixture f(backend, {}, {}, settings);
        QVERIFY(!f.Find<QCheckBox>("VerifyCheckBox").isChecked());
    }

    // Closing while a command runs: a write stops only when the user says so (No, the
    // default, keeps the window and the write going); any other command is cancelled and the
    // window closes. The question about unsaved changes comes after, as always.
    void ClosingDuringACommand_data() // clang-format off
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("at");      // the request the KORVELT does not answer
        QTest::addColumn<QString>("way"); // "Ctrl+Q", "Exit", "title bar", or "Cancel" clicked instead
        QTest::addColumn<bool>("edited"); // an edit not saved
        QTest::addColumn<bool>("stop");   // the answer to the question about the write
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("status"); // after Cancel
        const QString stopWrite = QStringLiteral("A write to the KORVELT is under way. If you stop it now, the KORVELT holds "
                                                 "part of the old and part of the new schedule. Stop and close?");
        const QString changed = QStringLiteral("Data has changed\nSave now?");
        QTest::newRow("write, Ctrl+Q, No") << "WriteButton" << 49 << "Ctrl+Q" << false << false << QStringList{stopWrite}
                                           << false << "";
        QTest::newRow("write, Exit, Yes") << "WriteButton" << 49 << "Exit" << false << true << QStringList{stopWrite}
                                          << true << "";
        QTest::newRow("write, title bar, Yes, then unsaved changes")
            << "WriteButton" << 25 << "title bar" << true << true << QStringList{stopWrite, changed} << true << "";
        QTest::newRow("write's check, title bar") << "WriteButton" << 140 << "title bar" << false << true << QStringList{}
                                                  << true << "";
        QTest::newRow("read, Ctrl+Q") << "ReadButton" << 30 << "Ctrl+Q" << false << false << QStringList{} << true << "";
        QTest::newRow("compare, Exit") << "CompareButton" << 30 << "Exit" << false << false << QStringList{} << true << "";
        QTest::newRow("read time, title bar") << "ReadTimeButton" << 1 << "title bar" << false << false << QStringList{}
                                              << true << "";
        QTest::newRow("set time, Exit") << "SetTimeButton" << 1 << "Exit" << false << false << QStringList{} << true << "";
        // Cancel instead: the status says what the KORVELT holds now.
        QTest::newRow("write cancelled while writing")
            << "WriteButton" << 49 << "Cancel" << false << false << QStringList{} << false
            << "Cancelled: the KORVELT holds part of the old and part of the new schedule. Write again.";
        QTest::newRow("write cancelled while checking") << "WriteButton" << 140 << "Cancel" << false << false << QStringList{}
                                                        << false << "Written, not verified (cancelled)";
        QTest::newRow("read cancelled") << "ReadButton" << 30 << "Cancel" << false << false << QStringList{} << false << "Cancelled";
        QTest::newRow("compare cancelled") << "CompareButton" << 30 << "Cancel" << false << false << QStringList{} << false << "Cancelled";
        QTest::newRow("read time cancelled") << "ReadTimeButton" << 1 << "Cancel" << false << false << QStringList{} << false << "Cancelled";
    } // clang-format on
    void ClosingDuringACommand()
    {
        QFETCH(QString, button);
        QFETCH(int, at);
        QFETCH(QString, way);
        QFETCH(bool, edited);
        QFETCH(bool, stop);
        QFETCH(QStringList, questions);
        QFETCH(bool, closed);
        QFETCH(QString, status);
        MainFormFixture f(backend, {}, {}, {}, 600000);
        device->InjectFault(SimulatedFault::FallSilent, at);
        QTest::mouseClick(&f.Find<QPushButton>(button), Qt::LeftButton);
        QTRY_COMPARE(device->RequestCount(), at + 1);
        // While it runs, the status says what it does: a read as a read, or as a comparison.
        const QString doing = button == QLatin1String("ReadButton")      ? QStringLiteral("Reading from KORVELT")
                              : button == QLatin1String("CompareButton") ? QStringLiteral("Comparing with KORVELT")
                                                                         : QString();
        QTRY_VERIFY(f.Find<QLabel>("StatusLabel").text().startsWith(doing));
        if (edited) { // while the command runs
            f.Find<TimeGrid>("TimesAdvStringGrid").SetCell(1, 1, QStringLiteral("06:00:00"));
        }
        f.dialogs->yesNoAnswers = {stop};
        f.dialogs->answers = {UserDialogs::Answer::No};
        if (way == QLatin1String("Ctrl+Q")) {
            QTest::keyClick(f.form.get(), Qt::Key_Q, Qt::ControlModifier);
        } else if (way == QLatin1String("Exit")) {
            QTest::mouseClick(&f.Find<QPushButton>("ExitButton"), Qt::LeftButton);
        } else if (way.startsWith(QLatin1String("Cancel"))) {
            QTest::mouseClick(&f.Find<QPushButton>("CancelButton"), Qt::LeftButton);
        } else {
            f.form->close();
        }
        QCOMPARE(f.dialogs->log.Questions, questions);
        QCOMPARE(f.form->isVisible(), !closed);
        QCOMPARE(f.form->Session().Busy(), !closed && !way.startsWith(QLatin1String("Cancel")));
        QVERIFY(!closed || !f.form->Session().DeviceOpen());
        QCOMPARE(device->RequestCount(), at + 1);
        QVERIFY(f.dialogs->log.Errors.isEmpty() && f.dialogs->log.Informations.isEmpty());
        if (way.startsWith(QLatin1String("Cancel"))) {
            auto &label = f.Find<QLabel>("StatusLabel");
            QCOMPARE(label.text(), status);
            QVERIFY(ReadWhole(label));
            QCOMPARE(label.toolTip(), QString()); // shown whole at the window's designed size
            auto &bar = f.Find<QProgressBar>("ProgressBar");
            QVERIFY(bar.value() < bar.minimum()); // no progress shown
        }
    }

    // With several KORVELTs attached the window asks which one the first time a command needs
    // one (each is asked who it is, once), then keeps to it; a unit that is gone is said to be.
    // With one attached nothing is asked. Write To KORVELT is clicked twice; between the clicks
    // the units listed in "unplugged" go (0: the program is closed and started again).
    void ChoiceOfKorvelt_data() // clang-format off
    {
        QTest::addColumn<QList<int>>("releases");    // the KORVELTs attached, serial 1 and up
        QTest::addColumn<QList<int>>("unplugged");   // by serial, after the first write; 0 restarts
        QTest::addColumn<QList<int>>("answers");     // the lines taken in each choice, -1 cancels
        QTest::addColumn<QStringList>("choices");    // each choice's text and its lines
        QTest::addColumn<QList<int>>("written");     // the serial each write went to, 0 none
        QTest::addColumn<QString>("connection");
        const QString which = QStringLiteral("Several KORVELTs are attached. Which one do the commands go to?");
        const QString line = QStringLiteral("Serial %1, version KORVELT 1.05, sim:%2");
        QTest::newRow("one attached: no question") << QList<int>{5} << QList<int>{} << QList<int>{} << QStringList{}
                                                   << QList<int>{1, 1} << "KORVELT 1.05, serial 1";
        QTest::newRow("three: the second chosen, then kept")
            << QList<int>{5, 5, 5} << QList<int>{} << QList<int>{1}
            << QStringList{which, line.arg(1).arg(0), line.arg(2).arg(1), line.arg(3).arg(2)}
            << QList<int>{2, 2} << "KORVELT 1.05, serial 2";
        // In the order the search tries them: the normal firmware before program mode.
        QTest::newRow("program mode listed after the normal firmware")
            << QList<int>{1, 5} << QList<int>{} << QList<int>{0}
            << QStringList{which, line.arg(2).arg(1), QStringLiteral("In Program Mode, sim:0")} << QList<int>{2, 2}
            << "KORVELT 1.05, serial 2";
        QTest::newRow("cancelled: nothing is sent, asked again")
            << QList<int>{5, 5} << QList<int>{} << QList<int>{-1, 0}
            << QStringList{which, line.arg(1).arg(0), line.arg(2).arg(1), which, line.arg(1).arg(0), line.arg(2).arg(1)}
            << QList<int>{0, 1} << "KORVELT 1.05, serial 1";
        QTest::newRow("the chosen one gone, another attached")
            << QList<int>{5, 5, 5} << QList<int>{3} << QList<int>{2, 0}
            << QStringList{which, line.arg(1).arg(0), line.arg(2).arg(1), line.arg(3).arg(2),
                           QStringLiteral("The KORVELT with serial 3 is gone. Which KORVELT do the commands go to now?"),
                           line.arg(1).arg(0), line.arg(2).arg(1)}
            << QList<int>{3, 1} << "KORVELT 1.05, serial 1";
        QTest::newRow("the one used last preselected at the next start")
            << QList<int>{5, 5, 5} << QList<int>{0} << QList<int>{1}
            << QStringList{which, line.arg(1).arg(0), line.arg(2).arg(1), line.arg(3).arg(2),
                           which, line.arg(1).arg(0), line.arg(2).arg(1), line.arg(3).arg(2)}
            << QList<int>{2, 2} << "KORVELT 1.05, serial 2";
        QTest::newRow("another one gone: kept to the one chosen")
            << QList<int>{5, 5, 5} << QList<int>{1} << QList<int>{1}
            << QStringList{which, line.arg(1).arg(0), line.arg(2).arg(1), line.arg(3).arg(2)}
            << QList<int>{2, 2} << "KORVELT 1.05, serial 2";
    } // clang-format on
    void ChoiceOfKorvelt()
    {
        QFETCH(QList<int>, releases);
        QFETCH(QList<int>, unplugged);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, choices);
        QFETCH(QList<int>, written);
        QFETCH(QString, connection);
        backend = std::make_shared<SimulatedHidBackend>();
        std::vector<std::shared_ptr<SimulatedKorvelt>> units;
        for (const int release : releases) {
            units.push_back(backend->AddKorvelt(static_cast<std::uint16_t>(release)));
            units.back()->SetSerialNumber(static_cast<std::uint32_t>(units.size()));
        }
        const QTemporaryDir settings;
        MainFormFixture f(backend, {}, {}, settings.filePath(QStringLiteral("settings.conf")));
        f.dialogs->deviceAnswers = {answers.begin(), answers.end()};
        for (int click = 0; click < 2; ++click) {
            std::vector<int> before;
            for (const auto &unit : units) {
                before.push_back(unit->RequestCount());
            }
            QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
            const int to = written.at(click);
            QTRY_COMPARE(f.dialogs->log.Informations.size(), to == 0 ? click : click + 1 - written.count(0));
            QTRY_VERIFY(!f.form->Session().Busy());
            for (std::size_t u = 0; u < units.size(); ++u) {
                // A write with its check is 264 requests; a question who it is, one.
                const int sent = units.at(u)->RequestCount() - before.at(u);
                QVERIFY2(static_cast<int>(u) + 1 == to ? sent == 264 || sent == 265 : sent <= 1,
                         qPrintable(QStringLiteral("unit %1: %2 requests").arg(u + 1).arg(sent)));
            }
            for (const int serial : click == 0 ? unplugged : QList<int>{}) {
                if (serial == 0) {
                    f.Restart(); // the unanswered choice takes the line preselected
                } else {
                    units.at(static_cast<std::size_t>(serial - 1))->Unplug();
                }
            }
        }
        QStringList asked;
        for (const auto &[text, lines, preselected] : f.dialogs->log.DeviceChoices) {
            asked << text << lines;
        }
        QCOMPARE(asked, choices);
        QCOMPARE(f.Find<QLabel>("ConnectionLabel").text(), connection);
        QVERIFY(f.dialogs->log.Errors.isEmpty());
    }

    // A write stopped half-way (Cancel, no answer, unplugged) is remembered: the status says
    // what the KORVELT holds, and the next command to another unit, or closing the window,
    // asks first. Yes keeps to the half-written unit; a whole write to it ends the question.
    void HalfWrittenIsNotForgotten_data() // clang-format off
    {
        QTest::addColumn<QString>("how");      // how the write to serial 1 stops
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("next");     // "other unit", "close", "same unit"
        QTest::addColumn<bool>("writeFirst");  // the answer to the question
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<int>("writtenTo");    // the serial the next write went to, 0 none
        const QString holds = QStringLiteral("The KORVELT with serial 1 holds part of the old and part of the new "
                                             "schedule. Write it again first?");
        const QString cancelled = QStringLiteral("Cancelled: the KORVELT holds part of the old and part of the new "
                                                 "schedule. Write again.");
        QTest::newRow("cancelled, another unit, written first") << "Cancel" << cancelled << "other unit" << true
                                                                << QStringList{holds} << 0;
        QTest::newRow("cancelled, another unit anyway") << "Cancel" << cancelled << "other unit" << false
                                                        << QStringList{holds} << 2;
        QTest::newRow("no answer, closing asks") << "silent"
            << "Stopped, no answer: the KORVELT holds part of the old and part of the new schedule. Write again."
            << "close" << true << QStringList{holds} << 0;
        QTest::newRow("unplugged, another unit") << "unplug"
            << "Stopped, unplugged: the KORVELT holds part of the old and part of the new schedule. Write again."
            << "other unit" << false << QStringList{holds} << 2;
        QTest::newRow("cancelled, the same unit written again: nothing asked") << "Cancel" << cancelled << "same unit"
                                                                               << true << QStringList{} << 1;
    } // clang-format on
    void HalfWrittenIsNotForgotten()
    {
        QFETCH(QString, how);
        QFETCH(QString, status);
        QFETCH(QString, next);
        QFETCH(bool, writeFirst);
        QFETCH(QStringList, questions);
        QFETCH(int, writtenTo);
        backend = std::make_shared<SimulatedHidBackend>();
        const auto first = backend->AddKorvelt();
        const auto second = backend->AddKorvelt();
        second->SetSerialNumber(2);
        MainFormFixture f(backend, {}, {}, {}, how == QLatin1String("silent") ? 200 : 600000);
        f.dialogs->deviceAnswers = {0};
        // Request 0 asked who it is; the write stops at block 23.
        first->InjectFault(how == QLatin1String("unplug") ? SimulatedFault::Unplug : SimulatedFault::FallSilent, 50);
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QTRY_COMPARE(first->RequestCount(), 51);
        if (how == QLatin1String("Cancel")) {
            QTest::mouseClick(&f.Find<QPushButton>("CancelButton"), Qt::LeftButton);
        }
        QTRY_VERIFY(!f.form->Session().Busy());
        QCOMPARE(f.Find<QLabel>("StatusLabel").text(), status);
        first->ClearFault();
        if (next == QLatin1String("other unit") && how != QLatin1String("unplug")) {
            first->Unplug(); // the other one can be chosen only when the first is gone
        }
        f.dialogs->deviceAnswers = {0};
        f.dialogs->yesNoAnswers = {writeFirst};
        const qsizetype informations = f.dialogs->log.Informations.size();
        const int firstBefore = first->RequestCount();
        const int secondBefore = second->RequestCount();
        if (next == QLatin1String("close")) {
            f.form->close();
            QCOMPARE(f.form->isVisible(), writeFirst);
        } else {
            QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
            QTRY_VERIFY(!f.form->Session().Busy());
            QTRY_COMPARE(f.dialogs->log.Informations.size(), informations + (writtenTo == 0 ? 0 : 1));
            // Asking the other unit who it is is one request, a write with its check 264.
            QCOMPARE(second->RequestCount() - secondBefore, writtenTo == 2 ? 265 : (writtenTo == 0 ? 1 : 0));
            QCOMPARE(first->RequestCount() - firstBefore, writtenTo == 1 ? 264 : 0);
        }
        QCOMPARE(f.dialogs->log.Questions, questions);
        if (writtenTo == 1) { // written whole: closing asks nothing more
            f.form->close();
            QCOMPARE(f.dialogs->log.Questions, questions);
            QVERIFY(!f.form->isVisible());
        }
    }

    // The status after a write says what the KORVELT holds of the window's schedule as it is
    // now: it follows edits, loads and Undo, and comes back when the schedule does.
    void StatusAfterAWrite_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<QString>("status");
        const QString verified = QStringLiteral("Verified: the KORVELT holds this schedule");
        const QString changed = QStringLiteral("The schedule has changed since it was written to the KORVELT");
        QTest::newRow("nothing more") << "" << verified;
        QTest::newRow("an edit") << "edit" << changed;
        QTest::newRow("the edit undone") << "edit, undo" << verified;
        QTest::newRow("No to Write anyway?") << "mistake, write" << changed;
        QTest::newRow("another file loaded") << "load" << changed;
        QTest::newRow("the read before it undone") << "undo" << changed;
        QTest::newRow("the same file loaded") << "save, load" << verified;
    }
    void StatusAfterAWrite()
    {
        QFETCH(QString, then);
        QFETCH(QString, status);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("other.dat"));
        MainFormFixture f(backend);
        f.form->ReplaceModel(DistinctSchedule());
        f.form->TakeSnapshot();
        if (then == QLatin1String("undo")) { // the write sends what a read brought
            QTest::mouseClick(&f.Find<QPushButton>("ReadButton"), Qt::LeftButton);
            QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Read Complete")});
        }
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QTRY_VERIFY(f.dialogs->log.Informations.endsWith(QStringLiteral("Download Complete")));
        QVERIFY(SaveDataFile(file.toStdString(),
                             then.startsWith(QLatin1String("save")) ? f.form->Model() : ScheduleModel{}));
        if (then.startsWith(QLatin1String("edit"))) {
            f.Find<TimeGrid>("TimesAdvStringGrid").SetCell(9, 1, QStringLiteral("On"));
        }
        if (then.endsWith(QLatin1String("undo"))) {
            QTest::keyClick(f.form.get(), Qt::Key_Z, Qt::ControlModifier);
        }
        if (then.endsWith(QLatin1String("load"))) {
            QVERIFY(f.form->LoadFile(file));
        }
        if (then.startsWith(QLatin1String("mistake"))) {
            ScheduleModel mistaken = DistinctSchedule();
            mistaken.NormalTimes.at(1).at(2).Start = 22.0 / 24;
            mistaken.NormalTimes.at(1).at(2).End = 6.0 / 24;
            f.form->ReplaceModel(mistaken);
            f.dialogs->yesNoAnswers = {false};
            QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
            QVERIFY(f.dialogs->log.Questions.back().endsWith(QStringLiteral("Write anyway?")));
            QCOMPARE(f.dialogs->log.Informations.count(QStringLiteral("Download Complete")), 1);
        }
        QCOMPARE(f.Find<QLabel>("StatusLabel").text(), status);
    }

    // While a read that loads runs, nothing in the schedule can be edited or undone: the
    // read replaces it when it completes. A comparison or a write leaves editing on.
    void EditingWhileACommandRuns_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("locked");
        QTest::newRow("read") << "ReadButton" << true;
        QTest::newRow("compare") << "CompareButton" << false;
        QTest::newRow("write") << "WriteButton" << false;
    }
    void EditingWhileACommandRuns()
    {
        QFETCH(QString, button);
        QFETCH(bool, locked);
        MainFormFixture f(backend, {}, {}, {}, 600000);
        f.Find<TimeGrid>("TimesAdvStringGrid").SetCell(9, 1, QStringLiteral("On")); // something to undo
        device->InjectFault(SimulatedFault::FallSilent, 30);
        f.dialogs->answers = {UserDialogs::Answer::No}; // the edit is not saved before a read
        QTest::mouseClick(&f.Find<QPushButton>(button), Qt::LeftButton);
        QTRY_COMPARE(device->RequestCount(), 31);
        auto &grid = f.Find<TimeGrid>("TimesAdvStringGrid");
        auto &undo = *f.form->findChild<QAction *>(QStringLiteral("UndoAction"));
        QCOMPARE(grid.isEnabled(), !locked);
        QCOMPARE(undo.isEnabled(), !locked);
        QTest::mouseClick(&f.Find<QPushButton>("CancelButton"), Qt::LeftButton);
        QVERIFY(grid.isEnabled() && undo.isEnabled());
    }

    // "Compare with KORVELT" reads the device into a copy and lists where it differs; the
    // KORVELT's schedule is taken only when the user says so, after the question about changes.
    void CompareWithTheKorvelt()
    {
        MainFormFixture f(backend);
        auto &compare = f.Find<QPushButton>("CompareButton");
        QTest::mouseClick(&compare, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Comparisons.size(), std::size_t{1});
        QVERIFY(f.dialogs->log.Comparisons.back().empty());
        QCOMPARE(f.Find<QLabel>("StatusLabel").text(), QStringLiteral("Identical to the KORVELT"));
        // Not taken: the window keeps its own.
        for (const auto &[row, status] :
             {std::pair{4, "1 difference from the KORVELT"}, std::pair{5, "2 differences from the KORVELT"}}) {
            f.Find<TimeGrid>("TimesAdvStringGrid").SetCell(3, row, QStringLiteral("On"));
            QTest::mouseClick(&compare, Qt::LeftButton);
            QTRY_COMPARE(f.dialogs->log.Comparisons.size(), std::size_t(row - 2));
            QCOMPARE(f.Find<QLabel>("StatusLabel").text(), QString::fromLatin1(status));
        }
        QVERIFY(f.dialogs->log.Questions.isEmpty() && f.form->ScheduleChanged());
        f.dialogs->takeCompared = true;
        f.dialogs->answers.push_back(UserDialogs::Answer::No);
        QTest::mouseClick(&compare, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Comparisons.size(), std::size_t{4});
        QVERIFY(f.dialogs->log.Comparisons.back() ==
                (std::vector<ScheduleDifference>{{ScheduleDifference::Part::NormalSlot, 0, 3},
                                                 {ScheduleDifference::Part::NormalSlot, 0, 4}}));
        QCOMPARE(f.dialogs->log.Questions, QStringList{QStringLiteral("Data has changed\nSave now?")});
        QVERIFY(SameSchedule(f.form->Model(), ScheduleModel{}));
        QVERIFY(f.dialogs->log.Informations.isEmpty());
        // Cancel at the question goes back to the comparison with the same read; taking it
        // again and answering No takes it.
        f.Find<TimeGrid>("TimesAdvStringGrid").SetCell(3, 4, QStringLiteral("On"));
        f.dialogs->answers = {UserDialogs::Answer::Cancel, UserDialogs::Answer::No};
        QTest::mouseClick(&compare, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Comparisons.size(), std::size_t{6});
        QVERIFY(f.dialogs->log.Comparisons.at(5) == f.dialogs->log.Comparisons.at(4));
        QCOMPARE(f.dialogs->log.Questions.size(), 3);
        QVERIFY(SameSchedule(f.form->Model(), ScheduleModel{}));
        QCOMPARE(f.Find<QLabel>("StatusLabel").text(), QStringLiteral("The KORVELT's schedule was taken"));
    }
};

QTEST_MAIN(TestDeviceLink)
#include "test_devicelink.moc"
