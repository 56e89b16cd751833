#include "judge/OrdersStatusRecord.h"
#include "mailbox/MailMessage.h"
#include "mailbox/MailboxImport.h"
#include "model/KestraneDoc.h"
#include "model/OrdersStateFile.h"
#include "support/JudgeGameFiles.h"
#include "support/JudgeMailbox.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

// The Judge's replies to orders mails, imported as a player gets them: the
// kestrel game up to the phase due S1902M, Austria's orders sent, then a
// reply from judge-orders (or judge-samples) through the mail reader, a
// file import and a pasted text. The summary gives the verdict, the orders
// state keeps it, and the game is left as it was.

namespace {

namespace fs = std::filesystem;

const fs::path kShared(KESTRANE_SHARED_DIR);

// Services that keep the orders state in one file, as the front ends do.
class CStateServices : public CRecordingServices, public IOrdersStateFiles {
public:
    using CRecordingServices::CRecordingServices;
    std::string OrdersStateFileOf(const std::string&) const override { return stateFile; }
    std::string stateFile;
};

class OrdersStatusImport : public testing::Test {
protected:
    void SetUp() override
    {
        const auto mails = judgefiles::ResultMails("kestrel");
        if (mails.size() < 5 || !fs::exists(kShared / "judge-orders" / "S1902M"))
            GTEST_SKIP() << "no judge-games or judge-orders folder beside the repository";
        services.stateFile = (dir.Path() / "state.txt").string();
        ASSERT_TRUE(doc.OnNewDocument("Standard.map"));
        doc.SetPathName((dir.Path() / "kestrel.kes").string());
        doc.m_strMyCountry = "Austria";
        std::vector<CReportText> texts;
        for (size_t i = 0; i < 5; ++i) {
            texts.push_back(
                *ReadMailMessage(judgemailbox::AsMessage({mails[i].subject, mails[i].body}, int(i)), mails[i].file));
        }
        ASSERT_EQ(ImportMailTexts(doc, texts, {}).summary.SeasonsFiled(), 5);
        ASSERT_EQ(State().due->phase, "S1902M") << "the import keeps the phase due";
        EXPECT_EQ(State().judgeAddress, "judge@example.org") << "and the address the Judge's mail came from";
        services.Clear();
    }

    CGameOrdersState State() const
    {
        std::string message;
        return LoadOrdersState(services.stateFile, message);
    }

    CTempDir dir;
    CStateServices services{(fs::path(KESTRANE_SOURCE_DIR) / "data").string()};
    CKestraneDoc doc{services};
};

// The headline the summary must give: counted from the Judge's verdict on
// each line, as judge-orders records it.
std::string CountedHeadline(const fs::path& verdictFile)
{
    const auto verdict = nlohmann::json::parse(CTempDir::Read(verdictFile));
    size_t accepted = 0, refused = 0;
    for (const auto& line : verdict["lines"])
        ++(line["verdict"] == "accepted" ? accepted : refused);
    return "Orders status for " + verdict["phase"].get<std::string>() + ": " + std::to_string(accepted) +
           " accepted, " + std::to_string(refused) + " refused.\n";
}

TEST_F(OrdersStatusImport, TheSummaryGivesTheVerdictAndTheStateKeepsIt)
{
    enum class Via { Mail, File, Paste };
    struct Row {
        const char* name;
        std::string reply; ///< judge-orders/S1902M/<reply>.reply.txt, sent as <reply>.orders.txt
        Via via;
    };
    const std::vector<Row> rows = {
        {"all accepted, by mail", "S1902M-austria-01-legal-mixed", Via::Mail},
        {"a move two steps away, as a file", "S1902M-austria-08-nonadjacent-move", Via::File},
        {"the Judge's own lines echoed, pasted", "S1902M-austria-04-echo-verbatim", Via::Paste},
        {"junk among the orders, by mail", "S1902M-austria-27-garbage", Via::Mail},
        {"one unit left without orders, as a file", "S1902M-austria-52-legal-partial", Via::File},
    };
    const fs::path folder = kShared / "judge-orders" / "S1902M";
    const size_t seasons = doc.m_seasons.size();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CGameOrdersState state = State();
        state.RecordSent(CTempDir::Read(folder / (row.reply + ".orders.txt")), std::chrono::sys_seconds{});
        std::string error;
        ASSERT_TRUE(SaveOrdersState(services.stateFile, state, error)) << error;
        const std::string reply = CTempDir::Read(folder / (row.reply + ".reply.txt"));
        const auto subject = nlohmann::json::parse(CTempDir::Read(folder / (row.reply + ".verdict.json")))["subject"];

        services.Clear();
        std::string summary;
        if (row.via == Via::Mail) {
            const auto mail = ReadMailMessage(judgemailbox::AsMessage({subject, reply}, 9), row.reply);
            summary = ImportMailTexts(doc, {*mail}, {}).Text();
        } else if (row.via == Via::File) {
            doc.OnImport(dir.Write("reply.txt", reply).string());
            summary = services.Texts().empty() ? "" : services.Texts().back();
        } else {
            doc.OnImportClipboard(reply);
            summary = services.Texts().empty() ? "" : services.Texts().back();
        }
        EXPECT_NE(summary.find(CountedHeadline(folder / (row.reply + ".verdict.json"))), std::string::npos) << summary;
        EXPECT_EQ(summary.find("without results"), std::string::npos) << summary;
        const auto kept = ReadVerdictLines(State().verdict);
        ASSERT_TRUE(kept.has_value()) << "the reply is kept as the verdict";
        EXPECT_EQ(kept->listing, ReadOrdersStatus(reply)->listing);
        EXPECT_EQ(doc.m_seasons.size(), seasons) << "the game is never changed by a reply";
    }
}

// Replies the orders state does not keep: another game's (judge-samples),
// another phase's and another power's. The summary still reads them, and
// says why a reply of this game is not kept.
TEST_F(OrdersStatusImport, RepliesNotForThePhaseDueAreReadButNotKept)
{
    struct Row {
        const char* name;
        fs::path reply;
        const char* summary; ///< in the summary, after its first line
    };
    const std::vector<Row> rows = {
        {"another game", kShared / "judge-samples/08-movement-orders-status-no-order-processed.txt",
         "1 mail skipped: 1 from another Judge or game.\n"},
        {"another phase", kShared / "judge-orders/S1902R/S1902R-austria-01-nothing-due.reply.txt",
         "Orders status for S1902R: 1 refused.\n"
         "    The Judge's reply about S1902R is not kept with your orders: the game waits for S1902M.\n"},
        {"another power", kShared / "judge-orders/S1902M/S1902M-england-08-nonadjacent-move.reply.txt",
         "Orders status for S1902M: 1 refused, 1 unit without orders.\n"
         "    The Judge's reply about the orders of England is not kept with your orders: you play Austria.\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string summary = ImportMailTexts(doc, {{CTempDir::Read(row.reply), "", "", "reply"}}, {}).Text();
        EXPECT_EQ(summary, "0 seasons filed from 1 mail.\n" + std::string(row.summary));
        EXPECT_TRUE(State().verdict.empty());
        EXPECT_EQ(State().due->phase, "S1902M");
    }
}

} // namespace
