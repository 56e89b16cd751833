#pragma once

#include "views/Raster.h"

#include <cstdint>

/// The three display settings as the application stores them. Each is an
/// int, not a flag: zoom and initials are on when not 0, the supply-centre
/// circles only when exactly 1 (a stored 2 draws none).
struct CDisplaySettings {
    int m_bZoomToFit = 0;
    int m_bInitials = 0;
    int m_bSCDisplay = 0;
    /// The size the board is shown at when not zoomed to fit, in percent
    /// of its own (View, Zoom In, Zoom Out and Actual Size); 100 by default.
    int m_nZoomPercent = 100;

    bool ZoomToFit() const { return m_bZoomToFit != 0; }
    bool Initials() const { return m_bInitials != 0; }
    bool SupplyCentres() const { return m_bSCDisplay == 1; }
};

/// A printer's raster capabilities, as the bits the platform reports them.
enum RasterCaps : uint32_t {
    kRcBitBlt = 0x0001,     ///< can copy bitmaps
    kRcStretchBlt = 0x0800, ///< can stretch bitmaps
    kRcStretchDib = 0x2000, ///< can stretch device-independent bitmaps
};

/// The screen the map view paints: its client-area size and resolution.
struct CScreenTarget {
    int m_nClientWidth = 0;
    int m_nClientHeight = 0;
    int m_nDpiY = 96;
};

/// The printer the map is printed on, in device units. The window origin is
/// the one set by the page header (CMapPrintHeader::windowOrigin).
struct CPrinterTarget {
    int m_nHorzRes = 0;   ///< printable width in pixels
    int m_nVertRes = 0;   ///< printable height in pixels
    CRasterPoint m_origin; ///< the target's window origin (ox, oy)
    uint32_t m_nRasterCaps = kRcBitBlt | kRcStretchBlt | kRcStretchDib;
    int m_nDpiY = 600;    ///< vertical dots per inch, for the initials' size
};

/// The copy of the composed picture to its target: source rectangle of the
/// picture and destination rectangle in the target's logical coordinates.
/// A stretched copy scales from to onto to; an unscaled one has equal sizes.
struct CBlit {
    CRasterRect from;
    CRasterRect to;
    bool stretch = true;
    friend bool operator==(const CBlit&, const CBlit&) = default;
};

/// Where the picture goes on the screen, and the scroll size to set.
struct CScreenPlacement {
    CBlit blit;
    int m_cxScroll = 0;
    int m_cyScroll = 0;
};

/// Screen placement: the client size when zooming to fit (the aspect ratio
/// is not kept), else the picture's own size times the zoom percentage; the
/// scroll size equals it.
CScreenPlacement PlaceOnScreen(int pictureWidth, int pictureHeight, const CDisplaySettings& settings,
                               const CScreenTarget& screen);

/// The view's scroll-size cache: Update stores (cx, cy) and returns true only
/// when it differs from the stored size, i.e. when the scroll sizes must be
/// given to the scroll view again (mapping mode MM_TEXT, total size cx x cy).
class CScrollSizeCache {
public:
    bool Update(int cx, int cy);
    int Cx() const { return m_cxScroll; }
    int Cy() const { return m_cyScroll; }

private:
    int m_cxScroll = 0;
    int m_cyScroll = 0;
};

/// How the picture reaches the paper, decided by the raster capabilities.
enum class PaperCopy {
    Stretch, ///< stretch-copy the whole picture into the placement
    Copy,    ///< copy width x height from the picture's corner, unscaled
    None,    ///< the printer copies no bitmaps
};

/// The map's place on the printed page.
struct CPaperPlacement {
    int m_nTopMargin = 0;
    int m_nLeftMargin = 0;
    int m_nAvailHeight = 0;
    int m_nAvailWidth = 0;
    /// The map's size on paper, in device pixels, proportions kept.
    int m_nWidth = 0;
    int m_nHeight = 0;
    PaperCopy copy = PaperCopy::Stretch;
    /// The copy in the printer's logical coordinates (meaningful unless None).
    CBlit blit;
    /// Where the map's top-left corner lands in device pixels: the margins
    /// less the window origin.
    CRasterPoint devicePos;
};

/// Paper placement: margins a tenth, room four fifths of the page less the
/// window origin; tall pictures (height / width > 1) fill the height, others
/// the width, each shrunk to the other side's room when they would exceed it.
CPaperPlacement PlaceOnPaper(int pictureWidth, int pictureHeight, const CPrinterTarget& printer);

/// The title line above a printed map, in MM_TEXT device units.
struct CMapPrintHeader {
    CRasterPoint title{12, 25};     ///< where the title's left-top corner goes
    CRasterPoint ruleFrom;          ///< (12, T + 35)
    CRasterPoint ruleTo;            ///< (right edge of the drawing rectangle, T + 35)
    int m_nDrawTop = 0;             ///< the drawing rectangle's top moved by T + 60
    CRasterPoint windowOrigin;      ///< (drawing left, new drawing top): the origin for CPrinterTarget
};

/// Lays out the map's page header for a title font of height fontHeight
/// (ascent plus descent) and the page's drawing rectangle.
CMapPrintHeader LayoutMapPrintHeader(int fontHeight, int drawLeft, int drawTop, int drawRight);
