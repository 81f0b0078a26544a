#include "text/HolidayRuleFile.h"

#include "platform/AtomicFile.h"
#include "text/HolidayText.h"

#include <QCoreApplication>
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
// Version 1 knows the four kinds and the weekend moves; version 2 adds the years a rule holds,
// one-off changes, the weekday before or after, "sunday-to-monday" and notes. A file is
// written as version 1 when none of its rules needs more, so that earlier programs read it.
constexpr int FormatVersion = 2;

constexpr std::array KindKeys{HolidayRuleKind::FixedDate, HolidayRuleKind::EasterOffset, HolidayRuleKind::NthWeekday,
                              HolidayRuleKind::LastWeekday};
constexpr std::array MoveKeys{WeekendMove::None, WeekendMove::Monday, WeekendMove::NearestWeekday,
                              WeekendMove::SundayToSaturday, WeekendMove::SundayToMonday};
constexpr std::array StepKeys{WeekdayStep::None, WeekdayStep::Before, WeekdayStep::After, WeekdayStep::OnOrBefore,
                              WeekdayStep::OnOrAfter};

// The weekday named `text`, or -1.
int WeekdayFromKey(const QString &text)
{
    for (int d = 0; d < DaysPerWeek; ++d) {
        if (WeekdayKey(d) == text) {
            return d;
        }
    }
    return -1;
}

// Whether a rule needs version 2 of the format.
bool NeedsVersion2(const HolidayRule &rule)
{
    return rule.Move == WeekendMove::SundayToMonday || rule.Step != WeekdayStep::None || rule.FirstYear != 0 ||
           rule.LastYear != 0 || rule.EveryYears != 1 || !rule.Changes.empty() || !rule.Note.empty();
}

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
        return QCoreApplication::translate(
                   "HolidayRuleFile", "has an unknown kind \"%1\" (known: fixed, easter, nth-weekday, last-weekday).")
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
            // NOLINTNEXTLINE(modernize-raw-string-literal): the translation tools read plain literals
            return QCoreApplication::translate("HolidayRuleFile", "needs a whole \"month\" and \"day\".");
        }
        break;
    case HolidayRuleKind::EasterOffset:
        if (!need("offset", rule.Offset)) {
            return QCoreApplication::translate("HolidayRuleFile",
                                               "needs a whole \"offset\" (days from Easter Sunday).");
        }
        break;
    case HolidayRuleKind::NthWeekday:
        if (!need("nth", rule.Nth)) {
            return QCoreApplication::translate("HolidayRuleFile", "needs a whole \"nth\" (1 to 4).");
        }
        [[fallthrough]];
    case HolidayRuleKind::LastWeekday: {
        weekday = object.value(QStringLiteral("weekday")).toString();
        rule.Weekday = WeekdayFromKey(weekday);
        if (rule.Weekday < 0) {
            return QCoreApplication::translate("HolidayRuleFile", "needs a \"weekday\" from sunday to saturday.");
        }
        if (!need("month", rule.Month)) {
            return QCoreApplication::translate("HolidayRuleFile", "needs a whole \"month\".");
        }
        break;
    }
    }
    const QString move = object.value(QStringLiteral("weekend")).toString(QStringLiteral("none"));
    const std::optional<WeekendMove> moveFound = FromKey(MoveKeys, move, WeekendMoveKey);
    if (!moveFound) {
        // NOLINTNEXTLINE(modernize-raw-string-literal): the translation tools read plain literals
        return QCoreApplication::translate("HolidayRuleFile", "has an unknown \"weekend\" \"%1\".").arg(move);
    }
    rule.Move = rule.Kind == HolidayRuleKind::FixedDate ? *moveFound : WeekendMove::None;
    const QString step = object.value(QStringLiteral("then")).toString(QStringLiteral("none"));
    const std::optional<WeekdayStep> stepFound = FromKey(StepKeys, step, WeekdayStepKey);
    if (!stepFound) {
        return QCoreApplication::translate("HolidayRuleFile", "has an unknown \"then\" \"%1\" (known: before, after, "
                                                              "on-or-before, on-or-after).")
            .arg(step);
    }
    rule.Step = *stepFound;
    if (rule.Step != WeekdayStep::None) {
        rule.StepWeekday = WeekdayFromKey(object.value(QStringLiteral("then-weekday")).toString());
        if (rule.StepWeekday < 0) {
            return QCoreApplication::translate("HolidayRuleFile", "needs a \"then-weekday\" from sunday to saturday.");
        }
    }
    for (const auto &[key, into] : {std::pair{"from", &rule.FirstYear}, std::pair{"until", &rule.LastYear},
                                    std::pair{"every", &rule.EveryYears}}) {
        if (object.contains(QLatin1String(key)) && !need(key, *into)) {
            return QCoreApplication::translate("HolidayRuleFile", "needs a whole number of years as \"%1\".")
                .arg(QLatin1String(key));
        }
    }
    const QJsonValue changes = object.value(QStringLiteral("changes"));
    if (!changes.isUndefined() && !changes.isArray()) {
        return QCoreApplication::translate("HolidayRuleFile", "needs a list as \"changes\".");
    }
    for (const QJsonValue value : changes.toArray()) {
        const QJsonObject change = value.toObject();
        YearChange read;
        const std::optional<int> year = WholeNumber(change, QStringLiteral("year"));
        const std::optional<int> month = WholeNumber(change, QStringLiteral("month"));
        const std::optional<int> day = WholeNumber(change, QStringLiteral("day"));
        const bool dropped = change.value(QStringLiteral("dropped")).toBool(false);
        if (!year || dropped == (month && day)) {
            return QCoreApplication::translate("HolidayRuleFile", "needs a \"year\" and either a \"month\" and \"day\" "
                                                                  "or \"dropped\" in each change.");
        }
        read.Year = *year;
        read.Month = dropped ? 0 : *month;
        read.Day = dropped ? 0 : *day;
        rule.Changes.push_back(read);
    }
    rule.Note = object.value(QStringLiteral("note")).toString().toStdString();
    rule.Used = object.value(QStringLiteral("used")).toBool(true);
    if (const auto problem = RuleProblem(rule)) {
        return RuleProblemText(*problem);
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
    case WeekendMove::SundayToMonday:
        return QStringLiteral("sunday-to-monday");
    }
    return {};
}

