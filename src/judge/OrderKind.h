#pragma once

#include <string_view>

namespace judgeline {

/// What a movement-results order line orders, as the movement parser reads it.
enum class OrderKind { Support, Convoy, Hold, Proxy, Unordered, Move };

/// The kind of an upper-cased order line: the first keyword test that holds
/// decides; a convoy line that says NO CONVOY is a failed convoyed move, not
/// a convoying fleet.
OrderKind Classify(std::string_view upper);

/// The keyword at which the line of a stationary kind is cut (SUPPORT,
/// CONVOY, HOLD, NO ORDER PROCESSED); empty for moves and proxies.
std::string_view CutKeyword(OrderKind kind);

} // namespace judgeline
