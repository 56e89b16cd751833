// Scan-line polygon filling for Raster.h, in exact integer arithmetic.
#include <algorithm>

namespace board {

namespace detail {

inline int64_t FloorDiv(int64_t a, int64_t b)
{
    if (b < 0) {
        a = -a;
        b = -b;
    }
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace detail

template <typename T>
void FillPolygon(Grid<T>& grid, const std::vector<Pixel>& polygon, T value)
{
    if (polygon.size() < 3)
        return;
    int minY = polygon[0].y, maxY = polygon[0].y;
    for (const Pixel& p : polygon) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    minY = std::max(minY, 0);
    maxY = std::min(maxY, grid.Height() - 1);
    constexpr int64_t kSub = 1024; // crossings are kept in 1/1024 pixel
    std::vector<int64_t> crossings;
    for (int y = minY; y <= maxY; ++y) {
        // The row is sampled at its centre line y + 1/2; in half-pixel units
        // that is 2y + 1, which never equals a vertex, so no crossing is
        // counted twice.
        crossings.clear();
        const int64_t cy2 = 2 * int64_t(y) + 1;
        for (size_t i = 0; i < polygon.size(); ++i) {
            const Pixel a = polygon[i];
            const Pixel b = polygon[(i + 1) % polygon.size()];
            const int64_t ay2 = 2 * int64_t(a.y), by2 = 2 * int64_t(b.y);
            if ((cy2 > ay2) == (cy2 > by2))
                continue;
            const int64_t num = (int64_t(a.x) * (by2 - ay2) + int64_t(b.x - a.x) * (cy2 - ay2)) * kSub;
            crossings.push_back(detail::FloorDiv(num, by2 - ay2));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixel x is inside when its centre x + 1/2 lies in [c0, c1).
            const int64_t first = -detail::FloorDiv(-(crossings[i] - kSub / 2), kSub);
            const int64_t last = -detail::FloorDiv(-(crossings[i + 1] - kSub / 2), kSub) - 1;
            const int x0 = int(std::max<int64_t>(first, 0));
            const int x1 = int(std::min<int64_t>(last, grid.Width() - 1));
            for (int x = x0; x <= x1; ++x)
                grid.At(x, y) = value;
        }
    }
}

} // namespace board
