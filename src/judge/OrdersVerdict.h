#pragma once

#include "judge/OrdersStatus.h"

#include <cstddef>
#include <string>
#include <vector>

/// What the Judge made of one line the player sent.
struct CSentOrder {
    std::string line; ///< as sent
    bool refused = false;
    std::vector<std::string> messages; ///< the Judge's, when refused
};

/// The Judge's status reply laid beside the lines the player sent.
struct COrdersVerdict {
    /// Every order line sent, in the order of the mail (blank lines left out).
    std::vector<CSentOrder> orders;
    /// Refused lines the Judge echoed that are not among the lines sent (the
    /// reply was to another mail).
    std::vector<COrdersRefusal> unmatched;

    size_t Accepted() const;
    size_t Refused() const;
    /// "5 accepted, 1 refused"
    std::string Counts() const;
};

/// Pairs the reply with the lines sent. The Judge echoes only the lines it
/// refused, in the order of the mail, so a line is accepted exactly when it
/// is not the next refused echo (trailing spaces do not count).
COrdersVerdict PairWithSent(const COrdersStatus& status, const std::vector<std::string>& sentLines);

/// The one line for a summary: "orders status for S1902M: 5 accepted,
/// 1 refused" with the lines sent, else "orders status for S1902M:
/// 1 refused, 2 units without orders" (or "no order refused").
std::string VerdictHeadline(const COrdersStatus& status, const COrdersVerdict* paired = nullptr);
