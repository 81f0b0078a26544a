#include "DataFile.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
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
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace korvelt;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The file layout, written out here independently of the codec: a 36-byte header (version,
// name and its zero byte, reserved bytes), the normal then the special times (24 bytes a
// slot: start, end, seven day bytes, one padding byte), the daylight-saving rule (enabled
// byte, three padding bytes, advance week, retard week, advance month, retard month as
// 32-bit numbers), then the 16 special dates. Numbers are little-endian.
constexpr std::size_t FileSize = 12472;
std::size_t SlotAt(int table, int output, int slot) { return 36 + 6144 * table + 384 * output + 24 * slot; }
constexpr std::size_t RuleAt = 12324;
std::size_t DateAt(int k) { return 12344 + 8 * k; }

void Put(Bytes &file, std::size_t at, std::uint64_t bits, int size)
{
    for (int i = 0; i < size; ++i) {
        file.at(at + i) = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}
void PutInt32(Bytes &file, std::size_t at, std::int32_t value) { Put(file, at, static_cast<std::uint32_t>(value), 4); }
void PutDouble(Bytes &file, std::size_t at, double value) { Put(file, at, std::bit_cast<std::uint64_t>(value), 8); }

template <typename Model> auto &Slot(Model &model, int table, int output, int slot)
{
    return (table == 0 ? model.NormalTimes : model.SpecialTimes).at(output).at(slot);
}

// The file of `model`, put together field by field at the offsets above; `filler` goes into
// the reserved and padding bytes.
Bytes HandFile(const ScheduleModel &model, std::int32_t version = 1, std::uint8_t filler = 0)
{
    Bytes file(FileSize, filler);
    PutInt32(file, 0, version);
    const std::string name("KORVELT Time Control\0", 21);
    std::copy(name.begin(), name.end(), file.begin() + 4);
    for (int t = 0; t < 2; ++t) {
        for (int o = 0; o < 16; ++o) {
            for (int s = 0; s < 16; ++s) {
                const TimeSlot &slot = Slot(model, t, o, s);
                PutDouble(file, SlotAt(t, o, s), slot.Start);
                PutDouble(file, SlotAt(t, o, s) + 8, slot.End);
                std::copy(slot.Days.begin(), slot.Days.end(), &file.at(SlotAt(t, o, s) + 16));
            }
        }
    }
    const DaylightSavingRule &rule = model.DaylightSaving;
    file.at(RuleAt) = rule.Enabled;
    PutInt32(file, RuleAt + 4, rule.AdvanceWeek);
    PutInt32(file, RuleAt + 8, rule.RetardWeek);
    PutInt32(file, RuleAt + 12, rule.AdvanceMonth);
    PutInt32(file, RuleAt + 16, rule.RetardMonth);
    for (int k = 0; k < 16; ++k) {
        PutDouble(file, DateAt(k), model.SpecialDates.at(k));
    }
    return file;
}

// Every field a different value, so that a field read from or written to the wrong place shows.
ScheduleModel PatternModel()
{
    ScheduleModel model;
    for (int t = 0; t < 2; ++t) {
        for (int o = 0; o < 16; ++o) {
            for (int s = 0; s < 16; ++s) {
                const int n = 256 * t + 16 * o + s;
                TimeSlot &slot = Slot(model, t, o, s);
                slot = {1000.25 + n, -1000.75 - n, {}};
                for (int d = 0; d < 7; ++d) {
                    slot.Days.at(d) = static_cast<std::uint8_t>(n * 7 + d);
                }
            }
        }
    }
    model.DaylightSaving = {0, 1, 3, 11, -1};
    for (int k = 0; k < 16; ++k) {
        model.SpecialDates.at(k) = 40000.0 + 7 * k;
    }
    return model;
}

bool SameModel(const ScheduleModel &a, const ScheduleModel &b)
{
    return EncodeScheduleImage(a) == EncodeScheduleImage(b); // every field by its bits
}

fs::path Folder(const QTemporaryDir &dir) { return dir.path().toStdString(); }

Bytes ReadBytes(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path &path, const Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct Entry {
    fs::file_type Kind;    // a link is a link here
    fs::file_type LeadsTo; // and what it leads to here
    Bytes Data;            // a regular file's contents
    bool operator==(const Entry &) const = default;
};

// Everything under `folder`, to see that nothing was touched or replaced and nothing was left
// behind. Only regular files are read.
std::map<std::string, Entry> Contents(const fs::path &folder)
{
    std::map<std::string, Entry> contents;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder)) {
        contents[entry.path().lexically_relative(folder).string()] = {
            entry.symlink_status().type(), entry.status().type(),
            entry.is_regular_file() ? ReadBytes(entry.path()) : Bytes{}};
    }
    return contents;
}

// What a file name may stand for besides a file.
constexpr std::array SpecialFiles = {"pipe",           "device",         "socket",         "link-to-pipe",
                                     "link-to-device", "link-to-socket", "link-to-folder", "dangling-link"};

// Makes the special files in `folder`, and the folder they link to, with a file in it. The
// device node (a null device) needs root; the rest must be made.
bool MakeSpecialFiles(const fs::path &folder)
{
    fs::create_directory(folder / "folder");
    WriteBytes(folder / "folder" / "inside", Bytes(3, 7));
    static_cast<void>(mknod((folder / "device").c_str(), S_IFCHR | 0666, makedev(1, 3)));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    (folder / "socket").string().copy(address.sun_path, sizeof address.sun_path - 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    close(socket);
    for (const std::string name : {"pipe", "device", "socket", "folder"}) {
        fs::create_symlink(name, folder / ("link-to-" + name));
    }
    fs::create_symlink("nowhere", folder / "dangling-link");
    return mkfifo((folder / "pipe").c_str(), 0666) == 0 && bound;
}

bool DeviceRefused(const fs::path &folder, const QString &name)
{
    return name.contains(QLatin1String("device")) && !fs::is_character_file(folder / "device");
}

// Writes beyond `bytes` fail as on a full disk, for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : signal_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    FileSizeLimit(FileSizeLimit &&) = delete;
    FileSizeLimit &operator=(FileSizeLimit &&) = delete;
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, signal_);
    }
    [[nodiscard]] bool Active() const { return active_; }

