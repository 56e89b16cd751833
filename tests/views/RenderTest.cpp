#include "model/KestraneDoc.h"
#include "support/BitmapBuilder.h"
#include "support/ImportChecks.h"
#include "support/PixelSet.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"
#include "views/BitmapFont.h"
#include "views/MapRenderer.h"
#include "views/Raster.h"
#include "views/UnitPictures.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr uint32_t kRed = 0xFF0000;  // ENGLAND
constexpr uint32_t kBlue = 0x0000FF; // FRANCE
constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kSea = 0x3366CC;

// A board whose pixels vary (black, white, grey and sea in a pattern), so
// that any pixel a unit should leave alone is seen to be left alone.
class RenderBoard {
public:
    explicit RenderBoard(int width = 80, int height = 60)
    {
        std::istringstream in(bmp::MakeBitmap8(width, height, {0x000000, 0xFFFFFF, kGrey, kSea},
                                               [](int x, int y) -> uint32_t { return uint32_t((x * 3 + y) % 4); }));
        loaded = doc.m_dib.Load(in);
        doc.m_countries = {CCountry("ENGLAND", 255, 0, 0), CCountry("FRANCE", 0, 0, 255)};
        doc.m_nCountries = 2;
        doc.m_nSCRadius = 4;
    }

    CSeasonHdr& AddSeason(const std::string& name)
    {
        return importchecks::AddSeason(doc, name);
    }

    CRgbImage Compose(CDisplaySettings settings = {}, CRenderOptions options = {}) const
    {
        return ComposeSeason(doc, settings, 96, options);
    }

    CRgbImage Bare() const { return doc.m_dib.Decode(); }

    CRecordingServices services;
    CKestraneDoc doc{services};
    bool loaded = false;
};

// The default board with one spring season to draw units in.
class RenderSpring : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(board.loaded); }

    RenderBoard board;
    CSeasonHdr& season = board.AddSeason("S1901M");
};

void AddArmy(CSeasonHdr& season, int country, int x, int y)
{
    season.m_units[size_t(country)].push_back(CSeasonData(CSeasonData::kArmy, {x, y}, "P"));
}

void AddFleet(CSeasonHdr& season, int country, int x, int y)
{
    season.m_units[size_t(country)].push_back(CSeasonData(CSeasonData::kFleet, {x, y}, "P"));
}

const Pixels kArmyInside = Spans({{5, 9, 16}, {6, 9, 15}, {8, 5, 18}, {9, 5, 18}});
const Pixels kFleetInside = Spans({{11, 2, 21}, {12, 2, 20}, {13, 3, 19}});

// What a unit picture must leave on the board, worked out from the art's
// rows: silhouette pixels from the picture (inside areas in the colour),
// the board everywhere else.
void StampExpected(CRgbImage& board, int left, int top, std::span<const char* const> art,
                   std::span<const char* const> mask, const Pixels& inside, uint32_t colour)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x) {
            if (mask[size_t(y)][x] != 'X' || !board.Contains(left + x, top + y))
                continue;
            const char c = art[size_t(y)][x];
            const uint32_t p = c == '#' ? raster::kBlack
                             : c == 't' ? kUnitTeal
                             : inside.count({x, y}) ? colour
                                                    : raster::kWhite;
            board.SetPixel(left + x, top + y, p);
        }
}

TEST_F(RenderSpring, NoSeasonShowsTheBareBoard)
{
    AddArmy(season, 0, 20, 20);
    season.m_centres[0].push_back({40, 40});
    board.doc.m_posCurrent = board.doc.m_seasons.end();
    EXPECT_EQ(board.Compose({0, 1, 1}), board.Bare());
}

TEST_F(RenderSpring, UnitsAreFilledWithTheCountryColourThroughTheirMasks)
{
    AddArmy(season, 0, 20, 20);
    AddFleet(season, 1, 55, 35);
    CRgbImage expected = board.Bare();
    StampExpected(expected, 13, 15, ArmyPictureRows(), ArmyMaskRows(), kArmyInside, kRed);
    StampExpected(expected, 43, 28, FleetPictureRows(), FleetMaskRows(), kFleetInside, kBlue);
    EXPECT_EQ(board.Compose(), expected);
}

TEST(RenderCompose, UnitsAtTheEdgeAreClipped)
{
    RenderBoard board(40, 30);
    ASSERT_TRUE(board.loaded);
    CSeasonHdr& season = board.AddSeason("S1901M");
    AddArmy(season, 0, 0, 0);
    AddFleet(season, 1, 39, 29);
    AddFleet(season, 1, -100, 500);
    CRgbImage expected = board.Bare();
    StampExpected(expected, -7, -5, ArmyPictureRows(), ArmyMaskRows(), kArmyInside, kRed);
    StampExpected(expected, 27, 22, FleetPictureRows(), FleetMaskRows(), kFleetInside, kBlue);
    EXPECT_EQ(board.Compose(), expected);
}

