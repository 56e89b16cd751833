#include "RatioReport.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

using Times = CRatioReporter::Times;

constexpr double kComposeGoal = 1.2;
constexpr double kZoomed4KGoal = 0.016;   // one frame at 60 Hz
constexpr double kStepGoal = 0.016;       // a season step in the window within one frame
constexpr double kAnimationGoal = 5.0;     // seconds for 100 seasons
constexpr double kOrdersGoal = 0.016;      // a click's places and the set's check within one frame
constexpr double kMailsPerYear = 5;
// Full walks of the season list while year N's five mails are filed: one
// duplicate check for each movement; for each retreat and the adjustment
// the base-season check of the header, the duplicate check and the section
// parser's search for the season it starts from.
constexpr double kSeasonWalksPerYear = 1 + 3 + 1 + 3 + 3;
constexpr std::array<int, 4> kYears{1, 10, 50, 100};
// The 100-year mbox: the game start and five mails a year.
constexpr double kCenturyMails = 1 + 100 * kMailsPerYear;

std::optional<Times> Ratio(const std::optional<Times>& a, const std::optional<Times>& b)
{
    if (!a || !b || b->real <= 0 || b->cpu <= 0)
        return std::nullopt;
    return Times{a->real / b->real, a->cpu / b->cpu};
}

std::optional<Times> Scaled(const std::optional<Times>& t, double factor)
{
    if (!t)
        return std::nullopt;
    return Times{t->real * factor, t->cpu * factor};
}

std::optional<Times> Difference(const std::optional<Times>& a, const std::optional<Times>& b)
{
    if (!a || !b)
        return std::nullopt;
    return Times{a->real - b->real, a->cpu - b->cpu};
}

struct Unit {
    const char* suffix;
    double perSecond;
};
constexpr Unit kRatio{"", 1};
constexpr Unit kMs{" ms", 1e3};
constexpr Unit kUs{" us", 1e6};
constexpr Unit kNs{" ns", 1e9};

// One line: the label, the real-time value, the CPU-time value, a note.
void Row(std::ostream& out, const char* label, const std::optional<Times>& value, Unit unit, const std::string& note = {})
{
    char line[160];
    if (value)
        std::snprintf(line, sizeof line, "  %-46s %10.3f%-3s %10.3f%-3s", label, value->real * unit.perSecond,
                      unit.suffix, value->cpu * unit.perSecond, unit.suffix);
    else
        std::snprintf(line, sizeof line, "  %-46s %13s %13s", label, "n/a", "n/a");
    std::string text(line);
    if (value && !note.empty())
        text += "  " + note;
    // The unit column is blank for ratios; no line ends in blanks.
    text.erase(text.find_last_not_of(' ') + 1);
    out << text << '\n';
}

} // namespace

void CRatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        // Repetitions are kept one by one for the median; the library's own
        // aggregates (mean, median, stddev) would count twice.
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty())
            name += "/" + run.run_name.args;
        const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
        m_sums[name].push_back({run.GetAdjustedRealTime() / perSecond, run.GetAdjustedCPUTime() / perSecond});
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<Times> CRatioReporter::Find(const std::string& name) const
{
    const auto it = m_sums.find(name);
    if (it == m_sums.end() || it->second.empty())
        return std::nullopt;
    std::vector<double> real;
    std::vector<double> cpu;
    for (const Times& t : it->second) {
        real.push_back(t.real);
        cpu.push_back(t.cpu);
    }
    const auto median = [](std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    };
    return Times{median(real), median(cpu)};
}

