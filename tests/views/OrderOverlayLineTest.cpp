#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "views/OrderOverlay.h"
#include "views/OverlayGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

// Single order lines, as the Judge writes them, read into overlay marks on
// the standard board; damaged lines are left out and counted.

namespace {

const std::string kDataDir = std::string(KESTRANE_SOURCE_DIR) + "/data";

class OverlayLines : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(doc.OnNewDocument("Standard.map")); }

    COrderOverlay Read(const std::string& seasonName, const std::vector<std::string>& lines)
    {
        CSeasonHdr season(doc.m_nCountries);
        season.m_strSeason = seasonName;
        season.m_orders = lines;
        return BuildOrderOverlay(doc, season);
    }

    MapPos At(const std::string& key) const { return *doc.m_provinces.Lookup(key); }

    CRecordingServices services{kDataDir};
    CKestraneDoc doc{services};
};

struct PlacedRow {
    const char* name;
    const char* season;
    const char* line;
    OverlayMarkKind kind;
    int country;
    bool fleet;
    bool failed;
    std::vector<std::string> provinces;
};

const PlacedRow kPlaced[] = {
    {"PlainMove", "S1901M", "Austria: Army Budapest -> Serbia.", OverlayMarkKind::Move, 0, false, false,
     {"BUDAPEST", "SERBIA"}},
    {"BouncedMove", "S1901M", "Austria: Army Vienna -> Galicia. (*bounce*)", OverlayMarkKind::Move, 0, false, true,
     {"VIENNA", "GALICIA"}},
    {"VoidMove", "S1901M", "Italy: Army Venice -> Trieste. (*void*)", OverlayMarkKind::Move, 4, false, true,
     {"VENICE", "TRIESTE"}},
    {"NoConvoy", "F1901M", "Italy: Army Rome -> Tunis. (*no convoy*)", OverlayMarkKind::Move, 4, false, true,
     {"ROME", "TUNIS"}},
    {"ConvoyRoute", "F1901M", "England: Army Yorkshire -> North Sea -> Norway.", OverlayMarkKind::Move, 1, false,
     false, {"YORKSHIRE", "NORTH SEA", "NORWAY"}},
    {"PaddedColumns", "F1901M", "France:                   Army  Burgundy -> Gascony.", OverlayMarkKind::Move, 2,
     false, false, {"BURGUNDY", "GASCONY"}},
    {"MoveToCoast", "F1901M", "France: Fleet Mid-Atlantic Ocean -> Spain (north coast).", OverlayMarkKind::Move, 2,
     true, false, {"MID-ATLANTIC OCEAN", "SPAINNC"}},
    {"SupportHold", "F1901M", "France: Army Marseilles SUPPORT Army Burgundy. (*cut*)", OverlayMarkKind::Support, 2,
     false, true, {"MARSEILLES", "BURGUNDY"}},
    {"SupportMove", "F1901M", "Germany: Army Munich SUPPORT Army Ruhr -> Burgundy.", OverlayMarkKind::Support, 3,
     false, false, {"MUNICH", "RUHR", "BURGUNDY"}},
    {"SupportForeign", "F1902M", "Austria: Fleet Constantinople SUPPORT Russian Fleet Sevastopol -> Black Sea.",
     OverlayMarkKind::Support, 0, true, false, {"CONSTANTINOPLE", "SEVASTOPOL", "BLACK SEA"}},
    {"Convoy", "F1901M", "England: Fleet North Sea CONVOY Army Yorkshire -> Norway.", OverlayMarkKind::Convoy, 1, true,
     false, {"NORTH SEA", "YORKSHIRE", "NORWAY"}},
    {"ConvoyForeign", "F1902M", "Italy: Fleet Ionian Sea CONVOY Austrian Army Albania -> Spain.",
     OverlayMarkKind::Convoy, 4, true, false, {"IONIAN SEA", "ALBANIA", "SPAIN"}},
    {"Hold", "F1901M", "Austria: Army Vienna HOLD.", OverlayMarkKind::Hold, 0, false, false, {"VIENNA"}},
    {"Unordered", "F1901M", "Russia: Fleet Sevastopol, No Order Processed.", OverlayMarkKind::Hold, 5, true, false,
     {"SEVASTOPOL"}},
    {"Retreat", "F1901R", "France:                   Army  Burgundy -> Gascony.", OverlayMarkKind::Retreat, 2, false,
     false, {"BURGUNDY", "GASCONY"}},
    {"RetreatBounced", "F1902R", "France:                   Army  Gascony -> Spain (*bounce, destroyed*).",
     OverlayMarkKind::Retreat, 2, false, true, {"GASCONY", "SPAIN"}},
    {"Disband", "S1902R", "Turkey:                   Army  Bulgaria DISBAND.", OverlayMarkKind::Disband, 6, false,
     false, {"BULGARIA"}},
    {"BuildArmy", "F1901B", "Austria:                  Builds an army in Budapest.", OverlayMarkKind::Build, 0,
     false, false, {"BUDAPEST"}},
    {"BuildOnCoast", "F1901B", "Russia:                   Builds a fleet in St Petersburg (north coast).",
     OverlayMarkKind::Build, 5, true, false, {"ST PETERSBURGNC"}},
    {"Remove", "F1902B", "Germany:                  Removes the army in Munich.", OverlayMarkKind::Remove, 3, false,
     false, {"MUNICH"}},
    {"RemoveByDefault", "F1902B", "Turkey:                   Defaults, removing the fleet in the Black Sea.",
     OverlayMarkKind::Remove, 6, true, false, {"BLACK SEA"}},
};

