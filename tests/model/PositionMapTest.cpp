#include "model/PositionMap.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> KeysInSavedOrder(const CPositionMap& map)
{
    std::vector<std::string> keys;
    map.ForEach([&](const CPositionMap::Entry& e) { keys.push_back(e.key); });
    return keys;
}

TEST(HashName, AddsBytesAsSignedValues)
{
    EXPECT_EQ(HashName(""), 0u);
    EXPECT_EQ(HashName("A"), 65u);
    EXPECT_EQ(HashName("AB"), 131u);
    // A byte of 0xFF counts as -1, and a negative sum wraps to a large unsigned value.
    EXPECT_EQ(HashName("A\xFF"), 64u);
    EXPECT_EQ(HashName("\xFF"), 0xFFFFFFFFu);
    EXPECT_EQ(HashName("\xFF") % 17, 0xFFFFFFFFu % 17);
}

TEST(PositionMap, StoringAKeyAgainReplacesItsValue)
{
    CPositionMap map;
    map.SetAt("LONDON", {1, 2});
    map.SetAt("LONDON", {3, 4});
    EXPECT_EQ(map.GetCount(), 1u);
    EXPECT_EQ(map.Lookup("LONDON"), (MapPos{3, 4}));
}

TEST(PositionMap, KeysCompareByteForByte)
{
    CPositionMap map;
    map.SetAt("ABCSC   ", {1, 1});
    EXPECT_FALSE(map.Lookup("ABCSC"));
    EXPECT_FALSE(map.Lookup("abcsc   "));
    EXPECT_TRUE(map.Lookup("ABCSC   "));
}

TEST(PositionMap, SavedOrderIsBucketOrderThenNewestFirst)
{
    CPositionMap map;
    // "A" (65) and "R" (82) share bucket 65 % 17 = 14 = 82 % 17; "B" (66) is in bucket 15; "D" (68) in 0.
    map.SetAt("A", {1, 0});
    map.SetAt("B", {2, 0});
    map.SetAt("R", {3, 0});
    map.SetAt("D", {4, 0});
    EXPECT_EQ(KeysInSavedOrder(map), (std::vector<std::string>{"D", "R", "A", "B"}));
    // Replacing a value keeps the entry where it was in its chain.
    map.SetAt("A", {9, 9});
    EXPECT_EQ(KeysInSavedOrder(map), (std::vector<std::string>{"D", "R", "A", "B"}));
}

TEST(PositionMap, RemoveAllEmptiesTheTable)
{
    CPositionMap map;
    EXPECT_FALSE(map.Lookup("X"));
    map.SetAt("X", {1, 1});
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_FALSE(map.Lookup("X"));
    EXPECT_TRUE(KeysInSavedOrder(map).empty());
}

} // namespace
