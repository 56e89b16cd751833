#include "mailaccess/ImapIdle.h"

#include "mailaccess/ImapResponse.h"

#include <cctype>

namespace {

bool SameWord(std::string_view word, std::string_view upper)
{
    if (word.size() != upper.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(word[i])) != upper[i])
            return false;
    return true;
}

// Takes the first complete line off the front of buffer, without its line end.
bool TakeLine(std::string& buffer, std::string& line)
{
    const size_t eol = buffer.find('\n');
    if (eol == std::string::npos)
        return false;
    line.assign(buffer, 0, eol);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    buffer.erase(0, eol + 1);
    return true;
}

bool IsTagged(std::string_view line, std::string_view tag)
{
    return line.size() > tag.size() && line.substr(0, tag.size()) == tag && line[tag.size()] == ' ';
}

} // namespace

bool OffersIdle(std::string_view answer)
{
    size_t pos = 0;
    while (pos < answer.size()) {
        size_t eol = answer.find('\n', pos);
        if (eol == std::string_view::npos)
            eol = answer.size();
        std::string_view line = answer.substr(pos, eol - pos);
        pos = eol + 1;
        if (line.size() < 13 || !SameWord(line.substr(0, 13), "* CAPABILITY "))
            continue;
        line.remove_prefix(13);
        while (!line.empty()) {
            const size_t space = line.find_first_of(" \r");
            if (SameWord(line.substr(0, space), "IDLE"))
                return true;
            if (space == std::string_view::npos)
                break;
            line.remove_prefix(space + 1);
        }
    }
    return false;
}

bool IsExistsLine(std::string_view line)
{
    if (line.size() < 3 || line.substr(0, 2) != "* " || !std::isdigit(static_cast<unsigned char>(line[2])))
        return false;
    size_t end = 2;
    while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end])))
        ++end;
    return SameWord(line.substr(end), " EXISTS");
}

IdleEnd IdleForNewMail(CImapConnection& connection, std::chrono::steady_clock::duration longest, std::string& error)
{
    const std::string tag = connection.NewTag();
    error = connection.Send(tag + " IDLE\r\n");
    if (!error.empty())
        return IdleEnd::Failed;

    const auto until = std::chrono::steady_clock::now() + longest;
    std::string buffer;
    std::string line;
    bool idling = false;
    bool newMail = false;
    while (!newMail) {
        while (!newMail && TakeLine(buffer, line)) {
            if (!idling && IsTagged(line, tag))
                return IdleEnd::Refused; // the server answered IDLE with NO or BAD
            idling = idling || line.starts_with("+");
            newMail = IsExistsLine(line);
        }
        if (newMail)
            break;
        // Before the server said it idles, only an answer's usual wait.
        const auto wait = idling ? until : std::chrono::steady_clock::now() + connection.AnswerTimeout();
        const auto read = connection.Read(buffer, wait, error);
        if (read == CImapConnection::ReadResult::Failed)
            return IdleEnd::Failed;
        if (read == CImapConnection::ReadResult::TimedOut) {
            if (!idling) {
                error = "The mail server did not answer IDLE in time.";
                return IdleEnd::Failed;
            }
            break;
        }
    }

    error = connection.Send("DONE\r\n");
    if (!error.empty())
        return IdleEnd::Failed;
    const auto deadline = std::chrono::steady_clock::now() + connection.AnswerTimeout();
    for (;;) {
        const size_t end = FindTaggedEnd(buffer, tag);
        if (end != std::string::npos)
            break;
        const auto read = connection.Read(buffer, deadline, error);
        if (read == CImapConnection::ReadResult::Failed)
            return IdleEnd::Failed;
        if (read == CImapConnection::ReadResult::TimedOut) {
            error = "The mail server did not end IDLE in time.";
            return IdleEnd::Failed;
        }
    }
    if (!TaggedStatus(buffer, tag).Ok())
        return IdleEnd::Refused;
    return newMail ? IdleEnd::NewMail : IdleEnd::Renew;
}
