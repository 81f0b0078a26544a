#include "text/DataFile.h"
#include "GridDriver.h"
#include "MainFormFixture.h"
#include "TestSchedules.h"
#include "simulator/SimulatedKorvelt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;
using Answer = UserDialogs::Answer;

namespace {

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray FileOf(const ScheduleModel &model)
{
    const DataFileImage image = EncodeDataFile(model);
    return {reinterpret_cast<const char *>(image.data()), static_cast<qsizetype>(image.size())};
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    [[nodiscard]] QString Path(const QString &name) const { return dir_.filePath(name); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        QVERIFY(dir_.isValid());
        // Root ignores permission bits: a save fails below a regular file taken for a folder.
        WriteAll(Path(QStringLiteral("plain-file")), "x");
    }

    // Before unsaved changes would be lost (Exit, the title bar's close, Load File, Read from
    // the KORVELT), the window asks; the changes go only after No, or after Yes and a save,
    // which writes the model's file image and leaves the window unchanged. A file that cannot
    // be loaded is named in a message and changes nothing; one that loads is shown whole and
    // leaves the window unchanged. Nothing is read from the KORVELT before the answer.
    void CloseAndLoadWithUnsavedChanges_data() // clang-format off
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs"); // empty: the save dialog is cancelled
        QTest::addColumn<QByteArray>("file"); // to load; empty: there is none
        QTest::addColumn<bool>("goesOn");     // the window closes, or the file loads
        QTest::addColumn<QString>("error");
        const QByteArray good = FileOf(DistinctSchedule());
        QByteArray later = good;
        later[0] = 2;
        QByteArray otherName = good;
        otherName.replace(4, 7, "KORVALT");
        const int yes = int(Answer::Yes);
        const int no = int(Answer::No);
        QTest::newRow("close, yes, saved") << "close" << yes << "saved.dat" << good << true << "";
        QTest::newRow("close, yes, dialog cancelled") << "close" << yes << "" << good << false << "";
        // A failed save or open names the file (@ the test's folder) and the system's reason.
        QTest::newRow("close, yes, save failed")
            << "close" << yes << "plain-file/x.dat" << good << false << "Error Saving File.\n@plain-file/x.dat\nNot a directory";
        QTest::newRow("Load, yes, saved, a later version")
            << "LoadButton" << yes << "saved.dat" << later << false
            << "The file uses a later data format.\r\nCannot load";
        QTest::newRow("Load, no") << "LoadButton" << no << "" << good << true << "";
        QTest::newRow("Load, cancel") << "LoadButton" << int(Answer::Cancel) << "" << good << false << "";
        QTest::newRow("Load, another program's")
            << "LoadButton" << no << "" << otherName << false << "Incompatible data file.";
        QTest::newRow("Load, missing") << "LoadButton" << no << "" << QByteArray() << false
                                       << "Error Opening File.\nNo such file or directory";
        QTest::newRow("Read, cancel") << "ReadButton" << int(Answer::Cancel) << "" << QByteArray() << false << "";
        QTest::newRow("Read, no: the edit is dropped") << "ReadButton" << no << "" << QByteArray() << true << "";
        QTest::newRow("Read, yes, saved") << "ReadButton" << yes << "saved.dat" << QByteArray() << true << "";
        QTest::newRow("Read, yes, save failed")
            << "ReadButton" << yes << "plain-file/x.dat" << QByteArray() << false
            << "Error Saving File.\n@plain-file/x.dat\nNot a directory";
    } // clang-format on
    void CloseAndLoadWithUnsavedChanges()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(QByteArray, file);
        QFETCH(bool, goesOn);
        QFETCH(QString, error);
        // The path in the message is the system's own, with its separators.
        error = QDir::toNativeSeparators(error.replace('@', dir_.path() + '/'));
        const QString saved = Path(QStringLiteral("saved.dat"));
        const QString toLoad = Path(QStringLiteral("to-load.dat"));
        QFile::remove(saved);
        QFile::remove(toLoad);
        if (!file.isEmpty()) {
            WriteAll(toLoad, file);
        }
        auto backend = std::make_shared<SimulatedHidBackend>();
        const auto device = backend->AddKorvelt(); // as it left the factory
        MainFormFixture f(backend);
        // A real edit makes the model differ from its snapshot.
        QVERIFY(GridDriver(f.Find<TimeGrid>("TimesAdvStringGrid")).PickDay(8, 1, QStringLiteral("On")));
        ScheduleModel edited;
        edited.NormalTimes.at(0).at(0).Days.at(5) = 1;
        f.dialogs->answers.push_back(static_cast<Answer>(answer));
        if (static_cast<Answer>(answer) == Answer::Yes) {
            f.dialogs->fileNames.push_back(saveAs.isEmpty() ? QString() : Path(saveAs));
        }
        f.dialogs->fileNames.push_back(toLoad);
        if (command == "close") {
            f.form->close();
        } else {
            QTest::mouseClick(&f.Find<QPushButton>(command), Qt::LeftButton);
        }
        QCOMPARE(f.dialogs->log.Questions, QStringList{QStringLiteral("Data has changed\nSave now?")});
        QFile savedFile(saved);
        QCOMPARE(savedFile.open(QIODevice::ReadOnly) ? savedFile.readAll() : "none",
                 saveAs == "saved.dat" ? FileOf(edited) : "none");
        QVERIFY(f.dialogs->lastFilter.isEmpty() || f.dialogs->lastFilter == "Data Files (*.dat);;All Files (*.*)");
        // A file that does not load is named below the error.
        QString errors = f.dialogs->log.Errors.join("").remove("\n" + QDir::toNativeSeparators(toLoad));
#ifdef _WIN32
        // Windows words its reasons its own way: the reason's line is there, whatever it says.
        if (error.contains('\n')) {
            QVERIFY2(errors.count('\n') == error.count('\n') && !errors.endsWith('\n'), qPrintable(errors));
            errors = errors.section('\n', 0, -2);
            error = error.section('\n', 0, -2);
        }
#endif
        QCOMPARE(errors, error);
        if (command == "LoadButton") {
            QCOMPARE(SameSchedule(f.form->Model(), DistinctSchedule()), goesOn);
            QCOMPARE(f.form->ScheduleChanged(), !goesOn && saveAs != "saved.dat");
            QCOMPARE(f.Find<QDateEdit>("SpecialDateDateTimePicker4").date(),
                     goesOn ? QDate(2040, 4, 25) : QDate(2009, 11, 1));
        } else if (command == "ReadButton") {
            if (goesOn) {
                QTRY_COMPARE(f.dialogs->log.Informations, QStringList{QStringLiteral("Read Complete")});
            }
            QCOMPARE(device->RequestCount(), goesOn ? 131 : 0);
            QCOMPARE(SameSchedule(f.form->Model(), ScheduleModel{}), goesOn);
        } else {
            QCOMPARE(f.form->isVisible(), !goesOn);
        }
        if (!goesOn) {
            QCOMPARE(f.Find<TimeGrid>("TimesAdvStringGrid").Cell(8, 1), QStringLiteral("On"));
            QVERIFY(SameSchedule(f.form->Model(), edited));
        }
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_filecommands.moc"
