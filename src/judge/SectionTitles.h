#pragma once

#include <optional>
#include <string_view>

class CReportFile;

/// The sections a Judge report can carry, each read by its own parser.
enum class SectionKind { StartingPosition, Adjustment, Movement, Retreat };

/// The section whose title the line contains, or nullopt. Titles are tested
/// in the order "Starting position", "Adjustment orders"/"... results",
/// "Movement results", "Retreat orders"/"... results"; the first decides.
/// Judges since 2003 title processed retreats and adjustments "... results";
/// older ones wrote "... orders" for the results too.
std::optional<SectionKind> FindSectionTitle(std::string_view line);

/// Whether the report from the current position of file on (and the line
/// already read, which may hold a title itself) carries results: a section
/// title, and not the orders status a Judge sends back for received orders.
/// Such a status repeats the phase's "Retreat orders" or "Adjustment orders"
/// title, but it tells the time left ("Time to deadline:") and never
/// announces the next phase ("The next phase of "). The file is returned to
/// where it was.
bool ReportHoldsResults(CReportFile& file, std::string_view lineRead);
