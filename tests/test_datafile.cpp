// The data file: its bytes (the codec), and how it is saved and loaded on disk.

#include "text/DataFile.h"
#include "TestSchedules.h"

#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <chrono>
#include <csignal>
#include <fstream>
#include <future>
#include <iterator>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace korvelt;
using namespace korvelt::testing;
namespace fs = std::filesystem;

namespace {

using FileBytes = std::vector<std::uint8_t>;

// The file layout, written out here independently of the codec: a 36-byte header (version,
// name and its zero byte, reserved bytes), the normal then the special times (24 bytes a
// slot: start, end, seven day bytes, one padding byte), the daylight-saving rule (enabled
// byte, three padding bytes, advance week, retard week, advance month, retard month as
// 32-bit numbers), then the 16 special dates. Numbers are little-endian.
constexpr std::size_t FileSize = 12472;
constexpr std::size_t RuleAt = 12324;

void Put(FileBytes &file, std::size_t at, std::uint64_t bits, int size)
{
    for (int i = 0; i < size; ++i) {
        file.at(at + i) = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

// The file of `model`, put together field by field; `filler` goes into the reserved and
// padding bytes.
FileBytes HandFile(const ScheduleModel &model, std::int32_t version = 1, std::uint8_t filler = 0)
{
    FileBytes file(FileSize, filler);
    Put(file, 0, static_cast<std::uint32_t>(version), 4);
    const std::string name("KORVELT Time Control\0", 21);
    std::copy(name.begin(), name.end(), file.begin() + 4);
    for (int n = 0; n < 512; ++n) { // 16 slots of each of 16 outputs, normal then special
        const TimeSlot &slot = (n < 256 ? model.NormalTimes : model.SpecialTimes).at(n / 16 % 16).at(n % 16);
        const std::size_t at = 36 + 24 * n;
        Put(file, at, std::bit_cast<std::uint64_t>(slot.Start), 8);
        Put(file, at + 8, std::bit_cast<std::uint64_t>(slot.End), 8);
        std::copy(slot.Days.begin(), slot.Days.end(), file.begin() + static_cast<std::ptrdiff_t>(at + 16));
    }
    const DaylightSavingRule &rule = model.DaylightSaving;
    file.at(RuleAt) = rule.Enabled;
    const std::array fields{rule.AdvanceWeek, rule.RetardWeek, rule.AdvanceMonth, rule.RetardMonth};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        Put(file, RuleAt + 4 + 4 * i, static_cast<std::uint32_t>(fields[i]), 4);
    }
    for (int k = 0; k < 16; ++k) {
        Put(file, 12344 + 8 * k, std::bit_cast<std::uint64_t>(model.SpecialDates.at(k)), 8);
    }
    return file;
}

// Values no control gives, which a file keeps bit for bit all the same.
ScheduleModel HostileSchedule()
{
    ScheduleModel model = DistinctSchedule();
    model.NormalTimes[2][3].Start = std::bit_cast<double>(0x7FF8'0000'DEAD'BEEFULL); // NaN with a payload
    model.NormalTimes[2][3].End = std::bit_cast<double>(0xFFF0'0000'0000'0001ULL);   // signalling NaN
    model.SpecialTimes[15][15].End = -0.0;
    model.SpecialDates[14] = std::numeric_limits<double>::denorm_min();
    model.SpecialDates[15] = std::numeric_limits<double>::infinity();
    model.NormalTimes[0][0].Days = {2, 0xFF, 1, 0, 0x80, 7, 1};
    model.DaylightSaving = {0xFF, 99, -1, -5, std::numeric_limits<std::int32_t>::min()};
    return model;
}

FileBytes ReadBytes(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path &path, const FileBytes &bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

// Everything under `folder`, each with its type (a link as a link) and a regular file's
// contents (also through a link), to see that nothing was touched or replaced and nothing
// was left behind.
std::map<std::string, std::pair<fs::file_type, FileBytes>> Contents(const fs::path &folder)
{
    std::map<std::string, std::pair<fs::file_type, FileBytes>> contents;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder)) {
        contents[entry.path().lexically_relative(folder).string()] = {
            entry.symlink_status().type(), entry.is_regular_file() ? ReadBytes(entry.path()) : FileBytes{}};
    }
    return contents;
}

// Saves as an ordinary user who owns the folder and the file: permission bits do not stop root.
bool SaveAsOrdinaryUser(const fs::path &folder, const fs::path &path)
{
    if (geteuid() != 0) {
        return SaveDataFile(path, ScheduleModel{});
    }
    constexpr uid_t Nobody = 65534;
    if (chown(folder.c_str(), Nobody, Nobody) != 0 || chown(path.c_str(), Nobody, Nobody) != 0) {
        return true; // shows as a failed test
    }
    const pid_t child = fork();
    if (child == 0) {
        _exit(setgid(Nobody) != 0 || setuid(Nobody) != 0 || SaveDataFile(path, ScheduleModel{}) ? 0 : 1);
    }
    int status = 0;
    return child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 0;
}

} // namespace

Q_DECLARE_METATYPE(DataFileOutcome)

class TestDataFile : public QObject {
    Q_OBJECT

private slots:
    // The file of a schedule (every field different, values no control gives) is the
    // documented layout, byte for byte; the reserved and padding bytes are not read; saved
    // and loaded again, every value comes back bit for bit.
    void ImagesAndSaves()
    {
        const ScheduleModel model = HostileSchedule();
        const DataFileImage image = EncodeDataFile(model);
        QVERIFY(FileBytes(image.begin(), image.end()) == HandFile(model));
        const DataFileResult decoded = DecodeDataFile(HandFile(model, 1, 0xAA));
        QCOMPARE(decoded.Outcome, DataFileOutcome::Loaded);
        QVERIFY(SameSchedule(decoded.Model, model));
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        // A name without a folder is saved in the current folder.
        const fs::path before = fs::current_path();
        fs::current_path(folder);
        const bool saved = SaveDataFile("bare.dat", ScheduleModel{});
        fs::current_path(before);
        QVERIFY(saved);
        // Saving through a link replaces the (longer) file it leads to, keeping its permissions.
        WriteBytes(folder / "real.dat", FileBytes(20000, 1));
        QCOMPARE(chmod((folder / "real.dat").c_str(), 0640), 0);
        fs::create_symlink("real.dat", folder / "link.dat");
        QVERIFY(SaveDataFile(folder / "link.dat", model));
        QVERIFY(fs::is_symlink(folder / "link.dat"));
        QCOMPARE(fs::status(folder / "real.dat").permissions(), fs::perms(0640));
        QVERIFY(SameSchedule(LoadDataFile(folder / "link.dat").Model, model));
        QCOMPARE(Contents(folder).size(), std::size_t{3}); // nothing left behind
        QVERIFY(ReadBytes(folder / "bare.dat") == HandFile(ScheduleModel{}));
        QVERIFY(ReadBytes(folder / "real.dat") == HandFile(model));
    }

    // Which bytes load: the name and its zero byte, then the version, then the whole schedule.
    void Outcomes_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QByteArray>("name"); // in the 32 bytes from byte 4, zeros after it
        QTest::addColumn<int>("size");
        QTest::addColumn<DataFileOutcome>("outcome");
        const QByteArray ours("KORVELT Time Control");
        const int size = int(FileSize);
        QTest::newRow("version -1") << -1 << ours << size << DataFileOutcome::Loaded;
        QTest::newRow("longer file") << 1 << ours << size + 4096 << DataFileOutcome::Loaded;
        QTest::newRow("version 256") << 256 << ours << size << DataFileOutcome::LaterFormat;
        QTest::newRow("later version, cut after the name") << 2 << ours << 25 << DataFileOutcome::LaterFormat;
        QTest::newRow("one byte short") << 1 << ours << size - 1 << DataFileOutcome::Incompatible;
        QTest::newRow("cut before the name's zero byte") << 2 << ours << 24 << DataFileOutcome::Incompatible;
        QTest::newRow("lower case") << 1 << ours.toLower() << size << DataFileOutcome::Incompatible;
        QTest::newRow("no zero byte after the name") << 1 << ours + 'X' << size << DataFileOutcome::Incompatible;
        QTest::newRow("name cut short") << 1 << ours.chopped(1) << size << DataFileOutcome::Incompatible;
        QTest::newRow("other name, later version") << 2 << QByteArray("Other") << size << DataFileOutcome::Incompatible;
    }
    void Outcomes()
    {
        QFETCH(int, version);
        QFETCH(QByteArray, name);
        QFETCH(int, size);
        QFETCH(DataFileOutcome, outcome);
        FileBytes file = HandFile(DistinctSchedule(), version);
        std::fill(file.begin() + 4, file.begin() + 36, 0);
        std::copy(name.begin(), name.end(), file.begin() + 4);
        file.resize(static_cast<std::size_t>(size), 0xFF);
        const DataFileResult result = DecodeDataFile(file);
        QCOMPARE(result.Outcome, outcome);
        QVERIFY(SameSchedule(result.Model, outcome == DataFileOutcome::Loaded ? DistinctSchedule() : ScheduleModel{}));
    }

    // Only a regular file is read or replaced; a load never waits for a writer to a pipe, and
    // a save that fails leaves every file as it was and nothing behind. Devices and sockets
    // fail the same regular-file checks as the pipe; a link loop fails where the dangling
    // link does.
    void Refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("folder does not exist") << "missing/new.dat";
        QTest::newRow("read-only file") << "keep.dat";
        QTest::newRow("disk full") << "keep.dat";
        for (const char *name : {"pipe", "link-to-pipe", "link-to-folder", "dangling-link"}) {
            QTest::newRow(name) << name;
        }
    }
    void Refusals()
    {
        QFETCH(QString, name);
        const QByteArray how = QTest::currentDataTag();
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        WriteBytes(folder / "keep.dat", HandFile(DistinctSchedule()));
        fs::create_directory(folder / "folder");
        WriteBytes(folder / "folder" / "inside", FileBytes(3, 7));
        QCOMPARE(mkfifo((folder / "pipe").c_str(), 0666), 0);
        fs::create_symlink("pipe", folder / "link-to-pipe");
        fs::create_symlink("folder", folder / "link-to-folder");
        fs::create_symlink("nowhere", folder / "dangling-link");
        const fs::path path = folder / name.toStdString();
        const auto before = Contents(folder);
        bool saved = true;
        if (how == "read-only file") {
            QCOMPARE(chmod(path.c_str(), 0444), 0);
            saved = SaveAsOrdinaryUser(folder, path);
        } else if (how == "disk full") { // writes beyond 4096 bytes fail, for root too
            rlimit unlimited{};
            getrlimit(RLIMIT_FSIZE, &unlimited);
            const rlimit limit{4096, unlimited.rlim_max};
            const auto signal = std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
            saved = SaveDataFile(path, ScheduleModel{});
            setrlimit(RLIMIT_FSIZE, &unlimited);
            std::signal(SIGXFSZ, signal);
        } else {
            // A load that waits for a writer to the pipe would hang the test: it is given one
            // in the end, and then fails.
            auto load = std::async(std::launch::async, [&] { return LoadDataFile(path).Outcome; });
            if (load.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
                close(open(path.c_str(), O_WRONLY | O_NONBLOCK));
            }
            QCOMPARE(load.get(), DataFileOutcome::OpenError);
            saved = SaveDataFile(path, ScheduleModel{});
        }
        QVERIFY(!saved);
        QVERIFY(Contents(folder) == before);
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "test_datafile.moc"
