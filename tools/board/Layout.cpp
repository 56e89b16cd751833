#include "Layout.h"

#include "Font.h"
#include "Provinces.h"

#include <algorithm>
#include <functional>

namespace board {

Box UnitBox(Pixel p) { return {p.x - 11, p.y - 4, 28, 14}; }
Box FleetBox(Pixel p) { return {p.x - 11, p.y - 3, 22, 11}; }

namespace {

/// Counts a province's pixels in any box in constant time (a summed-area
/// table over the province's bounding box).
class Coverage {
public:
    Coverage(const Regions& regions, int16_t index)
    {
        const auto& owner = regions.owner;
        int x0 = owner.Width(), y0 = owner.Height(), x1 = -1, y1 = -1;
        for (int y = 0; y < owner.Height(); ++y)
            for (int x = 0; x < owner.Width(); ++x)
                if (owner.At(x, y) == index) {
                    x0 = std::min(x0, x);
                    y0 = std::min(y0, y);
                    x1 = std::max(x1, x);
                    y1 = std::max(y1, y);
                }
        if (x1 < 0)
            return;
        m_left = x0;
        m_top = y0;
        m_w = x1 - x0 + 1;
        m_h = y1 - y0 + 1;
        m_sum.assign(size_t(m_w + 1) * size_t(m_h + 1), 0);
        for (int y = 0; y < m_h; ++y)
            for (int x = 0; x < m_w; ++x)
                Sum(x + 1, y + 1) = Sum(x, y + 1) + Sum(x + 1, y) - Sum(x, y) +
                                    (owner.At(x0 + x, y0 + y) == index ? 1 : 0);
    }

    int Count(const Box& b) const
    {
        const int ax = std::clamp(b.x - m_left, 0, m_w), ay = std::clamp(b.y - m_top, 0, m_h);
        const int bx = std::clamp(b.x + b.w - m_left, 0, m_w), by = std::clamp(b.y + b.h - m_top, 0, m_h);
        if (m_w == 0 || ax >= bx || ay >= by)
            return 0;
        return SumAt(bx, by) - SumAt(ax, by) - SumAt(bx, ay) + SumAt(ax, ay);
    }

private:
    int& Sum(int x, int y) { return m_sum[size_t(y) * size_t(m_w + 1) + size_t(x)]; }
    int SumAt(int x, int y) const { return m_sum[size_t(y) * size_t(m_w + 1) + size_t(x)]; }

    int m_left = 0, m_top = 0, m_w = 0, m_h = 0;
    std::vector<int> m_sum;
};

bool Overlaps(const Box& a, const Box& b, int gap)
{
    return a.x < b.x + b.w + gap && b.x < a.x + a.w + gap && a.y < b.y + b.h + gap && b.y < a.y + a.h + gap;
}

/// Searches outwards from the preferred top-left corner, ring by ring, for
/// the first box of the given size that fits. Rings are walked in a fixed
/// order so the result never depends on anything but the input.
std::optional<Box> Search(Pixel preferred, int w, int h, int radius, const std::function<bool(const Box&)>& fits)
{
    for (int r = 0; r <= radius; ++r) {
        for (int dy = -r; dy <= r; ++dy) {
            for (int dx = -r; dx <= r; ++dx) {
                if (std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy) != r)
                    continue;
                const Box b{preferred.x + dx, preferred.y + dy, w, h};
                if (fits(b))
                    return b;
            }
        }
    }
    return std::nullopt;
}

} // namespace

Layout PlaceItems(const Projection& projection, const Regions& regions)
{
    Layout layout;
    const auto& provinces = Provinces();
    layout.provinces.resize(provinces.size());
    for (size_t i = 0; i < provinces.size(); ++i) {
        const Province& province = provinces[i];
        ProvinceLayout& out = layout.provinces[i];
        const Coverage coverage(regions, int16_t(i));
        std::vector<Box> taken;
        auto clear = [&](const Box& b) {
            for (const Box& t : taken)
                if (Overlaps(b, t, 1))
                    return false;
            return true;
        };
        auto inside = [&](const Box& b, double share) { return coverage.Count(b) >= int(share * b.w * b.h + 0.5); };
        auto report = [&](const std::string& what) { layout.problems.push_back(province.abbreviation + ": " + what); };
        const Pixel anchor = ToPixel(projection, province.anchor);

        if (province.centre) {
            const int d = 2 * kCentreRadius + 1;
            const Pixel city = ToPixel(projection, *province.centre);
            const auto box = Search({city.x - kCentreRadius, city.y - kCentreRadius}, d, d, 40,
                                    [&](const Box& b) { return inside(b, 1.0) && clear(b); });
            if (!box)
                report("no room for the supply centre");
            const Box b = box.value_or(Box{city.x - kCentreRadius, city.y - kCentreRadius, d, d});
            out.hasCentre = true;
            out.centre = {b.x + kCentreRadius, b.y + kCentreRadius};
            taken.push_back(b);
        }

        if (province.terrain == Terrain::Impassable) {
            const int w = Font::TextWidth(province.abbreviation) + 2, h = Font::kGlyphHeight + 2;
            out.label = {anchor.x - w / 2, anchor.y - h / 2, w, h};
            continue;
        }

        out.labelScale = province.terrain == Terrain::Sea ? 2 : 1;
        const int lw = Font::TextWidth(province.abbreviation) * out.labelScale + 2;
        const int lh = Font::kGlyphHeight * out.labelScale + 2;
        const auto label = Search({anchor.x - lw / 2, anchor.y - lh / 2}, lw, lh, 40,
                                  [&](const Box& b) { return inside(b, 1.0) && clear(b); });
        if (!label)
            report("no room for the label");
        out.label = label.value_or(Box{anchor.x - lw / 2, anchor.y - lh / 2, lw, lh});
        taken.push_back(out.label);

        // The unit goes just below the label when it fits there.
        const Box preferredUnit = UnitBox({out.label.x + out.label.w / 2 - 2, out.label.y + out.label.h + 6});
        const auto unit = Search({preferredUnit.x, preferredUnit.y}, preferredUnit.w, preferredUnit.h, 50,
                                 [&](const Box& b) { return inside(b, 0.75) && clear(b); });
        if (!unit)
            report("no room for a unit");
        const Box u = unit.value_or(preferredUnit);
        out.units.push_back({"", {u.x + 11, u.y + 4}});
        taken.push_back(u);

        for (const Coast& coast : province.coasts) {
            const Pixel c = ToPixel(projection, coast.anchor);
            const Box preferred = FleetBox(c);
            const auto fleet = Search({preferred.x, preferred.y}, preferred.w, preferred.h, 40,
                                      [&](const Box& b) { return inside(b, 0.85) && clear(b); });
            if (!fleet)
                report("no room for a fleet on the " + coast.letters + " coast");
            const Box f = fleet.value_or(preferred);
            out.units.push_back({coast.letters, {f.x + 11, f.y + 3}});
            taken.push_back(f);
        }
    }
    return layout;
}

} // namespace board
