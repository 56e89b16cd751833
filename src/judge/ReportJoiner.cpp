#include "judge/ReportJoiner.h"

#include "judge/LineMarks.h"
#include "judge/ReportFile.h"
#include "model/FileBytes.h"
#include "model/KestraneDoc.h"

#include <algorithm>
#include <array>

using judgeline::Contains;
using judgeline::StartsWith;

namespace {

enum class LineKind { SectionStart, BlockHeading, Other };

constexpr std::array<std::string_view, 5> kSectionStarts{
    "Movement results for", "Retreat orders for", "Retreat results for", "Adjustment orders for",
    "Adjustment results for"};
constexpr std::array<std::string_view, 2> kBlockHeadings{
    "Ownership of supply centers", "The following units were dislodged:"};
constexpr std::array<std::string_view, 2> kSectionEnds{"The next phase of ", "The deadline for "};

LineKind KindOf(std::string_view line)
{
    for (std::string_view start : kSectionStarts)
        if (StartsWith(line, start))
            return LineKind::SectionStart;
    for (std::string_view heading : kBlockHeadings)
        if (Contains(line, heading))
            return LineKind::BlockHeading;
    return LineKind::Other;
}

bool IsSectionEnd(std::string_view line)
{
    for (std::string_view end : kSectionEnds)
        if (Contains(line, end))
            return true;
    return false;
}

class CJoiner {
public:
    explicit CJoiner(const CKestraneDoc& doc) : m_doc(doc) {}

    void Take(std::string& line)
    {
        switch (KindOf(line)) {
        case LineKind::SectionStart:
            m_output += line;
            m_output += '\n';
            m_bInSection = true;
            return;
        case LineKind::BlockHeading:
            // The heading stays open: whatever comes next continues its line,
            // so the parsers still find the heading text at its start.
            Flush();
            m_output += line;
            return;
        case LineKind::Other:
            break;
        }
        if (IsSectionEnd(line)) {
            Flush();
            m_bInSection = false;
        }
        if (!m_bInSection) {
            m_output += line;
            m_output += '\n';
        } else if (m_doc.FindCountry(line) >= 0 || StartsWith(line, "Unowned:")) {
            Flush();
            // Swapped, not moved: the reader keeps a buffer for its next line.
            m_pending.swap(line);
        } else {
            // A continuation joins its entry after one blank, without the
            // indentation the Judge gave it.
            size_t start = 0;
            while (start < line.size() && judgeline::IsWhite(line[start]))
                ++start;
            m_pending += ' ';
            m_pending.append(line, start);
        }
    }

    std::string Finish()
    {
        Flush();
        return std::move(m_output);
    }

private:
    // An empty pending entry still writes its line end; the parsers skip
    // the empty lines this leaves.
    void Flush()
    {
        m_output += m_pending;
        m_output += '\n';
        m_pending.clear();
    }

    const CKestraneDoc& m_doc;
    std::string m_output;
    std::string m_pending;
    bool m_bInSection = false;
};

// The next line of text at pos that holds more than white space, without
// its trailing white space; false at the end.
bool NextContentLine(std::string_view text, size_t& pos, std::string_view& line)
{
    while (pos < text.size()) {
        const size_t end = std::min(text.find('\n', pos), text.size());
        line = text.substr(pos, end - pos);
        pos = end + 1;
        while (!line.empty() && judgeline::IsWhite(line.back()))
            line.remove_suffix(1);
        if (!line.empty())
            return true;
    }
    return false;
}

bool SameContentLines(std::string_view a, std::string_view b)
{
    size_t posA = 0;
    size_t posB = 0;
    std::string_view lineA;
    std::string_view lineB;
    for (;;) {
        const bool moreA = NextContentLine(a, posA, lineA);
        const bool moreB = NextContentLine(b, posB, lineB);
        if (!moreA || !moreB)
            return moreA == moreB;
        if (lineA != lineB)
            return false;
    }
}

} // namespace

CJoinedReport JoinReport(const CKestraneDoc& doc, std::string_view text)
{
    CJoinedReport joined;
    joined.text = JoinReportText(doc, text);
    joined.changed = !SameContentLines(text, joined.text);
    return joined;
}

std::string JoinReportText(const CKestraneDoc& doc, std::string_view text)
{
    CReportFile in{std::string(text)};
    CJoiner joiner(doc);
    std::string line;
    while (in.ReadString(line))
        joiner.Take(line);
    return joiner.Finish();
}

bool JoinReportLines(const CKestraneDoc& doc, const std::filesystem::path& path)
{
    const FileReadResult file = ReadFileBytes(path);
    if (!file.bytes)
        return false;
    return WriteFileReplacing(path, JoinReportText(doc, *file.bytes));
}
