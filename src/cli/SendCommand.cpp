#include "cli/SendCommand.h"

#include "cli/CommandSupport.h"
#include "cli/OrdersStateCommand.h"
#include "mail/OrdersMail.h"
#include "mailaccess/PasswordKeyring.h"
#include "mailaccess/SmtpSend.h"
#include "model/OrdersStateFile.h"
#include "orders/BoardGeography.h"
#include "orders/GamePosition.h"
#include "orders/SendCheck.h"

#include <cstdlib>
#include <ctime>
#include <ostream>

namespace {

using namespace orders;

// The order lines to send: from the file or standard input named, else the
// drafts (a draft may hold several lines).
std::optional<std::vector<std::string>> OrdersToSend(const CCliArgs& args, const CCliEnvironment& env,
                                                     const CGameOrdersState& state)
{
    std::string text;
    if (args.positional.size() < 2) {
        for (const std::string& draft : state.drafts)
            text += draft + '\n';
    } else if (args.positional[1] == "-") {
        text = ReadAll(env.in);
    } else if (const auto bytes = ReadWholeFile(Absolute(args.positional[1]))) {
        text = *bytes;
    } else {
        Complain(env, "cannot read " + args.positional[1]);
        return std::nullopt;
    }
    std::vector<std::string> lines = OrderLinesOfMail(text);
    if (lines.empty()) {
        Complain(env, args.positional.size() < 2 ? "no orders drafted for the phase due: give a FILE of orders"
                                                 : args.positional[1] + " holds no orders");
        return std::nullopt;
    }
    return lines;
}

// Checks the lines as the Judge will read them; false after naming what is
// wrong, unless --force sends them all the same. phase becomes the phase
// checked when it is not known yet.
bool CheckedToSend(const CKestraneDoc& doc, const CCliArgs& args, const CCliEnvironment& env,
                   const std::vector<std::string>& lines, std::string& phase)
{
    const bool force = args.Has("--force");
    const BoardGeography board = LoadBoardGeography(InstallDirOf(args, env), doc.m_strMapName);
    const GamePosition game = board.geography ? PositionAfterLatestSeason(doc, *board.geography) : GamePosition{};
    const int power = game.position ? game.position->FindPower(doc.m_strMyCountry) : -1;
    if (power < 0) {
        const std::string why = !board.geography ? board.unavailable
                                : !game.position ? game.problem
                                                 : "no country of this game to check the orders for";
        Complain(env, (force ? "sent unchecked: " : "not sent: the orders cannot be checked: ") + why +
                          (force ? "" : " (--force sends them unchecked)"));
        return force;
    }
    const SendCheck check = CheckOrdersToSend(OrderChecker(*board.geography, *game.position, power), lines);
    if (phase.empty())
        phase = check.phase;
    if (check.Ready())
        return true;
    Complain(env, std::string(force ? "sent all the same: " : "not sent: ") +
                      (check.refused.empty() ? "the orders leave something undone"
                                             : "the Judge will refuse " + std::to_string(check.refused.size()) +
                                                   (check.refused.size() == 1 ? " line" : " lines")) +
                      (force ? "" : " (--force sends them all the same)"));
    for (const std::string& problem : check.Problems())
        env.err << "  " << problem << '\n';
    return force;
}

COutgoingAccount SendAccount(const CCliArgs& args, const CCliEnvironment& env, const std::string& gamePath,
                             std::optional<MailSecurity> security)
{
    COutgoingAccount account = env.storedOutgoing ? env.storedOutgoing(gamePath) : COutgoingAccount{};
    account.m_strServer = args.Value("--smtp");
    if (security) {
        account.m_security = *security;
        account.m_nPort = COutgoingAccount::DefaultPort(*security);
    }
    if (args.Has("--port"))
        account.m_nPort = std::stoi(args.Value("--port"));
    if (args.Has("--user")) {
        account.m_strUser = args.Value("--user");
        account.m_bSameAsIncoming = false;
    }
    if (args.Has("--from"))
        account.m_strFrom = args.Value("--from");
    if (args.Has("--to"))
        account.m_strJudgeAddress = args.Value("--to");
    return account;
}

std::string LocalClock(std::time_t when)
{
    std::tm local{};
    char text[8] = "";
    if (localtime_r(&when, &local))
        std::strftime(text, sizeof text, "%H:%M", &local);
    return text;
}

} // namespace

int CommandSend(const CCliArgs& args, const CCliEnvironment& env)
{
    std::optional<MailSecurity> security;
    if (!TakeSecurityOption(args, env, security))
        return kExitUsage;
    const std::string gamePath = Absolute(args.positional[0]);
    CGameSession session(env, InstallDirOf(args, env));
    if (!session.Open(gamePath))
        return kExitFailed;
    CKestraneDoc& doc = session.Doc();
    if (!TakeSignOnOptions(doc, args, env))
        return kExitFailed;

    CGameOrdersState state = CurrentOrdersState(env, doc);
    const auto lines = OrdersToSend(args, env, state);
    if (!lines)
        return kExitFailed;
    std::string phase = state.due ? state.due->phase : std::string();
    if (!CheckedToSend(doc, args, env, *lines, phase))
        return kExitFailed;
    if (!ComposeOrdersMail(doc, *lines) || session.Services().CloseRequested())
        return kExitFailed;

    COutgoingAccount account = SendAccount(args, env, gamePath, security);
    // The address the game's Judge mails came from, when none is set.
    if (account.m_strJudgeAddress.empty())
        account.m_strJudgeAddress = state.judgeAddress;
    if (const std::string problem = account.Problem(); !problem.empty()) {
        Complain(env, problem);
        return kExitFailed;
    }
    std::string password, error;
    if (!account.m_strUser.empty()) {
        const CMailAccount incoming = env.storedAccount ? env.storedAccount(gamePath) : CMailAccount{};
        const auto stored = CommandLinePassword(env.keyring ? env.keyring() : nullptr, account.KeyringKey(incoming),
                                                error, "KESTRANE_SMTP_PASSWORD");
        if (!stored) {
            Complain(env, error);
            return kExitFailed;
        }
        password = *stored;
    }
    CSmtpOptions options;
    if (const char* ca = std::getenv("KESTRANE_SMTP_CA_FILE"))
        options.caFile = ca;
    const COutgoingMail mail{account.m_strFrom, account.m_strJudgeAddress, OrdersMailSubject(doc, phase), doc.m_strMail};
    const CSmtpSend sent = SendMail(account, password, mail, options);
    if (!sent.Ok()) {
        Complain(env, sent.error);
        return kExitFailed;
    }

    state.RecordSent(doc.m_strMail, std::chrono::sys_seconds(std::chrono::seconds(sent.sentAt)));
    const std::string stateFile = OrdersStateFileOf(env, doc);
    if (!stateFile.empty() && !SaveOrdersState(stateFile, state, error)) {
        Complain(env, "the orders were sent, but what was sent could not be kept: " + error);
        return kExitFailed;
    }
    env.out << "Sent " << lines->size() << (lines->size() == 1 ? " order" : " orders")
            << (phase.empty() ? "" : " for " + phase) << " to " << account.m_strJudgeAddress << " at "
            << LocalClock(sent.sentAt) << ", " << sent.messageId << ".\n";
    return kExitOk;
}
