#include "orders/GameSteps.h"

#include "model/KestraneDoc.h"
#include "orders/GeographyFile.h"
#include "support/JudgeGameFiles.h"
#include "support/RecordingServices.h"
#include "support/TempDir.h"

#include <fstream>
#include <map>
#include <stdexcept>

namespace ordertest {

const orders::Geography& StandardGeography()
{
    static const orders::Geography geography = [] {
        const std::string path = std::string(KESTRANE_SOURCE_DIR) + "/data/Maps/Standard.geo";
        orders::GeographyReading reading = orders::ReadGeography(CTempDir::Read(path));
        if (!reading.geography)
            throw std::runtime_error(path + ": " + (reading.problems.empty() ? "" : reading.problems.front()));
        return std::move(*reading.geography);
    }();
    return geography;
}

std::vector<GameStep> ImportSteps(const std::string& game)
{
    std::vector<GameStep> steps;
    const auto mails = judgefiles::ResultMails(game);
    if (mails.empty())
        return steps;
    CRecordingServices services(std::string(KESTRANE_SOURCE_DIR) + "/data");
    CKestraneDoc doc(services);
    if (!doc.OnNewDocument("Standard.map"))
        return steps;
    CTempDir temp;
    for (const judgefiles::ResultMail& mail : mails) {
        doc.OnImport(temp.Write(mail.file, mail.body).string());
        GameStep step;
        step.mail = mail.file;
        step.season = doc.m_seasons.back()->m_strSeason;
        step.orderLines = doc.m_seasons.back()->m_orders;
        std::ifstream truth(judgefiles::GameFolder(game) / mail.truth);
        step.truth = nlohmann::json::parse(truth, nullptr, false);
        step.due = orders::PositionAfterLatestSeason(doc, StandardGeography());
        steps.push_back(std::move(step));
    }
    return steps;
}

const orders::Position& KestrelPosition(const std::string& phase)
{
    static const std::map<std::string, orders::Position> positions = [] {
        std::map<std::string, orders::Position> byPhase;
        for (const GameStep& step : ImportSteps("kestrel"))
            if (step.due.position)
                byPhase[step.due.position->phase.Name()] = *step.due.position;
        return byPhase;
    }();
    return positions.at(phase);
}

const CPositionMap& StandardProvinceTable()
{
    static const CPositionMap table = [] {
        CRecordingServices services(std::string(KESTRANE_SOURCE_DIR) + "/data");
        CKestraneDoc doc(services);
        doc.OnNewDocument("Standard.map");
        return doc.m_provinces;
    }();
    return table;
}

} // namespace ordertest
