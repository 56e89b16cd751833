// guide-mail-server: a throw-away Dovecot on 127.0.0.1 whose INBOX holds the
// real Judge game kestrel among a player's other mail, for the user guide's
// pictures of Fetch from Mailbox. The same server the fetch tests start:
// user "player", password "secret", plain login on loopback only.
//
//   guide-mail-server FOLDER SHARED-FOLDER
//
// Prints the port on a line of its own once the server takes connections,
// then serves until standard input closes, and stops the server.
#include "support/DovecotServer.h"
#include "support/JudgeMailbox.h"

#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: guide-mail-server FOLDER SHARED-FOLDER\n";
        return 2;
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
    // The game's mails as they arrived, the other mail in between.
    for (size_t i = 0; i < game.size(); ++i) {
        server.Deliver(judgemailbox::AsMessage(game[i], int(i)));
        if (i < other.size())
            server.Deliver(judgemailbox::AsMessage(other[i], int(100 + i)));
    }
    std::cout << server.Port() << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    server.Stop();
    return 0;
}
