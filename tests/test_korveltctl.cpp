// korveltctl run in-process against simulated KORVELTs, one data-driven table per command:
// what it prints, its exit status, what the devices end up holding, and that a failed command
// leaves nothing at OUT.

#include "text/CellText.h"
#include "text/DataFile.h"
#include "simulator/DemoDevices.h"
#include "text/HolidayRuleFile.h"
#include "cli/Korveltctl.h"
#include "text/ScheduleJson.h"
#include "cli/CommandRegistry.h"
#include "cli/DeviceFleet.h"
#include "cli/SignalInterrupts.h"
#include "device/FileClaim.h"
#include "simulator/SimulatedHidBackend.h"
#include "TestSchedules.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <limits>
#include <optional>
#include <thread>
#include <utility>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

using namespace korvelt;
using namespace korvelt::testing;

Q_DECLARE_METATYPE(SimulatedFault)

namespace {

// Standard output on a full disk.
class FullDevice final : public QIODevice {
public:
    FullDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char * /*data*/, qint64 /*maxSize*/) override { return -1; }
    qint64 writeData(const char * /*data*/, qint64 /*size*/) override
    {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
};

// KORVELTs after `releases` ('n' normal, 'p' program mode, '=' normal with the serial number
// of the one before, 'b' normal with serial number 3000000000, 't' normal with a tab and a
// line break in its version text), serial numbers 11, 12, ...; files in a folder of their
// own: distinct.dat, distinct.json, json-named.dat (JSON inside) and dat-named.json (a data
// file inside), all holding DistinctSchedule; standard input holds distinct.json.
struct Fleet {
    SimulatedHidBackend backend;
    std::vector<std::shared_ptr<SimulatedKorvelt>> devices;
    QTemporaryDir dir;
    CtlOptions options;
    QString out;
    QByteArray outBytes;
    QString err;
    QBuffer input;
    QIODevice *output = nullptr; // none: a buffer that outBytes and out show

    explicit Fleet(const QString &releases)
    {
        for (const QChar release : releases) {
            devices.push_back(backend.AddKorvelt(release == QLatin1Char('p') ? ProgramModeRelease : NormalRelease));
            auto serial = static_cast<std::uint32_t>(10 + devices.size());
            if (release == QLatin1Char('=')) {
                serial = static_cast<std::uint32_t>(9 + devices.size());
            } else if (release == QLatin1Char('b')) {
                serial = 3000000000U;
            } else if (release == QLatin1Char('t')) {
                devices.back()->SetVersionText("KORVELT\t1.05\nx");
            }
            devices.back()->SetSerialNumber(serial);
            devices.back()->SetTickSource([] { return 0; });
        }
        options.ReplyTimeoutMs = 1000; // long enough for a loaded machine; the silent rows wait it once
        options.Now = [] { return QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5)); };
        const ScheduleModel model = DistinctSchedule();
        QVERIFY(SaveDataFile(File(QStringLiteral("distinct.dat")), model) &&
                SaveDataFile(File(QStringLiteral("dat-named.json")), model) &&
                SaveScheduleJson(File(QStringLiteral("distinct.json")), model) &&
                SaveScheduleJson(File(QStringLiteral("json-named.dat")), model));
        input.setData(ScheduleToJson(model));
        input.open(QIODevice::ReadOnly);
        options.Input = &input;
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
        outBytes.clear();
        err.clear();
        QBuffer buffer(&outBytes);
        buffer.open(QIODevice::WriteOnly);
        QTextStream errStream(&err);
        const int exit = RunKorveltctl(arguments, backend, output != nullptr ? *output : buffer, errStream, options);
        out = QString::fromUtf8(outBytes);
        return exit;
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

// Where `value` breaks `schema`, in the part of JSON Schema the result's schema uses: type,
// enum, minimum, maximum, required, properties, additionalProperties false and items; empty
// when it keeps to it.
QString SchemaBreach(const QJsonValue &value, const QJsonObject &schema, const QString &where)
{
    if (schema.contains(QLatin1String("type"))) {
        const QJsonValue type = schema.value(QLatin1String("type"));
        const QJsonArray types = type.isArray() ? type.toArray() : QJsonArray{type};
        const bool kept = std::ranges::any_of(types, [&value](const QJsonValue &t) {
            const QString name = t.toString();
            return (name == QLatin1String("object") && value.isObject()) ||
                   (name == QLatin1String("array") && value.isArray()) ||
                   (name == QLatin1String("string") && value.isString()) ||
                   (name == QLatin1String("null") && value.isNull()) ||
                   (name == QLatin1String("integer") && value.isDouble() &&
                    value.toDouble() == std::floor(value.toDouble()));
        });
        if (!kept) {
            return where + QStringLiteral(": not of its type");
        }
    }
    if (schema.contains(QLatin1String("enum")) &&
        !std::ranges::any_of(schema.value(QLatin1String("enum")).toArray(), [&value](const QJsonValue &e) {
            return e.isDouble() && value.isDouble() ? e.toDouble() == value.toDouble() : e == value;
        })) {
        return where + QStringLiteral(": ") + value.toVariant().toString() +
               QStringLiteral(" is not one of its values");
    }
    if (value.isDouble() && ((schema.contains(QLatin1String("minimum")) &&
                              value.toDouble() < schema.value(QLatin1String("minimum")).toDouble()) ||
                             (schema.contains(QLatin1String("maximum")) &&
                              value.toDouble() > schema.value(QLatin1String("maximum")).toDouble()))) {
        return where + QStringLiteral(": out of range");
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        const QJsonObject properties = schema.value(QLatin1String("properties")).toObject();
        for (const auto &key : schema.value(QLatin1String("required")).toArray()) {
            if (!object.contains(key.toString())) {
                return where + QStringLiteral(": no ") + key.toString();
            }
        }
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!properties.contains(it.key())) {
                if (schema.value(QLatin1String("additionalProperties")) == QJsonValue(false)) {
                    return where + QStringLiteral(": ") + it.key() + QStringLiteral(" is not in the schema");
                }
                continue;
            }
            if (QString breach = SchemaBreach(it.value(), properties.value(it.key()).toObject(),
                                              where + QLatin1Char('.') + it.key());
                !breach.isEmpty()) {
                return breach;
            }
        }
    }
    if (value.isArray() && schema.contains(QLatin1String("items"))) {
        const QJsonArray items = value.toArray();
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (QString breach = SchemaBreach(items.at(i), schema.value(QLatin1String("items")).toObject(),
                                              where + QStringLiteral("[%1]").arg(i));
                !breach.isEmpty()) {
                return breach;
            }
        }
    }
    return {};
}

// 1 June 2030, 12:00: a special date that carries a time of day.
TDateTime TimedDate()
{
    return DateOf(2030, 6, 1) + TimeOf(12, 0, 0);
}

QString TimedDateText()
{
    return DefaultCellTextCodec().DateText(TimedDate()) + QLatin1Char(' ') +
           DefaultCellTextCodec().TimeText(TimedDate());
}