private:
    rlimit saved_{};
    void (*signal_)(int) = nullptr;
    bool active_ = false;
};

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

enum SaveFault { NoFault, ReadOnlyFile, DiskFull };

} // namespace

Q_DECLARE_METATYPE(DataFileOutcome)

class TestDataFile : public QObject {
    Q_OBJECT

private slots:
    void FreshSaveIsTheDocumentedImage()
    {
        // Saved under a name without a folder, beside nothing else.
        QTemporaryDir dir;
        const fs::path before = fs::current_path();
        fs::current_path(Folder(dir));
        const bool saved = SaveDataFile("fresh.dat", ScheduleModel{});
        fs::current_path(before);
        QVERIFY(saved);
        // The start-up values are pinned byte by byte in test_schedulemodel; here the header and
        // where each field goes.
        QVERIFY(ReadBytes(Folder(dir) / "fresh.dat") == HandFile(ScheduleModel{}));
        QCOMPARE(Contents(Folder(dir)).size(), std::size_t{1});
    }

    void HandBuiltFileLoadsAndEncodesFieldByField()
    {
        const DataFileResult result = DecodeDataFile(HandFile(PatternModel(), 1, 0xAA));
        QCOMPARE(result.Outcome, DataFileOutcome::Loaded);
        QVERIFY(SameModel(result.Model, PatternModel()));
        const DataFileImage image = EncodeDataFile(PatternModel());
        QVERIFY(Bytes(image.begin(), image.end()) == HandFile(PatternModel()));
    }

