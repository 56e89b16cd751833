#include "views/OrderOverlay.h"

#include "judge/LineMarks.h"
#include "judge/OrderKind.h"
#include "judge/SectionParserSupport.h"
#include "model/KestraneDoc.h"
#include "model/WordSplitter.h"

#include <array>
#include <span>

using namespace judgeline;

namespace {

// The Judge appends outcomes as notes in "(*" and "*)": "(*bounce*)",
// "(*cut, dislodged*)". They are read as outcomes, never as province names.
std::string WithoutNotes(std::string text)
{
    const size_t at = text.find("(*");
    if (at != std::string::npos)
        text.erase(at);
    Trim(text);
    return text;
}

void EraseLastDash(std::string& piece)
{
    TrimRight(piece);
    if (!piece.empty() && piece.back() == '-')
        piece.pop_back();
    Trim(piece);
}

bool IsUnitWord(const CKestraneDoc& doc, const std::string& word)
{
    return word == doc.m_strFleet || word == doc.m_strArmy;
}

// One stored order line being turned into marks. Every province a mark names
// must be in the province table, or the whole line is left out.
class CLineReader {
public:
    CLineReader(const CKestraneDoc& doc, CWordSplitter& words, const CSeasonHdr& season, COrderOverlay& overlay,
                const std::string& text)
        : m_doc(doc), m_words(words), m_overlay(overlay), m_text(text)
    {
        m_working = PrepareLine(text).working;
        m_upper = UpperAscii(m_working);
        m_country = SeasonCountry(doc, season, m_working);
    }

    int Country() const { return m_country; }
    const std::string& Upper() const { return m_upper; }
    const CKestraneDoc& Doc() const { return m_doc; }
    /// The splitter the line's words are taken with.
    CWordSplitter& Words() { return m_words; }

    COverlayMark NewMark(OverlayMarkKind kind, const std::string& unitWord) const
    {
        COverlayMark mark;
        mark.kind = kind;
        mark.country = m_country;
        mark.fleet = unitWord == m_doc.m_strFleet;
        return mark;
    }

    // Adds key to mark; false when the province table does not know it.
    bool Place(COverlayMark& mark, const std::string& key) const
    {
        const std::optional<MapPos> pos = CKestraneDoc::LookupPosition(m_doc.m_provinces, key);
        if (!pos || key.empty())
            return false;
        mark.provinces.push_back(key);
        mark.points.push_back(*pos);
        return true;
    }

    // Files every mark, or, when any is incomplete, none and the line as left out.
    void Finish(std::vector<COverlayMark> marks, bool placed)
    {
        if (!placed) {
            LeaveOut();
            return;
        }
        for (COverlayMark& mark : marks)
            m_overlay.marks.push_back(std::move(mark));
    }

