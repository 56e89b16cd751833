#pragma once

#include "judge/ReportOutcome.h"

#include <string>
#include <string_view>

class CKestraneDoc;

/// Imports one report held in memory as the file import reads a report file
/// (form: the clipboard form of the header test when clipboardForm): joins
/// its wrapped lines and reads the joined text. Nothing is written anywhere.
/// A text without a Judge header line shows nothing and gives NotJudgeMail.
ReportOutcome ImportReportText(CKestraneDoc& doc, std::string_view text, bool clipboardForm);

/// The message for a source (such as "The file report.txt") that has no
/// Judge header line.
std::string NotJudgeMailText(const std::string& source);
