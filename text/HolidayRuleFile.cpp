#include "HolidayRuleFile.h"

#include "AtomicFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <span>
#include <variant>

namespace korvelt {

namespace {

const QString FormatName = QStringLiteral("korvelt-holiday-rules");
constexpr int FormatVersion = 1;

constexpr std::array KindKeys{HolidayRuleKind::FixedDate, HolidayRuleKind::EasterOffset, HolidayRuleKind::NthWeekday,
                              HolidayRuleKind::LastWeekday};
constexpr std::array MoveKeys{WeekendMove::None, WeekendMove::Monday, WeekendMove::NearestWeekday,
                              WeekendMove::SundayToSaturday};

// The value whose key is `text`, if any.
template <typename Value, std::size_t Count>
std::optional<Value> FromKey(const std::array<Value, Count> &values, const QString &text, QString (*key)(Value))
{
    for (const Value value : values) {
        if (key(value) == text) {
            return value;
        }
    }
    return std::nullopt;
}

HolidayRuleFileResult Refused(const QString &message)
{
    return {false, {}, message};
}

// A whole number from the rule object, or nothing when the member is missing or no whole number.
std::optional<int> WholeNumber(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble() || value.toDouble() != static_cast<double>(value.toInt())) {
        return std::nullopt;
    }
    return value.toInt();
}

// Reads one rule; a text saying what is wrong when it cannot.
std::variant<HolidayRule, QString> ReadRule(const QJsonObject &object)
{
    HolidayRule rule;
    rule.Name = object.value(QStringLiteral("name")).toString().toStdString();
    const QString kind = object.value(QStringLiteral("kind")).toString();
    const std::optional<HolidayRuleKind> kindFound = FromKey(KindKeys, kind, RuleKindKey);
    if (!kindFound) {
        return QStringLiteral("has an unknown kind \"%1\" (known: fixed, easter, nth-weekday, last-weekday).")
            .arg(object.value(QStringLiteral("kind")).toVariant().toString());
    }
    rule.Kind = *kindFound;
    const auto need = [&object](const char *key, int &into) {
        const std::optional<int> number = WholeNumber(object, QLatin1String(key));
        if (number) {
            into = *number;
        }
        return number.has_value();
    };
    QString weekday = QStringLiteral("monday");
    switch (rule.Kind) {
    case HolidayRuleKind::FixedDate:
        if (!need("month", rule.Month) || !need("day", rule.Day)) {
            return QStringLiteral("needs a whole \"month\" and \"day\".");
        }
        break;
    case HolidayRuleKind::EasterOffset:
        if (!need("offset", rule.Offset)) {
            return QStringLiteral("needs a whole \"offset\" (days from Easter Sunday).");
        }
        break;
    case HolidayRuleKind::NthWeekday:
        if (!need("nth", rule.Nth)) {
            return QStringLiteral("needs a whole \"nth\" (1 to 4).");
        }
        [[fallthrough]];
    case HolidayRuleKind::LastWeekday: {
        weekday = object.value(QStringLiteral("weekday")).toString();
        rule.Weekday = -1;
        for (int d = 0; d < DaysPerWeek; ++d) {
            rule.Weekday = WeekdayKey(d) == weekday ? d : rule.Weekday;
        }
        if (rule.Weekday < 0) {
            return QStringLiteral("needs a \"weekday\" from sunday to saturday.");
        }
        if (!need("month", rule.Month)) {
            return QStringLiteral("needs a whole \"month\".");
        }
        break;
    }
    }
    const QString move = object.value(QStringLiteral("weekend")).toString(QStringLiteral("none"));
    const std::optional<WeekendMove> moveFound = FromKey(MoveKeys, move, WeekendMoveKey);
    if (!moveFound) {
        return QStringLiteral("has an unknown \"weekend\" \"%1\".").arg(move);
    }
    rule.Move = rule.Kind == HolidayRuleKind::FixedDate ? *moveFound : WeekendMove::None;
    rule.Used = object.value(QStringLiteral("used")).toBool(true);
    if (const auto problem = RuleProblem(rule)) {
        return QString::fromStdString(*problem);
    }
    return rule;
}

} // namespace

QString RuleKindKey(HolidayRuleKind kind)
{
    switch (kind) {
    case HolidayRuleKind::FixedDate:
        return QStringLiteral("fixed");
    case HolidayRuleKind::EasterOffset:
        return QStringLiteral("easter");
    case HolidayRuleKind::NthWeekday:
        return QStringLiteral("nth-weekday");
    case HolidayRuleKind::LastWeekday:
        return QStringLiteral("last-weekday");
    }
    return {};
}

