#include "support/TestGame.h"

namespace testgame {

TestGameSpec StandardTestGame()
{
    TestGameSpec desc;
    desc.countries = {{"England", 255, 0, 0}, {"France", 0, 0, 255}};
    desc.provinces = {{"LON", 10, 12}, {"PAR", 30, 20}, {"STP", 50, 8}, {"STPNC", 52, 4}, {"STPSC", 52, 14}};
    desc.supplyCentres = {{"LON", 12, 14}, {"PAR", 32, 22}, {"STP", 54, 10}};
    desc.scRadius = 4;
    return desc;
}

std::string MapFileText(const TestGameSpec& desc)
{
    std::string text = "MAP: \"" + desc.pictureName + "\"\n";
    text += "COUNTRYCOUNT: " + std::to_string(desc.countries.size()) + "\n";
    for (const Country& c : desc.countries)
        text += "COUNTRY: " + c.name + ", " + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " +
                std::to_string(c.blue) + "\n";
    for (const Place& p : desc.provinces)
        text += "PROV: \"" + p.name + "\", " + std::to_string(p.x) + ", " + std::to_string(p.y) + "\n";
    for (const Place& p : desc.supplyCentres)
        text += "SUPPLY: \"" + p.name + "\", " + std::to_string(p.x) + ", " + std::to_string(p.y) + "\n";
    if (desc.scRadius != 0)
        text += "SCRADIUS: " + std::to_string(desc.scRadius) + "\n";
    return text + desc.extraLines;
}

void WriteTestInstall(const CTempDir& dir, const TestGameSpec& desc)
{
    dir.Write("Maps/" + desc.mapName + ".map", MapFileText(desc));
    dir.Write("Maps/" + desc.pictureName, bmp::MakeBitmap8(desc.width, desc.height, desc.palette, desc.pixel));
}

std::unique_ptr<CKestraneDoc> MakeTestGame(const CTempDir& dir, CRecordingServices& services,
                                           const TestGameSpec& desc)
{
    WriteTestInstall(dir, desc);
    services.SetInstallDir(dir.Str());
    auto doc = std::make_unique<CKestraneDoc>(services);
    if (!doc->OnNewDocument((dir.Path() / "Maps" / (desc.mapName + ".map")).string()))
        return nullptr;
    return doc;
}

} // namespace testgame
