#include "ArchiveBytes.h"
#include "model/KestraneDoc.h"
#include "support/RecordingServices.h"
#include "support/SavedGameBuilder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using namespace archivebytes;

const std::string kDocHead = ClassRecord(4, "CKestraneDoc");
const std::string kCountryA = ClassRecord(1, "CCountry") + Str("A") + Le32(255) + Le32(0) + Le32(0);
// Everything after the country array of a two-country game.
const std::string kDocTail = Le16(0) + Str("") + Str("") + Str("") + Str("") + Str("") + Str("Board") +
                             Str("Maps\\BOARD.BMP") + Le16(2) + Le32(5) + Le16(0) + Le32(0);
// A season of two countries up to its first unit list.
const std::string kSeasonHead = ClassRecord(2, "CSeasonHdr") + Le16(0) + Le16(0) + Str("") + Str("S1901M");

// A game with no season and countries A and B (the second referring to the
// country class at index 2, the first thing after the document class).
std::string GoodFile()
{
    return kDocHead + Le16(0) + Le16(2) + kCountryA + Bytes({0x02, 0x80}) + Str("B") + Le32(0) + Le32(0) +
           Le32(255) + kDocTail;
}

void ExpectNoHalfReadGame(const CKestraneDoc& doc)
{
    EXPECT_TRUE(doc.m_seasons.empty());
    EXPECT_FALSE(doc.HasCurrentSeason());
    EXPECT_TRUE(doc.m_countries.empty());
    EXPECT_TRUE(doc.m_provinces.IsEmpty());
    EXPECT_TRUE(doc.m_supplyCentres.IsEmpty());
    EXPECT_EQ(doc.m_strMapName, "");
    EXPECT_EQ(doc.m_strImagePath, "");
    EXPECT_EQ(doc.m_strGame, "");
    EXPECT_EQ(doc.m_nCountries, 0);
    EXPECT_EQ(doc.m_nSCRadius, 5);
    EXPECT_FALSE(doc.m_bSupplyCentres);
}

const CRecordingServices::Message kFormatMessage{"Unexpected file format.", MessageIcon::Exclamation};

struct DamageCase {
    const char* name;
    std::string file;
};

