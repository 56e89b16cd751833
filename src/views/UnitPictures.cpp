#include "views/UnitPictures.h"

#include <cstring>

namespace {

// The artwork, one text row per pixel row: '#' black, 't' teal, '.' white.
// The white areas that take the country's colour are closed by black so
// that a border fill from their fill point stays inside them.
constexpr const char* kArmyRows[CUnitPicture::kHeight] = {
    "........................",
    "..........#.............", // aerial
    "..........#.............",
    "..........#.............",
    "........t########t......", // turret roof, teal rivets either side
    "........#........#######", // turret inside (fill 11, 5), gun barrel
    "........#.......#.......",
    ".....##############.....", // turret floor, body roof
    "....#..............#....", // body inside (fill 11, 8)
    "....#..............#....",
    "...##################...", // body floor, track top
    "..#..tt....tt....tt..#..", // track with three teal wheels
    ".#..tttt..tttt..tttt..#.",
    ".#...tt....tt....tt...#.",
    "..####################..",
    "........................",
};

constexpr const char* kArmyMaskRows[CUnitPicture::kHeight] = {
    "........................",
    "..........X.............",
    "..........X.............",
    "..........X.............",
    "........XXXXXXXXXX......",
    "........XXXXXXXXXXXXXXXX",
    "........XXXXXXXXX.......",
    ".....XXXXXXXXXXXXXX.....",
    "....XXXXXXXXXXXXXXXX....",
    "....XXXXXXXXXXXXXXXX....",
    "...XXXXXXXXXXXXXXXXXX...",
    "..XXXXXXXXXXXXXXXXXXXX..",
    ".XXXXXXXXXXXXXXXXXXXXXX.",
    ".XXXXXXXXXXXXXXXXXXXXXX.",
    "..XXXXXXXXXXXXXXXXXXXX..",
    "........................",
};

constexpr const char* kFleetRows[CUnitPicture::kHeight] = {
    "........................",
    "........................",
    "........................",
    "........................",
    ".............#..........", // masthead
    "............##..........", // solid black sail
    "............##..........",
    "..........####..........",
    "..ttt....######....###..", // teal bow on the left, stern on the right
    "...ttt..########..###...",
    ".######################.", // deck
    ".#....................#.", // hull inside (fill 11, 12)
    ".#...................#..",
    "..#.................#...",
    "...#################....", // keel
    "........................",
};

constexpr const char* kFleetMaskRows[CUnitPicture::kHeight] = {
    "........................",
    "........................",
    "........................",
    "........................",
    ".............X..........",
    "............XX..........",
    "............XX..........",
    "..........XXXX..........",
    "..XXX....XXXXXX....XXX..",
    "...XXX..XXXXXXXX..XXX...",
    ".XXXXXXXXXXXXXXXXXXXXXX.",
    ".XXXXXXXXXXXXXXXXXXXXXX.",
    ".XXXXXXXXXXXXXXXXXXXXX..",
    "..XXXXXXXXXXXXXXXXXXX...",
    "...XXXXXXXXXXXXXXXXX....",
    "........................",
};

constexpr CRasterPoint kArmyFillPoints[] = {{11, 5}, {11, 8}};
constexpr CRasterPoint kFleetFillPoints[] = {{11, 12}};

CRgbImage PictureFromRows(const char* const* rows)
{
    CRgbImage image(CUnitPicture::kWidth, CUnitPicture::kHeight, raster::kWhite);
    for (int y = 0; y < CUnitPicture::kHeight; ++y)
        for (int x = 0; x < CUnitPicture::kWidth && rows[y][x]; ++x) {
            if (rows[y][x] == '#')
                image.SetPixel(x, y, raster::kBlack);
            else if (rows[y][x] == 't')
                image.SetPixel(x, y, kUnitTeal);
        }
    return image;
}

CBitMask MaskFromRows(const char* const* rows)
{
    CBitMask mask(CUnitPicture::kWidth, CUnitPicture::kHeight);
    for (int y = 0; y < CUnitPicture::kHeight; ++y)
        for (int x = 0; x < CUnitPicture::kWidth && rows[y][x]; ++x)
            mask.SetBit(x, y, rows[y][x] == 'X');
    return mask;
}

} // namespace

const CUnitPicture& ArmyPicture()
{
    static const CUnitPicture army{PictureFromRows(kArmyRows), MaskFromRows(kArmyMaskRows), {-7, -5},
                                   kArmyFillPoints};
    return army;
}

const CUnitPicture& FleetPicture()
{
    static const CUnitPicture fleet{PictureFromRows(kFleetRows), MaskFromRows(kFleetMaskRows), {-12, -7},
                                    kFleetFillPoints};
    return fleet;
}

std::span<const char* const> ArmyPictureRows() { return kArmyRows; }
std::span<const char* const> ArmyMaskRows() { return kArmyMaskRows; }
std::span<const char* const> FleetPictureRows() { return kFleetRows; }
std::span<const char* const> FleetMaskRows() { return kFleetMaskRows; }
