#include "watch/PhaseWords.h"

#include <cctype>

std::string GameInWords(std::string_view game)
{
    std::string words(game);
    if (!words.empty())
        words[0] = char(std::toupper(static_cast<unsigned char>(words[0])));
    return words;
}

std::string PhaseInWords(std::string_view phase)
{
    const bool wellFormed = phase.size() == 6 && (phase[0] == 'S' || phase[0] == 'F') &&
                            std::isdigit(static_cast<unsigned char>(phase[1])) &&
                            std::isdigit(static_cast<unsigned char>(phase[4]));
    if (!wellFormed)
        return std::string(phase);
    const std::string year(phase.substr(1, 4));
    switch (phase[5]) {
    case 'M':
        return (phase[0] == 'S' ? "Spring " : "Fall ") + year;
    case 'R':
        return (phase[0] == 'S' ? "Spring " : "Fall ") + year + " retreat";
    case 'B':
        return "Winter " + year + " adjustment";
    default:
        return std::string(phase);
    }
}

std::string JoinedInWords(const std::vector<std::string>& names)
{
    std::string words;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            words += i + 1 == names.size() ? " and " : ", ";
        words += names[i];
    }
    return words;
}