QString WeekdayStepKey(WeekdayStep step)
{
    switch (step) {
    case WeekdayStep::None:
        return QStringLiteral("none");
    case WeekdayStep::Before:
        return QStringLiteral("before");
    case WeekdayStep::After:
        return QStringLiteral("after");
    case WeekdayStep::OnOrBefore:
        return QStringLiteral("on-or-before");
    case WeekdayStep::OnOrAfter:
        return QStringLiteral("on-or-after");
    }
    return {};
}

QString WeekdayKey(int weekday)
{
    static const std::array<QString, DaysPerWeek> keys{"sunday",   "monday", "tuesday", "wednesday",
                                                       "thursday", "friday", "saturday"};
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
        if (rule.Step != WeekdayStep::None) {
            object.insert(QStringLiteral("then"), WeekdayStepKey(rule.Step));
            object.insert(QStringLiteral("then-weekday"), WeekdayKey(rule.StepWeekday));
        }
        if (rule.FirstYear != 0) {
            object.insert(QStringLiteral("from"), rule.FirstYear);
        }
        if (rule.LastYear != 0) {
            object.insert(QStringLiteral("until"), rule.LastYear);
        }
        if (rule.EveryYears != 1) {
            object.insert(QStringLiteral("every"), rule.EveryYears);
        }
        if (!rule.Changes.empty()) {
            QJsonArray changes;
            for (const YearChange &change : rule.Changes) {
                changes.append(change.Month == 0
                                   ? QJsonObject{{"year", change.Year}, {"dropped", true}}
                                   : QJsonObject{{"year", change.Year}, {"month", change.Month}, {"day", change.Day}});
            }
            object.insert(QStringLiteral("changes"), changes);
        }
        if (!rule.Note.empty()) {
            object.insert(QStringLiteral("note"), QString::fromStdString(rule.Note));
        }
        if (!rule.Used) {
            object.insert(QStringLiteral("used"), false);
        }
        array.append(object);
    }
    const int version = std::ranges::any_of(rules, NeedsVersion2) ? FormatVersion : 1;
    const QJsonObject file{{"format", FormatName}, {"version", version}, {"rules", array}};
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

HolidayRuleFileResult HolidayRulesFromJson(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        return Refused(QCoreApplication::translate("HolidayRuleFile", "The file is not valid JSON: %1 at character %2.")
                           .arg(error.errorString())
                           .arg(error.offset + 1));
    }
    const QJsonObject file = document.object();
    if (file.value(QStringLiteral("format")).toString() != FormatName ||
        !file.value(QStringLiteral("rules")).isArray()) {
        return Refused(QCoreApplication::translate("HolidayRuleFile", "The file is no holiday rule file."));
    }
    if (file.value(QStringLiteral("version")).toInt() > FormatVersion) {
        return Refused(
            QCoreApplication::translate("HolidayRuleFile", "The file was written by a later version of the program."));
    }
    HolidayRuleFileResult result{true, {}, {}};
    const QJsonArray rules = file.value(QStringLiteral("rules")).toArray();
    for (qsizetype k = 0; k < rules.size(); ++k) {
        auto rule = ReadRule(rules.at(k).toObject());
        if (const auto *why = std::get_if<QString>(&rule)) {
            const QString name = rules.at(k).toObject().value(QStringLiteral("name")).toString();
            if (name.isEmpty()) {
                //: %1 is the rule's number in the file; %2 what is wrong with it, as in "needs a whole \"month\"."
                return Refused(QCoreApplication::translate("HolidayRuleFile", "Rule %1 %2").arg(k + 1).arg(*why));
            }
            //: %1 is the rule's number in the file, %2 its name; %3 what is wrong with it, as in "needs a whole
            //: \"month\"."
            return Refused(
                QCoreApplication::translate("HolidayRuleFile", "Rule %1 (%2) %3").arg(k + 1).arg(name, *why));
        }
        result.Rules.push_back(std::get<HolidayRule>(std::move(rule)));
    }
    return result;
}

bool SaveHolidayRuleFile(const std::filesystem::path &path, const std::vector<HolidayRule> &rules)
{
    const QByteArray json = HolidayRulesToJson(rules);
    return SaveFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t *>(json.constData()),
                                              static_cast<std::size_t>(json.size())));
}

HolidayRuleFileResult LoadHolidayRuleFile(const std::filesystem::path &path)
{
    const auto bytes = LoadRegularFile(path, MaxHolidayRuleFileSize + 1);
    if (!bytes) {
        return Refused(QCoreApplication::translate("HolidayRuleFile", "The file cannot be opened."));
    }
    if (bytes->size() > static_cast<std::size_t>(MaxHolidayRuleFileSize)) {
        return Refused(
            QCoreApplication::translate("HolidayRuleFile", "The file is too large for a holiday rule file."));
    }
    return HolidayRulesFromJson(
        QByteArray(reinterpret_cast<const char *>(bytes->data()), static_cast<qsizetype>(bytes->size())));
}

} // namespace korvelt
