#include "orders/JudgeWords.h"

#include "orders/TextCase.h"

#include <initializer_list>

namespace orders::judgewords {

namespace {

// The line as the Judge's C code sees it: past the end there is a NUL.
char At(std::string_view text, size_t pos)
{
    return pos < text.size() ? text[pos] : '\0';
}

size_t SkipSpace(std::string_view text, size_t pos)
{
    while (IsSpace(At(text, pos)))
        ++pos;
    return pos;
}

bool EndsWord(char c)
{
    return IsSpace(c) || IsDigit(c) || c == '\0' || std::string_view("(;/,)").find(c) != std::string_view::npos;
}

// One word of a LookFor list against the text at pos; the position after it
// (and the white space that follows), or nothing.
std::optional<size_t> MatchWord(std::string_view text, size_t pos, std::string_view word)
{
    size_t s = SkipSpace(text, pos);
    size_t t = 0;
    while (t < word.size() && word[t] == LowerAscii(At(text, s))) {
        ++t;
        ++s;
        if (t < word.size() && word[t] == ' ') {
            s = SkipSpace(text, s);
            ++t;
        } else if (t < word.size() && word[t] == '#') {
            if (!EndsWord(At(text, s)))
                break;
            s = SkipSpace(text, s);
            ++t;
        }
    }
    if (t < word.size())
        return std::nullopt;
    return SkipSpace(text, s);
}

// The action words and the Judge's code for each ('D': disband in a retreat,
// disembark otherwise), in the order they are tried.
struct ActionWordTable {
    std::vector<std::string_view> words;
    std::string codes;

    void Add(char code, std::initializer_list<std::string_view> list)
    {
        for (std::string_view word : list) {
            words.push_back(word);
            codes += code;
        }
    }
};

const ActionWordTable& ActionWords()
{
    static const ActionWordTable table = [] {
        ActionWordTable t;
        t.Add('t', {"trafo to", "trafo", "transform to", "transforms to", "transforms", "transform", "tr#"});
        t.Add('b', {"besieges", "besiege", "sieges", "siege", "b#"});
        t.Add('c', {"convoys", "convoy", "transports", "transport", "t", "fast ferry", "ferry", "ff", "f"});
        t.Add('d', {"disbands", "disband"});
        t.Add('k', {"debarks to", "disembarks to", "deboards to", "debarks", "disembarks", "deboards", "debark to",
                    "disembark to", "deboard to", "debark", "disembark", "deboard", "dk"});
        t.Add('e', {"embarks", "emboards", "boards", "embark", "emboard", "board", "em", "e"});
        t.Add('h', {"holds", "hold", "stands", "stand", "h"});
        t.Add('l', {"lift siege", "lifts siege", "lifts", "lift", "ls", "l#"});
        t.Add('m', {"->", "-", "move to#", "moves to#", "moves", "move", "m"});
        t.Add('p', {"proxy to#", "give proxy to#", "proxy", "p#"});
        t.Add('s', {"supports", "support", "s"});
        t.Add('v', {"convert to#", "converts to#", "converts", "convert", "conversion", "conversion to#"});
        t.Add('D', {"d"});
        t.Add('c', {"c"});
        t.Add('a', {"air", "airlift", "airlifts", "air lift", "air lifts", "a"});
        return t;
    }();
    return table;
}

} // namespace

size_t LookFor(std::string_view text, size_t pos, const std::vector<std::string_view>& words, int& index)
{
    for (size_t i = 0; i < words.size(); ++i)
        if (const auto end = MatchWord(text, pos, words[i])) {
            index = int(i);
            return *end;
        }
    index = -1;
    return pos;
}

size_t ReadUnitType(std::string_view text, size_t pos, WrittenType& type)
{
    // Unit kinds of other games are matched too, so that they are not taken
    // for "army" or "a"; the Judge then reads nothing.
    static const std::vector<std::string_view> words = {"army / fleet", "a/f#", "af#", "wing", "w#", "army", "a#",
                                                        "fleet", "f#", "garrison", "g#", "unit", "spy"};
    int index = -1;
    const size_t end = LookFor(text, pos, words, index);
    switch (index) {
    case 5:
    case 6: type = WrittenType::Army; return end;
    case 7:
    case 8: type = WrittenType::Fleet; return end;
    case 11: type = WrittenType::Unit; return end;
    default: type = WrittenType::None; return pos;
    }
}

size_t ReadAction(std::string_view text, size_t pos, bool retreatPhase, char& action)
{
    int index = -1;
    const size_t end = LookFor(text, pos, ActionWords().words, index);
    action = index < 0 ? 'x' : ActionWords().codes[size_t(index)];
    if (action == 'D')
        action = retreatPhase ? 'd' : 'k';
    return end;
}

size_t ReadAdjustmentWord(std::string_view text, size_t pos, char& word)
{
    static const std::vector<std::string_view> words = {"build", "b#", "debuild", "remove", "r#", "disband", "d#",
                                                        "maintain", "m#", "waive", "w#", "transform", "trafo", "t#"};
    static constexpr std::string_view codes = "bbrrrrrmmwwttt";
    int index = -1;
    const size_t end = LookFor(text, pos, words, index);
    word = index < 0 ? 'x' : codes[size_t(index)];
    return end;
}

ProvinceNames::ProvinceNames(const Geography& geography)
{
    for (int i = 0; i < geography.Count(); ++i)
        for (const std::string& name : geography[i].names) {
            std::string upper;
            for (char c : name)
                upper += UpperAscii(c);
            m_names.emplace_back(std::move(upper), i);
        }
}

ProvinceNames::Match ProvinceNames::Read(std::string_view text, size_t pos) const
{
    static const std::vector<std::string_view> coastWords = {
        "(north coast)", "(nc)", "/north coast", "/nc", "(east coast)", "(ec)", "/east coast", "/ec",
        "(west coast)",  "(wc)", "/west coast",  "/wc", "(south coast)", "(sc)", "/south coast", "/sc"};
    static constexpr Coast coasts[4] = {Coast::North, Coast::East, Coast::West, Coast::South};

    auto skippable = [](char c) { return c == '.' || IsSpace(c); };
    Match best;
    size_t bestLength = pos;
    for (const auto& [name, province] : m_names) {
        size_t s = SkipSpace(text, pos);
        size_t h = 0;
        bool nameGap = false;
        bool textGap = false;
        // Letter by letter, ignoring case; blanks and full stops after a
        // letter are skipped on both sides, but a gap must stand in both.
        while (h < name.size() && nameGap == textGap && UpperAscii(At(text, s)) == name[h]) {
            nameGap = textGap = false;
            while (skippable(At(text, ++s)))
                textGap = true;
            while (++h < name.size() && skippable(name[h]))
                nameGap = true;
        }
        if (h < name.size())
            continue;
        const char next = At(text, s);
        const bool ends = next == '\0' || std::string_view("(-/);,\n").find(next) != std::string_view::npos ||
                          IsSpace(At(text, s - 1));
        if (!ends || s <= bestLength)
            continue;
        best.province = province;
        int coast = -1;
        best.end = LookFor(text, s, coastWords, coast);
        best.coast = coast < 0 ? std::nullopt : std::optional<Coast>(coasts[coast / 4]);
        bestLength = s;
    }
    if (best.province < 0)
        best.end = pos;
    return best;
}

} // namespace orders::judgewords
