// The schedule's JSON form: .dat to JSON to .dat gives back the same bytes for every file the
// loader accepts and for values the device cannot hold, and JSON that is not a schedule is
// refused, naming the place. The CSV export, briefly.

#include "text/DataFile.h"
#include "text/ScheduleCsv.h"
#include "text/ScheduleJson.h"
#include "TestSchedules.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <bit>
#include <cmath>
#include <limits>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

// Values that are not whole-second times of day or whole dates in range, as real files hold.
ScheduleModel OddSchedule()
{
    ScheduleModel model = DistinctSchedule();
    TimeSlot &first = model.NormalTimes.at(0).at(0);
    first.Start = std::bit_cast<TDateTime>(std::uint64_t{0x7ff8000000000123}); // NaN with a payload
    first.End = -0.0;
    first.Days = {2, 0, 1, 255, 0, 0, 128};
    model.NormalTimes.at(0).at(1).Start = std::nextafter(TimeOf(8, 0, 0), 1.0);
    model.NormalTimes.at(0).at(1).End = -0.25;
    model.SpecialTimes.at(15).at(15).Start = 40118.5; // a date and a time
    model.SpecialTimes.at(15).at(15).End = std::numeric_limits<double>::infinity();
    model.SpecialTimes.at(7).at(3).End = TimeOf(23, 59, 59, 999);
    model.SpecialDates.at(0) = DateOf(1999, 12, 31);
    model.SpecialDates.at(1) = DateOf(2256, 1, 1);
    model.SpecialDates.at(2) = 40118.5;
    model.SpecialDates.at(3) = -std::numeric_limits<double>::quiet_NaN();
    model.DaylightSaving = {7, -1, 5, 12, std::numeric_limits<std::int32_t>::min()};
    return model;
}

// The JSON of DistinctSchedule with the value at `path` (keys and indexes) replaced, added at
// the end of an array, or with Undefined removed.
QByteArray Edited(const QStringList &path, const QJsonValue &value)
{
    const std::function<QJsonValue(const QJsonValue &, qsizetype)> set = [&](const QJsonValue &at, qsizetype depth) {
        if (depth == path.size()) {
            return value;
        }
        const QString &key = path.at(depth);
        const bool last = depth + 1 == path.size() && value.isUndefined();
        if (at.isArray()) {
            QJsonArray array = at.toArray();
            const int index = key.toInt();
            if (last) {
                array.removeAt(index);
            } else if (index == array.size()) {
                array.append(set(array.last(), depth + 1));
            } else {
                array[index] = set(array.at(index), depth + 1);
            }
            return QJsonValue(array);
        }
        QJsonObject object = at.toObject();
        if (last) {
            object.remove(key);
        } else {
            object[key] = set(object.value(key), depth + 1);
        }
        return QJsonValue(object);
    };
    const QJsonValue top = QJsonDocument::fromJson(ScheduleToJson(DistinctSchedule())).object();
    return QJsonDocument(set(top, 0).toObject()).toJson();
}

} // namespace