// What a shell's completion offers, one line each joined by spaces, with korveltctl on the
// PATH (the completions ask it for the presets); "(failed)" and what the shell said when it did
// not run or complained.
QString CompletionCandidates(const QString &shell, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QFileInfo(QStringLiteral(KORVELTCTL)).absolutePath() + QLatin1Char(':') +
                                                   environment.value(QStringLiteral("PATH")));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(shell, arguments);
    if (!process.waitForFinished(60000)) {
        return QStringLiteral("(failed) %1 is needed (scripts/install-deps.sh)").arg(shell);
    }
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    if (!errors.isEmpty()) {
        return QStringLiteral("(failed) ") + errors;
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed().replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// What a shell's completion offers for `words`, the last being completed.
QString Complete(const QString &shell, const QStringList &words)
{
    const bool bash = shell == QLatin1String("bash");
    QString script;
    if (bash) {
        script = QStringLiteral("source '%1'; COMP_WORDS=(").arg(QStringLiteral(KORVELTCTL_COMPLETION));
        for (const QString &word : words) {
            script += QLatin1Char('\'') + word + QStringLiteral("' ");
        }
        script += QStringLiteral("); COMP_CWORD=%1; _korveltctl; printf '%s\\n' \"${COMPREPLY[@]}\" | sort")
                      .arg(words.size() - 1);
    } else {
        script = QStringLiteral("source '%1'; _korveltctl_candidates").arg(QStringLiteral(KORVELTCTL_ZSH_COMPLETION));
        for (const QString &word : words) {
            script += QStringLiteral(" '") + word + QLatin1Char('\'');
        }
    }
    return CompletionCandidates(shell, {QString::fromLatin1(bash ? "--norc" : "-f"), QStringLiteral("-c"), script});
}

QStringList Sorted(QStringList list)
{
    list.sort();
    list.removeDuplicates();
    return list;
}

// The options the manual's synopsis gives each command, by its lines ".br" apart.
QMap<QString, QStringList> ManualSynopsis()
{
    QFile file(QStringLiteral(KORVELTCTL_MANUAL));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    text = text.section(QStringLiteral(".SH SYNOPSIS"), 1).section(QStringLiteral(".SH "), 0, 0);
    static const QRegularExpression macro(QStringLiteral("^\\.[A-Z]+ ?"), QRegularExpression::MultilineOption);
    static const QRegularExpression font(QStringLiteral("\\\\f[BIR]"));
    static const QRegularExpression option(QStringLiteral("^--?[a-z][a-z-]*$"));
    QMap<QString, QStringList> options;
    for (QString entry : text.split(QStringLiteral(".br"))) {
        entry.replace(macro, QString()).replace(font, QString()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
        QStringList words = entry.simplified().remove(QLatin1Char('"')).split(QLatin1Char(' '));
        for (QString &word : words) {
            word.remove(QLatin1Char('[')).remove(QLatin1Char(']')).remove(QLatin1Char('|'));
        }
        words.removeAll(QString());
        const qsizetype at = words.indexOf(QStringLiteral("korveltctl"));
        const auto command = std::find_if(words.begin() + at + 1, words.end(), [](const QString &w) {
            return !w.startsWith(QLatin1Char('-')) && w != QLatin1String("N");
        });
        if (at < 0 || command == words.end()) {
            continue;
        }
        QStringList &list = options[*command];
        for (const QString &word : words) {
            if (option.match(word).hasMatch() && word != QLatin1String("--demo")) {
                list.append(word);
            }
        }
    }
    return options;
}

} // namespace

class TestKorveltctl : public QObject {
    Q_OBJECT

private slots:
    // The texts below are the C locale's (24-hour times), whatever the machine's own locale is
    // (Wine starts programs in en_US).
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // The devices written are told by the requests they had: a write with its read-back is 264.
    void Write_data() // clang-format off
    {
        QTest::addColumn<QString>("releases");
        QTest::addColumn<QString>("line");
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QList<int>>("requests"); // per device
        const auto none = SimulatedFault::None;
        QTest::newRow("data file") << "n" << "write --force @distinct.dat" << none << 0
                                   << "sim:0 (serial 11): written and verified\n" << "" << QList<int>{264};
        QTest::newRow("JSON named .dat") << "n" << "write --force @json-named.dat --no-verify" << none << 0
                                         << "sim:0 (serial 11): written\n" << "" << QList<int>{133};
        QTest::newRow("data file named .json") << "n" << "write --force @dat-named.json" << none << 0
                                               << "sim:0 (serial 11): written and verified\n" << "" << QList<int>{264};
        QTest::newRow("--all, one in program mode")
            << "npn" << "write --force @distinct.json --all" << none << 3
            << "sim:0 (serial 11): written and verified\nsim:2 (serial 13): written and verified\n"
               "2 of 3 written and verified; 1 failed\n"
            << "korveltctl: sim:1: the KORVELT is in program mode\n" << QList<int>{264, 0, 264};
        QTest::newRow("--quiet, --all, one in program mode")
            << "npn" << "write --force @distinct.json --all --quiet" << none << 3 << ""
            << "korveltctl: sim:1: the KORVELT is in program mode\n" << QList<int>{264, 0, 264};
        QTest::newRow("--dry-run, --all, one in program mode")
            << "npn" << "write --force @distinct.json --all --dry-run" << none << 3
            << "sim:0 (serial 11): would write @distinct.json and verify it\n"
               "sim:2 (serial 13): would write @distinct.json and verify it\n2 of 3 would be written and verified; 1 failed\n"
            << "korveltctl: sim:1: the KORVELT is in program mode\n" << QList<int>{1, 0, 1};
        QTest::newRow("--dry-run, --no-verify") << "n" << "write --force @distinct.json --dry-run --no-verify" << none << 0
                                                << "sim:0 (serial 11): would write @distinct.json\n" << "" << QList<int>{1};
        QTest::newRow("--dry-run, a likely mistake") << "n" << "write @timed.dat --dry-run" << none << 1 << ""
            << "korveltctl: @timed.dat: Mistake: Special date 2 (" + TimedDateText() +
                   ") carries a time of day; the KORVELT keeps only the date.\n"
                   "korveltctl: @timed.dat: not written: the check found 1 likely mistake (--force writes it all the same)\n"
            << QList<int>{0};
        QTest::newRow("--device") << "nnn" << "write --force @distinct.dat --device 12" << none << 0
                                  << "sim:1 (serial 12): written and verified\n" << "" << QList<int>{1, 265, 1};
        QTest::newRow("--dry-run, in the order of --device")
            << "nn" << "write --force @distinct.json --dry-run --device 12 --device 11" << none << 0
            << "sim:1 (serial 12): would write @distinct.json and verify it\n"
               "sim:0 (serial 11): would write @distinct.json and verify it\n2 of 2 would be written and verified\n"
            << "" << QList<int>{2, 2};
        QTest::newRow("two attached, neither --device nor --all")
            << "nn" << "write --force @distinct.dat" << none << 2 << ""
            << "korveltctl: write: 2 KORVELTs are attached (sim:0, sim:1): name one with --device, or --all "
               "(see korveltctl --help)\n" << QList<int>{0, 0};
        QTest::newRow("--device PATH") << "n=" << "write --force @distinct.dat --device sim:1" << none << 0
                                       << "sim:1 (serial 11): written and verified\n" << "" << QList<int>{0, 264};
        QTest::newRow("two with the serial number asked for") << "n=" << "write --force @distinct.dat --device 11" << none << 3 << ""
                                       << "korveltctl: 2 KORVELTs have serial number 11: sim:0, sim:1; name one by its path\n"
                                       << QList<int>{1, 1};
        QTest::newRow("--device twice, by serial number and path")
            << "nnn" << "write --force @distinct.dat --device 13 --device=sim:0 --device 13" << none << 0
            << "sim:2 (serial 13): written and verified\nsim:0 (serial 11): written and verified\n2 of 2 written and verified\n"
            << "" << QList<int>{265, 1, 265};
        QTest::newRow("--device and --all") << "nn" << "write --force @distinct.dat --device 11 --all" << none << 2 << ""
                                            << "korveltctl: write: --device or --all, not both (see korveltctl --help)\n"
                                            << QList<int>{0, 0};
        QTest::newRow("serial number of 2^31 and more") << "nb" << "write --force @distinct.dat --device 3000000000" << none << 0
                                                        << "sim:1 (serial 3000000000): written and verified\n" << ""
                                                        << QList<int>{1, 265};
        QTest::newRow("standard input") << "n" << "write --force - --no-verify" << none << 0 << "sim:0 (serial 11): written\n" << ""
                                        << QList<int>{133};
        QTest::newRow("values the KORVELT cannot hold")
            << "n" << "write @weird.dat" << none << 4 << ""
            << "korveltctl: @weird.dat: Special date 3 is not set to a date from 2000 to 2255.\n"
               "korveltctl: @weird.dat: Special date 4 is not set to a date from 2000 to 2255.\n"
               "korveltctl: @weird.dat: Special date 5 is not set to a date from 2000 to 2255.\n"
               "korveltctl: @weird.dat: Output 1, Normal Times slot 1: the Start time is not a time of day.\n"
               "korveltctl: @weird.dat: Output 1, Normal Times slot 2: the End time is not a time of day.\n"
               "korveltctl: @weird.dat: Output 2, Special Times slot 3: the Start time is not a time of day.\n"
               "korveltctl: @weird.dat: not written: the KORVELT cannot hold 6 of its values\n"
            << QList<int>{0};
        QTest::newRow("a likely mistake") << "n" << "write @mistake.dat" << none << 1 << ""
                                          << "korveltctl: @mistake.dat: Mistake: Output 1, Normal Times slot 1: ends at "
                                             "06:00:00, before it starts at 08:00:00.\n"
                                             "korveltctl: @mistake.dat: not written: the check found 1 likely mistake "
                                             "(--force writes it all the same)\n"
                                          << QList<int>{0};
        QTest::newRow("a mistake, --force") << "n" << "write @timed.dat --force --no-verify" << none << 0
                                            << "sim:0 (serial 11): written\n" << "" << QList<int>{133};
        QTest::newRow("unknown serial") << "nn" << "write --force @distinct.dat --device=99" << none << 3 << ""
                                        << "korveltctl: no KORVELT with serial number 99 is attached\n" << QList<int>{1, 1};
        QTest::newRow("none attached") << "" << "write --force @distinct.dat" << none << 3 << ""
                                       << "korveltctl: no KORVELT is attached\n" << QList<int>{};
        QTest::newRow("dropped block") << "n" << "write --force @distinct.dat" << SimulatedFault::DropBlock << 1 << ""
                                       << "korveltctl: sim:0 (serial 11): the schedule read back differs from the one "
                                          "written in 8 places\n" << QList<int>{264 + 131};
        // The duplicate shifts the write's replies by one; the last one trails into the read-back.
        QTest::newRow("a stray report during the write") << "n" << "write --force @distinct.dat" << SimulatedFault::ExtraReport
                                                         << 0 << "sim:0 (serial 11): written and verified\n" << "" << QList<int>{264};
        QTest::newRow("silent") << "n" << "write --force @distinct.dat" << SimulatedFault::FallSilent << 5 << ""
                                << "korveltctl: sim:0 (serial 11): stopped answering at block 5 of 64: the KORVELT holds part of the old and part of the new schedule\n"
                                << QList<int>{13};
        QTest::newRow("unplugged") << "nn" << "write --force @distinct.dat --all" << SimulatedFault::Unplug << 5
                                   << "sim:1 (serial 12): written and verified\n1 of 2 written and verified; 1 failed\n"
                                   << "korveltctl: sim:0 (serial 11): unplugged at block 5 of 64: the KORVELT holds part of the old and part of the new schedule\n" << QList<int>{13, 264};
        QTest::newRow("no such file") << "n" << "write @missing.json" << none << 4 << ""
                                      << "korveltctl: @missing.json: cannot be read: No such file or directory\n"
                                      << QList<int>{0};
    } // clang-format on
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
        ScheduleModel weird;
        weird.NormalTimes.at(0).at(0).Start = std::numeric_limits<double>::quiet_NaN();
        weird.NormalTimes.at(0).at(1).End = std::numeric_limits<double>::infinity();
        weird.SpecialTimes.at(1).at(2).Start = -0.25;
        weird.SpecialDates.at(2) = std::numeric_limits<double>::quiet_NaN();
        weird.SpecialDates.at(3) = -1;
        weird.SpecialDates.at(4) = 1e300;
        ScheduleModel timed;
        timed.SpecialDates.at(1) = TimedDate();
        ScheduleModel mistake;
        mistake.NormalTimes.at(0).at(0) = {TimeOf(8, 0, 0), TimeOf(6, 0, 0), {0, 1, 0, 0, 0, 0, 0}};
        QVERIFY(SaveDataFile(f.File(QStringLiteral("weird.dat")), weird) &&
                SaveDataFile(f.File(QStringLiteral("timed.dat")), timed) &&
                SaveDataFile(f.File(QStringLiteral("mistake.dat")), mistake));
        if (!f.devices.empty()) {
            f.devices.front()->InjectFault(fault, 12);
        }
        QCOMPARE(f(line), exit);
        QCOMPARE(f.out, f.Expanded(out));
        QCOMPARE(f.err, f.Expanded(err));
        for (qsizetype i = 0; i < requests.size(); ++i) {
            QCOMPARE(f.devices.at(i)->RequestCount(), requests.at(i));
        }
    }

    // Each device is read and compared with FILE, and nothing is written: every device keeps
    // what it held. Differences are the verify's result, on standard output.
    void Verify_data() // clang-format off
    {
        QTest::addColumn<QString>("releases");
        QTest::addColumn<QString>("line");
        QTest::addColumn<SimulatedFault>("fault"); // on the first device, at the verify's 20th request
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QList<int>>("requests"); // per device, the verify's
        const auto none = SimulatedFault::None;
        QTest::newRow("holds it") << "n" << "verify @distinct.dat" << none << 0 << "sim:0 (serial 11): holds @distinct.dat\n"
                                  << "" << QList<int>{131};
        QTest::newRow("JSON from standard input, --all")
            << "nn" << "verify - --all" << none << 0
            << "sim:0 (serial 11): holds standard input\nsim:1 (serial 12): holds standard input\n"
               "2 of 2 hold standard input\n" << "" << QList<int>{131, 131};
        QTest::newRow("one slot differs") << "nn" << "verify @changed.dat --device 12" << none << 1
                                          << "sim:1 (serial 12): differs from @changed.dat in 1 place\n"
                                             "  Output 1, Normal Times slot 2: window 00:01:01 to 09:01:02 Sun Tue Fri, "
                                             "KORVELT 00:01:01 to 08:01:02 Sun Tue Fri\n"
                                          << "" << QList<int>{1, 1 + 131 + 131};
        QTest::newRow("differs in every place") << "n" << "verify @empty.dat" << none << 1
                                                << "sim:0 (serial 11): differs from @empty.dat in 529 places\n" << ""
                                                << QList<int>{131 + 131};
        QTest::newRow("--all, one in program mode, one differs")
            << "nnp" << "verify @changed.dat --all" << none << 3
            << "sim:0 (serial 11): differs from @changed.dat in 1 place\n"
               "  Output 1, Normal Times slot 2: window 00:01:01 to 09:01:02 Sun Tue Fri, "
               "KORVELT 00:01:01 to 08:01:02 Sun Tue Fri\n"
               "sim:1 (serial 12): differs from @changed.dat in 1 place\n"
               "  Output 1, Normal Times slot 2: window 00:01:01 to 09:01:02 Sun Tue Fri, "
               "KORVELT 00:01:01 to 08:01:02 Sun Tue Fri\n"
               "0 of 3 hold @changed.dat; 2 differ; 1 failed\n"
            << "korveltctl: sim:2: the KORVELT is in program mode\n" << QList<int>{262, 262, 0};
        QTest::newRow("--device and --all")
            << "nn" << "verify @changed.dat --all --quiet --device=sim:1" << none << 2 << ""
            << "korveltctl: verify: --device or --all, not both (see korveltctl --help)\n" << QList<int>{0, 0};
        QTest::newRow("--quiet: the differences alone") << "nn" << "verify --quiet @changed.dat --device=sim:1" << none << 1
                                                      << "sim:1 (serial 12): differs from @changed.dat in 1 place\n"
                                                         "  Output 1, Normal Times slot 2: window 00:01:01 to 09:01:02 Sun Tue Fri, "
                                                         "KORVELT 00:01:01 to 08:01:02 Sun Tue Fri\n"
                                                      << "" << QList<int>{0, 262};
        QTest::newRow("--quiet, holds it") << "nn" << "verify @distinct.dat --all --quiet" << none << 0 << "" << ""
                                           << QList<int>{131, 131};
        QTest::newRow("silent") << "nn" << "verify @distinct.dat --all" << SimulatedFault::FallSilent << 5
                                << "sim:1 (serial 12): holds @distinct.dat\n1 of 2 hold @distinct.dat; 1 failed\n"
                                << "korveltctl: sim:0 (serial 11): the KORVELT stopped answering at block 9\n"
                                << QList<int>{20, 131};
        // A duplicate reply shifts the first read's replies; the second read is not shifted.
        QTest::newRow("a stray report during the read") << "n" << "verify @distinct.dat" << SimulatedFault::ExtraReport << 0
                                                        << "sim:0 (serial 11): holds @distinct.dat\n" << "" << QList<int>{262};
        QTest::newRow("a stray report, and the KORVELT differs")
            << "n" << "verify @changed.dat" << SimulatedFault::ExtraReport << 1
            << "sim:0 (serial 11): differs from @changed.dat in 1 place; the two reads disagreed, so a stray report "
               "from another program may be the cause: try again\n"
               "  Output 1, Normal Times slot 2: window 00:01:01 to 09:01:02 Sun Tue Fri, "
               "KORVELT 00:01:01 to 08:01:02 Sun Tue Fri\n" << "" << QList<int>{262};
        QTest::newRow("erased") << "n" << "verify @distinct.dat" << SimulatedFault::EraseMemory << 1 << ""
                                << "korveltctl: sim:0 (serial 11): the KORVELT's block 9 holds values that are not "
                                   "times or dates\n" << QList<int>{20};
        QTest::newRow("no such file") << "n" << "verify @missing.dat" << none << 4 << ""
                                      << "korveltctl: @missing.dat: cannot be read: No such file or directory\n"
                                      << QList<int>{0};
        QTest::newRow("no file") << "n" << "verify --all" << none << 2 << ""
                                 << "korveltctl: verify: FILE is missing (see korveltctl --help)\n" << QList<int>{0};
    } // clang-format on
    void Verify()
    {
        QFETCH(QString, releases);
        QFETCH(QString, line);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QList<int>, requests);
        Fleet f(releases);
        ScheduleModel changed = DistinctSchedule();
        changed.NormalTimes.at(0).at(1).End += TimeOf(1, 0, 0);
        QVERIFY(SaveDataFile(f.File(QStringLiteral("changed.dat")), changed) &&
                SaveDataFile(f.File(QStringLiteral("empty.dat")), ScheduleModel{}));
        QCOMPARE(f(QStringLiteral("write @distinct.dat --all --no-verify --force")),
                 releases.contains(QLatin1Char('p')) ? 3 : 0);
        std::vector<int> before;
        std::vector<std::vector<BlockImage>> held;
        for (const auto &device : f.devices) {
            before.push_back(device->RequestCount());
            held.emplace_back();
            for (int block = 0; block < BlockCount; ++block) {
                held.back().push_back(device->Block(block));
            }
        }
        f.devices.front()->InjectFault(fault, 19);
        QCOMPARE(f(line), exit);
        QCOMPARE(f.out.left(f.Expanded(out).size()), f.Expanded(out));
        QCOMPARE(f.out.count(QLatin1Char('\n')),
                 out.count(QLatin1Char('\n')) + (out.contains(QLatin1String("529")) ? 529 : 0));
        QCOMPARE(f.err, f.Expanded(err));
        for (qsizetype i = 0; i < requests.size(); ++i) {
            QCOMPARE(f.devices.at(i)->RequestCount() - before.at(static_cast<std::size_t>(i)), requests.at(i));
        }
        if (fault == SimulatedFault::None) {
            for (std::size_t i = 0; i < f.devices.size(); ++i) {
                for (int block = 0; block < BlockCount; ++block) {
                    QVERIFY(f.devices.at(i)->Block(block) == held.at(i).at(static_cast<std::size_t>(block)));
                }
            }
        }
    }

    // --demo N: N simulated KORVELTs, serial numbers 1 to N, slowed and failing one by one as
    // KORVELT_DEMO_DELAY_MS and KORVELT_DEMO_FAULT say; a setting that names no demo KORVELT
    // or no fault is a usage error before anything runs.
    void Demo_data() // clang-format off
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("delays");
        QTest::addColumn<QString>("faults");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("three") << "--demo 3 list" << "0" << "" << 0
                               << "sim:0\t1\tKORVELT 1.05\tready\nsim:1\t2\tKORVELT 1.05\tready\nsim:2\t3\tKORVELT 1.05\tready\n"
                               << "";
        QTest::newRow("one, after the command") << "list --demo" << "" << "" << 0 << "sim:0\t1\tKORVELT 1.05\tready\n" << "";
        QTest::newRow("a fault on one") << "--demo=3 write @distinct.dat --all --force" << "0; sim:1 2" << "sim:1 silence 20"
                                        << 5
                                        << "sim:0 (serial 1): written and verified\nsim:2 (serial 3): written and verified\n"
                                           "2 of 3 written and verified; 1 failed\n"
                                        << "korveltctl: sim:1 (serial 2): stopped answering at block 8 of 64: the KORVELT holds part of the old and part of the new schedule\n";
        QTest::newRow("a fault on every one") << "--demo 2 write @distinct.dat --all --force" << "0" << "unplug 5" << 5
                                              << "0 of 2 written and verified; 2 failed\n"
                                              << "korveltctl: sim:0 (serial 1): unplugged at block 1 of 64: the KORVELT holds part of the old and part of the new schedule\n"
                                                 "korveltctl: sim:1 (serial 2): unplugged at block 1 of 64: the KORVELT holds part of the old and part of the new schedule\n";
        QTest::newRow("its own fault wins") << "--demo 2 verify @distinct.dat --all" << "0" << "sim:0 wrong identity 1; silence 3"
                                            << 5 << "0 of 2 hold @distinct.dat; 2 failed\n"
                                            << "korveltctl: sim:0: not a KORVELT time controller\n"
                                               "korveltctl: sim:1 (serial 2): the KORVELT stopped answering at block 0\n";
        QTest::newRow("no such demo KORVELT") << "--demo 2 list" << "0" << "sim:2 silence 5" << 2 << ""
                                              << "korveltctl: KORVELT_DEMO_FAULT: \"sim:2\" is not one of the 2 demo KORVELTs "
                                                 "(sim:0 to sim:1)\n";
        QTest::newRow("no such fault") << "--demo list" << "" << "melt 5" << 2 << ""
                                       << "korveltctl: KORVELT_DEMO_FAULT: \"[sim:K] FAULT REQUEST\" is needed, FAULT one of "
                                          "silence, unplug, garbage, wrong identity, extra report, erased memory, dropped "
                                          "block, REQUEST counted from 1\n";
        QTest::newRow("a delay that is none") << "--demo list" << "sim:0 soon" << "" << 2 << ""
                                              << "korveltctl: KORVELT_DEMO_DELAY_MS: a number of milliseconds is needed, "
                                                 "optionally after sim:K\n";
        QTest::newRow("none") << "--demo 0 list" << "" << "" << 2 << ""
                              << "korveltctl: list: --demo N is a number of KORVELTs from 1 to 128 (see korveltctl --help)\n";
        QTest::newRow("too many") << "--demo=129 list" << "" << "" << 2 << ""
                                  << "korveltctl: list: --demo N is a number of KORVELTs from 1 to 128 (see korveltctl --help)\n";
    } // clang-format on
    void Demo()
    {
        QFETCH(QString, line);
        QFETCH(QString, delays);
        QFETCH(QString, faults);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(QString, err);
        Fleet f(QString{});
        const int count = DemoCount(line.split(QLatin1Char(' ')));
        const std::string problem =
            count > 0 ? AddDemoDevices(f.backend, count, delays.toStdString(), faults.toStdString()) : "";
        if (!problem.empty()) {
            QCOMPARE(QStringLiteral("korveltctl: %1\n").arg(QString::fromStdString(problem)), err);
            QCOMPARE(f.backend.Enumerate().size(), std::size_t{0});
            return;
        }
        QCOMPARE(f(line), exit);
        QCOMPARE(f.out, f.Expanded(out));
        QCOMPARE(f.err, f.Expanded(err));
    }

    // What was read lands at OUT whole, in the form its name asks for; a read that fails
    // leaves OUT as it was.
    void Read_data() // clang-format off
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QByteArray>("saved"); // "dat", "json", or what OUT must still hold
        QTest::addColumn<int>("requests");     // the read's; -1: any
        const auto none = SimulatedFault::None;
        QTest::newRow("to .dat") << "read @out.dat" << none << 0 << "" << QByteArray("dat") << 131;
        QTest::newRow("to .json") << "read @out.JSON --device 11" << none << 0 << "" << QByteArray("json") << 132;
        QTest::newRow("to standard output") << "read -" << none << 0 << "" << QByteArray("dat") << 131;
        QTest::newRow("unplugged") << "read @out.dat" << SimulatedFault::Unplug << 5
                                   << "korveltctl: sim:0 (serial 11): the KORVELT was unplugged\n" << QByteArray("old") << -1;
        QTest::newRow("silent") << "read @out.json" << SimulatedFault::FallSilent << 5
                                << "korveltctl: sim:0 (serial 11): the KORVELT stopped answering at block 19\n"
                                << QByteArray("old") << -1;
        QTest::newRow("erased") << "read @out.json" << SimulatedFault::EraseMemory << 1
                                << "korveltctl: sim:0 (serial 11): the KORVELT's block 19 holds values that are not "
                                   "times or dates\n" << QByteArray("old") << -1;
        // A place that cannot take the file is found before the device is read.
        QTest::newRow("folder missing") << "read @none/out.dat" << none << 4
                                        << "korveltctl: @none/out.dat: cannot be written: No such file or directory\n"
                                        << QByteArray("(none)") << 0;
        QTest::newRow("a folder") << "read @sub" << none << 4 << "korveltctl: @sub: cannot be written: Is a directory\n"
                                  << QByteArray("(none)") << 0;
