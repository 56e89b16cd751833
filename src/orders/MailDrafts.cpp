#include "orders/MailDrafts.h"

#include "model/KestraneDoc.h"
#include "orders/BoardGeography.h"
#include "orders/GamePosition.h"
#include "orders/OrderChecker.h"

namespace orders {

std::vector<std::string> LinesForMail(const Geography& geography, const std::vector<std::string>& lines,
                                      const SetVerdict& verdict)
{
    std::vector<std::string> mail;
    for (size_t i = 0; i < lines.size() && i < verdict.lines.size(); ++i) {
        const std::vector<Order> orders = verdict.lines[i].OrdersInForce();
        if (orders.empty())
            mail.push_back(lines[i]);
        for (const Order& order : orders)
            mail.push_back(WriteOrder(order, geography));
    }
    return mail;
}

MailDrafts CheckDraftsForMail(const CKestraneDoc& doc, const std::string& installDir,
                              const std::vector<std::string>& drafts)
{
    MailDrafts mail;
    if (drafts.empty())
        return mail;
    const BoardGeography board = LoadBoardGeography(installDir, doc.m_strMapName);
    const GamePosition game = board.geography ? PositionAfterLatestSeason(doc, *board.geography) : GamePosition{};
    const int power = game.position ? game.position->FindPower(doc.m_strMyCountry) : -1;
    if (power < 0) {
        mail.lines = drafts;
        mail.warning = "The orders could not be checked: " +
                       (!board.geography ? board.unavailable
                        : !game.position ? game.problem
                                         : std::string("no country of this game is chosen in Game Details."));
        return mail;
    }
    const OrderChecker checker(*board.geography, *game.position, power);
    const SetVerdict verdict = checker.CheckSet(drafts);
    mail.lines = LinesForMail(*board.geography, drafts, verdict);
    for (size_t i = 0; i < drafts.size(); ++i)
        if (const Finding* fault = verdict.lines[i].FirstFault())
            mail.warning += drafts[i] + ": " + fault->reason + "\n";
    for (const std::string& note : verdict.notes)
        mail.warning += note + "\n";
    return mail;
}

} // namespace orders