TEST_F(OverlayLines, JudgeLinesBecomeMarksOnTheirProvinces)
{
    for (const PlacedRow& row : kPlaced) {
        SCOPED_TRACE(row.name);
        const COrderOverlay overlay = Read(row.season, {row.line});
        EXPECT_TRUE(overlay.unplaced.empty());
        ASSERT_GE(overlay.marks.size(), 1u);
        const COverlayMark& mark = overlay.marks.front();
        EXPECT_EQ(mark.kind, row.kind);
        EXPECT_EQ(mark.country, row.country);
        EXPECT_EQ(mark.fleet, row.fleet);
        EXPECT_EQ(mark.failed, row.failed);
        EXPECT_EQ(mark.provinces, row.provinces);
        ASSERT_EQ(mark.points.size(), row.provinces.size());
        for (size_t i = 0; i < row.provinces.size(); ++i)
            EXPECT_EQ(mark.points[i], At(row.provinces[i])) << row.provinces[i];
    }
}

struct ExtraMarkRow {
    const char* name;
    const char* season;
    const char* line;
    std::vector<OverlayMarkKind> kinds;
};

const ExtraMarkRow kExtraMarks[] = {
    {"DislodgedHolder", "F1901M", "France: Army Burgundy HOLD. (*dislodged*)",
     {OverlayMarkKind::Hold, OverlayMarkKind::Dislodged}},
    {"DislodgedSupporter", "S1902M", "France: Army Marseilles SUPPORT Army Gascony. (*cut, dislodged*)",
     {OverlayMarkKind::Support, OverlayMarkKind::Dislodged}},
    {"DislodgedMover", "S1902M", "Italy: Army Venice -> Trieste. (*bounce, dislodged*)",
     {OverlayMarkKind::Move, OverlayMarkKind::Dislodged}},
    {"DestroyedRetreat", "F1902R", "France: Army Marseilles -> Spain (*bounce, destroyed*).",
     {OverlayMarkKind::Retreat, OverlayMarkKind::Disband}},
    {"WaivedBuild", "F1901B", "France:                   Build waived.", {}},
    {"ProxyLine", "S1901M", "Germany: Army Munich PROXY to Austria.", {}},
    {"StartingUnit", "S1900M", "Austria: Army  Vienna.", {}},
};

TEST_F(OverlayLines, OutcomesAddTheirOwnMarks)
{
    for (const ExtraMarkRow& row : kExtraMarks) {
        SCOPED_TRACE(row.name);
        const COrderOverlay overlay = Read(row.season, {row.line});
        EXPECT_TRUE(overlay.unplaced.empty());
        std::vector<OverlayMarkKind> kinds;
        for (const COverlayMark& mark : overlay.marks)
            kinds.push_back(mark.kind);
        EXPECT_EQ(kinds, row.kinds);
    }
}

struct LeftOutRow {
    const char* name;
    const char* season;
    const char* line;
};

// Each names a province the board does not have, or has no shape to read.
const LeftOutRow kLeftOut[] = {
    {"UnknownSource", "S1901M", "Austria: Army Atlantis -> Serbia."},
    {"UnknownDestination", "S1901M", "Austria: Army Budapest -> Atlantis."},
    {"UnknownRouteSea", "F1901M", "England: Army Yorkshire -> Dogger Bank -> Norway."},
    {"AnnotatedDestination", "S1901M", "Austria: Army Budapest -> Serbia. Sorry."},
    {"UnknownSupported", "F1901M", "Germany: Army Munich SUPPORT Army Atlantis -> Burgundy."},
    {"SupportOfNothing", "F1901M", "Germany: Army Munich SUPPORT."},
    {"ConvoyWithoutMove", "F1901M", "England: Fleet North Sea CONVOY Army Yorkshire."},
    {"UnknownHolder", "F1901M", "Austria: Army Atlantis HOLD."},
    {"UnknownRetreat", "F1901R", "France: Army Burgundy -> Atlantis."},
    {"UnknownDisband", "S1902R", "Turkey: Army Atlantis DISBAND."},
    {"UnknownBuild", "F1901B", "Austria: Builds an army in Atlantis."},
    {"DoubleBlankBuild", "F1901B", "Austria: Builds an army in  the Adriatic Sea."},
    {"UnknownVerb", "F1901B", "Austria: Bakes a cake in Vienna."},
    {"NoCountry", "F1902R", "Army Marseilles -> Spain (*bounce, destroyed*)."},
};