#ifdef Q_OS_WIN
        const QString device = QStringLiteral("NUL");
#else
        const QString device = QStringLiteral("/dev/null");
#endif
        QTest::newRow("a device") << QStringLiteral("read %1").arg(device) << none << 4
                                  << QStringLiteral("korveltctl: %1: cannot be written: not a regular file\n").arg(device)
                                  << QByteArray() << 0;
    } // clang-format on
    void Read()
    {
        QFETCH(QString, line);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, exit);
        QFETCH(QString, err);
        QFETCH(QByteArray, saved);
        QFETCH(int, requests);
        Fleet f(QStringLiteral("n"));
        QCOMPARE(f(QStringLiteral("write @distinct.json --no-verify --force")), 0);
        const QString target = line.split(QLatin1Char(' ')).at(1);
        const QString out = target.startsWith(QLatin1Char('@')) ? target.mid(1) : QString();
        const bool toFile = !out.isEmpty() && out != QLatin1String("sub");
        QFile old(f.dir.filePath(out));
        QVERIFY(!toFile || !old.open(QIODevice::WriteOnly) || old.write("old") == 3);
        old.close();
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("sub")));
        f.devices.front()->InjectFault(fault, 40);
        QCOMPARE(f(line), exit);
        QCOMPARE(f.err, f.Expanded(err));
        const QByteArray read =
            saved == "dat" ? Bytes(EncodeDataFile(DistinctSchedule())) : ScheduleToJson(DistinctSchedule());
        const QByteArray expected = saved == "dat" || saved == "json" ? read : saved;
        QCOMPARE(out.isEmpty() ? f.outBytes : f.Contents(out), expected);
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files).size(),
                 4 + (toFile && !out.contains(QLatin1Char('/')) ? 1 : 0));
        if (requests >= 0) {
            QCOMPARE(f.devices.front()->RequestCount() - 133, requests);
        }
    }

    // Several KORVELTs read into a folder, one file each named by its serial number, written
    // whole: one that fails, or shares its serial number, leaves no file and does not stop
    // the others.
    void ReadMany_data() // clang-format off
    {
        QTest::addColumn<QString>("releases");
        QTest::addColumn<QString>("line");
        QTest::addColumn<SimulatedFault>("fault"); // on the first device, at the read's 20th request
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QStringList>("files"); // in the folder "many" after it
        const auto none = SimulatedFault::None;
        QTest::newRow("--all") << "nn" << "read @many --all" << none << 0
                               << "sim:0 (serial 11): read into @many/11.dat\nsim:1 (serial 12): read into @many/12.dat\n"
                                  "2 of 2 read\n" << "" << QStringList{"11.dat", "12.dat"};
        QTest::newRow("--all --format json") << "nn" << "read --all --format json @many" << none << 0
                                             << "sim:0 (serial 11): read into @many/11.json\n"
                                                "sim:1 (serial 12): read into @many/12.json\n2 of 2 read\n"
                                             << "" << QStringList{"11.json", "12.json"};
        QTest::newRow("two --device of three") << "nnn" << "read @many --device 13 --device sim:0" << none << 0
                                               << "sim:2 (serial 13): read into @many/13.dat\n"
                                                  "sim:0 (serial 11): read into @many/11.dat\n2 of 2 read\n"
                                               << "" << QStringList{"11.dat", "13.dat"};
        QTest::newRow("one unplugged, one in program mode")
            << "nnp" << "read @many --all" << SimulatedFault::Unplug << 5
            << "sim:1 (serial 12): read into @many/12.dat\n1 of 3 read; 2 failed\n"
            << "korveltctl: sim:0 (serial 11): the KORVELT was unplugged\nkorveltctl: sim:2: the KORVELT is in program mode\n"
            << QStringList{"12.dat"};
        QTest::newRow("one serial number twice")
            << "n=n" << "read @many --all" << none << 3 << "sim:2 (serial 13): read into @many/13.dat\n1 of 3 read; 2 failed\n"
            << "korveltctl: sim:0 (serial 11): not saved: another KORVELT read has serial number 11 too; read each by its path\n"
               "korveltctl: sim:1 (serial 11): not saved: another KORVELT read has serial number 11 too; read each by its path\n"
            << QStringList{"13.dat"};
        QTest::newRow("no such folder") << "nn" << "read @none --all" << none << 4 << ""
                                        << "korveltctl: @none: cannot be written: No such file or directory\n" << QStringList{};
        QTest::newRow("a file, not a folder") << "nn" << "read @distinct.dat --all" << none << 4 << ""
                                              << "korveltctl: @distinct.dat: cannot be written: Not a directory\n"
                                              << QStringList{};
        QTest::newRow("standard output") << "nn" << "read - --all" << none << 2 << ""
                                         << "korveltctl: read: several KORVELTs are read into a folder, not into - (see "
                                            "korveltctl --help)\n" << QStringList{};
        QTest::newRow("unknown format") << "nn" << "read @many --all --format csv" << none << 2 << ""
                                        << "korveltctl: read: --format is dat or json (see korveltctl --help)\n"
                                        << QStringList{};
        QTest::newRow("a link where a file goes")
            << "nn" << "read @many --all" << none << 4 << "sim:1 (serial 12): read into @many/12.dat\n1 of 2 read; 1 failed\n"
            << "korveltctl: sim:0 (serial 11): @many/11.dat: cannot be written: a symbolic link is there, which is not followed\n"
            << QStringList{"12.dat"};
        QTest::newRow("one, --format json, standard output")
            << "n" << "read - --format json" << none << 0 << QString::fromUtf8(ScheduleToJson(DistinctSchedule())) << "" << QStringList{};
    } // clang-format on
    void ReadMany()
    {
        QFETCH(QString, releases);
        QFETCH(QString, line);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QStringList, files);
        Fleet f(releases);
        QCOMPARE(f(QStringLiteral("write @distinct.dat --all --no-verify --force")),
                 releases.contains(QLatin1Char('p')) ? 3 : 0);
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("many")));
        const bool link = QString::fromLatin1(QTest::currentDataTag()).contains(QLatin1String("link"));
#ifdef _WIN32
        if (link) {
            QSKIP("Windows makes a shortcut file here, not a link that the file system follows");
        }
