#include "cli/CommandTable.h"

#include "cli/CommandSupport.h"
#include "cli/FetchCommand.h"
#include "cli/OrdersCommand.h"
#include "cli/OrdersStateCommand.h"
#include "cli/SendCommand.h"
#include "cli/StatusCommand.h"
#include "cli/WatchCommand.h"
#include "mailaccess/WatchSettings.h"

#include <charconv>

namespace {

bool ValidSize(const std::string& value)
{
    return ParseSize(value).has_value();
}

bool ValidDelay(const std::string& value)
{
    return ParseDelay(value).has_value();
}

bool ValidPort(const std::string& value)
{
    int port = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), port);
    return ec == std::errc() && end == value.data() + value.size() && port >= 1 && port <= 65535;
}

bool ValidPoll(const std::string& value)
{
    int minutes = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), minutes);
    return ec == std::errc() && end == value.data() + value.size() && minutes >= CWatchSettings::kMinPollMinutes &&
           minutes <= 24 * 60;
}

// The mailbox options fetch and watch share.
std::vector<CCliOption> MailboxOptionRows()
{
    return {{"--server", "HOST", "the IMAP server"},
            {"--port", "N", "the server's port (993 for --tls, 143 otherwise)", false, ValidPort,
             "--port must be a number from 1 to 65535"},
            {"--user", "U", "the user name to log in with"},
            {"--folder", "F", "the folder to read (INBOX)"},
            {"--filter", "KEYS", "IMAP search keys that select the game's mails"},
            {"--tls", nullptr, "TLS from the start (the default)"},
            {"--starttls", nullptr, "a plain connection turned into TLS before the login"},
            {"--plain", nullptr, "no encryption, for a server on this computer only"}};
}

std::vector<CCliOption> WithRows(std::vector<CCliOption> rows, const std::vector<CCliOption>& more)
{
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

} // namespace