void CRatioReporter::PrintRatios(std::ostream& out) const
{
    if (m_sums.empty())
        return;
    out << "\nRatios and goals" << std::string(36, ' ') << "real time      CPU time\n";

    const auto compose = Ratio(Find("BM_ComposeSeason"), Find("BM_CopyBareBoard"));
    std::string verdict;
    if (compose)
        verdict = std::string("goal <= 1.2: ") + (compose->real <= kComposeGoal ? "PASS" : "FAIL");
    Row(out, "ComposeSeason / CopyBareBoard", compose, kRatio, verdict);
    const auto zoomed = Find("BM_ShowSeasonZoomed4K");
    Row(out, "ShowSeasonZoomed4K", zoomed, kMs,
        zoomed ? std::string("goal < 16 ms: ") + (zoomed->real < kZoomed4KGoal ? "PASS" : "FAIL") : std::string());
    Row(out, "  ShowSeasonZoomed4K / CopyBareBoard", Ratio(zoomed, Find("BM_CopyBareBoard")), kRatio);
    const auto step = Find("BM_StepSeasonInWindow");
    Row(out, "StepSeasonInWindow (1600x1000)", step, kMs,
        step ? std::string("goal < 16 ms: ") + (step->real < kStepGoal ? "PASS" : "FAIL") : std::string());
    Row(out, "  StepSeasonInWindow / ShowSeasonZoomed4K", Ratio(step, zoomed), kRatio);
    const auto animation = Find("BM_AnimateHundredSeasons");
    Row(out, "AnimateHundredSeasons", animation, kMs,
        animation ? std::string("goal < 5 s: ") + (animation->real < kAnimationGoal ? "PASS" : "FAIL") : std::string());
    Row(out, "  the same, decoding the board first",
        Ratio(Find("BM_ComposeSeasonFreshDecode"), Find("BM_CopyBareBoardFreshDecode")), kRatio);
    Row(out, "ImportMovementReport / ReadReportBytes", Ratio(Find("BM_ImportMovementReport"), Find("BM_ReadReportBytes")),
        kRatio);
    Row(out, "  StoreReportSeason / ReadReportBytes", Ratio(Find("BM_StoreReportSeason"), Find("BM_ReadReportBytes")),
        kRatio);
    Row(out, "  ImportMovementReport / StoreReportSeason",
        Ratio(Find("BM_ImportMovementReport"), Find("BM_StoreReportSeason")), kRatio);
    Row(out, "OpenGame1000", Find("BM_OpenGame1000"), kMs);
    Row(out, "SaveGame1000", Find("BM_SaveGame1000"), kMs);

    // A round imports the five mails of a year; the rows show one mail.
    for (const char* way : {"FromFiles", "InMemory"}) {
        const std::string bench = std::string("BM_ImportYear") + way + "/";
        for (int year : kYears) {
            const std::string label = std::string("Import per mail ") + (way[0] == 'F' ? "from files" : "in memory") +
                                      ", year " + std::to_string(year);
            Row(out, label.c_str(), Scaled(Find(bench + std::to_string(year)), 1 / kMailsPerYear), kUs);
        }
        Row(out, "  year 100 / year 1", Ratio(Find(bench + "100"), Find(bench + "1")), kRatio);
    }

    // How much of the growth the season walks explain: the walk at year 100
    // over the walk at year 1, times the walks a year makes, per mail.
    const auto walkGrowth = Difference(Find("BM_FindAbsentSeason/100"), Find("BM_FindAbsentSeason/1"));
    Row(out, "One season walk at year 100", Find("BM_FindAbsentSeason/100"), kNs);
    Row(out, "Per mail growth, year 1 to 100, in memory",
        Scaled(Difference(Find("BM_ImportYearInMemory/100"), Find("BM_ImportYearInMemory/1")), 1 / kMailsPerYear),
        kUs);
    Row(out, "  of which the season walks predict", Scaled(walkGrowth, kSeasonWalksPerYear / kMailsPerYear), kUs);

    // Import Mailbox of a whole 100-year game in one mbox, into a new game.
    Row(out, "Import Mailbox, 100-year mbox, per mail", Scaled(Find("BM_ImportMailbox100Years"), 1 / kCenturyMails),
        kUs);
    Row(out, "  of which reading the mbox", Scaled(Find("BM_ReadMailbox100Years"), 1 / kCenturyMails), kUs);

    // Orders on the map: a click's places and the check of the set it changes.
    const auto reach = Find("BM_ReachableForClick");
    const auto check = Find("BM_CheckFullOrderSet");
    Row(out, "ReachableForClick", reach, kUs);
    Row(out, "CheckFullOrderSet (34 orders)", check, kUs);
    std::optional<Times> both;
    if (reach && check)
        both = Times{reach->real + check->real, reach->cpu + check->cpu};
    Row(out, "  together", both, kMs,
        both ? std::string("goal < 16 ms: ") + (both->real < kOrdersGoal ? "PASS" : "FAIL") : std::string());
}
