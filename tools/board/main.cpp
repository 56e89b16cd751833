// board-generator: draws the standard board picture and writes its map
// definition from the coordinate data in this folder.
//
//   board-generator <output folder>
//
// Writes STANDARD.BMP, Standard.map and Standard.geo there. Exits with 1, after listing
// them, when the data has problems (provinces that leak into one another,
// seeds on a border, items that do not fit in their province).
#include "BmpFile.h"
#include "BoardPainter.h"
#include "GeographyDefinition.h"
#include "Layout.h"
#include "MapDefinition.h"
#include "Palette.h"
#include "Projection.h"
#include "Regions.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

constexpr int kPictureWidth = 1200;
constexpr const char* kPictureName = "STANDARD.BMP";

bool WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "board-generator: cannot write " << path.string() << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: board-generator <output folder>\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    const board::Projection projection(kPictureWidth);
    const board::Regions regions = board::DivideBoard(projection);
    const board::Layout layout = board::PlaceItems(projection, regions);
    const std::vector<uint8_t> pixels = board::PaintBoard(regions, layout);

    const std::string bmp = board::EncodeBmp8(projection.Width(), projection.Height(), pixels,
                                              board::BoardPalette(), board::kColourCount);
    std::vector<std::string> problems;
    const std::string geography = board::WriteGeographyDefinition(layout, problems);
    const bool written = WriteFile(folder / kPictureName, bmp) &&
                         WriteFile(folder / "Standard.map", board::WriteMapDefinition(layout, kPictureName)) &&
                         WriteFile(folder / "Standard.geo", geography);

    for (const std::string& p : regions.problems)
        std::cerr << "board-generator: " << p << "\n";
    for (const std::string& p : layout.problems)
        std::cerr << "board-generator: " << p << "\n";
    for (const std::string& p : problems)
        std::cerr << "board-generator: " << p << "\n";
    if (!written)
        return 1;
    return regions.problems.empty() && layout.problems.empty() && problems.empty() ? 0 : 1;
}
