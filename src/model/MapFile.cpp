#include "model/InstallPath.h"
#include "model/KestraneDoc.h"
#include "model/WordSplitter.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <string_view>

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

// Drops the first and the last character (the quotes around a name); a word
// of one character or none gives an empty text.
std::string DropEnds(const std::string& text)
{
    return text.size() < 2 ? std::string() : text.substr(1, text.size() - 2);
}

// The C library's decimal conversion: leading white space, an optional
// sign, digits; anything after the digits is ignored and a word without a
// number gives 0. Out-of-range values stop at the 32-bit limits.
int32_t DecimalValue(const std::string& word)
{
    size_t i = word.find_first_not_of(kWhiteSpace);
    if (i == std::string::npos)
        return 0;
    bool negative = false;
    if (word[i] == '+' || word[i] == '-')
        negative = word[i++] == '-';
    int64_t value = 0;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        value = value * 10 + (word[i] - '0');
        if (value > int64_t(INT_MAX) + 1)
            value = int64_t(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    return int32_t(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

bool StartsWith(const std::string& line, std::string_view keyword)
{
    return line.compare(0, keyword.size(), keyword) == 0;
}

std::string TooManyCountries()
{
    return "Kestrane supports a maximum of " + std::to_string(kMaxCountries) + " countries.";
}

} // namespace

bool CKestraneDoc::ReadMapFile()
{
    // The path as the program forms it, shown in messages; the file is found
    // below the installation folder whatever the case of its components.
    const std::string path = "Maps\\" + m_strMapName + ".map";
    std::ifstream file;
    if (const auto resolved = ResolveInstallPath(Services().GetInstallDir(), path);
        resolved && !std::filesystem::is_directory(*resolved))
        file.open(*resolved, std::ios::binary);
    if (!file.is_open()) {
        Services().ShowMessage("Cannot Open File:" + path, MessageIcon::None);
        return false;
    }

    std::string line;
    std::string word;
    CWordSplitter words;
    bool firstLine = true;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // Editors of today may start the file with a UTF-8 byte order mark;
        // left in place it would hide the first statement.
        if (firstLine && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        firstLine = false;
        for (char& c : line)
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');

        if (StartsWith(line, "MAP:")) {
            words.NextWord(word, " \t:", line);
            words.NextWord(word, " \t");
            m_strImagePath = "Maps\\" + DropEnds(Trim(word));
        } else if (StartsWith(line, "COUNTRYCOUNT:")) {
            words.NextWord(word, " \t:", line);
            words.NextWord(word, " \t");
            m_nCountries = DecimalValue(word);
            if (m_nCountries > kMaxCountries) {
                Services().ShowMessage(TooManyCountries(), MessageIcon::None);
                m_nCountries = int32_t(m_countries.size());
                return false;
            }
        } else if (StartsWith(line, "COUNTRY:")) {
            words.NextWord(word, ":", line);
            words.NextWord(word, ",");
            const std::string name = Trim(word);
            words.NextWord(word, " \t,");
            const int32_t red = DecimalValue(word);
            words.NextWord(word, " \t,");
            const int32_t green = DecimalValue(word);
            words.NextWord(word, " \t");
            const int32_t blue = DecimalValue(word);
            if (m_countries.size() >= size_t(kMaxCountries)) {
                Services().ShowMessage(TooManyCountries(), MessageIcon::None);
                m_nCountries = kMaxCountries;
                return false;
            }
            m_countries.emplace_back(name, red, green, blue);
        } else if (StartsWith(line, "PROV:") || StartsWith(line, "SUPPLY:")) {
            const bool supply = line[0] == 'S';
            words.NextWord(word, ":", line);
            words.NextWord(word, ",");
            const std::string key = DropEnds(Trim(word));
            words.NextWord(word, " \t,");
            const int32_t x = DecimalValue(word);
            words.NextWord(word, " \t,");
            const int32_t y = DecimalValue(word);
            if (supply) {
                m_supplyCentres.SetAt(key, MapPos{x, y});
                m_bSupplyCentres = true;
            } else {
                m_provinces.SetAt(key, MapPos{x, y});
            }
        } else if (StartsWith(line, "SCRADIUS:")) {
            words.NextWord(word, ":", line);
            words.NextWord(word, " \t");
            m_nSCRadius = DecimalValue(word);
        }
    }

    if (int64_t(m_countries.size()) == m_nCountries)
        return true;
    Services().ShowMessage("Error in " + path + ", countrycount must equal the number of countries.",
                           MessageIcon::None);
    m_nCountries = int32_t(m_countries.size());
    return false;
}
