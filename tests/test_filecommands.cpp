#include "DataFile.h"
#include "GridDriver.h"
#include "MainFormFixture.h"
#include "TestSchedules.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace korvelt;
using namespace korvelt::test;
using namespace korvelt::testing;
using Answer = UserDialogs::Answer;

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

void Click(const MainFormFixture &f, const QString &button)
{
    QTest::mouseClick(&f.Find<QPushButton>(button), Qt::LeftButton);
}

// Makes the model differ from its snapshot with a real edit.
void Edit(const MainFormFixture &f)
{
    QVERIFY(GridDriver(f.Find<TimeGrid>("TimesAdvStringGrid")).PickDay(8, 1, QStringLiteral("On")));
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private:
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

    // What is saved loads back whole; both leave the window unchanged, so closing asks nothing.
    void SaveThenLoadIsClean()
    {
        const QString file = Path(QStringLiteral("varied.dat"));
        for (const char *command : {"SaveButton", "LoadButton"}) {
            MainFormFixture f;
            if (command == QStringLiteral("SaveButton")) {
                f.form->ReplaceModel(DistinctSchedule());
            } else {
                MainFormFixture::TypeInto(f.Find<QSpinBox>("OutputCSpinEdit"), QStringLiteral("5"));
            }
            f.dialogs->fileNames.push_back(file);
            Click(f, command);
            QCOMPARE(f.dialogs->lastFilter, QStringLiteral("Data Files (*.dat);;All Files (*.*)"));
            QCOMPARE(ReadAll(file), FileOf(DistinctSchedule()));
            QVERIFY(SameSchedule(f.form->Model(), DistinctSchedule()));
            if (command == QStringLiteral("LoadButton")) {
                // The selector stays at output 5 and the controls show the file.
                QCOMPARE(f.Find<QSpinBox>("OutputCSpinEdit").value(), 5);
                QCOMPARE(f.Find<TimeGrid>("TimesAdvStringGrid").Cell(1, 5), QStringLiteral("04:04:01"));
                QCOMPARE(f.Find<QDateEdit>("SpecialDateDateTimePicker4").date(), QDate(2040, 4, 25));
                QVERIFY(!f.Find<QCheckBox>("EnableDaylightSavingCheckBox").isChecked());
            }
            Click(f, "ExitButton");
            QVERIFY(f.dialogs->log.Questions.isEmpty());
            QVERIFY(!f.form->isVisible());
        }
    }

    // Before unsaved changes would be lost (Exit, the title bar's close, Load File), the
    // window asks; the changes go only after No, or after Yes and a save. A file that cannot
    // be loaded is named in a message and changes nothing.
    void CloseAndLoadWithUnsavedChanges_data()
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
        QTest::newRow("Exit, cancel") << "ExitButton" << int(Answer::Cancel) << "" << good << false << "";
        QTest::newRow("Exit, no") << "ExitButton" << no << "" << good << true << "";
        QTest::newRow("close, yes, saved") << "close" << yes << "saved.dat" << good << true << "";
        QTest::newRow("close, yes, dialog cancelled") << "close" << yes << "" << good << false << "";
        QTest::newRow("close, yes, save failed")
            << "close" << yes << "plain-file/x.dat" << good << false << "Error Saving File.";
        QTest::newRow("Load, yes, saved") << "LoadButton" << yes << "saved.dat" << good << true << "";
        QTest::newRow("Load, no") << "LoadButton" << no << "" << good << true << "";
        QTest::newRow("Load, cancel") << "LoadButton" << int(Answer::Cancel) << "" << good << false << "";
        QTest::newRow("Load, a later version")
            << "LoadButton" << no << "" << later << false << "The file uses a later data format.\r\nCannot load";
        QTest::newRow("Load, another program's")
            << "LoadButton" << no << "" << otherName << false << "Incompatible data file.";
        QTest::newRow("Load, missing") << "LoadButton" << no << "" << QByteArray() << false << "Error Opening File.";
    }
    void CloseAndLoadWithUnsavedChanges()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(QByteArray, file);
        QFETCH(bool, goesOn);
        QFETCH(QString, error);
        const QString saved = Path(QStringLiteral("saved.dat"));
        const QString toLoad = Path(QStringLiteral("to-load.dat"));
        QFile::remove(saved);
        QFile::remove(toLoad);
        if (!file.isEmpty()) {
            WriteAll(toLoad, file);
        }
        MainFormFixture f;
        Edit(f);
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
            Click(f, command);
        }
        QCOMPARE(f.dialogs->log.Questions, QStringList{QStringLiteral("Data has changed\nSave now?")});
        QVERIFY(f.dialogs->log.Unexpected.isEmpty());
        QCOMPARE(QFile::exists(saved), saveAs == "saved.dat");
        QCOMPARE(f.dialogs->log.Errors.join(""), error);
        if (command == "LoadButton") {
            QCOMPARE(SameSchedule(f.form->Model(), DistinctSchedule()), goesOn);
            QCOMPARE(f.form->ScheduleChanged(), !goesOn);
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
