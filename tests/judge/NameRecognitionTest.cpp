#include "model/KestraneDoc.h"
#include "model/WordSplitter.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

namespace {

class NameRecognition : public ::testing::Test {
protected:
    void AddCountries(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            doc.m_countries.emplace_back(name, 1, 2, 3);
        doc.m_nCountries = int(doc.m_countries.size());
    }
    // Every word of line taken with the same separators.
    std::vector<std::string> Words(const std::string& line, std::string_view separators)
    {
        std::vector<std::string> words;
        std::string word;
        for (bool ok = splitter.NextWord(word, separators, line); ok; ok = splitter.NextWord(word, separators))
            words.push_back(word);
        return words;
    }

    CRecordingServices services;
    CKestraneDoc doc{services};
    CWordSplitter splitter;
};

std::string Trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

TEST_F(NameRecognition, StartingPositionLineGivesCountryUnitAndCoastKey)
{
    std::string line = "RUSSIA: FLEET ST PETERSBURG (SOUTH COAST).";
    line[line.rfind('.')] = char(0xFF);
    std::string country, unit, province;
    ASSERT_TRUE(splitter.NextWord(country, ":", line));
    ASSERT_TRUE(splitter.NextWord(unit, " \t"));
    ASSERT_TRUE(splitter.NextWord(province, ""));
    EXPECT_EQ(country, "RUSSIA");
    EXPECT_EQ(unit, "FLEET");
    EXPECT_EQ(Trim(province), "ST PETERSBURGSC");
    std::string rest;
    EXPECT_FALSE(splitter.NextWord(rest, ""));
    EXPECT_EQ(rest, "");
}

struct CoastCase {
    const char* name;
    const char* line;
    const char* expected; // whole normalised line, filler blanks included
};

TEST_F(NameRecognition, CoastNotationsAreFoldedInPlace)
{
    const CoastCase cases[] = {
        {"long south", "SPAIN (SOUTH COAST)", "SPAINSC            "},
        {"short south", "SPAIN (SC)", "SPAINSC   "},
        {"long north", "SPAIN (NORTH COAST)", "SPAINNC            "},
        {"long east", "X (EAST COAST)", "XEC           "},
        {"long west", "X (WEST COAST)", "XWC           "},
        {"short north", "X (NC)", "XNC   "},
        {"short east", "X (EC)", "XEC   "},
        {"short west", "X (WC)", "XWC   "},
        {"no leading blank", "SPAIN(SC)", "SPAIN(SC)"},
        {"lower case", "SPAIN (sc)", "SPAIN (sc)"},
        {"two of a kind", "A (SC) B (SC)", "ASC    BSC   "},
        {"two kinds", "A (NC) B (SOUTH COAST)", "ANC    BSC            "},
        {"after a Judge note", "A (*BOUNCE*) B (SC)", "A (*BOUNCE*) BSC   "},
        {"a Judge note alone", "A -> B.  (*BOUNCE*)", "A -> B.  (*BOUNCE*)"},
        {"cut off at the letter", "X (S", "X (S"},
        {"high bytes become blanks", "M\xC3\xBCNCHEN", "M  NCHEN"},
        {"marker becomes a blank", "END\xFF", "END "},
    };
    for (const auto& c : cases) {
        std::string word;
        splitter.NextWord(word, "", c.line);
        EXPECT_EQ(word, c.expected) << c.name;
    }
}

TEST_F(NameRecognition, SeparatorSetsApplyPerCallAndRunsAreSkipped)
{
    std::string word;
    ASSERT_TRUE(splitter.NextWord(word, " :\t,", ":: Judge: ABCD  Game: alpha"));
    EXPECT_EQ(word, "Judge");
    ASSERT_TRUE(splitter.NextWord(word, " :\t,"));
    EXPECT_EQ(word, "ABCD");
    ASSERT_TRUE(splitter.NextWord(word, ""));
    EXPECT_EQ(word, " Game: alpha");
    EXPECT_FALSE(splitter.NextWord(word, ""));

    EXPECT_EQ(Words("A, B ,,C", ","), (std::vector<std::string>{"A", " B ", "C"}));
    EXPECT_EQ(Words("  ", " "), std::vector<std::string>{});
    EXPECT_EQ(Words("", ""), std::vector<std::string>{});
}

TEST_F(NameRecognition, LineEndsAtANulByte)
{
    EXPECT_EQ(Words(std::string("AB\0CD", 5), ""), std::vector<std::string>{"AB"});
}

TEST_F(NameRecognition, InnerBlanksStayInKeys)
{
    EXPECT_EQ(Words("NORTH  SEA, NORTH SEA", ","), (std::vector<std::string>{"NORTH  SEA", " NORTH SEA"}));
}

TEST_F(NameRecognition, NoLineGivenYieldsNothing)
{
    std::string word = "stale";
    EXPECT_FALSE(splitter.NextWord(word, " "));
    EXPECT_EQ(word, "");
}

TEST_F(NameRecognition, FindCountryIsAPrefixTestInListOrder)
{
    AddCountries({"AUSTRIA", "ENGLAND", "ENG", "FRANCE"});
    EXPECT_EQ(doc.FindCountry("Austrian: Army Vienna"), 0);
    EXPECT_EQ(doc.FindCountry("england: fleet London"), 1);
    EXPECT_EQ(doc.FindCountry("ENGLISH"), 2);
    EXPECT_EQ(doc.FindCountry("France"), 3);
    EXPECT_EQ(doc.FindCountry("Germany: A Berlin"), -1);
    EXPECT_EQ(doc.FindCountry(""), -1);
}

TEST_F(NameRecognition, EarlierPrefixCountryTakesTheLaterOnesLines)
{
    AddCountries({"ENG", "ENGLAND"});
    EXPECT_EQ(doc.FindCountry("ENGLAND: F LON"), 0);
}

TEST_F(NameRecognition, FindCountryStaysInsideTheCountryCount)
{
    AddCountries({"", "AUSTRIA", "TURKEY"});
    // An empty name matches nothing; a declared count smaller than the array bounds the search.
    EXPECT_EQ(doc.FindCountry("AUSTRIA"), 1);
    doc.m_nCountries = 2;
    EXPECT_EQ(doc.FindCountry("TURKEY"), -1);
    doc.m_nCountries = 50; // more declared than stored
    EXPECT_EQ(doc.FindCountry("TURKEY"), 2);
    EXPECT_EQ(doc.FindCountry("X"), -1);
}

TEST_F(NameRecognition, LookupPositionIsExact)
{
    doc.m_provinces.SetAt("ST PETERSBURGSC", {10, 20});
    EXPECT_EQ(CKestraneDoc::LookupPosition(doc.m_provinces, "ST PETERSBURGSC"), (MapPos{10, 20}));
    EXPECT_FALSE(CKestraneDoc::LookupPosition(doc.m_provinces, "ST  PETERSBURGSC"));
    EXPECT_FALSE(CKestraneDoc::LookupPosition(doc.m_provinces, "st petersburgsc"));
    EXPECT_FALSE(CKestraneDoc::LookupPosition(doc.m_supplyCentres, "ST PETERSBURGSC"));
}

} // namespace
