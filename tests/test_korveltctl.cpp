// korveltctl run in-process against simulated KORVELTs, one data-driven table per command:
// what it prints, its exit status, what the devices end up holding, and that a failed command
// leaves nothing at OUT.

#include "DataFile.h"
#include "Korveltctl.h"
#include "ScheduleJson.h"
#include "SimulatedHidBackend.h"
#include "TestSchedules.h"

#include <QJsonDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace korvelt;
using namespace korvelt::testing;

Q_DECLARE_METATYPE(SimulatedFault)

namespace {

// KORVELTs after `releases` ('n' normal, 'p' program mode), serial numbers 11, 12, ...; files
// in a folder of their own: distinct.dat, distinct.json, json-named.dat (JSON inside) and
// dat-named.json (a data file inside), all holding DistinctSchedule.
struct Fleet {
    SimulatedHidBackend backend;
    std::vector<std::shared_ptr<SimulatedKorvelt>> devices;
    QTemporaryDir dir;
    CtlOptions options;
    QString out;
    QString err;

    explicit Fleet(const QString &releases)
    {
        for (const QChar release : releases) {
            devices.push_back(backend.AddKorvelt(release == QLatin1Char('p') ? ProgramModeRelease : NormalRelease));
            devices.back()->SetSerialNumber(static_cast<std::uint32_t>(10 + devices.size()));
            devices.back()->SetTickSource([] { return 0; });
        }
        options.ReplyTimeoutMs = 1000; // long enough for a loaded machine; the silent rows wait it once
        options.Now = [] { return QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5)); };
        const ScheduleModel model = DistinctSchedule();
        QVERIFY(SaveDataFile(File(QStringLiteral("distinct.dat")), model) &&
                SaveDataFile(File(QStringLiteral("dat-named.json")), model) &&
                SaveScheduleJson(File(QStringLiteral("distinct.json")), model) &&
                SaveScheduleJson(File(QStringLiteral("json-named.dat")), model));
    }

    [[nodiscard]] std::string File(const QString &name) const { return dir.filePath(name).toStdString(); }

    // Runs korveltctl; an argument "@name" is the file `name` in the folder.
    int operator()(const QString &line)
    {
        QStringList arguments = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString &argument : arguments) {
            argument = Expanded(argument.replace(QLatin1Char('_'), QLatin1Char(' ')));
        }
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return RunKorveltctl(arguments, backend, outStream, errStream, options);
    }

    // `text` with "@" for the folder, as a message names its files.
    [[nodiscard]] QString Expanded(QString text) const
    {
        return text.replace(QLatin1Char('@'), dir.path() + QLatin1Char('/'));
    }

    [[nodiscard]] QByteArray Contents(const QString &name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
};

} // namespace