TEST_F(RenderSpring, FallbackShapesWhenTheMaskedCopyIsUnavailable)
{
    AddArmy(season, 0, 20, 20);
    AddFleet(season, 1, 50, 30);
    const CRgbImage bare = board.Bare();
    const CRgbImage image = board.Compose({}, {false});

    // Army: a 10 x 10 square with its top-left corner at the unit: black
    // outline on x and x + 10, the colour between. Fleet: five sides, the
    // point at the unit, 10 wide and 15 deep.
    const std::vector<std::pair<CRasterPoint, uint32_t>> probes = {
        {{20, 20}, raster::kBlack}, {{30, 30}, raster::kBlack}, {{20, 27}, raster::kBlack}, {{30, 24}, raster::kBlack},
        {{21, 21}, kRed},           {{29, 29}, kRed},           {{50, 30}, raster::kBlack}, {{50, 31}, kBlue},
        {{55, 35}, raster::kBlack}, {{45, 35}, raster::kBlack}, {{45, 40}, raster::kBlack}, {{55, 40}, raster::kBlack},
        {{50, 45}, raster::kBlack}, {{46, 40}, kBlue},          {{54, 44}, kBlue},
    };
    for (const auto& [p, colour] : probes)
        EXPECT_EQ(image.Pixel(p.x, p.y), colour) << p.x << "," << p.y;
    for (const CRasterPoint p : {CRasterPoint{19, 25}, {31, 25}, {25, 31}, {44, 40}, {56, 40}, {46, 31}, {50, 46}})
        EXPECT_EQ(image.Pixel(p.x, p.y), bare.Pixel(p.x, p.y)) << p.x << "," << p.y;
}

TEST(RenderCompose, TopDownBoardComposesLikeBottomUp)
{
    const auto compose = [](int height) {
        RenderBoard board;
        bmp::BitmapSpec desc;
        desc.width = 30;
        desc.height = height;
        desc.palette = {0x000000, 0xFFFFFF, kSea};
        desc.pixels = bmp::PackRows(30, 20, 8, [](int x, int y) { return uint32_t((x + y) % 3); }, height < 0);
        std::istringstream in(bmp::Build(desc));
        EXPECT_TRUE(board.doc.m_dib.Load(in));
        AddArmy(board.AddSeason("S1901M"), 0, 10, 10);
        return board.Compose();
    };
    const CRgbImage bottomUp = compose(20);
    EXPECT_EQ(bottomUp.Width(), 30);
    EXPECT_EQ(bottomUp.Height(), 20);
    EXPECT_EQ(compose(-20), bottomUp);
}