TEST(DocumentFileDamage, MalformedFilesAreRefusedAndLeaveNoGame)
{
    const std::string countryB = Str("B") + Le32(0) + Le32(0) + Le32(255);
    const DamageCase cases[] = {
        {"Empty", ""},
        {"DocumentClassAsReference", Bytes({0x01, 0x80}) + Le16(0) + Le16(0)},
        {"DocumentClassMisnamed", ClassRecord(4, "CKestraneDoX") + Le16(0) + Le16(0)},
        {"DocumentClassNameOf64Bytes", ClassRecord(4, std::string(64, 'C')) + Le16(0) + Le16(0)},
        {"DocumentClassIsACountry", ClassRecord(4, "CCountry") + Le16(0) + Le16(0)},
        {"NullSeason", kDocHead + Le16(1) + Le16(0) + Le16(0) + Le16(0) + kDocTail},
        {"NullCountry", kDocHead + Le16(0) + Le16(2) + kCountryA + Le16(0) + Le16(0) + kDocTail},
        {"BackReferenceToCountry", kDocHead + Le16(0) + Le16(2) + kCountryA + Le16(3) + kDocTail},
        {"LongBackReferenceToCountry", kDocHead + Le16(0) + Le16(2) + kCountryA + Le16(0x7FFF) + Le32(3) + kDocTail},
        {"CountryClassIndexNotYetGiven", kDocHead + Le16(0) + Le16(2) + kCountryA + Bytes({0x04, 0x80}) + countryB +
                                             kDocTail},
        {"CountryReferringToAnObjectIndex", kDocHead + Le16(0) + Le16(2) + kCountryA + Bytes({0x03, 0x80}) + countryB +
                                                kDocTail},
        {"CountryInSeasonList", kDocHead + Le16(1) + kCountryA + Le16(0) + kDocTail},
        {"SeasonInCountryArray", kDocHead + Le16(0) + Le16(1) + kSeasonHead + Le32(0) + kDocTail},
        {"UnknownClass", kDocHead + Le16(0) + Le16(1) + ClassRecord(1, "CDIB") + Str("A") + Le32(1) + Le32(1) +
                             Le32(1) + kDocTail},
        {"SeasonOf100Countries", kDocHead + Le16(1) + kSeasonHead + Le32(100) + std::string(400, '\0') + Le16(0) +
                                     kDocTail},
        {"SeasonOfNegativeCountries", kDocHead + Le16(1) + kSeasonHead + Le32(0xFFFFFFFF) + Le16(0) + kDocTail},
        {"UnitOfWrongClass", kDocHead + Le16(1) + kSeasonHead + Le32(1) + Le16(1) + Bytes({0x02, 0x80}) +
                                 std::string(20, '\0') + kDocTail},
        {"StoredCountryCountDiffers", kDocHead + Le16(0) + Le16(1) + kCountryA + Le16(0) + Str("") + Str("") +
                                          Str("") + Str("") + Str("") + Str("Board") + Str("Maps\\BOARD.BMP") +
                                          Le16(2) + Le32(5) + Le16(0) + Le32(0)},
        {"HugeSeasonCount", kDocHead + Le16(0xFFFF) + Le32(0x7FFFFFFF) + kDocTail},
        {"HugeOrderCount", kDocHead + Le16(1) + ClassRecord(2, "CSeasonHdr") + Le16(0xFFFF) + Le32(0xFFFFFFF0) +
                               kDocTail},
        {"HugeProvinceCount", kDocHead + Le16(0) + Le16(0) + Le16(0xFFFF) + Le32(100000000) + kDocTail},
        {"StringLongerThanFile", kDocHead + Le16(0) + Le16(0) + Le16(0) + Bytes({0xFF, 0xFF, 0xFF}) + Le32(1u << 30) +
                                     kDocTail},
        {"WideStringLongerThanFile", kDocHead + Le16(0) + Le16(0) + Le16(0) + Bytes({0xFF, 0xFE, 0xFF, 0xFF}) +
                                         Le16(4000) + kDocTail},
        {"CutInsideLastField", GoodFile().substr(0, GoodFile().size() - 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CRecordingServices services;
        CKestraneDoc doc(services);
        // A game read before must not survive a refused file either.
        ASSERT_TRUE(doc.ReadDocument(GoodFile()));
        EXPECT_FALSE(doc.ReadDocument(c.file));
        EXPECT_EQ(services.messages, (std::vector<CRecordingServices::Message>{kFormatMessage}));
        ExpectNoHalfReadGame(doc);
    }
}

TEST(DocumentFileDamage, RandomByteDamageEitherReadsOrIsRefused)
{
    CRecordingServices services;
    CKestraneDoc game(services);
    savedgame::FillFullGame(game, {.seasons = 4, .units = 10});
    const std::string bytes = game.WriteDocument();
    std::mt19937 random(20260308);
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = bytes;
        const int hits = 1 + int(random() % 4);
        for (int h = 0; h < hits; ++h)
            damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
        CRecordingServices quiet;
        CKestraneDoc doc(quiet);
        const bool read = doc.ReadDocument(damaged);
        if (read) {
            EXPECT_TRUE(quiet.messages.empty());
            // Whatever was read saves again and reads back, unless the damage
            // hit the document schema: a layout this program does not know
            // leaves the country count unread, and such a game cannot open.
            CKestraneDoc again(quiet);
            const bool knownLayout = damaged[2] >= 1 && damaged[2] <= 4 && damaged[3] == 0;
            EXPECT_EQ(again.ReadDocument(doc.WriteDocument()), knownLayout) << round;
        } else {
            ++refused;
            EXPECT_EQ(quiet.Texts(), std::vector<std::string>{"Unexpected file format."});
            EXPECT_TRUE(doc.m_seasons.empty());
        }
    }
    EXPECT_GT(refused, 0);
}

TEST(DocumentFileDamage, MemoryForMinimalSeasonsIsBoundedByTheFileSize)
{
    // Each empty season takes 12 bytes of file but a full record in memory:
    // a file of thousands of them is refused rather than allowed to grow
    // memory without bound, while a real game of the same size reads.
    auto emptySeasons = [](size_t count) {
        std::string file = kDocHead + (count < 0xFFFF ? Le16(unsigned(count)) : Le16(0xFFFF) + Le32(uint32_t(count)));
        for (size_t i = 0; i < count; ++i)
            file += (i == 0 ? ClassRecord(2, "CSeasonHdr") : Bytes({0x02, 0x80})) + Le16(0) + Le16(0) + Str("") +
                    Str("") + Le32(0);
        return file + Le16(0) + Le16(0) + Str("") + Str("") + Str("") + Str("") + Str("") + Str("") + Str("") +
               Le16(0) + Le32(5) + Le16(0) + Le32(0);
    };
    CRecordingServices services;
    CKestraneDoc doc(services);
    EXPECT_TRUE(doc.ReadDocument(emptySeasons(500)));
    EXPECT_EQ(doc.m_seasons.size(), 500u);
    EXPECT_FALSE(doc.ReadDocument(emptySeasons(200000)));
    EXPECT_EQ(services.Texts(), std::vector<std::string>{"Unexpected file format."});
}

} // namespace
