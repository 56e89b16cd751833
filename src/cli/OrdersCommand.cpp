#include "cli/OrdersCommand.h"

#include "cli/CommandSupport.h"
#include "mail/OrdersMail.h"
#include "model/OrdersState.h"
#include "orders/BoardGeography.h"
#include "orders/GamePosition.h"
#include "orders/MailDrafts.h"
#include "orders/OrderChecker.h"

#include <iostream>

namespace {

using namespace orders;

void PrintLine(const Geography& geography, const std::string& line, const LineVerdict& verdict, std::ostream& out)
{
    for (const Finding& finding : verdict.findings) {
        if (finding.fault != Fault::None)
            out << line << "\tinvalid: " << finding.reason << '\n';
        else
            out << (finding.order ? WriteOrder(*finding.order, geography) : line) << "\tvalid"
                << (finding.note.empty() ? "" : ": ") << finding.note << '\n';
    }
}

int PrintReachable(const OrderChecker& checker, const std::string& provinceText, const CCliEnvironment& env)
{
    const Geography& geography = checker.GetGeography();
    const judgewords::ProvinceNames names(geography);
    const auto match = names.Read(provinceText, 0);
    if (match.province < 0) {
        Complain(env, "no province " + provinceText + " on this board");
        return kExitFailed;
    }
    const Position& position = checker.GetPosition();
    const bool retreat = position.phase.kind == PhaseKind::Retreat;
    if ((retreat ? position.DislodgedAt(match.province) : position.UnitAt(match.province)) < 0) {
        Complain(env, std::string(retreat ? "no dislodged unit in " : "no unit in ") + geography[match.province].Name() +
                          " in " + position.phase.Words());
        return kExitFailed;
    }
    for (const Place& place : checker.Reachable(match.province))
        env.out << geography.PlaceName(place) << '\n';
    return kExitOk;
}

} // namespace

int CommandOrders(const CCliArgs& args, const CCliEnvironment& env)
{
    CGameSession session(env, InstallDirOf(args, env));
    if (!session.Open(Absolute(args.positional[0])))
        return kExitFailed;
    CKestraneDoc& doc = session.Doc();
    const BoardGeography board = LoadBoardGeography(InstallDirOf(args, env), doc.m_strMapName);
    const GamePosition game = board.geography ? PositionAfterLatestSeason(doc, *board.geography) : GamePosition{};
    if (!game.position) {
        Complain(env, board.geography ? game.problem : board.unavailable);
        return kExitFailed;
    }
    const Position& position = *game.position;
    if (!TakeCountryOption(doc, args, env))
        return kExitFailed;
    int power = position.FindPower(doc.m_strMyCountry);
    if (args.Has("--reachable"))
        return PrintReachable(OrderChecker(*board.geography, position, power < 0 ? 0 : power),
                              args.Value("--reachable"), env);
    if (power < 0) {
        Complain(env, "no country to order for: give --country NAME or choose it in Game Details");
        return kExitFailed;
    }

    std::string text;
    if (args.positional.size() < 2 || args.positional[1] == "-") {
        text = ReadAll(env.in);
    } else if (const auto bytes = ReadWholeFile(Absolute(args.positional[1]))) {
        text = *bytes;
    } else {
        Complain(env, "cannot read " + args.positional[1]);
        return kExitFailed;
    }
    const std::vector<std::string> lines = OrderLinesOfMail(text);
    const OrderChecker checker(*board.geography, position, power);
    const SetVerdict verdict = checker.CheckSet(lines);

    // With --mail the mail goes to standard output and the verdicts beside it.
    const bool mail = args.Has("--mail");
    std::ostream& report = mail ? env.err : env.out;
    report << position.powers[size_t(power)] << ", " << position.phase.Words() << " (" << position.phase.Name()
           << ")\n";
    if (!position.HasOrdersDue(power))
        report << position.powers[size_t(power)] << " has nothing to order in this phase.\n";
    for (size_t i = 0; i < lines.size(); ++i)
        PrintLine(*board.geography, lines[i], verdict.lines[i], report);
    for (const std::string& note : verdict.notes)
        report << note << '\n';
    if (mail) {
        CKestraneDoc& game = session.Doc();
        if (args.Has("--password"))
            game.m_strPassword = args.Value("--password");
        if (!ComposeOrdersMail(game, LinesForMail(*board.geography, lines, verdict)) ||
            session.Services().CloseRequested())
            return kExitFailed;
        env.out << game.m_strMail;
        env.out.flush();
    }
    return verdict.AnyRefused() ? kExitFailed : kExitOk;
}
