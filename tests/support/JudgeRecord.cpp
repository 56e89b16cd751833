#include "support/JudgeRecord.h"

#include "model/KestraneDoc.h"
#include "support/ImportChecks.h"
#include "support/JudgeGameFiles.h"
#include "support/TempDir.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace judgerecord {

namespace {

using json = nlohmann::json;

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : ", ") + line;
    return text;
}

// A unit's province as the map keys it: the name upper-cased with the coast
// letters glued on (ST PETERSBURGNC).
std::string ProvinceKey(const json& unit)
{
    std::string key = Upper(unit.value("name", ""));
    if (unit.contains("coast") && unit["coast"].is_string())
        key += Upper(unit["coast"].get<std::string>());
    return key;
}

} // namespace

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

std::string UnitText(const json& unit)
{
    return Upper(unit.value("power", "")) + " " + Upper(unit.value("type", "")) + " " + ProvinceKey(unit);
}

std::string FiledSeason(const std::string& mailFile)
{
    std::string phase = mailFile.substr(3, 6);
    if (mailFile.find("start") != std::string::npos)
        phase = phase.substr(0, 1) + std::to_string(std::stoi(phase.substr(1, 4)) - 1) + phase.substr(5);
    return phase;
}

std::vector<std::string> Differences(const CKestraneDoc& doc, const std::string& game)
{
    const std::vector<judgefiles::ResultMail> mails = judgefiles::ResultMails(game);
    if (mails.empty())
        return {"no record"};
    std::vector<std::string> differences;
    for (const judgefiles::ResultMail& mail : mails) {
        const std::string name = FiledSeason(mail.file);
        const CSeasonHdr* season = doc.FindSeason(name);
        if (!season) {
            differences.push_back(name + ": not filed");
            continue;
        }
        const json truth = json::parse(CTempDir::Read(judgefiles::GameFolder(game) / mail.truth), nullptr, false);
        if (!truth.is_object()) {
            differences.push_back(name + ": the record " + mail.truth + " cannot be read");
            continue;
        }
        std::vector<std::string> want;
        for (const json& unit : truth["units"])
            want.push_back(UnitText(unit));
        std::vector<std::string> got = importchecks::Units(doc, *season);
        std::sort(want.begin(), want.end());
        std::sort(got.begin(), got.end());
        if (got != want)
            differences.push_back(name + ": units " + Joined(got) + " where the Judge has " + Joined(want));
    }
    return differences;
}

} // namespace judgerecord
