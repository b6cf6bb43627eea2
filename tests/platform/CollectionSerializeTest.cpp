#include "platform/Arrays.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "platform/Lists.h"
#include "platform/Maps.h"

#include "tests/support/FrameworkExceptions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

// A small serializable object for the object collections.
class CSerialProbe : public CObject {
    DECLARE_SERIAL(CSerialProbe)
public:
    explicit CSerialProbe(WORD value = 0) : m_value(value) {}
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
    WORD m_value;
};

IMPLEMENT_SERIAL(CSerialProbe, CObject, 1)

namespace {

using Bytes = std::vector<BYTE>;

Bytes Store(const std::function<void(CArchive&)>& write) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    Bytes bytes(file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void Load(Bytes bytes, const std::function<void(CArchive&)>& read) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    read(ar);
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Text(const char* text) {
    return Bytes(text, text + strlen(text));
}

} // namespace

TEST(CollectionSerialize, ArraysWriteTheirCountThenTheirElements) {
    CStringArray texts;
    texts.Add("ab");
    texts.Add("");
    texts.Add("工");
    EXPECT_EQ(Store([&](CArchive& ar) { texts.Serialize(ar); }),
              (Bytes{0x03, 0x00, 0x02, 'a', 'b', 0x00, 0x02, 0xB9, 0xA4}));

    CDWordArray values;
    values.Add(1);
    values.Add(0x12345678);
    EXPECT_EQ(Store([&](CArchive& ar) { values.Serialize(ar); }),
              (Bytes{0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x78, 0x56, 0x34, 0x12}));

    CWordArray words;
    words.Add(0xBEEF);
    EXPECT_EQ(Store([&](CArchive& ar) { words.Serialize(ar); }), (Bytes{0x01, 0x00, 0xEF, 0xBE}));

    CByteArray empty;
    EXPECT_EQ(Store([&](CArchive& ar) { empty.Serialize(ar); }), (Bytes{0x00, 0x00}));
}

TEST(CollectionSerialize, CountsFromFFFFOnTakeSixBytesAndRoundTrip) {
    struct Case { INT_PTR size; Bytes head; };
    const Case cases[] = {
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        CByteArray bytes;
        bytes.SetSize(c.size);
        for (INT_PTR i = 0; i < c.size; ++i)
            bytes[i] = static_cast<BYTE>(i * 7);
        Bytes stored = Store([&](CArchive& ar) { bytes.Serialize(ar); });
        ASSERT_EQ(stored.size(), c.head.size() + c.size);
        EXPECT_EQ(Bytes(stored.begin(), stored.begin() + c.head.size()), c.head);

        CByteArray loaded;
        loaded.Add(0x55);  // loading replaces what was there
        Load(stored, [&](CArchive& ar) { loaded.Serialize(ar); });
        ASSERT_EQ(loaded.GetSize(), c.size);
        EXPECT_EQ(memcmp(loaded.GetData(), bytes.GetData(), c.size), 0);
    }
}

TEST(CollectionSerialize, ObjectArrayTagsEachObjectOnce) {
    CSerialProbe first(0x1111), second(0x2222);
    CObArray objects;
    objects.Add(&first);
    objects.Add(nullptr);
    objects.Add(&first);
    objects.Add(&second);

    Bytes stored = Store([&](CArchive& ar) { objects.Serialize(ar); });
    EXPECT_EQ(stored, Concat({{0x04, 0x00},
                              {0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00}, Text("CSerialProbe"), {0x11, 0x11},
                              {0x00, 0x00},
                              {0x02, 0x00},
                              {0x01, 0x80, 0x22, 0x22}}));

    CObArray loaded;
    Load(stored, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetSize(), 4);
    auto* a = dynamic_cast<CSerialProbe*>(loaded[0]);
    auto* b = dynamic_cast<CSerialProbe*>(loaded[3]);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->m_value, 0x1111);
    EXPECT_EQ(loaded[1], nullptr);
    EXPECT_EQ(loaded[2], a);
    EXPECT_EQ(b->m_value, 0x2222);
    delete a;  // the array does not own its objects
    delete b;
}

