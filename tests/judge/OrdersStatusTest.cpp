#include "judge/OrdersVerdict.h"
#include "support/JudgeGameFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <sstream>

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

namespace {

const fs::path kShared(KESTRANE_SHARED_DIR);

Strings LinesOf(const std::string& text)
{
    Strings lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Joined(const Strings& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

} // namespace

// Every reply the real Judge gave to an orders mail, read and laid beside the
// lines that were sent: line for line the Judge's verdict, with its listing,
// units without orders, pending adjustments, error count and flag.
TEST(OrdersStatusCorpus, EveryReplyIsTheJudgesVerdict)
{
    const fs::path folder = kShared / "judge-orders";
    if (!fs::exists(folder / "index.json"))
        GTEST_SKIP() << "no judge-orders folder beside the source tree";
    const auto index = nlohmann::json::parse(CTempDir::Read(folder / "index.json"));
    size_t mails = 0, accepted = 0, refused = 0;
    for (const auto& row : index["mails"]) {
        const std::string stem = (folder / row["file"].get<std::string>()).string();
        SCOPED_TRACE(stem);
        const auto verdict = nlohmann::json::parse(CTempDir::Read(stem + ".verdict.json"));
        const auto status = ReadOrdersStatus(CTempDir::Read(stem + ".reply.txt"), verdict["subject"].get<std::string>());
        ASSERT_TRUE(status);
        ++mails;
        EXPECT_EQ(status->judge, "XXXX");
        EXPECT_EQ(status->game, "Kestrel");
        EXPECT_EQ(status->phase, verdict["phase"]);
        EXPECT_EQ(status->power, status->listing.empty() ? "" : verdict["power"].get<std::string>());
        EXPECT_EQ(status->statusTitle, verdict["status_title"]);
        EXPECT_EQ(status->listing, verdict["status_listing"].get<Strings>());
        EXPECT_EQ(status->noOrders, verdict["no_orders"].get<Strings>());
        EXPECT_EQ(status->pending, verdict["pending"].get<Strings>());
        EXPECT_EQ(status->errorCount, verdict["judge_error_count"]);
        EXPECT_EQ(status->errorFlag, verdict["error_flag"]);

        const COrdersVerdict paired = PairWithSent(*status, LinesOf(CTempDir::Read(stem + ".orders.txt")));
        EXPECT_TRUE(paired.unmatched.empty());
        const auto& lines = verdict["lines"];
        ASSERT_EQ(paired.orders.size(), lines.size());
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(paired.orders[i].line, lines[i]["order"]);
            EXPECT_EQ(paired.orders[i].refused, lines[i]["verdict"] == "refused") << lines[i]["order"];
            EXPECT_EQ(Joined(paired.orders[i].messages), lines[i]["judge_text"].is_null() ? "" : lines[i]["judge_text"]);
        }
        accepted += paired.Accepted();
        refused += paired.Refused();
    }
    EXPECT_EQ(mails, index["totals"]["mails"]);
    EXPECT_EQ(accepted, index["totals"]["accepted"]);
    EXPECT_EQ(refused, index["totals"]["refused"]);
}

// The orders-status replies the Judge sent while the real games were played:
// the last one of each power in a phase lists exactly the orders the results
// mail then gives that power (without the outcome notes). No other mail of
// the games (results, notices, sign-ons) is taken for one.
TEST(OrdersStatusCorpus, GameRepliesListWhatTheResultsShow)
{
    for (const char* game : {"kestrel", "kestrel-2003", "kestrel-history"}) {
        SCOPED_TRACE(game);
        const auto mails = judgefiles::RawMails(game);
        if (mails.empty())
            GTEST_SKIP() << "no judge-games folder beside the source tree";
        std::map<std::pair<std::string, std::string>, Strings> latest; // (phase, power) -> listing
        size_t replies = 0, compared = 0;
        for (const auto& mail : mails) {
            const auto status = ReadOrdersStatus(mail.body, mail.subject);
            const bool reply = mail.subject.rfind("Re: ", 0) == 0 && mail.body.find(" orders for ") != std::string::npos;
            EXPECT_EQ(bool(status), reply) << mail.origin;
            if (status) {
                ++replies;
                EXPECT_EQ(status->phase + " ", mail.subject.substr(mail.subject.size() - 7)) << mail.origin;
                EXPECT_EQ(int(status->refused.size()) > 0, status->errorFlag) << mail.origin;
                latest[{status->phase, status->power}] = status->listing;
                continue;
            }
            if (!judgefiles::IsResultSubject(mail.subject) || mail.subject.find("Results") == std::string::npos)
                continue;
            // The results' order lines of each power, outcome notes "(*bounce*)" taken out.
            std::map<std::string, Strings> results;
            for (std::string line : LinesOf(mail.body)) {
                if (line.rfind("The ", 0) == 0 || line.rfind("Ownership of", 0) == 0)
                    break;
                for (size_t note; (note = line.find(" (*")) != std::string::npos;)
                    line.erase(note, line.find("*)", note) + 2 - note);
                if (const size_t colon = line.find(": "); colon != std::string::npos && line.find(' ') > colon)
                    results[line.substr(0, colon)].push_back(line);
            }
            const std::string phase = mail.subject.substr(mail.subject.find(" - ") + 3, 6);
            for (auto it = latest.begin(); it != latest.end(); it = latest.erase(it)) {
                if (it->first.first != phase || it->first.second.empty())
                    continue;
                ++compared;
                EXPECT_EQ(it->second, results[it->first.second]) << phase << " " << it->first.second;
            }
        }
        EXPECT_GE(replies, 63u);
        EXPECT_EQ(compared, 62u);
    }
}

// The orders-status mails among the samples of the Judge's own tests: the
// reply to a player who took back two powers, with text before its header.
TEST(OrdersStatusCorpus, SampleReplies)
{
    const fs::path folder = kShared / "judge-samples";
    if (!fs::exists(folder))
        GTEST_SKIP() << "no judge-samples folder beside the source tree";
    const Strings france{"Army Marseilles", "Army Paris", "Fleet Brest"};
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".txt")
            continue;
        const auto status = ReadOrdersStatus(CTempDir::Read(entry.path()), "Re: XXXX:dt - S1901M ");
        const bool isStatus = name.rfind("08-", 0) == 0 || name.rfind("09-", 0) == 0;
        ASSERT_EQ(bool(status), isStatus) << name;
        if (!isStatus)
            continue;
        EXPECT_EQ(status->game, "Dt") << name;
        EXPECT_EQ(status->phase, "S1901M") << name;
        EXPECT_EQ(status->power, "France") << name;
        EXPECT_EQ(status->statusTitle, "Movement orders for Spring of 1901. (dt.001)") << name;
        EXPECT_EQ(status->noOrders, france) << name;
        EXPECT_TRUE(status->refused.empty() && !status->errorFlag && status->errorCount == 0) << name;
    }
}
