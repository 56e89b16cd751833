#include "judge/ReportBatch.h"

#include "judge/ReportImportText.h"
#include "judge/ReportOrder.h"
#include "judge/ReportSplit.h"
#include "model/KestraneDoc.h"

#include <algorithm>
#include <utility>

namespace {

// Takes the messages of a batch instead of showing them; everything else
// goes to the services the document had.
class CCollectingServices : public IAppServices {
public:
    explicit CCollectingServices(IAppServices& shown) : m_shown(shown) {}

    void ShowMessage(std::string_view text, MessageIcon icon) override
    {
        m_messages.emplace_back(text);
        m_icons.push_back(icon);
    }
    std::string GetInstallDir() const override { return m_shown.GetInstallDir(); }
    void CloseMainWindow() override { m_bCloseRequested = true; }

    /// The messages collected since the last call, and their icons.
    void Take(CReportResult& result)
    {
        result.messages = std::exchange(m_messages, {});
        result.icons = std::exchange(m_icons, {});
    }
    bool CloseRequested() const { return m_bCloseRequested; }

private:
    IAppServices& m_shown;
    std::vector<std::string> m_messages;
    std::vector<MessageIcon> m_icons;
    bool m_bCloseRequested = false;
};

// Routes the document's messages to the collector for the life of the object.
// A close request the batch met reaches the document's own services at the
// end, once the game is no longer being filled.
class CServicesRoute {
public:
    CServicesRoute(CKestraneDoc& doc) : m_doc(doc), m_shown(doc.Services()), m_collect(m_shown)
    {
        doc.SetServices(m_collect);
    }
    ~CServicesRoute()
    {
        m_doc.SetServices(m_shown);
        if (m_collect.CloseRequested())
            m_shown.CloseMainWindow();
    }
    CServicesRoute(const CServicesRoute&) = delete;
    CServicesRoute& operator=(const CServicesRoute&) = delete;

    CCollectingServices& Collect() { return m_collect; }

private:
    CKestraneDoc& m_doc;
    IAppServices& m_shown;
    CCollectingServices m_collect;
};

struct CBatchPiece {
    CReportPiece piece;
    std::string origin;
};

std::vector<CBatchPiece> PiecesInGameOrder(const std::vector<CReportText>& texts)
{
    std::vector<CBatchPiece> pieces;
    for (const CReportText& text : texts) {
        std::vector<CReportPiece> split = SplitReports(text.text, text.subject);
        for (size_t i = 0; i < split.size(); ++i) {
            std::string origin = text.origin;
            if (split.size() > 1)
                origin += ", report " + std::to_string(i + 1) + " of " + std::to_string(split.size());
            pieces.push_back({std::move(split[i]), std::move(origin)});
        }
    }
    SortInGameOrder(pieces, [](const CBatchPiece& piece) -> const std::string& { return piece.piece.text; });
    return pieces;
}

std::string Plural(size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

void AppendMessages(std::string& text, const std::vector<std::string>& messages)
{
    for (const std::string& message : messages) {
        std::string line = message;
        std::replace(line.begin(), line.end(), '\n', ' ');
        text += "    " + line + "\n";
    }
}

std::string Described(const CReportResult& report)
{
    std::string text = "  " + report.origin;
    if (!report.subject.empty())
        text += " (\"" + report.subject + "\")";
    return text;
}

} // namespace

int CBatchSummary::SeasonsFiled() const
{
    size_t filed = 0;
    for (const CReportResult& report : reports)
        filed += report.seasons.size();
    return int(filed);
}

std::string CBatchSummary::Text() const
{
    std::vector<std::string> seasons;
    std::vector<const CReportResult*> skipped;
    std::vector<const CReportResult*> filedWithMessages;
    for (const CReportResult& report : reports) {
        seasons.insert(seasons.end(), report.seasons.begin(), report.seasons.end());
        if (report.outcome != ReportOutcome::Filed)
            skipped.push_back(&report);
        else if (!report.messages.empty())
            filedWithMessages.push_back(&report);
    }
    std::string text = Plural(seasons.size(), "season", "seasons") + " filed from " +
                       Plural(reports.size(), "mail", "mails");
    for (size_t i = 0; i < seasons.size(); ++i)
        text += (i == 0 ? ": " : ", ") + seasons[i];
    text += ".\n";
    if (cancelled)
        text += "The import was cancelled; the mails after these were not read.\n";
    if (!skipped.empty()) {
        text += "\n" + Plural(skipped.size(), "mail", "mails") + " skipped:\n";
        for (const CReportResult* report : skipped) {
            text += Described(*report) + ": " + ReportOutcomeText(report->outcome) + "\n";
            AppendMessages(text, report->messages);
        }
    }
    if (!filedWithMessages.empty()) {
        text += "\nFiled with remarks:\n";
        for (const CReportResult* report : filedWithMessages) {
            text += Described(*report) + "\n";
            AppendMessages(text, report->messages);
        }
    }
    return text;
}

CBatchSummary ImportReportBatch(CKestraneDoc& doc, const std::vector<CReportText>& texts,
                                const std::function<bool(size_t, size_t)>& progress)
{
    CBatchSummary summary;
    const std::vector<CBatchPiece> pieces = PiecesInGameOrder(texts);
    CServicesRoute route(doc);
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (progress && !progress(i, pieces.size())) {
            summary.cancelled = true;
            break;
        }
        const CBatchPiece& piece = pieces[i];
        CReportResult result;
        result.origin = piece.origin;
        result.subject = piece.piece.subject;
        const size_t seasonsBefore = doc.m_seasons.size();
        result.outcome = ImportReportText(doc, piece.piece.text, false);
        route.Collect().Take(result);
        if (doc.m_seasons.size() > seasonsBefore && doc.GetCurrentSeason())
            result.seasons.push_back(doc.GetCurrentSeason()->m_strSeason);
        if (result.outcome == ReportOutcome::NotJudgeMail) {
            result.messages.push_back(NotJudgeMailText(piece.origin));
            result.icons.push_back(MessageIcon::None);
        }
        if (route.Collect().CloseRequested())
            result.outcome = ReportOutcome::Fatal;
        summary.reports.push_back(std::move(result));
        if (summary.reports.back().outcome == ReportOutcome::Fatal)
            break;
    }
    if (progress && !summary.cancelled)
        progress(summary.reports.size(), pieces.size());
    return summary;
}
