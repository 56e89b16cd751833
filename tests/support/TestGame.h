#pragma once

#include "model/KestraneDoc.h"
#include "support/BitmapBuilder.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

/// A small installation folder for tests: Maps/<mapName>.map and its picture,
/// and a ready game document made from them through OnNewDocument.
///
/// Typical use:
///   CTempDir dir;
///   CRecordingServices services;
///   auto doc = MakeTestGame(dir, services, StandardTestGame());
///   ASSERT_TRUE(doc);
namespace testgame {

struct Country {
    std::string name;
    int red = 0;
    int green = 0;
    int blue = 0;
};

/// One PROV: or SUPPLY: line. The name is written in quotes as given and is
/// the key the report parsers look up, so a coast is written glued: "STPSC"
/// (a quoted "STP (SC)" would keep three blanks in its key).
struct Place {
    std::string name;
    int x = 0;
    int y = 0;
};

struct TestGameSpec {
    /// File title of the map definition: Maps/<mapName>.map.
    std::string mapName = "Test";
    /// Name on the MAP: line and of the file written to Maps/ (case kept as given).
    std::string pictureName = "BOARD.BMP";
    std::vector<Country> countries;
    std::vector<Place> provinces;
    std::vector<Place> supplyCentres;
    /// Written as SCRADIUS: when not 0.
    int scRadius = 0;
    /// Written verbatim at the end of the map definition (each line ending "\n").
    std::string extraLines;
    /// The picture: a plain 8-bit bitmap with this palette and pixel function
    /// (white everywhere by default: index 1 of {black, white}).
    int width = 64;
    int height = 48;
    std::vector<uint32_t> palette{0x000000, 0xFFFFFF};
    bmp::PixelFunction pixel = [](int, int) -> uint32_t { return 1; };
};

/// Two countries (England red, France blue: ENGLAND and FRANCE once read),
/// provinces LON 10,12  PAR 30,20  STP 50,8  STPNC 52,4  STPSC 52,14, supply
/// centres LON 12,14  PAR 32,22  STP 54,10, radius 4, a 64 x 48 white picture.
TestGameSpec StandardTestGame();

/// The text of the map definition the desc describes (COUNTRYCOUNT: first).
std::string MapFileText(const TestGameSpec& desc);

/// Writes Maps/<mapName>.map and Maps/<pictureName> below dir.
void WriteTestInstall(const CTempDir& dir, const TestGameSpec& desc);

/// Writes the install folder, points services at it and runs OnNewDocument on
/// a fresh document for Maps/<mapName>.map. nullptr when File New failed (the
/// reason is in services.messages).
std::unique_ptr<CKestraneDoc> MakeTestGame(const CTempDir& dir, CRecordingServices& services,
                                           const TestGameSpec& desc);

} // namespace testgame
