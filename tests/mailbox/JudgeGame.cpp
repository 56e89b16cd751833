#include "JudgeGame.h"

#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"
#include "support/TextsOf.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace judgegame {

namespace fs = std::filesystem;

std::string Folder(const std::string& game)
{
    return (fs::path(KESTRANE_SHARED_DIR) / "judge-games" / game).string();
}

bool Available(const std::string& game)
{
    return fs::is_regular_file(fs::path(Folder(game)) / "index.json");
}

std::vector<Mail> Mails(const std::string& game)
{
    std::ifstream in(fs::path(Folder(game)) / "index.json");
    const nlohmann::json index = nlohmann::json::parse(in);
    std::vector<Mail> mails;
    for (const auto& entry : index) {
        Mail mail;
        mail.file = entry.at("file").get<std::string>();
        mail.subject = entry.value("subject", std::string());
        mail.body = CTempDir::Read(fs::path(Folder(game)) / mail.file);
        mails.push_back(std::move(mail));
    }
    return mails;
}

std::string SavedGame(const std::vector<std::string>& texts, std::vector<std::string>& messages)
{
    CRecordingServices services(KESTRANE_DATA_DIR);
    CKestraneDoc doc(services);
    if (!doc.OnNewDocument("Standard.map"))
        return "no standard board";
    CTempDir temp;
    for (size_t i = 0; i < texts.size(); ++i)
        doc.OnImport(temp.Write("mail" + std::to_string(i) + ".txt", texts[i]).string());
    messages = services.Texts();
    return doc.WriteDocument();
}

std::vector<std::string> TextsOf(const std::vector<CReportText>& reports)
{
    return ::TextsOf(reports, &CReportText::text);
}

std::vector<std::string> TextsOf(const std::vector<Mail>& mails)
{
    return ::TextsOf(mails, &Mail::body);
}

std::string DateOf(size_t i)
{
    char date[64];
    std::snprintf(date, sizeof date, "Wed, 07 Jan 2004 23:30:%02zu +0000", i % 60);
    return date;
}

} // namespace judgegame
