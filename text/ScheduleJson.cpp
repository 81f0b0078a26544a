#include "text/ScheduleJson.h"

#include "core/DeviceLimits.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace korvelt {

namespace {

// The refusals' texts, in the user's language; the keys, paths and values they name stay as
// the JSON has them.
class JsonText {
    Q_DECLARE_TR_FUNCTIONS(ScheduleJson)
};

const QString FormatName = QStringLiteral("KORVELT schedule");
constexpr std::array<const char *, DayCount> DayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};
constexpr std::array<const char *, WeekItemCount> WeekNames{"first", "second", "third", "fourth", "last"};
constexpr std::array<const char *, MonthItemCount> MonthNames{"January",   "February", "March",    "April",
                                                              "May",       "June",     "July",     "August",
                                                              "September", "October",  "November", "December"};

// A value kept as it is stored: its eight bytes as a double, in hexadecimal, and beside them
// the number for the reader (null when it is not finite).
QByteArray RawText(TDateTime value)
{
    const QByteArray number =
        std::isfinite(value) ? QByteArray::number(value, 'g', QLocale::FloatingPointShortest) : QByteArray("null");
    return R"({"bits":")" + QByteArray::number(std::bit_cast<std::uint64_t>(value), 16).rightJustified(16, '0') +
           R"(","number":)" + number + '}';
}

