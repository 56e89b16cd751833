#include "support/JudgeGameFiles.h"

#include "support/TempDir.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace judgefiles {

namespace fs = std::filesystem;

fs::path GameFolder(const std::string& game)
{
    return fs::path(KESTRANE_SHARED_DIR) / "judge-games" / game;
}

std::vector<ResultMail> ResultMails(const std::string& game)
{
    const fs::path index = GameFolder(game) / "index.json";
    std::error_code ec;
    if (!fs::is_regular_file(index, ec))
        return {};
    const nlohmann::json entries = nlohmann::json::parse(CTempDir::Read(index), nullptr, false);
    std::vector<ResultMail> mails;
    if (!entries.is_array())
        return mails;
    for (const auto& entry : entries) {
        ResultMail mail;
        mail.file = entry.value("file", "");
        mail.subject = entry.value("subject", "");
        mail.truth = entry.value("truth", "");
        mail.body = CTempDir::Read(GameFolder(game) / mail.file);
        mails.push_back(std::move(mail));
    }
    return mails;
}

std::vector<RawMail> RawMails(const std::string& game)
{
    const fs::path folder = GameFolder(game) / "raw";
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return {};
    std::vector<fs::path> captures;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".out")
            captures.push_back(entry.path());
    std::sort(captures.begin(), captures.end());

    const std::string start = "===== mail sent to ";
    const std::string end = "===== end of mail ======\n";
    std::vector<RawMail> mails;
    for (const fs::path& capture : captures) {
        const std::string text = CTempDir::Read(capture);
        size_t pos = 0;
        int number = 0;
        while ((pos = text.find(start, pos)) != std::string::npos) {
            const size_t lineEnd = text.find('\n', pos);
            const size_t stop = text.find(end, lineEnd);
            if (lineEnd == std::string::npos || stop == std::string::npos)
                break;
            const std::string marker = text.substr(pos + start.size(), lineEnd - pos - start.size());
            const size_t slash = marker.find('/');
            RawMail mail;
            mail.origin = capture.filename().string() + ", mail " + std::to_string(++number);
            mail.subject = slash == std::string::npos ? marker : marker.substr(slash + 1);
            mail.body = text.substr(lineEnd + 1, stop - lineEnd - 1);
            mails.push_back(std::move(mail));
            pos = stop + end.size();
        }
    }
    return mails;
}

bool IsResultSubject(const std::string& subject)
{
    return subject.find(" Results") != std::string::npos || subject.find("Game Starting") != std::string::npos ||
           subject.rfind("Diplomacy results ", 0) == 0;
}

} // namespace judgefiles
