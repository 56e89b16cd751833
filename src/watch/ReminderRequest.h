#pragma once

#include "model/OrdersState.h"
#include "watch/DeadlineReminders.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

/// The deadline reminders a game's orders state calls for: its phase due
/// and deadline, and where the orders stand by the Judge's last verdict
/// (a refused line or the error flag: refused; units the Judge holds no
/// order for: units without orders). Orders sent and not yet answered count
/// as in, since the Judge's reply is what can say otherwise; a watched game
/// fetches it as it comes. nullopt without a phase due or a deadline in the
/// Judge's form. game: the game's name at the Judge ("kestrel").
std::optional<CReminderRequest> ReminderRequestFor(const std::string& game, const CGameOrdersState& state,
                                                   const std::vector<std::chrono::minutes>& leads);
