#include "watch/ReminderRequest.h"

#include "judge/OrdersStatusRecord.h"

std::optional<CReminderRequest> ReminderRequestFor(const std::string& game, const CGameOrdersState& state,
                                                   const std::vector<std::chrono::minutes>& leads)
{
    if (!state.due || !state.due->deadlineTime)
        return std::nullopt;
    CReminderRequest request;
    request.game = game;
    request.phase = state.due->phase;
    request.deadline = *state.due->deadlineTime;
    request.leads = leads;
    // A verdict is kept only for the phase due, so it speaks for these orders
    // even when they went out from another mail program.
    if (const auto status = ReadVerdictLines(state.verdict)) {
        if (status->nothingDue)
            request.orders = OrdersState::Accepted;
        else if (status->errorFlag || !status->refused.empty())
            request.orders = OrdersState::Refused;
        else if (!status->noOrders.empty()) {
            request.orders = OrdersState::UnitsWithoutOrders;
            request.unitsWithoutOrders = int(status->noOrders.size());
        } else
            request.orders = OrdersState::Accepted;
    } else
        request.orders = state.sentAt ? OrdersState::Accepted : OrdersState::NotSent;
    return request;
}
