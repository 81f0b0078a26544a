// The holiday presets: the public holidays of countries and regions as rules, each list with
// the official source it follows and the years it changed.
#include "core/DateTime.h"
#include "core/HolidayRules.h"

#include <algorithm>
#include <initializer_list>

namespace korvelt {

namespace {

constexpr int Sun = 0;
constexpr int Mon = 1;
constexpr int Wed = 3;
constexpr int Thu = 4;
constexpr int Fri = 5;
constexpr WeekendMove Substitute = WeekendMove::Monday;

using Rules = std::vector<HolidayRule>;

HolidayRule Fixed(std::string name, int month, int day, WeekendMove move = WeekendMove::None)
{
    HolidayRule rule;
    rule.Name = std::move(name);
    rule.Month = month;
    rule.Day = day;
    rule.Move = move;
    return rule;
}

HolidayRule Easter(std::string name, int offset)
{
    HolidayRule rule;
    rule.Kind = HolidayRuleKind::EasterOffset;
    rule.Name = std::move(name);
    rule.Offset = offset;
    return rule;
}

// nth 0: the last such weekday of the month.
HolidayRule Weekday(std::string name, int nth, int weekday, int month)
{
    HolidayRule rule;
    rule.Kind = nth == 0 ? HolidayRuleKind::LastWeekday : HolidayRuleKind::NthWeekday;
    rule.Name = std::move(name);
    rule.Nth = nth == 0 ? 1 : nth;
    rule.Weekday = weekday;
    rule.Month = month;
    return rule;
}

// A day in one year only.
HolidayRule OneOff(std::string name, int year, int month, int day)
{
    HolidayRule rule = Fixed(std::move(name), month, day);
    rule.FirstYear = year;
    rule.LastYear = year;
    return rule;
}

// The rule in the years first to last (0: no bound).
HolidayRule Years(HolidayRule rule, int first, int last = 0)
{
    rule.FirstYear = first;
    rule.LastYear = last;
    return rule;
}

// Then the weekday before or after the rule's date.
HolidayRule Then(HolidayRule rule, WeekdayStep step, int weekday)
{
    rule.Step = step;
    rule.StepWeekday = weekday;
    return rule;
}

HolidayRule Changed(HolidayRule rule, std::initializer_list<YearChange> changes)
{
    rule.Changes.insert(rule.Changes.end(), changes.begin(), changes.end());
    return rule;
}

HolidayRule Noted(HolidayRule rule, std::string note)
{
    rule.Note = std::move(note);
    return rule;
}

// Offered, not ticked: a holiday by law that most employers do not give, or one of a part of
// the region only.
HolidayRule Unticked(HolidayRule rule, std::string note)
{
    rule.Used = false;
    return Noted(std::move(rule), std::move(note));
}

Rules Join(Rules rules, const Rules &more)
{
    rules.insert(rules.end(), more.begin(), more.end());
    return rules;
}

// The bank holidays the whole United Kingdom moved or added by royal proclamation (gov.uk,
// "Bank holidays"; the proclamations in The Gazette).
Rules UnitedKingdomOneOffs()
{
    return {OneOff("Golden Jubilee bank holiday", 2002, 6, 3),
            OneOff("Royal wedding", 2011, 4, 29),
            OneOff("Queen's Diamond Jubilee", 2012, 6, 5),
            OneOff("Platinum Jubilee bank holiday", 2022, 6, 3),
            OneOff("Bank holiday for the State Funeral of Queen Elizabeth II", 2022, 9, 19),
            OneOff("Bank holiday for the coronation of King Charles III", 2023, 5, 8)};
}

// Moved to 8 May 2020 for the 75th anniversary of VE Day.
HolidayRule EarlyMay()
{
    return Changed(Weekday("Early May bank holiday", 1, Mon, 5), {{2020, 5, 8}});
}

// Moved to make room for the jubilees' long weekends.
HolidayRule SpringBankHoliday()
{
    return Changed(Weekday("Spring bank holiday", 0, Mon, 5), {{2002, 6, 4}, {2012, 6, 4}, {2022, 6, 2}});
}

// Germany's nationwide public holidays, set by each state's holiday law alike; German Unity
// Day by the Unification Treaty. Reformation Day 2017, its 500th anniversary, was a holiday
// in every state once.
Rules GermanyNationwide()
{
    return {Fixed("New Year's Day", 1, 1),       Easter("Good Friday", -2),
            Easter("Easter Monday", 1),          Fixed("Labour Day", 5, 1),
            Easter("Ascension Day", 39),         Easter("Whit Monday", 50),
            Fixed("Day of German Unity", 10, 3), OneOff("Reformation Day", 2017, 10, 31),
            Fixed("Christmas Day", 12, 25),      Fixed("Second Day of Christmas", 12, 26)};
}

// A state's list: the nationwide days and its own. A state that keeps Reformation Day every
// year has no need of the one of 2017.
Rules GermanState(const Rules &own)
{
    Rules rules = GermanyNationwide();
    const bool reformation = std::ranges::any_of(
        own, [](const HolidayRule &rule) { return rule.Name == "Reformation Day" && rule.FirstYear == 0; });
    if (reformation) {
        std::erase_if(rules, [](const HolidayRule &rule) { return rule.Name == "Reformation Day"; });
    }
    rules = Join(std::move(rules), own);
    // In the order of the year, as the states' laws list them.
    std::ranges::stable_sort(rules, {}, [](const HolidayRule &rule) {
        if (rule.Kind == HolidayRuleKind::EasterOffset) {
            // Easter falls from 22 March to 25 April: its days sit among the spring's.
            return 400 + rule.Offset;
        }
        return rule.Month * 32 + (rule.Kind == HolidayRuleKind::FixedDate ? rule.Day : 31);
    });
    return rules;
}

HolidayRule Epiphany()
{
    return Fixed("Epiphany", 1, 6);
}
HolidayRule CorpusChristi()
{
    return Easter("Corpus Christi", 60);
}
HolidayRule Assumption()
{
    return Fixed("Assumption Day", 8, 15);
}
HolidayRule AllSaints()
{
    return Fixed("All Saints' Day", 11, 1);
}
HolidayRule Reformation(int first = 0)
{
    return Years(Fixed("Reformation Day", 10, 31), first);
}

// The Swiss days kept in every canton: New Year's Day, Ascension Day and Christmas Day by the
// cantons' laws, the National Day by the federal constitution (art. 110).
Rules SwissCanton(const Rules &own)
{
    return Join({Fixed("New Year's Day", 1, 1), Easter("Ascension Day", 39), Fixed("Swiss National Day", 8, 1),
                 Fixed("Christmas Day", 12, 25)},
                own);
}

std::vector<HolidayPreset> MakePresets()
{
    std::vector<HolidayPreset> presets;
    // A preset's rules are marked as such: their names are the preset's, which the program
    // shows in its language.
    const auto add = [&presets](std::string_view code, std::string_view name, Rules rules) {
        for (HolidayRule &rule : rules) {
            rule.Preset = true;
        }
        presets.push_back({code, name, std::move(rules)});
    };

    // The bank holidays of England and Wales: the Banking and Financial Dealings Act 1971 and
    // the royal proclamations of each year, as gov.uk lists them (https://www.gov.uk/bank-holidays).
    add("gb-eaw", "England and Wales",
        Join({Fixed("New Year's Day", 1, 1, Substitute), Easter("Good Friday", -2), Easter("Easter Monday", 1),
              EarlyMay(), SpringBankHoliday(), Weekday("Summer bank holiday", 0, Mon, 8),
              Fixed("Christmas Day", 12, 25, Substitute), Fixed("Boxing Day", 12, 26, Substitute)},
             UnitedKingdomOneOffs()));
    // Scotland's bank holidays (gov.uk, "Bank holidays: Scotland"); St Andrew's Day by the St
    // Andrew's Day Bank Holiday (Scotland) Act 2007; Monday 15 June 2026 once, by royal
    // proclamation for Scotland alone.
    add("gb-sct", "Scotland",
        Join({Fixed("New Year's Day", 1, 1, Substitute), Fixed("2nd January", 1, 2, Substitute),
              Easter("Good Friday", -2), EarlyMay(), SpringBankHoliday(), Weekday("Summer bank holiday", 1, Mon, 8),
              Years(Fixed("St Andrew's Day", 11, 30, Substitute), 2007), Fixed("Christmas Day", 12, 25, Substitute),
              Fixed("Boxing Day", 12, 26, Substitute),
              Noted(OneOff("Additional bank holiday", 2026, 6, 15), "A one-off bank holiday in Scotland alone, "
                                                                    "proclaimed for Monday 15 June 2026.")},
             UnitedKingdomOneOffs()));
    // Northern Ireland's bank holidays (gov.uk, "Bank holidays: Northern Ireland"; nidirect.gov.uk).
    add("gb-nir", "Northern Ireland",
        Join({Fixed("New Year's Day", 1, 1, Substitute), Fixed("St Patrick's Day", 3, 17, Substitute),
              Easter("Good Friday", -2), Easter("Easter Monday", 1), EarlyMay(), SpringBankHoliday(),
              Fixed("Battle of the Boyne (Orangemen's Day)", 7, 12, Substitute),
              Weekday("Summer bank holiday", 0, Mon, 8), Fixed("Christmas Day", 12, 25, Substitute),
              Fixed("Boxing Day", 12, 26, Substitute)},
             UnitedKingdomOneOffs()));
    // Ireland's public holidays: the Organisation of Working Time Act 1997, Schedule 2, as
    // citizensinformation.ie lists them. St Brigid's Day from 2023: the first Monday of
    // February, or 1 February when that is a Friday. A holiday on a weekend gives no day off
    // by law. 18 March 2022 was a public holiday once (Day of Remembrance and Recognition).
    HolidayRule brigid = Years(Weekday("Saint Brigid's Day", 1, Mon, 2), 2023);
    for (int year = brigid.FirstYear; year <= LastSendableYear; ++year) {
        TDateTime first = 0;
        if (TryEncodeDate(year, 2, 1, first) && DayOfWeek(first) == Fri) {
            brigid.Changes.push_back({year, 2, 1});
        }
    }
    add("ie", "Ireland",
        {Fixed("New Year's Day", 1, 1), brigid, Fixed("Saint Patrick's Day", 3, 17),
         OneOff("Day of Remembrance and Recognition", 2022, 3, 18), Easter("Easter Monday", 1),
         Weekday("May bank holiday", 1, Mon, 5), Weekday("June bank holiday", 1, Mon, 6),
         Weekday("August bank holiday", 1, Mon, 8), Weekday("October bank holiday", 0, Mon, 10),
         Fixed("Christmas Day", 12, 25), Fixed("Saint Stephen's Day", 12, 26)});

    // Germany's nationwide public holidays (the states add their own); the Federal Ministry of
    // the Interior's list of public holidays (bmi.bund.de, "Gesetzliche Feiertage").
    add("de", "Germany (nationwide)", GermanyNationwide());
    // The states, each by its holiday law (Feiertagsgesetz), as the Federal Ministry of the
    // Interior's list names them by state.
    // Baden-Württemberg: Feiertagsgesetz (FTG) § 1.
    add("de-bw", "Germany: Baden-Württemberg", GermanState({Epiphany(), CorpusChristi(), AllSaints()}));
    // Bavaria: Feiertagsgesetz (FTG) Art. 1.
    add("de-by", "Germany: Bavaria",
        GermanState({Epiphany(), CorpusChristi(),
                     Noted(Assumption(), "In the municipalities with a mainly Catholic population (most of "
                                         "Bavaria, Munich included); untick it elsewhere."),
                     Unticked(Fixed("Augsburg Peace Festival", 8, 8), "In the city of Augsburg only."), AllSaints()}));
    // Berlin: Gesetz über die Sonn- und Feiertage § 1; International Women's Day from 2019;
    // 8 May 2020 and 2025 (75 and 80 years since the end of the Second World War) once each;
    // 17 June 2028 (75 years since the uprising of 17 June 1953) once.
    add("de-be", "Germany: Berlin",
        GermanState({Years(Fixed("International Women's Day", 3, 8), 2019), OneOff("Day of Liberation", 2020, 5, 8),
                     OneOff("Day of Liberation", 2025, 5, 8),
                     Noted(OneOff("Anniversary of the uprising of 17 June 1953", 2028, 6, 17),
                           "A holiday in Berlin once, 75 years after the uprising of 17 June 1953.")}));
    // Brandenburg: Feiertagsgesetz (FTG) § 2, which names Easter Sunday and Whit Sunday too.
    add("de-bb", "Germany: Brandenburg",
        GermanState({Easter("Easter Sunday", 0), Easter("Whit Sunday", 49), Reformation()}));
    // Bremen: Gesetz über die Sonn- und Feiertage § 1; Reformation Day from 2018.
    add("de-hb", "Germany: Bremen", GermanState({Reformation(2018)}));
    // Hamburg: Feiertagsgesetz § 1; Reformation Day from 2018.
    add("de-hh", "Germany: Hamburg", GermanState({Reformation(2018)}));
    // Hesse: Hessisches Feiertagsgesetz (HFeiertagsG) § 1.
    add("de-he", "Germany: Hesse", GermanState({CorpusChristi()}));
    // Lower Saxony: Niedersächsisches Gesetz über die Feiertage (NFeiertagsG) § 2; Reformation
    // Day from 2018.
    add("de-ni", "Germany: Lower Saxony", GermanState({Reformation(2018)}));
    // Mecklenburg-Western Pomerania: Feiertagsgesetz (FTG M-V) § 2; International Women's Day
    // from 2023.
    add("de-mv", "Germany: Mecklenburg-Western Pomerania",
        GermanState({Years(Fixed("International Women's Day", 3, 8), 2023), Reformation()}));
    // North Rhine-Westphalia: Feiertagsgesetz NW § 2.
    add("de-nw", "Germany: North Rhine-Westphalia", GermanState({CorpusChristi(), AllSaints()}));
    // Rhineland-Palatinate: Landesfeiertagsgesetz (LFtG) § 2.
    add("de-rp", "Germany: Rhineland-Palatinate", GermanState({CorpusChristi(), AllSaints()}));
    // Saarland: Feiertagsgesetz (SFG) § 2.
    add("de-sl", "Germany: Saarland", GermanState({CorpusChristi(), Assumption(), AllSaints()}));
    // Saxony: Gesetz über Sonn- und Feiertage im Freistaat Sachsen (SächsSFG) § 1: the Day of
    // Repentance and Prayer is the Wednesday before 23 November.
    add("de-sn", "Germany: Saxony",
        GermanState({Reformation(), Then(Fixed("Day of Repentance and Prayer", 11, 23), WeekdayStep::Before, Wed),
                     Unticked(CorpusChristi(), "In some Catholic Sorbian municipalities of the districts of Bautzen "
                                               "and Görlitz only.")}));
    // Saxony-Anhalt: Gesetz über die Sonn- und Feiertage (FeiertG LSA) § 2.
    add("de-st", "Germany: Saxony-Anhalt", GermanState({Epiphany(), Reformation()}));
    // Schleswig-Holstein: Sonn- und Feiertagsgesetz (SFTG) § 2; Reformation Day from 2018.
    add("de-sh", "Germany: Schleswig-Holstein", GermanState({Reformation(2018)}));
    // Thuringia: Thüringer Feiertagsgesetz (ThürFtG) § 2; World Children's Day from 2019.
    add("de-th", "Germany: Thuringia",
        GermanState({Years(Fixed("World Children's Day", 9, 20), 2019), Reformation(),
                     Unticked(CorpusChristi(), "In the municipalities of the Eichsfeld district with a mainly "
                                               "Catholic population, and some others, only.")}));

    // Austria's public holidays: the Feiertagsruhegesetz 1957 § 1 and the Arbeitsruhegesetz
    // § 7, as oesterreich.gv.at lists them.
    add("at", "Austria",
        {Fixed("New Year's Day", 1, 1), Epiphany(), Easter("Easter Monday", 1), Fixed("State Holiday", 5, 1),
         Easter("Ascension Day", 39), Easter("Whit Monday", 50), CorpusChristi(), Assumption(),
         Fixed("National Day", 10, 26), AllSaints(), Fixed("Immaculate Conception", 12, 8),
         Fixed("Christmas Day", 12, 25), Fixed("St Stephen's Day", 12, 26)});
    // Switzerland: the days every canton keeps, and those most keep, unticked (the State
    // Secretariat for Economic Affairs' list "Gesetzliche Feiertage" by canton).
    add("ch", "Switzerland (every canton)",
        SwissCanton({Unticked(Easter("Good Friday", -2), "A holiday in every canton but Ticino and Valais."),
                     Unticked(Easter("Easter Monday", 1), "A holiday in most cantons, not in Valais."),
                     Unticked(Easter("Whit Monday", 50), "A holiday in most cantons, not in Valais."),
                     Unticked(Fixed("St Stephen's Day", 12, 26), "A holiday in most cantons, not in Geneva, Jura, "
                                                                 "Neuchâtel, Valais and Vaud.")}));
    // Zurich: Ruhetags- und Ladenöffnungsgesetz (RLG) § 1.
    add("ch-zh", "Switzerland: Zurich",
        SwissCanton({Easter("Good Friday", -2), Easter("Easter Monday", 1), Fixed("Labour Day", 5, 1),
                     Easter("Whit Monday", 50), Fixed("St Stephen's Day", 12, 26)}));
    // Bern: Gesetz über die Ruhe an öffentlichen Feiertagen, Art. 2.
    add("ch-be", "Switzerland: Bern",
        SwissCanton({Fixed("Berchtold's Day", 1, 2), Easter("Good Friday", -2), Easter("Easter Monday", 1),
                     Easter("Whit Monday", 50), Fixed("St Stephen's Day", 12, 26)}));
    // Basel-Stadt: Ruhetagsgesetz § 2.
    add("ch-bs", "Switzerland: Basel-Stadt",
        SwissCanton({Easter("Good Friday", -2), Easter("Easter Monday", 1), Fixed("Labour Day", 5, 1),
                     Easter("Whit Monday", 50), Fixed("St Stephen's Day", 12, 26)}));
    // Geneva: Loi sur les jours fériés (J 1 45) art. 1: the Genevan Fast is the Thursday after
    // the first Sunday of September.
    add("ch-ge", "Switzerland: Geneva",
        SwissCanton({Easter("Good Friday", -2), Easter("Easter Monday", 1), Easter("Whit Monday", 50),
                     Then(Weekday("Genevan Fast", 1, Sun, 9), WeekdayStep::After, Thu),
                     Fixed("Restoration of the Republic", 12, 31)}));
    // Vaud: Loi sur les jours fériés, art. 1: the Monday after the Federal Fast (the third
    // Sunday of September).
    add("ch-vd", "Switzerland: Vaud",
        SwissCanton({Fixed("Berchtold's Day", 1, 2), Easter("Good Friday", -2), Easter("Easter Monday", 1),
                     Easter("Whit Monday", 50),
                     Then(Weekday("Federal Fast Monday", 3, Sun, 9), WeekdayStep::After, Mon)}));
    // Ticino: the days the State Secretariat for Economic Affairs' list by canton gives for
    // Ticino (no Good Friday; St Joseph, Corpus Christi, Sts Peter and Paul).
    add("ch-ti", "Switzerland: Ticino",
        SwissCanton({Epiphany(), Fixed("St Joseph's Day", 3, 19), Easter("Easter Monday", 1), Fixed("Labour Day", 5, 1),
                     Easter("Whit Monday", 50), CorpusChristi(), Fixed("Sts Peter and Paul", 6, 29), Assumption(),
                     AllSaints(), Fixed("Immaculate Conception", 12, 8), Fixed("St Stephen's Day", 12, 26)}));

    // Belgium's public holidays: the Royal Decree of 18 April 1974, as belgium.be lists them
    // ("Jours fériés"). A holiday on a Sunday or a day off gives another day the employer sets.
    add("be", "Belgium",
        {Fixed("New Year's Day", 1, 1), Easter("Easter Monday", 1), Fixed("Labour Day", 5, 1),
         Easter("Ascension Day", 39), Easter("Whit Monday", 50), Fixed("National Day", 7, 21), Assumption(),
         AllSaints(), Fixed("Armistice Day", 11, 11), Fixed("Christmas Day", 12, 25)});
    // France's public holidays (without those of Alsace and Moselle only): the Labour Code, art.
    // L3133-1, as service-public.fr lists them ("Jours fériés").
    add("fr", "France",
        {Fixed("New Year's Day", 1, 1), Easter("Easter Monday", 1), Fixed("Labour Day", 5, 1),
         Fixed("Victory in Europe Day", 5, 8), Easter("Ascension Day", 39), Easter("Whit Monday", 50),
         Fixed("Bastille Day", 7, 14), Fixed("Assumption of Mary", 8, 15), AllSaints(), Fixed("Armistice Day", 11, 11),
         Fixed("Christmas Day", 12, 25)});
    // Italy's public holidays: Law 260 of 1949 and Presidential Decree 792 of 1985, as the
    // government's site lists them; St Francis's Day (4 October) again from 2026 (Law 151 of
    // 2025). Republic Day on 2 June again from 2001 (Law 336 of 2000; from 1977 to 2000 it was
    // kept on the first Sunday of June); 17 March 2011, the 150th anniversary of the
    // unification, once (Decree-law 5 of 2011).
    add("it", "Italy",
        {Fixed("New Year's Day", 1, 1), Epiphany(),
         Noted(OneOff("150th anniversary of the unification of Italy", 2011, 3, 17),
               "A public holiday once, by Decree-law 5 of 2011."),
         Easter("Easter Sunday", 0), Easter("Easter Monday", 1), Fixed("Liberation Day", 4, 25),
         Fixed("Labour Day", 5, 1),
         Noted(Years(Fixed("Republic Day", 6, 2), 2001),
               "On 2 June from 2001 (Law 336 of 2000); from 1977 to 2000 it was kept on the first Sunday of June."),
         Fixed("Ferragosto", 8, 15), Years(Fixed("St Francis of Assisi", 10, 4), 2026), AllSaints(),
         Fixed("Immaculate Conception", 12, 8), Fixed("Christmas Day", 12, 25), Fixed("St Stephen's Day", 12, 26)});
    // Spain's national holidays: those the yearly resolution of the Ministry of Labour in the
    // Official State Gazette (BOE, "fiestas laborales") names for every region. The regions add
    // their own, and may move one falling on a Sunday to the Monday: see that year's list.
    add("es", "Spain (national)",
        {Fixed("New Year's Day", 1, 1), Epiphany(),
         Unticked(Easter("Maundy Thursday", -3), "A holiday in every region but Catalonia (and in some years "
                                                 "Valencia)."),
         Easter("Good Friday", -2), Fixed("Labour Day", 5, 1), Assumption(), Fixed("National Day of Spain", 10, 12),
         AllSaints(), Fixed("Constitution Day", 12, 6), Fixed("Immaculate Conception", 12, 8),
         Fixed("Christmas Day", 12, 25)});
    // Poland's public holidays: the Act on days free from work of 18 January 1951, art. 1;
    // Epiphany from 2011, Christmas Eve from 2025; 12 November 2018, the centenary of
    // independence, once.
    add("pl", "Poland",
        {Fixed("New Year's Day", 1, 1), Years(Epiphany(), 2011), Easter("Easter Sunday", 0), Easter("Easter Monday", 1),
         Fixed("Labour Day", 5, 1), Fixed("Constitution Day", 5, 3), Easter("Whit Sunday", 49), CorpusChristi(),
         Assumption(), AllSaints(), Fixed("Independence Day", 11, 11),
         OneOff("Centenary of Independence", 2018, 11, 12), Years(Fixed("Christmas Eve", 12, 24), 2025),
         Fixed("Christmas Day", 12, 25), Fixed("Second Day of Christmas", 12, 26)});
    // The Netherlands' public holidays: the General Extension of Time Limits Act (Algemene
    // termijnenwet) art. 3 and rijksoverheid.nl ("Officiële feestdagen"). Queen's Day until
    // 2013, King's Day from 2014, each on the Saturday before when it falls on a Sunday.
    add("nl", "Netherlands",
        {Fixed("New Year's Day", 1, 1),
         Unticked(Easter("Good Friday", -2), "A public holiday, but a day off only where the collective "
                                             "agreement or the employer gives it."),
         Easter("Easter Sunday", 0), Easter("Easter Monday", 1),
         Years(Fixed("Queen's Day", 4, 30, WeekendMove::SundayToSaturday), 0, 2013),
         Years(Fixed("King's Day", 4, 27, WeekendMove::SundayToSaturday), 2014),
         Unticked(Fixed("Liberation Day", 5, 5),
                  "A public holiday, but a day off only where the collective agreement or the employer gives it, "
                  "in many agreements every fifth year only."),
         Unticked(
             [] {
                 HolidayRule lustrum = Years(Fixed("Liberation Day (every fifth year)", 5, 5), 2000);
                 lustrum.EveryYears = 5;
                 return lustrum;
             }(),
             "Liberation Day in the years of a lustrum (2025, 2030, ...), as many agreements give it."),
         Easter("Ascension Day", 39), Easter("Whit Sunday", 49), Easter("Whit Monday", 50),
         Fixed("Christmas Day", 12, 25), Fixed("Second Day of Christmas", 12, 26)});

    // The United States' federal holidays, on the days federal offices close: 5 U.S.C. 6103
    // and the Office of Personnel Management's list (opm.gov, "Federal Holidays"). Juneteenth
    // from 2021 (Juneteenth National Independence Day Act).
    constexpr WeekendMove Observed = WeekendMove::NearestWeekday;
    add("us", "United States (federal)",
        {Fixed("New Year's Day", 1, 1, Observed), Weekday("Birthday of Martin Luther King, Jr.", 3, Mon, 1),
         Weekday("Washington's Birthday", 3, Mon, 2), Weekday("Memorial Day", 0, Mon, 5),
         Years(Fixed("Juneteenth National Independence Day", 6, 19, Observed), 2021),
         Fixed("Independence Day", 7, 4, Observed), Weekday("Labor Day", 1, Mon, 9),
         Weekday("Columbus Day", 2, Mon, 10), Fixed("Veterans Day", 11, 11, Observed),
         Weekday("Thanksgiving Day", 4, Thu, 11), Fixed("Christmas Day", 12, 25, Observed)});
    // Canada's federal general holidays: the Canada Labour Code, s. 166, as canada.ca lists
    // them ("Public holidays"). Victoria Day is the Monday before 25 May; Canada Day on a
    // Sunday is kept on 2 July (Holidays Act); the National Day for Truth and Reconciliation
    // from 2021. A general holiday on a Saturday or a Sunday, a non-working day for most, gives
    // a working day off before or after it (Canada Labour Code, Part III); the federal
    // government's lists give the one after: the Monday, or the next working day that is no
    // holiday yet. The days on a weekday by their rule (Good Friday, the Mondays) never move.
    const auto dayOff = [](HolidayRule rule) {
        rule.Move = Substitute;
        return Noted(std::move(rule), "On a Saturday or a Sunday, the working day after it is the day off (Canada "
                                      "Labour Code, as the federal government's lists give it).");
    };
    add("ca", "Canada (federal)",
        {dayOff(Fixed("New Year's Day", 1, 1)), Easter("Good Friday", -2),
         Then(Fixed("Victoria Day", 5, 25), WeekdayStep::Before, Mon), dayOff(Fixed("Canada Day", 7, 1)),
         Weekday("Labour Day", 1, Mon, 9),
         dayOff(Years(Fixed("National Day for Truth and Reconciliation", 9, 30), 2021)),
         Weekday("Thanksgiving Day", 2, Mon, 10), dayOff(Fixed("Remembrance Day", 11, 11)),
         dayOff(Fixed("Christmas Day", 12, 25)), dayOff(Fixed("Boxing Day", 12, 26))});
    // Australia's national public holidays: the Fair Work Act 2009, s. 115, as fairwork.gov.au
    // lists them, with the substitute days every state gives; the sovereign's birthday as most
    // states keep it. 22 September 2022 was a National Day of Mourning once. In 2011, when
    // Easter Monday fell on 25 April, every state gave Tuesday 26 April for Anzac Day.
    add("au", "Australia (national)",
        {Fixed("New Year's Day", 1, 1, Substitute), Fixed("Australia Day", 1, 26, Substitute),
         Easter("Good Friday", -2), Easter("Easter Monday", 1),
         Noted(Changed(Fixed("Anzac Day", 4, 25), {{2011, 4, 26}}),
               "In 2011 on Tuesday 26 April, as Easter Monday fell on 25 April."),
         Noted(Years(Weekday("Queen's Birthday", 2, Mon, 6), 0, 2022),
               "Western Australia and Queensland keep it on other days."),
         Noted(Years(Weekday("King's Birthday", 2, Mon, 6), 2023),
               "Western Australia and Queensland keep it on other days."),
         OneOff("National Day of Mourning for Queen Elizabeth II", 2022, 9, 22),
         Fixed("Christmas Day", 12, 25, Substitute), Fixed("Boxing Day", 12, 26, Substitute)});
    return presets;
}

} // namespace

const std::vector<HolidayPreset> &HolidayPresets()
{
    static const std::vector<HolidayPreset> presets = MakePresets();
    return presets;
}

} // namespace korvelt