    void Outcomes_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QByteArray>("name"); // in the 32 bytes from byte 4, zeros after it
        QTest::addColumn<int>("size");
        QTest::addColumn<DataFileOutcome>("outcome");
        const QByteArray ours("KORVELT Time Control");
        const int size = int(FileSize);
        QTest::newRow("version 1") << 1 << ours << size << DataFileOutcome::Loaded;
        QTest::newRow("version 0") << 0 << ours << size << DataFileOutcome::Loaded;
        QTest::newRow("version -1") << -1 << ours << size << DataFileOutcome::Loaded;
        QTest::newRow("longer file") << 1 << ours << size + 4096 << DataFileOutcome::Loaded;
        QTest::newRow("version 2") << 2 << ours << size << DataFileOutcome::LaterFormat;
        QTest::newRow("version 256") << 256 << ours << size << DataFileOutcome::LaterFormat;
        QTest::newRow("other name") << 1 << QByteArray("Some Other Program") << size << DataFileOutcome::Incompatible;
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
        Bytes file = HandFile(PatternModel(), version);
        std::fill(file.begin() + 4, file.begin() + 36, 0);
        std::copy(name.begin(), name.end(), file.begin() + 4);
        file.resize(static_cast<std::size_t>(size), 0xFF);
        QTemporaryDir dir;
        WriteBytes(Folder(dir) / "input.dat", file);
        const DataFileResult result = LoadDataFile(Folder(dir) / "input.dat");
        QCOMPARE(result.Outcome, outcome);
        QVERIFY(SameModel(result.Model, outcome == DataFileOutcome::Loaded ? PatternModel() : ScheduleModel{}));
    }

    void EveryTruncationIsRefused()
    {
        const Bytes good = HandFile(PatternModel());
        const Bytes later = HandFile(PatternModel(), 2);
        for (std::size_t size = 0; size < FileSize; ++size) {
            if (DecodeDataFile(std::span(good).first(size)).Outcome != DataFileOutcome::Incompatible) {
                QFAIL(qPrintable(QStringLiteral("a file of %1 bytes was not refused").arg(size)));
            }
            // A later version is told once the name and its zero byte are there.
            const auto expected = size < 25 ? DataFileOutcome::Incompatible : DataFileOutcome::LaterFormat;
            if (DecodeDataFile(std::span(later).first(size)).Outcome != expected) {
                QFAIL(qPrintable(QStringLiteral("a later-format file of %1 bytes").arg(size)));
            }
        }
    }

    void FilesThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "missing.dat";
        for (const char *name : SpecialFiles) {
            QTest::newRow(name) << name;
        }
        QTest::newRow("folder") << "folder";
    }
    void FilesThatCannotBeOpened()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const fs::path folder = Folder(dir);
        QVERIFY(MakeSpecialFiles(folder));
        if (DeviceRefused(folder, name)) {
            QSKIP("this user may not make a device node");
        }
        const fs::path path = folder / name.toStdString();
        // A load that waits for a writer to the pipe would hang the test: it is given one in
        // the end, and then fails.
        auto load = std::async(std::launch::async, [&] { return LoadDataFile(path).Outcome; });
        if (load.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            close(open(path.c_str(), O_WRONLY | O_NONBLOCK));
        }
        QCOMPARE(load.get(), DataFileOutcome::OpenError);
    }

    void SaveThroughALinkKeepsItAndThePermissions()
    {
        QTemporaryDir dir;
        const fs::path folder = Folder(dir);
        WriteBytes(folder / "real.dat", Bytes(20000, 1)); // longer than a data file
        QCOMPARE(chmod((folder / "real.dat").c_str(), 0640), 0);
        fs::create_symlink("real.dat", folder / "link.dat");
        QVERIFY(SaveDataFile(folder / "link.dat", PatternModel()));
        QVERIFY(fs::is_symlink(folder / "link.dat"));
        QVERIFY(ReadBytes(folder / "real.dat") == HandFile(PatternModel()));
        QCOMPARE(fs::status(folder / "real.dat").permissions(), fs::perms(0640));
        QCOMPARE(Contents(folder).size(), std::size_t{2});
    }

    void FailedSaveLeavesEverythingAlone_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("name");
        QTest::newRow("folder does not exist") << int(NoFault) << "missing/new.dat";
        QTest::newRow("read-only file") << int(ReadOnlyFile) << "keep.dat";
        QTest::newRow("disk full") << int(DiskFull) << "keep.dat";
        for (const char *name : SpecialFiles) {
            QTest::newRow(name) << int(NoFault) << name;
        }
        QTest::newRow("folder") << int(NoFault) << "folder";
    }
    void FailedSaveLeavesEverythingAlone()
    {
        QFETCH(int, fault);
        QFETCH(QString, name);
        QTemporaryDir dir;
        const fs::path folder = Folder(dir);
        WriteBytes(folder / "keep.dat", HandFile(PatternModel()));
        QVERIFY(MakeSpecialFiles(folder));
        if (DeviceRefused(folder, name)) {
            QSKIP("this user may not make a device node");
        }
        const fs::path path = folder / name.toStdString();
        const std::map<std::string, Entry> before = Contents(folder);

        bool saved = true;
        switch (fault) {
        case ReadOnlyFile:
            QCOMPARE(chmod(path.c_str(), 0444), 0);
            saved = SaveAsOrdinaryUser(folder, path);
            break;
        case DiskFull: {
            const FileSizeLimit limit(4096);
            QVERIFY(limit.Active());
            saved = SaveDataFile(path, ScheduleModel{});
            break;
        }
        default:
            saved = SaveDataFile(path, ScheduleModel{});
        }
        QVERIFY(!saved);
        QVERIFY(Contents(folder) == before);
    }

    // Whatever the model holds goes to the file and comes back bit for bit: doubles that are
    // no time or date, day bytes other than 0 and 1, rule numbers out of range.
    void HostileValuesSurviveBitForBit_data()
    {
        QTest::addColumn<quint64>("bits");
        QTest::newRow("NaN with payload") << quint64{0x7FF8'0000'DEAD'BEEF};
        QTest::newRow("negative signalling NaN") << quint64{0xFFF0'0000'0000'0001};
        QTest::newRow("infinity") << std::bit_cast<quint64>(std::numeric_limits<double>::infinity());
        QTest::newRow("minus zero") << std::bit_cast<quint64>(-0.0);
        QTest::newRow("smallest subnormal") << std::bit_cast<quint64>(std::numeric_limits<double>::denorm_min());
    }
    void HostileValuesSurviveBitForBit()
    {
        QFETCH(quint64, bits);
        ScheduleModel model;
        model.NormalTimes.at(2).at(3).Start = std::bit_cast<double>(bits);
        model.SpecialTimes.at(15).at(15).End = std::bit_cast<double>(bits);
        model.SpecialDates.at(15) = std::bit_cast<double>(bits);
        model.NormalTimes.at(0).at(0).Days = {2, 0xFF, 1, 0, 0x80, 7, 1};
        model.DaylightSaving = {0xFF, 99, -1, -5, std::numeric_limits<std::int32_t>::min()};
        QTemporaryDir dir;
        const fs::path path = Folder(dir) / "hostile.dat";
        QVERIFY(SaveDataFile(path, model));
        QVERIFY(ReadBytes(path) == HandFile(model));
        QVERIFY(SameModel(LoadDataFile(path).Model, model));
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "test_datafile.moc"
