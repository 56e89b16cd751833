#include "judge/ReportImportText.h"

#include "judge/ReportFile.h"
#include "judge/ReportJoiner.h"
#include "model/KestraneDoc.h"

std::string NotJudgeMailText(const std::string& source)
{
    return source + " has no Judge header line (\":: Judge:\"), so it holds nothing to import.";
}

ReportOutcome ImportReportText(CKestraneDoc& doc, std::string_view text, bool clipboardForm,
                               IImportMessages& messages)
{
    CReportFile file(JoinReportText(doc, text));
    return doc.ImportReport(file, clipboardForm, messages);
}
