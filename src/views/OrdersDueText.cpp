#include "views/OrdersDueText.h"

#include "judge/OrdersStatusRecord.h"
#include "model/SeasonWords.h"

#include <array>
#include <cstdio>

using namespace std::chrono;

namespace {

constexpr std::array<const char*, 7> kWeekdays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string Clock(sys_seconds time)
{
    const hh_mm_ss clock(time - floor<days>(time));
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", int(clock.hours().count()), int(clock.minutes().count()));
    return text;
}

std::string Weekday(sys_days day)
{
    return kWeekdays[weekday(day).c_encoding()];
}

std::string Count(long long n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

std::string SpanInWords(seconds span)
{
    const long long total = span.count() / 60;
    const long long dayCount = total / (24 * 60);
    const long long hourCount = total / 60 % 24;
    const long long minuteCount = total % 60;
    if (dayCount > 0)
        return Count(dayCount, "day", "days") + (hourCount ? " " + std::to_string(hourCount) + " h" : "");
    if (hourCount > 0)
        return std::to_string(hourCount) + " h" + (minuteCount ? " " + std::to_string(minuteCount) + " min" : "");
    if (minuteCount > 0)
        return std::to_string(minuteCount) + " min";
    return "less than a minute";
}

std::string OrdersDueText(const CPhaseDue& due, sys_seconds now, seconds localOffset)
{
    std::string phase = SeasonInWords(due.phase);
    if (phase == due.phase && !due.words.empty())
        phase = due.words;
    std::string text = phase + ": orders due ";
    if (!due.deadlineTime)
        return text + due.deadline;

    const sys_seconds deadline = *due.deadlineTime;
    const sys_days utcDay = floor<days>(deadline);
    const year_month_day date(utcDay);
    text += Weekday(utcDay) + " " + std::to_string(unsigned(date.day())) + " " +
            kMonths[unsigned(date.month()) - 1] + " " + Clock(deadline) + " UTC, ";

    const sys_seconds local = deadline + localOffset;
    const sys_days localDay = floor<days>(local);
    text += (localDay != utcDay ? Weekday(localDay) + " " : std::string()) + Clock(local) + " here, ";

    if (deadline > now)
        return text + SpanInWords(deadline - now) + " left";
    return text + "deadline passed " + SpanInWords(now - deadline) + " ago";
}

std::string SentStateText(const CGameOrdersState& state, seconds localOffset)
{
    const auto status = ReadVerdictLines(state.verdict);
    if (!state.sentAt)
        return status ? "The Judge's " + VerdictHeadline(*status) : std::string();
    const std::string sent = "Sent " + Clock(*state.sentAt + localOffset);
    if (!status)
        return sent + ", waiting for the Judge";
    const COrdersVerdict paired = PairWithSent(*status, state.SentOrders());
    return sent + "; " + VerdictHeadline(*status, &paired);
}

namespace {

std::string Refused(const std::string& line, const std::vector<std::string>& messages)
{
    std::string text = line + ": refused:";
    for (const std::string& message : messages)
        text += " " + message;
    return text;
}

} // namespace

std::vector<std::string> JudgeVerdictLines(const CGameOrdersState& state)
{
    const auto status = ReadVerdictLines(state.verdict);
    if (!status)
        return {};
    std::vector<std::string> lines;
    // Without the mail sent only the refused lines are known: the Judge
    // echoes no other.
    const COrdersVerdict paired = PairWithSent(*status, state.SentOrders());
    for (const CSentOrder& order : paired.orders)
        lines.push_back(order.refused ? Refused(order.line, order.messages) : order.line + ": accepted by the Judge");
    for (const COrdersRefusal& refusal : paired.unmatched)
        lines.push_back(Refused(refusal.line, refusal.messages));
    for (const std::string& unit : status->noOrders)
        lines.push_back(unit + ": no order, the Judge holds it");
    if (status->errorFlag)
        lines.push_back("Error flag set: the orders count as late until error-free ones come.");
    return lines;
}
