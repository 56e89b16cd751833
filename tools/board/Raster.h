#pragma once

#include <cstdint>
#include <vector>

namespace board {

struct Pixel {
    int x = 0;
    int y = 0;
};

/// A rectangular grid of values, one per pixel, row by row from the top.
template <typename T>
class Grid {
public:
    Grid(int width, int height, T fill) : m_width(width), m_height(height), m_cells(size_t(width) * height, fill) {}
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    T& At(int x, int y) { return m_cells[size_t(y) * m_width + x]; }
    const T& At(int x, int y) const { return m_cells[size_t(y) * m_width + x]; }
    void Put(int x, int y, T value)
    {
        if (Contains(x, y))
            At(x, y) = value;
    }

private:
    int m_width;
    int m_height;
    std::vector<T> m_cells;
};

/// Sets every pixel whose centre lies inside the closed polygon (even-odd
/// rule) to value. Vertices are in pixels; the polygon may leave the grid.
template <typename T>
void FillPolygon(Grid<T>& grid, const std::vector<Pixel>& polygon, T value);

/// Calls plot for each pixel of a 4-connected line from a to b: each step
/// moves along one axis only, so a 4-connected flood fill cannot slip
/// through the line diagonally.
template <typename Plot>
void Walk4(Pixel a, Pixel b, Plot plot)
{
    int x = a.x, y = a.y;
    const int dx = b.x > a.x ? b.x - a.x : a.x - b.x;
    const int dy = b.y > a.y ? b.y - a.y : a.y - b.y;
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    // Exactly dx + dy steps; each goes along the axis whose step leaves
    // the pixel nearer the ideal line (error kept as twice the cross product).
    int stepsX = dx, stepsY = dy;
    long long err = 0; // (x - a.x) * dy - (y - a.y) * dx, in step units
    plot(x, y);
    while (stepsX > 0 || stepsY > 0) {
        const long long ifX = err + dy;
        const long long ifY = err - dx;
        const bool takeX = stepsY == 0 || (stepsX > 0 && (ifX < 0 ? -ifX : ifX) <= (ifY < 0 ? -ifY : ifY));
        if (takeX) {
            err = ifX;
            x += sx;
            --stepsX;
        } else {
            err = ifY;
            y += sy;
            --stepsY;
        }
        plot(x, y);
    }
}

/// Flood fill with 4-connectivity from seed over pixels for which passable
/// is true, marking each reached pixel with mark. Returns the pixels reached.
template <typename Passable, typename Mark>
size_t FloodFill4(int width, int height, Pixel seed, Passable passable, Mark mark)
{
    if (seed.x < 0 || seed.y < 0 || seed.x >= width || seed.y >= height || !passable(seed.x, seed.y))
        return 0;
    std::vector<Pixel> stack{seed};
    mark(seed.x, seed.y);
    size_t count = 1;
    while (!stack.empty()) {
        const Pixel p = stack.back();
        stack.pop_back();
        const Pixel next[4] = {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}};
        for (const Pixel& n : next) {
            if (n.x < 0 || n.y < 0 || n.x >= width || n.y >= height || !passable(n.x, n.y))
                continue;
            mark(n.x, n.y);
            ++count;
            stack.push_back(n);
        }
    }
    return count;
}

} // namespace board

#include "RasterPolygon.inl"