QString WeekendMoveKey(WeekendMove move)
{
    switch (move) {
    case WeekendMove::None:
        return QStringLiteral("none");
    case WeekendMove::Monday:
        return QStringLiteral("monday");
    case WeekendMove::NearestWeekday:
        return QStringLiteral("nearest-weekday");
    case WeekendMove::SundayToSaturday:
        return QStringLiteral("sunday-to-saturday");
    }
    return {};
}

QString WeekdayKey(int weekday)
{
    static const std::array<QString, DaysPerWeek> keys{"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"};
    return weekday >= 0 && weekday < DaysPerWeek ? keys.at(static_cast<std::size_t>(weekday)) : QString();
}

QByteArray HolidayRulesToJson(const std::vector<HolidayRule> &rules)
{
    QJsonArray array;
    for (const HolidayRule &rule : rules) {
        QJsonObject object{{"kind", RuleKindKey(rule.Kind)}, {"name", QString::fromStdString(rule.Name)}};
        switch (rule.Kind) {
        case HolidayRuleKind::FixedDate:
            object.insert(QStringLiteral("month"), rule.Month);
            object.insert(QStringLiteral("day"), rule.Day);
            if (rule.Move != WeekendMove::None) {
                object.insert(QStringLiteral("weekend"), WeekendMoveKey(rule.Move));
            }
            break;
        case HolidayRuleKind::EasterOffset:
            object.insert(QStringLiteral("offset"), rule.Offset);
            break;
        case HolidayRuleKind::NthWeekday:
            object.insert(QStringLiteral("nth"), rule.Nth);
            [[fallthrough]];
        case HolidayRuleKind::LastWeekday:
            object.insert(QStringLiteral("weekday"), WeekdayKey(rule.Weekday));
            object.insert(QStringLiteral("month"), rule.Month);
            break;
        }
        if (!rule.Used) {
            object.insert(QStringLiteral("used"), false);
        }
        array.append(object);
    }
    const QJsonObject file{{"format", FormatName}, {"version", FormatVersion}, {"rules", array}};
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

HolidayRuleFileResult HolidayRulesFromJson(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        return Refused(QStringLiteral("The file is not valid JSON: %1 at character %2.")
                           .arg(error.errorString())
                           .arg(error.offset + 1));
    }
    const QJsonObject file = document.object();
    if (file.value(QStringLiteral("format")).toString() != FormatName || !file.value(QStringLiteral("rules")).isArray()) {
        return Refused(QStringLiteral("The file is no holiday rule file."));
    }
    if (file.value(QStringLiteral("version")).toInt() > FormatVersion) {
        return Refused(QStringLiteral("The file was written by a later version of the program."));
    }
    HolidayRuleFileResult result{true, {}, {}};
    const QJsonArray rules = file.value(QStringLiteral("rules")).toArray();
    for (qsizetype k = 0; k < rules.size(); ++k) {
        auto rule = ReadRule(rules.at(k).toObject());
        if (const auto *why = std::get_if<QString>(&rule)) {
            const QString name = rules.at(k).toObject().value(QStringLiteral("name")).toString();
            return Refused(QStringLiteral("Rule %1%2 %3")
                               .arg(k + 1)
                               .arg(name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name))
                               .arg(*why));
        }
        result.Rules.push_back(std::get<HolidayRule>(std::move(rule)));
    }
    return result;
}

bool SaveHolidayRuleFile(const std::filesystem::path &path, const std::vector<HolidayRule> &rules)
{
    const QByteArray json = HolidayRulesToJson(rules);
    return SaveFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t *>(json.constData()), static_cast<std::size_t>(json.size())));
}

HolidayRuleFileResult LoadHolidayRuleFile(const std::filesystem::path &path)
{
    const auto bytes = LoadRegularFile(path, MaxHolidayRuleFileSize + 1);
    if (!bytes) {
        return Refused(QStringLiteral("The file cannot be opened."));
    }
    if (bytes->size() > static_cast<std::size_t>(MaxHolidayRuleFileSize)) {
        return Refused(QStringLiteral("The file is too large for a holiday rule file."));
    }
    return HolidayRulesFromJson(
        QByteArray(reinterpret_cast<const char *>(bytes->data()), static_cast<qsizetype>(bytes->size())));
}

} // namespace korvelt