bool SameBits(TDateTime a, TDateTime b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// "YYYY-MM-DD" for a value that is exactly that day in the years the KORVELT holds.
QString WholeDateText(TDateTime value)
{
    if (!(value >= 0 && value < 1e6) || std::trunc(value) != value) {
        return {};
    }
    const DateParts date = DecodeDate(value);
    TDateTime exact = 0;
    if (date.Year < FirstDeviceYear || date.Year > LastDeviceYear ||
        !TryEncodeDate(date.Year, date.Month, date.Day, exact) || !SameBits(exact, value)) {
        return {};
    }
    return QString::asprintf("%04d-%02d-%02d", date.Year, date.Month, date.Day);
}

QByteArray TimeText(TDateTime value)
{
    const QString text = WholeSecondTimeText(value);
    return text.isEmpty() ? RawText(value) : '"' + text.toLatin1() + '"';
}

QByteArray DateText(TDateTime value)
{
    const QString text = WholeDateText(value);
    return text.isEmpty() ? RawText(value) : '"' + text.toLatin1() + '"';
}

// An item of the rule by its word, or the stored number when it is none of the items.
template <std::size_t N> QJsonValue ItemValue(std::int32_t value, const std::array<const char *, N> &names)
{
    return value >= 0 && value < static_cast<std::int32_t>(N) ? QJsonValue(QLatin1String(names.at(value)))
                                                              : QJsonValue(value);
}

// One slot on one line, its keys in the order JSON writers sort them.
QByteArray SlotLine(const TimeSlot &slot)
{
    QByteArrayList days;
    QByteArrayList bytes;
    bool plainBytes = true;
    for (int d = 0; d < DayCount; ++d) {
        if (slot.Days.at(d) != 0) {
            days.append('"' + QByteArray(DayNames.at(d)) + '"');
        }
        plainBytes = plainBytes && slot.Days.at(d) <= 1;
        bytes.append(QByteArray::number(slot.Days.at(d)));
    }
    return '{' + (plainBytes ? QByteArray() : "\"dayBytes\":[" + bytes.join(',') + "],") + "\"days\":[" +
           days.join(',') + "],\"end\":" + TimeText(slot.End) + ",\"start\":" + TimeText(slot.Start) + '}';
}

QByteArray Line(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// Why a JSON text is refused, and where.
struct Refusal {
    QString Path;
    QString Cause;
};

// The bytes of a data file the loader does not read: the version (any up to 1 loads alike),
// the reserved header bytes, the padding byte of each slot and the three after the rule's flag.
bool IsUnreadByte(std::size_t offset)
{
    constexpr std::size_t ReservedAt = DataFileNameOffset + DataFileName.size() + 1;
    constexpr std::size_t RuleAt = DataFileHeaderSize + 2 * SlotTableImageSize;
    return offset < DataFileNameOffset || (offset >= ReservedAt && offset < DataFileHeaderSize) ||
           (offset >= DataFileHeaderSize && offset < RuleAt &&
            (offset - DataFileHeaderSize) % TimeSlotImageSize == TimeSlotImageSize - 1) ||
           (offset > RuleAt && offset < RuleAt + 4);
}

QString Member(const QString &path, const QString &key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString Element(const QString &path, qsizetype index)
{
    return path + QStringLiteral("[%1]").arg(index);
}

QJsonObject ObjectAt(const QJsonValue &value, const QString &path, std::initializer_list<const char *> known)
{
    if (!value.isObject()) {
        throw Refusal{path, JsonText::tr("an object is expected")};
    }
    QJsonObject object = value.toObject();
    for (auto key = object.begin(); key != object.end(); ++key) {
        if (std::ranges::find_if(known, [&](const char *k) { return key.key() == QLatin1String(k); }) == known.end()) {
            throw Refusal{Member(path, key.key()), JsonText::tr("unknown key")};
        }
    }
    return object;
}

QJsonValue Required(const QJsonObject &object, const QString &path, const char *key)
{
    QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        throw Refusal{Member(path, QLatin1String(key)), JsonText::tr("missing")};
    }
    return value;
}

// What the elements of an array of the schedule are.
enum class Elements { Days, Slots, Outputs, Dates };

// The refusal of an array with one element too many; each has a fixed count above one.
QString TooMany(Elements elements, qsizetype count)
{
    switch (elements) {
    case Elements::Days:
        return JsonText::tr("one day too many; there are %1").arg(count);
    case Elements::Slots:
        return JsonText::tr("one slot too many; there are %1").arg(count);
    case Elements::Outputs:
        return JsonText::tr("one output too many; there are %1").arg(count);
    case Elements::Dates:
        break;
    }
    return JsonText::tr("one date too many; there are %1").arg(count);
}

// The refusal of an array that ends early.
QString Missing(Elements elements, qsizetype count)
{
    switch (elements) {
    case Elements::Days:
        return JsonText::tr("missing; there are %1 days").arg(count);
    case Elements::Slots:
        return JsonText::tr("missing; there are %1 slots").arg(count);
    case Elements::Outputs:
        return JsonText::tr("missing; there are %1 outputs").arg(count);
    case Elements::Dates:
        break;
    }
    return JsonText::tr("missing; there are %1 dates").arg(count);
}

// An array of exactly `count` elements, named by `elements` in the refusal.
QJsonArray ArrayAt(const QJsonValue &value, const QString &path, qsizetype count, Elements elements)
{
    if (!value.isArray()) {
        throw Refusal{path, JsonText::tr("an array is expected")};
    }
    QJsonArray array = value.toArray();
    if (array.size() > count) {
        throw Refusal{Element(path, count), TooMany(elements, count)};
    }
    if (array.size() < count) {
        throw Refusal{Element(path, array.size()), Missing(elements, count)};
    }
    return array;
}

// An integer in [low, high].
std::int64_t IntegerAt(const QJsonValue &value, const QString &path, std::int64_t low, std::int64_t high)
{
    const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!value.isDouble() || std::trunc(number) != number || number < static_cast<double>(low) ||
        number > static_cast<double>(high)) {
        throw Refusal{
            path,
            QCoreApplication::translate("ScheduleJson", "a whole number from %1 to %2 is expected").arg(low).arg(high)};
    }
    return static_cast<std::int64_t>(number);
}

TDateTime RawAt(const QJsonValue &value, const QString &path)
{
    const QJsonObject raw = ObjectAt(value, path, {"bits", "number"});
    const QJsonValue bits = Required(raw, path, "bits");
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{16}$"));
    if (!bits.isString() || !hex.match(bits.toString()).hasMatch()) {
        throw Refusal{Member(path, QStringLiteral("bits")), JsonText::tr("16 hexadecimal digits are expected")};
    }
    const QJsonValue number = raw.value(QLatin1String("number"));
    if (!number.isUndefined() && !number.isNull() && !number.isDouble()) {
        throw Refusal{Member(path, QStringLiteral("number")), JsonText::tr("a number or null is expected")};
    }
    return std::bit_cast<TDateTime>(bits.toString().toULongLong(nullptr, 16));
}

// The numbers of a text like "HH:MM:SS" or "YYYY-MM-DD": digits in the fields of the given
// widths, joined by `separator`; none when the text is of another shape.
std::optional<std::array<int, 3>> Fields(const QString &text, std::array<int, 3> widths, QChar separator)
{
    std::array<int, 3> fields{};
    qsizetype at = 0;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (f > 0 && (at >= text.size() || text.at(at++) != separator)) {
            return std::nullopt;
        }
        for (int digit = 0; digit < widths.at(f); ++digit, ++at) {
            if (at >= text.size() || !text.at(at).isDigit() || text.at(at).unicode() > '9') {
                return std::nullopt;
            }
            fields.at(f) = fields.at(f) * 10 + (text.at(at).unicode() - '0');
        }
    }
    return at == text.size() ? std::optional(fields) : std::nullopt;
}

