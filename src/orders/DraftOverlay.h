#pragma once

#include "orders/BoardPoints.h"
#include "orders/OrderChecker.h"
#include "views/OverlayGeometry.h"

namespace orders {

/// The halo round drafted orders: white, where results have a dark one, so
/// that orders still to be sent never look like orders the Judge has played.
inline constexpr uint32_t kDraftOutlineColour = 0xFFFFFF;

/// The orders in force of a drafted set as overlay marks of country: moves
/// with their convoy routes, supports, convoys, holds, retreats, disbands,
/// builds and removals. An order on a line the Judge refuses all the same
/// ("A Vie-Bud please") is marked failed; refused lines and waives draw
/// nothing. A place without a position on the picture leaves its order out.
COrderOverlay BuildDraftOverlay(const SetVerdict& verdict, const Geography& geography, const BoardPoints& points,
                                int country);

/// The marks laid out as LayOutOverlay does, with the drafts' own halo.
COverlayShapes LayOutDrafts(const COrderOverlay& drafts, const std::vector<uint32_t>& colours,
                            const COverlayTransform& transform);

} // namespace orders
