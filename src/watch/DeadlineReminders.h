#pragma once

#include "watch/Notice.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

/// Where the player's orders for the phase due stand.
enum class OrdersState {
    NotSent,            ///< drafted or not, never sent
    Refused,            ///< sent, and the Judge refused them
    UnitsWithoutOrders, ///< sent and taken, but some units have no order
    Accepted            ///< sent and taken for every unit: nothing to remind of
};

/// What one game's deadline reminders go by.
struct CReminderRequest {
    std::string game;  ///< the game's name at the Judge: "kestrel"
    std::string phase; ///< the phase due: "S1904M"
    std::chrono::sys_seconds deadline;
    OrdersState orders = OrdersState::NotSent;
    int unitsWithoutOrders = 0; ///< for UnitsWithoutOrders
    /// How long before the deadline to remind: the player's choice, by
    /// default 12 hours and 1 hour.
    std::vector<std::chrono::minutes> leads{std::chrono::hours(12), std::chrono::hours(1)};
};

/// A reminder and the time it is due.
struct CReminder {
    std::chrono::sys_seconds due;
    CNotice notice;
};

/// The next reminder of request seen at now, when the last one for this
/// deadline was given at lastGiven (nullopt: none yet). A reminder time
/// that has passed unseen (the program was not running) gives one reminder
/// due now, however many passed; else the earliest time still to come.
/// Its words are those of the moment it is due: "Kestrel: Spring 1904
/// orders are due in 12 hours" over what is amiss with the orders. nullopt
/// once the orders were sent and accepted, after the deadline, or when
/// every reminder was given.
std::optional<CReminder> NextReminder(const CReminderRequest& request, std::chrono::sys_seconds now,
                                      std::optional<std::chrono::sys_seconds> lastGiven);

/// A time left as a reminder says it: "12 hours", "1 hour 30 minutes",
/// "45 minutes", "2 days 3 hours", "less than a minute".
std::string TimeLeftInWords(std::chrono::seconds left);
