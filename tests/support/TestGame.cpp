#include "support/TestGame.h"

namespace testgame {

TestGameSpec StandardTestGame()
{
    TestGameSpec spec;
    spec.countries = {{"England", 255, 0, 0}, {"France", 0, 0, 255}};
    spec.provinces = {{"LON", 10, 12}, {"PAR", 30, 20}, {"STP", 50, 8}, {"STPNC", 52, 4}, {"STPSC", 52, 14}};
    spec.supplyCentres = {{"LON", 12, 14}, {"PAR", 32, 22}, {"STP", 54, 10}};
    spec.scRadius = 4;
    return spec;
}

std::string MapFileText(const TestGameSpec& spec)
{
    std::string text = "MAP: \"" + spec.pictureName + "\"\n";
    text += "COUNTRYCOUNT: " + std::to_string(spec.countries.size()) + "\n";
    for (const Country& c : spec.countries)
        text += "COUNTRY: " + c.name + ", " + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " +
                std::to_string(c.blue) + "\n";
    for (const Place& p : spec.provinces)
        text += "PROV: \"" + p.name + "\", " + std::to_string(p.x) + ", " + std::to_string(p.y) + "\n";
    for (const Place& p : spec.supplyCentres)
        text += "SUPPLY: \"" + p.name + "\", " + std::to_string(p.x) + ", " + std::to_string(p.y) + "\n";
    if (spec.scRadius != 0)
        text += "SCRADIUS: " + std::to_string(spec.scRadius) + "\n";
    return text + spec.extraLines;
}

void WriteTestInstall(const CTempDir& dir, const TestGameSpec& spec)
{
    dir.Write("Maps/" + spec.mapName + ".map", MapFileText(spec));
    dir.Write("Maps/" + spec.pictureName, bmp::MakeBitmap8(spec.width, spec.height, spec.palette, spec.pixel));
}

std::unique_ptr<CKestraneDoc> MakeTestGame(const CTempDir& dir, CRecordingServices& services,
                                           const TestGameSpec& spec)
{
    WriteTestInstall(dir, spec);
    services.SetInstallDir(dir.Str());
    auto doc = std::make_unique<CKestraneDoc>(services);
    if (!doc->OnNewDocument((dir.Path() / "Maps" / (spec.mapName + ".map")).string()))
        return nullptr;
    return doc;
}

} // namespace testgame
