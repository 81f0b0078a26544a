#include "cli/CtlContext.h"
#include "cli/commands/Command.h"
#include "core/DeviceLimits.h"
#include "core/HolidayRules.h"
#include "text/HolidayRuleFile.h"
#include "text/HolidayText.h"
#include "text/QtDateTime.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace korvelt {

namespace {

// The holiday presets' codes, "gb-eaw, gb-sct, ... or au", broken into lines of the usage
// when `wrap`.
QString PresetCodes(bool wrap)
{
    QStringList codes;
    for (const HolidayPreset &preset : HolidayPresets()) {
        codes << QString::fromUtf8(preset.Code.data(), static_cast<qsizetype>(preset.Code.size()));
    }
    const QString last = codes.takeLast();
    //: The last of a list of choices: %1 is the others, joined by commas
    QString text = CtlText::tr("%1 or %2").arg(codes.join(QStringLiteral(", ")), last);
    constexpr qsizetype width = 66;
    for (qsizetype from = 0, space = 0;
         wrap && text.size() - from > width && (space = text.lastIndexOf(' ', from + width)) > from; from = space + 1) {
        text[space] = '\n';
        text.insert(space + 1, QStringLiteral("        "));
    }
    return text;
}

// One holiday's fields: its date, weekday, names (as the rules give them, a moved day's with
// "(substitute day)" or "(observed)") and whether it is a day a holiday was moved to.
struct HolidayFields {
    QString Date;
    QString Weekday;
    QStringList Names;
    bool Substitute = false;
};

HolidayFields FieldsOf(const Holiday &holiday)
{
    // "2027-01-01 Fri New Year's Day": the date and weekday as the line gives them.
    const QString line = QString::fromStdString(HolidayText(holiday));
    HolidayFields fields{line.section(QLatin1Char(' '), 0, 0), line.section(QLatin1Char(' '), 1, 1),
                         HolidayNameTexts(holiday), false};
    fields.Substitute =
        std::ranges::any_of(holiday.Names, [](const HolidayName &name) { return name.Moved != HolidayMove::None; });
    return fields;
}

// A holiday a rule of the list gives that is offered but not ticked (the Swiss Good Friday,
// the Dutch Liberation Day), with the rule's note that says why.
struct NotApplied {
    Holiday Day;
    std::string Note;
};

// The holidays of the unticked rules in the period, in date order: those of a rule that a
// ticked rule of the list gives already are none, and an unticked rule listed twice gives its
// days once.
std::vector<NotApplied> NotAppliedHolidays(const std::vector<HolidayRule> &rules, TDateTime first, TDateTime last)
{
    std::vector<NotApplied> days;
    for (auto rule = rules.begin(); rule != rules.end(); ++rule) {
        const auto same = [&rule](const HolidayRule &other) { return SameRule(other, *rule); };
        if (rule->Used || std::any_of(rules.begin(), rule, same) ||
            std::any_of(rule + 1, rules.end(), [&same](const HolidayRule &r) { return r.Used && same(r); })) {
            continue;
        }
        HolidayRule ticked = *rule;
        ticked.Used = true;
        for (Holiday &holiday : GenerateHolidays({ticked}, first, last)) {
            days.push_back({std::move(holiday), rule->Note});
        }
    }
    std::ranges::stable_sort(days, {}, [](const NotApplied &day) { return day.Day.Date; });
    return days;
}

QJsonObject HolidayJson(const Holiday &holiday, bool applied)
{
    const HolidayFields f = FieldsOf(holiday);
    return {{QStringLiteral("date"), f.Date},
            {QStringLiteral("weekday"), f.Weekday},
            {QStringLiteral("names"), QJsonArray::fromStringList(f.Names)},
            {QStringLiteral("substitute"), f.Substitute},
            {QStringLiteral("applied"), applied}};
}

QByteArray HolidaysJson(const std::vector<Holiday> &holidays, const std::vector<NotApplied> &notApplied, int year)
{
    QJsonArray list;
    for (const Holiday &holiday : holidays) {
        list.append(HolidayJson(holiday, true));
    }
    for (const NotApplied &day : notApplied) {
        QJsonObject entry = HolidayJson(day.Day, false);
        if (!day.Note.empty()) {
            entry.insert(QStringLiteral("note"), QString::fromStdString(day.Note));
        }
        list.append(entry);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("year"), year}, {QStringLiteral("holidays"), list}})
        .toJson(QJsonDocument::Indented);
}