#endif
        if (link) {
            QFile target(f.dir.filePath(QStringLiteral("target")));
            QVERIFY(target.open(QIODevice::WriteOnly) && target.write("target") == 6);
            target.close();
            QVERIFY(target.link(f.dir.filePath(QStringLiteral("many/11.dat"))));
        }
        f.devices.front()->InjectFault(fault, 19);
        QCOMPARE(f(line), exit);
        QCOMPARE(f.out, f.Expanded(out));
        QCOMPARE(f.err, f.Expanded(err));
        QCOMPARE(QDir(f.dir.filePath(QStringLiteral("many"))).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks),
                 files);
        QCOMPARE(f.Contents(QStringLiteral("target")), link ? QByteArray("target") : QByteArray("(none)"));
        for (const QString &file : files) {
            QCOMPARE(f.Contents(QStringLiteral("many/") + file), file.endsWith(QLatin1String(".json"))
                                                                     ? ScheduleToJson(DistinctSchedule())
                                                                     : Bytes(EncodeDataFile(DistinctSchedule())));
        }
    }

    void Clock_data() // clang-format off
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("bytes"); // what the clock holds, hour first; empty: a real time
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<TDateTime>("clock"); // the device's clock afterwards
        const TDateTime before = DateOf(2011, 5, 5) + TimeOf(6, 7, 8);
        const QByteArray real;
        QTest::newRow("read") << "clock read --device sim:0" << real << 0 << "sim:0 (serial 11): clock 2011-05-05 06:07:08\n" << "" << before;
        QTest::newRow("read, all") << "clock read --all" << real << 3
                                   << "sim:0 (serial 11): clock 2011-05-05 06:07:08\n1 of 2 clocks read; 1 failed\n"
                                   << "korveltctl: sim:1: the KORVELT is in program mode\n" << before;
        QTest::newRow("read, no valid time") << "clock read --device sim:0" << QByteArray("\x19\x3d\x3d\x1e\x02\x1e", 6) << 1 << ""
                                             << "korveltctl: sim:0 (serial 11): the KORVELT's clock holds no valid time "
                                                "(bytes 2030-02-30 25:61:61)\n"
                                             << -1.0;
        QTest::newRow("set --at") << "clock set --at 2027-03-28_01:59:59 --device sim:0" << real << 0
                                  << "sim:0 (serial 11): clock 2027-03-28 01:59:59\n" << ""
                                  << DateOf(2027, 3, 28) + TimeOf(1, 59, 59);
        QTest::newRow("set, the PC's time") << "clock set --device sim:0" << real << 0 << "sim:0 (serial 11): clock 2030-01-02 03:04:05\n"
                                            << "" << DateOf(2030, 1, 2) + TimeOf(3, 4, 5);
        QTest::newRow("set --at, --dry-run") << "clock set --at 2027-03-28_01:59:59 --dry-run --device sim:0" << real << 0
                                             << "sim:0 (serial 11): would set the clock to 2027-03-28 01:59:59\n" << ""
                                             << DateOf(2011, 5, 5) + TimeOf(6, 7, 8);
        QTest::newRow("set --dry-run, all") << "clock set --dry-run --all" << real << 3
                                            << "sim:0 (serial 11): would set the clock to 2030-01-02 03:04:05\n"
                                               "1 of 2 clocks would be set; 1 failed\n"
                                            << "korveltctl: sim:1: the KORVELT is in program mode\n"
                                            << DateOf(2011, 5, 5) + TimeOf(6, 7, 8);
        QTest::newRow("read --dry-run") << "clock read --dry-run" << real << 2 << ""
                                        << "korveltctl: clock: --pc, --at and --dry-run are for clock set (see korveltctl --help)\n"
                                        << DateOf(2011, 5, 5) + TimeOf(6, 7, 8);
        QTest::newRow("set --pc, all") << "clock set --pc --all" << real << 3
                                       << "sim:0 (serial 11): clock 2030-01-02 03:04:05\n1 of 2 clocks set; 1 failed\n"
                                       << "korveltctl: sim:1: the KORVELT is in program mode\n"
                                       << DateOf(2030, 1, 2) + TimeOf(3, 4, 5);
        QTest::newRow("no such time") << "clock set --at 2027-02-30_01:00:00" << real << 2 << ""
                                      << "korveltctl: clock: --at \"YYYY-MM-DD HH:MM:SS\", in the years 2000 to 2255 (see "
                                         "korveltctl --help)\n" << before;
        QTest::newRow("before 2000") << "clock set --at 1999-12-31_23:59:59" << real << 2 << ""
                                     << "korveltctl: clock: --at \"YYYY-MM-DD HH:MM:SS\", in the years 2000 to 2255 (see "
                                        "korveltctl --help)\n" << before;
        QTest::newRow("--at twice") << "clock set --at 2027-03-28_01:59:59 --at 2028-03-28_01:59:59" << real << 2 << ""
                                    << "korveltctl: clock: --at is given more than once (see korveltctl --help)\n" << before;
    } // clang-format on
    void Clock()
    {
        QFETCH(QString, line);
        QFETCH(QByteArray, bytes);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(TDateTime, clock);
        Fleet f(QStringLiteral("np"));
        f.devices.front()->SetClock(DateOf(2011, 5, 5) + TimeOf(6, 7, 8));
        if (!bytes.isEmpty()) {
            std::array<std::uint8_t, 6> held{};
            QCOMPARE(bytes.size(), static_cast<qsizetype>(held.size()));
            for (std::size_t i = 0; i < held.size(); ++i) {
                held.at(i) = static_cast<std::uint8_t>(bytes.at(static_cast<qsizetype>(i)));
            }
            f.devices.front()->SetClockBytes(held);
        }
        QCOMPARE(f(line), exit);
        QCOMPARE(f.out, out);
        QCOMPARE(f.err, err);
        if (clock >= 0) {
            QCOMPARE(f.devices.front()->Clock(), clock);
        }
    }

    // Four fields a row, whatever the device answered: path, serial number, version, state.
    void List_data() // clang-format off
    {
        QTest::addColumn<QString>("releases");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::newRow("two and one in program mode")
            << "pnn" << "list" << 0
            << "sim:1\t12\tKORVELT 1.05\tready\nsim:2\t13\tKORVELT 1.05\tready\nsim:0\t-\t-\tprogram mode\n";
        QTest::newRow("none") << "" << "list" << 3 << "";
        QTest::newRow("a tab and a line break in the version") << "t" << "list" << 0 << "sim:0\t11\tKORVELT\\t1.05\\nx\tready\n";
        QTest::newRow("serial number of 2^31 and more") << "b" << "list" << 0 << "sim:0\t3000000000\tKORVELT 1.05\tready\n";
    } // clang-format on
    void List()
    {
        QFETCH(QString, releases);
        QFETCH(QString, line);
        QFETCH(int, exit);
        QFETCH(QString, out);
        Fleet f(releases);
        QCOMPARE(f(line), exit);
        QCOMPARE(f.out, out);
    }

    // --json: one document on standard output, whatever happened, that keeps to the schema
    // in docs/ and stays as it is: every key and value of each row is what scripts rely on.
    void Json_data() // clang-format off
    {
        QTest::addColumn<QString>("releases");
        QTest::addColumn<QString>("line");
        QTest::addColumn<SimulatedFault>("fault"); // on the first device, at the command's 13th request
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("json"); // none: nothing on standard output
        const auto none = SimulatedFault::None;
        const QString entry = QStringLiteral(R"({"path":"sim:%1","serial":%2,"version":"KORVELT 1.05","result":"%3","exit":%4,)"
                                             R"("message":"%5","differences":[]%6})");
        const auto device = [&entry](int k, const QString &result, int exit, const QString &message, const QString &more = {}) {
            return entry.arg(k).arg(11 + k).arg(result).arg(exit).arg(message, more);
        };
        QTest::newRow("list") << "np" << "list --json" << none << 0
                              << R"({"devices":[)" + device(0, "ready", 0, "ready") +
                                     R"(,{"path":"sim:1","serial":null,"version":null,"result":"program-mode","exit":0,)"
                                     R"("message":"program mode","differences":[]}],"exit":0})";
        QTest::newRow("write --all, one unplugged")
            << "nn" << "write @distinct.dat --all --json --force" << SimulatedFault::Unplug << 5
            << R"({"devices":[)" + device(0, "unplugged", 5, "unplugged at block 5 of 64: the KORVELT holds part of the old and part of the new schedule") + "," +
                   device(1, "written-verified", 0, "written and verified") + R"(],"exit":5})";
        QTest::newRow("write --no-verify --dry-run")
            << "n" << "write @distinct.dat --json --no-verify --dry-run --force" << none << 0
            << R"({"devices":[)" + device(0, "would-write", 0, "would write @distinct.dat") + R"(],"exit":0})";
        const QString difference = QStringLiteral("[\"Output 1, Normal Times slot 2: window 00:01:01 to 09:01:02 Sun Tue Fri, "
                                                  "KORVELT 00:01:01 to 08:01:02 Sun Tue Fri\"]");
        QTest::newRow("verify, one differs")
            << "nn" << "verify @changed.dat --device sim:1 --device sim:0 --json" << none << 1
            << QStringLiteral("{\"devices\":[") +
                   device(1, "differs", 1, "differs from @changed.dat in 1 place").replace(QStringLiteral("[]"), difference) +
                   QStringLiteral(",") +
                   device(0, "differs", 1, "differs from @changed.dat in 1 place").replace(QStringLiteral("[]"), difference) +
                   QStringLiteral("],\"exit\":1}");
        QTest::newRow("verify, silent") << "n" << "verify @distinct.dat --json" << SimulatedFault::FallSilent << 5
                                        << R"({"devices":[)" + device(0, "timed-out", 5, "the KORVELT stopped answering at block 5") +
                                               R"(],"exit":5})";
        QTest::newRow("read --all") << "nn" << "read @many --all --format json --json" << none << 0
                                    << R"({"devices":[)" + device(0, "read", 0, "read into @many/11.json", R"(,"file":"@many/11.json")") + "," +
                                           device(1, "read", 0, "read into @many/12.json", R"(,"file":"@many/12.json")") + R"(],"exit":0})";
        QTest::newRow("clock read") << "n" << "clock read --json" << none << 0
                                    << R"({"devices":[)" +
                                           device(0, "clock-read", 0, "clock 2011-05-05 06:07:08", R"(,"clock":"2011-05-05 06:07:08")") +
                                           R"(],"exit":0})";
        QTest::newRow("clock set") << "np" << "clock set --all --at 2027-03-28_01:59:59 --json" << none << 3
                                   << R"({"devices":[)" +
                                          device(0, "clock-set", 0, "clock 2027-03-28 01:59:59", R"(,"clock":"2027-03-28 01:59:59")") +
                                          R"(,{"path":"sim:1","serial":null,"version":null,"result":"program-mode","exit":3,)"
                                          R"("message":"the KORVELT is in program mode","differences":[]}],"exit":3})";
        QTest::newRow("no KORVELT") << "" << "write @distinct.dat --json --force" << none << 3
                                    << R"({"devices":[],"exit":3,"message":"no KORVELT is attached"})";
        QTest::newRow("--device PATH not attached") << "n" << "write @distinct.dat --json --force --device sim:7" << none << 3
                                                    << R"({"devices":[],"exit":3,"message":"no KORVELT is attached at sim:7"})";
        QTest::newRow("file refused") << "n" << "verify @missing.dat --json" << none << 4
                                      << R"({"devices":[],"exit":4,"message":"@missing.dat: cannot be read: No such file or directory"})";
        QTest::newRow("read - --json") << "n" << "read - --json" << none << 2 << "";
    } // clang-format on
    void Json()
    {
        QFETCH(QString, releases);
        QFETCH(QString, line);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, exit);
        QFETCH(QString, json);
        Fleet f(releases);
        ScheduleModel changed = DistinctSchedule();
        changed.NormalTimes.at(0).at(1).End += TimeOf(1, 0, 0);
        QVERIFY(SaveDataFile(f.File(QStringLiteral("changed.dat")), changed));
        if (!f.devices.empty()) {
            QCOMPARE(f(QStringLiteral("write @distinct.dat --all --no-verify --force")),
                     releases.contains(QLatin1Char('p')) ? 3 : 0);
            f.devices.front()->SetClock(DateOf(2011, 5, 5) + TimeOf(6, 7, 8));
            f.devices.front()->InjectFault(fault, 12);
        }
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("many")));
        QCOMPARE(f(line), exit);
        if (json.isEmpty()) {
            QCOMPARE(f.out, QString());
            return;
        }
        QJsonParseError error{};
        const QJsonDocument printed = QJsonDocument::fromJson(f.outBytes, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(f.out));
        QCOMPARE(printed.toJson(QJsonDocument::Compact),
                 QJsonDocument::fromJson(f.Expanded(json).toUtf8()).toJson(QJsonDocument::Compact));
        QFile schemaFile(QStringLiteral(KORVELTCTL_SCHEMA));
        QVERIFY(schemaFile.open(QIODevice::ReadOnly));
        const QJsonObject schema = QJsonDocument::fromJson(schemaFile.readAll()).object();
        QCOMPARE(SchemaBreach(printed.object(), schema, QStringLiteral("document")), QString());
    }

    // The completions as bash and zsh run them: the words so far, the last being completed
    // ("_" for an empty one), give these candidates, sorted. Where files are wanted zsh's
    // names their pattern (zsh's own _files lists them); bash's lists the folder's.
    void Completion_data() // clang-format off
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("candidates");
        for (const char *shell : {"bash", "zsh"}) {
            const bool bash = QByteArray(shell) == "bash";
            QTest::addRow("%s: commands", shell) << shell << "korveltctl c" << (bash ? "check clock" : "clock check");
            QTest::addRow("%s: after --demo N", shell) << shell << "korveltctl --demo 3 ve" << "verify";
            QTest::addRow("%s: write --watch's options", shell) << shell << "korveltctl write --watch --s" << "--set-clock";
            QTest::addRow("%s: clock", shell) << shell << "korveltctl clock _" << "read set";
            QTest::addRow("%s: presets, as the tool lists them", shell) << shell << "korveltctl holidays --preset ch-b" << "ch-be ch-bs";
        }
        QTest::newRow("bash: write's options") << "bash" << "korveltctl write --d" << "--device --dry-run";
        QTest::newRow("bash: schedules by their ending")
            << "bash" << "korveltctl verify @" << "@dat-named.json @distinct.dat @distinct.json @json-named.dat @my site.dat @rules.json @sub";
        QTest::newRow("bash: rule files") << "bash" << "korveltctl holidays --rules @r" << "@rules.json";
        QTest::newRow("bash: read's formats") << "bash" << "korveltctl read --all --format _" << "dat json";
        QTest::newRow("zsh: schedules by their ending") << "zsh" << "korveltctl verify _" << "files:*.(dat|json)";
        QTest::newRow("zsh: the log, any file") << "zsh" << "korveltctl write site.dat --watch --log _" << "files:*";
        QTest::newRow("zsh: nothing after --device") << "zsh" << "korveltctl write site.dat --device _" << "";
        QTest::newRow("bash: a name with a space") << "bash" << "korveltctl verify @my" << "@my site.dat";
        for (const char *shell : {"bash", "zsh"}) {
            QTest::addRow("%s: check takes no option", shell) << shell << "korveltctl check -" << "--help";
            QTest::addRow("%s: report's options", shell) << shell << "korveltctl report -"
                                                         << (QByteArray(shell) == "bash" ? "--help --quiet -o" : "-o --quiet --help");
        }
    } // clang-format on
    void Completion()
    {
#ifdef Q_OS_WIN
        QSKIP("the completions are for bash and zsh on Linux");
#endif
        QFETCH(QString, shell);
        QFETCH(QString, words);
        QFETCH(QString, candidates);
        Fleet f(QString{});
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("sub")));
        for (const QString &name : {QStringLiteral("rules.json"), QStringLiteral("notes.txt"), QStringLiteral("r.pdf"),
                                    QStringLiteral("my site.dat")}) {
            QFile file(f.dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QStringList list = f.Expanded(words).split(QLatin1Char(' '));
        if (list.last() == QLatin1String("_")) {
            list.last().clear();
        }
        QCOMPARE(Complete(shell, list), f.Expanded(candidates));
    }

    // The registry is where the commands and their options are declared: both completions and
    // the manual's synopsis offer each command exactly the options it takes.
    void Registry()
    {
#ifdef Q_OS_WIN
        QSKIP("the completions are for bash and zsh on Linux");
#endif
        const QMap<QString, QStringList> synopsis = ManualSynopsis();
        QStringList names;
        for (const auto &command : CtlCommands()) {
            names.append(command->Name());
            QStringList options;
            for (const CtlOption &option : command->Options()) {
                options.append(option.Name);
            }
            QCOMPARE(Sorted(synopsis.value(command->Name())), Sorted(options));
            if (command->Name() == QLatin1String("help")) {
                continue; // it completes command names
            }
            options.append(QStringLiteral("--help"));
            for (const char *shell : {"bash", "zsh"}) {
                const QString offered = Complete(QLatin1String(shell),
                                                 {QStringLiteral("korveltctl"), command->Name(), QStringLiteral("-")});
                QCOMPARE(Sorted(offered.split(QLatin1Char(' '), Qt::SkipEmptyParts)), Sorted(options));
            }
        }
        names << QStringLiteral("--demo") << QStringLiteral("--help") << QStringLiteral("--version");
        for (const char *shell : {"bash", "zsh"}) {
            QCOMPARE(
                Sorted(
                    Complete(QLatin1String(shell), {QStringLiteral("korveltctl"), QString()}).split(QLatin1Char(' '))),
                Sorted(names));
        }
    }

    // The commands on files alone, and the tool's own options.
    void Files_data() // clang-format off
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
        QTest::newRow("holidays into a schedule, --quiet")
            << "holidays --preset us --year 2027 -o @out.dat --quiet" << 0 << "(nothing)" << ""
            << QByteArray("\x01\0\0\0KORVELT Time Control\0", 25);
        QTest::newRow("holidays into a schedule, --dry-run")
            << "holidays --preset us --year 2027 --from @distinct.dat -o @out.dat --dry-run" << 0
            << "@out.dat: special dates 1 to 12 would hold the holidays of United States (federal) 2027 (nothing written)\n"
            << "" << QByteArray();
        QTest::newRow("holidays --dry-run into no folder")
            << "holidays --preset us -o @none/out.dat --dry-run" << 4 << ""
            << "korveltctl: @none/out.dat: cannot be written: No such file or directory\n" << QByteArray();
        QTest::newRow("holidays printed, --dry-run") << "holidays --preset us --dry-run" << 2 << ""
                                                     << "korveltctl: holidays: --from, --repeat-last and --dry-run go with -o "
                                                        "(see korveltctl --help)\n" << QByteArray();
        QTest::newRow("holidays of the user's rules")
            << "holidays --rules @rules.json --year 2027" << 0
            << "2027-07-05 Mon Works outing, \"summer\" (substitute day)\n2027-12-27 Mon Christmas Day (substitute day)\n" << ""
            << QByteArray();
        QTest::newRow("holidays of a preset and the user's rules, CSV")
            << "holidays --preset gb-eaw --rules @rules.json --year 2027 --format csv" << 0
            << "date,weekday,names,substitute,applied\r\n2027-01-01,Fri,New Year's Day,no,yes\r\n"
               "2027-03-26,Fri,Good Friday,no,yes\r\n2027-03-29,Mon,Easter Monday,no,yes\r\n"
               "2027-05-03,Mon,Early May bank holiday,no,yes\r\n2027-05-31,Mon,Spring bank holiday,no,yes\r\n"
               "2027-07-05,Mon,\"Works outing, \"\"summer\"\" (substitute day)\",yes,yes\r\n"
               "2027-08-30,Mon,Summer bank holiday,no,yes\r\n2027-12-27,Mon,Christmas Day (substitute day),yes,yes\r\n"
               "2027-12-28,Tue,Boxing Day (substitute day),yes,yes\r\n" << "" << QByteArray();
        QTest::newRow("holidays a preset does not apply")
            << "holidays --preset ch --year 2026" << 0
            << "2026-01-01 Thu New Year's Day\n2026-05-14 Thu Ascension Day\n2026-08-01 Sat Swiss National Day\n"
               "2026-12-25 Fri Christmas Day\n"
               "not applied: 2026-04-03 Fri Good Friday (A holiday in every canton but Ticino and Valais.)\n"
               "not applied: 2026-04-06 Mon Easter Monday (A holiday in most cantons, not in Valais.)\n"
               "not applied: 2026-05-25 Mon Whit Monday (A holiday in most cantons, not in Valais.)\n"
               "not applied: 2026-12-26 Sat St Stephen's Day (A holiday in most cantons, not in Geneva, Jura, "
               "Neuchâtel, Valais and Vaud.)\n" << "" << QByteArray();
        QTest::newRow("holidays a preset does not apply, CSV")
            << "holidays --preset nl --year 2026 --format csv" << 0
            << "date,weekday,names,substitute,applied\r\n2026-01-01,Thu,New Year's Day,no,yes\r\n"
               "2026-04-05,Sun,Easter Sunday,no,yes\r\n2026-04-06,Mon,Easter Monday,no,yes\r\n"
               "2026-04-27,Mon,King's Day,no,yes\r\n2026-05-14,Thu,Ascension Day,no,yes\r\n"
               "2026-05-24,Sun,Whit Sunday,no,yes\r\n2026-05-25,Mon,Whit Monday,no,yes\r\n"
               "2026-12-25,Fri,Christmas Day,no,yes\r\n2026-12-26,Sat,Second Day of Christmas,no,yes\r\n"
               "2026-04-03,Fri,Good Friday,no,no\r\n2026-05-05,Tue,Liberation Day,no,no\r\n" << "" << QByteArray();
        QTest::newRow("holidays --json") << "holidays --rules @rules.json --preset us --year 2027 --json" << 0
                                         << "{\n    \"holidays\": [\n        {\n            \"applied\": true,\n"
                                            "            \"date\": \"2027-01-01\",\n"
                                            "            \"names\": [\n                \"New Year's Day\"\n            ],\n"
                                            "            \"substitute\": false,\n            \"weekday\": \"Fri\"\n"
                                         << "" << QByteArray();
        QTest::newRow("holidays of the user's rules into a schedule")
            << "holidays --preset fr --rules @rules.json --year 2027 -o @out.dat" << 0
            << "@out.dat: special dates 1 to 13 hold the holidays of France and @rules.json 2027\n" << ""
            << QByteArray("\x01\0\0\0KORVELT Time Control\0", 25);
        QTest::newRow("holidays, no such rule file") << "holidays --rules @none.json" << 4 << ""
                                                     << "korveltctl: @none.json: cannot be read: No such file or directory\n"
                                                     << QByteArray();
        QTest::newRow("holidays, not a rule file") << "holidays --rules @other.json" << 4 << ""
                                                   << "korveltctl: @other.json: " + HolidayRulesFromJson(R"({"format": "other"})").Message + "\n"
                                                   << QByteArray();
        QTest::newRow("holidays, neither preset nor rules") << "holidays --year 2027" << 2 << ""
                                                            << "korveltctl: holidays: --preset CODE or --rules FILE is needed "
                                                               "(see korveltctl --help)\n" << QByteArray();
        QTest::newRow("holidays, CSV into a schedule") << "holidays --preset fr --format csv -o @out.dat" << 2 << ""
                                                       << "korveltctl: holidays: --format and --json are for the list of "
                                                          "holidays, not for -o (see korveltctl --help)\n" << QByteArray();
        QTest::newRow("holidays, unknown country") << "holidays --preset xx -o @out.dat" << 2 << ""
                                                   << "korveltctl: holidays: --preset is gb-eaw, gb-sct, gb-nir, ie, de, de-bw, de-by, de-be, de-bb, de-hb, de-hh, "
                                                      "de-he, de-ni, de-mv, de-nw, de-rp, de-sl, de-sn, de-st, de-sh, de-th, at, ch, ch-zh, "
                                                      "ch-be, ch-bs, ch-ge, ch-vd, ch-ti, be, fr, it, es, pl, nl, us, ca or au (see korveltctl --help)\n"
                                                   << QByteArray();
        QTest::newRow("report") << "report @distinct.dat -o @out.pdf" << 0 << "@out.pdf\n" << "" << QByteArray("%PDF-");
        QTest::newRow("report of a file that is none") << "report @missing.dat" << 4 << ""
                                                       << "korveltctl: @missing.dat: cannot be read: No such file or directory\n"
                                                       << QByteArray();
        QTest::newRow("report to standard output") << "report @distinct.dat -o -" << 0 << "%PDF-" << "" << QByteArray();
        QTest::newRow("import, a key given twice") << "import @dup.json -o @out.dat" << 4 << ""
                                                   << "korveltctl: @dup.json: version: the key is given twice\n" << QByteArray();
        QTest::newRow("import, a slot with two starts")
            << "import @dupstart.json -o @out.dat" << 4 << ""
            << "korveltctl: @dupstart.json: outputs[0].normal[0].start: the key is given twice\n" << QByteArray();
        QTest::newRow("import, over 16 MiB") << "import @big.json -o @out.dat" << 4 << ""
                                             << "korveltctl: @big.json: too large (more than 16 MiB)\n" << QByteArray();
        QTest::newRow("import, 16 MiB") << "import @limit.json -o @out.dat" << 0 << "" << ""
                                        << QByteArray("\x01\0\0\0KORVELT Time Control\0", 25);
        QTest::newRow("import -o NAME.json") << "import @distinct.json -o @out.json" << 2 << ""
                                             << "korveltctl: import: import makes a data file, not @out.json; export makes "
                                                "JSON (see korveltctl --help)\n" << QByteArray();
        QTest::newRow("import from standard input") << "import - -o @out.dat" << 0 << "" << ""
                                                    << QByteArray("\x01\0\0\0KORVELT Time Control\0", 25);
        QTest::newRow("export -o -") << "export @distinct.dat -o -" << 0 << "{\n    \"format\": \"KORVELT schedule\"" << ""
                                     << QByteArray();
        QTest::newRow("export -o twice") << "export @distinct.dat -o @out.csv -o @out.dat" << 2 << ""
                                         << "korveltctl: export: -o is given more than once (see korveltctl --help)\n"
                                         << QByteArray();
        QTest::newRow("export into a folder") << "export @distinct.dat -o @sub" << 4 << ""
                                              << "korveltctl: @sub: cannot be written: Is a directory\n" << QByteArray();
        QTest::newRow("export into no folder") << "export @distinct.dat -o @none/out.dat" << 4 << ""
                                               << "korveltctl: @none/out.dat: cannot be written: No such file or directory\n"
                                               << QByteArray();
        QTest::newRow("check, a special date with a time of day")
            << "check @timed.dat" << 1 << "Mistake: Special date 2 (" + TimedDateText() + ") carries a time of day" << ""
            << QByteArray();
        QTest::newRow("-- ends the options") << "import -o @out.dat -- @distinct.json" << 0 << "" << ""
                                             << QByteArray("\x01\0\0\0KORVELT Time Control\0", 25);
        QTest::newRow("-h") << "-h" << 0 << "Usage: korveltctl [--demo [N]] COMMAND" << "" << QByteArray();
        QTest::newRow("help COMMAND") << "help export" << 0 << "Usage: korveltctl export FILE.dat" << "" << QByteArray();
        QTest::newRow("COMMAND -h") << "import -h" << 0 << "Usage: korveltctl import FILE.json" << "" << QByteArray();
        QTest::newRow("unknown command, --help") << "frob --help" << 2 << ""
                                                 << "korveltctl: unknown command frob (see korveltctl --help)\n" << QByteArray();
        QTest::newRow("version") << "--version" << 0 << "korveltctl 1.00\n" << "" << QByteArray();
        QTest::newRow("help") << "--demo --help" << 0 << "Usage: korveltctl [--demo [N]] COMMAND" << "" << QByteArray();
        QTest::newRow("unknown command") << "frob" << 2 << "" << "korveltctl: unknown command frob (see korveltctl --help)\n" << QByteArray();
        const QString dataFile = QString::fromLatin1(QByteArray("\x01\0\0\0KORVELT Time Control\0", 25));
        QTest::newRow("holidays -o -") << "holidays --preset us --year 2027 -o -" << 0 << dataFile
                                       << "korveltctl: standard output: special dates 1 to 12 hold the holidays of United "
                                          "States (federal) 2027\n" << QByteArray();
        const QString own = QStringLiteral(" is the file read; the output needs a name of its own (see korveltctl --help)\n");
        QTest::newRow("report over its schedule") << "report @distinct.dat -o @distinct.dat" << 2 << ""
                                                  << "korveltctl: report: @distinct.dat" + own << QByteArray();
        QTest::newRow("report of a schedule named .pdf") << "report @schedule.pdf" << 2 << ""
                                                         << "korveltctl: report: @schedule.pdf" + own << QByteArray();
        QTest::newRow("export over its schedule") << "export @distinct.dat -o @distinct.dat" << 2 << ""
                                                  << "korveltctl: export: @distinct.dat" + own << QByteArray();
        QTest::newRow("import over its JSON") << "import @json-named.dat -o @json-named.dat" << 2 << ""
                                              << "korveltctl: import: @json-named.dat" + own << QByteArray();
        QTest::newRow("holidays over the rule file") << "holidays --rules @rules.json -o @rules.json" << 2 << ""
                                                     << "korveltctl: holidays: @rules.json" + own << QByteArray();
        QTest::newRow("holidays --from X -o X") << "holidays --preset us --year 2027 --from @distinct.dat -o @distinct.dat --quiet"
                                                << 0 << "(nothing)" << "" << QByteArray();
        QTest::newRow("-o empty") << "export @distinct.dat -o=" << 2 << ""
                                  << "korveltctl: export: -o needs a value (see korveltctl --help)\n" << QByteArray();
        QTest::newRow("--format empty") << "export @distinct.dat --format= -o @out.csv" << 2 << ""
                                        << "korveltctl: export: --format needs a value (see korveltctl --help)\n" << QByteArray();
        QTest::newRow("a flag twice") << "holidays --preset us --quiet --quiet -o @out.dat" << 2 << ""
                                      << "korveltctl: holidays: --quiet is given more than once (see korveltctl --help)\n"
                                      << QByteArray();
        QTest::newRow("unknown option") << "check @distinct.dat --all" << 2 << ""
                                        << "korveltctl: check: unknown option --all (see korveltctl --help)\n" << QByteArray();
    } // clang-format on
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
        QVERIFY(SaveDataFile(f.File(QStringLiteral("clean.dat")), clean) &&
                SaveDataFile(f.File(QStringLiteral("bad.dat")), bad));
        ScheduleModel timed;
        timed.SpecialDates.at(1) = TimedDate();
        QVERIFY(SaveDataFile(f.File(QStringLiteral("timed.dat")), timed));
        const QByteArray distinct = ScheduleToJson(DistinctSchedule());
        QByteArray dupStart = distinct;
        const qsizetype start = dupStart.indexOf(R"("start":)");
        dupStart.insert(start, R"("start":"01:00:00",)");
        QByteArray limit = distinct + QByteArray((16 << 20) - distinct.size(), ' ');
        const QByteArray rules =
            "{\"format\": \"korvelt-holiday-rules\", \"version\": 1, \"rules\": ["
            "{\"kind\": \"fixed\", \"name\": \"Works outing, \\\"summer\\\"\", \"month\": 7, \"day\": 4, "
            "\"weekend\": \"monday\"}, {\"kind\": \"fixed\", \"name\": \"Christmas Day\", \"month\": 12, "
            "\"day\": 25, \"weekend\": \"monday\"}]}";
        for (const auto &[name, text] :
             {std::pair{"bad.json", json},
              {"rules.json", rules},
              {"other.json", QByteArray(R"({"format": "other"})")},
              {"dup.json", QByteArray(distinct).replace(R"("version": 1)", R"("version": 2, "version": 1)")},
              {"dupstart.json", dupStart},
              {"limit.json", limit},
              {"big.json", limit + ' '}}) {
            QFile file(f.dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        }
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("sub")));
        QVERIFY(SaveDataFile(f.File(QStringLiteral("schedule.pdf")), DistinctSchedule()));
        const QByteArray schedule = f.Contents(QStringLiteral("distinct.dat"));
        QCOMPARE(f(line), exit);
        // What was read is still there as it was, also where the output was to replace it.
        QCOMPARE(f.Contents(QStringLiteral("schedule.pdf")), schedule);
        if (!line.contains(QLatin1String("--from @distinct.dat"))) {
            QCOMPARE(f.Contents(QStringLiteral("distinct.dat")), schedule);
        }
        QVERIFY2(out == QLatin1String("(nothing)") ? f.out.isEmpty()
                                                   : out.isEmpty() || f.out.startsWith(f.Expanded(out)),
                 qPrintable(f.out));
        QCOMPARE(f.err, f.Expanded(err));
        const QString madeName = line.contains(QLatin1String("@out.csv"))   ? QStringLiteral("out.csv")
                                 : line.contains(QLatin1String("@out.pdf")) ? QStringLiteral("out.pdf")
                                                                            : QStringLiteral("out.dat");
        const QByteArray contents = f.Contents(madeName);
        QVERIFY2(made.isEmpty() ? contents == "(none)" : contents.startsWith(made), contents.left(80).constData());
        QVERIFY(!QFile::exists(QStringLiteral("-")) && !QFile::exists(f.dir.filePath(QStringLiteral("-"))));
    }

    // Whatever a command prints, standard output must have taken it: a full disk is a failure.
    void FullStandardOutput_data() // clang-format off
    {
        QTest::addColumn<QString>("releases");
        QTest::addColumn<QString>("line");
        QTest::newRow("export") << "" << "export @distinct.dat";
        QTest::newRow("export --format csv") << "" << "export @distinct.dat --format csv";
        QTest::newRow("read -") << "n" << "read -";
        QTest::newRow("list") << "n" << "list";
        QTest::newRow("write") << "n" << "write @distinct.dat --no-verify --force";
        QTest::newRow("holidays") << "" << "holidays --preset fr --year 2027";
        QTest::newRow("--version") << "" << "--version";
    } // clang-format on
    void FullStandardOutput()
    {
        QFETCH(QString, releases);
        QFETCH(QString, line);
        Fleet f(releases);
        FullDevice full;
        f.output = &full;
        QCOMPARE(f(line), 4);
        QVERIFY2(f.err.endsWith(QLatin1String("korveltctl: standard output: No space left on device\n")),
                 qPrintable(f.err));
    }

    // A signal during a device command stops it at once: no request follows, each device says
    // what it now holds, and the exit status tells the signal. The devices fall silent at a
    // known request, and the signal comes while they wait.
    void Interrupted_data() // clang-format off
    {
        QTest::addColumn<QString>("releases");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("silentAfter"); // requests, per device
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("err");
        QTest::newRow("write, Ctrl+C") << "n" << "write @distinct.dat --force" << QList<int>{40} << SIGINT << 130
                                       << "korveltctl: sim:0 (serial 11): interrupted at block 19 of 64: the KORVELT holds "
                                          "part of the old and part of the new schedule\n";
        QTest::newRow("write --all, SIGTERM")
            << "nn" << "write @distinct.dat --all --force" << QList<int>{40, 150} << SIGTERM << 143
            << "korveltctl: sim:0 (serial 11): interrupted at block 19 of 64: the KORVELT holds part of the old and part "
               "of the new schedule\n"
               "korveltctl: sim:1 (serial 12): interrupted while verifying, at block 8 of 64: the KORVELT holds the new "
               "schedule, not verified\n";
#ifdef SIGHUP
        QTest::newRow("read, SIGHUP") << "n" << "read @out.dat" << QList<int>{20} << SIGHUP << 143
                                      << "korveltctl: sim:0 (serial 11): interrupted at block 9 of 64: nothing was saved\n";
#endif
    } // clang-format on
    void Interrupted()
    {
#ifdef Q_OS_WIN
        QSKIP("a console event, not a signal, stops korveltctl on Windows");
#endif
        QFETCH(QString, releases);
        QFETCH(QString, line);
        QFETCH(QList<int>, silentAfter);
        QFETCH(int, signal);
        QFETCH(int, exit);
        QFETCH(QString, err);
        Fleet f(releases);
        SignalInterrupts interrupts;
        f.options.Interrupts = &interrupts;
        f.options.ReplyTimeoutMs = 600000; // the signal comes first
        for (qsizetype i = 0; i < silentAfter.size(); ++i) {
            f.devices.at(i)->InjectFault(SimulatedFault::FallSilent, silentAfter.at(i));
        }
        // Raised once every device waits for the reply that does not come.
        QTimer poll;
        bool raised = false;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (qsizetype i = 0; i < silentAfter.size(); ++i) {
                if (f.devices.at(i)->RequestCount() <= silentAfter.at(i)) {
                    return;
                }
            }
            if (!raised) {
                raised = true;
                std::raise(signal);
            }
        });
        poll.start(1);
        QCOMPARE(f(line), exit);
        QVERIFY(raised);
        QCOMPARE(f.err, err);
        for (qsizetype i = 0; i < silentAfter.size(); ++i) {
            QCOMPARE(f.devices.at(i)->RequestCount(), silentAfter.at(i) + 1);
        }
        QCOMPARE(f.Contents(QStringLiteral("out.dat")), QByteArray("(none)"));
    }

    // The production line: KORVELTs come and go while write --watch runs. `polls` says what
    // happens before each look at the devices attached: "+K" plugs device K in, "-K" unplugs
    // it, "K@J" gives device K the path of device J (as Linux gives a new device the
    // /dev/hidrawN of one unplugged), "C" is Ctrl+C; a step after "~" happens instead while
    // device 0 is being written (at its 100th request), one after "^" once device 1 has had its
    // whole write. A look's steps wait until no unit is in hand, unless they begin with "!".
    // Every device starts unplugged; device 0 falls silent when `silent`. Units written at
    // once end in any order: the lines are compared as a set.
    void Watch_data() // clang-format off
    {
        QTest::addColumn<QString>("releases");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QStringList>("polls");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QList<int>>("requests"); // per device: a write with its read-back
        const QString waiting = QStringLiteral("korveltctl: waiting for KORVELTs to write @distinct.dat to (Ctrl+C ends)\n");
        const QString written = QStringLiteral("written and verified\n");
        QTest::newRow("two, one after the other")
            << "nn" << "" << QStringList{"+0", "+1", "C"} << false << 0
            << "sim:0 (serial 11): " + written + "sim:1 (serial 12): " + written + "2 programmed; 0 failed\n" << waiting
            << QList<int>{264, 264};
        QTest::newRow("two at once, --no-verify")
            << "nn" << "--no-verify" << QStringList{"+1 +0", "C"} << false << 0
            << "sim:0 (serial 11): written\nsim:1 (serial 12): written\n2 programmed; 0 failed\n" << waiting
            << QList<int>{133, 133};
        QTest::newRow("one that stays is written once")
            << "n" << "" << QStringList{"+0", "", "", "C"} << false << 0
            << "sim:0 (serial 11): " + written + "1 programmed; 0 failed\n" << waiting << QList<int>{264};
        QTest::newRow("unplugged and plugged again")
            << "n" << "" << QStringList{"+0", "-0", "+0", "C"} << false << 0
            << "sim:0 (serial 11): " + written + "sim:0 (serial 11): " + written + "2 programmed; 0 failed\n" << waiting
            << QList<int>{528};
        QTest::newRow("one failing, then a good one")
            << "nn" << "" << QStringList{"+0", "+1", "C"} << true << 5
            << "sim:1 (serial 12): " + written + "1 programmed; 1 failed\n"
            << waiting + "korveltctl: sim:0 (serial 11): stopped answering at block 4 of 64: the KORVELT holds part of the old and part of the new schedule\n" << QList<int>{12, 264};
        QTest::newRow("one in program mode") << "pn" << "" << QStringList{"+0 +1", "C"} << false << 3
                                             << "sim:1 (serial 12): " + written + "1 programmed; 1 failed\n"
                                             << waiting + "korveltctl: sim:0: the KORVELT is in program mode\n"
                                             << QList<int>{0, 264};
        QTest::newRow("Ctrl+C before any") << "n" << "" << QStringList{"C"} << false << 0 << "0 programmed; 0 failed\n"
                                           << waiting << QList<int>{0};
        QTest::newRow("Ctrl+C as one arrives: it is written, then the end")
            << "nn" << "" << QStringList{"C +0"} << false << 0 << "sim:0 (serial 11): " + written + "1 programmed; 0 failed\n"
            << waiting + "korveltctl: ending after this KORVELT (Ctrl+C again stops it at once)\n" << QList<int>{264, 0};
        QTest::newRow("--set-clock, --quiet")
            << "n" << "--set-clock --quiet" << QStringList{"+0", "C"} << false << 0 << "" << "" << QList<int>{266};
        QTest::newRow("--set-clock") << "n" << "--set-clock" << QStringList{"+0", "C"} << false << 0
                                     << "sim:0 (serial 11): written and verified; clock set to 2030-01-02 03:04:05\n"
                                        "1 programmed; 0 failed\n"
                                     << waiting << QList<int>{266};
        QTest::newRow("a new unit at a path seen, within one look")
            << "nnn" << "" << QStringList{"+0 +1", "-1 2@1 +2", "C"} << false << 0
            << "sim:0 (serial 11): " + written + "sim:1 (serial 12): " + written + "sim:1 (serial 13): " + written +
                   "3 programmed; 0 failed\n" << waiting << QList<int>{264, 264, 264};
        QTest::newRow("a new unit at a path seen, while another is written")
            << "nnn" << "" << QStringList{"+1", "+0 ~-1 ~2@1 ~+2", "", "C"} << false << 0
            << "sim:1 (serial 12): " + written + "sim:0 (serial 11): " + written + "sim:1 (serial 13): " + written +
                   "3 programmed; 0 failed\n" << waiting << QList<int>{264, 264, 264};
        QTest::newRow("two with one serial number, plugged in together")
            << "n=" << "" << QStringList{"+0 +1", "C"} << false << 0
            << "sim:0 (serial 11): " + written + "sim:1 (serial 11): " + written + "2 programmed; 0 failed\n" << waiting
            << QList<int>{264, 264};
        // Device 0 waits for a reply that does not come; device 1, plugged in later, is written
        // meanwhile, and only then is device 0 unplugged.
        QTest::newRow("a dead unit holds up only its own port; --json, one object a line, --count")
            << "nn" << "--json --count 2" << QStringList{"+0", "! +1 ^-0"} << true << 5
            << R"({"differences":[],"exit":0,"message":"written and verified","path":"sim:1","result":"written-verified",)"
               R"("serial":12,"time":"2030-01-02T03:04:05+01:00","version":"KORVELT 1.05"})"
               "\n"
               R"({"differences":[],"exit":5,"message":"%2","path":"sim:0","result":"unplugged","serial":11,)"
               R"("time":"2030-01-02T03:04:05+01:00","version":"KORVELT 1.05"})"
               "\n"
            << "korveltctl: sim:0 (serial 11): %2\n" << QList<int>{12, 264};
        QTest::newRow("--count, no Ctrl+C") << "nn" << "--count 2" << QStringList{"+0 +1"} << false << 0
                                            << "sim:0 (serial 11): " + written + "sim:1 (serial 12): " + written +
                                                   "2 programmed; 0 failed\n" << waiting << QList<int>{264, 264};
        QTest::newRow("--watch --all") << "n" << "--all" << QStringList{"C"} << false << 2 << ""
                                       << "korveltctl: write: --watch writes each KORVELT plugged in: no --all, --device or "
                                          "--dry-run (see korveltctl --help)\n"
                                       << QList<int>{0};
    } // clang-format on
    void Watch()
    {
#ifdef Q_OS_WIN
        QSKIP("a console event, not a signal, ends the watch on Windows");
#endif
        QFETCH(QString, releases);
        QFETCH(QString, options);
        QFETCH(QStringList, polls);
        QFETCH(bool, silent);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QList<int>, requests);
        Fleet f(releases);
        SignalInterrupts interrupts;
        f.options.Interrupts = &interrupts;
        f.options.WatchIntervalMs = 1;
        // A unit that waits for another to be written waits as long as a loaded machine needs.
        f.options.ReplyTimeoutMs = polls.join(QLatin1Char(' ')).contains(QLatin1Char('^')) ? 60000 : 300;
        f.options.Now = [] { return QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5), QTimeZone(3600)); };
        for (const auto &device : f.devices) {
            device->Unplug();
        }
        if (silent) {
            f.devices.front()->InjectFault(SimulatedFault::FallSilent, 11);
        }
        int looked = 0;
        QStringList during; // the steps for device 0's write
        QStringList after;  // the steps once device 1 is written
        const auto take = [&f](const QString &step) {
            if (step == QLatin1String("C")) {
                std::raise(SIGINT);
            } else if (step.contains(QLatin1Char('@'))) {
                f.backend.ReusePath(step.section(QLatin1Char('@'), 1).toUInt(),
                                    step.section(QLatin1Char('@'), 0, 0).toUInt());
            } else if (step.startsWith(QLatin1Char('+'))) {
                f.devices.at(step.mid(1).toInt())->PlugIn();
            } else {
                f.devices.at(step.mid(1).toInt())->Unplug();
            }
        };
        int beyond = 0; // looks after the last steps
        f.options.WatchPolled = [&](int) {
            const QStringList steps = polls.value(looked).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (looked == polls.size()) {
                ++beyond;
                return;
            }
            if (f.backend.ClaimsHeld() > 0 && steps.value(0) != QLatin1String("!")) {
                return;
            }
            ++looked;
            for (const QString &step : steps) {
                if (step == QLatin1String("!")) {
                    continue;
                }
                if (step.startsWith(QLatin1Char('~'))) {
                    during.append(step.mid(1));
                } else if (step.startsWith(QLatin1Char('^'))) {
                    after.append(step.mid(1));
                } else {
                    take(step);
                }
            }
        };
        QTimer writing;
        QObject::connect(&writing, &QTimer::timeout, [&] {
            if (!during.isEmpty() && f.devices.front()->RequestCount() >= 100) {
                for (const QString &step : std::exchange(during, {})) {
                    take(step);
                }
            }
            if (!after.isEmpty() && f.devices.at(1)->RequestCount() >= 264) {
                for (const QString &step : std::exchange(after, {})) {
                    take(step);
                }
            }
        });
        writing.start(1);
        QCOMPARE(f(QStringLiteral("write @distinct.dat --force --watch ") + options), exit);
        const QString held = QStringLiteral(": the KORVELT holds part of the old and part of the new schedule");
        const auto lines = [&](QString text) {
            text = f.Expanded(text)
                       .replace(QStringLiteral("%1"), QStringLiteral("stopped answering at block 4 of 64") + held)
                       .replace(QStringLiteral("%2"), QStringLiteral("unplugged at block 4 of 64") + held);
            QStringList all = text.split(QLatin1Char('\n'));
            all.sort();
            return all;
        };
        QCOMPARE(lines(f.out), lines(out));
        QCOMPARE(lines(f.err), lines(err));
        QCOMPARE(looked, exit == ExitUsage ? 0 : polls.size());
        QCOMPARE(beyond, 0); // it ends at the look that saw Ctrl+C, or with the last unit --count takes
        QVERIFY(during.isEmpty());
        QVERIFY(after.isEmpty());
        for (qsizetype i = 0; i < requests.size(); ++i) {
            QCOMPARE(f.devices.at(i)->RequestCount(), requests.at(i));
        }
    }

    // The log: a header when the file is new, then one line per device as it is done, appended
    // to what the file held; the checksum is the file's SHA-256, as sha256sum prints it.
    void WatchLog()
    {
#ifdef Q_OS_WIN
        QSKIP("a console event, not a signal, ends the watch on Windows");
#endif
        Fleet f(QStringLiteral("nnt"));
        SignalInterrupts interrupts;
        f.options.Interrupts = &interrupts;
        f.options.WatchIntervalMs = 1;
        f.options.ReplyTimeoutMs = 300;
        f.options.Now = [] { return QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5), QTimeZone(3600)); };
        f.devices.at(1)->InjectFault(SimulatedFault::FallSilent, 11);
        // Rows in the order the units ended: compared as a set, the header first.
        const auto rows = [](const QString &log) {
            QStringList all = log.split(QLatin1Char('\n'));
            std::sort(all.begin() + 1, all.end());
            return all;
        };
        QStringList lines;
        bool raised = false;
        f.options.WatchPolled = [&](int) {
            // Each unit, once it is done, is in the log before the next look; the watch ends once
            // all three are.
            const QString log = QString::fromUtf8(f.Contents(QStringLiteral("log.csv")));
            lines = rows(log);
            const bool all = log.contains(QStringLiteral(",sim:0,")) && log.contains(QStringLiteral(",sim:1,")) &&
                             log.contains(QStringLiteral(",sim:2,"));
            if (all && !std::exchange(raised, true)) {
                std::raise(SIGINT);
            }
        };
        const QString sum = QString::fromLatin1(
            QCryptographicHash::hash(f.Contents(QStringLiteral("distinct.dat")), QCryptographicHash::Sha256).toHex());
        // The columns after the result came later: an older log keeps its header and gains them.
        const QString header = QStringLiteral("time,serial,version,sha256,result,path,message,korveltctl\r\n");
        const QString logged = header + "2030-01-02T03:04:05+01:00,11,KORVELT 1.05," + sum +
                               ",written-verified,sim:0,written and verified,1.00\r\n" +
                               "2030-01-02T03:04:05+01:00,12,KORVELT 1.05," + sum +
                               ",timed-out,sim:1,stopped answering at block 4 of 64: the KORVELT holds part of the old "
                               "and part of the new schedule,1.00\r\n" +
                               "2030-01-02T03:04:05+01:00,13,\"KORVELT\t1.05\nx\"," + sum +
                               ",written-verified,sim:2,written and verified,1.00\r\n";
        QCOMPARE(f(QStringLiteral("write @distinct.dat --force --watch --log @log.csv")), 5);
        QCOMPARE(lines, rows(logged)); // as the last look found it
        QCOMPARE(rows(QString::fromUtf8(f.Contents(QStringLiteral("log.csv")))), rows(logged));
        const QString first = QString::fromUtf8(f.Contents(QStringLiteral("log.csv")));
        // A second run appends, with no second header.
        for (const auto &device : f.devices) {
            device->Unplug();
        }
        f.devices.front()->PlugIn();
        raised = false; // the log holds every unit already: the first look ends this run
        // The checksum is the file's own, for JSON too, as sha256sum prints it.
        const QString jsonSum = QString::fromLatin1(
            QCryptographicHash::hash(f.Contents(QStringLiteral("distinct.json")), QCryptographicHash::Sha256).toHex());
        QCOMPARE(f(QStringLiteral("write @distinct.json --force --watch --log @log.csv --no-verify")), 0);
        QCOMPARE(QString::fromUtf8(f.Contents(QStringLiteral("log.csv"))),
                 first + "2030-01-02T03:04:05+01:00,11,KORVELT 1.05," + jsonSum + ",written,sim:0,written,1.00\r\n");
        QCOMPARE(f(QStringLiteral("write @distinct.dat --force --log @log.csv")), 2);
        QCOMPARE(f.err,
                 QStringLiteral("korveltctl: write: --set-clock, --log, --count and --retry are for --watch (see "
                                "korveltctl --help)\n"));
        QCOMPARE(f(QStringLiteral("write @distinct.dat --force --watch --log @")), 4);
        QVERIFY(f.err.startsWith(f.Expanded(QStringLiteral("korveltctl: @: cannot be written: "))));
    }

    // --retry writes a unit that failed again, without its being plugged in again.
    void WatchRetry()
    {
        Fleet f(QStringLiteral("n"));
        f.options.WatchIntervalMs = 1;
        // Memory erased halfway through the write: the first write's read-back finds block 0 erased.
        f.devices.front()->InjectFault(SimulatedFault::EraseMemory, 12);
        QCOMPARE(f(QStringLiteral("write @distinct.dat --force --watch --count 1 --retry 1 --quiet")), 0);
        QCOMPARE(f.out, QString());
        QCOMPARE(f.err, QString());
        QCOMPARE(f.devices.front()->RequestCount(), 133 + 3 + 264); // the write, its read-back to block 0, again
        QCOMPARE(f(QStringLiteral("write @distinct.dat --force --watch --count 1 --retry -1")), 2);
    }

    // A log that cannot take a row: the row is not left cut short, no further KORVELT is
    // programmed without its row, and the next run starts on a line of its own. The file size
    // limit stands in for a full disk.
    void WatchLogFull()
    {
#ifdef Q_OS_WIN
        QSKIP("no file size limit on Windows");
#else
        Fleet f(QStringLiteral("nnn"));
        SignalInterrupts interrupts;
        f.options.Interrupts = &interrupts;
        f.options.WatchIntervalMs = 1;
        f.options.Now = [] { return QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5), QTimeZone(3600)); };
        // The second unit once the first's row is in, and the third once the second's row has
        // failed: no look takes it, for no look follows.
        for (const auto &device : f.devices) {
            device->Unplug();
        }
        int plugged = 0;
        f.options.WatchPolled = [&f, &plugged](int) {
            const bool firstRow = f.Contents(QStringLiteral("log.csv")).count('\n') == 2;
            if (plugged == 0 || (plugged == 1 && firstRow) || (plugged == 2 && !f.err.isEmpty())) {
                f.devices.at(plugged++)->PlugIn();
            }
            if (plugged == 3) {
                std::raise(SIGINT); // a line that went on regardless ends all the same
            }
        };
        const QByteArray sum =
            QCryptographicHash::hash(f.Contents(QStringLiteral("distinct.dat")), QCryptographicHash::Sha256).toHex();
        const QByteArray header = "time,serial,version,sha256,result,path,message,korveltctl\r\n";
        const QByteArray first = "2030-01-02T03:04:05+01:00,11,KORVELT 1.05," + sum +
                                 ",written-verified,sim:0,written and verified,1.00\r\n";
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit limit = before;
        limit.rlim_cur = static_cast<rlim_t>(header.size() + first.size() + 40); // the second row is cut
        const auto xfsz = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const int exit = f(QStringLiteral("write @distinct.dat --force --watch --log @log.csv --quiet"));
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &before), 0);
        std::signal(SIGXFSZ, xfsz);
        QCOMPARE(exit, 4);
        QCOMPARE(f.err, f.Expanded(QStringLiteral("korveltctl: @log.csv: cannot be written: File too large; no more "
                                                  "KORVELTs are taken\n")));
        QCOMPARE(f.Contents(QStringLiteral("log.csv")), header + first);
        QCOMPARE(f.devices.at(2)->RequestCount(), 0);
        // A row an older program left cut short is ended before this run's first.
        QFile log(f.dir.filePath(QStringLiteral("log.csv")));
        QVERIFY(log.open(QIODevice::Append) && log.write("2030-01-02T03:04:05,12,KORV") > 0);
        log.close();
        f.devices.at(0)->Unplug();
        f.devices.at(1)->Unplug();
        f.options.WatchPolled = [&f](int poll) {
            if (poll == 0) {
                f.devices.at(2)->PlugIn();
            } else {
                std::raise(SIGINT);
            }
        };
        QCOMPARE(f(QStringLiteral("write @distinct.dat --force --watch --log @log.csv --quiet")), 0);
        QCOMPARE(f.Contents(QStringLiteral("log.csv")),
                 header + first + "2030-01-02T03:04:05,12,KORV\r\n2030-01-02T03:04:05+01:00,13,KORVELT 1.05," + sum +
                     ",written-verified,sim:2,written and verified,1.00\r\n");
