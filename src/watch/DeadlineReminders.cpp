#include "watch/DeadlineReminders.h"

#include "watch/PhaseWords.h"

#include <algorithm>

using namespace std::chrono;

namespace {

std::string Count(long long n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string OrdersInWords(const CReminderRequest& request)
{
    switch (request.orders) {
    case OrdersState::Refused:
        return "The Judge refused your orders: mend them and send them again.";
    case OrdersState::UnitsWithoutOrders:
        return std::to_string(request.unitsWithoutOrders) + " of your units " +
               (request.unitsWithoutOrders == 1 ? "has" : "have") + " no orders.";
    case OrdersState::NotSent:
    case OrdersState::Accepted:
        break;
    }
    return "Your orders have not been sent.";
}

} // namespace

std::string TimeLeftInWords(seconds left)
{
    const long long minutesLeft = (left.count() + 30) / 60;
    if (minutesLeft < 1)
        return "less than a minute";
    if (minutesLeft < 60)
        return Count(minutesLeft, "minute", "minutes");
    if (minutesLeft < 120) {
        const long long rest = minutesLeft - 60;
        return rest == 0 ? std::string("1 hour") : "1 hour " + Count(rest, "minute", "minutes");
    }
    const long long hoursLeft = (minutesLeft + 30) / 60;
    if (hoursLeft < 24)
        return Count(hoursLeft, "hour", "hours");
    const long long rest = hoursLeft % 24;
    return Count(hoursLeft / 24, "day", "days") + (rest == 0 ? std::string() : " " + Count(rest, "hour", "hours"));
}

std::optional<CReminder> NextReminder(const CReminderRequest& request, sys_seconds now,
                                      std::optional<sys_seconds> lastGiven)
{
    if (request.orders == OrdersState::Accepted || now >= request.deadline)
        return std::nullopt;
    std::optional<sys_seconds> passed;
    std::optional<sys_seconds> coming;
    for (const minutes lead : request.leads) {
        if (lead <= minutes(0))
            continue;
        const sys_seconds at = request.deadline - lead;
        if (lastGiven && at <= *lastGiven)
            continue;
        if (at <= now)
            passed = passed ? std::max(*passed, at) : at;
        else
            coming = coming ? std::min(*coming, at) : at;
    }
    if (!passed && !coming)
        return std::nullopt;
    CReminder reminder;
    reminder.due = passed ? now : *coming;
    reminder.notice.season = request.phase;
    reminder.notice.title = GameInWords(request.game) + ": " + PhaseInWords(request.phase) + " orders are due in " +
                            TimeLeftInWords(request.deadline - reminder.due);
    reminder.notice.body = OrdersInWords(request);
    return reminder;
}
