#pragma once

#include "judge/ReportOutcome.h"

#include <string>
#include <string_view>

class CKestraneDoc;
class IImportMessages;

/// Imports one report held in memory as the file import reads a report file
/// (form: the clipboard form of the header test when clipboardForm): joins
/// its wrapped lines and reads the joined text, telling its messages to
/// messages. Nothing is written anywhere. A text without a Judge header line
/// tells nothing and gives NotJudgeMail.
ReportOutcome ImportReportText(CKestraneDoc& doc, std::string_view text, bool clipboardForm,
                               IImportMessages& messages);

/// The message for a source (such as "The file report.txt") that has no
/// Judge header line.
std::string NotJudgeMailText(const std::string& source);