#endif
    }

    // A signal that was ignored when korveltctl started (nohup, trap '' HUP) stays ignored:
    // the write and the watch go on.
    void IgnoredHangUp()
    {
#ifdef Q_OS_WIN
        QSKIP("no SIGHUP on Windows");
#else
        const auto previous = std::signal(SIGHUP, SIG_IGN);
        Fleet f(QStringLiteral("n"));
        SignalInterrupts interrupts;
        f.options.Interrupts = &interrupts;
        QTimer hangUp;
        bool raised = false;
        QObject::connect(&hangUp, &QTimer::timeout, [&] {
            if (!raised && f.devices.front()->RequestCount() > 40) {
                raised = true;
                std::raise(SIGHUP);
            }
        });
        hangUp.start(1);
        const int written = f(QStringLiteral("write @distinct.dat --force"));
        f.options.WatchIntervalMs = 1;
        f.options.WatchPolled = [](int poll) { std::raise(poll == 0 ? SIGHUP : SIGINT); };
        const int watched = f(QStringLiteral("write @distinct.dat --force --watch --quiet"));
        std::signal(SIGHUP, previous);
        QVERIFY(raised);
        QCOMPARE(written, 0);
        QCOMPARE(watched, 0);
        QCOMPARE(f.devices.front()->RequestCount(), 264 + 264); // the write whole, then the watch's
#endif
    }

    // A KORVELT another program talks to is asked nothing: each device command claims it for
    // its whole exchange, and one that finds it claimed waits a moment (a list elsewhere holds a
    // device only while it asks who it is), then fails.
    void Busy_data() // clang-format off
    {
        QTest::addColumn<bool>("moment"); // the other program lets go after a moment
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString busy = QStringLiteral("busy: in use by another program");
        QTest::newRow("write") << false << "write @distinct.dat --force" << 6 << "" << "korveltctl: sim:0: " + busy + "\n";
        QTest::newRow("write, held a moment") << true << "write @distinct.dat --force" << 0
                                              << "sim:0 (serial 11): written and verified\n" << "";
        QTest::newRow("write --device SERIAL") << false << "write @distinct.dat --force --device 11" << 6 << ""
                                               << "korveltctl: " + busy + "\n";
        QTest::newRow("read --device SERIAL, held a moment") << true << "read @out.dat --device 11" << 0
                                                             << "sim:0 (serial 11): read into @out.dat\n" << "";
        QTest::newRow("verify --all") << false << "verify @distinct.dat --all" << 6 << "" << "korveltctl: sim:0: " + busy + "\n";
        QTest::newRow("list") << false << "list" << 0 << "sim:0\t-\t-\t" + busy + "\n" << "";
        QTest::newRow("write --dry-run") << false << "write @distinct.dat --force --dry-run" << 6 << "" << "korveltctl: sim:0: " + busy + "\n";
        const QString document = QStringLiteral(R"({"devices":[{"path":"sim:0","serial":null,"version":null,"result":"busy",)"
                                                R"("exit":%1,"message":"%2","differences":[]}],"exit":%1})");
        QTest::newRow("list --json") << false << "list --json" << 0 << document.arg(0).arg(busy) << "";
        QTest::newRow("write --json") << false << "write @distinct.dat --force --json" << 6 << document.arg(6).arg(busy)
                                      << "korveltctl: sim:0: " + busy + "\n";
    } // clang-format on
    void Busy()
    {
        QFETCH(bool, moment);
        QFETCH(QString, line);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(QString, err);
        Fleet f(QStringLiteral("n"));
        // Claims through lock files, as between two programs: the other one lets go on a
        // thread of its own.
        f.backend.SetClaimFolder(f.dir.path().toStdString());
        std::unique_ptr<HidClaim> held = f.backend.Claim("sim:0");
        QVERIFY(held != nullptr);
        std::thread other;
        if (moment) {
            other = std::thread([&held] {
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
                held.reset();
            });
        }
        const int status = f(line);
        if (other.joinable()) {
            other.join();
        }
        QCOMPARE(status, exit);
        if (out.startsWith(QLatin1Char('{'))) {
            QCOMPARE(QJsonDocument::fromJson(f.outBytes).toJson(QJsonDocument::Compact),
                     QJsonDocument::fromJson(out.toUtf8()).toJson(QJsonDocument::Compact));
        } else {
            QCOMPARE(f.out, f.Expanded(out));
        }
        QCOMPARE(f.err, err);
        QCOMPARE(f.devices.front()->RequestCount() == 0, !moment);
    }

    // A list while a write is under way asks the KORVELT being written nothing, without waiting
    // for it, and the write goes on undisturbed.
    void ListDuringWrite()
    {
        Fleet f(QStringLiteral("n"));
        QTimer listing;
        std::optional<ProbedDevice> probed;
        QObject::connect(&listing, &QTimer::timeout, [&] {
            if (!probed && f.devices.front()->RequestCount() > 50) {
                probed = ProbeDevice(f.backend, KorveltInterfaces(f.backend).front(), 1000, 0);
            }
        });
        listing.start(1);
        QCOMPARE(f(QStringLiteral("write @distinct.dat --force")), 0);
        QVERIFY(probed.has_value());
        QCOMPARE(probed->Problem, ProbeProblem::Busy);
        QCOMPARE(f.devices.front()->RequestCount(), 264);
    }

    // A report the KORVELT held back from an earlier program (an interrupted run, a stray
    // duplicate) is dropped before the first request: it is not taken for the answer. One that
    // comes later (a fault at the request `at`) is told apart by asking or reading again.
    void StaleReport_data() // clang-format off
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("out");
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("at");
        const auto none = SimulatedFault::None;
        QTest::newRow("write") << "write @distinct.dat --force" << 0 << "sim:0 (serial 11): written and verified\n" << none << 0;
        QTest::newRow("verify") << "verify @distinct.dat" << 0 << "sim:0 (serial 11): holds @distinct.dat\n" << none << 0;
        QTest::newRow("list") << "list" << 0 << "sim:0\t11\tKORVELT 1.05\tready\n" << none << 0;
        QTest::newRow("clock read") << "clock read" << 0 << "sim:0 (serial 11): clock 2011-05-05 06:07:08\n" << none << 0;
        QTest::newRow("a stray report before the identity reply") << "write @distinct.dat --force" << 0
            << "sim:0 (serial 11): written and verified\n" << SimulatedFault::StrayReport << 0;
        QTest::newRow("a stray report in the read-back") << "write @distinct.dat --force" << 0
            << "sim:0 (serial 11): written and verified\n" << SimulatedFault::ExtraReport << 150;
    } // clang-format on
    void StaleReport()
    {
        QFETCH(QString, line);
        QFETCH(int, exit);
        QFETCH(QString, out);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, at);
        Fleet f(QStringLiteral("n"));
        QCOMPARE(f(QStringLiteral("write @distinct.dat --force --no-verify")), 0);
        f.devices.front()->SetClock(DateOf(2011, 5, 5) + TimeOf(6, 7, 8));
        Report stale{};
        stale.fill(0x42);
        stale.at(0) = 0;
        if (fault == SimulatedFault::None) {
            f.devices.front()->HoldBackReport(stale);
        }
        f.devices.front()->InjectFault(fault, at);
        QCOMPARE(f(line), exit);
        QCOMPARE(f.out, f.Expanded(out));
        QCOMPARE(f.err, QString());
    }

    // The progress bar fits the terminal: a line that wraps leaves stale lines behind.
    void ProgressBar_data()
    {
        QTest::addColumn<int>("columns");
        QTest::newRow("80 columns") << 80;
        QTest::newRow("30 columns") << 30;
        QTest::newRow("12 columns") << 12;
    }
    void ProgressBar()
    {
        QFETCH(int, columns);
        Fleet f(QStringLiteral("n"));
        f.options.ProgressBar = true;
        f.options.TerminalWidth = [columns] { return columns; };
        QCOMPARE(f(QStringLiteral("write @distinct.dat --force")), 0);
        const QStringList drawn = f.err.split(QLatin1Char('\r'));
        QVERIFY(drawn.size() > 10);
        for (const QString &text : drawn) {
            QVERIFY2(text.size() < columns, qPrintable(text));
        }
        QVERIFY(f.err.contains(QLatin1String("100%")));
        QVERIFY(f.err.endsWith(QLatin1Char('\r'))); // the line is left empty
    }

