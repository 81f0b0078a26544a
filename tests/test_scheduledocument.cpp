// The schedule document: its history of edits, what counts as changed, and what it tells
// the window.

#include "app/ScheduleDocument.h"

#include <QSignalSpy>
#include <QTest>

using namespace korvelt;

namespace {

// Four schedules told apart by one value each; "0" is the defaults.
ScheduleModel Schedule(QChar name)
{
    ScheduleModel model;
    model.SetDefaultSchedule();
    switch (name.toLatin1()) {
    case 'A':
        model.NormalTimes.at(1).at(3).Start = 0.25;
        break;
    case 'B':
        model.SpecialDates.at(4) = 45000;
        break;
    case 'C':
        model.DaylightSaving.Enabled = 0;
        break;
    default:
        break;
    }
    return model;
}

} // namespace

class TestScheduleDocument : public QObject {
    Q_OBJECT

private slots:
    // A script of steps from a fresh start, and where it leaves the document. The steps:
    // A, B, C or 0 records an edit to that schedule (named "Edit A" ...), R reads C from a
    // KORVELT, u undoes, r redoes, s saves, L loads A from a file.
    void History_data() // clang-format off
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("shown");    // the schedule the document holds at the end
        QTest::addColumn<bool>("changed");     // the unsaved-changes marker
        QTest::addColumn<QString>("undoText"); // what Undo would undo
        QTest::addColumn<QString>("redoText");
        QTest::addColumn<int>("replaced"); // how often the controls were told to show it all
        QTest::addColumn<bool>("device");  // it names the KORVELT it was read from

        QTest::newRow("fresh start") << "" << "0" << false << "" << "" << 0 << false;
        QTest::newRow("an edit") << "A" << "A" << true << "Edit A" << "" << 0 << false;
        QTest::newRow("the same bytes are no step") << "A A" << "A" << true << "Edit A" << "" << 0 << false;
        QTest::newRow("undone back to the start") << "A u" << "0" << false << "" << "Edit A" << 1 << false;
        QTest::newRow("redone") << "A u r" << "A" << true << "Edit A" << "" << 2 << false;
        QTest::newRow("one by one") << "A B u" << "A" << true << "Edit A" << "Edit B" << 1 << false;
        QTest::newRow("edited back by hand") << "A 0" << "0" << false << "Edit 0" << "" << 0 << false;
        QTest::newRow("saved") << "A s" << "A" << false << "Edit A" << "" << 0 << false;
        QTest::newRow("undone behind the save") << "A s u" << "0" << true << "" << "Edit A" << 1 << false;
        QTest::newRow("undone back to the save") << "A s B u" << "A" << false << "Edit A" << "Edit B" << 1 << false;
        QTest::newRow("redone back to the save") << "A s u r" << "A" << false << "Edit A" << "" << 2 << false;
        QTest::newRow("a new edit drops the redo") << "A B u C" << "C" << true << "Edit C" << "" << 1 << false;
        QTest::newRow("read from a KORVELT")
            << "R" << "C" << true << "Read From KORVELT" << "" << 1 << true;
        QTest::newRow("read undone") << "R u" << "0" << false << "" << "Read From KORVELT" << 2 << false;
        QTest::newRow("an edit after a read keeps the KORVELT")
            << "R A" << "A" << true << "Edit A" << "" << 1 << true;
        QTest::newRow("a load starts a new history") << "B C L" << "A" << false << "" << "" << 1 << false;
        QTest::newRow("a load after a read names no KORVELT") << "R L" << "A" << false << "" << "" << 2 << false;
        QTest::newRow("undone past the load's start") << "L u" << "A" << false << "" << "" << 1 << false;
    } // clang-format on
    void History()
    {
        QFETCH(QString, script);
        QFETCH(QString, shown);
        QFETCH(bool, changed);
        QFETCH(QString, undoText);
        QFETCH(QString, redoText);
        QFETCH(int, replaced);
        QFETCH(bool, device);

        ScheduleDocument document;
        document.Reset(Schedule(QLatin1Char('0')), QString());
        QSignalSpy replacedSpy(&document, &ScheduleDocument::Replaced);
        QSignalSpy modifiedSpy(&document, &ScheduleDocument::ModifiedChanged);
        bool marker = false; // what the window's marker would show, told by ModifiedChanged only
        connect(&document, &ScheduleDocument::ModifiedChanged, this, [&marker](bool now) { marker = now; });
        QUndoStack &history = document.UndoStack();
        for (const QString &step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QChar name = step.front();
            if (QStringLiteral("ABC0").contains(name)) {
                document.Record(Schedule(name), QStringLiteral("Edit ") + name);
            } else if (name == QLatin1Char('R')) {
                document.Replace(Schedule(QLatin1Char('C')), QStringLiteral("Read From KORVELT"),
                                 DeviceIdentity{"KORVELT 2.1", 1234});
            } else if (name == QLatin1Char('u')) {
                history.undo();
            } else if (name == QLatin1Char('r')) {
                history.redo();
            } else if (name == QLatin1Char('s')) {
                document.Saved(QStringLiteral("/tmp/saved.dat"));
            } else if (name == QLatin1Char('L')) {
                document.Reset(Schedule(QLatin1Char('A')), QStringLiteral("/tmp/loaded.dat"));
            }
        }
        QCOMPARE(EncodeScheduleImage(document.Model()), EncodeScheduleImage(Schedule(shown.front())));
        QCOMPARE(document.Changed(), changed);
        QCOMPARE(marker, changed);
        QCOMPARE(history.undoText(), undoText);
        QCOMPARE(history.redoText(), redoText);
        QCOMPARE(replacedSpy.count(), replaced);
        QCOMPARE(document.Device().has_value(), device);
        // The marker is told of each change once, never twice in a row the same.
        for (qsizetype k = 1; k < modifiedSpy.count(); ++k) {
            QVERIFY(modifiedSpy.at(k).at(0).toBool() != modifiedSpy.at(k - 1).at(0).toBool());
        }
    }

    // The file name is told when it changes; a save under a new name is one.
    void FileName()
    {
        ScheduleDocument document;
        QSignalSpy names(&document, &ScheduleDocument::FileNameChanged);
        document.Reset(Schedule(QLatin1Char('0')), QStringLiteral("/tmp/a.dat"));
        document.Record(Schedule(QLatin1Char('A')), QStringLiteral("Edit A"));
        document.Saved(QStringLiteral("/tmp/a.dat"));
        document.Saved(QStringLiteral("/tmp/b.dat"));
        QCOMPARE(document.FileName(), QStringLiteral("/tmp/b.dat"));
        QCOMPARE(names.count(), 2);
        QCOMPARE(names.at(1).at(0).toString(), QStringLiteral("/tmp/b.dat"));
    }
};

QTEST_GUILESS_MAIN(TestScheduleDocument)
#include "test_scheduledocument.moc"
