// A seeded, reproducible soak: a thousand device commands through the window and the real
// reader thread, each with a fault of the simulated KORVELT at a random point, each followed
// by a clean command that must succeed. KORVELT_SOAK_SEED and KORVELT_SOAK_ROUNDS change the
// run.

#include "MainFormFixture.h"
#include "TestSchedules.h"
#include "simulator/SimulatedKorvelt.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <random>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;

namespace {

// The commands, the buttons that start them and the requests each makes.
enum SoakCommand { Download, Read, SetClock, ReadClock };
constexpr std::array<const char *, 4> Buttons{"WriteButton", "ReadButton", "SetTimeButton", "ReadTimeButton"};
constexpr std::array<int, 4> Requests{264, 131, 2, 2}; // a write is verified by reading it back

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

// Handles events until `done` holds; a hang ends the test instead of blocking it.
template <typename Done> bool WaitUntil(Done done)
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

} // namespace

class TestFaultSoak : public QObject {
    Q_OBJECT

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
        const auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt();
        MainFormFixture f(backend);
        TMainForm &form = *f.form;
        const QStringList &errors = f.dialogs->log.Errors;
        const QStringList &infos = f.dialogs->log.Informations;
        QTimer wake; // wakes the waits below while the device is silent
        wake.start(20);
        // Every reply the device sent has been handed over and handled.
        const auto drained = [&] {
            return device->PendingReplies() == 0 && device->RepliesSent() == backend->ReportsHandedOver();
        };
        const auto click = [&](SoakCommand command) {
            QTest::mouseClick(&f.Find<QPushButton>(Buttons.at(command)), Qt::LeftButton);
        };
        ScheduleModel onDevice = RandomModel(rng);
        bool deviceKnown = false;

        for (int round = 0; round < rounds; ++round) {
            const auto command = static_cast<SoakCommand>(std::uniform_int_distribution<int>(0, 3)(rng));
            const SimulatedFault fault = AllSimulatedFaults.at(
                std::uniform_int_distribution<std::size_t>(0, AllSimulatedFaults.size() - 1)(rng));
            const int point = std::uniform_int_distribution<int>(0, Requests.at(command) - 1)(rng);
            const QString where = QString::asprintf("seed %u, round %d (command %d, %s at request %d)", seed, round,
                                                    int(command), SimulatedFaultName(fault).data(), point + 1);

            // The faulted command. The schedule counts as saved, so that a read asks nothing.
            form.StoreAllControls();
            form.TakeSnapshot();
            const ScheduleModel before = form.Model();
            const qsizetype messagesBefore = errors.size() + infos.size();
            const qsizetype infosBefore = infos.size();
            const int requestsBefore = device->RequestCount();
            device->InjectFault(fault, point);
            // Erased, or written part way or with garbage acknowledgements: what it holds is unknown.
            deviceKnown = deviceKnown && fault != SimulatedFault::EraseMemory && command != Download;
            click(command);
            const bool settled = WaitUntil([&] {
                if (!form.Session().DeviceOpen()) {
                    return true; // unplugged: the reader has ended
                }
                if (fault == SimulatedFault::Unplug && device->RequestCount() > requestsBefore + point) {
                    return false; // unplugged: wait until the reader has seen it
                }
                // Ended with its message, or stalled with nothing more on its way.
                return drained() && (errors.size() + infos.size() > messagesBefore ||
                                     device->RequestCount() > requestsBefore + point);
            });
            QVERIFY2(settled, qPrintable(where));
            // A command still waiting for an answer is cancelled, as a user would.
            if (form.Session().Busy()) {
                QTest::mouseClick(&f.Find<QPushButton>("CancelButton"), Qt::LeftButton);
            }
            // Only a whole read, of whatever the device answered, replaces the schedule.
            if (command != Read || infos.size() == infosBefore || infos.back() != QStringLiteral("Read Complete")) {
                QVERIFY2(SameSchedule(form.Model(), before), qPrintable(where + QStringLiteral(": model changed")));
            }

            // The clean command after it must succeed.
            device->ClearFault();
            if (!device->PluggedIn()) {
                device->PlugIn();
            }
            auto next = static_cast<SoakCommand>(std::uniform_int_distribution<int>(0, 3)(rng));
            if (!deviceKnown && next == Read) {
                next = Download;
            }
            if (next == Download) {
                form.ReplaceModel(RandomModel(rng));
            }
            form.TakeSnapshot();
            const qsizetype infosBeforeNext = infos.size();
            const qsizetype errorsBeforeNext = errors.size();
            click(next);
            QVERIFY2(WaitUntil(
                         [&] { return !form.Session().DeviceOpen() || (drained() && infos.size() > infosBeforeNext); }),
                     qPrintable(where + QStringLiteral(": the clean command did not end")));
            if (errors.size() != errorsBeforeNext) {
                QFAIL(qPrintable(where + QStringLiteral(": ") + errors.back()));
            }
            QVERIFY2(form.Session().DeviceOpen(), qPrintable(where + QStringLiteral(": the link closed")));
            if (next == Download) {
                QCOMPARE(infos.back(), QStringLiteral("Download Complete"));
                onDevice = form.Model();
                deviceKnown = true;
            } else if (next == Read) {
                QCOMPARE(infos.back(), QStringLiteral("Read Complete"));
                QVERIFY2(SameSchedule(form.Model(), onDevice), qPrintable(where + QStringLiteral(": read differs")));
            } else {
                QVERIFY(infos.back().startsWith(QStringLiteral("Module Time: ")));
            }
        }
    }
};

QTEST_MAIN(TestFaultSoak)
#include "test_faultsoak.moc"