#ifndef Q_OS_WIN
    // The program itself, as a script runs it: what it prints to standard error and its exit
    // status where standard output is full or closed, and the report without a display.
    void Process_data() // clang-format off
    {
        QTest::addColumn<QString>("command"); // for sh; @ the folder, %K the program
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("err");
        QTest::newRow("standard output full") << "%K export @distinct.dat >/dev/full" << 4
                                              << "korveltctl: standard output: No space left on device\n";
        QTest::newRow("standard output closed") << "%K export @distinct.dat >&-" << 4
                                                << "korveltctl: standard output: Bad file descriptor\n";
        QTest::newRow("standard output closed, -o") << "%K export @distinct.dat -o @out.json >&-" << 0 << "";
        QTest::newRow("read - to a full disk") << "%K --demo read - >/dev/full" << 4
                                               << "korveltctl: standard output: No space left on device\n";
        QTest::newRow("errors before the summary")
            << "(KORVELT_DEMO_FAULT='sim:1 unplug 50' %K --demo 2 write @distinct.dat --all --force 2>&1) >&2" << 5
            << "sim:0 (serial 1): written and verified\n"
               "korveltctl: sim:1 (serial 2): unplugged at block 23 of 64: the KORVELT holds part of the old and part of "
               "the new schedule\n1 of 2 written and verified; 1 failed\n";
        // The test holds the claim on the demo KORVELT sim:0 as another program would.
        QTest::newRow("a KORVELT another program holds")
            << "KORVELT_DEMO_CLAIMS=@claims %K --demo write @distinct.dat --force" << 6
            << "korveltctl: sim:0: busy: in use by another program\n";
        QTest::newRow("a KORVELT another program holds, list")
            << "KORVELT_DEMO_CLAIMS=@claims %K --demo list >&2" << 0 << "sim:0\t-\t-\tbusy: in use by another program\n";
        // The user's language: the words change, the exit status does not; LC_ALL=C (and a
        // language the tool does not speak) is English, byte for byte.
        QTest::newRow("German")
            << "(LANGUAGE=de LANG=de_DE.UTF-8 KORVELT_DEMO_FAULT='sim:1 unplug 50' %K --demo 2 write @distinct.dat --all "
               "--force 2>&1) >&2" << 5
            << "sim:0 (Seriennr. 1): geschrieben und verifiziert\n"
               "korveltctl: sim:1 (Seriennr. 2): abgezogen, bei Block 23 von 64: die KORVELT enthält teils das alte, "
               "teils das neue Schaltprogramm\n1 von 2 geschrieben und verifiziert; 1 fehlgeschlagen\n";
        QTest::newRow("LANGUAGE before LANG") << "LANGUAGE=pt:fr:de LANG=de_DE.UTF-8 %K --demo wirte" << 2
                                              << "korveltctl: commande inconnue wirte (voir korveltctl --help)\n";
        QTest::newRow("LC_ALL=C is English")
            << "(LC_ALL=C LANGUAGE=de LANG=de_DE.UTF-8 KORVELT_DEMO_FAULT='sim:1 unplug 50' %K --demo 2 write "
               "@distinct.dat --all --force 2>&1) >&2" << 5
            << "sim:0 (serial 1): written and verified\n"
               "korveltctl: sim:1 (serial 2): unplugged at block 23 of 64: the KORVELT holds part of the old and part of "
               "the new schedule\n1 of 2 written and verified; 1 failed\n";
        QTest::newRow("a language not spoken is English")
            << "LANG=pt_BR.UTF-8 %K --demo wirte" << 2 << "korveltctl: unknown command wirte (see korveltctl --help)\n";
        QTest::newRow("Polish usage error")
            << "LANG=pl_PL.UTF-8 %K --demo list --all" << 2
            << "korveltctl: list: nieznana opcja --all (zobacz korveltctl --help)\n";
        QTest::newRow("JSON refused in Italian")
            << "cd @ && printf '{\"format\": 1}' >bad.json && LANG=it_IT.UTF-8 %K import bad.json -o x.dat" << 4
            << "korveltctl: bad.json: format: è atteso \"KORVELT schedule\"\n";
        QTest::newRow("holidays in Spanish")
            << "LANG=es_ES.UTF-8 %K holidays --preset es --year 2027 2>&1 | grep -- -10-12 >&2" << 0
            << "2027-10-12 Tue Fiesta Nacional de España\n";
        QTest::newRow("report, xcb and no display")
            << "env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=xcb %K report @distinct.dat -o @out.pdf"
            << 0 << "";
    } // clang-format on
    void Process()
    {
        QFETCH(QString, command);
        QFETCH(int, exit);
        QFETCH(QString, err);
        Fleet f(QString{});
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("claims")));
        const std::unique_ptr<HidClaim> held =
            ClaimFile(f.dir.filePath(QStringLiteral("claims/sim-0.lock")).toStdString(), true);
        QVERIFY(held != nullptr);
        QProcess sh;
        // English unless a row asks for a language, whatever the machine's own.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
            environment.remove(QLatin1String(variable));
        }
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        sh.setProcessEnvironment(environment);
        sh.start(QStringLiteral("/bin/sh"),
                 {QStringLiteral("-c"), f.Expanded(command).replace(QStringLiteral("%K"), QStringLiteral(KORVELTCTL))});
        QVERIFY(sh.waitForFinished(120000));
        QCOMPARE(sh.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(sh.readAllStandardError()), err);
        QCOMPARE(sh.exitCode(), exit);
    }

    // A command in a language and with LC_ALL=C: the same exit status; what a script reads as
    // data the same bytes in every language (export's JSON); with --json each device's result
    // and exit the same, and its message in the language.
    void Languages_data() // clang-format off
    {
        QTest::addColumn<QString>("language"); // variables for sh
        QTest::addColumn<QString>("line");     // for sh: %K the program, @ the folder
        QTest::addColumn<bool>("messages");    // --json, its messages in the language; else the same bytes
        for (const char *locale : {"en_IE", "de_AT", "fr_CH", "it_IT", "nl_BE", "es_ES", "pl_PL"}) {
            QTest::newRow(qPrintable(QStringLiteral("same data, ") + QLatin1String(locale)))
                << QStringLiteral("LANG=%1.UTF-8").arg(QLatin1String(locale)) << "%K export @distinct.dat" << false;
        }
        QTest::newRow("write, de") << "LANGUAGE=de"
                                   << "KORVELT_DEMO_FAULT='sim:1 unplug 50' %K --demo 3 write @distinct.dat --all --force --json"
                                   << true;
        QTest::newRow("verify, fr") << "LANGUAGE=fr" << "%K --demo 2 verify @distinct.dat --all --json" << true;
        QTest::newRow("clock, nl") << "LANGUAGE=nl" << "%K --demo 2 clock set --at '2030-01-02 03:04:05' --all --dry-run --json"
                                   << true;
        QTest::newRow("read, pl") << "LANGUAGE=pl" << "KORVELT_DEMO_FAULT='sim:0 silence 5' %K --demo read @out.dat --json"
                                  << true;
        QTest::newRow("list, es") << "LANGUAGE=es" << "%K --demo 2 list --json" << true;
        QTest::newRow("failed as a whole, it") << "LANGUAGE=it" << "%K --demo verify @missing.dat --json" << true;
    } // clang-format on
    void Languages()
    {
        QFETCH(QString, language);
        QFETCH(QString, line);
        QFETCH(bool, messages);
        Fleet f(QString{});
        const auto run = [&f, &line](const QString &variables, QByteArray &out) {
            QProcess sh;
            sh.start(QStringLiteral("/bin/sh"),
                     {QStringLiteral("-c"),
                      QStringLiteral("unset LC_ALL LC_MESSAGES LANGUAGE; export LANG=de_DE.UTF-8 %1; %2 2>/dev/null")
                          .arg(variables, f.Expanded(line).replace(QStringLiteral("%K"), QStringLiteral(KORVELTCTL)))});
            const bool finished = sh.waitForFinished(120000);
            out = sh.readAllStandardOutput();
            return finished ? sh.exitCode() : -1;
        };
        QByteArray english;
        QByteArray spoken;
        const int exit = run(QStringLiteral("LC_ALL=C"), english);
        QCOMPARE(run(language, spoken), exit);
        if (!messages) {
            QVERIFY(!english.isEmpty());
            QCOMPARE(spoken, english);
            return;
        }
        const QJsonObject a = QJsonDocument::fromJson(english).object();
        const QJsonObject b = QJsonDocument::fromJson(spoken).object();
        QCOMPARE(b.value(QStringLiteral("exit")), a.value(QStringLiteral("exit")));
        QCOMPARE(b.value(QStringLiteral("message")).isString(), a.value(QStringLiteral("message")).isString());
        QVERIFY(b.value(QStringLiteral("message")).toString() != a.value(QStringLiteral("message")).toString() ||
                a.value(QStringLiteral("message")).toString().isEmpty());
        const QJsonArray devices = a.value(QStringLiteral("devices")).toArray();
        QCOMPARE(b.value(QStringLiteral("devices")).toArray().size(), devices.size());
        QVERIFY(!devices.isEmpty() || a.contains(QStringLiteral("message")));
        for (qsizetype i = 0; i < devices.size(); ++i) {
            const QJsonObject d = devices.at(i).toObject();
            const QJsonObject t = b.value(QStringLiteral("devices")).toArray().at(i).toObject();
            QCOMPARE(t.value(QStringLiteral("result")), d.value(QStringLiteral("result")));
            QCOMPARE(t.value(QStringLiteral("exit")), d.value(QStringLiteral("exit")));
            QVERIFY2(t.value(QStringLiteral("message")) != d.value(QStringLiteral("message")),
                     qPrintable(d.value(QStringLiteral("message")).toString()));
        }
    }
#endif
};

QTEST_MAIN(TestKorveltctl) // the report needs QtGui
#include "test_korveltctl.moc"