TEST_F(RenderSpring, CirclesUseTheRadiusAndTheOwnersColour)
{
    board.doc.m_nSCRadius = 5;
    season.m_centres[1].push_back({30, 25});
    season.m_centres[1].push_back({60, 40});
    const CRgbImage bare = board.Bare();
    const CRgbImage image = board.Compose({0, 0, 1});

    // The box (x - r, y - r) to (x + r, y + r) with right and bottom edges left out.
    int left = 1000, right = -1, top = 1000, bottom = -1;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            if (image.Pixel(x, y) != bare.Pixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(left, 25);
    EXPECT_EQ(right, 34);
    EXPECT_EQ(top, 20);
    EXPECT_EQ(bottom, 29);
    EXPECT_EQ(image.Pixel(30, 25), kBlue);
    EXPECT_EQ(image.Pixel(29, 24), kBlue);
    EXPECT_EQ(image.Pixel(25, 25), raster::kBlack); // pen on the rim
    EXPECT_EQ(image.Pixel(30, 20), raster::kBlack);
    EXPECT_EQ(image.Pixel(60, 40), kBlue);           // the second centre
    EXPECT_EQ(image.Pixel(65, 40), bare.Pixel(65, 40));
}

struct SettingsCase {
    const char* name;
    CDisplaySettings settings;
    bool circles;
    bool letters;
};

class RenderSettings : public RenderSpring, public testing::WithParamInterface<SettingsCase> {};

TEST_P(RenderSettings, CirclesOnlyForExactlyOneLettersForAnyNonZero)
{
    AddArmy(season, 0, 20, 20);
    season.m_centres[1].push_back({60, 40});
    const CRgbImage plain = board.Compose();
    const CRgbImage image = board.Compose(GetParam().settings);
    EXPECT_EQ(image.Pixel(60, 40) == kBlue, GetParam().circles);
    EXPECT_EQ(image.Pixel(60, 40) == plain.Pixel(60, 40), !GetParam().circles);
    // The letter's cell is white where the army's turret has the country colour.
    EXPECT_EQ(image.Pixel(28, 21) == raster::kWhite, GetParam().letters);
    EXPECT_EQ(image.Pixel(23, 21) == raster::kBlack, GetParam().letters); // "E" stem
}

INSTANTIATE_TEST_SUITE_P(
    Values, RenderSettings,
    testing::Values(SettingsCase{"AllOff", {0, 0, 0}, false, false},
                    SettingsCase{"CentresOne", {0, 0, 1}, true, false},
                    SettingsCase{"CentresTwo", {0, 0, 2}, false, false},
                    SettingsCase{"CentresMinusOne", {0, 0, -1}, false, false},
                    SettingsCase{"InitialsOne", {0, 1, 0}, false, true},
                    SettingsCase{"InitialsTwo", {0, 2, 0}, false, true},
                    SettingsCase{"BothWithZoom", {1, 1, 1}, true, true}),
    RowName());

TEST_F(RenderSpring, InitialsSitBesideEachKindOfUnit)
{
    AddArmy(season, 0, 20, 20);
    AddFleet(season, 1, 50, 30);
    const CRgbImage image = board.Compose({0, 1, 0});
    const auto cell = [&](int left, int top) {
        std::vector<std::string> rows;
        for (int y = top; y < top + 8; ++y) {
            std::string row;
            for (int x = left; x < left + 6; ++x)
                row += image.Pixel(x, y) == raster::kBlack ? '#' : image.Pixel(x, y) == raster::kWhite ? '.' : '?';
            rows.push_back(row);
        }
        return rows;
    };
    EXPECT_EQ(cell(23, 21), (std::vector<std::string>{"#####.", "#.....", "#.....", "####..", "#.....", "#.....",
                                                      "#####.", "......"}));
    EXPECT_EQ(cell(48, 36), (std::vector<std::string>{"#####.", "#.....", "#.....", "####..", "#.....", "#.....",
                                                      "#.....", "......"}));
}

TEST_F(RenderSpring, EmptyCountryNameDrawsNoLetter)
{
    board.doc.m_countries[0].m_strName.clear();
    AddArmy(season, 0, 20, 20);
    EXPECT_EQ(board.Compose({0, 1, 0}), board.Compose({0, 0, 0}));
}

TEST_F(RenderSpring, LaterCountriesAreDrawnOverEarlierOnes)
{
    board.doc.m_nSCRadius = 8;
    // A: England's army under France's circle. B: England's circle under
    // France's army. C: England's circle over England's own army.
    AddArmy(season, 0, 20, 20);
    season.m_centres[1].push_back({20, 20});
    season.m_centres[0].push_back({60, 20});
    AddArmy(season, 1, 60, 20);
    AddArmy(season, 0, 20, 45);
    season.m_centres[0].push_back({20, 45});
    const CRgbImage image = board.Compose({0, 0, 1});
    // (x + 4, y) is the turret's fill point, (x + 4, y + 2) the black body roof.
    EXPECT_EQ(image.Pixel(24, 20), kBlue);
    EXPECT_EQ(image.Pixel(24, 22), kBlue);
    EXPECT_EQ(image.Pixel(64, 20), kBlue);
    EXPECT_EQ(image.Pixel(64, 22), raster::kBlack);
    EXPECT_EQ(image.Pixel(24, 47), kRed);
}

struct OwnershipCase {
    const char* name;
    bool firstHasCentres;
    bool secondHasCentres;
    const char* onShow;
    bool expectCircle;
    uint32_t colour;
};

class RenderOwnership : public testing::TestWithParam<OwnershipCase> {};

TEST_P(RenderOwnership, CirclesComeFromTheLatestSeasonUpToTheOneOnShow)
{
    const OwnershipCase& c = GetParam();
    RenderBoard board;
    ASSERT_TRUE(board.loaded);
    CSeasonHdr& spring = board.AddSeason("S1901M");
    CSeasonHdr& fall = board.AddSeason("F1901M");
    if (c.firstHasCentres)
        spring.m_centres[0].push_back({40, 30});
    if (c.secondHasCentres)
        fall.m_centres[1].push_back({40, 30});
    board.doc.m_posCurrent = std::string(c.onShow) == "first" ? board.doc.m_seasons.begin()
                                                               : std::prev(board.doc.m_seasons.end());
    const CRgbImage image = board.Compose({0, 0, 1});
    if (c.expectCircle) {
        EXPECT_EQ(image.Pixel(40, 30), c.colour);
    } else {
        EXPECT_EQ(image, board.Bare());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Seasons, RenderOwnership,
    testing::Values(OwnershipCase{"OwnSeason", false, true, "second", true, kBlue},
                    OwnershipCase{"OwnSeasonWins", true, true, "second", true, kBlue},
                    OwnershipCase{"EarlierSeason", true, false, "second", true, kRed},
                    OwnershipCase{"LaterSeasonIgnored", false, true, "first", false, 0},
                    OwnershipCase{"NoneAnywhere", false, false, "second", false, 0}),
    RowName());

TEST_F(RenderSpring, CountryCountBeyondTheCountriesReadIsSafe)
{
    AddArmy(season, 0, 20, 20);
    AddArmy(season, 3, 60, 40);
    season.m_centres[4].push_back({10, 50});
    board.doc.m_nCountries = 200;
    const CRgbImage image = board.Compose({0, 1, 1});
    EXPECT_EQ(image.Pixel(24, 20), kRed);
    EXPECT_EQ(image.Pixel(64, 40), board.Bare().Pixel(64, 40));
    EXPECT_EQ(image.Pixel(10, 50), board.Bare().Pixel(10, 50));

    board.doc.m_nCountries = 0;
    EXPECT_EQ(board.Compose({0, 1, 1}), board.Bare());
}

TEST(RenderDraw, ScreenAtActualSizeAndZoomedToFit)
{
    RenderBoard board;
    ASSERT_TRUE(board.loaded);
    const CDrawResult actual = OnDraw(board.doc, {0, 0, 0}, CScreenTarget{200, 30, 96}, board.services);
    ASSERT_TRUE(actual.screen && actual.blit);
    EXPECT_EQ(actual.blit->to, (CRasterRect{0, 0, 80, 60}));
    EXPECT_EQ(actual.screen->m_cxScroll, 80);
    EXPECT_EQ(actual.screen->m_cyScroll, 60);

    const CDrawResult zoomed = OnDraw(board.doc, {1, 0, 0}, CScreenTarget{200, 30, 96}, board.services);
    ASSERT_TRUE(zoomed.blit);
    EXPECT_EQ(zoomed.blit->from, (CRasterRect{0, 0, 80, 60}));
    EXPECT_EQ(zoomed.blit->to, (CRasterRect{0, 0, 200, 30}));
    EXPECT_EQ(zoomed.screen->m_cxScroll, 200);
    EXPECT_EQ(zoomed.screen->m_cyScroll, 30);

    CRgbImage window(200, 30, 0);
    ApplyBlit(window, zoomed.picture, *zoomed.blit);
    EXPECT_EQ(window.Pixel(199, 29), zoomed.picture.Pixel(79, 58)); // 29 * 60 / 30
    EXPECT_EQ(window.Pixel(5, 0), zoomed.picture.Pixel(2, 0));       // 5 * 80 / 200
    EXPECT_TRUE(board.services.messages.empty());
}

TEST(RenderDraw, PrinterWithoutBitmapCopiesShowsBothMessagesInOrder)
{
    RenderBoard board;
    ASSERT_TRUE(board.loaded);
    CPrinterTarget printer{4800, 6600, {0, 110}, 0, 600};
    const CDrawResult result = OnDraw(board.doc, {}, printer, board.services);
    EXPECT_FALSE(result.blit);
    ASSERT_TRUE(result.paper);
    EXPECT_EQ(result.paper->copy, PaperCopy::None);
    EXPECT_EQ(board.services.Texts(),
              (std::vector<std::string>{"Printer does not support bitmap printing", "Raster Operation Failed"}));
}

TEST(RenderDraw, PrinterCopyWithoutStretchTakesTheCornerUnscaled)
{
    RenderBoard board;
    ASSERT_TRUE(board.loaded);
    CPrinterTarget printer{100, 100, {0, 0}, kRcBitBlt, 96};
    const CDrawResult result = OnDraw(board.doc, {}, printer, board.services);
    ASSERT_TRUE(result.blit);
    EXPECT_FALSE(result.blit->stretch);
    EXPECT_EQ(result.blit->from, (CRasterRect{0, 0, 80, 60}));
    EXPECT_EQ(result.blit->to, (CRasterRect{10, 10, 80, 60}));
    CRgbImage page(100, 100, raster::kWhite);
    ApplyBlit(page, result.picture, *result.blit);
    EXPECT_EQ(page.Pixel(10, 10), result.picture.Pixel(0, 0));
    EXPECT_EQ(page.Pixel(89, 69), result.picture.Pixel(79, 59));
    EXPECT_TRUE(board.services.messages.empty());
}

} // namespace
