// guide-mail-server: a throw-away Dovecot on 127.0.0.1 whose INBOX holds the
// real Judge game kestrel among a player's other mail, for the user guide's
// pictures of Fetch from Mailbox. The same server the fetch tests start:
// user "player", password "secret", plain login on loopback only.
//
//   guide-mail-server FOLDER SHARED-FOLDER
//   guide-mail-server --mbox FILE SHARED-FOLDER
//
// Prints the port on a line of its own once the server takes connections,
// then serves until standard input closes, and stops the server. With
// --mbox it writes the same mails, in the same order, to an mbox file for
// Import Mailbox instead, and ends.
#include "support/DovecotServer.h"
#include "support/JudgeMailbox.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The game's mails as they arrived, the other mail in between.
std::vector<std::string> Messages(const std::vector<judgemailbox::CJudgeMail>& game,
                                  const std::vector<judgemailbox::CJudgeMail>& other)
{
    std::vector<std::string> messages;
    for (size_t i = 0; i < game.size(); ++i) {
        messages.push_back(judgemailbox::AsMessage(game[i], int(i)));
        if (i < other.size())
            messages.push_back(judgemailbox::AsMessage(other[i], int(100 + i)));
    }
    return messages;
}

// As mail programs keep a folder: a "From " line before each mail, line
// ends without CR, and body lines beginning "From " quoted with ">".
bool WriteMbox(const std::filesystem::path& file, const std::vector<std::string>& messages)
{
    std::ofstream out(file, std::ios::binary);
    for (const std::string& message : messages) {
        out << "From judge@example.org Wed Jan  7 23:30:00 2004\n";
        size_t at = 0;
        while (at < message.size()) {
            size_t end = message.find('\n', at);
            end = end == std::string::npos ? message.size() : end;
            std::string line = message.substr(at, end - at);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.rfind("From ", 0) == 0)
                out << '>';
            out << line << '\n';
            at = end + 1;
        }
        out << '\n';
    }
    return bool(out.flush());
}

} // namespace

int main(int argc, char** argv)
{
    const bool mbox = argc == 4 && std::string(argv[1]) == "--mbox";
    if (argc != 3 && !mbox) {
        std::cerr << "usage: guide-mail-server FOLDER SHARED-FOLDER\n"
                     "       guide-mail-server --mbox FILE SHARED-FOLDER\n";
        return 2;
    }
    if (mbox) {
        const std::filesystem::path shared(argv[3]);
        const auto game = judgemailbox::GameMails(shared / "judge-games" / "kestrel");
        if (game.empty()) {
            std::cerr << "guide-mail-server: no judge-games/kestrel below " << shared << '\n';
            return 1;
        }
        if (!WriteMbox(argv[2], Messages(game, judgemailbox::OtherMail(shared)))) {
            std::cerr << "guide-mail-server: could not write " << argv[2] << '\n';
            return 1;
        }
        return 0;
    }
    if (const std::string why = CDovecotServer::Unavailable(); !why.empty()) {
        std::cerr << "guide-mail-server: " << why << '\n';
        return 1;
    }
    const std::filesystem::path shared(argv[2]);
    const auto game = judgemailbox::GameMails(shared / "judge-games" / "kestrel");
    const auto other = judgemailbox::OtherMail(shared);
    if (game.empty()) {
        std::cerr << "guide-mail-server: no judge-games/kestrel below " << shared << '\n';
        return 1;
    }
    CDovecotServer server(argv[1], CDovecotServer::Security::Plain);
    std::string error;
    if (!server.Start(error)) {
        std::cerr << "guide-mail-server: " << error << '\n';
        return 1;
    }
    for (const std::string& message : Messages(game, other))
        server.Deliver(message);
    std::cout << server.Port() << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    server.Stop();
    return 0;
}