TDateTime TimeAt(const QJsonValue &value, const QString &path)
{
    if (value.isObject()) {
        return RawAt(value, path);
    }
    const auto fields = Fields(value.toString(), {2, 2, 2}, QLatin1Char(':'));
    TDateTime time = 0;
    if (!value.isString() || !fields || !TryEncodeTime(fields->at(0), fields->at(1), fields->at(2), 0, time)) {
        throw Refusal{path, value.isString() ? JsonText::tr("\"%1\" is not a time HH:MM:SS").arg(value.toString())
                                             : JsonText::tr("a time \"HH:MM:SS\" is expected")};
    }
    return time;
}

TDateTime DateAt(const QJsonValue &value, const QString &path)
{
    if (value.isObject()) {
        return RawAt(value, path);
    }
    const auto fields = Fields(value.toString(), {4, 2, 2}, QLatin1Char('-'));
    TDateTime date = 0;
    if (!value.isString() || !fields || fields->at(0) < FirstDeviceYear || fields->at(0) > LastDeviceYear ||
        !TryEncodeDate(fields->at(0), fields->at(1), fields->at(2), date)) {
        throw Refusal{path, value.isString() ? JsonText::tr("\"%1\" is not a date YYYY-MM-DD from %2 to %3")
                                                   .arg(value.toString())
                                                   .arg(FirstDeviceYear)
                                                   .arg(LastDeviceYear)
                                             : JsonText::tr("a date \"YYYY-MM-DD\" is expected")};
    }
    return date;
}

