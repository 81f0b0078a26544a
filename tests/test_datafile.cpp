#include "DataFile.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <bit>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace korvelt;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Offsets of the file layout, written out here independently of the codec.
std::size_t NormalSlotAt(std::size_t output, std::size_t slot) { return 36 + 384 * output + 24 * slot; }
std::size_t SpecialSlotAt(std::size_t output, std::size_t slot) { return 6180 + 384 * output + 24 * slot; }
constexpr std::size_t EnabledAt = 12324;
constexpr std::size_t AdvanceWeekAt = 12328;
constexpr std::size_t RetardWeekAt = 12332;
constexpr std::size_t AdvanceMonthAt = 12336;
constexpr std::size_t RetardMonthAt = 12340;
std::size_t DateAt(std::size_t k) { return 12344 + 8 * k; }

void PutBits(Bytes &file, std::size_t at, std::uint64_t bits, int size)
{
    for (int i = 0; i < size; ++i) {
        file.at(at + i) = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}
void PutInt32(Bytes &file, std::size_t at, std::int32_t value) { PutBits(file, at, static_cast<std::uint32_t>(value), 4); }
void PutDouble(Bytes &file, std::size_t at, double value) { PutBits(file, at, std::bit_cast<std::uint64_t>(value), 8); }

std::uint64_t BitsAt(const Bytes &file, std::size_t at)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        bits |= static_cast<std::uint64_t>(file.at(at + i)) << (8 * i);
    }
    return bits;
}

// A file with the given version and our name; every other byte is `filler`.
Bytes HandHeader(std::int32_t version, std::uint8_t filler = 0)
{
    Bytes file(12472, filler);
    PutInt32(file, 0, version);
    const char name[] = "KORVELT Time Control";
    std::memcpy(&file.at(4), name, sizeof name); // with its zero byte
    return file;
}

void PutSlot(Bytes &file, std::size_t at, double start, double end, const std::array<std::uint8_t, 7> &days)
{
    PutDouble(file, at, start);
    PutDouble(file, at + 8, end);
    std::memcpy(&file.at(at + 16), days.data(), days.size());
}

// Every field a different value, so that a field read from or written to the wrong place shows.
double PatternStart(int table, int o, int s) { return 1000.0 * (table + 1) + 16 * o + s + 0.25; }
double PatternEnd(int table, int o, int s) { return -1000.0 * (table + 1) - 16 * o - s - 0.75; }
std::array<std::uint8_t, 7> PatternDays(int table, int o, int s)
{
    std::array<std::uint8_t, 7> days{};
    for (int d = 0; d < 7; ++d) {
        days.at(d) = static_cast<std::uint8_t>(table * 100 + o * 7 + s * 3 + d);
    }
    return days;
}
double PatternDate(int k) { return 40000.0 + 7 * k; }

ScheduleModel PatternModel()
{
    ScheduleModel model;
    for (int o = 0; o < 16; ++o) {
        for (int s = 0; s < 16; ++s) {
            model.NormalTimes.at(o).at(s) = {PatternStart(0, o, s), PatternEnd(0, o, s), PatternDays(0, o, s)};
            model.SpecialTimes.at(o).at(s) = {PatternStart(1, o, s), PatternEnd(1, o, s), PatternDays(1, o, s)};
        }
    }
    model.DaylightSaving = {0, 1, 3, 11, -1};
    for (int k = 0; k < 16; ++k) {
        model.SpecialDates.at(k) = PatternDate(k);
    }
    return model;
}

// The pattern model's file, built by hand; `filler` goes into the reserved and padding bytes.
Bytes PatternFile(std::uint8_t filler)
{
    Bytes file = HandHeader(1, filler);
    for (int o = 0; o < 16; ++o) {
        for (int s = 0; s < 16; ++s) {
            PutSlot(file, NormalSlotAt(o, s), PatternStart(0, o, s), PatternEnd(0, o, s), PatternDays(0, o, s));
            PutSlot(file, SpecialSlotAt(o, s), PatternStart(1, o, s), PatternEnd(1, o, s), PatternDays(1, o, s));
        }
    }
    file.at(EnabledAt) = 0;
    PutInt32(file, AdvanceWeekAt, 1);
    PutInt32(file, RetardWeekAt, 3);
    PutInt32(file, AdvanceMonthAt, 11);
    PutInt32(file, RetardMonthAt, -1);
    for (int k = 0; k < 16; ++k) {
        PutDouble(file, DateAt(k), PatternDate(k));
    }
    return file;
}

