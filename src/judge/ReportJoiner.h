#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class CKestraneDoc;

/// Joins the lines the Judge wrapped, so that every order of a results
/// section and every power's supply-centre list is one line.
///
/// text is read line by line; a line ends at "\n", and a "\r" directly
/// before it belongs to the line end. The result separates lines with "\n".
/// doc decides which lines start an entry (a line that begins with a
/// country name).
std::string JoinReportText(const CKestraneDoc& doc, std::string_view text);

/// A report's joined text, and whether joining changed anything that matters.
struct CJoinedReport {
    std::string text;
    /// False when the joined text differs from the report only by empty
    /// lines and trailing white space, which every reader skips: then the
    /// report needs no rewrite.
    bool changed = false;
};

/// JoinReportText, telling whether the report held any wrapped line.
CJoinedReport JoinReport(const CKestraneDoc& doc, std::string_view text);

/// Rewrites the report file at path with its joined text. The file is
/// replaced whole (see WriteFileReplacing): false, and the file unchanged,
/// when it cannot be read or rewritten.
bool JoinReportLines(const CKestraneDoc& doc, const std::filesystem::path& path);