class TestKorveltctl : public QObject {
    Q_OBJECT

private slots:
    // The devices written are told by the requests they had: a write with its read-back is 264.
    void Write_data()
    {
        QTest::addColumn<QString>("releases");
        QTest::addColumn<QString>("line");
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QList<int>>("requests"); // per device
        const auto none = SimulatedFault::None;
        QTest::newRow("data file") << "n" << "write @distinct.dat" << none << 0
                                   << "sim:0 (serial 11): written and verified\n" << "" << QList<int>{264};
        QTest::newRow("JSON named .dat") << "n" << "write @json-named.dat --no-verify" << none << 0
                                         << "sim:0 (serial 11): written\n" << "" << QList<int>{133};
        QTest::newRow("data file named .json") << "n" << "write @dat-named.json" << none << 0
                                               << "sim:0 (serial 11): written and verified\n" << "" << QList<int>{264};
        QTest::newRow("--all, one in program mode")
            << "npn" << "write @distinct.json --all" << none << 3
            << "sim:0 (serial 11): written and verified\nsim:2 (serial 13): written and verified\n"
            << "korveltctl: sim:1: the KORVELT is in program mode\n" << QList<int>{264, 0, 264};
        QTest::newRow("--device") << "nnn" << "write @distinct.dat --device 12" << none << 0
                                  << "sim:1 (serial 12): written and verified\n" << "" << QList<int>{1, 265, 0};
        QTest::newRow("unknown serial") << "nn" << "write @distinct.dat --device=99" << none << 3 << ""
                                        << "korveltctl: no KORVELT with serial number 99 is attached\n" << QList<int>{1, 1};
        QTest::newRow("none attached") << "" << "write @distinct.dat" << none << 3 << ""
                                       << "korveltctl: no KORVELT is attached\n" << QList<int>{};
        QTest::newRow("dropped block") << "n" << "write @distinct.dat" << SimulatedFault::DropBlock << 1 << ""
                                       << "korveltctl: sim:0 (serial 11): the schedule read back differs from the one "
                                          "written in 8 places\n" << QList<int>{264};
        QTest::newRow("silent") << "n" << "write @distinct.dat" << SimulatedFault::FallSilent << 5 << ""
                                << "korveltctl: sim:0 (serial 11): the KORVELT stopped answering at block 5\n"
                                << QList<int>{13};
        QTest::newRow("unplugged") << "nn" << "write @distinct.dat --all" << SimulatedFault::Unplug << 5
                                   << "sim:1 (serial 12): written and verified\n"
                                   << "korveltctl: sim:0 (serial 11): the KORVELT was unplugged\n" << QList<int>{13, 264};
        QTest::newRow("no such file") << "n" << "write @missing.json" << none << 4 << ""
                                      << "korveltctl: @missing.json: cannot be read\n" << QList<int>{0};
    }
    void Write()
    {
        QFETCH(QString, releases);
        QFETCH(QString, line);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QList<int>, requests);
        Fleet f(releases);
        if (!f.devices.empty()) {
            f.devices.front()->InjectFault(fault, 12);
        }
        QCOMPARE(f(line), exit);
        QCOMPARE(f.out, out);
        QCOMPARE(f.err, f.Expanded(err));
        for (qsizetype i = 0; i < requests.size(); ++i) {
            QCOMPARE(f.devices.at(i)->RequestCount(), requests.at(i));
        }
    }

    // What was read lands at OUT whole, in the form its name asks for; a read that fails
    // leaves OUT as it was.
    void Read_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("saved"); // "dat", "json", or what OUT must still hold
        const auto none = SimulatedFault::None;
        QTest::newRow("to .dat") << "read @out.dat" << none << 0 << "" << QByteArray("dat");
        QTest::newRow("to .json") << "read @out.JSON --device 11" << none << 0 << "" << QByteArray("json");
        QTest::newRow("unplugged") << "read @out.dat" << SimulatedFault::Unplug << 5
                                   << "korveltctl: sim:0 (serial 11): the KORVELT was unplugged\n" << QByteArray("old");
        QTest::newRow("silent") << "read @out.json" << SimulatedFault::FallSilent << 5
                                << "korveltctl: sim:0 (serial 11): the KORVELT stopped answering at block 19\n"
                                << QByteArray("old");
        QTest::newRow("erased") << "read @out.json" << SimulatedFault::EraseMemory << 1
                                << "korveltctl: sim:0 (serial 11): the KORVELT's block 19 holds values that are not "
                                   "times or dates\n" << QByteArray("old");
        QTest::newRow("folder missing") << "read @none/out.dat" << none << 4
                                        << "korveltctl: @none/out.dat: cannot be written\n" << QByteArray("(none)");
    }
    void Read()
    {
        QFETCH(QString, line);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, exit);
        QFETCH(QString, err);
        QFETCH(QByteArray, saved);
        Fleet f(QStringLiteral("n"));
        QCOMPARE(f(QStringLiteral("write @distinct.json --no-verify")), 0);
        const QString out = line.split(QLatin1Char(' ')).at(1).mid(1);
        QFile old(f.dir.filePath(out));
        QVERIFY(!old.open(QIODevice::WriteOnly) || old.write("old") == 3);
        old.close();
        f.devices.front()->InjectFault(fault, 40);
        QCOMPARE(f(line), exit);
        QCOMPARE(f.err, f.Expanded(err));
        const QByteArray read = saved == "dat" ? Bytes(EncodeDataFile(DistinctSchedule())) : ScheduleToJson(DistinctSchedule());
        QCOMPARE(f.Contents(out), saved == "dat" || saved == "json" ? read : saved);
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files).size(), 5 - (out.contains(QLatin1Char('/')) ? 1 : 0));
    }

    void Clock_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::addColumn<TDateTime>("clock"); // the device's clock afterwards
        const TDateTime before = DateOf(2011, 5, 5) + TimeOf(6, 7, 8);
        QTest::newRow("read") << "clock read" << 0 << "sim:0: clock 2011-05-05 06:07:08\n" << before;
        QTest::newRow("set --at") << "clock set --at 2027-03-28_01:59:59" << 0
                                  << "sim:0 (serial 11): clock 2027-03-28 01:59:59\n"
                                  << DateOf(2027, 3, 28) + TimeOf(1, 59, 59);
        QTest::newRow("set, the PC's time") << "clock set" << 0 << "sim:0 (serial 11): clock 2030-01-02 03:04:05\n"
                                            << DateOf(2030, 1, 2) + TimeOf(3, 4, 5);
        QTest::newRow("set --pc, all") << "clock set --pc --all" << 3 << "sim:0 (serial 11): clock 2030-01-02 03:04:05\n"
                                       << DateOf(2030, 1, 2) + TimeOf(3, 4, 5);
        QTest::newRow("no such time") << "clock set --at 2027-02-30_01:00:00" << 2 << "" << before;
        QTest::newRow("before 2000") << "clock set --at 1999-12-31_23:59:59" << 2 << "" << before;
                    }
    void Clock()
    {
        QFETCH(QString, line);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(TDateTime, clock);
        Fleet f(QStringLiteral("np"));
        f.devices.front()->SetClock(DateOf(2011, 5, 5) + TimeOf(6, 7, 8));
        QCOMPARE(f(line), exit);
        QCOMPARE(f.out, out);
        QCOMPARE(f.devices.front()->Clock(), clock);
    }

    void List_data()
    {
        QTest::addColumn<QString>("releases");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::newRow("two and one in program mode")
            << "pnn" << "list" << 0 << "sim:1\t12\tKORVELT 1.05\nsim:2\t13\tKORVELT 1.05\nsim:0\t-\t-\tprogram mode\n";
        QTest::newRow("none") << "" << "list" << 3 << "";
        QTest::newRow("JSON") << "np" << "list --json" << 0
                              << R"([{"path":"sim:0","programMode":false,"serialNumber":11,"version":"KORVELT 1.05"},)"
                                 R"({"path":"sim:1","problem":"program mode","programMode":true}])";
    }
    void List()
    {
        QFETCH(QString, releases);
        QFETCH(QString, line);
        QFETCH(int, exit);
        QFETCH(QString, out);
        Fleet f(releases);
        QCOMPARE(f(line), exit);
        const QByteArray json = QJsonDocument::fromJson(f.out.toUtf8()).toJson(QJsonDocument::Compact);
        QCOMPARE(line.endsWith(QLatin1String("--json")) ? QString::fromUtf8(json) : f.out, out);
    }

    // The commands on files alone, and the tool's own options.
    void Files_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out"); // how it starts; empty: anything
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("made"); // how the file made starts; empty: none made
        QTest::newRow("export to stdout") << "export @distinct.dat" << 0 << "{\n    \"format\": \"KORVELT schedule\""
                                          << "" << QByteArray();
        QTest::newRow("export CSV") << "export @distinct.dat --format csv -o @out.csv" << 0 << "" << ""
                                    << QByteArray("output,table,slot,start,end,Sun,Mon,Tue,Wed,Thu,Fri,Sat\r\n"
                                                  "1,normal,1,00:00:01,08:00:02,0,0,0,0,0,0,0\r\n");
        QTest::newRow("import") << "import @distinct.json -o @out.dat" << 0 << "" << ""
                                << QByteArray("\x01\0\0\0KORVELT Time Control\0", 25);
        QTest::newRow("import, no -o") << "import @distinct.json" << 2 << ""
                                       << "korveltctl: import: -o OUT.dat is needed (see korveltctl --help)\n" << QByteArray();
        QTest::newRow("import 25:00") << "import @bad.json -o @out.dat" << 4 << ""
                                      << "korveltctl: @bad.json: outputs[3].normal[15].start: \"25:00\" is not a time HH:MM:SS\n"
                                      << QByteArray();
        QTest::newRow("export, unknown format") << "export @distinct.dat --format xml" << 2 << ""
                                                << "korveltctl: export: --format is json or csv (see korveltctl --help)\n" << QByteArray();
        QTest::newRow("check, nothing found") << "check @clean.dat" << 0 << "" << "" << QByteArray();
        QTest::newRow("check, a value the device cannot hold") << "check @bad.dat" << 1 << "Mistake: Output 1, Normal Times slot 1: " << "" << QByteArray();
        QTest::newRow("holidays printed") << "holidays --preset de --year 2027" << 0
                                          << "2027-01-01 Fri New Year's Day\n2027-03-26 Fri Good Friday\n" << "" << QByteArray();
        QTest::newRow("holidays into a schedule")
            << "holidays --preset us --year 2027 --from @distinct.dat -o @out.dat --repeat-last" << 0
            << "@out.dat: special dates 1 to 12 hold the holidays of United States (federal) 2027\n" << ""
            << QByteArray("\x01\0\0\0KORVELT Time Control\0", 25);
        QTest::newRow("holidays, unknown country") << "holidays --preset xx -o @out.dat" << 2 << ""
                                                   << "korveltctl: holidays: --preset is gb-eaw, gb-sct, gb-nir, ie, de, de-bw, de-by, de-be, de-bb, de-hb, de-hh, "
                                                      "de-he, de-ni, de-mv, de-nw, de-rp, de-sl, de-sn, de-st, de-sh, de-th, at, ch, ch-zh, "
                                                      "ch-be, ch-bs, ch-ge, ch-vd, ch-ti, be, fr, it, es, pl, nl, us, ca or au (see korveltctl --help)\n"
                                                   << QByteArray();
        QTest::newRow("report") << "report @distinct.dat -o @out.pdf" << 0 << "@out.pdf\n" << "" << QByteArray("%PDF-");
        QTest::newRow("report of a file that is none") << "report @missing.dat" << 4 << ""
                                                       << "korveltctl: @missing.dat: cannot be read\n" << QByteArray();
        QTest::newRow("version") << "--version" << 0 << "korveltctl 1.00\n" << "" << QByteArray();
        QTest::newRow("help") << "--demo --help" << 0 << "Usage: korveltctl [--demo] COMMAND" << "" << QByteArray();
        QTest::newRow("unknown command") << "frob" << 2 << "" << "korveltctl: unknown command frob (see korveltctl --help)\n" << QByteArray();
        QTest::newRow("unknown option") << "check @distinct.dat --all" << 2 << ""
                                        << "korveltctl: check: unknown option --all (see korveltctl --help)\n" << QByteArray();
    }
    void Files()
    {
        QFETCH(QString, line);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, made);
        Fleet f(QString{});
        ScheduleModel clean;
        clean.NormalTimes.at(0).at(0) = {TimeOf(6, 0, 0), TimeOf(7, 0, 0), {0, 1, 0, 0, 0, 0, 0}};
        ScheduleModel bad = clean;
        bad.NormalTimes.at(0).at(0).Start = -1;
        QByteArray json = ScheduleToJson(DistinctSchedule()).replace(R"("start":"03:15:01")", R"("start":"25:00")");
        QVERIFY(SaveDataFile(f.File(QStringLiteral("clean.dat")), clean) && SaveDataFile(f.File(QStringLiteral("bad.dat")), bad));
        QFile file(f.dir.filePath(QStringLiteral("bad.json")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(json) == json.size());
        file.close();
        QCOMPARE(f(line), exit);
        QVERIFY2(out.isEmpty() || f.out.startsWith(f.Expanded(out)), qPrintable(f.out));
        QCOMPARE(f.err, f.Expanded(err));
        const QString madeName = line.contains(QLatin1String("@out.csv"))   ? QStringLiteral("out.csv")
                             : line.contains(QLatin1String("@out.pdf")) ? QStringLiteral("out.pdf")
                                                                         : QStringLiteral("out.dat");
        const QByteArray contents = f.Contents(madeName);
        QVERIFY2(made.isEmpty() ? contents == "(none)" : contents.startsWith(made), contents.left(80).constData());
    }
};

QTEST_MAIN(TestKorveltctl) // the report needs QtGui
#include "test_korveltctl.moc"