// The file of a fresh start, built by hand.
Bytes DefaultFile()
{
    Bytes file = HandHeader(1);
    for (int o = 0; o < 16; ++o) {
        for (int s = 0; s < 16; ++s) {
            PutSlot(file, NormalSlotAt(o, s), 0.5, 0.5, {});
            PutSlot(file, SpecialSlotAt(o, s), 0.5, 0.5, {});
        }
    }
    file.at(EnabledAt) = 1;
    PutInt32(file, AdvanceWeekAt, 4);
    PutInt32(file, RetardWeekAt, 4);
    PutInt32(file, AdvanceMonthAt, 2);
    PutInt32(file, RetardMonthAt, 9);
    for (int k = 0; k < 16; ++k) {
        PutDouble(file, DateAt(k), 40118.0);
    }
    return file;
}

Bytes Image(const ScheduleModel &model)
{
    const DataFileImage image = EncodeDataFile(model);
    return {image.begin(), image.end()};
}

bool SameModel(const ScheduleModel &a, const ScheduleModel &b)
{
    return EncodeScheduleImage(a) == EncodeScheduleImage(b); // every field by its bits
}

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

// Every file under `folder` with its contents (folders as their name alone), to see that
// nothing was touched and nothing was left behind.
std::map<std::string, Bytes> Contents(const fs::path &folder)
{
    std::map<std::string, Bytes> contents;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).string();
        contents[name] = entry.is_regular_file() ? ReadBytes(entry.path()) : Bytes{};
    }
    return contents;
}

std::vector<std::string> Names(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

// Writes beyond `bytes` fail as on a full disk, for root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
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

enum SaveFault { TargetIsFolder, MissingFolder, ParentIsFile, SystemFolder, DiskFull };

} // namespace

Q_DECLARE_METATYPE(DataFileOutcome)

class TestDataFile : public QObject {
    Q_OBJECT

private slots:
    void FreshSaveIsTheDocumentedImage()
    {
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "fresh.dat";
        QVERIFY(SaveDataFile(path, ScheduleModel{}));
        const Bytes file = ReadBytes(path);
        QCOMPARE(file.size(), std::size_t{12472});
        QCOMPARE(Bytes(file.begin(), file.begin() + 4), (Bytes{1, 0, 0, 0}));
        QCOMPARE(std::string(file.begin() + 4, file.begin() + 25), std::string("KORVELT Time Control\0", 21));
        QVERIFY(file == DefaultFile());
        QCOMPARE(Names(dir.path().toStdString()), std::vector<std::string>{"fresh.dat"});
    }

    void HandBuiltFileLoadsFieldByField()
    {
        const DataFileResult result = DecodeDataFile(PatternFile(0xAA));
        QCOMPARE(result.Outcome, DataFileOutcome::Loaded);
        const ScheduleModel expected = PatternModel();
        for (int o = 0; o < 16; ++o) {
            for (int s = 0; s < 16; ++s) {
                QVERIFY(result.Model.NormalTimes.at(o).at(s) == expected.NormalTimes.at(o).at(s));
                QVERIFY(result.Model.SpecialTimes.at(o).at(s) == expected.SpecialTimes.at(o).at(s));
            }
        }
        QVERIFY(result.Model.DaylightSaving == expected.DaylightSaving);
        QVERIFY(result.Model.SpecialDates == expected.SpecialDates);
    }

    void EncodedFileHasEveryFieldAtItsOffset()
    {
        QVERIFY(Image(PatternModel()) == PatternFile(0));
    }

