#include "CellText.h"
#include "DataFile.h"
#include "DeviceExchange.h"
#include "DeviceLink.h"
#include "LoopbackHost.h"
#include "MainFormFixture.h"
#include "TestSchedules.h"
#include "SimulatedHidBackend.h"
#include "SimulatedKorvelt.h"
#include "SlotPacking.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <limits>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;

Q_DECLARE_METATYPE(korvelt::ScheduleModel)


class TestDeviceLink : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void WriteThenReadGivesBackEveryValue()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        device->SetSerialNumber(0xFFFFFFFF);
        device->SetVersionText("Firmware 2.10");
        {
            MainFormFixture f(backend);
            f.form->ReplaceModel(DistinctSchedule());
            QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
            QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Download Complete")});
            QCOMPARE(device->RequestCount(), 133);
            QCOMPARE(f.Find<QPlainTextEdit>("LogMemo").toPlainText(), QStringLiteral("Vuradod Version:Firmware 2.10\nSerial Number: -1"));
            QVERIFY(f.form->Session().DeviceOpen());
            QCOMPARE(f.form->Session().State(), ProtocolState::Idle);
        }
        MainFormFixture f(backend);
        MainFormFixture::TypeInto(f.Find<QSpinBox>("OutputCSpinEdit"), QStringLiteral("4"));
        QTest::mouseClick(&f.Find<QPushButton>("ReadButton"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Read Complete")});
        QCOMPARE(device->RequestCount(), 133 + 131);
        QVERIFY(SameSchedule(f.form->Model(), DistinctSchedule()));
        // The controls show what was read, for the outputs the selectors show.
        QCOMPARE(f.Find<TimeGrid>("TimesAdvStringGrid").Cell(1, 2), TimeToCellText(DistinctSchedule().NormalTimes.at(3).at(1).Start));
        QCOMPARE(f.Find<QDateEdit>("SpecialDateDateTimePicker16").date(), QDate(2196, 4, 13));
        QVERIFY(!f.Find<QCheckBox>("EnableDaylightSavingCheckBox").isChecked());
        // A read counts as unsaved.
        f.form->StoreAllControls();
        QVERIFY(f.form->ScheduleChanged());
        QVERIFY(f.dialogs->log.Errors.isEmpty());
    }

    void WriteSendsUnsavedEdits()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        MainFormFixture f(backend);
        f.Find<TimeGrid>("TimesAdvStringGrid").SetCell(9, 1, QStringLiteral("On"));
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations.size(), 1);
        QCOMPARE(device->Block(1).at(0), std::uint8_t{0x40}); // Saturday of slot 0, output 0
    }

    // "Set Time" never sends a moment long past that nobody chose: the PC clock when the box
    // is checked (as it starts) or when the pickers still follow it, else what the user set.
    void SetTime_data()
    {
        QTest::addColumn<bool>("clearBox");
        QTest::addColumn<QString>("typedDate"); // typed into the pickers; empty: untouched
        QTest::addColumn<QString>("typedTime");
        QTest::addColumn<QString>("shown");
        const QString later = QStringLiteral("Module Time: 23:18:07\nModule Date: 06/12/2026");
        QTest::newRow("use PC time, as it starts") << false << "" << "" << later;
        QTest::newRow("cleared, pickers follow the clock") << true << "" << "" << later;
        QTest::newRow("cleared, a moment typed") << true << "05052011" << "143000"
                                                 << "Module Time: 14:30:00\nModule Date: 05/05/2011";
        QTest::newRow("cleared, the time typed") << true << "" << "060000"
                                                 << "Module Time: 06:00:00\nModule Date: 06/12/2026";
    }
    void SetTime()
    {
        QFETCH(bool, clearBox);
        QFETCH(QString, typedDate);
        QFETCH(QString, typedTime);
        QFETCH(QString, shown);
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        device->SetTickSource([] { return std::int64_t{0}; }); // the device clock stands still
        QDateTime now(QDate(2026, 12, 6), QTime(23, 14, 29));
        MainFormFixture f(backend, [&now] { return now; });
        QVERIFY(f.Find<QCheckBox>("UsePCTimeCheckBox").isChecked());
        QVERIFY(!f.Find<QDateEdit>("SetDateDateTimePicker").isEnabled());
        QVERIFY(!f.Find<QTimeEdit>("SetTimeDateTimePicker").isEnabled());
        if (clearBox) {
            QTest::mouseClick(&f.Find<QCheckBox>("UsePCTimeCheckBox"), Qt::LeftButton, {}, QPoint(6, 8));
            QVERIFY(f.Find<QDateEdit>("SetDateDateTimePicker").isEnabled());
            QVERIFY(f.Find<QTimeEdit>("SetTimeDateTimePicker").isEnabled());
        }
        if (!typedDate.isEmpty()) {
            MainFormFixture::TypeInto(f.Find<QDateEdit>("SetDateDateTimePicker"), typedDate);
        }
        if (!typedTime.isEmpty()) {
            MainFormFixture::TypeInto(f.Find<QTimeEdit>("SetTimeDateTimePicker"), typedTime);
        }
        now = now.addSecs(218); // the user took a while
        if (clearBox && typedDate.isEmpty() && typedTime.isEmpty()) {
            QTRY_COMPARE(f.Find<QTimeEdit>("SetTimeDateTimePicker").time(), now.time());
        }
        QTest::mouseClick(&f.Find<QPushButton>("SetTimeButton"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations, QStringList{shown});
        QCOMPARE(f.Find<QPlainTextEdit>("LogMemo").toPlainText(), QStringLiteral("Vuradod Version:KORVELT 1.05\nSerial Number: 1"));
    }

    // A read replaces the schedule in the window only after the question about unsaved
    // changes has been answered as a load's is.
    void ReadAsksAboutUnsavedEdits_data()
    {
        QTest::addColumn<QList<int>>("answers"); // Answer values, in order
        QTest::addColumn<QString>("saveAs");     // the save dialog's answer; empty cancels
        QTest::addColumn<bool>("reads");
        QTest::addColumn<bool>("saved");
        const int yes = int(UserDialogs::Answer::Yes);
        QTest::newRow("cancel") << QList<int>{int(UserDialogs::Answer::Cancel)} << "" << false << false;
        QTest::newRow("no: the edit is dropped") << QList<int>{int(UserDialogs::Answer::No)} << "" << true << false;
        QTest::newRow("yes, save cancelled") << QList<int>{yes} << "" << false << false;
        QTest::newRow("yes, saved") << QList<int>{yes} << "edit.dat" << true << true;
        QTest::newRow("yes, save failed") << QList<int>{yes} << "no-such-folder/edit.dat" << false << false;
    }
    void ReadAsksAboutUnsavedEdits()
    {
        QFETCH(QList<int>, answers);
        QFETCH(QString, saveAs);
        QFETCH(bool, reads);
        QFETCH(bool, saved);
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        {
            LoopbackHost writer(*device);
            writer.Schedule() = DistinctSchedule();
            DeviceExchange download(writer);
            download.StartDownload();
            writer.Pump(download);
        }
        const int requestsBefore = device->RequestCount();
        QTemporaryDir dir;
        MainFormFixture f(backend);
        f.Find<TimeGrid>("TimesAdvStringGrid").SetCell(3, 5, QStringLiteral("On"));
        for (const int answer : answers) {
            f.dialogs->answers.push_back(static_cast<UserDialogs::Answer>(answer));
        }
        f.dialogs->fileNames.push_back(saveAs.isEmpty() ? QString() : dir.filePath(saveAs));
        QTest::mouseClick(&f.Find<QPushButton>("ReadButton"), Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Questions, QStringList{QStringLiteral("Data has changed\nSave now?")});
        if (reads) {
            QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Read Complete")});
            QVERIFY(SameSchedule(f.form->Model(), DistinctSchedule()));
        } else {
            QCOMPARE(device->RequestCount(), requestsBefore);
            QCOMPARE(f.Find<TimeGrid>("TimesAdvStringGrid").Cell(3, 5), QStringLiteral("On"));
            QCOMPARE(f.form->Model().NormalTimes.at(0).at(4).Days.at(0), std::uint8_t{1});
        }
        QCOMPARE(QFile::exists(dir.filePath(saveAs)) && !saveAs.isEmpty(), saved);
    }

    // Before a write starts the whole model is checked; a value the device cannot hold is
    // named, and nothing at all is sent.
    void UnsendableValuesAreNotWritten_data()
    {
        QTest::addColumn<ScheduleModel>("model");
        QTest::addColumn<QString>("line"); // the second line of the error box
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const auto with = [](const std::function<void(ScheduleModel &)> &change) {
            ScheduleModel model = DistinctSchedule();
            change(model);
            return model;
        };
        QTest::newRow("start not a number")
            << with([nan](ScheduleModel &m) { m.NormalTimes.at(2).at(4).Start = nan; })
            << "Output 3, Normal Times slot 5: the Start time is not a time of day.";
        QTest::newRow("end with a date")
            << with([](ScheduleModel &m) { m.SpecialTimes.at(15).at(0).End = 40118.25; })
            << "Output 16, Special Times slot 1: the End time is not a time of day.";
        QTest::newRow("negative time")
            << with([](ScheduleModel &m) { m.NormalTimes.at(0).at(15).End = -0.25; })
            << "Output 1, Normal Times slot 16: the End time is not a time of day.";
        QTest::newRow("infinite time")
            << with([](ScheduleModel &m) { m.SpecialTimes.at(0).at(0).Start = std::numeric_limits<double>::infinity(); })
            << "Output 1, Special Times slot 1: the Start time is not a time of day.";
        QTest::newRow("date before 2000")
            << with([](ScheduleModel &m) { m.SpecialDates.at(1) = DateOf(1999, 1, 1); })
            << "Special date 2 is not set to a date from 2000 to 2255.";
        QTest::newRow("date after 2255")
            << with([](ScheduleModel &m) { m.SpecialDates.at(15) = DateOf(2256, 1, 1); })
            << "Special date 16 is not set to a date from 2000 to 2255.";
        QTest::newRow("date zero") << with([](ScheduleModel &m) { m.SpecialDates.at(0) = 0.0; })
                                   << "Special date 1 is not set to a date from 2000 to 2255.";
        QTest::newRow("month 12") << with([](ScheduleModel &m) { m.DaylightSaving.AdvanceMonth = 12; })
                                  << "Daylight Saving: no Advance Clock month is chosen.";
        QTest::newRow("week -1") << with([](ScheduleModel &m) { m.DaylightSaving.RetardWeek = -1; })
                                 << "Daylight Saving: no Retard Clock week is chosen.";
    }
    void UnsendableValuesAreNotWritten()
    {
        QFETCH(ScheduleModel, model);
        QFETCH(QString, line);
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        MainFormFixture f(backend);
        f.form->ReplaceModel(model);
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors.size(), 1);
        const QStringList lines = f.dialogs->log.Errors.front().split(QLatin1Char('\n'));
        QCOMPARE(lines, (QStringList{QStringLiteral("Nothing was written: the KORVELT cannot hold these values."), line,
                                     QStringLiteral("Correct them and write again.")}));
        QCOMPARE(device->RequestCount(), 0);
        QVERIFY(!f.form->Session().DeviceOpen());
        // What the device cannot hold is still kept in the window, bit for bit.
        QVERIFY(SameSchedule(f.form->Model(), model));
    }

    void ReadTimeShowsTheDeviceClockAndLogsNothing()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        device->SetTickSource([] { return std::int64_t{0}; });
        TDateTime clock = 0;
        QVERIFY(TryEncodeDate(2010, 8, 17, clock));
        device->SetClock(clock + 9.0 / 24 + 5.0 / 1440);
        MainFormFixture f(backend);
        f.Find<QPlainTextEdit>("LogMemo").setPlainText(QStringLiteral("earlier"));
        QTest::mouseClick(&f.Find<QPushButton>("ReadTimeButton"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations,
                     QStringList{QStringLiteral("Module Time: 09:05:00\nModule Date: 17/08/2010")});
        QCOMPARE(f.Find<QPlainTextEdit>("LogMemo").toPlainText(), QStringLiteral("earlier"));
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
        const QString notFound = QStringLiteral("Cannot find KORVELT");
        const QString notOpenable = notFound + QStringLiteral("\nA KORVELT was found but could not be opened");
        QTest::newRow("another device only") << QList<int>{0} << QStringList{notFound, notFound} << -1 << 0;
        QTest::newRow("found but not openable") << QList<int>{-5} << QStringList{notOpenable, notOpenable} << -1 << 0;
        // The link to a device in program mode stays open: the next command talks to it
        // without a search, and its answer is no identity.
        QTest::newRow("program mode") << QList<int>{1}
                                      << QStringList{"KORVELT is in Program Mode",
                                                     "Application is not a KORVELT Time Control"}
                                      << 0 << 1;
        QTest::newRow("another release is a KORVELT too") << QList<int>{6} << QStringList{} << 0 << 4;
        QTest::newRow("the first of two") << QList<int>{5, 5} << QStringList{} << 0 << 4;
        QTest::newRow("the normal firmware first") << QList<int>{1, 6, 5} << QStringList{} << 2 << 4;
    }
    void Discovery()
    {
        QFETCH(QList<int>, releases);
        QFETCH(QStringList, errors);
        QFETCH(int, talkedTo);
        QFETCH(int, requests);
        auto backend = std::make_shared<SimulatedHidBackend>();
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
        for (std::size_t d = 0; d < devices.size(); ++d) {
            if (devices.at(d)) {
                QCOMPARE(devices.at(d)->RequestCount(), static_cast<int>(d) == talkedTo ? requests : 0);
            }
        }
        // Plugged in later, or given access, a KORVELT is found by the next command.
        if (talkedTo < 0) {
            if (devices.back()) {
                backend->SetOpenFails(*devices.back(), false);
            } else {
                backend->AddKorvelt();
            }
            QTest::mouseClick(&f.Find<QPushButton>("ReadTimeButton"), Qt::LeftButton);
            QTRY_COMPARE(f.dialogs->log.Informations.size(), 1);
        }
    }

    void UnplugMidDownloadThenWriteAgain()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        MainFormFixture f(backend);
        f.form->ReplaceModel(DistinctSchedule());
        device->InjectFault(SimulatedFault::Unplug, 60);
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QTRY_VERIFY(!f.form->Session().DeviceOpen());
        QVERIFY(f.dialogs->log.Informations.isEmpty());
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("Cannot find KORVELT")});
        device->PlugIn();
        QTest::mouseClick(&f.Find<QPushButton>("WriteButton"), Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Download Complete")});
        for (int o = 0; o < 16; ++o) {
            const BlockImage block = device->Block(2 + 2 * o); // slots 8..15 of output o
            std::array<std::uint8_t, PackedSlotSize> expected{};
            EncodeSlot(DistinctSchedule().NormalTimes.at(static_cast<std::size_t>(o)).at(8), expected);
            QVERIFY(std::equal(expected.begin(), expected.end(), block.begin()));
        }
    }

    // A read that does not complete leaves the window's schedule as it was, and says why
    // when the device said something.
    void ReadThatFailsLeavesTheModelAlone_data()
    {
        QTest::addColumn<bool>("erased");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("unplugged half way") << false << QStringList{};
        QTest::newRow("erased memory")
            << true << QStringList{QStringLiteral("KORVELT sent invalid schedule data.\nBlock 0")};
    }
    void ReadThatFailsLeavesTheModelAlone()
    {
        QFETCH(bool, erased);
        QFETCH(QStringList, errors);
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        MainFormFixture f(backend);
        f.form->ReplaceModel(DistinctSchedule());
        f.form->TakeSnapshot();
        device->InjectFault(erased ? SimulatedFault::EraseMemory : SimulatedFault::Unplug, erased ? 0 : 100);
        QTest::mouseClick(&f.Find<QPushButton>("ReadButton"), Qt::LeftButton);
        if (erased) {
            QTRY_COMPARE(f.dialogs->log.Errors, errors);
        } else {
            QTRY_VERIFY(!f.form->Session().DeviceOpen());
            QCOMPARE(f.dialogs->log.Errors, errors);
        }
        QVERIFY(SameSchedule(f.form->Model(), DistinctSchedule()));
        f.form->StoreAllControls();
        QVERIFY(!f.form->ScheduleChanged());
    }

    void ClosingStopsTheReaderAndClosesTheDevice()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        MainFormFixture f(backend);
        QTest::mouseClick(&f.Find<QPushButton>("ReadButton"), Qt::LeftButton);
        // Close while the exchange is still running: reports on their way are dropped.
        f.form->close();
        QVERIFY(!f.form->isVisible());
        QVERIFY(!f.form->Session().DeviceOpen());
        QVERIFY(f.dialogs->log.Informations.isEmpty());
    }
};

QTEST_MAIN(TestDeviceLink)
#include "test_devicelink.moc"