// As RFC 4180 has it: a header, lines ending in CR LF, the names joined by " / " and quoted
// where they hold a comma or a quote; the days of unticked rules after the others, "no" in
// their last field.
QByteArray HolidaysCsv(const std::vector<Holiday> &holidays, const std::vector<NotApplied> &notApplied)
{
    const auto yesNo = [](bool yes) { return yes ? QStringLiteral("yes") : QStringLiteral("no"); };
    QString csv = QStringLiteral("date,weekday,names,substitute,applied\r\n");
    const auto line = [&csv, &yesNo](const Holiday &holiday, bool applied) {
        const HolidayFields f = FieldsOf(holiday);
        csv += f.Date + QLatin1Char(',') + f.Weekday + QLatin1Char(',') +
               CsvField(f.Names.join(QStringLiteral(" / "))) + QLatin1Char(',') + yesNo(f.Substitute) +
               QLatin1Char(',') + yesNo(applied) + QStringLiteral("\r\n");
    };
    for (const Holiday &holiday : holidays) {
        line(holiday, true);
    }
    for (const NotApplied &day : notApplied) {
        line(day.Day, false);
    }
    return csv.toUtf8();
}

class HolidaysCommand final : public CtlCommand {
public:
    [[nodiscard]] QString Name() const override { return QStringLiteral("holidays"); }
    [[nodiscard]] QString Usage() const override
    {
        return QStringLiteral(
                   "holidays --preset CODE [--rules FILE] [--year YYYY] [--json | --format text|csv|json]\n"
                   "holidays --preset CODE [--rules FILE] [--year YYYY] [--from IN.dat] -o OUT [--repeat-last] "
                   "[--dry-run] [--quiet]\n") +
               CtlText::tr("  Prints a year's public holidays (this year unless --year), or with -o\n"
                           "  writes them as the special dates of the schedule in IN.dat (the\n"
                           "  defaults without --from) into OUT. With fewer than %1 holidays the\n"
                           "  other special dates keep theirs, or repeat the last (--repeat-last).\n"
                           "  --rules adds the rules of a file the Holidays dialog saved (or takes\n"
                           "  them alone, without --preset). The days of rules a preset offers but\n"
                           "  does not tick follow as \"not applied\" lines. --json and --format csv\n"
                           "  print each holiday's date, weekday, names, whether it is a substitute\n"
                           "  day and whether it is applied.\n"
                           "  CODE: %2.")
                   .arg(SpecialDateCount)
                   .arg(PresetCodes(true));
    }
    [[nodiscard]] std::vector<CtlOption> Options() const override
    {
        return {
            {QStringLiteral("--preset"), QStringLiteral("CODE"),
             CtlText::tr("the public holidays of a country or region"), false},
            {QStringLiteral("--rules"), QStringLiteral("FILE"),
             CtlText::tr("adds the rules of a file the Holidays dialog saved"), false},
            {QStringLiteral("--year"), QStringLiteral("YYYY"), CtlText::tr("the year (this year unless given)"), false},
            {QStringLiteral("--from"), QStringLiteral("IN.dat"),
             CtlText::tr("-o: the schedule whose special dates are filled"), false},
            {QStringLiteral("-o"), QStringLiteral("OUT"),
             CtlText::tr("writes the schedule with the holidays as its special dates (- : standard output)"), false},
            {QStringLiteral("--repeat-last"),
             {},
             CtlText::tr("-o: with fewer than %1 holidays, the others repeat the last").arg(SpecialDateCount),
             false},
            DryRunOption(),
            JsonOption(),
            {QStringLiteral("--format"), QStringLiteral("text|csv|json"), CtlText::tr("the list's form"), false},
            QuietOption()};
    }
    int Run(CtlContext &c, const Arguments &a) const override;
};

