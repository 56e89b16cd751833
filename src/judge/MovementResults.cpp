#include "judge/LineMarks.h"
#include "judge/OrderKind.h"
#include "judge/ReportFile.h"
#include "judge/SectionParserSupport.h"
#include "model/KestraneDoc.h"
#include "model/WordSplitter.h"

using namespace judgeline;

namespace {

void EraseLastDash(std::string& piece)
{
    if (!piece.empty() && piece.back() == '-')
        piece.pop_back();
}

bool EndsInDash(const std::string& piece)
{
    return !piece.empty() && piece.back() == '-';
}

// What reading the lines of one movement section shares: the game, the
// season being filled, where messages go and the word splitter, whose
// buffer is kept for the whole report.
struct CMovementReader {
    CKestraneDoc& doc;
    CSeasonHdr& season;
    IUserMessages& messages;
    CWordSplitter words;

    std::optional<MapPos> Lookup(const std::string& key, std::string_view prefix)
    {
        return LookupProvince(doc, key, prefix, messages);
    }
};

// Support, convoy, hold and unordered lines: the unit stays where it is, and
// whatever follows the keyword, the outcome of a support or convoy included,
// is not read.
void RecordStationary(CMovementReader& reader, int country, const std::string& upper, OrderKind kind)
{
    const bool dislodged = Contains(upper, "DISLODGED");
    const std::string_view cut = std::string_view(upper).substr(0, upper.find(CutKeyword(kind)));
    const CUnitWords unit = TakeCountryAndUnit(reader.words, cut);
    std::string province;
    reader.words.NextWord(province, "");
    Trim(province);
    // The Judge writes "<unit> <province>, No Order Processed": the comma is
    // the last character left before the keyword.
    if (kind == OrderKind::Unordered)
        DropLastChar(province);
    const std::optional<MapPos> pos = reader.Lookup(province, kProvinceNotKnown);
    if (!pos)
        return;
    if (dislodged)
        reader.season.m_dislodged.push_back(unit.country + " " + unit.unit + " " + province);
    else
        AddUnit(reader.doc, reader.season, country, unit.unit, province, *pos);
}

// After the first destination of a move: a convoyed army's route. Every piece
// that ends in '-' has another step after it; the unit ends up at the first
// piece that does not, or at the last dashed piece when the line ends there.
// Steps in between are never looked up. nullopt when no piece follows.
std::optional<std::string> TakeRouteEnd(CWordSplitter& words)
{
    std::string piece;
    std::optional<std::string> last;
    while (words.NextWord(piece, ">")) {
        last = piece;
        if (!EndsInDash(piece))
            break;
        EraseLastDash(*last);
    }
    if (last) {
        EraseLastDash(*last);
        Trim(*last);
    }
    return last;
}

void RecordMove(CMovementReader& reader, int country, const std::string& upper)
{
    const CUnitWords unit = TakeCountryAndUnit(reader.words, upper);
    std::string source;
    reader.words.NextWord(source, ">");
    DropLastChar(source); // the '-' of "->"
    Trim(source);
    const std::optional<MapPos> sourcePos = reader.Lookup(source, kProvinceNotKnown);
    if (!sourcePos)
        return;
    // Dislodged wins over a bounce: the unit is gone from its province.
    if (Contains(upper, "DISLODGED")) {
        reader.season.m_dislodged.push_back(unit.country + " " + unit.unit + " " + source);
        return;
    }
    if (Contains(upper, "BOUNCE") || Contains(upper, "NO CONVOY") || Contains(upper, "VOID")) {
        AddUnit(reader.doc, reader.season, country, unit.unit, source, *sourcePos);
        return;
    }

    std::string destination;
    reader.words.NextWord(destination, ">");
    EraseLastDash(destination);
    Trim(destination);
    std::optional<MapPos> destinationPos = reader.Lookup(destination, kDestinationNotKnown);
    if (!destinationPos)
        return;
    if (std::optional<std::string> routeEnd = TakeRouteEnd(reader.words)) {
        destinationPos = reader.Lookup(*routeEnd, kDestinationNotKnown);
        if (!destinationPos)
            return;
        destination = std::move(*routeEnd);
    }
    AddUnit(reader.doc, reader.season, country, unit.unit, destination, *destinationPos);
}

} // namespace

void CKestraneDoc::ParseMovementResults(CReportFile& file, IImportMessages& messages)
{
    CSeasonHdr* season = GetCurrentSeason();
    if (!season) {
        StopFatally(messages, kInvalidDatabase);
        return;
    }

    // One set of line buffers for the whole report: only the order text the
    // season keeps is allocated per line.
    std::string raw;
    CMarkedLine line;
    std::string upper;
    CMovementReader reader{*this, *season, messages, {}};
    while (file.ReadString(raw)) {
        PrepareLine(raw, line);
        if (Contains(line.working, "Ownership of supply centers")) {
            ParseOwnership(file, messages);
            return;
        }
        if (Contains(line.working, "The next phase of ") || StartsWith(line.working, "The deadline for"))
            return;

        const int country = SeasonCountry(*this, *season, line.working);
        if (country < 0)
            continue;
        season->m_orders.push_back(line.text);

        UpperAscii(line.working, upper);
        const OrderKind kind = Classify(upper);
        if (kind == OrderKind::Move)
            RecordMove(reader, country, upper);
        else if (kind != OrderKind::Proxy)
            RecordStationary(reader, country, upper, kind);
    }
}
