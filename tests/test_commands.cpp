// The window's commands on their own: the actions with their keys and buttons. How the device
// commands end, as the status area and the boxes tell it, is driven through the window in
// test_devicelink.
#include "app/MainActions.h"

#include <QPushButton>
#include <QTest>

#include <map>

using namespace korvelt;


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
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