// The rules the command line asks for, the preset's first and then the user's own (the file
// the Holidays dialog saves): a day both give is one holiday. `sources` names them.
std::vector<HolidayRule> RulesAsked(const Arguments &a, QStringList &sources)
{
    const bool hasPreset = a.Has(QStringLiteral("--preset"));
    const bool hasRules = a.Has(QStringLiteral("--rules"));
    if (!hasPreset && !hasRules) {
        throw UsageError(CtlText::tr("--preset CODE or --rules FILE is needed"));
    }
    const HolidayPreset *preset = FindHolidayPreset(a.Value(QStringLiteral("--preset")).toStdString());
    if (hasPreset && preset == nullptr) {
        throw UsageError(CtlText::tr("--preset is %1").arg(PresetCodes(false)));
    }
    std::vector<HolidayRule> rules = hasPreset ? preset->Rules : std::vector<HolidayRule>{};
    if (hasPreset) {
        sources << HolidayPresetNameText(*preset);
    }
    if (hasRules) {
        const QString ruleFile = a.Value(QStringLiteral("--rules"));
        if (!QFileInfo(ruleFile).isFile()) {
            throw Failure(ExitFileError, CtlText::tr("%1: cannot be read: %2").arg(ruleFile, ReadCause(ruleFile)));
        }
        const HolidayRuleFileResult loaded = LoadHolidayRuleFile(FilePath(ruleFile));
        if (!loaded.Loaded) {
            throw Failure(ExitFileError, QStringLiteral("%1: %2").arg(ruleFile, loaded.Message));
        }
        rules.insert(rules.end(), loaded.Rules.begin(), loaded.Rules.end());
        sources << ruleFile;
    }
    return rules;
}

// The list's form: text, csv or json (--json is --format json).
QString FormatAsked(const Arguments &a)
{
    QString format = a.Value(QStringLiteral("--format"), QStringLiteral("text"));
    if (a.Has(QStringLiteral("--json"))) {
        if (a.Has(QStringLiteral("--format")) && format != QLatin1String("json")) {
            throw UsageError(CtlText::tr("--json or --format %1, not both").arg(format));
        }
        format = QStringLiteral("json");
    }
    if (format != QLatin1String("text") && format != QLatin1String("csv") && format != QLatin1String("json")) {
        throw UsageError(CtlText::tr("--format is text, csv or json"));
    }
    if (format != QLatin1String("text") && a.Has(QStringLiteral("-o"))) {
        throw UsageError(CtlText::tr("--format and --json are for the list of holidays, not for -o"));
    }
    return format;
}

// The year asked for (this year unless --year), and its first and last day.
int YearAsked(const CtlContext &c, const Arguments &a, TDateTime &first, TDateTime &last)
{
    bool number = true;
    const int year = a.Has(QStringLiteral("--year")) ? a.Value(QStringLiteral("--year")).toInt(&number)
                                                     : c.Options().Now().date().year();
    if (!number || year < FirstDeviceYear || year > LastDeviceYear || !TryEncodeDate(year, 1, 1, first) ||
        !TryEncodeDate(year, 12, 31, last)) {
        throw UsageError(CtlText::tr("--year is a year from %1 to %2").arg(FirstDeviceYear).arg(LastDeviceYear));
    }
    return year;
}

// The holidays, then the days of the rules offered but not ticked as "not applied" lines with
// the rule's note.
void PrintHolidays(CtlContext &c, const std::vector<Holiday> &holidays, const std::vector<NotApplied> &notApplied,
                   int year, const QString &format)
{
    if (format == QLatin1String("json")) {
        c.Print(HolidaysJson(holidays, notApplied, year));
    } else if (format == QLatin1String("csv")) {
        c.Print(HolidaysCsv(holidays, notApplied));
    } else {
        for (const Holiday &holiday : holidays) {
            c.Print(QString::fromStdString(HolidayText(holiday)) + QLatin1Char('\n'));
        }
        for (const NotApplied &day : notApplied) {
            const QString note =
                day.Note.empty() ? QString() : QStringLiteral(" (%1)").arg(QString::fromStdString(day.Note));
            //: A preset's holiday its rule does not tick: %1 is the holiday's line
            c.Print(CtlText::tr("not applied: %1").arg(QString::fromStdString(HolidayText(day.Day)) + note) +
                    QLatin1Char('\n'));
        }
    }
}

