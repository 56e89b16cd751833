#include "judge/LineMarks.h"
#include "judge/ReportFile.h"
#include "judge/SectionParserSupport.h"
#include "model/KestraneDoc.h"

#include <array>

using namespace judgeline;

namespace {

enum class OrderKind { Support, Convoy, Hold, Proxy, Unordered, Move };

struct StationaryKeyword {
    OrderKind kind;
    std::string_view keyword;
};

// The keyword at which the line of each stationary kind is cut.
constexpr std::array<StationaryKeyword, 4> kCutKeywords{{
    {OrderKind::Support, "SUPPORT"},
    {OrderKind::Convoy, "CONVOY"},
    {OrderKind::Hold, "HOLD"},
    {OrderKind::Unordered, "NO ORDER PROCESSED"},
}};

// The first test that holds decides; a convoy line that says NO CONVOY is a
// failed convoyed move, not a convoying fleet.
OrderKind Classify(std::string_view upper)
{
    if (Contains(upper, "SUPPORT"))
        return OrderKind::Support;
    if (Contains(upper, "CONVOY"))
        return Contains(upper, "NO CONVOY") ? OrderKind::Move : OrderKind::Convoy;
    if (Contains(upper, "HOLD"))
        return OrderKind::Hold;
    if (Contains(upper, "PROXY"))
        return OrderKind::Proxy;
    if (Contains(upper, "NO ORDER PROCESSED"))
        return OrderKind::Unordered;
    return OrderKind::Move;
}

std::string_view CutKeyword(OrderKind kind)
{
    for (const StationaryKeyword& entry : kCutKeywords)
        if (entry.kind == kind)
            return entry.keyword;
    return {};
}

void EraseLastDash(std::string& piece)
{
    if (!piece.empty() && piece.back() == '-')
        piece.pop_back();
}

bool EndsInDash(const std::string& piece)
{
    return !piece.empty() && piece.back() == '-';
}

} // namespace

void CKestraneDoc::ParseMovementResults(CReportFile& file)
{
    CSeasonHdr* season = GetCurrentSeason();
    if (!season) {
        StopFatally(Services(), kInvalidDatabase);
        return;
    }

    std::string raw;
    while (file.ReadString(raw)) {
        const CMarkedLine line = PrepareLine(raw);
        if (Contains(line.working, "Ownership of supply centers")) {
            ParseOwnership(file);
            return;
        }
        if (Contains(line.working, "The next phase of ") || StartsWith(line.working, "The deadline for"))
            return;

        const int country = SeasonCountry(*this, *season, line.working);
        if (country < 0)
            continue;
        season->m_orders.push_back(line.text);

        const std::string upper = UpperAscii(line.working);
        const OrderKind kind = Classify(upper);
        if (kind == OrderKind::Proxy)
            continue;

        const bool dislodged = Contains(upper, "DISLODGED");
        std::string countryWord;
        std::string unitWord;

        if (kind != OrderKind::Move) {
            // The unit stays where it is; whatever follows the keyword, the
            // outcome of a support or convoy included, is not read.
            const std::string cut = upper.substr(0, upper.find(CutKeyword(kind)));
            std::string province;
            NextWord(countryWord, ":", cut);
            NextWord(unitWord, " \t");
            NextWord(province, "");
            Trim(countryWord);
            Trim(unitWord);
            Trim(province);
            // The Judge writes "<unit> <province>, No Order Processed": the
            // comma is the last character left before the keyword.
            if (kind == OrderKind::Unordered)
                DropLastChar(province);
            const std::optional<MapPos> pos = LookupProvince(*this, province, kProvinceNotKnown);
            if (!pos)
                continue;
            if (dislodged)
                season->m_dislodged.push_back(countryWord + " " + unitWord + " " + province);
            else
                AddUnit(*this, *season, country, unitWord, province, *pos);
            continue;
        }

        std::string source;
        NextWord(countryWord, ":", upper);
        NextWord(unitWord, " \t");
        NextWord(source, ">");
        DropLastChar(source); // the '-' of "->"
        Trim(countryWord);
        Trim(unitWord);
        Trim(source);
        const std::optional<MapPos> sourcePos = LookupProvince(*this, source, kProvinceNotKnown);
        if (!sourcePos)
            continue;
        if (dislodged) {
            season->m_dislodged.push_back(countryWord + " " + unitWord + " " + source);
            continue;
        }
        if (Contains(upper, "BOUNCE") || Contains(upper, "NO CONVOY") || Contains(upper, "VOID")) {
            AddUnit(*this, *season, country, unitWord, source, *sourcePos);
            continue;
        }

        std::string destination;
        NextWord(destination, ">");
        EraseLastDash(destination);
        Trim(destination);
        std::optional<MapPos> destinationPos = LookupProvince(*this, destination, kDestinationNotKnown);
        if (!destinationPos)
            continue;

        // A convoyed army's route: every piece that ends in '-' has another
        // step after it; the unit ends up at the first piece that does not,
        // or at the last dashed piece when the line ends there. Only the
        // first destination and the final one are looked up.
        std::string piece;
        std::string finalPiece;
        bool routed = false;
        while (NextWord(piece, ">")) {
            routed = true;
            finalPiece = piece;
            if (!EndsInDash(piece))
                break;
            EraseLastDash(finalPiece);
        }
        if (routed) {
            EraseLastDash(finalPiece);
            Trim(finalPiece);
            destinationPos = LookupProvince(*this, finalPiece, kDestinationNotKnown);
            if (!destinationPos)
                continue;
            destination = finalPiece;
        }
        AddUnit(*this, *season, country, unitWord, destination, *destinationPos);
    }
}
