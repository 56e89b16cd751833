#include "model/SeasonWords.h"

#include <gtest/gtest.h>

namespace {

struct WordsRow {
    const char* name;
    const char* words;
};

TEST(SeasonWords, EveryPhaseAndDamagedNames)
{
    const WordsRow rows[] = {
        {"S1901M", "Spring 1901 Movement"}, {"S1902R", "Spring 1902 Retreats"},
        {"F1901M", "Fall 1901 Movement"},   {"F1901R", "Fall 1901 Retreats"},
        {"F1901B", "Winter 1901 Adjustments"},
        // Not a season: shown as stored.
        {"S1901", "S1901"}, {"X1901M", "X1901M"}, {"S19a1M", "S19a1M"}, {"S1901B", "S1901B"}, {"", ""},
    };
    for (const WordsRow& row : rows)
        EXPECT_EQ(SeasonInWords(row.name), row.words) << row.name;
}

TEST(SeasonWords, StartingPositionNamesTheFirstYearPlayed)
{
    EXPECT_EQ(StartingPositionInWords("S1900M"), "Starting position 1901");
    EXPECT_EQ(StartingPositionInWords("S0999M"), "Starting position 1000");
    EXPECT_EQ(StartingPositionInWords("bad"), "bad");
}

} // namespace