template <std::size_t N>
std::int32_t ItemAt(const QJsonValue &value, const QString &path, const std::array<const char *, N> &names)
{
    if (value.isDouble()) {
        return static_cast<std::int32_t>(
            IntegerAt(value, path, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    }
    for (std::size_t i = 0; i < N; ++i) {
        if (value.toString() == QLatin1String(names.at(i))) {
            return static_cast<std::int32_t>(i);
        }
    }
    QStringList words;
    for (const char *name : names) {
        words.append(QLatin1String(name));
    }
    throw Refusal{
        path,
        QCoreApplication::translate("ScheduleJson", "one of %1 is expected").arg(words.join(QStringLiteral(", ")))};
}

TimeSlot SlotAt(const QJsonValue &value, const QString &path)
{
    const QJsonObject object = ObjectAt(value, path, {"start", "end", "days", "dayBytes"});
    TimeSlot slot;
    slot.Start = TimeAt(Required(object, path, "start"), Member(path, QStringLiteral("start")));
    slot.End = TimeAt(Required(object, path, "end"), Member(path, QStringLiteral("end")));
    const QString daysPath = Member(path, QStringLiteral("days"));
    const QJsonValue days = Required(object, path, "days");
    if (!days.isArray()) {
        throw Refusal{daysPath, JsonText::tr("an array of day names is expected")};
    }
    for (qsizetype i = 0; i < days.toArray().size(); ++i) {
        const QString name = days.toArray().at(i).toString();
        const auto *const day = std::ranges::find_if(DayNames, [&](const char *n) { return name == QLatin1String(n); });
        if (day == DayNames.end() || slot.Days.at(day - DayNames.begin()) != 0) {
            throw Refusal{Element(daysPath, i), JsonText::tr("a day name, Sunday to Saturday, once each, is expected")};
        }
        slot.Days.at(day - DayNames.begin()) = 1;
    }
    if (object.contains(QLatin1String("dayBytes"))) {
        const QString bytesPath = Member(path, QStringLiteral("dayBytes"));
        const QJsonArray bytes = ArrayAt(object.value(QLatin1String("dayBytes")), bytesPath, DayCount, Elements::Days);
        for (int d = 0; d < DayCount; ++d) {
            const auto byte = static_cast<std::uint8_t>(IntegerAt(bytes.at(d), Element(bytesPath, d), 0, 255));
            if ((byte != 0) != (slot.Days.at(d) != 0)) {
                throw Refusal{Element(bytesPath, d), JsonText::tr("does not agree with days")};
            }
            slot.Days.at(d) = byte;
        }
    }
    return slot;
}

void ReadTable(const QJsonObject &output, const QString &path, const char *key, OutputSlots &outputSlots)
{
    const QString tablePath = Member(path, QLatin1String(key));
    const QJsonArray array = ArrayAt(Required(output, path, key), tablePath, SlotCount, Elements::Slots);
    for (int s = 0; s < SlotCount; ++s) {
        outputSlots.at(s) = SlotAt(array.at(s), Element(tablePath, s));
    }
}

ScheduleModel ReadSchedule(const QJsonObject &top)
{
    if (Required(top, {}, "format") != QJsonValue(FormatName)) {
        throw Refusal{QStringLiteral("format"), JsonText::tr("\"%1\" is expected").arg(FormatName)};
    }
    if (IntegerAt(Required(top, {}, "version"), QStringLiteral("version"), 1, std::numeric_limits<int>::max()) >
        ScheduleJsonVersion) {
        throw Refusal{QStringLiteral("version"), JsonText::tr("a later version of this format")};
    }
    ScheduleModel model;
    const QString outputsPath = QStringLiteral("outputs");
    const QJsonArray outputs = ArrayAt(Required(top, {}, "outputs"), outputsPath, OutputCount, Elements::Outputs);
    for (int o = 0; o < OutputCount; ++o) {
        const QString path = Element(outputsPath, o);
        const QJsonObject output = ObjectAt(outputs.at(o), path, {"output", "normal", "special"});
        if (IntegerAt(Required(output, path, "output"), Member(path, QStringLiteral("output")), 1, OutputCount) !=
            o + 1) {
            throw Refusal{Member(path, QStringLiteral("output")), JsonText::tr("%1 is expected here").arg(o + 1)};
        }
        ReadTable(output, path, "normal", model.NormalTimes.at(o));
        ReadTable(output, path, "special", model.SpecialTimes.at(o));
    }
    const QString datesPath = QStringLiteral("specialDates");
    const QJsonArray dates = ArrayAt(Required(top, {}, "specialDates"), datesPath, SpecialDateCount, Elements::Dates);
    for (int i = 0; i < SpecialDateCount; ++i) {
        model.SpecialDates.at(i) = DateAt(dates.at(i), Element(datesPath, i));
    }
    const QString rulePath = QStringLiteral("daylightSaving");
    const QJsonObject rule = ObjectAt(Required(top, {}, "daylightSaving"), rulePath, {"enabled", "advance", "retard"});
    const QJsonValue enabled = Required(rule, rulePath, "enabled");
    model.DaylightSaving.Enabled =
        enabled.isBool()
            ? static_cast<std::uint8_t>(enabled.toBool())
            : static_cast<std::uint8_t>(IntegerAt(enabled, Member(rulePath, QStringLiteral("enabled")), 0, 255));
    for (const bool advance : {true, false}) {
        const char *key = advance ? "advance" : "retard";
        const QString changePath = Member(rulePath, QLatin1String(key));
        const QJsonObject change = ObjectAt(Required(rule, rulePath, key), changePath, {"week", "month"});
        const std::int32_t week =
            ItemAt(Required(change, changePath, "week"), Member(changePath, QStringLiteral("week")), WeekNames);
        const std::int32_t month =
            ItemAt(Required(change, changePath, "month"), Member(changePath, QStringLiteral("month")), MonthNames);
        (advance ? model.DaylightSaving.AdvanceWeek : model.DaylightSaving.RetardWeek) = week;
        (advance ? model.DaylightSaving.AdvanceMonth : model.DaylightSaving.RetardMonth) = month;
    }
    return model;
}

// The data file the document describes: the schedule's, with the unread bytes it gives.
DataFileImage ReadDataFile(const QJsonObject &top, const ScheduleModel &model)
{
    DataFileImage file = EncodeDataFile(model);
    if (!top.contains(QLatin1String("dataFile"))) {
        return file;
    }
    const QString path = QStringLiteral("dataFile.bytes");
    const QJsonObject dataFile = ObjectAt(top.value(QLatin1String("dataFile")), QStringLiteral("dataFile"), {"bytes"});
    const QJsonValue bytesValue = Required(dataFile, QStringLiteral("dataFile"), "bytes");
    if (!bytesValue.isObject()) {
        throw Refusal{path, JsonText::tr("an object is expected")};
    }
    const QJsonObject bytes = bytesValue.toObject();
    for (auto byte = bytes.begin(); byte != bytes.end(); ++byte) {
        bool number = false;
        const auto offset = static_cast<std::size_t>(byte.key().toUInt(&number));
        if (!number || offset >= file.size() || !IsUnreadByte(offset)) {
            throw Refusal{Member(path, byte.key()),
                          JsonText::tr("not a byte of the data file that the loader leaves unread")};
        }
        file.at(offset) = static_cast<std::uint8_t>(IntegerAt(byte.value(), Member(path, byte.key()), 0, 255));
    }
    if (DecodeDataFile(file).Outcome != DataFileOutcome::Loaded) {
        throw Refusal{path, JsonText::tr("the version would be a later one")};
    }
    return file;
}

QByteArray Json(const ScheduleModel &model, const QByteArray &dataFile);

} // namespace

QString WholeSecondTimeText(TDateTime value)
{
    if (!(value >= 0 && value < 1)) {
        return {};
    }
    const auto second = static_cast<int>(std::round(value * 86400));
    TDateTime exact = 0;
    if (!TryEncodeTime(second / 3600, second / 60 % 60, second % 60, 0, exact) || !SameBits(exact, value)) {
        return {};
    }
    return QString::asprintf("%02d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);
}

QByteArray ScheduleToJson(const ScheduleModel &model)
{
    return Json(model, {});
}

QByteArray DataFileToJson(const DataFileImage &file)
{
    const ScheduleModel model = DecodeDataFile(file).Model;
    const DataFileImage saved = EncodeDataFile(model);
    QByteArrayList bytes;
    for (std::size_t offset = 0; offset < file.size(); ++offset) {
        if (file.at(offset) != saved.at(offset)) {
            bytes.append('"' + QByteArray::number(offset) + "\":" + QByteArray::number(file.at(offset)));
        }
    }
    return Json(model, bytes.isEmpty() ? QByteArray() : R"({"bytes":{)" + bytes.join(',') + "}}");
}

namespace {

// Written by hand around compact slot lines, so that one slot is one line: a diff shows the
// slot that changed, and the file stays short.
QByteArray Json(const ScheduleModel &model, const QByteArray &dataFile)
{
    QByteArray json = "{\n    \"format\": \"" + FormatName.toUtf8() +
                      "\",\n    \"version\": " + QByteArray::number(ScheduleJsonVersion) + ",\n    \"outputs\": [\n";
    for (int o = 0; o < OutputCount; ++o) {
        json += "        {\n            \"output\": " + QByteArray::number(o + 1) + ",\n";
        for (const bool special : {false, true}) {
            json += special ? "            \"special\": [\n" : "            \"normal\": [\n";
            const OutputSlots &outputSlots = (special ? model.SpecialTimes : model.NormalTimes).at(o);
            for (int s = 0; s < SlotCount; ++s) {
                json += "                " + SlotLine(outputSlots.at(s)) + (s + 1 < SlotCount ? ",\n" : "\n");
            }
            json += special ? "            ]\n" : "            ],\n";
        }
        json += o + 1 < OutputCount ? "        },\n" : "        }\n";
    }
    json += "    ],\n    \"specialDates\": [\n";
    for (int i = 0; i < SpecialDateCount; ++i) {
        json += "        " + DateText(model.SpecialDates.at(i)) + (i + 1 < SpecialDateCount ? ",\n" : "\n");
    }
    const DaylightSavingRule &rule = model.DaylightSaving;
    const QJsonObject ruleObject{
        {QStringLiteral("enabled"), rule.Enabled <= 1 ? QJsonValue(rule.Enabled == 1) : QJsonValue(rule.Enabled)},
        {QStringLiteral("advance"), QJsonObject{{QStringLiteral("week"), ItemValue(rule.AdvanceWeek, WeekNames)},
                                                {QStringLiteral("month"), ItemValue(rule.AdvanceMonth, MonthNames)}}},
        {QStringLiteral("retard"), QJsonObject{{QStringLiteral("week"), ItemValue(rule.RetardWeek, WeekNames)},
                                               {QStringLiteral("month"), ItemValue(rule.RetardMonth, MonthNames)}}}};
    json += "    ],\n    \"daylightSaving\": " + Line(ruleObject) +
            (dataFile.isEmpty() ? QByteArray() : ",\n    \"dataFile\": " + dataFile) + "\n}\n";
    return json;
}

// The first key given twice in one object of a text that parses as JSON, with its place: the
// parser keeps the last of them, which would pass a mistake over in silence.
std::optional<QString> RepeatedKey(const QByteArray &json)
{
    struct Level {
        QString Path;
        bool Object = false;
        qsizetype Index = 0; // an array's next element
        QStringList Keys;    // an object's keys so far
        QString Key;         // an object's key whose value comes next
    };
    std::vector<Level> levels;
    // The place of the value that starts now.
    const auto place = [&levels]() -> QString {
        if (levels.empty()) {
            return {};
        }
        const Level &level = levels.back();
        return level.Object ? Member(level.Path, level.Key) : Element(level.Path, level.Index);
    };
    bool expectKey = false;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (c == '"') {
            const qsizetype start = i;
            for (++i; i < json.size() && json.at(i) != '"'; ++i) {
                if (json.at(i) == '\\') {
                    ++i;
                }
            }
            if (!expectKey) {
                continue;
            }
            const QByteArray token = json.mid(start, i - start + 1);
            const QString key = token.contains('\\')
                                    ? QJsonDocument::fromJson("[" + token + "]").array().at(0).toString()
                                    : QString::fromUtf8(token.mid(1, token.size() - 2));
            Level &level = levels.back();
            if (level.Keys.contains(key)) {
                return Member(level.Path, key);
            }
            level.Keys.append(key);
            level.Key = key;
            expectKey = false;
        } else if (c == '{' || c == '[') {
            levels.push_back({place(), c == '{', 0, {}, {}});
            expectKey = c == '{';
        } else if (c == '}' || c == ']') {
            levels.pop_back();
        } else if (c == ',' && !levels.empty()) {
            if (levels.back().Object) {
                expectKey = true;
            } else {
                ++levels.back().Index;
            }
        }
    }
    return std::nullopt;
}

} // namespace

ScheduleJsonResult ScheduleFromJson(const QByteArray &json)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (!json.trimmed().startsWith('{')) {
            return {std::nullopt, JsonText::tr("neither a KORVELT data file nor a schedule in JSON")};
        }
        const int line = static_cast<int>(json.left(parseError.offset).count('\n')) + 1;
        return {std::nullopt, JsonText::tr("line %1: not JSON: %2").arg(line).arg(parseError.errorString())};
    }
    if (const std::optional<QString> repeated = RepeatedKey(json)) {
        return {std::nullopt, JsonText::tr("%1: the key is given twice").arg(*repeated)};
    }
    try {
        const QJsonObject top =
            ObjectAt(document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array()), {},
                     {"format", "version", "outputs", "specialDates", "daylightSaving", "dataFile"});
        const ScheduleModel model = ReadSchedule(top);
        return {model, {}, ReadDataFile(top, model)};
    } catch (const Refusal &refusal) {
        return {std::nullopt, (refusal.Path.isEmpty() ? JsonText::tr("the top level") : refusal.Path) +
                                  QStringLiteral(": ") + refusal.Cause};
    }
}

bool SaveScheduleJson(const std::filesystem::path &path, const ScheduleModel &model)
{
    const QByteArray json = ScheduleToJson(model);
    return SaveFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t *>(json.constData()),
                                              static_cast<std::size_t>(json.size())));
}

} // namespace korvelt
