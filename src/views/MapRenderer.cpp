#include "views/MapRenderer.h"

#include "model/KestraneDoc.h"
#include "views/BitmapFont.h"
#include "views/UnitPictures.h"

#include <algorithm>
#include <cstdlib>

namespace {

uint32_t CountryColour(const CCountry& country)
{
    return CRgbImage::Rgb(country.Red(), country.Green(), country.Blue());
}

// One unit picture as the paint holds it: a working copy whose white
// insides are refilled with each country's colour before it is copied.
class CUnitStamp {
public:
    explicit CUnitStamp(const CUnitPicture& art) : m_art(art), m_picture(art.picture) {}

    void Draw(CRgbImage& target, MapPos pos, uint32_t colour)
    {
        if (!m_bFilled || colour != m_nColour) {
            for (const CRasterPoint& p : m_art.fillPoints)
                raster::FloodFill(m_picture, p.x, p.y, raster::kBlack, colour);
            m_nColour = colour;
            m_bFilled = true;
        }
        raster::MaskedCopy(target, pos.x + m_art.offset.x, pos.y + m_art.offset.y, m_picture, m_art.mask);
    }

private:
    const CUnitPicture& m_art;
    CRgbImage m_picture;
    uint32_t m_nColour = 0;
    bool m_bFilled = false;
};

// The shapes drawn where the masked copy is not available.
void DrawFallbackFleet(CRgbImage& target, MapPos p, uint32_t colour)
{
    const CRasterPoint points[] = {{p.x, p.y}, {p.x + 5, p.y + 5}, {p.x + 5, p.y + 15}, {p.x - 5, p.y + 15},
                                   {p.x - 5, p.y + 5}};
    raster::Polygon(target, points, colour);
    raster::FloodFill(target, p.x, p.y + 1, raster::kBlack, colour);
}

void DrawFallbackArmy(CRgbImage& target, MapPos p, uint32_t colour)
{
    const CRasterPoint points[] = {{p.x, p.y}, {p.x, p.y + 10}, {p.x + 10, p.y + 10}, {p.x + 10, p.y}};
    raster::Polygon(target, points, colour);
    raster::FloodFill(target, p.x + 1, p.y + 1, raster::kBlack, colour);
}

} // namespace

CRgbImage ComposeSeason(const CKestraneDoc& doc, const CDisplaySettings& settings, int dpiY,
                        const CRenderOptions& options)
{
    // The board at its own size in one copy, rather than a white surface
    // painted and then drawn over: the same pixels for half the writing.
    CRgbImage picture = doc.m_dib.Picture();

    // Looked up once for the whole paint, as every country's circles come
    // from the same season.
    const CSeasonHdr* ownership = doc.FindOwnershipSeason();
    const int radius = doc.GetSCRadius();
    CUnitStamp fleet(FleetPicture());
    CUnitStamp army(ArmyPicture());

    // The country count comes from the map file; never index past the
    // countries actually read or the season's slots.
    const int countries = std::min({int(doc.m_nCountries), int(doc.m_countries.size()), kMaxCountries});
    for (int c = 0; c < countries; ++c) {
        const CUnitList* units = doc.GetUnitList(c);
        if (!units)
            break;
        const CCountry& country = doc.m_countries[size_t(c)];
        const uint32_t colour = CountryColour(country);
        const bool letter = settings.Initials() && !country.m_strName.empty();
        const std::string_view initial = std::string_view(country.m_strName).substr(0, 1);
        for (const CSeasonData& unit : *units) {
            const MapPos p = unit.m_pos;
            if (unit.m_nType == CSeasonData::kFleet) {
                if (options.m_bMaskedCopy)
                    fleet.Draw(picture, p, colour);
                else
                    DrawFallbackFleet(picture, p, colour);
                if (letter)
                    CBitmapFont::DrawText(picture, p.x - 2, p.y + 6, initial, dpiY);
            } else {
                if (options.m_bMaskedCopy)
                    army.Draw(picture, p, colour);
                else
                    DrawFallbackArmy(picture, p, colour);
                if (letter)
                    CBitmapFont::DrawText(picture, p.x + 3, p.y + 1, initial, dpiY);
            }
        }
        if (settings.SupplyCentres() && ownership) {
            if (const CPositionList* centres = CKestraneDoc::GetCentreList(*ownership, c))
                for (const MapPos& p : *centres)
                    raster::Ellipse(picture, p.x - radius, p.y - radius, p.x + radius, p.y + radius, colour);
        }
    }
    return picture;
}

CDrawResult OnDraw(const CKestraneDoc& doc, const CDisplaySettings& settings, const CDrawTarget& target,
                   IUserMessages& messages, const CRenderOptions& options)
{
    CDrawResult result;
    const int dpiY = std::holds_alternative<CScreenTarget>(target) ? std::get<CScreenTarget>(target).m_nDpiY
                                                                    : std::get<CPrinterTarget>(target).m_nDpiY;
    result.picture = ComposeSeason(doc, settings, dpiY, options);
    const int width = result.picture.Width();
    const int height = result.picture.Height();

    if (const auto* screen = std::get_if<CScreenTarget>(&target)) {
        result.screen = PlaceOnScreen(width, height, settings, *screen);
        result.blit = result.screen->blit;
        return result;
    }
    result.paper = PlaceOnPaper(width, height, std::get<CPrinterTarget>(target));
    if (result.paper->copy == PaperCopy::None) {
        // The copy counts as failed, so both messages appear, in this order.
        messages.ShowMessage(kNoBitmapPrinting, MessageIcon::None);
        messages.ShowMessage(kRasterOperationFailed, MessageIcon::None);
    } else {
        result.blit = result.paper->blit;
    }
    return result;
}

void ApplyBlit(CRgbImage& target, const CRgbImage& picture, const CBlit& blit, CRasterPoint origin)
{
    CRasterRect to = blit.to;
    to.x -= origin.x;
    to.y -= origin.y;
    if (blit.stretch)
        raster::StretchCopy(target, to, picture, blit.from);
    else
        raster::Copy(target, to.x, to.y, picture, blit.from.x, blit.from.y, blit.from.width, blit.from.height);
}
