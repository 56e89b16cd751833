#include "Regions.h"

#include "Provinces.h"

#include <cmath>

namespace board {

Pixel ToPixel(const Projection& projection, GeoPoint g)
{
    const PlanePoint p = projection.Project(g);
    return {int(std::floor(p.x + 0.5)), int(std::floor(p.y + 0.5))};
}

namespace {

std::vector<Pixel> ToPixels(const Projection& projection, const GeoLine& line)
{
    std::vector<Pixel> pixels;
    pixels.reserve(line.size());
    for (const GeoPoint& g : line)
        pixels.push_back(ToPixel(projection, g));
    return pixels;
}

void DrawBorder(Regions& regions, const std::vector<Pixel>& line, BorderKind kind)
{
    const uint8_t want = kind == BorderKind::Land ? 1 : 0;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        Walk4(line[i], line[i + 1], [&](int x, int y) {
            if (regions.land.Contains(x, y) && regions.land.At(x, y) == want)
                regions.wall.At(x, y) = 1;
        });
    }
}

void FillFrom(Regions& regions, const Province& province, int16_t index, GeoPoint seedGeo,
              const Projection& projection)
{
    const Pixel seed = ToPixel(projection, seedGeo);
    const std::string& name = province.abbreviation;
    if (!regions.land.Contains(seed.x, seed.y)) {
        regions.problems.push_back(name + ": seed outside the picture");
        return;
    }
    const uint8_t terrain = province.terrain == Terrain::Sea ? 0 : 1;
    if (regions.wall.At(seed.x, seed.y) || regions.land.At(seed.x, seed.y) != terrain) {
        regions.problems.push_back(name + ": seed on a border or in the wrong terrain at " +
                                   std::to_string(seed.x) + "," + std::to_string(seed.y));
        return;
    }
    const int16_t already = regions.owner.At(seed.x, seed.y);
    if (already == index)
        return;
    if (already != Regions::kNone) {
        regions.problems.push_back(name + ": seed lies in " + Provinces()[size_t(already)].abbreviation);
        return;
    }
    std::vector<int16_t> met;
    FloodFill4(
        regions.land.Width(), regions.land.Height(), seed,
        [&](int x, int y) {
            if (regions.wall.At(x, y) || regions.land.At(x, y) != terrain)
                return false;
            const int16_t o = regions.owner.At(x, y);
            if (o != Regions::kNone && o != index) {
                // A leak: remember it once, and do not flood the other one.
                bool seen = false;
                for (int16_t m : met)
                    seen = seen || m == o;
                if (!seen)
                    met.push_back(o);
                return false;
            }
            return o == Regions::kNone;
        },
        [&](int x, int y) { regions.owner.At(x, y) = index; });
    for (int16_t m : met)
        regions.problems.push_back(name + " and " + Provinces()[size_t(m)].abbreviation + " run into each other");
}

} // namespace

Regions DivideBoard(const Projection& projection)
{
    Regions regions(projection.Width(), projection.Height());
    for (const GeoOutline& outline : LandOutlines())
        FillPolygon(regions.land, ToPixels(projection, outline.points), uint8_t(1));
    for (const GeoOutline& lake : LakeOutlines())
        FillPolygon(regions.land, ToPixels(projection, lake.points), uint8_t(0));
    for (const GeoBorder& border : Borders())
        DrawBorder(regions, ToPixels(projection, border.points), border.kind);

    // Every province is filled before any leak is judged, so a leak shows up
    // as a province meeting pixels that another seed has already claimed.
    const auto& provinces = Provinces();
    for (size_t i = 0; i < provinces.size(); ++i) {
        FillFrom(regions, provinces[i], int16_t(i), provinces[i].anchor, projection);
        for (const GeoPoint& island : provinces[i].islands)
            FillFrom(regions, provinces[i], int16_t(i), island, projection);
    }
    return regions;
}

} // namespace board
