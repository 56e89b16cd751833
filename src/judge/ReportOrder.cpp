#include "judge/ReportOrder.h"

#include "judge/HeaderLine.h"

std::string FiledSeasonName(const std::string& piece)
{
    return ReadHeaderLines(piece).FiledSeason();
}

CSeasonKey FiledSeasonKey(const std::string& piece)
{
    const std::string name = FiledSeasonName(piece);
    return name.empty() ? CSeasonKey{INT_MIN, 0, 0} : SeasonKeyOf(name);
}

std::vector<std::string> OrderBySeason(std::vector<std::string> pieces)
{
    SortInGameOrder(pieces, [](const std::string& piece) -> const std::string& { return piece; });
    return pieces;
}
