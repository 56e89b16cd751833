#include "judge/ReportOutcome.h"

const char* ReportOutcomeText(ReportOutcome outcome)
{
    switch (outcome) {
    case ReportOutcome::Filed: return "filed";
    case ReportOutcome::AnotherGame: return "from another Judge or game";
    case ReportOutcome::AlreadyImported: return "already imported";
    case ReportOutcome::NoResults: return "no results to import";
    case ReportOutcome::NotJudgeMail: return "not a Judge mail";
    case ReportOutcome::Rejected: return "refused";
    case ReportOutcome::Fatal: return "stopped: the game record is inconsistent";
    }
    return "refused";
}
