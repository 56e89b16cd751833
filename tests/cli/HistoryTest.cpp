#include "HandBuiltGame.h"
#include "cli/History.h"

#include <gtest/gtest.h>

#include <QString>
#include <QXmlStreamReader>

#include <map>

namespace {

using handbuilt::Season;

std::unique_ptr<CKestraneDoc> ThreeSeasonGame(CRecordingServices& services)
{
    return handbuilt::MakeDoc(
        services, {CCountry("ENGLAND", 255, 0, 0), CCountry("FRANCE", 0, 0, 255), CCountry("GERMANY", 0, 0, 0)},
        {
            Season{"S1900M", "", {}, {}, {}, {}},
            Season{"F1901M", "", {}, {}, {}, {{0, 1, 1}, {0, 2, 2}, {1, 3, 3}, {2, 4, 4}, {2, 5, 5}, {2, 6, 6}}},
            Season{"F1901R", "", {}, {}, {}, {}},
            // A centre the report named twice is still one centre.
            Season{"F1901B", "", {}, {}, {}, {{0, 1, 1}, {0, 2, 2}, {0, 4, 4}, {0, 4, 4}, {1, 3, 3}}},
        });
}

TEST(CentreHistoryRows, OnlySeasonsWithOwnershipDistinctCentres)
{
    CRecordingServices services;
    const auto doc = ThreeSeasonGame(services);
    const CCentreHistory history = BuildCentreHistory(*doc);
    ASSERT_EQ(history.countries.size(), 3u);
    EXPECT_EQ(history.countries[0].name, "ENGLAND");
    EXPECT_EQ(history.countries[1].colour, (std::array<uint8_t, 3>{0, 0, 255}));
    // Black is stored as 10, 0, 0 by the colour rule.
    EXPECT_EQ(history.countries[2].colour, (std::array<uint8_t, 3>{10, 0, 0}));
    ASSERT_EQ(history.rows.size(), 2u);
    EXPECT_EQ(history.rows[0].season, "F1901M");
    EXPECT_EQ(history.rows[0].centres, (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(history.rows[1].season, "F1901B");
    EXPECT_EQ(history.rows[1].centres, (std::vector<int>{3, 1, 0}));
}

TEST(CentreHistoryRows, SeasonCountingFewerCountriesIsNotReadBeyondIt)
{
    CRecordingServices services;
    auto doc = ThreeSeasonGame(services);
    // A record made for two countries: its third list is not the game's.
    doc->m_seasons.back()->m_nCountries = 2;
    doc->m_seasons.back()->m_centres[2].push_back(MapPos{9, 9});
    const CCentreHistory history = BuildCentreHistory(*doc);
    ASSERT_EQ(history.rows.size(), 2u);
    EXPECT_EQ(history.rows[1].centres, (std::vector<int>{3, 1, 0}));
}

TEST(CentreHistoryCsv, IsOneHeaderLineAndOneLinePerSeason)
{
    CRecordingServices services;
    const auto doc = ThreeSeasonGame(services);
    EXPECT_EQ(CentreHistoryCsv(BuildCentreHistory(*doc)),
              "season,ENGLAND,FRANCE,GERMANY\n"
              "F1901M,2,1,3\n"
              "F1901B,3,1,0\n");
}

TEST(CentreHistoryCsv, QuotesFieldsThatNeedIt)
{
    CCentreHistory history;
    history.countries = {{"A, B", {}}, {"SAY \"X\"", {}}};
    history.rows = {{"S1901M", {1, 2}}};
    EXPECT_EQ(CentreHistoryCsv(history), "season,\"A, B\",\"SAY \"\"X\"\"\"\nS1901M,1,2\n");
}

TEST(CentreHistoryCsv, NoOwnershipGivesTheHeaderOnly)
{
    CRecordingServices services;
    const auto doc = handbuilt::MakeDoc(services, {CCountry("ENGLAND", 1, 2, 3)}, {Season{"S1900M"}});
    EXPECT_EQ(CentreHistoryCsv(BuildCentreHistory(*doc)), "season,ENGLAND\n");
}

// What the chart shows, read back with an XML parser.
struct SvgContent {
    std::vector<std::string> polylineStrokes;
    std::vector<std::string> polylinePoints;
    std::map<std::string, int> circlesByFill;
    std::vector<std::string> texts;
    std::vector<std::string> legendFills;
    bool wellFormed = false;
};

SvgContent ReadSvg(const std::string& svg)
{
    SvgContent content;
    QXmlStreamReader xml(QString::fromStdString(svg));
    std::vector<QString> groupStroke;
    std::string groupClass;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto attrs = xml.attributes();
            if (xml.name() == QLatin1String("g")) {
                groupClass = attrs.value("class").toString().toStdString();
                groupStroke.push_back(attrs.value("stroke").toString());
            } else if (xml.name() == QLatin1String("polyline")) {
                content.polylineStrokes.push_back(groupStroke.back().toStdString());
                content.polylinePoints.push_back(attrs.value("points").toString().toStdString());
            } else if (xml.name() == QLatin1String("circle")) {
                ++content.circlesByFill[groupStroke.back().toStdString()];
            } else if (xml.name() == QLatin1String("rect") && groupClass == "legend") {
                content.legendFills.push_back(attrs.value("fill").toString().toStdString());
            } else if (xml.name() == QLatin1String("text")) {
                content.texts.push_back(xml.readElementText().toStdString());
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            groupStroke.pop_back();
        }
    }
    content.wellFormed = !xml.hasError();
    return content;
}

TEST(CentreHistorySvg, DrawsOneLinePerCountryInItsColourWithLegendAndSeasons)
{
    CRecordingServices services;
    const auto doc = ThreeSeasonGame(services);
    const SvgContent svg = ReadSvg(CentreHistorySvg(BuildCentreHistory(*doc)));
    ASSERT_TRUE(svg.wellFormed);
    EXPECT_EQ(svg.polylineStrokes, (std::vector<std::string>{"rgb(255,0,0)", "rgb(0,0,255)", "rgb(10,0,0)"}));
    EXPECT_EQ(svg.legendFills, svg.polylineStrokes);
    for (const auto& stroke : svg.polylineStrokes)
        EXPECT_EQ(svg.circlesByFill.at(stroke), 2) << stroke;
    for (const char* text : {"ENGLAND", "FRANCE", "GERMANY", "F1901M", "F1901B"})
        EXPECT_NE(std::find(svg.texts.begin(), svg.texts.end(), text), svg.texts.end()) << text;
    // GERMANY falls from the top (3 of 3) to the bottom (0): its first point
    // is higher on the page than its last.
    const std::string& germany = svg.polylinePoints[2];
    const auto y = [](const std::string& point) { return std::stod(point.substr(point.find(',') + 1)); };
    const std::string first = germany.substr(0, germany.find(' '));
    const std::string last = germany.substr(germany.rfind(' ') + 1);
    EXPECT_LT(y(first), y(last));
}

TEST(CentreHistorySvg, NamesAreEscapedAndOneSeasonStillDrawsPoints)
{
    CCentreHistory history;
    history.countries = {{"A<&>\"B", {1, 2, 3}}};
    history.rows = {{"S1901M", {4}}};
    const std::string text = CentreHistorySvg(history);
    const SvgContent svg = ReadSvg(text);
    ASSERT_TRUE(svg.wellFormed) << text;
    EXPECT_TRUE(svg.polylineStrokes.empty());
    EXPECT_EQ(svg.circlesByFill.at("rgb(1,2,3)"), 1);
    EXPECT_NE(std::find(svg.texts.begin(), svg.texts.end(), "A<&>\"B"), svg.texts.end());
}

} // namespace