    void Outcomes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<DataFileOutcome>("outcome");
        const auto raw = [](const Bytes &bytes) { return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size())); };
        const auto named = [&](const char *name, std::int32_t version) {
            Bytes file = HandHeader(version);
            std::fill(file.begin() + 4, file.begin() + 36, 0);
            std::memcpy(&file.at(4), name, std::strlen(name));
            return raw(file);
        };
        const Bytes good = PatternFile(0);
        QTest::newRow("version 1") << raw(good) << DataFileOutcome::Loaded;
        QTest::newRow("version 0") << raw(HandHeader(0)) << DataFileOutcome::Loaded;
        QTest::newRow("version -1") << raw(HandHeader(-1)) << DataFileOutcome::Loaded;
        QTest::newRow("lowest version") << raw(HandHeader(std::numeric_limits<std::int32_t>::min())) << DataFileOutcome::Loaded;
        QTest::newRow("reserved bytes set") << raw(PatternFile(0xFF)) << DataFileOutcome::Loaded;
        QTest::newRow("version 2") << raw(HandHeader(2)) << DataFileOutcome::LaterFormat;
        QTest::newRow("version 256") << raw(HandHeader(256)) << DataFileOutcome::LaterFormat;
        QTest::newRow("highest version") << raw(HandHeader(std::numeric_limits<std::int32_t>::max())) << DataFileOutcome::LaterFormat;
        QTest::newRow("short file of a later version") << raw(HandHeader(2)).left(25) << DataFileOutcome::LaterFormat;
        QTest::newRow("other text") << named("Some Other Program", 1) << DataFileOutcome::Incompatible;
        QTest::newRow("lower case") << named("korvelt time control", 1) << DataFileOutcome::Incompatible;
        QTest::newRow("no zero byte") << named("KORVELT Time ControlX", 1) << DataFileOutcome::Incompatible;
        QTest::newRow("name into reserved") << named("KORVELT Time Control and more", 1) << DataFileOutcome::Incompatible;
        QTest::newRow("trailing space") << named("KORVELT Time Control ", 1) << DataFileOutcome::Incompatible;
        QTest::newRow("name cut short") << named("KORVELT Time Contro", 1) << DataFileOutcome::Incompatible;
        QTest::newRow("empty name") << named("", 1) << DataFileOutcome::Incompatible;
        QTest::newRow("wrong name, later version") << named("Other", 2) << DataFileOutcome::Incompatible;
        QTest::newRow("all zeros") << QByteArray(12472, '\0') << DataFileOutcome::Incompatible;
        QTest::newRow("empty file") << QByteArray() << DataFileOutcome::Incompatible;
        QTest::newRow("name without its zero byte") << raw(good).left(24) << DataFileOutcome::Incompatible;
        QTest::newRow("header only") << raw(good).left(36) << DataFileOutcome::Incompatible;
        QTest::newRow("one byte short") << raw(good).left(12471) << DataFileOutcome::Incompatible;
        QTest::newRow("longer file") << raw(good) + QByteArray(4096, '\xFF') << DataFileOutcome::Loaded;
    }
    void Outcomes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(DataFileOutcome, outcome);
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "input.dat";
        WriteBytes(path, Bytes(bytes.begin(), bytes.end()));
        const DataFileResult result = LoadDataFile(path);
        QCOMPARE(result.Outcome, outcome);
        if (outcome == DataFileOutcome::Loaded) {
            // The schedule is whatever bytes 36..12471 hold; the tail is ignored.
            ScheduleImage image{};
            std::memcpy(image.data(), bytes.constData() + 36, image.size());
            QVERIFY(SameModel(result.Model, DecodeScheduleImage(image)));
        } else {
            QVERIFY(SameModel(result.Model, ScheduleModel{}));
        }
    }

    void EveryTruncationIsRefused()
    {
        const Bytes good = PatternFile(0);
        const Bytes later = HandHeader(2);
        for (std::size_t size = 0; size < 12472; ++size) {
            const DataFileOutcome outcome = DecodeDataFile(std::span(good).first(size)).Outcome;
            if (outcome != DataFileOutcome::Incompatible) {
                QFAIL(qPrintable(QStringLiteral("a file of %1 bytes was not refused").arg(size)));
            }
            // The version is only read once the name is known to be there.
            const DataFileOutcome laterOutcome = DecodeDataFile(std::span(later).first(size)).Outcome;
            if (laterOutcome != (size < 25 ? DataFileOutcome::Incompatible : DataFileOutcome::LaterFormat)) {
                QFAIL(qPrintable(QStringLiteral("a later-format file of %1 bytes").arg(size)));
            }
        }
    }

    void FilesThatCannotBeOpened()
    {
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        QCOMPARE(LoadDataFile(folder / "missing.dat").Outcome, DataFileOutcome::OpenError);
        QCOMPARE(LoadDataFile(folder).Outcome, DataFileOutcome::OpenError);
    }

    void SaveReplacesAnExistingFile_data()
    {
        QTest::addColumn<int>("existingSize");
        QTest::newRow("no file yet") << -1;
        QTest::newRow("empty file") << 0;
        QTest::newRow("shorter file") << 50;
        QTest::newRow("longer file") << 20000;
    }
    void SaveReplacesAnExistingFile()
    {
        QFETCH(int, existingSize);
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        const fs::path path = folder / "schedule.dat";
        if (existingSize >= 0) {
            WriteBytes(path, Bytes(static_cast<std::size_t>(existingSize), 0x5A));
        }
        QVERIFY(SaveDataFile(path, PatternModel()));
        QVERIFY(ReadBytes(path) == PatternFile(0));
        QCOMPARE(Names(folder), std::vector<std::string>{"schedule.dat"});
    }

    void SaveKeepsPermissionsAndLinks()
    {
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        WriteBytes(folder / "real.dat", Bytes(10, 1));
        QCOMPARE(chmod((folder / "real.dat").c_str(), 0640), 0);
        fs::create_symlink("real.dat", folder / "link.dat");
        QVERIFY(SaveDataFile(folder / "link.dat", PatternModel()));
        QVERIFY(fs::is_symlink(folder / "link.dat"));
        QVERIFY(ReadBytes(folder / "real.dat") == PatternFile(0));
        struct stat info {};
        QCOMPARE(stat((folder / "real.dat").c_str(), &info), 0);
        QCOMPARE(info.st_mode & 07777, 0640U);
        QCOMPARE(Names(folder), (std::vector<std::string>{"link.dat", "real.dat"}));
    }

    void ReadOnlyFileIsNotReplaced()
    {
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        const fs::path path = folder / "locked.dat";
        WriteBytes(path, PatternFile(0));
        QCOMPARE(chmod(path.c_str(), 0444), 0);
        int outcome = 0; // 0 saved, 1 refused, 2 could not become an ordinary user
        if (geteuid() != 0) {
            outcome = SaveDataFile(path, ScheduleModel{}) ? 0 : 1;
        } else {
            // Permission bits do not stop root: try it as an ordinary user who owns the folder.
            constexpr uid_t Nobody = 65534;
            QCOMPARE(chown(folder.c_str(), Nobody, Nobody), 0);
            QCOMPARE(chown(path.c_str(), Nobody, Nobody), 0);
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                if (setgid(Nobody) != 0 || setuid(Nobody) != 0) {
                    _exit(2);
                }
                _exit(SaveDataFile(path, ScheduleModel{}) ? 0 : 1);
            }
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status));
            outcome = WEXITSTATUS(status);
        }
        QCOMPARE(outcome, 1);
        QVERIFY(ReadBytes(path) == PatternFile(0));
        QCOMPARE(Names(folder), std::vector<std::string>{"locked.dat"});
    }

    void SaveToARelativeName()
    {
        QTemporaryDir dir;
        const fs::path before = fs::current_path();
        fs::current_path(dir.path().toStdString());
        const bool saved = SaveDataFile("plain.dat", ScheduleModel{});
        fs::current_path(before);
        QVERIFY(saved);
        QVERIFY(ReadBytes(fs::path(dir.path().toStdString()) / "plain.dat") == DefaultFile());
    }

    void FailedSaveLeavesEverythingAlone_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("target is a folder") << int(TargetIsFolder);
        QTest::newRow("folder does not exist") << int(MissingFolder);
        QTest::newRow("parent is a file") << int(ParentIsFile);
        QTest::newRow("system folder") << int(SystemFolder);
        QTest::newRow("disk full") << int(DiskFull);
    }
    void FailedSaveLeavesEverythingAlone()
    {
        QFETCH(int, fault);
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        WriteBytes(folder / "keep.dat", PatternFile(0));
        fs::create_directory(folder / "folder.dat");
        WriteBytes(folder / "folder.dat" / "inside", Bytes(3, 7));
        const std::map<std::string, Bytes> before = Contents(folder);

        bool saved = true;
        switch (fault) {
        case TargetIsFolder:
            saved = SaveDataFile(folder / "folder.dat", ScheduleModel{});
            break;
        case MissingFolder:
            saved = SaveDataFile(folder / "missing" / "new.dat", ScheduleModel{});
            break;
        case ParentIsFile:
            saved = SaveDataFile(folder / "keep.dat" / "new.dat", ScheduleModel{});
            break;
        case SystemFolder:
            saved = SaveDataFile("/proc/korvelt-schedule.dat", ScheduleModel{});
            QVERIFY(!fs::exists("/proc/korvelt-schedule.dat"));
            break;
        case DiskFull: {
            const FileSizeLimit limit(4096);
            QVERIFY(limit.Active());
            saved = SaveDataFile(folder / "keep.dat", ScheduleModel{});
            break;
        }
        default:
            QFAIL("unknown fault");
        }
        QVERIFY(!saved);
        QVERIFY(Contents(folder) == before);
    }

    void HostileDoublesSurviveBitForBit_data()
    {
        QTest::addColumn<quint64>("bits");
        QTest::newRow("quiet NaN") << std::bit_cast<quint64>(std::numeric_limits<double>::quiet_NaN());
        QTest::newRow("NaN with payload") << quint64{0x7FF8'0000'DEAD'BEEF};
        QTest::newRow("negative signalling NaN") << quint64{0xFFF0'0000'0000'0001};
        QTest::newRow("infinity") << std::bit_cast<quint64>(std::numeric_limits<double>::infinity());
        QTest::newRow("minus infinity") << std::bit_cast<quint64>(-std::numeric_limits<double>::infinity());
        QTest::newRow("minus zero") << std::bit_cast<quint64>(-0.0);
        QTest::newRow("huge") << std::bit_cast<quint64>(std::numeric_limits<double>::max());
        QTest::newRow("negative time") << std::bit_cast<quint64>(-0.25);
        QTest::newRow("smallest subnormal") << std::bit_cast<quint64>(std::numeric_limits<double>::denorm_min());
    }
    void HostileDoublesSurviveBitForBit()
    {
        QFETCH(quint64, bits);
        const double value = std::bit_cast<double>(bits);
        ScheduleModel model;
        model.NormalTimes.at(2).at(3).Start = value;
        model.SpecialTimes.at(15).at(15).End = value;
        model.SpecialDates.at(15) = value;
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "hostile.dat";
        QVERIFY(SaveDataFile(path, model));
        const Bytes file = ReadBytes(path);
        QCOMPARE(BitsAt(file, NormalSlotAt(2, 3)), bits);
        QCOMPARE(BitsAt(file, SpecialSlotAt(15, 15) + 8), bits);
        QCOMPARE(BitsAt(file, DateAt(15)), bits);
        const DataFileResult loaded = LoadDataFile(path);
        QCOMPARE(loaded.Outcome, DataFileOutcome::Loaded);
        QCOMPARE(std::bit_cast<quint64>(loaded.Model.NormalTimes.at(2).at(3).Start), bits);
        QCOMPARE(std::bit_cast<quint64>(loaded.Model.SpecialTimes.at(15).at(15).End), bits);
        QCOMPARE(std::bit_cast<quint64>(loaded.Model.SpecialDates.at(15)), bits);
    }

    void HostileIndexesAndDayBytesSurvive()
    {
        ScheduleModel model;
        model.NormalTimes.at(0).at(0).Days = {2, 0xFF, 1, 0, 0x80, 7, 1};
        model.SpecialTimes.at(9).at(4).Days.at(6) = 0xFF;
        model.DaylightSaving = {0xFF, 99, -1, -5, std::numeric_limits<std::int32_t>::min()};
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "hostile.dat";
        QVERIFY(SaveDataFile(path, model));
        const Bytes file = ReadBytes(path);
        QCOMPARE(Bytes(file.begin() + NormalSlotAt(0, 0) + 16, file.begin() + NormalSlotAt(0, 0) + 24),
                 (Bytes{2, 0xFF, 1, 0, 0x80, 7, 1, 0}));
        QCOMPARE(file.at(SpecialSlotAt(9, 4) + 22), std::uint8_t{0xFF});
        QCOMPARE(Bytes(file.begin() + EnabledAt, file.begin() + 12344),
                 (Bytes{0xFF, 0, 0, 0, 99, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFB, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80}));
        const DataFileResult loaded = LoadDataFile(path);
        QCOMPARE(loaded.Outcome, DataFileOutcome::Loaded);
        QVERIFY(SameModel(loaded.Model, model));
    }

    void Messages_data()
    {
        QTest::addColumn<DataFileOutcome>("outcome");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("loaded") << DataFileOutcome::Loaded << QByteArray();
        QTest::newRow("open error") << DataFileOutcome::OpenError << QByteArray("Error Opening File.");
        QTest::newRow("incompatible") << DataFileOutcome::Incompatible << QByteArray("Incompatible data file.");
        QTest::newRow("later format") << DataFileOutcome::LaterFormat
                                      << QByteArray("The file uses a later data format.\r\nCannot load");
    }
    void Messages()
    {
        QFETCH(DataFileOutcome, outcome);
        QFETCH(QByteArray, message);
        const std::string_view text = DataFileMessage(outcome);
        QCOMPARE(QByteArray(text.data(), static_cast<qsizetype>(text.size())), message);
        QVERIFY(SaveErrorMessage == "Error Saving File.");
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "test_datafile.moc"
