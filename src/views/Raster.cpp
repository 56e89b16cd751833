#include "views/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace raster {

void FloodFill(CRgbImage& image, int x, int y, uint32_t boundary, uint32_t fill)
{
    if (!image.Contains(x, y) || image.Pixel(x, y) == boundary)
        return;
    // A visited map rather than "already the fill colour" as the stop test:
    // a border fill must also repaint areas that already hold the fill
    // colour and must not stop at them, exactly as the platform's fill does.
    const int width = image.Width();
    const int height = image.Height();
    std::vector<uint8_t> seen(size_t(width) * size_t(height), 0);
    std::vector<CRasterPoint> stack;
    stack.push_back({x, y});
    seen[size_t(y) * size_t(width) + size_t(x)] = 1;
    while (!stack.empty()) {
        const CRasterPoint p = stack.back();
        stack.pop_back();
        image.SetPixel(p.x, p.y, fill);
        const CRasterPoint next[4] = {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}};
        for (const CRasterPoint& n : next) {
            if (!image.Contains(n.x, n.y))
                continue;
            uint8_t& mark = seen[size_t(n.y) * size_t(width) + size_t(n.x)];
            if (mark || image.Pixel(n.x, n.y) == boundary)
                continue;
            mark = 1;
            stack.push_back(n);
        }
    }
}

void MaskedCopy(CRgbImage& dest, int x, int y, const CRgbImage& source, const CBitMask& mask)
{
    const int width = std::min(source.Width(), mask.Width());
    const int height = std::min(source.Height(), mask.Height());
    // Clipped once, then row by row through pointers: a season stamps every
    // unit this way, so this loop is most of what a unit costs.
    const int colFrom = std::max(0, -x);
    const int colTo = std::min(width, dest.Width() - x);
    const int rowFrom = std::max(0, -y);
    const int rowTo = std::min(height, dest.Height() - y);
    for (int row = rowFrom; row < rowTo; ++row) {
        const uint32_t* src = source.Row(row);
        uint32_t* dst = dest.Row(y + row) + x;
        for (int col = colFrom; col < colTo; ++col)
            dst[col] = mask.Bit(col, row) ? src[col] : (src[col] & dst[col]);
    }
}

