#include "model/PhaseDue.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <vector>

using namespace std::chrono;

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::vector<std::string_view> Fields(std::string_view text)
{
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < text.size()) {
        const size_t start = text.find_first_not_of(" \t:", i);
        if (start == std::string_view::npos)
            break;
        const size_t end = std::min(text.find_first_of(" \t:", start), text.size());
        fields.push_back(text.substr(start, end - start));
        i = end;
    }
    return fields;
}

// A decimal field of exactly digits digits (any number when digits is 0).
std::optional<int> Number(std::string_view field, size_t digits = 0)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc() || end != field.data() + field.size() || field.empty() || field[0] == '-' ||
        (digits && field.size() != digits))
        return std::nullopt;
    return value;
}

// The zone's distance east of UTC.
std::optional<minutes> ZoneOffset(std::string_view zone)
{
    if (zone == "GMT" || zone == "UTC" || zone == "UT" || zone == "Z")
        return minutes(0);
    if (zone.size() != 5 || (zone[0] != '+' && zone[0] != '-'))
        return std::nullopt;
    const auto hours = Number(zone.substr(1, 2), 2);
    const auto mins = Number(zone.substr(3, 2), 2);
    if (!hours || !mins || *hours > 23 || *mins > 59)
        return std::nullopt;
    const minutes offset(*hours * 60 + *mins);
    return zone[0] == '-' ? -offset : offset;
}

} // namespace

CPhaseDue MakePhaseDue(std::string phase, std::string words, std::string deadline)
{
    CPhaseDue due{std::move(phase), std::move(words), std::move(deadline), std::nullopt};
    due.deadlineTime = ParseJudgeTime(due.deadline);
    return due;
}

std::optional<sys_seconds> ParseJudgeTime(std::string_view text)
{
    std::vector<std::string_view> f = Fields(text);
    const auto monthOf = [](std::string_view name) {
        for (unsigned m = 0; m < kMonths.size(); ++m)
            if (name == kMonths[m])
                return m + 1;
        return 0u;
    };
    // The weekday is redundant with the date; the Judge always writes it,
    // but a date without it means the same. Hand-written deadlines may leave
    // out the seconds.
    if (!f.empty() && !monthOf(f[0]))
        f.erase(f.begin());
    if (f.size() == 6)
        f.insert(f.begin() + 5, "00");
    if (f.size() != 7)
        return std::nullopt;
    const unsigned monthNumber = monthOf(f[0]);
    const auto dayNumber = Number(f[1]);
    const auto yearNumber = Number(f[2], 4);
    const auto hour = Number(f[3], 2);
    const auto minute = Number(f[4], 2);
    const auto second = Number(f[5], 2);
    const auto offset = ZoneOffset(f[6]);
    if (!monthNumber || !dayNumber || !yearNumber || !hour || !minute || !second || !offset || *hour > 23 ||
        *minute > 59 || *second > 60)
        return std::nullopt;
    const year_month_day date{year(*yearNumber), month(monthNumber), day(unsigned(*dayNumber))};
    if (!date.ok())
        return std::nullopt;
    return sys_days(date) + hours(*hour) + minutes(*minute) + seconds(*second) - *offset;
}

std::string IsoUtc(sys_seconds time)
{
    const sys_days midnight = floor<days>(time);
    const year_month_day date(midnight);
    const hh_mm_ss clock(time - midnight);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), int(clock.hours().count()), int(clock.minutes().count()),
                  int(clock.seconds().count()));
    return text;
}

std::optional<sys_seconds> ParseIsoUtc(std::string_view text)
{
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':' || text[19] != 'Z')
        return std::nullopt;
    const auto y = Number(text.substr(0, 4), 4);
    const auto mo = Number(text.substr(5, 2), 2);
    const auto d = Number(text.substr(8, 2), 2);
    const auto h = Number(text.substr(11, 2), 2);
    const auto mi = Number(text.substr(14, 2), 2);
    const auto s = Number(text.substr(17, 2), 2);
    if (!y || !mo || !d || !h || !mi || !s || *h > 23 || *mi > 59 || *s > 59)
        return std::nullopt;
    const year_month_day date{year(*y), month(unsigned(*mo)), day(unsigned(*d))};
    if (!date.ok())
        return std::nullopt;
    return sys_days(date) + hours(*h) + minutes(*mi) + seconds(*s);
}
