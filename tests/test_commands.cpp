// The window's commands on their own: the actions with their keys and buttons, and the device
// presenter between a session on the simulated KORVELT and the command panel.
#include "ScriptedDialogs.h"
#include "TestSchedules.h"
#include "app/CommandPanel.h"
#include "app/DevicePresenter.h"
#include "app/MainActions.h"
#include "simulator/SimulatedHidBackend.h"
#include "simulator/SimulatedKorvelt.h"

#include <QSignalSpy>
#include <QTest>

#include <map>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;

Q_DECLARE_METATYPE(korvelt::SimulatedFault)
Q_DECLARE_METATYPE(korvelt::ReadPurpose)

namespace {

// A window holding the actions and a button with the focus.
struct ActionWindow {
    ActionWindow()
    {
        button.setObjectName(QStringLiteral("Button"));
        window.show();
        window.activateWindow();
        button.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    [[nodiscard]] QAction &Action(const QString &name) const
    {
        auto *action = window.findChild<QAction *>(name);
        if (action == nullptr) {
            qFatal("no action %s", qPrintable(name));
        }
        return *action;
    }
    QWidget window;
    QPushButton button{QStringLiteral("Button"), &window};
    MainActions actions{window};
};

const QString BlockHint = QStringLiteral("Write again; if it stays so, the KORVELT may need service.");

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // Each command's keys trigger it from anywhere in the window, once; a disabled command's
    // keys do nothing.
    void KeysTriggerActions_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("enabled");
        const std::initializer_list<std::pair<const char *, QKeySequence>> keys{
            {"LoadAction", QKeySequence(QKeySequence::Open)},
            {"SaveAction", QKeySequence(QKeySequence::Save)},
            {"SaveAsAction", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
            {"ExitAction", QKeySequence(Qt::CTRL | Qt::Key_Q)},
            {"HelpAction", QKeySequence(Qt::Key_F1)},
            {"PrintAction", QKeySequence(QKeySequence::Print)},
            {"UndoAction", QKeySequence(QKeySequence::Undo)},
            {"RedoAction", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
            {"RedoAction", QKeySequence(Qt::CTRL | Qt::Key_Y)},
        };
        for (const auto &[action, key] : keys) {
            for (const bool enabled : {true, false}) {
                QTest::addRow("%s %s%s", action, qPrintable(key.toString()), enabled ? "" : ", disabled")
                    << key << QString::fromLatin1(action) << enabled;
            }
        }
    }
    void KeysTriggerActions()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, action);
        QFETCH(bool, enabled);
        ActionWindow w;
        std::map<QString, int> triggered;
        for (QAction *a : w.actions.All()) {
            a->setEnabled(true);
            connect(a, &QAction::triggered, &w.window, [&triggered, a] { ++triggered[a->objectName()]; });
        }
        w.Action(action).setEnabled(enabled);
        QTest::keySequence(&w.button, keys);
        const std::map<QString, int> expected =
            enabled ? std::map<QString, int>{{action, 1}} : std::map<QString, int>{};
        QCOMPARE(triggered, expected);
    }