class TestScheduleJson : public QObject {
    Q_OBJECT

private slots:
    // Every file the loader accepts, its unread bytes included, and schedules made here.
    void RoundTrip_data()
    {
        QTest::addColumn<QByteArray>("file"); // the data file's 12472 bytes
        QTest::addColumn<bool>("readable");   // every value as text, no stored bytes or numbers
        const QDir corpus(QStringLiteral(KORVELT_DATAFILE_CORPUS));
        int loaded = 0;
        for (const QString &name : corpus.entryList({QStringLiteral("*.dat")}, QDir::Files)) {
            QFile file(corpus.filePath(name));
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(DataFileSize) : QByteArray();
            if (DecodeDataFile(std::span(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size())).Outcome ==
                DataFileOutcome::Loaded) {
                ++loaded;
                QTest::newRow(qPrintable(name)) << bytes << (name != QLatin1String("mixed.dat"));
            }
        }
        QVERIFY(loaded >= 3);
        QTest::newRow("defaults") << Bytes(EncodeDataFile(ScheduleModel{})) << true;
        QTest::newRow("distinct") << Bytes(EncodeDataFile(DistinctSchedule())) << true;
        QTest::newRow("odd values") << Bytes(EncodeDataFile(OddSchedule())) << false;
    }
    void RoundTrip()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, readable);
        DataFileImage image{};
        std::copy(file.begin(), file.end(), image.begin());
        const QByteArray json = DataFileToJson(image);
        QCOMPARE(!json.contains("\"bits\"") && !json.contains("\"dataFile\""), readable);
        const ScheduleJsonResult back = ScheduleFromJson(json);
        QVERIFY2(back.Model, qPrintable(back.Error));
        QCOMPARE(Bytes(back.File), file);
        QCOMPARE(Bytes(EncodeDataFile(*back.Model)), Bytes(EncodeDataFile(DecodeDataFile(image).Model)));
        QCOMPARE(DataFileToJson(back.File), json);
    }

    void Refusals_data() // clang-format off
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *name, const QString &path, const QJsonValue &value, const char *error) {
            QTest::newRow(name) << Edited(path.split(QLatin1Char('.')), value) << QString::fromLatin1(error);
        };
        const QJsonValue removed(QJsonValue::Undefined);
        row("unknown key", QStringLiteral("outputs.3.normal.0.colour"), QStringLiteral("red"),
            "outputs[3].normal[0].colour: unknown key");
        row("wrong type", QStringLiteral("outputs.2.normal.5.days"), 5, "outputs[2].normal[5].days: an array");
        row("25:00", QStringLiteral("outputs.3.normal.15.start"), QStringLiteral("25:00"),
            "outputs[3].normal[15].start: \"25:00\" is not a time");
        row("17th slot", QStringLiteral("outputs.3.normal.16"), QJsonObject(), "outputs[3].normal[16]: one slot too many");
        row("missing output", QStringLiteral("outputs.15"), removed, "outputs[15]: missing; there are 16 outputs");
        row("missing end", QStringLiteral("outputs.0.special.2.end"), removed, "outputs[0].special[2].end: missing");
                row("day bytes disagree", QStringLiteral("outputs.1.normal.0.dayBytes"), QJsonArray{0, 0, 0, 0, 0, 0, 0},
            "outputs[1].normal[0].dayBytes[4]: does not agree");
        row("date out of range", QStringLiteral("specialDates.4"), QStringLiteral("2300-01-01"), "specialDates[4]: \"2300-01-01\"");
        row("bad bits", QStringLiteral("specialDates.0"), QJsonObject{{QStringLiteral("bits"), QStringLiteral("xyz")}},
            "specialDates[0].bits: 16 hexadecimal digits");
        row("month", QStringLiteral("daylightSaving.advance.month"), QStringLiteral("Marchember"),
            "daylightSaving.advance.month: one of January");
                row("later version", QStringLiteral("version"), 2, "version: a later version");
        row("a byte the loader reads", QStringLiteral("dataFile.bytes.36"), 1, "dataFile.bytes.36: not a byte");
        row("a later data file", QStringLiteral("dataFile.bytes.0"), 2, "dataFile.bytes: the version would be a later one");
        QTest::newRow("not JSON") << QByteArray("{\n\"format\": ") << QStringLiteral("line 2: not JSON");
        QTest::newRow("a data file") << QByteArray("\x01\0\0\0KORVELT", 11) << QStringLiteral("neither a KORVELT data file");
    } // clang-format on
    void Refusals()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, error);
        const ScheduleJsonResult result = ScheduleFromJson(json);
        QVERIFY(!result.Model);
        QVERIFY2(result.Error.startsWith(error), qPrintable(result.Error));
    }

    void Csv()
    {
        const QList<QByteArray> rows = ScheduleToCsv(OddSchedule()).split('\n');
        QCOMPARE(rows.size(), 1 + 2 * OutputCount * SlotCount + 1); // and the empty rest after the last
        QCOMPARE(rows.at(0), QByteArray("output,table,slot,start,end,Sun,Mon,Tue,Wed,Thu,Fri,Sat\r"));
        QCOMPARE(rows.at(1), QByteArray("1,normal,1,nan,-0,2,0,1,255,0,0,128\r"));
        QCOMPARE(rows.at(3), QByteArray("1,normal,3,00:02:01,08:02:02,0,1,0,1,0,0,1\r"));
        QCOMPARE(rows.at(rows.size() - 2), QByteArray("16,special,16,40118.5,inf,0,1,0,1,1,1,1\r"));
    }
};

QTEST_GUILESS_MAIN(TestScheduleJson)
#include "test_schedulejson.moc"
