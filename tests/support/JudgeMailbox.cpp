#include "support/JudgeMailbox.h"

#include "support/DovecotServer.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace judgemailbox {

namespace {

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::vector<CJudgeMail> GameMails(const fs::path& gameDir)
{
    std::vector<CJudgeMail> mails;
    const nlohmann::json index = nlohmann::json::parse(ReadText(gameDir / "index.json"), nullptr, false);
    if (!index.is_array())
        return mails;
    for (const nlohmann::json& entry : index)
        if (entry.is_object() && entry.value("file", "") != "")
            mails.push_back({entry.value("subject", ""), ReadText(gameDir / entry.value("file", ""))});
    return mails;
}

std::vector<CJudgeMail> RawMails(const fs::path& captureFile)
{
    std::vector<CJudgeMail> mails;
    std::istringstream in(ReadText(captureFile));
    std::string line;
    CJudgeMail* current = nullptr;
    while (std::getline(in, line)) {
        if (line.rfind("===== mail sent to ", 0) == 0) {
            const size_t slash = line.find('/');
            mails.push_back({slash == std::string::npos ? std::string() : line.substr(slash + 1), {}});
            current = &mails.back();
        } else if (line.rfind("===== end of mail", 0) == 0) {
            current = nullptr;
        } else if (current) {
            current->body += line + "\n";
        }
    }
    return mails;
}

std::string AsMessage(const CJudgeMail& mail, int serial)
{
    std::string message = "From: judge@example.org\r\nTo: austria@example.org\r\nSubject: " + mail.subject +
                          "\r\nDate: Wed, 07 Jan 2004 23:30:" + (serial % 60 < 10 ? "0" : "") +
                          std::to_string(serial % 60) + " +0000\r\nMessage-ID: <" + std::to_string(serial) +
                          "@judge.example.org>\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=us-ascii\r\n\r\n";
    for (const char c : mail.body) {
        if (c == '\n')
            message += '\r';
        message += c;
    }
    return message;
}

std::vector<CJudgeMail> OtherMail(const fs::path& sharedDir)
{
    std::vector<CJudgeMail> mails;
    const fs::path samples = sharedDir / "judge-samples";
    if (!fs::exists(samples))
        return mails;
    mails.push_back({"XXXX:dt - S1901M Game Starting", ReadText(samples / "05-game-start-starting-position-france.txt")});
    mails.push_back({"Re: XXXX:dt - S1901M ", ReadText(samples / "03-signon-selected-to-play-a-power.txt")});
    mails.push_back({"Re: XXXX:dt - S1901M ", ReadText(samples / "08-movement-orders-status-no-order-processed.txt")});
    mails.push_back({"Re: XXXX ", ReadText(samples / "01-registration-reply-header-only.txt")});
    // The reply to Austria's own S1901M orders: the status, no results.
    for (const CJudgeMail& raw : RawMails(sharedDir / "judge-games/kestrel/raw/017-01-S1901M-austria.out"))
        if (raw.subject.rfind("Re: XXXX:kestrel", 0) == 0) {
            mails.push_back(raw);
            break;
        }
    mails.push_back({"kestrel: an alliance?", "Dear Austria,\n\nshall we split the Balkans this year? Our"
                                              " XXXX:kestrel moves could work together.\n\nRussia\n"});
    mails.push_back({"Lunch on Friday", "Are you free at noon?\n"});
    return mails;
}

std::string KestrelServerMail(std::vector<CJudgeMail>& game, std::vector<CJudgeMail>& other)
{
    if (std::string why = CDovecotServer::Unavailable(); !why.empty())
        return why;
    const std::filesystem::path shared(KESTRANE_SHARED_DIR);
    game = GameMails(shared / "judge-games" / "kestrel");
    if (game.empty())
        return "no judge-games folder beside the source tree";
    other = OtherMail(shared);
    return {};
}

} // namespace judgemailbox
