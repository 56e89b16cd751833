#include "judge/ClipboardFile.h"
#include "judge/ReportFile.h"
#include "judge/ReportJoiner.h"
#include "judge/LineMarks.h"
#include "model/FileBytes.h"
#include "model/KestraneDoc.h"

#include <array>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using judgeline::Contains;
using judgeline::StartsWith;

namespace {

constexpr const char* kCannotOpen = "Cannot open file, is this file read-only?";
constexpr const char* kCannotProcess = "Cannot process file, is this file read-only?";
constexpr const char* kCannotOpenTemp = "Cannot open Kestrane.tmp file, is this file read-only?";

// The import rewrites the report, so a file that cannot be written is refused
// before anything happens. Only a regular file is taken: reading a pipe or a
// device to its end could wait for ever.
bool CanOpenForReadWrite(const fs::path& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return false;
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    return file.is_open();
}

// The common steps of both commands once the file is known to be writable:
// join the wrapped lines, then read the joined text. A report that cannot be
// joined changes nothing, so the modified flag is left as it was.
void ImportJoinedFile(CKestraneDoc& doc, const fs::path& path, bool clipboardForm)
{
    if (!JoinReportLines(doc, path)) {
        doc.Services().ShowMessage(kCannotProcess, MessageIcon::None);
        return;
    }
    std::optional<CReportFile> file = CReportFile::Open(path.string());
    if (!file) {
        doc.Services().ShowMessage(kCannotProcess, MessageIcon::None);
        return;
    }
    doc.ImportReport(*file, clipboardForm);
}

bool IsHeaderLine(std::string_view line, bool clipboardForm)
{
    if (StartsWith(line, "Judge:"))
        return true;
    return clipboardForm ? StartsWith(line, ":: Judge:") : Contains(line, ":: Judge:");
}

using SectionParser = void (CKestraneDoc::*)(CReportFile&);

struct SectionTitle {
    std::string_view text;
    SectionParser parse;
};

// Tested in this order; the first title a line contains decides.
// Judges since 2003 title processed retreats and adjustments "... results";
// older ones wrote "... orders" for the results too.
const std::array<SectionTitle, 6> kSectionTitles{{
    {"Starting position", &CKestraneDoc::ParseStartingPosition},
    {"Adjustment orders", &CKestraneDoc::ParseAdjustmentOrders},
    {"Adjustment results", &CKestraneDoc::ParseAdjustmentOrders},
    {"Movement results", &CKestraneDoc::ParseMovementResults},
    {"Retreat orders", &CKestraneDoc::ParseRetreatOrders},
    {"Retreat results", &CKestraneDoc::ParseRetreatOrders},
}};

const SectionTitle* FindSectionTitle(std::string_view line)
{
    for (const SectionTitle& title : kSectionTitles)
        if (Contains(line, title.text))
            return &title;
    return nullptr;
}

} // namespace

void CKestraneDoc::OnImport(const std::string& path)
{
    if (!CanOpenForReadWrite(path)) {
        Services().ShowMessage(kCannotOpen, MessageIcon::None);
        return;
    }
    ImportJoinedFile(*this, path, false);
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
    ImportJoinedFile(*this, path, true);
}

void CKestraneDoc::ImportReport(CReportFile& file, bool clipboardForm)
{
    // A rejected report must not make the game look saved when it holds
    // unsaved imports, nor when its own first header filed a season.
    const bool wasModified = IsModified();
    const size_t seasonsBefore = m_seasons.size();
    SetModifiedFlag(true);
    bool haveHeader = false;
    std::string line;
    while (file.ReadString(line)) {
        if (IsHeaderLine(line, clipboardForm)) {
            if (!ParseHeader(file, line)) {
                SetModifiedFlag(wasModified || m_seasons.size() != seasonsBefore);
                break;
            }
            haveHeader = true;
        }
        // After a header the line holds the deadline line, which may carry
        // the section title itself.
        if (const SectionTitle* title = FindSectionTitle(line)) {
            if (haveHeader)
                (this->*title->parse)(file);
            else
                Services().ShowMessage("Could not find a valid header, this file may be corrupt.",
                                       MessageIcon::None);
            break;
        }
    }
    UpdateAllViews();
}
