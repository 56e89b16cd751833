// guide-smtp-server: a throw-away Postfix on 127.0.0.1 for the user guide's
// pictures of Send Orders to Judge. The same server the sending tests start:
// user "player", password "secret", mail taken for judge@judge.test only.
//
//   guide-smtp-server FOLDER
//
// Prints the plain port on a line of its own once the server takes
// connections, then serves until standard input closes, prints the mails
// delivered and stops the server.
#include "support/SmtpServer.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: guide-smtp-server FOLDER\n";
        return 2;
    }
    if (const std::string why = CSmtpServer::Unavailable(); !why.empty()) {
        std::cerr << "guide-smtp-server: " << why << '\n';
        return 1;
    }
    CSmtpServer server(argv[1]);
    std::string error;
    if (!server.Start(error)) {
        std::cerr << "guide-smtp-server: " << error << '\n';
        return 1;
    }
    std::cout << server.PlainPort() << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
    }
    for (const std::string& mail : server.Delivered())
        std::cerr << mail << '\n';
    server.Stop();
    return 0;
}