TEST_F(OverlayLines, LinesThatCannotBePlacedAreLeftOutAndCounted)
{
    for (const LeftOutRow& row : kLeftOut) {
        SCOPED_TRACE(row.name);
        // Between two good lines, which still make their marks.
        const std::string good = std::string(row.season).back() == 'B' ? "Austria: Builds a fleet in Trieste."
                                 : std::string(row.season).back() == 'R' ? "Germany: Fleet Denmark -> Helgoland Bight."
                                                                          : "Austria: Army Vienna -> Tyrolia.";
        const COrderOverlay overlay = Read(row.season, {good, row.line, good});
        EXPECT_EQ(overlay.unplaced, std::vector<std::string>{row.line});
        EXPECT_EQ(overlay.marks.size(), 2u);
        for (const COverlayMark& mark : overlay.marks)
            EXPECT_FALSE(mark.provinces.empty());
    }
}

// ---- Geometry -----------------------------------------------------------

struct GeometryRow {
    const char* name;
    const char* season;
    const char* line;
    size_t lines, rings, crosses, units;
    OverlayLineStyle style;
    bool arrowHead;
};

const GeometryRow kGeometry[] = {
    {"Move", "S1901M", "Austria: Army Budapest -> Serbia.", 1, 0, 0, 0, OverlayLineStyle::Solid, true},
    {"Bounce", "S1901M", "Austria: Army Vienna -> Galicia. (*bounce*)", 1, 0, 1, 0, OverlayLineStyle::Dashed, true},
    {"Support", "F1901M", "Germany: Army Munich SUPPORT Army Ruhr -> Burgundy.", 1, 0, 0, 0, OverlayLineStyle::Dashed,
     false},
    {"SupportHold", "F1901M", "Germany: Army Munich SUPPORT Army Ruhr.", 1, 1, 0, 0, OverlayLineStyle::Dashed, false},
    {"CutSupport", "F1901M", "France: Army Marseilles SUPPORT Army Burgundy. (*cut*)", 1, 1, 1, 0,
     OverlayLineStyle::Dashed, false},
    {"Convoy", "F1901M", "England: Fleet North Sea CONVOY Army Yorkshire -> Norway.", 1, 0, 0, 0,
     OverlayLineStyle::Dotted, false},
    {"Hold", "F1901M", "Austria: Army Vienna HOLD.", 0, 1, 0, 0, OverlayLineStyle::Solid, false},
    {"Dislodged", "F1901M", "France: Army Burgundy HOLD. (*dislodged*)", 0, 2, 0, 1, OverlayLineStyle::Solid, false},
    {"Retreat", "S1902R", "Turkey: Fleet Black Sea -> Armenia.", 1, 0, 0, 1, OverlayLineStyle::Solid, true},
    {"Disband", "S1902R", "Turkey: Army Bulgaria DISBAND.", 0, 0, 1, 1, OverlayLineStyle::Solid, false},
    {"Build", "F1901B", "Austria: Builds an army in Budapest.", 0, 1, 0, 0, OverlayLineStyle::Solid, false},
    {"Remove", "F1902B", "Germany: Removes the army in Munich.", 0, 0, 1, 0, OverlayLineStyle::Solid, false},
};

TEST_F(OverlayLines, EveryMarkHasItsShape)
{
    const std::vector<uint32_t> colours{0xD22828, 0x3C3CC8, 0x46AAEB, 0x785532, 0x2DA02D, 0xF0F0F0, 0xE6C81E};
    for (const GeometryRow& row : kGeometry) {
        SCOPED_TRACE(row.name);
        const COrderOverlay overlay = Read(row.season, {row.line});
        const COverlayShapes shapes = LayOutOverlay(overlay, colours, {});
        EXPECT_EQ(shapes.lines.size(), row.lines);
        EXPECT_EQ(shapes.rings.size(), row.rings);
        EXPECT_EQ(shapes.crosses.size(), row.crosses);
        EXPECT_EQ(shapes.units.size(), row.units);
        if (!shapes.lines.empty()) {
            EXPECT_EQ(shapes.lines[0].style, row.style);
            EXPECT_EQ(shapes.lines[0].arrowHead, row.arrowHead);
            EXPECT_EQ(shapes.lines[0].colour, colours[size_t(overlay.marks[0].country)]);
        }
    }
}

