#include "judge/ClipboardFile.h"
#include "judge/HeaderLine.h"
#include "judge/HistoryReply.h"
#include "judge/ImportSnapshot.h"
#include "judge/OrdersStatusRecord.h"
#include "judge/ReportBatch.h"
#include "judge/ReportFile.h"
#include "judge/ReportImportText.h"
#include "judge/ReportJoiner.h"
#include "judge/SectionTitles.h"
#include "model/FileBytes.h"
#include "model/KestraneDoc.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kCannotOpen = "Cannot open file, is this file read-only?";
constexpr const char* kCannotProcess = "Cannot process file, is this file read-only?";
constexpr const char* kCannotOpenTemp = "Cannot open Kestrane.tmp file, is this file read-only?";

// The import may rewrite the report, so a file that cannot be written is
// refused before anything happens. Only a regular file is taken: reading a
// pipe or a device to its end could wait for ever.
bool CanOpenForReadWrite(const fs::path& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return false;
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    return file.is_open();
}

// Keeps what the imported texts tell in the game's orders state, when the
// front end keeps one; a damaged or unwritable state is said at once.
void RecordInOrdersState(CKestraneDoc& doc, const std::vector<CReportText>& texts, CBatchSummary& summary)
{
    const CImportRecord record = RecordImport(OrdersStateFileOfGame(doc), doc, texts, summary);
    if (!record.message.empty())
        doc.Services().ShowMessage(record.message, MessageIcon::Exclamation);
}

// The common steps of both commands once the file is known to be writable:
// join the wrapped lines in memory and read the joined text. The file is
// rewritten with the joined text only when a season was filed and joining
// changed it, so a mail without wrapped lines, a mail without results and a
// file that is no Judge mail keep their bytes and their time stamp. When the
// rewrite fails the season is taken out again and the game is as before.
void ImportJoinedFile(CKestraneDoc& doc, const fs::path& path, bool clipboardForm, const std::string& source)
{
    const FileReadResult read = ReadFileBytes(path);
    if (!read.bytes) {
        doc.Services().ShowMessage(kCannotProcess, MessageIcon::None);
        return;
    }
    // A reply to a history request holds the whole game: its entries are
    // filed as their own mails would be, and one summary tells what came of
    // them. The Judge's reply to an orders mail files nothing, and the same
    // summary gives its verdict. Neither is ever rewritten.
    const std::vector<CReportText> texts{{*read.bytes, "", "", source}};
    // The verdict is read where the front end keeps an orders state to pair it with.
    const auto status = OrdersStateFileOfGame(doc).empty() ? std::nullopt : ReadOrdersStatus(*read.bytes);
    if (IsHistoryReply(*read.bytes) || (status && ReplyForAnotherGame(doc, *status).empty())) {
        CBatchSummary summary = ImportReportBatch(doc, texts);
        RecordInOrdersState(doc, texts, summary);
        doc.Services().ShowImportSummary(summary);
        return;
    }
    CJoinedReport joined = JoinReport(doc, *read.bytes);
    const bool rewrite = joined.changed;
    const CImportSnapshot before(doc);
    CReportFile file(std::move(joined.text));
    const ReportOutcome outcome = doc.ImportReport(file, clipboardForm, doc.Services());
    if (outcome == ReportOutcome::NotJudgeMail) {
        doc.Services().ShowMessage(NotJudgeMailText(source), MessageIcon::None);
        return;
    }
    if (outcome == ReportOutcome::Filed && rewrite && !WriteFileReplacing(path, file.Text())) {
        before.Restore(doc);
        doc.Services().ShowMessage(kCannotProcess, MessageIcon::None);
        return;
    }
    if (outcome == ReportOutcome::Filed) {
        CBatchSummary none;
        RecordInOrdersState(doc, texts, none);
    }
}

using SectionParser = void (CKestraneDoc::*)(CReportFile&, IImportMessages&);

SectionParser ParserFor(SectionKind kind)
{
    switch (kind) {
    case SectionKind::StartingPosition: return &CKestraneDoc::ParseStartingPosition;
    case SectionKind::Adjustment: return &CKestraneDoc::ParseAdjustmentOrders;
    case SectionKind::Movement: return &CKestraneDoc::ParseMovementResults;
    case SectionKind::Retreat: break;
    }
    return &CKestraneDoc::ParseRetreatOrders;
}

} // namespace

void CKestraneDoc::OnImport(const std::string& path)
{
    if (!CanOpenForReadWrite(path)) {
        Services().ShowMessage(kCannotOpen, MessageIcon::None);
        return;
    }
    ImportJoinedFile(*this, path, false, "The file " + fs::path(path).filename().string());
}

void CKestraneDoc::OnImportClipboard(const std::optional<std::string>& clipboardText)
{
    if (!clipboardText) {
        Services().ShowMessage("No text to import", MessageIcon::None);
        return;
    }
    const fs::path path = ClipboardImportPath();
    std::error_code ec;
    if (path.has_parent_path())
        fs::create_directories(path.parent_path(), ec);
    // The text goes to the file unchanged, its CR LF line ends included; the
    // import reads it back as text like any report file.
    if (!WriteFileBytes(path, *clipboardText) || !CanOpenForReadWrite(path)) {
        Services().ShowMessage(kCannotOpenTemp, MessageIcon::None);
        return;
    }
    ImportJoinedFile(*this, path, true, "The clipboard text");
}

ReportOutcome CKestraneDoc::ImportReport(CReportFile& file, bool clipboardForm, IImportMessages& messages)
{
    // A rejected report must not make the game look saved when it holds
    // unsaved imports, nor when its own first header filed a season.
    const bool wasModified = IsModified();
    const size_t seasonsBefore = m_seasons.size();
    SetModifiedFlag(true);
    bool haveHeader = false;
    ReportOutcome outcome = ReportOutcome::NotJudgeMail;
    std::string line;
    while (file.ReadString(line)) {
        if (IsJudgeHeaderLine(line, clipboardForm ? HeaderForm::Clipboard : HeaderForm::File)) {
            outcome = ParseHeaderChecked(file, line, messages);
            if (outcome != ReportOutcome::Filed) {
                SetModifiedFlag(wasModified || m_seasons.size() != seasonsBefore);
                break;
            }
            haveHeader = true;
        }
        // After a header the line holds the deadline line, which may carry
        // the section title itself.
        if (const std::optional<SectionKind> title = FindSectionTitle(line)) {
            if (haveHeader) {
                (this->*ParserFor(*title))(file, messages);
            } else {
                messages.ShowMessage("Could not find a valid header, this file may be corrupt.", MessageIcon::None);
                outcome = ReportOutcome::Rejected;
            }
            break;
        }
    }
    // Nothing at all of a Judge mail: the game is as it was.
    if (outcome == ReportOutcome::NotJudgeMail)
        SetModifiedFlag(wasModified);
    UpdateAllViews();
    return outcome;
}
