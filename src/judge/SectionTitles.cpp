#include "judge/SectionTitles.h"

#include "judge/LineMarks.h"
#include "judge/ReportFile.h"

#include <array>
#include <string>
#include <utility>

using judgeline::Contains;

namespace {

const std::array<std::pair<std::string_view, SectionKind>, 6> kSectionTitles{{
    {"Starting position", SectionKind::StartingPosition},
    {"Adjustment orders", SectionKind::Adjustment},
    {"Adjustment results", SectionKind::Adjustment},
    {"Movement results", SectionKind::Movement},
    {"Retreat orders", SectionKind::Retreat},
    {"Retreat results", SectionKind::Retreat},
}};

} // namespace

std::optional<SectionKind> FindSectionTitle(std::string_view line)
{
    for (const auto& [text, kind] : kSectionTitles)
        if (Contains(line, text))
            return kind;
    return std::nullopt;
}

bool ReportHoldsResults(CReportFile& file, std::string_view lineRead)
{
    const size_t back = file.GetPosition();
    bool title = FindSectionTitle(lineRead).has_value();
    bool nextPhase = Contains(lineRead, "The next phase of ");
    // The joiner may have glued the time left onto the last order of the
    // section, so it is sought anywhere in a line.
    bool timeLeft = Contains(lineRead, "Time to deadline:");
    std::string line;
    while (file.ReadString(line)) {
        title = title || FindSectionTitle(line).has_value();
        nextPhase = nextPhase || Contains(line, "The next phase of ");
        timeLeft = timeLeft || Contains(line, "Time to deadline:");
    }
    file.Seek(back);
    return title && (nextPhase || !timeLeft);
}