TEST(CollectionSerialize, MapsWriteTheirEntriesInEnumerationOrder) {
    // 32-bit keys and values in 20 buckets: keys 0x10, 0x25 and 0x05 fall into buckets
    // 1, 2 and 0.
    CMap<DWORD, DWORD, DWORD, DWORD> values;
    values.InitHashTable(20);
    values.SetAt(0x10, 0xA);
    values.SetAt(0x25, 0xB);
    values.SetAt(0x05, 0xC);
    Bytes stored = Store([&](CArchive& ar) { values.Serialize(ar); });
    EXPECT_EQ(stored, (Bytes{0x03, 0x00,
                             0x05, 0, 0, 0, 0x0C, 0, 0, 0,
                             0x10, 0, 0, 0, 0x0A, 0, 0, 0,
                             0x25, 0, 0, 0, 0x0B, 0, 0, 0}));

    CMap<DWORD, DWORD, DWORD, DWORD> loaded;
    loaded.InitHashTable(20);
    Load(stored, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetCount(), 3);
    DWORD value = 0;
    EXPECT_TRUE(loaded.Lookup(0x25, value));
    EXPECT_EQ(value, 0xBu);
    EXPECT_EQ(Store([&](CArchive& ar) { loaded.Serialize(ar); }), stored);

    CMapStringToString texts;
    texts.InitHashTable(7);
    texts.SetAt("A", "1");  // bucket 2
    texts.SetAt("B", "2");  // bucket 3
    EXPECT_EQ(Store([&](CArchive& ar) { texts.Serialize(ar); }),
              (Bytes{0x02, 0x00, 0x01, 'A', 0x01, '1', 0x01, 'B', 0x01, '2'}));
}

TEST(CollectionSerialize, ObjectMapsAndListsRoundTrip) {
    CSerialProbe one(1), two(2);
    CMapStringToOb byName;
    byName.SetAt("one", &one);
    byName.SetAt("two", &two);
    byName.SetAt("again", &one);
    CMapWordToOb byNumber;
    byNumber.SetAt(7, &two);
    CObList list;
    list.AddTail(&two);
    list.AddTail(&one);
    CStringList names;
    names.AddTail("x");
    names.AddTail("yy");

    Bytes stored = Store([&](CArchive& ar) {
        byName.Serialize(ar);
        byNumber.Serialize(ar);
        list.Serialize(ar);
        names.Serialize(ar);
    });

    CMapStringToOb loadedByName;
    CMapWordToOb loadedByNumber;
    CObList loadedList;
    CStringList loadedNames;
    Load(stored, [&](CArchive& ar) {
        loadedByName.Serialize(ar);
        loadedByNumber.Serialize(ar);
        loadedList.Serialize(ar);
        loadedNames.Serialize(ar);
    });

    CObject* loadedOne = nullptr;
    CObject* loadedTwo = nullptr;
    CObject* again = nullptr;
    ASSERT_TRUE(loadedByName.Lookup("one", loadedOne));
    ASSERT_TRUE(loadedByName.Lookup("two", loadedTwo));
    ASSERT_TRUE(loadedByName.Lookup("again", again));
    EXPECT_EQ(again, loadedOne) << "one object stored twice is loaded once";
    EXPECT_EQ(static_cast<CSerialProbe*>(loadedOne)->m_value, 1);
    EXPECT_EQ(static_cast<CSerialProbe*>(loadedTwo)->m_value, 2);

    CObject* seven = nullptr;
    ASSERT_TRUE(loadedByNumber.Lookup(7, seven));
    EXPECT_EQ(seven, loadedTwo);
    ASSERT_EQ(loadedList.GetCount(), 2);
    EXPECT_EQ(loadedList.GetHead(), loadedTwo);
    EXPECT_EQ(loadedList.GetTail(), loadedOne);
    ASSERT_EQ(loadedNames.GetCount(), 2);
    EXPECT_EQ(loadedNames.GetTail(), "yy");
    delete loadedOne;
    delete loadedTwo;
}

TEST(CollectionSerialize, DamagedInputEndsInAnArchiveError) {
    const Bytes damaged[] = {
        {0x03, 0x00, 0x01, 0x00, 0x00, 0x00},  // 3 values announced, 1 present
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x07, 0, 0, 0},  // count 0xFFFFFFFF
        {0x01},  // count cut short
    };
    for (const Bytes& bytes : damaged) {
        CDWordArray values;
        EXPECT_TRUE(ThrowsFrameworkException<CArchiveException>(
            [&] { Load(bytes, [&](CArchive& ar) { values.Serialize(ar); }); }));
    }
    CStringList texts;
    EXPECT_TRUE(ThrowsFrameworkException<CArchiveException>([&] {
        Load({0x02, 0x00, 0x01, 'a', 0x05, 'b'}, [&](CArchive& ar) { texts.Serialize(ar); });
    }));
}
