#include "DataFile.h"
#include "GridDriver.h"
#include "MainFormFixture.h"
#include "TestSchedules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

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

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    [[nodiscard]] QString Path(const QString &name) const { return dir_.filePath(name); }

    // Makes the model differ from its snapshot with a real edit.
    static void Edit(MainFormFixture &f)
    {
        GridDriver grid(f.form->TimesAdvStringGrid);
        QVERIFY(grid.PickDay(8, 1, QStringLiteral("On")));
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        QVERIFY(dir_.isValid());
    }

    void FreshSaveIsTheDefaultImage()
    {
        MainFormFixture f;
        f.dialogs->fileNames.push_back(Path(QStringLiteral("fresh.dat")));
        QTest::mouseClick(&f.form->SaveButton, Qt::LeftButton);
        const QByteArray bytes = ReadAll(Path(QStringLiteral("fresh.dat")));
        QCOMPARE(bytes.size(), 12472);
        QCOMPARE(bytes, FileOf(ScheduleModel{}));
        QCOMPARE(bytes.mid(0, 4), QByteArray("\x01\x00\x00\x00", 4));
        QCOMPARE(bytes.mid(4, 21), QByteArray("KORVELT Time Control\0", 21));
        QCOMPARE(f.dialogs->lastFilter, QStringLiteral("Data Files (*.dat);;All Files (*.*)"));
        QVERIFY(f.dialogs->log.Errors.isEmpty());
    }

    void SaveThenLoadIsClean()
    {
        const QString file = Path(QStringLiteral("varied.dat"));
        {
            MainFormFixture f;
            f.form->ReplaceModel(DistinctSchedule());
            f.dialogs->fileNames.push_back(file);
            QTest::mouseClick(&f.form->SaveButton, Qt::LeftButton);
            QTest::mouseClick(&f.form->ExitButton, Qt::LeftButton);
            QVERIFY(f.dialogs->log.Questions.isEmpty());
            QVERIFY(!f.form->isVisible());
        }
        MainFormFixture f;
        MainFormFixture::TypeInto(f.form->OutputCSpinEdit, QStringLiteral("5"));
        f.dialogs->fileNames.push_back(file);
        QTest::mouseClick(&f.form->LoadButton, Qt::LeftButton);
        QVERIFY(SameSchedule(f.form->Model(), DistinctSchedule()));
        // The selector stays at output 5 and the grid shows output 5 of the file.
        QCOMPARE(f.form->OutputCSpinEdit.value(), 5);
        QCOMPARE(f.form->TimesAdvStringGrid.Cell(1, 5), QStringLiteral("04:04:01"));
        QCOMPARE(f.form->SpecialDateDateTimePickers.at(3)->date(), QDate(2040, 4, 25));
        QVERIFY(!f.form->EnableDaylightSavingCheckBox.isChecked());
        QTest::mouseClick(&f.form->ExitButton, Qt::LeftButton);
        QVERIFY(f.dialogs->log.Questions.isEmpty());
        QVERIFY(!f.form->isVisible());
    }

    void RefusedFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray good = FileOf(DistinctSchedule());
        QByteArray later = good;
        later[0] = 2;
        QByteArray otherName = good;
        otherName.replace(4, 7, "KORVALT");
        QByteArray lowerCase = good;
        lowerCase.replace(4, 7, "korvelt");
        QTest::newRow("version 2") << later << "The file uses a later data format.\r\nCannot load";
        QTest::newRow("other name") << otherName << "Incompatible data file.";
        QTest::newRow("lower-case name") << lowerCase << "Incompatible data file.";
        QTest::newRow("empty file") << QByteArray() << "Incompatible data file.";
        QTest::newRow("header only") << good.left(36) << "Incompatible data file.";
        QTest::newRow("one byte short") << good.left(12471) << "Incompatible data file.";
    }
    void RefusedFilesChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString file = Path(QStringLiteral("refused.dat"));
        WriteAll(file, bytes);
        MainFormFixture f;
        Edit(f);
        f.form->StoreAllControls();
        const ScheduleModel before = f.form->Model();
        f.dialogs->answers.push_back(Answer::No);
        f.dialogs->fileNames.push_back(file);
        QTest::mouseClick(&f.form->LoadButton, Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors, QStringList{message});
        QVERIFY(SameSchedule(f.form->Model(), before));
        QCOMPARE(f.form->TimesAdvStringGrid.Cell(8, 1), QStringLiteral("On"));
        QVERIFY(f.form->ScheduleChanged());
    }

    void OlderVersionLoads()
    {
        QByteArray bytes = FileOf(DistinctSchedule());
        bytes[0] = 0;
        const QString file = Path(QStringLiteral("version0.dat"));
        WriteAll(file, bytes + QByteArray(100, '\xEE'));
        MainFormFixture f;
        f.dialogs->fileNames.push_back(file);
        QTest::mouseClick(&f.form->LoadButton, Qt::LeftButton);
        QVERIFY(f.dialogs->log.Errors.isEmpty());
        QVERIFY(SameSchedule(f.form->Model(), DistinctSchedule()));
    }

    void MissingFileCannotBeOpened()
    {
        MainFormFixture f;
        f.dialogs->fileNames.push_back(Path(QStringLiteral("no such file.dat")));
        QTest::mouseClick(&f.form->LoadButton, Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("Error Opening File.")});
        QVERIFY(SameSchedule(f.form->Model(), ScheduleModel{}));
    }

    void FailedSaveKeepsTheOldFileAndTheChanges()
    {
        // Root ignores permission bits, so the folder is a regular file here.
        const QString notAFolder = Path(QStringLiteral("plain-file"));
        WriteAll(notAFolder, "x");
        MainFormFixture f;
        Edit(f);
        f.dialogs->fileNames.push_back(notAFolder + QStringLiteral("/schedule.dat"));
        QTest::mouseClick(&f.form->SaveButton, Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors, QStringList{QStringLiteral("Error Saving File.")});
        QCOMPARE(ReadAll(notAFolder), QByteArray("x"));
        QVERIFY(f.form->ScheduleChanged());
    }

    void HostileValuesAreSafeToShowAndKept()
    {
        ScheduleModel hostile = DistinctSchedule();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        hostile.NormalTimes.at(0).at(0).Start = nan;
        hostile.NormalTimes.at(0).at(1).End = std::numeric_limits<double>::infinity();
        hostile.NormalTimes.at(0).at(2).Start = -12345.678;
        hostile.NormalTimes.at(0).at(3).End = 1e308;
        hostile.NormalTimes.at(0).at(4).Start = 0.123456789;
        hostile.NormalTimes.at(3).at(0).Days.at(2) = 2; // an output that is not shown
        hostile.SpecialTimes.at(0).at(0).Start = -0.0;
        hostile.SpecialDates.at(0) = nan;
        hostile.SpecialDates.at(1) = -5.0;
        hostile.SpecialDates.at(2) = 40118.75;
        hostile.DaylightSaving = DaylightSavingRule{0xFF, -1, 5, 12, -100};
        const QString file = Path(QStringLiteral("hostile.dat"));
        WriteAll(file, FileOf(hostile));

        MainFormFixture f;
        f.dialogs->fileNames.push_back(file);
        QTest::mouseClick(&f.form->LoadButton, Qt::LeftButton);
        QVERIFY(f.dialogs->log.Errors.isEmpty());
        for (int page = 0; page < 3; ++page) {
            f.form->AdvPageControl1.setCurrentIndex(page);
            QCoreApplication::processEvents();
        }
        // Nothing was edited, so closing asks nothing, and a save gives the same file back.
        f.form->StoreAllControls();
        QVERIFY(!f.form->ScheduleChanged());
        f.dialogs->fileNames.push_back(Path(QStringLiteral("hostile-again.dat")));
        QTest::mouseClick(&f.form->SaveButton, Qt::LeftButton);
        QCOMPARE(ReadAll(Path(QStringLiteral("hostile-again.dat"))), FileOf(hostile));
    }

    void CloseQuery_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs"); // empty: the save dialog is cancelled
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes, saved") << int(Answer::Yes) << "closing.dat" << true << true;
        QTest::newRow("yes, dialog cancelled") << int(Answer::Yes) << "" << false << false;
        QTest::newRow("yes, save failed") << int(Answer::Yes) << "plain-file/x.dat" << false << false;
        QTest::newRow("no") << int(Answer::No) << "" << true << false;
        QTest::newRow("cancel") << int(Answer::Cancel) << "" << false << false;
    }
    void CloseQuery()
    {
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        WriteAll(Path(QStringLiteral("plain-file")), "x");
        QFile::remove(Path(QStringLiteral("closing.dat")));
        MainFormFixture f;
        Edit(f);
        f.dialogs->answers.push_back(static_cast<Answer>(answer));
        if (static_cast<Answer>(answer) == Answer::Yes) {
            f.dialogs->fileNames.push_back(saveAs.isEmpty() ? QString() : Path(saveAs));
        }
        f.form->close();
        QCOMPARE(f.dialogs->log.Questions, QStringList{QStringLiteral("Data has changed\nSave now?")});
        QCOMPARE(f.form->isVisible(), !closes);
        QCOMPARE(QFile::exists(Path(QStringLiteral("closing.dat"))), saved);
        QVERIFY(f.dialogs->log.Unexpected.isEmpty());
        if (!closes) {
            QCOMPARE(f.form->TimesAdvStringGrid.Cell(8, 1), QStringLiteral("On"));
        }
    }

    void LoadQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("loads");
        QTest::newRow("yes, saved") << int(Answer::Yes) << "before-load.dat" << true;
        QTest::newRow("yes, dialog cancelled") << int(Answer::Yes) << "" << false;
        QTest::newRow("yes, save failed") << int(Answer::Yes) << "plain-file/x.dat" << false;
        QTest::newRow("no") << int(Answer::No) << "" << true;
        QTest::newRow("cancel") << int(Answer::Cancel) << "" << false;
    }
    void LoadQuestion()
    {
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, loads);
        WriteAll(Path(QStringLiteral("plain-file")), "x");
        const QString file = Path(QStringLiteral("to-load.dat"));
        WriteAll(file, FileOf(DistinctSchedule()));
        MainFormFixture f;
        Edit(f);
        f.dialogs->answers.push_back(static_cast<Answer>(answer));
        if (static_cast<Answer>(answer) == Answer::Yes) {
            f.dialogs->fileNames.push_back(saveAs.isEmpty() ? QString() : Path(saveAs));
        }
        f.dialogs->fileNames.push_back(file);
        QTest::mouseClick(&f.form->LoadButton, Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Questions.size(), 1);
        QCOMPARE(f.dialogs->log.OpenDialogs, loads ? 1 : 0);
        QCOMPARE(SameSchedule(f.form->Model(), DistinctSchedule()), loads);
        QCOMPARE(f.form->ScheduleChanged(), !loads);
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_filecommands.moc"
