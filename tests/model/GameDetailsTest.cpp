#include "model/GameDetails.h"
#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

std::unique_ptr<CKestraneDoc> MakeDoc(CRecordingServices& services, const std::vector<std::string>& names)
{
    auto doc = std::make_unique<CKestraneDoc>(services);
    for (const auto& n : names)
        doc->m_countries.emplace_back(n, 1, 2, 3);
    doc->m_nCountries = static_cast<int32_t>(names.size());
    return doc;
}

TEST(GameDetailsList, SortsAlphabeticallyWhateverTheMapOrder)
{
    CRecordingServices services;
    auto doc = MakeDoc(services, {"TURKEY", "AUSTRIA", "ENGLAND", "russia", "FRANCE"});
    EXPECT_EQ(CGameDetails::SortedCountries(*doc),
              (std::vector<std::string>{"AUSTRIA", "ENGLAND", "FRANCE", "russia", "TURKEY"}));
}

TEST(GameDetailsList, ListsOnlyCountriesThatExist)
{
    CRecordingServices services;
    auto doc = MakeDoc(services, {"B", "A"});
    doc->m_nCountries = 1;
    EXPECT_EQ(CGameDetails::SortedCountries(*doc), (std::vector<std::string>{"B"}));
    doc->m_nCountries = 40; // more than the file holds
    EXPECT_EQ(CGameDetails::SortedCountries(*doc), (std::vector<std::string>{"A", "B"}));
}

struct PrefixCase {
    const char* name;
    std::vector<std::string> entries;
    std::string prefix;
    std::optional<size_t> expected;
};

class GameDetailsPrefix : public testing::TestWithParam<PrefixCase> {};

TEST_P(GameDetailsPrefix, FindsEntry)
{
    const PrefixCase& c = GetParam();
    EXPECT_EQ(CGameDetails::FindPrefix(c.entries, c.prefix), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GameDetailsPrefix,
    testing::Values(PrefixCase{"WholeName", {"AUSTRIA", "ENGLAND", "FRANCE"}, "ENGLAND", 1},
                    PrefixCase{"PrefixAnyCase", {"AUSTRIA", "ENGLAND", "FRANCE"}, "eNg", 1},
                    PrefixCase{"FirstEntryFoundLast", {"AUSTRIA", "ENGLAND", "FRANCE"}, "Aus", 0},
                    // The search starts after entry 0, so a later match wins over it.
                    PrefixCase{"SearchStartsAfterFirstEntry", {"ENGLAND", "ENGLISH", "FRANCE"}, "ENG", 1},
                    PrefixCase{"LongerThanEntry", {"AUSTRIA"}, "AUSTRIAN", std::nullopt},
                    PrefixCase{"NoMatch", {"AUSTRIA", "ENGLAND"}, "ITALY", std::nullopt},
                    PrefixCase{"EmptyPrefix", {"AUSTRIA"}, "", std::nullopt},
                    PrefixCase{"EmptyList", {}, "A", std::nullopt},
                    PrefixCase{"SingleEntry", {"ITALY"}, "it", 0}),
    RowName());

// A game of two countries, listed in the map's order.
class GameDetailsOpen : public testing::Test {
protected:
    CRecordingServices services;
    std::unique_ptr<CKestraneDoc> doc = MakeDoc(services, {"FRANCE", "ENGLAND"});
};

TEST_F(GameDetailsOpen, NewGameSelectsNothingSilently)
{
    const auto state = CGameDetails::Open(*doc);
    EXPECT_EQ(state.countries, (std::vector<std::string>{"ENGLAND", "FRANCE"}));
    EXPECT_FALSE(state.selected.has_value());
    EXPECT_EQ(state.password, "");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(GameDetailsOpen, SelectsStoredCountryAndPassword)
{
    doc->m_strMyCountry = "france";
    doc->m_strPassword = "pw";
    const auto state = CGameDetails::Open(*doc);
    ASSERT_TRUE(state.selected.has_value());
    EXPECT_EQ(state.countries[*state.selected], "FRANCE");
    EXPECT_EQ(state.password, "pw");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(GameDetailsOpen, InvalidCountryWarnsAndSelectsNothing)
{
    doc->m_strMyCountry = "ITALY";
    const auto state = CGameDetails::Open(*doc);
    EXPECT_FALSE(state.selected.has_value());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0],
              (CRecordingServices::Message{"The Country in your file is invalid", MessageIcon::Exclamation}));
    EXPECT_EQ(services.closeRequests, 0);
}

TEST(GameDetailsApply, StoresAndMarksModifiedEvenWhenUnchanged)
{
    CRecordingServices services;
    auto doc = MakeDoc(services, {"FRANCE"});
    doc->m_strMyCountry = "FRANCE";
    doc->m_strPassword = "pw";
    ASSERT_FALSE(doc->IsModified());
    CGameDetails::Apply(*doc, "FRANCE", "pw");
    EXPECT_TRUE(doc->IsModified());

    CGameDetails::Apply(*doc, "", "new");
    EXPECT_EQ(doc->m_strMyCountry, "");
    EXPECT_EQ(doc->m_strPassword, "new");
}

} // namespace
