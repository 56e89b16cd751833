#include "views/MapPlacement.h"

#include <cmath>
#include <cstdlib>

CScreenPlacement PlaceOnScreen(int pictureWidth, int pictureHeight, const CDisplaySettings& settings,
                               const CScreenTarget& screen)
{
    const int percent = settings.m_nZoomPercent > 0 ? settings.m_nZoomPercent : 100;
    const int width = settings.ZoomToFit() ? screen.m_nClientWidth : int(int64_t(pictureWidth) * percent / 100);
    const int height = settings.ZoomToFit() ? screen.m_nClientHeight : int(int64_t(pictureHeight) * percent / 100);
    CScreenPlacement placement;
    placement.blit = {{0, 0, pictureWidth, pictureHeight}, {0, 0, width, height}, true};
    placement.m_cxScroll = width;
    placement.m_cyScroll = height;
    return placement;
}

bool CScrollSizeCache::Update(int cx, int cy)
{
    if (cx == m_cxScroll && cy == m_cyScroll)
        return false;
    m_cxScroll = cx;
    m_cyScroll = cy;
    return true;
}

CPaperPlacement PlaceOnPaper(int pictureWidth, int pictureHeight, const CPrinterTarget& printer)
{
    CPaperPlacement p;
    const int v = printer.m_nVertRes - printer.m_origin.y;
    const int h = printer.m_nHorzRes - printer.m_origin.x;
    p.m_nTopMargin = v / 10;
    p.m_nLeftMargin = h / 10;
    p.m_nAvailHeight = std::abs(4 * v / 5);
    p.m_nAvailWidth = std::abs(4 * h / 5);

    // A picture without width has no proportions; taking its ratio as 0
    // keeps it at height 0 instead of dividing by zero.
    const double ratio = pictureWidth != 0 ? std::fabs(double(pictureHeight) / double(pictureWidth)) : 0.0;
    if (ratio > 1) {
        p.m_nWidth = int(p.m_nAvailHeight / ratio);
        p.m_nHeight = p.m_nAvailHeight;
        if (p.m_nWidth > p.m_nAvailWidth) {
            p.m_nWidth = p.m_nAvailWidth;
            p.m_nHeight = int(p.m_nAvailWidth * ratio);
        }
    } else {
        p.m_nHeight = int(p.m_nAvailWidth * ratio);
        p.m_nWidth = p.m_nAvailWidth;
        if (p.m_nHeight > p.m_nAvailHeight) {
            p.m_nHeight = p.m_nAvailHeight;
            p.m_nWidth = int(p.m_nAvailHeight / ratio);
        }
    }

    const CRasterRect to{p.m_nLeftMargin, p.m_nTopMargin, p.m_nWidth, p.m_nHeight};
    if (printer.m_nRasterCaps & (kRcStretchBlt | kRcStretchDib)) {
        p.copy = PaperCopy::Stretch;
        p.blit = {{0, 0, pictureWidth, pictureHeight}, to, true};
    } else if (printer.m_nRasterCaps & kRcBitBlt) {
        p.copy = PaperCopy::Copy;
        p.blit = {{0, 0, p.m_nWidth, p.m_nHeight}, to, false};
    } else {
        p.copy = PaperCopy::None;
    }
    p.devicePos = {p.m_nLeftMargin - printer.m_origin.x, p.m_nTopMargin - printer.m_origin.y};
    return p;
}

CMapPrintHeader LayoutMapPrintHeader(int fontHeight, int drawLeft, int drawTop, int drawRight)
{
    CMapPrintHeader header;
    header.ruleFrom = {12, fontHeight + 35};
    header.ruleTo = {drawRight, fontHeight + 35};
    header.m_nDrawTop = drawTop + fontHeight + 60;
    header.windowOrigin = {drawLeft, header.m_nDrawTop};
    return header;
}