namespace {

// Bresenham's line with both end points, the pixels a one-pixel pen covers.
void Line(CRgbImage& image, CRasterPoint a, CRasterPoint b, uint32_t colour)
{
    const int dx = std::abs(b.x - a.x);
    const int dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    int x = a.x;
    int y = a.y;
    for (;;) {
        image.PutPixel(x, y, colour);
        if (x == b.x && y == b.y)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void FillSpan(CRgbImage& image, int y, int fromX, int toX, uint32_t colour)
{
    if (y < 0 || y >= image.Height())
        return;
    fromX = std::max(fromX, 0);
    toX = std::min(toX, image.Width());
    uint32_t* row = image.Row(y);
    for (int x = fromX; x < toX; ++x)
        row[x] = colour;
}

} // namespace

void Polygon(CRgbImage& image, std::span<const CRasterPoint> points, uint32_t fill, uint32_t pen)
{
    if (points.empty())
        return;
    int top = points[0].y;
    int bottom = points[0].y;
    for (const CRasterPoint& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, image.Height());
    // Interior: pixels whose own point lies inside by the alternate rule,
    // left and top edges included, right and bottom excluded. Pixels sit on
    // integer points here, as they do for the pen, so the fill never shows
    // outside the outline.
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        const double cy = y;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const CRasterPoint a = points[i];
            const CRasterPoint b = points[(i + 1) % points.size()];
            if ((a.y <= cy) == (b.y <= cy))
                continue;
            crossings.push_back(a.x + (cy - a.y) * double(b.x - a.x) / double(b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = int(std::ceil(crossings[i]));
            const int to = int(std::ceil(crossings[i + 1]));
            FillSpan(image, y, from, to, fill);
        }
    }
    for (size_t i = 0; i < points.size(); ++i)
        Line(image, points[i], points[(i + 1) % points.size()], pen);
}

void Ellipse(CRgbImage& image, int left, int top, int right, int bottom, uint32_t fill, uint32_t pen)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (left == right || top == bottom)
        return;
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double ax = (right - left) / 2.0;
    const double ay = (bottom - top) / 2.0;
    const auto inside = [&](int x, int y) {
        if (x < left || x >= right || y < top || y >= bottom)
            return false;
        const double u = (x + 0.5 - cx) / ax;
        const double v = (y + 0.5 - cy) / ay;
        return u * u + v * v <= 1.0;
    };
    const int fromY = std::max(top, 0);
    const int toY = std::min(bottom, image.Height());
    const int fromX = std::max(left, 0);
    const int toX = std::min(right, image.Width());
    if (fromX >= toX || fromY >= toY)
        return;
    // Each pixel's test once, for the drawn area and a pixel round it; the
    // rim test then reads its neighbours from here.
    const int spanX = toX - fromX + 2;
    const int spanY = toY - fromY + 2;
    std::vector<uint8_t> in(size_t(spanX) * size_t(spanY));
    for (int y = fromY - 1; y <= toY; ++y)
        for (int x = fromX - 1; x <= toX; ++x)
            in[size_t(y - fromY + 1) * size_t(spanX) + size_t(x - fromX + 1)] = inside(x, y) ? 1 : 0;
    const auto at = [&](int x, int y) { return in[size_t(y - fromY + 1) * size_t(spanX) + size_t(x - fromX + 1)] != 0; };
    for (int y = fromY; y < toY; ++y) {
        uint32_t* row = image.Row(y);
        for (int x = fromX; x < toX; ++x) {
            if (!at(x, y))
                continue;
            // The pen covers the inside pixels on the rim: those with a
            // neighbour outside the ellipse, whether or not it is clipped.
            const bool rim = !at(x - 1, y) || !at(x + 1, y) || !at(x, y - 1) || !at(x, y + 1);
            row[x] = rim ? pen : fill;
        }
    }
}

void StretchCopy(CRgbImage& dest, CRasterRect to, const CRgbImage& source, CRasterRect from)
{
    if (to.width <= 0 || to.height <= 0 || from.width <= 0 || from.height <= 0)
        return;
    const int fromRow = std::max(0, -to.y);
    const int toRow = std::min(to.height, dest.Height() - to.y);
    const int fromCol = std::max(0, -to.x);
    const int toCol = std::min(to.width, dest.Width() - to.x);
    if (fromCol >= toCol)
        return;
    std::vector<int> columns(size_t(toCol - fromCol));
    for (int col = fromCol; col < toCol; ++col)
        columns[size_t(col - fromCol)] = from.x + int(int64_t(col) * from.width / to.width);
    for (int row = fromRow; row < toRow; ++row) {
        const int sy = from.y + int(int64_t(row) * from.height / to.height);
        if (sy < 0 || sy >= source.Height())
            continue;
        const uint32_t* src = source.Row(sy);
        uint32_t* dst = dest.Row(to.y + row);
        for (int col = fromCol; col < toCol; ++col) {
            const int sx = columns[size_t(col - fromCol)];
            if (sx >= 0 && sx < source.Width())
                dst[to.x + col] = src[sx];
        }
    }
}

void Copy(CRgbImage& dest, int dx, int dy, const CRgbImage& source, int sx, int sy, int width, int height)
{
    // The columns that lie inside both pictures, found once; rows likewise.
    const int colFrom = std::max({0, -dx, -sx});
    const int colTo = std::min({width, dest.Width() - dx, source.Width() - sx});
    const int rowFrom = std::max({0, -dy, -sy});
    const int rowTo = std::min({height, dest.Height() - dy, source.Height() - sy});
    if (colFrom >= colTo)
        return;
    for (int row = rowFrom; row < rowTo; ++row) {
        const uint32_t* from = source.Row(sy + row) + sx;
        std::copy(from + colFrom, from + colTo, dest.Row(dy + row) + dx + colFrom);
    }
}

} // namespace raster
