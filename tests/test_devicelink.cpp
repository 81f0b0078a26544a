#include "CellText.h"
#include "DataFile.h"
#include "DeviceLink.h"
#include "HidapiBackend.h"
#include "MainFormFixture.h"
#include "TestSchedules.h"
#include "SimulatedHidBackend.h"
#include "SimulatedKorvelt.h"
#include "SlotPacking.h"

#include <QTest>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;

namespace {

QDateTime FixedNow()
{
    return {QDate(2010, 3, 28), QTime(1, 59, 59, 750)};
}

} // namespace

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
            QTest::mouseClick(&f.form->WriteButton, Qt::LeftButton);
            QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Download Complete")});
            QCOMPARE(device->RequestCount(), 133);
            QCOMPARE(f.form->LogMemo.toPlainText(), QStringLiteral("Vuradod Version:Firmware 2.10\nSerial Number: -1"));
            QVERIFY(f.form->DeviceOpen());
            QCOMPARE(f.form->ExchangeState(), ProtocolState::Idle);
        }
        MainFormFixture f(backend);
        MainFormFixture::TypeInto(f.form->OutputCSpinEdit, QStringLiteral("4"));
        QTest::mouseClick(&f.form->ReadButton, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Read Complete")});
        QCOMPARE(device->RequestCount(), 133 + 131);
        QVERIFY(SameSchedule(f.form->Model(), DistinctSchedule()));
        // The controls show what was read, for the outputs the selectors show.
        QCOMPARE(f.form->TimesAdvStringGrid.Cell(1, 2), TimeToCellText(DistinctSchedule().NormalTimes.at(3).at(1).Start));
        QCOMPARE(f.form->SpecialDateDateTimePickers.at(15)->date(), QDate(2196, 4, 13));
        QVERIFY(!f.form->EnableDaylightSavingCheckBox.isChecked());
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
        f.form->TimesAdvStringGrid.SetCell(9, 1, QStringLiteral("On"));
        QTest::mouseClick(&f.form->WriteButton, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations.size(), 1);
        QCOMPARE(device->Block(1).at(0), std::uint8_t{0x40}); // Saturday of slot 0, output 0
    }

    void SetTimeFromThePcClock()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        device->SetTickSource([] { return std::int64_t{0}; }); // the device clock stands still
        MainFormFixture f(backend, FixedNow);
        QTest::mouseClick(&f.form->UsePCTimeCheckBox, Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(f.form->UsePCTimeCheckBox.isChecked());
        QTest::mouseClick(&f.form->SetTimeButton, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations,
                     QStringList{QStringLiteral("Module Time: 01:59:59\nModule Date: 28/03/2010")});
        QCOMPARE(f.form->LogMemo.toPlainText(), QStringLiteral("Vuradod Version:KORVELT 1.05\nSerial Number: 1"));
    }

    void SetTimeFromThePickers()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        device->SetTickSource([] { return std::int64_t{0}; });
        MainFormFixture f(backend, FixedNow);
        f.form->SetDateDateTimePicker.setDate(QDate(2011, 5, 5));
        f.form->SetTimeDateTimePicker.setTime(QTime(14, 30, 0));
        QTest::mouseClick(&f.form->SetTimeButton, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations,
                     QStringList{QStringLiteral("Module Time: 14:30:00\nModule Date: 05/05/2011")});
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
        f.form->LogMemo.setPlainText(QStringLiteral("earlier"));
        QTest::mouseClick(&f.form->ReadTimeButton, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations,
                     QStringList{QStringLiteral("Module Time: 09:05:00\nModule Date: 17/08/2010")});
        QCOMPARE(f.form->LogMemo.toPlainText(), QStringLiteral("earlier"));
    }

    void NoDeviceThenPluggedIn()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        backend->AddOtherInterface("HID\\VID_046D&PID_C52B&REV_1211");
        MainFormFixture f(backend);
        QTest::mouseClick(&f.form->ReadButton, Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("Cannot find KORVELT")});
        QVERIFY(!f.form->DeviceOpen());
        QCOMPARE(f.form->ExchangeState(), ProtocolState::Idle);
        backend->AddKorvelt();
        QTest::mouseClick(&f.form->ReadTimeButton, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations.size(), 1);
        QCOMPARE(f.dialogs->log.Errors.size(), 1);
    }

    void FoundButNotOpenableIsSaid()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        backend->SetOpenFails(*device, true);
        MainFormFixture f(backend);
        QTest::mouseClick(&f.form->WriteButton, Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors.size(), 1);
        const QStringList lines = f.dialogs->log.Errors.front().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0), QStringLiteral("Cannot find KORVELT"));
        QVERIFY(lines.at(1).startsWith(QStringLiteral("A KORVELT was found but could not be opened")));
        QVERIFY(!f.form->DeviceOpen());
    }

    void ProgramModeKeepsTheLinkOpen()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt(ProgramModeRelease);
        MainFormFixture f(backend);
        QTest::mouseClick(&f.form->WriteButton, Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("KORVELT is in Program Mode")});
        QCOMPARE(device->RequestCount(), 0);
        QVERIFY(f.form->DeviceOpen());
        // The next command talks to that device without a search; its answer is no identity.
        const int opens = backend->OpenCount();
        QTest::mouseClick(&f.form->ReadTimeButton, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Errors.size(), 2);
        QCOMPARE(f.dialogs->log.Errors.at(1), QStringLiteral("Application is not a KORVELT Time Control"));
        QCOMPARE(backend->OpenCount(), opens);
        QCOMPARE(device->RequestCount(), 1);
    }

    void OtherReleasesAreKorveltsToo()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt(0x0006);
        MainFormFixture f(backend);
        QTest::mouseClick(&f.form->ReadTimeButton, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations.size(), 1);
        QVERIFY(f.dialogs->log.Errors.isEmpty());
        QCOMPARE(device->RequestCount(), 2);
    }

    void TheFirstOfTwoDevicesIsOpened()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto first = backend->AddKorvelt();
        const auto second = backend->AddKorvelt();
        MainFormFixture f(backend);
        QTest::mouseClick(&f.form->ReadTimeButton, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations.size(), 1);
        QCOMPARE(first->RequestCount(), 2);
        QCOMPARE(second->RequestCount(), 0);
    }

    void PatternsIgnoreLetterCase_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("matches");
        QTest::newRow("upper case") << "HID\\VID_04D8&PID_FD37&REV_0005" << "Vid_04d8&Pid_fd37&rev_0005" << true;
        QTest::newRow("lower case") << "hid\\vid_04d8&pid_fd37&rev_0005" << "Vid_04d8&Pid_fd37&rev_0005" << true;
        QTest::newRow("any release") << "HID\\VID_04D8&PID_FD37&REV_0006" << "Vid_04d8&Pid_fd37" << true;
        QTest::newRow("other release") << "HID\\VID_04D8&PID_FD37&REV_0006" << "Vid_04d8&Pid_fd37&rev_0005" << false;
        QTest::newRow("other product") << "HID\\VID_04D8&PID_FD38&REV_0005" << "Vid_04d8&Pid_fd37" << false;
    }
    void PatternsIgnoreLetterCase()
    {
        QFETCH(QString, id);
        QFETCH(QString, pattern);
        QFETCH(bool, matches);
        QCOMPARE(DeviceLink::MatchesPattern(id.toStdString(), pattern.toStdString()), matches);
    }

    void UnplugMidDownloadThenWriteAgain()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        MainFormFixture f(backend);
        f.form->ReplaceModel(DistinctSchedule());
        device->InjectFault(SimulatedFault::Unplug, 60);
        QTest::mouseClick(&f.form->WriteButton, Qt::LeftButton);
        QTRY_VERIFY(!f.form->DeviceOpen());
        QVERIFY(f.dialogs->log.Informations.isEmpty());
        QTest::mouseClick(&f.form->WriteButton, Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("Cannot find KORVELT")});
        device->PlugIn();
        QTest::mouseClick(&f.form->WriteButton, Qt::LeftButton);
        QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Download Complete")});
        for (int o = 0; o < 16; ++o) {
            const BlockImage block = device->Block(2 + 2 * o); // slots 8..15 of output o
            std::array<std::uint8_t, PackedSlotSize> expected{};
            EncodeSlot(DistinctSchedule().NormalTimes.at(static_cast<std::size_t>(o)).at(8), expected);
            QVERIFY(std::equal(expected.begin(), expected.end(), block.begin()));
        }
    }

    void UnplugMidReadLeavesTheModelAlone()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        MainFormFixture f(backend);
        f.form->ReplaceModel(DistinctSchedule());
        f.form->TakeSnapshot();
        device->InjectFault(SimulatedFault::Unplug, 100);
        QTest::mouseClick(&f.form->ReadButton, Qt::LeftButton);
        QTRY_VERIFY(!f.form->DeviceOpen());
        QVERIFY(SameSchedule(f.form->Model(), DistinctSchedule()));
        f.form->StoreAllControls();
        QVERIFY(!f.form->ScheduleChanged());
    }

    void ClosingStopsTheReaderAndClosesTheDevice()
    {
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        MainFormFixture f(backend);
        QTest::mouseClick(&f.form->ReadButton, Qt::LeftButton);
        // Close while the exchange is still running: reports on their way are dropped.
        f.form->close();
        QVERIFY(!f.form->isVisible());
        QVERIFY(!f.form->DeviceOpen());
        QVERIFY(f.dialogs->log.Informations.isEmpty());
    }

    void RealHidapiFindsNoKorveltHere()
    {
        auto backend = std::make_shared<HidapiBackend>();
        for (const HidInterfaceInfo &info : backend->Enumerate()) {
            QVERIFY(info.HardwareId.rfind("HID\\VID_", 0) == 0);
            if (DeviceLink::MatchesPattern(info.HardwareId, AnyReleasePattern)) {
                QSKIP("a KORVELT is plugged into this machine");
            }
        }
        MainFormFixture f(backend);
        QTest::mouseClick(&f.form->WriteButton, Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("Cannot find KORVELT")});
    }
};

QTEST_MAIN(TestDeviceLink)
#include "test_devicelink.moc"
