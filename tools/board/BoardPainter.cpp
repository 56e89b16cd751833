#include "BoardPainter.h"

#include "Font.h"
#include "Palette.h"
#include "Provinces.h"

namespace board {

namespace {

class Canvas {
public:
    Canvas(int w, int h) : m_w(w), m_h(h), m_pixels(size_t(w) * size_t(h), kSea) {}
    void Put(int x, int y, uint8_t c)
    {
        if (x >= 0 && y >= 0 && x < m_w && y < m_h)
            m_pixels[size_t(y) * size_t(m_w) + size_t(x)] = c;
    }
    int Width() const { return m_w; }
    int Height() const { return m_h; }
    std::vector<uint8_t> Take() { return std::move(m_pixels); }

private:
    int m_w, m_h;
    std::vector<uint8_t> m_pixels;
};

uint8_t ProvinceColour(const Province& p)
{
    switch (p.terrain) {
    case Terrain::Sea:
        return kSea;
    case Terrain::Impassable:
        return kImpassable;
    case Terrain::Land:
        break;
    }
    return p.home >= 0 ? uint8_t(kHomeFirst + p.home) : uint8_t(kNeutralLand);
}

void PaintProvinces(Canvas& canvas, const Regions& regions)
{
    const auto& provinces = Provinces();
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const bool land = regions.land.At(x, y) != 0;
            uint8_t c = land ? kOffBoard : kSea;
            const int16_t o = regions.owner.At(x, y);
            if (o != Regions::kNone) {
                c = ProvinceColour(provinces[size_t(o)]);
                if (provinces[size_t(o)].terrain == Terrain::Impassable && (x + y) % 4 == 0)
                    c = kImpassableHatch;
            }
            if (regions.wall.At(x, y))
                c = land ? kBorder : kSeaBorder;
            canvas.Put(x, y, c);
        }
    }
}

// The coast is drawn on the land side: every land pixel beside water.
void PaintCoast(Canvas& canvas, const Regions& regions)
{
    const auto& land = regions.land;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (!land.At(x, y))
                continue;
            const bool waterBeside = (x > 0 && !land.At(x - 1, y)) || (x + 1 < land.Width() && !land.At(x + 1, y)) ||
                                     (y > 0 && !land.At(x, y - 1)) || (y + 1 < land.Height() && !land.At(x, y + 1));
            if (waterBeside)
                canvas.Put(x, y, kCoast);
        }
    }
}

// A dot smaller than the ownership circle, so an owned centre is covered.
void PaintCentre(Canvas& canvas, Pixel c)
{
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const int d2 = dx * dx + dy * dy;
            if (d2 <= 8)
                canvas.Put(c.x + dx, c.y + dy, kCentreFill);
            else if (d2 <= 18)
                canvas.Put(c.x + dx, c.y + dy, kCentreRing);
        }
}

void PaintText(Canvas& canvas, int x, int y, const std::string& text, uint8_t colour, int scale)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const int gx = x + int(i) * (Font::kGlyphWidth + Font::kSpacing) * scale;
        for (int row = 0; row < Font::kGlyphHeight; ++row)
            for (int col = 0; col < Font::kGlyphWidth; ++col)
                if (Font::Ink(text[i], col, row))
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx)
                            canvas.Put(gx + col * scale + dx, y + row * scale + dy, colour);
    }
}

void PaintFrame(Canvas& canvas)
{
    for (int x = 0; x < canvas.Width(); ++x)
        for (int t = 0; t < 2; ++t) {
            canvas.Put(x, t, kBorder);
            canvas.Put(x, canvas.Height() - 1 - t, kBorder);
        }
    for (int y = 0; y < canvas.Height(); ++y)
        for (int t = 0; t < 2; ++t) {
            canvas.Put(t, y, kBorder);
            canvas.Put(canvas.Width() - 1 - t, y, kBorder);
        }
}

} // namespace

std::vector<uint8_t> PaintBoard(const Regions& regions, const Layout& layout)
{
    Canvas canvas(regions.land.Width(), regions.land.Height());
    PaintProvinces(canvas, regions);
    PaintCoast(canvas, regions);
    const auto& provinces = Provinces();
    for (size_t i = 0; i < provinces.size(); ++i) {
        const ProvinceLayout& l = layout.provinces[i];
        if (l.hasCentre)
            PaintCentre(canvas, l.centre);
        const uint8_t ink = provinces[i].terrain == Terrain::Sea ? kSeaText : kLandText;
        PaintText(canvas, l.label.x + 1, l.label.y + 1, provinces[i].abbreviation, ink, l.labelScale);
    }
    PaintFrame(canvas);
    return canvas.Take();
}

} // namespace board
