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

    // A file that cannot be loaded is named in a message and changes nothing in the window.
    void LoadRefusals_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<QString>("message");
        QByteArray later = FileOf(DistinctSchedule());
        later[0] = 2;
        QByteArray otherName = FileOf(DistinctSchedule());
        otherName.replace(4, 7, "KORVALT");
        QTest::newRow("later version") << later << "The file uses a later data format.\r\nCannot load";
        QTest::newRow("another program's") << otherName << "Incompatible data file.";
        QTest::newRow("missing") << QByteArray() << "Error Opening File.";
    }
    void LoadRefusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString file = Path(QStringLiteral("refused.dat"));
        QFile::remove(file);
        if (!bytes.isEmpty()) {
            WriteAll(file, bytes);
        }
        MainFormFixture f;
        Edit(f);
        f.form->StoreAllControls();
        const ScheduleModel before = f.form->Model();
        f.dialogs->answers.push_back(Answer::No);
        f.dialogs->fileNames.push_back(file);
        Click(f, "LoadButton");
        QCOMPARE(f.dialogs->log.Errors, QStringList{message});
        QVERIFY(SameSchedule(f.form->Model(), before));
        QCOMPARE(f.Find<TimeGrid>("TimesAdvStringGrid").Cell(8, 1), QStringLiteral("On"));
        QVERIFY(f.form->ScheduleChanged());
    }

    // Before unsaved changes would be lost (Exit, the title bar's close, Load File), the
    // window asks; the changes are dropped only after No, or after Yes and a save.
    void UnsavedChangesQuestion_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs"); // empty: the save dialog is cancelled
        QTest::addColumn<bool>("goesOn");    // the window closes, or the file loads
        QTest::newRow("Exit, cancel") << "ExitButton" << int(Answer::Cancel) << "" << false;
        QTest::newRow("Exit, no") << "ExitButton" << int(Answer::No) << "" << true;
        QTest::newRow("close, yes, saved") << "close" << int(Answer::Yes) << "saved.dat" << true;
        QTest::newRow("close, yes, dialog cancelled") << "close" << int(Answer::Yes) << "" << false;
        QTest::newRow("close, yes, save failed") << "close" << int(Answer::Yes) << "plain-file/x.dat" << false;
        QTest::newRow("Load, yes, saved") << "LoadButton" << int(Answer::Yes) << "saved.dat" << true;
        QTest::newRow("Load, no") << "LoadButton" << int(Answer::No) << "" << true;
        QTest::newRow("Load, cancel") << "LoadButton" << int(Answer::Cancel) << "" << false;
    }
    void UnsavedChangesQuestion()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, goesOn);
        const QString saved = Path(QStringLiteral("saved.dat"));
        QFile::remove(saved);
        const QString toLoad = Path(QStringLiteral("to-load.dat"));
        WriteAll(toLoad, FileOf(DistinctSchedule()));
        MainFormFixture f;
        Edit(f);
        f.dialogs->answers.push_back(static_cast<Answer>(answer));
        if (static_cast<Answer>(answer) == Answer::Yes) {
            f.dialogs->fileNames.push_back(saveAs.isEmpty() ? QString() : Path(saveAs));
        }
        if (command == "LoadButton") {
            f.dialogs->fileNames.push_back(toLoad);
        }
        if (command == "close") {
            f.form->close();
        } else {
            Click(f, command);
        }
        QCOMPARE(f.dialogs->log.Questions, QStringList{QStringLiteral("Data has changed\nSave now?")});
        QVERIFY(f.dialogs->log.Unexpected.isEmpty());
        QCOMPARE(QFile::exists(saved), saveAs == "saved.dat");
        QCOMPARE(f.dialogs->log.Errors.join(""), saveAs.startsWith("plain-file") ? "Error Saving File." : "");
        if (command == "LoadButton") {
            QCOMPARE(f.dialogs->log.OpenDialogs, goesOn ? 1 : 0);
            QCOMPARE(SameSchedule(f.form->Model(), DistinctSchedule()), goesOn);
            QCOMPARE(f.form->ScheduleChanged(), !goesOn);
        } else {
            QCOMPARE(f.form->isVisible(), !goesOn);
        }
        if (!goesOn) {
            QCOMPARE(f.Find<TimeGrid>("TimesAdvStringGrid").Cell(8, 1), QStringLiteral("On"));
            QCOMPARE(f.form->Model().NormalTimes.at(0).at(0).Days.at(5), std::uint8_t{1});
        }
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_filecommands.moc"
