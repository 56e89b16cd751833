#include "model/SeasonKey.h"

namespace {

constexpr int kSpring = 0;
constexpr int kFall = 1;
constexpr int kMovement = 0;
constexpr int kRetreat = 1;
constexpr int kBuild = 2;

} // namespace

int SeasonYearOf(const std::string& name)
{
    const std::string digits = name.size() > 1 ? name.substr(1, 4) : std::string();
    size_t i = 0;
    while (i < digits.size() && (digits[i] == ' ' || digits[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < digits.size() && (digits[i] == '+' || digits[i] == '-'))
        negative = digits[i++] == '-';
    int year = 0;
    for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i)
        year = year * 10 + (digits[i] - '0');
    return negative ? -year : year;
}

CSeasonKey SeasonKeyOf(const std::string& name)
{
    CSeasonKey key;
    key.year = SeasonYearOf(name);
    const char letter = name.empty() ? '\0' : name[0];
    key.season = letter == 'S' ? kSpring : letter == 'F' ? kFall : 2;
    const char phase = name.size() > 5 ? name[5] : '\0';
    key.phase = phase == 'M' ? kMovement : phase == 'R' ? kRetreat : phase == 'B' ? kBuild : 3;
    return key;
}

bool CSeasonKey::IsLaterThan(const CSeasonKey& other) const
{
    if (year != other.year)
        return year > other.year;
    if (season == kFall && other.season == kSpring)
        return true;
    if (season == kSpring && other.season == kFall)
        return false;
    if (phase == kBuild && other.phase != kBuild)
        return true;
    return phase == kRetreat && other.phase == kMovement;
}