const std::vector<CCliCommand>& CliCommands()
{
    static const std::vector<CCliCommand> commands = {
        {"new", "MAPNAME GAME.kes", 2, 2, "a new game from Maps/MAPNAME.map",
         "Starts a new game from Maps/MAPNAME.map below the installation folder and saves it as GAME.kes. "
         "An existing file is never written over.",
         {},
         CommandNew},
        {"import", "GAME.kes REPORT...", 2, kAnyNumber, "import Judge reports ('-' reads standard input)",
         "Imports each report in turn, as Edit, Import does: the report file is rewritten with its wrapped "
         "lines joined. '-' reads standard input as Import from Clipboard does. GAME.kes is saved when an "
         "import left the game modified, else it stays untouched.",
         {{"--batch", nullptr,
           "split each input (a mailbox, a digest, a pasted history) before every Judge header line, put the "
           "pieces in game order and import them one by one; the input itself is not rewritten"},
          {"--verbose", nullptr,
           "list every mail of a batch in the summary, each with why it was skipped, and print every mail's "
           "messages; without it the mails skipped are counted by reason and only the refused ones named"}},
         CommandImport},
        {"seasons", "GAME.kes", 1, 1, "list the seasons: name, tab, deadline",
         "Prints one line per season in game order: the season name, a tab, the deadline text as stored.",
         {},
         CommandSeasons},
        {"show", "GAME.kes [SEASON]", 1, 2, "orders, dislodged units, units and centres",
         "Prints the latest season, or the one named: title, orders, dislodged units, each country's units "
         "(kind, province, position) and owned centres.",
         {{"--json", nullptr,
           "print one JSON object with judge, game, variant, map, my_country, season, deadline, title, orders, "
           "dislodged and countries"}},
         CommandShow},
        {"render", "GAME.kes [SEASON]", 1, 2, "the map of a season as a PNG picture or a PDF page",
         "Writes the map view's picture of the latest season, or the one named, as a PNG file, or as a PDF page "
         "when OUT ends in .pdf, at actual size or stretched to --size. Without --orders and --smooth a PNG is "
         "exactly the map view's own picture.",
         {{"-o", "OUT.png", "the PNG or PDF file to write", true},
          {"--initials", nullptr, "show the provinces' initials"},
          {"--centres", nullptr, "show the supply centres"},
          {"--size", "WxH", "stretch the picture to this size (at most 4096 x 4096 pixels)", false, ValidSize,
           "--size must be WxH, for example 800x600"},
          {"--orders", nullptr, "draw the season's orders: moves, supports, convoys, retreats, builds, removals"},
          {"--smooth", nullptr, "stretch with filtering rather than pixel by pixel"},
          {"--no-maskblt", nullptr, "draw the fallback unit shapes"}},
         CommandRender},
        {"animate", "GAME.kes", 1, 1, "the whole game as an animated GIF",
         "Writes every season of the game, in game order, as one frame of an animated GIF that loops, each "
         "with a caption giving the season in words and its deadline. The file appears only when complete.",
         {{"-o", "OUT.gif", "the GIF file to write", true},
          {"--delay", "S", "seconds each season is shown (0.01 to 600; 1.5 when not given)", false, ValidDelay,
           "--delay must be seconds from 0.01 to 600, for example 1.5"},
          {"--size", "WxH", "stretch the map to this size (at most 4096 x 4096 pixels)", false, ValidSize,
           "--size must be WxH, for example 800x600"},
          {"--orders", nullptr, "draw each season's orders"},
          {"--smooth", nullptr, "stretch with filtering rather than pixel by pixel"},
          {"--initials", nullptr, "show the provinces' initials"},
          {"--centres", nullptr, "show the supply centres"}},
         CommandAnimate},
        {"mail", "GAME.kes", 1, 1, "print the orders mail",
         "Prints the orders mail exactly as Send composes it, for the stored country and password or those "
         "given.",
         {{"--country", "NAME", "the country to sign on as (its name in any case)"},
          {"--password", "PW", "the password to sign on with"}},
         CommandMail},
        {"orders", "GAME.kes [FILE|-]", 1, 2, "check orders for the phase due, as the Judge will",
         "Reads one power's orders for the phase due after the latest season, one per line, from FILE or "
         "standard input ('-' or no FILE), and prints each as the Judge will take it: its canonical line and "
         "\"valid\", or the line as written and \"invalid:\" with the reason; then what the Judge does with "
         "the units left without orders. The country is the one given, else the one stored in Game Details. The "
         "board needs its geography, Maps/MAPNAME.geo beside its map definition. Exit status 1 when the Judge "
         "would refuse a line.",
         {{"--country", "NAME", "the country whose orders these are (its name in any case)"},
          {"--password", "PW", "the password to sign on with (for --mail; else the stored one)"},
          {"--mail", nullptr, "print the orders mail with these orders instead, each line that the Judge takes in "
                              "its own form, the others as written; the verdicts go to standard error"},
          {"--reachable", "PROVINCE", "print where the unit in PROVINCE can go in the phase due instead, one "
                                      "place per line (a dislodged unit's retreats in a retreat phase)"}},
         CommandOrders},
        {"due", "GAME.kes", 1, 1, "the phase due, its deadline and the time left",
         "Prints the phase the Judge waits orders for, as the result mail of the game's latest season announced "
         "it when it was imported, in one line: the phase code, a tab, the deadline in UTC "
         "(2004-01-29T23:30:00Z), a tab, and the phase in words with the deadline in UTC and in local time and "
         "the time left. Exit status 1 when no phase due is known for the game's latest season.",
         {},
         CommandDue},
        {"history", "GAME.kes", 1, 1, "supply centres per season",
         "Prints the supply centres owned per country for every season with ownership data, as CSV (the "
         "default) or writes them as an SVG line chart in the countries' colours.",
         {{"--csv", nullptr, "print CSV (the default)", false, nullptr, "", "--svg"},
          {"--svg", "OUT.svg", "write an SVG chart instead", false, nullptr, "", "--csv"}},
         CommandHistory},
        {"fetch", "GAME.kes", 1, 1, "import the game's new Judge mail from an IMAP mailbox",
         "Fetches the Judge's mails for the game that arrived in the mailbox since the last fetch and imports "
         "them in game order, as Import Mailbox does, then saves the game. Nothing in the mailbox is changed "
         "or marked as read. What is not given comes from the game's mailbox settings made in the desktop "
         "program, else the defaults (TLS on port 993, folder INBOX, the game's Judge mail). The password "
         "comes from the keyring or from KESTRANE_IMAP_PASSWORD; KESTRANE_IMAP_CA_FILE names certificates to "
         "trust besides the system's. Exit status 1 when anything failed.",
         WithRows(MailboxOptionRows(),
                  {{"--verbose", nullptr, "list every mail in the summary and print every mail's messages"}}),
         CommandFetchArgs},
        {"watch", "GAME.kes...", 1, kAnyNumber, "keep watch over games' mailboxes, importing new Judge mail",
         "Keeps watch over each game's IMAP folder as the desktop program does, learning of new mail at once "
         "where the server offers IDLE, else asking every few minutes, and imports and saves each game as its "
         "Judge mail arrives, as fetch does; prints what arrived (the seasons filed and the change in centres) "
         "and each game's phase due with the time left. A lost connection is opened again after growing "
         "pauses; a refused login stops that game's watch. Runs until interrupted (SIGINT or SIGTERM), or until "
         "every game's watch has stopped. The mailbox options and the password are those of fetch. Exit "
         "status 1 when anything failed.",
         WithRows(MailboxOptionRows(),
                  {{"--poll", "N",
                    "ask a server without IDLE every N minutes (at least 2; the desktop program's choice "
                    "for the game, else 5)",
                    false, ValidPoll, "--poll must be a number of minutes from 2 to 1440"},
                   {"--once", nullptr, "fetch each game's new mail once and end, for cron or a systemd timer"}}),
         CommandWatch},
        {"send", "GAME.kes [FILE|-]", 1, 2, "send your orders to the Judge through an SMTP server",
         "Sends the orders mail to the Judge: the order lines of FILE (or standard input for '-'), else the "
         "orders drafted for the phase due, checked first as the Judge will read them; a line the Judge would "
         "refuse, or a unit, build or removal left without an order, stops the sending (each is named) unless "
         "--force is given. The mail is composed as Send composes it, with the Subject \"<game> orders for "
         "<phase>\", and what was sent is kept with the time in the game's orders state, beside the drafts, for "
         "status to pair the Judge's reply with. What is not given comes from the game's mailbox settings made "
         "in the desktop program, else the defaults (STARTTLS on port 587). The mail account's password comes "
         "from KESTRANE_SMTP_PASSWORD or the keyring; KESTRANE_SMTP_CA_FILE names certificates to trust besides "
         "the system's. Prints one line; exit status 1 when nothing was sent.",
         {{"--country", "NAME", "the country to sign on as (its name in any case)"},
          {"--password", "PW", "the game's password to sign on with"},
          {"--smtp", "HOST", "the SMTP server that takes your mail", true},
          {"--port", "N", "the server's port (465 for --tls, 587 otherwise)", false, ValidPort,
           "--port must be a number from 1 to 65535"},
          {"--user", "U", "the user name to log in with (none: no login)"},
          {"--from", "ADDR", "your own address, the mail's From"},
          {"--to", "JUDGE", "the Judge's address (else the address the game's Judge mails came from)"},
          {"--tls", nullptr, "TLS from the start"},
          {"--starttls", nullptr, "a plain connection turned into TLS before the login (the default)"},
          {"--plain", nullptr, "no encryption, for a server on this computer only"},
          {"--force", nullptr, "send even when the Judge would refuse a line or something is left without orders"}},
         CommandSend},
        {"status", "GAME.kes MAIL", 2, 2, "the Judge's verdict on your orders, from its reply",
         "Reads the Judge's reply to an orders mail (a saved mail, a mailbox file or the reply's text; '-' reads "
         "standard input) and prints its verdict: each line the Judge refused, with its messages, then every "
         "order it accepted as it understood it, the units it has no orders for and the adjustments still "
         "pending. The reply must be about the game; the last such reply in MAIL counts. When the reply is for "
         "the phase due, the lines sent come from what send kept (each accepted or refused) and the verdict is "
         "kept with them. Exit status 1 when the Judge refused any order, or MAIL holds no reply about the game.",
         {},
         CommandStatus},
    };
    return commands;
}

const CCliCommand* FindCliCommand(const std::string& name)
{
    for (const CCliCommand& command : CliCommands())
        if (name == command.name)
            return &command;
    return nullptr;
}

const CCliOption* CCliCommand::FindOption(const std::string& optionName) const
{
    for (const CCliOption& option : options)
        if (optionName == option.name)
            return &option;
    return nullptr;
}

std::string CCliCommand::Synopsis() const
{
    std::string out = std::string(name) + " " + operands;
    auto usage = [](const CCliOption& option) {
        return std::string(option.name) + (option.IsFlag() ? "" : std::string(" ") + option.valueName);
    };
    for (const CCliOption& option : options) {
        // A pair that excludes each other is shown once, at its first member.
        if (option.excludes) {
            const CCliOption* other = FindOption(option.excludes);
            if (other && other < &option)
                continue;
            out += " [" + usage(option) + (other ? " | " + usage(*other) : "") + "]";
            continue;
        }
        out += option.required ? " " + usage(option) : " [" + usage(option) + "]";
    }
    return out;
}
