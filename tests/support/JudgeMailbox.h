#pragma once

#include <filesystem>
#include <string>
#include <vector>

/// Real Judge mails as a player's mailbox holds them, for tests that fill a
/// mail server's folder.
namespace judgemailbox {

/// One mail: its subject and body as the Judge wrote them.
struct CJudgeMail {
    std::string subject;
    std::string body;
};

/// The mails of a game folder of ../shared/judge-games in game order, with
/// the subjects of its index.json. Empty when the folder is absent.
std::vector<CJudgeMail> GameMails(const std::filesystem::path& gameDir);

/// Every mail of one raw capture of a game (the Judge's outgoing mail
/// between "===== mail sent to RECIPIENT/SUBJECT" and "===== end of mail").
std::vector<CJudgeMail> RawMails(const std::filesystem::path& captureFile);

/// A whole message with From, To, Subject, Date and Message-ID headers and
/// CR LF line ends, the body as 7-bit text, as a server stores it.
std::string AsMessage(const CJudgeMail& mail, int serial);

/// The mails besides the game's own that a player of kestrel finds in the
/// same folder: another game's start and sign-on replies (judge-samples),
/// an orders status reply of kestrel itself, and private mail that names
/// the game. Empty when the shared folder is absent.
std::vector<CJudgeMail> OtherMail(const std::filesystem::path& sharedDir);

/// Fills game with the mails of judge-games/kestrel and other with
/// OtherMail, for a test against a real Dovecot; returns why such a test
/// cannot run here (no Dovecot, no judge-games folder), empty when it can.
std::string KestrelServerMail(std::vector<CJudgeMail>& game, std::vector<CJudgeMail>& other);

} // namespace judgemailbox
