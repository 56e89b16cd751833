#include "support/KestrelGame.h"

#include "model/KestraneDoc.h"
#include "support/TempDir.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>

namespace kestrel {

namespace fs = std::filesystem;

namespace {

std::string Upper(std::string text)
{
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

fs::path Folder()
{
    return fs::path(KESTRANE_SHARED_DIR) / "judge-games" / "kestrel";
}

bool Available()
{
    std::error_code ec;
    return fs::is_directory(Folder(), ec);
}

std::vector<fs::path> Mails()
{
    std::vector<fs::path> mails;
    if (!Available())
        return mails;
    // Numbered 00 to 14; 99 is a reply to a list request, not a result.
    for (const auto& entry : fs::directory_iterator(Folder())) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".txt" && name.size() > 3 && std::isdigit(static_cast<unsigned char>(name[0])) &&
            name.compare(0, 3, "99-") != 0)
            mails.push_back(entry.path());
    }
    std::sort(mails.begin(), mails.end());
    return mails;
}

std::string PhaseOf(const fs::path& mail)
{
    const std::string name = mail.filename().string();
    if (name.find("-start") != std::string::npos)
        return "start";
    return name.size() >= 9 ? name.substr(3, 6) : std::string();
}

void ImportAll(CKestraneDoc& doc, const fs::path& scratch)
{
    for (const fs::path& mail : Mails()) {
        const fs::path copy = scratch / mail.filename();
        fs::copy_file(mail, copy, fs::copy_options::overwrite_existing);
        doc.OnImport(copy.string());
    }
}

CImportedGame::CImportedGame() : services(std::string(KESTRANE_SOURCE_DIR) + "/data")
{
    created = doc.OnNewDocument("Standard.map");
    if (created)
        ImportAll(doc, m_scratch.Path());
}

std::map<std::string, PowerFigures> Truth(const std::string& phase)
{
    std::map<std::string, PowerFigures> figures;
    std::ifstream in(Folder() / "truth" / (phase + ".json"));
    if (!in)
        return figures;
    const nlohmann::json state = nlohmann::json::parse(in, nullptr, false);
    if (state.is_discarded())
        return figures;
    const auto owners = state.find("supply_centre_owners");
    if (owners != state.end() && owners->is_object())
        for (const auto& owner : *owners)
            if (owner.is_string())
                ++figures[Upper(owner.get<std::string>())].centres;
    const auto units = state.find("units");
    if (units != state.end() && units->is_array())
        for (const auto& unit : *units)
            if (unit.is_object() && unit.contains("power") && unit["power"].is_string())
                ++figures[Upper(unit["power"].get<std::string>())].units;
    return figures;
}

// "Austria:   5 Supply centers,  3 Units:  Builds   2 units." (or "Removes",
// "center" and "unit" in the singular); nullopt for any other line.
std::optional<std::pair<std::string, TableRow>> ReadTableRow(const std::string& line)
{
    std::istringstream in(line);
    std::string power, centresWord, unitsWord, verb, tail;
    int centres = 0, units = 0, amount = 0;
    if (!(in >> power >> centres >> centresWord) || power.size() < 2 || power.back() != ':')
        return std::nullopt;
    std::string supply = centresWord;
    if (!(in >> centresWord >> units >> unitsWord >> verb >> amount >> tail))
        return std::nullopt;
    const bool shape = supply == "Supply" && centresWord.rfind("center", 0) == 0 && centresWord.back() == ',' &&
                       unitsWord.rfind("Unit", 0) == 0 && unitsWord.back() == ':' &&
                       (verb == "Builds" || verb == "Removes") && tail.rfind("unit", 0) == 0 &&
                       tail.find('.') != std::string::npos;
    if (!shape)
        return std::nullopt;
    power.pop_back();
    return std::pair{Upper(power), TableRow{centres, units, verb == "Builds" ? amount : -amount}};
}

std::map<std::string, TableRow> CountTable(const fs::path& mail)
{
    std::map<std::string, TableRow> table;
    std::ifstream in(mail, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (auto row = ReadTableRow(line))
            table[row->first] = row->second;
    }
    return table;
}

} // namespace kestrel
