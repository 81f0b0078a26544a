// A seeded, reproducible soak: a thousand device commands through the window and the real
// reader thread, each with a fault of the simulated KORVELT at a random point, each followed
// by a clean command that must succeed. KORVELT_SOAK_SEED and KORVELT_SOAK_ROUNDS change the
// run; the fault counts are printed at the end.

#include "MainFormFixture.h"
#include "TestSchedules.h"
#include "SimulatedHidBackend.h"
#include "SimulatedKorvelt.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <map>
#include <random>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;

namespace {

enum class SoakCommand { Download, Read, SetClock, ReadClock };

int RequestsOf(SoakCommand command)
{
    switch (command) {
    case SoakCommand::Download:
        return 133;
    case SoakCommand::Read:
        return 131;
    case SoakCommand::SetClock:
    case SoakCommand::ReadClock:
        return 2;
    }
    return 0;
}

ScheduleModel RandomModel(std::mt19937 &rng)
{
    std::uniform_int_distribution<int> second(0, 86'399);
    std::uniform_int_distribution<int> bit(0, 1);
    std::uniform_int_distribution<int> day(0, 20'000);
    ScheduleModel model;
    for (SlotTable *table : {&model.NormalTimes, &model.SpecialTimes}) {
        for (OutputSlots &output : *table) {
            for (TimeSlot &slot : output) {
                slot.Start = second(rng) / 86'400.0;
                slot.End = second(rng) / 86'400.0;
                for (std::uint8_t &d : slot.Days) {
                    d = static_cast<std::uint8_t>(bit(rng));
                }
            }
        }
    }
    for (TDateTime &date : model.SpecialDates) {
        date = 36'526.0 + day(rng); // from 1 January 2000 on
    }
    model.DaylightSaving = DaylightSavingRule{static_cast<std::uint8_t>(bit(rng)), bit(rng) * 4, 2, 3, 9};
    return model;
}

} // namespace

class TestFaultSoak : public QObject {
    Q_OBJECT

private:
    struct Rig {
        std::shared_ptr<SimulatedHidBackend> backend = std::make_shared<SimulatedHidBackend>();
        std::shared_ptr<SimulatedKorvelt> device = backend->AddKorvelt();
        MainFormFixture f{backend};
        QTimer wake; // wakes the wait below while the device is silent
    };

    // Handles events until `done` holds; a hang ends the test instead of blocking it.
    template <typename Done> static bool WaitUntil(Done done)
    {
        QElapsedTimer guard;
        guard.start();
        while (!done()) {
            if (guard.elapsed() > 60'000) {
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return true;
    }

    // Every reply the device sent has been handed over and handled.
    static bool Drained(Rig &rig)
    {
        return rig.device->PendingReplies() == 0 && rig.device->RepliesSent() == rig.backend->ReportsHandedOver();
    }

    static void Click(Rig &rig, SoakCommand command)
    {
        constexpr std::array<const char *, 4> Buttons{"WriteButton", "ReadButton", "SetTimeButton", "ReadTimeButton"};
        QTest::mouseClick(&rig.f.Find<QPushButton>(Buttons.at(static_cast<std::size_t>(command))), Qt::LeftButton);
    }

    static int Messages(const Rig &rig)
    {
        return static_cast<int>(rig.f.dialogs->log.Errors.size() + rig.f.dialogs->log.Informations.size());
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    void ThousandFaultedCommands()
    {
        const unsigned seed = qEnvironmentVariableIsSet("KORVELT_SOAK_SEED")
                                  ? qEnvironmentVariableIntValue("KORVELT_SOAK_SEED")
                                  : 20'261'206U;
        const int rounds = qEnvironmentVariableIsSet("KORVELT_SOAK_ROUNDS")
                               ? qEnvironmentVariableIntValue("KORVELT_SOAK_ROUNDS")
                               : 1000;
        std::mt19937 rng(seed);
        Rig rig;
        rig.wake.start(20);
        TMainForm &form = *rig.f.form;
        ScheduleModel onDevice = RandomModel(rng);
        bool deviceKnown = false;
        std::map<SimulatedFault, int> faults;
        std::map<SoakCommand, int> commands;
        int readsCompletedDespiteFault = 0;

        for (int round = 0; round < rounds; ++round) {
            const auto command = static_cast<SoakCommand>(std::uniform_int_distribution<int>(0, 3)(rng));
            const SimulatedFault fault = AllSimulatedFaults.at(
                std::uniform_int_distribution<std::size_t>(0, AllSimulatedFaults.size() - 1)(rng));
            const int point = std::uniform_int_distribution<int>(0, RequestsOf(command) - 1)(rng);
            const QString where = QStringLiteral("seed %1, round %2 (command %3, %4 at request %5)")
                                      .arg(seed)
                                      .arg(round)
                                      .arg(static_cast<int>(command))
                                      .arg(QLatin1String(SimulatedFaultName(fault)))
                                      .arg(point + 1);
            ++faults[fault];
            ++commands[command];

            // The faulted command. The schedule counts as saved, so that a read asks nothing.
            form.StoreAllControls();
            form.TakeSnapshot();
            const ScheduleModel before = form.Model();
            const int messagesBefore = Messages(rig);
            const int informationsBefore = static_cast<int>(rig.f.dialogs->log.Informations.size());
            const int requestsBefore = rig.device->RequestCount();
            rig.device->InjectFault(fault, point);
            deviceKnown = deviceKnown && fault != SimulatedFault::EraseMemory;
            Click(rig, command);
            const bool settled = WaitUntil([&] {
                if (!form.Session().DeviceOpen()) {
                    return true; // unplugged: the reader has ended
                }
                if (fault == SimulatedFault::Unplug && rig.device->RequestCount() > requestsBefore + point) {
                    return false; // unplugged: wait until the reader has seen it
                }
                // Ended with its message, or stalled with nothing more on its way.
                return Drained(rig) && (Messages(rig) > messagesBefore ||
                                        rig.device->RequestCount() > requestsBefore + point);
            });
            QVERIFY2(settled, qPrintable(where));
            const bool readCompleted =
                command == SoakCommand::Read && rig.f.dialogs->log.Informations.size() > informationsBefore &&
                rig.f.dialogs->log.Informations.back() == QStringLiteral("Read Complete");
            if (readCompleted) {
                ++readsCompletedDespiteFault; // a whole read, of whatever the device answered
            } else {
                QVERIFY2(SameSchedule(form.Model(), before), qPrintable(where + QStringLiteral(": model changed")));
            }
            if (command == SoakCommand::Download) {
                deviceKnown = false; // written part way, or with garbage acknowledgements
            }

            // The clean command after it must succeed.
            rig.device->ClearFault();
            if (!rig.device->PluggedIn()) {
                rig.device->PlugIn();
            }
            auto next = static_cast<SoakCommand>(std::uniform_int_distribution<int>(0, 3)(rng));
            if (!deviceKnown && next == SoakCommand::Read) {
                next = SoakCommand::Download;
            }
            if (next == SoakCommand::Download) {
                form.ReplaceModel(RandomModel(rng));
            }
            form.TakeSnapshot();
            const int informations = static_cast<int>(rig.f.dialogs->log.Informations.size());
            const int errors = static_cast<int>(rig.f.dialogs->log.Errors.size());
            Click(rig, next);
            QVERIFY2(WaitUntil([&] {
                         return !form.Session().DeviceOpen() ||
                                (Drained(rig) && rig.f.dialogs->log.Informations.size() > informations);
                     }),
                     qPrintable(where + QStringLiteral(": the clean command did not end")));
            if (rig.f.dialogs->log.Errors.size() != errors) {
                QFAIL(qPrintable(where + QStringLiteral(": ") + rig.f.dialogs->log.Errors.back()));
            }
            QVERIFY2(form.Session().DeviceOpen(), qPrintable(where + QStringLiteral(": the link closed")));
            const QString &done = rig.f.dialogs->log.Informations.back();
            switch (next) {
            case SoakCommand::Download:
                QCOMPARE(done, QStringLiteral("Download Complete"));
                onDevice = form.Model();
                deviceKnown = true;
                break;
            case SoakCommand::Read:
                QCOMPARE(done, QStringLiteral("Read Complete"));
                QVERIFY2(SameSchedule(form.Model(), onDevice), qPrintable(where + QStringLiteral(": read differs")));
                break;
            case SoakCommand::SetClock:
            case SoakCommand::ReadClock:
                QVERIFY(done.startsWith(QStringLiteral("Module Time: ")));
                break;
            }
        }
        QString summary = QStringLiteral("seed %1, %2 faulted commands:").arg(seed).arg(rounds);
        for (const auto &[fault, count] : faults) {
            summary += QStringLiteral(" %1 %2,").arg(QLatin1String(SimulatedFaultName(fault)))
                           .arg(count);
        }
        summary += QStringLiteral(" reads that completed despite the fault %1").arg(readsCompletedDespiteFault);
        qInfo("%s", qPrintable(summary));
    }
};

QTEST_MAIN(TestFaultSoak)
#include "test_faultsoak.moc"