    // While a command runs on the KORVELT, the commands that would start another one or
    // replace its schedule are disabled, with their buttons; Cancel is enabled only then.
    void BusyEnablesAndDisables_data() // clang-format off
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("whileBusy");
        QTest::addColumn<bool>("whileIdle");
        for (const char *name : {"LoadAction", "WriteAction", "ReadAction", "CompareAction", "SetTimeAction",
                                 "ReadTimeAction"}) {
            QTest::newRow(name) << name << false << true;
        }
        for (const char *name : {"SaveAction", "SaveAsAction", "ExitAction", "HelpAction", "PrintAction",
                                 "ExportPdfAction"}) {
            QTest::newRow(name) << name << true << true;
        }
        QTest::newRow("CancelAction") << "CancelAction" << true << false;
        // Undo and Redo are the document's to enable; a command does not change them.
        QTest::newRow("UndoAction") << "UndoAction" << false << false;
    } // clang-format on
    void BusyEnablesAndDisables()
    {
        QFETCH(QString, action);
        QFETCH(bool, whileBusy);
        QFETCH(bool, whileIdle);
        ActionWindow w;
        QAction &a = w.Action(action);
        MainActions::Bind(w.button, a);
        QCOMPARE(w.button.isEnabled(), whileIdle);
        int clicks = 0;
        connect(&a, &QAction::triggered, &w.window, [&clicks] { ++clicks; });
        for (const bool busy : {true, false, true}) {
            w.actions.SetBusy(busy);
            const bool enabled = busy ? whileBusy : whileIdle;
            QCOMPARE(a.isEnabled(), enabled);
            QCOMPARE(w.button.isEnabled(), enabled);
            const int before = clicks;
            QTest::mouseClick(&w.button, Qt::LeftButton);
            QCOMPARE(clicks, before + (enabled ? 1 : 0));
        }
    }

    // Every way a command on the KORVELT ends, as the status area and the boxes tell it.
    void PresenterTellsEachEnding_data() // clang-format off
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<std::uint16_t>("release"); // 0: no KORVELT plugged in
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("at");              // the fault strikes after this many requests
        QTest::addColumn<QString>("connection");  // the connection status afterwards
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("error");       // the error box; empty: none
        QTest::addColumn<QString>("information"); // the information box; empty: none
        const QString identified = QStringLiteral("KORVELT 1.05, serial 1");
        const auto none = SimulatedFault::None;
        // Block 1 holds slots 1 to 8 of output 1's normal times.
        QString firstBlock;
        for (int slot = 1; slot <= 8; ++slot) {
            firstBlock += QStringLiteral("Output 1, Normal Times slot %1\n").arg(slot);
        }
        QTest::newRow("write, verified") << "write" << NormalRelease << none << 0 << identified
                                         << "Verified: the KORVELT holds this schedule" << "" << "Download Complete";
        QTest::newRow("write, not checked") << "write unchecked" << NormalRelease << none << 0 << identified
                                            << "Written, not verified" << "" << "Download Complete";
        QTest::newRow("no KORVELT") << "write" << std::uint16_t{0} << none << 0 << "No KORVELT found"
                                    << "Cannot find KORVELT" << "Cannot find KORVELT" << "";
        QTest::newRow("program mode") << "read" << ProgramModeRelease << none << 0 << "Program Mode"
                                      << "KORVELT is in Program Mode" << "KORVELT is in Program Mode" << "";
        QTest::newRow("not a KORVELT") << "set clock" << NormalRelease << SimulatedFault::WrongIdentity << 0
                                       << "Not a KORVELT time controller" << "Stopped: not a KORVELT time controller"
                                       << "Application is not a KORVELT Time Control" << "";
        QTest::newRow("erased, read") << "read" << NormalRelease << SimulatedFault::EraseMemory << 0 << identified
                                      << "Read failed" << "KORVELT sent invalid schedule data.\nBlock 0" << "";
        QTest::newRow("erased, write's check")
            << "write" << NormalRelease << SimulatedFault::EraseMemory << 133 << identified << "Not verified"
            << "The KORVELT does not hold what was written\nblock 0 reads back as erased memory\n" + BlockHint << "";
        QTest::newRow("block not kept") << "write" << NormalRelease << SimulatedFault::DropBlock << 4 << identified
                                        << "Not verified"
                                        << "The KORVELT does not hold what was written\n" + firstBlock + BlockHint
                                        << "";
        QTest::newRow("silent") << "write" << NormalRelease << SimulatedFault::FallSilent << 2
                                << "KORVELT not answering" << "Stopped: no answer"
                                << "KORVELT stopped answering while writing (block 0 of 64). Check the cable and try "
                                   "again." << "";
        QTest::newRow("unplugged") << "read clock" << NormalRelease << SimulatedFault::Unplug << 0
                                   << "No KORVELT connected" << "Stopped: unplugged"
                                   << "KORVELT was unplugged while reading the clock. Plug it in and try again." << "";
    } // clang-format on
    void PresenterTellsEachEnding()
    {
        QFETCH(QString, command);
        QFETCH(std::uint16_t, release);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, at);
        QFETCH(QString, connection);
        QFETCH(QString, status);
        QFETCH(QString, error);
        QFETCH(QString, information);
        SimulatedHidBackend backend;
        if (release != 0) {
            const auto device = backend.AddKorvelt(release);
            if (fault != SimulatedFault::None) {
                device->InjectFault(fault, at);
            }
        }
        DeviceSession session(backend);
        session.SetReplyTimeout(100);
        CommandPanel panel([] { return QDateTime(QDate(2026, 12, 7), QTime(17, 0)); }, nullptr);
        ScriptedDialogs dialogs;
        int written = 0;
        DeviceWindowHooks hooks;
        hooks.Schedule = [] { return ScheduleModel{}; };
        hooks.MayReplaceSchedule = [] { return true; };
        hooks.ScheduleRead = [](const ScheduleModel &, const std::optional<DeviceIdentity> &) {};
        hooks.ScheduleTaken = hooks.ScheduleRead;
        hooks.ScheduleWritten = [&written](const std::optional<DeviceIdentity> &device) { written += device ? 1 : 0; };
        DevicePresenter presenter(
            session, panel, dialogs, [] { return QDateTime(); }, hooks);
        if (command.startsWith(QStringLiteral("write"))) {
            presenter.StartWrite(DistinctSchedule(), command == QStringLiteral("write"));
        } else if (command == QStringLiteral("read")) {
            presenter.StartRead(ReadPurpose::Load);
        } else if (command == QStringLiteral("set clock")) {
            presenter.StartSetClock();
        } else {
            presenter.StartReadClock();
        }
        QTRY_VERIFY(!session.Busy());
        QCOMPARE(panel.ConnectionLabel.text(), connection);
        QCOMPARE(panel.StatusLabel.text(), status);
        QCOMPARE(dialogs.log.Errors, error.isEmpty() ? QStringList{} : QStringList{error});
        QCOMPARE(dialogs.log.Informations, information.isEmpty() ? QStringList{} : QStringList{information});
        QCOMPARE(written, information.isEmpty() ? 0 : 1);
    }

    // A read carries its purpose: loading hands the schedule to the window; comparing shows
    // the differences and hands it over only when the user takes it.
    void ReadPurposes_data() // clang-format off
    {
        QTest::addColumn<ReadPurpose>("purpose");
        QTest::addColumn<bool>("take");       // the user takes the KORVELT's schedule in the comparison
        QTest::addColumn<bool>("mayReplace"); // the window lets its schedule be replaced
        QTest::addColumn<QString>("progress");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("handed"); // which hook got the schedule: "read", "taken" or ""
        QTest::newRow("load") << ReadPurpose::Load << false << true << "Reading from KORVELT" << "Read from KORVELT"
                              << "read";
        QTest::newRow("compare, kept") << ReadPurpose::Compare << false << true << "Comparing with KORVELT"
                                       << "529 differences from the KORVELT" << "";
        QTest::newRow("compare, taken") << ReadPurpose::Compare << true << true << "Comparing with KORVELT"
                                        << "The KORVELT's schedule was taken" << "taken";
    } // clang-format on
    void ReadPurposes()
    {
        QFETCH(ReadPurpose, purpose);
        QFETCH(bool, take);
        QFETCH(bool, mayReplace);
        QFETCH(QString, progress);
        QFETCH(QString, status);
        QFETCH(QString, handed);
        SimulatedHidBackend backend;
        backend.AddKorvelt();
        DeviceSession session(backend);
        CommandPanel panel([] { return QDateTime(QDate(2026, 12, 7), QTime(17, 0)); }, nullptr);
        ScriptedDialogs dialogs;
        dialogs.takeCompared = take;
        QString got;
        ScheduleModel gotSchedule = DistinctSchedule();
        DeviceWindowHooks hooks;
        hooks.Schedule = [] { return DistinctSchedule(); };
        hooks.MayReplaceSchedule = [mayReplace] { return mayReplace; };
        hooks.ScheduleRead = [&](const ScheduleModel &read, const std::optional<DeviceIdentity> &device) {
            got = device ? QStringLiteral("read") : QStringLiteral("read, no device");
            gotSchedule = read;
        };
        hooks.ScheduleTaken = [&](const ScheduleModel &read, const std::optional<DeviceIdentity> &device) {
            got = device ? QStringLiteral("taken") : QStringLiteral("taken, no device");
            gotSchedule = read;
        };
        hooks.ScheduleWritten = [](const std::optional<DeviceIdentity> &) { QFAIL("nothing was written"); };
        DevicePresenter presenter(
            session, panel, dialogs, [] { return QDateTime(); }, hooks);
        QStringList shown;
        connect(&session, &DeviceSession::Progress, &panel, [&] { shown << panel.StatusLabel.text(); });
        presenter.StartRead(purpose);
        QCOMPARE(presenter.Purpose(), purpose);
        QTRY_VERIFY(!session.Busy());
        QVERIFY(!shown.isEmpty());
        QVERIFY(shown.front().startsWith(progress));
        QCOMPARE(panel.StatusLabel.text(), status);
        QCOMPARE(got, handed);
        // The KORVELT as it left the factory holds the defaults.
        QVERIFY(SameSchedule(gotSchedule, handed.isEmpty() ? DistinctSchedule() : ScheduleModel{}));
        QCOMPARE(dialogs.log.Comparisons.size(), std::size_t{purpose == ReadPurpose::Compare ? 1U : 0U});
        QCOMPARE(dialogs.log.Informations,
                 purpose == ReadPurpose::Load ? QStringList{QStringLiteral("Read Complete")} : QStringList{});
        QVERIFY(dialogs.log.Errors.isEmpty());
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
