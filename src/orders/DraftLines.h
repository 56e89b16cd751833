#pragma once

#include "orders/OrderChecker.h"

#include <string>
#include <vector>

namespace orders {

/// Adds order to the drafted lines as its canonical line, in place of every
/// line whose orders in force are all for the same unit or site (the Judge
/// keeps a unit's last order only, so the earlier lines would be dead). A
/// waive is added beside the others. Returns the line added.
std::string PutDraft(std::vector<std::string>& drafts, const OrderChecker& checker, const Order& order);

/// Takes out the lines whose orders in force are all for the unit or site
/// at province; returns how many went.
size_t RemoveDraftsAt(std::vector<std::string>& drafts, const OrderChecker& checker, int province);

} // namespace orders