// The holidays as the special dates of the schedule --from (or the defaults), into -o.
void FillSchedule(CtlContext &c, const Arguments &a, const std::vector<Holiday> &holidays, const QString &what)
{
    const QString name = a.Value(QStringLiteral("-o"));
    // --from X -o X fills the special dates of X itself; a rule file is not a schedule.
    if (a.Has(QStringLiteral("--rules"))) {
        RefuseOverInput(a.Value(QStringLiteral("--rules")), name);
    }
    ScheduleModel model;
    if (a.Has(QStringLiteral("--from"))) {
        model = LoadSchedule(a.Value(QStringLiteral("--from")), c.Options().Input).Model;
    }
    const FewerHolidays fewer =
        a.Has(QStringLiteral("--repeat-last")) ? FewerHolidays::RepeatLast : FewerHolidays::KeepOthers;
    const std::vector<Holiday> leftOut = ApplyHolidays(model, holidays, fewer);
    const bool dryRun = a.Has(QStringLiteral("--dry-run"));
    if (!dryRun) {
        c.Deliver(name, ScheduleBytes(name, model));
    } else if (const std::optional<QString> problem = IsStandardStream(name) ? std::nullopt : PlaceProblem(name)) {
        throw Failure(ExitFileError, CtlText::tr("%1: cannot be written: %2").arg(name, *problem));
    }
    const auto filled = static_cast<int>(std::min<std::size_t>(holidays.size() - leftOut.size(), SpecialDateCount));
    // With the schedule on standard output, what is said of it goes to standard error.
    const bool toOutput = IsStandardStream(name) && !dryRun;
    const auto say = [&c, toOutput](const QString &text) {
        if (toOutput) {
            c.Err() << Tool << ": " << text << Qt::flush;
        } else {
            c.Print(text);
        }
    };
    if (!c.Quiet()) {
        say((dryRun ? CtlText::tr("%1: special dates 1 to %2 would hold the holidays of %3 (nothing written)")
                    : CtlText::tr("%1: special dates 1 to %2 hold the holidays of %3"))
                .arg(IsStandardStream(name) ? CtlText::tr("standard output") : name, QString::number(filled), what) +
            QLatin1Char('\n'));
    }
    for (const Holiday &holiday : leftOut) {
        //: %1 is a holiday that found no special date: "2027-12-26 Sun St Stephen's Day"
        say(CtlText::tr("left out: %1").arg(QString::fromStdString(HolidayText(holiday))) + QLatin1Char('\n'));
    }
}

int HolidaysCommand::Run(CtlContext &c, const Arguments &a) const
{
    if (!a.Words.isEmpty()) {
        throw UsageError(CtlText::tr("unexpected argument %1").arg(a.Words.front()));
    }
    QStringList sources;
    const std::vector<HolidayRule> rules = RulesAsked(a, sources);
    const QString format = FormatAsked(a);
    TDateTime first = 0;
    TDateTime last = 0;
    const int year = YearAsked(c, a, first, last);
    const std::vector<Holiday> holidays = GenerateHolidays(rules, first, last);
    if (a.Has(QStringLiteral("-o"))) {
        //: The preset and the rule file the holidays come from
        const QString from =
            sources.size() > 1 ? CtlText::tr("%1 and %2").arg(sources.at(0), sources.at(1)) : sources.at(0);
        //: The holidays' source and year: "Germany 2027"
        FillSchedule(c, a, holidays, CtlText::tr("%1 %2").arg(from, QString::number(year)));
        return ExitOk;
    }
    if (a.Has(QStringLiteral("--from")) || a.Has(QStringLiteral("--repeat-last")) ||
        a.Has(QStringLiteral("--dry-run"))) {
        throw UsageError(CtlText::tr("--from, --repeat-last and --dry-run go with -o"));
    }
    PrintHolidays(c, holidays, NotAppliedHolidays(rules, first, last), year, format);
    return ExitOk;
}

} // namespace

std::unique_ptr<CtlCommand> MakeHolidaysCommand()
{
    return std::make_unique<HolidaysCommand>();
}

} // namespace korvelt
