#include "platform/Maps.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries Enumerate(const CMapStringToString& map) {
    Entries entries;
    CString key, value;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        map.GetNextAssoc(pos, key, value);
        entries.emplace_back(static_cast<LPCSTR>(key), static_cast<LPCSTR>(value));
    }
    return entries;
}

std::vector<std::string> Keys(const CMapStringToString& map) {
    std::vector<std::string> keys;
    for (const auto& entry : Enumerate(map))
        keys.push_back(entry.first);
    return keys;
}

using KeyList = std::vector<std::string>;

// With 7 buckets the keys fall as h = h * 33 + byte gives: "A", "H", "O" and "%I0.0"
// in bucket 2; "B", "BA" and "MAIN" in 3; "工" (GBK B9 A4) in 4; "AB" in 6.
void FillSevenBuckets(CMapStringToString& map) {
    map.InitHashTable(7);
    for (const char* key : {"A", "B", "AB", "H", "工", "BA", "O", "MAIN", "%I0.0"})
        map.SetAt(key, CString(key) + "=v");
}

const KeyList sevenBucketOrder{"%I0.0", "O", "H", "A", "MAIN", "BA", "B", "工", "AB"};

} // namespace

TEST(MapOrder, BucketsInOrderNewestFirstWithinABucket) {
    CMapStringToString map;
    FillSevenBuckets(map);
    EXPECT_EQ(map.GetHashTableSize(), 7u);
    EXPECT_EQ(map.GetCount(), 9);
    EXPECT_EQ(Keys(map), sevenBucketOrder);

    CMapStringToString defaultSize;
    for (const char* key : {"A", "B", "H", "AB"})
        defaultSize.SetAt(key, "");
    EXPECT_EQ(defaultSize.GetHashTableSize(), 17u);
    EXPECT_EQ(Keys(defaultSize), (KeyList{"AB", "H", "A", "B"}));  // buckets 1, 4, 14, 15
}

TEST(MapOrder, ReplacingAValueKeepsItsPlaceAndRemovalOnlyDropsTheKey) {
    CMapStringToString map;
    FillSevenBuckets(map);

    map.SetAt("H", "new");
    map["MAIN"] = "newer";
    EXPECT_EQ(Keys(map), sevenBucketOrder);
    CString value;
    ASSERT_TRUE(map.Lookup("H", value));
    EXPECT_EQ(value, "new");
    EXPECT_EQ(Enumerate(map)[4], (std::pair<std::string, std::string>{"MAIN", "newer"}));

    EXPECT_TRUE(map.RemoveKey("O"));
    EXPECT_FALSE(map.RemoveKey("O"));
    EXPECT_FALSE(map.RemoveKey("absent"));
    EXPECT_FALSE(map.Lookup("O", value));
    EXPECT_EQ(Keys(map), (KeyList{"%I0.0", "H", "A", "MAIN", "BA", "B", "工", "AB"}));

    map.SetAt("O", "back");  // re-added: newest again in its bucket
    EXPECT_EQ(Keys(map), (KeyList{"O", "%I0.0", "H", "A", "MAIN", "BA", "B", "工", "AB"}));
    EXPECT_EQ(map.GetCount(), 9);
}

TEST(MapOrder, KeysCompareWholeAndExactly) {
    CMapStringToString map;
    map.SetAt("main", "lower");
    map.SetAt("MAIN", "upper");
    map.SetAt("MAI", "short");
    CString value;
    ASSERT_TRUE(map.Lookup("MAIN", value));
    EXPECT_EQ(value, "upper");
    ASSERT_TRUE(map.Lookup("main", value));
    EXPECT_EQ(value, "lower");
    EXPECT_FALSE(map.Lookup("MAINX", value));
    EXPECT_FALSE(map.Lookup("", value));
    map.SetAt("", "empty key");
    ASSERT_TRUE(map.Lookup("", value));
    EXPECT_EQ(value, "empty key");
}

TEST(MapOrder, WordKeysHashAsKeyShiftedRightByFour) {
    CMapWordToPtr map;
    map.InitHashTable(5);
    int cells[6];
    const WORD keys[] = {0x10, 0x20, 0x60, 0x05, 0x5F, 0xB0};  // buckets 1 2 1 0 0 1
    for (int i = 0; i < 6; ++i)
        map.SetAt(keys[i], &cells[i]);

    std::vector<WORD> order;
    std::vector<void*> values;
    WORD key;
    void* value;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        map.GetNextAssoc(pos, key, value);
        order.push_back(key);
        values.push_back(value);
    }
    EXPECT_EQ(order, (std::vector<WORD>{0x5F, 0x05, 0xB0, 0x60, 0x10, 0x20}));
    EXPECT_EQ(values, (std::vector<void*>{&cells[4], &cells[3], &cells[5], &cells[2], &cells[0],
                                          &cells[1]}));
}

TEST(MapOrder, NegativeIntegerKeysHashAsTheir32BitPattern) {
    // -1 is 0xFFFFFFFF, shifted 0x0FFFFFFF: bucket 15 of 17, behind the newer 0xF0.
    CMap<int, int, int, int> map;
    for (int key : {-1, 0xF0, 0x10})
        map.SetAt(key, 0);
    std::vector<int> order;
    int key, value;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        map.GetNextAssoc(pos, key, value);
        order.push_back(key);
    }
    EXPECT_EQ(order, (std::vector<int>{0x10, 0xF0, -1}));
}

TEST(MapOrder, TableSizeIsKeptAcrossRemoveAllAndEntriesMoveWhenItChanges) {
    CMapStringToString map;
    FillSevenBuckets(map);
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
    FillSevenBuckets(map);
    EXPECT_EQ(Keys(map), sevenBucketOrder);

    // Re-initialising a filled table keeps every entry; entries sharing a bucket
    // keep their order.
    map.InitHashTable(7);
    EXPECT_EQ(Keys(map), sevenBucketOrder);
    map.InitHashTable(17);
    EXPECT_EQ(map.GetHashTableSize(), 17u);
    EXPECT_EQ(map.GetCount(), 9);
    CString value;
    for (const std::string& key : sevenBucketOrder) {
        ASSERT_TRUE(map.Lookup(key.c_str(), value)) << key;
        EXPECT_EQ(value, CString(key.c_str()) + "=v");
    }
    map.InitHashTable(0);
    EXPECT_EQ(map.GetHashTableSize(), 17u);
}

TEST(MapOrder, IndexOperatorAddsAnEmptyValueOnce) {
    CMapStringToPtr map;
    EXPECT_EQ(map["x"], nullptr);
    EXPECT_EQ(map.GetCount(), 1);
    int target = 0;
    map["x"] = &target;
    void* found = nullptr;
    ASSERT_TRUE(map.Lookup("x", found));
    EXPECT_EQ(found, &target);
    EXPECT_EQ(map.GetCount(), 1);
}
