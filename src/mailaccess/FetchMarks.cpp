#include "mailaccess/FetchMarks.h"

#include "model/LineEscape.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kFirstLine = "# Kestrane mailbox marks: UIDVALIDITY, last UID imported, game and folder";

} // namespace

std::string CFetchMarks::Key(const std::string& gamePath, const CMailAccount& account)
{
    return gamePath + "\t" + account.m_strUser + "@" + account.m_strServer + ":" + std::to_string(account.m_nPort) +
           "/" + account.m_strFolder;
}

bool CFetchMarks::Load(const std::string& file, std::string& error)
{
    m_marks.clear();
    std::error_code ec;
    if (!fs::exists(file, ec))
        return true;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "Could not read the mailbox marks " + file + ".";
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        unsigned long validity = 0;
        unsigned long last = 0;
        if (!(fields >> validity >> last) || fields.get() != ' ' || validity > UINT32_MAX || last > UINT32_MAX)
            continue; // a damaged line only means that game starts over
        std::string key;
        std::getline(fields, key);
        m_marks[UnescapeLineValue(key)] = {uint32_t(validity), uint32_t(last)};
    }
    return true;
}

bool CFetchMarks::Save(const std::string& file, std::string& error) const
{
    std::error_code ec;
    const fs::path target(file);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    const fs::path temp = target.string() + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << kFirstLine << '\n';
        for (const auto& [key, mark] : m_marks)
            out << mark.uidValidity << ' ' << mark.lastUid << ' ' << EscapeLineValue(key) << '\n';
        out.flush();
        if (!out) {
            fs::remove(temp, ec);
            error = "Could not write the mailbox marks " + file + ".";
            return false;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        error = "Could not write the mailbox marks " + file + ".";
        return false;
    }
    return true;
}

CFetchMark CFetchMarks::Get(const std::string& key) const
{
    const auto it = m_marks.find(key);
    return it == m_marks.end() ? CFetchMark{} : it->second;
}
