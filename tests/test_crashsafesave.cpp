#include "text/DataFile.h"
#include "TestSchedules.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

using namespace korvelt;
namespace fs = std::filesystem;

namespace {

using FileBytes = std::vector<std::uint8_t>;

FileBytes ReadBytes(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file in the folder but the target, with its contents.
std::map<std::string, FileBytes> OtherFiles(const fs::path &folder, const fs::path &target)
{
    std::map<std::string, FileBytes> files;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder)) {
        if (entry.path() != target) {
            files.emplace(entry.path().filename().string(), ReadBytes(entry.path()));
        }
    }
    return files;
}

} // namespace

// A process that saves over a file is killed with SIGKILL at random moments. Each time the
// file must be one of the two complete images, never a part or a mix, and whatever a killed
// save left behind must stay beside the file and never take its place.
class TestCrashSafeSave : public QObject {
    Q_OBJECT

private slots:
    void KilledSavesLeaveAWholeFile()
    {
        constexpr int Kills = 200;
        constexpr int LongestDelayUs = 4000;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const fs::path folder = dir.path().toStdString();
        const fs::path target = folder / "schedule.dat";
        // The two files the save loop writes in turn.
        QVERIFY(SaveDataFile(target, testing::DistinctSchedule()));
        const FileBytes second = ReadBytes(target);
        QVERIFY(SaveDataFile(target, ScheduleModel{}));
        const FileBytes first = ReadBytes(target);

        QRandomGenerator random(20'261'206);
        std::map<std::string, FileBytes> leftovers;
        for (int round = 0; round < Kills; ++round) {
            QProcess saver;
            saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            saver.start(QStringLiteral(KORVELT_SAVE_LOOP), {QString::fromStdString(target.string())});
            QVERIFY2(saver.waitForStarted(-1), qPrintable(saver.errorString()));
            // Once it has saved for the first time, the file is being replaced all the time.
            QVERIFY2(saver.waitForReadyRead(-1), "the save loop ended before its first save");
            ::usleep(random.bounded(LongestDelayUs + 1));
            QCOMPARE(::kill(static_cast<pid_t>(saver.processId()), SIGKILL), 0);
            QVERIFY(saver.waitForFinished(-1));
            QVERIFY2(saver.exitStatus() == QProcess::CrashExit, "the save loop ended by itself: a save failed");
            const FileBytes onDisk = ReadBytes(target);
            QVERIFY2(onDisk == first || onDisk == second, qPrintable(QStringLiteral("kill %1: broken").arg(round)));
            const std::map<std::string, FileBytes> others = OtherFiles(folder, target);
            QVERIFY2(std::ranges::includes(others, leftovers), qPrintable(QStringLiteral("kill %1").arg(round)));
            leftovers = others;
        }
        // A save after all those kills still replaces the file and leaves the leftovers alone.
        QVERIFY(SaveDataFile(target, testing::DistinctSchedule()));
        QVERIFY(ReadBytes(target) == second);
        QVERIFY(OtherFiles(folder, target) == leftovers);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafeSave)
#include "test_crashsafesave.moc"