    void LeaveOut() { m_overlay.unplaced.push_back(m_text); }

private:
    const CKestraneDoc& m_doc;
    CWordSplitter& m_words;
    COrderOverlay& m_overlay;
    const std::string& m_text;
    std::string m_working;
    std::string m_upper;
    int m_country = -1;
};

// ---- Movement -----------------------------------------------------------

// The unit an order refers to after its keyword: "[Russian] Fleet Sevastopol
// [-> Black Sea]". Returns its province and, for a move, the destination.
struct CNamedUnit {
    std::string province;
    std::string destination;
    bool ok = false;
};

CNamedUnit TakeNamedUnit(const CKestraneDoc& doc, CWordSplitter& words, const std::string& rest)
{
    CNamedUnit named;
    std::string word;
    if (!words.NextWord(word, " \t", rest))
        return named;
    // A foreign unit carries its country's adjective first.
    if (!IsUnitWord(doc, word) && (!words.NextWord(word, " \t") || !IsUnitWord(doc, word)))
        return named;
    std::string piece;
    if (!words.NextWord(piece, ">"))
        return named;
    TrimRight(piece);
    if (!piece.empty() && piece.back() == '-') {
        EraseLastDash(piece);
        words.NextWord(named.destination, ">");
        named.destination = WithoutNotes(named.destination);
        if (named.destination.empty())
            return named;
    }
    named.province = WithoutNotes(piece);
    named.ok = !named.province.empty();
    return named;
}

void ReadMoveLine(CLineReader& line)
{
    CWordSplitter& words = line.Words();
    const std::string& upper = line.Upper();
    // A unit listed without an arrow (the game's starting position) stands
    // where it is: nothing to draw.
    if (upper.find('>') == std::string::npos)
        return;
    const CUnitWords unit = TakeCountryAndUnit(words, upper);
    std::string source;
    words.NextWord(source, ">");
    DropLastChar(source); // the '-' of "->"
    Trim(source);
    std::vector<std::string> pieces;
    std::string piece;
    while (words.NextWord(piece, ">")) {
        EraseLastDash(piece);
        pieces.push_back(WithoutNotes(piece));
    }

    COverlayMark move = line.NewMark(OverlayMarkKind::Move, unit.unit);
    const bool dislodged = Contains(upper, "DISLODGED");
    move.failed = dislodged || Contains(upper, "BOUNCE") || Contains(upper, "NO CONVOY") || Contains(upper, "VOID");
    bool placed = !pieces.empty() && line.Place(move, source);
    for (const std::string& step : pieces)
        placed = placed && line.Place(move, step);

    std::vector<COverlayMark> marks{move};
    if (dislodged && placed) {
        COverlayMark gone = line.NewMark(OverlayMarkKind::Dislodged, unit.unit);
        placed = line.Place(gone, source);
        marks.push_back(gone);
    }
    line.Finish(std::move(marks), placed);
}

void ReadStationaryLine(CLineReader& line, OrderKind kind)
{
    CWordSplitter& words = line.Words();
    const std::string& upper = line.Upper();
    const size_t keywordAt = upper.find(CutKeyword(kind));
    const std::string cut = upper.substr(0, keywordAt);
    const CUnitWords unit = TakeCountryAndUnit(words, cut);
    std::string province;
    words.NextWord(province, "");
    Trim(province);
    if (kind == OrderKind::Unordered)
        DropLastChar(province); // the comma before "No Order Processed"

    const OverlayMarkKind markKind = kind == OrderKind::Support  ? OverlayMarkKind::Support
                                     : kind == OrderKind::Convoy ? OverlayMarkKind::Convoy
                                                                 : OverlayMarkKind::Hold;
    COverlayMark mark = line.NewMark(markKind, unit.unit);
    bool placed = line.Place(mark, province);
    if (placed && (kind == OrderKind::Support || kind == OrderKind::Convoy)) {
        const std::string rest = upper.substr(keywordAt + CutKeyword(kind).size());
        const CNamedUnit named = TakeNamedUnit(line.Doc(), words, rest);
        placed = named.ok && line.Place(mark, named.province) &&
                 (named.destination.empty() || line.Place(mark, named.destination));
        // A convoy always names the convoyed army's move.
        placed = placed && (kind != OrderKind::Convoy || !named.destination.empty());
        mark.failed = Contains(upper, "(*CUT") || Contains(upper, "VOID");
    }
    std::vector<COverlayMark> marks{mark};
    if (placed && Contains(upper, "DISLODGED")) {
        COverlayMark gone = line.NewMark(OverlayMarkKind::Dislodged, unit.unit);
        line.Place(gone, province);
        marks.push_back(gone);
    }
    line.Finish(std::move(marks), placed);
}

void ReadMovementLine(CLineReader& line)
{
    const OrderKind kind = Classify(line.Upper());
    if (kind == OrderKind::Proxy)
        return;
    if (kind == OrderKind::Move)
        ReadMoveLine(line);
    else
        ReadStationaryLine(line, kind);
}

// ---- Retreats -----------------------------------------------------------

void ReadRetreatLine(CLineReader& line)
{
    CWordSplitter& words = line.Words();
    const std::string& upper = line.Upper();
    const CUnitWords unit = TakeCountryAndUnit(words, upper);
    std::string source;
    words.NextWord(source, ">");
    DropLastChar(source);
    Trim(source);

    if (const size_t at = source.find("DISBAND"); at != std::string::npos) {
        source.erase(at);
        Trim(source);
        COverlayMark disband = line.NewMark(OverlayMarkKind::Disband, unit.unit);
        line.Finish({disband}, line.Place(disband, source));
        return;
    }
    std::string destination;
    words.NextWord(destination, "");
    destination = WithoutNotes(destination);

    COverlayMark retreat = line.NewMark(OverlayMarkKind::Retreat, unit.unit);
    retreat.failed = Contains(upper, "BOUNCE") || Contains(upper, "DESTROYED");
    bool placed = line.Place(retreat, source) && line.Place(retreat, destination);
    std::vector<COverlayMark> marks{retreat};
    if (placed && retreat.failed) {
        // The unit whose retreat bounced is destroyed where it stood.
        COverlayMark destroyed = line.NewMark(OverlayMarkKind::Disband, unit.unit);
        line.Place(destroyed, source);
        marks.push_back(destroyed);
    }
    line.Finish(std::move(marks), placed);
}

// ---- Adjustments --------------------------------------------------------

constexpr std::array<std::string_view, 2> kBuildVerbs{"BUILD", "BUILDS"};
constexpr std::array<std::string_view, 3> kRemoveVerbs{"REMOVE", "REMOVES", "REMOVING"};

bool IsOneOf(const std::string& word, std::span<const std::string_view> words)
{
    for (std::string_view w : words)
        if (word == w)
            return true;
    return false;
}

void ReadAdjustmentLine(CLineReader& line)
{
    CWordSplitter& words = line.Words();
    const std::string& upper = line.Upper();
    if (Contains(upper, "UNUSABLE") || Contains(upper, "PENDING") || Contains(upper, "WAIVED"))
        return;
    std::string word;
    std::string verb;
    std::string unit;
    words.NextWord(word, ": \t", upper);
    words.NextWord(verb, " \t");
    if (verb == "DEFAULTS,")
        words.NextWord(verb, " \t");
    words.NextWord(word, " \t"); // article
    words.NextWord(unit, " \t");
    words.NextWord(word, " :\t,"); // preposition
    std::string province;
    words.NextWord(province, "");
    TrimRight(province);
    if (province.starts_with("THE "))
        province.erase(0, 4);

    OverlayMarkKind kind;
    if (IsOneOf(verb, kBuildVerbs))
        kind = OverlayMarkKind::Build;
    else if (IsOneOf(verb, kRemoveVerbs))
        kind = OverlayMarkKind::Remove;
    else {
        line.LeaveOut();
        return;
    }
    COverlayMark mark = line.NewMark(kind, unit);
    line.Finish({mark}, line.Place(mark, province));
}

} // namespace

COrderOverlay BuildOrderOverlay(const CKestraneDoc& doc, const CSeasonHdr& season)
{
    COrderOverlay overlay;
    // One splitter for every line: its buffer is reused, as the parsers reuse theirs.
    CWordSplitter words;
    const char phase = season.m_strSeason.empty() ? 'M' : season.m_strSeason.back();
    for (const std::string& text : season.m_orders) {
        CLineReader line(doc, words, season, overlay, text);
        if (line.Country() < 0) {
            // Only a retreat's "bounce, destroyed" line is kept without a
            // country; without one its unit has no colour and no owner.
            line.LeaveOut();
            continue;
        }
        switch (phase) {
        case 'R': ReadRetreatLine(line); break;
        case 'B': ReadAdjustmentLine(line); break;
        default: ReadMovementLine(line); break;
        }
    }
    return overlay;
}
