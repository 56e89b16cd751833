#pragma once

#include "views/MapPlacement.h"
#include "views/Raster.h"
#include "picture/RgbImage.h"

#include <optional>
#include <variant>

class CKestraneDoc;
class IUserMessages;

/// Message when the printer can neither stretch nor copy bitmaps.
inline constexpr const char* kNoBitmapPrinting = "Printer does not support bitmap printing";
/// Message when the final copy to the target failed.
inline constexpr const char* kRasterOperationFailed = "Raster Operation Failed";

/// Choices that stand in for what the platform offers.
struct CRenderOptions {
    /// false: the masked copy is unavailable, and units are drawn as the
    /// fallback shapes (fleet pentagon pointing up at the unit's position,
    /// army 10 x 10 square with its top-left corner there).
    bool m_bMaskedCopy = true;
};

/// What the map view paints into: the screen or a printer.
using CDrawTarget = std::variant<CScreenTarget, CPrinterTarget>;

/// Composes the season on show on a surface of the board picture's size, in
/// the view's order: the board; then for each country index from 0 to the
/// number of countries less 1, its units (colour-filled unit pictures through
/// their masks, or the fallback shapes), the initials when settings ask for
/// them, and its supply-centre circles of the ownership season (the latest
/// season up to the one on show with any ownership) when the supply-centre
/// setting is exactly 1. Later countries are drawn over earlier ones. With
/// no season on show the result is the bare board. dpiY is the surface's
/// vertical resolution, which sizes the initials.
CRgbImage ComposeSeason(const CKestraneDoc& doc, const CDisplaySettings& settings, int dpiY,
                        const CRenderOptions& options = {});

/// The result of one paint.
struct CDrawResult {
    /// The composed season at the picture's size (the off-screen picture).
    CRgbImage picture;
    /// Set when painting the screen.
    std::optional<CScreenPlacement> screen;
    /// Set when printing.
    std::optional<CPaperPlacement> paper;
    /// The copy to make of picture onto the target; none when it failed.
    std::optional<CBlit> blit;
};

/// The whole paint of the map view: composes the season, then places it on
/// the target. On a printer without bitmap copies it shows
/// "Printer does not support bitmap printing" and then
/// "Raster Operation Failed" through messages. When the caller's own copy
/// of blit fails, it shows "Raster Operation Failed" itself. The screen caller stores the
/// scroll size through CScrollSizeCache and makes the copy.
CDrawResult OnDraw(const CKestraneDoc& doc, const CDisplaySettings& settings, const CDrawTarget& target,
                   IUserMessages& messages, const CRenderOptions& options = {});

/// Makes blit's copy of picture into target (nearest pixel when stretching),
/// with target's (0, 0) at logical origin. For tests and for screen
/// composition into one image.
void ApplyBlit(CRgbImage& target, const CRgbImage& picture, const CBlit& blit, CRasterPoint origin = {});