COverlayPointF Centre(MapPos p)
{
    return {p.x + 2.0, p.y + 2.0};
}

// Where a support's line ends: the middle of the supported move's arrow as
// drawn (it stops short of its destination), the middle of the straight way
// when the season holds no such move, the edge of the held unit's ring.
TEST_F(OverlayLines, SupportsEndOnWhatTheySupport)
{
    const char* support = "Germany: Army Munich SUPPORT Army Ruhr -> Burgundy.";
    const std::vector<std::vector<std::string>> rows{
        {support, "Germany: Army Ruhr -> Burgundy."}, {support}, {"Germany: Army Munich SUPPORT Army Ruhr."}};
    const COverlayPointF ruhr = Centre(At("RUHR"));
    const COverlayPointF burgundy = Centre(At("BURGUNDY"));
    for (const auto& lines : rows) {
        SCOPED_TRACE(lines.back());
        const COverlayShapes shapes = LayOutOverlay(Read("F1901M", lines), {0x785532}, {});
        ASSERT_EQ(shapes.lines.size(), lines.size());
        const COverlayPointF end = shapes.lines[0].points.back();
        EXPECT_LT(shapes.lines[0].width, 2.0);
        COverlayPointF expected{(ruhr.x + burgundy.x) / 2, (ruhr.y + burgundy.y) / 2};
        if (lines.size() == 2) {
            const COverlayLine& arrow = shapes.lines[1];
            expected = {(arrow.points[0].x + arrow.points[1].x) / 2, (arrow.points[0].y + arrow.points[1].y) / 2};
        } else if (shapes.rings.size() == 1) {
            EXPECT_EQ(shapes.rings[0].centre, ruhr);
            EXPECT_NEAR(std::hypot(end.x - ruhr.x, end.y - ruhr.y), shapes.rings[0].radius, 1e-9);
            continue;
        }
        EXPECT_NEAR(end.x, expected.x, 1e-9);
        EXPECT_NEAR(end.y, expected.y, 1e-9);
    }
}

TEST_F(OverlayLines, ShapesFollowTheTransformAndStayLegible)
{
    const COrderOverlay overlay = Read("S1901M", {"Austria: Army Vienna -> Galicia. (*bounce*)"});
    const MapPos from = At("VIENNA");
    const MapPos to = At("GALICIA");
    struct Row {
        const char* name;
        COverlayTransform transform;
        double strokeScale;
    };
    const Row rows[] = {
        {"ActualSize", {1, 1, 0, 0}, 1},
        {"Shrunk", {0.25, 0.3, 0, 0}, 1},
        {"Enlarged", {3.2, 1.85, 0, 0}, 1.85},
        {"Moved", {2, 2, -100, 40}, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const COverlayTransform& t = row.transform;
        EXPECT_DOUBLE_EQ(OverlayStrokeScale(t), row.strokeScale);
        const COverlayShapes shapes = LayOutOverlay(overlay, {0xD22828}, t);
        ASSERT_EQ(shapes.lines.size(), 1u);
        const COverlayLine& line = shapes.lines[0];
        ASSERT_EQ(line.points.size(), 2u);
        // Starts on the source unit, stops short of the destination along the same line.
        EXPECT_NEAR(line.points[0].x, (from.x + 2) * t.scaleX + t.offsetX, 1e-9);
        EXPECT_NEAR(line.points[0].y, (from.y + 2) * t.scaleY + t.offsetY, 1e-9);
        const double ex = (to.x + 2) * t.scaleX + t.offsetX;
        const double ey = (to.y + 2) * t.scaleY + t.offsetY;
        const double cross = (line.points[1].x - line.points[0].x) * (ey - line.points[0].y) -
                             (line.points[1].y - line.points[0].y) * (ex - line.points[0].x);
        EXPECT_NEAR(cross, 0, 1e-6);
        EXPECT_LT(std::hypot(line.points[1].x - ex, line.points[1].y - ey),
                  std::hypot(line.points[0].x - ex, line.points[0].y - ey));
        EXPECT_GE(line.width, 2.0);
        EXPECT_DOUBLE_EQ(line.width, 3.0 * row.strokeScale);
        // The bounce's cross sits on the destination itself.
        ASSERT_EQ(shapes.crosses.size(), 1u);
        EXPECT_NEAR(shapes.crosses[0].centre.x, ex, 1e-9);
        EXPECT_NEAR(shapes.crosses[0].centre.y, ey, 1e-9);
    }
}

} // namespace
